// SPDX-License-Identifier: GPL-3.0-or-later
// ".mkw" reader: any bytes load (full or short form) or throw, leaving the data untouched; a
// loaded target is then shown in every mode.
#include <cstddef>
#include <cstdint>
#include <string>
#include "FuzzInput.h"
#include "core/MarkwheelFile.h"

namespace {
class FixedTime : public ITimeSource {
public:
    int64_t NowUtcMs() const override { return 1700000000000LL; }
    long UtcOffsetAt(int64_t utc) const override { return (utc / 86400) % 2 ? 3600 : 0; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MarkwheelData d;
    const MarkwheelData before = d;
    try {
        CArchive in(std::string((const char*)data, size));
        LoadMarkwheel(in, d);
    } catch (const CArchiveException&) {
        FUZZ_CHECK(d == before);
        return 0;
    }
    CArchive out;
    StoreMarkwheel(out, d);
    MarkwheelData again;
    CArchive back(out.Buffer());
    FUZZ_CHECK(!LoadMarkwheel(back, again));
    FUZZ_CHECK(again == d);
    FixedTime time;
    for (int32_t mode = 0; mode < 4; ++mode) {
        MarkwheelData shown = d;
        shown.mode = mode;
        (void)ComposeDisplay(shown, time);
    }
    (void)ComposeDisplay(d, time);
    return 0;
}
