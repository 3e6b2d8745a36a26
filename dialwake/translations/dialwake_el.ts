<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Εμφάνιση αυτής της βοήθειας και έξοδος (επίσης -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Εμφάνιση της έκδοσης και έξοδος</translation>
    </message>
    <message>
        <source>the running dialwake does not answer</source>
        <translation>το dialwake που εκτελείται δεν απαντά</translation>
    </message>
    <message>
        <source>the running dialwake did not take the arguments</source>
        <translation>το dialwake που εκτελείται δεν δέχτηκε τα ορίσματα</translation>
    </message>
    <message>
        <source>dialwake [CLOCK...]   (a CLOCK is a restart line such as &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</source>
        <translation>dialwake [ΡΟΛΟΪ...]   (ένα ΡΟΛΟΪ είναι μια γραμμή επανεκκίνησης όπως &quot;/o4/tz(32400|nu0)/n(Tokyo, Japan)&quot;)</translation>
    </message>
    <message>
        <source>later starts cannot reach this one (%1)</source>
        <translation>οι επόμενες εκκινήσεις δεν μπορούν να φτάσουν σε αυτή (%1)</translation>
    </message>
</context>
<context>
    <name>DialwakeHost</name>
    <message>
        <source>New clock...</source>
        <comment>menu tray</comment>
        <translation>Νέο ρολόι…</translation>
    </message>
    <message>
        <source>Sounds...</source>
        <comment>menu tray</comment>
        <translation>Ήχοι…</translation>
    </message>
    <message>
        <source>Quit</source>
        <comment>menu tray</comment>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland without XWayland, where programs cannot place their windows: the clocks cannot keep their places or stay on top of other windows.</source>
        <translation>Αυτή η επιφάνεια εργασίας τρέχει σε Wayland χωρίς XWayland, όπου τα προγράμματα δεν μπορούν να τοποθετούν τα παράθυρά τους: τα ρολόγια δεν μπορούν να κρατήσουν τις θέσεις τους ούτε να μένουν πάνω από άλλα παράθυρα.</translation>
    </message>
</context>
<context>
    <name>SoundsWindow</name>
    <message>
        <source>Clock</source>
        <translation>Ρολόι</translation>
    </message>
    <message>
        <source>Tick every second</source>
        <translation>Χτύπος κάθε δευτερόλεπτο</translation>
    </message>
    <message>
        <source>Bong on the hour</source>
        <translation>Γκονγκ στην ακριβή ώρα</translation>
    </message>
    <message>
        <source>Quarter chimes</source>
        <translation>Κωδωνοκρουσίες ανά τέταρτο</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Ξυπνητήρι</translation>
    </message>
    <message>
        <source>Ring</source>
        <translation>Κουδούνισμα</translation>
    </message>
    <message>
        <source>Measure of music</source>
        <translation>Ένα μέτρο μουσικής</translation>
    </message>
    <message>
        <source>Repeat until answered</source>
        <translation>Επανάληψη μέχρι να απαντηθεί</translation>
    </message>
    <message>
        <source>Countdown</source>
        <translation>Αντίστροφη μέτρηση</translation>
    </message>
    <message>
        <source>Last ten seconds</source>
        <translation>Τελευταία δέκα δευτερόλεπτα</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Ήχοι</translation>
    </message>
    <message>
        <source>Click a sound to switch it on or off.</source>
        <translation>Κάντε κλικ σε έναν ήχο για να τον ενεργοποιήσετε ή να τον απενεργοποιήσετε.</translation>
    </message>
    <message>
        <source>Sound output ready: %1 s buffer at %2 Hz</source>
        <translation>Η έξοδος ήχου είναι έτοιμη: ενδιάμεση μνήμη %1 s στα %2 Hz</translation>
    </message>
    <message>
        <source>No sound output on this machine.</source>
        <translation>Δεν υπάρχει έξοδος ήχου σε αυτόν τον υπολογιστή.</translation>
    </message>
    <message>
        <source>&amp;Volume...</source>
        <translation>Έ&amp;νταση…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ενεργό</translation>
    </message>
    <message>
        <source>off</source>
        <translation>ανενεργό</translation>
    </message>
</context>
</TS>
