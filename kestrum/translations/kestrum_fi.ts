<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Pienennä napsauttamalla.  Asetukset OIKEALLA napsautuksella.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Valitse aikavyöhykkeesi kaupunki.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>lauantai</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>sunnuntai</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maanantai</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>tiistai</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>keskiviikko</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>torstai</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>perjantai</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Kaupunki, kellotaulu ja herätys…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Käynnistä kirjauduttaessa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Torkku</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Soita uudelleen 10 minuutin kuluttua</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Aikavyöhykettä ei löytynyt kohteelle:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Herätys nyt</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Herätys %1 kuluttua</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Pienennä</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Poista tämä kello…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Poistetaanko tämä kello?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>tänään</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>huomenna</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>eilen</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n päivä aiemmin</numerusform>
            <numerusform>%n päivää aiemmin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n päivä myöhemmin</numerusform>
            <numerusform>%n päivää myöhemmin</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1pv</translation>
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
        <translation>%1v</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Nimetön</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Uusi</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Luo uusi asiakirja</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Avaa…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Avaa olemassa oleva asiakirja</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Tallenna nykyinen asiakirja</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Tallenna &amp;nimellä…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Tallenna nykyinen asiakirja uudella nimellä</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Lopeta ohjelma; kysyy asiakirjojen tallentamisesta</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Tallennetaanko muutokset kohteeseen %1?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Tallenna nimellä</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Odottamaton tiedostomuoto.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Tiedostoa %1 ei voi avata.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Asiakirjan %1 tallentaminen epäonnistui.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Avaa tämä asiakirja</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Viimeaikainen tiedosto</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Aseta herätys</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Huomautus</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aseta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Kirjoita viesti, joka näytetään herätyksen hetkellä.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Aseta herätys soimaan annettuna aikana.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Peru herätys.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Aseta herätyksen päivämäärä.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Aseta herätyksen kellonaika.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Tämä ajankohta on jo mennyt</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Tapahtuu %1 kuluttua (nyt %2)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Sulje muuttamatta herätystä.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Tämä ajankohta on jo mennyt. Valitse herätykselle myöhäisempi aika.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Mikä kaupunki?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Herätys</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Perinteinen</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderni</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Valokuva</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Kuvake</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digitaalinen</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24 tuntia</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Valitse kaupunki.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Aseta tämä kello valitulle kaupungille ja sulje</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Luo uusi kello valitulle kaupungille</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Poista tämä kello ja sulje</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Aseta herätysaika valitun kaupungin ajassa</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Valitse kellon ulkoasu</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hae</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Etsi kaupunkia kirjoittamalla osa sen nimestä.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Sulje luomatta kelloa</translation>
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
        <translation>käyttö:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>vaatii</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 tai %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>tuntematon valitsin %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 on annettu kahdesti</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 tarvitsee arvon %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ei ota arvoa</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 vaatii valitsimen %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>-- vaatii perään tiedoston</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>odottamaton argumentti %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>ei näyttöä (DISPLAY- eikä WAYLAND_DISPLAY-muuttujaa ole asetettu)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>näyttöä %1 ei voi avata</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (katso %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>Uudelleenkäynnistyskomennon kirjoittaminen epäonnistui</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Uudelleenkäynnistyskomentojen lukeminen epäonnistui</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Virhe käynnistystiedoston uudelleenkirjoittamisessa</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer epäonnistui</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>Tarvittava tiedosto TimeZones.txt puuttuu.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>tiedostoa %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>tiedostoa %1 ei voi poistaa: %2</translation>
    </message>
</context>
</TS>
