<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 på %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>ikke noe passord for %1 (ingen i nøkkelringen; oppgi det med --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account trenger --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account trenger adressen til serveren</translation>
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
        <translation>bare ett dokument kan synkroniseres (fikk %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: «%1» er ikke et kontonummer (se kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; kontoen ble ikke lagt til</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>ingen adressebok på %1 og ingenting å publisere; kontoen ble ikke lagt til</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 er allerede konto %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>passordet ble ikke lagret (%1); oppgi det ved hver synkronisering med --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>konto %1: %2, 1 adressebok</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>konto %1: %2, %n adressebok</numerusform>
            <numerusform>konto %1: %2, %n adressebøker</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, publiserer til «Birthdays»</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>alle adressebøker</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: det finnes ingen konto %1 (se kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>konto %1 (%2) fjernet</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>det finnes ingen konto å synkronisere (legg til en med --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 kort kunne ikke leses og ble utelatt</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n kort kunne ikke leses og ble utelatt</numerusform>
            <numerusform>%1: %n kort kunne ikke leses og ble utelatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n adressebok</numerusform>
            <numerusform>%n adressebøker</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: adressen må ikke inneholde passordet; oppgi det på standard inn</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 er verken en GEDCOM-fil («0 HEAD») eller en vCard-fil («BEGIN:VCARD»).</translation>
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
        <translation>Legg til konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Rediger konto</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>Adressen til serveren (https://dav.example.org/) eller adressen til én adressebok.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>uendret</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Lagres i skrivebordets nøkkelring, aldri i en fil.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Publiser bursdagene i kalenderen «Birthdays»</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Adressebøkene som leses; når alle er avkrysset, leses også nye.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Finn adressebøker</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Brukernavn:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passord:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Adressebøker:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Oppgi adressen til serveren og brukernavnet ditt.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(ingen adressebok på denne serveren)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Kryss av for en adressebok, eller publiser bursdagene.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Passordet kan ikke lagres: %1. Kinfold spør etter det ved hver synkronisering.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Fjern passordet fra serverens adresse, og skriv det under Passord.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Kontoer</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Adressebøker som leses inn i listen, og kalendere som bursdagene publiseres til.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Legg til …</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Rediger …</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Fjern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Fjerne kontoen %1? Oppføringene den brakte, blir værende i listen.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>alle adressebøker</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n adressebok</numerusform>
            <numerusform>%n adressebøker</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, publiserer «Birthdays»</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Det finnes ingen konto ennå: legg til en med Fil &gt; Kontoer …</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Synkroniserer med kontoene …</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Serveren avviste passordet for %1. Passord:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Passord for %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkroniser nå</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n kort kunne ikke leses og ble utelatt.</numerusform>
            <numerusform>%1: %n kort kunne ikke leses og ble utelatt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Synkroniseringen mislyktes</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Synkronisert: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>Synkroniseringen ble ikke ferdig; listen beholder det som ble lest, og neste synkronisering fortsetter derfra.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Rediger bursdag</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Velg type oppføring.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Slett denne oppføringen</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Fjern denne oppføringen.</translation>
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
        <translation>Begynnelse</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Annet</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slutt</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>En persons bursdag</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Par (Ola+Kari) bryllupsdag</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Notat (lege kl. 16) visningsdato</translation>
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
        <translation>Ekteskap</translation>
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
        <translation>Navn på bursdagsbarn</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>Listen over bursdager.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
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
        <translation>Endre oppføringen.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Slett den valgte oppføringen.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Lag en ny oppføring.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Vis bare oppføringer der teksten eller datoen inneholder disse bokstavene.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>En dato i denne oppføringen er umulig: rett den med Rediger.</translation>
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
        <translation>Hvilket lands helligdager.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Velg et land.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Uten navn</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Angi dato</translation>
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
        <translation>Angi ønsket år, ikke forkortet.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Angi månedens nummer (1-12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Angi dag i måneden (1-31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Eksporter kalender</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Ta med</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Bursdager</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Bursdagene til personene i listen.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Bryllupsdager</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Parenes bryllupsdager («Bryllupsdag» i kalenderen).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notater</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>De daterte notatene («Notater» i kalenderen).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Bursdager etter dødsdatoen</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Av: en bursdag slutter ved dødsdatoen («Avdøde» i kalenderen).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Påminnelser som alarmer</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Én alarm per dag i forveien for påminnelsene, på deres klokkeslett.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 hendelse; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n hendelse; %1.</numerusform>
            <numerusform>%n hendelser; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Farge …</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farge</translation>
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
        <translation>For eksempel første juledag.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Lovens bestemmelse.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Langfredag -2, andre påskedag 1, Kristi himmelfartsdag 39, andre pinsedag 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Slik Storbritannia holder første og andre juledag.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Velg måned.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Velg hvilken uke (1...siste).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Velg ukedag.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Her skal det stå et tall.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Måned</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Uke</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Ukedag</translation>
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
        <translation>Dager etter første påskedag, eller før den når tallet er negativt.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Det ene året helligdagen holdes.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Faller datoen på denne ukedagen, selve datoen.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Påske</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Dager fra påske</translation>
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
        <translation>Fast ukedag</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Neste virkedag etter</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Fast dato, i en helg også neste frie hverdag</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Fast dato, på en søndag lørdagen før</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Ukedag på eller etter datoen</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Ukedag på eller før datoen</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Dato i bare ett år</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Ukedag på eller etter datoen, eller selve datoen på</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Første virkedag etter</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Første</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Andre</translation>
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
        <translation>Siste</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Fast dato, i en helg også fredagen før eller mandagen etter (erstatningsdag)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Dagen årstiden begynner (jevndøgn eller solverv)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>En helligdag på en søndag: neste fridag</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>En dag mellom to helligdager</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Ikke på datoen i ett år (flyttet)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Slik USA holder sine føderale helligdager.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Velg mars eller september for jevndøgnene, juni eller desember for solvervene.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>For hele listen, slik Japan holder sine helligdager; navnet er dagens.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>For hele listen; den valgte ukedagen hoppes over.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>Helligdagen med dette navnet holdes ikke på datoen i det oppgitte året.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Timer fra UT for lokal tid (Japan 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Timer fra UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Første år helligdagen holdes; tomt for alltid.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Siste år helligdagen holdes; tomt for alltid.</translation>
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
        <translation>Det siste året kommer før det første.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Rediger listen over helligdager</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Liste over helligdager.</translation>
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
        <translation>Rediger</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Land …</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Vindu for å endre den valgte helligdagen.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Vindu for å legge inn en ny helligdag.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Fjern den valgte helligdagen.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Gjenopprett de opprinnelige fabrikkinnstillingene.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Sett inn et lands helligdager.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Fra fil …</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Legg til heldagshendelsene fra en kalenderfil (.ics).</translation>
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
        <translation>Erstatte helligdagene dine med dem for %1?

Ja erstatter listen, Nei legger dem til på slutten.</translation>
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
        <translation>En måned fram
Neste måned</translation>
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
        <translation>Ett år fram
Neste år</translation>
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
        <translation>Nå</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Til gjeldende måned og år
Denne måneden i år</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Skriv inn et hvilket som helst år og måned
Hvilket som helst år og måned</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Vis antall dager til (eller siden) en gitt dato
Dagnummer</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Avdøde</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Bursdager etter dødsdatoen
Bursdager</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Mandag</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Mandag som ukens første dag
Ukestart</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Fornavn</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Vis bare fornavn
Bursdag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Bryllupsdag</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Vis bryllupsdager
Ekteskap</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Dagteller</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Dager fra målet\Nedtelling</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Bruk bilder som bakgrunn i kalenderen
Bakgrunn</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notater</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Notater
Vis notater i kalenderen</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Månefase</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Vis begynnelsen på hvert månekvarter
Kvarter</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Årstider</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Årstidenes begynnelse
Årstid</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Ukenumre</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Vis hver ukes nummer i dens første dag
Ukenumre</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Én måned per side/nNormal</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Seks måneder per side
seks måneder</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Tolv måneder per side
År</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Gjeldende</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Vår gjeldende kalender
Gjeldende</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Gammel stil</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>brukt fram til 1400 eller 1700
Gammel stil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Måne</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Hver måned begynner ved nymåne
Måne</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Slangens år</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Kinesisk kalender for moro skyld
Slangens år</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Åpner dialogen med innstillinger
Varige innstillinger</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Bruk profil</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Sett innstillingene til den sist lagrede profilen
Bruk innstillinger</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Se og rediger navnelisten
Rediger navn</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Last inn bursdager fra en Gedcom-fil fra et slektsforskningsprogram eller fra en vCard-adressebok
Importer</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Eksporter kalender …</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Lagre de viste bursdagene, bryllupsdagene og notatene som en iCalendar-fil for telefon- og nettkalendere
Eksporter kalender</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Helligdager</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Legg til, endre eller slett helligdager
Liste over helligdager</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Skriv &amp;ut …	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Skriv ut den aktive kalenderen
Skriv ut</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut …</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Forhåndsvisning</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Vis kalenderen slik den skrives ut
Forhåndsvisning</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>U&amp;tskriftsoppsett …</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Endre skriveren og utskriftsinnstillingene
Utskriftsoppsett</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;Om Bursdager …</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Bursdagsfiler (*.ged *.vcf *.vcard);;Gedcom-fil (*.ged);;vCard-adressebok (*.vcf *.vcard);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>Navnelisten er ikke tom.  Vil du slå sammen filen med den gjeldende listen?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Du kan lagre den gjeldende listen med Lagre eller Lagre som i Fil-menyen og deretter tømme den med Ny i Fil-menyen.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Eksporter kalender</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>iCalendar-fil (*.ics);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Kommende …</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>List opp bursdagene, bryllupsdagene og notatene de neste 30 dagene
Kommende</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n oppføring i listen)</numerusform>
            <numerusform>%1 (%n oppføringer i listen)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 hendelse skrevet til %1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n hendelse skrevet til %1; %2</numerusform>
            <numerusform>%n hendelser skrevet til %1; %2</numerusform>
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
        <translation>Trykk F1 for hjelp</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Lag en ny bursdagsliste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Åpne en eksisterende bursdagsliste</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Lagre den aktive bursdagslisten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Lagre den aktive bursdagslisten med et nytt navn</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lagre som</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Avslutt programmet; spør om bursdagslisten skal lagres</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Angre den siste handlingen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Klipp ut</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Klipp ut markeringen og legg den på utklippstavlen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opier</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Kopier markeringen til utklippstavlen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Sett inn innholdet på utklippstavlen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Verktøylinje</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Vis eller skjul verktøylinjen</translation>
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
        <translation>Måneder per side</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Hjelpeindeks</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Søk i hjelpeindeksen</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Hjelpeindeks</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Den gregorianske kalenderen</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Avhandling om kalenderen som brukes i dag</translation>
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
        <translation>Framtidsplaner</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Mine planer for forbedringer og annet</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Du drømmer</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Den gregorianske kalenderen&lt;/h3&gt;&lt;p&gt;Kalenderen som brukes i dagliglivet i dag, teller 365 dager i et vanlig år og 366 i et skuddår. Et år er et skuddår når det er delelig med 4, unntatt hundreårene, som bare er skuddår når de er delelige med 400: 1900 var ikke et skuddår, 2000 var det.&lt;/p&gt;&lt;p&gt;Den erstattet den julianske kalenderen, som gjorde hvert fjerde år til skuddår og derfor på fire hundre år løp omtrent tre dager foran årstidene. Da reformen kom i oktober 1582, ble ti dager hoppet over: torsdag 4. oktober ble fulgt av fredag 15. oktober. Kinfold viser av seg selv månedene fram til og med oktober 1582 i den julianske kalenderen og gir dem tittelen &quot;juliansk&quot;; kalenderen Gammel stil viser hver måned slik den ville ha blitt ført der reformen kom sent (Storbritannia og koloniene byttet i 1752). I gammel stil begynte året i mars, så januar til mars bærer begge årene, som i februar 1699/0.&lt;/p&gt;&lt;p&gt;Månekalenderen begynner hver måned dagen etter en nymåne; et år med tretten nymåner slutter med en blå måne. Kalenderen Slangens år bruker de samme månedene og gir hvert år navn etter dyret sitt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold fører en liste over bursdager, bryllupsdager og daterte notater og tegner dem inn i månedskalendere: én, seks eller tolv måneder per side, på skjermen og på papir.&lt;/p&gt;&lt;p&gt;Hver dag viser nummeret sitt, dagens helligdag på nederste linje og over den dagens bursdagsbarn med alderen deres. I hjørnet av en dag kan begynnelsen på en årstid eller et månekvarter vises, eller antall dager til eller fra en måldato.&lt;/p&gt;&lt;p&gt;Bruk knappene på menylinjen for å bla per måned og år, Vis-menyen for å velge hva som vises, og Rediger-menyen for å endre listen og helligdagene. Lister lagres som .kfd-filer og kan hente inn personer fra en GEDCOM-fil fra et slektsforskningsprogram.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Framtidsplaner&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Utskrift av navnelisten og ikke bare kalenderen.&lt;/li&gt;&lt;li&gt;Påminnelser noen dager før en bursdag.&lt;/li&gt;&lt;li&gt;Flere kalendere, og helligdager som følger påsken.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Kinfold-hjelp</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Kontoer …</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Legg til, endre eller fjern adressebøkene som leses, og kalenderen det publiseres til</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkroniser nå</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Les kontoenes adressebøker inn i listen og publiser bursdagene i den</translation>
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
        <translation>&amp;Fil</translation>
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
        <translation>&amp;Hjelp</translation>
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
        <translation>Bruk</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Trykk på en knapp for å endre angitt skrift, størrelse og farge.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Skrift</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linjefarge</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Måned og år</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Ukedagens navn</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Dagnummer</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Dagteller</translation>
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
        <translation>Marger</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Topp</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Venstre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Høyre</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bunn</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Ukedager</translation>
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
        <translation>Vis 28. februar</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Vis 1. mars</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Vis bare i skuddår</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Innstillinger</translation>
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
        <translation>Ikke vis alder</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Ta med avdødes bursdager</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Begynn uken på mandag i stedet for søndag</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Bruk bare fornavn</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Vis bryllupsdag</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Vis dagteller (til eller fra måldatoen)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Vis bilder</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Vis notater</translation>
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
        <translation>Vis ukenumre</translation>
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
        <translation>Minn meg på bursdager, bryllupsdager og notater</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Skrivebordsvarsler ved innlogging og hver time.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Minn meg på</translation>
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
        <translation>3 dager før</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 dager før</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 dager før</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 dager før</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Fra dette klokkeslettet:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>En dags påminnelser kommer fra dette klokkeslettet.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Overvåket dokument</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Det sist brukte</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Dette:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bla gjennom …</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Velg dokumentet det skal minnes om.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Bursdagsliste (*.kfd);;Alle filer (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>To datoer oppgitt for</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Velg den riktige.</translation>
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
        <translation>Hendelse</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Når</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Bursdager, bryllupsdager og notater i dag og de neste 30 dagene.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Ingenting de neste 30 dagene</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Velg et år</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Velg året som skal brukes</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Ingen endring</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Velg måned.</translation>
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
        <translation>Skriv inn et år fra %1 til %2.</translation>
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
        <translation>mai</translation>
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
        <translation>des</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (bursdag)</translation>
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
        <translation>1 bursdag</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n bursdag</numerusform>
            <numerusform>%n bursdager</numerusform>
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
            <numerusform>%n bryllupsdager</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 notat</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n notat</numerusform>
            <numerusform>%n notater</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>utelatt: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>ingenting utelatt</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 bursdag slutter ved dødsdatoen</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n bursdag slutter ved dødsdatoen</numerusform>
            <numerusform>%n bursdager slutter ved dødsdatoen</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics trenger navnet på kalenderfilen som skal skrives</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics skriver en iCalendar-fil, ikke «%1» (oppgi OUT.ics, deretter dokumentet)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>ingen DOC.kfd oppgitt, og det siste dokumentet kan ikke leses: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 hendelse skrevet til %1 (fra %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n hendelse skrevet til %1 (fra %2)</numerusform>
            <numerusform>%n hendelser skrevet til %1 (fra %2)</numerusform>
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
        <translation>Vis denne hjelpen og avslutt</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Vis versjonen og avslutt</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Slå sammen en GEDCOM- eller vCard-fil med DOC.kfd (eller en ny liste) uten vindu</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Lagre den sammenslåtte listen i OUT.kfd i stedet for DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Skriv oppføringene kalenderen viser for DOC.kfd (eller det siste dokumentet) som årlige iCalendar-hendelser</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Skriv ut tolv måneder av DOC.kfd (eller en tom liste) til en PDF-fil uten vindu</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Første utskrevne år, -9900 til 11400; fra januar med mindre --month er oppgitt</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Første utskrevne måned: 1-12, eller 13 i et måneår med 13 måneder</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 eller 12 måneder per side</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 gjeldende, 1 gammel stil, 2 måne, 3 Slangens år</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Papirstørrelse: Letter, Legal, A4, A3, A5 og andre standardnavn; språkinnstillingens (Letter eller A4) når ingen er oppgitt</translation>
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
        <translation>Hver ukerads nummer i dens første celle</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>List opp de innebygde landenes helligdagssett, ett per linje: kode, et mellomrom, navnet</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Utelat påminnelsenes alarmer fra hendelsene</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Skriv ut hendelsene i dag og de neste DAYS dagene (standard 14, høyst 366) i DOC.kfd (eller det siste dokumentet)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Vis et skrivebordsvarsel for hver påminnelse i DOC.kfd (eller det overvåkede dokumentet) som nå er aktuell</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Bruk denne lokale datoen og tiden (00:00 uten klokkeslett) som nå</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Skriv hver helligdag i YEAR (-9900 til 11400) fra den lagrede listen som &quot;YYYY-MM-DD navn&quot;</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Legg til heldagshendelsene i en iCalendar-fil i den lagrede listen over helligdager (hendelser med klokkeslett hoppes over)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Helligdagene i landsettet CODE (se --holiday-sets) bare for denne kjøringen; med --upcoming også &quot;stored&quot;</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Legg til en CardDAV/CalDAV-konto (roten til en server eller én samling); passordet leses fra standard inn</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Brukernavnet til kontoen</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Les bare adressebøkene, publiser ingen kalender</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Vis kontoene, én per linje, med numrene sine</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Fjern konto N (se --accounts) og passordet til den</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Les hver kontos adressebøker inn i DOC.kfd (eller det siste dokumentet) og publiser bursdagene i det</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Les kontoenes passord fra standard inn, ett per linje, i stedet for fra nøkkelringen</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>bare ett dokument kan flettes inn i (fikk %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>bare ett dokument kan eksporteres (fikk %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays leser ikke noe dokument (fikk %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets leser ikke noe dokument (fikk %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf skriver en PDF-fil, ikke «%1» (oppgi OUT.pdf, deretter dokumentet)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays leser ikke noe dokument (fikk %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (se kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 og %2 kan ikke brukes sammen</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>ukjent valg %1 (se kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: «%2» er ikke et år</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: det finnes ikke noe år 0 (1 f.Kr. er år -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 ligger utenfor de viste årene, %3 til %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: ikke noe landsett «%1» (se kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf trenger et navn på utdatafilen</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: «%1» er ingen av 0 (Gjeldende), 1 (Gammel stil), 2 (Måne), 3 (Slangens år)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: «%1» er ingen måned fra 1 til 12 eller 13 i et måneår med 13 måneder</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: måned 13 finnes bare i månekalenderne (--calendar 2 eller 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: måneåret %1 har 12 måneder</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: «%1» er ingen av 1, 6 eller 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: ukjent papir «%1» (prøv Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait og --landscape kan ikke brukes sammen</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>bare ett dokument kan skrives ut (fikk %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: «%1» er ingen dato YYYY-MM-DD eller YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: «%1» er ikke et antall dager fra 0 til 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>bare ett dokument kan listes (fikk %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: ingen DOC.kfd oppgitt og ikke noe dokument brukt før</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>bare ett dokument kan overvåkes (fikk %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: ikke noe dokument brukt ennå, altså ingen påminnelser</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; påminnelsene følger på standard ut</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Storbritannia</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Storbritannia, Skottland</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Storbritannia, Nord-Irland</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Østerrike</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrike</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederland</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Sverige</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Hellas</translation>
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
        <translation>Spania</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portugal, Asorene</translation>
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
        <translation>Tsjekkia</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Sveits</translation>
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
        <translation>Australia</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Australia, Australian Capital Territory</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Australia, New South Wales</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Australia, Northern Territory</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Australia, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Australia, South Australia</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Australia, Tasmania</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Australia, Victoria</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Australia, Western Australia</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>New Zealand</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Spania, Andalucía</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Spania, Aragón</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Spania, Asturias</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Spania, Balearene</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Spania, Kanariøyene</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Spania, Cantabria</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Spania, Castilla y León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Spania, Castilla-La Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Spania, Catalonia</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Spania, Extremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Spania, Galicia</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Spania, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Spania, Murcia</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Spania, Navarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Spania, Baskerland</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Spania, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Spania, Valencia</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Spania, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Spania, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Sveits, Aargau</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Sveits, Appenzell Innerrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Sveits, Appenzell Ausserrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Sveits, Bern</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Sveits, Basel-Landschaft</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Sveits, Basel-Stadt</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Sveits, Fribourg</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Sveits, Genève</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Sveits, Glarus</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Sveits, Graubünden</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Sveits, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Sveits, Luzern</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Sveits, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Sveits, Nidwalden</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Sveits, Obwalden</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Sveits, St. Gallen</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Sveits, Schaffhausen</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Sveits, Solothurn</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Sveits, Schwyz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Sveits, Thurgau</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Sveits, Ticino</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Sveits, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Sveits, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Sveits, Valais</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Sveits, Zug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Sveits, Zürich</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 oppføring utelatt, fordi datoen er umulig (rett den med Rediger &gt; Liste)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n oppføring utelatt, fordi datoen er umulig (rett den med Rediger &gt; Liste)</numerusform>
            <numerusform>%n oppføringer utelatt, fordi datoene er umulige (rett dem med Rediger &gt; Liste)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>kan ikke nå %1 (ikke noe nettverk, eller ingen slik server): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 avviste tilkoblingen: ingen server kjører der</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 svarte ikke innen 30 sekunder</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>den sikre tilkoblingen til %1 mislyktes, %2 (ikke godtatt)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 brøt tilkoblingen: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 avviste brukernavnet eller passordet</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 tillater ikke %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 finnes ikke på serveren (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 har ikke mer plass til %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 besvarte %2 med status %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>status %1 i stedet for en WebDAV-multistatus</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>svaret fra %1 på %2 gir ingen mening: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>ingen CardDAV- eller CalDAV-server svarer på %1</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>serveren har ingen kalendere for denne brukeren, så bursdagene kan ikke publiseres</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 står i veien for kalenderen «Birthdays» og er ingen kalender</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>noen andre endrer %1 på serveren hele tiden; den ble latt være som den er</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 lagt til, %2 endret, %3 fjernet, 1 hendelse publisert</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 lagt til, %2 endret, %3 fjernet, %n hendelse publisert</numerusform>
            <numerusform>%1 lagt til, %2 endret, %3 fjernet, %n hendelser publisert</numerusform>
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
        <translation>XML-en er ødelagt (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>ingen nøkkeltjeneste kjører på dette skrivebordet</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>serveren</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>sertifikatet til «%1»: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1 bursdag</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1 bryllupsdag</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1 %2-årsdag</translation>
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
        <translation>Kan ikke lese «%1»: det er en mappe.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Kan ikke åpne «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Kan ikke lese «%1».</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Kan ikke skrive «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(ikke %1)</translation>
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
        <translation>(observert)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 heldagshendelse</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n heldagshendelse</numerusform>
            <numerusform>%n heldagshendelser</numerusform>
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
            <numerusform>%n helligdager fra %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 hendelse med klokkeslett hoppet over</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n hendelse med klokkeslett hoppet over</numerusform>
            <numerusform>, %n hendelser med klokkeslett hoppet over</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 hendelse kuttet ved %1 dager</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n hendelse kuttet ved %1 dager</numerusform>
            <numerusform>, %n hendelser kuttet ved %1 dager</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>er ikke en iCalendar-fil (den begynner ikke med BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>er avkortet: END:VCALENDAR mangler</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>er ikke en iCalendar-fil som libical kan lese</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>har deler som libical ikke kan lese (X-LIC-PARSEERROR)</translation>
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
        <translation>Nyttårsdag</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Martin Luther King-dagen</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Presidentdagen</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Lincolns bursdag</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Valentinsdagen</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Washingtons bursdag</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>St. Patricks dag</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Skattedagen</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Morsdag</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Flaggdagen</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Farsdag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Uavhengighetsdagen</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Arbeidernes dag</translation>
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
        <translation>Juledag</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>«%1» er ikke et Kinfold-dokument eller er skadet.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 er oppgitt to ganger</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>uventet argument «%1»</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>ikke noe dokument å lagre i: oppgi DOC.kfd eller --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 er filen som importeres; --save trenger et annet navn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>«%1» er verken en GEDCOM-fil eller en vCard-fil</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n oppføring lagret i %2)</numerusform>
            <numerusform>%1 (%n oppføringer lagret i %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 lagt til, %2 flettet, %3 konflikter beholdt</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 dato med et år utenfor %1..%2 utelatt</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n dato med et år utenfor %1..%2 utelatt</numerusform>
            <numerusform>, %n datoer med et år utenfor %1..%2 utelatt</numerusform>
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
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Høst</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Kuldemåne</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Beinmåne</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Vindmåne</translation>
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
        <translation>Grønn mais-måne</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Moden mais-måne</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Fruktmåne</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Nøttemåne</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Høstemåne</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Handelsmåne</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Snømåne</translation>
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
        <translation>Geit</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Ape</translation>
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
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Måneden må være 1 til 12, eller 0 med dag 0 når den ikke er kjent.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Måneden må være 1 til 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Måneden i «%1» må være 1 til 12, eller 0 med dag 0 når den ikke er kjent.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Måneden i «%1» må være 1 til 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 uten år</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Dagen kan ikke være %1: %2 har %3 dager.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Dagen i «%1» kan ikke være %2: %3 har %4 dager.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Bruk verdien slik den er satt.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Bruk den opprinnelige verdien.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Bruk de opprinnelige verdiene.</translation>
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
            <numerusform>om %n dager</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n bursdag eller hendelse kommer</numerusform>
            <numerusform>%n bursdager og hendelser kommer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>og %n til</numerusform>
            <numerusform>og %n til</numerusform>
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
