<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 palvelimella %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>tilille %1 ei ole salasanaa (avainnipussa ei ole; anna se valitsimella --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account tarvitsee valitsimen --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account tarvitsee palvelimen osoitteen</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user kuuluu valitsimeen --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>odottamaton argumentti %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>vain yhden asiakirjan voi synkronoida (saatiin %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: ”%1” ei ole tilin numero (katso kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; tiliä ei lisätty</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>osoitteessa %1 ei ole osoitekirjaa eikä julkaistavaa; tiliä ei lisätty</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 on jo tili %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>salasanaa ei tallennettu (%1); anna se jokaisella synkronoinnilla valitsimella --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>tili %1: %2, 1 osoitekirja</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>tili %1: %2, %n osoitekirja</numerusform>
            <numerusform>tili %1: %2, %n osoitekirjaa</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, julkaisee kalenteriin ”Birthdays”</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>kaikki osoitekirjat</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: tiliä %1 ei ole (katso kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>tili %1 (%2) poistettu</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>synkronoitavaa tiliä ei ole (lisää tili valitsimella --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 korttia ei voitu lukea, ja se jätettiin pois</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n korttia ei voitu lukea, ja se jätettiin pois</numerusform>
            <numerusform>%1: %n korttia ei voitu lukea, ja ne jätettiin pois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n osoitekirja</numerusform>
            <numerusform>%n osoitekirjaa</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: osoitteessa ei saa olla salasanaa; anna se vakiosyötteessä</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 ei ole GEDCOM-tiedosto (”0 HEAD”) eikä vCard-tiedosto (”BEGIN:VCARD”).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Tiedosto</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Odottamaton tiedostomuoto.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Lisää tili</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Muokkaa tiliä</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>Palvelimen osoite (https://dav.example.org/) tai yhden osoitekirjan osoite.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>ennallaan</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Säilytetään työpöydän avainnipussa, ei koskaan tiedostossa.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Julkaise syntymäpäivät kalenteriin ”Birthdays”</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Luettavat osoitekirjat; kun kaikki on valittu, myös uudet luetaan.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Etsi osoitekirjat</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Palvelin:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Käyttäjätunnus:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Salasana:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Osoitekirjat:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Anna palvelimen osoite ja käyttäjätunnuksesi.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(palvelimella ei ole osoitekirjaa)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Valitse osoitekirja tai julkaise syntymäpäivät.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Salasanaa ei voi tallentaa: %1. Kinfold kysyy sitä jokaisella synkronoinnilla.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Poista salasana palvelimen osoitteesta ja anna se Salasana-kenttään.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Tilit</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Osoitekirjat, jotka luetaan luetteloon, ja kalenterit, joihin syntymäpäivät julkaistaan.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Lisää…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Muokkaa…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Poista</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Poistetaanko tili %1? Sen tuomat merkinnät jäävät luetteloon.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>kaikki osoitekirjat</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n osoitekirja</numerusform>
            <numerusform>%n osoitekirjaa</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, julkaisee kalenterin ”Birthdays”</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Tilejä ei vielä ole: lisää tili kohdasta Tiedosto &gt; Tilit…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Synkronoidaan tilien kanssa…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Palvelin hylkäsi tilin %1 salasanan. Salasana:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Tilin %1 salasana:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkronoi nyt</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n korttia ei voitu lukea, ja se jätettiin pois.</numerusform>
            <numerusform>%1: %n korttia ei voitu lukea, ja ne jätettiin pois.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Synkronointi epäonnistui</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Synkronoitu: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>Synkronointi ei päättynyt; luettelo säilyttää sen, mitä luettiin, ja seuraava synkronointi jatkaa siitä.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Syntymäpäivän muokkaus</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Valitse merkinnän laji.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Poista tämä merkintä</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Poista tämä merkintä.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Näytettävä teksti</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Kuvaus</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Henkilön nimi</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Alku</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Muu</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Loppu</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Henkilön syntymäpäivä</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Pari (Matti+Maija) – hääpäivä</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Muistiinpano (lääkäri klo 16) – näyttöpäivä</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Vuosi</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Kuukausi</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Päivä</translation>
    </message>
    <message>
        <source>Birth year.</source>
        <translation>Syntymävuosi.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Syntymäkuukausi.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Syntymäpäivä kuukaudessa.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Hääpäivän vuosi.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Hääpäivän kuukausi.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Hääpäivä kuukaudessa.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Kuolinvuosi.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Kuolinkuukausi.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Kuolinpäivä kuukaudessa.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Syntymä</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Avioliitto</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Kuolema</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Syntymäpäiväluettelo</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>Syntymäpäivien luettelo.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Muuta merkintää.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Poista valittu merkintä.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Luo uusi merkintä.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Haku</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Näytä vain merkinnät, joiden tekstissä tai päivämäärässä on nämä merkit.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Tämän merkinnän päivämäärä on mahdoton: korjaa se kohdasta Muokkaa.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>Maa</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Minkä maan yleiset vapaapäivät.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Valitse maa.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Nimetön</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Anna päivämäärä</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Vuosi</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Kuukausi</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Päivä</translation>
    </message>
    <message>
        <source>Set desired year, do not abbreviate.</source>
        <translation>Anna haluttu vuosi, älä lyhennä.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Anna kuukauden numero (1–12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Anna kuukauden päivä (1–31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Vie kalenteri</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Mukaan</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Syntymäpäivät</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Luettelon henkilöiden syntymäpäivät.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Hääpäivät</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Parien hääpäivät (”Hääpäivä” kalenterissa).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Muistiinpanot</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>Päivätyt muistiinpanot (”Muistiinpanot” kalenterissa).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Syntymäpäivät kuolinpäivän jälkeen</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Pois: syntymäpäivä päättyy kuolinpäivään (”Kuolleet” kalenterissa).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Muistutukset hälytyksinä</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Yksi hälytys muistutusten kutakin ennakkopäivää kohden, niiden kellonaikaan.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 tapahtuma; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n tapahtuma; %1.</numerusform>
            <numerusform>%n tapahtumaa; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Väri…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Väri</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Juhlapäivän muokkaus</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Esimerkiksi joulu.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Lakisääteinen määritelmä.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Pitkäperjantai -2, toinen pääsiäispäivä 1, helatorstai 39, helluntaimaanantai 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Kuten Yhdistynyt kuningaskunta viettää joulua ja tapaninpäivää.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Valitse kuukausi.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Valitse viikko (ensimmäinen–viimeinen).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Valitse viikonpäivä.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Tähän tarvitaan luku.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Kuukausi</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Viikko</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Viikonpäivä</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Päivä</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Läntinen</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Ortodoksinen</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>Minkä kirkkojen pääsiäinen.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Päiviä pääsiäissunnuntain jälkeen, negatiivisena ennen sitä.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Ainoa vuosi, jona juhlapäivää vietetään.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Kun päivämäärä osuu tälle viikonpäivälle, itse päivämäärä.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pääsiäinen</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Päiviä pääsiäisestä</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Vuosi</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>Itse päivämäärä, kun se on</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Kiinteä päivämäärä</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Kiinteä viikonpäivä</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Seuraava arkipäivä jälkeen</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Kiinteä päivämäärä, viikonloppuna myös seuraava vapaa arkipäivä</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Kiinteä päivämäärä, sunnuntaina sitä edeltävä lauantai</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Viikonpäivä päivämääränä tai sen jälkeen</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Viikonpäivä päivämääränä tai sitä ennen</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Päivämäärä vain yhtenä vuonna</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Viikonpäivä päivämääränä tai sen jälkeen, tai itse päivämäärä, kun se on</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Arkipäivä jälkeen</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Ensimmäinen</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Toinen</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Kolmas</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Neljäs</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Viides</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Viimeinen</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Kiinteä päivä, viikonloppuna myös edeltävä perjantai tai seuraava maanantai (siirretty vietto)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Päivä, jona vuodenaika alkaa (päiväntasaus tai päivänseisaus)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Sunnuntaina oleva pyhä: seuraava vapaapäivä</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Päivä kahden pyhän välissä</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Ei tänä päivänä yhtenä vuonna (siirretty)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Kuten Yhdysvallat viettää liittovaltion vapaapäiviään.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Valitse maaliskuu tai syyskuu päiväntasauksille, kesäkuu tai joulukuu päivänseisauksille.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Koko luettelolle, kuten Japani viettää pyhiään; nimi on päivän nimi.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Koko luettelolle; valittu viikonpäivä jätetään pois.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>Tämännimistä pyhää ei vietetä tänä päivänä annettuna vuonna.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Paikallisen ajan ero UT:hen tunteina (Japani 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Tunteja UT:stä</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Ensimmäinen vuosi, jona pyhää vietetään; tyhjä = aina.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Viimeinen vuosi, jona pyhää vietetään; tyhjä = aina.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Vietetään vuodesta</translation>
    </message>
    <message>
        <source>to</source>
        <translation>vuoteen</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>Viimeinen vuosi on ennen ensimmäistä.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Juhlapäiväluettelon muokkaus</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Juhlapäivien luettelo.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Maa…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Muuta valittua juhlapäivää.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Lisää uusi juhlapäivä.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Poista valittu juhlapäivä.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Palauta tehdasasetukset.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Lisää jonkin maan yleiset vapaapäivät.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Tiedostosta…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Lisää kalenteritiedoston (.ics) kokopäivän tapahtumat.</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Korvataanko pyhäsi maan %1 pyhillä?

Kyllä korvaa luettelon, Ei lisää ne sen loppuun.</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Tiedostosta</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>iCalendar-tiedostot (*.ics *.ical);;Kaikki tiedostot (*)</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Kuukausi&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>Kuukausi eteenpäin
Seuraava kuukausi</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Kuukausi</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Kuukausi taaksepäin
Edellinen kuukausi</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Vuosi&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Vuosi eteenpäin
Seuraava vuosi</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Vuosi</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Vuosi taaksepäin
Edellinen vuosi</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Tänään</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Siirry kuluvaan vuoteen ja kuukauteen
Tämä kuukausi, tämä vuosi</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Vuosi</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Kirjoita mikä tahansa vuosi ja kuukausi
Mikä tahansa vuosi ja kuukausi</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Kohde</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Näytä päivien määrä annettuun päivään (tai siitä lähtien)
Päivien määrä</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Kuolleet</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Syntymäpäivät kuolinpäivän jälkeen
Syntymäpäivät</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maanantai</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Maanantai viikon ensimmäisenä päivänä
Viikon alku</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Etunimi</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Näytä vain etunimi
Syntymäpäivä</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Hääpäivä</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Näytä hääpäivät
Avioliitto</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Päivälaskuri</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Päiviä kohdepäivästä\Lähtölaskenta</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Kuvat</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Kuvat kalenterin taustana
Tausta</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Muistiinpanot</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Muistiinpanot
Näytä muistiinpanot kalenterissa</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Kuun vaihe</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Näytä kuun neljänneksen alku
Neljännes</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Vuodenajat</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Vuodenaikojen alku
Vuodenaika</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Viikkonumerot</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Näytä kunkin viikon numero sen ensimmäisessä päivässä
Viikkonumerot</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Yksi kuukausi sivulla/nNormaali</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Kuusi kuukautta sivulla
kuusi kuukautta</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Kaksitoista kuukautta sivulla
Vuosi</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Nykyinen</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Nykyinen kalenterimme
Nykyinen</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Vanha luku</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>käytössä vuoteen 1400 tai 1700
Vanha luku</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Kuu</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Jokainen kuukausi alkaa uudesta kuusta
Kuu</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Käärmeen vuosi</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Kiinalainen kalenteri huvin vuoksi
Käärmeen vuosi</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Avaa asetusikkunan
Pysyvät asetukset</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Käytä profiilia</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Palauta asetukset viimeksi tallennetusta profiilista
Käytä asetuksia</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Luettelo</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Näytä ja muokkaa nimiluetteloa
Muokkaa nimiä</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Tuo</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Lataa syntymäpäivät sukututkimusohjelman GEDCOM-tiedostosta tai vCard-osoitekirjasta
Tuo</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Vie kalenteri…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Tallenna näytetyt syntymäpäivät, hääpäivät ja muistiinpanot iCalendar-tiedostoksi puhelimen ja verkon kalentereita varten
Vie kalenteri</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Juhlapäivät</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Lisää, muuta tai poista juhlapäiviä
Juhlapäiväluettelo</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Tul&amp;osta…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Tulosta kalenteri
Tulosta</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Tul&amp;osta…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Esikatselu</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Näytä kalenteri sellaisena kuin se tulostuu
Esikatselu</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Tulostimen a&amp;setukset…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Vaihda tulostin ja tulostusasetukset
Tulostimen asetukset</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;Tietoja syntymäpäivistä…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Esikatselu</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Syntymäpäivätiedostot (*.ged *.vcf *.vcard);;GEDCOM-tiedosto (*.ged);;vCard-osoitekirja (*.vcf *.vcard);;Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>Nimiluettelo ei ole tyhjä.  Yhdistetäänkö tiedosto nykyiseen luetteloon?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Voit tallentaa nykyisen luettelon Tiedosto-valikon komennolla Tallenna tai Tallenna nimellä ja tyhjentää sen sitten Tiedosto-valikon komennolla Uusi.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Vie kalenteri</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>iCalendar-tiedosto (*.ics);;Kaikki tiedostot (*)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (luettelossa %n merkintä)</numerusform>
            <numerusform>%1 (luettelossa %n merkintää)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 tapahtuma kirjoitettu tiedostoon %1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n tapahtuma kirjoitettu tiedostoon %1; %2</numerusform>
            <numerusform>%n tapahtumaa kirjoitettu tiedostoon %1; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Tulossa…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Luettele seuraavien 30 päivän syntymäpäivät, hääpäivät ja muistiinpanot
Tulossa</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Tiedostoa %1 ei voi kirjoittaa</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Kinfold-tiedostot (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Saat ohjeen painamalla F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Luo uusi syntymäpäiväluettelo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Avaa olemassa oleva syntymäpäiväluettelo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Tallenna nykyinen syntymäpäiväluettelo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Tallenna nykyinen syntymäpäiväluettelo uudella nimellä</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Tallenna nimellä</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Lopeta ohjelma; kysyy syntymäpäiväluettelon tallentamisesta</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Kumoa</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Kumoa viimeisin toiminto</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Leikkaa</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Leikkaa valinta leikepöydälle</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opioi</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Kopioi valinta leikepöydälle</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>L&amp;iitä</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Liitä leikepöydän sisältö</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Työkalurivi</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Näytä tai piilota työkalurivi</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Ti&amp;larivi</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Näytä tai piilota tilarivi</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Kuukautta/sivu</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalenteri</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Ohjeen hakemisto</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Hae ohjeen hakemistosta</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Ohjeen hakemisto</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Gregoriaaninen kalenteri</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Tutkielma nykyisin käytössä olevasta kalenterista</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Maailmankalenteri</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Tietoja Kinfoldista</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Tulevat suunnitelmat</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Suunnitelmani päivityksistä ja muusta</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Haaveita</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Gregoriaaninen kalenteri&lt;/h3&gt;&lt;p&gt;Nykyisin siviilikäytössä oleva kalenteri laskee tavalliseen vuoteen 365 päivää ja karkausvuoteen 366. Vuosi on karkausvuosi, kun se on jaollinen neljällä, paitsi vuosisadan vaihteen vuodet, jotka ovat karkausvuosia vain, kun ne ovat jaollisia 400:lla: 1900 ei ollut karkausvuosi, 2000 oli.&lt;/p&gt;&lt;p&gt;Se korvasi juliaanisen kalenterin, jossa joka neljäs vuosi oli karkausvuosi ja joka siksi edisti vuodenaikoihin nähden noin kolme päivää neljässäsadassa vuodessa. Kun uudistus tuli lokakuussa 1582, kymmenen päivää jätettiin pois: torstaita 4. lokakuuta seurasi perjantai 15. lokakuuta. Kinfold näyttää kuukaudet lokakuuhun 1582 asti itsestään juliaanisessa kalenterissa ja otsikoi ne ”juliaaninen”; vanhan luvun kalenteri näyttää minkä tahansa kuukauden sellaisena kuin sitä olisi pidetty siellä, minne uudistus tuli myöhään (Iso-Britannia siirtomaineen vaihtoi vuonna 1752). Vanhan luvun mukaan vuosi alkoi maaliskuussa, joten tammi–maaliskuulla on molemmat vuodet, kuten helmikuu 1699/0.&lt;/p&gt;&lt;p&gt;Kuukalenteri aloittaa jokaisen kuukauden uutta kuuta seuraavana päivänä; vuosi, jossa on kolmetoista uutta kuuta, päättyy kuukauteen ”Sininen kuu”. Käärmeen vuoden kalenteri käyttää samoja kuukausia ja nimeää jokaisen vuoden sen eläimen mukaan.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold pitää luetteloa syntymäpäivistä, hääpäivistä ja päivätyistä muistiinpanoista ja piirtää ne kuukausikalentereihin: yksi, kuusi tai kaksitoista kuukautta sivulla, näytöllä ja paperilla.&lt;/p&gt;&lt;p&gt;Jokaisessa päivässä näkyy sen numero, alimmalla rivillä päivän juhlapäivä ja sen yläpuolella päivän henkilöt ikineen. Päivän kulmassa voi näkyä vuodenajan tai kuun neljänneksen alku tai päivien määrä kohdepäivään tai siitä lähtien.&lt;/p&gt;&lt;p&gt;Valikkorivin painikkeilla siirryt kuukausittain ja vuosittain, Näytä-valikosta valitset, mitä näytetään, ja Muokkaa-valikosta muutat luetteloa ja juhlapäiviä. Luettelot tallennetaan .kfd-tiedostoina, ja niihin voi tuoda henkilöitä sukututkimusohjelman GEDCOM-tiedostosta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Tulevat suunnitelmat&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Nimiluettelon tulostus kalenterin lisäksi.&lt;/li&gt;&lt;li&gt;Muistutukset muutamaa päivää ennen syntymäpäivää.&lt;/li&gt;&lt;li&gt;Lisää kalentereita ja pääsiäisen mukaan määräytyviä juhlapäiviä.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Kinfoldin ohje</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Tilit…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Lisää, muuta tai poista luettavat osoitekirjat ja kalenteri, johon julkaistaan</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synkronoi nyt</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Lue tilien osoitekirjat luetteloon ja julkaise sen syntymäpäivät</translation>
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
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Muokkaa</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Näytä</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Ohje</translation>
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
        <translation>Peru</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Painamalla painiketta voit vaihtaa kyseisen fontin, koon ja värin.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fontti</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Viivan väri</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Kuukausi ja vuosi</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Viikonpäivän nimi</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Päivän numero</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Päivälaskuri</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Henkilön nimi</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(oletus)</translation>
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
        <translation>Reunukset</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Ylä</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vasen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Oikea</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Ala</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Viikonpäivät</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Kuukaudet</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimet</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29. helmikuuta muina vuosina:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Näytä 28. helmikuuta</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Näytä 1. maaliskuuta</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Näytä vain karkausvuosina</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Näytä iät</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Näytä iät alle 18-vuotiailta</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Älä näytä ikiä</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Ota mukaan kuolleiden syntymäpäivät</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Aloita viikko maanantaista sunnuntain sijaan</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Käytä vain etunimeä</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Näytä hääpäivät</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Näytä päivälaskuri (kohdepäivään tai siitä lähtien)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Näytä kuvat</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Näytä muistiinpanot</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Näytä kuun vaihe</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Näytä vuodenajat</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Näytä viikkonumerot</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Muistutukset</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Muistuta syntymäpäivistä, hääpäivistä ja muistiinpanoista</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Työpöydän ilmoitukset kirjautuessa ja joka tunti.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Muistuta</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>Samana päivänä</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 päivää ennen</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 päivää ennen</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 päivää ennen</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 päivää ennen</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 päivää ennen</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Tästä kellonajasta alkaen:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>Päivän muistutukset tulevat tästä kellonajasta alkaen.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Seurattava asiakirja</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Viimeksi käytetty</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Tämä:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Selaa…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Valitse asiakirja, josta muistutetaan.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Syntymäpäiväluettelo (*.kfd);;Kaikki tiedostot (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Valitse</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Kaksi päivämäärää annettu kohteelle</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Valitse oikea.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Kuolema</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Avioliitto</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Syntymä</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Tulossa</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Tapahtuma</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Milloin</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Tämän päivän ja seuraavien 30 päivän syntymäpäivät, hääpäivät ja muistiinpanot.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Ei mitään seuraavien 30 päivän aikana</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Valitse vuosi</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Valitse käytettävä vuosi</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Ei muutosta</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Valitse kuukausi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Anna vuosi väliltä %1–%2.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>tammi</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>helmi</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>maalis</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>huhti</translation>
    </message>
    <message>
        <source>May</source>
        <translation>touko</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>kesä</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>heinä</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>elo</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>syys</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>loka</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>marras</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>joulu</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (syntymäpäivä)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Syntynyt %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (hääpäivä)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Naimisiin %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 syntymäpäivä</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n syntymäpäivä</numerusform>
            <numerusform>%n syntymäpäivää</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 hääpäivä</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n hääpäivä</numerusform>
            <numerusform>%n hääpäivää</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 muistiinpano</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n muistiinpano</numerusform>
            <numerusform>%n muistiinpanoa</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>jätetty pois: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>mitään ei jätetty pois</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 syntymäpäivä päättyy kuolinpäivään</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n syntymäpäivä päättyy kuolinpäivään</numerusform>
            <numerusform>%n syntymäpäivää päättyy kuolinpäivään</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics tarvitsee kirjoitettavan kalenteritiedoston nimen</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics kirjoittaa iCalendar-tiedoston, ei tiedostoa ”%1” (anna ensin OUT.ics, sitten asiakirja)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>DOC.kfd puuttuu, eikä viimeistä asiakirjaa voi lukea: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 tapahtuma kirjoitettu tiedostoon %1 (lähde %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n tapahtuma kirjoitettu tiedostoon %1 (lähde %2)</numerusform>
            <numerusform>%n tapahtumaa kirjoitettu tiedostoon %1 (lähde %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 on itse asiakirja; PDF korvaisi sen</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Näytä tämä ohje ja lopeta</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Näytä versio ja lopeta</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Yhdistä GEDCOM- tai vCard-tiedosto tiedostoon DOC.kfd (tai uuteen luetteloon) ilman ikkunaa</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Tallenna yhdistetty luettelo tiedostoon OUT.kfd tiedoston DOC.kfd sijaan</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Kirjoita kalenterin näyttämät merkinnät tiedostosta DOC.kfd (tai viimeisimmästä asiakirjasta) vuosittaisina iCalendar-tapahtumina</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Tulosta kaksitoista kuukautta tiedostosta DOC.kfd (tai tyhjästä luettelosta) PDF-tiedostoon ilman ikkunaa</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Ensimmäinen tulostettava vuosi, -9900–11400; tammikuusta, ellei --month ole annettu</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Ensimmäinen tulostettava kuukausi: 1–12, tai 13 kuuvuonna, jossa on 13 kuukautta</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 tai 12 kuukautta sivulla</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Nykyinen, 1 Vanha luku, 2 Kuu, 3 Käärmeen vuosi</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Paperikoko: Letter, Legal, A4, A3, A5 ja muut vakionimet; jos ei annettu, maa-asetuksen koko (Letter tai A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Pystysuuntaiset sivut</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Vaakasuuntaiset sivut, oletus</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Kunkin viikkorivin numero sen ensimmäisessä solussa</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Luettele sisäänrakennetut maiden juhlapäiväjoukot, yksi riville: koodi, välilyönti, nimi</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Jätä muistutusten hälytykset pois tapahtumista</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Tulosta tämän päivän ja seuraavien DAYS päivän (oletus 14, enintään 366) tapahtumat asiakirjasta DOC.kfd (tai viimeisestä asiakirjasta)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Näytä työpöytäilmoitus jokaisesta asiakirjan DOC.kfd (tai seurattavan asiakirjan) nyt erääntyvästä muistutuksesta</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Käytä tätä paikallista päivämäärää ja kellonaikaa (ilman aikaa 00:00) nykyhetkenä</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Tulosta vuoden YEAR (-9900–11400) jokainen pyhä muodossa ”YYYY-MM-DD nimi” tallennetusta luettelosta</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Lisää iCalendar-tiedoston kokopäivän tapahtumat tallennettuun pyhäluetteloon (kellonajalliset tapahtumat ohitetaan)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Maajoukon CODE (katso --holiday-sets) pyhät vain tällä ajokerralla; valitsimen --upcoming kanssa myös ”stored”</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Lisää CardDAV/CalDAV-tili (palvelimen juuri tai yksi kokoelma); salasana luetaan vakiosyötteestä</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Tilin käyttäjätunnus</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Lue vain osoitekirjat, älä julkaise kalenteria</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Luettele tilit, yksi riviä kohden, numeroineen</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Poista tili N (katso --accounts) ja sen salasana</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Lue jokaisen tilin osoitekirjat asiakirjaan DOC.kfd (tai viimeiseen asiakirjaan) ja julkaise sen syntymäpäivät</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Lue tilien salasanat vakiosyötteestä, yksi riviä kohden, avainnipun sijaan</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>yhdistää voi vain yhteen asiakirjaan (saatiin %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>vain yhden asiakirjan voi viedä (saatiin %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays ei lue asiakirjaa (saatiin %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets ei lue asiakirjaa (saatiin %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf kirjoittaa PDF-tiedoston, ei tiedostoa ”%1” (anna ensin OUT.pdf, sitten asiakirja)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays ei lue asiakirjaa (saatiin %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (katso kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>valitsimia %1 ja %2 ei voi käyttää yhdessä</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>tuntematon valitsin %1 (katso kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: ”%2” ei ole vuosi</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: vuotta 0 ei ole (1 eKr. on vuosi -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 on näytettyjen vuosien %3–%4 ulkopuolella</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: maajoukkoa ”%1” ei ole (katso kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf tarvitsee tulostiedoston nimen</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: ”%1” ei ole mikään arvoista 0 (Nykyinen), 1 (Vanha luku), 2 (Kuu), 3 (Käärmeen vuosi)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: ”%1” ei ole kuukausi 1–12 eikä 13 kuuvuodessa, jossa on 13 kuukautta</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: kuukausi 13 on vain kuukalentereissa (--calendar 2 tai 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: kuuvuodessa %1 on 12 kuukautta</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: ”%1” ei ole mikään arvoista 1, 6 tai 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: tuntematon paperi ”%1” (kokeile Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>valitsimia --portrait ja --landscape ei voi käyttää yhdessä</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>vain yhden asiakirjan voi tulostaa (saatiin %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: ”%1” ei ole päivämäärä YYYY-MM-DD tai YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: ”%1” ei ole päivien määrä väliltä 0–366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>vain yhden asiakirjan voi luetella (saatiin %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: DOC.kfd puuttuu, eikä asiakirjaa ole käytetty aiemmin</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>vain yhtä asiakirjaa voi seurata (saatiin %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: asiakirjaa ei ole vielä käytetty, joten muistutuksia ei ole</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; muistutukset tulevat vakiotulosteeseen</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Yhdistynyt kuningaskunta</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Yhdistynyt kuningaskunta, Skotlanti</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Yhdistynyt kuningaskunta, Pohjois-Irlanti</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanti</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Itävalta</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Ranska</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Alankomaat</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Ruotsi</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Kreikka</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Saksa</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Saksa, Brandenburg</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Saksa, Berlin</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Saksa, Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Saksa, Baijeri</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Saksa, Bremen</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Saksa, Hessen</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Saksa, Hamburg</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Saksa, Mecklenburg-Vorpommern</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Saksa, Ala-Saksi</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Saksa, Nordrhein-Westfalen</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Saksa, Rheinland-Pfalz</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Saksa, Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Saksa, Saarland</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Saksa, Saksi</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Saksa, Sachsen-Anhalt</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Saksa, Thüringen</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japani</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espanja</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugali</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portugali, Azorit</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>Portugali, Madeira</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Puola</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Tanska</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Suomi, Ahvenanmaa</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norja</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Tšekki</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Sveitsi</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Yhdysvallat</translation>
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
        <translation>Kanada, Brittiläinen Kolumbia</translation>
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
        <translation>Kanada, Newfoundland ja Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Kanada, Nova Scotia</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Kanada, Luoteisterritoriot</translation>
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
        <translation>Kanada, Prinssi Edwardin saari</translation>
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
        <translation>Australia</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Australia, Australian pääkaupunkiterritorio</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Australia, Uusi Etelä-Wales</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Australia, Pohjoisterritorio</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Australia, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Australia, Etelä-Australia</translation>
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
        <translation>Australia, Länsi-Australia</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Uusi-Seelanti</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Espanja, Andalusia</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Espanja, Aragonia</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Espanja, Asturia</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Espanja, Baleaarit</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Espanja, Kanariansaaret</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Espanja, Kantabria</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Espanja, Kastilia ja León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Espanja, Kastilia-La Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Espanja, Katalonia</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Espanja, Extremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Espanja, Galicia</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Espanja, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Espanja, Murcia</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Espanja, Navarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Espanja, Baskimaa</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Espanja, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Espanja, Valencia</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Espanja, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Espanja, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Sveitsi, Aargau</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Sveitsi, Appenzell Innerrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Sveitsi, Appenzell Ausserrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Sveitsi, Bern</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Sveitsi, Basel-Landschaft</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Sveitsi, Basel-Stadt</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Sveitsi, Fribourg</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Sveitsi, Geneve</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Sveitsi, Glarus</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Sveitsi, Graubünden</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Sveitsi, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Sveitsi, Luzern</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Sveitsi, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Sveitsi, Nidwalden</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Sveitsi, Obwalden</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Sveitsi, St. Gallen</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Sveitsi, Schaffhausen</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Sveitsi, Solothurn</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Sveitsi, Schwyz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Sveitsi, Thurgau</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Sveitsi, Ticino</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Sveitsi, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Sveitsi, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Sveitsi, Valais</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Sveitsi, Zug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Sveitsi, Zürich</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 merkintä jätetty pois, koska sen päivämäärä on mahdoton (korjaa se kohdasta Muokkaa &gt; Luettelo)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n merkintä jätetty pois, koska sen päivämäärä on mahdoton (korjaa se kohdasta Muokkaa &gt; Luettelo)</numerusform>
            <numerusform>%n merkintää jätetty pois, koska niiden päivämäärät ovat mahdottomia (korjaa ne kohdasta Muokkaa &gt; Luettelo)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>palvelimeen %1 ei saada yhteyttä (ei verkkoa tai palvelinta ei ole): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 torjui yhteyden: siellä ei ole palvelinta</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 ei vastannut 30 sekunnin kuluessa</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>suojattu yhteys palvelimeen %1 epäonnistui, %2 (ei hyväksytty)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 katkaisi yhteyden: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 hylkäsi käyttäjätunnuksen tai salasanan</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 ei salli pyyntöä %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 ei ole palvelimella (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>palvelimella %1 ei ole tilaa kohteelle %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 vastasi pyyntöön %2 tilalla %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>tila %1 WebDAV-monitilan sijaan</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>palvelimen %1 vastaus pyyntöön %2 on järjetön: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>osoitteessa %1 ei vastaa CardDAV- eikä CalDAV-palvelin</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>palvelimella ei ole kalentereita tälle käyttäjälle, joten syntymäpäiviä ei voi julkaista</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 on kalenterin ”Birthdays” tiellä eikä ole kalenteri</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>joku muu muuttaa kohdetta %1 palvelimella jatkuvasti; se jätettiin ennalleen</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 lisätty, %2 muutettu, %3 poistettu, 1 tapahtuma julkaistu</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 lisätty, %2 muutettu, %3 poistettu, %n tapahtuma julkaistu</numerusform>
            <numerusform>%1 lisätty, %2 muutettu, %3 poistettu, %n tapahtumaa julkaistu</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>se ei ole XML:ää (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>se ei ole WebDAV-monitila</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>sen XML on rikki (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>tällä työpöydällä ei toimi salaisuuspalvelua</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>palvelin</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>varmenne ”%1”: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1: syntymäpäivä</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1: hääpäivä</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1: %2. syntymäpäivä</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1: %2. hääpäivä</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Tiedostoa ”%1” ei voi lukea: se on kansio.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Tiedostoa ”%1” ei voi avata: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Tiedostoa ”%1” ei voi lukea.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Tiedostoa ”%1” ei voi kirjoittaa: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(ei %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(vuodesta %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(vuoteen %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(korvaava päivä)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(siirretty vietto)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 kokopäivän tapahtumasta</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n kokopäivän tapahtumasta</numerusform>
            <numerusform>%n kokopäivän tapahtumasta</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 pyhä %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n pyhä %1</numerusform>
            <numerusform>%n pyhää %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 kellonajallinen tapahtuma ohitettu</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n kellonajallinen tapahtuma ohitettu</numerusform>
            <numerusform>, %n kellonajallista tapahtumaa ohitettu</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 tapahtuma katkaistu %1 päivään</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n tapahtuma katkaistu %1 päivään</numerusform>
            <numerusform>, %n tapahtumaa katkaistu %1 päivään</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>ei ole iCalendar-tiedosto (se ei ala rivillä BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>on katkennut: sen END:VCALENDAR puuttuu</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>ei ole iCalendar-tiedosto, jota libical osaa lukea</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>sisältää osia, joita libical ei osaa lukea (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Pyhä</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Uudenvuodenpäivä</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Martin Luther Kingin päivä</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Presidenttien päivä</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Lincolnin syntymäpäivä</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Ystävänpäivä</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Washingtonin syntymäpäivä</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>Pyhän Patrikin päivä</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Veropäivä</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Äitienpäivä</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Liputuspäivä</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Isänpäivä</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Itsenäisyyspäivä</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Työn päivä</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Kolumbuksen päivä</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Veteraanien päivä</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Kiitospäivä</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Joulupäivä</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>”%1” ei ole Kinfold-asiakirja tai on vaurioitunut.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 on annettu kahdesti</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>odottamaton argumentti ”%1”</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>ei asiakirjaa, johon tallentaa: anna DOC.kfd tai --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 on tuotava tiedosto; --save tarvitsee toisen nimen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>”%1” ei ole GEDCOM-tiedosto eikä vCard-tiedosto</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n merkintä tallennettu tiedostoon %2)</numerusform>
            <numerusform>%1 (%n merkintää tallennettu tiedostoon %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 lisätty, %2 yhdistetty, %3 ristiriitaa säilytetty</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 päivämäärä, jonka vuosi on välin %1..%2 ulkopuolella, jätetty pois</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n päivämäärä, jonka vuosi on välin %1..%2 ulkopuolella, jätetty pois</numerusform>
            <numerusform>, %n päivämäärää, joiden vuosi on välin %1..%2 ulkopuolella, jätetty pois</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> UK</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> KK</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> TK</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> VK</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Talvi</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Kevät</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Kesä</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Syksy</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Kylmä kuu</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Luukuu</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Tuulikuu</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Kukkakuu</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Kylvökuu</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Vihreän maissin kuu</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Kypsän maissin kuu</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Hedelmäkuu</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Pähkinäkuu</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Sadonkorjuukuu</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Kauppakuu</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Lumikuu</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Sininen kuu</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Rotta</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Härkä</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiikeri</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Jänis</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Lohikäärme</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Käärme</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Hevonen</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Vuohi</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Apina</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Kukko</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Koira</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Sika</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>eKr.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>juliaaninen</translation>
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
        <translation>Peru</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Anna kokonaisluku.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Anna kokonaisluku väliltä %1–%2.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Kuukauden on oltava 1–12, tai 0 ja päivä 0, jos sitä ei tiedetä.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Kuukauden on oltava 1–12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Päivämäärän ”%1” kuukauden on oltava 1–12, tai 0 ja päivä 0, jos sitä ei tiedetä.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Päivämäärän ”%1” kuukauden on oltava 1–12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 ilman vuotta</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Päivä ei voi olla %1: kuukaudessa %2 on %3 päivää.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Päivämäärän ”%1” päivä ei voi olla %2: kuukaudessa %3 on %4 päivää.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Käytä asetettua arvoa.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Käytä alkuperäistä arvoa.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Käytä alkuperäisiä arvoja.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>tänään</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>huomenna</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>%n päivän päästä</numerusform>
            <numerusform>%n päivän päästä</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n syntymäpäivä tai tapahtuma tulossa</numerusform>
            <numerusform>%n syntymäpäivää ja tapahtumaa tulossa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ja %n muu</numerusform>
            <numerusform>ja %n muuta</numerusform>
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
        <translation>%1: hääpäivä</translation>
    </message>
</context>
</TS>
