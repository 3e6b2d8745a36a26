// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/DisplayOptions.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calendar/MoonDate.h"
#include "platform/Translate.h"
#include "platform/SettingsStore.h"

const DisplayFontKeys kDisplayFontKeys[DisplayFontCount] = {
    {"Month", "Month", "Month", 360, 0x008000},
    {"Week", "DayName", "DayName", 120, 0x800000},
    {"Day", "DayNumber", "DayNumber", 150, 0x0000FF},
    {"JDay", "DayCount", "DayCount", 80, 0},
    {"Name", "Name", "Name", 100, 0},
};

const char* const kWeekDayKeys[8] = {"Sunday",   "Monday", "Tuesday",  "Wednesday",
                                     "Thursday", "Friday", "Saturday", "Sunday"};

const char* const kMonthKeys[14] = {"Error",   "January",  "February", "March",  "April",
                                    "May",     "June",     "July",     "August", "September",
                                    "October", "November", "December", "Once"};

namespace {


bool ReadBool(ISettingsStore& store, const CString& section, const char* key, int def) {
    return store.GetInt(section, key, def) != 0;
}

void WriteStartMonday(ISettingsStore& store, const CString& section, const DisplayOptions& o,
                      const LocaleChoices& locale) {
    if (!store.Contains(section, "StartWeekMonday") && o.bStartMonday == locale.weekStartsMonday)
        return;
    store.WriteInt(section, "StartWeekMonday", o.bStartMonday ? 1 : 0);
}

}  // namespace

CString ProfileSection(const CString& base, int profile) {
    return profile > 0 ? base + StrFormat("%d", profile) : base;
}

DisplaySections DisplaySectionsFor(int profile) {
    return {ProfileSection(kOptionsSection, profile),  ProfileSection(kMarginsSection, profile),
            ProfileSection(kFontNameSection, profile), ProfileSection(kFontSizeSection, profile),
            ProfileSection(kFontColorSection, profile), ProfileSection(kWeekSection, profile),
            ProfileSection(kMonthSection, profile)};
}

const char* DefaultMonthName(int profile, int month) {
    if (month <= 0 || month > 13)
        return kMonthKeys[0];
    if (month == 13)
        return MoonMonthNames[12];
    return profile == kMoonProfile ? MoonMonthNames[month - 1] : kMonthKeys[month];
}

