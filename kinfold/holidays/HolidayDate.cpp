// SPDX-License-Identifier: GPL-3.0-or-later
// The rule tests on calendar dates, kept apart from the stored forms.
#include <algorithm>
#include <array>
#include <optional>
#include <typeinfo>
#include <vector>

#include "calendar/CalendarDate.h"
#include "holidays/Holiday.h"
#include "holidays/HolidayList.h"

namespace {

int FloorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

int PositiveMod(int a, int b) {
    const int r = a % b;
    return r < 0 ? r + b : r;
}

// Days of one date's calendar counted from that date, over its year and the years either side,
// so that rules of a neighbouring year (Easter less 99 days, the Saturday before a Sunday 1
// January) can be placed too.
class DayLine {
public:
    explicit DayLine(const CalendarDate& ref) : m_ref(ref), m_year(ref.year), m_weekday(ref.Weekday()) {
        for (int i = 0; i < 3; ++i) {
            int start = 0;
            for (int m = 1; m <= 12; ++m) {
                m_monthStart[i][m - 1] = start;
                start += ref.DaysInMonth(m, m_year - 1 + i);
            }
            m_yearLength[i] = start;
        }
        m_refOffset = m_monthStart[1][std::clamp(ref.month, 1, 12) - 1] + ref.day - 1;
    }

    int Year() const { return m_year; }
    bool Covers(int year) const { return year >= m_year - 1 && year - 1 <= m_year; }
    int DaysInMonth(int month, int year) const { return m_ref.DaysInMonth(month, year); }

    // Days from the reference date to `day` of `month` (1..12) in a covered year; the day may lie
    // outside its month and counts on into the next or back into the previous one.
    int OffsetOf(int year, int month, int day) const {
        const int i = year - m_year + 1;
        int yearStart = 0;
        if (i == 0)
            yearStart = -m_yearLength[0];
        else if (i == 2)
            yearStart = m_yearLength[1];
        return yearStart + m_monthStart[i][month - 1] + day - 1 - m_refOffset;
    }

