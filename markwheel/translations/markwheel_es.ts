<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Archivos de Markwheel (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Vaciar la lista de archivos en uso
En uso</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Deshacer la última acción
Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Cortar la selección y ponerla en el portapapeles
Cortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copiar la selección en el portapapeles
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insertar el contenido del portapapeles
Pegar</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Cambiar la fecha objetivo
Fecha</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Reloj calendario</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Reloj calendario a. m./p. m.</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Hora solar</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Contar hacia atrás o hacia delante hasta la fecha y hora objetivo
o hacia delante</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Día, fecha y hora
Hoy</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Igual que el reloj calendario, con indicadores a. m./p. m.\m
a. m. p. m.</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>A las 12 del mediodía el sol está en lo más alto
 Reloj de sol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;Acerca de Markwheel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>Acerca de Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel versión 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CMarkwheelDoc</name>
    <message>
        <source>Year %d</source>
        <translation>Año %d</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>%1 solar</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Fijar la fecha objetivo</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Se muestra como título de la ventana durante la cuenta</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Año del objetivo; los años negativos son anteriores al año 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Mes, de 1 a 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Día del mes, de 1 a 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Hora, de 0 a 23 (hora local)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minuto, de 0 a 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Segundo, de 0 a 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
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
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [OBJETIVO.mkw]</translation>
    </message>
</context>
</TS>
