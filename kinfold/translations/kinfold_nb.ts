<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
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
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
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
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
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
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
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
</context>
<context>
    <name>CommandLine</name>
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
</context>
</TS>
