// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped TimeZones.txt: against the machine's tz database hour by hour for 2025-2030 when the
// machine has the tzdata the table was made from, and always against the change instants of the
// published daylight-saving rules of 2025-2027, worked out here without any tz database.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>
#include <vector>

#include "kestrum/timezone.h"

namespace {

const char kShipped[] = KQ_SOURCE_DIR "/kestrum/timezone/TimeZones.txt";
const char kZoneTab[] = "/usr/share/zoneinfo/zone.tab";
const char kTzdataZi[] = "/usr/share/zoneinfo/tzdata.zi";

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

// The tzdata version the shipped table was made from, as its notes give it.
std::string TableVersion()
{
    std::ifstream in(kShipped);
    const std::string lead = "Made by tools/make_timezones.py from tzdata ";
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(lead, 0) == 0) return line.substr(lead.size(), line.find(':') - lead.size());
    return std::string();
}

// The machine's tzdata version, from the first line of tzdata.zi ("# version 2025b").
std::string MachineVersion()
{
    std::ifstream in(kTzdataZi);
    std::string line;
    std::getline(in, line);
    const std::string lead = "# version ";
    return line.rfind(lead, 0) == 0 ? line.substr(lead.size()) : std::string();
}

}  // namespace

TEST(ShippedTimeZones, NotesNameTheTzdataVersion)
{
    const std::string version = TableVersion();
    ASSERT_GE(version.size(), 5u) << "no \"Made by ... from tzdata\" line in the notes";
    EXPECT_TRUE(std::isdigit((unsigned char)version[0]) && std::isalpha((unsigned char)version.back())) << version;
}

TEST(ShippedTimeZones, EveryCityAgreesWithTheTzDatabase)
{
    // Zones change their rules from one tzdata release to the next (Moldova moved its change
    // hour, for one): an hourly comparison holds only against the release the table came from.
    const std::string made = TableVersion(), machine = MachineVersion();
    if (machine.empty()) GTEST_SKIP() << "no tz database version at " << kTzdataZi;
    if (machine != made)
        GTEST_SKIP() << "TimeZones.txt was made from tzdata " << made << ", this machine has tzdata " << machine
                     << "; remake the table with tools/make_timezones.py to compare it hour by hour";
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

namespace {

// Seconds since 1970 of a UTC date and time, by the civil calendar alone.
int64_t Utc(int y, int m, int d, int h, int mi = 0)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return ((era * 146097 + doe - 719468) * 24 + h) * 3600 + mi * 60;
}

struct City {
    const char* name;
    long standard, daylight;
};

// Zones that change their clocks at the same instants, and those instants of 2025, 2026, 2027
// (UTC), read off the published rules.
struct RuleGroup {
    const char* rule;
    std::vector<City> cities;
    int64_t on[3], off[3];
};

const std::vector<RuleGroup>& Groups()
{
    static const std::vector<RuleGroup> groups = {
        {"second Sunday of March 2:00 to first Sunday of November 2:00, local time",
         {{"New York, United States", -18000, -14400}},
         {Utc(2025, 3, 9, 7), Utc(2026, 3, 8, 7), Utc(2027, 3, 14, 7)},
         {Utc(2025, 11, 2, 6), Utc(2026, 11, 1, 6), Utc(2027, 11, 7, 6)}},
        {"last Sunday of March to last Sunday of October, 1:00 UTC",
         {{"London, United Kingdom", 0, 3600},
          {"Paris, France", 3600, 7200},
          {"Athens, Greece", 7200, 10800},
          {"Azores, Portugal", -3600, 0},
          {"Nuuk, Greenland", -7200, -3600},
          {"Troll, Antarctica", 0, 7200}},
         {Utc(2025, 3, 30, 1), Utc(2026, 3, 29, 1), Utc(2027, 3, 28, 1)},
         {Utc(2025, 10, 26, 1), Utc(2026, 10, 25, 1), Utc(2027, 10, 31, 1)}},
        {"first Sunday of October 2:00 to first Sunday of April 3:00, local time",
         {{"Sydney, Australia", 36000, 39600}, {"Hobart, Australia", 36000, 39600}},
         {Utc(2025, 10, 4, 16), Utc(2026, 10, 3, 16), Utc(2027, 10, 2, 16)},
         {Utc(2025, 4, 5, 16), Utc(2026, 4, 4, 16), Utc(2027, 4, 3, 16)}},
        {"half an hour, first Sunday of October to first Sunday of April, 2:00 local time",
         {{"Lord Howe, Australia", 37800, 39600}},
         {Utc(2025, 10, 4, 15, 30), Utc(2026, 10, 3, 15, 30), Utc(2027, 10, 2, 15, 30)},
         {Utc(2025, 4, 5, 15), Utc(2026, 4, 4, 15), Utc(2027, 4, 3, 15)}},
        {"last Sunday of September 2:00 to first Sunday of April 3:00, New Zealand time",
         {{"Auckland, New Zealand", 43200, 46800}, {"Chatham, New Zealand", 45900, 49500}},
         {Utc(2025, 9, 27, 14), Utc(2026, 9, 26, 14), Utc(2027, 9, 25, 14)},
         {Utc(2025, 4, 5, 14), Utc(2026, 4, 4, 14), Utc(2027, 4, 3, 14)}},
        {"first Sunday from 2 September 4:00 UTC to first Sunday from 2 April 3:00 UTC",
         {{"Santiago, Chile", -14400, -10800}, {"Easter, Chile", -21600, -18000}},
         {Utc(2025, 9, 7, 4), Utc(2026, 9, 6, 4), Utc(2027, 9, 5, 4)},
         {Utc(2025, 4, 6, 3), Utc(2026, 4, 5, 3), Utc(2027, 4, 4, 3)}},
        {"last Friday of April 0:00 to last Thursday of October 24:00, local time",
         {{"Cairo, Egypt", 7200, 10800}},
         {Utc(2025, 4, 24, 22), Utc(2026, 4, 23, 22), Utc(2027, 4, 29, 22)},
         {Utc(2025, 10, 30, 21), Utc(2026, 10, 29, 21), Utc(2027, 10, 28, 21)}},
        {"Friday from 23 March 2:00 to last Sunday of October 2:00, local time",
         {{"Jerusalem, Israel", 7200, 10800}},
         {Utc(2025, 3, 28, 0), Utc(2026, 3, 27, 0), Utc(2027, 3, 26, 0)},
         {Utc(2025, 10, 25, 23), Utc(2026, 10, 24, 23), Utc(2027, 10, 30, 23)}},
        {"last Sunday of March 0:00 to last Sunday of October 0:00, local time",
         {{"Beirut, Lebanon", 7200, 10800}},
         {Utc(2025, 3, 29, 22), Utc(2026, 3, 28, 22), Utc(2027, 3, 27, 22)},
         {Utc(2025, 10, 25, 21), Utc(2026, 10, 24, 21), Utc(2027, 10, 30, 21)}},
        {"no daylight saving",
         {{"Tokyo, Japan", 32400, 32400},
          {"Kolkata, India", 19800, 19800},
          {"Johannesburg, South Africa", 7200, 7200},
          {"Nairobi, Kenya", 10800, 10800},
          {"Sao Paulo, Brazil", -10800, -10800},
          {"Asuncion, Paraguay", -10800, -10800}},
         {},
         {}},
    };
    return groups;
}

}  // namespace

