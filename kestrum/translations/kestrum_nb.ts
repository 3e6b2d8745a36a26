<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Klikk for å minimere.  HØYREklikk for oppsett.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Velg en by i din tidssone.</translation>
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
        <translation>By, urskive og alarm …</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Start ved innlogging</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Slumre</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Ring igjen om 10 minutter</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Fant ingen tidssone for:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Alarm nå</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Alarm om %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Minimer</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Slett denne klokken …</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Slette denne klokken?</translation>
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
            <numerusform>%n dager tidligere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n dag senere</numerusform>
            <numerusform>%n dager senere</numerusform>
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
        <translation>Uten navn</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Lag et nytt dokument</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Åpne …</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Åpne et eksisterende dokument</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Lagre det aktive dokumentet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Lagre &amp;som …</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Lagre det aktive dokumentet med et nytt navn</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>A&amp;vslutt</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Avslutt programmet; spør om dokumenter skal lagres</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Lagre endringene i %1?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lagre som</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Uventet filformat.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Kan ikke åpne filen %1.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Klarte ikke å lagre dokumentet %1.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Åpne dette dokumentet</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Nylig fil</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Still alarm</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Still inn</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Skriv meldingen som skal vises når alarmen går.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Still alarmen til å gå på angitt tidspunkt.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Slå av alarmen.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Still inn alarmens dato.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Still inn alarmens klokkeslett.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Det tidspunktet er allerede passert</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Inntreffer om %1, fra nå %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Lukk uten å endre alarmen.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Det tidspunktet er allerede passert. Velg et senere tidspunkt for alarmen.</translation>
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
        <translation>Avbryt</translation>
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
        <translation>Velg en by.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Still denne klokken til valgt by og lukk</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Lag en ny klokke for valgt by</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Slett denne klokken og lukk</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Still inn en alarmtid i den valgte byens tid</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Velg klokkens utseende</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Skriv en del av navnet på en by for å finne den.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Lukk uten å lage en klokke</translation>
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
        <translation>bruk:</translation>
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
        <translation>ukjent valg %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 er oppgitt to ganger</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 krever %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 tar ingen verdi</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 hører sammen med %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>-- må etterfølges av en fil</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>uventet argument %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>ingen skjerm (verken DISPLAY eller WAYLAND_DISPLAY er satt)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>kan ikke åpne skjermen %1</translation>
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
        <translation>Klarte ikke å skrive omstartskommandoen</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Klarte ikke å lese omstartskommandoene</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Feil ved omskriving av oppstartsfilen</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer mislyktes</translation>
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
