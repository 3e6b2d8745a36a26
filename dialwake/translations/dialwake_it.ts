<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Mostra questo aiuto ed esce (anche -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Mostra la versione ed esce</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>il dialwake in esecuzione non risponde</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>il dialwake in esecuzione non ha accettato gli argomenti</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [OROLOGIO...]   (un OROLOGIO è una riga di riavvio come &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>gli avvii successivi non possono raggiungere questo (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Nuovo orologio…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Suoni…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Questo desktop usa Wayland senza XWayland, dove i programmi non possono collocare le loro finestre: gli orologi non possono mantenere la loro posizione né restare sopra le altre finestre.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Ticchettio ogni secondo</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Rintocco allo scoccare dell&apos;ora</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Rintocchi dei quarti</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Squillo</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Una battuta di musica</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Ripeti fino alla risposta</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Conto alla rovescia</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Ultimi dieci secondi</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Fare clic su un suono per attivarlo o disattivarlo.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Uscita audio pronta: buffer di %1 s a %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Nessuna uscita audio su questo computer.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Volume…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivo</translation>
    </message>
</context>
</TS>
