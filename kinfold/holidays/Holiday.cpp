// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/Holiday.h"
#include "platform/Translate.h"

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

Holiday Holiday::Observed(int month_, int day_, const CString& name_) {
    return DateRule(ObservedFridayMonday, month_, day_, 0, name_);
}

Holiday Holiday::Season(int month_, int utcOffsetHours, const CString& name_) {
    Holiday h(month_, 0, name_);
    h.kind = SeasonDay;
    h.offset = utcOffsetHours;
    return h;
}

Holiday Holiday::Cancelled(int year_, int month_, int day_, const CString& name_) {
    Holiday h = InOneYear(year_, month_, day_, name_);
    h.kind = NotInYear;
    return h;
}

Holiday Holiday::InYears(int first, int last) const {
    Holiday h = *this;
    h.firstYear = first;
    h.lastYear = last;
    return h;
}

CString Holiday::Label() const {
    CString label = name;
    if (kind == NotInYear)
        label += " " + FillIn(TextTranslation::translate("Holiday", "(not on %1)"), {StrFormat("%04d-%02d-%02d", year, month, day)});
    else if (kind == OneYearDate)
        label += StrFormat(" (%04d-%02d-%02d)", year, month, day);
    if (firstYear && lastYear)
        label += StrFormat(" (%d-%d)", firstYear, lastYear);
    else if (firstYear)
        label += " " + FillIn(TextTranslation::translate("Holiday", "(from %1)"), {std::to_string(firstYear)});
    else if (lastYear)
        label += " " + FillIn(TextTranslation::translate("Holiday", "(until %1)"), {std::to_string(lastYear)});
    return label;
}

CString Holiday::SubstituteSuffix() const {
    if (kind == SubstituteForward)
        return " " + TextTranslation::translate("Holiday", "(substitute day)");
    if (kind == ObservedFridayMonday)
        return " " + TextTranslation::translate("Holiday", "(observed)");
    return "";
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

CString SignedTwoDigits(int value, int bound) {
    const int v = std::clamp(value, -bound, bound);
    return StrFormat("%c%02d", v < 0 ? '-' : '+', v < 0 ? -v : v);
}

CString FourDigitYear(int year) {
    return (year < 0 || year > 9999) ? CString("0000") : StrFormat("%04d", year);
}

// Kinds 3 and on.
CString NewKindText(const Holiday& h) {
    CString text;
    text += static_cast<char>('0' + h.kind);
    switch (h.kind) {
    case Holiday::WesternEaster:
    case Holiday::OrthodoxEaster:
        text += SignedTwoDigits(h.offset, Holiday::kMaxEasterOffset);
        break;
    case Holiday::SeasonDay:
        text += TwoDigits(h.month, "00");
        text += SignedTwoDigits(h.offset, 99);
        break;
    case Holiday::SundayToNextFree:
        break;
    case Holiday::BetweenHolidays:
        text += OneDigit(h.weekday);
        break;
    case Holiday::OneYearDate:
    case Holiday::NotInYear:
        text += FourDigitYear(h.year);
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

// Reads kinds 3 and on; false when a field is malformed.
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
    // "+dd" or "-dd"; "-00" would come back as "+00", so it is refused.
    auto signedNumber = [&]() {
        const char sign = pos < text.size() ? text[pos] : '\0';
        ++pos;
        const int magnitude = number(2);
        if ((sign != '+' && sign != '-') || (sign == '-' && magnitude == 0))
            ok = false;
        return sign == '-' ? -magnitude : magnitude;
    };
    Holiday h;
    h.kind = text[0] - '0';
    switch (h.kind) {
    case Holiday::WesternEaster:
    case Holiday::OrthodoxEaster: {
        const int offset = signedNumber();
        h = Holiday::FromEaster(h.kind == Holiday::OrthodoxEaster, offset, "");
        break;
    }
    case Holiday::SeasonDay: {
        const int m = number(2);
        h = Holiday::Season(m, signedNumber(), "");
        break;
    }
    case Holiday::SundayToNextFree:
        h = Holiday(0, 0, "");
        h.kind = Holiday::SundayToNextFree;
        break;
    case Holiday::BetweenHolidays:
        h = Holiday(0, 0, "");
        h.kind = Holiday::BetweenHolidays;
        h.weekday = number(1);
        break;
    case Holiday::OneYearDate:
    case Holiday::NotInYear: {
        const int kind = h.kind;
        const int y = number(4);
        const int m = number(2);
        h = Holiday::InOneYear(y, m, number(2), "");
        h.kind = kind;
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

bool KnownNewKind(int kind) {
    return (kind >= Holiday::WesternEaster && kind <= Holiday::OneYearDate) ||
           (kind >= Holiday::WeekdayOnOrAfterUnless && kind <= Holiday::NotInYear);
}

// The year bound of the "Y" prefix: 0 for none, else within the four digits.
CString YearBound(int year) {
    return year == 0 ? CString("0000") : StrFormat("%04d", std::clamp(year, 1, 9999));
}

}  // namespace

CString Holiday::ToText() const {
    if (firstYear != 0 || lastYear != 0) {
        // Older versions know no 'Y' and skip the record rather than keep it in every year.
        Holiday always = InYears(0, 0);
        return kYearsMark + YearBound(firstYear) + YearBound(lastYear) + always.ToText();
    }
    if (KnownNewKind(kind))
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
    if (text[0] == kYearsMark) {
        int bounds[2] = {0, 0};
        for (size_t i = 0; i < 8; ++i) {
            const char c = i + 1 < text.size() ? text[i + 1] : '\0';
            if (c < '0' || c > '9')
                return false;
            bounds[i / 4] = bounds[i / 4] * 10 + (c - '0');
        }
        Holiday inner;
        // One prefix only, no empty range, and an inner record that is written back as it stands (the old
        // kinds read any digits), so every accepted text is written back unchanged.
        const CString rest = text.substr(9);
        if (rest.empty() || rest[0] == kYearsMark || (bounds[0] == 0 && bounds[1] == 0) ||
            !FromText(rest, inner) || inner.ToText() != rest)
            return false;
        out = inner.InYears(bounds[0], bounds[1]);
        return true;
    }
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
    case ObservedFridayMonday:
    case SeasonDay:
    case SundayToNextFree:
    case BetweenHolidays:
    case NotInYear:
        return NewKindFromText(text, out);
    default:
        return false;
    }
}
