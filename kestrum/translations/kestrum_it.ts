<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Fare clic per ridurre a icona.  Clic DESTRO per configurare.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Scegliere una città del proprio fuso orario.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Città, quadrante e sveglia…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posticipa</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Suona di nuovo tra 10 minuti</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Nessun fuso orario trovato per:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Sveglia adesso</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Sveglia tra %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Elimina questo orologio…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Eliminare questo orologio?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>domani</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ieri</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n giorno prima</numerusform>
            <numerusform>%n giorni prima</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n giorno dopo</numerusform>
            <numerusform>%n giorni dopo</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1g</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>time to the alarm: hours</comment>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>time to the alarm: minutes</comment>
        <translation>%1min</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>time to the alarm: seconds</comment>
        <translation>%1s</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours ahead of local time</comment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1y</source>
        <comment>time to the alarm: years</comment>
        <translation>%1a</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crea un nuovo documento</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Apre un documento esistente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salva il documento attivo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Sa&amp;lva come…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Salva il documento attivo con un nuovo nome</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Esce dall&apos;applicazione; chiede di salvare i documenti</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato di file inatteso.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Impossibile aprire il file %1.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Impossibile salvare il documento %1.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Apre questo documento</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>File recente</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Imposta sveglia</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Inserire il messaggio da mostrare all&apos;ora della sveglia.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Imposta la sveglia perché suoni all&apos;ora indicata.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Annulla la sveglia.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Imposta la data della sveglia.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Imposta l&apos;ora della sveglia.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Quella data e ora è già passata</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Avviene tra %1 da adesso %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Chiude senza modificare la sveglia.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Quella data e ora è già passata. Scegliere un&apos;ora successiva per la sveglia.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Quale città?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderno</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icona</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitale</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24 ore</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Selezionare una città.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Imposta questo orologio sulla città selezionata e chiude</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Crea un nuovo orologio per la città selezionata</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Elimina questo orologio e chiude</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Imposta una sveglia nell&apos;ora della città selezionata</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Sceglie l&apos;aspetto dell&apos;orologio</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Digitare parte del nome di una città per trovarla.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Chiude senza creare un orologio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>con</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 è indicata due volte</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 richiede %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 va usata con %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>-- deve essere seguito da un file</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>nessuno schermo (né DISPLAY né WAYLAND_DISPLAY sono impostate)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>impossibile aprire lo schermo %1</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (vedere %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>Impossibile scrivere il comando di riavvio</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Impossibile leggere i comandi di riavvio</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Errore nel riscrivere il file di avvio</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer non riuscito</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>Manca TimeZones.txt, un file necessario.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>impossibile rimuovere %1: %2</translation>
    </message>
</context>
</TS>
