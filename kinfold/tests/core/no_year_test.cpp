// SPDX-License-Identifier: GPL-3.0-or-later
// Birthdays stored without a year (year 0) are drawn on their day every year, with no age.
#include "../TestEntries.h"
#include <gtest/gtest.h>
#include "birthdays/GedcomReader.h"
#include "view/core/DayCell.h"

namespace {

std::vector<CString> Labels(const BirthdayList& list, const CalendarDate& day, const DisplayOptions& o)
{
    std::vector<CString> out;
    HolidayList none;
    for (const CellLine& l : StackCellLines(day, list, DayOrderIndex(list), none, o, -10000, 1000, 20))
        out.push_back(l.text);
    return out;
}

} // namespace

TEST(NoYear, ShownEveryYearWithoutAge)
{
    BirthdayList list;
    list.AddOrMerge(Person(1, 12, 0, "Ann Smith"));
    list.AddOrMerge(Person(1, 12, 1950, "Bob Jones"));
    DisplayOptions o;
    o.bShortNames = false;
    for (int mode : {0, 1, 2}) {
        o.nAgeMode = mode;
        for (int year : {1, 1899, 2024, 2025}) {
            std::vector<CString> labels = Labels(list, GregorianDate(1, 12, year), o);
            ASSERT_FALSE(labels.empty()) << year;
            EXPECT_EQ(labels[0], "Ann Smith ") << year << " mode " << mode;
        }
    }
    o.nAgeMode = 0;
    EXPECT_EQ(Labels(list, GregorianDate(1, 12, 2024), o), (std::vector<CString>{"Ann Smith ", "Bob Jones (74)"}));
    EXPECT_TRUE(Labels(list, GregorianDate(1, 13, 2024), o).empty());

    // Nor in the hover tip.
    int years = 0;
    ASSERT_TRUE(list[0].ShowsOn(GregorianDate(1, 12, 2024), DisplaySwitches(), years));
    EXPECT_EQ(EntryTip(list[0], years), "Ann Smith Birthday");
    BirthdayEntry couple = Person(6, 5, 0, "Joe+Mary Smith");
    couple.kind = BirthdayEntry::Couple;
    EXPECT_EQ(EntryTip(couple, 2024), "Joe+Mary Smith Anniversary");
    EXPECT_EQ(EntryLabel(couple, 2024, true, 0), "Joe+Mary ");
}

TEST(NoYear, GedcomDayWithoutYearToo)
{
    BirthdayList list;
    ImportGedcom("0 HEAD\n0 @I1@ INDI\n1 NAME Ada /Byron/\n1 BIRT\n2 DATE 3 NOV\n0 TRLR\n", list);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list[0].year, 0);
    DisplayOptions o;
    EXPECT_EQ(Labels(list, GregorianDate(11, 3, 2026), o), (std::vector<CString>{"Ada "}));
}
