<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Edycja urodzin</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Wybierz rodzaj wpisu.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Usuń ten wpis</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Usuń ten wpis.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Wyświetlany tekst</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Imię i nazwisko osoby</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Urodziny osoby</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Para (Jan+Maria) – data ślubu</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Notatka (lekarz o 16:00) – data wyświetlania</translation>
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
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Lista urodzin</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>Lista urodzin.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Zmień wpis.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Usuń zaznaczony wpis.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Utwórz nowy wpis.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Święta państwowe którego kraju.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Bez tytułu</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Wprowadź datę</translation>
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
        <source>Set desired year, do not abbreviate.</source>
        <translation>Podaj żądany rok, bez skracania.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Podaj numer miesiąca (1–12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Podaj dzień miesiąca (1–31).</translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Kolor…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Edycja święta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Na przykład Boże Narodzenie.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Definicja prawna.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Wielki Piątek -2, Poniedziałek Wielkanocny 1, Wniebowstąpienie 39, Zielone Świątki (poniedziałek) 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Tak jak Wielka Brytania obchodzi Boże Narodzenie i drugi dzień świąt.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Wybierz miesiąc.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Wybierz tydzień (pierwszy…ostatni).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Wybierz dzień tygodnia.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Tutaj należy podać liczbę.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Dzień tygodnia</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Zachodnia</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Prawosławna</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>Wielkanoc których Kościołów.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Dni po Niedzieli Wielkanocnej, a gdy ujemne – przed nią.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Jedyny rok, w którym obchodzi się to święto.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Gdy data wypada w ten dzień tygodnia, sama data.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Wielkanoc</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Dni od Wielkanocy</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>Sama data w</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Stała data</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Stały dzień tygodnia</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Następny dzień roboczy po</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Stała data, w weekend także następny wolny dzień powszedni</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Stała data, w niedzielę sobota przed nią</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Dzień tygodnia w dniu daty lub po niej</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Dzień tygodnia w dniu daty lub przed nią</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Data tylko w jednym roku</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Dzień tygodnia w dniu daty lub po niej albo sama data w</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Dzień roboczy po</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Pierwszy</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Drugi</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Trzeci</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Czwarty</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Piąty</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ostatni</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Edycja listy świąt</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Lista świąt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowe</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Kraj…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Zmień zaznaczone święto.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Wprowadź nowe święto.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Usuń zaznaczone święto.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Przywróć ustawienia fabryczne.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Wstaw święta państwowe wybranego kraju.</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Miesiąc&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>Miesiąc do przodu
Następny miesiąc</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Miesiąc</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Miesiąc wstecz
Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Rok&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Rok do przodu
Następny rok</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Rok</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Rok wstecz
Poprzedni rok</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Dziś</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Przejdź do bieżącego roku i miesiąca
Ten miesiąc, ten rok</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Wpisz dowolny rok i miesiąc
Dowolny rok, dowolny miesiąc</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Pokaż liczbę dni do podanej daty (lub od niej)
Liczba dni</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Zmarli</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Urodziny po dacie śmierci
Urodziny</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Poniedziałek jako pierwszy dzień tygodnia
Początek tygodnia</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Pokaż tylko imię
Urodziny</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Rocznice</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Pokaż rocznice ślubu
Ślub</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Licznik dni</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Dni od daty docelowej\Odliczanie</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Obrazy jako tło kalendarza
Tło</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Notatki
Pokaż notatki w kalendarzu</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Fazy księżyca</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Pokaż początek kwadry księżyca
Kwadra</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Pory roku</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Początek pór roku
Pora roku</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Numery tygodni</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Pokaż numer każdego tygodnia w jego pierwszym dniu
Numery tygodni</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Jeden miesiąc na stronę/nNormalnie</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Sześć miesięcy na stronę
sześć miesięcy</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Dwanaście miesięcy na stronę
Rok</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Obecny</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Nasz obecny kalendarz
Obecny</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Stary styl</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>używany do 1400 lub 1700 roku
Stary styl</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Księżyc</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Każdy miesiąc zaczyna się od nowiu
Księżyc</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Rok Węża</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Kalendarz chiński dla zabawy
Rok Węża</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Otwiera okno ustawień opcji
Trwałe opcje</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Zastosuj profil</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Przywróć opcje z ostatnio zapisanego profilu
Zastosuj opcje</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Przeglądaj i edytuj listę osób
Edytuj osoby</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Wczytaj urodziny z pliku GEDCOM programu genealogicznego lub z książki adresowej vCard
Importuj</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Eksportuj kalendarz…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Zapisz widoczne urodziny, rocznice i notatki jako plik iCalendar dla kalendarzy w telefonie i w sieci
Eksportuj kalendarz</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Święta</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Dodaj, zmień lub usuń święta
Lista świąt</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drukuj…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Drukuj kalendarz
Drukuj</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Podgląd &amp;wydruku</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Pokaż kalendarz tak, jak zostanie wydrukowany
Podgląd wydruku</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Ustawienia wydruku…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Zmień drukarkę i opcje drukowania
Ustawienia wydruku</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;O urodzinach…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Pliki urodzin (*.ged *.vcf *.vcard);;Plik GEDCOM (*.ged);;Książka adresowa vCard (*.vcf *.vcard);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>Lista osób nie jest pusta.  Czy scalić plik z bieżącą listą?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Możesz zapisać bieżącą listę poleceniem Zapisz lub Zapisz jako w menu Plik, a następnie wyczyścić ją poleceniem Nowy w menu Plik.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Eksportuj kalendarz</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>Plik iCalendar (*.ics);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Pliki Kinfold (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Aby uzyskać pomoc, naciśnij F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Utwórz nową listę urodzin</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Otwórz istniejącą listę urodzin</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Zapisz bieżącą listę urodzin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Zapisz bieżącą listę urodzin pod nową nazwą</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Zakończ program; pyta o zapisanie listy urodzin</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Cofnij ostatnią czynność</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Wytnij zaznaczenie i umieść je w schowku</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Skopiuj zaznaczenie do schowka</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Wstaw zawartość schowka</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Pokaż lub ukryj pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Pokaż lub ukryj pasek stanu</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Miesięcy na stronę</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendarz</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Indeks pomocy</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Przeszukaj indeks pomocy</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Indeks pomocy</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Kalendarz gregoriański</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Rozprawa o kalendarzu używanym obecnie</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Kalendarz światowy</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>O programie Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Plany na przyszłość</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Moje plany rozbudowy i nie tylko</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Marzenia</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kalendarz gregoriański&lt;/h3&gt;&lt;p&gt;Kalendarz używany dziś w życiu cywilnym liczy 365 dni w roku zwykłym i 366 w roku przestępnym. Rok jest przestępny, gdy dzieli się przez 4, z wyjątkiem lat kończących stulecie, które są przestępne tylko wtedy, gdy dzielą się przez 400: rok 1900 nie był przestępny, rok 2000 był.&lt;/p&gt;&lt;p&gt;Zastąpił on kalendarz juliański, w którym co czwarty rok był przestępny, przez co w ciągu czterystu lat wyprzedzał pory roku o mniej więcej trzy dni. Gdy w październiku 1582 roku przeprowadzono reformę, pominięto dziesięć dni: po czwartku 4 października nastąpił piątek 15 października. Kinfold sam pokazuje miesiące do października 1582 w kalendarzu juliańskim i opisuje je jako „Julian”; kalendarz w starym stylu pokazuje każdy miesiąc tak, jak liczono go tam, gdzie reforma przyszła późno (Wielka Brytania i jej kolonie zmieniły kalendarz w 1752 roku). W starym stylu rok zaczynał się w marcu, dlatego miesiące od stycznia do marca noszą oba lata, jak w February 1699/0.&lt;/p&gt;&lt;p&gt;Kalendarz księżycowy zaczyna każdy miesiąc w dniu po nowiu; rok, w którym wypada trzynaście nowiów, kończy się miesiącem Blue Moon. Kalendarz Roku Węża używa tych samych miesięcy i nazywa każdy rok jego zwierzęciem.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold prowadzi listę urodzin, rocznic ślubu i notatek z datą i wpisuje je do kalendarzy miesięcznych: jeden, sześć lub dwanaście miesięcy na stronę, na ekranie i na papierze.&lt;/p&gt;&lt;p&gt;Każdy dzień pokazuje swój numer, w dolnym wierszu święto danego dnia, a nad nim osoby obchodzące ten dzień wraz z ich wiekiem. W rogu dnia może być widoczny początek pory roku lub kwadry księżyca albo liczba dni do daty docelowej lub od niej.&lt;/p&gt;&lt;p&gt;Przyciskami na pasku menu zmieniasz miesiąc i rok, w menu Widok wybierasz, co jest pokazywane, a w menu Edycja zmieniasz listę i święta. Listy są zapisywane jako pliki .kfd i mogą przyjmować osoby z pliku GEDCOM programu genealogicznego.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Plany na przyszłość&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Drukowanie listy osób, a nie tylko kalendarza.&lt;/li&gt;&lt;li&gt;Przypomnienia na kilka dni przed urodzinami.&lt;/li&gt;&lt;li&gt;Więcej kalendarzy i święta zależne od Wielkanocy.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Pomoc programu Kinfold</translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Naciśnij przycisk, aby zmienić wskazaną czcionkę, rozmiar i kolor.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Kolor linii</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Miesiąc i rok</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Nazwa dnia tygodnia</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Numer dnia</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Licznik dni</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Imię osoby</translation>
    </message>
</context>
<context>
    <name>CPPMargins</name>
    <message>
        <source>Margins</source>
        <translation>Marginesy</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Górny</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dolny</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Dni tygodnia</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Miesiące</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwy</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29 lutego w pozostałych latach:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Pokazuj 28 lutego</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Pokazuj 1 marca</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Pokazuj tylko w latach przestępnych</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Pokazuj wiek</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Pokazuj wiek poniżej 18 lat</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Nie pokazuj wieku</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Uwzględniaj urodziny zmarłych</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Zaczynaj tydzień od poniedziałku zamiast od niedzieli</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Używaj tylko imienia</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Pokazuj rocznice</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Pokazuj licznik dni (do daty docelowej lub od niej)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Pokazuj obrazy</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Pokazuj notatki</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Pokazuj fazy księżyca</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Pokazuj pory roku</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Pokazuj numery tygodni</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Podano dwie daty dla</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Wybierz właściwą.</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Wybierz rok</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Wybierz rok</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Wybierz miesiąc.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit</source>
        <translation>Pokaż tę pomoc i zakończ</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Pokaż wersję i zakończ</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Scal plik GEDCOM lub vCard z DOC.kfd (lub nową listą) bez otwierania okna</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Zapisz scaloną listę do OUT.kfd zamiast do DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Zapisz wpisy, które kalendarz pokazuje z DOC.kfd (lub ostatniego dokumentu), jako coroczne wydarzenia iCalendar</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Wydrukuj dwanaście miesięcy z DOC.kfd (lub pustej listy) do pliku PDF bez otwierania okna</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Pierwszy drukowany rok, od -9900 do 11400; od stycznia, jeśli nie podano --month</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Pierwszy drukowany miesiąc: 1–12 lub 13 w roku księżycowym z 13 miesiącami</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 lub 12 miesięcy na stronę</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Obecny, 1 Stary styl, 2 Księżyc, 3 Rok Węża</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Rozmiar papieru: Letter, Legal, A4, A3, A5 i inne standardowe nazwy; gdy nie podano, rozmiar z ustawień regionalnych (Letter lub A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Strony pionowe</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Strony poziome, domyślnie</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Numer każdego wiersza tygodnia w jego pierwszej komórce</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Wypisz wbudowane zestawy świąt krajów, po jednym w wierszu: kod, spacja, nazwa</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (1-9999) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Wypisz każde święto roku YEAR (1–9999) jako „YYYY-MM-DD nazwa” z zapisanej listy</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only</source>
        <translation>Święta z zestawu kraju CODE (zob. --holiday-sets) tylko dla tego uruchomienia</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
</TS>
