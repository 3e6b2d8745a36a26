<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Diese Hilfe zeigen und beenden (auch -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>das laufende dialwake antwortet nicht</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>das laufende dialwake hat die Argumente nicht angenommen</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [UHR...]   (eine UHR ist eine Neustartzeile wie &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>spätere Starts erreichen diesen nicht (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Neue Uhr …</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Klänge …</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Dieser Desktop läuft unter Wayland ohne XWayland, wo Programme ihre Fenster nicht platzieren können: Die Uhren können weder ihre Plätze behalten noch über anderen Fenstern bleiben.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Ticken jede Sekunde</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Gong zur vollen Stunde</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Viertelstundenschlag</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Klingeln</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Ein Takt Musik</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Wiederholen bis zur Antwort</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Letzte zehn Sekunden</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Einen Klang anklicken, um ihn ein- oder auszuschalten.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Tonausgabe bereit: %1 s Puffer bei %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Keine Tonausgabe auf diesem Rechner.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Lautstärke …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
</context>
</TS>
