// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/ImportTexts.h"

bool ImportTexts::TryClaim(const CString& text, Day day)
{
    auto [it, inserted] = m_taken.try_emplace(text, day);
    return inserted || it->second == day;
}

CString ImportTexts::Claim(const CString& text, const CalendarDate& date)
{
    const Day day{date.year, date.month, date.day};
    if (TryClaim(text, day)) return text;
    // Year 0 is a birthday whose year was not given: " [0]" would read as a year.
    const bool noYear = date.year == 0;
    CString byYear = text + StrFormat(" [%d]", date.year);
    if (!noYear && TryClaim(byYear, day)) return byYear;
    CString byDay = noYear ? text + StrFormat(" [--%02d-%02d]", date.month, date.day)
                           : text + StrFormat(" [%d-%02d-%02d]", date.year, date.month, date.day);
    if (TryClaim(byDay, day)) return byDay;
    // Only a record whose own text looks like a suffixed one can be in the way here.
    for (int n = 2;; ++n) {
        CString numbered = byDay + StrFormat(" (%d)", n);
        if (TryClaim(numbered, day)) return numbered;
    }
}

std::string ImportCountsText(const ImportCounts& counts)
{
    return std::to_string(counts.added) + " added, " + std::to_string(counts.merged) + " merged, " +
           std::to_string(counts.conflictsKept) + " conflicts kept";
}
