// SPDX-License-Identifier: GPL-3.0-or-later
// GEDCOM date values, calendar escapes included.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include "birthdays/GedcomReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CalendarDate date;
    ReadGedcomDate(std::string_view((const char*)data, size), date);
    if (date.year != 0 && date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31) {
        (void)date.FormatShort();
        (void)date.Weekday();
    }
    return 0;
}
