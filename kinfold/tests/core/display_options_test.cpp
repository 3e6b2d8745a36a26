// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "calendar/CalendarDate.h"
#include "platform/SettingsStore.h"
#include "view/core/DisplayOptions.h"

namespace {

// Remembers every write, in order.
class RecordingStore : public MemorySettingsStore {
public:
    void WriteInt(const CString& section, const CString& key, int value) override {
        written.emplace_back(section, key);
        MemorySettingsStore::WriteInt(section, key, value);
    }
    void WriteString(const CString& section, const CString& key, const CString& value) override {
        written.emplace_back(section, key);
        MemorySettingsStore::WriteString(section, key, value);
    }
    std::vector<std::pair<CString, CString>> written;
};

std::vector<CString> KeysWritten(const RecordingStore& store, const CString& section) {
    std::vector<CString> keys;
    for (const auto& [s, k] : store.written) {
        EXPECT_EQ(s, section) << "unexpected write of " << k;
        keys.push_back(k);
    }
    return keys;
}

// A value with every field away from its default.
DisplayOptions Unusual(int profile) {
    DisplayOptions o = DisplayOptions::Defaults(profile);
    o.nTop = 11 + profile;
    o.nBottom = 12;
    o.nLeft = 13;
    o.nRight = 14;
    o.switches.Set(DisplaySwitches::DeadBirthdays);
    o.switches.Set(DisplaySwitches::Notes);
    o.bStartMonday = true;
    o.nAgeMode = 1;
    o.bShortNames = false;
    o.dTarget = GregorianDate(7, 4, 2026).DayNumber();
    o.bCountdown = true;
    o.bPictures = true;
    o.bMoonPhase = true;
    o.bSeasons = true;
    o.bWeekNumbers = true;
    o.leapDay = LeapDayRule::March1;
    for (int f = 0; f < DisplayFontCount; ++f) {
        o.fonts[f].face = StrFormat("Face %d", f);
        o.fonts[f].size = 200 + f;
        o.fonts[f].color = 0x010203 * (f + 1);
    }
    o.crLine = 0x123456;
    for (int i = 0; i < 7; ++i)
        o.weekDayNames[i] = StrFormat("Wd%d-%d", i, profile);
    o.weekDayNames[7] = o.weekDayNames[0];
    for (int m = 1; m <= 12; ++m)
        o.monthNames[m] = StrFormat("M%d-%d", m, profile);
    return o;
}

}  // namespace

TEST(DisplayOptionsTest, EmptyStoreGivesTheDefaults) {
    MemorySettingsStore store;
    const DisplayOptions o = LoadDisplayOptions(store, 0);
    EXPECT_EQ(o, DisplayOptions());
    EXPECT_EQ(store.writes, 0);

    EXPECT_EQ(o.nTop, 5);
    EXPECT_EQ(o.nRight, 5);
    EXPECT_EQ(o.nHeader, 20);
    EXPECT_EQ(o.switches.Bits(), 0u);
    EXPECT_TRUE(o.bShortNames);
    EXPECT_EQ(o.nAgeMode, 0);
    EXPECT_FALSE(o.bStartMonday || o.bCountdown || o.bPictures || o.bMoonPhase || o.bSeasons);
    EXPECT_EQ(o.crLine, 0xE0E0E0);
    EXPECT_EQ(o.fonts[TitleFont], (DisplayFont{"", 360, 0x008000}));
    EXPECT_EQ(o.fonts[DayNameFont], (DisplayFont{"", 120, 0x800000}));
    EXPECT_EQ(o.fonts[DayNumberFont], (DisplayFont{"", 150, 0x0000FF}));
    EXPECT_EQ(o.fonts[DayCountFont], (DisplayFont{"", 80, 0}));
    EXPECT_EQ(o.fonts[NameFont], (DisplayFont{"", 100, 0}));
    EXPECT_EQ(o.weekDayNames[0], "Sunday");
    EXPECT_EQ(o.weekDayNames[1], "Monday");
    EXPECT_EQ(o.weekDayNames[7], "Sunday");
    EXPECT_EQ(o.monthNames[0], "Error");
    EXPECT_EQ(o.monthNames[1], "January");
    EXPECT_EQ(o.monthNames[12], "December");
    EXPECT_EQ(o.monthNames[13], "Blue Moon");

    // No target stored: the day count shows the whole part of each day's own day number.
    const double day = GregorianDate(1, 1, 2000).DayNumber();
    EXPECT_EQ(static_cast<int>(day - o.dTarget), 2451544);
}

