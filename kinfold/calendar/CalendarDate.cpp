// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/CalendarDate.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// The almanac method: reformTerm is 0 for the Julian calendar, 2 - A + A/4 for the Gregorian.
double AlmanacDayNumber(int year, int month, int day, bool gregorian)
{
    long long y = year;
    long long m = month;
    if (m < 3) {
        y -= 1;
        m += 12;
    }
    long long b = 0;
    if (gregorian) {
        // Floor, not truncation: otherwise years below -100 come out a day off.
        long long a = FloorDiv(y, 100);
        b = 2 - a + FloorDiv(a, 4);
    }
    // Floor keeps the count continuous before 4716 BC, where truncation would bend it.
    long long t1 = static_cast<long long>(std::floor(365.25 * static_cast<double>(y + 4716)));
    long long t2 = static_cast<long long>(std::floor(30.6001 * static_cast<double>(m + 1)));
    long long sum = t1 + t2 + day + b;
    return static_cast<double>(sum) - 1524.5;
}

int MonthLength(int month, bool leap)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return leap ? 29 : 28;
    default:
        return 31;
    }
}

bool OnOrAfterReform(int year, int month, int day)
{
    if (year != 1582)
        return year > 1582;
    if (month != 10)
        return month > 10;
    return day >= 5;
}

// sscanf-like readers over a text: %d and %s (a word cut to 31 characters).
struct Scanner {
    const char* p;

    void SkipBlanks()
    {
        while (*p && std::isspace(static_cast<unsigned char>(*p)))
            ++p;
    }
    bool Int(int& out)
    {
        SkipBlanks();
        const char* q = p;
        bool negative = false;
        if (*q == '+' || *q == '-') {
            negative = *q == '-';
            ++q;
        }
        if (!std::isdigit(static_cast<unsigned char>(*q)))
            return false;
        long long v = 0;
        while (std::isdigit(static_cast<unsigned char>(*q))) {
            if (v < 10000000000LL)
                v = v * 10 + (*q - '0');
            ++q;
        }
        if (negative)
            v = -v;
        if (v > INT_MAX)
            v = INT_MAX;
        if (v < INT_MIN)
            v = INT_MIN;
        out = static_cast<int>(v);
        p = q;
        return true;
    }
    bool Word(CString& out)
    {
        SkipBlanks();
        if (!*p)
            return false;
        out.clear();
        while (*p && !std::isspace(static_cast<unsigned char>(*p))) {
            if (out.size() < 31)
                out += *p;
            ++p;
        }
        return true;
    }
};

} // namespace

const char* MonthName(int month)
{
    return (month >= 1 && month <= 12) ? MonthNames[month - 1] : "";
}

bool IsUsableDayNumber(double J)
{
    return std::isfinite(J) && std::fabs(J) < 5.0e11;
}

bool IsGregorianLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

bool IsJulianLeapYear(int year)
{
    return year % 4 == 0;
}

// ---- CalendarDate ----------------------------------------------------------

double CalendarDate::DayNumber() const
{
    return AlmanacDayNumber(year, month, day, OnOrAfterReform(year, month, day));
}

int CalendarDate::DaysInYear(int y) const
{
    return IsGregorianLeapYear(y) ? 366 : 365;
}

int CalendarDate::DaysInThisYear() const
{
    return DaysInYear(year);
}

int CalendarDate::DaysInMonth(int m, int y) const
{
    return MonthLength(m, IsGregorianLeapYear(y));
}

int CalendarDate::DaysInThisMonth() const
{
    return DaysInMonth(month, year);
}

int CalendarDate::Weekday() const
{
    // Whole day number of the date's noon, taken modulo 7 with a non-negative remainder
    // so that dates before 4713 BC keep the weekly cycle.
    double jdn = std::floor(DayNumber() + 0.5);
    double r = std::fmod(jdn, 7.0);
    if (r < 0)
        r += 7.0;
    return static_cast<int>(r) + 1;
}

