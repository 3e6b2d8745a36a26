// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped TimeZones.txt against the machine's tz database, hour by hour for 2025-2030, with
// the process's own time zone set elsewhere while the table answers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>

#include "kestrum/timezone.h"

namespace {

const char kShipped[] = KQ_SOURCE_DIR "/kestrum/timezone/TimeZones.txt";
const char kZoneTab[] = "/usr/share/zoneinfo/zone.tab";

class ProcessZone {
public:
    ProcessZone()
    {
        const char* tz = std::getenv("TZ");
        m_had = tz != nullptr;
        if (tz) m_saved = tz;
    }
    ~ProcessZone()
    {
        if (m_had) setenv("TZ", m_saved.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    static void Set(const std::string& zone)
    {
        setenv("TZ", zone.c_str(), 1);
        tzset();
    }

private:
    bool m_had = false;
    std::string m_saved;
};

// City part of "City, Country" -> tz name, from the tz database's own zone list.
std::map<std::string, std::string> ZonesByCity()
{
    std::map<std::string, std::string> zones;
    std::ifstream in(kZoneTab);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string code, coordinates, name;
        std::getline(fields, code, '\t');
        std::getline(fields, coordinates, '\t');
        std::getline(fields, name, '\t');
        std::string city = name.substr(name.rfind('/') + 1);
        for (char& c : city)
            if (c == '_') c = ' ';
        zones[city] = name;
    }
    return zones;
}

// Seconds east of UTC that the process's zone gives at t.
long LocalOffset(int64_t t)
{
    time_t tt = (time_t)t;
    struct tm parts {};
    localtime_r(&tt, &parts);
    return parts.tm_gmtoff;
}

const int64_t kFirst = 1735689600;  // 2025-01-01 00:00 UTC
const int64_t kEnd = 1924992000;    // 2031-01-01 00:00 UTC

}  // namespace

TEST(ShippedTimeZones, EveryCityAgreesWithTheTzDatabase)
{
    std::map<std::string, std::string> zones = ZonesByCity();
    if (zones.empty()) GTEST_SKIP() << "no tz database at " << kZoneTab;

    CTimeZoneArray table(kShipped);
    ASSERT_GE(table.GetSize(), 300);
    ProcessZone restore;
    int checked = 0;
    for (int i = 0; i < table.GetSize(); ++i) {
        const CString& name = table.ElementAt(i).name;
        size_t comma = name.find(", ");
        ASSERT_NE(comma, CString::npos) << name;
        ASSERT_EQ(name.find(", ", comma + 1), CString::npos) << name;
        auto found = zones.find(name.substr(0, comma));
        ASSERT_NE(found, zones.end()) << name << " is not a tz database city";

        ProcessZone::Set(found->second);
        std::vector<long> expected;
        expected.reserve((size_t)((kEnd - kFirst) / 3600));
        for (int64_t t = kFirst; t < kEnd; t += 3600) expected.push_back(LocalOffset(t));

        // The table must not lean on the process's zone: answer from somewhere unrelated.
        ProcessZone::Set(i % 2 ? "Pacific/Chatham" : "America/St_Johns");
        CTimeZone zone = table.GetZone(name);
        size_t k = 0;
        for (int64_t t = kFirst; t < kEnd; t += 3600, ++k) {
            long offset = zone.GetOffset(CTime::FromSeconds(t));
            if (offset != expected[k]) {
                ADD_FAILURE() << name << " (" << found->second << ") at " << t << ": " << offset
                              << " instead of " << expected[k];
                break;
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, table.GetSize());
}

TEST(ShippedTimeZones, ChangesOf2026)
{
    CTimeZoneArray table(kShipped);
    struct Change {
        const char* city;
        int64_t at;
        long before, after;
    } changes[] = {
        {"New York, United States", 1772953200, -18000, -14400},  // 8 March 07:00 UTC
        {"New York, United States", 1793512800, -14400, -18000},  // 1 November 06:00 UTC
        {"London, United Kingdom", 1774746000, 0, 3600},          // 29 March 01:00 UTC
        {"London, United Kingdom", 1792890000, 3600, 0},          // 25 October 01:00 UTC
        {"Sydney, Australia", 1775318400, 39600, 36000},          // 4 April 16:00 UTC
        {"Sydney, Australia", 1791043200, 36000, 39600},          // 3 October 16:00 UTC
        {"Santiago, Chile", 1775358000, -10800, -14400},          // 5 April 03:00 UTC
        {"Santiago, Chile", 1788667200, -14400, -10800},          // 6 September 04:00 UTC
    };
    for (const Change& c : changes) {
        ASSERT_GE(table.Find(c.city), 0) << c.city;
        CTimeZone zone = table.GetZone(c.city);
        EXPECT_EQ(zone.GetOffset(CTime::FromSeconds(c.at - 1)), c.before) << c.city << " " << c.at;
        EXPECT_EQ(zone.GetOffset(CTime::FromSeconds(c.at)), c.after) << c.city << " " << c.at;
        EXPECT_EQ(zone.GetSeconds(CTime::FromSeconds(c.at)), -c.after);
    }
}

TEST(ShippedTimeZones, LinesReadAsCityAndCountry)
{
    CTimeZoneArray table(kShipped);
    EXPECT_EQ(table.GetZone("New York, United States").rule.GetName(), "US");
    EXPECT_EQ(table.GetZone("Kolkata, India").offset, 19800);
    EXPECT_EQ(table.GetZone("Kolkata, India").rule.shift, 0);
    EXPECT_EQ(table.GetZone("Chatham, New Zealand").offset, 45900);
    EXPECT_EQ(table.GetZone("Lord Howe, Australia").rule.shift, 1800);
    // Names go into the clock's restart line between brackets and into its title up to a ','.
    for (int i = 0; i < table.GetSize(); ++i) {
        const CString& name = table.ElementAt(i).name;
        EXPECT_EQ(name.find_first_of("()[]|\t"), CString::npos) << name;
    }
}
