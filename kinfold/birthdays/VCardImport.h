// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Merges the birthdays, deaths and wedding anniversaries of an address book (vCard) into a list.
#include "birthdays/ImportTexts.h"
#include <memory>
#include <string_view>
#include <vector>
#include "birthdays/BirthdayList.h"

struct VCardContact;

// The import's rules for one card after another: the entries a card gives (a person with a
// birthday, a couple "First+Spouse Family" with an anniversary), their texts claimed within
// this run (ImportTexts), and a couple that the list or an earlier card already names the other
// way round left out.
class VCardEntries {
public:
    explicit VCardEntries(const BirthdayList& list);
    ~VCardEntries();
    // Claims a text for a date beforehand, for an entry that stays as it is.
    void Reserve(const CString& text, const CalendarDate& date);
    std::vector<BirthdayEntry> Of(const VCardContact& card);

private:
    struct Couples;
    std::unique_ptr<Couples> m_couples;
    ImportTexts m_texts;
};

struct VCardImportStats : ImportCounts {
    int cards = 0;  // cards read
};

// A card with a birthday adds a person (its anniversary is the marriage date, its death date
// the death date); a card with an anniversary adds a couple "First+Spouse Family" on that date,
// unless a couple of that date already names the two the other way round. Entries go through
// AddOrMerge, so merge questions go to the list's chooser. The list is not sorted.
VCardImportStats ImportVCards(std::string_view bytes, BirthdayList& list);
