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

Holiday Holiday::FromEaster(bool orthodox, int offset_, const CString& name_) {
    Holiday h;
    h.kind = orthodox ? OrthodoxEaster : WesternEaster;
    h.month = 0;
    h.day = 0;
    h.offset = offset_;
    h.name = name_;
    return h;
}

Holiday Holiday::DateRule(int kind_, int month_, int day_, int weekday_, const CString& name_) {
    Holiday h(month_, day_, name_);
    h.kind = kind_;
    if (h.NearWeekday())
        h.weekday = weekday_;
    return h;
}

Holiday Holiday::OnOrAfterUnless(int month_, int day_, int weekday_, int keepWeekday_, const CString& name_) {
    Holiday h = DateRule(WeekdayOnOrAfterUnless, month_, day_, weekday_, name_);
    h.keepWeekday = keepWeekday_;
    return h;
}

Holiday Holiday::InOneYear(int year_, int month_, int day_, const CString& name_) {
    Holiday h(month_, day_, name_);
    h.kind = OneYearDate;
    h.year = year_;
    return h;
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

// Kinds 3 to 9.
CString NewKindText(const Holiday& h) {
    CString text;
    text += static_cast<char>('0' + h.kind);
    switch (h.kind) {
    case Holiday::WesternEaster:
    case Holiday::OrthodoxEaster: {
        const int bound = Holiday::kMaxEasterOffset;
        const int offset = std::clamp(h.offset, -bound, bound);
        text += StrFormat("%c%02d", offset < 0 ? '-' : '+', offset < 0 ? -offset : offset);
        break;
    }
    case Holiday::OneYearDate:
        text += (h.year < 0 || h.year > 9999) ? CString("0000") : StrFormat("%04d", h.year);
        [[fallthrough]];
    default:
        text += TwoDigits(h.month, "00");
        text += TwoDigits(h.day, "99");
        if (h.NearWeekday())
            text += OneDigit(h.weekday);
        if (h.kind == Holiday::WeekdayOnOrAfterUnless)
            text += OneDigit(h.keepWeekday);
        break;
    }
    text += h.name;
    return text;
}

// Reads kinds 3 to 9; false when a field is malformed.
bool NewKindFromText(const CString& text, Holiday& out) {
    size_t pos = 1;
    bool ok = true;
    auto number = [&](size_t width) {
        int value = 0;
        for (size_t i = 0; i < width; ++i, ++pos) {
            if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') {
                ok = false;
                return 0;
            }
            value = value * 10 + (text[pos] - '0');
        }
        return value;
    };
    Holiday h;
    h.kind = text[0] - '0';
    switch (h.kind) {
    case Holiday::WesternEaster:
    case Holiday::OrthodoxEaster: {
        const char sign = pos < text.size() ? text[pos] : '\0';
        if (sign != '+' && sign != '-')
            return false;
        ++pos;
        const int magnitude = number(2);
        h = Holiday::FromEaster(h.kind == Holiday::OrthodoxEaster, sign == '-' ? -magnitude : magnitude, "");
        // "-00" would come back as "+00".
        if (sign == '-' && magnitude == 0)
            return false;
        break;
    }
    case Holiday::OneYearDate: {
        const int y = number(4);
        const int m = number(2);
        h = Holiday::InOneYear(y, m, number(2), "");
        break;
    }
    default: {
        const int m = number(2);
        const int d = number(2);
        const int kind = h.kind;
        h = Holiday::DateRule(kind, m, d, 0, "");
        if (h.NearWeekday())
            h.weekday = number(1);
        if (kind == Holiday::WeekdayOnOrAfterUnless)
            h.keepWeekday = number(1);
        break;
    }
    }
    if (!ok)
        return false;
    h.name = text.substr(pos);
    out = h;
    return true;
}

}  // namespace

CString Holiday::ToText() const {
    if ((kind >= WesternEaster && kind <= OneYearDate) || kind == WeekdayOnOrAfterUnless)
        return NewKindText(*this);
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
    case WesternEaster:
    case OrthodoxEaster:
    case SubstituteForward:
    case SundayToSaturday:
    case WeekdayOnOrAfter:
    case WeekdayOnOrBefore:
    case OneYearDate:
    case WeekdayOnOrAfterUnless:
        return NewKindFromText(text, out);
    default:
        return false;
    }
}
