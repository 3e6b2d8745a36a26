// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FNV-1a, 64 bits: the hashes a sync keeps in the settings to tell what changed since.
#include <cstdint>
#include <string_view>

inline constexpr uint64_t kFnvStart = 14695981039346656037ULL;

inline uint64_t Fnv(uint64_t h, std::string_view s)
{
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}
