// SPDX-License-Identifier: GPL-3.0-or-later
// Day arithmetic and the texts and colours of the four modes at chosen instants, with injected zones.
#include <gtest/gtest.h>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>
#include "core/Countdown.h"
#include "platform/CTime.h"
#include "platform/Translate.h"
#include "TestTime.h"

namespace {

// New York around 2026: daylight saving from 8 March 07:00 UTC to 1 November 06:00 UTC.
long NewYork(int64_t utc)
{
    return utc >= Utc(2026, 3, 8, 7) && utc < Utc(2026, 11, 1, 6) ? -4 * 3600 : -5 * 3600;
}

// Chatham Islands: +12:45, +13:45 in its summer (from 27 September 2026 until 4 April 2027).
long Chatham(int64_t utc)
{
    return utc >= Utc(2026, 9, 26, 14) && utc < Utc(2027, 4, 3, 14) ? 13 * 3600 + 45 * 60 : 12 * 3600 + 45 * 60;
}

MarkwheelData Target(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, const char* title = "Goal")
{
    MarkwheelData t;
    t.title = title;
    t.year = y; t.month = mo; t.day = d; t.hour = h; t.minute = mi; t.second = s;
    return t;
}

CountdownResult CountAt(const MarkwheelData& t, int64_t nowMs, const FakeTime& zone = FakeTime())
{
    return CountdownAt(nowMs, TargetUtcSeconds(t, zone));
}

}  // namespace

TEST(DayNumber, FixedPointsAndYearZero)
{
    EXPECT_EQ(DayNumber(1, 1, 1), 0);
    EXPECT_EQ(DayNumber(1970, 1, 1), 719162);
    EXPECT_EQ(DayNumber(0, 1, 1), 0);
    EXPECT_EQ(DayNumber(0, 7, 19), 0);
    EXPECT_EQ(DayNumber(0, 12, 31), 0);
}

TEST(DayNumber, AgreesWithTheCivilCalendarForPositiveYears)
{
    for (int y : {1, 2, 3, 4, 99, 100, 101, 399, 400, 401, 1582, 1899, 1900, 1970, 2000, 2024, 2100, 6000}) {
        for (int m = 1; m <= 12; ++m) {
            for (int d : {1, 15, 28}) {
                ASSERT_EQ(DayNumber(y, m, d) - kDayNumber1970, DaysFromCivil(y, m, d)) << y << "-" << m << "-" << d;
            }
        }
    }
    EXPECT_EQ(DayNumber(2000, 3, 1) - DayNumber(2000, 2, 28), 2);   // 2000 is leap
    EXPECT_EQ(DayNumber(1900, 3, 1) - DayNumber(1900, 2, 28), 1);   // 1900 is not
}

TEST(DayNumber, DayIsNotCheckedAgainstTheMonth)
{
    EXPECT_EQ(DayNumber(2027, 2, 31), DayNumber(2027, 3, 3));
    EXPECT_EQ(DayNumber(2028, 2, 31), DayNumber(2028, 3, 2));
}

TEST(DayNumber, NegativeYearsMirrorTheirPositiveTwin)
{
    EXPECT_EQ(DayNumber(-1, 1, 1), 1);
    EXPECT_EQ(DayNumber(-44, 3, 15), 1 - DayNumber(44, 3, 15));
}

TEST(Countdown, AroundTheTargetSecond)
{
    MarkwheelData t = Target(2027, 1, 1);
    int64_t T = Utc(2027, 1, 1) * 1000;

    CountdownResult before = CountAt(t, T - 1500);
    EXPECT_EQ(before.text, "1.5");
    EXPECT_EQ(before.colour, kMwRed);
    EXPECT_FALSE(before.reached);

    CountdownResult at = CountAt(t, T);
    EXPECT_EQ(at.text, "0.0");
    EXPECT_EQ(at.colour, kMwRed);

    CountdownResult half = CountAt(t, T + 500);
    EXPECT_EQ(half.text, "0.5");
    EXPECT_EQ(half.colour, kMwRed);   // still the target's own second
    EXPECT_TRUE(half.reached);

    CountdownResult after = CountAt(t, T + 1500);
    EXPECT_EQ(after.text, "1.5");
    EXPECT_EQ(after.colour, kMwGreen);

    EXPECT_EQ(CountAt(t, T - 1).text, "0.0");      // 1 ms before
    EXPECT_EQ(CountAt(t, T - 999).text, "0.9");
}

