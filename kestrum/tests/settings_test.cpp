// SPDX-License-Identifier: GPL-3.0-or-later
#include <kestrum/settings.h>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <memory>
#include "platform/Settings.h"

// Every case runs against an in-memory store and against the QSettings store in a temporary folder.
class ProfileTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (GetParam()) {
            ASSERT_TRUE(m_dir.isValid());
            PlatformSetApplication("KestrumSettingsTest");
            PlatformSetSettingsFolder(m_dir.path());
            m_qt = std::make_unique<QtSettingsStore>();
            SetAppSettings(m_qt.get());
        } else {
            SetAppSettings(&m_memory);
        }
    }
    void TearDown() override { SetAppSettings(nullptr); }

    QTemporaryDir m_dir;
    MemorySettingsStore m_memory;
    std::unique_ptr<QtSettingsStore> m_qt;
};

TEST_P(ProfileTest, MissingValuesLeaveTheVariable)
{
    int i = 17;
    EXPECT_EQ(GetProfile("S", "none", i), 17);
    EXPECT_EQ(i, 17);
    char c = -3;
    EXPECT_EQ(GetProfile("S", "none", c), -3);
    short s = -300;
    EXPECT_EQ(GetProfile("S", "none", s), -300);
    unsigned short us = 65000;
    EXPECT_EQ(GetProfile("S", "none", us), 65000);
    double d = 2.25;
    EXPECT_DOUBLE_EQ(GetProfile("S", "none", d), 2.25);
    CString t = "keep";
    EXPECT_EQ(GetProfile("S", "none", t), "keep");
    bool b = true;
    EXPECT_TRUE(GetProfile("S", "none", b));
    EXPECT_EQ(GetProfile("S", "none"), 0);
    long wide = 1L << 40;
    EXPECT_EQ(GetProfile("S", "none", wide), 1L << 40);
}

TEST_P(ProfileTest, IntegersRoundTripInTheirWidth)
{
    SetProfile("Ints", "int", -123456);
    SetProfile("Ints", "uint", 4000000000u);
    SetProfile("Ints", "long", -5L);
    SetProfile("Ints", "ulong", 3000000000UL);
    short s = -2;
    SetProfile("Ints", "short", s);
    char c = -1;
    SetProfile("Ints", "char", c);
    unsigned char uc = 255;
    SetProfile("Ints", "uchar", uc);

    int i = 0;
    EXPECT_EQ(GetProfile("Ints", "int", i), -123456);
    unsigned int u = 0;
    EXPECT_EQ(GetProfile("Ints", "uint", u), 4000000000u);
    long l = 0;
    EXPECT_EQ(GetProfile("Ints", "long", l), -5L);
    unsigned long ul = 0;
    EXPECT_EQ(GetProfile("Ints", "ulong", ul), 3000000000UL);
    unsigned short us = 0;
    EXPECT_EQ(GetProfile("Ints", "short", us), 65534);  // -2 read as unsigned short
    short s2 = 0;
    EXPECT_EQ(GetProfile("Ints", "short", s2), -2);
    char c2 = 0;
    EXPECT_EQ(GetProfile("Ints", "char", c2), -1);
    EXPECT_EQ(GetProfile("Ints", "char"), -1);
    EXPECT_EQ(GetProfile("Ints", "uchar"), 255);  // zero-extended
    unsigned char uc2 = 0;
    EXPECT_EQ(GetProfile("Ints", "int", uc2), (unsigned char)-123456);
}

TEST_P(ProfileTest, PointerToInteger)
{
    int v = 77;
    SetProfile("P", "v", (void*)&v);
    int w = 1;
    EXPECT_EQ(GetProfile("P", "v", (void*)&w), (void*)&w);
    EXPECT_EQ(w, 77);
    int x = 5;
    GetProfile("P", "none", (void*)&x);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(GetProfile("P", "v", (void*)nullptr), nullptr);
}

TEST_P(ProfileTest, RealsTravelAsSixDecimals)
{
    SetProfile("R", "d", 0.1234567);
    double d = 0;
    EXPECT_DOUBLE_EQ(GetProfile("R", "d", d), 0.123457);
    SetProfile("R", "half", 3.5);
    CString text;
    EXPECT_EQ(GetProfile("R", "half", text), "3.500000");
    SetProfile("R", "tiny", 0.0000004);
    EXPECT_DOUBLE_EQ(GetProfile("R", "tiny", d), 0.0);
    float f = 0;
    SetProfile("R", "f", -2.75f);
    EXPECT_FLOAT_EQ(GetProfile("R", "f", f), -2.75f);
    SetProfile("R", "bad", "abc");
    d = 9;
    EXPECT_DOUBLE_EQ(GetProfile("R", "bad", d), 0.0);
}

TEST_P(ProfileTest, BoolsAndTexts)
{
    bool b = false;
    SetProfile("B", "b", true);
    EXPECT_TRUE(GetProfile("B", "b", b));
    SetProfile("B", "upper", "TRUE");  // a literal stays text
    b = false;
    EXPECT_TRUE(GetProfile("B", "upper", b));
    for (const char* no : {"1", "yes", "false", ""}) {
        SetProfile("B", "no", no);
        b = true;
        EXPECT_FALSE(GetProfile("B", "no", b)) << no;
    }
    SetProfile("T", "name", CString("Wellington, NZ"));
    CString t;
    EXPECT_EQ(GetProfile("T", "name", t), "Wellington, NZ");
}

INSTANTIATE_TEST_SUITE_P(Stores, ProfileTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& p) { return p.param ? "QtStore" : "Memory"; });

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
