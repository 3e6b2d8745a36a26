// SPDX-License-Identifier: GPL-3.0-or-later
// Dates that cannot be, in the calendar each date is in, and the entries a print leaves out.
#include "../TestEntries.h"
#include <gtest/gtest.h>
#include "birthdays/DateCheck.h"

TEST(DateCheck, MonthLengthsFollowTheCalendarOfTheDate)
{
    // Julian up to the reform: 1500 is a leap year there, 1900 is not one in the Gregorian.
    EXPECT_EQ(CivilDaysInMonth(2, 1500), 29);
    EXPECT_EQ(CivilDaysInMonth(2, 1582), 28);
    EXPECT_EQ(CivilDaysInMonth(2, 1600), 29);
    EXPECT_EQ(CivilDaysInMonth(2, 1700), 28);
    EXPECT_EQ(CivilDaysInMonth(2, 1900), 28);
    EXPECT_EQ(CivilDaysInMonth(2, 2000), 29);
    EXPECT_EQ(CivilDaysInMonth(2, 2023), 28);
    EXPECT_EQ(CivilDaysInMonth(2, -4), 29);
    // No year: a birthday on 29 February may be kept.
    EXPECT_EQ(CivilDaysInMonth(2, 0), 29);
    EXPECT_EQ(CivilDaysInMonth(4, 2000), 30);
    EXPECT_EQ(CivilDaysInMonth(12, 2000), 31);
    EXPECT_EQ(CivilDaysInMonth(13, 2000), 0);
    EXPECT_EQ(CivilDaysInMonth(0, 2000), 0);
}

TEST(DateCheck, WholeAndPartialDatesNameTheWrongField)
{
    EXPECT_EQ(CheckDate(2, 29, 1900), DateField::Day);
    EXPECT_EQ(CheckDate(2, 29, 0), DateField::None);
    EXPECT_EQ(CheckDate(4, 31, 2000), DateField::Day);
    EXPECT_EQ(CheckDate(4, 0, 2000), DateField::Day);
    EXPECT_EQ(CheckDate(13, 1, 2000), DateField::Month);
    EXPECT_EQ(CheckDate(0, 0, 2000), DateField::Month);
    EXPECT_EQ(CheckDate(-1, 5, 2000), DateField::Month);
    // Nothing, a year alone or a month and a year are dates a death or marriage may have.
    EXPECT_EQ(CheckPartialDate(0, 0, 0), DateField::None);
    EXPECT_EQ(CheckPartialDate(0, 0, 1511), DateField::None);
    EXPECT_EQ(CheckPartialDate(6, 0, 1562), DateField::None);
    EXPECT_EQ(CheckPartialDate(0, 12, 1562), DateField::Month);
    EXPECT_EQ(CheckPartialDate(13, 0, 1562), DateField::Month);
    EXPECT_EQ(CheckPartialDate(2, 30, 2000), DateField::Day);
}

TEST(DateCheck, EntriesThatCannotBeAndThoseAPrintLeavesOut)
{
    BirthdayList list;
    list.AddOrMerge(Person(2, 29, 1900, "Leap in a common year"));   // impossible, still drawn on the 28th
    list.AddOrMerge(Person(4, 31, 1990, "April 31"));
    list.AddOrMerge(Person(13, 1, 1990, "Month 13", BirthdayEntry::Couple));
    list.AddOrMerge(Person(0, 12, 2020, "No month", BirthdayEntry::Note));
    list.AddOrMerge(Person(5, 5, 1980, "Fine"));
    BirthdayEntry badDeath = Person(5, 6, 1980, "Dead on 30 February");
    badDeath.endDate = CalendarDate(2, 30, 2010);
    list.AddOrMerge(badDeath);

    std::vector<bool> impossible, onNoDay;
    for (const BirthdayEntry& e : list.Entries()) {
        impossible.push_back(HasImpossibleDate(e));
        onNoDay.push_back(IsOnNoDay(e));
    }
    EXPECT_EQ(impossible, (std::vector<bool>{true, true, true, true, false, true}));
    EXPECT_EQ(onNoDay, (std::vector<bool>{false, true, true, true, false, false}));
    // Couples and notes count only when they would be drawn.
    EXPECT_EQ(CountOnNoDay(list, DisplaySwitches()), 1);
    DisplaySwitches all;
    all.Set(DisplaySwitches::Anniversaries);
    all.Set(DisplaySwitches::Notes);
    EXPECT_EQ(CountOnNoDay(list, all), 3);
    EXPECT_EQ(LeftOutText(0), "");
    EXPECT_EQ(LeftOutText(1), "1 entry left out, as its date cannot be (mend it with Edit > List)");
}
