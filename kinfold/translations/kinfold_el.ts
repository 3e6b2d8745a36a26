<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
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
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Επεξεργασία</translation>
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
        <source>&amp;View</source>
        <translation>&amp;Προβολή</translation>
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
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
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
        <translation>&lt;h3&gt;Το γρηγοριανό ημερολόγιο&lt;/h3&gt;&lt;p&gt;Το ημερολόγιο που χρησιμοποιείται σήμερα στον πολιτικό βίο μετρά 365 ημέρες σε κοινό έτος και 366 σε δίσεκτο. Ένα έτος είναι δίσεκτο όταν διαιρείται με το 4, εκτός από τα έτη των αιώνων, που είναι δίσεκτα μόνο όταν διαιρούνται με το 400: το 1900 δεν ήταν δίσεκτο, το 2000 ήταν.&lt;/p&gt;&lt;p&gt;Αντικατέστησε το ιουλιανό ημερολόγιο, που έκανε δίσεκτο κάθε τέταρτο έτος και έτσι προπορευόταν των εποχών κατά περίπου τρεις ημέρες σε τετρακόσια χρόνια. Με τη μεταρρύθμιση του Οκτωβρίου 1582 παραλείφθηκαν δέκα ημέρες: μετά την Πέμπτη 4 Οκτωβρίου ακολούθησε η Παρασκευή 15 Οκτωβρίου. Το Kinfold δείχνει από μόνο του τους μήνες έως τον Οκτώβριο 1582 στο ιουλιανό ημερολόγιο και τους τιτλοφορεί «Julian»· το παλαιό ημερολόγιο δείχνει κάθε μήνα όπως θα τηρούνταν εκεί όπου η μεταρρύθμιση ήρθε αργά (η Βρετανία και οι αποικίες της άλλαξαν το 1752). Στο παλαιό ημερολόγιο το έτος άρχιζε τον Μάρτιο, γι&apos; αυτό ο Ιανουάριος έως ο Μάρτιος φέρουν και τα δύο έτη, όπως στο February 1699/0.&lt;/p&gt;&lt;p&gt;Το σεληνιακό ημερολόγιο αρχίζει κάθε μήνα την ημέρα μετά τη νέα σελήνη· ένα έτος με δεκατρείς νέες σελήνες τελειώνει με ένα Blue Moon. Το ημερολόγιο του Έτους του Φιδιού χρησιμοποιεί τους ίδιους μήνες και ονομάζει κάθε έτος με το ζώο του.&lt;/p&gt;</translation>
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
</context>
<context>
    <name>CommandLine</name>
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
        <source>Print each holiday of YEAR (1-9999) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Εκτύπωση κάθε αργίας του έτους YEAR (1–9999) ως «YYYY-MM-DD όνομα», από την αποθηκευμένη λίστα</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only</source>
        <translation>Αργίες του συνόλου χώρας CODE (βλ. --holiday-sets) μόνο για αυτή την εκτέλεση</translation>
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
</context>
</TS>
