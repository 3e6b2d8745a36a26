// SPDX-License-Identifier: GPL-3.0-or-later
// The zone table: zone lines, the file's sections, lookups, tags and finding the file.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "kestrum/timezone.h"
#include "platform/MessageBox.h"

namespace fs = std::filesystem;

namespace {

const char kRules[] =
    "[Daylight]\n"
    "US=3600(2.Sun.Mar.2:00)-(First.Sun.Nov.2:00)\n"
    "CA=3600(2.Sun.Mar.2:00)-(First.Sun.Nov.2:00)\n"
    "WE=3600(Last.Sun.Mar.1:00)-(Last.Sun.Oct.2:00)\n"
    "AU=3600(First.Sun.Oct.2:00)-(First.Sun.Apr.3:00)\n"
    "[Zones]\n";

class TimeZoneTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("kq_timezone_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        CTimeZoneArray::SetFileFinder(nullptr);
        CTimeZoneArray::SetFilePath("");
        SetMessageBoxAnswerer(nullptr);
        fs::remove_all(m_dir);
    }
    CString Write(const std::string& name, const std::string& text)
    {
        fs::path p = m_dir / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
    fs::path m_dir;
};

CTimeZone ZoneOf(const char* line)
{
    CTimeZone z;
    z.Load(line);
    return z;
}

CTime Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return CTime::FromUtc(y, mo, d, h, mi, s);
}

CTimeZone NewYork()
{
    CTimeZone z;
    z.offset = -18000;
    z.rule.Load("US=3600(2.Sun.Mar.2:00)-(First.Sun.Nov.2:00)");
    return z;
}

}  // namespace

TEST(TimeZone, ReadsTheOffsetFromTheLabel)
{
    EXPECT_EQ(ZoneOf("(GMT+05:30) Bombay").offset, 19800);
    EXPECT_EQ(ZoneOf("(GMT-03:30) Newfoundland DST=CA").offset, -12600);
    EXPECT_EQ(ZoneOf("(GMT-05:00) New York, United States").offset, -18000);
    EXPECT_EQ(ZoneOf("(GMT+12:45) Chatham, New Zealand").offset, 45900);
    EXPECT_EQ(ZoneOf("(GMT+5) Somewhere").offset, 18000);
    EXPECT_EQ(ZoneOf("(GMT) London").offset, 0);
    EXPECT_EQ(ZoneOf("London").offset, 0);
    EXPECT_EQ(ZoneOf("(GMT+xx:yy) Nowhere").offset, 0);
    // Whole seconds even where the hours are not exact in binary.
    EXPECT_EQ(ZoneOf("(GMT+05:20) Somewhere").offset, 19200);
    EXPECT_EQ(ZoneOf("(GMT-00:20) Somewhere").offset, -1200);
}

TEST(TimeZone, SecondsToUtcFollowTheRule)
{
    CTimeZone ny = NewYork();
    EXPECT_EQ(ny.GetSeconds(Utc(2026, 1, 15)), 18000);
    EXPECT_EQ(ny.GetSeconds(Utc(2026, 7, 15)), 14400);
    EXPECT_EQ(ny.GetOffset(Utc(2026, 7, 15)), -14400);
    EXPECT_EQ(ny.GetSeconds(Utc(2026, 3, 8, 6, 59, 59)), 18000);
    EXPECT_EQ(ny.GetSeconds(Utc(2026, 3, 8, 7)), 14400);
    EXPECT_EQ(CTimeZone().GetSeconds(Utc(2026, 7, 15)), 0);
}

TEST(TimeZone, TagsRoundTrip)
{
    CTimeZone ny = NewYork();
    EXPECT_EQ(ny.GetTag(), "-18000|US3600|131274|131785");
    CTimeZone back;
    back.SetTag(ny.GetTag());
    EXPECT_TRUE(back == ny);
    EXPECT_EQ(back.GetTag(), ny.GetTag());

    EXPECT_EQ(CTimeZone().GetTag(), "0|nu0");
    CTimeZone india;
    india.SetTag("19800|nu0");
    EXPECT_EQ(india.offset, 19800);
    EXPECT_TRUE(india.rule == CDaylight());
    CTimeZone bare;
    bare.SetTag("-3600");
    EXPECT_EQ(bare.offset, -3600);
    EXPECT_EQ(bare.rule.shift, 0);
    CTimeZone junk = ny;
    junk.SetTag("junk");
    EXPECT_TRUE(junk == CTimeZone());
}

