// SPDX-License-Identifier: GPL-3.0-or-later
// Civil calendar dates: day numbers, their inverse, weekdays, month lengths and date texts.
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/CalendarDate.h"

namespace {

// Independent integer day numbers (valid for years after -4800), as Julian days at 0 h.
long long FloorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

double IntegerJulianCalendarJd(int y, int m, int d)
{
    long long a = (14 - m) / 12;
    long long yy = y + 4800 - a;
    long long mm = m + 12 * a - 3;
    long long jdn = d + FloorDiv(153 * mm + 2, 5) + 365 * yy + FloorDiv(yy, 4) - 32083;
    return jdn - 0.5;
}

double IntegerGregorianJd(int y, int m, int d)
{
    long long a = (14 - m) / 12;
    long long yy = y + 4800 - a;
    long long mm = m + 12 * a - 3;
    long long jdn = d + FloorDiv(153 * mm + 2, 5) + 365 * yy + FloorDiv(yy, 4) - FloorDiv(yy, 100) +
                    FloorDiv(yy, 400) - 32045;
    return jdn - 0.5;
}

struct Ymd {
    int year, month, day;
};

Ymd Fields(const CalendarDate& d)
{
    return {d.year, d.month, d.day};
}

bool operator==(const Ymd& a, const Ymd& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::ostream& operator<<(std::ostream& os, const Ymd& d)
{
    return os << d.year << "-" << d.month << "-" << d.day;
}

Ymd FromDayNumber(double j, CalendarRule rule)
{
    CalendarDate d;
    d.SetFromDayNumber(j, rule);
    return Fields(d);
}

Ymd FromText(const char* text)
{
    CalendarDate d(5, 5, 5);
    d.SetFromText(text);
    return Fields(d);
}

} // namespace

TEST(DayNumber, ReformAndKnownDays)
{
    EXPECT_EQ(CalendarDate(10, 4, 1582).DayNumber(), 2299159.5);
    EXPECT_EQ(CalendarDate(10, 5, 1582).DayNumber(), 2299150.5);
    EXPECT_EQ(CalendarDate(10, 15, 1582).DayNumber(), 2299160.5);
    EXPECT_EQ(GregorianDate(1, 1, 2000).DayNumber(), 2451544.5);
    EXPECT_EQ(JulianDate(1, 1, 2000).DayNumber(), 2451557.5);
    EXPECT_EQ(CalendarDate(1, 1, 2000).DayNumber(), 2451544.5);
    EXPECT_EQ(JulianDate(1, 1, -4712).DayNumber(), -0.5);
    // Negative centuries: truncating division would put this on 2 March.
    EXPECT_EQ(FromDayNumber(GregorianDate(3, 1, -100).DayNumber(), AlwaysGregorian), (Ymd{-100, 3, 1}));
}

TEST(DayNumber, FirstOfEveryMonthMatchesIntegerFormula)
{
    for (int y = -4712; y <= 4000; ++y) {
        for (int m = 1; m <= 12; ++m) {
            double greg = IntegerGregorianJd(y, m, 1);
            double jul = IntegerJulianCalendarJd(y, m, 1);
            ASSERT_EQ(GregorianDate(m, 1, y).DayNumber(), greg) << y << "-" << m;
            ASSERT_EQ(JulianDate(m, 1, y).DayNumber(), jul) << y << "-" << m;
            bool gregorian = y > 1582 || (y == 1582 && m > 10);
            ASSERT_EQ(CalendarDate(m, 1, y).DayNumber(), gregorian ? greg : jul) << y << "-" << m;
        }
    }
}

TEST(DayNumber, SetFromDayNumberIsExactInverseUnderEveryRule)
{
    // Every day of the years the program shows, each a date that exists.
    const double first = JulianDate(1, 1, kFirstYear).DayNumber();
    const double last = GregorianDate(12, 31, kLastYear).DayNumber();
    for (double j = first; j <= last; j += 1) {
        GregorianDate g;
        g.SetFromDayNumber(j, AlwaysGregorian);
        ASSERT_EQ(g.DayNumber(), j) << Fields(g);
        ASSERT_LE(g.day, g.DaysInThisMonth()) << Fields(g);
        JulianDate ju;
        ju.SetFromDayNumber(j, AlwaysJulian);
        ASSERT_EQ(ju.DayNumber(), j) << Fields(ju);
        ASSERT_LE(ju.day, ju.DaysInThisMonth()) << Fields(ju);
        CalendarDate c;
        c.SetFromDayNumber(j, ReformAware);
        ASSERT_EQ(c.DayNumber(), j) << Fields(c);
        ASSERT_GE(c.day, 1);
        ASSERT_LE(c.day, c.DaysInThisMonth() + (c.year < 1582 && c.month == 2 ? 1 : 0));
    }
    // The fraction of a day does not move the date.
    EXPECT_EQ(FromDayNumber(2451544.5 + 0.999, AlwaysGregorian), (Ymd{2000, 1, 1}));
    EXPECT_EQ(FromDayNumber(2451544.0, AlwaysGregorian), (Ymd{1999, 12, 31}));
}

TEST(DayNumber, RulesAroundTheReform)
{
    EXPECT_EQ(FromDayNumber(2451544.5, ReformAware), (Ymd{2000, 1, 1}));
    EXPECT_EQ(FromDayNumber(2299160.5, ReformAware), (Ymd{1582, 10, 15}));
    EXPECT_EQ(FromDayNumber(2299159.5, ReformAware), (Ymd{1582, 10, 4}));
    EXPECT_EQ(FromDayNumber(2451544.5, AlwaysJulian), (Ymd{1999, 12, 19}));
    EXPECT_EQ(FromDayNumber(2299159.5, AlwaysGregorian), (Ymd{1582, 10, 14}));
    EXPECT_EQ(Fields(GregorianDate(2451544.5)), (Ymd{2000, 1, 1}));
    EXPECT_EQ(Fields(JulianDate(2451544.5)), (Ymd{1999, 12, 19}));
    // Day numbers no year can hold give an empty date.
    EXPECT_TRUE(GregorianDate(1e300).IsEmpty());
    EXPECT_TRUE(JulianDate(std::nan("")).IsEmpty());
    EXPECT_TRUE(GregorianDate(-HUGE_VAL).IsEmpty());
}

TEST(Weekday, KnownDaysAndUnbrokenCycle)
{
    EXPECT_EQ(GregorianDate(1, 1, 2000).Weekday(), 6);
    EXPECT_EQ(GregorianDate(7, 4, 1776).Weekday(), 4);
    EXPECT_EQ(CalendarDate(10, 4, 1582).Weekday(), 4);
    EXPECT_EQ(CalendarDate(10, 15, 1582).Weekday(), 5);
    EXPECT_EQ(JulianDate(12, 19, 1999).Weekday(), 6);
    EXPECT_EQ(GregorianDate(12, 8, 2026).Weekday(), 2);
    // The week runs on unbroken, also across the start of the day count in 4713 BC.
    GregorianDate d(1, 1, -6000);
    int previous = d.Weekday();
    for (int i = 0; i < 2000 * 366; ++i) {
        d.AddDays(1);
        int w = d.Weekday();
        ASSERT_EQ(w, previous % 7 + 1) << Fields(d);
        previous = w;
    }
}

TEST(MonthLengths, LeapRulesPerClass)
{
    EXPECT_EQ(GregorianDate().DaysInYear(1900), 365);
    EXPECT_EQ(GregorianDate().DaysInMonth(2, 1900), 28);
    EXPECT_EQ(JulianDate().DaysInYear(1900), 366);
    EXPECT_EQ(JulianDate().DaysInMonth(2, 1900), 29);
    for (const int y : {2000, 1600, -400, 0, -4}) {
        EXPECT_EQ(GregorianDate().DaysInMonth(2, y), 29) << y;
        EXPECT_EQ(JulianDate().DaysInMonth(2, y), 29) << y;
    }
    for (const int y : {1500, 1700, 2100, -100, -300})
        EXPECT_EQ(GregorianDate().DaysInMonth(2, y), 28) << y;
    EXPECT_EQ(JulianDate().DaysInMonth(2, -100), 29);
    EXPECT_EQ(CalendarDate().DaysInYear(1500), 365);
    EXPECT_EQ(CalendarDate().DaysInMonth(2, 1500), 28);
    EXPECT_EQ(GregorianDate().DaysInMonth(4, 2001), 30);
    EXPECT_EQ(GregorianDate().DaysInMonth(13, 2001), 31);
    EXPECT_EQ(GregorianDate().DaysInMonth(0, 2001), 31);

    // The own-year and own-month forms reach the actual class through a base reference.
    JulianDate feb1900(2, 10, 1900);
    const CalendarDate& base = feb1900;
    EXPECT_EQ(base.DaysInThisMonth(), 29);
    EXPECT_EQ(base.DaysInThisYear(), 366);

    // Month lengths agree with the day count of each calendar.
    for (int y = -1000; y <= 3000; ++y) {
        GregorianDate g(1, 1, y);
        JulianDate j(1, 1, y);
        ASSERT_EQ(GregorianDate(1, 1, y + 1).DayNumber() - g.DayNumber(), g.DaysInThisYear()) << y;
        ASSERT_EQ(JulianDate(1, 1, y + 1).DayNumber() - j.DayNumber(), j.DaysInThisYear()) << y;
        for (int m = 1; m <= 12; ++m) {
            double next = m == 12 ? GregorianDate(1, 1, y + 1).DayNumber() : GregorianDate(m + 1, 1, y).DayNumber();
            ASSERT_EQ(next - GregorianDate(m, 1, y).DayNumber(), g.DaysInMonth(m, y)) << y << "-" << m;
        }
    }
}

TEST(AddDays, StaysInTheDatesOwnCalendar)
{
    GregorianDate d(12, 31, 1999);
    d.AddDays(1);
    EXPECT_EQ(Fields(d), (Ymd{2000, 1, 1}));
    GregorianDate march(3, 1, 2000);
    march.AddDays(-1);
    EXPECT_EQ(Fields(march), (Ymd{2000, 2, 29}));
    GregorianDate far(1, 1, 2000);
    far.AddDays(-36524);
    EXPECT_EQ(Fields(far), (Ymd{1900, 1, 1}));

    JulianDate jul(2, 28, 1900);
    jul.AddDays(1);
    EXPECT_EQ(Fields(jul), (Ymd{1900, 2, 29}));

    CalendarDate reform(10, 4, 1582);
    reform.AddDays(1);
    EXPECT_EQ(Fields(reform), (Ymd{1582, 10, 15}));
    CalendarDate early(2, 28, 1500);
    early.AddDays(1);
    EXPECT_EQ(Fields(early), (Ymd{1500, 2, 29}));
}

TEST(Compare, OrderAndEmptyDates)
{
    CalendarDate empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.year, 0);
    EXPECT_EQ(empty.month, 0);
    EXPECT_EQ(empty.day, 0);
    EXPECT_FALSE(CalendarDate(1, 1, 1).IsEmpty());

