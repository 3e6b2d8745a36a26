// SPDX-License-Identifier: GPL-3.0-or-later
// A list of stored holiday texts, one a line, as the settings store hands them back: read, written
// again byte for byte, and a whole year of it asked day by day, substitutes included.
#include <cstddef>
#include <cstdint>
#include <string>
#include "FuzzInput.h"
#include "calendar/CalendarDate.h"
#include "holidays/Holiday.h"
#include "holidays/HolidayList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    // Years 1 to 4096: the reform, leap centuries and the far future.
    const int year = 1 + ((data[0] << 8 | data[1]) & 0x0fff);
    const std::string text((const char*)data + 2, size - 2);
    HolidayList list;
    size_t start = 0;
    while (start <= text.size() && list.GetCount() < 24) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const CString line = text.substr(start, end - start);
        start = end + 1;
        Holiday h;
        if (!Holiday::FromText(line, h)) continue;
        Holiday again;
        FUZZ_CHECK(Holiday::FromText(h.ToText(), again));
        FUZZ_CHECK(again.name == h.name);
        // The newer kinds accept only texts they write back unchanged; the old ones write a number
        // that does not fit as another that matches nothing.
        if (h.NeedsYear()) {
            FUZZ_CHECK(h.ToText() == line);
            FUZZ_CHECK(again == h);
        }
        list.Add(h);
    }
    int lastMonth = 0, lastDay = 0;
    for (const DatedHoliday& d : list.HolidaysInYear(year)) {
        FUZZ_CHECK(d.year == year);
        FUZZ_CHECK(d.month > lastMonth || (d.month == lastMonth && d.day > lastDay));
        lastMonth = d.month;
        lastDay = d.day;
    }
    // The same rules on the Julian calendar's days, across the turn of its year.
    JulianDate old(12, 1, year);
    for (int i = 0; i < 62; ++i, old.AddDays(1)) {
        CString name;
        (void)list.HolidayOn(old, name);
    }
    return 0;
}
