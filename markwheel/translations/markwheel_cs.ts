<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Soubory Markwheel (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Vynulovat</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Vyprázdnit seznam otevřených souborů
Používané</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>Úpr&amp;avy</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Vrátit poslední akci
Zpět</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>Vyj&amp;mout</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Vyjmout výběr a vložit jej do schránky
Vyjmout</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Zkopírovat výběr do schránky
Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Vložit obsah schránky
Vložit</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Změnit aktuální cílové datum
Datum</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Formát</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Odpočet</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Kalendářní hodiny</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Kalendářní hodiny AM/PM</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Sluneční čas</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Odpočítávat dolů nebo nahoru k cílovému datu a času
nebo nahoru</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Den, datum a čas
Dnes</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Jako kalendářní hodiny, s ukazateli AM/PM\m
AM PM</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>Ve 12 hodin v poledne je slunce nejvýše
 Sluneční hodiny</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;O aplikaci Markwheel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Zobrazit informace o programu, číslo verze a autorská práva
O aplikaci</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>O aplikaci Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel verze 1.0</translation>
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
        <translation>Rok %d</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>%1 slunečního času</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Nastavit cílové datum</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Zobrazuje se jako titulek okna během odpočtu</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Rok cíle; záporné roky jsou před rokem 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Měsíc, 1 až 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Den v měsíci, 1 až 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Hodina, 0 až 23 (místní čas)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minuta, 0 až 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Sekunda, 0 až 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hodina</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuta</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Zadejte celé číslo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Zadejte celé číslo od %1 do %2.</translation>
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
        <translation>Zobrazit tuto nápovědu a skončit (také -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Zobrazit verzi a skončit</translation>
    </message>
    <message>
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [CÍL.mkw]</translation>
    </message>
</context>
</TS>
