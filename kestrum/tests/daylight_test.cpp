// SPDX-License-Identifier: GPL-3.0-or-later
// Daylight-saving rules: parsing, packing, transition moments and the in-force decision.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "kestrum/daylight.h"
#include "kestrum/readonly.h"

namespace {

CDaylightTime Transition(const char* text)
{
    CDaylightTime t;
    t.Load(text);
    return t;
}

CDaylight Rule(const char* line)
{
    CDaylight d;
    d.Load(line);
    return d;
}

CTime Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return CTime::FromUtc(y, mo, d, h, mi, s);
}

// Year, month, day, hour and minute of a transition read at offset 0.
std::string Fields(const CDaylightTime& t, int year)
{
    CTimeFields f = t.GetTimeInYear(year, 0).GetUtcFields();
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d", (int)f.year, f.month, f.day, f.hour, f.minute);
    return buf;
}

const char kUS[] = "US=3600(2.Sun.Mar.2:00)-(First.Sun.Nov.2:00)";
const char kOldUS[] = "US=3600(First.Sun.Apr.2:00)-(Last.Sun.Oct.2:00)";
const char kAU[] = "AU=3600(Last.Sun.Oct.2:00)-(Last.Sun.Mar.3:00)";

}  // namespace

TEST(DaylightTime, PacksTheStoredWord)
{
    EXPECT_EQ(Transition("(First.Sun.Apr.2:00)").GetTag(), "131337");
    EXPECT_EQ(Transition("(Last.Sun.Oct.2:00)").GetTag(), "131726");
    EXPECT_EQ(Transition("  (last.SUNDAY.october.2:00)  ").GetTag(), "131726");

    CDaylightTime t = Transition("(First.Sun.Apr.2:03)");
    EXPECT_EQ(t.GetHour(), 2);
    EXPECT_EQ(t.GetMinute(), 3);

    CDaylightTime fixed = Transition("(Mar.21.0:00)");
    EXPECT_EQ(fixed.GetOrdinal(), 0);
    EXPECT_EQ(fixed.GetMonth(), 3);
    EXPECT_EQ(fixed.GetDay(), 21);

    CDaylightTime fifth = Transition("(5.Sat.Sep.23:59)");
    EXPECT_EQ(fifth.GetOrdinal(), 5);
    EXPECT_EQ(fifth.GetWeekday(), 7);
    EXPECT_EQ(fifth.GetHour(), 23);
    EXPECT_EQ(fifth.GetMinute(), 59);

    EXPECT_EQ(Transition("(1.Thr.Jan.0:00)").GetWeekday(), 5);
    // An unknown weekday is not used up: the word is read as the month.
    CDaylightTime noDay = Transition("(1.Mar.2:00)");
    EXPECT_EQ(noDay.GetWeekday(), 0);
    EXPECT_EQ(noDay.GetMonth(), 3);
    EXPECT_EQ(Transition("(Foo.3.1:00)").GetMonth(), 0);
    EXPECT_EQ(CDaylightTime().GetTag(), "0");
}

TEST(DaylightTime, ReadsOddRulesWithoutHangingOrOverrunning)
{
    // Commas separate like dots; words past the sixth are ignored.
    EXPECT_EQ(Transition("(Last,Sun,Oct,2:00)").GetTag(), "131726");
    CDaylightTime many = Transition("(1.Sun.Mar.7.2:00.9.9.9.9.9.9.9.9)");
    EXPECT_EQ(Fields(many, 2007), "2007-03-11 02:00");
    for (const char* odd : {",,,,", "(,)", "(....)", "((((", "", ")", "(1.Sun.Mar.7.2:00.,.,.,..,,)",
                            "(999999999999999999999.Sun.Mar.99999999999999.99999:99999)"}) {
        CDaylightTime t = Transition(odd);
        EXPECT_EQ(t.GetWord() & 0xF0008000u, 0u) << odd;
        t.GetTimeInYear(2026, 0);  // any word gives some moment
    }
}

