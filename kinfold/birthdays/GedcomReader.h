// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Merges the people and married couples of a genealogy (GEDCOM) file into a birthday list.
#include "birthdays/ImportTexts.h"
#include <string>
#include <string_view>
#include "birthdays/BirthdayList.h"

struct GedcomImportStats : ImportCounts {
    int individuals = 0;  // INDI records read
    int families = 0;     // FAM records read
};

// Reads a date value as the date it names: a qualifier (ABT, CAL, EST, BEF, AFT, INT) is
// dropped, a range (FROM .. TO .., BET .. AND ..) gives its first date, an INT date's phrase
// and the second year of a dual year ("1699/00", "1456-1457") are left out, "n B.C." is the
// year -n. "@#DGREGORIAN@" and no escape as usual, "@#DJULIAN@" dates through the day number
// into the reform-aware calendar, any other calendar as an empty date. A year outside
// kFirstYear..kLastYear gives an empty date and false.
bool ReadGedcomDate(std::string_view text, CalendarDate& date);

// Merges the file's bytes (any supported character set and line end) into `list`. People
// with a day-precise birth date are added with AddOrMerge; families, once the whole file is
// read, set the partners' marriage dates and add couples. Merge questions go to the list's
// chooser. The list is not sorted.
GedcomImportStats ImportGedcom(std::string_view bytes, BirthdayList& list);

// Reads the file a piece at a time and imports it; false with a message in `error` when it
// cannot be opened (the list is then unchanged) or a read fails part way (the list then holds
// what was merged before it, and is not to be kept).
bool ImportGedcomFile(const std::string& path, BirthdayList& list, GedcomImportStats& stats, std::string& error);
