// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reads for the import and the command line, with a message fit for the user.
#include <cstdio>
#include <string>

// The file opened for reading in binary; null with `error` set when it is a folder or cannot
// be opened. The caller closes it.
std::FILE* OpenForReading(const std::string& path, std::string& error);

// The file's bytes; false with `error` set when it is a folder or cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);
// Up to `count` bytes from the start of the file; false with `error` set as above.
bool ReadFileHead(const std::string& path, size_t count, std::string& bytes, std::string& error);
// Writes the bytes to a temporary file beside `path` that then replaces it, so a failed or
// interrupted write, or a power cut, leaves the old file or the new one whole; false with `error`
// set when it cannot.
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& error);
