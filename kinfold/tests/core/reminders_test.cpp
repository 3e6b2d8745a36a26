// SPDX-License-Identifier: GPL-3.0-or-later
// Reminders as the user meets them over days: what comes when, and never twice.
#include <gtest/gtest.h>
#include "../TestEntries.h"
#include "platform/SettingsStore.h"
#include "reminders/Reminders.h"

namespace {

LocalMoment At(const char* text)
{
    LocalMoment m;
    EXPECT_TRUE(ParseLocalMoment(text, m)) << text;
    return m;
}

class Reminding : public ::testing::Test {
protected:
    // One run: what was shown, as "summary | body".
    std::vector<std::string> Run(const char* now)
    {
        std::vector<std::string> shown;
        ReminderOutput out;
        out.show = [&](const ReminderMessage& m, std::string& why) {
            if (!service) {
                why = "no service";
                return false;
            }
            shown.push_back(m.summary + " | " + m.body);
            return true;
        };
        out.print = [&](const std::string& line) { printed.push_back(line); };
        out.warn = [&](const std::string& line) { warnings.push_back(line); };
        RunReminders(list, store, At(now), out);
        return shown;
    }
    using Lines = std::vector<std::string>;

    BirthdayList list;
    MemorySettingsStore store;
    bool service = true;
    Lines printed, warnings;
};

} // namespace

TEST_F(Reminding, LeadDaysComeOnceEachAndAreNeverRepeated)
{
    list.AddOrMerge(Person(3, 5, 2000, "Bob /Jones/"));
    EXPECT_EQ(Run("2027-02-26T08:59"), Lines{});
    EXPECT_EQ(Run("2027-02-26T09:00"), Lines{"Bob Jones (27) | in 7 days, Friday 5 March"});
    EXPECT_EQ(Run("2027-02-26T18:00"), Lines{}) << "a second run the same day";
    EXPECT_EQ(Run("2027-03-04T09:30"), Lines{"Bob Jones (27) | tomorrow, Friday 5 March"});
    EXPECT_EQ(Run("2027-03-05T10:00"), Lines{"Bob Jones (27) | today, Friday 5 March"});
    EXPECT_EQ(Run("2027-03-05T23:00"), Lines{});
    EXPECT_EQ(Run("2027-03-06T10:00"), Lines{}) << "over";
    EXPECT_TRUE(printed.empty());
}

TEST_F(Reminding, AGapShowsOneCatchUpSayingHowFarOffItIsNow)
{
    list.AddOrMerge(Person(3, 5, 2000, "Bob Jones"));
    // Off from before the 7-day moment until three days after it: one late reminder.
    EXPECT_EQ(Run("2027-03-01T12:00"), Lines{"Bob Jones (27) | in 4 days, Friday 5 March"});
    EXPECT_EQ(Run("2027-03-01T13:00"), Lines{});
    // Off again past the day before and into the day itself, before its time: the 1-day one, late.
    EXPECT_EQ(Run("2027-03-05T08:00"), Lines{"Bob Jones (27) | today, Friday 5 March"});
    EXPECT_EQ(Run("2027-03-05T09:00"), Lines{}) << "the 0-day reminder was covered by the late one";
}

TEST_F(Reminding, AYearEndIntoTheYear10000RemindsOnce)
{
    list.AddOrMerge(Person(1, 1, 9990, "Nina Late"));
    EXPECT_EQ(Run("9999-12-28T10:00"), Lines{"Nina Late (10) | in 4 days, Saturday 1 January"});
    EXPECT_EQ(Run("9999-12-28T11:00"), Lines{});
    EXPECT_EQ(Run("9999-12-31T10:00"), Lines{"Nina Late (10) | tomorrow, Saturday 1 January"});
    EXPECT_EQ(Run("9999-12-31T11:00"), Lines{});
}

