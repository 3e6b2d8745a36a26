// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entries are identified by their text, so one import must not give two people the same text.
// Within one import, records with the same text and another date (birth date of a person,
// wedding date of a couple) are other people: the first keeps the plain text, a later one gets
// the text + " [YYYY]" (the year of its date), and when that is taken too, + " [YYYY-MM-DD]"
// (" [--MM-DD]" for a birthday without a year).
// Records with the same text and the same date are one person recorded twice and get the same
// text, so they merge. The first record keeps the plain text so that it still merges with an
// entry of that text already in the document, and a second import of the same file finds the
// same texts.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "calendar/CalendarDate.h"
#include "birthdays/BirthdayList.h"
#include "birthdays/TextTable.h"
#include "platform/CString.h"

class ImportTexts {
public:
    // The text to add a record of `text` and `date` under; claims it for that date. Each
    // record asks once, in the order of the file (GEDCOM record, vCard card).
    CString Claim(const CString& text, const CalendarDate& date);

    // The list the claimed texts are looked up in next: a claim starts fetching its place
    // for them, which spares a big import a wait for memory. Null for none.
    void FetchAheadIn(const BirthdayList* list) { m_list = list; }

    // Forgets every claim (a new import).
    void Clear()
    {
        m_texts.Clear();
    }

private:
    struct Day {
        int year, month, day;
        bool operator==(const Day&) const = default;
    };
    // Takes `text` when it is free or held by the same day.
    bool TryClaim(std::string_view text, uint32_t hash, Day day);

    TextTable m_texts;  // each with the day that claimed it
    std::string m_buffer;
    const BirthdayList* m_list = nullptr;
};

// What an import did to the list, whatever the file's kind.
struct ImportCounts {
    int added = 0;          // entries appended to the list (people and couples)
    int merged = 0;         // entries merged into an entry of the same text
    int couples = 0;        // couple entries made (added or merged)
    int questions = 0;      // merge questions asked
    int conflictsKept = 0;  // questions answered B: the stored date was kept
    int yearsRefused = 0;   // dates left out for a year outside kFirstYear..kLastYear
};

// "3 added, 1 merged, 0 conflicts kept" (and ", 2 dates with a year outside -9900..11400 left out"
// when there are such): the counts as the command line and the window say them.
std::string ImportCountsText(const ImportCounts& counts);

// For as long as it lives, counts the merge questions an import asks of the list's chooser and
// the answers that keep the stored date; then gives the list its own chooser back.
class CountedQuestions {
public:
    CountedQuestions(BirthdayList& list, ImportCounts& counts) : m_list(list), m_original(list.Chooser())
    {
        list.SetChooser([&questions = counts.questions, &conflictsKept = counts.conflictsKept, this](const CString& t, const CString& w, const CString& a,
                                                           const CString& b) {
            ++questions;
            DateChoice c = m_original ? m_original(t, w, a, b) : DateChoice::B;
            if (c == DateChoice::B) ++conflictsKept;
            return c;
        });
    }
    ~CountedQuestions() { m_list.SetChooser(std::move(m_original)); }
    CountedQuestions(const CountedQuestions&) = delete;
    CountedQuestions& operator=(const CountedQuestions&) = delete;

private:
    BirthdayList& m_list;
    ChooseDateCallback m_original;
};
