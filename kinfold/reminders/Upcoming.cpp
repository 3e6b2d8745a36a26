// SPDX-License-Identifier: GPL-3.0-or-later
#include "reminders/Upcoming.h"
#include "platform/Translate.h"
#include <algorithm>
#include <cstdio>
#include "holidays/HolidayList.h"
#include "platform/SettingsStore.h"
#include "view/core/DayCell.h"
#include "view/core/DisplayOptions.h"

EventRules StoredEventRules(ISettingsStore& store)
{
    const DisplayOptions o = LoadDisplayOptions(store, 0);
    return EventRules{o.switches, o.leapDay};
}

CString EventText(const BirthdayEntry& e, int years)
{
    if (e.HasKind(BirthdayEntry::Note) && !e.HasKind(BirthdayEntry::Individual | BirthdayEntry::Couple)) return e.text;
    CString text = e.DisplayText();
    // Year 0 is a day without a year: its "age" would be the year itself.
    if (e.year != 0) text += StrFormat(" (%d)", years);
    if (!e.HasKind(BirthdayEntry::Individual)) text = FillIn(TextTranslation::translate("Upcoming", "%1 Anniversary"), {text});
    return text;
}

std::vector<DayEvent> EventsOfDays(const BirthdayList& list, const EventRules& rules, const GregorianDate& first,
                                   int days, const HolidayList* holidays)
{
    std::vector<DayEvent> out;
    const auto& entries = list.Entries();
    const std::vector<int> index = DayOrderIndex(list);
    GregorianDate date(first);
    for (int n = 0; n <= days; ++n, date.AddDays(1)) {
        CString name;
        if (holidays && holidays->HolidayOn(date, name)) out.push_back(DayEvent{date, -1, 0, name});
        MonthDay own[2];
        const int count = EntryDaysShownOn(date.month, date.day, date.year, rules.leapDay, own);
        for (int k = 0; k < count; ++k) {
            auto it = std::lower_bound(index.begin(), index.end(), own[k], [&](int i, const MonthDay& md) {
                const BirthdayEntry& e = entries[(size_t)i];
                return e.month != md.month ? e.month < md.month : e.day < md.day;
            });
            for (; it != index.end(); ++it) {
                const BirthdayEntry& e = entries[(size_t)*it];
                if (e.month != own[k].month || e.day != own[k].day) break;
                int years = 0;
                if (e.ShowsOn(date, rules.switches, years)) out.push_back(DayEvent{date, *it, years, EventText(e, years)});
            }
        }
    }
    return out;
}

std::string IsoDate(const CalendarDate& d)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::string UpcomingLine(const DayEvent& e)
{
    return IsoDate(e.date) + " " + BytesToUtf8(e.text);
}
