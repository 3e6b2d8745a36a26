// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/DayCell.h"
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include "calendar/MoonDate.h"
#include "platform/Translate.h"

CornerText DayCornerText(const CalendarDate& date, const DisplayOptions& o, int calendarType)
{
    CornerText c;
    if (o.bSeasons) c.text = TextTranslation::translate("MoonDate", SeasonName(date.SeasonStartOn()));
    if (o.bMoonPhase) c.text += TextTranslation::translate("MoonDate", QuarterName(date.MoonQuarterOn()));
    if (!c.text.empty()) {
        c.kind = CornerKind::SeasonOrMoon;
    } else if (o.bCountdown) {
        double diff = std::trunc(date.DayNumber() - o.dTarget);
        long long days = std::llabs((long long)diff);
        c.kind = CornerKind::DayCount;
        c.text = StrFormat("%lld", days);
    } else if (calendarType != 0) {
        c.kind = CornerKind::CivilDate;
        c.text = date.FormatShort();
    }
    return c;
}

int CellFreeTop(int cellTop, CornerKind corner, const CellTopHeights& h)
{
    int below = h.dayNumber;
    if (corner == CornerKind::SeasonOrMoon) below = std::max(below, h.seasonOrMoon);
    else if (corner != CornerKind::None) below = std::max(below, h.dayCount);
    return cellTop + below;
}

CString EntryLabel(const BirthdayEntry& e, int years, bool shortNames, int ageMode)
{
    CString name = e.DisplayText();
    if (shortNames) name = name.substr(0, name.find(' '));
    // Year 0 is a day without a year: the "age" would be the year itself.
    if (e.year == 0) return name + " ";
    if (ageMode == 0 || (ageMode == 1 && years < 18)) return StrFormat("%s (%d)", name.c_str(), years);
    return name + " ";
}

CString EntryTip(const BirthdayEntry& e, int years)
{
    const bool birthday = e.HasKind(BirthdayEntry::Individual);
    const CString name = e.DisplayText();
    if (e.year == 0)
        return FillIn(birthday ? TextTranslation::translate("DayCell", "%1 Birthday") : TextTranslation::translate("DayCell", "%1 Anniversary"),
                                {name});
    const std::string age = std::to_string(years);
    return FillIn(
        birthday ? TextTranslation::translate("DayCell", "%1 %2 Birthday") : TextTranslation::translate("DayCell", "%1 %2 Anniversary"), {name, age});
}

std::vector<int> DayOrderIndex(const BirthdayList& list)
{
    const auto& entries = list.Entries();
    std::vector<int> idx(entries.size());
    for (size_t i = 0; i < idx.size(); ++i) idx[i] = (int)i;
    std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
        const BirthdayEntry& x = entries[(size_t)a];
        const BirthdayEntry& y = entries[(size_t)b];
        return x.month != y.month ? x.month < y.month : x.day < y.day;
    });
    return idx;
}

std::vector<CellLine> StackCellLines(const CalendarDate& date, const BirthdayList& list,
                                     const std::vector<int>& dayIndex, const HolidayList& holidays,
                                     const DisplayOptions& o, int freeTop, int bottom, int lineHeight)
{
    std::vector<CellLine> lines;
    CString holiday;
    if (holidays.HolidayOn(date, holiday)) {
        CellLine l;
        l.kind = CellLine::HolidayLine;
        l.text = holiday;
        l.top = bottom - lineHeight;
        l.bottom = bottom;
        bottom = l.top;
        lines.push_back(l);
    }
    const auto& entries = list.Entries();
    MonthDay days[2];
    const int dayCount = EntryDaysShownOn(date.month, date.day, date.year, o.leapDay, days);
    bool full = false;
    for (int k = 0; k < dayCount && !full; ++k) {
        const MonthDay own = days[k];
        auto first = std::lower_bound(dayIndex.begin(), dayIndex.end(), 0, [&](int i, int) {
            const BirthdayEntry& e = entries[(size_t)i];
            return e.month != own.month ? e.month < own.month : e.day < own.day;
        });
        for (auto it = first; it != dayIndex.end(); ++it) {
            const BirthdayEntry& e = entries[(size_t)*it];
            if (e.month != own.month || e.day != own.day) break;
            int years = 0;
            if (!e.ShowsOn(date, o.switches, years)) continue;
            CellLine l;
            l.entry = *it;
            l.years = years;
            l.bottom = bottom;
            l.kind = e.HasKind(BirthdayEntry::Note) ? CellLine::NoteLine : CellLine::NameLine;
            l.top = bottom - (l.kind == CellLine::NoteLine ? 2 : 1) * lineHeight;
            // A line above the free area would run over the day number or into the row above.
            if (l.top < freeTop) {
                full = true;
                break;
            }
            l.text = l.kind == CellLine::NoteLine ? e.text : EntryLabel(e, years, o.bShortNames, o.nAgeMode);
            bottom = l.top;
            lines.push_back(l);
        }
    }
    return lines;
}
