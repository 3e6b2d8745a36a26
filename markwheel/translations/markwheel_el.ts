<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Χωρίς τίτλο</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Αρχεία Markwheel (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Εκκαθάριση της λίστας ανοιχτών αρχείων
Σε χρήση</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Επεξεργασία</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Αναίρεση της τελευταίας ενέργειας
Αναίρεση</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>Αποκο&amp;πή</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Αποκοπή της επιλογής και τοποθέτηση στο πρόχειρο
Αποκοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Αντιγραφή της επιλογής στο πρόχειρο
Αντιγραφή</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>Επι&amp;κόλληση</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Εισαγωγή των περιεχομένων του πρόχειρου
Επικόλληση</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Αλλαγή της τρέχουσας ημερομηνίας στόχου
Ημερομηνία</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Μορφή</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Αντίστροφη μέτρηση</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Ρολόι ημερολογίου</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Ρολόι ημερολογίου π.μ./μ.μ.</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Ηλιακή ώρα</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Μέτρηση προς τα κάτω ή προς τα πάνω ως την ημερομηνία και ώρα στόχου
ή προς τα πάνω</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Ημέρα, ημερομηνία και ώρα
Σήμερα</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Όπως το ρολόι ημερολογίου, με ενδείξεις π.μ./μ.μ.\m
π.μ. μ.μ.</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>Στις 12 το μεσημέρι ο ήλιος βρίσκεται στο ψηλότερο σημείο
 Ηλιακό ρολόι</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;Σχετικά με το Markwheel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Εμφάνιση πληροφοριών προγράμματος, αριθμού έκδοσης και πνευματικών δικαιωμάτων
Σχετικά</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>Σχετικά με το Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel έκδοση 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
<context>
    <name>CMarkwheelDoc</name>
    <message>
        <source>Year %d</source>
        <translation>Έτος %d</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>%1 ηλιακή ώρα</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Ορισμός ημερομηνίας στόχου</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Εμφανίζεται ως τίτλος του παραθύρου κατά τη μέτρηση</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Έτος του στόχου· τα αρνητικά έτη είναι πριν από το έτος 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Μήνας, 1 έως 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Ημέρα του μήνα, 1 έως 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Ώρα, 0 έως 23 (τοπική ώρα)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Λεπτό, 0 έως 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Δευτερόλεπτο, 0 έως 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Τίτλος</translation>
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
        <source>Hour</source>
        <translation>Ώρα</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Λεπτό</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Δευτερόλεπτο</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Εισαγάγετε έναν ακέραιο αριθμό.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Εισαγάγετε έναν ακέραιο αριθμό από %1 έως %2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
</context>
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
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [ΣΤΟΧΟΣ.mkw]</translation>
    </message>
</context>
</TS>
