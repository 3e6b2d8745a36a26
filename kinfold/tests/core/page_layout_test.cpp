// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <climits>
#include "calendar/CalendarDate.h"
#include "view/core/PageLayout.h"

TEST(StartCell, DayOneBesideTheTitleOrInRowOne)
{
    // Week from Sunday: a Friday 1st sits in row 0 column 5, a Monday 1st in row 1 column 1.
    EXPECT_EQ(StartCell(5, false), 5);
    EXPECT_EQ(StartCell(6, false), 6);
    EXPECT_EQ(StartCell(7, false), 7);
    EXPECT_EQ(StartCell(1, false), 8);
    EXPECT_EQ(StartCell(4, false), 11);
    // Week from Monday: Saturday and Sunday take the title row, Monday starts row 1.
    EXPECT_EQ(StartCell(6, true), 5);
    EXPECT_EQ(StartCell(7, true), 6);
    EXPECT_EQ(StartCell(1, true), 7);
    EXPECT_EQ(StartCell(5, true), 11);
    // The last day of a 31-day month always fits in six rows.
    for (int wd = 1; wd <= 7; ++wd)
        for (bool monday : {false, true}) EXPECT_LE(StartCell(wd, monday) + 30, 41);
}

TEST(LayoutBlocks, GridsForEveryOrientation)
{
    BlockGrid one = LayoutBlocks(1, 1000, 700, 100, false);
    EXPECT_EQ(one.columns, 1);
    EXPECT_EQ(one.rows, 1);
    EXPECT_EQ(one.blockWidth, 1000);
    EXPECT_EQ(one.blockHeight, 700);
    EXPECT_EQ(one.fontPercent, -1);

    BlockGrid sixWide = LayoutBlocks(6, 1000, 700, 100, false);
    EXPECT_EQ(sixWide.columns, 3);
    EXPECT_EQ(sixWide.rows, 2);
    EXPECT_EQ(sixWide.blockWidth, 333);
    EXPECT_EQ(sixWide.blockHeight, 350);
    EXPECT_EQ(sixWide.fontPercent, 33);

    BlockGrid sixTall = LayoutBlocks(6, 700, 1000, 100, false);
    EXPECT_EQ(sixTall.columns, 2);
    EXPECT_EQ(sixTall.rows, 3);
    EXPECT_EQ(sixTall.fontPercent, 50);

    // A square page counts as landscape in both cases.
    EXPECT_EQ(LayoutBlocks(6, 800, 800, 100, false).columns, 3);
    EXPECT_EQ(LayoutBlocks(12, 800, 800, 100, false).columns, 4);

    BlockGrid twelveWide = LayoutBlocks(12, 1200, 900, 100, false);
    EXPECT_EQ(twelveWide.columns, 4);
    EXPECT_EQ(twelveWide.rows, 3);
    EXPECT_EQ(twelveWide.blockWidth, 300);
    EXPECT_EQ(twelveWide.blockHeight, 300);
    EXPECT_EQ(twelveWide.fontPercent, 25);

    BlockGrid twelveTall = LayoutBlocks(12, 900, 1200, 100, false);
    EXPECT_EQ(twelveTall.columns, 3);
    EXPECT_EQ(twelveTall.rows, 4);
    EXPECT_EQ(twelveTall.fontPercent, 33);

    // Printed pages scale the fonts by the print scale with their own divisors.
    EXPECT_EQ(LayoutBlocks(6, 1000, 700, 300, true).fontPercent, 50);
    EXPECT_EQ(LayoutBlocks(6, 700, 1000, 300, true).fontPercent, 75);
    EXPECT_EQ(LayoutBlocks(12, 1200, 900, 300, true).fontPercent, 25);
    EXPECT_EQ(LayoutBlocks(12, 900, 1200, 300, true).fontPercent, 33);
}

