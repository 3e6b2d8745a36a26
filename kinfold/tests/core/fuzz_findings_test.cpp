// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the fuzz targets found troublesome, kept as regression cases.
#include <gtest/gtest.h>
#include <string>
#include <climits>
#include "birthdays/GedcomReader.h"
#include "platform/Archive.h"
#include "calendar/CalendarDate.h"

TEST(FuzzFindingsGedcom, LevelWithManyDigitsInTheHeader)
{
    // The header scan once multiplied a level of twelve digits past the int range.
    const char bytes[] =
        "0 \x01""\x00""\x00""@\n"
        "1 CHAR UTF-8\n"
        "0 @I1@ INDI\n"
        "144444444444\xda""4444444444 NAME John /Smith/\n"
        "1 BIRT\n"
        "2 DA@I2INDI\n"
        "1 NAME Mary /Jones/\n"
        "1 BIRT\n"
        "2 DATE @#DJULIAN@ 5 @I1@FEB 1650\n"
        "0 @F1@ FAM\n"
        "1 HUSB @I1@\n"
        "1 WIF\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""\x8d""E @I2@ INDI\n"
        "1 NAME Ma2y /Jones/\n"
        "2 BTRLR\n"
        "";
    BirthdayList list;
    GedcomImportStats stats = ImportGedcom(std::string(bytes, sizeof bytes - 1), list);
    EXPECT_EQ(stats.individuals, 1);
}

TEST(FuzzFindingsGedcom, DeepLevelIsNotReadAsTheCharacterSetLine)
{
    // 4294967297 wraps round to 1 in 32 bits: it must not name the character set.
    auto nameUnder = [](const std::string& charLine) {
        BirthdayList list;
        ImportGedcom("0 HEAD\n" + charLine + "\n0 @I1@ INDI\n1 NAME J\xe2ose /Ng/\n1 BIRT\n2 DATE 1 JAN 1950\n", list);
        return list.GetCount() == 1 ? list[0].text : CString("?");
    };
    EXPECT_NE(nameUnder("4294967297 CHAR ANSEL"), nameUnder("1 CHAR ANSEL"));
    EXPECT_EQ(nameUnder("4294967297 CHAR ANSEL"), nameUnder("2 CHAR ANSEL"));
}

TEST(FuzzFindingsGedcom, CoupleEndsWithTheEarlierDeathWhateverTheYears)
{
    // A death year far below the int range was once subtracted from the partner's; such years
    // are refused now, and the earliest year the calendar takes still orders right.
    BirthdayList list;
    ImportGedcom("0 @I1@ INDI\n1 NAME Al /X/\n1 BIRT\n2 DATE 1 JAN 1900\n1 DEAT\n2 DATE 5 MAY -9900\n"
                 "0 @I2@ INDI\n1 NAME Bo /Y/\n1 BIRT\n2 DATE 2 FEB 1901\n1 DEAT\n2 DATE 30 JUL 1900\n"
                 "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I1@\n1 MARR\n2 DATE 3 MAR 1920\n",
                 list);
    ASSERT_EQ(list.GetCount(), 3);
    const BirthdayEntry& wife = list[0];
    ASSERT_LT(wife.endDate.year, 0);
    EXPECT_EQ(list[2].endDate.year, wife.endDate.year);
}

TEST(FuzzFindingsCalendar, CompareOrdersExtremeFields)
{
    EXPECT_LT(CalendarDate(1, 1, INT_MIN).Compare(CalendarDate(1, 1, 19)), 0);
    EXPECT_GT(CalendarDate(1, 1, INT_MAX).Compare(CalendarDate(1, 1, -1)), 0);
    EXPECT_LT(CalendarDate(INT_MIN, 1, 2000).Compare(CalendarDate(1, 1, 2000)), 0);
    EXPECT_GT(CalendarDate(1, INT_MAX, 2000).CompareDayOfYear(CalendarDate(1, -5, 2000)), 0);
    EXPECT_EQ(CalendarDate(3, 4, 5).Compare(CalendarDate(3, 4, 5)), 0);
}

TEST(FuzzFindingsKfd, EntryOfAnyYearFromAFileIsDrawnWithoutOverflow)
{
    // A ".kfd" entry with year INT_MIN, asked for on its day as a day cell does.
    std::string bytes = std::string("\x01\x00\x00\x00", 4)            // one entry
                        + std::string("\x03\x00\x00\x00\x04\x00\x00\x00\x00\x00\x00\x80", 12)  // 3/4/INT_MIN
                        + std::string("\x01X", 2) + std::string(4, '\0') + std::string("\x01\x00", 2)
                        + std::string(24, '\0');
    BirthdayList list;
    CArchive ar(bytes);
    list.Serialize(ar);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list[0].year, INT_MIN);
    int years = 0;
    EXPECT_TRUE(list[0].ShowsOn(CalendarDate(3, 4, 2026), DisplaySwitches(), years));
    EXPECT_EQ(years, INT_MAX);
    BirthdayEntry shown;
    EXPECT_EQ(list.NthShownOn(CalendarDate(3, 4, 2026), 0, DisplaySwitches(), shown), 0);

    BirthdayEntry future = list[0];
    future.year = INT_MAX;
    EXPECT_FALSE(future.ShowsOn(CalendarDate(3, 4, -5), DisplaySwitches(), years));
}

TEST(FuzzFindingsGedcom, BeforeChristYearsBeyondTheIntRangeMakeNoDate)
{
    // The sign of a B.C. year was once turned before its range was checked: -2147483648 has no
    // positive. Caught under the undefined-behaviour sanitizer.
    for (const char* text : {"1 JAN -99999999999 B.C.", "@#DJULIAN@ 1 JAN -99999999999 B.C."}) {
        CalendarDate date;
        EXPECT_FALSE(ReadGedcomDate(text, date)) << text;
        EXPECT_EQ(date.year, 0) << text;
    }
}
