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
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <translation>Nuovo orologio…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <translation>Suoni…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
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
