// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/CalendarDate.h"
#include "holidays/Holiday.h"
#include "holidays/HolidayList.h"
#include "platform/SettingsStore.h"

namespace {

// Days of the month on which the holiday falls, in its month of the given Gregorian year.
std::vector<int> DaysOf(const Holiday& h, int year, int month) {
    std::vector<int> days;
    GregorianDate first(month, 1, year);
    for (int d = 1; d <= first.DaysInThisMonth(); ++d)
        if (h.FallsOn(GregorianDate(month, d, year)))
            days.push_back(d);
    return days;
}

CString NameOn(const HolidayList& list, const CalendarDate& date) {
    CString name = "(none)";
    list.HolidayOn(date, name);
    return name;
}

}  // namespace

TEST(HolidayRules, WeekdayRulesAtMonthStartsAndEnds) {
    const Holiday thanksgiving(11, 4, 4, "Thanksgiving");
    // November 2019 starts on a Friday: the fourth Thursday is the 28th, not the 21st.
    EXPECT_EQ(DaysOf(thanksgiving, 2019, 11), std::vector<int>{28});
    EXPECT_EQ(DaysOf(thanksgiving, 2020, 11), std::vector<int>{26});

    // September 2020 starts on a Tuesday: the first Monday is the 7th.
    EXPECT_EQ(DaysOf(Holiday(9, 1, 1, "Labor Day"), 2020, 9), std::vector<int>{7});

    const Holiday memorial(5, 6, 1, "Memorial Day");
    EXPECT_EQ(DaysOf(memorial, 2021, 5), std::vector<int>{31});  // 31 May a Monday
    EXPECT_EQ(DaysOf(memorial, 2020, 5), std::vector<int>{25});  // 31 May a Sunday

    // Fifth and last Mondays: May 2021 has five, February 2021 four.
    const Holiday fifthMonday(5, 5, 1, "x"), fifthMondayFeb(2, 5, 1, "x"), lastMondayFeb(2, 6, 1, "x");
    EXPECT_EQ(DaysOf(fifthMonday, 2021, 5), std::vector<int>{31});
    EXPECT_TRUE(DaysOf(fifthMondayFeb, 2021, 2).empty());
    EXPECT_EQ(DaysOf(lastMondayFeb, 2021, 2), std::vector<int>{22});

    // "Last" reads the month length of the date's own calendar: 1900 is a leap year only in
    // the Julian calendar, where 29 February 1900 is the last day of its weekday.
    const JulianDate julianLeapDay(2, 29, 1900);
    const Holiday lastOfFeb(2, 6, julianLeapDay.Weekday(), "x");
    EXPECT_TRUE(lastOfFeb.FallsOn(julianLeapDay));
    EXPECT_FALSE(lastOfFeb.FallsOn(JulianDate(2, 22, 1900)));
    // In a leap February the 29th is the fifth occurrence of its weekday.
    EXPECT_EQ(DaysOf(Holiday(2, 5, GregorianDate(2, 29, 2020).Weekday(), "x"), 2020, 2), std::vector<int>{29});
}

TEST(HolidayRules, EveryWeekdayRuleMarksItsWeekdayOncePerMonth) {
    for (int year = 1999; year <= 2030; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int weekday = 1; weekday <= 7; ++weekday)
                for (int week = 1; week <= 6; ++week) {
                    const std::vector<int> days = DaysOf(Holiday(month, week, weekday, "x"), year, month);
                    ASSERT_LE(days.size(), 1u) << year << "-" << month;
                    if (week != 5)
                        ASSERT_EQ(days.size(), 1u) << year << "-" << month << " week " << week;
                    for (int d : days) {
                        EXPECT_EQ(GregorianDate(month, d, year).Weekday(), weekday);
                        if (week <= 5)
                            EXPECT_EQ((d - 1) / 7 + 1, week);
                        else
                            EXPECT_GT(d + 7, GregorianDate(month, 1, year).DaysInThisMonth());
                    }
                }
}

TEST(HolidayRules, NextBusinessDayAfterMarksTheFirstWeekdayAfterItsDay) {
    const Holiday taxDay(4, 0, 14, "Tax Day");
    EXPECT_EQ(DaysOf(taxDay, 2021, 4), std::vector<int>{15});  // Thursday
    EXPECT_EQ(DaysOf(taxDay, 2023, 4), std::vector<int>{17});  // 15th a Saturday
    EXPECT_EQ(DaysOf(taxDay, 2018, 4), std::vector<int>{16});  // 15th a Sunday
    EXPECT_EQ(DaysOf(taxDay, 2022, 4), std::vector<int>{15});  // Friday
    EXPECT_EQ(DaysOf(taxDay, 2024, 4), std::vector<int>{15});  // Monday

    // Every year, for any day well inside a month, exactly one weekday after it.
    for (int year = 2000; year <= 2030; ++year)
        for (int day = 0; day <= 25; ++day) {
            const std::vector<int> days = DaysOf(Holiday(3, 0, day, "x"), year, 3);
            ASSERT_EQ(days.size(), 1u) << year << " after " << day;
            const int marked = days[0];
            EXPECT_LE(GregorianDate(3, marked, year).Weekday(), 5);
            for (int d = std::max(day + 1, 1); d < marked; ++d)
                EXPECT_GE(GregorianDate(3, d, year).Weekday(), 6);
        }

    // Only days of its own month are candidates: after 31 January nothing is marked.
    EXPECT_TRUE(DaysOf(Holiday(1, 0, 31, "x"), 2021, 1).empty());
    EXPECT_TRUE(DaysOf(Holiday(1, 0, 31, "x"), 2021, 2).empty());
}