TEST(MonthGeometry, CellsInsideTheGrid)
{
    MonthGeometry g = MonthBlockGeometry(5, 5, 1024, 768, 5, 5, 30, 3);
    EXPECT_EQ(g.columnWidth, (1024 - 5) / 7);
    EXPECT_EQ(g.rowHeight, (768 - 5 - 30) / 6);
    CellBox first = CellBoxOf(g, 0);
    EXPECT_EQ(first.left, 5 + 1);
    EXPECT_EQ(first.top, 5 + 30 + 1);
    CellBox last = CellBoxOf(g, 41);
    EXPECT_EQ(last.right, 5 + 7 * g.columnWidth - 1);
    EXPECT_EQ(last.bottom, 5 + 30 + 6 * g.rowHeight - 1);
    EXPECT_LE(last.bottom, 5 + 768);
    EXPECT_EQ(DayNameRowHeight(20, 3), 22 + 6);
}

TEST(MonthStepping, SkipsYearZero)
{
    int m = 12, y = -1;
    NextMonthOf(m, y, 12);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(y, 1);
    PrevMonthOf(m, y, [](int) { return 12; });
    EXPECT_EQ(m, 12);
    EXPECT_EQ(y, -1);
    EXPECT_EQ(StepYear(1, -1), -1);
    EXPECT_EQ(StepYear(-1, 1), 1);
    EXPECT_EQ(StepYear(2000, 1), 2001);
    EXPECT_EQ(StepYear(INT_MAX, 1), INT_MAX);
    EXPECT_EQ(StepYear(INT_MIN, -1), INT_MIN);

    // A moon year of 13 months steps to its thirteenth month backwards.
    m = 1; y = 2001;
    PrevMonthOf(m, y, [](int year) { return year == 2000 ? 13 : 12; });
    EXPECT_EQ(m, 13);
    EXPECT_EQ(y, 2000);
    NextMonthOf(m, y, 13);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(y, 2001);
}

TEST(MonthStepping, PrintedPagesFromNovember)
{
    // Twelve pages of one month from November: Nov, Dec, then Jan .. Oct of the next year.
    int expected[12][2] = {{11, 2020}, {12, 2020}, {1, 2021}, {2, 2021}, {3, 2021},  {4, 2021},
                           {5, 2021},  {6, 2021},  {7, 2021}, {8, 2021}, {9, 2021}, {10, 2021}};
    for (int page = 0; page < 12; ++page) {
        int m = 11, y = 2020;
        PrintedPageMonth(m, y, page, 1);
        EXPECT_EQ(m, expected[page][0]) << page;
        EXPECT_EQ(y, expected[page][1]) << page;
    }
    int m = 7, y = -1;
    PrintedPageMonth(m, y, 1, 6);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(y, 1);
}

TEST(Printing, PaperAreaAndScale)
{
    EXPECT_EQ(PaperSizeOf(1).width, 2159);
    EXPECT_EQ(PaperSizeOf(4).width, 4318);
    EXPECT_EQ(PaperSizeOf(8).length, 4200);
    EXPECT_EQ(PaperSizeOf(9).width, 2100);
    EXPECT_EQ(PaperSizeOf(35).width, 1760);
    EXPECT_EQ(PaperSizeOf(35).length, 1250);
    EXPECT_EQ(PaperSizeOf(0).width, 2159);
    EXPECT_EQ(PaperSizeOf(42).length, 2794);
    EXPECT_EQ(PaperCodeByName("a4"), 9);
    EXPECT_EQ(PaperCodeByName("Letter"), 1);
    EXPECT_EQ(PaperCodeByName("nonsense"), 0);

    int x, y;
    PrintResolution(0, 0, x, y);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 300);
    PrintResolution(-3, 0, x, y);
    EXPECT_EQ(x, 360);
    EXPECT_EQ(y, 180);
    PrintResolution(600, 1200, x, y);
    EXPECT_EQ(x, 600);
    EXPECT_EQ(y, 1200);

    // Letter at 300 dpi: 8.5 x 11 inches less the unprintable edges.
    int w, h;
    PrintableArea(false, PaperSizeOf(1), 300, 300, w, h);
    EXPECT_EQ(h, (int)((2159 * 0.003937 - 0.5) * 300));
    EXPECT_EQ(w, (int)((2794 * 0.003937 - 0.8) * 300));
    EXPECT_GT(w, h);
    PrintableArea(true, PaperSizeOf(9), 300, 300, w, h);
    EXPECT_EQ(w, (int)((2100 * 0.003937 - 0.5) * 300));
    EXPECT_EQ(h, (int)((2970 * 0.003937 - 0.7) * 300));

    EXPECT_EQ(PrintScaleFor(3000, 2400, 1024, 768), 292);
    EXPECT_EQ(PrintScaleFor(3000, 1500, 1024, 768), 195);
    EXPECT_GT(PrintScaleFor(3000, 1500, 0, 0), 0);

    EXPECT_EQ(PrintLineWidth(100), 3);
    EXPECT_EQ(PrintLineWidth(20), 1);
    EXPECT_EQ(PrintLineWidth(300), 5);

    // A portrait page with one month keeps a band of at most three quarters of its width.
    EXPECT_EQ(PrintedPageHeight(2400, 3100, 1), 1800);
    EXPECT_EQ(PrintedPageHeight(2400, 3100, 12), 3100);
    EXPECT_EQ(PrintedPageHeight(3100, 2400, 1), 2400);
}

