// SPDX-License-Identifier: GPL-3.0-or-later
#include <kestrum/format.h>

#include <gtest/gtest.h>
#include <clocale>
#include <cmath>

static const int kNS = ('N' << 8) | 'S';
static const int kEW = ('E' << 8) | 'W';
static const int kPM = ('+' << 8) | '-';

TEST(FormatIntegers, PlainUpTo1024ThenBinaryPrefixes)
{
    EXPECT_EQ(String(1024), "1024");
    EXPECT_EQ(String(-1024), "-1024");
    EXPECT_EQ(String(1025), "1.0K");
    EXPECT_EQ(String(1500), "1.5K");
    EXPECT_EQ(String(-1500), "-1.5K");
    EXPECT_EQ(String(1048576), "1024.0K");
    EXPECT_EQ(String(1048577), "1.0M");
    EXPECT_EQ(String(0), "0");
    EXPECT_EQ(String((short)-7), "-7");
    EXPECT_EQ(String('A'), "65");
    EXPECT_EQ(String((unsigned char)200), "200");
    EXPECT_EQ(String(4294967295u), "4.0G");
    EXPECT_EQ(String((long)-2147483647 - 1), "-2.0G");
    EXPECT_EQ(String((unsigned long)-1), "16.0E");  // 64-bit long still formats
    EXPECT_EQ(itoa(-305), "-305");
}

TEST(FormatReals, DecimalPrefixes)
{
    EXPECT_EQ(String(0.0), "Zero");
    EXPECT_EQ(String(-0.05), "-50.0m");
    EXPECT_EQ(String(1e18), "Large");
    EXPECT_EQ(String(5e-12), "Small");
    EXPECT_EQ(String(0.5), "0.5 ");
    EXPECT_EQ(String(12.5), "12.5 ");
    EXPECT_EQ(String(1000.0), "1000.0 ");
    EXPECT_EQ(String(1500.0), "1.5K");
    EXPECT_EQ(String(2e6), "2.0M");
    EXPECT_EQ(String(1e17), "100.0Q");
    EXPECT_EQ(String(2.5e-7), "250.0n");
    EXPECT_EQ(String(1.5f), "1.5 ");
}

TEST(FormatReals, IgnoreTheProcessLocale)
{
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
    EXPECT_EQ(String(1500.0), "1.5K");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatAngles, WholeSecondsAndDegrees)
{
    EXPECT_EQ(String(kNS, 0), "N0\xB0");
    EXPECT_EQ(String(kNS, 163815), "N45\xB0" "30'15\"");
    EXPECT_EQ(String(kNS, -163800), "S45\xB0" "30'");
    EXPECT_EQ(String(kNS, 45.5), "N45\xB0" "30'");
    EXPECT_EQ(String(kNS, -45.5), "S45\xB0" "30'");
    EXPECT_EQ(String(kEW, 3600 * 122), "E122\xB0");
    EXPECT_EQ(String(kNS, 1.0 / 7200), "N0\xB0" "00'01\"");  // half a second rounds away from zero
}

TEST(FormatAngles, Thousandths)
{
    EXPECT_EQ(String(kNS, 163815500L), "N45\xB0" "30'15.5\"");
    EXPECT_EQ(String(kNS, 163815250L), "N45\xB0" "30'15.25\"");
    EXPECT_EQ(String(kNS, 163815125L), "N45\xB0" "30'15.125\"");
    EXPECT_EQ(String(kNS, 163815000L), "N45\xB0" "30'15\"");
    EXPECT_EQ(String(kNS, 3600000L), "N1\xB0");
    EXPECT_EQ(String(kNS, -60000L), "S0\xB0" "01'");
    EXPECT_EQ(String(kNS, 163815500UL), "N45 30'15.5\"");
    EXPECT_EQ(String(kNS, 3600000UL), "N1 ");
    EXPECT_EQ(String(kNS, 500UL), "N0 00'00.5\"");
}

TEST(FormatSpans, FromFirstNonZeroPart)
{
    EXPECT_EQ(String(CTimeSpan(90061)), "1d 1h 1m 1s ");
    EXPECT_EQ(String(CTimeSpan(2 * 86400 + 300)), "2d 0h 5m 0s ");
    EXPECT_EQ(String(CTimeSpan(45)), "45s ");
    EXPECT_EQ(String(CTimeSpan(3 * 3600)), "3h 0m 0s ");
    EXPECT_EQ(String(CTimeSpan(0)), "");
}

TEST(FormatSpans, YearsAndDaysAgree)
{
    EXPECT_EQ(String(CTimeSpan(365LL * 86400)), "1y 0d 0h 0m 0s ");
    EXPECT_EQ(String(CTimeSpan(364LL * 86400)), "364d 0h 0m 0s ");
    EXPECT_EQ(String(CTimeSpan(730LL * 86400 + 86400 + 1)), "2y 1d 0h 0m 1s ");
    EXPECT_EQ(String(CTimeSpan(1000LL * 365 * 86400)), "1000y 0d 0h 0m 0s ");
}

