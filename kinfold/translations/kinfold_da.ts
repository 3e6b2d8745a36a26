<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 på %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>ingen adgangskode til %1 (ingen i nøgleringen; angiv den med --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account kræver --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account kræver serverens adresse</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user hører til --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>uventet argument %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>kun ét dokument kan synkroniseres (fik %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: “%1” er ikke et kontonummer (se kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; kontoen blev ikke tilføjet</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>ingen adressebog på %1 og intet at udgive; kontoen blev ikke tilføjet</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 er allerede konto %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>adgangskoden blev ikke gemt (%1); angiv den ved hver synkronisering med --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>konto %1: %2, 1 adressebog</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>konto %1: %2, %n adressebog</numerusform>
            <numerusform>konto %1: %2, %n adressebøger</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, udgiver til “Birthdays”</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>alle adressebøger</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: der er ingen konto %1 (se kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>konto %1 (%2) fjernet</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>der er ingen konto at synkronisere (tilføj en med --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 kort kunne ikke læses og blev udeladt</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n kort kunne ikke læses og blev udeladt</numerusform>
            <numerusform>%1: %n kort kunne ikke læses og blev udeladt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n adressebog</numerusform>
            <numerusform>%n adressebøger</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: adressen må ikke indeholde adgangskoden; angiv den på standardinput</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 er hverken en GEDCOM-fil (“0 HEAD”) eller en vCard-fil (“BEGIN:VCARD”).</translation>
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
        <translation>Uventet filformat.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Tilføj konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Redigér konto</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>Serverens adresse (https://dav.example.org/) eller adressen på én adressebog.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>uændret</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Gemmes i skrivebordets nøglering, aldrig i en fil.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Udgiv fødselsdagene i kalenderen “Birthdays”</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>De adressebøger, der læses; når alle er afkrydset, læses nye også.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Find adressebøger</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Brugernavn:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Adgangskode:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Adressebøger:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Angiv serverens adresse og dit brugernavn.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(ingen adressebog på denne server)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Afkryds en adressebog, eller udgiv fødselsdagene.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Adgangskoden kan ikke gemmes: %1. Kinfold spørger efter den ved hver synkronisering.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Fjern adgangskoden fra serverens adresse, og skriv den under Adgangskode.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Konti</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Adressebøger, der læses ind i listen, og kalendere, som fødselsdagene udgives til.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Tilføj…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Redigér…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Fjern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Fjern kontoen %1? De poster, den bragte, bliver i listen.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>alle adressebøger</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n adressebog</numerusform>
            <numerusform>%n adressebøger</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, udgiver “Birthdays”</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Der er endnu ingen konto: tilføj en med Filer &gt; Konti…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Synkroniserer med kontiene…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Serveren afviste adgangskoden til %1. Adgangskode:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Adgangskode til %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkronisér nu</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n kort kunne ikke læses og blev udeladt.</numerusform>
            <numerusform>%1: %n kort kunne ikke læses og blev udeladt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Synkroniseringen mislykkedes</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Synkroniseret: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>Synkroniseringen blev ikke færdig; listen beholder det, der blev læst, og næste synkronisering fortsætter derfra.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Rediger fødselsdag</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Vælg typen af post.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Slet denne post</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Fjern denne post.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Visningstekst</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beskrivelse</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Navn hvis det er en person</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Begyndelse</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andet</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slut</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>En persons fødselsdag</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Par (Jens+Marie) bryllupsdag</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Note (læge kl. 16) visningsdato</translation>
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
        <source>Birth year.</source>
        <translation>Fødselsår.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Fødselsmåned.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Fødselsdag i måneden.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Bryllupsår.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Bryllupsmåned.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Bryllupsdag i måneden.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Dødsår.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Dødsmåned.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Dødsdag i måneden.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Fødsel</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Ægteskab</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Død</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Navne på fødselarer</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>Listen over fødselsdage.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Ændr posten.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Slet den valgte post.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Opret en ny post.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Vis kun de poster, hvis tekst eller dato indeholder disse bogstaver.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>En dato i denne post er umulig: ret den med Redigér.</translation>
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
        <translation>Hvilket lands helligdage.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Vælg et land.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Unavngivet</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Angiv dato</translation>
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
        <source>Set desired year, do not abbreviate.</source>
        <translation>Angiv det ønskede år, ikke forkortet.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Angiv månedens nummer (1-12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Angiv dag i måneden (1-31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Eksportér kalender</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Medtag</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Fødselsdage</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Fødselsdagene for personerne i listen.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Bryllupsdage</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Parrenes bryllupsdage (“Bryllupsdag” i kalenderen).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noter</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>De daterede noter (“Noter” i kalenderen).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Fødselsdage efter dødsdatoen</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Fra: en fødselsdag ophører ved dødsdatoen (“Afdøde” i kalenderen).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Påmindelser som alarmer</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Én alarm pr. dag i forvejen for påmindelserne, på deres tidspunkt.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 begivenhed; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n begivenhed; %1.</numerusform>
            <numerusform>%n begivenheder; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Farve…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farve</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Rediger helligdag</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>For eksempel juledag.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Lovens bestemmelse.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Langfredag -2, 2. påskedag 1, Kristi himmelfartsdag 39, 2. pinsedag 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Som Storbritannien holder juledag og 2. juledag.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Vælg måned.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Vælg hvilken uge (1...sidste).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Vælg ugedag.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Her skal der stå et tal.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Måned</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Uge</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Ugedag</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Vestlig</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Ortodoks</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>Hvilken kirkes påske.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Dage efter påskedag, eller før den når tallet er negativt.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Det ene år helligdagen holdes.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Falder datoen på denne ugedag, så selve datoen.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Påske</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Dage fra påske</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>Selve datoen på</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Fast dato</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Fast ugedag</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Næste hverdag efter</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Fast dato, i en weekend også den næste fri hverdag</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Fast dato, på en søndag lørdagen før</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Ugedag på eller efter datoen</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Ugedag på eller før datoen</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Dato i kun ét år</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Ugedag på eller efter datoen, eller selve datoen på</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Første hverdag efter</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Første</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Anden</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tredje</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Fjerde</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Femte</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Sidste</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Fast dato, i en weekend også fredagen før eller mandagen efter (erstatningsdag)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Dagen hvor årstiden begynder (jævndøgn eller solhverv)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>En helligdag på en søndag: den næste fridag</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>En dag mellem to helligdage</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Ikke på datoen i ét år (flyttet)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Som USA holder sine føderale helligdage.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Vælg marts eller september for jævndøgnene, juni eller december for solhvervene.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>For hele listen, som Japan holder sine helligdage; navnet er dagens.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>For hele listen; den valgte ugedag springes over.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>Helligdagen med dette navn holdes ikke på datoen i det angivne år.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Timer fra UT for den lokale tid (Japan 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Timer fra UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Første år helligdagen holdes; tom for altid.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Sidste år helligdagen holdes; tom for altid.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Holdes fra år</translation>
    </message>
    <message>
        <source>to</source>
        <translation>til</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>Det sidste år ligger før det første.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Rediger listen over helligdage</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Liste over helligdage.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Land…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Vindue til at ændre den valgte helligdag.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Vindue til at angive en ny helligdag.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Fjern den valgte helligdag.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Gendan de oprindelige fabriksindstillinger.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Indsæt et lands helligdage.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Fra fil…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Tilføj heldagsbegivenhederne fra en kalenderfil (.ics).</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Fra fil</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>iCalendar-filer (*.ics *.ical);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Erstat dine helligdage med dem for %1?

Ja erstatter listen, Nej tilføjer dem til sidst.</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Måned&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>En måned frem
Næste måned</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Måned</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Til forrige måned
Forrige måned</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>År&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Et år frem
Næste år</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;År</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Til forrige år
Forrige år</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Til den aktuelle måned og det aktuelle år
Denne måned i år</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Skriv et vilkårligt år og en vilkårlig måned
Ethvert år, enhver måned</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Vis antallet af dage til (eller siden) en given dato
Dagnummer</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Afdøde</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Fødselsdage efter dødsdatoen
Fødselsdage</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Mandag</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Mandag som ugens første dag
Ugestart</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Fornavn</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Vis kun fornavn
Fødselsdag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Bryllupsdag</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Vis bryllupsdage
Ægteskab</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Dagtæller</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Dage fra målet\Nedtælling</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Billeder</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Brug billeder som kalenderens baggrund
Baggrund</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noter</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Noter
Vis noter i kalenderen</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Månefase</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Vis begyndelsen af hvert månekvarter
Kvarter</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Årstider</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Årstidernes begyndelse
Årstid</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Ugenumre</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Vis hver uges nummer i dens første dag
Ugenumre</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Én måned pr. side/nNormal</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Seks måneder pr. side
seks måneder</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Tolv måneder pr. side
År</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Nuværende</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Vores nuværende kalender
Nuværende</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Gammel stil</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>brugt indtil 1400 eller 1700
Gammel stil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Måne</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Hver måned begynder ved nymåne
Måne</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Slangens år</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Kinesisk kalender for sjov
Slangens år</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Åbner dialogen med indstillinger
Varige indstillinger</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Anvend profil</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Sæt indstillingerne til den senest gemte profil
Anvend indstillinger</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Se og rediger navnelisten
Rediger navne</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importér</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Indlæs fødselsdage fra en Gedcom-fil fra et slægtsforskningsprogram eller fra en vCard-adressebog
Importér</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Eksportér kalender…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Gem de viste fødselsdage, bryllupsdage og noter som en iCalendar-fil til telefon- og webkalendere
Eksportér kalender</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Helligdage</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Tilføj, ændr eller slet helligdage
Liste over helligdage</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Udskriv…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Udskriv den aktive kalender
Udskriv</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Udskriv…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Vis udskrifts&amp;eksempel</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Vis kalenderen som den udskrives
Udskriftseksempel</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Udskrifts&amp;opsætning…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Skift printer og udskriftsindstillinger
Udskriftsopsætning</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;Om Fødselsdage…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Udskriftseksempel</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Fødselsdagsfiler (*.ged *.vcf *.vcard);;Gedcom-fil (*.ged);;vCard-adressebog (*.vcf *.vcard);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>Navnelisten er ikke tom.  Vil du flette filen ind i din nuværende liste?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Du kan gemme den nuværende liste med Gem eller Gem som i menuen Filer og derefter rydde den med Ny i menuen Filer.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Eksportér kalender</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>iCalendar-fil (*.ics);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Kommende…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Vis fødselsdage, bryllupsdage og noter for de næste 30 dage
Kommende</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n post i listen)</numerusform>
            <numerusform>%1 (%n poster i listen)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 begivenhed skrevet til %1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n begivenhed skrevet til %1; %2</numerusform>
            <numerusform>%n begivenheder skrevet til %1; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Kan ikke skrive %1</translation>
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
        <translation>Tryk på F1 for at få hjælp</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Opret en ny fødselsdagsliste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Åbn en eksisterende fødselsdagsliste</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Gem den aktive fødselsdagsliste</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Gem den aktive fødselsdagsliste under et nyt navn</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gem som</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Afslut programmet; spørger om fødselsdagslisten skal gemmes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Fortryd den seneste handling</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Klip</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Klip markeringen og læg den i udklipsholderen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opiér</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Kopiér markeringen til udklipsholderen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Indsæt</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Indsæt indholdet af udklipsholderen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Værktøjslinje</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Vis eller skjul værktøjslinjen</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statuslinje</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Vis eller skjul statuslinjen</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Måneder pr. side</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Hjælpeindeks</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Søg i hjælpeindekset</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Hjælpeindeks</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Den gregorianske kalender</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Afhandling om den kalender, der bruges i dag</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Verdenskalender</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Om Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Fremtidsplaner</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Mine planer for forbedringer og andet</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Du drømmer</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Den gregorianske kalender&lt;/h3&gt;&lt;p&gt;Den kalender, der bruges i dagligdagen i dag, tæller 365 dage i et almindeligt år og 366 i et skudår. Et år er et skudår, når det er deleligt med 4, undtagen århundredårene, som kun er skudår, når de er delelige med 400: 1900 var ikke et skudår, 2000 var.&lt;/p&gt;&lt;p&gt;Den afløste den julianske kalender, som gjorde hvert fjerde år til skudår og derfor på fire hundrede år løb omkring tre dage foran årstiderne. Da reformen kom i oktober 1582, blev ti dage sprunget over: torsdag den 4. oktober blev fulgt af fredag den 15. oktober. Kinfold viser af sig selv månederne til og med oktober 1582 i den julianske kalender og giver dem titlen &quot;juliansk&quot;; kalenderen Gammel stil viser enhver måned, som den ville være blevet ført, hvor reformen kom sent (Storbritannien og dets kolonier skiftede i 1752). I gammel stil begyndte året i marts, så januar til marts bærer begge år, som i februar 1699/0.&lt;/p&gt;&lt;p&gt;Månekalenderen begynder hver måned dagen efter en nymåne; et år med tretten nymåner slutter med en blå måne. Kalenderen Slangens år bruger de samme måneder og navngiver hvert år efter dets dyr.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold fører en liste over fødselsdage, bryllupsdage og daterede noter og tegner dem ind i månedskalendere: én, seks eller tolv måneder pr. side, på skærmen og på papir.&lt;/p&gt;&lt;p&gt;Hver dag viser sit nummer, dagens helligdag på nederste linje og over den dagens fødselarer med deres alder. I hjørnet af en dag kan begyndelsen af en årstid eller et månekvarter vises, eller antallet af dage til eller fra en måldato.&lt;/p&gt;&lt;p&gt;Brug knapperne på menulinjen til at bladre pr. måned og år, menuen Vis til at vælge, hvad der vises, og menuen Rediger til at ændre listen og helligdagene. Lister gemmes som .kfd-filer og kan hente personer fra en GEDCOM-fil fra et slægtsforskningsprogram.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Fremtidsplaner&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Udskrivning af navnelisten og ikke kun kalenderen.&lt;/li&gt;&lt;li&gt;Påmindelser nogle dage før en fødselsdag.&lt;/li&gt;&lt;li&gt;Flere kalendere, og helligdage der følger påsken.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Kinfold-hjælp</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Konti…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Tilføj, ændr eller fjern de adressebøger, der læses, og kalenderen, der udgives til</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkronisér nu</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Læs kontienes adressebøger ind i listen, og udgiv dens fødselsdage</translation>
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
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Hjælp</translation>
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
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Tryk på en knap for at ændre den angivne skrifttype, størrelse og farve.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Skrifttype</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Stregfarve</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Måned og år</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Ugedagens navn</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Dagnummer</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Dagtæller</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Personens navn</translation>
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
        <translation>Margener</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Venstre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Højre</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bund</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Ugedage</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Måneder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29. februar i andre år:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Vis den 28. februar</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Vis den 1. marts</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Vis kun i skudår</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Vis alder</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Vis alder under 18</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Vis ikke alder</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Medtag afdødes fødselsdage</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Begynd ugen om mandagen i stedet for søndagen</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Brug kun fornavn</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Vis bryllupsdag</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Vis dagtæller (til eller fra måldatoen)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Vis billeder</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Vis noter</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Vis månefase</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Vis årstider</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Vis ugenumre</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Påmindelser</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Påmind mig om fødselsdage, bryllupsdage og noter</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Skrivebordsnotifikationer ved login og hver time.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Påmind mig</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>På dagen</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 dag før</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 dage før</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 dage før</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 dage før</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 dage før</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Fra dette tidspunkt på dagen:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>En dags påmindelser kommer fra dette tidspunkt.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Overvåget dokument</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Det senest brugte</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Dette:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Gennemse…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Vælg dokumentet, der skal påmindes om.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Fødselsdagsliste (*.kfd);;Alle filer (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>To datoer angivet for</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Vælg den rigtige.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Død</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Gift</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Fødsel</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Kommende</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Begivenhed</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Hvornår</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Fødselsdage, bryllupsdage og noter i dag og de næste 30 dage.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Intet de næste 30 dage</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Vælg et år</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Vælg det år, der skal bruges</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Ingen ændring</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Vælg måned.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Indtast et år fra %1 til %2.</translation>
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
        <translation>%1 (fødselsdag)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Født %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (bryllupsdag)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Gift %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 fødselsdag</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n fødselsdag</numerusform>
            <numerusform>%n fødselsdage</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 bryllupsdag</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n bryllupsdag</numerusform>
            <numerusform>%n bryllupsdage</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 note</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n noter</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>udeladt: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>intet udeladt</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 fødselsdag ophører ved dødsdatoen</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n fødselsdag ophører ved dødsdatoen</numerusform>
            <numerusform>%n fødselsdage ophører ved dødsdatoen</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics kræver navnet på den kalenderfil, der skal skrives</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics skriver en iCalendar-fil, ikke “%1” (angiv OUT.ics, derefter dokumentet)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>intet DOC.kfd angivet, og det seneste dokument kan ikke læses: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 begivenhed skrevet til %1 (fra %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n begivenhed skrevet til %1 (fra %2)</numerusform>
            <numerusform>%n begivenheder skrevet til %1 (fra %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 er selve dokumentet; PDF-filen ville erstatte det</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Vis denne hjælp og afslut</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Vis versionen og afslut</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Flet en GEDCOM- eller vCard-fil ind i DOC.kfd (eller en ny liste) uden vindue</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Gem den flettede liste i OUT.kfd i stedet for DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Skriv de poster, kalenderen viser for DOC.kfd (eller det seneste dokument), som årlige iCalendar-begivenheder</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Udskriv tolv måneder af DOC.kfd (eller en tom liste) til en PDF-fil uden vindue</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Første udskrevne år, -9900 til 11400; fra januar medmindre --month er angivet</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Første udskrevne måned: 1-12, eller 13 i et måneår med 13 måneder</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 eller 12 måneder pr. side</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 nuværende, 1 gammel stil, 2 måne, 3 Slangens år</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Papirstørrelse: Letter, Legal, A4, A3, A5 og andre standardnavne; sprogindstillingens (Letter eller A4), hvis intet er angivet</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Stående sider</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Liggende sider, standard</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Hver ugerækkes nummer i dens første celle</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Vis de indbyggede landes helligdagssæt, ét pr. linje: kode, et mellemrum, navnet</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Udelad påmindelsernes alarmer fra begivenhederne</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Skriv begivenhederne for i dag og de næste DAYS dage (standard 14, højst 366) i DOC.kfd (eller det seneste dokument)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Vis en skrivebordsnotifikation for hver påmindelse i DOC.kfd (eller det overvågede dokument), der nu er aktuel</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Brug denne lokale dato og tid (00:00 uden tid) som nu</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Skriv hver helligdag i YEAR (-9900 til 11400) fra den gemte liste som &quot;YYYY-MM-DD navn&quot;</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Tilføj heldagsbegivenhederne i en iCalendar-fil til den gemte liste over helligdage (begivenheder med klokkeslæt springes over)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Helligdagene i landesættet CODE (se --holiday-sets) kun for denne kørsel; med --upcoming også &quot;stored&quot;</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Tilføj en CardDAV/CalDAV-konto (en servers rod eller én samling); adgangskoden læses fra standardinput</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Kontoens brugernavn</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Læs kun adressebøgerne, udgiv ingen kalender</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Vis kontiene, én pr. linje, med deres numre</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Fjern konto N (se --accounts) og dens adgangskode</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Læs hver kontos adressebøger ind i DOC.kfd (eller det seneste dokument), og udgiv dets fødselsdage</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Læs kontienes adgangskoder fra standardinput, én pr. linje, i stedet for fra nøgleringen</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>kun ét dokument kan flettes ind i (fik %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>kun ét dokument kan eksporteres (fik %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays læser intet dokument (fik %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets læser intet dokument (fik %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf skriver en PDF-fil, ikke “%1” (angiv OUT.pdf, derefter dokumentet)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays læser intet dokument (fik %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (se kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 og %2 kan ikke bruges sammen</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>ukendt tilvalg %1 (se kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: “%2” er ikke et år</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: der er intet år 0 (1 f.Kr. er år -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 ligger uden for de viste år, %3 til %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: intet landesæt “%1” (se kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf kræver et navn på uddatafilen</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: “%1” er ingen af 0 (Nuværende), 1 (Gammel stil), 2 (Måne), 3 (Slangens år)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: “%1” er ingen måned fra 1 til 12 eller 13 i et måneår med 13 måneder</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: måned 13 findes kun i månekalenderne (--calendar 2 eller 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: måneåret %1 har 12 måneder</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: “%1” er ingen af 1, 6 eller 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: ukendt papir “%1” (prøv Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait og --landscape kan ikke bruges sammen</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>kun ét dokument kan udskrives (fik %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: “%1” er ingen dato YYYY-MM-DD eller YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: “%1” er intet antal dage fra 0 til 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>kun ét dokument kan vises (fik %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: intet DOC.kfd angivet og intet dokument brugt før</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>kun ét dokument kan overvåges (fik %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: intet dokument brugt endnu, altså ingen påmindelser</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; påmindelserne følger på standardoutput</translation>
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
        <translation>Storbritannien, Skotland</translation>
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
        <translation>Østrig</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrig</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederlandene</translation>
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
        <translation>Grækenland</translation>
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
        <translation>Tyskland, Slesvig-Holsten</translation>
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
        <translation>Portugal, Azorerne</translation>
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
        <translation>Tjekkiet</translation>
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
        <translation>Luxembourg</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Canada, Alberta</source>
        <translation>Canada, Alberta</translation>
    </message>
    <message>
        <source>Canada, British Columbia</source>
        <translation>Canada, British Columbia</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Canada, Manitoba</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Canada, New Brunswick</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Canada, Newfoundland og Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Canada, Nova Scotia</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Canada, Northwest Territories</translation>
    </message>
    <message>
        <source>Canada, Nunavut</source>
        <translation>Canada, Nunavut</translation>
    </message>
    <message>
        <source>Canada, Ontario</source>
        <translation>Canada, Ontario</translation>
    </message>
    <message>
        <source>Canada, Prince Edward Island</source>
        <translation>Canada, Prince Edward Island</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>Canada, Québec</translation>
    </message>
    <message>
        <source>Canada, Saskatchewan</source>
        <translation>Canada, Saskatchewan</translation>
    </message>
    <message>
        <source>Canada, Yukon</source>
        <translation>Canada, Yukon</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Australien, Australian Capital Territory</translation>
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
        <translation>New Zealand</translation>
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
        <translation>Spanien, Balearerne</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Spanien, De Kanariske Øer</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Spanien, Cantabrien</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Spanien, Castilien og León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Spanien, Castilien-La Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Spanien, Catalonien</translation>
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
        <translation>Spanien, Baskerlandet</translation>
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
        <translation>1 post udeladt, da dens dato er umulig (ret den med Redigér &gt; Liste)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n post udeladt, da dens dato er umulig (ret den med Redigér &gt; Liste)</numerusform>
            <numerusform>%n poster udeladt, da deres datoer er umulige (ret dem med Redigér &gt; Liste)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>kan ikke nå %1 (intet netværk eller ingen sådan server): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 afviste forbindelsen: der kører ingen server dér</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 svarede ikke inden for 30 sekunder</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>den sikre forbindelse til %1 mislykkedes, %2 (ikke accepteret)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 afbrød forbindelsen: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 afviste brugernavnet eller adgangskoden</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 tillader ikke %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 findes ikke på serveren (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 har ikke mere plads til %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 besvarede %2 med status %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>status %1 i stedet for en WebDAV-multistatus</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>svaret fra %1 på %2 giver ingen mening: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>ingen CardDAV- eller CalDAV-server svarer på %1</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>serveren har ingen kalendere til denne bruger, så fødselsdagene kan ikke udgives</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 står i vejen for kalenderen “Birthdays” og er ingen kalender</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>en anden bliver ved med at ændre %1 på serveren; den blev ladt, som den er</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 tilføjet, %2 ændret, %3 fjernet, 1 begivenhed udgivet</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 tilføjet, %2 ændret, %3 fjernet, %n begivenhed udgivet</numerusform>
            <numerusform>%1 tilføjet, %2 ændret, %3 fjernet, %n begivenheder udgivet</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>det er ikke XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>det er ingen WebDAV-multistatus</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>dets XML er ødelagt (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>der kører ingen nøgletjeneste på dette skrivebord</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>serveren</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>certifikatet for “%1”: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1 fødselsdag</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1 bryllupsdag</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1 %2-års fødselsdag</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1 %2-års bryllupsdag</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Kan ikke læse “%1”: det er en mappe.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Kan ikke åbne “%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Kan ikke læse “%1”.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Kan ikke skrive “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(ikke den %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(fra %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(til %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(erstatningsdag)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(observeret)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 heldagsbegivenhed</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n heldagsbegivenhed</numerusform>
            <numerusform>%n heldagsbegivenheder</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 helligdag fra %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n helligdag fra %1</numerusform>
            <numerusform>%n helligdage fra %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 begivenhed med tidspunkt sprunget over</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n begivenhed med tidspunkt sprunget over</numerusform>
            <numerusform>, %n begivenheder med tidspunkt sprunget over</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 begivenhed afkortet ved %1 dage</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n begivenhed afkortet ved %1 dage</numerusform>
            <numerusform>, %n begivenheder afkortet ved %1 dage</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>er ikke en iCalendar-fil (den begynder ikke med BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>er afkortet: dens END:VCALENDAR mangler</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>er ikke en iCalendar-fil, som libical kan læse</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>har dele, som libical ikke kan læse (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Helligdag</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Nytårsdag</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Martin Luther King-dag</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Præsidenternes dag</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Lincolns fødselsdag</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Valentinsdag</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Washingtons fødselsdag</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>Sankt Patricks dag</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Skattedag</translation>
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
        <translation>Flagdag</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Fars dag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Uafhængighedsdag</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Arbejdernes dag</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbus-dag</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Veterandag</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Juledag</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>“%1” er ikke et Kinfold-dokument eller er beskadiget.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 er angivet to gange</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>uventet argument “%1”</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>intet dokument at gemme i: angiv DOC.kfd eller --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 er filen, der importeres; --save skal have et andet navn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>“%1” er hverken en GEDCOM-fil eller en vCard-fil</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n post gemt i %2)</numerusform>
            <numerusform>%1 (%n poster gemt i %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 tilføjet, %2 flettet, %3 konflikter beholdt</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 dato med et år uden for %1..%2 udeladt</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n dato med et år uden for %1..%2 udeladt</numerusform>
            <numerusform>, %n datoer med et år uden for %1..%2 udeladt</numerusform>
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
        <translation>Forår</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Efterår</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Kuldemåne</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Knoglemåne</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Blæsemåne</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Blomstermåne</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Plantemåne</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Grøn majs-måne</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Moden majs-måne</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Frugtmåne</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Nøddemåne</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Høstmåne</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Handelsmåne</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Snemåne</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Blå måne</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Rotte</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Okse</translation>
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
        <translation>Drage</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Slange</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Hest</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Ged</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Abe</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Hane</translation>
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
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Indtast et heltal.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Indtast et heltal mellem %1 og %2.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Måneden skal være 1 til 12, eller 0 med dag 0, når den ikke kendes.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Måneden skal være 1 til 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Måneden i “%1” skal være 1 til 12, eller 0 med dag 0, når den ikke kendes.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Måneden i “%1” skal være 1 til 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 uden år</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Dagen kan ikke være %1: %2 har %3 dage.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Dagen i “%1” kan ikke være %2: %3 har %4 dage.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Brug værdien, som den er indstillet.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Brug den oprindelige værdi.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Brug de oprindelige værdier.</translation>
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
        <translation>i morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>om %n dag</numerusform>
            <numerusform>om %n dage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n fødselsdag eller begivenhed på vej</numerusform>
            <numerusform>%n fødselsdage og begivenheder på vej</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>og %n mere</numerusform>
            <numerusform>og %n mere</numerusform>
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
        <translation>%1 bryllupsdag</translation>
    </message>
</context>
</TS>
