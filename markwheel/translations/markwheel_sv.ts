<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Namnlös</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Markwheel-filer (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Töm listan över öppna filer
I bruk</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Ångra den senaste åtgärden
Ångra</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Klipp ut markeringen och lägg den på urklipp
Klipp ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Kopiera markeringen till urklipp
Kopiera</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Infoga innehållet i urklipp
Klistra in</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Ändra</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Ändra måldatumet
Datum</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Nedräkning</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Kalenderklocka</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Kalenderklocka FM/EM</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Soltid</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Räkna ned eller upp till måltidpunkten
eller upp</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Dag, datum och tid
I dag</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Som kalenderklockan, med FM/EM-visning\m
FM EM</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>Klockan 12 mitt på dagen står solen som högst
 Solur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;Om Markwheel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Visa programinformation, versionsnummer och upphovsrätt
Om</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>Om Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel version 1.0</translation>
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
        <translation>Ställ in måldatum</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Visas som fönstertitel under räkningen</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Målets år; negativa år ligger före år 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Månad, 1 till 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Dag i månaden, 1 till 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Timme, 0 till 23 (lokal tid)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minut, 0 till 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Sekund, 0 till 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Månad</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Timme</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minut</translation>
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
        <translation>Ange ett heltal.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Ange ett heltal mellan %1 och %2.</translation>
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
        <translation>Visa den här hjälpen och avsluta (även -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Visa versionen och avsluta</translation>
    </message>
    <message>
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [MÅL.mkw]</translation>
    </message>
</context>
</TS>
