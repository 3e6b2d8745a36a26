<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>kein Passwort für %1 (keines im Passwortspeicher; mit --sync --password-stdin angeben)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account braucht --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account braucht die Adresse des Servers</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user gehört zu --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>nur ein Dokument kann abgeglichen werden (erhalten: %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: „%1“ ist keine Kontonummer (siehe kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; das Konto wurde nicht hinzugefügt</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>kein Adressbuch unter %1 und nichts zu veröffentlichen; das Konto wurde nicht hinzugefügt</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 ist bereits Konto %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>das Passwort wurde nicht gespeichert (%1); bei jedem Abgleich mit --sync --password-stdin angeben</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>Konto %1: %2, 1 Adressbuch</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>Konto %1: %2, %n Adressbuch</numerusform>
            <numerusform>Konto %1: %2, %n Adressbücher</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, veröffentlicht in „Birthdays“</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>alle Adressbücher</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: es gibt kein Konto %1 (siehe kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>Konto %1 (%2) entfernt</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>es gibt kein Konto zum Abgleichen (eines mit --add-account hinzufügen)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 Karte konnte nicht gelesen werden und wurde ausgelassen</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n Karte konnte nicht gelesen werden und wurde ausgelassen</numerusform>
            <numerusform>%1: %n Karten konnten nicht gelesen werden und wurden ausgelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n Adressbuch</numerusform>
            <numerusform>%n Adressbücher</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: die Adresse darf das Passwort nicht enthalten; geben Sie es über die Standardeingabe an</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 ist weder eine GEDCOM-Datei („0 HEAD“) noch eine vCard-Datei („BEGIN:VCARD“).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Die Datei</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Konto hinzufügen</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>Die Adresse des Servers (https://dav.example.org/) oder die Adresse eines Adressbuchs.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Wird im Passwortspeicher der Arbeitsumgebung aufbewahrt, nie in einer Datei.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Die Geburtstage im Kalender „Birthdays“ veröffentlichen</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Die gelesenen Adressbücher; sind alle angehakt, werden auch neue gelesen.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>Adressbücher &amp;finden</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Adressbücher:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Bitte die Adresse des Servers und Ihren Benutzernamen angeben.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(kein Adressbuch auf diesem Server)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Bitte ein Adressbuch anhaken oder die Geburtstage veröffentlichen.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Das Passwort kann nicht gespeichert werden: %1. Kinfold fragt bei jedem Abgleich danach.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Bitte nehmen Sie das Passwort aus der Adresse des Servers und geben Sie es unter Passwort ein.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Adressbücher, die in die Liste gelesen werden, und Kalender, in denen die Geburtstage veröffentlicht werden.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen …</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten …</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Das Konto %1 entfernen? Die Einträge, die es brachte, bleiben in der Liste.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>alle Adressbücher</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n Adressbuch</numerusform>
            <numerusform>%n Adressbücher</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, veröffentlicht „Birthdays“</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Es gibt noch kein Konto: fügen Sie eines mit Datei &gt; Konten … hinzu</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Abgleich mit den Konten …</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Der Server hat das Passwort von %1 abgelehnt. Passwort:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Passwort von %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt abgleichen</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n Karte konnte nicht gelesen werden und wurde ausgelassen.</numerusform>
            <numerusform>%1: %n Karten konnten nicht gelesen werden und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Abgleich fehlgeschlagen</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Abgeglichen: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>Der Abgleich wurde nicht beendet; die Liste behält, was gelesen wurde, und der nächste Abgleich macht dort weiter.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Geburtstag bearbeiten</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Art des Eintrags wählen.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Diesen Eintrag löschen</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Diesen Eintrag entfernen.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Angezeigter Text</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Name einer Person</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Weitere</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Geburtstag einer Person</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Paar (Joe+Mary) Hochzeitsdatum</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Notiz (Arzt um 16 Uhr) Anzeigedatum</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Birth year.</source>
        <translation>Geburtsjahr.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Geburtsmonat.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Tag der Geburt im Monat.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Jahr der Heirat.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Monat der Heirat.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Tag der Heirat im Monat.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Todesjahr.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Todesmonat.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Todestag im Monat.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Geburt</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Heirat</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Tod</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Geburtstagsliste</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>Die Liste der Geburtstage.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Eintrag ändern.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Gewählten Eintrag löschen.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Neuen Eintrag anlegen.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Nur die Einträge zeigen, deren Text oder Datum diese Zeichen enthält.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Ein Datum dieses Eintrags ist unmöglich: mit Bearbeiten berichtigen.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Die gesetzlichen Feiertage welchen Landes.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Bitte ein Land wählen.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Datum eingeben</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Set desired year, do not abbreviate.</source>
        <translation>Gewünschtes Jahr eingeben, nicht abkürzen.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Monatszahl eingeben (1–12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Tag des Monats eingeben (1–31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Kalender exportieren</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Geburtstage</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Die Geburtstage der Personen in der Liste.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Hochzeitstage</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Die Hochzeitstage der Paare („Hochzeitstag“ im Kalender).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>Die datierten Notizen („Notizen“ im Kalender).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Geburtstage nach dem Todesdatum</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Aus: ein Geburtstag endet mit dem Todesdatum („Verstorbene“ im Kalender).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Erinnerungen als Alarme</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Ein Alarm je Vorlauftag der Erinnerungen, zu ihrer Uhrzeit.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 Termin; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n Termin; %1.</numerusform>
            <numerusform>%n Termine; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Farbe …</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Feiertag bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Zum Beispiel Weihnachten.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Gesetzliche Festlegung.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Karfreitag -2, Ostermontag 1, Christi Himmelfahrt 39, Pfingstmontag 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Wie das Vereinigte Königreich Weihnachten und den Boxing Day begeht.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Monat wählen.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Woche wählen (1. bis letzte).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Wochentag wählen.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Hier wird eine Zahl erwartet.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Westlich</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Orthodox</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>Das Ostern welcher Kirchen.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Tage nach dem Ostersonntag, negativ davor.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Das eine Jahr, in dem der Feiertag gilt.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Fällt das Datum auf diesen Wochentag, gilt das Datum selbst.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Ostern</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Tage ab Ostern</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>Datum selbst am</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Festes Datum</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Fester Wochentag</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Nächster Werktag nach</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Festes Datum, am Wochenende auch der nächste freie Werktag</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Festes Datum, an einem Sonntag der Samstag davor</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Wochentag am oder nach dem Datum</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Wochentag am oder vor dem Datum</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Datum in nur einem Jahr</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Wochentag am oder nach dem Datum, oder das Datum selbst am</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Werktag nach</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Zweite</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Dritte</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Vierte</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Fünfte</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Festes Datum, am Wochenende auch der Freitag davor oder der Montag danach (ersatzweise)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Tag, an dem die Jahreszeit beginnt (Tagundnachtgleiche oder Sonnenwende)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Ein Feiertag an einem Sonntag: der nächste freie Tag</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Ein Tag zwischen zwei Feiertagen</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>In einem Jahr nicht an diesem Datum (verlegt)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Wie die Vereinigten Staaten ihre Bundesfeiertage begehen.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>März oder September für die Tagundnachtgleichen wählen, Juni oder Dezember für die Sonnenwenden.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Für die ganze Liste, wie Japan seine Feiertage hält; der Name ist der des Tages.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Für die ganze Liste; der gewählte Wochentag wird ausgelassen.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>Der Feiertag dieses Namens wird im angegebenen Jahr nicht an diesem Datum begangen.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Stunden der Ortszeit gegenüber UT (Japan 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Stunden zu UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Erstes Jahr, in dem der Feiertag begangen wird; leer für immer.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Letztes Jahr, in dem der Feiertag begangen wird; leer für immer.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Begangen ab Jahr</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>Das letzte Jahr liegt vor dem ersten.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Feiertagsliste bearbeiten</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Liste der Feiertage.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Land …</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Den gewählten Feiertag ändern.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Einen neuen Feiertag eingeben.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Gewählten Feiertag entfernen.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Die Werkseinstellung wiederherstellen.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Die gesetzlichen Feiertage eines Landes übernehmen.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Aus Datei …</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Die ganztägigen Termine einer Kalenderdatei (.ics) hinzufügen.</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Ihre Feiertage durch die von %1 ersetzen?

Ja ersetzt die Liste, Nein fügt sie an ihrem Ende an.</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Aus Datei</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics *.ical);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Monat&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>Einen Monat vor
Nächster Monat</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Monat</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Einen Monat zurück
Voriger Monat</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Jahr&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Ein Jahr vor
Nächstes Jahr</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Jahr</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Ein Jahr zurück
Voriges Jahr</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Zum aktuellen Jahr und Monat
Dieser Monat, dieses Jahr</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Beliebiges Jahr und beliebigen Monat eingeben
Jedes Jahr, jeder Monat</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Zieldatum</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Tage bis zu (oder seit) einem Datum anzeigen
Tageszahl</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Verstorbene</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Geburtstage nach dem Todestag
Geburtstage</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Montag als erster Tag der Woche
Wochenbeginn</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Nur den Vornamen anzeigen
Geburtstag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Hochzeitstag</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Hochzeitstage anzeigen
Hochzeit</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Tageszähler</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Tage ab Zieldatum\Countdown</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Bilder als Kalenderhintergrund
Hintergrund</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Notizen
Notizen im Kalender zeigen</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Mondphase</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Beginn der Mondviertel zeigen
Viertel</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Jahreszeiten</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Beginn der Jahreszeiten
Jahreszeit</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Kalenderwochen</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Die Nummer jeder Woche in ihrem ersten Tag zeigen
Kalenderwochen</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Ein Monat pro Seite/nNormal</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Sechs Monate pro Seite
sechs Monate</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Zwölf Monate pro Seite
Jahr</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Heutiger</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Unser heutiger Kalender
Heutiger</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Alter Stil</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>bis 1400 oder 1700 gebraucht
Alter Stil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Jeder Monat beginnt mit dem Neumond
Mond</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Jahr der Schlange</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Chinesischer Kalender zum Spaß
Jahr der Schlange</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Öffnet den Dialog der Optionen
Dauerhafte Optionen</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Profil anwenden</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Optionen auf das zuletzt gespeicherte Profil setzen
Optionen anwenden</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Namensliste ansehen und bearbeiten
Namen bearbeiten</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Geburtstage aus einer GEDCOM-Datei eines Genealogieprogramms oder aus einem vCard-Adressbuch laden
Importieren</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Kalender exportieren …</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Die gezeigten Geburtstage, Hochzeitstage und Notizen als iCalendar-Datei für Telefon- und Webkalender speichern
Kalender exportieren</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Feiertage hinzufügen, ändern oder löschen
Feiertagsliste</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken …	Strg+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Den Kalender drucken
Drucken</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Den Kalender wie gedruckt zeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung …</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>Ü&amp;ber Geburtstage …</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Geburtstagsdateien (*.ged *.vcf *.vcard);;GEDCOM-Datei (*.ged);;vCard-Adressbuch (*.vcf *.vcard);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>Die Namensliste ist nicht leer.  Soll die Datei mit der aktuellen Liste zusammengeführt werden?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Sie können die aktuelle Liste mit Speichern oder Speichern unter im Menü Datei sichern und sie dann mit Neu im Menü Datei leeren.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Kalender exportieren</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>iCalendar-Datei (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n Eintrag in der Liste)</numerusform>
            <numerusform>%1 (%n Einträge in der Liste)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 Termin in %1 geschrieben; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n Termin in %1 geschrieben; %2</numerusform>
            <numerusform>%n Termine in %1 geschrieben; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Demnächst …</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Die Geburtstage, Hochzeitstage und Notizen der nächsten 30 Tage auflisten
Demnächst</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Kinfold-Dateien (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Hilfe mit F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Eine neue Geburtstagsliste anlegen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Eine vorhandene Geburtstagsliste öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Die Geburtstagsliste speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Die Geburtstagsliste unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Das Programm beenden; fragt nach dem Speichern der Liste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Die letzte Aktion zurücknehmen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Die Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Werkzeugleiste zeigen oder verbergen</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Monate/Seite</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Hilfeindex</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Im Hilfeindex suchen</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Hilfeindex</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Gregorianischer Kalender</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Abhandlung über den heute gebräuchlichen Kalender</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Weltkalender</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Über Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Zukunftspläne</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Meine Pläne für Erweiterungen und anderes</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Träumereien</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Der gregorianische Kalender&lt;/h3&gt;&lt;p&gt;Der heute bürgerlich gebrauchte Kalender zählt 365 Tage im Gemeinjahr und 366 im Schaltjahr. Ein Jahr ist ein Schaltjahr, wenn es durch 4 teilbar ist, außer den Jahrhundertjahren, die nur Schaltjahre sind, wenn sie durch 400 teilbar sind: 1900 war kein Schaltjahr, 2000 war eines.&lt;/p&gt;&lt;p&gt;Er löste den julianischen Kalender ab, der jedes vierte Jahr zum Schaltjahr machte und so den Jahreszeiten in vierhundert Jahren um etwa drei Tage vorauslief. Bei der Reform im Oktober 1582 wurden zehn Tage ausgelassen: Auf Donnerstag, den 4. Oktober, folgte Freitag, der 15. Oktober. Kinfold zeigt Monate bis Oktober 1582 von selbst im julianischen Kalender und überschreibt sie mit „julianisch“; der Kalender Alter Stil zeigt jeden Monat so, wie er dort geführt wurde, wo die Reform spät kam (Großbritannien und seine Kolonien wechselten 1752). Im Alten Stil begann das Jahr im März, daher tragen Januar bis März beide Jahre, wie in Februar 1699/0.&lt;/p&gt;&lt;p&gt;Der Mondkalender beginnt jeden Monat am Tag nach einem Neumond; ein Jahr mit dreizehn Neumonden endet mit dem Monat „Blauer Mond“. Der Kalender Jahr der Schlange nutzt dieselben Monate und benennt jedes Jahr nach seinem Tier.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold führt eine Liste von Geburtstagen, Hochzeitstagen und datierten Notizen und zeichnet sie in Monatskalender: ein, sechs oder zwölf Monate pro Seite, auf dem Bildschirm und auf Papier.&lt;/p&gt;&lt;p&gt;Jeder Tag zeigt seine Zahl, den Feiertag des Tages in der untersten Zeile und darüber die Menschen des Tages mit ihrem Alter. Die Ecke eines Tages kann den Beginn einer Jahreszeit oder eines Mondviertels zeigen, oder die Tage bis zu oder seit einem Zieldatum.&lt;/p&gt;&lt;p&gt;Mit den Knöpfen der Menüleiste wechseln Sie Monat und Jahr, im Menü Ansicht wählen Sie, was gezeigt wird, und im Menü Bearbeiten ändern Sie die Liste und die Feiertage. Listen werden als .kfd-Dateien gespeichert und können Personen aus einer GEDCOM-Datei eines Genealogieprogramms aufnehmen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Zukunftspläne&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Die Namensliste ebenso drucken wie den Kalender.&lt;/li&gt;&lt;li&gt;Erinnerungen einige Tage vor einem Geburtstag.&lt;/li&gt;&lt;li&gt;Weitere Kalender und Feiertage, die Ostern folgen.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Kinfold-Hilfe</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Konten …</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Die gelesenen Adressbücher und den Kalender, in dem veröffentlicht wird, hinzufügen, ändern oder entfernen</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt abgleichen</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Die Adressbücher der Konten in die Liste lesen und ihre Geburtstage veröffentlichen</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Hilfe</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Knopf drücken, um Schrift, Größe und Farbe zu ändern.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Monat und Jahr</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Name des Wochentags</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Tageszahl</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Tageszähler</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Name der Person</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(Standard)</translation>
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
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Wochentage</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29. Februar in anderen Jahren:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Am 28. Februar zeigen</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Am 1. März zeigen</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Nur in Schaltjahren zeigen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Alter anzeigen</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Alter nur unter 18 anzeigen</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Kein Alter anzeigen</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Geburtstage Verstorbener einbeziehen</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Die Woche mit Montag statt Sonntag beginnen</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Nur den Vornamen verwenden</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Hochzeitstage zeigen</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Tageszähler zeigen (bis zum oder seit dem Zieldatum)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Bilder zeigen</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Notizen zeigen</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Mondphase zeigen</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Jahreszeiten zeigen</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Kalenderwochen zeigen</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>An Geburtstage, Hochzeitstage und Notizen erinnern</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Desktop-Benachrichtigungen bei der Anmeldung und jede Stunde.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Erinnern</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>Am Tag selbst</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 Tag vorher</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 Tage vorher</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 Tage vorher</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 Tage vorher</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 Tage vorher</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Ab dieser Uhrzeit:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>Die Erinnerungen eines Tages kommen ab dieser Uhrzeit.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Beobachtetes Dokument</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Das zuletzt benutzte</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Dieses:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen …</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Das Dokument wählen, an dessen Einträge erinnert wird.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Geburtstagsliste (*.kfd);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Bitte wählen</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Zwei Daten angegeben für</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Bitte das richtige wählen.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Tod</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Heirat</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Geburt</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Demnächst</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Die Geburtstage, Hochzeitstage und Notizen von heute und den nächsten 30 Tagen.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Nichts in den nächsten 30 Tagen</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Jahr wählen</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Ein Jahr wählen</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Monat wählen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Ein Jahr von %1 bis %2 eingeben.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (Geburtstag)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Geboren %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (Hochzeitstag)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Verheiratet %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 Geburtstag</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n Geburtstag</numerusform>
            <numerusform>%n Geburtstage</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 Hochzeitstag</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n Hochzeitstag</numerusform>
            <numerusform>%n Hochzeitstage</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 Notiz</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n Notiz</numerusform>
            <numerusform>%n Notizen</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>ausgelassen: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>nichts ausgelassen</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 Geburtstag endet mit dem Todesdatum</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n Geburtstag endet mit dem Todesdatum</numerusform>
            <numerusform>%n Geburtstage enden mit dem Todesdatum</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics braucht den Namen der zu schreibenden Kalenderdatei</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics schreibt eine iCalendar-Datei, nicht „%1“ (erst OUT.ics angeben, dann das Dokument)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>kein DOC.kfd angegeben, und das letzte Dokument kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 Termin in %1 geschrieben (aus %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n Termin in %1 geschrieben (aus %2)</numerusform>
            <numerusform>%n Termine in %1 geschrieben (aus %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 ist das Dokument selbst; das PDF würde es ersetzen</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Eine GEDCOM- oder vCard-Datei ohne Fenster in DOC.kfd (oder eine neue Liste) übernehmen</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Die zusammengeführte Liste in OUT.kfd statt in DOC.kfd speichern</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Die Einträge, die der Kalender aus DOC.kfd (oder dem letzten Dokument) zeigt, als jährliche iCalendar-Termine schreiben</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Zwölf Monate von DOC.kfd (oder einer leeren Liste) ohne Fenster in eine PDF-Datei drucken</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Erstes gedrucktes Jahr, -9900 bis 11400; ab Januar, wenn --month fehlt</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Erster gedruckter Monat: 1–12, oder 13 in einem Mondjahr mit 13 Monaten</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 oder 12 Monate pro Seite</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Heutiger, 1 Alter Stil, 2 Mond, 3 Jahr der Schlange</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Papierformat: Letter, Legal, A4, A3, A5 und andere Standardnamen; ohne Angabe das des Gebietsschemas (Letter oder A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Querformat, die Voreinstellung</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Die Nummer jeder Wochenzeile in ihrer ersten Zelle</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Die eingebauten Feiertage der Länder auflisten, eines je Zeile: Kürzel, Leerzeichen, Name</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Die Alarme der Erinnerungen nicht in die Termine aufnehmen</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Die Termine von heute und den nächsten DAYS Tagen (Vorgabe 14, höchstens 366) aus DOC.kfd (oder dem letzten Dokument) ausgeben</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Für jede jetzt fällige Erinnerung aus DOC.kfd (oder dem beobachteten Dokument) eine Desktop-Benachrichtigung zeigen</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Dieses lokale Datum und diese Uhrzeit (ohne Uhrzeit 00:00) als jetzt nehmen</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Jeden Feiertag des Jahres YEAR (-9900 bis 11400) als „YYYY-MM-DD Name“ ausgeben, aus der gespeicherten Liste</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Die ganztägigen Termine einer iCalendar-Datei zur gespeicherten Feiertagsliste hinzufügen (Termine mit Uhrzeit werden übersprungen)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Feiertage des Ländersatzes CODE (siehe --holiday-sets) nur für diesen Aufruf; mit --upcoming auch „stored“</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Ein CardDAV-/CalDAV-Konto hinzufügen (die Wurzel eines Servers oder eine Sammlung); das Passwort wird von der Standardeingabe gelesen</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Der Benutzername des Kontos</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Nur die Adressbücher lesen, keinen Kalender veröffentlichen</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Die Konten auflisten, eines je Zeile, mit ihren Nummern</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Konto N (siehe --accounts) und sein Passwort entfernen</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Die Adressbücher jedes Kontos in DOC.kfd (oder das letzte Dokument) lesen und dessen Geburtstage veröffentlichen</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Die Passwörter der Konten von der Standardeingabe lesen, eines je Zeile, statt aus dem Passwortspeicher</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>nur in ein Dokument kann zusammengeführt werden (erhalten: %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>nur ein Dokument kann exportiert werden (erhalten: %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays liest kein Dokument (erhalten: %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets liest kein Dokument (erhalten: %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf schreibt eine PDF-Datei, nicht „%1“ (erst OUT.pdf angeben, dann das Dokument)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays liest kein Dokument (erhalten: %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (siehe kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 und %2 können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>unbekannte Option %1 (siehe kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: „%2“ ist kein Jahr</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: es gibt kein Jahr 0 (1 v. Chr. ist das Jahr -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 liegt außerhalb der gezeigten Jahre, %3 bis %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: kein Ländersatz „%1“ (siehe kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf braucht einen Namen für die Ausgabedatei</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: „%1“ ist keiner von 0 (Heutiger), 1 (Alter Stil), 2 (Mond), 3 (Jahr der Schlange)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: „%1“ ist kein Monat von 1 bis 12 und nicht 13 in einem Mondjahr mit 13 Monaten</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: Monat 13 gibt es nur in den Mondkalendern (--calendar 2 oder 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: das Mondjahr %1 hat 12 Monate</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: „%1“ ist keiner von 1, 6 oder 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: unbekanntes Papier „%1“ (versuchen Sie Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait und --landscape können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>nur ein Dokument kann gedruckt werden (erhalten: %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: „%1“ ist kein Datum YYYY-MM-DD oder YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: „%1“ ist keine Zahl von Tagen von 0 bis 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>nur ein Dokument kann aufgelistet werden (erhalten: %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: kein DOC.kfd angegeben und zuvor kein Dokument benutzt</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>nur ein Dokument kann beobachtet werden (erhalten: %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: noch kein Dokument benutzt, also keine Erinnerungen</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; die Erinnerungen folgen auf der Standardausgabe</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Vereinigtes Königreich, Schottland</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Vereinigtes Königreich, Nordirland</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Griechenland</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Deutschland, Brandenburg</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Deutschland, Berlin</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Deutschland, Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Deutschland, Bayern</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Deutschland, Bremen</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Deutschland, Hessen</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Deutschland, Hamburg</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Deutschland, Mecklenburg-Vorpommern</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Deutschland, Niedersachsen</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Deutschland, Nordrhein-Westfalen</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Deutschland, Rheinland-Pfalz</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Deutschland, Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Deutschland, Saarland</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Deutschland, Sachsen</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Deutschland, Sachsen-Anhalt</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Deutschland, Thüringen</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portugal, Azoren</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>Portugal, Madeira</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dänemark</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Finnland, Åland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Tschechien</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Canada, Alberta</source>
        <translation>Kanada, Alberta</translation>
    </message>
    <message>
        <source>Canada, British Columbia</source>
        <translation>Kanada, British Columbia</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Kanada, Manitoba</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Kanada, New Brunswick</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Kanada, Neufundland und Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Kanada, Nova Scotia</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Kanada, Nordwest-Territorien</translation>
    </message>
    <message>
        <source>Canada, Nunavut</source>
        <translation>Kanada, Nunavut</translation>
    </message>
    <message>
        <source>Canada, Ontario</source>
        <translation>Kanada, Ontario</translation>
    </message>
    <message>
        <source>Canada, Prince Edward Island</source>
        <translation>Kanada, Prinz-Edward-Insel</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>Kanada, Québec</translation>
    </message>
    <message>
        <source>Canada, Saskatchewan</source>
        <translation>Kanada, Saskatchewan</translation>
    </message>
    <message>
        <source>Canada, Yukon</source>
        <translation>Kanada, Yukon</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Australien, Australisches Hauptstadtterritorium</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Australien, New South Wales</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Australien, Northern Territory</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Australien, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Australien, South Australia</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Australien, Tasmanien</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Australien, Victoria</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Australien, Western Australia</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Spanien, Andalusien</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Spanien, Aragonien</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Spanien, Asturien</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Spanien, Balearen</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Spanien, Kanarische Inseln</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Spanien, Kantabrien</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Spanien, Kastilien und León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Spanien, Kastilien-La Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Spanien, Katalonien</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Spanien, Extremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Spanien, Galicien</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Spanien, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Spanien, Murcia</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Spanien, Navarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Spanien, Baskenland</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Spanien, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Spanien, Valencianische Gemeinschaft</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Spanien, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Spanien, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Schweiz, Aargau</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Schweiz, Appenzell Innerrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Schweiz, Appenzell Ausserrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Schweiz, Bern</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Schweiz, Basel-Landschaft</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Schweiz, Basel-Stadt</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Schweiz, Freiburg</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Schweiz, Genf</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Schweiz, Glarus</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Schweiz, Graubünden</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Schweiz, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Schweiz, Luzern</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Schweiz, Neuenburg</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Schweiz, Nidwalden</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Schweiz, Obwalden</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Schweiz, St. Gallen</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Schweiz, Schaffhausen</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Schweiz, Solothurn</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Schweiz, Schwyz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Schweiz, Thurgau</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Schweiz, Tessin</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Schweiz, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Schweiz, Waadt</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Schweiz, Wallis</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Schweiz, Zug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Schweiz, Zürich</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 Eintrag ausgelassen, da sein Datum unmöglich ist (mit Bearbeiten &gt; Liste berichtigen)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n Eintrag ausgelassen, da sein Datum unmöglich ist (mit Bearbeiten &gt; Liste berichtigen)</numerusform>
            <numerusform>%n Einträge ausgelassen, da ihre Daten unmöglich sind (mit Bearbeiten &gt; Liste berichtigen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>%1 ist nicht erreichbar (kein Netz oder kein solcher Server): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 hat die Verbindung abgelehnt: dort läuft kein Server</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 hat nicht innerhalb von 30 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>die sichere Verbindung zu %1 ist fehlgeschlagen, %2 (nicht akzeptiert)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 hat die Verbindung abgebrochen: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 hat den Benutzernamen oder das Passwort abgelehnt</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 erlaubt %2 nicht (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 gibt es auf dem Server nicht (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 hat keinen Platz mehr für %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 hat %2 mit Status %3 beantwortet</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>Status %1 statt eines WebDAV-Multistatus</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>die Antwort von %1 auf %2 ergibt keinen Sinn: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>unter %1 antwortet kein CardDAV- oder CalDAV-Server</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>der Server führt keine Kalender für diesen Benutzer, daher können die Geburtstage nicht veröffentlicht werden</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 steht dem Kalender „Birthdays“ im Weg und ist kein Kalender</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>jemand anderes ändert %1 auf dem Server immer wieder; es wurde belassen, wie es ist</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 hinzugefügt, %2 geändert, %3 entfernt, 1 Termin veröffentlicht</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 hinzugefügt, %2 geändert, %3 entfernt, %n Termin veröffentlicht</numerusform>
            <numerusform>%1 hinzugefügt, %2 geändert, %3 entfernt, %n Termine veröffentlicht</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>es ist kein XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>es ist kein WebDAV-Multistatus</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>sein XML ist fehlerhaft (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>auf diesem Desktop läuft kein Passwortdienst</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>der Server</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>das Zertifikat von „%1“: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1 Geburtstag</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1 Hochzeitstag</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1 %2. Geburtstag</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1 %2. Hochzeitstag</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>„%1“ kann nicht gelesen werden: es ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(nicht am %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(ab %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(bis %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(Ersatztag)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(ersatzweise)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 ganztägigen Termin</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n ganztägigen Termin</numerusform>
            <numerusform>%n ganztägigen Terminen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 Feiertag aus %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n Feiertag aus %1</numerusform>
            <numerusform>%n Feiertage aus %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 Termin mit Uhrzeit übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n Termin mit Uhrzeit übersprungen</numerusform>
            <numerusform>, %n Termine mit Uhrzeit übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 Termin bei %1 Tagen abgeschnitten</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n Termin bei %1 Tagen abgeschnitten</numerusform>
            <numerusform>, %n Termine bei %1 Tagen abgeschnitten</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>ist keine iCalendar-Datei (sie beginnt nicht mit BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>ist abgeschnitten: ihr END:VCALENDAR fehlt</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>ist keine iCalendar-Datei, die libical lesen kann</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>hat Teile, die libical nicht lesen kann (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Neujahr</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Martin-Luther-King-Tag</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Präsidententag</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Lincolns Geburtstag</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Valentinstag</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Washingtons Geburtstag</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>Patrickstag</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Steuertag</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Muttertag</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Flaggentag</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Vatertag</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Unabhängigkeitstag</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Tag der Arbeit</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbus-Tag</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Veteranentag</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Weihnachten</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>„%1“ ist kein Kinfold-Dokument oder ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>kein Dokument zum Speichern: DOC.kfd oder --save OUT.kfd angeben</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 ist die Datei, die eingelesen wird; --save braucht einen anderen Namen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>„%1“ ist weder eine GEDCOM-Datei noch eine vCard-Datei</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n Eintrag in %2 gespeichert)</numerusform>
            <numerusform>%1 (%n Einträge in %2 gespeichert)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 hinzugefügt, %2 zusammengeführt, %3 Konflikte belassen</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 Datum mit einem Jahr außerhalb von %1..%2 ausgelassen</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n Datum mit einem Jahr außerhalb von %1..%2 ausgelassen</numerusform>
            <numerusform>, %n Daten mit einem Jahr außerhalb von %1..%2 ausgelassen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> NM</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> EV</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> VM</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> LV</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Kältemond</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Knochenmond</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Windmond</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Blütenmond</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Pflanzmond</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Grünkornmond</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Reifkornmond</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Fruchtmond</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Nussmond</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Erntemond</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Handelsmond</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Schneemond</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Blauer Mond</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Ratte</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Büffel</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Hase</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Ziege</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Hahn</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Hund</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Schwein</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>v. Chr.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>julianisch</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Der Monat muss 1 bis 12 sein, oder 0 mit Tag 0, wenn er nicht bekannt ist.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Der Monat muss 1 bis 12 sein.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Der Monat von „%1“ muss 1 bis 12 sein, oder 0 mit Tag 0, wenn er nicht bekannt ist.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Der Monat von „%1“ muss 1 bis 12 sein.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 ohne Jahr</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Der Tag kann nicht %1 sein: %2 hat %3 Tage.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Der Tag von „%1“ kann nicht %2 sein: %3 hat %4 Tage.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Den eingestellten Wert verwenden.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Den ursprünglichen Wert verwenden.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Die ursprünglichen Werte verwenden.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>in %n Tag</numerusform>
            <numerusform>in %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n Geburtstag und Termin steht an</numerusform>
            <numerusform>%n Geburtstage und Termine stehen an</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
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
        <translation>%1 Hochzeitstag</translation>
    </message>
</context>
</TS>