TEST(DaylightTime, FindsWeekdaysInTheMonth)
{
    EXPECT_EQ(Fields(Transition("(First.Sun.Apr.2:00)"), 2001), "2001-04-01 02:00");
    EXPECT_EQ(Fields(Transition("(Last.Sun.Oct.2:00)"), 2001), "2001-10-28 02:00");
    EXPECT_EQ(Fields(Transition("(1.Sun.Mar.7.2:00)"), 2007), "2007-03-11 02:00");
    EXPECT_EQ(Fields(Transition("(2.Sun.Mar.2:00)"), 2026), "2026-03-08 02:00");
    // A fifth weekday that is not there gives the last one.
    EXPECT_EQ(Fields(Transition("(5.Sun.Feb.1:00)"), 2003), "2003-02-23 01:00");
    EXPECT_EQ(Fields(Transition("(5.Sun.Feb.1:00)"), 2004), "2004-02-29 01:00");
    EXPECT_EQ(Fields(Transition("(Last.Sun.Feb.1:00)"), 2004), "2004-02-29 01:00");
    // Counting from a day in the month's last week.
    EXPECT_EQ(Fields(Transition("(1.Fri.Mar.22.2:00)"), 2026), "2026-03-27 02:00");
    EXPECT_EQ(Fields(Transition("(1.Sat.Mar.23.23:00)"), 2026), "2026-03-28 23:00");
    // 24:00 is the end of the day, as the tz database writes it.
    EXPECT_EQ(Fields(Transition("(Last.Thu.Oct.24:00)"), 2026), "2026-10-30 00:00");
}

TEST(DaylightTime, FebruaryFollowsTheGregorianRule)
{
    EXPECT_EQ(Fields(Transition("(Last.Tue.Feb.0:00)"), 2000), "2000-02-29 00:00");
    // 2100 has no 29 February: its last Monday is the 22nd, not a 1 March.
    EXPECT_EQ(Fields(Transition("(Last.Mon.Feb.0:00)"), 2100), "2100-02-22 00:00");
    EXPECT_EQ(Fields(Transition("(5.Sun.Feb.0:00)"), 2100), "2100-02-28 00:00");
}

TEST(DaylightTime, PersianMonthsFallOnFixedDays)
{
    EXPECT_EQ(Fields(Transition("(Far.1.0:00)"), 2026), "2026-03-21 00:00");
    EXPECT_EQ(Fields(Transition("(Far.11.0:00)"), 2026), "2026-03-31 00:00");
    EXPECT_EQ(Fields(Transition("(Far.12.0:00)"), 2026), "2026-04-01 00:00");
    EXPECT_EQ(Fields(Transition("(Meh.1.0:00)"), 2026), "2026-09-22 00:00");
    EXPECT_EQ(Fields(Transition("(Meh.10.0:00)"), 2026), "2026-10-01 00:00");
    CDaylight ir = Rule("IR=3600(Far.1.0:00)-(Meh.1.0:00)");
    EXPECT_EQ(ir.GetName(), "IR");
    EXPECT_EQ(ir.DST(Utc(2026, 3, 20, 12)), 0);
    EXPECT_EQ(ir.DST(Utc(2026, 3, 21, 0)), 3600);
    EXPECT_EQ(ir.DST(Utc(2026, 9, 21, 22)), 3600);
    EXPECT_EQ(ir.DST(Utc(2026, 9, 22, 0)), 0);
}

TEST(DaylightTime, FixedDatesOutsideTheMonthRollOver)
{
    EXPECT_EQ(Fields(Transition("(Apr.31.0:00)"), 2026), "2026-05-01 00:00");
    EXPECT_EQ(Fields(Transition("(Foo.31.0:00)"), 2026), "2025-12-31 00:00");
}

TEST(DaylightTime, TransitionIsWallClockTimeAtTheGivenOffset)
{
    CDaylightTime start = Transition("(2.Sun.Mar.2:00)");
    EXPECT_EQ(start.GetTime(Utc(2026, 7, 1), -18000), Utc(2026, 3, 8, 7));
    EXPECT_EQ(start.GetTime(Utc(2026, 7, 1)), Utc(2026, 3, 8, 2));
    // The year is the one at the offset: 1 January 02:00 UTC is still 2025 in New York.
    EXPECT_EQ(start.GetTime(Utc(2026, 1, 1, 2), -18000), Utc(2025, 3, 9, 7));
}

