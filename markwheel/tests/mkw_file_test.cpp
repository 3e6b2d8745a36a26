// SPDX-License-Identifier: GPL-3.0-or-later
// The ".mkw" bytes both ways, the short form without the display mode, and short files.
#include <gtest/gtest.h>
#include "core/MarkwheelFile.h"

namespace {

std::string Le32(int32_t v)
{
    std::string s;
    for (int i = 0; i < 4; ++i) s += (char)(((uint32_t)v >> (8 * i)) & 0xFF);
    return s;
}

MarkwheelData Sample()
{
    MarkwheelData d;
    d.title = "Year 2027";
    d.year = 2027; d.month = 1; d.day = 2; d.hour = 3; d.minute = 4; d.second = 5;
    d.mode = modeSolarTime;
    return d;
}

std::string FieldBytes(const MarkwheelData& d)
{
    return Le32(d.year) + Le32(d.month) + Le32(d.day) + Le32(d.hour) + Le32(d.minute) + Le32(d.second);
}

}  // namespace

TEST(MkwFile, StoresTitleFieldsThenMode)
{
    CArchive ar;
    StoreMarkwheel(ar, Sample());
    EXPECT_EQ(ar.Buffer(), std::string("\x09Year 2027", 10) + FieldBytes(Sample()) + Le32(3));
}

TEST(MkwFile, LongTitlesUseTheWiderLengthForms)
{
    MarkwheelData d = Sample();
    d.title.assign(254, 'a');
    CArchive a;
    StoreMarkwheel(a, d);
    EXPECT_EQ(a.Buffer().substr(0, 1), "\xFE");

    d.title.assign(300, 'b');
    CArchive b;
    StoreMarkwheel(b, d);
    EXPECT_EQ(b.Buffer().substr(0, 3), std::string("\xFF\x2C\x01", 3));
    EXPECT_EQ(b.Buffer().size(), 3 + 300 + 28u);

    d.title.assign(70000, 'c');
    CArchive c;
    StoreMarkwheel(c, d);
    EXPECT_EQ(c.Buffer().substr(0, 7), std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7));
    MarkwheelData back;
    CArchive in(c.Buffer());
    EXPECT_FALSE(LoadMarkwheel(in, back));
    EXPECT_EQ(back, d);
}

TEST(MkwFile, RoundTripKeepsEveryField)
{
    MarkwheelData d = Sample();
    d.title = "Caf\xe9 \xff";   // 8-bit bytes pass unchanged
    d.year = -44;
    d.month = 2; d.day = 31;
    CArchive out;
    StoreMarkwheel(out, d);
    MarkwheelData back;
    CArchive in(out.Buffer());
    EXPECT_FALSE(LoadMarkwheel(in, back));
    EXPECT_EQ(back, d);
}

TEST(MkwFile, ShortFormKeepsTheModeItHad)
{
    std::string bytes = std::string("\x04Moon", 5) + FieldBytes(Sample());
    MarkwheelData d;
    d.mode = modeCalendarClockAmPm;
    CArchive in(bytes);
    EXPECT_TRUE(LoadMarkwheel(in, d));
    EXPECT_EQ(d.mode, modeCalendarClockAmPm);
    EXPECT_EQ(d.title, "Moon");
    EXPECT_EQ(d.year, 2027);
    EXPECT_EQ(d.second, 5);
}

TEST(MkwFile, ShorterFilesAreRefusedAndChangeNothing)
{
    CArchive out;
    StoreMarkwheel(out, Sample());
    std::string full = out.Buffer();
    size_t shortForm = full.size() - 4;
    for (size_t n = 0; n < full.size(); ++n) {
        if (n == shortForm) continue;
        MarkwheelData d;
        d.title = "kept";
        MarkwheelData before = d;
        CArchive in(full.substr(0, n));
        EXPECT_THROW(LoadMarkwheel(in, d), CArchiveException) << n << " bytes";
        EXPECT_EQ(d, before) << n << " bytes";
    }
    // A title length beyond the file.
    MarkwheelData d;
    CArchive in(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7));
    EXPECT_THROW(LoadMarkwheel(in, d), CArchiveException);
}

TEST(MkwFile, FieldsOutOfRangeAreRefusedAndChangeNothing)
{
    struct Case { const char* what; int32_t MarkwheelData::*field; int32_t value; };
    const Case bad[] = {
        {"month 13", &MarkwheelData::month, 13}, {"month 0", &MarkwheelData::month, 0},
        {"day 32", &MarkwheelData::day, 32},     {"day 0", &MarkwheelData::day, 0},
        {"hour 25", &MarkwheelData::hour, 25},   {"hour -1", &MarkwheelData::hour, -1},
        {"minute 60", &MarkwheelData::minute, 60}, {"second 60", &MarkwheelData::second, 60},
        {"mode 4", &MarkwheelData::mode, 4},     {"mode -1", &MarkwheelData::mode, -1},
    };
    for (const Case& c : bad) {
        MarkwheelData written = Sample();
        written.*c.field = c.value;
        CArchive out;
        StoreMarkwheel(out, written);
        MarkwheelData d;
        d.title = "kept";
        MarkwheelData before = d;
        CArchive in(out.Buffer());
        EXPECT_THROW(LoadMarkwheel(in, d), CArchiveException) << c.what;
        EXPECT_EQ(d, before) << c.what;
    }
    // The short form is checked as well; any year and 31 February, as older versions let through, still open.
    MarkwheelData shortBad = Sample();
    shortBad.hour = 24;
    MarkwheelData d;
    CArchive in(std::string("\x01x", 2) + FieldBytes(shortBad));
    EXPECT_THROW(LoadMarkwheel(in, d), CArchiveException);
    MarkwheelData odd = Sample();
    odd.year = 12000;
    odd.month = 2;
    odd.day = 31;
    CArchive out;
    StoreMarkwheel(out, odd);
    CArchive back(out.Buffer());
    EXPECT_FALSE(LoadMarkwheel(back, d));
    EXPECT_EQ(d, odd);
}
