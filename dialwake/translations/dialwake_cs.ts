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
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <translation>Nové hodiny…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <translation>Zvuky…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ukončit</translation>
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
