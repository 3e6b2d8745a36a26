// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File search, folders, processes, clock readings, dialogs, integer rounding and process-wide flags.
#include "platform/CString.h"
#include "kestrum/export.h"

class QPainter;

// Full path of a file found by name below the name's folder (or the current folder), else in the
// library's data folders; empty when nowhere. Searches are bounded in depth and entries.
KESTRUM_API CString Path(const CString& name);
KESTRUM_API CString Path(const char* name);
// Searches folder and below for name ("stem", "*.ext" or "file.ext"); sets result on a match.
KESTRUM_API void FindFile(const CString& folder, const CString& name, CString& result);
// Searches the current folder and below for name (case-insensitive); result is folder + '/' + lower-case name.
KESTRUM_API void FindFile(CString name, CString& result);
// 1 when a file of the path's name is in the path's folder or below (a bare name: the current folder).
KESTRUM_API int Exists(CString path);

KESTRUM_API void MkDir(CString folder);
KESTRUM_API void MakeDir(const CString& folder);
// Starts "program arguments" detached, the program looked up on the search path.
KESTRUM_API void SpawnNoWait(const CString& command);
// Shows the system's text for the last error (errno) in a message box.
KESTRUM_API void DisplayError(const char* caption);

// Seconds since 1970 with milliseconds as the fraction.
KESTRUM_API double SystemTime();
// Milliseconds since the start of the current (UTC) day.
KESTRUM_API unsigned long Millisecond();
// "h:m:s.mmm" of Millisecond(), e.g. "9:5:3.042".
KESTRUM_API CString TimeTag();
KESTRUM_API CString TimeTag(unsigned long millisecond);

// Selects a light Arial font of height tenths of a point.
KESTRUM_API void SetTextHeight(QPainter& dc, int height);
// Open-file dialogs pre-filled with "Here"; cancel gives "Here". BrousePathName returns the folder
// (with its trailing separator) that the user opened.
KESTRUM_API CString BrouseFileName(CString title, CString folder);
KESTRUM_API CString BrousePathName(CString title, CString folder);

KESTRUM_API int Floor(double v);
KESTRUM_API int Floor(float v);
KESTRUM_API int Ceiling(double v);
KESTRUM_API int Ceiling(float v);
// a / b rounded down or up (b positive).
KESTRUM_API int Floor(int a, int b);
KESTRUM_API int Ceiling(int a, int b);
// Largest multiple of b not above a; rndup is that plus b.
KESTRUM_API double rnddn(double a, double b);
KESTRUM_API double rndup(double a, double b);

KESTRUM_API int Bit(int n);
// One process-wide 32-bit flag word.
KESTRUM_API bool Set(int n);
KESTRUM_API bool Clear(int n);
KESTRUM_API bool Test(int n);
