// SPDX-License-Identifier: GPL-3.0-or-later
// Decode: numbers, signs, hexadecimal, booleans, angles and spans of any text.
#include <cstddef>
#include <cstdint>
#include "kestrum/format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)Decode(CString((const char*)data, size));
    return 0;
}
