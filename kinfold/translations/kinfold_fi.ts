<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
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
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
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
        <source>&amp;View</source>
        <translation>&amp;Näytä</translation>
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
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
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
        <translation>&lt;h3&gt;Gregoriaaninen kalenteri&lt;/h3&gt;&lt;p&gt;Nykyisin siviilikäytössä oleva kalenteri laskee tavalliseen vuoteen 365 päivää ja karkausvuoteen 366. Vuosi on karkausvuosi, kun se on jaollinen neljällä, paitsi vuosisadan vaihteen vuodet, jotka ovat karkausvuosia vain, kun ne ovat jaollisia 400:lla: 1900 ei ollut karkausvuosi, 2000 oli.&lt;/p&gt;&lt;p&gt;Se korvasi juliaanisen kalenterin, jossa joka neljäs vuosi oli karkausvuosi ja joka siksi edisti vuodenaikoihin nähden noin kolme päivää neljässäsadassa vuodessa. Kun uudistus tuli lokakuussa 1582, kymmenen päivää jätettiin pois: torstaita 4. lokakuuta seurasi perjantai 15. lokakuuta. Kinfold näyttää kuukaudet lokakuuhun 1582 asti itsestään juliaanisessa kalenterissa ja otsikoi ne ”Julian”; vanhan luvun kalenteri näyttää minkä tahansa kuukauden sellaisena kuin sitä olisi pidetty siellä, minne uudistus tuli myöhään (Iso-Britannia siirtomaineen vaihtoi vuonna 1752). Vanhan luvun mukaan vuosi alkoi maaliskuussa, joten tammi–maaliskuulla on molemmat vuodet, kuten February 1699/0.&lt;/p&gt;&lt;p&gt;Kuukalenteri aloittaa jokaisen kuukauden uutta kuuta seuraavana päivänä; vuosi, jossa on kolmetoista uutta kuuta, päättyy Blue Mooniin. Käärmeen vuoden kalenteri käyttää samoja kuukausia ja nimeää jokaisen vuoden sen eläimen mukaan.&lt;/p&gt;</translation>
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
</context>
<context>
    <name>CommandLine</name>
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
        <source>Print each holiday of YEAR (1-9999) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Tulosta vuoden YEAR (1–9999) jokainen juhlapäivä muodossa ”YYYY-MM-DD nimi” tallennetusta luettelosta</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only</source>
        <translation>Maajoukon CODE juhlapäivät (katso --holiday-sets) vain tällä suorituskerralla</translation>
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
</context>
</TS>
