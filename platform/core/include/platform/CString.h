// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 8-bit byte strings, as stored in files and settings.
#include <string>
#include <string_view>
#include <cstdarg>

using CString = std::string;

// printf-style formatting into a byte string.
CString StrFormat(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
CString StrFormatV(const char* fmt, va_list args);

// True when the bytes are well-formed UTF-8 (pure ASCII included).
bool IsValidUtf8(std::string_view bytes);
// Stored bytes to UTF-8: valid UTF-8 passes unchanged, anything else is read as Windows-1252.
std::string BytesToUtf8(const CString& bytes);
// Windows-1252 bytes to UTF-8, unconditionally.
std::string Cp1252ToUtf8(const CString& bytes);
// UTF-8 to Windows-1252 where every character has a byte; others become '?'.
CString Utf8ToCp1252(const std::string& utf8);
