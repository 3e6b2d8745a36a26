<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Modifica compleanno</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Scegliere il tipo di voce.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Elimina questa voce</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Rimuove questa voce.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Testo mostrato</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Nome di una persona</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Compleanno di una persona</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Coppia (Joe+Mary) data del matrimonio</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Nota (medico alle 16) data mostrata</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Elenco dei compleanni</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>L&apos;elenco dei compleanni.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Modifica la voce.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Elimina la voce selezionata.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Crea una nuova voce.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Mostra solo le voci il cui testo o data contiene questi caratteri.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Le festività di quale paese.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Inserisci data</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Set desired year, do not abbreviate.</source>
        <translation>Inserire l&apos;anno desiderato, senza abbreviarlo.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Inserire il numero del mese (1-12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Inserire il giorno del mese (1-31).</translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Colore…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Modifica festività</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Per esempio Natale.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Definizione legale.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Venerdì santo -2, lunedì dell&apos;Angelo 1, Ascensione 39, lunedì di Pentecoste 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Come il Regno Unito osserva Natale e il Boxing Day.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Scegliere il mese.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Scegliere la settimana (1ª..ultima).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Scegliere il giorno della settimana.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Qui è previsto un numero.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Giorno della settimana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Occidentale</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Ortodossa</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>La Pasqua di quali chiese.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Giorni dopo la domenica di Pasqua, o prima se negativo.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>L&apos;unico anno in cui vale la festività.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Se la data cade in questo giorno della settimana, la data stessa.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pasqua</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Giorni da Pasqua</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>La data stessa di</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Data fissa</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Giorno della settimana fisso</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Giorno lavorativo successivo a</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Data fissa, nel fine settimana anche il giorno feriale libero successivo</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Data fissa, di domenica il sabato precedente</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Giorno della settimana alla data o dopo</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Giorno della settimana alla data o prima</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Data di un solo anno</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Giorno della settimana alla data o dopo, o la data stessa di</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Giorno lavorativo dopo</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terza</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quarta</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinta</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultima</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Data fissa, nel fine settimana anche il venerdì prima o il lunedì dopo (osservato)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Giorno in cui inizia la stagione (equinozio o solstizio)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Una festività di domenica: il giorno libero successivo</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Un giorno tra due festività</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Non alla data in un anno (spostato)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Come gli Stati Uniti osservano le loro festività federali.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Scegliere marzo o settembre per gli equinozi, giugno o dicembre per i solstizi.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Per tutto l&apos;elenco, come il Giappone osserva le sue festività; il nome è quello del giorno.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Per tutto l&apos;elenco; il giorno della settimana scelto è escluso.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>La festività con questo nome non si osserva alla sua data nell&apos;anno indicato.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Ore di differenza dell&apos;ora locale da UT (Giappone 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Ore da UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Primo anno in cui vale la festività; vuoto per sempre.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Ultimo anno in cui vale la festività; vuoto per sempre.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Valido dall&apos;anno</translation>
    </message>
    <message>
        <source>to</source>
        <translation>al</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>L&apos;ultimo anno precede il primo.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Modifica l&apos;elenco delle festività</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Elenco delle festività.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Paese…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Modifica la festività selezionata.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Inserisce una nuova festività.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Rimuove la festività selezionata.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Ripristina le impostazioni di fabbrica.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Inserisce le festività di un paese.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Da file…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Aggiunge gli eventi di un&apos;intera giornata di un file di calendario (.ics).</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Da file</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>File iCalendar (*.ics *.ical);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Mese&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>Avanza di un mese
Mese successivo</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Mese</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Torna al mese precedente
Mese precedente</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Anno&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Avanza di un anno
Anno successivo</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Anno</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Torna all&apos;anno precedente
Anno precedente</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Va all&apos;anno e al mese correnti
Questo mese, quest&apos;anno</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Inserire un anno e un mese qualsiasi
Qualsiasi anno, qualsiasi mese</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Data obiettivo</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Mostra i giorni mancanti a (o trascorsi da) una data
Numero di giorni</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Defunti</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Compleanni dopo la data di morte
Compleanni</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Lunedì come primo giorno della settimana
Inizio settimana</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome proprio</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Mostra solo il nome proprio
Compleanno</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversari</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Mostra gli anniversari di matrimonio
Matrimonio</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Conta giorni</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Giorni dall&apos;obiettivo\Conto alla rovescia</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Usa immagini come sfondo del calendario
Sfondo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Note
Mostra le note nel calendario</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Fase lunare</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Mostra l&apos;inizio delle fasi lunari
Quarto</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Stagioni</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Inizio delle stagioni
Stagione</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Numeri di settimana</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Mostra il numero di ogni settimana nel suo primo giorno
Numeri di settimana</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Un mese per pagina/nNormale</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Sei mesi per pagina
sei mesi</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Dodici mesi per pagina
Anno</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Attuale</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Il nostro calendario attuale
Attuale</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Vecchio stile</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>usato fino al 1400 o al 1700
Vecchio stile</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Ogni mese inizia con la luna nuova
Luna</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Anno del Serpente</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Calendario cinese per divertimento
Anno del Serpente</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Apre la finestra delle opzioni
Opzioni permanenti</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Applica profilo</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Imposta le opzioni dell&apos;ultimo profilo salvato
Applica opzioni</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Elenco</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Vedi e modifica l&apos;elenco dei nomi
Modifica nomi</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Carica compleanni da un file GEDCOM di un programma di genealogia o da una rubrica vCard
Importa</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Esporta calendario…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Salva compleanni, anniversari e note mostrati come file iCalendar per calendari del telefono e web
Esporta calendario</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Aggiungi, modifica o elimina festività
Elenco festività</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Stam&amp;pa…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Stampa il calendario
Stampa</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Antepri&amp;ma di stampa</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Mostra il calendario come verrà stampato
Anteprima di stampa</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Imposta&amp;zioni di stampa…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambia la stampante e le opzioni di stampa
Impostazioni di stampa</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;Informazioni su Compleanni…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>File di compleanni (*.ged *.vcf *.vcard);;File GEDCOM (*.ged);;Rubrica vCard (*.vcf *.vcard);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>L&apos;elenco dei nomi non è vuoto.  Unire il file all&apos;elenco attuale?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>È possibile salvare l&apos;elenco attuale con Salva o Salva come nel menu File e poi svuotarlo con Nuovo nel menu File.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Esporta calendario</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>File iCalendar (*.ics);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Prossimi…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Elenca compleanni, anniversari e note dei prossimi 30 giorni
Prossimi</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>File di Kinfold (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Per la guida, premere F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Crea un nuovo elenco di compleanni</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Apre un elenco di compleanni esistente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Salva l&apos;elenco dei compleanni</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Salva l&apos;elenco dei compleanni con un nuovo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Esce dal programma; chiede di salvare l&apos;elenco</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>F&amp;ile</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annulla l&apos;ultima azione</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Taglia la selezione e la mette negli appunti</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copia la selezione negli appunti</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Inserisce il contenuto degli appunti</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra degli strumenti</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostra o nasconde la barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra o nasconde la barra di stato</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Mesi/pagina</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Indice della guida</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Cerca nell&apos;indice della guida</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Indice della guida</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Calendario gregoriano</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Dissertazione sul calendario in uso oggi</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Calendario mondiale</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Informazioni su Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Progetti futuri</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>I miei progetti di miglioramenti e altro</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Sogni</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Il calendario gregoriano&lt;/h3&gt;&lt;p&gt;Il calendario in uso civile oggi conta 365 giorni in un anno comune e 366 in un anno bisestile. Un anno è bisestile quando è divisibile per 4, tranne gli anni secolari, che sono bisestili solo quando sono divisibili per 400: il 1900 non fu bisestile, il 2000 sì.&lt;/p&gt;&lt;p&gt;Sostituì il calendario giuliano, che rendeva bisestile ogni quarto anno e così anticipava le stagioni di circa tre giorni in quattrocento anni. Con la riforma dell&apos;ottobre 1582 furono saltati dieci giorni: a giovedì 4 ottobre seguì venerdì 15 ottobre. Kinfold mostra da sé i mesi fino all&apos;ottobre 1582 nel calendario giuliano e li intitola «Julian»; il calendario Vecchio stile mostra ogni mese come sarebbe stato tenuto dove la riforma arrivò tardi (la Gran Bretagna e le sue colonie cambiarono nel 1752). Nel Vecchio stile l&apos;anno iniziava a marzo, quindi da gennaio a marzo portano entrambi gli anni, come in February 1699/0.&lt;/p&gt;&lt;p&gt;Il calendario Luna inizia ogni mese il giorno dopo una luna nuova; un anno che contiene tredici lune nuove termina con una Blue Moon. Il calendario Anno del Serpente usa gli stessi mesi e chiama ogni anno con il suo animale.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold tiene un elenco di compleanni, anniversari di matrimonio e note con data e li disegna in calendari mensili: uno, sei o dodici mesi per pagina, sullo schermo e su carta.&lt;/p&gt;&lt;p&gt;Ogni giorno mostra il suo numero, la festività del giorno nella riga in basso e sopra le persone del giorno con la loro età. L&apos;angolo di un giorno può mostrare l&apos;inizio di una stagione o di una fase lunare, oppure i giorni mancanti a una data obiettivo o trascorsi da essa.&lt;/p&gt;&lt;p&gt;Usare i pulsanti della barra dei menu per spostarsi di mese e di anno, il menu Visualizza per scegliere che cosa mostrare e il menu Modifica per cambiare l&apos;elenco e le festività. Gli elenchi si salvano come file .kfd e possono accogliere persone da un file GEDCOM di un programma di genealogia.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Progetti futuri&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Stampare l&apos;elenco dei nomi oltre al calendario.&lt;/li&gt;&lt;li&gt;Promemoria alcuni giorni prima di un compleanno.&lt;/li&gt;&lt;li&gt;Altri calendari, e festività che seguono la Pasqua.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Guida di Kinfold</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Premere il pulsante per cambiare carattere, dimensione e colore indicati.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Colore delle linee</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Mese e anno</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Nome del giorno della settimana</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Numero del giorno</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Contatore dei giorni</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Nome della persona</translation>
    </message>
</context>
<context>
    <name>CPPMargins</name>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superiore</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferiore</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Giorni della settimana</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mesi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nomi</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>Il 29 febbraio negli altri anni:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Mostra il 28 febbraio</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Mostra il 1º marzo</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Mostra solo negli anni bisestili</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Mostra le età</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Mostra le età sotto i 18 anni</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Non mostrare le età</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Includi i compleanni dei defunti</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Inizia la settimana di lunedì anziché di domenica</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Usa solo il nome proprio</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Mostra gli anniversari di matrimonio</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Mostra il conteggio dei giorni (fino a o dalla data obiettivo)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Mostra le immagini</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Mostra le note</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Mostra la fase lunare</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Mostra le stagioni</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Mostra i numeri di settimana</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Scegliere</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Due date indicate per</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Scegliere quella corretta.</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Scegli un anno</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Selezionare l&apos;anno da usare</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Invariato</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Selezionare il mese.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit</source>
        <translation>Mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Mostra la versione ed esce</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Unisce un file GEDCOM o vCard a DOC.kfd (o a un nuovo elenco) senza finestra</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Salva l&apos;elenco unito in OUT.kfd invece che in DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Scrive le voci che il calendario mostra di DOC.kfd (o dell&apos;ultimo documento) come eventi iCalendar annuali</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Stampa dodici mesi di DOC.kfd (o di un elenco vuoto) in un file PDF senza finestra</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Primo anno stampato, da -9900 a 11400; da gennaio se non è indicato --month</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Primo mese stampato: 1-12, o 13 in un anno lunare di 13 mesi</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 o 12 mesi per pagina</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Attuale, 1 Vecchio stile, 2 Luna, 3 Anno del Serpente</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Formato della carta: Letter, Legal, A4, A3, A5 e altri nomi standard; se non indicato, quello delle impostazioni locali (Letter o A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Pagine verticali</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Pagine orizzontali, il valore predefinito</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Il numero di ogni riga di settimana nella sua prima cella</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Elenca gli insiemi di festività dei paesi inclusi, uno per riga: codice, uno spazio, il nome</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Esclude dagli eventi gli avvisi dei promemoria</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Stampa gli eventi di oggi e dei DAYS giorni successivi (14 in modo predefinito, al massimo 366) di DOC.kfd (o dell&apos;ultimo documento)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Mostra una notifica del desktop per ogni promemoria scaduto di DOC.kfd (o del documento sorvegliato)</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Usa questa data e ora locali (00:00 se manca l&apos;ora) come adesso</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Stampa ogni festività di YEAR (da -9900 a 11400) come «YYYY-MM-DD nome», dall&apos;elenco salvato</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Aggiunge gli eventi di un&apos;intera giornata di un file iCalendar all&apos;elenco delle festività salvato (gli eventi con orario sono ignorati)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Festività del paese CODE (vedi --holiday-sets) solo per questa esecuzione; con --upcoming anche &quot;stored&quot;</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
</TS>