TEST(Countdown, EachLargestUnitHasItsForm)
{
    MarkwheelData t = Target(2026, 1, 1);
    int64_t T = Utc(2026, 1, 1) * 1000;
    EXPECT_EQ(CountAt(t, T + 5600).text, "5.6");
    EXPECT_EQ(CountAt(t, T + (4 * 60 + 5) * 1000 + 600).text, "4:05.6");
    EXPECT_EQ(CountAt(t, T + (3 * 3600 + 4 * 60 + 5) * 1000 + 600).text, "3:04:05.6");
    EXPECT_EQ(CountAt(t, T + ((12 * 24 + 3) * 3600 + 4 * 60 + 5) * 1000LL + 600).text, "12:03:04:05.6");
    EXPECT_EQ(CountAt(t, T + ((367 * 24 + 3) * 3600 + 4 * 60 + 5) * 1000LL + 600).text, "1:002:03:04:05.6");
}

TEST(Countdown, YearsAheadCountThreeDigitDays)
{
    int64_t now = Utc(2026, 12, 9, 10) * 1000;
    // 400 days ahead at the same time of day.
    EXPECT_EQ(CountAt(Target(2028, 1, 13, 10), now).text, "1:035:00:00:00.0");
    // Exactly 366 days ahead.
    EXPECT_EQ(CountAt(Target(2027, 12, 10, 10), now).text, "1:001:00:00:00.0");
    // 365 days and a bit stay days.
    EXPECT_EQ(CountAt(Target(2027, 12, 9, 10, 0, 1), now).text, "365:00:00:01.0");
    // Many years.
    EXPECT_EQ(CountAt(Target(2126, 12, 9, 10), now).text.substr(0, 4), "99:3");
}

TEST(Countdown, TenthsBorrowFromTheSeconds)
{
    // One day ahead at 00:00:00 seen at 10:00:00.250: no day part.
    CountdownResult r = CountAt(Target(2026, 12, 10), Utc(2026, 12, 9, 10) * 1000 + 250);
    EXPECT_EQ(r.text, "13:59:59.7");
    EXPECT_EQ(r.colour, kMwRed);
}

TEST(Countdown, PassedByLessThanADayAcrossMidnight)
{
    // Passed by 18 hours, one calendar day earlier: never a negative hour.
    CountdownResult r = CountAt(Target(2026, 12, 8, 18), Utc(2026, 12, 9, 12) * 1000 + 300);
    EXPECT_EQ(r.text, "18:00:00.3");
    EXPECT_EQ(r.colour, kMwGreen);
}

TEST(Countdown, YearZeroAndNegativeYearsCountUp)
{
    int64_t now = Utc(2026, 12, 9) * 1000;
    CountdownResult zero = CountAt(Target(0, 6, 15), now);
    CountdownResult first = CountAt(Target(1, 1, 1), now);
    EXPECT_EQ(zero.text, first.text);   // same day number
    EXPECT_EQ(zero.colour, kMwGreen);
    EXPECT_EQ(CountAt(Target(-44, 3, 15), now).colour, kMwGreen);
}

TEST(Countdown, ExtremeFieldsDoNotOverflow)
{
    MarkwheelData t = Target(2147483647, 12, 31, 23, 59, 59);
    CountdownResult r = CountAt(t, Utc(2026, 1, 1) * 1000);
    EXPECT_EQ(r.colour, kMwRed);
    EXPECT_FALSE(r.text.empty());
    MarkwheelData low = Target(-2147483647 - 1, 1, 1);
    EXPECT_EQ(CountAt(low, 0).colour, kMwGreen);
}

TEST(LocalTarget, NewYearIsReachedAtLocalMidnight)
{
    FakeTime ny;
    ny.zone = NewYork;
    MarkwheelData t = Target(2027, 1, 1);
    EXPECT_EQ(TargetUtcSeconds(t, ny), Utc(2027, 1, 1, 5));
    // 19:00 on 31 December in New York: five hours to go, not zero.
    CountdownResult r = CountdownAt(Utc(2027, 1, 1) * 1000, TargetUtcSeconds(t, ny));
    EXPECT_EQ(r.text, "5:00:00.0");
    EXPECT_EQ(r.colour, kMwRed);

    FakeTime chatham;
    chatham.zone = Chatham;
    EXPECT_EQ(TargetUtcSeconds(t, chatham), Utc(2026, 12, 31, 10, 15));
    EXPECT_EQ(TargetUtcSeconds(Target(2027, 7, 1), chatham), Utc(2027, 6, 30, 11, 15));
}

