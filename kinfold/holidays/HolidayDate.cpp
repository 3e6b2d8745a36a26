// SPDX-License-Identifier: GPL-3.0-or-later
// The rule tests on calendar dates, kept apart from the stored forms.
#include "calendar/CalendarDate.h"
#include "holidays/Holiday.h"
#include "holidays/HolidayList.h"

bool Holiday::FallsOn(const CalendarDate& date) const {
    return FallsOn(date.month, date.day, date.Weekday(), date.DaysInThisMonth());
}

bool HolidayList::HolidayOn(const CalendarDate& date, CString& name) const {
    if (m_items.empty())
        return false;
    // One weekday and month length serve the whole walk.
    const int weekday = date.Weekday();
    const int daysInMonth = date.DaysInThisMonth();
    for (const Holiday& holiday : m_items) {
        if (holiday.FallsOn(date.month, date.day, weekday, daysInMonth)) {
            name = holiday.name;
            return true;
        }
    }
    return false;
}