    int WeekdayAt(int offset) const { return PositiveMod(m_weekday - 1 + PositiveMod(offset, 7), 7) + 1; }

private:
    const CalendarDate& m_ref;
    int m_year;
    int m_weekday;
    std::array<std::array<int, 12>, 3> m_monthStart{};
    std::array<int, 3> m_yearLength{};
    int m_refOffset = 0;
};

bool ValidMonth(int month) {
    return month >= 1 && month <= 12;
}

bool ValidWeekday(int weekday) {
    return weekday >= 1 && weekday <= 7;
}

// The holiday's month/day in `year` as an offset, when that date exists.
std::optional<int> FixedDay(const Holiday& h, int year, const DayLine& line) {
    if (!ValidMonth(h.month) || h.day < 1 || h.day > line.DaysInMonth(h.month, year))
        return std::nullopt;
    return line.OffsetOf(year, h.month, h.day);
}

// The day the holiday's own rule places it on in rule year `year` (substitutes aside).
std::optional<int> OwnDay(const Holiday& h, int year, const DayLine& line) {
    switch (h.kind) {
    case Holiday::FixedDate:
    case Holiday::SubstituteForward:
        return FixedDay(h, year, line);
    case Holiday::FixedDayOfWeek: {
        if (!ValidMonth(h.month) || !ValidWeekday(h.weekday) || h.week < 1 || h.week > 6)
            return std::nullopt;
        const int first = line.OffsetOf(year, h.month, 1);
        const int n = line.DaysInMonth(h.month, year);
        const int lead = PositiveMod(h.weekday - line.WeekdayAt(first), 7);
        const int d = h.week == 6 ? 1 + lead + 7 * ((n - 1 - lead) / 7) : 1 + lead + 7 * (h.week - 1);
        if (d > n)
            return std::nullopt;
        return first + d - 1;
    }
    case Holiday::NextBusinessDayAfter: {
        if (!ValidMonth(h.month) || h.day > 31)
            return std::nullopt;
        const int n = line.DaysInMonth(h.month, year);
        for (int d = std::max(h.day + 1, 1); d < h.day + 7 && d <= n; ++d) {
            const int at = line.OffsetOf(year, h.month, d);
            if (line.WeekdayAt(at) <= 5)
                return at;
        }
        return std::nullopt;
    }
    case Holiday::WesternEaster:
    case Holiday::OrthodoxEaster: {
        int m = 0, d = 0;
        if (h.kind == Holiday::WesternEaster)
            WesternEasterDate(year, m, d);
        else if (!OrthodoxEasterDate(year, m, d))
            return std::nullopt;
        return line.OffsetOf(year, m, d) + h.offset;
    }
    case Holiday::SundayToSaturday: {
        const auto at = FixedDay(h, year, line);
        if (at && line.WeekdayAt(*at) == 7)
            return *at - 1;
        return at;
    }
    case Holiday::WeekdayOnOrAfter:
    case Holiday::WeekdayOnOrBefore:
    case Holiday::WeekdayOnOrAfterUnless: {
        const auto at = FixedDay(h, year, line);
        if (!at || !ValidWeekday(h.weekday))
            return std::nullopt;
        const int wd = line.WeekdayAt(*at);
        if (h.kind == Holiday::WeekdayOnOrAfterUnless && wd == h.keepWeekday)
            return at;
        if (h.kind != Holiday::WeekdayOnOrBefore)
            return *at + PositiveMod(h.weekday - wd, 7);
        return *at - PositiveMod(wd - h.weekday, 7);
    }
    case Holiday::OneYearDate:
        if (h.year != year)
            return std::nullopt;
        return FixedDay(h, year, line);
    default:
        return std::nullopt;
    }
}

// Whether the rule, placed in any covered year, lands on the day `offset`.
bool OwnDayIs(const Holiday& h, const DayLine& line, int offset) {
    if (h.kind == Holiday::OneYearDate)
        return line.Covers(h.year) && OwnDay(h, h.year, line) == offset;
    for (int year = line.Year() - 1; year - 1 <= line.Year(); ++year)
        if (OwnDay(h, year, line) == offset)
            return true;
    return false;
}

// A substitute kept further than this from its holiday is dropped; no calendar needs so many.
constexpr int kSubstituteReach = 31;

// The holiday (index into `items`, -1 for none) of each day `first`..`last` of the line. A day
// gets the first holiday of the list whose own rule falls on it; failing that it may be the
// substitute of a weekend holiday of kind SubstituteForward. Those are taken in date order (list
// order among one day's), and each gets the first weekday after its day that no holiday of the
// list falls on and no earlier substitute has taken.
std::vector<int> HolidaysOfDays(const std::vector<Holiday>& items, const DayLine& line, int first, int last) {
    // Two reaches back, so that a run of earlier substitutes is seen in full.
    const int from = first - 2 * kSubstituteReach;
    const auto at = [from](int day) { return static_cast<size_t>(day - from); };
    std::vector<int> own(static_cast<size_t>(last - from + 1), -1);
    struct Source {
        int day;
        size_t index;
    };
    std::vector<Source> sources;
    for (size_t i = 0; i < items.size(); ++i) {
        const Holiday& h = items[i];
        for (int year = line.Year() - 1; year - 1 <= line.Year(); ++year) {
            if (h.kind == Holiday::OneYearDate && h.year != year)
                continue;
            const auto day = OwnDay(h, year, line);
            if (!day || *day < from || *day > last)
                continue;
            if (own[at(*day)] < 0)
                own[at(*day)] = static_cast<int>(i);
            if (h.kind == Holiday::SubstituteForward && line.WeekdayAt(*day) >= 6)
                sources.push_back({*day, i});
        }
    }
    std::vector<int> days(own.begin() + static_cast<long>(at(first)), own.end());
    if (sources.empty())
        return days;
    std::sort(sources.begin(), sources.end(),
              [](const Source& a, const Source& b) { return a.day != b.day ? a.day < b.day : a.index < b.index; });
    std::vector<bool> taken(own.size(), false);
    for (const Source& s : sources) {
        int day = s.day + 1;
        while (day <= last && (line.WeekdayAt(day) >= 6 || own[at(day)] >= 0 || taken[at(day)]))
            ++day;
        if (day > last || day - s.day > kSubstituteReach)
            continue;
        taken[at(day)] = true;
        if (day >= first)
            days[static_cast<size_t>(day - first)] = static_cast<int>(s.index);
    }
    return days;
}

}  // namespace

