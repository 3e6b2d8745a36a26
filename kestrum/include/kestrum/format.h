// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Short display texts for numbers, angles and spans, and Decode to read such texts back.
#include "platform/CString.h"
#include "platform/CTime.h"
#include "kestrum/export.h"

// Integers: plain up to 1024 in magnitude, else divided by 1024 with K, M or G ("1.0K").
KESTRUM_API CString String(int v);
KESTRUM_API CString String(long v);
KESTRUM_API CString String(short v);
KESTRUM_API CString String(char v);
KESTRUM_API CString String(unsigned int v);
KESTRUM_API CString String(unsigned long v);
KESTRUM_API CString String(unsigned short v);
KESTRUM_API CString String(unsigned char v);
// Reals with decimal prefixes: "Zero", "Large", "Small", "12.5 ", "1.5K", "50.0m".
KESTRUM_API CString String(double v);
KESTRUM_API CString String(float v);

// Angles. form packs the sign letters: low byte before a negative angle, second byte otherwise,
// e.g. ('N' << 8) | 'S'. The degree sign is the 8-bit byte 0xB0.
KESTRUM_API CString String(int form, int seconds);
KESTRUM_API CString String(int form, double degrees);
KESTRUM_API CString String(int form, long milliseconds);
// Thousandths of a second of arc, a blank in place of the degree sign, always the positive letter.
KESTRUM_API CString String(int form, unsigned long milliseconds);

// "1y 2d 3h 4m 5s " from the first non-zero part on; empty for a zero span.
KESTRUM_API CString String(CTimeSpan span);

KESTRUM_API CString itoa(int v);
// Value of a signed number, hemisphere letter, d°m's", h:m:s, unit-prefixed, 0x hex or true/false text.
KESTRUM_API double Decode(CString text);
// Removes the leading decimal digits and returns their value.
KESTRUM_API int StripInt(CString& text);
KESTRUM_API char LastChar(const CString& text);