TEST(Daylight, ParsesRuleLines)
{
    CDaylight us = Rule(kOldUS);
    EXPECT_EQ(us.GetName(), "US");
    EXPECT_EQ(us.shift, 3600);
    EXPECT_EQ(us.start.GetTag(), "131337");
    EXPECT_EQ(us.end.GetTag(), "131726");

    EXPECT_EQ(Rule("USA=3600(First.Sun.Apr.2:00)-(Last.Sun.Oct.2:00)").GetName(), "US");
    CDaylight unnamed = Rule("3600(First.Sun.Apr.2:00)-(Last.Sun.Oct.2:00)");
    EXPECT_EQ(unnamed.GetName(), "nu");
    EXPECT_EQ(unnamed.shift, 3600);
    EXPECT_EQ(Rule("A=3600(First.Sun.Apr.2:00)-(Last.Sun.Oct.2:00)").GetName(), "nu");
    EXPECT_EQ(Rule("XX=(First.Sun.Apr.2:00)-(Last.Sun.Oct.2:00)").shift, 0);
    EXPECT_EQ(Rule("LH=1800(First.Sun.Oct.2:00)-(First.Sun.Apr.2:00)").shift, 1800);
    EXPECT_EQ(Rule("XX=3600(First.Sun.Apr.2:00)").end.GetWord(), 0u);
}

TEST(Daylight, NorthernRuleIsInForceFromStartToEnd)
{
    CDaylight old = Rule(kOldUS);
    EXPECT_EQ(old.start.GetTime(Utc(2001, 7, 4)), Utc(2001, 4, 1, 2));
    EXPECT_EQ(old.end.GetTime(Utc(2001, 7, 4)), Utc(2001, 10, 28, 2));
    EXPECT_EQ(old.DST(Utc(2001, 7, 4)), 3600);
    EXPECT_EQ(old.DST(Utc(2001, 1, 1)), 0);

    // New York: starts 02:00 standard (07:00 UTC), ends 02:00 daylight (06:00 UTC).
    CDaylight us = Rule(kUS);
    const long ny = -18000;
    CTime start = Utc(2026, 3, 8, 7), end = Utc(2026, 11, 1, 6);
    EXPECT_EQ(us.DST(start - CTimeSpan(1), ny), 0);
    EXPECT_EQ(us.DST(start, ny), 3600);
    EXPECT_EQ(us.DST(end - CTimeSpan(1), ny), 3600);
    EXPECT_EQ(us.DST(end, ny), 0);
    EXPECT_EQ(us.DST(Utc(2026, 1, 15), ny), 0);
    EXPECT_EQ(us.DST(Utc(2026, 12, 31, 23), ny), 0);
}

TEST(Daylight, SouthernRuleSpansTheTurnOfTheYear)
{
    CDaylight au = Rule(kAU);
    const long syd = 36000;
    EXPECT_EQ(au.DST(Utc(2026, 1, 15), syd), 3600);
    EXPECT_EQ(au.DST(Utc(2026, 12, 15), syd), 3600);
    EXPECT_EQ(au.DST(Utc(2026, 7, 1), syd), 0);
    // Starts Sunday 25 October 02:00 standard; ends Sunday 29 March 03:00 daylight.
    CTime start = Utc(2026, 10, 24, 16), end = Utc(2026, 3, 28, 16);
    EXPECT_EQ(au.DST(start - CTimeSpan(1), syd), 0);
    EXPECT_EQ(au.DST(start, syd), 3600);
    EXPECT_EQ(au.DST(end - CTimeSpan(1), syd), 3600);
    EXPECT_EQ(au.DST(end, syd), 0);
    // New Year in Sydney comes while 31 December is still running in UTC.
    EXPECT_EQ(au.DST(Utc(2026, 12, 31, 13, 30), syd), 3600);
}

TEST(Daylight, RuleWithoutShiftNeverSaves)
{
    EXPECT_EQ(CDaylight().DST(Utc(2026, 7, 1)), 0);
    EXPECT_EQ(Rule("NO=0(First.Sun.Apr.2:00)-(Last.Sun.Oct.2:00)").DST(Utc(2026, 7, 1)), 0);
}

