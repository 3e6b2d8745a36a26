<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Mostrar esta ayuda y salir (también -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Mostrar la versión y salir</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>el dialwake en ejecución no responde</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>el dialwake en ejecución no aceptó los argumentos</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [RELOJ...]   (un RELOJ es una línea de reinicio como &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>los inicios posteriores no pueden llegar a este (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Reloj nuevo…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Sonidos…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Este escritorio funciona con Wayland sin XWayland, donde los programas no pueden colocar sus ventanas: los relojes no pueden conservar su posición ni permanecer encima de otras ventanas.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Tictac cada segundo</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Campanada a la hora en punto</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Carillón de los cuartos</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Un compás de música</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Repetir hasta que se responda</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Últimos diez segundos</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Haga clic en un sonido para activarlo o desactivarlo.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Salida de sonido lista: búfer de %1 s a %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>No hay salida de sonido en este equipo.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Volumen…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
</context>
</TS>
