<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 στο %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>κανένας κωδικός για %1 (κανένας στην κλειδοθήκη· δώστε τον με --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>το --add-account χρειάζεται --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>το --add-account χρειάζεται τη διεύθυνση του διακομιστή</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>το --user πάει με το --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>απρόσμενο όρισμα %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>μόνο ένα έγγραφο μπορεί να συγχρονιστεί (δόθηκε %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: το «%1» δεν είναι αριθμός λογαριασμού (δείτε kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1· ο λογαριασμός δεν προστέθηκε</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>κανένα βιβλίο διευθύνσεων στο %1 και τίποτα για δημοσίευση· ο λογαριασμός δεν προστέθηκε</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>ο %1 είναι ήδη ο λογαριασμός %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>ο κωδικός δεν φυλάχτηκε (%1)· δώστε τον σε κάθε συγχρονισμό με --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>λογαριασμός %1: %2, 1 βιβλίο διευθύνσεων</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>λογαριασμός %1: %2, %n βιβλίο διευθύνσεων</numerusform>
            <numerusform>λογαριασμός %1: %2, %n βιβλία διευθύνσεων</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, δημοσιεύει στο «Birthdays»</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>όλα τα βιβλία διευθύνσεων</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: δεν υπάρχει λογαριασμός %1 (δείτε kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>ο λογαριασμός %1 (%2) αφαιρέθηκε</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>δεν υπάρχει λογαριασμός για συγχρονισμό (προσθέστε έναν με --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 κάρτα δεν διαβάστηκε και παραλείφθηκε</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n κάρτα δεν διαβάστηκε και παραλείφθηκε</numerusform>
            <numerusform>%1: %n κάρτες δεν διαβάστηκαν και παραλείφθηκαν</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n βιβλίο διευθύνσεων</numerusform>
            <numerusform>%n βιβλία διευθύνσεων</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: η διεύθυνση δεν πρέπει να περιέχει τον κωδικό· δώστε τον στην τυπική είσοδο</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>Το %1 δεν είναι ούτε αρχείο GEDCOM («0 HEAD») ούτε αρχείο vCard («BEGIN:VCARD»).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>αρχείο</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Απρόσμενη μορφή αρχείου.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Προσθήκη λογαριασμού</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Επεξεργασία λογαριασμού</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>Η διεύθυνση του διακομιστή (https://dav.example.org/) ή η διεύθυνση ενός βιβλίου διευθύνσεων.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>αμετάβλητος</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Φυλάσσεται στην κλειδοθήκη της επιφάνειας εργασίας, ποτέ σε αρχείο.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Δημοσίευση των γενεθλίων στο ημερολόγιο «Birthdays»</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Τα βιβλία διευθύνσεων που διαβάζονται· όταν είναι όλα επιλεγμένα, διαβάζονται και τα νέα.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Εύρεση βιβλίων διευθύνσεων</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Διακομιστής:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Όνομα &amp;χρήστη:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Κωδικός:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Βιβλία διευθύνσεων:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Δώστε τη διεύθυνση του διακομιστή και το όνομα χρήστη σας.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(κανένα βιβλίο διευθύνσεων σε αυτόν τον διακομιστή)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Επιλέξτε ένα βιβλίο διευθύνσεων ή δημοσιεύστε τα γενέθλια.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Ο κωδικός δεν μπορεί να φυλαχτεί: %1. Το Kinfold θα τον ζητά σε κάθε συγχρονισμό.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Αφαιρέστε τον κωδικό από τη διεύθυνση του διακομιστή και δώστε τον στο πεδίο Κωδικός.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Λογαριασμοί</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Βιβλία διευθύνσεων που διαβάζονται στη λίστα και ημερολόγια όπου δημοσιεύονται τα γενέθλια.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Προσθήκη…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Επεξεργασία…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Αφαίρεση</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Αφαίρεση του λογαριασμού %1; Οι καταχωρίσεις που έφερε μένουν στη λίστα.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>όλα τα βιβλία διευθύνσεων</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n βιβλίο διευθύνσεων</numerusform>
            <numerusform>%n βιβλία διευθύνσεων</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, δημοσιεύει το «Birthdays»</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Δεν υπάρχει ακόμη λογαριασμός: προσθέστε έναν από Αρχείο &gt; Λογαριασμοί…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Συγχρονισμός με τους λογαριασμούς…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Ο διακομιστής απέρριψε τον κωδικό του %1. Κωδικός:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Κωδικός του %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Συγχρονισμός τώρα</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n κάρτα δεν διαβάστηκε και παραλείφθηκε.</numerusform>
            <numerusform>%1: %n κάρτες δεν διαβάστηκαν και παραλείφθηκαν.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Ο συγχρονισμός απέτυχε</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Συγχρονίστηκε: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>Ο συγχρονισμός δεν ολοκληρώθηκε· η λίστα κρατά ό,τι διαβάστηκε και ο επόμενος συγχρονισμός συνεχίζει από εκεί.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Επεξεργασία γενεθλίων</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Επιλέξτε το είδος της καταχώρισης.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Διαγραφή αυτής της καταχώρισης</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Αφαίρεση αυτής της καταχώρισης.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Κείμενο εμφάνισης</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Περιγραφή</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Όνομα προσώπου</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Αρχή</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Άλλο</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Γενέθλια προσώπου</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Ζευγάρι (Γιάννης+Μαρία) – ημερομηνία γάμου</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Σημείωση (γιατρός στις 4 μ.μ.) – ημερομηνία εμφάνισης</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Έτος</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Μήνας</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Ημέρα</translation>
    </message>
    <message>
        <source>Birth year.</source>
        <translation>Έτος γέννησης.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Μήνας γέννησης.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Ημέρα γέννησης στον μήνα.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Έτος γάμου.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Μήνας γάμου.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Ημέρα γάμου στον μήνα.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Έτος θανάτου.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Μήνας θανάτου.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Ημέρα θανάτου στον μήνα.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Γέννηση</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Γάμος</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Θάνατος</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ημερομηνία</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Λίστα γενεθλίων</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>Η λίστα των γενεθλίων.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Τροποποίηση καταχώρισης.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Διαγραφή της επιλεγμένης καταχώρισης.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Δημιουργία νέας καταχώρισης.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Εμφάνιση μόνο των καταχωρίσεων που το κείμενο ή η ημερομηνία τους περιέχει αυτά τα γράμματα.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Μια ημερομηνία αυτής της καταχώρισης δεν μπορεί να υπάρξει: διορθώστε την με Επεξεργασία.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>Χώρα</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Οι επίσημες αργίες ποιας χώρας.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Επιλέξτε μια χώρα.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Χωρίς τίτλο</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Εισαγωγή ημερομηνίας</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Έτος</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Μήνας</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Ημέρα</translation>
    </message>
    <message>
        <source>Set desired year, do not abbreviate.</source>
        <translation>Ορίστε το επιθυμητό έτος, χωρίς συντόμευση.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Ορίστε τον αριθμό του μήνα (1–12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Ορίστε την ημέρα του μήνα (1–31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Εξαγωγή ημερολογίου</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Συμπερίληψη</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Γενέθλια</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Τα γενέθλια των προσώπων της λίστας.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Επέτειοι</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Οι επέτειοι γάμου των ζευγαριών («Επέτειοι» στο ημερολόγιο).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Σημειώσεις</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>Οι σημειώσεις με ημερομηνία («Σημειώσεις» στο ημερολόγιο).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Γενέθλια μετά την ημερομηνία θανάτου</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Ανενεργό: τα γενέθλια τελειώνουν στην ημερομηνία θανάτου («Εκλιπόντες» στο ημερολόγιο).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Υπενθυμίσεις ως ειδοποιήσεις</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Μία ειδοποίηση για κάθε ημέρα προειδοποίησης των υπενθυμίσεων, στην ώρα τους.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 συμβάν· %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n συμβάν· %1.</numerusform>
            <numerusform>%n συμβάντα· %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Χρώμα…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Χρώμα</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Επεξεργασία αργίας</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Για παράδειγμα, Χριστούγεννα.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Νομικός ορισμός.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Μεγάλη Παρασκευή -2, Δευτέρα του Πάσχα 1, Ανάληψη 39, Αγίου Πνεύματος 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Όπως το Ηνωμένο Βασίλειο γιορτάζει τα Χριστούγεννα και την επόμενη ημέρα (Boxing Day).</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Επιλέξτε μήνα.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Επιλέξτε εβδομάδα (1η έως τελευταία).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Επιλέξτε ημέρα της εβδομάδας.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Εδώ απαιτείται αριθμός.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Μήνας</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Εβδομάδα</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Ημέρα εβδομάδας</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Ημέρα</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Δυτικό</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Ορθόδοξο</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>Το Πάσχα ποιων Εκκλησιών.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Ημέρες μετά την Κυριακή του Πάσχα, ή πριν από αυτήν όταν είναι αρνητικές.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>Το μοναδικό έτος κατά το οποίο τηρείται η αργία.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Όταν η ημερομηνία πέφτει σε αυτή την ημέρα της εβδομάδας, η ίδια η ημερομηνία.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Πάσχα</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Ημέρες από το Πάσχα</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Έτος</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>Η ίδια η ημερομηνία την</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Σταθερή ημερομηνία</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Σταθερή ημέρα εβδομάδας</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Επόμενη εργάσιμη μετά</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Σταθερή ημερομηνία, σε Σαββατοκύριακο και η επόμενη ελεύθερη καθημερινή</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Σταθερή ημερομηνία, σε Κυριακή το προηγούμενο Σάββατο</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Ημέρα εβδομάδας κατά ή μετά την ημερομηνία</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Ημέρα εβδομάδας κατά ή πριν από την ημερομηνία</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Ημερομηνία σε ένα μόνο έτος</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Ημέρα εβδομάδας κατά ή μετά την ημερομηνία, ή η ίδια η ημερομηνία την</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Εργάσιμη μετά</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Πρώτη</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Δεύτερη</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Τρίτη</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Τέταρτη</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Πέμπτη</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Τελευταία</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Σταθερή ημερομηνία, σε Σαββατοκύριακο και η Παρασκευή πριν ή η Δευτέρα μετά (μεταφερμένη)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Ημέρα που αρχίζει η εποχή (ισημερία ή ηλιοστάσιο)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Αργία σε Κυριακή: η επόμενη ελεύθερη ημέρα</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Μια ημέρα ανάμεσα σε δύο αργίες</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Όχι σε αυτή την ημερομηνία ένα έτος (μεταφέρθηκε)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Όπως οι Ηνωμένες Πολιτείες τηρούν τις ομοσπονδιακές αργίες τους.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Επιλέξτε Μάρτιο ή Σεπτέμβριο για τις ισημερίες, Ιούνιο ή Δεκέμβριο για τα ηλιοστάσια.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Για όλη τη λίστα, όπως η Ιαπωνία τηρεί τις αργίες της· το όνομα είναι της ημέρας.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Για όλη τη λίστα· η επιλεγμένη ημέρα της εβδομάδας παραλείπεται.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>Η αργία με αυτό το όνομα δεν τηρείται σε αυτή την ημερομηνία το δοσμένο έτος.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Ώρες της τοπικής ώρας από την UT (Ιαπωνία 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Ώρες από UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Πρώτο έτος που τηρείται η αργία· κενό για πάντα.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Τελευταίο έτος που τηρείται η αργία· κενό για πάντα.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Τηρείται από το έτος</translation>
    </message>
    <message>
        <source>to</source>
        <translation>έως</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>Το τελευταίο έτος είναι πριν από το πρώτο.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Επεξεργασία λίστας αργιών</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Λίστα αργιών.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Νέα</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Χώρα…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Αλλαγή της επιλεγμένης αργίας.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Εισαγωγή νέας αργίας.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Αφαίρεση της επιλεγμένης αργίας.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Επαναφορά των εργοστασιακών ρυθμίσεων.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Εισαγωγή των επίσημων αργιών μιας χώρας.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Από αρχείο…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Προσθήκη των ολοήμερων συμβάντων ενός αρχείου ημερολογίου (.ics).</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Αντικατάσταση των αργιών σας με εκείνες της επιλογής %1;

Το Ναι αντικαθιστά τη λίστα, το Όχι τις προσθέτει στο τέλος της.</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Από αρχείο</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>Αρχεία iCalendar (*.ics *.ical);;Όλα τα αρχεία (*)</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Μήνας&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>Ένας μήνας μπροστά
Επόμενος μήνας</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Μήνας</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Ένας μήνας πίσω
Προηγούμενος μήνας</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Έτος&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Ένα έτος μπροστά
Επόμενο έτος</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Έτος</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Ένα έτος πίσω
Προηγούμενο έτος</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Σήμερα</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Μετάβαση στο τρέχον έτος και μήνα
Αυτός ο μήνας, αυτό το έτος</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Έτος</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Πληκτρολογήστε οποιοδήποτε έτος και μήνα
Οποιοδήποτε έτος, οποιοσδήποτε μήνας</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Στόχος</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Εμφάνιση του πλήθους ημερών έως (ή από) μια ημερομηνία
Πλήθος ημερών</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Εκλιπόντες</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Γενέθλια μετά την ημερομηνία θανάτου
Γενέθλια</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Δευτέρα</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Η Δευτέρα ως πρώτη ημέρα της εβδομάδας
Αρχή εβδομάδας</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Μικρό όνομα</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Εμφάνιση μόνο του μικρού ονόματος
Γενέθλια</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Επέτειοι</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Εμφάνιση επετείων γάμου
Γάμος</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Μετρητής ημερών</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Ημέρες από τον στόχο\Αντίστροφη μέτρηση</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Εικόνες</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Εικόνες ως φόντο του ημερολογίου
Φόντο</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Σημειώσεις</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Σημειώσεις
Εμφάνιση σημειώσεων στο ημερολόγιο</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Φάση της Σελήνης</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Εμφάνιση της αρχής κάθε τέταρτου της Σελήνης
Τέταρτο</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Εποχές</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Αρχή των εποχών
Εποχή</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Αριθμοί εβδομάδων</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Εμφάνιση του αριθμού κάθε εβδομάδας στην πρώτη της ημέρα
Αριθμοί εβδομάδων</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Ένας μήνας ανά σελίδα/nΚανονικό</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Έξι μήνες ανά σελίδα
έξι μήνες</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Δώδεκα μήνες ανά σελίδα
Έτος</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Τρέχον</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Το σημερινό μας ημερολόγιο
Τρέχον</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Παλαιό ημερολόγιο</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>σε χρήση έως το 1400 ή το 1700
Παλαιό ημερολόγιο</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Σελήνη</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Κάθε μήνας αρχίζει με τη νέα σελήνη
Σελήνη</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Έτος του Φιδιού</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Κινεζικό ημερολόγιο για διασκέδαση
Έτος του Φιδιού</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Ανοίγει το παράθυρο ρυθμίσεων επιλογών
Μόνιμες επιλογές</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Εφαρμογή προφίλ</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Ορισμός επιλογών από το τελευταίο αποθηκευμένο προφίλ
Εφαρμογή επιλογών</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Λίστα</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Προβολή και επεξεργασία της λίστας ονομάτων
Επεξεργασία ονομάτων</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Εισαγωγή</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Φόρτωση γενεθλίων από αρχείο GEDCOM προγράμματος γενεαλογίας ή από βιβλίο διευθύνσεων vCard
Εισαγωγή</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Εξαγωγή ημερολογίου…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Αποθήκευση των εμφανιζόμενων γενεθλίων, επετείων και σημειώσεων ως αρχείο iCalendar για ημερολόγια τηλεφώνου και ιστού
Εξαγωγή ημερολογίου</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Αργίες</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Προσθήκη, αλλαγή ή διαγραφή αργιών
Λίστα αργιών</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Εκτύπωση…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Εκτύπωση του ημερολογίου
Εκτύπωση</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Εκτύπωση…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Προεπισκόπηση ε&amp;κτύπωσης</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Εμφάνιση του ημερολογίου όπως θα εκτυπωθεί
Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Ρύθμιση εκτύπωσης…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Αλλαγή εκτυπωτή και επιλογών εκτύπωσης
Ρύθμιση εκτύπωσης</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;Σχετικά με τα γενέθλια…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Προεπισκόπηση εκτύπωσης</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Αρχεία γενεθλίων (*.ged *.vcf *.vcard);;Αρχείο GEDCOM (*.ged);;Βιβλίο διευθύνσεων vCard (*.vcf *.vcard);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>Η λίστα ονομάτων δεν είναι κενή.  Θέλετε να συγχωνεύσετε το αρχείο με την τρέχουσα λίστα;</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Μπορείτε να αποθηκεύσετε την τρέχουσα λίστα με Αποθήκευση ή Αποθήκευση ως στο μενού Αρχείο και έπειτα να την αδειάσετε με Νέο στο μενού Αρχείο.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Εξαγωγή ημερολογίου</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>Αρχείο iCalendar (*.ics);;Όλα τα αρχεία (*)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n καταχώριση στη λίστα)</numerusform>
            <numerusform>%1 (%n καταχωρίσεις στη λίστα)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 συμβάν γράφτηκε στο %1· %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n συμβάν γράφτηκε στο %1· %2</numerusform>
            <numerusform>%n συμβάντα γράφτηκαν στο %1· %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Προσεχώς…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Λίστα των γενεθλίων, επετείων και σημειώσεων των επόμενων 30 ημερών
Προσεχώς</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Δεν είναι δυνατή η εγγραφή του %1</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Αρχεία Kinfold (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Για βοήθεια, πατήστε F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Δημιουργία νέας λίστας γενεθλίων</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Νέο</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Άνοιγμα υπάρχουσας λίστας γενεθλίων</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Αποθήκευση της τρέχουσας λίστας γενεθλίων</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Αποθήκευση της τρέχουσας λίστας γενεθλίων με νέο όνομα</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Έξοδος από το πρόγραμμα· ζητά αποθήκευση της λίστας γενεθλίων</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Αναίρεση της τελευταίας ενέργειας</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Αποκο&amp;πή</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Αποκοπή της επιλογής και τοποθέτηση στο πρόχειρο</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Αντιγραφή της επιλογής στο πρόχειρο</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Επι&amp;κόλληση</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Εισαγωγή των περιεχομένων του πρόχειρου</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Γραμμή εργαλείων</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Εμφάνιση ή απόκρυψη της γραμμής εργαλείων</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Γραμμή &amp;κατάστασης</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Εμφάνιση ή απόκρυψη της γραμμής κατάστασης</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Μήνες/σελίδα</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Ημερολόγιο</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Ευρετήριο βοήθειας</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Αναζήτηση στο ευρετήριο βοήθειας</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Ευρετήριο βοήθειας</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Γρηγοριανό ημερολόγιο</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Πραγματεία για το ημερολόγιο που χρησιμοποιείται σήμερα</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Παγκόσμιο ημερολόγιο</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Σχετικά με το Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Μελλοντικά σχέδια</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Τα σχέδιά μου για αναβαθμίσεις και άλλα</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Όνειρα</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Το γρηγοριανό ημερολόγιο&lt;/h3&gt;&lt;p&gt;Το ημερολόγιο που χρησιμοποιείται σήμερα στον πολιτικό βίο μετρά 365 ημέρες σε κοινό έτος και 366 σε δίσεκτο. Ένα έτος είναι δίσεκτο όταν διαιρείται με το 4, εκτός από τα έτη των αιώνων, που είναι δίσεκτα μόνο όταν διαιρούνται με το 400: το 1900 δεν ήταν δίσεκτο, το 2000 ήταν.&lt;/p&gt;&lt;p&gt;Αντικατέστησε το ιουλιανό ημερολόγιο, που έκανε δίσεκτο κάθε τέταρτο έτος και έτσι προπορευόταν των εποχών κατά περίπου τρεις ημέρες σε τετρακόσια χρόνια. Με τη μεταρρύθμιση του Οκτωβρίου 1582 παραλείφθηκαν δέκα ημέρες: μετά την Πέμπτη 4 Οκτωβρίου ακολούθησε η Παρασκευή 15 Οκτωβρίου. Το Kinfold δείχνει από μόνο του τους μήνες έως τον Οκτώβριο 1582 στο ιουλιανό ημερολόγιο και τους τιτλοφορεί «Ιουλιανό»· το παλαιό ημερολόγιο δείχνει κάθε μήνα όπως θα τηρούνταν εκεί όπου η μεταρρύθμιση ήρθε αργά (η Βρετανία και οι αποικίες της άλλαξαν το 1752). Στο παλαιό ημερολόγιο το έτος άρχιζε τον Μάρτιο, γι&apos; αυτό ο Ιανουάριος έως ο Μάρτιος φέρουν και τα δύο έτη, όπως στο Φεβρουάριος 1699/0.&lt;/p&gt;&lt;p&gt;Το σεληνιακό ημερολόγιο αρχίζει κάθε μήνα την ημέρα μετά τη νέα σελήνη· ένα έτος με δεκατρείς νέες σελήνες τελειώνει με τον μήνα «Μπλε φεγγάρι». Το ημερολόγιο του Έτους του Φιδιού χρησιμοποιεί τους ίδιους μήνες και ονομάζει κάθε έτος με το ζώο του.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Το Kinfold τηρεί μια λίστα με γενέθλια, επετείους γάμου και σημειώσεις με ημερομηνία και τα σχεδιάζει σε μηνιαία ημερολόγια: ένας, έξι ή δώδεκα μήνες ανά σελίδα, στην οθόνη και στο χαρτί.&lt;/p&gt;&lt;p&gt;Κάθε ημέρα δείχνει τον αριθμό της, την αργία της ημέρας στην κάτω γραμμή και από πάνω τα πρόσωπα της ημέρας με την ηλικία τους. Η γωνία μιας ημέρας μπορεί να δείχνει την αρχή μιας εποχής ή ενός τέταρτου της Σελήνης, ή τις ημέρες έως ή από μια ημερομηνία στόχου.&lt;/p&gt;&lt;p&gt;Με τα κουμπιά της γραμμής μενού μετακινείστε ανά μήνα και έτος, με το μενού Προβολή επιλέγετε τι εμφανίζεται και με το μενού Επεξεργασία αλλάζετε τη λίστα και τις αργίες. Οι λίστες αποθηκεύονται ως αρχεία .kfd και μπορούν να δεχτούν πρόσωπα από αρχείο GEDCOM προγράμματος γενεαλογίας.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Μελλοντικά σχέδια&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Εκτύπωση της λίστας ονομάτων όπως και του ημερολογίου.&lt;/li&gt;&lt;li&gt;Υπενθυμίσεις λίγες ημέρες πριν από τα γενέθλια.&lt;/li&gt;&lt;li&gt;Περισσότερα ημερολόγια και αργίες που ακολουθούν το Πάσχα.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Βοήθεια του Kinfold</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Λογαριασμοί…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Προσθήκη, αλλαγή ή αφαίρεση των βιβλίων διευθύνσεων που διαβάζονται και του ημερολογίου δημοσίευσης</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Συγχρονισμός τώρα</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Ανάγνωση των βιβλίων διευθύνσεων των λογαριασμών στη λίστα και δημοσίευση των γενεθλίων της</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>ΚΕΦ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Επεξεργασία</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Προβολή</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Βοήθεια</translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Πατήστε το κουμπί για να αλλάξετε τη γραμματοσειρά, το μέγεθος και το χρώμα.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Γραμματοσειρά</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Χρώμα γραμμών</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Μήνας και έτος</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Όνομα ημέρας εβδομάδας</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Αριθμός ημέρας</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Μετρητής ημερών</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Όνομα προσώπου</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(προεπιλογή)</translation>
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
        <translation>Περιθώρια</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Πάνω</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Αριστερά</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Δεξιά</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Κάτω</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Ημέρες εβδομάδας</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Μήνες</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ονόματα</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29 Φεβρουαρίου στα άλλα έτη:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Εμφάνιση στις 28 Φεβρουαρίου</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Εμφάνιση την 1η Μαρτίου</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Εμφάνιση μόνο στα δίσεκτα έτη</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Εμφάνιση ηλικιών</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Εμφάνιση ηλικιών κάτω των 18</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Χωρίς εμφάνιση ηλικιών</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Συμπερίληψη γενεθλίων εκλιπόντων</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Έναρξη της εβδομάδας τη Δευτέρα αντί για την Κυριακή</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Χρήση μόνο του μικρού ονόματος</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Εμφάνιση επετείων</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Εμφάνιση μετρητή ημερών (έως ή από την ημερομηνία στόχου)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Εμφάνιση εικόνων</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Εμφάνιση σημειώσεων</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Εμφάνιση φάσης της Σελήνης</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Εμφάνιση εποχών</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Εμφάνιση αριθμών εβδομάδων</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Υπενθυμίσεις</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Υπενθύμιση γενεθλίων, επετείων και σημειώσεων</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Ειδοποιήσεις επιφάνειας εργασίας κατά τη σύνδεση και κάθε ώρα.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Υπενθύμιση</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>Την ίδια ημέρα</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 ημέρα πριν</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 ημέρες πριν</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 ημέρες πριν</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 ημέρες πριν</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 ημέρες πριν</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>Από αυτή την ώρα της ημέρας:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>Οι υπενθυμίσεις μιας ημέρας έρχονται από αυτή την ώρα.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Παρακολουθούμενο έγγραφο</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Το τελευταίο που χρησιμοποιήθηκε</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Αυτό:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Αναζήτηση…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Επιλογή του εγγράφου για το οποίο γίνονται υπενθυμίσεις.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Λίστα γενεθλίων (*.kfd);;Όλα τα αρχεία (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Επιλέξτε</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Δόθηκαν δύο ημερομηνίες για</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Επιλέξτε τη σωστή.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Θάνατος</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Γάμος</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Γέννηση</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Προσεχώς</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Ημερομηνία</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Συμβάν</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Πότε</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Τα γενέθλια, οι επέτειοι και οι σημειώσεις σήμερα και τις επόμενες 30 ημέρες.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Τίποτα τις επόμενες 30 ημέρες</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Επιλογή έτους</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Επιλέξτε ένα έτος</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Χωρίς αλλαγή</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Επιλέξτε μήνα.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Δώστε ένα έτος από %1 έως %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>Ιαν</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Φεβ</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Μάρ</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Απρ</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Μάι</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Ιούν</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Ιούλ</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Αύγ</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Σεπ</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Οκτ</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Νοέ</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Δεκ</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (γενέθλια)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Γεννήθηκε το %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (επέτειος γάμου)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Παντρεύτηκαν το %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 γενέθλια</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n γενέθλια</numerusform>
            <numerusform>%n γενέθλια</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 επέτειος</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n επέτειος</numerusform>
            <numerusform>%n επέτειοι</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 σημείωση</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n σημείωση</numerusform>
            <numerusform>%n σημειώσεις</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>παραλείφθηκαν: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>δεν παραλείφθηκε τίποτα</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 γενέθλια τελειώνουν στην ημερομηνία θανάτου</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n γενέθλια τελειώνουν στην ημερομηνία θανάτου</numerusform>
            <numerusform>%n γενέθλια τελειώνουν στην ημερομηνία θανάτου</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>το --export-ics χρειάζεται το όνομα του αρχείου ημερολογίου προς εγγραφή</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>το --export-ics γράφει αρχείο iCalendar, όχι το «%1» (δώστε OUT.ics και μετά το έγγραφο)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>δεν δόθηκε DOC.kfd και το τελευταίο έγγραφο δεν διαβάζεται: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 συμβάν γράφτηκε στο %1 (από %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n συμβάν γράφτηκε στο %1 (από %2)</numerusform>
            <numerusform>%n συμβάντα γράφτηκαν στο %1 (από %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>Το %1 είναι το ίδιο το έγγραφο· το PDF θα το αντικαθιστούσε</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Εμφάνιση αυτής της βοήθειας και έξοδος</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Εμφάνιση της έκδοσης και έξοδος</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Συγχώνευση αρχείου GEDCOM ή vCard στο DOC.kfd (ή σε νέα λίστα) χωρίς παράθυρο</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Αποθήκευση της συγχωνευμένης λίστας στο OUT.kfd αντί για το DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Εγγραφή των καταχωρίσεων που δείχνει το ημερολόγιο από το DOC.kfd (ή το τελευταίο έγγραφο) ως ετήσια συμβάντα iCalendar</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Εκτύπωση δώδεκα μηνών του DOC.kfd (ή μιας κενής λίστας) σε αρχείο PDF χωρίς παράθυρο</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Πρώτο εκτυπωμένο έτος, -9900 έως 11400· από τον Ιανουάριο, εκτός αν δοθεί --month</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Πρώτος εκτυπωμένος μήνας: 1–12, ή 13 σε σεληνιακό έτος 13 μηνών</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 ή 12 μήνες ανά σελίδα</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Τρέχον, 1 Παλαιό ημερολόγιο, 2 Σελήνη, 3 Έτος του Φιδιού</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Μέγεθος χαρτιού: Letter, Legal, A4, A3, A5 και άλλα τυπικά ονόματα· αν δεν δοθεί, εκείνο των τοπικών ρυθμίσεων (Letter ή A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Κατακόρυφες σελίδες</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Οριζόντιες σελίδες, η προεπιλογή</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Ο αριθμός κάθε γραμμής εβδομάδας στο πρώτο της κελί</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Λίστα των ενσωματωμένων συνόλων αργιών ανά χώρα, ένα ανά γραμμή: κωδικός, κενό, όνομα</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Παράλειψη των ειδοποιήσεων των υπενθυμίσεων από τα συμβάντα</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Εκτύπωση των συμβάντων σήμερα και τις επόμενες DAYS ημέρες (προεπιλογή 14, έως 366) του DOC.kfd (ή του τελευταίου εγγράφου)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Εμφάνιση ειδοποίησης επιφάνειας εργασίας για κάθε υπενθύμιση του DOC.kfd (ή του παρακολουθούμενου εγγράφου) που λήγει τώρα</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Χρήση αυτής της τοπικής ημερομηνίας και ώρας (00:00 χωρίς ώρα) ως τώρα</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Εκτύπωση κάθε αργίας του YEAR (-9900 έως 11400) ως «YYYY-MM-DD όνομα», από την αποθηκευμένη λίστα</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Προσθήκη των ολοήμερων συμβάντων ενός αρχείου iCalendar στην αποθηκευμένη λίστα αργιών (τα συμβάντα με ώρα παραλείπονται)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Αργίες του συνόλου χώρας CODE (δείτε --holiday-sets) μόνο για αυτή την εκτέλεση· με --upcoming και «stored»</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Προσθήκη λογαριασμού CardDAV/CalDAV (η ρίζα ενός διακομιστή ή μία συλλογή)· ο κωδικός διαβάζεται από την τυπική είσοδο</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Το όνομα χρήστη του λογαριασμού</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Μόνο ανάγνωση των βιβλίων διευθύνσεων, καμία δημοσίευση ημερολογίου</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Λίστα των λογαριασμών, ένας ανά γραμμή, με τους αριθμούς τους</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Αφαίρεση του λογαριασμού N (δείτε --accounts) και του κωδικού του</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Ανάγνωση των βιβλίων διευθύνσεων κάθε λογαριασμού στο DOC.kfd (ή στο τελευταίο έγγραφο) και δημοσίευση των γενεθλίων του</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Ανάγνωση των κωδικών των λογαριασμών από την τυπική είσοδο, ένας ανά γραμμή, αντί από την κλειδοθήκη</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>η συγχώνευση γίνεται μόνο σε ένα έγγραφο (δόθηκε %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>μόνο ένα έγγραφο μπορεί να εξαχθεί (δόθηκε %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>το --list-holidays δεν διαβάζει έγγραφο (δόθηκε %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>το --holiday-sets δεν διαβάζει έγγραφο (δόθηκε %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>το --print-pdf γράφει αρχείο PDF, όχι το «%1» (δώστε OUT.pdf και μετά το έγγραφο)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>το --import-holidays δεν διαβάζει έγγραφο (δόθηκε %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (δείτε kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>τα %1 και %2 δεν χρησιμοποιούνται μαζί</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>άγνωστη επιλογή %1 (δείτε kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: το «%2» δεν είναι έτος</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: δεν υπάρχει έτος 0 (το 1 π.Χ. είναι το έτος -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: το %2 είναι εκτός των εμφανιζόμενων ετών, %3 έως %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: κανένα σύνολο χώρας «%1» (δείτε kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>το --print-pdf χρειάζεται όνομα αρχείου εξόδου</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: το «%1» δεν είναι κανένα από 0 (Τρέχον), 1 (Παλαιό ημερολόγιο), 2 (Σελήνη), 3 (Έτος του Φιδιού)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: το «%1» δεν είναι μήνας από 1 έως 12 ούτε 13 σε σεληνιακό έτος 13 μηνών</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: ο μήνας 13 υπάρχει μόνο στα σεληνιακά ημερολόγια (--calendar 2 ή 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: το σεληνιακό έτος %1 έχει 12 μήνες</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: το «%1» δεν είναι κανένα από 1, 6 ή 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: άγνωστο χαρτί «%1» (δοκιμάστε Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>τα --portrait και --landscape δεν χρησιμοποιούνται μαζί</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>μόνο ένα έγγραφο μπορεί να εκτυπωθεί (δόθηκε %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: το «%1» δεν είναι ημερομηνία YYYY-MM-DD ή YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: το «%1» δεν είναι αριθμός ημερών από 0 έως 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>μόνο ένα έγγραφο μπορεί να απαριθμηθεί (δόθηκε %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: δεν δόθηκε DOC.kfd και δεν χρησιμοποιήθηκε έγγραφο πριν</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>μόνο ένα έγγραφο μπορεί να παρακολουθείται (δόθηκε %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: δεν έχει χρησιμοποιηθεί ακόμη έγγραφο, άρα καμία υπενθύμιση</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1· οι υπενθυμίσεις ακολουθούν στην τυπική έξοδο</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Ηνωμένο Βασίλειο</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Ηνωμένο Βασίλειο, Σκωτία</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Ηνωμένο Βασίλειο, Βόρεια Ιρλανδία</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Ιρλανδία</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Αυστρία</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Γαλλία</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Ολλανδία</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Σουηδία</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Ιταλία</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Ελλάδα</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Γερμανία</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Γερμανία, Βρανδεμβούργο</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Γερμανία, Βερολίνο</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Γερμανία, Βάδη-Βυρτεμβέργη</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Γερμανία, Βαυαρία</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Γερμανία, Βρέμη</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Γερμανία, Έσση</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Γερμανία, Αμβούργο</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Γερμανία, Μεκλεμβούργο-Δυτική Πομερανία</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Γερμανία, Κάτω Σαξονία</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Γερμανία, Βόρεια Ρηνανία-Βεστφαλία</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Γερμανία, Ρηνανία-Παλατινάτο</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Γερμανία, Σλέσβιχ-Χολστάιν</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Γερμανία, Σάαρλαντ</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Γερμανία, Σαξονία</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Γερμανία, Σαξονία-Άνχαλτ</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Γερμανία, Θουριγγία</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Ιαπωνία</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Ισπανία</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Πορτογαλία</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Πορτογαλία, Αζόρες</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>Πορτογαλία, Μαδέρα</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Πολωνία</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Δανία</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Φινλανδία</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Φινλανδία, Όλαντ</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Νορβηγία</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Τσεχία</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Βέλγιο</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Ελβετία</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Λουξεμβούργο</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Ηνωμένες Πολιτείες</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Καναδάς</translation>
    </message>
    <message>
        <source>Canada, Alberta</source>
        <translation>Καναδάς, Αλμπέρτα</translation>
    </message>
    <message>
        <source>Canada, British Columbia</source>
        <translation>Καναδάς, Βρετανική Κολομβία</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Καναδάς, Μανιτόμπα</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Καναδάς, Νιου Μπρούνσγουικ</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Καναδάς, Νέα Γη και Λαμπραντόρ</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Καναδάς, Νέα Σκωτία</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Καναδάς, Βορειοδυτικά Εδάφη</translation>
    </message>
    <message>
        <source>Canada, Nunavut</source>
        <translation>Καναδάς, Νούναβουτ</translation>
    </message>
    <message>
        <source>Canada, Ontario</source>
        <translation>Καναδάς, Οντάριο</translation>
    </message>
    <message>
        <source>Canada, Prince Edward Island</source>
        <translation>Καναδάς, Νήσος Πρίγκιπα Εδουάρδου</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>Καναδάς, Κεμπέκ</translation>
    </message>
    <message>
        <source>Canada, Saskatchewan</source>
        <translation>Καναδάς, Σασκάτσουαν</translation>
    </message>
    <message>
        <source>Canada, Yukon</source>
        <translation>Καναδάς, Γιούκον</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Αυστραλία</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Αυστραλία, Επικράτεια Αυστραλιανής Πρωτεύουσας</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Αυστραλία, Νέα Νότια Ουαλία</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Αυστραλία, Βόρεια Επικράτεια</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Αυστραλία, Κουίνσλαντ</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Αυστραλία, Νότια Αυστραλία</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Αυστραλία, Τασμανία</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Αυστραλία, Βικτώρια</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Αυστραλία, Δυτική Αυστραλία</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Νέα Ζηλανδία</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Ισπανία, Ανδαλουσία</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Ισπανία, Αραγονία</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Ισπανία, Αστούριας</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Ισπανία, Βαλεαρίδες Νήσοι</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Ισπανία, Κανάριοι Νήσοι</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Ισπανία, Κανταβρία</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Ισπανία, Καστίλη και Λεόν</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Ισπανία, Καστίλη-Λα Μάντσα</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Ισπανία, Καταλονία</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Ισπανία, Εστρεμαδούρα</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Ισπανία, Γαλικία</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Ισπανία, Μαδρίτη</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Ισπανία, Μούρθια</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Ισπανία, Ναβάρρα</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Ισπανία, Χώρα των Βάσκων</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Ισπανία, Λα Ριόχα</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Ισπανία, Βαλένθια</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Ισπανία, Θέουτα</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Ισπανία, Μελίγια</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Ελβετία, Άαργκαου</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Ελβετία, Άπεντσελ Εσωτερική Ρόδος</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Ελβετία, Άπεντσελ Εξωτερική Ρόδος</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Ελβετία, Βέρνη</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Ελβετία, Βασιλεία-Ύπαιθρος</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Ελβετία, Βασιλεία-Πόλη</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Ελβετία, Φριβούργο</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Ελβετία, Γενεύη</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Ελβετία, Γκλάρους</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Ελβετία, Γκραουμπύντεν</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Ελβετία, Ζιρά</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Ελβετία, Λουκέρνη</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Ελβετία, Νεσατέλ</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Ελβετία, Νίντβαλντεν</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Ελβετία, Όμπβαλντεν</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Ελβετία, Άγιος Γάλλος</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Ελβετία, Σαφχάουζεν</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Ελβετία, Ζολοτούρν</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Ελβετία, Σβιτς</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Ελβετία, Τουργκάου</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Ελβετία, Τιτσίνο</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Ελβετία, Ούρι</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Ελβετία, Βο</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Ελβετία, Βαλέ</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Ελβετία, Τσουγκ</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Ελβετία, Ζυρίχη</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 καταχώριση παραλείφθηκε, επειδή η ημερομηνία της δεν μπορεί να υπάρξει (διορθώστε την με Επεξεργασία &gt; Λίστα)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n καταχώριση παραλείφθηκε, επειδή η ημερομηνία της δεν μπορεί να υπάρξει (διορθώστε την με Επεξεργασία &gt; Λίστα)</numerusform>
            <numerusform>%n καταχωρίσεις παραλείφθηκαν, επειδή οι ημερομηνίες τους δεν μπορούν να υπάρξουν (διορθώστε τις με Επεξεργασία &gt; Λίστα)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>το %1 δεν είναι προσβάσιμο (χωρίς δίκτυο ή χωρίς τέτοιο διακομιστή): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>το %1 αρνήθηκε τη σύνδεση: δεν τρέχει διακομιστής εκεί</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>το %1 δεν απάντησε μέσα σε 30 δευτερόλεπτα</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>η ασφαλής σύνδεση με το %1 απέτυχε, %2 (δεν έγινε δεκτό)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>το %1 διέκοψε τη σύνδεση: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>το %1 απέρριψε το όνομα χρήστη ή τον κωδικό</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>το %1 δεν επιτρέπει το %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>το %1 δεν υπάρχει στον διακομιστή (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>το %1 δεν έχει πια χώρο για το %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>το %1 απάντησε στο %2 με κατάσταση %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>κατάσταση %1 αντί για WebDAV multistatus</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>η απάντηση του %1 στο %2 δεν έχει νόημα: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>κανένας διακομιστής CardDAV ή CalDAV δεν απαντά στο %1</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>ο διακομιστής δεν κρατά ημερολόγια για αυτόν τον χρήστη, οπότε τα γενέθλια δεν μπορούν να δημοσιευτούν</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>το %1 εμποδίζει το ημερολόγιο «Birthdays» και δεν είναι ημερολόγιο</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>κάποιος άλλος αλλάζει συνεχώς το %1 στον διακομιστή· αφέθηκε όπως είναι</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 προστέθηκαν, %2 άλλαξαν, %3 αφαιρέθηκαν, 1 συμβάν δημοσιεύτηκε</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 προστέθηκαν, %2 άλλαξαν, %3 αφαιρέθηκαν, %n συμβάν δημοσιεύτηκε</numerusform>
            <numerusform>%1 προστέθηκαν, %2 άλλαξαν, %3 αφαιρέθηκαν, %n συμβάντα δημοσιεύτηκαν</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>δεν είναι XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>δεν είναι WebDAV multistatus</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>το XML του είναι χαλασμένο (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>δεν τρέχει υπηρεσία μυστικών σε αυτή την επιφάνεια εργασίας</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>ο διακομιστής</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>το πιστοποιητικό του «%1»: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1: γενέθλια</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1: επέτειος γάμου</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1: %2α γενέθλια</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1: %2η επέτειος γάμου</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του «%1»: είναι φάκελος.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Δεν είναι δυνατή η ανάγνωση του «%1».</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Δεν είναι δυνατή η εγγραφή του «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(όχι στις %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(από το %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(έως το %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(αναπληρωματική ημέρα)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(μεταφερμένη)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 ολοήμερο συμβάν</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n ολοήμερο συμβάν</numerusform>
            <numerusform>%n ολοήμερα συμβάντα</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 αργία από %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n αργία από %1</numerusform>
            <numerusform>%n αργίες από %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 συμβάν με ώρα παραλείφθηκε</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n συμβάν με ώρα παραλείφθηκε</numerusform>
            <numerusform>, %n συμβάντα με ώρα παραλείφθηκαν</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 συμβάν κόπηκε στις %1 ημέρες</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n συμβάν κόπηκε στις %1 ημέρες</numerusform>
            <numerusform>, %n συμβάντα κόπηκαν στις %1 ημέρες</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>δεν είναι αρχείο iCalendar (δεν αρχίζει με BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>είναι κομμένο: λείπει το END:VCALENDAR του</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>δεν είναι αρχείο iCalendar που μπορεί να διαβάσει η libical</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>έχει μέρη που η libical δεν μπορεί να διαβάσει (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Αργία</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Πρωτοχρονιά</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Ημέρα Μάρτιν Λούθερ Κινγκ</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Ημέρα των Προέδρων</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Γενέθλια του Λίνκολν</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Ημέρα του Αγίου Βαλεντίνου</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Γενέθλια του Ουάσινγκτον</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>Ημέρα του Αγίου Πατρικίου</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Ημέρα των φόρων</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Γιορτή της Μητέρας</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Ημέρα Μνήμης</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Ημέρα της Σημαίας</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Γιορτή του Πατέρα</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Ημέρα Ανεξαρτησίας</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Ημέρα της Εργασίας</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Ημέρα του Κολόμβου</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Χάλοουιν</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Ημέρα των Βετεράνων</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Ημέρα των Ευχαριστιών</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Χριστούγεννα</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>Το «%1» δεν είναι έγγραφο του Kinfold ή είναι κατεστραμμένο.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>το %1 δόθηκε δύο φορές</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>απρόσμενο όρισμα «%1»</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>κανένα έγγραφο για αποθήκευση: δώστε DOC.kfd ή --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>το %1 είναι το αρχείο που εισάγεται· το --save χρειάζεται άλλο όνομα</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>το «%1» δεν είναι ούτε αρχείο GEDCOM ούτε αρχείο vCard</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n καταχώριση αποθηκεύτηκε στο %2)</numerusform>
            <numerusform>%1 (%n καταχωρίσεις αποθηκεύτηκαν στο %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 προστέθηκαν, %2 συγχωνεύτηκαν, %3 συγκρούσεις διατηρήθηκαν</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 ημερομηνία με έτος εκτός %1..%2 παραλείφθηκε</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n ημερομηνία με έτος εκτός %1..%2 παραλείφθηκε</numerusform>
            <numerusform>, %n ημερομηνίες με έτος εκτός %1..%2 παραλείφθηκαν</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> ΝΣ</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> ΠΤ</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> ΠΣ</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> ΤΤ</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Χειμώνας</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Άνοιξη</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Καλοκαίρι</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Φθινόπωρο</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Κρύο φεγγάρι</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Φεγγάρι των οστών</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Φεγγάρι των ανέμων</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Φεγγάρι των λουλουδιών</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Φεγγάρι της σποράς</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Φεγγάρι του χλωρού καλαμποκιού</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Φεγγάρι του ώριμου καλαμποκιού</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Φεγγάρι των φρούτων</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Φεγγάρι των καρπών</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Φεγγάρι του θερισμού</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Φεγγάρι του εμπορίου</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Φεγγάρι του χιονιού</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Μπλε φεγγάρι</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Αρουραίος</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Βόδι</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Τίγρη</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Λαγός</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Δράκος</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Φίδι</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Άλογο</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Κατσίκα</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Πίθηκος</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Κόκορας</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Σκύλος</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Γουρούνι</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>π.Χ.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>Ιουλιανό</translation>
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
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Δώστε έναν ακέραιο αριθμό.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Δώστε έναν ακέραιο αριθμό μεταξύ %1 και %2.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Ο μήνας πρέπει να είναι 1 έως 12, ή 0 με ημέρα 0 όταν δεν είναι γνωστός.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Ο μήνας πρέπει να είναι 1 έως 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Ο μήνας του «%1» πρέπει να είναι 1 έως 12, ή 0 με ημέρα 0 όταν δεν είναι γνωστός.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Ο μήνας του «%1» πρέπει να είναι 1 έως 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 χωρίς έτος</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Η ημέρα δεν μπορεί να είναι %1: ο %2 έχει %3 ημέρες.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Η ημέρα του «%1» δεν μπορεί να είναι %2: ο %3 έχει %4 ημέρες.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Χρήση της τιμής όπως έχει οριστεί.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Χρήση της αρχικής τιμής.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Χρήση των αρχικών τιμών.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>σήμερα</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>αύριο</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>σε %n ημέρα</numerusform>
            <numerusform>σε %n ημέρες</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n γενέθλια ή συμβάν έρχεται</numerusform>
            <numerusform>%n γενέθλια και συμβάντα έρχονται</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>και %n ακόμη</numerusform>
            <numerusform>και %n ακόμη</numerusform>
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
        <translation>%1: επέτειος γάμου</translation>
    </message>
</context>
</TS>
