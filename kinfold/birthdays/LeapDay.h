// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a yearly day of 29 February (a birthday, a wedding day, a note) is shown in a common year.
// The drawing, the hover tip, the click on a day and the exports all ask here, so they agree.

enum class LeapDayRule : int {
    February28 = 0,     // also what an empty store gives
    March1 = 1,
    LeapYearsOnly = 2,
};

// The key in each profile's options section.
inline constexpr const char* kLeapDayKey = "LeapDay";

// Anything stored but 1 or 2 reads as February28.
LeapDayRule LeapDayRuleFromStored(int stored);
inline int LeapDayRuleToStored(LeapDayRule rule) { return static_cast<int>(rule); }

struct MonthDay {
    int month = 0;
    int day = 0;
    bool operator==(const MonthDay&) const = default;
};

// The civil (Gregorian) month and day of `year` on which a yearly month/day is shown. False when
// it is not shown that year: 29 February of a common year under LeapYearsOnly, or a day that no
// year has (month 0, 31 April).
bool ShownDayInYear(int month, int day, int year, LeapDayRule rule, MonthDay& shown);

// The own month/days whose entries are shown on the civil date month/day/year, in calendar order:
// the date itself, and 29 February too on the day that stands in for it in a common year.
// Returns how many of out[] are set (0 for a date that does not exist).
int EntryDaysShownOn(int month, int day, int year, LeapDayRule rule, MonthDay out[2]);