void WesternEasterDate(int year, int& month, int& day) {
    // The Gregorian dates of Easter repeat every 5,700,000 years.
    const int y = PositiveMod(year, 5700000);
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    month = n / 31;
    day = n % 31 + 1;
}

bool OrthodoxEasterDate(int year, int& month, int& day) {
    // Julian dates of Easter repeat every 532 years.
    const int y = PositiveMod(year, 532);
    const int a = y % 4, b = y % 7, c = y % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int n = d + e + 114;
    // From March on the two calendars stay the same number of days apart for the rest of the year.
    const int shift = FloorDiv(year, 100) - FloorDiv(year, 400) - 2;
    const int afterMarch1 = (n / 31 == 4 ? 31 : 0) + n % 31 + shift;
    // 1 January lies at most 60 days before 1 March, 31 December 305 days after it.
    if (afterMarch1 < -60 || afterMarch1 > 305)
        return false;
    GregorianDate date(3, 1, year);
    date.AddDays(afterMarch1);
    if (date.year != year)
        return false;
    month = date.month;
    day = date.day;
    return true;
}

bool Holiday::FallsOn(const CalendarDate& date) const {
    if (!NeedsYear())
        return FallsOn(date.month, date.day, date.Weekday(), date.DaysInThisMonth());
    return OwnDayIs(*this, DayLine(date), 0);
}

const HolidayList::YearDays& HolidayList::DaysOfYear(const CalendarDate& date) const {
    for (const YearDays& y : m_years)
        if (y.year == date.year && *y.calendar == typeid(date))
            return y;
    // A page shows two years at most; a few more serve going back and forth.
    if (m_years.size() >= 4)
        m_years.erase(m_years.begin());
    const DayLine line(date);
    const int first = line.OffsetOf(date.year, 1, 1);
    const int last = line.OffsetOf(date.year, 12, line.DaysInMonth(12, date.year));
    m_years.push_back({&typeid(date), date.year, HolidaysOfDays(m_items, line, first, last)});
    return m_years.back();
}

bool HolidayList::HolidayOn(const CalendarDate& date, CString& name) const {
    if (m_items.empty())
        return false;
    int found = -1;
    if (std::any_of(m_items.begin(), m_items.end(), [](const Holiday& h) { return h.NeedsYear(); })) {
        if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > date.DaysInThisMonth())
            return false;
        const YearDays& year = DaysOfYear(date);
        int dayOfYear = date.day - 1;
        for (int m = 1; m < date.month; ++m)
            dayOfYear += date.DaysInMonth(m, date.year);
        if (dayOfYear >= 0 && dayOfYear < static_cast<int>(year.holiday.size()))
            found = year.holiday[static_cast<size_t>(dayOfYear)];
    } else {
        // One weekday and month length serve the whole walk.
        const int weekday = date.Weekday();
        const int daysInMonth = date.DaysInThisMonth();
        for (size_t i = 0; i < m_items.size() && found < 0; ++i)
            if (m_items[i].FallsOn(date.month, date.day, weekday, daysInMonth))
                found = static_cast<int>(i);
    }
    if (found < 0)
        return false;
    name = m_items[static_cast<size_t>(found)].name;
    return true;
}

std::vector<DatedHoliday> HolidayList::HolidaysInYear(int year) const {
    std::vector<DatedHoliday> days;
    GregorianDate date(1, 1, year);
    while (date.year == year) {
        CString name;
        if (HolidayOn(date, name))
            days.push_back({date.year, date.month, date.day, name});
        date.AddDays(1);
    }
    return days;
}
