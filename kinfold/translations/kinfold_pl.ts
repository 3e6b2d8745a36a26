<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>brak hasła dla %1 (brak w pęku kluczy; podaj je przez --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account wymaga --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account wymaga adresu serwera</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user idzie w parze z --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>można synchronizować tylko jeden dokument (podano %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: „%1” nie jest numerem konta (zob. kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; konto nie zostało dodane</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>brak książki adresowej pod %1 i nic do opublikowania; konto nie zostało dodane</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 jest już kontem %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>hasło nie zostało zachowane (%1); podawaj je przy każdej synchronizacji przez --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>konto %1: %2, 1 książka adresowa</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>konto %1: %2, %n książka adresowa</numerusform>
            <numerusform>konto %1: %2, %n książki adresowe</numerusform>
            <numerusform>konto %1: %2, %n książek adresowych</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, publikuje w „Birthdays”</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>wszystkie książki adresowe</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: nie ma konta %1 (zob. kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>konto %1 (%2) usunięte</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>nie ma konta do synchronizacji (dodaj je przez --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: nie udało się odczytać 1 wizytówki i została pominięta</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: nie udało się odczytać %n wizytówki i została pominięta</numerusform>
            <numerusform>%1: nie udało się odczytać %n wizytówek i zostały pominięte</numerusform>
            <numerusform>%1: nie udało się odczytać %n wizytówek i zostały pominięte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n książka adresowa</numerusform>
            <numerusform>%n książki adresowe</numerusform>
            <numerusform>%n książek adresowych</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: adres nie może zawierać hasła; podaj je na standardowym wejściu</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 nie jest ani plikiem GEDCOM („0 HEAD”), ani plikiem vCard („BEGIN:VCARD”).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Plik</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Nieoczekiwany format pliku.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Dodaj konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Edytuj konto</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>Adres serwera (https://dav.example.org/) lub adres jednej książki adresowej.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Przechowywane w pęku kluczy pulpitu, nigdy w pliku.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Publikuj urodziny w kalendarzu „Birthdays”</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Czytane książki adresowe; gdy wszystkie są zaznaczone, czytane są też nowe.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Znajdź książki adresowe</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serwer:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nazwa &amp;użytkownika:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Książki adresowe:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Podaj adres serwera i swoją nazwę użytkownika.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(brak książek adresowych na tym serwerze)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Zaznacz książkę adresową albo publikuj urodziny.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Nie można zachować hasła: %1. Kinfold zapyta o nie przy każdej synchronizacji.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Usuń hasło z adresu serwera i wpisz je w polu Hasło.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Konta</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Książki adresowe wczytywane do listy i kalendarze, w których publikowane są urodziny.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Dodaj…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Edytuj…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Usunąć konto %1? Wpisy, które wniosło, pozostaną na liście.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>wszystkie książki adresowe</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n książka adresowa</numerusform>
            <numerusform>%n książki adresowe</numerusform>
            <numerusform>%n książek adresowych</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, publikuje „Birthdays”</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Nie ma jeszcze żadnego konta: dodaj je przez Plik &gt; Konta…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Synchronizacja z kontami…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Serwer odrzucił hasło dla %1. Hasło:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Hasło dla %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchronizuj teraz</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: nie udało się odczytać %n wizytówki i została pominięta.</numerusform>
            <numerusform>%1: nie udało się odczytać %n wizytówek i zostały pominięte.</numerusform>
            <numerusform>%1: nie udało się odczytać %n wizytówek i zostały pominięte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Synchronizacja nie powiodła się</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Zsynchronizowano: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>Synchronizacja nie została ukończona; lista zachowuje to, co odczytano, a następna synchronizacja zacznie od tego miejsca.</translation>
    </message>
</context>
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
    <message>
        <source>Birth year.</source>
        <translation>Rok urodzenia.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Miesiąc urodzenia.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Dzień miesiąca urodzenia.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Rok ślubu.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Miesiąc ślubu.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Dzień miesiąca ślubu.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Rok śmierci.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Miesiąc śmierci.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Dzień miesiąca śmierci.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Urodzenie</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Ślub</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Śmierć</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
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
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Pokaż tylko wpisy, których tekst lub data zawiera te litery.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Data tego wpisu jest niemożliwa: popraw ją przez Edytuj.</translation>
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
    <message>
        <source>Please choose a country.</source>
        <translation>Wybierz kraj.</translation>
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
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Eksportuj kalendarz</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Uwzględnij</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Urodziny</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Urodziny osób z listy.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Rocznice</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Rocznice ślubu par („Rocznice” w kalendarzu).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>Notatki z datą („Notatki” w kalendarzu).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Urodziny po dacie śmierci</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Wyłączone: urodziny kończą się w dniu śmierci („Zmarli” w kalendarzu).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Przypomnienia jako alarmy</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Jeden alarm na każdy dzień wyprzedzenia przypomnień, o ich godzinie.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 wydarzenie; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n wydarzenie; %1.</numerusform>
            <numerusform>%n wydarzenia; %1.</numerusform>
            <numerusform>%n wydarzeń; %1.</numerusform>
        </translation>
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
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Stała data, w weekend także piątek przed lub poniedziałek po (obchodzone)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Dzień, w którym zaczyna się pora roku (równonoc lub przesilenie)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Święto w niedzielę: następny dzień wolny</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Dzień między dwoma świętami</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Nie w tym dniu w jednym roku (przeniesione)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Tak jak Stany Zjednoczone obchodzą swoje święta federalne.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Wybierz marzec lub wrzesień dla równonocy, czerwiec lub grudzień dla przesileń.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Dla całej listy, tak jak Japonia obchodzi swoje święta; nazwa jest nazwą dnia.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Dla całej listy; wybrany dzień tygodnia jest pomijany.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>Święto o tej nazwie nie jest obchodzone w tym dniu w podanym roku.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Godziny czasu lokalnego względem UT (Japonia 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Godziny od UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Pierwszy rok obchodzenia święta; puste oznacza zawsze.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Ostatni rok obchodzenia święta; puste oznacza zawsze.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Obchodzone od roku</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>Ostatni rok jest przed pierwszym.</translation>
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
    <message>
        <source>From file...</source>
        <translation>Z pliku…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Dodaj całodniowe wydarzenia z pliku kalendarza (.ics).</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Zastąpić twoje święta świętami zestawu %1?

Tak zastępuje listę, Nie dodaje je na jej końcu.</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Z pliku</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>Pliki iCalendar (*.ics *.ical);;Wszystkie pliki (*)</translation>
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
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n wpis na liście)</numerusform>
            <numerusform>%1 (%n wpisy na liście)</numerusform>
            <numerusform>%1 (%n wpisów na liście)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 wydarzenie zapisane do %1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n wydarzenie zapisane do %1; %2</numerusform>
            <numerusform>%n wydarzenia zapisane do %1; %2</numerusform>
            <numerusform>%n wydarzeń zapisanych do %1; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Nadchodzące…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Pokaż urodziny, rocznice i notatki z najbliższych 30 dni
Nadchodzące</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Nie można zapisać %1</translation>
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
        <translation>&lt;h3&gt;Kalendarz gregoriański&lt;/h3&gt;&lt;p&gt;Kalendarz używany dziś w życiu cywilnym liczy 365 dni w roku zwykłym i 366 w roku przestępnym. Rok jest przestępny, gdy dzieli się przez 4, z wyjątkiem lat kończących stulecie, które są przestępne tylko wtedy, gdy dzielą się przez 400: rok 1900 nie był przestępny, rok 2000 był.&lt;/p&gt;&lt;p&gt;Zastąpił on kalendarz juliański, w którym co czwarty rok był przestępny, przez co w ciągu czterystu lat wyprzedzał pory roku o mniej więcej trzy dni. Gdy w październiku 1582 roku przeprowadzono reformę, pominięto dziesięć dni: po czwartku 4 października nastąpił piątek 15 października. Kinfold sam pokazuje miesiące do października 1582 w kalendarzu juliańskim i opisuje je jako „juliański”; kalendarz w starym stylu pokazuje każdy miesiąc tak, jak liczono go tam, gdzie reforma przyszła późno (Wielka Brytania i jej kolonie zmieniły kalendarz w 1752 roku). W starym stylu rok zaczynał się w marcu, dlatego miesiące od stycznia do marca noszą oba lata, jak w luty 1699/0.&lt;/p&gt;&lt;p&gt;Kalendarz księżycowy zaczyna każdy miesiąc w dniu po nowiu; rok, w którym wypada trzynaście nowiów, kończy się miesiącem „Niebieski Księżyc”. Kalendarz Roku Węża używa tych samych miesięcy i nazywa każdy rok jego zwierzęciem.&lt;/p&gt;</translation>
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
    <message>
        <source>Accounts...</source>
        <translation>Konta…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Dodaj, zmień lub usuń czytane książki adresowe i kalendarz do publikacji</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchronizuj teraz</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Wczytaj książki adresowe kont do listy i opublikuj jej urodziny</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Pomo&amp;c</translation>
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
    <message>
        <source>(default)</source>
        <translation>(domyślna)</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
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
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Przypomnienia</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Przypominaj o urodzinach, rocznicach i notatkach</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Powiadomienia pulpitu przy logowaniu i co godzinę.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Przypominaj</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>W sam dzień</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 dzień wcześniej</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 dni wcześniej</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 dni wcześniej</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 dni wcześniej</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 dni wcześniej</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Od tej godziny:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>Przypomnienia danego dnia pojawiają się od tej godziny.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Obserwowany dokument</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Ostatnio używany</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Ten:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Wybierz dokument, o którym przypominać.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Lista urodzin (*.kfd);;Wszystkie pliki (*)</translation>
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
    <message>
        <source>Death</source>
        <translation>Śmierć</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Ślub</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Urodzenie</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Nadchodzące</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Wydarzenie</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Urodziny, rocznice i notatki z dziś i najbliższych 30 dni.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Nic w najbliższych 30 dniach</translation>
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
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Podaj rok od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>sty</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>lut</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>kwi</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>cze</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lip</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>sie</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>wrz</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>paź</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>gru</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (urodziny)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Urodzony(-a) w %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (rocznica ślubu)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Ślub w %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 urodziny</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n urodziny</numerusform>
            <numerusform>%n urodziny</numerusform>
            <numerusform>%n urodzin</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 rocznica</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n rocznica</numerusform>
            <numerusform>%n rocznice</numerusform>
            <numerusform>%n rocznic</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 notatka</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n notatka</numerusform>
            <numerusform>%n notatki</numerusform>
            <numerusform>%n notatek</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>pominięte: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>nic nie pominięto</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 urodziny kończą się w dniu śmierci</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n urodziny kończą się w dniu śmierci</numerusform>
            <numerusform>%n urodziny kończą się w dniu śmierci</numerusform>
            <numerusform>%n urodzin kończy się w dniu śmierci</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics wymaga nazwy pliku kalendarza do zapisania</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics zapisuje plik iCalendar, nie „%1” (podaj OUT.ics, potem dokument)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>nie podano DOC.kfd, a ostatniego dokumentu nie można odczytać: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 wydarzenie zapisane do %1 (z %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n wydarzenie zapisane do %1 (z %2)</numerusform>
            <numerusform>%n wydarzenia zapisane do %1 (z %2)</numerusform>
            <numerusform>%n wydarzeń zapisanych do %1 (z %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 to sam dokument; plik PDF by go zastąpił</translation>
    </message>
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
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Pomiń alarmy przypomnień w wydarzeniach</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Wypisz wydarzenia z dziś i najbliższych DAYS dni (domyślnie 14, najwyżej 366) z DOC.kfd (lub ostatniego dokumentu)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Pokaż powiadomienie pulpitu dla każdego przypomnienia z DOC.kfd (lub obserwowanego dokumentu), które właśnie przypada</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Przyjmij tę lokalną datę i godzinę (bez godziny 00:00) jako teraz</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Wypisz każde święto roku YEAR (-9900 do 11400) jako „YYYY-MM-DD nazwa” z zapisanej listy</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Dodaj całodniowe wydarzenia z pliku iCalendar do zapisanej listy świąt (wydarzenia z godziną są pomijane)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Święta zestawu kraju CODE (zob. --holiday-sets) tylko dla tego uruchomienia; z --upcoming także „stored”</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Dodaj konto CardDAV/CalDAV (katalog główny serwera lub jedną kolekcję); hasło jest czytane ze standardowego wejścia</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Nazwa użytkownika konta</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Tylko czytaj książki adresowe, nie publikuj kalendarza</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Wypisz konta, jedno w wierszu, z ich numerami</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Usuń konto N (zob. --accounts) i jego hasło</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Wczytaj książki adresowe każdego konta do DOC.kfd (lub ostatniego dokumentu) i opublikuj jego urodziny</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Czytaj hasła kont ze standardowego wejścia, jedno w wierszu, zamiast z pęku kluczy</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>scalać można tylko do jednego dokumentu (podano %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>eksportować można tylko jeden dokument (podano %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays nie czyta dokumentu (podano %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets nie czyta dokumentu (podano %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf zapisuje plik PDF, nie „%1” (podaj OUT.pdf, potem dokument)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays nie czyta dokumentu (podano %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (zob. kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 i %2 nie mogą być użyte razem</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>nieznana opcja %1 (zob. kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: „%2” nie jest rokiem</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: nie ma roku 0 (1 p.n.e. to rok -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 leży poza pokazywanymi latami, %3 do %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: brak zestawu kraju „%1” (zob. kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf wymaga nazwy pliku wyjściowego</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: „%1” nie jest żadnym z 0 (Obecny), 1 (Stary styl), 2 (Księżyc), 3 (Rok Węża)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: „%1” nie jest miesiącem od 1 do 12 ani 13 w roku księżycowym z 13 miesiącami</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: miesiąc 13 jest tylko w kalendarzach księżycowych (--calendar 2 lub 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: rok księżycowy %1 ma 12 miesięcy</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: „%1” nie jest żadnym z 1, 6 lub 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: nieznany papier „%1” (spróbuj Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait i --landscape nie mogą być użyte razem</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>drukować można tylko jeden dokument (podano %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: „%1” nie jest datą YYYY-MM-DD ani YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: „%1” nie jest liczbą dni od 0 do 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>wypisać można tylko jeden dokument (podano %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: nie podano DOC.kfd i wcześniej nie używano żadnego dokumentu</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>obserwować można tylko jeden dokument (podano %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: nie używano jeszcze żadnego dokumentu, więc brak przypomnień</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; przypomnienia wypisano na standardowe wyjście</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Wielka Brytania</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Wielka Brytania, Szkocja</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Wielka Brytania, Irlandia Północna</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlandia</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francja</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Holandia</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Szwecja</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Włochy</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grecja</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Niemcy</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Niemcy, Brandenburgia</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Niemcy, Berlin</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Niemcy, Badenia-Wirtembergia</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Niemcy, Bawaria</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Niemcy, Brema</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Niemcy, Hesja</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Niemcy, Hamburg</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Niemcy, Meklemburgia-Pomorze Przednie</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Niemcy, Dolna Saksonia</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Niemcy, Nadrenia Północna-Westfalia</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Niemcy, Nadrenia-Palatynat</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Niemcy, Szlezwik-Holsztyn</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Niemcy, Kraj Saary</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Niemcy, Saksonia</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Niemcy, Saksonia-Anhalt</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Niemcy, Turyngia</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japonia</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Hiszpania</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugalia</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portugalia, Azory</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>Portugalia, Madera</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dania</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Finlandia, Wyspy Alandzkie</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegia</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Czechy</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Szwajcaria</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luksemburg</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Stany Zjednoczone</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Canada, Alberta</source>
        <translation>Kanada, Alberta</translation>
    </message>
    <message>
        <source>Canada, British Columbia</source>
        <translation>Kanada, Kolumbia Brytyjska</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Kanada, Manitoba</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Kanada, Nowy Brunszwik</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Kanada, Nowa Fundlandia i Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Kanada, Nowa Szkocja</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Kanada, Terytoria Północno-Zachodnie</translation>
    </message>
    <message>
        <source>Canada, Nunavut</source>
        <translation>Kanada, Nunavut</translation>
    </message>
    <message>
        <source>Canada, Ontario</source>
        <translation>Kanada, Ontario</translation>
    </message>
    <message>
        <source>Canada, Prince Edward Island</source>
        <translation>Kanada, Wyspa Księcia Edwarda</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>Kanada, Quebec</translation>
    </message>
    <message>
        <source>Canada, Saskatchewan</source>
        <translation>Kanada, Saskatchewan</translation>
    </message>
    <message>
        <source>Canada, Yukon</source>
        <translation>Kanada, Yukon</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Australia, Terytorium Stołeczne Australii</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Australia, Nowa Południowa Walia</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Australia, Terytorium Północne</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Australia, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Australia, Australia Południowa</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Australia, Tasmania</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Australia, Wiktoria</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Australia, Australia Zachodnia</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nowa Zelandia</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Hiszpania, Andaluzja</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Hiszpania, Aragonia</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Hiszpania, Asturia</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Hiszpania, Baleary</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Hiszpania, Wyspy Kanaryjskie</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Hiszpania, Kantabria</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Hiszpania, Kastylia i León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Hiszpania, Kastylia-La Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Hiszpania, Katalonia</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Hiszpania, Estremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Hiszpania, Galicja</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Hiszpania, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Hiszpania, Murcja</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Hiszpania, Nawarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Hiszpania, Kraj Basków</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Hiszpania, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Hiszpania, Walencja</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Hiszpania, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Hiszpania, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Szwajcaria, Argowia</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Szwajcaria, Appenzell Innerrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Szwajcaria, Appenzell Ausserrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Szwajcaria, Berno</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Szwajcaria, Bazylea-Okręg</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Szwajcaria, Bazylea-Miasto</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Szwajcaria, Fryburg</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Szwajcaria, Genewa</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Szwajcaria, Glarus</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Szwajcaria, Gryzonia</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Szwajcaria, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Szwajcaria, Lucerna</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Szwajcaria, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Szwajcaria, Nidwalden</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Szwajcaria, Obwalden</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Szwajcaria, Sankt Gallen</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Szwajcaria, Szafuza</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Szwajcaria, Solura</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Szwajcaria, Schwyz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Szwajcaria, Turgowia</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Szwajcaria, Ticino</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Szwajcaria, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Szwajcaria, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Szwajcaria, Valais</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Szwajcaria, Zug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Szwajcaria, Zurych</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 wpis pominięty, bo jego data jest niemożliwa (popraw ją przez Edytuj &gt; Lista)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n wpis pominięty, bo jego data jest niemożliwa (popraw ją przez Edytuj &gt; Lista)</numerusform>
            <numerusform>%n wpisy pominięte, bo ich daty są niemożliwe (popraw je przez Edytuj &gt; Lista)</numerusform>
            <numerusform>%n wpisów pominiętych, bo ich daty są niemożliwe (popraw je przez Edytuj &gt; Lista)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>nie można połączyć się z %1 (brak sieci albo nie ma takiego serwera): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 odrzucił połączenie: nie działa tam żaden serwer</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 nie odpowiedział w ciągu 30 sekund</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>bezpieczne połączenie z %1 nie powiodło się, %2 (nie zaakceptowano)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 przerwał połączenie: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 odrzucił nazwę użytkownika lub hasło</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 nie pozwala na %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 nie istnieje na serwerze (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 nie ma już miejsca na %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 odpowiedział na %2 stanem %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>stan %1 zamiast WebDAV multistatus</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>odpowiedź %1 na %2 nie ma sensu: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>pod %1 nie odpowiada żaden serwer CardDAV ani CalDAV</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>serwer nie prowadzi kalendarzy dla tego użytkownika, więc urodzin nie można opublikować</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 zajmuje miejsce kalendarza „Birthdays” i nie jest kalendarzem</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>ktoś inny ciągle zmienia %1 na serwerze; pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 dodano, %2 zmieniono, %3 usunięto, 1 wydarzenie opublikowane</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 dodano, %2 zmieniono, %3 usunięto, %n wydarzenie opublikowane</numerusform>
            <numerusform>%1 dodano, %2 zmieniono, %3 usunięto, %n wydarzenia opublikowane</numerusform>
            <numerusform>%1 dodano, %2 zmieniono, %3 usunięto, %n wydarzeń opublikowanych</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>to nie jest XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>to nie jest WebDAV multistatus</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>jego XML jest uszkodzony (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>na tym pulpicie nie działa usługa sekretów</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>serwer</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>certyfikat „%1”: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1: urodziny</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1: rocznica ślubu</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1: %2. urodziny</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1: %2. rocznica ślubu</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Nie można odczytać „%1”: to jest folder.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Nie można otworzyć „%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Nie można odczytać „%1”.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Nie można zapisać „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(nie %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(od %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(do %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(dzień zastępczy)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(obchodzone)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 wydarzenia całodniowego</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n wydarzenia całodniowego</numerusform>
            <numerusform>%n wydarzeń całodniowych</numerusform>
            <numerusform>%n wydarzeń całodniowych</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 święto z %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n święto z %1</numerusform>
            <numerusform>%n święta z %1</numerusform>
            <numerusform>%n świąt z %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 wydarzenie z godziną pominięte</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n wydarzenie z godziną pominięte</numerusform>
            <numerusform>, %n wydarzenia z godziną pominięte</numerusform>
            <numerusform>, %n wydarzeń z godziną pominiętych</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 wydarzenie przycięte do %1 dni</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n wydarzenie przycięte do %1 dni</numerusform>
            <numerusform>, %n wydarzenia przycięte do %1 dni</numerusform>
            <numerusform>, %n wydarzeń przyciętych do %1 dni</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>nie jest plikiem iCalendar (nie zaczyna się od BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>jest ucięty: brak jego END:VCALENDAR</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>nie jest plikiem iCalendar, który libical potrafi odczytać</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>ma części, których libical nie potrafi odczytać (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Święto</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Nowy Rok</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Dzień Martina Luthera Kinga</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Dzień Prezydentów</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Urodziny Lincolna</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Walentynki</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Urodziny Waszyngtona</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>Dzień Świętego Patryka</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Dzień podatkowy</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Dzień Matki</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Dzień Flagi</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Dzień Ojca</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Dzień Niepodległości</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Święto Pracy</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Dzień Kolumba</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Dzień Weterana</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Święto Dziękczynienia</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Boże Narodzenie</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>„%1” nie jest dokumentem Kinfold albo jest uszkodzony.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 podano dwa razy</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>brak dokumentu do zapisania: podaj DOC.kfd lub --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 to importowany plik; --save wymaga innej nazwy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>„%1” nie jest ani plikiem GEDCOM, ani plikiem vCard</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n wpis zapisany w %2)</numerusform>
            <numerusform>%1 (%n wpisy zapisane w %2)</numerusform>
            <numerusform>%1 (%n wpisów zapisanych w %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 dodano, %2 scalono, %3 konfliktów zachowano</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 data z rokiem spoza %1..%2 pominięta</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n data z rokiem spoza %1..%2 pominięta</numerusform>
            <numerusform>, %n daty z rokiem spoza %1..%2 pominięte</numerusform>
            <numerusform>, %n dat z rokiem spoza %1..%2 pominiętych</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> N</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> PK</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> P</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> OK</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Zima</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Wiosna</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Lato</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Jesień</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Zimny Księżyc</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Księżyc Kości</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Księżyc Wiatrów</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Księżyc Kwiatów</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Księżyc Siewu</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Księżyc Zielonej Kukurydzy</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Księżyc Dojrzałej Kukurydzy</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Księżyc Owoców</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Księżyc Orzechów</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Księżyc Żniw</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Księżyc Handlu</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Księżyc Śniegu</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Niebieski Księżyc</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Szczur</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Bawół</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tygrys</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Zając</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Smok</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Koń</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Koza</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Małpa</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kogut</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Świnia</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>p.n.e.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>juliański</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>month title: the month&apos;s name, the year</comment>
        <translation>%1 %2</translation>
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
    <message>
        <source>Please enter an integer.</source>
        <translation>Podaj liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Podaj liczbę całkowitą od %1 do %2.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Miesiąc musi wynosić od 1 do 12 albo 0 z dniem 0, gdy nie jest znany.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Miesiąc musi wynosić od 1 do 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Miesiąc daty „%1” musi wynosić od 1 do 12 albo 0 z dniem 0, gdy nie jest znany.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Miesiąc daty „%1” musi wynosić od 1 do 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 bez roku</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Dzień nie może wynosić %1: %2 ma %3 dni.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Dzień daty „%1” nie może wynosić %2: %3 ma %4 dni.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Użyj wartości tak, jak jest ustawiona.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Użyj pierwotnej wartości.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Użyj pierwotnych wartości.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>dziś</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>jutro</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>za %n dzień</numerusform>
            <numerusform>za %n dni</numerusform>
            <numerusform>za %n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>nadchodzi %n urodziny lub wydarzenie</numerusform>
            <numerusform>nadchodzą %n urodziny i wydarzenia</numerusform>
            <numerusform>nadchodzi %n urodzin i wydarzeń</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
            <numerusform>i jeszcze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>how far off, the day</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Upcoming</name>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1: rocznica ślubu</translation>
    </message>
</context>
</TS>
