// SPDX-License-Identifier: GPL-3.0-or-later
// The "TimeZones.txt" loader over any file: rules section, zone lines, cities; then look-ups.
#include <cstddef>
#include <cstdint>
#include "FuzzInput.h"
#include "kestrum/timezone.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemFile file(data, size);
    CTimeZoneArray table(file.Name());
    FUZZ_CHECK(table.GetZoneCount() <= table.GetSize());
    CTime t = CTime::FromSeconds(1700000000);
    for (int i = 0; i < table.GetSize() && i < 8; ++i) {
        const CityName& city = table[i];
        FUZZ_CHECK(city.zone >= 0 && city.zone < table.GetZoneCount());
        CTimeZone zone = table.GetZone(city.name);
        (void)zone.GetSeconds(t);
        CTimeZone again;
        again.SetTag(zone.GetTag());
        FUZZ_CHECK(again == zone);
    }
    (void)table.GetZone("nowhere");
    return 0;
}
