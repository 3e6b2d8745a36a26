// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/ImportTexts.h"
#include <algorithm>
#include "platform/Translate.h"

bool ImportTexts::TryClaim(std::string_view text, uint32_t hash, Day day)
{
    bool added;
    std::array<int, 3>& held = m_texts.Numbers(m_texts.Add(text, hash, added));
    if (added) held = {day.year, day.month, day.day};
    return held == std::array<int, 3>{day.year, day.month, day.day};
}

namespace {

// Writes v as "%d" does (and "%02d" with `two`) at `out`; returns the end.
char* PutInt(char* out, int v, bool two = false)
{
    char digits[12];
    unsigned u = v < 0 ? 0u - (unsigned)v : (unsigned)v;
    int n = 0;
    do {
        digits[n++] = (char)('0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (v < 0) *out++ = '-';
    else if (two && n == 1) *out++ = '0';
    while (n > 0) *out++ = digits[--n];
    return out;
}

} // namespace

CString ImportTexts::Claim(const CString& text, const CalendarDate& date)
{
    const Day day{date.year, date.month, date.day};
    if (TryClaim(text, TextTable::Hash(text), day)) return text;
    // Year 0 is a birthday whose year was not given: " [0]" would read as a year.
    const bool noYear = date.year == 0;
    // Both other texts in one buffer, made without a formatting call or an allocation for each
    // of a big file's records, and both looked for at once: in a big table each costs a wait
    // for memory.
    char year[12], ymd[48];
    const size_t yearSize = (size_t)(PutInt(year, date.year) - year);
    char* end = noYear ? ymd : std::copy(year, year + yearSize, ymd);
    if (noYear) *end++ = '-';
    *end++ = '-';
    end = PutInt(end, date.month, true);
    *end++ = '-';
    end = PutInt(end, date.day, true);
    *end++ = ']';
    // text + " [" + the year + "]", then right after it text + " [" + the day + "]".
    std::string& buf = m_buffer;
    buf.assign(text);
    buf += " [";
    buf.append(year, yearSize);
    buf += ']';
    const size_t byYearSize = buf.size();
    buf += text;
    buf += " [";
    buf.append(ymd, (size_t)(end - ymd));
    const std::string_view byYear(buf.data(), byYearSize), byDay(buf.data() + byYearSize, buf.size() - byYearSize);
    const uint32_t dayHash = TextTable::Hash(byDay);
    m_texts.Prefetch(dayHash);
    if (m_list) {
        m_list->PrefetchText(byDay);
        if (!noYear) m_list->PrefetchText(byYear);
    }
    if (!noYear) {
        const uint32_t yearHash = TextTable::Hash(byYear);
        if (TryClaim(byYear, yearHash, day)) return CString(byYear);
    }
    if (TryClaim(byDay, dayHash, day)) return CString(byDay);
    // Only a record whose own text looks like a suffixed one can be in the way here.
    const CString byDayText(byDay);
    for (int n = 2;; ++n) {
        CString numbered = byDayText + StrFormat(" (%d)", n);
        if (TryClaim(numbered, TextTable::Hash(numbered), day)) return numbered;
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
