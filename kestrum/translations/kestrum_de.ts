<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Klicken zum Verkleinern.  RECHTS klicken zum Einrichten.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Eine Stadt Ihrer Zeitzone wählen.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Stadt, Zifferblatt und Wecker …</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>In 10 Minuten erneut klingeln</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Keine Zeitzone gefunden für:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Alarm jetzt</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Alarm in %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Diese Uhr löschen …</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Diese Uhr löschen?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n Tag früher</numerusform>
            <numerusform>%n Tage früher</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n Tag später</numerusform>
            <numerusform>%n Tage später</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1T</translation>
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
        <translation>%1J</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Ein neues Dokument anlegen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ein vorhandenes Dokument öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das Dokument speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Speichern &amp;unter …</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Das Dokument unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Das Programm beenden; fragt nach dem Speichern</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Die Datei %1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Das Dokument %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Wecker stellen</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Die Nachricht eingeben, die zur Weckzeit erscheinen soll.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Den Wecker auf die angegebene Zeit stellen.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Den Wecker abstellen.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Datum des Weckers einstellen.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Uhrzeit des Weckers einstellen.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Dieser Zeitpunkt ist schon vorbei</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Tritt in %1 ein (jetzt: %2)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Schließen, ohne den Alarm zu ändern.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Dieser Zeitpunkt ist bereits vorbei. Wählen Sie eine spätere Zeit für den Alarm.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Welche Stadt?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Klassisch</translation>
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
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Eine Stadt wählen.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Diese Uhr auf die gewählte Stadt stellen und schließen</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Eine neue Uhr für die gewählte Stadt anlegen</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Diese Uhr löschen und schließen</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Eine Weckzeit in der Zeit der gewählten Stadt einrichten</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Aussehen der Uhr wählen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Geben Sie einen Teil des Stadtnamens ein, um sie zu finden.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Schließen, ohne eine Uhr anzulegen</translation>
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
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>mit</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 gehört zu %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>nach -- muss eine Datei folgen</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>die Anzeige %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (siehe %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>Der Neustartbefehl konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Die Neustartbefehle konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Fehler beim Neuschreiben der Startdatei</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>Es fehlt TimeZones.txt, eine benötigte Datei.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 lässt sich nicht entfernen: %2</translation>
    </message>
</context>
</TS>
