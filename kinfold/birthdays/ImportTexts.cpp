// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/ImportTexts.h"
#include "platform/Translate.h"

bool ImportTexts::TryClaim(std::string_view text, Day day)
{
    bool added;
    std::array<int, 3>& held = m_texts.Numbers(m_texts.Add(text, added));
    if (added) held = {day.year, day.month, day.day};
    return held == std::array<int, 3>{day.year, day.month, day.day};
}

CString ImportTexts::Claim(const CString& text, const CalendarDate& date)
{
    const Day day{date.year, date.month, date.day};
    if (TryClaim(text, day)) return text;
    // Year 0 is a birthday whose year was not given: " [0]" would read as a year.
    const bool noYear = date.year == 0;
    // As "%02d" writes them, without a formatting call for each of a big file's records.
    auto two = [](int v) { return (v >= 0 && v < 10 ? "0" : "") + std::to_string(v); };
    const std::string year = std::to_string(date.year);
    CString byYear = text + " [" + year + "]";
    if (!noYear && TryClaim(byYear, day)) return byYear;
    CString byDay = text + " [" + (noYear ? std::string("-") : year) + "-" + two(date.month) + "-" + two(date.day) + "]";
    if (TryClaim(byDay, day)) return byDay;
    // Only a record whose own text looks like a suffixed one can be in the way here.
    for (int n = 2;; ++n) {
        CString numbered = byDay + StrFormat(" (%d)", n);
        if (TryClaim(numbered, day)) return numbered;
    }
}

std::string ImportCountsText(const ImportCounts& counts)
{
    std::string text = FillIn(TextTranslation::translate("ImportTexts", "%1 added, %2 merged, %3 conflicts kept"),
                                        {std::to_string(counts.added), std::to_string(counts.merged),
                                         std::to_string(counts.conflictsKept)});
    if (counts.yearsRefused == 0) return text;
    const std::string first = std::to_string(kFirstYear), last = std::to_string(kLastYear);
    return text + FillIn(counts.yearsRefused == 1
                                       ? TextTranslation::translate("ImportTexts", ", 1 date with a year outside %1..%2 left out")
                                       : TextTranslation::translate("ImportTexts", ", %n dates with a year outside %1..%2 left out",
                                                  nullptr, counts.yearsRefused),
                                   {first, last});
}
