<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Bez tytułu</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Pliki Markwheel (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Wyczyść listę otwartych plików
W użyciu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Cofnij ostatnią czynność
Cofnij</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Wytnij zaznaczenie i umieść je w schowku
Wytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Skopiuj zaznaczenie do schowka
Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Wstaw zawartość schowka
Wklej</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Zmień bieżącą datę docelową
Data</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Odliczanie</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Zegar z kalendarzem</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Zegar z kalendarzem AM/PM</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Czas słoneczny</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Odliczaj w dół lub w górę do daty i godziny docelowej
lub w górę</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Dzień, data i godzina
Dziś</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Jak zegar z kalendarzem, ze wskaźnikami AM/PM\m
AM PM</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>O 12 w południe słońce stoi najwyżej
 Zegar słoneczny</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;O programie Markwheel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Pokaż informacje o programie, numer wersji i prawa autorskie
O programie</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>O programie Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel wersja 1.0</translation>
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
        <translation>%1 czasu słonecznego</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Ustaw datę docelową</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Wyświetlany jako tytuł okna podczas odliczania</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Rok docelowy; lata ujemne są przed rokiem 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Miesiąc, od 1 do 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Dzień miesiąca, od 1 do 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Godzina, od 0 do 23 (czas lokalny)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minuta, od 0 do 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Sekunda, od 0 do 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Wprowadź liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Wprowadź liczbę całkowitą od %1 do %2.</translation>
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
        <translation>Pokaż tę pomoc i zakończ (także -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Pokaż wersję i zakończ</translation>
    </message>
    <message>
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [CEL.mkw]</translation>
    </message>
</context>
</TS>
