// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Field readers over input file streams. Kept apart: with CString being std::string, this
// operator>> replaces every `ifstream >> std::string` in a file that includes it.
#include <fstream>
#include <ios>
#include "platform/CString.h"
#include "kestrum/export.h"

// One field of at most 512 characters: ends at a tab or line feed after text; ';' starts a comment.
KESTRUM_API std::ifstream& operator>>(std::ifstream& in, CString& field);
KESTRUM_API void SkipToNextLine(std::ifstream& in);
KESTRUM_API bool EndOfLine(std::ifstream& in);
KESTRUM_API bool NotEOF(std::ifstream& in);
// False at end of stream; otherwise clears a failure state and returns true.
KESTRUM_API bool IsOk(std::ios& in);
