<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Pokaż tę pomoc i zakończ (także -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Pokaż wersję i zakończ</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>działający dialwake nie odpowiada</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>działający dialwake nie przyjął argumentów</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [ZEGAR...]   (ZEGAR to wiersz ponownego uruchomienia, np. &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>późniejsze uruchomienia nie dotrą do tego (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Nowy zegar…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Dźwięki…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Ten pulpit działa pod Waylandem bez XWaylanda, gdzie programy nie mogą rozmieszczać swoich okien: zegary nie mogą zachować swoich miejsc ani pozostawać nad innymi oknami.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Tykanie co sekundę</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Gong o pełnej godzinie</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Kuranty co kwadrans</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Budzik</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Takt muzyki</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Powtarzaj aż do odpowiedzi</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Odliczanie</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Ostatnie dziesięć sekund</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Kliknij dźwięk, aby go włączyć lub wyłączyć.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Wyjście dźwięku gotowe: bufor %1 s przy %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Brak wyjścia dźwięku na tym komputerze.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Głośność…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
</context>
</TS>