TEST_F(Reminding, TheCalendarsRulesDecideWhatIsReminded)
{
    list.AddOrMerge(Person(2, 29, 2000, "Leap Lea"));
    list.AddOrMerge(Person(3, 1, 0, "Noyear Ned"));
    BirthdayEntry dead = Person(3, 2, 1900, "Old Olga");
    dead.endDate = CalendarDate(1, 1, 1980);
    list.AddOrMerge(dead);
    list.AddOrMerge(Person(3, 2, 2001, "Joe+Mary Smith", BirthdayEntry::Couple));
    store.WriteString(kRemindersSection, "Days", "0");
    EXPECT_EQ(Run("2027-02-28T10:00"), Lines{"Leap Lea (27) | today, Sunday 28 February"});
    EXPECT_EQ(Run("2027-03-01T10:00"), Lines{"Noyear Ned | today, Monday 1 March"});
    EXPECT_EQ(Run("2027-03-02T10:00"), Lines{});
    // "Dead" and "Anniversary" on in profile 0, as the calendar and the export read them.
    store.WriteInt("Options", "IncludeDead", 1);
    store.WriteInt("Options", "Marriage", 1);
    EXPECT_EQ(Run("2027-03-02T11:00"),
              (Lines{"Old Olga (127) | today, Tuesday 2 March", "Joe+Mary Smith (26) Anniversary | today, Tuesday 2 March"}));
    // March 1 for 29 February: the day moves, the reminder follows it.
    store.WriteInt("Options", "LeapDay", 1);
    store.RemoveSection(kRemindersSection);
    store.WriteString(kRemindersSection, "Days", "1");
    EXPECT_EQ(Run("2031-02-28T10:00"),
              (Lines{"Leap Lea (31) | tomorrow, Saturday 1 March", "Noyear Ned | tomorrow, Saturday 1 March"}));
}

TEST_F(Reminding, SwitchedOffNothingIsShownOrRecorded)
{
    list.AddOrMerge(Person(3, 5, 2000, "Bob Jones"));
    store.WriteInt(kRemindersSection, "Enabled", 0);
    EXPECT_EQ(Run("2027-03-05T10:00"), Lines{});
    EXPECT_FALSE(store.Contains(kRemindersSection, "Shown"));
    store.WriteInt(kRemindersSection, "Enabled", 1);
    EXPECT_EQ(Run("2027-03-05T10:00").size(), 1u);
}

TEST_F(Reminding, WithoutAServiceTheyArePrintedAndCountAsShown)
{
    list.AddOrMerge(Person(3, 5, 2000, "Bob Jones"));
    service = false;
    EXPECT_EQ(Run("2027-03-05T10:00"), Lines{});
    EXPECT_EQ(printed, Lines{"Bob Jones (27): today, Friday 5 March"});
    EXPECT_EQ(warnings, Lines{"no service"});
    service = true;
    EXPECT_EQ(Run("2027-03-05T11:00"), Lines{});
}

TEST_F(Reminding, ManyAtOnceAreOneMessageAndADamagedSectionReadsAsDefaults)
{
    for (int i = 0; i < 25; ++i) list.AddOrMerge(Person(3, 5, 2000, StrFormat("Person %02d", i).c_str()));
    store.WriteString(kRemindersSection, "Enabled", "yes please");
    store.WriteString(kRemindersSection, "Days", "7,,x");
    store.WriteString(kRemindersSection, "Time", "25:99");
    store.WriteString(kRemindersSection, "Shown", ";;=3;20270305:zz=;garbage");
    const Lines shown = Run("2027-02-26T09:00");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].substr(0, 40), "25 birthdays and events coming | Person ");
    EXPECT_NE(shown[0].find("\nand 5 more"), std::string::npos);
    EXPECT_EQ(Run("2027-03-04T09:00").size(), 1u) << "the default 1-day reminder";
    const ReminderSettings s = LoadReminderSettings(store);
    EXPECT_EQ(s.leadDays, (std::vector<int>{7, 1, 0}));
    EXPECT_EQ(s.minutes, 9 * 60);
}

TEST(ReminderTexts, MomentsAndChoicesReadStrictly)
{
    LocalMoment m;
    EXPECT_TRUE(ParseLocalMoment("2027-02-26T09:30", m));
    EXPECT_EQ(m.minutes, 570);
    for (const char* bad : {"2027-02-29", "2027-2-26", "2027-02-26T9:30", "2027-02-26 09:30", "0000-01-01", ""})
        EXPECT_FALSE(ParseLocalMoment(bad, m)) << bad;
    std::vector<int> days;
    EXPECT_TRUE(ParseLeadDays(" 0, 7,1,7 ", days));
    EXPECT_EQ(LeadDaysText(days), "7,1,0");
    EXPECT_TRUE(ParseLeadDays("", days));
    EXPECT_TRUE(days.empty());
    EXPECT_FALSE(ParseLeadDays("367", days));
    int minutes = 0;
    EXPECT_TRUE(ParseTimeOfDay("7:05", minutes));
    EXPECT_EQ(TimeOfDayText(minutes), "07:05");
}
