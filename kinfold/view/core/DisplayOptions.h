// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar view's display choices, one set per profile, and their place in the settings store.
//
// A profile number is a calendar type (0 Current, 1 Old style, 2 Moon, 3 Chinese). Each profile has
// seven sections: the base word in profile 0 and the base word followed by the number above it
// ("Options", "Options2"). The view keeps one DisplayOptions value and loads it with
// LoadDisplayOptions; the options sheet reads the same value and writes each page it showed with
// the Write...Page functions, so both sides use one key and one default for every value.
#include "birthdays/BirthdayEntry.h"  // DisplaySwitches
#include "birthdays/LeapDay.h"
#include "platform/CString.h"
#include "platform/LocaleChoices.h"

class ISettingsStore;

inline constexpr int kMoonProfile = 2;

// Base words of the seven sections.
inline constexpr const char* kOptionsSection = "Options";
inline constexpr const char* kMarginsSection = "Margins";
inline constexpr const char* kFontNameSection = "FontName";
inline constexpr const char* kFontSizeSection = "FontSize";
inline constexpr const char* kFontColorSection = "FontColor";
inline constexpr const char* kWeekSection = "Week";
inline constexpr const char* kMonthSection = "Month";

// The base word for profile 0 (and below), the word followed by the number above.
CString ProfileSection(const CString& base, int profile);

struct DisplaySections {
    CString options, margins, fontName, fontSize, fontColor, week, month;
};
DisplaySections DisplaySectionsFor(int profile);

// The five text styles; also the order of the options sheet's font buttons.
enum DisplayFontId {
    TitleFont,      // month and year
    DayNameFont,    // the day-name row
    DayNumberFont,
    DayCountFont,   // the day count to or from the target
    NameFont,       // people, couples and notes
    DisplayFontCount
};

// Keys of one style in the FontName, FontSize and FontColor sections, with the size and colour
// read when nothing is stored. The keys are the same in every profile.
struct DisplayFontKeys {
    const char* faceKey;
    const char* sizeKey;
    const char* colorKey;
    int defaultSize;   // tenths of a point
    int defaultColor;  // 0x00BBGGRR
};
extern const DisplayFontKeys kDisplayFontKeys[DisplayFontCount];
inline constexpr const char* kLineColorKey = "Line";
inline constexpr int kDefaultLineColor = 0xE0E0E0;

// Keys of the week-day names (Sunday to Saturday, then Sunday again, so that a week starting on
// Monday takes entries 1 to 7) and of the fourteen month names ("Error", the twelve months, and
// "Once" for a thirteenth moon month). The month keys stay the English names in every profile.
extern const char* const kWeekDayKeys[8];
extern const char* const kMonthKeys[14];
// The month name shown when none is stored: the moon names ("Cold Moon" .. "Snow Moon") for months
// 1 to 12 of the Moon profile, the English names otherwise; "Error" for 0, "Blue Moon" for 13.
const char* DefaultMonthName(int profile, int month);

struct DisplayFont {
    CString face;  // empty: the surface's default face
    int size = 0;  // tenths of a point, as stored (unscaled)
    int color = 0; // 0x00BBGGRR
    bool operator==(const DisplayFont&) const = default;
};

// The stored "Target" is a whole day number; the view holds the day number of 0 h of that day.
int TargetToStored(double dayNumber);
double TargetFromStored(int stored);

struct DisplayOptions {
    // Margins in the surface's logical units; nHeader maps mouse clicks to the day-name row.
    int nTop = 5, nBottom = 5, nLeft = 5, nRight = 5, nHeader = 20;
    // Margins read are held to this many units either way (far beyond any page), so that the
    // page arithmetic cannot overflow whatever the settings file or the Margins page holds.
    static constexpr int kLargestMargin = 100000;

