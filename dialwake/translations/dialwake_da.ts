<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Vis denne hjælp og afslut (også -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Vis versionen og afslut</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>den kørende dialwake svarer ikke</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>den kørende dialwake tog ikke imod argumenterne</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [UR...]   (et UR er en genstartslinje som &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>senere starter kan ikke nå denne (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Nyt ur…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Lyde…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Dette skrivebord kører Wayland uden XWayland, hvor programmer ikke kan placere deres vinduer: urene kan hverken beholde deres pladser eller blive over andre vinduer.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Ur</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Tik hvert sekund</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Slag hver hele time</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Kvarterslag</translation>
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
        <translation>Gentag indtil besvaret</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Nedtælling</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>De sidste ti sekunder</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Lyde</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Klik på en lyd for at slå den til eller fra.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Lydudgang klar: %1 s buffer ved %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Ingen lydudgang på denne computer.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Lydstyrke…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>til</translation>
    </message>
    <message>
        <source>off</source>
        <translation>fra</translation>
    </message>
</context>
</TS>
