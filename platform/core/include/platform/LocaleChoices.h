// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user's locale chooses for a calendar: names, first weekday, territory and paper.
// Read from the toolkit at the program's edge and handed to the cores, so that the cores and
// their tests need no installed locale.
#include "platform/CString.h"

struct LocaleChoices {
    // The locale's own names, UTF-8; empty where the system's English texts stand (English
    // locales and "C"). Months 1 .. 12 in the stand-alone form a calendar title uses (index 0
    // unused); week days Sunday .. Saturday.
    CString monthNames[13];
    CString weekDayNames[7];
    bool HasNames() const { return !monthNames[1].empty(); }
    // The locale's first day of the week is Monday (most of Europe) rather than Sunday.
    bool weekStartsMonday = false;
    // ISO 3166 territory ("DE", "US"; empty for "C") and ISO 639 language ("de", "fr").
    CString territory;
    CString language;
    // The locale measures in US units: Letter paper rather than A4.
    bool usPaper = true;

    // The "C" locale: what the system has always shown.
    static LocaleChoices System() { return {}; }
};