TEST(TimeZone, EqualityNeedsOffsetAndRule)
{
    CTimeZone a = NewYork(), b = NewYork();
    b.rule.name[0] = 'X';
    EXPECT_TRUE(a == b);
    b.offset = -21600;
    EXPECT_FALSE(a == b);
    CTimeZone c = NewYork();
    c.rule.shift = 1800;
    EXPECT_FALSE(a == c);
}

TEST_F(TimeZoneTable, LoadsRulesZonesAndCities)
{
    CTimeZoneArray table(Write("TimeZones.txt", std::string(kRules) +
        "(GMT-05:00) New York, United States DST=US\n"
        "(GMT-05:00)\tToronto, Canada\tDST=CA\n"
        "(GMT-05:00) DST=US Detroit, United States\n"
        "(GMT-05:00) Bogota, Colombia\n"
        "(GMT+05:30) Kolkata, India\n"
        "(GMT) London DST=WE\n"
        "(GMT+01:00) Paris\n"
        "(GMT+02:00) PARIS\n"
        "(GMT-05:00) Lima, Peru DST=ZZ\n"
        "  Nowhere Land  \n"
        "(GMT+10:00) Sydney, Australia DST=AU"));
    ASSERT_EQ(table.GetSize(), 10);
    EXPECT_EQ(table.ElementAt(0).name, "New York, United States");
    EXPECT_EQ(table.ElementAt(1).name, "Toronto, Canada");
    EXPECT_EQ(table.ElementAt(2).name, "Detroit, United States");
    EXPECT_EQ(table.ElementAt(8).name, "Nowhere Land");
    EXPECT_EQ(table.ElementAt(9).name, "Sydney, Australia");  // no final line break

    // Same offset and equal rules share a zone, whatever the rules are called.
    EXPECT_EQ(table.Find("new york, united states"), table.Find("Toronto, Canada"));
    EXPECT_EQ(table.Find("Detroit, United States"), table.Find("New York, United States"));
    // Same offset, other rule (none): another zone; an unknown rule name means none.
    EXPECT_NE(table.Find("Bogota, Colombia"), table.Find("New York, United States"));
    EXPECT_EQ(table.Find("Lima, Peru"), table.Find("Bogota, Colombia"));
    EXPECT_EQ(table.GetZoneCount(), 7);
    for (int i = 0; i < table.GetSize(); ++i) {
        ASSERT_GE(table.ElementAt(i).zone, 0);
        ASSERT_LT(table.ElementAt(i).zone, table.GetZoneCount());
    }

    // The first city of a name wins.
    EXPECT_EQ(table.FindCity("paris"), 6);
    EXPECT_EQ(table.GetZone("PARIS").offset, 3600);

    EXPECT_EQ(table.GetZone("Kolkata, India").offset, 19800);
    EXPECT_EQ(table.GetZone("Kolkata, India").rule.shift, 0);
    CTimeZone london = table.GetZone("London");
    EXPECT_EQ(london.offset, 0);
    EXPECT_EQ(london.rule.GetName(), "WE");
    EXPECT_EQ(london.GetSeconds(Utc(2026, 7, 1)), -3600);
    EXPECT_EQ(table.GetZone("Nowhere Land").offset, 0);

    EXPECT_EQ(table.Find("Atlantis"), -1);
    CTimeZone unknown = table.GetZone("Atlantis");
    EXPECT_TRUE(unknown == CTimeZone());
    EXPECT_EQ(unknown.GetSeconds(Utc(2026, 7, 1)), 0);
    EXPECT_EQ(table.Find(NewYork()), table.Find("New York, United States"));
    CTimeZone other;
    other.offset = 123;
    EXPECT_EQ(table.Find(other), -1);
}

