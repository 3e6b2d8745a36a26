<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Visa den här hjälpen och avsluta (även -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Visa versionen och avsluta</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>den körande dialwake svarar inte</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>den körande dialwake tog inte emot argumenten</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [KLOCKA...]   (en KLOCKA är en omstartsrad som &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>senare starter kan inte nå den här (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Ny klocka…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Ljud…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Det här skrivbordet kör Wayland utan XWayland, där program inte kan placera sina fönster: klockorna kan varken behålla sina platser eller ligga över andra fönster.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Klocka</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Ticka varje sekund</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Slag varje hel timme</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Kvartsslag</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ringning</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>En takt musik</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Upprepa tills det besvaras</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Nedräkning</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Sista tio sekunderna</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Klicka på ett ljud för att slå på eller av det.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Ljudutgång redo: %1 s buffert vid %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Ingen ljudutgång på den här datorn.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Volym…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>på</translation>
    </message>
    <message>
        <source>off</source>
        <translation>av</translation>
    </message>
</context>
</TS>
