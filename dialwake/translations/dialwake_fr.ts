<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Afficher cette aide et quitter (aussi -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Afficher la version et quitter</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>le dialwake en cours ne répond pas</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>le dialwake en cours n&apos;a pas accepté les arguments</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [HORLOGE...]   (une HORLOGE est une ligne de redémarrage comme &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>les lancements suivants ne peuvent pas joindre celui-ci (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Nouvelle horloge…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Sons…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Ce bureau fonctionne sous Wayland sans XWayland, où les programmes ne peuvent pas placer leurs fenêtres : les horloges ne peuvent ni garder leur place ni rester au-dessus des autres fenêtres.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Tic-tac à chaque seconde</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Coup de gong à chaque heure</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Carillon des quarts</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Sonnerie</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Une mesure de musique</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Répéter jusqu&apos;à la réponse</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Dix dernières secondes</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Cliquez sur un son pour l&apos;activer ou le désactiver.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Sortie audio prête : tampon de %1 s à %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Aucune sortie audio sur cette machine.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Volume…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
</context>
</TS>
