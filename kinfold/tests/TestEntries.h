// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entries for the tests, written as people say them: month, day, year, text.
#include <cstdint>
#include "birthdays/BirthdayEntry.h"

inline BirthdayEntry Person(int m, int d, int y, const char* text, uint16_t kind = BirthdayEntry::Individual)
{
    BirthdayEntry e(CalendarDate(m, d, y));
    e.text = text;
    e.kind = kind;
    return e;
}
