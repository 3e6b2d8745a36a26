<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
