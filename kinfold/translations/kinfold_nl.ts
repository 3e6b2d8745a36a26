<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set desired year, do not abbreviate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPPMargins</name>
    <message>
        <source>Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (1-9999) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
