<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Markwheel-bestanden (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>De lijst van geopende bestanden wissen
In gebruik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>De laatste handeling ongedaan maken
Ongedaan maken</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>De selectie knippen en op het klembord plaatsen
Knippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>De selectie naar het klembord kopiëren
Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>De inhoud van het klembord invoegen
Plakken</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>De doeldatum wijzigen
Datum</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Opmaak</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Aftellen</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Kalenderklok</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Kalenderklok AM/PM</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Zonnetijd</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Af- of optellen tot het doeltijdstip
of op</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Dag, datum en tijd
Vandaag</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Als de kalenderklok, met AM/PM-aanduiding\m
AM PM</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>Om 12 uur ’s middags staat de zon het hoogst
 Zonnewijzer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;Over Markwheel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programma-informatie, versienummer en auteursrecht tonen
Over</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>Over Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel versie 1.0</translation>
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
        <translation>Jaar %d</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>%1 zonnetijd</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Doeldatum instellen</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Wordt tijdens het tellen als venstertitel getoond</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Jaar van het doel; negatieve jaren liggen vóór het jaar 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Maand, 1 tot en met 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Dag van de maand, 1 tot en met 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Uur, 0 tot en met 23 (lokale tijd)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minuut, 0 tot en met 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Seconde, 0 tot en met 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Uur</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuut</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal tussen %1 en %2 in.</translation>
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
        <translation>Deze hulp tonen en afsluiten (ook -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>De versie tonen en afsluiten</translation>
    </message>
    <message>
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [DOEL.mkw]</translation>
    </message>
</context>
</TS>