TEST(Daylight, AnswersTheSameWhateverTheMachineTimeZone)
{
    CDaylight us = Rule(kUS), au = Rule(kAU);
    const char* saved = std::getenv("TZ");
    std::string old = saved ? saved : "";
    std::vector<int> first;
    // Rule strings rather than zone names: no tz database, whatever its version, is read.
    for (const char* tz : {"UTC0", "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45", "EST5EDT,M3.2.0,M11.1.0",
                           "<+0545>-5:45"}) {
        setenv("TZ", tz, 1);
        tzset();
        std::vector<int> answers;
        for (int64_t t = Utc(2026, 1, 1).GetTime(); t < Utc(2027, 1, 1).GetTime(); t += 3600 * 7)
            answers.push_back(us.DST(CTime::FromSeconds(t), -18000) + 2 * au.DST(CTime::FromSeconds(t), 36000));
        if (first.empty()) first = answers;
        EXPECT_EQ(answers, first) << tz;
    }
    if (saved) setenv("TZ", old.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}

TEST(Daylight, TagsRoundTrip)
{
    CDaylight old = Rule(kOldUS);
    EXPECT_EQ(old.GetTag(), "US3600|131337|131726");
    CDaylight back;
    back.SetTag("US3600|131337|131726");
    EXPECT_TRUE(back == old);
    EXPECT_EQ(back.GetName(), "US");
    EXPECT_EQ(back.GetTag(), old.GetTag());

    EXPECT_EQ(CDaylight().GetTag(), "nu0");
    CDaylight none = Rule(kUS);
    none.SetTag("nu0");
    EXPECT_TRUE(none == CDaylight());
    EXPECT_EQ(none.GetTag(), "nu0");

    CDaylight lh = Rule("LH=1800(First.Sun.Oct.2:00)-(First.Sun.Apr.2:00)");
    CDaylight lhBack;
    lhBack.SetTag(lh.GetTag());
    EXPECT_TRUE(lhBack == lh);

    CDaylightTime t;
    t.SetTag("131726xyz");
    EXPECT_EQ(t, Transition("(Last.Sun.Oct.2:00)"));
    for (const char* odd : {"", "U", "US", "US3600", "US3600|", "US3600|12|", "|||"}) {
        CDaylight d;
        d.SetTag(odd);
        d.DST(Utc(2026, 6, 1));
    }
}

TEST(Daylight, EqualityIgnoresNames)
{
    CDaylight a = Rule(kOldUS);
    CDaylight b = Rule("CA=3600(First.Sun.Apr.2:00)-(Last.Sun.Oct.2:00)");
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a == Rule(kUS));
    EXPECT_FALSE(a == Rule("CA=1800(First.Sun.Apr.2:00)-(Last.Sun.Oct.2:00)"));
    EXPECT_TRUE(Rule("AA=0(First.Sun.Apr.2:00)-(Last.Sun.Oct.2:00)") == CDaylight());
}

TEST(DaylightArray, ReadsTheRuleSectionAndFindsByName)
{
    std::filesystem::path file = std::filesystem::temp_directory_path() /
                                 ("kq_daylight_" + std::to_string(::getpid()) + ".txt");
    {
        std::ofstream out(file, std::ios::binary);
        out << "[Daylight]\r\n" << kUS << "\r\n\r\n  " << kAU << "\r\n[Zones]\r\n(GMT) London\r\n";
    }
    CReadOnly reader(file.string());
    CDaylightArray rules;
    rules.Load(reader);
    ASSERT_EQ(rules.GetSize(), 2);
    EXPECT_EQ(rules.GetAt(1).GetName(), "AU");
    EXPECT_TRUE(rules.Find("US") == Rule(kUS));
    EXPECT_TRUE(rules.Find("AUS") == Rule(kAU));
    EXPECT_EQ(rules.Find("us").shift, 0);
    EXPECT_EQ(rules.Find("EU").shift, 0);
    EXPECT_EQ(rules.Find("U").shift, 0);
    EXPECT_EQ(reader.GetLine(), "(GMT) London");  // the zone title was consumed
    std::filesystem::remove(file);
}
