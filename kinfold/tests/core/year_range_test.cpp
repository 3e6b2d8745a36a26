// SPDX-License-Identifier: GPL-3.0-or-later
// The years the program shows: every calendar computation holds at both ends.
#include <gtest/gtest.h>
#include <set>
#include "birthdays/BirthdayEntry.h"
#include "calendar/CalendarDate.h"
#include "calendar/MoonDate.h"
#include "holidays/HolidayList.h"
#include "view/core/DayCell.h"
#include "view/core/DayClick.h"
#include "view/core/PageLayout.h"
#include "view/core/DisplayOptions.h"

namespace {

const int kEndYears[] = {kFirstYear, kFirstYear + 1, -1, 1, kLastYear - 1, kLastYear};

} // namespace

TEST(YearRange, FirstOfMarchOfCenturyYearsComesBack)
{
    // In these years the day number of 1 March gives a whole quotient of 36524.25 days; in
    // 6700 it came back as 29 February.
    for (int y : {6700, 1900, 11100, -5700}) {
        GregorianDate g;
        g.SetFromDayNumber(GregorianDate(3, 1, y).DayNumber(), AlwaysGregorian);
        EXPECT_EQ(g.month, 3) << y;
        EXPECT_EQ(g.day, 1) << y;
        CalendarDate c;
        c.SetFromDayNumber(CalendarDate(3, 1, y).DayNumber(), ReformAware);
        EXPECT_EQ(c.month, 3) << y;
    }
}

TEST(YearRange, SeasonsComeInOrderAtBothEnds)
{
    for (int y : kEndYears) {
        SCOPED_TRACE(y);
        std::vector<std::pair<double, int>> starts;
        const double from = CalendarDate(1, 1, y).DayNumber() - 120, to = CalendarDate(12, 31, y).DayNumber() + 120;
        for (double j = from; j <= to; j += 1)
            if (int s = SeasonChange(j)) starts.push_back({j, s});
        ASSERT_GE(starts.size(), 5u);
        for (size_t i = 1; i < starts.size(); ++i) {
            EXPECT_EQ(starts[i].second, starts[i - 1].second % 4 + 1);
            EXPECT_GE(starts[i].first - starts[i - 1].first, 88);
            EXPECT_LE(starts[i].first - starts[i - 1].first, 95);
        }
    }
}

TEST(YearRange, MoonYearsAndNamesAtBothEnds)
{
    for (int y : kEndYears) {
        SCOPED_TRACE(y);
        int months = MoonMonthsInYear(y);
        ASSERT_TRUE(months == 12 || months == 13);
        int sum = 0;
        for (int m = 1; m <= months; ++m) {
            int len = MoonMonthLength(m, y);
            EXPECT_TRUE(len == 29 || len == 30);
            sum += len;
        }
        EXPECT_EQ(sum, MoonYearLength(y));
        const double newYear = MoonNewYear(y);
        for (int k = 0; k < sum; ++k) {
            MoonDate d(newYear + k);
            ASSERT_EQ(d.year, y);
            ASSERT_EQ(MoonDate(d.month, d.day, d.year).DayNumber(), newYear + k);
        }
        EXPECT_STRNE(AnimalName(y), "");
    }
    EXPECT_STREQ(AnimalName(kLastYear), AnimalNames[(kLastYear + 8) % 12]);
}

TEST(YearRange, HolidaysBirthdaysAndDayCountsAtBothEnds)
{
    HolidayList holidays;
    for (const Holiday& h : HolidayList::FactoryList()) holidays.Add(h);
    BirthdayEntry ann(CalendarDate(5, 3, 1950));
    ann.text = "Ann";
    ann.kind = BirthdayEntry::Individual;
    DisplayOptions o;
    o.bCountdown = true;
    o.dTarget = GregorianDate(1, 1, 2000).DayNumber();
    for (int y : {kFirstYear, kLastYear}) {
        SCOPED_TRACE(y);
        CString name;
        EXPECT_TRUE(holidays.HolidayOn(GregorianDate(12, 25, y), name));
        EXPECT_EQ(name, "Christmas");
        EXPECT_FALSE(holidays.HolidayOn(GregorianDate(3, 26, y), name) && name == "Christmas");
        int years = 0;
        ann.ShowsOn(GregorianDate(5, 3, y), DisplaySwitches(), years);
        EXPECT_EQ(years, y - 1950);
        // The day count grows away from the target on both sides.
        long long a = std::stoll(DayCornerText(GregorianDate(6, 1, y), o, 0).text);
        long long b = std::stoll(DayCornerText(GregorianDate(6, 2, y), o, 0).text);
        EXPECT_EQ(b - a, y > 2000 ? 1 : -1);
    }
}

TEST(YearRange, ClicksOnMonthsPastTheLastYearFindNoDay)
{
    ScreenPage page;
    page.monthsPerPage = 12;
    page.width = 1200;
    page.height = 900;
    page.year = kLastYear;
    page.month = 12;
    BlockGrid grid = LayoutBlocks(12, page.width, page.height, 100, false);
    ASSERT_GT(grid.columns, 1);
    auto hitIn = [&](int block, DayUnderPoint& hit) {
        int bc = block % grid.columns, br = block / grid.columns;
        // Every cell centre of the block's grid.
        for (int y = page.top + br * grid.blockHeight; y < page.top + (br + 1) * grid.blockHeight; y += 4)
            for (int x = page.left + bc * grid.blockWidth; x < page.left + (bc + 1) * grid.blockWidth; x += 4)
                if (FindDayAt(page, x, y, hit)) return true;
        return false;
    };
    DayUnderPoint hit;
    ASSERT_TRUE(hitIn(0, hit));
    EXPECT_EQ(hit.year, kLastYear);
    EXPECT_EQ(hit.month, 12);
    EXPECT_FALSE(hitIn(1, hit));
    EXPECT_FALSE(hitIn(11, hit));
}
