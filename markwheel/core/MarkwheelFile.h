// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ".mkw" document form on the archive stream.
#include "platform/Archive.h"
#include "core/Countdown.h"

// Title, year, month, day, hour, minute, second, display mode.
void StoreMarkwheel(CArchive& ar, const MarkwheelData& d);
// Reads into `d`; a file that ends after the second keeps d.mode and returns true (the short form).
// Anything shorter, or a field out of its range, throws CArchiveException and leaves `d` untouched.
bool LoadMarkwheel(CArchive& ar, MarkwheelData& d);
