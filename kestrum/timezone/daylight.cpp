// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/daylight.h"

#include <cmath>
#include <cstring>

#include "kestrum/format.h"
#include "kestrum/readonly.h"
#include "timezone/tzparse.h"

namespace {

constexpr uint32_t kValidBits = 0x0FFF7FFFu;  // bit 15 and bits 28-31 are always 0
constexpr int kMaxWords = 6;

uint32_t Pack(int ordinal, int weekday, int month, int day, int hour, int minute)
{
    return (uint32_t)(ordinal & 7) | (uint32_t)(weekday & 7) << 3 | (uint32_t)(month & 15) << 6 |
           (uint32_t)(day & 31) << 10 | (uint32_t)(hour & 63) << 16 | (uint32_t)(minute & 63) << 22;
}

bool SameStart(const CString& word, const char* name)
{
    if (word.size() < 3) return false;
    for (int i = 0; i < 3; ++i)
        if (TzLower(word[(size_t)i]) != name[i]) return false;
    return true;
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if (a % b != 0 && (a < 0) != (b < 0)) --q;
    return q;
}

int MonthLength(int64_t year, int month)
{
    static const int kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) {
        bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        return leap ? 29 : 28;
    }
    return kLength[month - 1];
}

}  // namespace

// ---- CDaylightTime ----------------------------------------------------------------------------

CDaylightTime::~CDaylightTime() = default;

void CDaylightTime::SetWord(uint32_t word)
{
    m_nWord = word & kValidBits;
}

int CDaylightTime::MoY(const CString& word) const
{
    static const char* const kMonths[14] = {"jan", "feb", "mar", "apr", "may", "jun", "jul",
                                            "aug", "sep", "oct", "nov", "dec", "far", "meh"};
    for (int i = 0; i < 14; ++i)
        if (SameStart(word, kMonths[i])) return i + 1;
    return 0;
}

int CDaylightTime::DoW(const CString& word) const
{
    static const char* const kDays[7] = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
    for (int i = 0; i < 7; ++i)
        if (SameStart(word, kDays[i])) return i + 1;
    if (SameStart(word, "thr")) return 5;
    return 0;
}

void CDaylightTime::Load(CString text)
{
    text = TzTrim(text);

    // Words run between '(' or '.' and the next '.', ')' or ','. A ',' separates like a '.', so
    // that it cannot stall the scan, and words past the sixth are ignored.
    std::vector<CString> words;
    size_t pos = 0;
    while (pos < text.size() && (int)words.size() < kMaxWords) {
        char c = text[pos];
        if (c == ')') break;
        if (c == '(' || c == '.' || c == ',') { ++pos; continue; }
        size_t stop = text.find_first_of(".),", pos);
        if (stop == CString::npos) stop = text.size();
        words.push_back(TzTrim(text.substr(pos, stop - pos)));
        pos = stop;
    }

    size_t w = 0;
    int ordinal = 0, weekday = 0, month = 0, day = 0, hour = 0, minute = 0;
    if (w < words.size()) {
        const CString& first = words[w];
        if (TzSameNoCase(first, "First")) { ordinal = 1; ++w; }
        else if (TzSameNoCase(first, "Last")) { ordinal = 6; ++w; }
        else if (!first.empty() && first[0] >= '0' && first[0] <= '7') {
            ordinal = (int)(TzLeadingDigits(first) % 8);
            ++w;
        }
    }
    if (ordinal != 0 && w < words.size()) {
        weekday = DoW(words[w]);
        if (weekday != 0) ++w;
    }
    if (w < words.size()) month = MoY(words[w++]);
    for (; w < words.size(); ++w) {
        const CString& word = words[w];
        if (word.find(':') != CString::npos) {
            // Whole minutes, so that "2:03" keeps minute 3 whatever the rounding of 3/60.
            long long total = std::llround(Decode(word) * 60.0);
            if (total < 0) total = 0;
            hour = (int)std::min<long long>(total / 60, 63);
            minute = (int)(total % 60);
        } else {
            day = (int)(TzLeadingDigits(word) % 32);
        }
    }

    // Persian months on their fixed Gregorian days: 1 Farvardin = 21 March, 1 Mehr = 22 September.
    if (month == 13) {
        if (day <= 11) { month = 3; day += 20; }
        else { month = 4; day -= 11; }
    } else if (month == 14) {
        if (day <= 9) { month = 9; day += 21; }
        else { month = 10; day -= 9; }
    }
    m_nWord = Pack(ordinal, weekday, month, day, hour, minute);
}

