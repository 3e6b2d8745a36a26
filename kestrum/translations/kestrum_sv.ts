<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Klicka för att minimera.  HÖGERklicka för inställningar.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Välj en stad i din tidszon.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>lördag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>söndag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>måndag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>tisdag</translation>
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
        <translation>Stad, urtavla och alarm…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Starta vid inloggning</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Snooza</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Ring igen om 10 minuter</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Ingen tidszon hittades för:</translation>
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
        <translation>Minimera</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Ta bort den här klockan…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Ta bort den här klockan?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>i dag</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>i morgon</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>i går</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n dag tidigare</numerusform>
            <numerusform>%n dagar tidigare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n dag senare</numerusform>
            <numerusform>%n dagar senare</numerusform>
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
        <translation>%1å</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Namnlös</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Skapa ett nytt dokument</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Öppna…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Öppna ett befintligt dokument</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Spara det aktiva dokumentet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Spara s&amp;om…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Spara det aktiva dokumentet med ett nytt namn</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Avsluta programmet; frågar om dokument ska sparas</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Spara ändringarna i %1?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Oväntat filformat.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Kan inte öppna filen %1.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Det gick inte att spara dokumentet %1.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Öppna det här dokumentet</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Senaste fil</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Ställ in alarm</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Anteckning</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ställ in</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Skriv meddelandet som ska visas när alarmet går.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Ställ alarmet att gå vid angiven tid.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Stäng av alarmet.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Ställ in alarmets datum.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Ställ in alarmets tid.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Den tidpunkten har redan passerat</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Inträffar om %1, från nu %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Stäng utan att ändra alarmet.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Den tidpunkten har redan passerat. Välj en senare tid för alarmet.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Vilken stad?</translation>
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
        <translation>Modern</translation>
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
        <translation>24 timmar</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Välj en stad.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Ställ den här klockan på vald stad och stäng</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Skapa en ny klocka för vald stad</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Ta bort den här klockan och stäng</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Ställ in en alarmtid i vald stads tid</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Välj klockans utseende</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Skriv en del av en stads namn för att hitta den.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Stäng utan att skapa en klocka</translation>
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
        <translation>användning:</translation>
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
        <translation>okänd flagga %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 anges två gånger</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 kräver %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 tar inget värde</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 hör ihop med %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>-- måste följas av en fil</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>oväntat argument %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>ingen skärm (varken DISPLAY eller WAYLAND_DISPLAY är satt)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>kan inte öppna skärmen %1</translation>
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
        <translation>Det gick inte att skriva omstartskommandot</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Det gick inte att läsa omstartskommandona</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Fel vid omskrivning av startfilen</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer misslyckades</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>TimeZones.txt saknas, en nödvändig fil.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan inte skriva %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>kan inte ta bort %1: %2</translation>
    </message>
</context>
</TS>