TEST(HolidayRules, UnfinishedOrOutOfRangeRecordsMatchNothing) {
    Holiday h(11, 4, 4, "x");
    h.week = 0;  // a weekday rule with no week
    EXPECT_TRUE(DaysOf(h, 2020, 11).empty());
    h.week = -1;
    EXPECT_TRUE(DaysOf(h, 2020, 11).empty());
    h.week = 7;
    EXPECT_TRUE(DaysOf(h, 2020, 11).empty());
    EXPECT_TRUE(DaysOf(Holiday(0, 1, "x"), 2020, 1).empty());
    Holiday badKind(1, 1, "x");
    badKind.kind = 3;
    EXPECT_TRUE(DaysOf(badKind, 2020, 1).empty());
}

TEST(HolidayRules, ConstructionAndNewRecord) {
    const Holiday fresh;
    EXPECT_EQ(fresh.kind, Holiday::FixedDate);
    EXPECT_EQ(fresh.month, 1);
    EXPECT_EQ(fresh.day, 1);
    EXPECT_EQ(fresh.week, 0);
    EXPECT_EQ(fresh.weekday, 0);
    EXPECT_TRUE(fresh.name.empty());

    const Holiday weekRule(5, 2, 7, "Mother's Day");
    EXPECT_EQ(weekRule.kind, Holiday::FixedDayOfWeek);
    EXPECT_EQ(weekRule.day, 0);
    EXPECT_EQ(weekRule.week, 2);
    EXPECT_EQ(weekRule.weekday, 7);

    const Holiday afterRule(4, 0, 14, "Tax Day");
    EXPECT_EQ(afterRule.kind, Holiday::NextBusinessDayAfter);
    EXPECT_EQ(afterRule.day, 14);
    EXPECT_EQ(afterRule.week, 0);
    EXPECT_EQ(afterRule.weekday, 0);
}

TEST(HolidayListTest, FirstInListWinsAndMissLeavesNameAlone) {
    HolidayList list;
    list.Add(Holiday(7, 4, "Independence Day"));
    list.Add(Holiday(7, 1, 6, "First Saturday"));  // 4 July 2020 is a Saturday
    EXPECT_EQ(NameOn(list, GregorianDate(7, 4, 2020)), "Independence Day");
    EXPECT_EQ(NameOn(list, GregorianDate(7, 3, 2021)), "First Saturday");
    EXPECT_EQ(NameOn(list, GregorianDate(7, 5, 2020)), "(none)");

    HolidayList swapped;
    swapped.Add(list.GetAt(1));
    swapped.Add(list.GetAt(0));
    EXPECT_EQ(NameOn(swapped, GregorianDate(7, 4, 2020)), "First Saturday");
}

TEST(HolidayListTest, ElementAccess) {
    HolidayList list;
    list.Add(Holiday(1, 1, "a"));
    list.Add(Holiday(2, 2, "b"));
    list.Add(Holiday(3, 3, "c"));
    EXPECT_TRUE(list.SetAt(1, Holiday(4, 4, "d")));
    EXPECT_TRUE(list.RemoveAt(0));
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetAt(0).name, "d");
    EXPECT_EQ(list.GetAt(1).name, "c");
    EXPECT_FALSE(list.SetAt(2, Holiday()));
    EXPECT_FALSE(list.RemoveAt(-1));
    EXPECT_EQ(list.GetAt(5), Holiday());
    EXPECT_EQ(list.GetCount(), 2);
}

