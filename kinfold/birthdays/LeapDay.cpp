// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/LeapDay.h"

#include "calendar/CalendarDate.h"

namespace {
bool IsLeapDay(int month, int day) { return month == 2 && day == 29; }

// The common-year day that takes 29 February's entries, or none.
bool StandIn(LeapDayRule rule, MonthDay& out)
{
    switch (rule) {
    case LeapDayRule::February28: out = {2, 28}; return true;
    case LeapDayRule::March1: out = {3, 1}; return true;
    case LeapDayRule::LeapYearsOnly: break;
    }
    return false;
}

bool DayExists(int month, int day, int year)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= GregorianDate().DaysInMonth(month, year);
}
}  // namespace

LeapDayRule LeapDayRuleFromStored(int stored)
{
    switch (stored) {
    case 1: return LeapDayRule::March1;
    case 2: return LeapDayRule::LeapYearsOnly;
    default: return LeapDayRule::February28;
    }
}

bool ShownDayInYear(int month, int day, int year, LeapDayRule rule, MonthDay& shown)
{
    if (IsLeapDay(month, day) && !IsGregorianLeapYear(year)) return StandIn(rule, shown);
    if (!DayExists(month, day, year)) return false;
    shown = {month, day};
    return true;
}

int EntryDaysShownOn(int month, int day, int year, LeapDayRule rule, MonthDay out[2])
{
    if (!DayExists(month, day, year)) return 0;
    int n = 0;
    MonthDay standIn;
    const bool takesLeapDay = !IsGregorianLeapYear(year) && StandIn(rule, standIn) &&
                              standIn == MonthDay{month, day};
    // 28 February comes before the leap day, 1 March after it.
    if (takesLeapDay && month == 3) out[n++] = {2, 29};
    out[n++] = {month, day};
    if (takesLeapDay && month == 2) out[n++] = {2, 29};
    return n;
}
