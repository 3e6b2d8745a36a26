// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Character sets and line ends of genealogy files: everything is turned into UTF-8 (NFC).
#include <string>
#include <string_view>
#include <vector>

enum class GedcomCharset { Utf8, Utf16LE, Utf16BE, Ansel, Ansi };

// The character set of a file's bytes: a byte-order mark or the zero bytes of UTF-16 first,
// then the value of the header's CHAR line (ANSEL, ANSI / Windows-1252), else UTF-8.
GedcomCharset DetectGedcomCharset(std::string_view bytes);

// The whole file as UTF-8 without a byte-order mark, composed (NFC). In UTF-8 and undeclared
// files, a line that is not valid UTF-8 is read as Windows-1252.
std::string DecodeGedcomBytes(std::string_view bytes);

// Each line (ending at CR or LF) that is valid UTF-8 as it is, every other line read as
// Windows-1252: files written by several programs mix the two.
std::string MixedLinesToUtf8(std::string_view bytes);

// ANSEL (ANSI Z39.47 with the genealogy extensions) to UTF-8; each combining mark, which
// ANSEL writes before its letter, is moved after it.
std::string AnselToUtf8(std::string_view bytes);
// UTF-16 to UTF-8; unpaired surrogates and an odd last byte become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
// Bytes in the named character set (any name iconv knows: ISO-8859-15, KOI8-R, Shift_JIS,
// GB18030, Big5, ...) as UTF-8; a byte sequence the set does not have becomes U+FFFD. False
// when the name is unknown.
bool CharsetToUtf8(std::string_view bytes, const std::string& charset, std::string& out);
// Whether the UTF-8 text holds a byte that begins a combining mark U+0300-U+036F (0xCC, 0xCD),
// the marks ComposeNfc composes.
bool HasCombiningMarkBytes(std::string_view utf8);
// Canonical composition of Latin, Greek and Cyrillic letters with their marks.
std::string ComposeNfc(std::string_view utf8);

// Lines ending at LF, CR LF or a lone CR; the last line needs no end. Views into `text`.
std::vector<std::string_view> SplitLines(std::string_view text);

// Calls fn(line) for each line as SplitLines gives them, without building the list.
template <class Fn>
void ForEachLine(std::string_view text, Fn&& fn)
{
    size_t start = 0;
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        char c = text[i];
        if (c != '\n' && c != '\r') continue;
        fn(text.substr(start, i - start));
        if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < n) fn(text.substr(start));
}
