// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One holiday: a name and a rule that places it on one day of every year.
#include "platform/CString.h"

class CalendarDate;

class Holiday {
public:
    // Values of `kind`.
    enum Kind {
        FixedDate = 0,             // `month`/`day` every year ("Christmas" on 25 December)
        FixedDayOfWeek = 1,        // `weekday` of `week` in `month` (fourth Thursday of November)
        NextBusinessDayAfter = 2,  // first Monday-to-Friday after `day` of `month` ("Tax Day")
    };

    // A new, unnamed holiday: a fixed date on 1 January, so that the editor opens on a valid rule.
    Holiday();
    // Fixed date.
    Holiday(int month, int day, const CString& name);
    // Weekday rule: week 1..5 = first..fifth, 6 = last occurrence of `third` (1 = Monday ..
    // 7 = Sunday) in `month`. Week 0 makes a next-business-day-after rule whose day is `third`.
    Holiday(int month, int week, int third, const CString& name);

    // Whether the holiday falls on the date; the date's own calendar class gives its weekday and
    // month length.
    bool FallsOn(const CalendarDate& date) const;
    // The same test on the parts of a date: day of month from 1, month 1..12, weekday 1 = Monday ..
    // 7 = Sunday, and the number of days in that month.
    bool FallsOn(int dateMonth, int dateDay, int dateWeekday, int daysInMonth) const;

    // The one-line stored form: the kind digit, two month digits, then two day digits (kinds 0
    // and 2) or one week and one weekday digit (kind 1), then the name, e.g. "01225Christmas",
    // "11144Thanksgiving", "20414Tax Day". A number that does not fit its digits is written as a
    // value that matches no date just like it, so the name never shifts.
    CString ToText() const;
    // Reads a stored form. False for an empty text or an unknown kind digit (the record is to be
    // skipped). Digits are not validated: each position gives its character code minus '0', a
    // missing position that of a NUL, and kind 1 with week 0 comes back as kind 2 with day =
    // the weekday digit.
    static bool FromText(const CString& text, Holiday& out);

    bool operator==(const Holiday& other) const = default;

    int month = 1;    // 1..12; anything else matches nothing
    int day = 1;      // day of month for kinds 0 and 2, else 0
    int kind = FixedDate;
    int weekday = 0;  // 1 = Monday .. 7 = Sunday for kind 1, else 0
    int week = 0;     // 1..6 for kind 1, else 0
    CString name;
};
