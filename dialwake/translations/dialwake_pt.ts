<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Mostrar esta ajuda e sair (também -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Mostrar a versão e sair</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>o dialwake em execução não responde</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>o dialwake em execução não aceitou os argumentos</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [RELÓGIO...]   (um RELÓGIO é uma linha de reinício como &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>inícios posteriores não conseguem alcançar este (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Novo relógio…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Sons…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Esta área de trabalho usa Wayland sem XWayland, onde os programas não podem posicionar suas janelas: os relógios não podem manter suas posições nem ficar acima das outras janelas.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Tique-taque a cada segundo</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Badalada na hora cheia</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Carrilhão dos quartos</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Toque</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Um compasso de música</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Repetir até ser atendido</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Contagem regressiva</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Últimos dez segundos</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Clique em um som para ligá-lo ou desligá-lo.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Saída de som pronta: buffer de %1 s a %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Nenhuma saída de som neste computador.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>&amp;Volume…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ligado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
    </message>
</context>
</TS>
