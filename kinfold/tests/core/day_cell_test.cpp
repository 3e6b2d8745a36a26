// SPDX-License-Identifier: GPL-3.0-or-later
// A day cell's free area: below the day number and the corner text, and never above it.
#include "../TestEntries.h"
#include <gtest/gtest.h>
#include <vector>
#include "birthdays/BirthdayList.h"
#include "holidays/HolidayList.h"
#include "view/core/DayCell.h"

namespace {
}  // namespace

TEST(DayCellFreeArea, StartsBelowTheTallerOfDayNumberAndCornerText)
{
    const CellTopHeights h{25, 18, 12};
    EXPECT_EQ(CellFreeTop(100, CornerKind::None, h), 125);
    EXPECT_EQ(CellFreeTop(100, CornerKind::DayCount, h), 125);
    EXPECT_EQ(CellFreeTop(100, CornerKind::CivilDate, h), 125);
    const CellTopHeights bigCorner{10, 30, 22};
    EXPECT_EQ(CellFreeTop(100, CornerKind::SeasonOrMoon, bigCorner), 130);
    EXPECT_EQ(CellFreeTop(100, CornerKind::DayCount, bigCorner), 122);
    EXPECT_EQ(CellFreeTop(100, CornerKind::None, bigCorner), 110);
}

TEST(DayCellFreeArea, AFullCellStopsAtTheFirstLineThatWouldCrossIt)
{
    BirthdayList list;
    for (int i = 0; i < 12; ++i) list.AddOrMerge(Person(5, 9, 1950 + i, StrFormat("P%02d", i).c_str()));
    list.AddOrMerge(Person(5, 9, 2020, "A note of two lines", BirthdayEntry::Note));
    list.AddOrMerge(Person(5, 9, 1940, "After the note"));
    const std::vector<int> index = DayOrderIndex(list);
    HolidayList holidays;
    holidays.Add(Holiday(5, 9, "Test Day"));
    DisplayOptions o;
    o.switches.Set(DisplaySwitches::Notes);
    const GregorianDate day(5, 9, 2030);

    // Free area 100 to 200, lines of 20: the holiday and four names exactly.
    auto lines = StackCellLines(day, list, index, holidays, o, 100, 200, 20);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].kind, CellLine::HolidayLine);
    EXPECT_EQ(lines.back().top, 100);
    for (const CellLine& l : lines) EXPECT_GE(l.top, 100);

    // One unit less: the fourth name no longer fits and nothing after it is drawn.
    lines = StackCellLines(day, list, index, holidays, o, 101, 200, 20);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines.back().text, "P02 (78)");

    // A note that does not fit ends the cell even where a name would still fit.
    BirthdayList noted;
    noted.AddOrMerge(Person(5, 9, 2020, "A note of two lines", BirthdayEntry::Note));
    noted.AddOrMerge(Person(5, 9, 1990, "Name"));
    lines = StackCellLines(day, noted, DayOrderIndex(noted), HolidayList(), o, 170, 200, 20);
    EXPECT_TRUE(lines.empty());

    // The holiday keeps the bottom line even in a cell too small for it.
    lines = StackCellLines(day, list, index, holidays, o, 190, 200, 20);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "Test Day");
}

TEST(DayCellText, NamesWithoutSurnameSlashes)
{
    BirthdayEntry anne = Person(12, 10, 1472, "Anne /Mowbray/");
    EXPECT_EQ(EntryLabel(anne, 9, false, 0), "Anne Mowbray (9)");
    EXPECT_EQ(EntryTip(anne, 9), "Anne Mowbray 9 Birthday");
    EXPECT_EQ(EntryLabel(Person(1, 1, 1900, "/Smith/"), 5, true, 2), "Smith ");
    EXPECT_EQ(EntryLabel(Person(1, 1, 1900, "John+Janet /Kennedy/", BirthdayEntry::Couple), 5, true, 0),
              "John+Janet (5)");
    EXPECT_EQ(EntryTip(Person(1, 1, 0, "Richard //"), 0), "Richard Birthday");
}
