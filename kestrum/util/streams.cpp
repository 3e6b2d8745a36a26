// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/streams.h"

namespace {
constexpr size_t kMaxField = 512;

void SkipBlanks(std::ifstream& in)
{
    for (;;) {
        int c = in.peek();
        if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') in.get();
        else break;
    }
}

// Reads through the next line feed; true when one was read.
bool SkipLine(std::ifstream& in)
{
    for (;;) {
        int c = in.get();
        if (c == std::char_traits<char>::eof()) return false;
        if (c == '\n') return true;
    }
}
}  // namespace

std::ifstream& operator>>(std::ifstream& in, CString& field)
{
    CString s;
    SkipBlanks(in);
    while (in.peek() == '\n') {
        SkipLine(in);
        SkipBlanks(in);
    }
    while (s.size() < kMaxField) {
        int c = in.get();
        if (c == std::char_traits<char>::eof()) break;
        if (c == '\t') {
            if (!s.empty()) break;
            continue;
        }
        if (c == '\n') {
            if (!s.empty()) {
                in.unget();
                break;
            }
            continue;
        }
        if (c == ';') {
            bool lineFeed = SkipLine(in);
            if (!s.empty()) {
                if (lineFeed) in.unget();
                break;
            }
            SkipBlanks(in);
            continue;
        }
        s += (char)c;
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n' ||
                          s.back() == '\f' || s.back() == '\v'))
        s.pop_back();
    field = s;
    // A field that ran to the end of the stream still counts as read.
    if (!field.empty() && in.fail() && !in.bad()) in.clear(std::ios::eofbit);
    return in;
}

void SkipToNextLine(std::ifstream& in)
{
    SkipLine(in);
}

bool EndOfLine(std::ifstream& in)
{
    return in.peek() == '\n';
}

bool NotEOF(std::ifstream& in)
{
    return !in.eof();
}

bool IsOk(std::ios& in)
{
    if (in.eof()) return false;
    in.clear();
    return true;
}
