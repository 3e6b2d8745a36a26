// SPDX-License-Identifier: GPL-3.0-or-later
// The rule tests on calendar dates, kept apart from the stored forms.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <typeinfo>
#include <vector>

#include "calendar/CalendarDate.h"
#include "calendar/MoonDate.h"
#include "holidays/Holiday.h"
#include "holidays/HolidayList.h"

namespace {

// A day's entry in a year's table: -1 for none, else the holiday's index, doubled, plus one when
// the day is the holiday's substitute or observed day.
namespace HolidayDay {
constexpr int Own(int index) { return 2 * index; }
constexpr int Substitute(int index) { return 2 * index + 1; }
}  // namespace HolidayDay

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

// The Gregorian month and day on which season `month` (3, 6, 9, 12) begins in `year`, in the
// local time `hours` from UT.
bool SeasonDate(int year, int month, int hours, int& outMonth, int& outDay) {
    int code = NoSeason;
    switch (month) {
    case 3: code = SpringStart; break;
    case 6: code = SummerStart; break;
    case 9: code = FallStart; break;
    case 12: code = WinterStart; break;
    default: return false;
    }
    const double local = SeasonInstant(year, code) + hours / 24.0;
    if (!std::isfinite(local))
        return false;
    // Day numbers count from noon: the local day begins at the .5 below.
    const GregorianDate date(std::floor(local - 0.5) + 0.5);
    outMonth = date.month;
    outDay = date.day;
    return true;
}

// The day the holiday's own rule places it on in rule year `year` (substitutes aside).
std::optional<int> OwnDay(const Holiday& h, int year, const DayLine& line) {
    if (!h.KeptIn(year))
        return std::nullopt;
    switch (h.kind) {
    case Holiday::FixedDate:
    case Holiday::SubstituteForward:
    case Holiday::ObservedFridayMonday:
        return FixedDay(h, year, line);
    case Holiday::SeasonDay: {
        int m = 0, d = 0;
        if (!SeasonDate(year, h.month, h.offset, m, d))
            return std::nullopt;
        return line.OffsetOf(year, m, d);
    }
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

// The year of the line that holds day `offset`.
int YearOf(const DayLine& line, int offset) {
    for (int year = line.Year() - 1; year <= line.Year(); ++year)
        if (offset < line.OffsetOf(year + 1, 1, 1))
            return year;
    return line.Year() + 1;
}

// Whether a NotInYear record of the list takes the holiday off `day`.
bool Cancelled(const std::vector<Holiday>& items, const Holiday& h, const DayLine& line, int day) {
    for (const Holiday& c : items)
        if (c.kind == Holiday::NotInYear && c.name == h.name && line.Covers(c.year) &&
            OwnDay(Holiday(c.month, c.day, c.name), c.year, line) == day)
            return true;
    return false;
}

// The holiday of each day `first`..`last` of the line, as HolidayDay values. A day gets the
// first holiday of the list whose own rule falls on it. Failing that it may be:
// - the observed day of a weekend holiday of kind ObservedFridayMonday (Friday before a
//   Saturday, Monday after a Sunday);
// - the substitute of a weekend holiday of kind SubstituteForward: those are taken in date order
//   (list order among one day's), and each gets the first weekday after its day that no holiday
//   of the list falls on and no earlier substitute has taken;
// - the day a SundayToNextFree record gives a Sunday holiday: the next day that is no holiday
//   and not yet taken;
// - a day between two holidays, for a BetweenHolidays record.
// The list-wide records count in the years they are kept in, by the year of the day they act on.
std::vector<int> HolidaysOfDays(const std::vector<Holiday>& items, const DayLine& line, int first, int last) {
    // Two reaches back, so that a run of earlier substitutes is seen in full, and one day on, so
    // that the last day's neighbour is known.
    const int from = first - 2 * kSubstituteReach;
    const int to = last + 1;
    const auto at = [from](int day) { return static_cast<size_t>(day - from); };
    std::vector<int> own(static_cast<size_t>(to - from + 1), -1);
    struct Source {
        int day;
        size_t index;
    };
    std::vector<Source> sources;
    std::vector<size_t> listWide;
    const bool cancels =
        std::any_of(items.begin(), items.end(), [](const Holiday& h) { return h.kind == Holiday::NotInYear; });
    for (size_t i = 0; i < items.size(); ++i) {
        const Holiday& h = items[i];
        if (h.ActsOnList()) {
            if (h.kind != Holiday::NotInYear)
                listWide.push_back(i);
            continue;
        }
        for (int year = line.Year() - 1; year - 1 <= line.Year(); ++year) {
            if (h.kind == Holiday::OneYearDate && h.year != year)
                continue;
            const auto day = OwnDay(h, year, line);
            if (!day || *day < from || *day > to)
                continue;
            if (cancels && Cancelled(items, h, line, *day))
                continue;
            if (own[at(*day)] < 0)
                own[at(*day)] = static_cast<int>(i);
            const bool weekend = line.WeekdayAt(*day) >= 6;
            if (weekend && (h.kind == Holiday::SubstituteForward || h.kind == Holiday::ObservedFridayMonday))
                sources.push_back({*day, i});
        }
    }
    std::vector<int> result(own.size(), -1);
    for (size_t d = 0; d < own.size(); ++d)
        if (own[d] >= 0)
            result[d] = HolidayDay::Own(own[d]);
    std::vector<bool> taken(own.size(), false);
    auto give = [&](int day, int value) {
        taken[at(day)] = true;
        result[at(day)] = value;
    };
    std::sort(sources.begin(), sources.end(),
              [](const Source& a, const Source& b) { return a.day != b.day ? a.day < b.day : a.index < b.index; });
    for (const Source& s : sources) {
        if (items[s.index].kind != Holiday::ObservedFridayMonday)
            continue;
        const int day = line.WeekdayAt(s.day) == 6 ? s.day - 1 : s.day + 1;
        if (day >= from && day <= to && own[at(day)] < 0 && !taken[at(day)])
            give(day, HolidayDay::Substitute(static_cast<int>(s.index)));
    }
    for (const Source& s : sources) {
        if (items[s.index].kind != Holiday::SubstituteForward)
            continue;
        int day = s.day + 1;
        while (day <= to && (line.WeekdayAt(day) >= 6 || own[at(day)] >= 0 || taken[at(day)]))
            ++day;
        if (day <= to && day - s.day <= kSubstituteReach)
            give(day, HolidayDay::Substitute(static_cast<int>(s.index)));
    }
    for (size_t i : listWide) {
        const Holiday& rule = items[i];
        for (int day = from; day <= to; ++day) {
            if (!rule.KeptIn(YearOf(line, day)))
                continue;
            if (rule.kind == Holiday::SundayToNextFree && own[at(day)] >= 0 && line.WeekdayAt(day) == 7) {
                int next = day + 1;
                while (next <= to && (own[at(next)] >= 0 || taken[at(next)]))
                    ++next;
                if (next <= to && next - day <= kSubstituteReach)
                    give(next, HolidayDay::Own(static_cast<int>(i)));
            } else if (rule.kind == Holiday::BetweenHolidays && day > from && day < to && own[at(day)] < 0 &&
                       !taken[at(day)] && own[at(day - 1)] >= 0 && own[at(day + 1)] >= 0 &&
                       line.WeekdayAt(day) != rule.weekday) {
                give(day, HolidayDay::Own(static_cast<int>(i)));
            }
        }
    }
    return std::vector<int>(result.begin() + static_cast<long>(at(first)), result.begin() + static_cast<long>(at(last)) + 1);
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
    bool substitute = false;
    if (std::any_of(m_items.begin(), m_items.end(), [](const Holiday& h) { return h.NeedsYear(); })) {
        if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > date.DaysInThisMonth())
            return false;
        const YearDays& year = DaysOfYear(date);
        int dayOfYear = date.day - 1;
        for (int m = 1; m < date.month; ++m)
            dayOfYear += date.DaysInMonth(m, date.year);
        if (dayOfYear >= 0 && dayOfYear < static_cast<int>(year.holiday.size())) {
            const int entry = year.holiday[static_cast<size_t>(dayOfYear)];
            found = entry < 0 ? -1 : entry / 2;
            substitute = entry >= 0 && entry % 2 == 1;
        }
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
    const Holiday& h = m_items[static_cast<size_t>(found)];
    name = h.name;
    if (substitute)
        name += h.SubstituteSuffix();
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
