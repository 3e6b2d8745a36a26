// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Symbols of the shared library are hidden unless marked.
#if defined(KESTRUM_BUILDING)
#define KESTRUM_API __attribute__((visibility("default")))
#else
#define KESTRUM_API
#endif