TEST(ShippedTimeZones, ChangesOf2025To2027FollowThePublishedRules)
{
    CTimeZoneArray table(kShipped);
    int cities = 0;
    for (const RuleGroup& g : Groups()) {
        for (const City& c : g.cities) {
            ASSERT_GE(table.Find(c.name), 0) << c.name;
            ++cities;
            CTimeZone zone = table.GetZone(c.name);
            // Each change, to the second.
            for (int y = 0; y < 3 && g.on[0]; ++y) {
                for (auto [at, before, after] : {std::tuple{g.on[y], c.standard, c.daylight},
                                                 std::tuple{g.off[y], c.daylight, c.standard}}) {
                    EXPECT_EQ(zone.GetOffset(CTime::FromSeconds(at - 1)), before) << c.name << " at " << at;
                    EXPECT_EQ(zone.GetOffset(CTime::FromSeconds(at)), after) << c.name << " at " << at;
                    EXPECT_EQ(zone.GetSeconds(CTime::FromSeconds(at)), -after) << c.name << " at " << at;
                }
            }
            // And every hour in between: summer time from each change on to the next change off.
            std::vector<std::pair<int64_t, bool>> changes;
            for (int y = 0; y < 3 && g.on[0]; ++y) changes.push_back({g.on[y], true}), changes.push_back({g.off[y], false});
            std::sort(changes.begin(), changes.end());
            const bool south = g.on[0] > g.off[0];   // January is summer
            for (int64_t t = Utc(2025, 1, 1, 0); t < Utc(2028, 1, 1, 0); t += 3600) {
                bool daylight = south;
                for (const auto& [at, on] : changes)
                    if (at <= t) daylight = on;
                long expected = daylight ? c.daylight : c.standard;
                long offset = zone.GetOffset(CTime::FromSeconds(t));
                if (offset != expected) {
                    ADD_FAILURE() << c.name << " (" << g.rule << ") at " << t << ": " << offset << " instead of "
                                  << expected;
                    break;
                }
            }
        }
    }
    EXPECT_GE(cities, 20);
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
