// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The events of coming days as the calendar shows them: the same entries, the same ages and the
// same day for 29 February, so that the upcoming list, the reminders and the calendar agree.
#include <string>
#include <vector>
#include "birthdays/BirthdayList.h"
#include "birthdays/LeapDay.h"
#include "calendar/CalendarDate.h"

class HolidayList;
class ISettingsStore;

// Which entries show and where 29 February goes: the display switches and "LeapDay" of profile 0.
struct EventRules {
    DisplaySwitches switches;
    LeapDayRule leapDay = LeapDayRule::February28;
};
EventRules StoredEventRules(ISettingsStore& store);

struct DayEvent {
    GregorianDate date;  // the civil day it is shown on
    int entry = -1;      // index in the list; -1 for a holiday
    int years = 0;       // age or years of marriage
    CString text;        // "Bob Jones (27)", or the holiday's name
};

// What an entry's day is, in the words of the calendar's tip, with the age the person turns or
// the years of marriage: "Bob Jones (27)", "Joe+Mary Smith (25) Anniversary"; no age for a day
// without a year; a note's own text.
CString EventText(const BirthdayEntry& entry, int years);

// The events of `first` and the `days` days after it, in date order; on each day its holiday
// (when `holidays` is given) first, then the entries in list order.
std::vector<DayEvent> EventsOfDays(const BirthdayList& list, const EventRules& rules, const GregorianDate& first,
                                   int days, const HolidayList* holidays = nullptr);

// "2027-03-05 Bob Jones (27)", UTF-8.
std::string UpcomingLine(const DayEvent& event);
// "2027-03-05"
std::string IsoDate(const CalendarDate& date);
