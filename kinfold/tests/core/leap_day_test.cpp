// SPDX-License-Identifier: GPL-3.0-or-later
// 29 February in common years: the rule, its stored form, and what a day cell and a click find.
#include "../TestEntries.h"
#include <gtest/gtest.h>
#include <vector>
#include "birthdays/BirthdayList.h"
#include "birthdays/LeapDay.h"
#include "holidays/HolidayList.h"
#include "platform/SettingsStore.h"
#include "view/core/DayCell.h"
#include "view/core/DisplayOptions.h"

namespace {
MonthDay Shown(int month, int day, int year, LeapDayRule rule)
{
    MonthDay shown{-1, -1};
    if (!ShownDayInYear(month, day, year, rule, shown)) return {0, 0};
    return shown;
}

std::vector<MonthDay> DaysOn(int month, int day, int year, LeapDayRule rule)
{
    MonthDay out[2];
    int n = EntryDaysShownOn(month, day, year, rule, out);
    return std::vector<MonthDay>(out, out + n);
}
}  // namespace

TEST(LeapDay, ShownDayInEachKindOfYear)
{
    using enum LeapDayRule;
    for (LeapDayRule rule : {February28, March1, LeapYearsOnly}) {
        EXPECT_EQ(Shown(2, 29, 2024, rule), (MonthDay{2, 29}));
        EXPECT_EQ(Shown(2, 29, 2000, rule), (MonthDay{2, 29}));  // divisible by 400
        EXPECT_EQ(Shown(2, 28, 2023, rule), (MonthDay{2, 28}));
        EXPECT_EQ(Shown(3, 1, 2023, rule), (MonthDay{3, 1}));
        EXPECT_EQ(Shown(12, 31, 2023, rule), (MonthDay{12, 31}));
        // Days no year has, and incomplete dates, are never shown.
        EXPECT_EQ(Shown(4, 31, 2024, rule), (MonthDay{0, 0}));
        EXPECT_EQ(Shown(2, 30, 2024, rule), (MonthDay{0, 0}));
        EXPECT_EQ(Shown(0, 5, 2024, rule), (MonthDay{0, 0}));
        EXPECT_EQ(Shown(13, 1, 2024, rule), (MonthDay{0, 0}));
        EXPECT_EQ(Shown(5, 0, 2024, rule), (MonthDay{0, 0}));
    }
    EXPECT_EQ(Shown(2, 29, 2023, February28), (MonthDay{2, 28}));
    EXPECT_EQ(Shown(2, 29, 1900, February28), (MonthDay{2, 28}));  // a century, not a leap year
    EXPECT_EQ(Shown(2, 29, 2023, March1), (MonthDay{3, 1}));
    EXPECT_EQ(Shown(2, 29, 2023, LeapYearsOnly), (MonthDay{0, 0}));
    EXPECT_EQ(Shown(2, 29, -1, February28), (MonthDay{2, 28}));
    EXPECT_EQ(Shown(2, 29, -4, LeapYearsOnly), (MonthDay{2, 29}));
}

TEST(LeapDay, DaysWhoseEntriesACellShows)
{
    using enum LeapDayRule;
    // The stand-in day takes 29 February in calendar order: after 28 February, before 1 March.
    EXPECT_EQ(DaysOn(2, 28, 2023, February28), (std::vector<MonthDay>{{2, 28}, {2, 29}}));
    EXPECT_EQ(DaysOn(3, 1, 2023, February28), (std::vector<MonthDay>{{3, 1}}));
    EXPECT_EQ(DaysOn(3, 1, 2023, March1), (std::vector<MonthDay>{{2, 29}, {3, 1}}));
    EXPECT_EQ(DaysOn(2, 28, 2023, March1), (std::vector<MonthDay>{{2, 28}}));
    EXPECT_EQ(DaysOn(2, 28, 2023, LeapYearsOnly), (std::vector<MonthDay>{{2, 28}}));
    EXPECT_EQ(DaysOn(3, 1, 2023, LeapYearsOnly), (std::vector<MonthDay>{{3, 1}}));
    // Leap years have a day of their own.
    EXPECT_EQ(DaysOn(2, 28, 2024, February28), (std::vector<MonthDay>{{2, 28}}));
    EXPECT_EQ(DaysOn(2, 29, 2024, February28), (std::vector<MonthDay>{{2, 29}}));
    EXPECT_EQ(DaysOn(3, 1, 2024, March1), (std::vector<MonthDay>{{3, 1}}));
    EXPECT_TRUE(DaysOn(2, 29, 2023, February28).empty());
    EXPECT_TRUE(DaysOn(0, 0, 2023, February28).empty());
}

