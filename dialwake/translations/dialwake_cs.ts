<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Zobrazit tuto nápovědu a skončit (také -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Zobrazit verzi a skončit</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>běžící dialwake neodpovídá</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>běžící dialwake nepřevzal argumenty</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [HODINY...]   (HODINY jsou řádek opětovného spuštění, např. &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>pozdější spuštění se k tomuto nedostanou (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Nové hodiny…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Zvuky…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Tato plocha běží na Waylandu bez XWaylandu, kde programy nemohou umísťovat svá okna: hodiny si nemohou udržet svá místa ani zůstat nad ostatními okny.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Hodiny</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Tikání každou sekundu</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Gong v celou hodinu</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Čtvrthodinové odbíjení</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Budík</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Zvonění</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Takt hudby</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Opakovat do odpovědi</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Odpočet</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Posledních deset sekund</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Zvuky</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Klepnutím na zvuk jej zapnete nebo vypnete.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Zvukový výstup připraven: vyrovnávací paměť %1 s při %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Na tomto počítači není zvukový výstup.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Hlasitost…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>zap.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vyp.</translation>
    </message>
</context>
</TS>
