// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One holiday: a name and a rule that places it on one day of every year.
#include "platform/CString.h"

class CalendarDate;

class Holiday {
public:
    // Values of `kind`.
    enum Kind {
        FixedDate = 0,             // `month`/`day` every year ("Christmas" on 25 December)
        FixedDayOfWeek = 1,        // `weekday` of `week` in `month` (fourth Thursday of November)
        NextBusinessDayAfter = 2,  // first Monday-to-Friday after `day` of `month` ("Tax Day")
        WesternEaster = 3,         // `offset` days from Easter Sunday, Gregorian computus
        OrthodoxEaster = 4,        // `offset` days from Easter Sunday, Julian computus, on its Gregorian date
        SubstituteForward = 5,     // `month`/`day`; on a weekend also on a later weekday (HolidayList)
        SundayToSaturday = 6,      // `month`/`day`, kept the day before instead when that is a Sunday
        WeekdayOnOrAfter = 7,      // the first `weekday` on or after `month`/`day`
        WeekdayOnOrBefore = 8,     // the last `weekday` on or before `month`/`day`
        OneYearDate = 9,           // `month`/`day` of `year` only
        // As WeekdayOnOrAfter, but `month`/`day` itself when it falls on `keepWeekday` (Ireland's
        // February holiday: the first Monday, or 1 February when that is a Friday). Stored 'A'.
        WeekdayOnOrAfterUnless = 17,
        // `month`/`day`; on a Saturday also the Friday before, on a Sunday also the Monday after,
        // named "<name> (observed)" (the United States' federal rule). Stored 'B'.
        ObservedFridayMonday = 18,
        // The day of the equinox or solstice that begins season `month` (3, 6, 9 or 12) in the
        // local time `offset` hours from UT (Japan's equinox days: +9). Stored 'C'.
        SeasonDay = 19,
        // For the whole list: a holiday on a Sunday gives, under this record's name, the next day
        // that is no holiday's own day (Japan). Stored 'D'.
        SundayToNextFree = 20,
        // For the whole list: a day that is no holiday but lies between two, unless it falls on
        // `weekday` (0: any day), is a holiday under this record's name (Japan). Stored 'E'.
        BetweenHolidays = 21,
        // Cancels, in `year` only, the holidays of this name that fall on `month`/`day`: the day
        // a law or proclamation moved for that year (a one-year date gives the new one). Stored 'F'.
        NotInYear = 22,
    };
    // The stored form's first character of a rule kept only from `firstYear` to `lastYear`.
    static constexpr char kYearsMark = 'Y';
    static constexpr int kMaxEasterOffset = 99;

    // A new, unnamed holiday: a fixed date on 1 January, so that the editor opens on a valid rule.
    Holiday();
    // Fixed date.
    Holiday(int month, int day, const CString& name);
    // Weekday rule: week 1..5 = first..fifth, 6 = last occurrence of `third` (1 = Monday ..
    // 7 = Sunday) in `month`. Week 0 makes a next-business-day-after rule whose day is `third`.
    Holiday(int month, int week, int third, const CString& name);

    // Days from Easter; `orthodox` picks the Julian computus.
    static Holiday FromEaster(bool orthodox, int offset, const CString& name);
    // Kinds that take a date and a weekday (5 to 8 and 'A'; the weekday is used by 7, 8 and 'A').
    static Holiday DateRule(int kind, int month, int day, int weekday, const CString& name);
    static Holiday InOneYear(int year, int month, int day, const CString& name);
    static Holiday OnOrAfterUnless(int month, int day, int weekday, int keepWeekday, const CString& name);
    static Holiday Observed(int month, int day, const CString& name);
    static Holiday Season(int month, int utcOffsetHours, const CString& name);
    static Holiday Cancelled(int year, int month, int day, const CString& name);
    // The same rule kept only from `first` to `last` (0: no bound).
    Holiday InYears(int first, int last) const;
    // Whether the rule is kept in `year` at all.
    bool KeptIn(int y) const { return (firstYear == 0 || y >= firstYear) && (lastYear == 0 || y <= lastYear); }
    // Kinds that place no day of their own but act on the rest of the list (D, E, F).
    bool ActsOnList() const { return kind == SundayToNextFree || kind == BetweenHolidays || kind == NotInYear; }
    // The name as the list dialog shows it: with the years it is kept in ("Canada Day (from
    // 2021)", "(until 1990)", "(1971-1977)"), a one-year date with its date ("Matariki
    // (2022-06-24)") and NotInYear with the day it cancels ("Early May (not on 2020-05-04)").
    CString Label() const;
    // What a substitute or observed day adds to the holiday's name ("" for kinds without one).
    CString SubstituteSuffix() const;
    // Whether the kind has a month, a day and a weekday to find near that day (7, 8, 'A').
    bool NearWeekday() const {
        return kind == WeekdayOnOrAfter || kind == WeekdayOnOrBefore || kind == WeekdayOnOrAfterUnless;
    }