TEST(Calendars, ReformSwitchAndTitles)
{
    EXPECT_EQ(ReformCalendarType(kCurrent, 10, 1582), kOldStyle);
    EXPECT_EQ(ReformCalendarType(kCurrent, 11, 1582), kCurrent);
    EXPECT_EQ(ReformCalendarType(kOldStyle, 1, 1700), kCurrent);
    EXPECT_EQ(ReformCalendarType(kOldStyle, 5, -44), kOldStyle);
    EXPECT_EQ(ReformCalendarType(kMoon, 5, 1000), kMoon);
    EXPECT_TRUE(IsReformMonth(kOldStyle, 10, 1582));
    EXPECT_FALSE(IsReformMonth(kCurrent, 10, 1582));

    EXPECT_EQ(MonthTitle(kCurrent, "March", 3, 2024), "March 2024");
    EXPECT_EQ(MonthTitle(kCurrent, "March", 3, -44), "March 44 BC");
    EXPECT_EQ(MonthTitle(kOldStyle, "February", 2, 1700), "February 1699/0 Julian");
    EXPECT_EQ(MonthTitle(kOldStyle, "October", 10, 1582), "October 1582 Julian");
    EXPECT_EQ(MonthTitle(kOldStyle, "May", 5, -44), "May 44 BC Julian");
    EXPECT_EQ(MonthTitle(kMoon, "Blue Moon", 13, 2000), "Blue Moon 2000");
    EXPECT_EQ(MonthTitle(kChinese, "January", 1, 2001), "January 2001 Snake");
    EXPECT_EQ(MonthTitle(kChinese, "January", 1, -9), "January 9 Pig BC");
    EXPECT_STREQ(YearAnimal(2000), "Dragon");
    EXPECT_STREQ(YearAnimal(1996), "Rat");
    EXPECT_STREQ(YearAnimal(-1), "Sheep");
}

TEST(WeekNumbers, AroundNewYear)
{
    auto week = [](int y, int m, int d, bool monday) { return WeekNumber(GregorianDate(m, d, y).DayNumber(), monday); };
    // ISO weeks: the week of 28 December 2026 (a Monday) is 53, that of 4 January 2027 is 1; the
    // days between belong to week 53 of 2026.
    EXPECT_EQ(week(2026, 12, 28, true), 53);
    EXPECT_EQ(week(2027, 1, 3, true), 53);
    EXPECT_EQ(week(2027, 1, 4, true), 1);
    EXPECT_EQ(week(2021, 1, 1, true), 53);
    EXPECT_EQ(week(2024, 12, 30, true), 1);
    EXPECT_EQ(week(2026, 1, 1, true), 1);
    // Sunday weeks: week 1 holds 1 January, so 27 December 2026 already starts week 1.
    EXPECT_EQ(week(2026, 12, 26, false), 52);
    EXPECT_EQ(week(2026, 12, 27, false), 1);
    EXPECT_EQ(week(2027, 1, 2, false), 1);
    EXPECT_EQ(week(2027, 1, 3, false), 2);
    EXPECT_EQ(week(2027, 1, 4, false), 2);
    EXPECT_EQ(week(2022, 12, 31, false), 53);  // a Saturday: 1 January 2023 starts a new week
}