TEST_F(TimeZoneTable, SectionsAndLineEndings)
{
    // CR LF endings, blank lines, no section title before the rules, a closing section.
    CTimeZoneArray table(Write("crlf.txt",
        "US=3600(2.Sun.Mar.2:00)-(First.Sun.Nov.2:00)\r\n\r\n"
        "[Zones]\r\n"
        "(GMT-05:00) New York DST=US\r\n"
        "\r\n"
        "(GMT-06:00) Chicago DST=US\r\n"
        "[Notes]\r\n"
        "(GMT+01:00) Not a city\r\n"));
    ASSERT_EQ(table.GetSize(), 2);
    EXPECT_EQ(table.ElementAt(1).name, "Chicago");
    EXPECT_EQ(table.GetZone("New York").rule.shift, 3600);
    EXPECT_EQ(table.GetZone("New York").GetSeconds(Utc(2026, 7, 1)), 14400);
    EXPECT_EQ(table.Find("Not a city"), -1);

    CTimeZoneArray empty(Write("empty.txt", ""));
    EXPECT_EQ(empty.GetSize(), 0);
    EXPECT_EQ(empty.GetZone("New York").offset, 0);

    CTimeZoneArray missing((m_dir / "no-such-file.txt").string());
    EXPECT_TRUE(missing.IsEmpty());
    EXPECT_FALSE(missing.Load((m_dir / "no-such-file.txt").string()));
}

TEST_F(TimeZoneTable, LoadingAgainAppendsOnlyNewCities)
{
    CString first = Write("a.txt", std::string(kRules) + "(GMT-05:00) New York DST=US\n(GMT+01:00) Paris\n");
    CString second = Write("b.txt", std::string(kRules) + "(GMT+02:00) Paris\n(GMT+09:00) Tokyo\n");
    CTimeZoneArray table(first);
    ASSERT_TRUE(table.Load(first));
    EXPECT_EQ(table.GetSize(), 2);
    ASSERT_TRUE(table.Load(second));
    ASSERT_EQ(table.GetSize(), 3);
    EXPECT_EQ(table.GetZone("Paris").offset, 3600);
    EXPECT_EQ(table.GetZone("Tokyo").offset, 32400);
    EXPECT_EQ(table.GetZoneCount(), 3);

    table.Unload();
    EXPECT_EQ(table.GetSize(), 0);
    EXPECT_EQ(table.GetZoneCount(), 0);
    EXPECT_EQ(table.Find("Tokyo"), -1);
}

TEST_F(TimeZoneTable, MissingFileAsksToRetryOrCancel)
{
    CString file = Write("TimeZones.txt", std::string(kRules) + "(GMT+09:00) Tokyo\n");
    CTimeZoneArray::SetFilePath("");
    int searches = 0;
    CTimeZoneArray::SetFileFinder([&] { return ++searches < 3 ? CString() : file; });
    std::vector<MessageBoxRequest> asked;
    SetMessageBoxAnswerer([&](const MessageBoxRequest& r) { asked.push_back(r); return IDRETRY; });

    CTimeZoneArray table;
    EXPECT_EQ(searches, 3);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "You are missing, TimeZones.txt, a required file.");
    EXPECT_EQ(asked[0].type & 0xF, (unsigned)MB_RETRYCANCEL);
    EXPECT_EQ(table.GetSize(), 1);
    EXPECT_EQ(CTimeZoneArray::GetFilePath(), file);

    // The path is remembered: no further search.
    CTimeZoneArray again;
    EXPECT_EQ(searches, 3);
    EXPECT_EQ(again.GetSize(), 1);

    // Cancel leaves the table as it was.
    CTimeZoneArray::SetFilePath("");
    CTimeZoneArray::SetFileFinder([] { return CString(); });
    SetMessageBoxAnswerer([&](const MessageBoxRequest&) { return IDCANCEL; });
    again.Load();
    EXPECT_EQ(again.GetSize(), 1);
    EXPECT_EQ(CTimeZoneArray::GetFilePath(), "");
}

TEST_F(TimeZoneTable, TheShippedFileIsFoundBesideTheProgram)
{
    // Run from an empty folder: the search falls back on the library's data folders.
    fs::path saved = fs::current_path();
    fs::current_path(m_dir);
    CTimeZoneArray::SetFilePath("");
    SetMessageBoxAnswerer([](const MessageBoxRequest&) { return IDCANCEL; });
    CTimeZoneArray table;
    fs::current_path(saved);
    EXPECT_FALSE(CTimeZoneArray::GetFilePath().empty());
    EXPECT_GE(table.GetSize(), 300);
    EXPECT_GE(table.Find("New York, United States"), 0);
}
