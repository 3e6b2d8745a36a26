<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Úprava narozenin</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Vyberte druh záznamu.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Smazat tento záznam</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Odstranit tento záznam.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Zobrazený text</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Jméno osoby</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Narozeniny osoby</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Pár (Jan+Marie) – datum svatby</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Poznámka (lékař v 16:00) – datum zobrazení</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Seznam narozenin</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>Seznam narozenin.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Změnit záznam.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Smazat vybraný záznam.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Vytvořit nový záznam.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>Země</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Státní svátky které země.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Bez názvu</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Zadejte datum</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Set desired year, do not abbreviate.</source>
        <translation>Zadejte požadovaný rok, nezkracujte jej.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Zadejte číslo měsíce (1–12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Zadejte den v měsíci (1–31).</translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Barva…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Barva</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Úprava svátku</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Například Vánoce.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Zákonné vymezení.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Velký pátek -2, Velikonoční pondělí 1, Nanebevstoupení 39, Svatodušní pondělí 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Jako Spojené království slaví Vánoce a Boxing Day.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Vyberte měsíc.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Vyberte týden (první až poslední).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Vyberte den v týdnu.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Zde se očekává číslo.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Týden</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Den v týdnu</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Západní</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Pravoslavné</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>Velikonoce kterých církví.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Dny po Velikonoční neděli, záporné před ní.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Jediný rok, kdy se svátek slaví.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Připadne-li datum na tento den v týdnu, platí samotné datum.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Velikonoce</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Dny od Velikonoc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>Samotné datum v</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Pevné datum</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Pevný den v týdnu</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Další pracovní den po</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Pevné datum, o víkendu i další volný všední den</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Pevné datum, v neděli předchozí sobota</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Den v týdnu v den data nebo po něm</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Den v týdnu v den data nebo před ním</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Datum jen v jednom roce</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Den v týdnu v den data nebo po něm, nebo samotné datum v</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Pracovní den po</translation>
    </message>
    <message>
        <source>First</source>
        <translation>První</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Druhý</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Třetí</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Čtvrtý</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Pátý</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Poslední</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Úprava seznamu svátků</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Seznam svátků.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Země…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Změnit vybraný svátek.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Zadat nový svátek.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Odstranit vybraný svátek.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Obnovit výchozí tovární nastavení.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Vložit státní svátky některé země.</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Měsíc&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>O měsíc dopředu
Další měsíc</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Měsíc</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>O měsíc zpět
Předchozí měsíc</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Rok&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>O rok dopředu
Další rok</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Rok</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>O rok zpět
Předchozí rok</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Přejít na aktuální rok a měsíc
Tento měsíc, tento rok</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Zadat libovolný rok a měsíc
Libovolný rok, libovolný měsíc</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Zobrazit počet dní do zadaného data (nebo od něj)
Počet dní</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Zesnulí</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Narozeniny po datu úmrtí
Narozeniny</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Pondělí</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Pondělí jako první den týdne
Začátek týdne</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Křestní jméno</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Zobrazit jen křestní jméno
Narozeniny</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Výročí</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Zobrazit výročí svatby
Svatba</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Počítadlo dní</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Dny od cílového data\Odpočet</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Obrázky</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Obrázky jako pozadí kalendáře
Pozadí</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Poznámky
Zobrazit poznámky v kalendáři</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Fáze Měsíce</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Zobrazit začátek měsíční čtvrti
Čtvrť</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Roční období</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Začátek ročních období
Roční období</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Čísla týdnů</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Zobrazit číslo každého týdne v jeho prvním dni
Čísla týdnů</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Jeden měsíc na stránku/nNormální</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Šest měsíců na stránku
šest měsíců</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Dvanáct měsíců na stránku
Rok</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Současný</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Náš současný kalendář
Současný</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Starý styl</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>používaný do roku 1400 nebo 1700
Starý styl</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Každý měsíc začíná novem
Měsíc</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Rok hada</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Čínský kalendář pro zábavu
Rok hada</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Otevře dialog nastavení možností
Trvalé možnosti</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Použít profil</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Nastavit možnosti podle naposledy uloženého profilu
Použít možnosti</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Seznam</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Zobrazit a upravit seznam jmen
Upravit jména</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Načíst narozeniny ze souboru GEDCOM genealogického programu nebo z adresáře vCard
Importovat</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Exportovat kalendář…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Uložit zobrazené narozeniny, výročí a poznámky jako soubor iCalendar pro kalendáře v telefonu a na webu
Exportovat kalendář</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Svátky</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Přidat, změnit nebo smazat svátky
Seznam svátků</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Tisk…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Vytisknout kalendář
Tisk</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tisk…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Ná&amp;hled tisku</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Zobrazit kalendář, jak bude vytištěn
Náhled tisku</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Nastavení t&amp;isku…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Změnit tiskárnu a možnosti tisku
Nastavení tisku</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;O narozeninách…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Náhled tisku</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Soubory narozenin (*.ged *.vcf *.vcard);;Soubor GEDCOM (*.ged);;Adresář vCard (*.vcf *.vcard);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>Seznam jmen není prázdný.  Chcete soubor sloučit s aktuálním seznamem?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Aktuální seznam můžete uložit příkazem Uložit nebo Uložit jako v nabídce Soubor a pak jej vyprázdnit příkazem Nový v nabídce Soubor.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exportovat kalendář</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>Soubor iCalendar (*.ics);;Všechny soubory (*)</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Soubory Kinfold (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Nápovědu zobrazíte klávesou F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Vytvořit nový seznam narozenin</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Otevřít existující seznam narozenin</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Uložit aktuální seznam narozenin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Uložit aktuální seznam narozenin pod novým názvem</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložit jako</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Ukončit program; zeptá se na uložení seznamu narozenin</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Úpravy</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Vrátit poslední akci</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Vyj&amp;mout</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Vyjmout výběr a vložit jej do schránky</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Zkopírovat výběr do schránky</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Vložit</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Vložit obsah schránky</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Nástrojová lišta</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Zobrazit nebo skrýt nástrojovou lištu</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Stavový řádek</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Zobrazit nebo skrýt stavový řádek</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Měsíců na stránku</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalendář</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Rejstřík nápovědy</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Hledat v rejstříku nápovědy</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Rejstřík nápovědy</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Gregoriánský kalendář</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Pojednání o dnes používaném kalendáři</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Světový kalendář</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>O aplikaci Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Plány do budoucna</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Moje plány na rozšíření a další věci</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Snění</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Gregoriánský kalendář&lt;/h3&gt;&lt;p&gt;Kalendář, který se dnes používá v občanském životě, počítá 365 dní v obyčejném roce a 366 v přestupném. Rok je přestupný, je-li dělitelný 4, s výjimkou let končících století, která jsou přestupná, jen jsou-li dělitelná 400: rok 1900 přestupný nebyl, rok 2000 ano.&lt;/p&gt;&lt;p&gt;Nahradil juliánský kalendář, v němž byl přestupný každý čtvrtý rok, takže se za čtyři sta let předbíhal před ročními obdobími asi o tři dny. Při reformě v říjnu 1582 bylo vynecháno deset dní: po čtvrtku 4. října následoval pátek 15. října. Kinfold sám zobrazuje měsíce do října 1582 v juliánském kalendáři a označuje je „Julian“; kalendář ve starém stylu zobrazuje každý měsíc tak, jak by se počítal tam, kam reforma dorazila pozdě (Británie a její kolonie přešly v roce 1752). Ve starém stylu začínal rok v březnu, a proto leden až březen nesou oba roky, jako ve February 1699/0.&lt;/p&gt;&lt;p&gt;Lunární kalendář začíná každý měsíc den po novu; rok, v němž je třináct novů, končí měsícem Blue Moon. Kalendář Rok hada používá tytéž měsíce a každý rok pojmenovává podle jeho zvířete.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold vede seznam narozenin, výročí svatby a poznámek s datem a zakresluje je do měsíčních kalendářů: jeden, šest nebo dvanáct měsíců na stránku, na obrazovce i na papíře.&lt;/p&gt;&lt;p&gt;Každý den ukazuje své číslo, na spodním řádku svátek daného dne a nad ním osoby daného dne s jejich věkem. V rohu dne se může zobrazit začátek ročního období nebo měsíční čtvrti, nebo počet dní do cílového data či od něj.&lt;/p&gt;&lt;p&gt;Tlačítky na liště nabídek se posouváte po měsících a letech, v nabídce Zobrazit volíte, co se zobrazuje, a v nabídce Úpravy měníte seznam a svátky. Seznamy se ukládají jako soubory .kfd a mohou převzít osoby ze souboru GEDCOM genealogického programu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Plány do budoucna&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Tisk seznamu jmen stejně jako kalendáře.&lt;/li&gt;&lt;li&gt;Připomenutí několik dní před narozeninami.&lt;/li&gt;&lt;li&gt;Další kalendáře a svátky, které se řídí Velikonocemi.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Nápověda aplikace Kinfold</translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Stisknutím tlačítka změníte uvedené písmo, velikost a barvu.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Písmo</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Barva čar</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Měsíc a rok</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Název dne v týdnu</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Číslo dne</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Počítadlo dní</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Jméno osoby</translation>
    </message>
</context>
<context>
    <name>CPPMargins</name>
    <message>
        <source>Margins</source>
        <translation>Okraje</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Nahoře</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vlevo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Vpravo</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dole</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Dny v týdnu</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Měsíce</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Názvy</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29. února v ostatních letech:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Zobrazit 28. února</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Zobrazit 1. března</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Zobrazit jen v přestupných letech</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Zobrazit věk</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Zobrazit věk jen do 18 let</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Nezobrazovat věk</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Zahrnout narozeniny zesnulých</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Začínat týden pondělím místo neděle</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Používat jen křestní jméno</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Zobrazit výročí</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Zobrazit počet dní (do cílového data nebo od něj)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Zobrazit obrázky</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Zobrazit poznámky</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Zobrazit fáze Měsíce</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Zobrazit roční období</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Zobrazit čísla týdnů</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Vyberte</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Zadána dvě data pro</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Vyberte to správné.</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Vyberte rok</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Vyberte rok</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Beze změny</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Vyberte měsíc.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit</source>
        <translation>Zobrazit tuto nápovědu a skončit</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Zobrazit verzi a skončit</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Sloučit soubor GEDCOM nebo vCard do DOC.kfd (nebo nového seznamu) bez otevření okna</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Uložit sloučený seznam do OUT.kfd místo do DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Zapsat záznamy, které kalendář zobrazuje z DOC.kfd (nebo posledního dokumentu), jako každoroční události iCalendar</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Vytisknout dvanáct měsíců z DOC.kfd (nebo prázdného seznamu) do souboru PDF bez otevření okna</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>První tištěný rok, -9900 až 11400; od ledna, není-li zadáno --month</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>První tištěný měsíc: 1–12, nebo 13 v lunárním roce o 13 měsících</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 nebo 12 měsíců na stránku</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Současný, 1 Starý styl, 2 Měsíc, 3 Rok hada</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Velikost papíru: Letter, Legal, A4, A3, A5 a další standardní názvy; není-li zadána, podle národního prostředí (Letter nebo A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Stránky na výšku</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Stránky na šířku, výchozí</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Číslo každého řádku týdne v jeho první buňce</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Vypsat vestavěné sady svátků zemí, jednu na řádek: kód, mezera, název</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (1-9999) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Vypsat každý svátek roku YEAR (1–9999) jako „YYYY-MM-DD název“ z uloženého seznamu</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only</source>
        <translation>Svátky sady země CODE (viz --holiday-sets) jen pro toto spuštění</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
</TS>