    CalendarDate a(5, 3, 1950), b(5, 3, 2001), c(6, 1, 1950), d(5, 20, 1950);
    EXPECT_EQ(a.Compare(empty), 0);
    EXPECT_EQ(empty.Compare(a), 0);
    EXPECT_EQ(a.Compare(CalendarDate(0, 0, 1950)), 0);
    EXPECT_LT(a.Compare(b), 0);
    EXPECT_GT(b.Compare(a), 0);
    EXPECT_LT(a.Compare(c), 0);
    EXPECT_LT(a.Compare(d), 0);
    EXPECT_EQ(a.Compare(CalendarDate(5, 3, 1950)), 0);

    EXPECT_EQ(a.CompareDayOfYear(b), 0);
    EXPECT_LT(c.CompareDayOfYear(CalendarDate(7, 1, 1800)), 0);
    EXPECT_GT(d.CompareDayOfYear(b), 0);
    EXPECT_EQ(a.CompareDayOfYear(empty), 0);
}

TEST(Assign, CopiesFieldsAndKeepsClass)
{
    JulianDate j(1, 1, 2000);
    j.Assign(GregorianDate(3, 4, 1999));
    EXPECT_EQ(Fields(j), (Ymd{1999, 3, 4}));
    EXPECT_EQ(j.DayNumber(), JulianDate(3, 4, 1999).DayNumber());
    GregorianDate copy(j);
    EXPECT_EQ(copy.DayNumber(), GregorianDate(3, 4, 1999).DayNumber());
}

