<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Deze hulp tonen en afsluiten (ook -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>De versie tonen en afsluiten</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>de draaiende dialwake antwoordt niet</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>de draaiende dialwake heeft de argumenten niet aangenomen</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [KLOK...]   (een KLOK is een herstartregel zoals &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>latere starts kunnen deze niet bereiken (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Nieuwe klok…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Geluiden…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Dit bureaublad draait op Wayland zonder XWayland, waar programma&apos;s hun vensters niet kunnen plaatsen: de klokken kunnen hun plaats niet behouden en niet boven andere vensters blijven.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Elke seconde tikken</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Slag op het hele uur</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Kwartierslag</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wekker</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Bellen</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Een maat muziek</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Herhalen tot beantwoord</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Aftellen</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Laatste tien seconden</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Klik op een geluid om het aan of uit te zetten.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Geluidsuitvoer gereed: %1 s buffer bij %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Geen geluidsuitvoer op deze computer.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Volume…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
</context>
</TS>
