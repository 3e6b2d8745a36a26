<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Kliknij, aby zminimalizować.  Kliknij PRAWYM przyciskiem, aby ustawić.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Wybierz miasto w swojej strefie czasowej.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątek</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Miasto, tarcza i budzik…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Drzemka</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Zadzwoń ponownie za 10 minut</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Nie znaleziono strefy czasowej dla:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Alarm teraz</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Alarm za %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Usuń ten zegar…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Usunąć ten zegar?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>dziś</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>jutro</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>wczoraj</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n dzień wcześniej</numerusform>
            <numerusform>%n dni wcześniej</numerusform>
            <numerusform>%n dni wcześniej</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n dzień później</numerusform>
            <numerusform>%n dni później</numerusform>
            <numerusform>%n dni później</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1d</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>time to the alarm: hours</comment>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>time to the alarm: minutes</comment>
        <translation>%1min</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>time to the alarm: seconds</comment>
        <translation>%1s</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours ahead of local time</comment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1y</source>
        <comment>time to the alarm: years</comment>
        <translation>%1r</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Bez tytułu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Utwórz nowy dokument</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Otwórz istniejący dokument</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Zapisz bieżący dokument</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Zapisz bieżący dokument pod nową nazwą</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Zakończ program; pyta o zapisanie dokumentów</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Nieoczekiwany format pliku.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Nie można otworzyć pliku %1.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Nie udało się zapisać dokumentu %1.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Otwórz ten dokument</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Ostatnio otwierane</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Ustaw budzik</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Wpisz wiadomość, która ma się pojawić w chwili alarmu.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Ustaw budzik tak, aby zadzwonił o podanej godzinie.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Anuluj budzik.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Ustaw datę budzika.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Ustaw godzinę budzika.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Ta data i godzina już minęły</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Nastąpi za %1, licząc od teraz (%2)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Zamknij bez zmiany budzika.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Ta data i godzina już minęły. Wybierz późniejszą godzinę budzika.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Które miasto?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Budzik</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Klasyczna</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Nowoczesna</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Cyfrowa</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24-godzinna</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Wybierz miasto.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Ustaw ten zegar na wybrane miasto i zamknij</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Utwórz nowy zegar dla wybranego miasta</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Usuń ten zegar i zamknij</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Ustaw godzinę budzika według czasu wybranego miasta</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Wybierz wygląd zegara</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Wpisz część nazwy miasta, aby je znaleźć.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Zamknij bez tworzenia zegara</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage:</source>
        <translation>użycie:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>razem z</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 podano dwukrotnie</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 wymaga %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 działa tylko razem z %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>po -- musi następować plik</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>brak ekranu (nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>nie można otworzyć ekranu %1</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (zob. %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>Nie udało się zapisać polecenia ponownego uruchomienia</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Nie udało się odczytać poleceń ponownego uruchomienia</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Błąd podczas ponownego zapisu pliku uruchamiania</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer nie powiodło się</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>Brakuje wymaganego pliku TimeZones.txt.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>nie można usunąć %1: %2</translation>
    </message>
</context>
</TS>
