<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 på %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>inget lösenord för %1 (inget i nyckelringen; ange det med --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account behöver --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account behöver serverns adress</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user hör till --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>oväntat argument %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>bara ett dokument kan synkroniseras (fick %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: ”%1” är inget kontonummer (se kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; kontot lades inte till</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>ingen adressbok på %1 och inget att publicera; kontot lades inte till</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 är redan konto %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>lösenordet sparades inte (%1); ange det vid varje synkronisering med --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>konto %1: %2, 1 adressbok</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>konto %1: %2, %n adressbok</numerusform>
            <numerusform>konto %1: %2, %n adressböcker</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, publicerar till ”Birthdays”</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>alla adressböcker</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: det finns inget konto %1 (se kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>konto %1 (%2) borttaget</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>det finns inget konto att synkronisera (lägg till ett med --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 kort kunde inte läsas och utelämnades</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n kort kunde inte läsas och utelämnades</numerusform>
            <numerusform>%1: %n kort kunde inte läsas och utelämnades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n adressbok</numerusform>
            <numerusform>%n adressböcker</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: adressen får inte innehålla lösenordet; ange det på standard in</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 är varken en GEDCOM-fil (”0 HEAD”) eller en vCard-fil (”BEGIN:VCARD”).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Filen</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Oväntat filformat.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Lägg till konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Redigera konto</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>Serverns adress (https://dav.example.org/) eller adressen till en adressbok.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>oförändrat</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Sparas i skrivbordets nyckelring, aldrig i en fil.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Publicera födelsedagarna i kalendern ”Birthdays”</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>De adressböcker som läses; när alla är markerade läses även nya.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Hitta adressböcker</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Användarnamn:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Lösenord:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Adressböcker:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Ange serverns adress och ditt användarnamn.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(ingen adressbok på den här servern)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Markera en adressbok eller publicera födelsedagarna.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Lösenordet kan inte sparas: %1. Kinfold frågar efter det vid varje synkronisering.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Ta bort lösenordet från serverns adress och ange det under Lösenord.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Konton</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Adressböcker som läses in i listan och kalendrar som födelsedagarna publiceras i.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Lägg till…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Redigera…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Ta bort kontot %1? Posterna det tillförde blir kvar i listan.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>alla adressböcker</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n adressbok</numerusform>
            <numerusform>%n adressböcker</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, publicerar ”Birthdays”</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Det finns inget konto ännu: lägg till ett med Arkiv &gt; Konton…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Synkroniserar med kontona…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Servern avvisade lösenordet för %1. Lösenord:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Lösenord för %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkronisera nu</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n kort kunde inte läsas och utelämnades.</numerusform>
            <numerusform>%1: %n kort kunde inte läsas och utelämnades.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Synkroniseringen misslyckades</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Synkroniserat: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>Synkroniseringen blev inte klar; listan behåller det som lästes, och nästa synkronisering fortsätter därifrån.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Redigera födelsedag</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Välj typ av post.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Ta bort den här posten</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Ta bort den här posten.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Visningstext</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivning</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Namn om det är en person</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Början</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Övrigt</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slut</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>En persons födelsedag</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Par (Johan+Maria) bröllopsdag</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Anteckning (läkare kl. 16) visningsdatum</translation>
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
        <source>Birth year.</source>
        <translation>Födelseår.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Födelsemånad.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Födelsedag i månaden.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Bröllopsår.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Bröllopsmånad.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Bröllopsdag i månaden.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Dödsår.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Dödsmånad.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Dödsdag i månaden.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Födelse</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Giftermål</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Död</translation>
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
        <translation>Namn på födelsedagsbarn</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>Listan över födelsedagar.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Ändra posten.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Ta bort den valda posten.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Skapa en ny post.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Visa endast poster vars text eller datum innehåller dessa bokstäver.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Ett datum i den här posten är omöjligt: rätta det med Redigera.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Vilket lands helgdagar.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Välj ett land.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Namnlös</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Ange datum</translation>
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
        <source>Set desired year, do not abbreviate.</source>
        <translation>Ange önskat år, inte förkortat.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Ange månadens nummer (1-12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Ange dag i månaden (1-31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Exportera kalender</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Ta med</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Födelsedagar</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Födelsedagarna för personerna i listan.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Bröllopsdagar</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Parens bröllopsdagar (”Bröllopsdag” i kalendern).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anteckningar</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>De daterade anteckningarna (”Anteckningar” i kalendern).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Födelsedagar efter dödsdatumet</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Av: en födelsedag upphör vid dödsdatumet (”Avlidna” i kalendern).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Påminnelser som larm</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Ett larm per dag i förväg för påminnelserna, vid deras tid på dagen.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 händelse; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n händelse; %1.</numerusform>
            <numerusform>%n händelser; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Färg…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Redigera helgdag</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Till exempel juldagen.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Lagens bestämmelse.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Långfredagen -2, annandag påsk 1, Kristi himmelsfärdsdag 39, annandag pingst 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Som Storbritannien firar juldagen och annandag jul.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Välj månad.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Välj vilken vecka (1:a..sista).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Välj veckodag.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Här ska det stå ett tal.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Månad</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Vecka</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Veckodag</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Västlig</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Ortodox</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>Vilken kyrkas påsk.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Dagar efter påskdagen, eller före den om talet är negativt.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Det enda år helgdagen firas.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Infaller datumet på den här veckodagen, då datumet självt.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Påsk</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Dagar från påsk</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>Datumet självt på</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Fast datum</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Fast veckodag</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Nästa arbetsdag efter</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Fast datum, på en helg även nästa lediga vardag</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Fast datum, på en söndag lördagen före</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Veckodag på eller efter datumet</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Veckodag på eller före datumet</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Datum i endast ett år</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Veckodag på eller efter datumet, eller datumet självt på</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Första arbetsdag efter</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Första</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Andra</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tredje</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Fjärde</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Femte</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Sista</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Fast datum, på en helg även fredagen före eller måndagen efter (ersättningsdag)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Dagen då årstiden börjar (dagjämning eller solstånd)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>En helgdag på en söndag: nästa lediga dag</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>En dag mellan två helgdagar</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Inte på datumet ett visst år (flyttad)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Som USA firar sina federala helgdagar.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Välj mars eller september för dagjämningarna, juni eller december för solstånden.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>För hela listan, så som Japan firar sina helgdagar; namnet är dagens.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>För hela listan; den valda veckodagen hoppas över.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>Helgdagen med detta namn firas inte på datumet det angivna året.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Timmar från UT för lokal tid (Japan 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Timmar från UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Första året helgdagen firas; tomt för alltid.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Sista året helgdagen firas; tomt för alltid.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Firas från år</translation>
    </message>
    <message>
        <source>to</source>
        <translation>till</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>Det sista året kommer före det första.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Redigera listan över helgdagar</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Lista över helgdagar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Land…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Fönster för att ändra den valda helgdagen.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Fönster för att ange en ny helgdag.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Ta bort den valda helgdagen.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Återställ de ursprungliga fabriksinställningarna.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Lägg in ett lands helgdagar.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Från fil…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Lägg till heldagshändelserna från en kalenderfil (.ics).</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Från fil</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>iCalendar-filer (*.ics *.ical);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Ersätta dina helgdagar med dem för %1?

Ja ersätter listan, Nej lägger till dem i slutet.</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Månad&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>En månad framåt
Nästa månad</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Månad</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Till föregående månad
Föregående månad</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>År&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Ett år framåt
Nästa år</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;År</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Till föregående år
Föregående år</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Till aktuell månad och aktuellt år
Denna månad i år</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Ange valfritt år och valfri månad
Valfritt år, valfri månad</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Visa antalet dagar till (eller sedan) ett givet datum
Dagnummer</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Avlidna</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Födelsedagar efter dödsdatum
Födelsedagar</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Måndag</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Måndag som veckans första dag
Veckostart</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Förnamn</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Visa endast förnamn
Födelsedag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Bröllopsdag</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Visa bröllopsdagar
Äktenskap</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Dagräknare</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Dagar från målet\Nedräkning</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Använd bilder som kalenderns bakgrund
Bakgrund</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anteckningar</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Anteckningar
Visa anteckningar i kalendern</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Månfas</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Visa början av varje månkvarter
Kvarter</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Årstider</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Årstidernas början
Årstid</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Veckonummer</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Visa varje veckas nummer i dess första dag
Veckonummer</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>En månad per sida/nNormal</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Sex månader per sida
sex månader</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Tolv månader per sida
År</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Nuvarande</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Vår nuvarande kalender
Nuvarande</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Gamla stilen</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>användes till 1400 eller 1700
Gamla stilen</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Måne</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Varje månad börjar vid nymåne
Måne</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Ormens år</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Kinesisk kalender för skojs skull
Ormens år</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Öppnar dialogrutan med alternativ
Bestående alternativ</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Tillämpa profil</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Ställ alternativen enligt den senast sparade profilen
Tillämpa alternativ</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Visa och redigera namnlistan
Redigera namn</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Läs in födelsedagar från en Gedcom-fil från ett släktforskningsprogram eller från en vCard-adressbok
Importera</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Exportera kalender…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Spara de visade födelsedagarna, bröllopsdagarna och anteckningarna som en iCalendar-fil för telefon- och webbkalendrar
Exportera kalender</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Helgdagar</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Lägg till, ändra eller ta bort helgdagar
Lista över helgdagar</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Skriv &amp;ut…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Skriv ut den aktiva kalendern
Skriv ut</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Förhands&amp;granska</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Visa kalendern som den skrivs ut
Förhandsgranska</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Utskrifts&amp;inställningar…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Ändra skrivare och utskriftsalternativ
Utskriftsinställningar</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;Om Födelsedagar…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Förhandsgranska</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Födelsedagsfiler (*.ged *.vcf *.vcard);;Gedcom-fil (*.ged);;vCard-adressbok (*.vcf *.vcard);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>Namnlistan är inte tom.  Vill du slå samman filen med din nuvarande lista?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Du kan spara den nuvarande listan med Spara eller Spara som i menyn Arkiv och sedan tömma den med Ny i menyn Arkiv.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exportera kalender</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>iCalendar-fil (*.ics);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Kommande…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Lista födelsedagarna, bröllopsdagarna och anteckningarna de kommande 30 dagarna
Kommande</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n post i listan)</numerusform>
            <numerusform>%1 (%n poster i listan)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 händelse skriven till %1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n händelse skriven till %1; %2</numerusform>
            <numerusform>%n händelser skrivna till %1; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Kan inte skriva %1</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Kinfold-filer (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Tryck på F1 för hjälp</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Skapa en ny födelsedagslista</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Öppna en befintlig födelsedagslista</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Spara den aktiva födelsedagslistan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Spara den aktiva födelsedagslistan med ett nytt namn</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Avsluta programmet; frågar om födelsedagslistan ska sparas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Ångra den senaste åtgärden</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Klipp ut markeringen och lägg den på urklipp</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Kopiera markeringen till urklipp</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Infoga innehållet i urklipp</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Verktygsfält</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Visa eller dölj verktygsfältet</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusfält</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Visa eller dölj statusfältet</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Månader per sida</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Hjälpindex</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Sök i hjälpindex</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Hjälpindex</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Gregorianska kalendern</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Avhandling om den kalender som används i dag</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Världskalender</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Om Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Framtidsplaner</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Mina planer för förbättringar och annat</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Du drömmer</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Den gregorianska kalendern&lt;/h3&gt;&lt;p&gt;Den kalender som används i vardagen i dag räknar 365 dagar under ett vanligt år och 366 under ett skottår. Ett år är skottår när det är delbart med 4, utom sekelåren, som är skottår bara när de är delbara med 400: 1900 var inte ett skottår, 2000 var det.&lt;/p&gt;&lt;p&gt;Den ersatte den julianska kalendern, som gjorde vart fjärde år till skottår och därför på fyrahundra år drog iväg ungefär tre dagar före årstiderna. När reformen kom i oktober 1582 hoppades tio dagar över: på torsdag 4 oktober följde fredag 15 oktober. Kinfold visar av sig själv månaderna fram till oktober 1582 i den julianska kalendern och ger dem rubriken &quot;juliansk&quot;; kalendern Gamla stilen visar varje månad så som den skulle ha förts där reformen kom sent (Storbritannien och dess kolonier bytte 1752). I gamla stilen började året i mars, så januari till mars bär båda åren, som i februari 1699/0.&lt;/p&gt;&lt;p&gt;Månkalendern börjar varje månad dagen efter en nymåne; ett år med tretton nymånar slutar med en blå måne. Kalendern Ormens år använder samma månader och namnger varje år efter dess djur.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold för en lista över födelsedagar, bröllopsdagar och daterade anteckningar och ritar in dem i månadskalendrar: en, sex eller tolv månader per sida, på skärmen och på papper.&lt;/p&gt;&lt;p&gt;Varje dag visar sitt nummer, dagens helgdag på nedersta raden och ovanför den dagens födelsedagsbarn med deras ålder. I hörnet av en dag kan början av en årstid eller ett månkvarter visas, eller antalet dagar till eller från ett måldatum.&lt;/p&gt;&lt;p&gt;Använd knapparna i menyraden för att bläddra per månad och år, menyn Visa för att välja vad som visas och menyn Redigera för att ändra listan och helgdagarna. Listor sparas som .kfd-filer och kan ta in personer från en GEDCOM-fil från ett släktforskningsprogram.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Framtidsplaner&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Skriva ut namnlistan och inte bara kalendern.&lt;/li&gt;&lt;li&gt;Påminnelser några dagar före en födelsedag.&lt;/li&gt;&lt;li&gt;Fler kalendrar, och helgdagar som följer påsken.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Kinfold-hjälp</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Konton…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Lägg till, ändra eller ta bort adressböckerna som läses och kalendern som publiceras till</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkronisera nu</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Läs kontonas adressböcker in i listan och publicera dess födelsedagar</translation>
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
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Hjälp</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Tryck på en knapp för att ändra angivet typsnitt, storlek och färg.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Typsnitt</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linjefärg</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Månad och år</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Veckodagens namn</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Dagnummer</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Dagräknare</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Personens namn</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(standard)</translation>
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
        <translation>Marginaler</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Överkant</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Höger</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Nederkant</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Veckodagar</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Månader</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29 februari under andra år:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Visa den 28 februari</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Visa den 1 mars</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Visa endast under skottår</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Visa åldrar</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Visa åldrar under 18</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Visa inte åldrar</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Ta med avlidnas födelsedagar</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Börja veckan på måndag i stället för söndag</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Använd endast förnamn</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Visa bröllopsdag</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Visa dagräknare (till eller från måldatum)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Visa bilder</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Visa anteckningar</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Visa månfas</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Visa årstider</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Visa veckonummer</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Påminnelser</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Påminn mig om födelsedagar, bröllopsdagar och anteckningar</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Skrivbordsaviseringar vid inloggning och varje timme.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Påminn mig</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>På dagen</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 dag före</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 dagar före</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 dagar före</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 dagar före</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 dagar före</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Från denna tid på dagen:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>En dags påminnelser kommer från denna tid.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Bevakat dokument</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Det senast använda</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Detta:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bläddra…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Välj dokumentet att påminnas om.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Födelsedagslista (*.kfd);;Alla filer (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Två datum angivna för</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Välj det rätta.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Död</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Gift</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Födelse</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Kommande</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Händelse</translation>
    </message>
    <message>
        <source>When</source>
        <translation>När</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Födelsedagar, bröllopsdagar och anteckningar i dag och de närmaste 30 dagarna.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Inget de närmaste 30 dagarna</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Välj ett år</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Välj vilket år som ska användas</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Ingen ändring</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Välj månad.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Ange ett år från %1 till %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dec</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (födelsedag)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Född %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (bröllopsdag)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Gifta %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 födelsedag</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n födelsedag</numerusform>
            <numerusform>%n födelsedagar</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 bröllopsdag</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n bröllopsdag</numerusform>
            <numerusform>%n bröllopsdagar</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 anteckning</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n anteckning</numerusform>
            <numerusform>%n anteckningar</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>utelämnat: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>inget utelämnat</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 födelsedag upphör vid dödsdatumet</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n födelsedag upphör vid dödsdatumet</numerusform>
            <numerusform>%n födelsedagar upphör vid dödsdatumet</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics behöver namnet på kalenderfilen som ska skrivas</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics skriver en iCalendar-fil, inte ”%1” (ange OUT.ics, sedan dokumentet)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>inget DOC.kfd angivet, och det senaste dokumentet kan inte läsas: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 händelse skriven till %1 (från %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n händelse skriven till %1 (från %2)</numerusform>
            <numerusform>%n händelser skrivna till %1 (från %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 är själva dokumentet; PDF-filen skulle ersätta det</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Visa den här hjälpen och avsluta</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Visa versionen och avsluta</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Slå samman en GEDCOM- eller vCard-fil med DOC.kfd (eller en ny lista) utan fönster</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Spara den sammanslagna listan i OUT.kfd i stället för DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Skriv posterna som kalendern visar för DOC.kfd (eller det senaste dokumentet) som årliga iCalendar-händelser</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Skriv ut tolv månader av DOC.kfd (eller en tom lista) till en PDF-fil utan fönster</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Första utskrivna år, -9900 till 11400; från januari om inte --month anges</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Första utskrivna månad: 1-12, eller 13 i ett månår med 13 månader</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 eller 12 månader per sida</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 nuvarande, 1 gamla stilen, 2 måne, 3 Ormens år</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Pappersstorlek: Letter, Legal, A4, A3, A5 och andra standardnamn; språkinställningens (Letter eller A4) om ingen anges</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Stående sidor</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Liggande sidor, standard</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Varje veckoradens nummer i dess första cell</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Lista de inbyggda ländernas helgdagsuppsättningar, en per rad: kod, ett blanksteg, namnet</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Utelämna påminnelsernas alarm från händelserna</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Skriv ut händelserna i dag och de kommande DAYS dagarna (standard 14, högst 366) för DOC.kfd (eller det senaste dokumentet)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Visa en skrivbordsavisering för varje påminnelse i DOC.kfd (eller det bevakade dokumentet) som nu är aktuell</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Använd detta lokala datum och denna tid (00:00 om ingen tid anges) som nu</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Skriv varje helgdag för YEAR (-9900 till 11400) ur den sparade listan som &quot;YYYY-MM-DD namn&quot;</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Lägg till heldagshändelserna i en iCalendar-fil till den sparade helgdagslistan (händelser med tid hoppas över)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Helgdagarna i landsuppsättningen CODE (se --holiday-sets) endast för den här körningen; med --upcoming även &quot;stored&quot;</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Lägg till ett CardDAV/CalDAV-konto (en servers rot eller en samling); lösenordet läses från standard in</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Kontots användarnamn</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Läs bara adressböckerna, publicera ingen kalender</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Lista kontona, ett per rad, med deras nummer</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Ta bort konto N (se --accounts) och dess lösenord</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Läs varje kontos adressböcker in i DOC.kfd (eller det senaste dokumentet) och publicera dess födelsedagar</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Läs kontonas lösenord från standard in, ett per rad, i stället för från nyckelringen</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>bara ett dokument kan slås samman till (fick %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>bara ett dokument kan exporteras (fick %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays läser inget dokument (fick %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets läser inget dokument (fick %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf skriver en PDF-fil, inte ”%1” (ange OUT.pdf, sedan dokumentet)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays läser inget dokument (fick %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (se kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 och %2 kan inte användas tillsammans</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>okänd flagga %1 (se kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: ”%2” är inget år</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: det finns inget år 0 (1 f.Kr. är år -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 ligger utanför de visade åren, %3 till %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: ingen landsuppsättning ”%1” (se kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf behöver ett namn på utdatafilen</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: ”%1” är inget av 0 (Nuvarande), 1 (Gamla stilen), 2 (Måne), 3 (Ormens år)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: ”%1” är ingen månad från 1 till 12, eller 13 i ett månår med 13 månader</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: månad 13 finns bara i månkalendrarna (--calendar 2 eller 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: månåret %1 har 12 månader</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: ”%1” är inget av 1, 6 eller 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: okänt papper ”%1” (prova Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait och --landscape kan inte användas tillsammans</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>bara ett dokument kan skrivas ut (fick %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: ”%1” är inget datum YYYY-MM-DD eller YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: ”%1” är inget antal dagar från 0 till 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>bara ett dokument kan listas (fick %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: inget DOC.kfd angivet och inget dokument använt tidigare</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>bara ett dokument kan bevakas (fick %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: inget dokument använt ännu, alltså inga påminnelser</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; påminnelserna följer på standard ut</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Storbritannien</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Storbritannien, Skottland</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Storbritannien, Nordirland</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österrike</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrike</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederländerna</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Sverige</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grekland</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Tyskland</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Tyskland, Brandenburg</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Tyskland, Berlin</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Tyskland, Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Tyskland, Bayern</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Tyskland, Bremen</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Tyskland, Hessen</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Tyskland, Hamburg</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Tyskland, Mecklenburg-Vorpommern</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Tyskland, Niedersachsen</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Tyskland, Nordrhein-Westfalen</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Tyskland, Rheinland-Pfalz</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Tyskland, Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Tyskland, Saarland</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Tyskland, Sachsen</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Tyskland, Sachsen-Anhalt</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Tyskland, Thüringen</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portugal, Azorerna</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>Portugal, Madeira</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Danmark</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finland</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Finland, Åland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norge</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Tjeckien</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>USA</translation>
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
        <translation>Kanada, British Columbia</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Kanada, Manitoba</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Kanada, New Brunswick</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Kanada, Newfoundland och Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Kanada, Nova Scotia</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Kanada, Northwestterritorierna</translation>
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
        <translation>Kanada, Prince Edward Island</translation>
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
        <translation>Australien</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Australien, Australiska huvudstadsterritoriet</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Australien, New South Wales</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Australien, Northern Territory</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Australien, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Australien, South Australia</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Australien, Tasmanien</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Australien, Victoria</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Australien, Western Australia</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nya Zeeland</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Spanien, Andalusien</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Spanien, Aragonien</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Spanien, Asturien</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Spanien, Balearerna</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Spanien, Kanarieöarna</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Spanien, Kantabrien</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Spanien, Kastilien och León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Spanien, Kastilien-La Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Spanien, Katalonien</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Spanien, Extremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Spanien, Galicien</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Spanien, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Spanien, Murcia</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Spanien, Navarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Spanien, Baskien</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Spanien, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Spanien, Valencia</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Spanien, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Spanien, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Schweiz, Aargau</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Schweiz, Appenzell Innerrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Schweiz, Appenzell Ausserrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Schweiz, Bern</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Schweiz, Basel-Landschaft</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Schweiz, Basel-Stadt</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Schweiz, Fribourg</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Schweiz, Genève</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Schweiz, Glarus</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Schweiz, Graubünden</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Schweiz, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Schweiz, Luzern</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Schweiz, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Schweiz, Nidwalden</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Schweiz, Obwalden</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Schweiz, St. Gallen</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Schweiz, Schaffhausen</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Schweiz, Solothurn</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Schweiz, Schwyz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Schweiz, Thurgau</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Schweiz, Ticino</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Schweiz, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Schweiz, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Schweiz, Valais</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Schweiz, Zug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Schweiz, Zürich</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 post utelämnad, eftersom dess datum är omöjligt (rätta det med Redigera &gt; Lista)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n post utelämnad, eftersom dess datum är omöjligt (rätta det med Redigera &gt; Lista)</numerusform>
            <numerusform>%n poster utelämnade, eftersom deras datum är omöjliga (rätta dem med Redigera &gt; Lista)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>kan inte nå %1 (inget nätverk, eller ingen sådan server): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 vägrade anslutningen: ingen server körs där</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 svarade inte inom 30 sekunder</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>den säkra anslutningen till %1 misslyckades, %2 (inte godkänt)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 bröt anslutningen: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 avvisade användarnamnet eller lösenordet</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 tillåter inte %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 finns inte på servern (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 har inget utrymme kvar för %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 besvarade %2 med status %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>status %1 i stället för en WebDAV-multistatus</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>svaret från %1 på %2 är meningslöst: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>ingen CardDAV- eller CalDAV-server svarar på %1</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>servern har inga kalendrar för denna användare, så födelsedagarna kan inte publiceras</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 står i vägen för kalendern ”Birthdays” och är ingen kalender</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>någon annan ändrar hela tiden %1 på servern; den lämnades som den är</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 tillagda, %2 ändrade, %3 borttagna, 1 händelse publicerad</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 tillagda, %2 ändrade, %3 borttagna, %n händelse publicerad</numerusform>
            <numerusform>%1 tillagda, %2 ändrade, %3 borttagna, %n händelser publicerade</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>det är inte XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>det är ingen WebDAV-multistatus</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>dess XML är trasig (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>ingen nyckeltjänst körs på detta skrivbord</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>servern</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>certifikatet för ”%1”: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1 födelsedag</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1 bröllopsdag</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1 %2-årsdag</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1 %2-årig bröllopsdag</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Kan inte läsa ”%1”: det är en mapp.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Kan inte öppna ”%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Kan inte läsa ”%1”.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Kan inte skriva ”%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(inte den %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(från %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(till %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(ersättningsdag)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(observerad)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 heldagshändelse</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n heldagshändelse</numerusform>
            <numerusform>%n heldagshändelser</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 helgdag från %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n helgdag från %1</numerusform>
            <numerusform>%n helgdagar från %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 händelse med klockslag överhoppad</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n händelse med klockslag överhoppad</numerusform>
            <numerusform>, %n händelser med klockslag överhoppade</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 händelse avkortad vid %1 dagar</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n händelse avkortad vid %1 dagar</numerusform>
            <numerusform>, %n händelser avkortade vid %1 dagar</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>är ingen iCalendar-fil (den börjar inte med BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>är avkortad: dess END:VCALENDAR saknas</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>är ingen iCalendar-fil som libical kan läsa</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>har delar som libical inte kan läsa (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Helgdag</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Nyårsdagen</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Martin Luther Kings dag</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Presidentdagen</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Lincolns födelsedag</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Alla hjärtans dag</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Washingtons födelsedag</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>S:t Patricks dag</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Skattedagen</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Mors dag</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Flaggans dag</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Fars dag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Självständighetsdagen</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Arbetets dag</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbusdagen</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Veterandagen</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Juldagen</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>”%1” är inget Kinfold-dokument eller är skadat.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 anges två gånger</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>oväntat argument ”%1”</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>inget dokument att spara till: ange DOC.kfd eller --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 är filen som importeras; --save behöver ett annat namn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>”%1” är varken en GEDCOM-fil eller en vCard-fil</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n post sparad i %2)</numerusform>
            <numerusform>%1 (%n poster sparade i %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 tillagda, %2 sammanslagna, %3 konflikter behållna</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 datum med ett år utanför %1..%2 utelämnat</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n datum med ett år utanför %1..%2 utelämnat</numerusform>
            <numerusform>, %n datum med ett år utanför %1..%2 utelämnade</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> NM</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> FK</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> FM</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> SK</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Vinter</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Vår</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommar</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Höst</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Kalla månen</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Benmånen</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Blåsmånen</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Blomstermånen</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Planteringsmånen</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Gröna majsens måne</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Mogna majsens måne</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Fruktmånen</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Nötmånen</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Skördemånen</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Handelsmånen</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Snömånen</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Blå månen</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Råtta</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Oxe</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Hare</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drake</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Orm</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Häst</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Apa</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Tupp</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Gris</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>f.Kr.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>juliansk</translation>
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
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Månaden måste vara 1 till 12, eller 0 med dag 0 när den inte är känd.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Månaden måste vara 1 till 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Månaden i ”%1” måste vara 1 till 12, eller 0 med dag 0 när den inte är känd.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Månaden i ”%1” måste vara 1 till 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 utan år</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Dagen kan inte vara %1: %2 har %3 dagar.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Dagen i ”%1” kan inte vara %2: %3 har %4 dagar.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Använd värdet som det är inställt.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Använd det ursprungliga värdet.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Använd de ursprungliga värdena.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>i dag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>i morgon</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>om %n dag</numerusform>
            <numerusform>om %n dagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n födelsedag eller händelse på väg</numerusform>
            <numerusform>%n födelsedagar och händelser på väg</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>och %n till</numerusform>
            <numerusform>och %n till</numerusform>
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
        <translation>%1 bröllopsdag</translation>
    </message>
</context>
</TS>
