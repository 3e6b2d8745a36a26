<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Nimetön</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Markwheel-tiedostot (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Nollaa</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Tyhjennä avoimien tiedostojen luettelo
Käytössä</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Muokkaa</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Kumoa</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Kumoa viimeisin toiminto
Kumoa</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>&amp;Leikkaa</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Leikkaa valinta leikepöydälle
Leikkaa</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>K&amp;opioi</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Kopioi valinta leikepöydälle
Kopioi</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>L&amp;iitä</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Liitä leikepöydän sisältö
Liitä</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Muuta</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Muuta nykyistä kohdepäivää
Päivämäärä</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Muoto</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Lähtölaskenta</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Kalenterikello</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Kalenterikello AM/PM</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Aurinkoaika</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Laske alas- tai ylöspäin kohdepäivään ja -aikaan
tai ylös</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Viikonpäivä, päivämäärä ja aika
Tänään</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Kuten kalenterikello, AM/PM-merkinnöin\m
AM PM</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>Keskipäivällä kello 12 aurinko on korkeimmillaan
 Aurinkokello</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;Tietoja Markwheelistä…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Näytä ohjelman tiedot, versionumero ja tekijänoikeudet
Tietoja</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>Tietoja Markwheelistä</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel versio 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CMarkwheelDoc</name>
    <message>
        <source>Year %d</source>
        <translation>Vuosi %d</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>%1 aurinkoaikaa</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Aseta kohdepäivä</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Näytetään ikkunan otsikkona laskennan aikana</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Kohteen vuosi; negatiiviset vuodet ovat ennen vuotta 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Kuukausi, 1–12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Kuukauden päivä, 1–31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Tunti, 0–23 (paikallista aikaa)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minuutti, 0–59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Sekunti, 0–59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Otsikko</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Vuosi</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Kuukausi</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Päivä</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Tunti</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuutti</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Anna kokonaisluku.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Anna kokonaisluku väliltä %1–%2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Näytä tämä ohje ja lopeta (myös -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Näytä versio ja lopeta</translation>
    </message>
    <message>
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [KOHDE.mkw]</translation>
    </message>
</context>
</TS>
