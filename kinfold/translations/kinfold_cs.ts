<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>žádné heslo pro %1 (žádné v klíčence; zadejte ho pomocí --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account potřebuje --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account potřebuje adresu serveru</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user patří k --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nečekaný argument %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>synchronizovat lze jen jeden dokument (zadáno %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: „%1“ není číslo účtu (viz kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; účet nebyl přidán</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>na %1 není žádný adresář a nic k zveřejnění; účet nebyl přidán</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 už je účet %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>heslo nebylo uloženo (%1); zadávejte ho při každé synchronizaci pomocí --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>účet %1: %2, 1 adresář</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>účet %1: %2, %n adresář</numerusform>
            <numerusform>účet %1: %2, %n adresáře</numerusform>
            <numerusform>účet %1: %2, %n adresářů</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, zveřejňuje do „Birthdays“</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>všechny adresáře</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: účet %1 neexistuje (viz kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>účet %1 (%2) odstraněn</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>není žádný účet k synchronizaci (přidejte ho pomocí --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 vizitku nešlo přečíst a byla vynechána</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n vizitku nešlo přečíst a byla vynechána</numerusform>
            <numerusform>%1: %n vizitky nešlo přečíst a byly vynechány</numerusform>
            <numerusform>%1: %n vizitek nešlo přečíst a byly vynechány</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n adresář</numerusform>
            <numerusform>%n adresáře</numerusform>
            <numerusform>%n adresářů</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: adresa nesmí obsahovat heslo; zadejte ho na standardním vstupu</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 není soubor GEDCOM („0 HEAD“) ani soubor vCard („BEGIN:VCARD“).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Soubor</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Nečekaný formát souboru.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Přidat účet</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Upravit účet</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>Adresa serveru (https://dav.example.org/) nebo adresa jednoho adresáře.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>beze změny</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Uchováno v klíčence pracovního prostředí, nikdy v souboru.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Zveřejnit narozeniny v kalendáři „Birthdays“</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Čtené adresáře; když jsou zaškrtnuté všechny, čtou se i nové.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Najít adresáře</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Uživatelské jméno:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Heslo:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Adresáře:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Zadejte adresu serveru a své uživatelské jméno.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(na tomto serveru není žádný adresář)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Zaškrtněte adresář, nebo zveřejněte narozeniny.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Heslo nelze uložit: %1. Kinfold se na ně zeptá při každé synchronizaci.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Odstraňte prosím heslo z adresy serveru a zadejte ho do pole Heslo.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Účty</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Adresáře načítané do seznamu a kalendáře, do nichž se zveřejňují narozeniny.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Přidat…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>Up&amp;ravit…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Odstranit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Odstranit účet %1? Záznamy, které přinesl, zůstanou v seznamu.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>všechny adresáře</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n adresář</numerusform>
            <numerusform>%n adresáře</numerusform>
            <numerusform>%n adresářů</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, zveřejňuje „Birthdays“</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Zatím není žádný účet: přidejte ho přes Soubor &gt; Účty…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Synchronizace s účty…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Server odmítl heslo pro %1. Heslo:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Heslo pro %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchronizovat nyní</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n vizitku nešlo přečíst a byla vynechána.</numerusform>
            <numerusform>%1: %n vizitky nešlo přečíst a byly vynechány.</numerusform>
            <numerusform>%1: %n vizitek nešlo přečíst a byly vynechány.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Synchronizace selhala</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Synchronizováno: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>Synchronizace nebyla dokončena; seznam si ponechá, co se načetlo, a příští synchronizace bude pokračovat odtud.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Úprava narozenin</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Vyberte druh záznamu.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Smazat tento záznam</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Odstranit tento záznam.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Zobrazený text</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Jméno osoby</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Narozeniny osoby</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Pár (Jan+Marie) – datum svatby</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Poznámka (lékař v 16:00) – datum zobrazení</translation>
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
        <source>Birth year.</source>
        <translation>Rok narození.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Měsíc narození.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Den narození v měsíci.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Rok sňatku.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Měsíc sňatku.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Den sňatku v měsíci.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Rok úmrtí.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Měsíc úmrtí.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Den úmrtí v měsíci.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Narození</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Sňatek</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Úmrtí</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Seznam narozenin</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>Seznam narozenin.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Změnit záznam.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Smazat vybraný záznam.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Vytvořit nový záznam.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Zobrazit jen záznamy, jejichž text nebo datum obsahuje tato písmena.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Datum tohoto záznamu nemůže existovat: opravte ho přes Upravit.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>Země</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Státní svátky které země.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Vyberte zemi.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Zadejte datum</translation>
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
        <source>Set desired year, do not abbreviate.</source>
        <translation>Zadejte požadovaný rok, nezkracujte jej.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Zadejte číslo měsíce (1–12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Zadejte den v měsíci (1–31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Exportovat kalendář</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Zahrnout</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Narozeniny</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Narozeniny osob v seznamu.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Výročí</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Výročí sňatku párů („Výročí“ v kalendáři).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>Poznámky s datem („Poznámky“ v kalendáři).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Narozeniny po datu úmrtí</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Vypnuto: narozeniny končí datem úmrtí („Zesnulí“ v kalendáři).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Připomínky jako upozornění</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Jedno upozornění na každý den předstihu připomínek, v jejich čas.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 událost; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n událost; %1.</numerusform>
            <numerusform>%n události; %1.</numerusform>
            <numerusform>%n událostí; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Barva…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Barva</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Úprava svátku</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Například Vánoce.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Zákonné vymezení.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Velký pátek -2, Velikonoční pondělí 1, Nanebevstoupení 39, Svatodušní pondělí 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Jako Spojené království slaví Vánoce a Boxing Day.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Vyberte měsíc.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Vyberte týden (první až poslední).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Vyberte den v týdnu.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Zde se očekává číslo.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Týden</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Den v týdnu</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Západní</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Pravoslavné</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>Velikonoce kterých církví.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Dny po Velikonoční neděli, záporné před ní.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Jediný rok, kdy se svátek slaví.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Připadne-li datum na tento den v týdnu, platí samotné datum.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Velikonoce</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Dny od Velikonoc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>Samotné datum v</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Pevné datum</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Pevný den v týdnu</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Další pracovní den po</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Pevné datum, o víkendu i další volný všední den</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Pevné datum, v neděli předchozí sobota</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Den v týdnu v den data nebo po něm</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Den v týdnu v den data nebo před ním</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Datum jen v jednom roce</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Den v týdnu v den data nebo po něm, nebo samotné datum v</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Pracovní den po</translation>
    </message>
    <message>
        <source>First</source>
        <translation>První</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Druhý</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Třetí</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Čtvrtý</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Pátý</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Poslední</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Pevné datum, o víkendu i pátek předtím nebo pondělí potom (přesunutý svátek)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Den, kdy začíná roční období (rovnodennost nebo slunovrat)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Svátek v neděli: příští volný den</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Den mezi dvěma svátky</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>V jednom roce ne v tento den (přesunuto)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Jak Spojené státy drží své federální svátky.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Pro rovnodennosti vyberte březen nebo září, pro slunovraty červen nebo prosinec.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Pro celý seznam, jak Japonsko drží své svátky; název je název dne.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Pro celý seznam; zvolený den v týdnu se vynechá.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>Svátek tohoto názvu se v zadaném roce v tento den nedrží.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Hodiny místního času od UT (Japonsko 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Hodiny od UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>První rok, kdy se svátek drží; prázdné znamená vždy.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Poslední rok, kdy se svátek drží; prázdné znamená vždy.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Drží se od roku</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>Poslední rok je před prvním.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Úprava seznamu svátků</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Seznam svátků.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Země…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Změnit vybraný svátek.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Zadat nový svátek.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Odstranit vybraný svátek.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Obnovit výchozí tovární nastavení.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Vložit státní svátky některé země.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Ze souboru…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Přidat celodenní události ze souboru kalendáře (.ics).</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Nahradit vaše svátky svátky sady %1?

Ano nahradí seznam, Ne je přidá na jeho konec.</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Ze souboru</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>Soubory iCalendar (*.ics *.ical);;Všechny soubory (*)</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Měsíc&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>O měsíc dopředu
Další měsíc</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Měsíc</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>O měsíc zpět
Předchozí měsíc</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Rok&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>O rok dopředu
Další rok</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Rok</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>O rok zpět
Předchozí rok</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Přejít na aktuální rok a měsíc
Tento měsíc, tento rok</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Zadat libovolný rok a měsíc
Libovolný rok, libovolný měsíc</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Zobrazit počet dní do zadaného data (nebo od něj)
Počet dní</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Zesnulí</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Narozeniny po datu úmrtí
Narozeniny</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Pondělí jako první den týdne
Začátek týdne</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Křestní jméno</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Zobrazit jen křestní jméno
Narozeniny</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Výročí</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Zobrazit výročí svatby
Svatba</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Počítadlo dní</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Dny od cílového data\Odpočet</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrázky</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Obrázky jako pozadí kalendáře
Pozadí</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Poznámky
Zobrazit poznámky v kalendáři</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Fáze Měsíce</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Zobrazit začátek měsíční čtvrti
Čtvrť</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Roční období</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Začátek ročních období
Roční období</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Čísla týdnů</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Zobrazit číslo každého týdne v jeho prvním dni
Čísla týdnů</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Jeden měsíc na stránku/nNormální</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Šest měsíců na stránku
šest měsíců</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Dvanáct měsíců na stránku
Rok</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Současný</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Náš současný kalendář
Současný</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Starý styl</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>používaný do roku 1400 nebo 1700
Starý styl</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Každý měsíc začíná novem
Měsíc</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Rok hada</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Čínský kalendář pro zábavu
Rok hada</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Otevře dialog nastavení možností
Trvalé možnosti</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Použít profil</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Nastavit možnosti podle naposledy uloženého profilu
Použít možnosti</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Seznam</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Zobrazit a upravit seznam jmen
Upravit jména</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Načíst narozeniny ze souboru GEDCOM genealogického programu nebo z adresáře vCard
Importovat</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Exportovat kalendář…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Uložit zobrazené narozeniny, výročí a poznámky jako soubor iCalendar pro kalendáře v telefonu a na webu
Exportovat kalendář</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Svátky</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Přidat, změnit nebo smazat svátky
Seznam svátků</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Tisk…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Vytisknout kalendář
Tisk</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tisk…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Ná&amp;hled tisku</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Zobrazit kalendář, jak bude vytištěn
Náhled tisku</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Nastavení t&amp;isku…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Změnit tiskárnu a možnosti tisku
Nastavení tisku</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;O narozeninách…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Náhled tisku</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Soubory narozenin (*.ged *.vcf *.vcard);;Soubor GEDCOM (*.ged);;Adresář vCard (*.vcf *.vcard);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>Seznam jmen není prázdný.  Chcete soubor sloučit s aktuálním seznamem?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Aktuální seznam můžete uložit příkazem Uložit nebo Uložit jako v nabídce Soubor a pak jej vyprázdnit příkazem Nový v nabídce Soubor.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exportovat kalendář</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>Soubor iCalendar (*.ics);;Všechny soubory (*)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n záznam v seznamu)</numerusform>
            <numerusform>%1 (%n záznamy v seznamu)</numerusform>
            <numerusform>%1 (%n záznamů v seznamu)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 událost zapsána do %1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n událost zapsána do %1; %2</numerusform>
            <numerusform>%n události zapsány do %1; %2</numerusform>
            <numerusform>%n událostí zapsáno do %1; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Nadcházející…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Vypsat narozeniny, výročí a poznámky příštích 30 dní
Nadcházející</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Nelze zapsat %1</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Soubory Kinfold (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Nápovědu zobrazíte klávesou F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Vytvořit nový seznam narozenin</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Otevřít existující seznam narozenin</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Uložit aktuální seznam narozenin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Uložit aktuální seznam narozenin pod novým názvem</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložit jako</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Ukončit program; zeptá se na uložení seznamu narozenin</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Vrátit poslední akci</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Vyj&amp;mout</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Vyjmout výběr a vložit jej do schránky</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Zkopírovat výběr do schránky</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Vložit obsah schránky</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Nástrojová lišta</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Zobrazit nebo skrýt nástrojovou lištu</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Stavový řádek</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Zobrazit nebo skrýt stavový řádek</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Měsíců na stránku</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Rejstřík nápovědy</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Hledat v rejstříku nápovědy</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Rejstřík nápovědy</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Gregoriánský kalendář</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Pojednání o dnes používaném kalendáři</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Světový kalendář</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>O aplikaci Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Plány do budoucna</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Moje plány na rozšíření a další věci</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Snění</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Gregoriánský kalendář&lt;/h3&gt;&lt;p&gt;Kalendář, který se dnes používá v občanském životě, počítá 365 dní v obyčejném roce a 366 v přestupném. Rok je přestupný, je-li dělitelný 4, s výjimkou let končících století, která jsou přestupná, jen jsou-li dělitelná 400: rok 1900 přestupný nebyl, rok 2000 ano.&lt;/p&gt;&lt;p&gt;Nahradil juliánský kalendář, v němž byl přestupný každý čtvrtý rok, takže se za čtyři sta let předbíhal před ročními obdobími asi o tři dny. Při reformě v říjnu 1582 bylo vynecháno deset dní: po čtvrtku 4. října následoval pátek 15. října. Kinfold sám zobrazuje měsíce do října 1582 v juliánském kalendáři a označuje je „juliánský“; kalendář ve starém stylu zobrazuje každý měsíc tak, jak by se počítal tam, kam reforma dorazila pozdě (Británie a její kolonie přešly v roce 1752). Ve starém stylu začínal rok v březnu, a proto leden až březen nesou oba roky, jako ve únor 1699/0.&lt;/p&gt;&lt;p&gt;Lunární kalendář začíná každý měsíc den po novu; rok, v němž je třináct novů, končí měsícem „Modrý měsíc“. Kalendář Rok hada používá tytéž měsíce a každý rok pojmenovává podle jeho zvířete.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold vede seznam narozenin, výročí svatby a poznámek s datem a zakresluje je do měsíčních kalendářů: jeden, šest nebo dvanáct měsíců na stránku, na obrazovce i na papíře.&lt;/p&gt;&lt;p&gt;Každý den ukazuje své číslo, na spodním řádku svátek daného dne a nad ním osoby daného dne s jejich věkem. V rohu dne se může zobrazit začátek ročního období nebo měsíční čtvrti, nebo počet dní do cílového data či od něj.&lt;/p&gt;&lt;p&gt;Tlačítky na liště nabídek se posouváte po měsících a letech, v nabídce Zobrazit volíte, co se zobrazuje, a v nabídce Úpravy měníte seznam a svátky. Seznamy se ukládají jako soubory .kfd a mohou převzít osoby ze souboru GEDCOM genealogického programu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Plány do budoucna&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Tisk seznamu jmen stejně jako kalendáře.&lt;/li&gt;&lt;li&gt;Připomenutí několik dní před narozeninami.&lt;/li&gt;&lt;li&gt;Další kalendáře a svátky, které se řídí Velikonocemi.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Nápověda aplikace Kinfold</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Účty…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Přidat, změnit nebo odstranit čtené adresáře a kalendář, do kterého se zveřejňuje</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchronizovat nyní</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Načíst adresáře účtů do seznamu a zveřejnit jeho narozeniny</translation>
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
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>Úpr&amp;avy</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Nápo&amp;věda</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Stisknutím tlačítka změníte uvedené písmo, velikost a barvu.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Písmo</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Barva čar</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Měsíc a rok</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Název dne v týdnu</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Číslo dne</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Počítadlo dní</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Jméno osoby</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(výchozí)</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 b.</translation>
    </message>
</context>
<context>
    <name>CPPMargins</name>
    <message>
        <source>Margins</source>
        <translation>Okraje</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Nahoře</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vlevo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Vpravo</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dole</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Dny v týdnu</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Měsíce</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Názvy</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29. února v ostatních letech:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Zobrazit 28. února</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Zobrazit 1. března</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Zobrazit jen v přestupných letech</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Zobrazit věk</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Zobrazit věk jen do 18 let</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Nezobrazovat věk</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Zahrnout narozeniny zesnulých</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Začínat týden pondělím místo neděle</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Používat jen křestní jméno</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Zobrazit výročí</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Zobrazit počet dní (do cílového data nebo od něj)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Zobrazit obrázky</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Zobrazit poznámky</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Zobrazit fáze Měsíce</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Zobrazit roční období</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Zobrazit čísla týdnů</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Připomínky</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Připomínat narozeniny, výročí a poznámky</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Oznámení pracovního prostředí při přihlášení a každou hodinu.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Připomenout</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>V ten den</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 den předem</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 dny předem</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 dní předem</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 dní předem</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 dní předem</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Od této denní doby:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>Připomínky dne přicházejí od této doby.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Sledovaný dokument</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Naposledy použitý</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Tento:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procházet…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Vyberte dokument, na který se má připomínat.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Seznam narozenin (*.kfd);;Všechny soubory (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Vyberte</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Zadána dvě data pro</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Vyberte to správné.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Úmrtí</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Sňatek</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Narození</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Nadcházející</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kdy</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Narozeniny, výročí a poznámky dneška a příštích 30 dní.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>V příštích 30 dnech nic</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Vyberte rok</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Vyberte rok</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Beze změny</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Vyberte měsíc.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Zadejte rok od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>led</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>úno</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>bře</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>dub</translation>
    </message>
    <message>
        <source>May</source>
        <translation>kvě</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>čvn</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>čvc</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>srp</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>zář</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>říj</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>lis</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>pro</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (narozeniny)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Narozen(a) %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (výročí sňatku)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Sňatek %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 narozeniny</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n narozeniny</numerusform>
            <numerusform>%n narozeniny</numerusform>
            <numerusform>%n narozenin</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 výročí</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n výročí</numerusform>
            <numerusform>%n výročí</numerusform>
            <numerusform>%n výročí</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 poznámka</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n poznámka</numerusform>
            <numerusform>%n poznámky</numerusform>
            <numerusform>%n poznámek</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>vynecháno: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>nic nevynecháno</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 narozeniny končí datem úmrtí</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n narozeniny končí datem úmrtí</numerusform>
            <numerusform>%n narozeniny končí datem úmrtí</numerusform>
            <numerusform>%n narozenin končí datem úmrtí</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics potřebuje název souboru kalendáře k zápisu</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics zapisuje soubor iCalendar, ne „%1“ (zadejte OUT.ics, potom dokument)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>nebyl zadán DOC.kfd a poslední dokument nelze přečíst: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 událost zapsána do %1 (z %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n událost zapsána do %1 (z %2)</numerusform>
            <numerusform>%n události zapsány do %1 (z %2)</numerusform>
            <numerusform>%n událostí zapsáno do %1 (z %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 je samotný dokument; PDF by jej nahradilo</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Zobrazit tuto nápovědu a skončit</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Zobrazit verzi a skončit</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Sloučit soubor GEDCOM nebo vCard do DOC.kfd (nebo nového seznamu) bez otevření okna</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Uložit sloučený seznam do OUT.kfd místo do DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Zapsat záznamy, které kalendář zobrazuje z DOC.kfd (nebo posledního dokumentu), jako každoroční události iCalendar</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Vytisknout dvanáct měsíců z DOC.kfd (nebo prázdného seznamu) do souboru PDF bez otevření okna</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>První tištěný rok, -9900 až 11400; od ledna, není-li zadáno --month</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>První tištěný měsíc: 1–12, nebo 13 v lunárním roce o 13 měsících</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 nebo 12 měsíců na stránku</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Současný, 1 Starý styl, 2 Měsíc, 3 Rok hada</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Velikost papíru: Letter, Legal, A4, A3, A5 a další standardní názvy; není-li zadána, podle národního prostředí (Letter nebo A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Stránky na výšku</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Stránky na šířku, výchozí</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Číslo každého řádku týdne v jeho první buňce</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Vypsat vestavěné sady svátků zemí, jednu na řádek: kód, mezera, název</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Vynechat z událostí upozornění připomínek</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Vypsat události dneška a příštích DAYS dní (výchozí 14, nejvýše 366) z DOC.kfd (nebo posledního dokumentu)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Zobrazit oznámení pracovního prostředí pro každou právě splatnou připomínku z DOC.kfd (nebo sledovaného dokumentu)</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Vzít toto místní datum a čas (bez času 00:00) jako teď</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Vypsat každý svátek roku YEAR (-9900 až 11400) jako „YYYY-MM-DD název“ z uloženého seznamu</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Přidat celodenní události souboru iCalendar do uloženého seznamu svátků (události s časem se přeskakují)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Svátky sady země CODE (viz --holiday-sets) jen pro toto spuštění; s --upcoming také „stored“</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Přidat účet CardDAV/CalDAV (kořen serveru nebo jednu sbírku); heslo se čte ze standardního vstupu</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Uživatelské jméno účtu</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Jen číst adresáře, nezveřejňovat žádný kalendář</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Vypsat účty, jeden na řádek, s jejich čísly</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Odstranit účet N (viz --accounts) a jeho heslo</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Načíst adresáře každého účtu do DOC.kfd (nebo posledního dokumentu) a zveřejnit jeho narozeniny</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Číst hesla účtů ze standardního vstupu, jedno na řádek, místo z klíčenky</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>sloučit lze jen do jednoho dokumentu (zadáno %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>exportovat lze jen jeden dokument (zadáno %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays nečte žádný dokument (zadáno %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets nečte žádný dokument (zadáno %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf zapisuje soubor PDF, ne „%1“ (zadejte OUT.pdf, potom dokument)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays nečte žádný dokument (zadáno %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (viz kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 a %2 nelze použít spolu</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>neznámá volba %1 (viz kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: „%2“ není rok</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: rok 0 neexistuje (1 př. n. l. je rok -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 je mimo zobrazené roky, %3 až %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: sada země „%1“ neexistuje (viz kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf potřebuje název výstupního souboru</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: „%1“ není žádné z 0 (Současný), 1 (Starý styl), 2 (Měsíc), 3 (Rok hada)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: „%1“ není měsíc od 1 do 12 ani 13 v lunárním roce se 13 měsíci</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: měsíc 13 je jen v lunárních kalendářích (--calendar 2 nebo 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: lunární rok %1 má 12 měsíců</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: „%1“ není žádné z 1, 6 nebo 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: neznámý papír „%1“ (zkuste Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait a --landscape nelze použít spolu</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>tisknout lze jen jeden dokument (zadáno %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: „%1“ není datum YYYY-MM-DD ani YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: „%1“ není počet dní od 0 do 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>vypsat lze jen jeden dokument (zadáno %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: nebyl zadán DOC.kfd a dříve nebyl použit žádný dokument</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>sledovat lze jen jeden dokument (zadáno %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: zatím nebyl použit žádný dokument, takže žádné připomínky</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; připomínky následují na standardním výstupu</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Spojené království</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Spojené království, Skotsko</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Spojené království, Severní Irsko</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irsko</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Rakousko</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francie</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nizozemsko</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Švédsko</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Itálie</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Řecko</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Německo</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Německo, Braniborsko</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Německo, Berlín</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Německo, Bádensko-Württembersko</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Německo, Bavorsko</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Německo, Brémy</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Německo, Hesensko</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Německo, Hamburk</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Německo, Meklenbursko-Přední Pomořansko</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Německo, Dolní Sasko</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Německo, Severní Porýní-Vestfálsko</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Německo, Porýní-Falc</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Německo, Šlesvicko-Holštýnsko</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Německo, Sársko</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Německo, Sasko</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Německo, Sasko-Anhaltsko</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Německo, Durynsko</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japonsko</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Španělsko</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugalsko</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portugalsko, Azory</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>Portugalsko, Madeira</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polsko</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dánsko</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finsko</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Finsko, Alandy</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norsko</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Česko</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgie</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Švýcarsko</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Lucembursko</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Spojené státy</translation>
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
        <translation>Kanada, Britská Kolumbie</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Kanada, Manitoba</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Kanada, Nový Brunšvik</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Kanada, Newfoundland a Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Kanada, Nové Skotsko</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Kanada, Severozápadní teritoria</translation>
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
        <translation>Kanada, Ostrov prince Edwarda</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>Kanada, Québec</translation>
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
        <translation>Austrálie</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Austrálie, Teritorium hlavního města Austrálie</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Austrálie, Nový Jižní Wales</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Austrálie, Severní teritorium</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Austrálie, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Austrálie, Jižní Austrálie</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Austrálie, Tasmánie</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Austrálie, Victoria</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Austrálie, Západní Austrálie</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nový Zéland</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Španělsko, Andalusie</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Španělsko, Aragonie</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Španělsko, Asturie</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Španělsko, Baleárské ostrovy</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Španělsko, Kanárské ostrovy</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Španělsko, Kantábrie</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Španělsko, Kastilie a León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Španělsko, Kastilie-La Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Španělsko, Katalánsko</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Španělsko, Extremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Španělsko, Galicie</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Španělsko, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Španělsko, Murcie</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Španělsko, Navarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Španělsko, Baskicko</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Španělsko, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Španělsko, Valencijské společenství</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Španělsko, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Španělsko, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Švýcarsko, Aargau</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Švýcarsko, Appenzell Innerrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Švýcarsko, Appenzell Ausserrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Švýcarsko, Bern</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Švýcarsko, Basilej-venkov</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Švýcarsko, Basilej-město</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Švýcarsko, Fribourg</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Švýcarsko, Ženeva</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Švýcarsko, Glarus</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Švýcarsko, Graubünden</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Švýcarsko, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Švýcarsko, Lucern</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Švýcarsko, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Švýcarsko, Nidwalden</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Švýcarsko, Obwalden</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Švýcarsko, Sankt Gallen</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Švýcarsko, Schaffhausen</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Švýcarsko, Solothurn</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Švýcarsko, Schwyz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Švýcarsko, Thurgau</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Švýcarsko, Ticino</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Švýcarsko, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Švýcarsko, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Švýcarsko, Valais</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Švýcarsko, Zug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Švýcarsko, Curych</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 záznam vynechán, protože jeho datum nemůže existovat (opravte ho přes Upravit &gt; Seznam)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n záznam vynechán, protože jeho datum nemůže existovat (opravte ho přes Upravit &gt; Seznam)</numerusform>
            <numerusform>%n záznamy vynechány, protože jejich data nemohou existovat (opravte je přes Upravit &gt; Seznam)</numerusform>
            <numerusform>%n záznamů vynecháno, protože jejich data nemohou existovat (opravte je přes Upravit &gt; Seznam)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>%1 je nedosažitelný (žádná síť nebo takový server není): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 odmítl spojení: žádný server tam neběží</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 neodpověděl do 30 sekund</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>zabezpečené spojení s %1 selhalo, %2 (nepřijato)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 přerušil spojení: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 odmítl uživatelské jméno nebo heslo</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 nepovoluje %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 na serveru neexistuje (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 už nemá místo pro %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 odpověděl na %2 stavem %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>stav %1 místo WebDAV multistatus</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>odpověď %1 na %2 nedává smysl: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>na %1 neodpovídá žádný server CardDAV ani CalDAV</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>server pro tohoto uživatele nevede žádné kalendáře, takže narozeniny nelze zveřejnit</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 překáží kalendáři „Birthdays“ a není kalendářem</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>někdo jiný stále mění %1 na serveru; bylo ponecháno, jak je</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 přidáno, %2 změněno, %3 odstraněno, 1 událost zveřejněna</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 přidáno, %2 změněno, %3 odstraněno, %n událost zveřejněna</numerusform>
            <numerusform>%1 přidáno, %2 změněno, %3 odstraněno, %n události zveřejněny</numerusform>
            <numerusform>%1 přidáno, %2 změněno, %3 odstraněno, %n událostí zveřejněno</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>není to XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>není to WebDAV multistatus</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>jeho XML je poškozené (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>v tomto pracovním prostředí neběží žádná služba tajemství</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>server</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>certifikát „%1“: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1: narozeniny</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1: výročí sňatku</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1: %2. narozeniny</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1: %2. výročí sňatku</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Nelze přečíst „%1“: je to složka.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Nelze otevřít „%1“: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Nelze přečíst „%1“.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Nelze zapsat „%1“: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(ne %1)</translation>
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
        <translation>(náhradní den)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(přesunuto)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 celodenní události</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n celodenní události</numerusform>
            <numerusform>%n celodenních událostí</numerusform>
            <numerusform>%n celodenních událostí</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 svátek z %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n svátek z %1</numerusform>
            <numerusform>%n svátky z %1</numerusform>
            <numerusform>%n svátků z %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 událost s časem přeskočena</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n událost s časem přeskočena</numerusform>
            <numerusform>, %n události s časem přeskočeny</numerusform>
            <numerusform>, %n událostí s časem přeskočeno</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 událost zkrácena na %1 dní</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n událost zkrácena na %1 dní</numerusform>
            <numerusform>, %n události zkráceny na %1 dní</numerusform>
            <numerusform>, %n událostí zkráceno na %1 dní</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>není soubor iCalendar (nezačíná na BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>je useknutý: chybí jeho END:VCALENDAR</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>není soubor iCalendar, který umí libical přečíst</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>má části, které libical neumí přečíst (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Svátek</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Nový rok</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Den Martina Luthera Kinga</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Den prezidentů</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Lincolnovy narozeniny</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Svatý Valentýn</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Washingtonovy narozeniny</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>Den svatého Patrika</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Daňový den</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Den matek</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Den vlajky</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Den otců</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Den nezávislosti</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Svátek práce</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Kolumbův den</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Den veteránů</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Den díkůvzdání</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Vánoce</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>„%1“ není dokument Kinfold nebo je poškozený.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 je zadáno dvakrát</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>nečekaný argument „%1“</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>žádný dokument k uložení: zadejte DOC.kfd nebo --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 je importovaný soubor; --save potřebuje jiný název</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>„%1“ není soubor GEDCOM ani soubor vCard</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n záznam uložen do %2)</numerusform>
            <numerusform>%1 (%n záznamy uloženy do %2)</numerusform>
            <numerusform>%1 (%n záznamů uloženo do %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 přidáno, %2 sloučeno, %3 konfliktů ponecháno</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 datum s rokem mimo %1..%2 vynecháno</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n datum s rokem mimo %1..%2 vynecháno</numerusform>
            <numerusform>, %n data s rokem mimo %1..%2 vynechána</numerusform>
            <numerusform>, %n dat s rokem mimo %1..%2 vynecháno</numerusform>
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
        <translation> PČ</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> Ú</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> PosČ</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Zima</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Jaro</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Léto</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Podzim</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Studený měsíc</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Měsíc kostí</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Měsíc větrů</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Měsíc květů</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Měsíc setí</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Měsíc zelené kukuřice</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Měsíc zralé kukuřice</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Měsíc plodů</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Měsíc ořechů</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Měsíc sklizně</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Měsíc obchodu</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Měsíc sněhu</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Modrý měsíc</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Krysa</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Buvol</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tygr</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Zajíc</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drak</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Had</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Kůň</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Koza</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Opice</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kohout</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Pes</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Prase</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>př. n. l.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>juliánský</translation>
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
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Měsíc musí být 1 až 12, nebo 0 se dnem 0, když není znám.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Měsíc musí být 1 až 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Měsíc data „%1“ musí být 1 až 12, nebo 0 se dnem 0, když není znám.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Měsíc data „%1“ musí být 1 až 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 bez roku</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Den nemůže být %1: %2 má %3 dní.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Den data „%1“ nemůže být %2: %3 má %4 dní.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Použít hodnotu, jak je nastavena.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Použít původní hodnotu.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Použít původní hodnoty.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>dnes</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>zítra</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>za %n den</numerusform>
            <numerusform>za %n dny</numerusform>
            <numerusform>za %n dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>blíží se %n narozeniny nebo událost</numerusform>
            <numerusform>blíží se %n narozeniny a události</numerusform>
            <numerusform>blíží se %n narozenin a událostí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n další</numerusform>
            <numerusform>a %n dalších</numerusform>
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
        <translation>%1: výročí sňatku</translation>
    </message>
</context>
</TS>
