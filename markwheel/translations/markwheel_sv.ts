<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
