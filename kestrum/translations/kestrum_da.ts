<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Klik for at minimere.  HØJREklik for opsætning.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Vælg en by i din tidszone.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>lørdag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>søndag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>mandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>tirsdag</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>onsdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>torsdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>fredag</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>By, urskive og alarm…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Start ved login</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Snooze</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Ring igen om 10 minutter</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Ingen tidszone fundet for:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Alarm nu</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Alarm om %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Minimér</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Slet dette ur…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Slet dette ur?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>i dag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>i morgen</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>i går</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n dag tidligere</numerusform>
            <numerusform>%n dage tidligere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n dag senere</numerusform>
            <numerusform>%n dage senere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1d</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>time to the alarm: hours</comment>
        <translation>%1t</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>time to the alarm: minutes</comment>
        <translation>%1m</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>time to the alarm: seconds</comment>
        <translation>%1s</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours ahead of local time</comment>
        <translation>%1 t</translation>
    </message>
    <message>
        <source>%1y</source>
        <comment>time to the alarm: years</comment>
        <translation>%1å</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Unavngivet</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Opret et nyt dokument</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>Å&amp;bn…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Åbn et eksisterende dokument</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Gem det aktive dokument</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Gem &amp;som…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Gem det aktive dokument under et nyt navn</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>A&amp;fslut</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Afslut programmet; spørger om dokumenter skal gemmes</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Gem ændringerne i %1?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gem som</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Uventet filformat.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Kan ikke åbne filen %1.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Dokumentet %1 kunne ikke gemmes.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Åbn dette dokument</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Seneste fil</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Indstil alarm</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Bemærkning</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Indstil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Skriv den besked, der skal vises, når alarmen går.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Indstil alarmen til at gå på det angivne tidspunkt.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Slå alarmen fra.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Indstil alarmens dato.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Indstil alarmens klokkeslæt.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Det tidspunkt er allerede passeret</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Indtræffer om %1, fra nu %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Luk uden at ændre alarmen.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Det tidspunkt er allerede passeret. Vælg et senere tidspunkt for alarmen.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Hvilken by?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annullér</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Klassisk</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderne</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikon</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24 timer</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Vælg en by.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Sæt dette ur til den valgte by og luk</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Opret et nyt ur for den valgte by</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Slet dette ur og luk</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Indstil et alarmtidspunkt i den valgte bys tid</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Vælg urets udseende</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Skriv en del af en bys navn for at finde den.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Luk uden at oprette et ur</translation>
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
        <translation>brug:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>med</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 eller %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>ukendt tilvalg %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 er angivet to gange</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 kræver %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 tager ingen værdi</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 hører sammen med %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>-- skal efterfølges af en fil</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>uventet argument %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>ingen skærm (hverken DISPLAY eller WAYLAND_DISPLAY er sat)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>kan ikke åbne skærmen %1</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (se %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>Genstartskommandoen kunne ikke skrives</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Genstartskommandoerne kunne ikke læses</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Fejl ved omskrivning af opstartsfilen</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer mislykkedes</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>TimeZones.txt mangler, en nødvendig fil.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan ikke skrive %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>kan ikke fjerne %1: %2</translation>
    </message>
</context>
</TS>
