<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Klepnutím minimalizujete.  PRAVÝM tlačítkem otevřete nastavení.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Vyberte město ve svém časovém pásmu.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>neděle</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>pondělí</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>úterý</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>středa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>čtvrtek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>pátek</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Město, ciferník a budík…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Spouštět po přihlášení</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Odložit</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Zazvonit znovu za 10 minut</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Časové pásmo nenalezeno pro:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Budík nyní</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Budík za %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Minimalizovat</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Smazat tyto hodiny…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Smazat tyto hodiny?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>dnes</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>zítra</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>včera</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n den dříve</numerusform>
            <numerusform>%n dny dříve</numerusform>
            <numerusform>%n dní dříve</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n den později</numerusform>
            <numerusform>%n dny později</numerusform>
            <numerusform>%n dní později</numerusform>
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
        <translation>%1r</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Vytvořit nový dokument</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Otevřít…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Otevřít existující dokument</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Uložit aktuální dokument</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Uložit &amp;jako…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Uložit aktuální dokument pod novým názvem</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>U&amp;končit</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Ukončit aplikaci; zeptá se na uložení dokumentů</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Uložit změny v %1?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložit jako</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Neočekávaný formát souboru.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Soubor %1 nelze otevřít.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Dokument %1 se nepodařilo uložit.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Otevřít tento dokument</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Nedávný soubor</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Nastavit budík</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Zadejte zprávu, která se má zobrazit v čase buzení.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Nastavit budík, aby zazvonil v zadaný čas.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Zrušit budík.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Nastavit datum budíku.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Nastavit čas budíku.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Toto datum a čas už uplynuly</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Nastane za %1 od nynějška (%2)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Zavřít beze změny budíku.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Toto datum a čas už uplynuly. Zvolte pro budík pozdější čas.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Které město?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Budík</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Klasický</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderní</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Fotografie</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitální</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24hodinový</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Vyberte město.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Nastavit tyto hodiny na vybrané město a zavřít</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Vytvořit nové hodiny pro vybrané město</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Smazat tyto hodiny a zavřít</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Nastavit čas budíku podle času vybraného města</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Vybrat vzhled hodin</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Zadejte část názvu města, abyste je našli.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Zavřít bez vytvoření hodin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage:</source>
        <translation>použití:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>spolu s</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 nebo %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>neznámý přepínač %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 je zadán dvakrát</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 vyžaduje %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nepřijímá hodnotu</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 patří k %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>za -- musí následovat soubor</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>neočekávaný argument %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>žádný displej (není nastaveno DISPLAY ani WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>displej %1 nelze otevřít</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (viz %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>Příkaz pro opětovné spuštění se nepodařilo zapsat</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Příkazy pro opětovné spuštění se nepodařilo načíst</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Chyba při přepisování spouštěcího souboru</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer selhalo</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>Chybí vyžadovaný soubor TimeZones.txt.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 nelze zapsat: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>%1 nelze odstranit: %2</translation>
    </message>
</context>
</TS>
