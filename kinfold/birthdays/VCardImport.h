// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Merges the birthdays, deaths and wedding anniversaries of an address book (vCard) into a list.
#include "birthdays/ImportTexts.h"
#include <string_view>
#include "birthdays/BirthdayList.h"

struct VCardImportStats : ImportCounts {
    int cards = 0;  // cards read
};

// A card with a birthday adds a person (its anniversary is the marriage date, its death date
// the death date); a card with an anniversary adds a couple "First+Spouse Family" on that date,
// unless a couple of that date already names the two the other way round. Entries go through
// AddOrMerge, so merge questions go to the list's chooser. The list is not sorted.
VCardImportStats ImportVCards(std::string_view bytes, BirthdayList& list);
