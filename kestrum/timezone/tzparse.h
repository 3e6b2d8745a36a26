// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small text helpers shared by the zone, rule and alarm readers.
#include <cstdint>
#include <limits>
#include "platform/CString.h"

inline char TzLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

inline bool TzSameNoCase(const CString& a, const CString& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (TzLower(a[i]) != TzLower(b[i])) return false;
    return true;
}

inline bool TzIsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

inline CString TzTrim(const CString& s)
{
    size_t b = 0, e = s.size();
    while (b < e && TzIsSpace(s[b])) ++b;
    while (e > b && TzIsSpace(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// Value of the leading decimal digits (0 when none); stops growing instead of overflowing.
inline uint64_t TzLeadingDigits(const CString& s, size_t from = 0)
{
    uint64_t v = 0;
    for (size_t i = from; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (v > (std::numeric_limits<uint64_t>::max() - 9) / 10) break;
        v = v * 10 + (uint64_t)(s[i] - '0');
    }
    return v;
}

// The signed decimal integer at the start of s (blanks before it skipped; 0 when there is none),
// held within 64 bits.
inline int64_t TzLeadingInt(const CString& s)
{
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    uint64_t v = TzLeadingDigits(s, i);
    const uint64_t limit = (uint64_t)std::numeric_limits<int64_t>::max();
    if (v > limit) v = limit;
    return negative ? -(int64_t)v : (int64_t)v;
}