    // Whether the holiday's own rule places it on the date; the date's own calendar class gives
    // its weekday and month lengths. Substitute days need the whole list: HolidayList::HolidayOn.
    bool FallsOn(const CalendarDate& date) const;
    // The same test on the parts of a date, for kinds 0 to 2 (others give false): day of month
    // from 1, month 1..12, weekday 1 = Monday .. 7 = Sunday, and the number of days in that month.
    bool FallsOn(int dateMonth, int dateDay, int dateWeekday, int daysInMonth) const;
    // Whether the rule needs the year, not just the month and day (kinds 3 to 9 and 'A').
    bool NeedsYear() const { return kind >= WesternEaster || firstYear != 0 || lastYear != 0; }

    // The one-line stored form: the kind digit, two month digits, then two day digits (kinds 0
    // and 2) or one week and one weekday digit (kind 1), then the name, e.g. "01225Christmas",
    // "11144Thanksgiving", "20414Tax Day". A number that does not fit its digits is written as a
    // value that matches no date just like it, so the name never shifts.
    CString ToText() const;
    // Reads a stored form. False for an empty text or an unknown kind digit (the record is to be
    // skipped). Digits are not validated: each position gives its character code minus '0', a
    // missing position that of a NUL, and kind 1 with week 0 comes back as kind 2 with day =
    // the weekday digit.
    // Kinds 3 to 9 and 'A' need a digit in every digit position (and '+' or '-' before an offset), else
    // false too, so every text they accept is written back unchanged:
    //   "3-02Good Friday", "4+01Easter Monday"   sign and two digits of offset
    //   "51225Christmas Day", "60427King's Day"   month, day
    //   "706206Midsummer Day", "805241Victoria Day"   month, day, weekday digit
    //   "920220624Matariki"   four digits of year, month, day
    //   "A020115St Brigid's Day"   month, day, weekday digit, weekday digit kept on
    //   "B0704Independence Day"   month, day
    //   "C03+09春分の日"   month, sign and two digits of hours from UT
    //   "D休日"   name only
    //   "E0休日"   the weekday digit excluded (0 none)
    //   "F20200504Early May bank holiday"   four digits of year, month, day
    // and any of them after "Y", four digits of first year and four of last (0000 for no bound):
    //   "Y2021000000930National Day for Truth and Reconciliation"
    // An out-of-range number is written as one that matches nothing (month 00, weekday 9, year 0000), an
    // offset beyond 99 days as 99.
    static bool FromText(const CString& text, Holiday& out);

    bool operator==(const Holiday& other) const = default;

    int month = 1;    // 1..12; anything else matches nothing
    int day = 1;      // day of month for kinds 0, 2 and 5 to 9, else 0
    int kind = FixedDate;
    int weekday = 0;  // 1 = Monday .. 7 = Sunday for kinds 1, 7 and 8, else 0
    int week = 0;     // 1..6 for kind 1, else 0
    CString name;
    int offset = 0;   // days from Easter, -99..99, for kinds 3 and 4; hours from UT for SeasonDay
    int year = 0;     // the one year of kinds 9 and NotInYear
    int keepWeekday = 0;  // for WeekdayOnOrAfterUnless, 1 = Monday .. 7 = Sunday
    int firstYear = 0;    // first year kept, 0 for always
    int lastYear = 0;     // last year kept, 0 for always
};

// Easter Sunday of a year as a Gregorian month and day: Western by the Gregorian computus,
// Orthodox by the Julian one (its Julian date carried over to the Gregorian calendar; false when
// that leaves the year, which happens only tens of thousands of years away).
void WesternEasterDate(int year, int& month, int& day);
bool OrthodoxEasterDate(int year, int& month, int& day);
