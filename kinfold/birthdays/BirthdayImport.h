// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One import for genealogy (GEDCOM) and address-book (vCard) files, told apart by their content.
#include "birthdays/ImportTexts.h"
#include <string>
#include <string_view>
#include "birthdays/BirthdayList.h"

enum class ImportFormat { Unknown, Gedcom, VCard };

// After any byte-order mark and blank lines: BEGIN:VCARD is vCard, a level-0 line ("0 HEAD")
// is GEDCOM; anything else is neither. The file's name plays no part.
ImportFormat DetectImportFormat(std::string_view bytes);

struct BirthdayImportStats : ImportCounts {
    ImportFormat format = ImportFormat::Unknown;
};

// Merges the file's people and couples into `list` (unsorted). False, with the list unchanged
// and a message in `error`, when the bytes are neither GEDCOM nor vCard.
bool ImportBirthdays(std::string_view bytes, BirthdayList& list, BirthdayImportStats& stats, std::string& error);
// Reads the file and checks that it is one of the two; false with a message when it cannot be
// read or is neither.
bool ReadImportFile(const std::string& path, std::string& bytes, std::string& error);
// Reads the file and imports it; false with a message when it cannot be read or is neither.
bool ImportBirthdayFile(const std::string& path, BirthdayList& list, BirthdayImportStats& stats, std::string& error);
