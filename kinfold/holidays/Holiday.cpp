// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/Holiday.h"

#include <algorithm>

Holiday::Holiday() = default;

Holiday::Holiday(int month_, int day_, const CString& name_)
    : month(month_), day(day_), kind(FixedDate), weekday(0), week(0), name(name_) {}

Holiday::Holiday(int month_, int week_, int third, const CString& name_)
    : month(month_), name(name_) {
    if (week_ != 0) {
        kind = FixedDayOfWeek;
        week = week_;
        weekday = third;
        day = 0;
    } else {
        kind = NextBusinessDayAfter;
        day = third;
        weekday = 0;
        week = 0;
    }
}

bool Holiday::FallsOn(int dateMonth, int dateDay, int dateWeekday, int daysInMonth) const {
    if (month != dateMonth)
        return false;
    switch (kind) {
    case FixedDate:
        return day == dateDay;
    case FixedDayOfWeek:
        if (week > 6 || weekday != dateWeekday)
            return false;
        if (week == 6)
            return daysInMonth < dateDay + 7;
        if (week >= 1)
            return (dateDay - 1) / 7 + 1 == week;
        return false;
    case NextBusinessDayAfter: {
        if (dateWeekday >= 6)
            return false;
        if (dateDay <= day || dateDay >= day + 7)
            return false;
        // The first weekday after `day`: every day between it and `day` is a Saturday or
        // Sunday, which only a Monday can follow, and at most two of them.
        const int firstCandidate = std::max(day + 1, 1);
        const int gap = dateDay - firstCandidate;
        return gap == 0 || (dateWeekday == 1 && gap <= 2);
    }
    default:
        return false;
    }
}

namespace {

// Two fixed digits; a value outside 0..99 would take more room and shift the name.
CString TwoDigits(int value, const char* outOfRange) {
    if (value < 0 || value > 99)
        return outOfRange;
    return StrFormat("%02d", value);
}

char OneDigit(int value) {
    return (value < 0 || value > 9) ? '9' : static_cast<char>('0' + value);
}

}  // namespace

CString Holiday::ToText() const {
    CString text;
    text += OneDigit(kind);
    // Month 0 and day 99 match no date, like any month or day that does not fit.
    text += TwoDigits(month, "00");
    if (kind == FixedDayOfWeek) {
        // Week 9 and weekday 9 match nothing, as a week or weekday outside one digit does.
        text += OneDigit(week);
        text += OneDigit(weekday);
    } else {
        text += TwoDigits(day, "99");
    }
    text += name;
    return text;
}

bool Holiday::FromText(const CString& text, Holiday& out) {
    if (text.empty())
        return false;
    auto digit = [&text](size_t i) { return (i < text.size() ? text[i] : '\0') - '0'; };
    const int kindDigit = digit(0);
    const int m = digit(1) * 10 + digit(2);
    const CString n = text.size() > 5 ? text.substr(5) : CString();
    switch (kindDigit) {
    case FixedDate:
        out = Holiday(m, digit(3) * 10 + digit(4), n);
        return true;
    case FixedDayOfWeek:
        out = Holiday(m, digit(3), digit(4), n);
        return true;
    case NextBusinessDayAfter:
        out = Holiday(m, 0, digit(3) * 10 + digit(4), n);
        return true;
    default:
        return false;
    }
}