CTime CDaylightTime::GetTimeInYear(int64_t year, long offset) const
{
    int ordinal = GetOrdinal();
    int month = GetMonth();
    int day = GetDay();
    // A month outside 1-12 carries into the year, as the platform's conversion would.
    year += FloorDiv(month - 1, 12);
    month = (int)(month - 1 - FloorDiv(month - 1, 12) * 12) + 1;

    if (ordinal != 0) {
        if (ordinal == 7) ordinal = 6;
        // Count from the day after `day`; a weekday past the month's end steps back by weeks, so
        // "last" and a missing fifth weekday give the month's last such weekday.
        int64_t probe = DaysFromCivil(year, month, 1) + day;
        int64_t wd = (probe + 4) % 7;  // 1970-01-01 was a Thursday
        if (wd < 0) wd += 7;
        int w = (int)wd + 1;
        int target = day + 1 + ((GetWeekday() - w + 7) % 7) + 7 * (ordinal - 1);
        int length = MonthLength(year, month);
        if (target > length) target -= 7 * ((target - length + 6) / 7);
        day = target;
    }
    return CTime::FromFieldsAt(year, month, day, GetHour(), GetMinute(), 0, offset);
}

CTime CDaylightTime::GetTime(const CTime& t, long offset) const
{
    return GetTimeInYear(t.GetFieldsAt(offset).year, offset);
}

CString CDaylightTime::GetTag() const
{
    return StrFormat("%d", (int)m_nWord);
}

void CDaylightTime::SetTag(const CString& tag)
{
    SetWord((uint32_t)TzLeadingInt(tag));
}

// ---- CDaylight --------------------------------------------------------------------------------

CDaylight::~CDaylight() = default;

void CDaylight::Load(const CString& line)
{
    CString text = TzTrim(line);
    size_t eq = text.find('=');
    if (eq != CString::npos && eq >= 2) {
        name[0] = text[0];
        name[1] = text[1];
        text = text.substr(eq + 1);
    }
    shift = (int32_t)TzLeadingInt(text);

    size_t open = text.find('(');
    if (open == CString::npos) return;
    CString rules = text.substr(open);
    size_t dash = rules.find('-');
    start.Load(rules.substr(0, dash));
    end.Load(dash == CString::npos ? CString() : rules.substr(dash + 1));
}

int CDaylight::DST(const CTime& t, long standardOffset) const
{
    if (shift == 0) return 0;
    // One year for both transitions, t's year in standard time.
    int64_t year = t.GetFieldsAt(standardOffset).year;
    CTime s = start.GetTimeInYear(year, standardOffset);
    CTime e = end.GetTimeInYear(year, standardOffset + shift);
    bool inForce = s < e ? (s <= t && t < e) : (t < e || t >= s);
    return inForce ? shift : 0;
}

CString CDaylight::GetTag() const
{
    CString tag = StrFormat("%c%c%d", name[0], name[1], (int)shift);
    if (shift != 0) tag += "|" + start.GetTag() + "|" + end.GetTag();
    return tag;
}

void CDaylight::SetTag(const CString& tag)
{
    *this = CDaylight();
    if (tag.size() >= 2) {
        name[0] = tag[0];
        name[1] = tag[1];
    }
    shift = tag.size() > 2 ? (int32_t)TzLeadingInt(tag.substr(2)) : 0;
    if (shift == 0) return;
    // The name is any two bytes, a '|' too; the fields follow it.
    size_t bar = tag.find('|', 2);
    if (bar == CString::npos) return;
    start.SetTag(tag.substr(bar + 1));
    size_t next = tag.find('|', bar + 1);
    if (next != CString::npos) end.SetTag(tag.substr(next + 1));
}

int CDaylight::operator==(const CDaylight& o) const
{
    if (shift == 0 && o.shift == 0) return 1;
    return shift == o.shift && start == o.start && end == o.end ? 1 : 0;
}

// ---- CDaylightArray ---------------------------------------------------------------------------

CDaylightArray::~CDaylightArray() = default;

void CDaylightArray::Load(CReadOnly& reader)
{
    CString line = reader.GetLine();
    if (!line.empty() && line[0] == '[') line = reader.GetLine();
    while (!line.empty() && line[0] != '[') {
        CDaylight rule;
        rule.Load(line);
        Add(rule);
        line = reader.GetLine();
    }
}

CDaylight CDaylightArray::Find(const CString& name) const
{
    if (name.size() >= 2)
        for (const CDaylight& rule : m_rules)
            if (rule.name[0] == name[0] && rule.name[1] == name[1]) return rule;
    return CDaylight();
}
