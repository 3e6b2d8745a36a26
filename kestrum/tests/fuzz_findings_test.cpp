// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the fuzz targets found troublesome, kept as regression cases.
#include <gtest/gtest.h>
#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include "kestrum/alarm.h"
#include "kestrum/clockline.h"
#include "kestrum/daylight.h"
#include "kestrum/timezone.h"

namespace {
CString Bytes(const char* s, size_t n) { return CString(s, n); }
}  // namespace

TEST(FuzzFindingsTags, ZeroByteInRuleNameSurvivesZoneTag)
{
    // A restart line whose zone tag holds a zero byte in the rule name.
    const char line[] = "/opt/dialwake/bin/dialw!a_ke /p(10,20,130,140)/tz(3633333333333333300|n\0"
                        "10/p(1,2,3,4)/t/a(100|nu0)/n(Oslo, Norway)";
    ClockCommand cmd = ParseClockCommand(Bytes(line, sizeof line - 1));
    ASSERT_TRUE(cmd.hasZone);
    CTimeZone zone;
    zone.SetTag(cmd.zone);
    EXPECT_EQ(zone.rule.shift, 10);
    CTimeZone back;
    back.SetTag(zone.GetTag());
    EXPECT_TRUE(back == zone);
    EXPECT_EQ(back.rule.shift, 10);
}

TEST(FuzzFindingsTags, BarInRuleNameKeepsTransitions)
{
    const char text[] = "\x0c\x00|AEG=+600(\xff\xff\xff\xff\xff\xff\xff\xff\x9c\x8c";
    CDaylight rule;
    rule.Load(Bytes(text, sizeof text - 1));
    CDaylight back;
    back.SetTag(rule.GetTag());
    EXPECT_TRUE(back == rule);

    CDaylight named;
    named.SetTag("|x3600|131337|131726");
    EXPECT_EQ(named.shift, 3600);
    EXPECT_EQ(named.start.GetWord(), 131337u);
    EXPECT_EQ(named.end.GetWord(), 131726u);
}

TEST(FuzzFindingsTags, AlarmMessageWithZeroByteRoundTrips)
{
    CAlarm alarm;
    alarm.SetTag(Bytes("5|a\0b", 5));
    CAlarm back;
    back.SetTag(alarm.GetTag());
    EXPECT_EQ(back.message, alarm.message);
    EXPECT_EQ(back.message.size(), 3u);
}

TEST(FuzzFindingsTags, AlarmFarInThePastOrFutureDoesNotOverflow)
{
    CAlarm past;
    past.SetTag("-9223372036854775807|x");
    EXPECT_LT(past.Compare(CTime::FromSeconds(1700000000)).GetTotalSeconds(), 0);
    CAlarm future;
    future.SetTag("9223372036854775807|x");
    EXPECT_GT(future.Compare(CTime::FromSeconds(-1700000000)).GetTotalSeconds(), 0);
    CAlarm soon;
    soon.SetTag("1700000060|tea");
    EXPECT_EQ(soon.Compare(CTime::FromSeconds(1700000000)).GetTotalSeconds(), 60);
}

TEST(TimeZoneFileLimits, LongFileLoadsInLinearTime)
{
    // Every city once compared with every other: 200000 lines took minutes.
    std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("long-zones-" + std::to_string(getpid()) + ".txt");
    {
        std::ofstream out(file);
        // Many rules too: each zone line names one of them.
        out << "[Daylight]\nUS=3600(2.Sun.Mar.2:00)-(First.Sun.Nov.2:00)\n";
        for (int i = 0; i < 100000; ++i) out << "Q" << (char)('a' + i % 26) << "=1800(Mar.1.0:00)-(Oct.1.0:00)\n";
        out << "[Zones]\n";
        for (int i = 0; i < 200000; ++i)
            out << "(GMT+" << i % 14 << ":" << (i % 4) * 15 << ") City " << i << (i % 2 ? " DST=US" : "") << "\n";
        out << "(GMT+01:00) city 7\n(GMT+1:15) Last DST=US\n";
    }
    auto t0 = std::chrono::steady_clock::now();
    CTimeZoneArray table(CString(file.string()));
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::filesystem::remove(file);
    EXPECT_LT(seconds, 30.0);
    // The first city of a name wins, letter case aside; equal zones are shared.
    EXPECT_EQ(table.GetSize(), 200001);
    EXPECT_EQ(table.GetZoneCount(), 28);  // i % 28 decides offset and rule
    EXPECT_EQ(table.GetZone("CITY 7").offset, 7 * 3600 + 3 * 15 * 60);
    EXPECT_EQ(table.Find("Last"), table.Find("City 1"));
    EXPECT_NE(table.Find("City 2"), table.Find("City 1"));
    EXPECT_EQ(table.GetZone("City 1").rule.shift, 3600);
    EXPECT_EQ(table.GetZone("City 2").rule.shift, 0);
}
