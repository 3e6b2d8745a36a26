// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Address-book files (vCard 2.1, 3.0 and 4.0) read for what a birthday list keeps of a person.
#include <functional>
#include <string>
#include <string_view>
#include "calendar/CalendarDate.h"

// What one card tells. Texts are UTF-8 (NFC) with blanks collapsed; dates have month 0 when the
// card gives none, and year 0 when it gives a day without a year.
struct VCardContact {
    std::string name;    // FN, else "Given Family" from N
    std::string given;   // N's given names
    std::string family;  // N's family name
    std::string spouse;
    CalendarDate birth;
    CalendarDate death;  // may lack the day or the month
    CalendarDate anniversary;

    bool HasBirthday() const { return birth.month != 0; }
    bool HasAnniversary() const { return anniversary.month != 0; }
};

// True when the bytes begin, after any byte-order mark and blank lines, with BEGIN:VCARD.
bool IsVCardText(std::string_view bytes);

// Calls fn once per top-level card, in file order (cards nested in a 2.1 AGENT are skipped).
// Malformed lines are skipped; nothing fails.
void ForEachVCard(std::string_view bytes, const std::function<void(const VCardContact&)>& fn);

// Reads a vCard date or date-time value ("19500112", "1950-01-12", "1950-01-12T10:00:00Z",
// "--0112", "--01-12"). omitYear: the X-APPLE-OMIT-YEAR parameter; a year equal to it, or
// 0000, gives year 0. A date without a day (or month) is refused unless `partial`, which keeps
// what there is (for a death date). False (date untouched) when the text is not such a date.
bool ReadVCardDate(std::string_view value, std::string_view omitYear, bool partial, CalendarDate& date);
