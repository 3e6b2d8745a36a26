// SPDX-License-Identifier: GPL-3.0-or-later
// CDaylightTime::Load: one transition rule; then the transition in years near and far.
#include <cstddef>
#include <cstdint>
#include "FuzzInput.h"
#include "kestrum/daylight.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CDaylightTime rule;
    rule.Load(CString((const char*)data, size));
    const int64_t years[] = {1970, 2024, 1, 9999, -500};
    for (int64_t y : years) (void)rule.GetTimeInYear(y, -3600 * 11);
    (void)rule.GetTime(CTime::FromSeconds(1700000000), 45 * 60 + 12 * 3600);
    CDaylightTime again;
    again.SetTag(rule.GetTag());
    FUZZ_CHECK(again == rule);
    return 0;
}
