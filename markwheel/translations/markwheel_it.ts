<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>File di Markwheel (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>F&amp;ile</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Svuota l&apos;elenco dei file in uso
In uso</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annulla l&apos;ultima azione
Annulla</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Taglia la selezione e la mette negli appunti
Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copia la selezione negli appunti
Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserisce il contenuto degli appunti
Incolla</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Cambia la data di arrivo
Data</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Conto alla rovescia</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Orologio calendario</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Orologio calendario AM/PM</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Ora solare</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Conta alla rovescia o in avanti fino alla data e ora di arrivo
o in avanti</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Giorno, data e ora
Oggi</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Come l&apos;orologio calendario, con indicatori AM/PM\m
AM PM</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>A mezzogiorno il sole è al punto più alto
 Meridiana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;Informazioni su Markwheel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright
Informazioni</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>Informazioni su Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel versione 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CMarkwheelDoc</name>
    <message>
        <source>Year %d</source>
        <translation>Anno %d</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>%1 ora solare</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Imposta la data di arrivo</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Mostrato come titolo della finestra durante il conteggio</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Anno di arrivo; gli anni negativi precedono l&apos;anno 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Mese, da 1 a 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Giorno del mese, da 1 a 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Ora, da 0 a 23 (ora locale)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minuto, da 0 a 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Secondo, da 0 a 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserire un numero intero tra %1 e %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
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
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [OBIETTIVO.mkw]</translation>
    </message>
</context>
</TS>
