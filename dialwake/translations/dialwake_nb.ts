<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Vis denne hjelpen og avslutt (også -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Vis versjonen og avslutt</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>den kjørende dialwake svarer ikke</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>den kjørende dialwake tok ikke imot argumentene</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [KLOKKE...]   (en KLOKKE er en omstartslinje som &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
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
        <translation>Ny klokke …</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Lyder …</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Dette skrivebordet kjører Wayland uten XWayland, der programmer ikke kan plassere vinduene sine: klokkene kan verken beholde plassene sine eller ligge over andre vinduer.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Klokke</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Tikk hvert sekund</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Slag hver hele time</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Kvartersslag</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Ringing</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>En takt musikk</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Gjenta til det besvares</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Nedtelling</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>De siste ti sekundene</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Lyder</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Klikk på en lyd for å slå den på eller av.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Lydutgang klar: %1 s buffer ved %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Ingen lydutgang på denne maskinen.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Volum …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
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
