// SPDX-License-Identifier: GPL-3.0-or-later
// A holiday's stored form as the settings store hands it back: read, matched against every day
// of a year in the two calendars, and written again.
#include <cstddef>
#include <cstdint>
#include "FuzzInput.h"
#include "calendar/CalendarDate.h"
#include "holidays/Holiday.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Holiday h;
    if (!Holiday::FromText(CString((const char*)data, size), h)) return 0;
    GregorianDate day(1, 1, 2028);
    JulianDate old(1, 1, 1580);
    for (int i = 0; i < 366; ++i) {
        (void)h.FallsOn(day);
        (void)h.FallsOn(old);
        day.AddDays(1);
        old.AddDays(1);
    }
    (void)h.FallsOn(h.month, h.day, h.weekday, 31);
    Holiday again;
    if (Holiday::FromText(h.ToText(), again)) {
        FUZZ_CHECK(again.name == h.name);
    }
    return 0;
}
