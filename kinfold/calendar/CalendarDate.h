// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calendar dates in three civil calendars, tied together by the Julian day number.
// Day numbers are doubles at 0 h of a day (an integer plus 0.5). Years count
// astronomically: year 0 precedes year 1, and a date whose year is 0 is empty.
#include "platform/CString.h"
#include "platform/Translate.h"

// How a day number is turned back into a date.
enum CalendarRule : int {
    ReformAware = 0,     // Julian calendar before 15 October 1582, Gregorian from then on
    AlwaysJulian = 1,
    AlwaysGregorian = 2,
};

// Three-letter month names, index month - 1 (also read from GEDCOM files; the year chooser shows
// them in the user's language).
inline constexpr const char* MonthNames[12] = {
    QT_TRANSLATE_NOOP("CalendarDate", "Jan"), QT_TRANSLATE_NOOP("CalendarDate", "Feb"), QT_TRANSLATE_NOOP("CalendarDate", "Mar"), QT_TRANSLATE_NOOP("CalendarDate", "Apr"),
    QT_TRANSLATE_NOOP("CalendarDate", "May"), QT_TRANSLATE_NOOP("CalendarDate", "Jun"), QT_TRANSLATE_NOOP("CalendarDate", "Jul"), QT_TRANSLATE_NOOP("CalendarDate", "Aug"),
    QT_TRANSLATE_NOOP("CalendarDate", "Sep"), QT_TRANSLATE_NOOP("CalendarDate", "Oct"), QT_TRANSLATE_NOOP("CalendarDate", "Nov"), QT_TRANSLATE_NOOP("CalendarDate", "Dec")};
// "Jan".."Dec" for 1-12, "" otherwise.
const char* MonthName(int month);

// Base date: Julian calendar before 5 October 1582, Gregorian from that day on
// (5-14 October 1582 count as Gregorian days); the Gregorian leap rule for every year.
class CalendarDate {
public:
    int year = 0;   // 0 = empty
    int day = 0;    // 1-31, 0 when not given
    int month = 0;  // 1-12, 0 when not given

    CalendarDate() = default;
    CalendarDate(int month, int day, int year) : year(year), day(day), month(month) {}
    CalendarDate(const CalendarDate&) = default;
    CalendarDate& operator=(const CalendarDate&) = default;

    virtual double DayNumber() const;
    virtual int DaysInYear(int year) const;
    virtual int DaysInThisYear() const;
    virtual int DaysInMonth(int month, int year) const;
    virtual int DaysInThisMonth() const;
    virtual ~CalendarDate() = default;

    // 1 = Monday ... 7 = Sunday.
    int Weekday() const;
    // Sets the three fields from a day number (fraction of the day ignored).
    void SetFromDayNumber(double dayNumber, CalendarRule rule);
    // Moves the date by n days within its own calendar.
    void AddDays(int n);
    bool IsEmpty() const { return year == 0; }
    // Birthday order within a year: month, then day; 0 when other has no month.
    int CompareDayOfYear(const CalendarDate& other) const;
    // Year, month, day order; 0 when either date is empty or other has no month.
    int Compare(const CalendarDate& other) const;
    // Copies the three fields; this object keeps its class.
    void Assign(const CalendarDate& other);
    // Month from the first three letters of text, any case; 0 when no month name.
    void SetMonthFromName(const CString& text);
    // Reads genealogy-style texts: "12 JAN 1950", "JAN 1950", "1950", "ABT 1950",
    // "25 12 1950", "12 25 1950". Unreadable fields stay 0.
    void SetFromText(const CString& text);
    // "month/day/year", e.g. "7/4/1776".
    CString FormatShort() const;

    // Moon quarter code (0 none, 1 NM, 2 FQ, 3 FM, 4 LQ) of a quarter beginning during this date.
    int MoonQuarterOn() const;
    // Season code (0 none, 1 winter, 2 spring, 3 summer, 4 fall) of a season beginning during this date (UT).
    int SeasonStartOn() const;

protected:
    // Sets the fields from a day number in this object's own calendar.
    virtual void SetFromOwnDayNumber(double dayNumber);
};

// Gregorian calendar for every date (proleptic).
class GregorianDate : public CalendarDate {
public:
    GregorianDate() = default;
    GregorianDate(int month, int day, int year) : CalendarDate(month, day, year) {}
    explicit GregorianDate(double dayNumber) { SetFromDayNumber(dayNumber, AlwaysGregorian); }
    // Copies the fields of any date (no conversion between calendars).
    explicit GregorianDate(const CalendarDate& other) : CalendarDate(other.month, other.day, other.year) {}
    GregorianDate(const GregorianDate&) = default;
    GregorianDate& operator=(const GregorianDate&) = default;

    double DayNumber() const override;
    int DaysInYear(int year) const override;
    int DaysInMonth(int month, int year) const override;

protected:
    void SetFromOwnDayNumber(double dayNumber) override;
};

// Julian calendar ("Old style") for every date: every fourth year is a leap year.
class JulianDate : public CalendarDate {
public:
    JulianDate() = default;
    JulianDate(int month, int day, int year) : CalendarDate(month, day, year) {}
    explicit JulianDate(double dayNumber) { SetFromDayNumber(dayNumber, AlwaysJulian); }
    explicit JulianDate(const CalendarDate& other) : CalendarDate(other.month, other.day, other.year) {}
    JulianDate(const JulianDate&) = default;
    JulianDate& operator=(const JulianDate&) = default;

    double DayNumber() const override;
    int DaysInYear(int year) const override;
    int DaysInMonth(int month, int year) const override;

protected:
    void SetFromOwnDayNumber(double dayNumber) override;
};

// True for finite day numbers whose dates fit the year field (about 1.3 billion years each way).
bool IsUsableDayNumber(double dayNumber);

// The years the program shows, prints and moves between. Day numbers, weekdays, the moon and
// the year names are exact far beyond them; the seasons are what limits them: from year -9902 to
// 11457 every year has its four season starts, each 88 to 95 days after the one before,
// and outside that the series they come from falls apart (a winter before its autumn, years
// without a spring). Rounded inwards to whole centuries.
inline constexpr int kFirstYear = -9900;
inline constexpr int kLastYear = 11400;
// A year from kFirstYear to kLastYear.
inline constexpr bool IsYearInRange(int year) { return year >= kFirstYear && year <= kLastYear; }

// True for Gregorian leap years (signed years: -4, 0, 4 are leap years).
bool IsGregorianLeapYear(int year);
bool IsJulianLeapYear(int year);