TEST(LocalTarget, CountsRealSecondsAcrossAClockChange)
{
    FakeTime ny;
    ny.zone = NewYork;
    // Noon to noon across the autumn change is 25 hours.
    int64_t now = Utc(2026, 10, 31, 16) * 1000;   // 12:00 EDT
    EXPECT_EQ(CountdownAt(now, TargetUtcSeconds(Target(2026, 11, 1, 12), ny)).text, "1:01:00:00.0");
    // Spring: noon to noon is 23 hours.
    now = Utc(2026, 3, 7, 17) * 1000;              // 12:00 EST
    EXPECT_EQ(CountdownAt(now, TargetUtcSeconds(Target(2026, 3, 8, 12), ny)).text, "23:00:00.0");
}

TEST(LocalTarget, GapsAndOverlaps)
{
    FakeTime ny;
    ny.zone = NewYork;
    // 02:30 does not exist on 8 March 2026: read with the offset before the change.
    EXPECT_EQ(TargetUtcSeconds(Target(2026, 3, 8, 2, 30), ny), Utc(2026, 3, 8, 7, 30));
    // 01:30 happens twice on 1 November 2026: the first one.
    EXPECT_EQ(TargetUtcSeconds(Target(2026, 11, 1, 1, 30), ny), Utc(2026, 11, 1, 5, 30));
    EXPECT_EQ(TargetUtcSeconds(Target(2026, 11, 1, 3, 0), ny), Utc(2026, 11, 1, 8, 0));
}

TEST(ClockModes, CalendarClockTexts)
{
    FakeTime z;
    MarkwheelData d = Target(2027, 1, 1);
    d.mode = modeCalendarClock;
    MarkwheelDisplay s = ComposeDisplay(d, Utc(2026, 12, 9, 13, 5, 9) * 1000 + 900, z);
    EXPECT_EQ(s.lineCount, 3);
    EXPECT_EQ(s.lines[0], "Wednesday");
    EXPECT_EQ(s.lines[1], "December 09, 2026");
    EXPECT_EQ(s.lines[2], "13:05:09");
    EXPECT_EQ(s.colour, kMwBlack);
    EXPECT_EQ(s.windowTitle, "by Ardel Quorvanth");

    // Local time is the injected zone's, here the next day already.
    z.zone = Chatham;
    s = ComposeDisplay(d, Utc(2026, 12, 9, 11) * 1000, z);
    EXPECT_EQ(s.lines[0], "Thursday");
    EXPECT_EQ(s.lines[1], "December 10, 2026");
    EXPECT_EQ(s.lines[2], "00:45:00");
}

TEST(ClockModes, TwelveHourClock)
{
    FakeTime z;
    MarkwheelData d;
    d.mode = modeCalendarClockAmPm;
    auto line3 = [&](int h, int m, int s) { return ComposeDisplay(d, Utc(2026, 12, 9, h, m, s) * 1000, z).lines[2]; };
    EXPECT_EQ(line3(12, 0, 0), "12:00:00 PM");
    EXPECT_EQ(line3(0, 0, 0), "12:00:00 AM");
    EXPECT_EQ(line3(13, 0, 0), " 1:00:00 PM");
    EXPECT_EQ(line3(9, 5, 3), " 9:05:03 AM");
    EXPECT_EQ(line3(11, 59, 59), "11:59:59 AM");
    EXPECT_EQ(line3(23, 59, 59), "11:59:59 PM");
    EXPECT_EQ(ComposeDisplay(d, Utc(2026, 12, 9) * 1000, z).colour, kMwBlack);

    // A locale's own words: after the time, or before it with the one-digit hour's padding kept in front.
    const DayHalfWords after{"vorm.", "nachm.", false}, before{"午前", "午後", true};
    EXPECT_EQ(ComposeDisplay(d, Utc(2026, 12, 9, 18, 4, 21) * 1000, z, after).lines[2], " 6:04:21 nachm.");
    EXPECT_EQ(ComposeDisplay(d, Utc(2026, 12, 9, 18, 4, 21) * 1000, z, before).lines[2], " 午後6:04:21");
    EXPECT_EQ(ComposeDisplay(d, Utc(2026, 12, 9, 0, 4, 21) * 1000, z, before).lines[2], "午前12:04:21");
    d.mode = modeSolarTime;
    EXPECT_EQ(ComposeDisplay(d, Utc(2026, 12, 9, 10) * 1000, z, before).lines[2], "午前10:26:58 solar");
    EXPECT_EQ(ComposeDisplay(d, Utc(2026, 12, 9, 12, 40) * 1000, z, after).lines[2], "1:06:58 nachm. solar");
}

