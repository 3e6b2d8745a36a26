<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
