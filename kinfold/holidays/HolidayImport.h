// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holidays from the all-day events of an iCalendar file.
#include <string>
#include <vector>

#include "holidays/Holiday.h"

struct HolidayImportCounts {
    int events = 0;     // all-day events taken
    int holidays = 0;   // records made from them
    int timed = 0;      // events with a time of day, skipped
    int cut = 0;        // events with more days from 1900 to 2100 than are taken
    // "12 holidays from 10 all-day events, 3 timed events skipped".
    std::string Line() const;
};

// Reads `bytes` as one iCalendar object. Each all-day VEVENT becomes: a yearly event on a fixed
// date a fixed-date rule, a yearly one on a weekday of a week of a month that rule (one with an
// UNTIL or COUNT kept from its first year to its last), a single event a one-year date, anything
// else its days from 1900 to 2100 as one-year dates. False, with `error` set and nothing
// appended, for a text that is no iCalendar object, that libical reads with parse errors, or
// that lacks its END:VCALENDAR.
bool HolidaysFromICalendar(const std::string& bytes, std::vector<Holiday>& out, HolidayImportCounts& counts,
                           std::string& error);

// Days taken from one event at most; a daily event over two centuries would flood the list.
inline constexpr int kMaxDaysPerEvent = 1000;