TEST(DateText, MonthNames)
{
    CalendarDate d(0, 9, 1999);
    d.SetMonthFromName("december");
    EXPECT_EQ(d.month, 12);
    d.SetMonthFromName("DECEMBER");
    EXPECT_EQ(d.month, 12);
    d.SetMonthFromName("Sept");
    EXPECT_EQ(d.month, 9);
    EXPECT_EQ(d.year, 1999);
    EXPECT_EQ(d.day, 9);
    d.SetMonthFromName("Ja");
    EXPECT_EQ(d.month, 0);
    d.SetMonthFromName("ABT");
    EXPECT_EQ(d.month, 0);
    EXPECT_STREQ(MonthName(1), "Jan");
    EXPECT_STREQ(MonthName(12), "Dec");
    EXPECT_STREQ(MonthName(13), "");
}

TEST(DateText, GenealogyForms)
{
    EXPECT_EQ(FromText("12 JAN 1950"), (Ymd{1950, 1, 12}));
    EXPECT_EQ(FromText("JAN 1950"), (Ymd{1950, 1, 0}));
    EXPECT_EQ(FromText("1950"), (Ymd{1950, 0, 0}));
    EXPECT_EQ(FromText("ABT 1950"), (Ymd{1950, 0, 0}));
    EXPECT_EQ(FromText("25 12 1950"), (Ymd{1950, 12, 25}));
    EXPECT_EQ(FromText("12 25 1950"), (Ymd{1950, 12, 25}));
    EXPECT_EQ(FromText("  3   feb  1901  "), (Ymd{1901, 2, 3}));
    EXPECT_EQ(FromText("\t7 Jul 1776\r"), (Ymd{1776, 7, 7}));
    EXPECT_EQ(FromText("31 deCEMber 1999"), (Ymd{1999, 12, 31}));
    EXPECT_EQ(FromText("1 Januaryyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy 2001"), (Ymd{2001, 1, 1}));
    EXPECT_EQ(FromText("-44"), (Ymd{-44, 0, 0}));
    EXPECT_EQ(FromText("40 12 1950"), (Ymd{40, 0, 0}));
    EXPECT_EQ(FromText("13 14 1950"), (Ymd{1950, 0, 13}));
    EXPECT_EQ(FromText("12 ABT 1950"), (Ymd{1950, 0, 12}));
    EXPECT_EQ(FromText(""), (Ymd{0, 0, 0}));
    EXPECT_EQ(FromText("unknown"), (Ymd{0, 0, 0}));
    EXPECT_EQ(FromText("99999999999999999999"), (Ymd{2147483647, 0, 0}));
}

TEST(DateText, FormatShort)
{
    EXPECT_EQ(CalendarDate(7, 4, 1776).FormatShort(), "7/4/1776");
    EXPECT_EQ(GregorianDate(12, 25, -44).FormatShort(), "12/25/-44");
    EXPECT_EQ(CalendarDate().FormatShort(), "0/0/0");
}
