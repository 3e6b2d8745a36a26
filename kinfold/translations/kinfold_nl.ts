<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>geen wachtwoord voor %1 (geen in de sleutelbos; geef het op met --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account heeft --user NAME nodig</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account heeft het adres van de server nodig</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user hoort bij --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>slechts één document kan worden gesynchroniseerd (kreeg %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: ‘%1’ is geen accountnummer (zie kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; het account is niet toegevoegd</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>geen adresboek op %1 en niets te publiceren; het account is niet toegevoegd</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 is al account %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>het wachtwoord is niet bewaard (%1); geef het bij elke synchronisatie op met --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>account %1: %2, 1 adresboek</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>account %1: %2, %n adresboek</numerusform>
            <numerusform>account %1: %2, %n adresboeken</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, publiceert naar ‘Birthdays’</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>elk adresboek</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: er is geen account %1 (zie kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>account %1 (%2) verwijderd</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>er is geen account om te synchroniseren (voeg er een toe met --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 kaart kon niet worden gelezen en is weggelaten</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n kaart kon niet worden gelezen en is weggelaten</numerusform>
            <numerusform>%1: %n kaarten konden niet worden gelezen en zijn weggelaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n adresboek</numerusform>
            <numerusform>%n adresboeken</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: het adres mag het wachtwoord niet bevatten; geef het op via standaardinvoer</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 is geen GEDCOM-bestand (‘0 HEAD’) en geen vCard-bestand (‘BEGIN:VCARD’).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Het bestand</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Onverwachte bestandsindeling.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Account toevoegen</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Account bewerken</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>Het adres van de server (https://dav.example.org/) of het adres van één adresboek.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>ongewijzigd</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Bewaard in de sleutelbos van de werkomgeving, nooit in een bestand.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>De verjaardagen publiceren in de agenda ‘Birthdays’</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>De gelezen adresboeken; als alle zijn aangevinkt, worden nieuwe ook gelezen.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>Adresboeken &amp;zoeken</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Adresboeken:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Geef het adres van de server en uw gebruikersnaam op.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(geen adresboek op deze server)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Vink een adresboek aan of publiceer de verjaardagen.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Het wachtwoord kan niet worden bewaard: %1. Kinfold vraagt er bij elke synchronisatie om.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Haal het wachtwoord uit het adres van de server en vul het in bij Wachtwoord.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Accounts</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Adresboeken die in de lijst worden gelezen, en agenda&apos;s waarin de verjaardagen worden gepubliceerd.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Toevoegen…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bewerken…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Het account %1 verwijderen? De items die het bracht, blijven in de lijst.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>elk adresboek</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n adresboek</numerusform>
            <numerusform>%n adresboeken</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, publiceert ‘Birthdays’</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Er is nog geen account: voeg er een toe met Bestand &gt; Accounts…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Synchroniseren met de accounts…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>De server heeft het wachtwoord van %1 geweigerd. Wachtwoord:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Wachtwoord van %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Nu synchroniseren</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n kaart kon niet worden gelezen en is weggelaten.</numerusform>
            <numerusform>%1: %n kaarten konden niet worden gelezen en zijn weggelaten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Synchronisatie mislukt</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Gesynchroniseerd: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>De synchronisatie is niet voltooid; de lijst houdt wat gelezen is, en de volgende synchronisatie gaat vanaf daar verder.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Verjaardag bewerken</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Kies het soort item.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Dit item verwijderen</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Dit item verwijderen.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Weergavetekst</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Naam bij een persoon</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Verjaardag van een persoon</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Paar (Jan+Marie) trouwdatum</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Notitie (dokter om 16 uur) weergavedatum</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Birth year.</source>
        <translation>Geboortejaar.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Geboortemaand.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Geboortedag van de maand.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Trouwjaar.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Trouwmaand.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Trouwdag van de maand.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Sterfjaar.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Sterfmaand.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Sterfdag van de maand.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Geboorte</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Huwelijk</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Overlijden</translation>
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
        <translation>Namen van jarigen</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>De lijst met verjaardagen.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Item wijzigen.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Het gekozen item verwijderen.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Een nieuw item maken.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Alleen de items tonen waarvan de tekst of datum deze letters bevat.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Een datum van dit item kan niet bestaan: herstel het met Bewerken.</translation>
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
        <translation>De feestdagen van welk land.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Kies een land.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Datum invoeren</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Set desired year, do not abbreviate.</source>
        <translation>Voer het gewenste jaar in, niet afgekort.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Voer het maandnummer in (1-12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Voer de dag van de maand in (1-31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Agenda exporteren</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Opnemen</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Verjaardagen</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>De verjaardagen van de personen in de lijst.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Trouwdagen</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>De trouwdagen van paren (‘Trouwdag’ op de kalender).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>De gedateerde notities (‘Notities’ op de kalender).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Verjaardagen na de sterfdatum</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Uit: een verjaardag eindigt op de sterfdatum (‘Overleden’ op de kalender).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Herinneringen als alarmen</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Eén alarm per dag vooraf van de herinneringen, op hun tijdstip.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 afspraak; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n afspraak; %1.</numerusform>
            <numerusform>%n afspraken; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Kleur…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Feestdag bewerken</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Bijvoorbeeld Kerstmis.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Wettelijke bepaling.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Goede Vrijdag -2, Tweede Paasdag 1, Hemelvaart 39, Tweede Pinksterdag 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Zoals het Verenigd Koninkrijk Kerstmis en Tweede Kerstdag viert.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Kies de maand.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Kies welke week (1e..laatste).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Kies de dag van de week.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Hier wordt een getal verwacht.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Dag van de week</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Westers</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Orthodox</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>Het Pasen van welke kerk.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Dagen na Paaszondag, of ervoor als het getal negatief is.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Het enige jaar waarin de feestdag wordt gevierd.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Valt de datum op deze weekdag, dan de datum zelf.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pasen</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Dagen vanaf Pasen</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>De datum zelf op</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Vaste datum</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Vaste weekdag</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Eerstvolgende werkdag na</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Vaste datum, in het weekend ook de volgende vrije werkdag</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Vaste datum, op een zondag de zaterdag ervoor</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Weekdag op of na de datum</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Weekdag op of vóór de datum</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Datum in slechts één jaar</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Weekdag op of na de datum, of de datum zelf op</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Eerste werkdag na</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Eerste</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Tweede</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Derde</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Vierde</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Vijfde</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Laatste</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Vaste datum, in het weekend ook de vrijdag ervoor of de maandag erna (vervangend)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Dag waarop het seizoen begint (equinox of zonnewende)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Een feestdag op zondag: de volgende vrije dag</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Een dag tussen twee feestdagen</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Niet op de datum in één jaar (verplaatst)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Zoals de Verenigde Staten hun federale feestdagen vieren.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Kies maart of september voor de equinoxen, juni of december voor de zonnewenden.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Voor de hele lijst, zoals Japan zijn feestdagen viert; de naam is die van de dag.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Voor de hele lijst; de gekozen weekdag wordt overgeslagen.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>De feestdag met deze naam wordt in het opgegeven jaar niet op de datum gevierd.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Uren verschil van de lokale tijd met UT (Japan 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Uren vanaf UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Eerste jaar waarin de feestdag wordt gevierd; leeg voor altijd.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Laatste jaar waarin de feestdag wordt gevierd; leeg voor altijd.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Gevierd van jaar</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>Het laatste jaar ligt vóór het eerste.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Lijst met feestdagen bewerken</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Lijst met feestdagen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Land…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Venster om de gekozen feestdag te wijzigen.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Venster om een nieuwe feestdag in te voeren.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>De gekozen feestdag verwijderen.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>De oorspronkelijke fabrieksinstellingen terugzetten.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>De feestdagen van een land invoegen.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Uit bestand…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>De hele-dag-afspraken uit een kalenderbestand (.ics) toevoegen.</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Uit bestand</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>iCalendar-bestanden (*.ics *.ical);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Uw feestdagen vervangen door die van %1?

Ja vervangt de lijst, Nee voegt ze aan het eind toe.</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Maand&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>Een maand verder
Volgende maand</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Maand</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Naar de vorige maand
Vorige maand</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Jaar&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Een jaar verder
Volgend jaar</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Jaar</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Naar het vorige jaar
Vorig jaar</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Naar de huidige maand en het huidige jaar
Deze maand dit jaar</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Voer een willekeurig jaar en maand in
Elk jaar, elke maand</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Het aantal dagen tot (of sinds) een gegeven datum tonen
Dagnummer</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Overleden</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Verjaardagen na de sterfdatum
Verjaardagen</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Maandag als eerste dag van de week
Weekbegin</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Alleen de voornaam tonen
Verjaardag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Trouwdag</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Trouwdagen tonen
Huwelijk</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Dagenteller</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Dagen vanaf het doel\Aftellen</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Afbeeldingen als achtergrond van de kalender gebruiken
Achtergrond</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Notities
Notities op de kalender tonen</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Maanfase</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Het begin van elk maankwartier tonen
Kwartier</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Seizoenen</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Begin van de seizoenen
Seizoen</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Weeknummers</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Het nummer van elke week in de eerste dag ervan tonen
Weeknummers</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Eén maand per pagina/nNormaal</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Zes maanden per pagina
zes maanden</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Twaalf maanden per pagina
Jaar</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Huidig</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Onze huidige kalender
Huidig</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Oude stijl</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>in gebruik tot 1400 of 1700
Oude stijl</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Maan</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Elke maand begint bij nieuwe maan
Maan</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Jaar van de Slang</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Chinese kalender voor de aardigheid
Jaar van de Slang</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Opent het venster met de opties
Blijvende opties</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Profiel toepassen</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>De opties op het laatst opgeslagen profiel zetten
Opties toepassen</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>De lijst met namen bekijken en bewerken
Namen bewerken</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Verjaardagen laden uit een Gedcom-bestand van een genealogieprogramma of uit een vCard-adresboek
Importeren</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Kalender exporteren…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>De getoonde verjaardagen, trouwdagen en notities opslaan als iCalendar-bestand voor telefoon- en webkalenders
Kalender exporteren</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Feestdagen toevoegen, wijzigen of verwijderen
Lijst met feestdagen</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Af&amp;drukken…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>De actieve kalender afdrukken
Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>De kalender tonen zoals hij wordt afgedrukt
Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Afdrukinstellin&amp;gen…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>De printer en de afdrukopties wijzigen
Afdrukinstellingen</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;Over Verjaardagen…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Verjaardagsbestanden (*.ged *.vcf *.vcard);;Gedcom-bestand (*.ged);;vCard-adresboek (*.vcf *.vcard);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>De namenlijst is niet leeg.  Wilt u het bestand samenvoegen met uw huidige lijst?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>U kunt de huidige lijst bewaren met Opslaan of Opslaan als in het menu Bestand en daarna de huidige lijst leegmaken met Nieuw in het menu Bestand.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Kalender exporteren</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>iCalendar-bestand (*.ics);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Binnenkort…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>De verjaardagen, trouwdagen en notities van de komende 30 dagen tonen
Binnenkort</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n item in de lijst)</numerusform>
            <numerusform>%1 (%n items in de lijst)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 afspraak naar %1 geschreven; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n afspraak naar %1 geschreven; %2</numerusform>
            <numerusform>%n afspraken naar %1 geschreven; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Kan %1 niet schrijven</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Kinfold-bestanden (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Druk op F1 voor hulp</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Een nieuwe verjaardagslijst maken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Een bestaande verjaardagslijst openen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>De actieve verjaardagslijst opslaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>De actieve verjaardagslijst onder een nieuwe naam opslaan</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Het programma afsluiten; vraagt om de verjaardagslijst op te slaan</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>De laatste handeling ongedaan maken</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>De selectie knippen en op het klembord plaatsen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>De selectie naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>De inhoud van het klembord invoegen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>De werkbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>De statusbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Maanden per pagina</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Help-index</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>In de help-index zoeken</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Help-index</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Gregoriaanse kalender</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Verhandeling over de kalender die vandaag in gebruik is</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Wereldkalender</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Over Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Toekomstplannen</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Mijn plannen voor verbeteringen en andere zaken</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>U droomt</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;De gregoriaanse kalender&lt;/h3&gt;&lt;p&gt;De kalender die vandaag in het dagelijks leven wordt gebruikt, telt 365 dagen in een gewoon jaar en 366 in een schrikkeljaar. Een jaar is een schrikkeljaar als het deelbaar is door 4, behalve de eeuwjaren, die alleen schrikkeljaren zijn als ze deelbaar zijn door 400: 1900 was geen schrikkeljaar, 2000 wel.&lt;/p&gt;&lt;p&gt;Hij verving de juliaanse kalender, die elk vierde jaar een schrikkeljaar maakte en daardoor in vierhonderd jaar zo’n drie dagen voorliep op de seizoenen. Bij de hervorming in oktober 1582 werden tien dagen overgeslagen: op donderdag 4 oktober volgde vrijdag 15 oktober. Kinfold toont maanden tot en met oktober 1582 vanzelf in de juliaanse kalender en geeft ze de titel &quot;juliaans&quot;; de kalender Oude stijl toont elke maand zoals die werd bijgehouden waar de hervorming laat kwam (Groot-Brittannië en zijn koloniën stapten in 1752 over). In de Oude stijl begon het jaar in maart, zodat januari tot en met maart beide jaren dragen, zoals in februari 1699/0.&lt;/p&gt;&lt;p&gt;De maankalender begint elke maand op de dag na een nieuwe maan; een jaar met dertien nieuwe manen eindigt met een blauwe maan. De kalender Jaar van de Slang gebruikt dezelfde maanden en noemt elk jaar naar zijn dier.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold houdt een lijst bij van verjaardagen, trouwdagen en notities met een datum en tekent ze in maandkalenders: één, zes of twaalf maanden per pagina, op het scherm en op papier.&lt;/p&gt;&lt;p&gt;Elke dag toont zijn nummer, de feestdag van die dag op de onderste regel en daarboven de jarigen van die dag met hun leeftijd. In de hoek van een dag kan het begin van een seizoen of een maankwartier staan, of het aantal dagen tot of vanaf een doeldatum.&lt;/p&gt;&lt;p&gt;Gebruik de knoppen op de menubalk om per maand en jaar te bladeren, het menu Beeld om te kiezen wat wordt getoond en het menu Bewerken om de lijst en de feestdagen te wijzigen. Lijsten worden opgeslagen als .kfd-bestanden en kunnen personen overnemen uit een GEDCOM-bestand van een genealogieprogramma.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Toekomstplannen&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Naast de kalender ook de namenlijst afdrukken.&lt;/li&gt;&lt;li&gt;Herinneringen een paar dagen voor een verjaardag.&lt;/li&gt;&lt;li&gt;Meer kalenders, en feestdagen die Pasen volgen.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Kinfold-help</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Accounts…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>De gelezen adresboeken en de agenda waarin gepubliceerd wordt toevoegen, wijzigen of verwijderen</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Nu synchroniseren</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>De adresboeken van de accounts in de lijst lezen en de verjaardagen ervan publiceren</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Help</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Druk op een knop om het aangegeven lettertype, de grootte en de kleur te wijzigen.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Lijnkleur</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Maand en jaar</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Naam van de weekdag</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Dagnummer</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Dagenteller</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Naam van de persoon</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(standaard)</translation>
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
        <translation>Marges</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Boven</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Onder</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Weekdagen</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Maanden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29 februari in andere jaren:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Tonen op 28 februari</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Tonen op 1 maart</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Alleen in schrikkeljaren tonen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Leeftijden tonen</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Leeftijden tonen onder de 18</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Geen leeftijden tonen</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Verjaardagen van overledenen meenemen</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>De week op maandag beginnen in plaats van op zondag</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Alleen de voornaam gebruiken</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Trouwdag tonen</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Dagenteller tonen (tot of vanaf de doeldatum)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Afbeeldingen tonen</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Notities tonen</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Maanfase tonen</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Seizoenen tonen</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Weeknummers tonen</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Herinneringen</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Herinner me aan verjaardagen, trouwdagen en notities</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Bureaubladmeldingen bij het aanmelden en elk uur.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Herinner me</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>Op de dag zelf</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 dag van tevoren</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 dagen van tevoren</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 dagen van tevoren</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 dagen van tevoren</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 dagen van tevoren</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Vanaf dit tijdstip:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>De herinneringen van een dag komen vanaf dit tijdstip.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Gevolgd document</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Het laatst gebruikte</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Dit document:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Het document kiezen waaraan herinnerd wordt.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Verjaardagslijst (*.kfd);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Maak een keuze</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Twee datums opgegeven voor</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Kies de juiste.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Overlijden</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Huwelijk</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Geboorte</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Binnenkort</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Gebeurtenis</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>De verjaardagen, trouwdagen en notities van vandaag en de komende 30 dagen.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Niets in de komende 30 dagen</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Kies een jaar</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Kies het jaar dat u wilt gebruiken</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Geen wijziging</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Kies de maand.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Voer een jaar in van %1 tot %2.</translation>
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
        <translation>mrt</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
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
        <translation>%1 (verjaardag)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Geboren %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (trouwdag)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Getrouwd %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 verjaardag</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n verjaardag</numerusform>
            <numerusform>%n verjaardagen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 trouwdag</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n trouwdag</numerusform>
            <numerusform>%n trouwdagen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 notitie</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n notitie</numerusform>
            <numerusform>%n notities</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>weggelaten: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>niets weggelaten</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 verjaardag eindigt op de sterfdatum</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n verjaardag eindigt op de sterfdatum</numerusform>
            <numerusform>%n verjaardagen eindigen op de sterfdatum</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics heeft de naam van het te schrijven agendabestand nodig</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics schrijft een iCalendar-bestand, niet ‘%1’ (geef OUT.ics, dan het document)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>geen DOC.kfd opgegeven, en het laatste document kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 afspraak naar %1 geschreven (uit %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n afspraak naar %1 geschreven (uit %2)</numerusform>
            <numerusform>%n afspraken naar %1 geschreven (uit %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 is het document zelf; de pdf zou het vervangen</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Deze hulp tonen en afsluiten</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>De versie tonen en afsluiten</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Een GEDCOM- of vCard-bestand zonder venster samenvoegen met DOC.kfd (of een nieuwe lijst)</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>De samengevoegde lijst in OUT.kfd opslaan in plaats van in DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>De items die de kalender van DOC.kfd (of het laatste document) toont als jaarlijkse iCalendar-afspraken schrijven</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Twaalf maanden van DOC.kfd (of een lege lijst) zonder venster naar een PDF-bestand afdrukken</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Eerste afgedrukte jaar, -9900 tot 11400; vanaf januari tenzij --month is opgegeven</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Eerste afgedrukte maand: 1-12, of 13 in een maanjaar van 13 maanden</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 of 12 maanden per pagina</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 huidig, 1 oude stijl, 2 maan, 3 Jaar van de Slang</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Papierformaat: Letter, Legal, A4, A3, A5 en andere standaardnamen; zonder opgave dat van de landinstelling (Letter of A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Staande pagina’s</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Liggende pagina’s, de standaard</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Het nummer van elke weekrij in de eerste cel ervan</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>De ingebouwde feestdagensets per land tonen, één per regel: code, een spatie, de naam</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>De alarmen van de herinneringen uit de afspraken weglaten</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>De afspraken van vandaag en de komende DAYS dagen (standaard 14, hoogstens 366) van DOC.kfd (of het laatste document) tonen</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Een bureaubladmelding tonen voor elke herinnering van DOC.kfd (of het gevolgde document) die nu aan de beurt is</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Deze lokale datum en tijd (00:00 zonder tijd) als nu nemen</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Elke feestdag van YEAR (-9900 tot 11400) uit de opgeslagen lijst tonen als &quot;YYYY-MM-DD naam&quot;</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>De hele-dag-afspraken uit een iCalendar-bestand aan de opgeslagen lijst met feestdagen toevoegen (afspraken met een tijd worden overgeslagen)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Alleen voor deze keer de feestdagen van de landenset CODE (zie --holiday-sets); met --upcoming ook &quot;stored&quot;</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Een CardDAV/CalDAV-account toevoegen (de basis van een server of één verzameling); het wachtwoord wordt van standaardinvoer gelezen</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>De gebruikersnaam van het account</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Alleen de adresboeken lezen, geen agenda publiceren</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>De accounts tonen, één per regel, met hun nummers</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Account N (zie --accounts) en het wachtwoord ervan verwijderen</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>De adresboeken van elk account in DOC.kfd (of het laatste document) lezen en de verjaardagen ervan publiceren</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>De wachtwoorden van de accounts van standaardinvoer lezen, één per regel, in plaats van uit de sleutelbos</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>er kan maar in één document worden samengevoegd (kreeg %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>slechts één document kan worden geëxporteerd (kreeg %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays leest geen document (kreeg %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets leest geen document (kreeg %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf schrijft een PDF-bestand, niet ‘%1’ (geef OUT.pdf, dan het document)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays leest geen document (kreeg %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (zie kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 en %2 kunnen niet samen worden gebruikt</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>onbekende optie %1 (zie kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: ‘%2’ is geen jaar</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: er is geen jaar 0 (1 v.Chr. is jaar -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 ligt buiten de getoonde jaren, %3 tot %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: geen landenset ‘%1’ (zie kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf heeft een naam voor het uitvoerbestand nodig</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: ‘%1’ is geen van 0 (Huidig), 1 (Oude stijl), 2 (Maan), 3 (Jaar van de Slang)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: ‘%1’ is geen maand van 1 tot 12, of 13 in een maanjaar van 13 maanden</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: maand 13 bestaat alleen in de maankalenders (--calendar 2 of 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: maanjaar %1 heeft 12 maanden</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: ‘%1’ is geen van 1, 6 of 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: onbekend papier ‘%1’ (probeer Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait en --landscape kunnen niet samen worden gebruikt</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>slechts één document kan worden afgedrukt (kreeg %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: ‘%1’ is geen datum YYYY-MM-DD of YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: ‘%1’ is geen aantal dagen van 0 tot 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>slechts één document kan worden getoond (kreeg %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: geen DOC.kfd opgegeven en eerder geen document gebruikt</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>slechts één document kan worden gevolgd (kreeg %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: nog geen document gebruikt, dus geen herinneringen</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; de herinneringen volgen op standaarduitvoer</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Verenigd Koninkrijk</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Verenigd Koninkrijk, Schotland</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Verenigd Koninkrijk, Noord-Ierland</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Ierland</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Oostenrijk</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrijk</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederland</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Zweden</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italië</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Griekenland</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Duitsland</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Duitsland, Brandenburg</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Duitsland, Berlin</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Duitsland, Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Duitsland, Beieren</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Duitsland, Bremen</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Duitsland, Hessen</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Duitsland, Hamburg</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Duitsland, Mecklenburg-Voor-Pommeren</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Duitsland, Nedersaksen</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Duitsland, Noordrijn-Westfalen</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Duitsland, Rijnland-Palts</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Duitsland, Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Duitsland, Saarland</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Duitsland, Saksen</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Duitsland, Saksen-Anhalt</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Duitsland, Thüringen</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanje</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portugal, Azoren</translation>
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
        <translation>Denemarken</translation>
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
        <translation>Noorwegen</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Tsjechië</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>België</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Zwitserland</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Verenigde Staten</translation>
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
        <translation>Canada, Brits-Columbia</translation>
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
        <translation>Canada, Newfoundland en Labrador</translation>
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
        <translation>Canada, Prins Edwardeiland</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>Canada, Quebec</translation>
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
        <translation>Australië</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Australië, Australisch Hoofdstedelijk Territorium</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Australië, Nieuw-Zuid-Wales</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Australië, Noordelijk Territorium</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Australië, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Australië, Zuid-Australië</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Australië, Tasmanië</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Australië, Victoria</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Australië, West-Australië</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nieuw-Zeeland</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Spanje, Andalusië</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Spanje, Aragón</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Spanje, Asturië</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Spanje, Balearen</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Spanje, Canarische Eilanden</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Spanje, Cantabrië</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Spanje, Castilië en León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Spanje, Castilië-La Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Spanje, Catalonië</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Spanje, Extremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Spanje, Galicië</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Spanje, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Spanje, Murcia</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Spanje, Navarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Spanje, Baskenland</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Spanje, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Spanje, Valencia</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Spanje, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Spanje, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Zwitserland, Aargau</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Zwitserland, Appenzell Innerrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Zwitserland, Appenzell Ausserrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Zwitserland, Bern</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Zwitserland, Basel-Landschaft</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Zwitserland, Basel-Stadt</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Zwitserland, Fribourg</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Zwitserland, Genève</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Zwitserland, Glarus</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Zwitserland, Graubünden</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Zwitserland, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Zwitserland, Luzern</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Zwitserland, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Zwitserland, Nidwalden</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Zwitserland, Obwalden</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Zwitserland, Sankt Gallen</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Zwitserland, Schaffhausen</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Zwitserland, Solothurn</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Zwitserland, Schwyz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Zwitserland, Thurgau</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Zwitserland, Ticino</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Zwitserland, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Zwitserland, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Zwitserland, Wallis</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Zwitserland, Zug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Zwitserland, Zürich</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 item weggelaten, omdat de datum ervan niet kan bestaan (herstel het met Bewerken &gt; Lijst)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n item weggelaten, omdat de datum ervan niet kan bestaan (herstel het met Bewerken &gt; Lijst)</numerusform>
            <numerusform>%n items weggelaten, omdat hun datums niet kunnen bestaan (herstel ze met Bewerken &gt; Lijst)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>kan %1 niet bereiken (geen netwerk, of geen zulke server): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 weigerde de verbinding: daar draait geen server</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 antwoordde niet binnen 30 seconden</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>de beveiligde verbinding met %1 is mislukt, %2 (niet geaccepteerd)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 verbrak de verbinding: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 weigerde de gebruikersnaam of het wachtwoord</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 staat %2 niet toe (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 bestaat niet op de server (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 heeft geen ruimte meer voor %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 beantwoordde %2 met status %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>status %1 in plaats van een WebDAV-multistatus</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>het antwoord van %1 op %2 slaat nergens op: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>geen CardDAV- of CalDAV-server antwoordt op %1</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>de server houdt geen agenda&apos;s bij voor deze gebruiker, dus de verjaardagen kunnen niet worden gepubliceerd</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 staat de agenda ‘Birthdays’ in de weg en is geen agenda</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>iemand anders blijft %1 op de server wijzigen; het is gelaten zoals het is</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 toegevoegd, %2 gewijzigd, %3 verwijderd, 1 afspraak gepubliceerd</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 toegevoegd, %2 gewijzigd, %3 verwijderd, %n afspraak gepubliceerd</numerusform>
            <numerusform>%1 toegevoegd, %2 gewijzigd, %3 verwijderd, %n afspraken gepubliceerd</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>het is geen XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>het is geen WebDAV-multistatus</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>de XML ervan is kapot (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>er draait geen geheimendienst op deze werkomgeving</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>de server</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>het certificaat van ‘%1’: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1 verjaardag</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1 trouwdag</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1 %2e verjaardag</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1 %2e trouwdag</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Kan ‘%1’ niet lezen: het is een map.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Kan ‘%1’ niet openen: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Kan ‘%1’ niet lezen.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Kan ‘%1’ niet schrijven: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(niet op %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(vanaf %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(tot %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(vervangende dag)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(waargenomen)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 afspraak van een hele dag</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n afspraak van een hele dag</numerusform>
            <numerusform>%n afspraken van een hele dag</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 feestdag uit %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n feestdag uit %1</numerusform>
            <numerusform>%n feestdagen uit %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 afspraak met tijd overgeslagen</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n afspraak met tijd overgeslagen</numerusform>
            <numerusform>, %n afspraken met tijd overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 afspraak afgekapt op %1 dagen</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n afspraak afgekapt op %1 dagen</numerusform>
            <numerusform>, %n afspraken afgekapt op %1 dagen</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>is geen iCalendar-bestand (het begint niet met BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>is afgekapt: de END:VCALENDAR ontbreekt</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>is geen iCalendar-bestand dat libical kan lezen</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>heeft delen die libical niet kan lezen (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feestdag</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Nieuwjaarsdag</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Martin Luther Kingdag</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Presidentendag</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Lincolns verjaardag</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Valentijnsdag</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Washingtons verjaardag</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>Sint-Patrick</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Belastingdag</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Moederdag</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Vlaggendag</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Vaderdag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Onafhankelijkheidsdag</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Dag van de Arbeid</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbusdag</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Veteranendag</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Kerstmis</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>‘%1’ is geen Kinfold-document of is beschadigd.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 is twee keer opgegeven</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>onverwacht argument ‘%1’</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>geen document om in op te slaan: geef DOC.kfd of --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 is het bestand dat wordt geïmporteerd; --save heeft een andere naam nodig</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>‘%1’ is geen GEDCOM-bestand en geen vCard-bestand</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n item opgeslagen in %2)</numerusform>
            <numerusform>%1 (%n items opgeslagen in %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 toegevoegd, %2 samengevoegd, %3 conflicten behouden</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 datum met een jaar buiten %1..%2 weggelaten</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n datum met een jaar buiten %1..%2 weggelaten</numerusform>
            <numerusform>, %n datums met een jaar buiten %1..%2 weggelaten</numerusform>
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
        <translation> EK</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> VM</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> LK</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Zomer</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Herfst</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Koude maan</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Bottenmaan</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Windmaan</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Bloemenmaan</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Plantmaan</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Groene-maïsmaan</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Rijpe-maïsmaan</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Vruchtenmaan</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Notenmaan</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Oogstmaan</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Handelsmaan</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Sneeuwmaan</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Blauwe maan</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Rat</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Os</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tijger</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Haas</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Draak</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Slang</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Paard</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Geit</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Aap</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Haan</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hond</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Varken</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>v.Chr.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>juliaans</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Voer een geheel getal in tussen %1 en %2.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>De maand moet 1 tot 12 zijn, of 0 met dag 0 als die niet bekend is.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>De maand moet 1 tot 12 zijn.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>De maand van ‘%1’ moet 1 tot 12 zijn, of 0 met dag 0 als die niet bekend is.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>De maand van ‘%1’ moet 1 tot 12 zijn.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 zonder jaar</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>De dag kan niet %1 zijn: %2 heeft %3 dagen.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>De dag van ‘%1’ kan niet %2 zijn: %3 heeft %4 dagen.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>De ingestelde waarde gebruiken.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>De oorspronkelijke waarde gebruiken.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>De oorspronkelijke waarden gebruiken.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>vandaag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>over %n dag</numerusform>
            <numerusform>over %n dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n verjaardag of gebeurtenis op komst</numerusform>
            <numerusform>%n verjaardagen en gebeurtenissen op komst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
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
        <translation>%1 trouwdag</translation>
    </message>
</context>
</TS>
