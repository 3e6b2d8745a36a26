<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Uten navn</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Markwheel-filer (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Tøm listen over åpne filer
I bruk</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>R&amp;ediger</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Angre den siste handlingen
Angre</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>&amp;Klipp ut</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Klipp ut markeringen og legg den på utklippstavlen
Klipp ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>K&amp;opier</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Kopier markeringen til utklippstavlen
Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Sett inn innholdet på utklippstavlen
Lim inn</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Endre</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Endre måldatoen
Dato</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Nedtelling</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Kalenderklokke</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Kalenderklokke AM/PM</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Soltid</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Tell ned eller opp til måltidspunktet
eller opp</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Dag, dato og klokkeslett
I dag</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Som kalenderklokken, med AM/PM-visning\m
AM PM</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>Klokken 12 midt på dagen står solen høyest
 Solur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;Om Markwheel …</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Vis programinformasjon, versjonsnummer og opphavsrett
Om</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>Om Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel versjon 1.0</translation>
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
        <translation>År %d</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>%1 soltid</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Still inn måldato</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Vises som vindustittel under tellingen</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Målets år; negative år ligger før år 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Måned, 1 til 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Dag i måneden, 1 til 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Time, 0 til 23 (lokal tid)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minutt, 0 til 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Sekund, 0 til 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tittel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Måned</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minutt</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekund</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Skriv inn et heltall.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Skriv inn et heltall mellom %1 og %2.</translation>
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
        <translation>Vis denne hjelpen og avslutt (også -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Vis versjonen og avslutt</translation>
    </message>
    <message>
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [MÅL.mkw]</translation>
    </message>
</context>
</TS>
