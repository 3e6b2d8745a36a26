// SPDX-License-Identifier: GPL-3.0-or-later
// CDaylight::Load: a rule line; then its transitions in a few years and its tag's round trip.
#include <cstddef>
#include <cstdint>
#include "FuzzInput.h"
#include "kestrum/daylight.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CDaylight rule;
    rule.Load(CString((const char*)data, size));
    const int64_t moments[] = {0, 1700000000, -2000000000, 4102444800LL, 253402300799LL};
    for (int64_t s : moments) (void)rule.DST(CTime::FromSeconds(s), 3600 * 5);
    CDaylight again;
    again.SetTag(rule.GetTag());
    FUZZ_CHECK(again == rule);
    return 0;
}