void CalendarDate::SetFromDayNumber(double J, CalendarRule rule)
{
    if (!IsUsableDayNumber(J)) {
        // Beyond any representable year: leave an empty date rather than overflow.
        year = day = month = 0;
        return;
    }
    double Z = std::floor(J + 0.5);
    double F = (J + 0.5) - Z;
    double A = Z;
    if (rule == AlwaysGregorian || (rule == ReformAware && Z >= 2299161.0)) {
        // A true division: on 1 March of some century years the quotient is a whole number,
        // which a multiplication by the rounded reciprocal lands just below (1 March 6700
        // came back as 29 February).
        double alpha = std::floor((Z - 1867216.25) / 36524.25);
        A = Z + 1 + alpha - std::floor(alpha * 0.25);
    }
    double B = A + 1524;
    double K = std::floor((B - 122.1) / 365.25);
    double Dd = std::floor(365.25 * K);
    double E = std::floor((B - Dd) / 30.6001);
    day = static_cast<int>(B - Dd - std::floor(30.6001 * E) + F);
    month = static_cast<int>(E >= 14 ? E - 13 : E - 1);
    year = static_cast<int>(month <= 2 ? K - 4715 : K - 4716);
}

void CalendarDate::SetFromOwnDayNumber(double J)
{
    SetFromDayNumber(J, ReformAware);
}

void CalendarDate::AddDays(int n)
{
    SetFromOwnDayNumber(DayNumber() + n);
}

namespace {
// -1, 0 or 1: fields read from a file may hold any int, so they are never subtracted.
int Order(int a, int b) { return (a > b) - (a < b); }
}  // namespace

int CalendarDate::CompareDayOfYear(const CalendarDate& other) const
{
    if (other.month == 0)
        return 0;
    if (month != other.month)
        return Order(month, other.month);
    return Order(day, other.day);
}

int CalendarDate::Compare(const CalendarDate& other) const
{
    if (other.month == 0 || year == 0 || other.year == 0)
        return 0;
    if (year != other.year)
        return Order(year, other.year);
    if (month != other.month)
        return Order(month, other.month);
    return Order(day, other.day);
}

void CalendarDate::Assign(const CalendarDate& other)
{
    year = other.year;
    day = other.day;
    month = other.month;
}

namespace {
// Month names are ASCII: no locale lookup for each letter of a big import.
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? (char)(c + 32) : c; }
} // namespace

void CalendarDate::SetMonthFromName(const CString& text)
{
    month = 0;
    if (text.size() < 3)
        return;
    for (int m = 0; m < 12; ++m) {
        bool same = true;
        for (int i = 0; i < 3 && same; ++i)
            same = AsciiLower(text[i]) == AsciiLower(MonthNames[m][i]);
        if (same) {
            month = m + 1;
            return;
        }
    }
}

void CalendarDate::SetFromText(const CString& text)
{
    year = day = month = 0;
    CString word;
    Scanner s{text.c_str()};
    if (s.Int(day) && s.Word(word))
        s.Int(year);

    if (day >= 1 && day <= 31) {
        SetMonthFromName(word);
        if (month >= 1 && month <= 12)
            return;
        if (!word.empty() && std::isdigit(static_cast<unsigned char>(word[0]))) {
            int number = std::atoi(word.c_str());
            if (number >= 1 && number <= 12) {
                month = number;
                return;
            }
            if (number >= 13 && number <= 31 && day >= 1 && day <= 12) {
                // Month first, as in 12 25 1950.
                month = day;
                day = number;
                return;
            }
        }
        month = 0;
        return;
    }
    if (day > 31 || day < 0) {
        year = day;
        day = 0;
        month = 0;
        return;
    }
    // No leading number: a month name or a qualifier such as ABT, then the year.
    Scanner again{text.c_str()};
    if (again.Word(word))
        again.Int(year);
    SetMonthFromName(word);
}

CString CalendarDate::FormatShort() const
{
    return StrFormat("%d/%d/%d", month, day, year);
}

// ---- GregorianDate ---------------------------------------------------------

double GregorianDate::DayNumber() const
{
    return AlmanacDayNumber(year, month, day, true);
}

int GregorianDate::DaysInYear(int y) const
{
    return IsGregorianLeapYear(y) ? 366 : 365;
}

int GregorianDate::DaysInMonth(int m, int y) const
{
    return MonthLength(m, IsGregorianLeapYear(y));
}

void GregorianDate::SetFromOwnDayNumber(double J)
{
    SetFromDayNumber(J, AlwaysGregorian);
}

// ---- JulianDate ------------------------------------------------------------

double JulianDate::DayNumber() const
{
    return AlmanacDayNumber(year, month, day, false);
}

int JulianDate::DaysInYear(int y) const
{
    return IsJulianLeapYear(y) ? 366 : 365;
}

int JulianDate::DaysInMonth(int m, int y) const
{
    return MonthLength(m, IsJulianLeapYear(y));
}

void JulianDate::SetFromOwnDayNumber(double J)
{
    SetFromDayNumber(J, AlwaysJulian);
}