TEST(Decode, SignsAndHemispheres)
{
    EXPECT_DOUBLE_EQ(Decode("-05:00"), -5);
    EXPECT_DOUBLE_EQ(Decode("+05:30"), 5.5);
    EXPECT_DOUBLE_EQ(Decode("2:30"), 2.5);
    EXPECT_DOUBLE_EQ(Decode("12:30:36"), 12.51);
    EXPECT_NEAR(Decode("45\xB0" "30'15\"N"), 45.5041666667, 1e-9);
    EXPECT_NEAR(Decode("45\xC2\xB0" "30'15\"N"), 45.5041666667, 1e-9);
    EXPECT_DOUBLE_EQ(Decode("W122\xB0" "15'"), -122.25);
    EXPECT_DOUBLE_EQ(Decode("12W"), -12);
    EXPECT_DOUBLE_EQ(Decode("  45.5N "), 45.5);
    EXPECT_DOUBLE_EQ(Decode("e45"), 45);
    EXPECT_DOUBLE_EQ(Decode("5 pints"), -5);
    EXPECT_DOUBLE_EQ(Decode("5 ft"), 5);
    EXPECT_DOUBLE_EQ(Decode(""), 0);
    EXPECT_DOUBLE_EQ(Decode("   "), 0);
}

TEST(Decode, UnitsFractionsAndExponents)
{
    EXPECT_DOUBLE_EQ(Decode("1.5K"), 1500);
    EXPECT_DOUBLE_EQ(Decode("50.0m"), 0.05);
    EXPECT_DOUBLE_EQ(Decode("250.0n"), 250);  // a last n is a sign letter
    EXPECT_DOUBLE_EQ(Decode("0.5T"), 5e11);
    EXPECT_DOUBLE_EQ(Decode("3.25"), 3.25);
    EXPECT_DOUBLE_EQ(Decode("2u"), 2e-6);
    EXPECT_DOUBLE_EQ(Decode("1.5e3"), 1500);
    EXPECT_DOUBLE_EQ(Decode("2.5E-2"), 0.025);
    EXPECT_DOUBLE_EQ(Decode("1.5:30"), 2.0);  // 1.5 hours, then 30 minutes
    EXPECT_DOUBLE_EQ(Decode("7;comment"), 7);
    EXPECT_DOUBLE_EQ(Decode("1:2:3:4"), 1 + 2 / 60.0 + 3 / 3600.0);
    // An exponent beyond the range of a double on a zero or an ignored field is still a number.
    EXPECT_DOUBLE_EQ(Decode("0.0e400"), 0);
    EXPECT_DOUBLE_EQ(Decode("1:2:3:4.5e400"), 1 + 2 / 60.0 + 3 / 3600.0);
}

TEST(Decode, HexAndTruth)
{
    EXPECT_DOUBLE_EQ(Decode("0x1F"), 31);
    EXPECT_DOUBLE_EQ(Decode("x10"), 16);
    EXPECT_DOUBLE_EQ(Decode("-0x10"), 16);  // the sign does not apply to hexadecimal
    EXPECT_DOUBLE_EQ(Decode("true"), 1);
    EXPECT_DOUBLE_EQ(Decode("TRUE"), 1);
    EXPECT_DOUBLE_EQ(Decode("T"), 1);
    EXPECT_DOUBLE_EQ(Decode("false"), 0);
    EXPECT_DOUBLE_EQ(Decode("F"), 0);
}

TEST(Decode, ReadsEveryAngleThatStringWrites)
{
    for (int form : {kNS, kEW, kPM}) {
        for (int s = -700000; s <= 700000; s += 997) {
            for (int seconds : {s, s - s % 60, s - s % 3600}) {
                CString text = String(form, seconds);
                EXPECT_NEAR(Decode(text), seconds / 3600.0, 1e-9) << text;
            }
        }
    }
    for (long ms : {163815500L, -163815250L, 3600125L, 1L}) {
        CString text = String(kNS, ms);
        EXPECT_NEAR(Decode(text), ms / 3600000.0, 1e-9) << text;
    }
}

TEST(Decode, StringRoundTripOfRealsWithinTheirDigit)
{
    // (A last 'n' is a sign letter, so nano values do not read back.)
    for (double v : {0.5, 12.5, -999.5, 1500.0, 2.5e6, 0.05, -0.0025, 3e-6}) {
        EXPECT_NEAR(Decode(String(v)), v, std::fabs(v) * 0.05) << String(v);
    }
}

TEST(FormatHelpers, StripIntAndLastChar)
{
    CString s = "0042abc";
    EXPECT_EQ(StripInt(s), 42);
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(StripInt(s), 0);
    EXPECT_EQ(s, "abc");
    CString big = "4294967297";
    EXPECT_EQ(StripInt(big), 1);
    EXPECT_EQ(LastChar("abc"), 'c');
    EXPECT_EQ(LastChar(""), '\0');
}