int TargetToStored(double dayNumber) {
    // Whole days below; for the x.5 of a day's 0 h this is the stored truncated form.
    const double whole = std::floor(dayNumber);
    if (!(whole >= std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (whole > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(whole);
}

double TargetFromStored(int stored) {
    // The whole number alone would be noon of the day before.
    return stored + 0.5;
}

DisplayOptions::DisplayOptions() {
    for (int f = 0; f < DisplayFontCount; ++f) {
        fonts[f].size = kDisplayFontKeys[f].defaultSize;
        fonts[f].color = kDisplayFontKeys[f].defaultColor;
    }
    for (int i = 0; i < 8; ++i)
        weekDayNames[i] = kWeekDayKeys[i];
    for (int m = 0; m < 14; ++m)
        monthNames[m] = DefaultMonthName(0, m);
}

DisplayOptions DisplayOptions::Defaults(int profile) {
    DisplayOptions options;
    for (int m = 0; m < 14; ++m)
        options.monthNames[m] = DefaultMonthName(profile, m);
    return options;
}

void ApplyLocaleDefaults(DisplayOptions& o, int profile, const LocaleChoices& locale) {
    o.bStartMonday = locale.weekStartsMonday;
    for (int i = 0; i < 8; ++i)
        o.weekDayNames[i] = locale.HasNames() ? locale.weekDayNames[i % 7] : CString(kWeekDayKeys[i]);
    for (int m = 0; m < 14; ++m) {
        const bool own = locale.HasNames() && profile != kMoonProfile && m >= 1 && m <= 12;
        // The moon months are the program's own words: in the user's language.
        const bool moon = m == 13 || (profile == kMoonProfile && m >= 1);
        o.monthNames[m] = own ? locale.monthNames[m]
                              : moon ? CString(TextTranslation::translate("MoonDate", DefaultMonthName(profile, m)))
                                     : CString(DefaultMonthName(profile, m));
    }
}

void LoadDisplayOptions(ISettingsStore& store, int profile, DisplayOptions& o, const LocaleChoices& locale) {
    const DisplaySections s = DisplaySectionsFor(profile);
    ApplyLocaleDefaults(o, profile, locale);

    auto margin = [&](const char* key, int def) {
        return std::clamp(store.GetInt(s.margins, key, def), -DisplayOptions::kLargestMargin,
                          DisplayOptions::kLargestMargin);
    };
    o.nTop = margin("Top", 5);
    o.nBottom = margin("Bottom", 5);
    o.nLeft = margin("Left", 5);
    o.nRight = margin("Right", 5);
    o.nHeader = margin("Header", 20);

    auto readSwitch = [&](int n, const char* key) {
        if (ReadBool(store, s.options, key, 0))
            o.switches.Set(n);
        else
            o.switches.Clear(n);
    };
    readSwitch(DisplaySwitches::DeadBirthdays, "IncludeDead");
    readSwitch(DisplaySwitches::Anniversaries, "Marriage");
    readSwitch(DisplaySwitches::Notes, "Notes");
    o.bStartMonday = ReadBool(store, s.options, "StartWeekMonday", o.bStartMonday ? 1 : 0);
    const int ageMode = store.GetInt(s.options, "SurpressAge", 0);
    o.nAgeMode = (ageMode == 0 || ageMode == 1) ? ageMode : 2;
    o.bShortNames = ReadBool(store, s.options, "ShortNames", 1);
    o.dTarget = TargetFromStored(store.GetInt(s.options, "Target", 0));
    o.bCountdown = ReadBool(store, s.options, "Countdown", 0);
    o.bPictures = ReadBool(store, s.options, "Pictures", 0);
    o.bMoonPhase = ReadBool(store, s.options, "MoonPhase", 0);
    o.bSeasons = ReadBool(store, s.options, "Seasons", 0);
    o.bWeekNumbers = ReadBool(store, s.options, "WeekNumbers", 0);
    o.leapDay = LeapDayRuleFromStored(store.GetInt(s.options, kLeapDayKey, 0));

    static constexpr DisplayFontId faceOrder[] = {NameFont, DayNumberFont, DayCountFont, DayNameFont,
                                                  TitleFont};
    for (DisplayFontId f : faceOrder)
        o.fonts[f].face = store.GetString(s.fontName, kDisplayFontKeys[f].faceKey, "");
    int sizes[DisplayFontCount];
    LoadDisplayFontSizes(store, profile, sizes);
    for (int f = 0; f < DisplayFontCount; ++f)
        o.fonts[f].size = sizes[f];
    static constexpr DisplayFontId colorOrder[] = {NameFont, TitleFont, DayNameFont, DayNumberFont,
                                                   DayCountFont};
    for (DisplayFontId f : colorOrder)
        o.fonts[f].color = store.GetInt(s.fontColor, kDisplayFontKeys[f].colorKey,
                                        kDisplayFontKeys[f].defaultColor);
    o.crLine = store.GetInt(s.fontColor, kLineColorKey, kDefaultLineColor);

    for (int i = 0; i < 8; ++i)
        o.weekDayNames[i] = store.GetString(s.week, kWeekDayKeys[i], o.weekDayNames[i]);
    for (int m = 0; m < 14; ++m)
        o.monthNames[m] = store.GetString(s.month, kMonthKeys[m], o.monthNames[m]);
}

DisplayOptions LoadDisplayOptions(ISettingsStore& store, int profile, const LocaleChoices& locale) {
    DisplayOptions options;
    LoadDisplayOptions(store, profile, options, locale);
    return options;
}

void LoadDisplayFontSizes(ISettingsStore& store, int profile, int sizes[DisplayFontCount]) {
    const CString section = ProfileSection(kFontSizeSection, profile);
    for (int f = 0; f < DisplayFontCount; ++f)
        sizes[f] = store.GetInt(section, kDisplayFontKeys[f].sizeKey, kDisplayFontKeys[f].defaultSize);
}

void SaveDisplayOptions(ISettingsStore& store, int profile, const DisplayOptions& o, const LocaleChoices& locale) {
    const CString section = ProfileSection(kOptionsSection, profile);
    store.WriteInt(section, "IncludeDead", o.switches.IsSet(DisplaySwitches::DeadBirthdays) ? 1 : 0);
    store.WriteInt(section, "Marriage", o.switches.IsSet(DisplaySwitches::Anniversaries) ? 1 : 0);
    store.WriteInt(section, "Notes", o.switches.IsSet(DisplaySwitches::Notes) ? 1 : 0);
    WriteStartMonday(store, section, o, locale);
    store.WriteInt(section, "SurpressAge", o.nAgeMode);
    store.WriteInt(section, "ShortNames", o.bShortNames ? 1 : 0);
    store.WriteInt(section, "Target", TargetToStored(o.dTarget));
    store.WriteInt(section, "Countdown", o.bCountdown ? 1 : 0);
    store.WriteInt(section, "Pictures", o.bPictures ? 1 : 0);
    store.WriteInt(section, "WeekNumbers", o.bWeekNumbers ? 1 : 0);
}

void SaveTargetOptions(ISettingsStore& store, int profile, const DisplayOptions& o) {
    const CString section = ProfileSection(kOptionsSection, profile);
    store.WriteInt(section, "Target", TargetToStored(o.dTarget));
    store.WriteInt(section, "Countdown", o.bCountdown ? 1 : 0);
}

void WriteOptionsPage(ISettingsStore& store, int profile, const DisplayOptions& o) {
    const CString section = ProfileSection(kOptionsSection, profile);
    store.WriteInt(section, "SurpressAge", o.nAgeMode);
    store.WriteInt(section, "Marriage", o.switches.IsSet(DisplaySwitches::Anniversaries) ? 1 : 0);
    store.WriteInt(section, "IncludeDead", o.switches.IsSet(DisplaySwitches::DeadBirthdays) ? 1 : 0);
    store.WriteInt(section, "Notes", o.switches.IsSet(DisplaySwitches::Notes) ? 1 : 0);
    store.WriteInt(section, "StartWeekMonday", o.bStartMonday ? 1 : 0);
    store.WriteInt(section, "ShortNames", o.bShortNames ? 1 : 0);
    store.WriteInt(section, "Countdown", o.bCountdown ? 1 : 0);
    store.WriteInt(section, "Target", TargetToStored(o.dTarget));
    store.WriteInt(section, "Pictures", o.bPictures ? 1 : 0);
    store.WriteInt(section, "MoonPhase", o.bMoonPhase ? 1 : 0);
    store.WriteInt(section, "Seasons", o.bSeasons ? 1 : 0);
    store.WriteInt(section, kLeapDayKey, LeapDayRuleToStored(o.leapDay));
    store.WriteInt(section, "WeekNumbers", o.bWeekNumbers ? 1 : 0);
}

void WriteMarginsPage(ISettingsStore& store, int profile, const DisplayOptions& o) {
    const CString section = ProfileSection(kMarginsSection, profile);
    store.WriteInt(section, "Top", o.nTop);
    store.WriteInt(section, "Bottom", o.nBottom);
    store.WriteInt(section, "Right", o.nRight);
    store.WriteInt(section, "Left", o.nLeft);
}

void WriteFontPage(ISettingsStore& store, int profile, const DisplayOptions& o) {
    const DisplaySections s = DisplaySectionsFor(profile);
    static constexpr DisplayFontId faceOrder[] = {NameFont, DayNumberFont, DayCountFont, DayNameFont,
                                                  TitleFont};
    for (DisplayFontId f : faceOrder)
        store.WriteString(s.fontName, kDisplayFontKeys[f].faceKey, o.fonts[f].face);
    for (int f = 0; f < DisplayFontCount; ++f)
        store.WriteInt(s.fontSize, kDisplayFontKeys[f].sizeKey, o.fonts[f].size);
    static constexpr DisplayFontId colorOrder[] = {NameFont, TitleFont, DayNameFont, DayNumberFont,
                                                   DayCountFont};
    for (DisplayFontId f : colorOrder)
        store.WriteInt(s.fontColor, kDisplayFontKeys[f].colorKey, o.fonts[f].color);
    store.WriteInt(s.fontColor, kLineColorKey, o.crLine);
}

void WriteNamesPage(ISettingsStore& store, int profile, const DisplayOptions& o) {
    const DisplaySections s = DisplaySectionsFor(profile);
    for (int i = 1; i <= 6; ++i)
        store.WriteString(s.week, kWeekDayKeys[i], o.weekDayNames[i]);
    store.WriteString(s.week, kWeekDayKeys[0], o.weekDayNames[0]);
    for (int m = 1; m <= 12; ++m)
        store.WriteString(s.month, kMonthKeys[m], o.monthNames[m]);
}