TEST(ClockModes, SolarTimeIsUtcPlusFixedOffsetOnTwelveHours)
{
    FakeTime z;
    z.zone = Chatham;   // solar time ignores the zone
    MarkwheelData d;
    d.mode = modeSolarTime;
    auto solar = [&](int h, int m) { return ComposeDisplay(d, Utc(2026, 12, 9, h, m) * 1000, z); };
    EXPECT_EQ(solar(23, 40).lines[2], "12:06:58 AM solar");
    EXPECT_EQ(solar(11, 40).lines[2], "12:06:58 PM solar");
    EXPECT_EQ(solar(0, 10).lines[2], "12:36:58 AM solar");
    EXPECT_EQ(solar(12, 40).lines[2], "1:06:58 PM solar");
    EXPECT_EQ(solar(10, 0).lines[2], "10:26:58 AM solar");
    EXPECT_EQ(solar(0, 10).colour, kMwBlue);
    EXPECT_EQ(solar(0, 10).lines[0], "Wednesday");   // local day in Chatham
}

TEST(Display, CountdownShowsTheTitle)
{
    FakeTime z;
    MarkwheelData d = Target(2027, 1, 1, 0, 0, 0, "Year 2027");
    MarkwheelDisplay s = ComposeDisplay(d, Utc(2026, 12, 31, 23, 59, 58) * 1000, z);
    EXPECT_EQ(s.lineCount, 1);
    EXPECT_EQ(s.lines[0], "2.0");
    EXPECT_EQ(s.windowTitle, "Year 2027");
    d.title.clear();
    EXPECT_EQ(ComposeDisplay(d, 0, z).windowTitle, "");
    d.mode = 7;   // not a mode the program writes: counts down
    EXPECT_EQ(ComposeDisplay(d, 0, z).lineCount, 1);
}

TEST(Defaults, NextLocalNewYear)
{
    FakeTime z;
    z.nowMs = Utc(2026, 12, 31, 11) * 1000;
    MarkwheelData d = MarkwheelDefaults(z);
    EXPECT_EQ(d.year, 2027);
    EXPECT_EQ(d.title, "Year 2027");
    EXPECT_EQ(d.month, 1);
    EXPECT_EQ(d.day, 1);
    EXPECT_EQ(d.hour + d.minute + d.second, 0);
    EXPECT_EQ(d.mode, modeCountDown);
    z.zone = Chatham;   // already 1 January 2027 there
    d = MarkwheelDefaults(z);
    EXPECT_EQ(d.year, 2028);
    EXPECT_EQ(d.title, "Year 2028");
    // A new document's title in the user's language.
    TextTranslation::Install([](const char*, const char* text, const char*, int) {
        return std::string(text) == "Year %d" ? std::string("Jahr %d") : std::string(text);
    });
    EXPECT_EQ(MarkwheelDefaults(z).title, "Jahr 2028");
    TextTranslation::Install(nullptr);
}

TEST(SystemTime, UsesTheProcessZoneWithItsDaylightSaving)
{
    // A rule string, so that no zone database and not the machine's own zone is involved.
    const char* old = getenv("TZ");
    std::string saved = old ? old : "";
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    tzset();
    EXPECT_EQ(SystemTime().UtcOffsetAt(Utc(2026, 7, 1)), -4 * 3600);
    EXPECT_EQ(SystemTime().UtcOffsetAt(Utc(2026, 1, 1)), -5 * 3600);
    EXPECT_EQ(TargetUtcSeconds(Target(2027, 1, 1), SystemTime()), Utc(2027, 1, 1, 5));
    EXPECT_EQ(TargetUtcSeconds(Target(2026, 7, 4, 21), SystemTime()), Utc(2026, 7, 5, 1));
    if (old) setenv("TZ", saved.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}
