<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Klik om te minimaliseren.  RECHTS klikken om in te stellen.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Kies een stad in uw tijdzone.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Stad, wijzerplaat en wekker…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Starten bij aanmelden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Sluimeren</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Over 10 minuten opnieuw afgaan</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Geen tijdzone gevonden voor:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Wekker nu</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Wekker over %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Deze klok verwijderen…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Deze klok verwijderen?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>vandaag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gisteren</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n dag eerder</numerusform>
            <numerusform>%n dagen eerder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n dag later</numerusform>
            <numerusform>%n dagen later</numerusform>
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
        <translation>%1u</translation>
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
        <translation>%1 u</translation>
    </message>
    <message>
        <source>%1y</source>
        <comment>time to the alarm: years</comment>
        <translation>%1j</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Een nieuw document maken</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Een bestaand document openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Het actieve document opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Opslaan &amp;als…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Het actieve document onder een nieuwe naam opslaan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Het programma afsluiten; vraagt om documenten op te slaan</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Wijzigingen in %1 opslaan?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Onverwachte bestandsindeling.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Kan bestand %1 niet openen.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Document %1 kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dit document openen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Recent bestand</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Wekker instellen</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Voer het bericht in dat u op het wektijdstip wilt zien.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>De wekker laten afgaan op het opgegeven tijdstip.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>De wekker annuleren.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>De datum van de wekker instellen.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>De tijd van de wekker instellen.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Dat tijdstip is al voorbij</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Gaat af over %1, vanaf nu %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Sluiten zonder de wekker te wijzigen.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Dat tijdstip is al voorbij. Kies een later tijdstip voor de wekker.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Welke stad?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wekker</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Modern</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Pictogram</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitaal</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24 uur</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Kies een stad.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Deze klok op de gekozen stad zetten en sluiten</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Een nieuwe klok voor de gekozen stad maken</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Deze klok verwijderen en sluiten</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Een wektijd in de tijd van de gekozen stad instellen</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Uiterlijk van de klok kiezen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Typ een deel van de naam van een stad om haar te vinden.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Sluiten zonder een klok te maken</translation>
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
        <translation>gebruik:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>met</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 is twee keer opgegeven</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 vereist %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 heeft geen waarde</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 hoort bij %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>na -- moet een bestand volgen</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>geen beeldscherm (DISPLAY noch WAYLAND_DISPLAY is ingesteld)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>kan beeldscherm %1 niet openen</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (zie %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>De herstartopdracht kon niet worden geschreven</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>De herstartopdrachten konden niet worden gelezen</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Fout bij het herschrijven van het opstartbestand</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer is mislukt</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>TimeZones.txt ontbreekt, een vereist bestand.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>kan %1 niet verwijderen: %2</translation>
    </message>
</context>
</TS>