TEST(LeapDay, StoredPerProfileAndReadSafely)
{
    EXPECT_EQ(LeapDayRuleFromStored(0), LeapDayRule::February28);
    EXPECT_EQ(LeapDayRuleFromStored(1), LeapDayRule::March1);
    EXPECT_EQ(LeapDayRuleFromStored(2), LeapDayRule::LeapYearsOnly);
    EXPECT_EQ(LeapDayRuleFromStored(3), LeapDayRule::February28);
    EXPECT_EQ(LeapDayRuleFromStored(-1), LeapDayRule::February28);

    MemorySettingsStore store;
    EXPECT_EQ(LoadDisplayOptions(store, 0).leapDay, LeapDayRule::February28);
    store.WriteInt("Options2", "LeapDay", 1);
    EXPECT_EQ(LoadDisplayOptions(store, 2).leapDay, LeapDayRule::March1);
    EXPECT_EQ(LoadDisplayOptions(store, 0).leapDay, LeapDayRule::February28);

    // The sheet writes it; the view's own save on close leaves it as the sheet stored it.
    DisplayOptions o;
    o.leapDay = LeapDayRule::LeapYearsOnly;
    WriteOptionsPage(store, 3, o);
    EXPECT_EQ(store.GetInt("Options3", "LeapDay", -1), 2);
    o.leapDay = LeapDayRule::February28;
    SaveDisplayOptions(store, 3, o);
    EXPECT_EQ(LoadDisplayOptions(store, 3).leapDay, LeapDayRule::LeapYearsOnly);
}

TEST(LeapDay, DayCellsAndClicksFollowTheRule)
{
    BirthdayList list;
    list.AddOrMerge(Person(2, 28, 1990, "Feb Twentyeight"));
    list.AddOrMerge(Person(2, 29, 2000, "Leap Baby"));
    list.AddOrMerge(Person(3, 1, 1980, "March First"));
    list.AddOrMerge(Person(2, 29, 1960, "Leap+Wed Couple", BirthdayEntry::Couple));
    list.SortByDate();
    const std::vector<int> index = DayOrderIndex(list);
    HolidayList none;
    DisplayOptions o;
    auto labels = [&](int m, int d, int y) {
        std::vector<CString> out;
        for (const CellLine& l : StackCellLines(GregorianDate(m, d, y), list, index, none, o, -10000, 1000, 20))
            out.push_back(l.text);
        return out;
    };
    auto clicked = [&](int m, int d, int y, int n) {
        BirthdayEntry got;
        int i = list.NthShownOn(CalendarDate(m, d, y), n, o.switches, got, o.leapDay);
        return i < 0 ? CString() : got.text;
    };

    // By default on 28 February, with the age counted as usual.
    EXPECT_EQ(labels(2, 28, 2023), (std::vector<CString>{"Feb (33)", "Leap (23)"}));
    EXPECT_EQ(labels(3, 1, 2023), (std::vector<CString>{"March (43)"}));
    EXPECT_EQ(clicked(2, 28, 2023, 1), "Leap Baby");
    // In a leap year only on its own day.
    EXPECT_EQ(labels(2, 28, 2024), (std::vector<CString>{"Feb (34)"}));
    EXPECT_EQ(labels(2, 29, 2024), (std::vector<CString>{"Leap (24)"}));
    // Anniversaries move the same way when they are shown.
    o.switches.Set(DisplaySwitches::Anniversaries);
    EXPECT_EQ(labels(2, 28, 2023), (std::vector<CString>{"Feb (33)", "Leap+Wed (63)", "Leap (23)"}));

    o.leapDay = LeapDayRule::March1;
    EXPECT_EQ(labels(2, 28, 2023), (std::vector<CString>{"Feb (33)"}));
    EXPECT_EQ(labels(3, 1, 2023), (std::vector<CString>{"Leap+Wed (63)", "Leap (23)", "March (43)"}));
    EXPECT_EQ(clicked(3, 1, 2023, 2), "March First");
    EXPECT_EQ(clicked(3, 1, 2023, 1), "Leap Baby");

    o.leapDay = LeapDayRule::LeapYearsOnly;
    EXPECT_EQ(labels(2, 28, 2023), (std::vector<CString>{"Feb (33)"}));
    EXPECT_EQ(labels(3, 1, 2023), (std::vector<CString>{"March (43)"}));
    EXPECT_EQ(clicked(2, 28, 2023, 1), "");
    EXPECT_EQ(labels(2, 29, 2028), (std::vector<CString>{"Leap+Wed (68)", "Leap (28)"}));

    // Before the birth year nothing shows, whichever day stands in.
    o.leapDay = LeapDayRule::February28;
    EXPECT_EQ(labels(2, 28, 1999), (std::vector<CString>{"Feb (9)", "Leap+Wed (39)"}));
}
