// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The batch import: kinfold --import FILE [--save OUT.kfd] [DOC.kfd], FILE a GEDCOM or vCard file
#include <string>
#include <vector>
#include "birthdays/BirthdayList.h"
#include "birthdays/ImportTexts.h"

struct ImportCommandResult {
    int exitCode = 0;    // 0 done, 1 a file could not be read or written, 2 bad arguments
    std::string output;  // the line for standard output (on success)
    std::string error;   // the message for standard error (on failure)
};

// Loads DOC.kfd (or starts empty), merges the GEDCOM or vCard file (told apart by its content)
// keeping stored dates on conflicts, sorts and saves to OUT.kfd (default DOC.kfd). `args` are
// the arguments after the program name. Nothing is written unless everything was read.
ImportCommandResult RunImportCommand(const std::vector<std::string>& args);
// The same with the arguments read: `save` or `doc` may be empty, not both.
ImportCommandResult RunImportCommand(const std::string& ged, const std::string& save, const std::string& doc);

// Reads a ".kfd" file into `list`; false with a message (the list unchanged) when it cannot.
bool LoadKfdFile(const std::string& path, BirthdayList& list, std::string& error);
// Writes the list through a temporary file that then replaces `path`.
bool SaveKfdFile(const std::string& path, BirthdayList& list, std::string& error);
