<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>nessuna password per %1 (nessuna nel portachiavi; indicarla con --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account richiede --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account richiede l&apos;indirizzo del server</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user va con --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>si può sincronizzare un solo documento (ricevuto %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: «%1» non è un numero di account (vedere kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; l&apos;account non è stato aggiunto</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>nessuna rubrica su %1 e niente da pubblicare; l&apos;account non è stato aggiunto</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 è già l&apos;account %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>la password non è stata conservata (%1); indicarla a ogni sincronizzazione con --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>account %1: %2, 1 rubrica</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>account %1: %2, %n rubrica</numerusform>
            <numerusform>account %1: %2, %n rubriche</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, pubblica in «Birthdays»</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>tutte le rubriche</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: non esiste l&apos;account %1 (vedere kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>account %1 (%2) rimosso</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>non c&apos;è alcun account da sincronizzare (aggiungerne uno con --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 scheda non è stata letta ed è stata tralasciata</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n scheda non è stata letta ed è stata tralasciata</numerusform>
            <numerusform>%1: %n schede non sono state lette e sono state tralasciate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n rubrica</numerusform>
            <numerusform>%n rubriche</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: l&apos;indirizzo non deve contenere la password; indicarla sullo standard input</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 non è né un file GEDCOM («0 HEAD») né un file vCard («BEGIN:VCARD»).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Il file</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato di file inatteso.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Aggiungi account</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifica account</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>L&apos;indirizzo del server (https://dav.example.org/) o l&apos;indirizzo di una rubrica.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>invariata</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Conservata nel portachiavi del desktop, mai in un file.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Pubblica i compleanni nel calendario «Birthdays»</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Le rubriche lette; quando sono tutte spuntate, si leggono anche quelle nuove.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Trova rubriche</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Rubriche:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Indicare l&apos;indirizzo del server e il proprio nome utente.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(nessuna rubrica su questo server)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Spuntare una rubrica o pubblicare i compleanni.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>La password non può essere conservata: %1. Kinfold la chiederà a ogni sincronizzazione.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Togliere la password dall&apos;indirizzo del server e indicarla in Password.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Rubriche lette nell&apos;elenco e calendari in cui vengono pubblicati i compleanni.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Rimuovere l&apos;account %1? Le voci che ha portato restano nell&apos;elenco.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>tutte le rubriche</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n rubrica</numerusform>
            <numerusform>%n rubriche</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, pubblica «Birthdays»</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Non c&apos;è ancora alcun account: aggiungerne uno con File &gt; Account…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Sincronizzazione con gli account…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Il server ha rifiutato la password di %1. Password:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Password di %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizza ora</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n scheda non è stata letta ed è stata tralasciata.</numerusform>
            <numerusform>%1: %n schede non sono state lette e sono state tralasciate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Sincronizzazione non riuscita</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Sincronizzato: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>La sincronizzazione non è terminata; l&apos;elenco conserva ciò che è stato letto e la prossima sincronizzazione riprende da lì.</translation>
    </message>
</context>
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
    <message>
        <source>Birth year.</source>
        <translation>Anno di nascita.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Mese di nascita.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Giorno di nascita nel mese.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Anno del matrimonio.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Mese del matrimonio.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Giorno del matrimonio nel mese.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Anno di morte.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Mese di morte.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Giorno di morte nel mese.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Nascita</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Matrimonio</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Morte</translation>
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
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Una data di questa voce non può esistere: correggerla con Modifica.</translation>
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
    <message>
        <source>Please choose a country.</source>
        <translation>Scegliere un paese.</translation>
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
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Esporta calendario</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Includi</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Compleanni</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>I compleanni delle persone dell&apos;elenco.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Anniversari</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Gli anniversari di matrimonio delle coppie («Anniversari» nel calendario).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>Le note datate («Note» nel calendario).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Compleanni dopo la data di morte</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Disattivato: un compleanno termina alla data di morte («Defunti» nel calendario).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Promemoria come allarmi</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Un allarme per ogni giorno di anticipo dei promemoria, alla loro ora.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 evento; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n evento; %1.</numerusform>
            <numerusform>%n eventi; %1.</numerusform>
        </translation>
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
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Sostituire le proprie festività con quelle di %1?

Sì sostituisce l&apos;elenco, No le aggiunge alla fine.</translation>
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
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n voce nell&apos;elenco)</numerusform>
            <numerusform>%1 (%n voci nell&apos;elenco)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 evento scritto in %1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n evento scritto in %1; %2</numerusform>
            <numerusform>%n eventi scritti in %1; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossibile scrivere %1</translation>
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
        <translation>&lt;h3&gt;Il calendario gregoriano&lt;/h3&gt;&lt;p&gt;Il calendario in uso civile oggi conta 365 giorni in un anno comune e 366 in un anno bisestile. Un anno è bisestile quando è divisibile per 4, tranne gli anni secolari, che sono bisestili solo quando sono divisibili per 400: il 1900 non fu bisestile, il 2000 sì.&lt;/p&gt;&lt;p&gt;Sostituì il calendario giuliano, che rendeva bisestile ogni quarto anno e così anticipava le stagioni di circa tre giorni in quattrocento anni. Con la riforma dell&apos;ottobre 1582 furono saltati dieci giorni: a giovedì 4 ottobre seguì venerdì 15 ottobre. Kinfold mostra da sé i mesi fino all&apos;ottobre 1582 nel calendario giuliano e li intitola «giuliano»; il calendario Vecchio stile mostra ogni mese come sarebbe stato tenuto dove la riforma arrivò tardi (la Gran Bretagna e le sue colonie cambiarono nel 1752). Nel Vecchio stile l&apos;anno iniziava a marzo, quindi da gennaio a marzo portano entrambi gli anni, come in febbraio 1699/0.&lt;/p&gt;&lt;p&gt;Il calendario Luna inizia ogni mese il giorno dopo una luna nuova; un anno che contiene tredici lune nuove termina con una «Luna blu». Il calendario Anno del Serpente usa gli stessi mesi e chiama ogni anno con il suo animale.&lt;/p&gt;</translation>
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
    <message>
        <source>Accounts...</source>
        <translation>Account…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Aggiunge, modifica o rimuove le rubriche lette e il calendario in cui pubblicare</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizza ora</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Legge le rubriche degli account nell&apos;elenco e ne pubblica i compleanni</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAIUSC</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCORR</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>F&amp;ile</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Aiuto</translation>
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
    <message>
        <source>(default)</source>
        <translation>(predefinito)</translation>
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
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Ricordami compleanni, anniversari e note</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Notifiche del desktop all&apos;accesso e ogni ora.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Ricordami</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>Il giorno stesso</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 giorno prima</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 giorni prima</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 giorni prima</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 giorni prima</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 giorni prima</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Da quest&apos;ora del giorno:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>I promemoria di un giorno arrivano da quest&apos;ora in poi.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Documento osservato</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>L&apos;ultimo usato</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Questo:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Scegliere il documento di cui ricevere i promemoria.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Elenco dei compleanni (*.kfd);;Tutti i file (*)</translation>
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
    <message>
        <source>Death</source>
        <translation>Morte</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Matrimonio</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Nascita</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Prossimi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>I compleanni, gli anniversari e le note di oggi e dei prossimi 30 giorni.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Niente nei prossimi 30 giorni</translation>
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
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Inserire un anno da %1 a %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>gen</translation>
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
        <translation>mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>ott</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (compleanno)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Nato/a nel %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (anniversario)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Sposati nel %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 compleanno</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n compleanno</numerusform>
            <numerusform>%n compleanni</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 anniversario</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n anniversario</numerusform>
            <numerusform>%n anniversari</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 nota</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n note</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>tralasciati: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>niente tralasciato</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 compleanno termina alla data di morte</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n compleanno termina alla data di morte</numerusform>
            <numerusform>%n compleanni terminano alla data di morte</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics richiede il nome del file di calendario da scrivere</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics scrive un file iCalendar, non «%1» (indicare OUT.ics, poi il documento)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>nessun DOC.kfd indicato, e l&apos;ultimo documento non può essere letto: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 evento scritto in %1 (da %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n evento scritto in %1 (da %2)</numerusform>
            <numerusform>%n eventi scritti in %1 (da %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 è il documento stesso; il PDF lo sostituirebbe</translation>
    </message>
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
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Aggiunge un account CardDAV/CalDAV (la radice di un server o una raccolta); la password è letta dallo standard input</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Il nome utente dell&apos;account</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Legge solo le rubriche, non pubblica alcun calendario</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Elenca gli account, uno per riga, con i loro numeri</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Rimuove l&apos;account N (vedere --accounts) e la sua password</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Legge le rubriche di ogni account in DOC.kfd (o nell&apos;ultimo documento) e ne pubblica i compleanni</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Legge le password degli account dallo standard input, una per riga, invece che dal portachiavi</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>si può unire in un solo documento (ricevuto %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>si può esportare un solo documento (ricevuto %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays non legge alcun documento (ricevuto %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets non legge alcun documento (ricevuto %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf scrive un file PDF, non «%1» (indicare OUT.pdf, poi il documento)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays non legge alcun documento (ricevuto %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (vedere kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 e %2 non possono essere usati insieme</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>opzione sconosciuta %1 (vedere kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: «%2» non è un anno</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: non esiste l&apos;anno 0 (l&apos;1 a.C. è l&apos;anno -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 è fuori dagli anni mostrati, da %3 a %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: nessun insieme di paese «%1» (vedere kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf richiede il nome di un file di uscita</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: «%1» non è nessuno di 0 (Attuale), 1 (Vecchio stile), 2 (Luna), 3 (Anno del Serpente)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: «%1» non è un mese da 1 a 12, né 13 in un anno lunare di 13 mesi</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: il mese 13 esiste solo nei calendari lunari (--calendar 2 o 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: l&apos;anno lunare %1 ha 12 mesi</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: «%1» non è nessuno di 1, 6 o 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: carta sconosciuta «%1» (provare Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait e --landscape non possono essere usati insieme</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>si può stampare un solo documento (ricevuto %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: «%1» non è una data YYYY-MM-DD o YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: «%1» non è un numero di giorni da 0 a 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>si può elencare un solo documento (ricevuto %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: nessun DOC.kfd indicato e nessun documento usato prima</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>si può osservare un solo documento (ricevuto %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: nessun documento ancora usato, quindi nessun promemoria</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; i promemoria seguono sullo standard output</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Regno Unito</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Regno Unito, Scozia</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Regno Unito, Irlanda del Nord</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Paesi Bassi</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Svezia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grecia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Germania, Brandeburgo</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Germania, Berlino</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Germania, Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Germania, Baviera</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Germania, Brema</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Germania, Assia</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Germania, Amburgo</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Germania, Meclemburgo-Pomerania Anteriore</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Germania, Bassa Sassonia</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Germania, Renania Settentrionale-Vestfalia</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Germania, Renania-Palatinato</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Germania, Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Germania, Saarland</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Germania, Sassonia</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Germania, Sassonia-Anhalt</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Germania, Turingia</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Giappone</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spagna</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portogallo</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portogallo, Azzorre</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>Portogallo, Madeira</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Danimarca</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Finlandia, Åland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norvegia</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Cechia</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgio</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Svizzera</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Lussemburgo</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Stati Uniti</translation>
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
        <translation>Canada, Columbia Britannica</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Canada, Manitoba</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Canada, Nuovo Brunswick</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Canada, Terranova e Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Canada, Nuova Scozia</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Canada, Territori del Nord-Ovest</translation>
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
        <translation>Canada, Isola del Principe Edoardo</translation>
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
        <translation>Australia, Territorio della Capitale Australiana</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Australia, Nuovo Galles del Sud</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Australia, Territorio del Nord</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Australia, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Australia, Australia Meridionale</translation>
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
        <translation>Australia, Australia Occidentale</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nuova Zelanda</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Spagna, Andalusia</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Spagna, Aragona</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Spagna, Asturie</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Spagna, Isole Baleari</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Spagna, Isole Canarie</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Spagna, Cantabria</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Spagna, Castiglia e León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Spagna, Castiglia-La Mancia</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Spagna, Catalogna</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Spagna, Estremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Spagna, Galizia</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Spagna, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Spagna, Murcia</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Spagna, Navarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Spagna, Paesi Baschi</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Spagna, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Spagna, Comunità Valenciana</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Spagna, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Spagna, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Svizzera, Argovia</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Svizzera, Appenzello Interno</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Svizzera, Appenzello Esterno</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Svizzera, Berna</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Svizzera, Basilea Campagna</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Svizzera, Basilea Città</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Svizzera, Friburgo</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Svizzera, Ginevra</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Svizzera, Glarona</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Svizzera, Grigioni</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Svizzera, Giura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Svizzera, Lucerna</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Svizzera, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Svizzera, Nidvaldo</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Svizzera, Obvaldo</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Svizzera, San Gallo</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Svizzera, Sciaffusa</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Svizzera, Soletta</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Svizzera, Svitto</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Svizzera, Turgovia</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Svizzera, Ticino</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Svizzera, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Svizzera, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Svizzera, Vallese</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Svizzera, Zugo</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Svizzera, Zurigo</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 voce tralasciata, perché la sua data non può esistere (correggerla con Modifica &gt; Elenco)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n voce tralasciata, perché la sua data non può esistere (correggerla con Modifica &gt; Elenco)</numerusform>
            <numerusform>%n voci tralasciate, perché le loro date non possono esistere (correggerle con Modifica &gt; Elenco)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>impossibile raggiungere %1 (nessuna rete, o server inesistente): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 ha rifiutato la connessione: lì non è in esecuzione alcun server</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 non ha risposto entro 30 secondi</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>la connessione sicura a %1 non è riuscita, %2 (non accettato)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 ha interrotto la connessione: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 ha rifiutato il nome utente o la password</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 non consente %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 non esiste sul server (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 non ha più spazio per %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 ha risposto a %2 con lo stato %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>stato %1 invece di un multistatus WebDAV</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>la risposta di %1 a %2 non ha senso: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>nessun server CardDAV o CalDAV risponde a %1</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>il server non tiene calendari per questo utente, quindi i compleanni non possono essere pubblicati</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 è d&apos;intralcio al calendario «Birthdays» e non è un calendario</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>qualcun altro continua a modificare %1 sul server; è stato lasciato com&apos;è</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 aggiunti, %2 modificati, %3 rimossi, 1 evento pubblicato</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 aggiunti, %2 modificati, %3 rimossi, %n evento pubblicato</numerusform>
            <numerusform>%1 aggiunti, %2 modificati, %3 rimossi, %n eventi pubblicati</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>non è XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>non è un multistatus WebDAV</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>il suo XML è danneggiato (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>nessun servizio di segreti è in esecuzione su questo desktop</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>il server</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>il certificato di «%1»: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1: compleanno</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1: anniversario</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1: %2° compleanno</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1: %2° anniversario</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Impossibile leggere «%1»: è una cartella.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossibile aprire «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Impossibile leggere «%1».</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(non il %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(dal %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(fino al %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(giorno sostitutivo)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(osservata)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 evento di un giorno intero</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n evento di un giorno intero</numerusform>
            <numerusform>%n eventi di un giorno intero</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 festività da %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n festività da %1</numerusform>
            <numerusform>%n festività da %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 evento con orario saltato</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n evento con orario saltato</numerusform>
            <numerusform>, %n eventi con orario saltati</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 evento troncato a %1 giorni</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n evento troncato a %1 giorni</numerusform>
            <numerusform>, %n eventi troncati a %1 giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>non è un file iCalendar (non inizia con BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>è troncato: manca il suo END:VCALENDAR</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>non è un file iCalendar che libical sa leggere</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>ha parti che libical non sa leggere (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festività</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Capodanno</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Giorno di Martin Luther King</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Giorno dei Presidenti</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Compleanno di Lincoln</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>San Valentino</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Compleanno di Washington</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>San Patrizio</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Giorno delle tasse</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Festa della mamma</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Giorno della bandiera</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Festa del papà</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Giorno dell&apos;Indipendenza</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Festa del lavoro</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Giorno di Colombo</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Giorno dei veterani</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Giorno del Ringraziamento</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Natale</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>«%1» non è un documento Kinfold o è danneggiato.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 è indicato due volte</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>nessun documento in cui salvare: indicare DOC.kfd o --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 è il file che si importa; --save vuole un altro nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>«%1» non è né un file GEDCOM né un file vCard</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n voce salvata in %2)</numerusform>
            <numerusform>%1 (%n voci salvate in %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 aggiunti, %2 uniti, %3 conflitti mantenuti</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 data con un anno fuori da %1..%2 tralasciata</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n data con un anno fuori da %1..%2 tralasciata</numerusform>
            <numerusform>, %n date con un anno fuori da %1..%2 tralasciate</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> LN</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> PQ</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> LP</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> UQ</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Inverno</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Primavera</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Estate</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Autunno</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Luna fredda</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Luna delle ossa</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Luna dei venti</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Luna dei fiori</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Luna della semina</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Luna del mais verde</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Luna del mais maturo</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Luna dei frutti</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Luna delle noci</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Luna del raccolto</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Luna dei commerci</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Luna della neve</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Luna blu</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Bufalo</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Lepre</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drago</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavallo</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Capra</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Scimmia</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gallo</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cane</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Maiale</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>a.C.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>giuliano</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Il mese deve essere da 1 a 12, o 0 con il giorno 0 quando non è noto.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Il mese deve essere da 1 a 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Il mese di «%1» deve essere da 1 a 12, o 0 con il giorno 0 quando non è noto.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Il mese di «%1» deve essere da 1 a 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 senza anno</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Il giorno non può essere %1: %2 ha %3 giorni.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Il giorno di «%1» non può essere %2: %3 ha %4 giorni.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Usa il valore come è impostato.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Usa il valore originale.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Usa i valori originali.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>domani</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>tra %n giorno</numerusform>
            <numerusform>tra %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n compleanno o evento in arrivo</numerusform>
            <numerusform>%n compleanni ed eventi in arrivo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e altro %n</numerusform>
            <numerusform>e altri %n</numerusform>
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
        <translation>%1 anniversario</translation>
    </message>
</context>
</TS>
