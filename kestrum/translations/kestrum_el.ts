<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Κάντε κλικ για ελαχιστοποίηση.  ΔΕΞΙ κλικ για ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Επιλέξτε μια πόλη στη ζώνη ώρας σας.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Σάββατο</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Κυριακή</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Δευτέρα</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Τρίτη</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>Τετάρτη</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Πέμπτη</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Παρασκευή</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Πόλη, πλάκα και ξυπνητήρι…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Εκκίνηση κατά τη σύνδεση</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Αναβολή</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Νέο κουδούνισμα σε 10 λεπτά</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Δεν βρέθηκε ζώνη ώρας για:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Ξυπνητήρι τώρα</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Ξυπνητήρι σε %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Ελαχιστοποίηση</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Διαγραφή αυτού του ρολογιού…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Διαγραφή αυτού του ρολογιού;</translation>
    </message>
    <message>
        <source>today</source>
        <translation>σήμερα</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>αύριο</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>χθες</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n ημέρα νωρίτερα</numerusform>
            <numerusform>%n ημέρες νωρίτερα</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n ημέρα αργότερα</numerusform>
            <numerusform>%n ημέρες αργότερα</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1ημ</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>time to the alarm: hours</comment>
        <translation>%1ώ</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>time to the alarm: minutes</comment>
        <translation>%1λ</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>time to the alarm: seconds</comment>
        <translation>%1δ</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours ahead of local time</comment>
        <translation>%1 ώ</translation>
    </message>
    <message>
        <source>%1y</source>
        <comment>time to the alarm: years</comment>
        <translation>%1έτ</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Χωρίς τίτλο</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Νέο</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Δημιουργία νέου εγγράφου</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>Άν&amp;οιγμα…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Άνοιγμα υπάρχοντος εγγράφου</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>Α&amp;ποθήκευση</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Αποθήκευση του τρέχοντος εγγράφου</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Αποθήκευση &amp;ως…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Αποθήκευση του τρέχοντος εγγράφου με νέο όνομα</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Έξοδος από την εφαρμογή· ζητά αποθήκευση των εγγράφων</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Αποθήκευση των αλλαγών στο %1;</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Μη αναμενόμενη μορφή αρχείου.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του αρχείου %1.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Αποτυχία αποθήκευσης του εγγράφου %1.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Άνοιγμα αυτού του εγγράφου</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Πρόσφατο αρχείο</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Ρύθμιση ξυπνητηριού</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Σημείωση</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ρύθμιση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Εισαγάγετε το μήνυμα που θέλετε να δείτε την ώρα του ξυπνητηριού.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Ρύθμιση του ξυπνητηριού να χτυπήσει την καθορισμένη ώρα.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Ακύρωση του ξυπνητηριού.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Ορισμός ημερομηνίας ξυπνητηριού.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Ορισμός ώρας ξυπνητηριού.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Αυτή η ημερομηνία και ώρα έχει ήδη περάσει</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Συμβαίνει σε %1 από τώρα (%2)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Κλείσιμο χωρίς αλλαγή του ξυπνητηριού.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Αυτή η ημερομηνία και ώρα έχει ήδη περάσει. Επιλέξτε μεταγενέστερη ώρα για το ξυπνητήρι.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Ποια πόλη;</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Νέο</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Ξυπνητήρι</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Κλασικό</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Μοντέρνο</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Φωτογραφία</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Εικονίδιο</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Ψηφιακό</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24ωρο</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Επιλέξτε μια πόλη.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Ρύθμιση αυτού του ρολογιού για την επιλεγμένη πόλη και κλείσιμο</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Δημιουργία νέου ρολογιού για την επιλεγμένη πόλη</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Διαγραφή αυτού του ρολογιού και κλείσιμο</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Ρύθμιση ώρας ξυπνητηριού με βάση την ώρα της επιλεγμένης πόλης</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Επιλογή εμφάνισης ρολογιού</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Πληκτρολογήστε μέρος του ονόματος μιας πόλης για να τη βρείτε.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Κλείσιμο χωρίς δημιουργία ρολογιού</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage:</source>
        <translation>χρήση:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>μαζί με</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ή %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>άγνωστη επιλογή %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>η %1 δόθηκε δύο φορές</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>η %1 χρειάζεται %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>η %1 δεν δέχεται τιμή</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>η %1 χρησιμοποιείται μαζί με %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>το -- πρέπει να ακολουθείται από αρχείο</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>απροσδόκητο όρισμα %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>καμία οθόνη (δεν έχει οριστεί ούτε η DISPLAY ούτε η WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>αδυναμία ανοίγματος της οθόνης %1</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (δείτε %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>Αποτυχία εγγραφής της εντολής επανεκκίνησης</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Αποτυχία ανάγνωσης των εντολών επανεκκίνησης</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Σφάλμα κατά την επανεγγραφή του αρχείου εκκίνησης</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>Το CreateSoundBuffer απέτυχε</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>Λείπει το απαιτούμενο αρχείο TimeZones.txt.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>αδυναμία εγγραφής του %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>αδυναμία αφαίρεσης του %1: %2</translation>
    </message>
</context>
</TS>
