<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Näytä tämä ohje ja lopeta (myös -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Näytä versio ja lopeta</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>käynnissä oleva dialwake ei vastaa</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>käynnissä oleva dialwake ei ottanut argumentteja vastaan</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [KELLO...]   (KELLO on uudelleenkäynnistysrivi, esimerkiksi &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>myöhemmät käynnistykset eivät tavoita tätä (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Uusi kello…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Äänet…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Tämä työpöytä käyttää Waylandia ilman XWaylandia, jossa ohjelmat eivät voi sijoittaa ikkunoitaan: kellot eivät voi pysyä paikoillaan eivätkä muiden ikkunoiden päällä.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Kello</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Tikitys joka sekunti</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Gongi tasatunnein</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Vartin lyönnit</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Herätys</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Soitto</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Tahti musiikkia</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Toista kunnes kuitataan</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Lähtölaskenta</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Viimeiset kymmenen sekuntia</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Äänet</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Napsauta ääntä kytkeäksesi sen päälle tai pois.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Äänilähtö valmis: %1 s:n puskuri, %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Tässä koneessa ei ole äänilähtöä.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>Ää&amp;nenvoimakkuus…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>päällä</translation>
    </message>
    <message>
        <source>off</source>
        <translation>pois</translation>
    </message>
</context>
</TS>