    // Switch 0 includes the dead, 1 shows anniversaries, 2 shows notes ("IncludeDead",
    // "Marriage", "Notes").
    DisplaySwitches switches;
    bool bStartMonday = false;
    int nAgeMode = 0;          // 0 ages, 1 ages under 18 only, 2 no ages
    bool bShortNames = true;   // first names only
    double dTarget = 0.5;      // day number at 0 h; nothing stored gives day 0
    bool bCountdown = false;
    bool bPictures = false;
    bool bMoonPhase = false;
    bool bSeasons = false;
    // Each week row's number in its first cell ("WeekNumbers").
    bool bWeekNumbers = false;
    // Where 29 February's entries go in common years ("LeapDay").
    LeapDayRule leapDay = LeapDayRule::February28;

    DisplayFont fonts[DisplayFontCount];  // indexed by DisplayFontId
    int crLine = kDefaultLineColor;

    CString weekDayNames[8];   // by kWeekDayKeys
    CString monthNames[14];    // by kMonthKeys

    // What an empty store gives for profile 0.
    DisplayOptions();
    // What an empty store gives for the profile (the Moon profile names its months differently).
    static DisplayOptions Defaults(int profile);

    bool operator==(const DisplayOptions&) const = default;
};

// Reads every value of the profile; missing values take their defaults. A stored "SurpressAge"
// other than 0 or 1 reads as 2 (no ages). The locale gives the defaults of the week-day and month
// names (not the moon names) and of "StartWeekMonday".
void LoadDisplayOptions(ISettingsStore& store, int profile, DisplayOptions& options,
                        const LocaleChoices& locale = LocaleChoices::System());
DisplayOptions LoadDisplayOptions(ISettingsStore& store, int profile,
                                  const LocaleChoices& locale = LocaleChoices::System());
// The names and first weekday a profile shows when none are stored.
void ApplyLocaleDefaults(DisplayOptions& options, int profile, const LocaleChoices& locale);
// The stored (unscaled) font sizes alone, by DisplayFontId, for rescaling the fonts.
void LoadDisplayFontSizes(ISettingsStore& store, int profile, int sizes[DisplayFontCount]);

// What the view writes on close and before switching profile: "IncludeDead", "Marriage", "Notes",
// "StartWeekMonday", "SurpressAge", "ShortNames", "Target", "Countdown", "Pictures" in the
// profile's Options section, and "WeekNumbers". "MoonPhase", "Seasons" and "LeapDay" are written only
// by the options sheet. A week start that is the locale's and was never stored stays unstored, so
// that it follows the locale.
void SaveDisplayOptions(ISettingsStore& store, int profile, const DisplayOptions& options,
                        const LocaleChoices& locale = LocaleChoices::System());
// What the view's Target command writes: "Target" and "Countdown".
void SaveTargetOptions(ISettingsStore& store, int profile, const DisplayOptions& options);

// The options sheet's pages, each writing only its own keys.
// Options: "SurpressAge", "Marriage", "IncludeDead", "Notes", "StartWeekMonday", "ShortNames",
// "Countdown", "Target" (unchanged if read by LoadDisplayOptions), "Pictures", "MoonPhase", "Seasons",
// "LeapDay", "WeekNumbers".
void WriteOptionsPage(ISettingsStore& store, int profile, const DisplayOptions& options);
// Margins: "Top", "Bottom", "Right", "Left" ("Header" is not edited).
void WriteMarginsPage(ISettingsStore& store, int profile, const DisplayOptions& options);
// Fonts: the five faces, the five sizes, the five colours and "Line".
void WriteFontPage(ISettingsStore& store, int profile, const DisplayOptions& options);
// Names: "Monday" .. "Saturday" from entries 1 to 6, "Sunday" from entry 0, then "January" ..
// "December". "Error" and "Once" are not edited. The page edits entry 0 for Sunday and should
// keep entry 7 equal to it.
void WriteNamesPage(ISettingsStore& store, int profile, const DisplayOptions& options);