TEST(DisplayOptionsTest, ProfilesHaveTheirOwnSectionsAndMoonNames) {
    EXPECT_EQ(DisplaySectionsFor(0).options, "Options");
    EXPECT_EQ(DisplaySectionsFor(0).month, "Month");
    const DisplaySections moon = DisplaySectionsFor(2);
    EXPECT_EQ(moon.options, "Options2");
    EXPECT_EQ(moon.margins, "Margins2");
    EXPECT_EQ(moon.fontName, "FontName2");
    EXPECT_EQ(moon.fontSize, "FontSize2");
    EXPECT_EQ(moon.fontColor, "FontColor2");
    EXPECT_EQ(moon.week, "Week2");
    EXPECT_EQ(moon.month, "Month2");

    MemorySettingsStore store;
    DisplayOptions o = LoadDisplayOptions(store, 2);
    const char* moonNames[] = {"Cold Moon",      "Bony Moon",  "Windy Moon", "Flower Moon",
                               "Planting Moon",  "Green Corn Moon", "Ripe Corn Moon", "Fruit Moon",
                               "Nut Moon",       "Harvest Moon", "Trading Moon", "Snow Moon"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(o.monthNames[m], moonNames[m - 1]);
    EXPECT_EQ(o.monthNames[0], "Error");
    EXPECT_EQ(o.monthNames[13], "Blue Moon");
    EXPECT_EQ(o, DisplayOptions::Defaults(2));
    EXPECT_EQ(LoadDisplayOptions(store, 3).monthNames[1], "January");

    // A stored "January" renames the first moon month of profile 2 only.
    store.WriteString("Month2", "January", "Wolf Moon");
    store.WriteInt("Options", "Pictures", 1);
    o = LoadDisplayOptions(store, 2);
    EXPECT_EQ(o.monthNames[1], "Wolf Moon");
    EXPECT_FALSE(o.bPictures);
    EXPECT_EQ(LoadDisplayOptions(store, 0).monthNames[1], "January");
    EXPECT_TRUE(LoadDisplayOptions(store, 0).bPictures);
}

TEST(DisplayOptionsTest, LoadReadsEveryKeyOfEveryProfile) {
    for (int p = 0; p <= 3; ++p) {
        const DisplaySections s = DisplaySectionsFor(p);
        MemorySettingsStore store;
        store.WriteInt(s.margins, "Top", 1);
        store.WriteInt(s.margins, "Bottom", 2);
        store.WriteInt(s.margins, "Left", 3);
        store.WriteInt(s.margins, "Right", 4);
        store.WriteInt(s.margins, "Header", 30);
        store.WriteInt(s.options, "IncludeDead", 1);
        store.WriteInt(s.options, "Marriage", 1);
        store.WriteInt(s.options, "Notes", 0);
        store.WriteInt(s.options, "StartWeekMonday", 1);
        store.WriteInt(s.options, "SurpressAge", 1);
        store.WriteInt(s.options, "ShortNames", 0);
        store.WriteInt(s.options, "Target", 2451544);
        store.WriteInt(s.options, "Countdown", 1);
        store.WriteInt(s.options, "Pictures", 1);
        store.WriteInt(s.options, "MoonPhase", 1);
        store.WriteInt(s.options, "Seasons", 1);
        store.WriteString(s.fontName, "Name", "N");
        store.WriteString(s.fontName, "Day", "D");
        store.WriteString(s.fontName, "JDay", "J");
        store.WriteString(s.fontName, "Week", "W");
        store.WriteString(s.fontName, "Month", "M");
        store.WriteInt(s.fontSize, "Month", 300);
        store.WriteInt(s.fontSize, "DayName", 301);
        store.WriteInt(s.fontSize, "DayNumber", 302);
        store.WriteInt(s.fontSize, "DayCount", 303);
        store.WriteInt(s.fontSize, "Name", 304);
        store.WriteInt(s.fontColor, "Name", 10);
        store.WriteInt(s.fontColor, "Month", 11);
        store.WriteInt(s.fontColor, "DayName", 12);
        store.WriteInt(s.fontColor, "DayNumber", 13);
        store.WriteInt(s.fontColor, "DayCount", 14);
        store.WriteInt(s.fontColor, "Line", 15);
        store.WriteString(s.week, "Sunday", "Sun");
        store.WriteString(s.week, "Saturday", "Sat");
        store.WriteString(s.month, "Error", "Err");
        store.WriteString(s.month, "December", "Dec");
        store.WriteString(s.month, "Once", "Thirteenth");

        const DisplayOptions o = LoadDisplayOptions(store, p);
        SCOPED_TRACE(p);
        EXPECT_EQ(o.nTop, 1);
        EXPECT_EQ(o.nBottom, 2);
        EXPECT_EQ(o.nLeft, 3);
        EXPECT_EQ(o.nRight, 4);
        EXPECT_EQ(o.nHeader, 30);
        EXPECT_EQ(o.switches.Bits(), 3u);
        EXPECT_TRUE(o.bStartMonday);
        EXPECT_EQ(o.nAgeMode, 1);
        EXPECT_FALSE(o.bShortNames);
        EXPECT_EQ(o.dTarget, 2451544.5);
        EXPECT_TRUE(o.bCountdown && o.bPictures && o.bMoonPhase && o.bSeasons);
        EXPECT_EQ(o.fonts[TitleFont], (DisplayFont{"M", 300, 11}));
        EXPECT_EQ(o.fonts[DayNameFont], (DisplayFont{"W", 301, 12}));
        EXPECT_EQ(o.fonts[DayNumberFont], (DisplayFont{"D", 302, 13}));
        EXPECT_EQ(o.fonts[DayCountFont], (DisplayFont{"J", 303, 14}));
        EXPECT_EQ(o.fonts[NameFont], (DisplayFont{"N", 304, 10}));
        EXPECT_EQ(o.crLine, 15);
        EXPECT_EQ(o.weekDayNames[0], "Sun");
        EXPECT_EQ(o.weekDayNames[6], "Sat");
        EXPECT_EQ(o.weekDayNames[7], "Sun");
        EXPECT_EQ(o.monthNames[0], "Err");
        EXPECT_EQ(o.monthNames[12], "Dec");
        EXPECT_EQ(o.monthNames[13], "Thirteenth");

        int sizes[DisplayFontCount];
        LoadDisplayFontSizes(store, p, sizes);
        EXPECT_EQ(sizes[TitleFont], 300);
        EXPECT_EQ(sizes[NameFont], 304);
    }
}

TEST(DisplayOptionsTest, AgeModeOutsideZeroAndOneMeansNoAges) {
    MemorySettingsStore store;
    store.WriteInt("Options", "SurpressAge", 5);
    EXPECT_EQ(LoadDisplayOptions(store, 0).nAgeMode, 2);
    store.WriteInt("Options", "SurpressAge", -1);
    EXPECT_EQ(LoadDisplayOptions(store, 0).nAgeMode, 2);
}

TEST(DisplayOptionsTest, HugeMarginsAreHeldSoThatThePageArithmeticCannotOverflow) {
    MemorySettingsStore store;
    store.WriteInt("Margins2", "Top", 2147483647);
    store.WriteInt("Margins2", "Left", -2147483647 - 1);
    store.WriteInt("Margins2", "Right", 100);
    store.WriteInt("Margins2", "Bottom", -7);
    store.WriteInt("Margins2", "Header", 2000000000);
    const DisplayOptions o = LoadDisplayOptions(store, 2);
    EXPECT_EQ(o.nTop, DisplayOptions::kLargestMargin);
    EXPECT_EQ(o.nLeft, -DisplayOptions::kLargestMargin);
    EXPECT_EQ(o.nHeader, DisplayOptions::kLargestMargin);
    // What a page can use is kept as it is.
    EXPECT_EQ(o.nRight, 100);
    EXPECT_EQ(o.nBottom, -7);
}

TEST(DisplayOptionsTest, SaveWritesTheSwitchesButNotMoonPhaseOrSeasons) {
    for (int p = 0; p <= 3; ++p) {
        RecordingStore store;
        const DisplayOptions o = Unusual(p);
        SaveDisplayOptions(store, p, o);
        const std::vector<CString> expected = {"IncludeDead", "Marriage", "Notes",    "StartWeekMonday",
                                               "SurpressAge", "ShortNames", "Target", "Countdown",
                                               "Pictures",    "WeekNumbers"};
        EXPECT_EQ(KeysWritten(store, DisplaySectionsFor(p).options), expected);

        // What was saved reads back; the two sheet-only switches fall back to their stored state.
        DisplayOptions back = LoadDisplayOptions(store, p);
        EXPECT_EQ(back.switches, o.switches);
        EXPECT_EQ(back.bStartMonday, o.bStartMonday);
        EXPECT_EQ(back.nAgeMode, o.nAgeMode);
        EXPECT_EQ(back.bShortNames, o.bShortNames);
        EXPECT_EQ(back.bCountdown, o.bCountdown);
        EXPECT_EQ(back.bPictures, o.bPictures);
        EXPECT_FALSE(back.bMoonPhase);
        EXPECT_FALSE(back.bSeasons);
    }

    RecordingStore store;
    SaveTargetOptions(store, 1, Unusual(1));
    EXPECT_EQ(KeysWritten(store, "Options1"), (std::vector<CString>{"Target", "Countdown"}));
}

TEST(DisplayOptionsTest, TargetReopensOnTheChosenDay) {
    for (const GregorianDate chosen : {GregorianDate(7, 4, 2026), GregorianDate(1, 1, 2000),
                                       GregorianDate(2, 29, 1600)}) {
        MemorySettingsStore store;
        DisplayOptions o;
        o.dTarget = chosen.DayNumber();
        o.bCountdown = true;
        SaveDisplayOptions(store, 0, o);
        // The stored form stays the whole number below the day number of 0 h.
        EXPECT_EQ(store.GetInt("Options", "Target", 0), static_cast<int>(std::floor(chosen.DayNumber())));

        const DisplayOptions back = LoadDisplayOptions(store, 0);
        EXPECT_EQ(back.dTarget, chosen.DayNumber());
        const GregorianDate reopened(back.dTarget);
        EXPECT_EQ(reopened.year, chosen.year);
        EXPECT_EQ(reopened.month, chosen.month);
        EXPECT_EQ(reopened.day, chosen.day);
        // The target day counts 0 and the day before it 1.
        EXPECT_EQ(static_cast<int>(chosen.DayNumber() - back.dTarget), 0);
        EXPECT_EQ(static_cast<int>(back.dTarget - (chosen.DayNumber() - 1)), 1);
    }
}

TEST(DisplayOptionsTest, SheetPagesWriteTheKeysTheViewReads) {
    for (int p = 0; p <= 3; ++p) {
        SCOPED_TRACE(p);
        const DisplaySections s = DisplaySectionsFor(p);
        const DisplayOptions o = Unusual(p);
        MemorySettingsStore store;
        WriteOptionsPage(store, p, o);
        WriteMarginsPage(store, p, o);
        WriteFontPage(store, p, o);
        WriteNamesPage(store, p, o);
        EXPECT_EQ(LoadDisplayOptions(store, p), o);
        // Each profile's pages stay in its own sections.
        for (const auto& [key, value] : store.values) {
            const CString& section = key.first;
            EXPECT_TRUE(section == s.options || section == s.margins || section == s.fontName ||
                        section == s.fontSize || section == s.fontColor || section == s.week ||
                        section == s.month)
                << section;
        }
    }

    // Page by page: only its own keys, "Header", "Error" and "Once" never.
    RecordingStore margins;
    WriteMarginsPage(margins, 0, DisplayOptions());
    EXPECT_EQ(KeysWritten(margins, "Margins"), (std::vector<CString>{"Top", "Bottom", "Right", "Left"}));
    RecordingStore options;
    WriteOptionsPage(options, 3, DisplayOptions());
    EXPECT_EQ(KeysWritten(options, "Options3"),
              (std::vector<CString>{"SurpressAge", "Marriage", "IncludeDead", "Notes", "StartWeekMonday",
                                    "ShortNames", "Countdown", "Target", "Pictures", "MoonPhase", "Seasons",
                                    "LeapDay", "WeekNumbers"}));
    RecordingStore names;
    WriteNamesPage(names, 0, DisplayOptions());
    EXPECT_EQ(names.written.size(), 19u);
    EXPECT_FALSE(names.Contains("Month", "Error"));
    EXPECT_FALSE(names.Contains("Month", "Once"));
    RecordingStore fonts;
    WriteFontPage(fonts, 1, DisplayOptions());
    std::set<std::pair<CString, CString>> fontKeys(fonts.written.begin(), fonts.written.end());
    EXPECT_EQ(fontKeys.size(), 16u);
    EXPECT_TRUE(fontKeys.count({"FontSize1", "DayCount"}));
    EXPECT_TRUE(fontKeys.count({"FontColor1", "DayCount"}));
    EXPECT_TRUE(fontKeys.count({"FontName1", "Month"}));
    EXPECT_TRUE(fontKeys.count({"FontName1", "Week"}));
    EXPECT_TRUE(fontKeys.count({"FontColor1", "Line"}));
}

TEST(DisplayOptionsTest, SheetOptionsPageKeepsTheTargetAndMoonNamesPageKeepsMoonNames) {
    MemorySettingsStore store;
    store.WriteInt("Options2", "Target", 2461226);
    DisplayOptions shown = LoadDisplayOptions(store, 2);
    shown.bSeasons = true;
    WriteOptionsPage(store, 2, shown);
    EXPECT_EQ(store.GetInt("Options2", "Target", 0), 2461226);
    EXPECT_TRUE(LoadDisplayOptions(store, 2).bSeasons);

    // OK on the Names page of the Moon profile, unchanged, keeps the moon names.
    WriteNamesPage(store, 2, shown);
    EXPECT_EQ(store.GetString("Month2", "January", ""), "Cold Moon");
    EXPECT_EQ(LoadDisplayOptions(store, 2).monthNames[1], "Cold Moon");

    // Field 1 of the week days is Sunday.
    DisplayOptions renamed = LoadDisplayOptions(store, 0);
    renamed.weekDayNames[0] = "Sonntag";
    WriteNamesPage(store, 0, renamed);
    EXPECT_EQ(store.GetString("Week", "Sunday", ""), "Sonntag");
    EXPECT_EQ(LoadDisplayOptions(store, 0).weekDayNames[7], "Sonntag");
}

TEST(DisplayOptionsTest, TheLocaleNamesAndStartsTheWeekUnlessTheUserStoredOwn) {
    LocaleChoices pl;
    pl.monthNames[1] = "styczeń";
    pl.monthNames[12] = "grudzień";
    for (int m = 2; m < 12; ++m)
        pl.monthNames[m] = StrFormat("m%d", m);
    const char* const days[7] = {"niedziela", "poniedziałek", "wtorek", "środa", "czwartek", "piątek", "sobota"};
    for (int d = 0; d < 7; ++d)
        pl.weekDayNames[d] = days[d];
    pl.weekStartsMonday = true;

    MemorySettingsStore store;
    DisplayOptions o = LoadDisplayOptions(store, 0, pl);
    EXPECT_EQ(o.monthNames[1], "styczeń");
    EXPECT_EQ(o.monthNames[0], "Error");
    EXPECT_EQ(o.weekDayNames[1], "poniedziałek");
    EXPECT_EQ(o.weekDayNames[7], "niedziela");
    EXPECT_TRUE(o.bStartMonday);
    // The moon profile keeps its moon names.
    EXPECT_EQ(LoadDisplayOptions(store, kMoonProfile, pl).monthNames[1], DefaultMonthName(kMoonProfile, 1));
    // The system's texts where the locale gives none (English, "C").
    EXPECT_EQ(LoadDisplayOptions(store, 0, LocaleChoices::System()).monthNames[12], "December");

    // Saving does not freeze the locale's week start into the store; a changed one is stored
    // and then wins over the locale.
    SaveDisplayOptions(store, 0, o, pl);
    EXPECT_FALSE(store.Contains("Options", "StartWeekMonday"));
    o.bStartMonday = false;
    SaveDisplayOptions(store, 0, o, pl);
    EXPECT_FALSE(LoadDisplayOptions(store, 0, pl).bStartMonday);

    store.WriteString("Month", "December", "Gwiazdka");
    store.WriteString("Week", "Sunday", "Nd");
    o = LoadDisplayOptions(store, 0, pl);
    EXPECT_EQ(o.monthNames[12], "Gwiazdka");
    EXPECT_EQ(o.weekDayNames[0], "Nd");
    EXPECT_EQ(o.weekDayNames[1], "poniedziałek");
}
