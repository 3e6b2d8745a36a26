// SPDX-License-Identifier: GPL-3.0-or-later
// "Solar Time" is apparent solar time at the principal city of the system's zone, checked against
// an independent solar model; the zone tables are the test's own, not the machine's.
#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include "core/Countdown.h"
#include "core/SolarTime.h"
#include "platform/CTime.h"
#include "TestTime.h"

namespace fs = std::filesystem;

namespace {

const char kZone1970[] =
    "# tz zone descriptions, a few of them\n"
    "#codes\tcoordinates\tTZ\tcomments\n"
    "FR,MC\t+4852+00220\tEurope/Paris\n"
    "IN\t+2232+08822\tAsia/Kolkata\n"
    "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\r\n"
    "NZ\t-3652+17446\tPacific/Auckland\tmost of New Zealand\n"
    "DE,DK,NO,SE,SJ\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
    "XX\t+9999+99999\tEtc/Broken\n";
// zone.tab keeps the zones that zone1970.tab folds into others.
const char kZoneTab[] = "NO\t+5955+01045\tEurope/Oslo\n";

// The equation of time in minutes after the NOAA solar calculator's series (eccentricity and
// obliquity as polynomials in Julian centuries), a different model from the program's.
double NoaaEquationOfTime(int64_t utc)
{
    const double rad = M_PI / 180;
    const double jc = ((double)utc / 86400.0 + 2440587.5 - 2451545.0) / 36525.0;
    const double l0 = std::fmod(280.46646 + jc * (36000.76983 + jc * 0.0003032), 360.0) * rad;
    const double m = (357.52911 + jc * (35999.05029 - 0.0001537 * jc)) * rad;
    const double e = 0.016708634 - jc * (0.000042037 + 0.0000001267 * jc);
    const double obliquity = 23 + (26 + (21.448 - jc * (46.815 + jc * (0.00059 - jc * 0.001813))) / 60) / 60 +
                             0.00256 * std::cos((125.04 - 1934.136 * jc) * rad);
    const double y = std::pow(std::tan(obliquity * rad / 2), 2);
    return 4 / rad *
           (y * std::sin(2 * l0) - 2 * e * std::sin(m) + 4 * e * y * std::sin(m) * std::cos(2 * l0) -
            0.5 * y * y * std::sin(4 * l0) - 1.25 * e * e * std::sin(2 * m));
}

// Seconds of the day shown by "h:mm:ss AM solar".
int ShownSeconds(const CString& text)
{
    int h = 0, m = 0, s = 0;
    char half[3] = {};
    EXPECT_EQ(std::sscanf(text.c_str(), "%d:%d:%d %2s solar", &h, &m, &s, half), 4) << text;
    return (h % 12 + (half[0] == 'P' ? 12 : 0)) * 3600 + m * 60 + s;
}

// The test's zone folder as TZDIR, and TZ as the test sets it; both restored afterwards.
class SystemZone : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"TZ", "TZDIR"})
            if (const char* v = std::getenv(name)) saved.emplace_back(name, v);
        fs::create_directories(dir);
        std::ofstream(dir / "zone1970.tab") << kZone1970;
        std::ofstream(dir / "zone.tab") << kZoneTab;
        setenv("TZDIR", dir.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("TZ");
        unsetenv("TZDIR");
        for (const auto& [name, value] : saved) setenv(name.c_str(), value.c_str(), 1);
        fs::remove_all(dir);
    }
    bool Longitude(const std::string& tz, double& east)
    {
        setenv("TZ", tz.c_str(), 1);
        return SystemTimeSource().ZoneLongitude(east);
    }
    fs::path dir = fs::temp_directory_path() / ("markwheel-tz-" + std::to_string(getpid()));
    std::vector<std::pair<std::string, std::string>> saved;
};

}  // namespace

TEST_F(SystemZone, LongitudeOfTheZonesPrincipalCity)
{
    double east = 0;
    ASSERT_TRUE(Longitude("Europe/Paris", east));
    EXPECT_NEAR(east, 2 + 20 / 60.0, 1e-9);
    ASSERT_TRUE(Longitude(":America/New_York", east));   // seconds, west, a line ending in CR
    EXPECT_NEAR(east, -(74 + 0 / 60.0 + 23 / 3600.0), 1e-9);
    ASSERT_TRUE(Longitude((dir / "Pacific/Auckland").string(), east));   // a path into the folder
    EXPECT_NEAR(east, 174 + 46 / 60.0, 1e-9);
    ASSERT_TRUE(Longitude((dir / "right/Pacific/Auckland").string(), east));   // the folder's copies
    EXPECT_NEAR(east, 174 + 46 / 60.0, 1e-9);
    ASSERT_TRUE(Longitude("Europe/Oslo", east));   // only in zone.tab
    EXPECT_NEAR(east, 10 + 45 / 60.0, 1e-9);
    for (const char* unknown : {"Asia/Nowhere", "Europe/Par", "CET-1CEST", "Etc/Broken", "", "../etc/passwd"})
        EXPECT_FALSE(Longitude(unknown, east)) << unknown;
}

TEST(SolarTime, WithinAMinuteOfAnIndependentModel)
{
    // The reference model itself: the year's extremes of the equation of time (about -14.2 min
    // in mid-February, +16.4 min at the start of November).
    EXPECT_NEAR(NoaaEquationOfTime(Utc(2026, 2, 11, 12)), -14.2, 0.2);
    EXPECT_NEAR(NoaaEquationOfTime(Utc(2026, 11, 3, 12)), 16.4, 0.2);

    MarkwheelData d;
    d.mode = modeSolarTime;
    FakeTime place;
    place.known = true;
    int worst = 0;
    for (double east : {2 + 20 / 60.0, -(74 + 23 / 3600.0), 174 + 46 / 60.0, 88 + 22 / 60.0}) {
        place.east = east;
        for (int64_t t = Utc(1990, 1, 1); t < Utc(2060, 1, 1); t += 86400 * 11 + 3671) {
            const double expected = std::fmod((double)(t % 86400) + east * 240 + NoaaEquationOfTime(t) * 60 + 86400 * 2,
                                              86400.0);
            const CString text = ComposeDisplay(d, t * 1000, place).lines[2];
            double diff = std::fabs(ShownSeconds(text) - expected);
            diff = std::min(diff, 86400 - diff);
            worst = std::max(worst, (int)diff);
            ASSERT_LT(diff, 60) << text << " at " << t << ", longitude " << east;
        }
    }
    EXPECT_LT(worst, 60);

    // Noon in Paris comes near 12:00 UTC minus its 9 minutes of longitude and the day's equation.
    place.east = 2 + 20 / 60.0;
    EXPECT_EQ(ComposeDisplay(d, Utc(2026, 11, 3, 11, 35) * 1000, place).lines[2].substr(0, 5), "12:00");
    // Without a known zone, the fixed offset of before.
    place.known = false;
    EXPECT_EQ(ComposeDisplay(d, Utc(2026, 11, 3, 10, 0) * 1000, place).lines[2], "10:26:58 AM solar");
}
