// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FNV-1a over bytes, 64 bits: a short name for a text that stays the same across versions and
// machines (record keys, event identities); not a secret. Chain calls to hash several parts.
#include <cstdint>
#include <string_view>

inline constexpr uint64_t kFnvOffsetBasis = 14695981039346656037ULL;

inline uint64_t Fnv1a(std::string_view bytes, uint64_t h = kFnvOffsetBasis)
{
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}
