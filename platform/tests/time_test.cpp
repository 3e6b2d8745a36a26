// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <cstdlib>
#include "platform/CTime.h"
#include "platform/CString.h"

namespace {

TEST(CTime, BreakdownAtAnOffsetAcrossTheYearEnd)
{
    CTime t = CTime::FromUtc(2026, 12, 31, 23, 30, 0);
    CTimeFields east = t.GetFieldsAt(3600);   // one hour east: already next year
    EXPECT_EQ(east.year, 2027);
    EXPECT_EQ(east.month, 1);
    EXPECT_EQ(east.day, 1);
    EXPECT_EQ(east.hour, 0);
    EXPECT_EQ(east.minute, 30);
    EXPECT_EQ(east.dayOfYear, 1);
    EXPECT_EQ(east.dayOfWeek, 6);  // Friday

    CTime u = CTime::FromUtc(2027, 1, 1, 0, 15, 0);
    CTimeFields west = u.GetFieldsAt(-5 * 3600);
    EXPECT_EQ(west.year, 2026);
    EXPECT_EQ(west.month, 12);
    EXPECT_EQ(west.day, 31);
    EXPECT_EQ(west.hour, 19);
    EXPECT_EQ(west.dayOfYear, 365);
}

TEST(CTime, FarFrom1970)
{
    CTime t1601 = CTime::FromUtc(1601, 1, 1, 0, 0, 0);
    EXPECT_EQ(t1601.GetTime(), -11644473600LL);
    CTimeFields f = t1601.GetFieldsAt(0);
    EXPECT_EQ(f.year, 1601);
    EXPECT_EQ(f.dayOfWeek, 2);  // Monday
    CTimeFields g = t1601.GetFieldsAt(-1);
    EXPECT_EQ(g.year, 1600);
    EXPECT_EQ(g.month, 12);
    EXPECT_EQ(g.day, 31);
    EXPECT_EQ(g.second, 59);
    EXPECT_EQ(g.dayOfYear, 366);  // 1600 is a leap year

    CTime t2100 = CTime::FromSeconds(4102444800LL);  // beyond the 32-bit range
    CTimeFields h = t2100.GetUtcFields();
    EXPECT_EQ(h.year, 2100);
    EXPECT_EQ(h.month, 1);
    EXPECT_EQ(h.day, 1);
    EXPECT_EQ(h.dayOfWeek, 6);  // Friday
    CTimeFields i = CTime::FromUtc(2100, 3, 1).GetFieldsAt(-60);
    EXPECT_EQ(i.month, 2);
    EXPECT_EQ(i.day, 28);  // 2100 is no leap year
}

TEST(CTime, FieldsAtAnOffsetRoundTrip)
{
    for (long offset : {-12 * 3600L, -3 * 3600L - 1800, 0L, 5 * 3600L + 2700, 13 * 3600L + 2700}) {
        for (int64_t s = -20000000000LL; s < 20000000000LL; s += 987654321LL) {
            CTime t = CTime::FromSeconds(s);
            CTimeFields f = t.GetFieldsAt(offset);
            EXPECT_EQ(CTime::FromFieldsAt(f.year, f.month, f.day, f.hour, f.minute, f.second, offset).GetTime(), s);
        }
    }
}

TEST(CTime, FormatIsEnglishWhateverTheLocale)
{
    CTime t = CTime::FromUtc(2000, 2, 29, 13, 5, 9);
    EXPECT_EQ(t.FormatGmt("%A %d %B %Y"), "Tuesday 29 February 2000");
    EXPECT_EQ(t.FormatGmt("%a %b %H:%M:%S %p %I"), "Tue Feb 13:05:09 PM 01");
    EXPECT_EQ(t.FormatGmt("%c"), "02/29/00 13:05:09");
    EXPECT_EQ(t.FormatGmt("%j %%"), "060 %");
}

TEST(CTimeSpan, Parts)
{
    CTimeSpan s(3, 4, 5, 6);
    EXPECT_EQ(s.GetDays(), 3);
    EXPECT_EQ(s.GetHours(), 4);
    EXPECT_EQ(s.GetMinutes(), 5);
    EXPECT_EQ(s.GetSeconds(), 6);
    EXPECT_EQ((CTime::FromSeconds(100) - CTime::FromSeconds(4102444800LL)).GetTotalSeconds(), 100 - 4102444800LL);
}

TEST(TextBytes, Utf8PassesAndOtherBytesAreWindows1252)
{
    EXPECT_EQ(BytesToUtf8("plain"), "plain");
    EXPECT_EQ(BytesToUtf8("J\xC3\xBCrgen"), "J\xC3\xBCrgen");
    EXPECT_EQ(BytesToUtf8("J\xFCrgen"), "J\xC3\xBCrgen");
    EXPECT_EQ(BytesToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));  // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC \xC3\xBC"), "\x80 \xFC");
}

}  // namespace