TEST(HolidayStorage, FactoryListTextsAndOrder) {
    const std::vector<Holiday> factory = HolidayList::FactoryList();
    const std::vector<CString> expected = {
        "00101New Years Day",   "10131Martin Luther King Day", "10231Presidents Day",
        "00212Lincoln's BirthDay", "00214Valentines Day",       "00222Washington's BirthDay",
        "00317St. Patrick's Day",  "20414Tax Day",              "10527Mother's Day",
        "10561Memorial Day",       "00614Flag Day",             "10637Father's Day",
        "00704Independence Day",   "10911Labor Day",            "11021Columbus Day",
        "01031Holloween",          "01111Veterans Day",         "11144Thanksgiving",
        "01225Christmas"};
    ASSERT_EQ(factory.size(), expected.size());
    for (size_t i = 0; i < factory.size(); ++i)
        EXPECT_EQ(factory[i].ToText(), expected[i]) << i;

    MemorySettingsStore store;
    HolidayList list;
    list.LoadFromSettings(store);  // nothing stored
    EXPECT_EQ(list.Items(), factory);
    EXPECT_EQ(store.GetInt("Hollidays", "Number", 0), -1);
    EXPECT_FALSE(store.Contains("Hollidays", "Number001"));

    list.SaveToSettings(store);
    EXPECT_EQ(store.GetInt("Hollidays", "Number", 0), 19);
    EXPECT_EQ(store.GetString("Hollidays", "Number001", ""), "00101New Years Day");
    EXPECT_EQ(store.GetString("Hollidays", "Number019", ""), "01225Christmas");
    HolidayList reread;
    reread.LoadFromSettings(store);
    EXPECT_EQ(reread.Items(), factory);
}

TEST(HolidayStorage, CountValuesAndMissingKeys) {
    HolidayList list;
    {
        MemorySettingsStore store;
        store.WriteInt("Hollidays", "Number", 0);
        list.Add(Holiday(1, 1, "old"));
        list.LoadFromSettings(store);
        EXPECT_EQ(list.GetCount(), 0);
        EXPECT_EQ(store.GetInt("Hollidays", "Number", 5), 0);
    }
    {
        MemorySettingsStore store;
        store.WriteInt("Hollidays", "Number", 3);
        store.WriteString("Hollidays", "Number001", "00101A");
        store.WriteString("Hollidays", "Number002", "00102B");
        list.LoadFromSettings(store);
        EXPECT_EQ(list.Items(), HolidayList::FactoryList());
        EXPECT_EQ(store.GetInt("Hollidays", "Number", 0), -1);
    }
    {
        MemorySettingsStore store;
        store.WriteInt("Hollidays", "Number", 2);
        store.WriteString("Hollidays", "Number001", "");  // empty counts as missing
        store.WriteString("Hollidays", "Number002", "00102B");
        list.LoadFromSettings(store);
        EXPECT_EQ(list.GetCount(), 19);
    }
    {
        MemorySettingsStore store;
        store.WriteInt("Hollidays", "Number", -1);
        store.WriteString("Hollidays", "Number001", "00102B");
        list.LoadFromSettings(store);
        EXPECT_EQ(list.GetCount(), 19);
    }
}

TEST(HolidayStorage, ReadingRecords) {
    MemorySettingsStore store;
    store.WriteInt("Hollidays", "Number", 5);
    store.WriteString("Hollidays", "Number001", "01225Christmas");
    store.WriteString("Hollidays", "Number002", "31225Skipped");
    store.WriteString("Hollidays", "Number003", "10503Week Zero");  // saved with week 0
    store.WriteString("Hollidays", "Number004", "20414Tax Day");
    store.WriteString("Hollidays", "Number005", "1");               // cut short
    HolidayList list;
    list.LoadFromSettings(store);
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetAt(0), Holiday(12, 25, "Christmas"));
    EXPECT_EQ(list.GetAt(1).kind, Holiday::NextBusinessDayAfter);
    EXPECT_EQ(list.GetAt(1).month, 5);
    EXPECT_EQ(list.GetAt(1).day, 3);
    EXPECT_EQ(list.GetAt(1).name, "Week Zero");
    EXPECT_EQ(list.GetAt(2), Holiday(4, 0, 14, "Tax Day"));
    EXPECT_TRUE(list.GetAt(3).name.empty());
    EXPECT_TRUE(DaysOf(list.GetAt(3), 2020, 1).empty());
}

TEST(HolidayStorage, SaveKeepsNamesWhateverTheNumbers) {
    // A day typed with three digits, or a list without a selection, must not eat into the name.
    Holiday longDay(1, 123, "Long Day");
    Holiday noWeek(3, 2, 1, "No Week");
    noWeek.week = -1;
    noWeek.weekday = 12;
    Holiday noMonth(-1, 5, "No Month");
    HolidayList list;
    list.Add(longDay);
    list.Add(noWeek);
    list.Add(noMonth);
    MemorySettingsStore store;
    list.SaveToSettings(store);
    HolidayList reread;
    reread.LoadFromSettings(store);
    ASSERT_EQ(reread.GetCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(reread.GetAt(i).name, list.GetAt(i).name);
        EXPECT_EQ(reread.GetAt(i).kind, list.GetAt(i).kind);
        for (int month = 1; month <= 12; ++month)
            EXPECT_TRUE(DaysOf(reread.GetAt(i), 2020, month).empty());
    }

    // A shorter list saved later leaves old keys that are never read.
    HolidayList shorter;
    shorter.Add(Holiday(6, 1, "Only"));
    shorter.SaveToSettings(store);
    EXPECT_TRUE(store.Contains("Hollidays", "Number003"));
    reread.LoadFromSettings(store);
    EXPECT_EQ(reread.Items(), shorter.Items());
}
