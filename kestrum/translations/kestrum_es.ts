<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Haga clic para minimizar.  Clic DERECHO para configurar.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Elija una ciudad de su zona horaria.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Ciudad, esfera y alarma…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Volver a sonar dentro de 10 minutos</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>No se encontró ninguna zona horaria para:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Alarma ahora</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Alarma dentro de %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Eliminar este reloj…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>¿Eliminar este reloj?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ayer</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n día antes</numerusform>
            <numerusform>%n días antes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n día después</numerusform>
            <numerusform>%n días después</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1d</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>time to the alarm: hours</comment>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>time to the alarm: minutes</comment>
        <translation>%1min</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>time to the alarm: seconds</comment>
        <translation>%1s</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours ahead of local time</comment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1y</source>
        <comment>time to the alarm: years</comment>
        <translation>%1a</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Crear un documento nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir un documento existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Guardar el documento activo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Guardar el documento activo con otro nombre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Salir de la aplicación; pregunta si guardar los documentos</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato de archivo inesperado.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>No se pudo guardar el documento %1.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Programar alarma</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Escriba el mensaje que quiere ver a la hora de la alarma.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Programar la alarma para que suene a la hora indicada.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Cancelar la alarma.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Fijar la fecha de la alarma.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Fijar la hora de la alarma.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Esa fecha y hora ya ha pasado</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Ocurre dentro de %1 a partir de ahora %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Cerrar sin cambiar la alarma.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Esa fecha y hora ya ha pasado. Elija una hora posterior para la alarma.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>¿Qué ciudad?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderno</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icono</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Seleccione una ciudad.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Ajustar este reloj a la ciudad seleccionada y cerrar</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Crear un reloj nuevo para la ciudad seleccionada</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Eliminar este reloj y cerrar</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Programar una alarma en la hora de la ciudad seleccionada</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Elegir el aspecto del reloj</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Escriba parte del nombre de una ciudad para encontrarla.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Cerrar sin crear un reloj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>con</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se ha indicado dos veces</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 necesita %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 va con %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>-- debe ir seguido de un archivo</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>no hay pantalla (no está definida ni DISPLAY ni WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>no se puede abrir la pantalla %1</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (véase %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>No se pudo escribir la orden de reinicio</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>No se pudieron leer las órdenes de reinicio</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Error al reescribir el archivo de inicio</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer ha fallado</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>Falta TimeZones.txt, un archivo necesario.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>no se puede eliminar %1: %2</translation>
    </message>
</context>
</TS>
