<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>no hay contraseña para %1 (ninguna en el depósito de claves; indíquela con --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account necesita --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account necesita la dirección del servidor</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user va con --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>solo se puede sincronizar un documento (se recibió %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: «%1» no es un número de cuenta (véase kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; la cuenta no se añadió</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>no hay libreta de direcciones en %1 ni nada que publicar; la cuenta no se añadió</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 ya es la cuenta %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>la contraseña no se guardó (%1); indíquela en cada sincronización con --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>cuenta %1: %2, 1 libreta de direcciones</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>cuenta %1: %2, %n libreta de direcciones</numerusform>
            <numerusform>cuenta %1: %2, %n libretas de direcciones</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, publica en «Birthdays»</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>todas las libretas de direcciones</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: no existe la cuenta %1 (véase kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>cuenta %1 (%2) eliminada</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>no hay ninguna cuenta que sincronizar (añada una con --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 tarjeta no se pudo leer y se omitió</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n tarjeta no se pudo leer y se omitió</numerusform>
            <numerusform>%1: %n tarjetas no se pudieron leer y se omitieron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n libreta de direcciones</numerusform>
            <numerusform>%n libretas de direcciones</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: la dirección no debe contener la contraseña; indíquela por la entrada estándar</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 no es ni un archivo GEDCOM («0 HEAD») ni un archivo vCard («BEGIN:VCARD»).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>El archivo</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato de archivo inesperado.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Añadir cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>La dirección del servidor (https://dav.example.org/) o la de una libreta de direcciones.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Se guarda en el depósito de claves del escritorio, nunca en un archivo.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Publicar los cumpleaños en el calendario «Birthdays»</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Las libretas de direcciones que se leen; si están todas marcadas, también se leen las nuevas.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Buscar libretas de direcciones</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Libretas de direcciones:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Indique la dirección del servidor y su nombre de usuario.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(no hay libretas de direcciones en este servidor)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Marque una libreta de direcciones o publique los cumpleaños.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>La contraseña no se puede guardar: %1. Kinfold la pedirá en cada sincronización.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Quite la contraseña de la dirección del servidor e indíquela en Contraseña.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Libretas de direcciones que se leen en la lista y calendarios donde se publican los cumpleaños.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>¿Quitar la cuenta %1? Las entradas que trajo se quedan en la lista.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>todas las libretas de direcciones</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n libreta de direcciones</numerusform>
            <numerusform>%n libretas de direcciones</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, publica «Birthdays»</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Aún no hay ninguna cuenta: añada una con Archivo &gt; Cuentas…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Sincronizando con las cuentas…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>El servidor rechazó la contraseña de %1. Contraseña:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Contraseña de %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n tarjeta no se pudo leer y se omitió.</numerusform>
            <numerusform>%1: %n tarjetas no se pudieron leer y se omitieron.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>La sincronización falló</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Sincronizado: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>La sincronización no terminó; la lista conserva lo que se leyó y la próxima sincronización seguirá desde ahí.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Editar cumpleaños</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Elija el tipo de entrada.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Eliminar esta entrada</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Quitar esta entrada.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Texto mostrado</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Nombre de una persona</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Cumpleaños de una persona</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Pareja (Joe+Mary) fecha de boda</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Nota (médico a las 16:00) fecha mostrada</translation>
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
        <source>Birth year.</source>
        <translation>Año de nacimiento.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Mes de nacimiento.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Día de nacimiento en el mes.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Año de la boda.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Mes de la boda.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Día de la boda en el mes.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Año de la defunción.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Mes de la defunción.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Día de la defunción en el mes.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Boda</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Defunción</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Lista de cumpleaños</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>La lista de cumpleaños.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Modificar la entrada.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Eliminar la entrada seleccionada.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Crear una entrada nueva.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Mostrar solo las entradas cuyo texto o fecha contiene estos caracteres.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Una fecha de esta entrada no puede existir: corríjala con Editar.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Los días festivos de qué país.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Elija un país.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Introducir fecha</translation>
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
        <source>Set desired year, do not abbreviate.</source>
        <translation>Escriba el año deseado, sin abreviar.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Escriba el número del mes (1-12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Escriba el día del mes (1-31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Exportar calendario</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Los cumpleaños de las personas de la lista.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Aniversarios</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Los aniversarios de boda de las parejas («Aniversarios» en el calendario).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>Las notas con fecha («Notas» en el calendario).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Cumpleaños después de la defunción</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Desactivado: un cumpleaños termina en la fecha de defunción («Fallecidos» en el calendario).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Recordatorios como alarmas</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Una alarma por cada día de antelación de los recordatorios, a su hora.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 evento; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n evento; %1.</numerusform>
            <numerusform>%n eventos; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Color…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Editar día festivo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Por ejemplo, Navidad.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Definición legal.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Viernes Santo -2, lunes de Pascua 1, Ascensión 39, lunes de Pentecostés 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Como el Reino Unido celebra Navidad y el Boxing Day.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Elija el mes.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Elija la semana (1.ª a última).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Elija el día de la semana.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Aquí se espera un número.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Occidental</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Ortodoxa</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>La Pascua de qué iglesias.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Días después del Domingo de Pascua, o antes si es negativo.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>El único año en que se celebra el festivo.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Si la fecha cae en este día de la semana, la fecha misma.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pascua</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Días desde Pascua</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>La fecha misma en</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Fecha fija</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Día de la semana fijo</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Siguiente día laborable después de</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Fecha fija, en fin de semana también el siguiente día laborable libre</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Fecha fija, en domingo el sábado anterior</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Día de la semana en la fecha o después</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Día de la semana en la fecha o antes</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Fecha de un solo año</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Día de la semana en la fecha o después, o la fecha misma en</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Día laborable después de</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tercera</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Cuarta</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinta</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Fecha fija, en fin de semana también el viernes anterior o el lunes siguiente (trasladado)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Día en que empieza la estación (equinoccio o solsticio)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Un festivo en domingo: el siguiente día libre</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Un día entre dos festivos</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>No en la fecha en un año (trasladado)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Como Estados Unidos observa sus festivos federales.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Elija marzo o septiembre para los equinoccios, junio o diciembre para los solsticios.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Para toda la lista, como Japón celebra sus festivos; el nombre es el del día.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Para toda la lista; el día de la semana elegido se excluye.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>El festivo de este nombre no se celebra en su fecha el año indicado.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Horas de diferencia de la hora local respecto a UT (Japón 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Horas respecto a UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Primer año en que se celebra el festivo; vacío para siempre.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Último año en que se celebra el festivo; vacío para siempre.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Se celebra desde el año</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>El último año es anterior al primero.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Editar la lista de festivos</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Lista de días festivos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>País…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Cambiar el festivo seleccionado.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Introducir un festivo nuevo.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Quitar el festivo seleccionado.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Restablecer los valores de fábrica.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Poner los días festivos de un país.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Desde archivo…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Añadir los eventos de día completo de un archivo de calendario (.ics).</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Desde archivo</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>Archivos iCalendar (*.ics *.ical);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>¿Sustituir sus festivos por los de %1?

Sí sustituye la lista, No los añade al final.</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Mes&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>Avanzar un mes
Mes siguiente</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Mes</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Retroceder un mes
Mes anterior</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Año&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Avanzar un año
Año siguiente</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Año</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Retroceder un año
Año anterior</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Ir al año y mes actuales
Este mes, este año</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Escribir cualquier año y cualquier mes
Cualquier año, cualquier mes</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Fecha objetivo</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Mostrar los días que faltan hasta (o pasaron desde) una fecha
Número de días</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Fallecidos</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Cumpleaños después de la fecha de defunción
Cumpleaños</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Lunes como primer día de la semana
Inicio de semana</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre de pila</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Mostrar solo el nombre de pila
Cumpleaños</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversarios</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Mostrar aniversarios de boda
Boda</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Cuenta de días</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Días desde el objetivo\Cuenta atrás</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Usar imágenes como fondo del calendario
Fondo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Notas
Ver las notas en el calendario</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Fase lunar</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Mostrar el inicio de los cuartos lunares
Cuarto</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Estaciones</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Inicio de las estaciones
Estación</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Números de semana</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Mostrar el número de cada semana en su primer día
Números de semana</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Un mes por página/nNormal</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Seis meses por página
seis meses</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Doce meses por página
Año</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Nuestro calendario actual
Actual</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Estilo antiguo</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>usado hasta 1400 o 1700
Estilo antiguo</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Cada mes empieza con la luna nueva
Luna</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Año de la Serpiente</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Calendario chino por diversión
Año de la Serpiente</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Abre el cuadro de diálogo de opciones
Opciones permanentes</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Aplicar perfil</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Poner las opciones del último perfil guardado
Aplicar opciones</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Ver y editar la lista de nombres
Editar nombres</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Cargar cumpleaños de un archivo GEDCOM de un programa de genealogía o de una libreta de direcciones vCard
Importar</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Exportar calendario…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Guardar los cumpleaños, aniversarios y notas mostrados como archivo iCalendar para calendarios del teléfono y web
Exportar calendario</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Añadir, cambiar o eliminar festivos
Lista de festivos</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Imprimir el calendario
Imprimir</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Mostrar el calendario tal como se imprimirá
Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configu&amp;rar impresión…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambiar la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;Acerca de Cumpleaños…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Archivos de cumpleaños (*.ged *.vcf *.vcard);;Archivo GEDCOM (*.ged);;Libreta de direcciones vCard (*.vcf *.vcard);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>La lista de nombres no está vacía.  ¿Quiere combinar el archivo con la lista actual?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Puede guardar la lista actual con Guardar o Guardar como en el menú Archivo y después vaciarla con Nuevo en el menú Archivo.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exportar calendario</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>Archivo iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Próximos…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Listar los cumpleaños, aniversarios y notas de los próximos 30 días
Próximos</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n entrada en la lista)</numerusform>
            <numerusform>%1 (%n entradas en la lista)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 evento escrito en %1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n evento escrito en %1; %2</numerusform>
            <numerusform>%n eventos escritos en %1; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Archivos de Kinfold (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Para obtener ayuda, pulse F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Crear una lista de cumpleaños nueva</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Abrir una lista de cumpleaños existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Guardar la lista de cumpleaños</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Guardar la lista de cumpleaños con otro nombre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Salir del programa; pregunta si guardar la lista</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Cortar la selección y ponerla en el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copiar la selección en el portapapeles</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insertar el contenido del portapapeles</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Meses/página</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Índice de la ayuda</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Buscar en el índice de la ayuda</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Índice de la ayuda</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Calendario gregoriano</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Disertación sobre el calendario en uso hoy</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Calendario mundial</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Acerca de Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Planes futuros</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Mis planes de mejoras y otras cosas</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Está soñando</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;El calendario gregoriano&lt;/h3&gt;&lt;p&gt;El calendario de uso civil hoy cuenta 365 días en un año común y 366 en un año bisiesto. Un año es bisiesto cuando es divisible por 4, salvo los años seculares, que solo son bisiestos cuando son divisibles por 400: 1900 no fue bisiesto, 2000 sí.&lt;/p&gt;&lt;p&gt;Sustituyó al calendario juliano, que hacía bisiesto cada cuarto año y así se adelantaba a las estaciones unos tres días cada cuatrocientos años. Con la reforma de octubre de 1582 se omitieron diez días: al jueves 4 de octubre le siguió el viernes 15 de octubre. Kinfold muestra por sí mismo los meses hasta octubre de 1582 en el calendario juliano y los titula «juliano»; el calendario Estilo antiguo muestra cualquier mes como se habría llevado donde la reforma llegó tarde (Gran Bretaña y sus colonias cambiaron en 1752). En el Estilo antiguo el año empezaba en marzo, por lo que de enero a marzo llevan ambos años, como en febrero 1699/0.&lt;/p&gt;&lt;p&gt;El calendario Luna empieza cada mes el día siguiente a una luna nueva; un año que contiene trece lunas nuevas termina con una «Luna azul». El calendario Año de la Serpiente usa los mismos meses y nombra cada año por su animal.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold lleva una lista de cumpleaños, aniversarios de boda y notas con fecha y los dibuja en calendarios mensuales: uno, seis o doce meses por página, en la pantalla y en papel.&lt;/p&gt;&lt;p&gt;Cada día muestra su número, el festivo del día en la línea inferior y encima las personas del día con su edad. La esquina de un día puede mostrar el inicio de una estación o de un cuarto lunar, o los días hasta o desde una fecha objetivo.&lt;/p&gt;&lt;p&gt;Use los botones de la barra de menús para moverse por meses y años, el menú Ver para elegir qué se muestra y el menú Editar para cambiar la lista y los festivos. Las listas se guardan como archivos .kfd y pueden incorporar personas de un archivo GEDCOM de un programa de genealogía.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Planes futuros&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Imprimir la lista de nombres además del calendario.&lt;/li&gt;&lt;li&gt;Recordatorios unos días antes de un cumpleaños.&lt;/li&gt;&lt;li&gt;Más calendarios, y festivos que siguen a la Pascua.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Ayuda de Kinfold</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Cuentas…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Añadir, cambiar o quitar las libretas de direcciones que se leen y el calendario donde se publica</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Leer las libretas de direcciones de las cuentas en la lista y publicar sus cumpleaños</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Pulse el botón para cambiar la fuente, el tamaño y el color indicados.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Color de las líneas</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Mes y año</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Nombre del día de la semana</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Número del día</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Contador de días</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Nombre de la persona</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(predeterminada)</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
</context>
<context>
    <name>CPPMargins</name>
    <message>
        <source>Margins</source>
        <translation>Márgenes</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Días de la semana</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombres</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>El 29 de febrero en otros años:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Mostrar el 28 de febrero</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Mostrar el 1 de marzo</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Mostrar solo en años bisiestos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Mostrar edades</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Mostrar edades de menores de 18</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>No mostrar edades</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Incluir cumpleaños de fallecidos</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Empezar la semana en lunes en vez de domingo</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Usar solo el nombre de pila</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Mostrar aniversarios de boda</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Mostrar la cuenta de días (hasta o desde la fecha objetivo)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Mostrar imágenes</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Mostrar notas</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Mostrar la fase lunar</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Mostrar las estaciones</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Mostrar los números de semana</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Recordarme cumpleaños, aniversarios y notas</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Notificaciones del escritorio al iniciar sesión y cada hora.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Recordarme</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>El mismo día</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 día antes</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 días antes</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 días antes</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 días antes</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 días antes</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Desde esta hora del día:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>Los recordatorios de un día llegan a partir de esta hora.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Documento vigilado</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>El último usado</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Este:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Elegir el documento del que recibir recordatorios.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Lista de cumpleaños (*.kfd);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Elija</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Dos fechas indicadas para</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Elija la correcta.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Defunción</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Boda</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Nacimiento</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Próximos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Los cumpleaños, aniversarios y notas de hoy y de los próximos 30 días.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Nada en los próximos 30 días</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Elegir un año</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Seleccione el año que quiere usar</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Seleccione el mes.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Introduzca un año de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>may</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (cumpleaños)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Nació en %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (aniversario)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Se casaron en %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 cumpleaños</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n cumpleaños</numerusform>
            <numerusform>%n cumpleaños</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 aniversario</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n aniversario</numerusform>
            <numerusform>%n aniversarios</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 nota</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n notas</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>omitidos: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>nada omitido</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 cumpleaños termina en la fecha de defunción</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n cumpleaños termina en la fecha de defunción</numerusform>
            <numerusform>%n cumpleaños terminan en la fecha de defunción</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics necesita el nombre del archivo de calendario que escribir</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics escribe un archivo iCalendar, no «%1» (indique OUT.ics y luego el documento)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>no se indicó DOC.kfd y el último documento no se puede leer: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 evento escrito en %1 (desde %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n evento escrito en %1 (desde %2)</numerusform>
            <numerusform>%n eventos escritos en %1 (desde %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 es el propio documento; el PDF lo reemplazaría</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Mostrar la versión y salir</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Combinar un archivo GEDCOM o vCard con DOC.kfd (o una lista nueva) sin ventana</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Guardar la lista combinada en OUT.kfd en vez de DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Escribir las entradas que el calendario muestra de DOC.kfd (o del último documento) como eventos anuales de iCalendar</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Imprimir doce meses de DOC.kfd (o de una lista vacía) en un archivo PDF sin ventana</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Primer año impreso, de -9900 a 11400; desde enero salvo que se indique --month</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Primer mes impreso: 1-12, o 13 en un año lunar de 13 meses</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 o 12 meses por página</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Actual, 1 Estilo antiguo, 2 Luna, 3 Año de la Serpiente</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Tamaño del papel: Letter, Legal, A4, A3, A5 y otros nombres estándar; si no se indica, el de la configuración regional (Letter o A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Páginas en vertical</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Páginas en horizontal, el valor predeterminado</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>El número de cada fila de semana en su primera celda</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Listar los conjuntos de festivos de países incluidos, uno por línea: código, un espacio, el nombre</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Dejar las alarmas de los recordatorios fuera de los eventos</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Mostrar los eventos de hoy y de los DAYS días siguientes (14 de forma predeterminada, 366 como máximo) de DOC.kfd (o del último documento)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Mostrar una notificación de escritorio por cada recordatorio vencido de DOC.kfd (o del documento vigilado)</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Tomar esta fecha y hora locales (00:00 si no se indica hora) como el momento actual</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Mostrar cada festivo de YEAR (-9900 a 11400) como «YYYY-MM-DD nombre», de la lista guardada</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Añadir los eventos de día completo de un archivo iCalendar a la lista de festivos guardada (los eventos con hora se omiten)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Festivos del país CODE (véase --holiday-sets) solo para esta ejecución; con --upcoming también &quot;stored&quot;</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Añadir una cuenta CardDAV/CalDAV (la raíz de un servidor o una colección); la contraseña se lee de la entrada estándar</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>El nombre de usuario de la cuenta</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Solo leer las libretas de direcciones, no publicar ningún calendario</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Listar las cuentas, una por línea, con sus números</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Quitar la cuenta N (véase --accounts) y su contraseña</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Leer las libretas de direcciones de cada cuenta en DOC.kfd (o el último documento) y publicar sus cumpleaños</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Leer las contraseñas de las cuentas de la entrada estándar, una por línea, en lugar del depósito de claves</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>solo se puede fusionar en un documento (se recibió %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>solo se puede exportar un documento (se recibió %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays no lee ningún documento (se recibió %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets no lee ningún documento (se recibió %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf escribe un archivo PDF, no «%1» (indique OUT.pdf y luego el documento)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays no lee ningún documento (se recibió %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (véase kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 y %2 no se pueden usar juntos</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>opción desconocida %1 (véase kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: «%2» no es un año</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: no existe el año 0 (el 1 a. C. es el año -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 está fuera de los años mostrados, %3 a %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: no hay conjunto de país «%1» (véase kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf necesita un nombre de archivo de salida</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: «%1» no es ninguno de 0 (Actual), 1 (Estilo antiguo), 2 (Luna), 3 (Año de la Serpiente)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: «%1» no es un mes de 1 a 12, ni 13 en un año lunar de 13 meses</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: el mes 13 solo existe en los calendarios lunares (--calendar 2 o 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: el año lunar %1 tiene 12 meses</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: «%1» no es ninguno de 1, 6 o 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: papel desconocido «%1» (pruebe Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait y --landscape no se pueden usar juntos</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>solo se puede imprimir un documento (se recibió %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: «%1» no es una fecha YYYY-MM-DD ni YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: «%1» no es un número de días de 0 a 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>solo se puede listar un documento (se recibió %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: no se indicó DOC.kfd y no se ha usado ningún documento antes</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>solo se puede vigilar un documento (se recibió %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: aún no se ha usado ningún documento, así que no hay recordatorios</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; los recordatorios siguen en la salida estándar</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Reino Unido, Escocia</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Reino Unido, Irlanda del Norte</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Países Bajos</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suecia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grecia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Alemania, Brandeburgo</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Alemania, Berlín</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Alemania, Baden-Wurtemberg</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Alemania, Baviera</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Alemania, Bremen</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Alemania, Hesse</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Alemania, Hamburgo</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Alemania, Mecklemburgo-Pomerania Occidental</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Alemania, Baja Sajonia</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Alemania, Renania del Norte-Westfalia</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Alemania, Renania-Palatinado</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Alemania, Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Alemania, Sarre</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Alemania, Sajonia</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Alemania, Sajonia-Anhalt</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Alemania, Turingia</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>España</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portugal, Azores</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>Portugal, Madeira</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dinamarca</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Finlandia, Åland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Noruega</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Chequia</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suiza</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburgo</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Canada, Alberta</source>
        <translation>Canadá, Alberta</translation>
    </message>
    <message>
        <source>Canada, British Columbia</source>
        <translation>Canadá, Columbia Británica</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Canadá, Manitoba</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Canadá, Nuevo Brunswick</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Canadá, Terranova y Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Canadá, Nueva Escocia</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Canadá, Territorios del Noroeste</translation>
    </message>
    <message>
        <source>Canada, Nunavut</source>
        <translation>Canadá, Nunavut</translation>
    </message>
    <message>
        <source>Canada, Ontario</source>
        <translation>Canadá, Ontario</translation>
    </message>
    <message>
        <source>Canada, Prince Edward Island</source>
        <translation>Canadá, Isla del Príncipe Eduardo</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>Canadá, Quebec</translation>
    </message>
    <message>
        <source>Canada, Saskatchewan</source>
        <translation>Canadá, Saskatchewan</translation>
    </message>
    <message>
        <source>Canada, Yukon</source>
        <translation>Canadá, Yukon</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Australia, Territorio de la Capital Australiana</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Australia, Nueva Gales del Sur</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Australia, Territorio del Norte</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Australia, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Australia, Australia Meridional</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Australia, Tasmania</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Australia, Victoria</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Australia, Australia Occidental</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nueva Zelanda</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>España, Andalucía</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>España, Aragón</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>España, Asturias</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>España, Islas Baleares</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>España, Canarias</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>España, Cantabria</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>España, Castilla y León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>España, Castilla-La Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>España, Cataluña</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>España, Extremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>España, Galicia</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>España, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>España, Murcia</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>España, Navarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>España, País Vasco</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>España, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>España, Comunidad Valenciana</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>España, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>España, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Suiza, Argovia</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Suiza, Appenzell Rodas Interiores</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Suiza, Appenzell Rodas Exteriores</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Suiza, Berna</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Suiza, Basilea-Campiña</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Suiza, Basilea-Ciudad</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Suiza, Friburgo</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Suiza, Ginebra</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Suiza, Glaris</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Suiza, Grisones</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Suiza, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Suiza, Lucerna</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Suiza, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Suiza, Nidwalden</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Suiza, Obwalden</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Suiza, San Galo</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Suiza, Schaffhausen</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Suiza, Soleura</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Suiza, Schwyz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Suiza, Turgovia</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Suiza, Tesino</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Suiza, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Suiza, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Suiza, Valais</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Suiza, Zug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Suiza, Zúrich</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 entrada omitida, porque su fecha no puede existir (corríjala con Editar &gt; Lista)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n entrada omitida, porque su fecha no puede existir (corríjala con Editar &gt; Lista)</numerusform>
            <numerusform>%n entradas omitidas, porque sus fechas no pueden existir (corríjalas con Editar &gt; Lista)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>no se puede alcanzar %1 (no hay red o no existe ese servidor): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 rechazó la conexión: allí no hay ningún servidor</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 no respondió en 30 segundos</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>la conexión segura con %1 falló, %2 (no aceptado)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 cortó la conexión: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 rechazó el nombre de usuario o la contraseña</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 no permite %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 no existe en el servidor (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 no tiene espacio para %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 respondió a %2 con el estado %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>estado %1 en lugar de un multiestado WebDAV</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>la respuesta de %1 a %2 no tiene sentido: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>ningún servidor CardDAV ni CalDAV responde en %1</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>el servidor no tiene calendarios para este usuario, así que los cumpleaños no se pueden publicar</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 estorba al calendario «Birthdays» y no es un calendario</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>alguien más sigue cambiando %1 en el servidor; se dejó como está</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 añadidos, %2 cambiados, %3 quitados, 1 evento publicado</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 añadidos, %2 cambiados, %3 quitados, %n evento publicado</numerusform>
            <numerusform>%1 añadidos, %2 cambiados, %3 quitados, %n eventos publicados</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>no es XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>no es un multiestado WebDAV</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>su XML está roto (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>no hay ningún servicio de secretos en este escritorio</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>el servidor</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>el certificado de «%1»: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1: cumpleaños</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1: aniversario</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1: %2.º cumpleaños</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1: %2.º aniversario</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>No se puede leer «%1»: es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>No se puede leer «%1».</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(no el %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(desde %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(hasta %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(día sustitutivo)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(trasladado)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 evento de día completo</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n evento de día completo</numerusform>
            <numerusform>%n eventos de día completo</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 festivo de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n festivo de %1</numerusform>
            <numerusform>%n festivos de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 evento con hora omitido</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n evento con hora omitido</numerusform>
            <numerusform>, %n eventos con hora omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 evento recortado a %1 días</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n evento recortado a %1 días</numerusform>
            <numerusform>, %n eventos recortados a %1 días</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>no es un archivo iCalendar (no empieza por BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>está cortado: falta su END:VCALENDAR</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>no es un archivo iCalendar que libical pueda leer</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>tiene partes que libical no puede leer (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festivo</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Año Nuevo</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Día de Martin Luther King</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Día de los Presidentes</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Cumpleaños de Lincoln</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>San Valentín</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Cumpleaños de Washington</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>San Patricio</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Día de los impuestos</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Día de la Madre</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Día de la Bandera</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Día del Padre</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Día de la Independencia</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Día del Trabajo</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Día de Colón</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Día de los Veteranos</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Acción de Gracias</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Navidad</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>«%1» no es un documento de Kinfold o está dañado.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se indica dos veces</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>no hay documento donde guardar: indique DOC.kfd o --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 es el archivo que se importa; --save necesita otro nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>«%1» no es ni un archivo GEDCOM ni un archivo vCard</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n entrada guardada en %2)</numerusform>
            <numerusform>%1 (%n entradas guardadas en %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 añadidas, %2 fusionadas, %3 conflictos conservados</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 fecha con un año fuera de %1..%2 omitida</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n fecha con un año fuera de %1..%2 omitida</numerusform>
            <numerusform>, %n fechas con un año fuera de %1..%2 omitidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> LN</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> CC</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> LL</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> CM</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Primavera</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Otoño</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Luna fría</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Luna de los huesos</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Luna de los vientos</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Luna de las flores</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Luna de la siembra</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Luna del maíz verde</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Luna del maíz maduro</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Luna de los frutos</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Luna de las nueces</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Luna de la cosecha</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Luna del trueque</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Luna de la nieve</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Luna azul</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Rata</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Búfalo</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Liebre</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragón</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Cabra</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Gallo</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cerdo</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>a. C.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>juliano</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>month title: the month&apos;s name, the year</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>El mes debe ser de 1 a 12, o 0 con el día 0 cuando no se conoce.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>El mes debe ser de 1 a 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>El mes de «%1» debe ser de 1 a 12, o 0 con el día 0 cuando no se conoce.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>El mes de «%1» debe ser de 1 a 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 sin año</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>El día no puede ser %1: %2 tiene %3 días.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>El día de «%1» no puede ser %2: %3 tiene %4 días.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Usar el valor tal como está.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Usar el valor original.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Usar los valores originales.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>dentro de %n día</numerusform>
            <numerusform>dentro de %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n cumpleaños o evento próximo</numerusform>
            <numerusform>%n cumpleaños y eventos próximos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>how far off, the day</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Upcoming</name>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1 aniversario</translation>
    </message>
</context>
</TS>
