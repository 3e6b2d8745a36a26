// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/GedcomReader.h"
#include "platform/Translate.h"
#include <climits>
#include <cstring>
#include <filesystem>
#include <tuple>
#include <vector>
#include "birthdays/FileBytes.h"
#include "birthdays/ImportTexts.h"
#include "birthdays/TextDecoding.h"
#include "birthdays/TextTable.h"

namespace {

bool IsScanSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsValueSpace(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// `b` in capitals; its length is known where it is written, not counted on every line.
bool IEquals(std::string_view a, std::string_view b)
{
    const size_t n = b.size();
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i) {
        char x = a[i];
        if (x >= 'a' && x <= 'z') x = (char)(x - 32);
        if (x != b[i]) return false;
    }
    return true;
}

// One line split like "%d %s %s": words end at white space and keep at most 99 characters.
struct GedcomLine {
    int level = 0;
    std::string_view first, second;
};

std::string_view ScanWord(std::string_view s, size_t& i)
{
    while (i < s.size() && IsScanSpace(s[i])) ++i;
    size_t start = i;
    while (i < s.size() && !IsScanSpace(s[i])) ++i;
    return s.substr(start, std::min<size_t>(i - start, 99));
}

// Parses a leading integer like scanf's %d (blanks, sign, digits); false when there is none.
bool ScanInt(std::string_view s, size_t& i, long long& value)
{
    while (i < s.size() && IsScanSpace(s[i])) ++i;
    bool negative = false;
    size_t j = i;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negative = s[j++] == '-';
    if (j >= s.size() || s[j] < '0' || s[j] > '9') return false;
    long long v = 0;
    for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j)
        if (v < (long long)INT_MAX + 1) v = v * 10 + (s[j] - '0');
    value = negative ? -v : v;
    i = j;
    return true;
}

bool SplitLine(std::string_view line, GedcomLine& out)
{
    size_t i = 0;
    long long level;
    if (!ScanInt(line, i, level)) return false;
    out.level = (int)std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, level));
    out.first = ScanWord(line, i);
    out.second = ScanWord(line, i);
    return true;
}

// The value after the level and the tag.
std::string_view DateText(std::string_view line)
{
    size_t i = 0;
    for (int word = 0; word < 2; ++word) {
        while (i < line.size() && IsValueSpace(line[i])) ++i;
        while (i < line.size() && !IsScanSpace(line[i])) ++i;
    }
    while (i < line.size() && IsValueSpace(line[i])) ++i;
    return line.substr(i);
}

// What follows the tag and one blank: the eighth character on for "1 NAME ...", also when
// the line is indented or its level has two digits.
std::string_view NameText(std::string_view line, std::string_view tag)
{
    size_t end = (size_t)(tag.data() - line.data()) + tag.size();
    return end + 1 < line.size() ? line.substr(end + 1) : std::string_view();
}

// The integer after a cross-reference's first two characters ("@I12@" gives 12), else 0.
uint32_t RecordNumber(std::string_view xref)
{
    if (xref.size() < 2) return 0;
    size_t i = 2;
    long long v;
    if (!ScanInt(xref, i, v)) return 0;
    return (uint32_t)(int32_t)v;
}

// The text between the at signs.
std::string_view XrefKey(std::string_view word)
{
    if (!word.empty() && word.front() == '@') word.remove_prefix(1);
    if (!word.empty() && word.back() == '@') word.remove_suffix(1);
    return word;
}

bool DayPrecise(const CalendarDate& d) { return d.day >= 1 && d.day <= 31 && d.month >= 1 && d.month <= 12; }

// The one of two end (death) dates that ends first; a date known only to the month or the year
// lasts to the end of it. An empty date ends nothing.
const CalendarDate& FirstEnd(const CalendarDate& a, const CalendarDate& b)
{
    if (a.IsEmpty() || b.IsEmpty()) return a.IsEmpty() ? b : a;
    auto key = [](const CalendarDate& d) {
        return std::tuple(d.year, d.month == 0 ? 13 : d.month, d.month == 0 || d.day == 0 ? 32 : d.day);
    };
    return key(b) < key(a) ? b : a;
}

// The surname as GEDCOM marks it, slashes included ("/de Saint-John/"); after the last blank
// for a name without slashes.
CString Surname(const CString& name)
{
    size_t open = name.find('/');
    size_t close = open == CString::npos ? CString::npos : name.find('/', open + 1);
    if (close == CString::npos) return LastWordOf(name);
    return name.substr(open, close - open + 1);
}

CString FirstNameOf(const CString& name) { return FirstWordOf(name); }

// The first word before the surname; a name without a given name ("/Smith/") gives its surname.
CString GivenFirstName(const CString& name)
{
    CString first = FirstNameOf(name);
    size_t slash = first.find('/');
    if (slash == CString::npos) return first;
    if (slash > 0) return first.substr(0, slash);
    return FirstNameOf(WithoutSurnameSlashes(name));
}

// "John+Janet /Kennedy/" from "John /Kennedy/ III" and "Janet /Lee/".
CString CoupleText(const CString& husband, const CString& wife)
{
    return GivenFirstName(husband) + "+" + GivenFirstName(wife) + " " + Surname(husband);
}

// The text earlier imports made: the surname was the husband's last word.
CString OldCoupleText(const CString& husband, const CString& wife)
{
    return FirstNameOf(husband) + "+" + FirstNameOf(wife) + " " + LastWordOf(husband);
}

// A family with its partners by cross-reference number and its marriage date.
struct Family {
    uint32_t husband, wife;
    int year, month, day;
};

constexpr uint32_t kNoXref = UINT32_MAX;

class Importer {
public:
    Importer(BirthdayList& list, GedcomImportStats& stats) : m_list(list), m_stats(stats) { m_texts.FetchAheadIn(&list); }

    void Line(std::string_view line)
    {
        GedcomLine g;
        if (!SplitLine(line, g)) return;
        if (g.level == 0) {
            FinishRecord();
            StartRecord(g);
        } else if (m_type == Individual) {
            IndividualLine(g, line);
        } else if (m_type == FamilyRecord) {
            FamilyLine(g, line);
        }
    }

    void Finish()
    {
        FinishRecord();
        m_type = None;
        ResolveFamilies();
    }

private:
    enum Type { None, Individual, FamilyRecord };

    void StartRecord(const GedcomLine& g)
    {
        if (IEquals(g.second, "INDI")) {
            m_type = Individual;
            m_entry = BirthdayEntry();
            m_entry.recordNumber = RecordNumber(g.first);
            m_xref = Xref(g.first);
            m_nameSeen = m_inBirth = m_inDeath = m_birthSeen = false;
            ++m_stats.individuals;
        } else if (IEquals(g.second, "FAM")) {
            m_type = FamilyRecord;
            m_husband = m_wife = kNoXref;
            m_marriage = CalendarDate();
            m_inMarriage = false;
            ++m_stats.families;
        } else {
            m_type = None;
        }
    }

    void FinishRecord()
    {
        if (m_type == Individual) {
            if (m_birthSeen) m_entry.kind = BirthdayEntry::Individual;
            bool added;
            const TextTable::Handle name = m_names.Add(m_entry.text, added);
            const CalendarDate& d = m_entry.endDate;
            if (m_birthSeen && DayPrecise(m_entry)) {
                m_entry.text = m_texts.Claim(m_entry.text, m_entry);
                bool merged;
                int i = m_list.AddOrMerge(m_entry, merged);
                ++(merged ? m_stats.merged : m_stats.added);
                if (m_xref != kNoXref) m_people[m_xref] = Person{i, name, d.year, d.month, d.day};
            } else if (m_xref != kNoXref && m_people[m_xref].index == kNotIndividual) {
                // Not in the list, but still a partner whose name a couple takes.
                m_people[m_xref] = Person{-1, name, d.year, d.month, d.day};
            }
        } else if (m_type == FamilyRecord) {
            if (m_marriage.month != 0)
                m_families.push_back(Family{m_husband, m_wife, m_marriage.year, m_marriage.month, m_marriage.day});
        }
        m_type = None;
    }

    void IndividualLine(const GedcomLine& g, std::string_view line)
    {
        if (g.level == 1) {
            m_inBirth = m_inDeath = false;
            if (IEquals(g.first, "NAME")) {
                // The first name structure is the preferred one; later ones are aliases.
                if (!m_nameSeen) m_entry.text.assign(NameText(line, g.first));
                m_nameSeen = true;
            } else if (IEquals(g.first, "BIRT")) {
                m_inBirth = true;
            } else if (IEquals(g.first, "DEAT")) {
                m_inDeath = true;
            }
        } else if (g.level == 2 && IEquals(g.first, "DATE")) {
            if (m_inBirth) {
                // A later, vaguer birth event must not replace a day-precise one.
                if (!(m_birthSeen && DayPrecise(m_entry))) {
                    CalendarDate d;
                    ReadDate(line, d);
                    m_entry.Assign(d);
                }
                m_birthSeen = true;
                m_inBirth = false;
            } else if (m_inDeath) {
                if (!DayPrecise(m_entry.endDate)) ReadDate(line, m_entry.endDate);
                m_inDeath = false;
            }
        }
    }

    void ReadDate(std::string_view line, CalendarDate& date)
    {
        if (!ReadGedcomDate(DateText(line), date)) ++m_stats.yearsRefused;
    }

    void FamilyLine(const GedcomLine& g, std::string_view line)
    {
        if (g.level == 1) {
            m_inMarriage = false;
            if (IEquals(g.first, "HUSB")) m_husband = Xref(g.second);
            else if (IEquals(g.first, "WIFE")) m_wife = Xref(g.second);
            else if (IEquals(g.first, "MARR")) m_inMarriage = true;
        } else if (g.level == 2 && IEquals(g.first, "DATE") && m_inMarriage) {
            if (!DayPrecise(m_marriage)) ReadDate(line, m_marriage);
            m_inMarriage = false;
        }
    }

    static constexpr int kNotIndividual = -2;
    struct Person {
        int index = kNotIndividual;  // in the list; -1 when left out for lack of a birth day
        TextTable::Handle name = 0;  // in m_names: as read, without a suffix that set it apart
        int deathYear = 0, deathMonth = 0, deathDay = 0;  // as read
    };

    // The number of a cross-reference ("@I12@" and "I12" alike); kNoXref for none.
    uint32_t Xref(std::string_view word)
    {
        std::string_view key = XrefKey(word);
        if (key.empty()) return kNoXref;
        // Most files number their records after one letter ("I12"): those are looked up by
        // their number, which spares a big tree most of the hashing.
        size_t digits = 0;
        while (digits < key.size() && key[digits] >= 'A' && key[digits] <= 'Z') ++digits;
        const std::string_view prefix = key.substr(0, digits);
        uint32_t number = 0;
        bool numbered = digits < key.size() && key[digits] != '0' && key.size() - digits <= 7;
        for (size_t i = digits; numbered && i < key.size(); ++i) {
            numbered = key[i] >= '0' && key[i] <= '9';
            number = number * 10 + (uint32_t)(key[i] - '0');
        }
        // The first numbered cross-reference decides the prefix, also when it has none: "1"
        // and "I1" in one file are two records.
        if (numbered && !m_prefixChosen) {
            m_numberPrefix.assign(prefix);
            m_prefixChosen = true;
        }
        if (numbered && prefix == m_numberPrefix) {
            // In pages, so that a few far-off numbers cost a page each, not the whole range.
            std::vector<uint32_t>& page = m_byNumber[number / kPage];
            if (page.empty()) page.assign(kPage, 0);
            uint32_t& id = page[number % kPage];
            if (id == 0) {
                m_people.emplace_back();
                id = (uint32_t)m_people.size();
            }
            return id - 1;
        }
        bool added;
        int& place = m_xrefs.Numbers(m_xrefs.Add(key, added))[0];
        if (added) {
            m_people.emplace_back();
            place = (int)m_people.size() - 1;
        }
        return (uint32_t)place;
    }

    const Person* FindPerson(uint32_t xref) const
    {
        if (xref == kNoXref || m_people[xref].index == kNotIndividual) return nullptr;
        return &m_people[xref];
    }

    void ResolveFamilies()
    {
        // The partners of a big file's families are spread over all its people: each family
        // fetches those of a few families ahead, and their entries, so that it need not wait.
        auto fetchPeople = [&](size_t k) {
            if (k >= m_families.size()) return;
            for (uint32_t x : {m_families[k].husband, m_families[k].wife})
                if (x != kNoXref) __builtin_prefetch(&m_people[x]);
        };
        auto fetchEntries = [&](size_t k) {
            if (k >= m_families.size()) return;
            for (uint32_t x : {m_families[k].husband, m_families[k].wife})
                if (x != kNoXref && m_people[x].index >= 0) m_list.Prefetch(m_people[x].index);
        };
        for (size_t k = 0; k < 16; ++k) fetchPeople(k);
        for (size_t k = 0; k < m_families.size(); ++k) {
            fetchPeople(k + 16);
            fetchEntries(k + 8);
            const Family& f = m_families[k];
            const CalendarDate marriage(f.month, f.day, f.year);
            const Person* h = FindPerson(f.husband);
            const Person* w = FindPerson(f.wife);
            if (h && h->index >= 0) m_list.SetOtherDateAt(h->index, marriage);
            if (w && w->index >= 0) m_list.SetOtherDateAt(w->index, marriage);
            if (!h || !w) continue;
            BirthdayEntry couple(marriage);
            couple.kind = BirthdayEntry::Couple;
            // The anniversary ends with the first death of the two.
            couple.endDate.Assign(FirstEnd(DeathOf(*h), DeathOf(*w)));
            const CString husband(m_names.Text(h->name)), wife(m_names.Text(w->name));
            const CString text = CoupleText(husband, wife);
            couple.text = m_texts.Claim(text, marriage);
            AdoptOldCoupleText(couple, text, OldCoupleText(husband, wife));
            bool merged;
            m_list.AddOrMerge(couple, merged);
            ++(merged ? m_stats.merged : m_stats.added);
            ++m_stats.couples;
        }
    }

    CalendarDate DeathOf(const Person& p) const
    {
        return p.index >= 0 ? m_list[p.index].endDate : CalendarDate(p.deathMonth, p.deathDay, p.deathYear);
    }

    // Earlier imports took the surname after the husband's last blank ("John+Janet III" for
    // John /Kennedy/ III). A couple of that text with the same wedding day is this couple: it
    // takes the new text and merges instead of staying beside it.
    void AdoptOldCoupleText(const BirthdayEntry& couple, const CString& text, const CString& oldText)
    {
        if (oldText == text || m_list.FindByText(couple.text) >= 0) return;
        int i = m_list.FindByText(oldText + couple.text.substr(text.size()));
        if (i < 0) return;
        const BirthdayEntry& old = m_list[i];
        if (!old.HasKind(BirthdayEntry::Couple) || old.year != couple.year || old.month != couple.month ||
            old.day != couple.day)
            return;
        BirthdayEntry renamed = old;
        renamed.text = couple.text;
        m_list.SetAt(i, renamed);
    }

    BirthdayList& m_list;
    GedcomImportStats& m_stats;
    Type m_type = None;

    BirthdayEntry m_entry;
    uint32_t m_xref = kNoXref;
    bool m_nameSeen = false, m_inBirth = false, m_inDeath = false, m_birthSeen = false;

    uint32_t m_husband = kNoXref, m_wife = kNoXref;
    CalendarDate m_marriage;
    bool m_inMarriage = false;

    ImportTexts m_texts;
    // Every cross-reference met gets a number, its place in m_people: those of the form
    // m_numberPrefix + a number (no leading zero, at most 7 digits) through m_byNumber (that
    // place + 1), the others through m_xrefs (the place is its first number).
    static constexpr uint32_t kPage = 4096;
    std::string m_numberPrefix;
    bool m_prefixChosen = false;
    std::vector<std::vector<uint32_t>> m_byNumber = std::vector<std::vector<uint32_t>>(10000000 / kPage + 1);
    TextTable m_xrefs;
    std::vector<Person> m_people;
    TextTable m_names;
    std::vector<Family> m_families;  // with a marriage month, in file order
};

} // namespace

namespace {

bool IsQualifier(std::string_view word)
{
    if (!word.empty() && word.back() == '.') word.remove_suffix(1);
    static constexpr std::string_view kQualifiers[] = {"ABT", "CAL", "EST", "BEF", "AFT", "INT", "FROM", "TO", "BET"};
    for (std::string_view q : kQualifiers)
        if (IEquals(word, q)) return true;
    return false;
}

bool IsBeforeChrist(std::string_view word)
{
    static constexpr std::string_view kMarks[] = {"B.C.", "B.C", "BC", "BCE", "(B.C.)"};
    for (std::string_view bc : kMarks)
        if (IEquals(word, bc)) return true;
    return false;
}

// The words of the date a value names: without a leading qualifier, up to the end of a
// range's first date ("AND", "TO", a lone "-") or an INT date's phrase; `bc` when its year
// is marked as before Christ.
std::string_view FirstDate(std::string_view text, bool& bc)
{
    bc = false;
    size_t i = 0, start = std::string_view::npos, end = 0;
    bool first = true;
    while (i < text.size()) {
        while (i < text.size() && IsScanSpace(text[i])) ++i;
        if (i >= text.size()) break;
        size_t w = i;
        while (i < text.size() && !IsScanSpace(text[i])) ++i;
        std::string_view word = text.substr(w, i - w);
        if (first && IsQualifier(word)) {
            first = false;
            continue;
        }
        first = false;
        if (IsBeforeChrist(word)) {
            bc = true;
            break;
        }
        if (word[0] == '(' || word == "-" || IEquals(word, "AND") || IEquals(word, "TO")) break;
        if (start == std::string_view::npos) start = w;
        end = i;
    }
    return start == std::string_view::npos ? std::string_view() : text.substr(start, end - start);
}

// A day of the French Republican calendar in the years it was kept (I to XIV, from 22 September
// 1792 to 1805), as the civil day it names; false for a month or a year alone and for later years,
// whose leap years no law fixed.
bool FrenchRepublicanDay(std::string_view text, CalendarDate& date)
{
    static constexpr std::string_view kMonths[] = {"VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM",
                                                   "FLOR", "PRAI", "MESS", "THER", "FRUC", "COMP"};
    size_t i = 0;
    long long day = 0, year = 0;
    if (!ScanInt(text, i, day)) return false;
    const std::string_view word = ScanWord(text, i);
    int month = 0;
    for (int m = 0; m < 13; ++m)
        if (IEquals(word, kMonths[m])) month = m + 1;
    if (month == 0 || !ScanInt(text, i, year) || !ScanWord(text, i).empty()) return false;
    if (year < 1 || year > 14) return false;
    // Years III, VII and XI had a sixth complementary day.
    const bool sextile = year == 3 || year == 7 || year == 11;
    if (day < 1 || day > (month == 13 ? (sextile ? 6 : 5) : 30)) return false;
    const int sextilesBefore = (year > 3) + (year > 7) + (year > 11);
    const double firstDay = GregorianDate(9, 22, 1792).DayNumber();  // 1 Vendémiaire I
    date.SetFromDayNumber(firstDay + 365.0 * (double)(year - 1) + sextilesBefore + (month - 1) * 30 + (double)(day - 1),
                          ReformAware);
    return true;
}

} // namespace

bool ReadGedcomDate(std::string_view value, CalendarDate& date)
{
    bool bc;
    std::string_view text = FirstDate(value, bc);
    size_t esc = text.find("@#D");
    if (esc == std::string_view::npos) {
        date.SetFromText(CString(text));
    } else {
        size_t close = text.find('@', esc + 3);
        std::string_view calendar =
            text.substr(esc + 3, close == std::string_view::npos ? std::string_view::npos : close - esc - 3);
        while (!calendar.empty() && calendar.back() == ' ') calendar.remove_suffix(1);
        CString rest(text.substr(0, esc));
        if (close != std::string_view::npos) rest += text.substr(close + 1);
        if (IEquals(calendar, "GREGORIAN")) {
            date.SetFromText(rest);
        } else if (IEquals(calendar, "JULIAN")) {
            JulianDate julian;
            julian.SetFromText(rest);
            // Out of range before the sign is turned (a year of -2147483648 has no positive).
            if (bc && !IsYearInRange(julian.year)) {
                date.Assign(CalendarDate());
                return false;
            }
            if (bc) julian.year = -julian.year;
            bc = false;
            if (DayPrecise(julian) && julian.year != 0 && IsYearInRange(julian.year))
                date.SetFromDayNumber(julian.DayNumber(), ReformAware);
            else
                date.Assign(julian);
        } else if (IEquals(calendar, "FRENCH R") && !bc) {
            // A death in these years must not leave the person shown as living.
            if (!FrenchRepublicanDay(rest, date)) date.Assign(CalendarDate());
        } else {
            // A calendar we cannot convert: no date beats a wrong one.
            date.Assign(CalendarDate());
        }
    }
    if (bc && !IsYearInRange(date.year)) {
        date.Assign(CalendarDate());
        return false;
    }
    if (bc) date.year = -date.year;
    if (date.year != 0 && !IsYearInRange(date.year)) {
        date.Assign(CalendarDate());
        return false;
    }
    return true;
}

namespace {

constexpr size_t kHeadBytes = 64 * 1024;  // enough to see the header's CHAR line
constexpr size_t kPieceBytes = 1 << 20;

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

bool StartsWithBom(std::string_view s) { return s.size() >= 3 && s.substr(0, 3) == "\xEF\xBB\xBF"; }

// Decodes and parses a file's bytes as they come. UTF-8, Windows-1252 and undeclared files are
// decoded a piece of whole lines at a time, which gives what decoding the whole file gives
// (their decoding never looks beyond a line); UTF-16 and ANSEL files are decoded whole.
class GedcomStream {
public:
    GedcomStream(BirthdayList& list, GedcomImportStats& stats) : m_importer(list, stats) {}

    void Feed(std::string_view bytes)
    {
        if (m_mode == Mode::Undecided) {
            m_pending.append(bytes);
            if (m_pending.size() >= kHeadBytes) Decide();
        } else if (m_mode == Mode::Whole) {
            m_pending.append(bytes);
        } else {
            Lines(bytes, false);
        }
    }

    void Finish()
    {
        if (m_mode == Mode::Undecided) Decide();
        if (m_mode == Mode::Whole) {
            std::string text = DecodeGedcomBytes(m_pending);
            std::string().swap(m_pending);
            ForEachLine(text, [&](std::string_view line) { m_importer.Line(line); });
        } else {
            Lines({}, true);
        }
        m_importer.Finish();
    }

private:
    enum class Mode { Undecided, Whole, Pieces };

    void Decide()
    {
        m_charset = DetectGedcomCharset(m_pending);
        const bool whole = m_charset != GedcomCharset::Utf8 && m_charset != GedcomCharset::Ansi;
        m_mode = whole ? Mode::Whole : Mode::Pieces;
        if (whole) return;
        std::string head;
        head.swap(m_pending);
        Lines(head, false);
    }

    // Parses the whole lines of what is pending and `bytes`; keeps an unfinished last line
    // for later, unless this is the end.
    void Lines(std::string_view bytes, bool last)
    {
        if (!m_pending.empty()) {
            size_t end = 0;
            while (end < bytes.size() && !IsLineEnd(bytes[end])) ++end;
            if (end == bytes.size() && !last) {
                m_pending.append(bytes);
                return;
            }
            const size_t cut = end < bytes.size() ? end + 1 : end;
            m_pending.append(bytes.substr(0, cut));
            bytes.remove_prefix(cut);
            std::string line;
            line.swap(m_pending);
            Parse(line);
        }
        if (last) {
            Parse(bytes);
            return;
        }
        size_t end = bytes.size();
        while (end > 0 && !IsLineEnd(bytes[end - 1])) --end;
        Parse(bytes.substr(0, end));
        m_pending.assign(bytes.substr(end));
    }

    // Parses bytes that end at a line end (or at the end of the file), a piece at a time.
    void Parse(std::string_view bytes)
    {
        while (!bytes.empty()) {
            size_t n = std::min(bytes.size(), kPieceBytes);
            while (n < bytes.size() && !IsLineEnd(bytes[n - 1])) ++n;
            Piece(bytes.substr(0, n));
            bytes.remove_prefix(n);
        }
    }

    void Piece(std::string_view raw)
    {
        if (m_first && m_charset == GedcomCharset::Utf8 && StartsWithBom(raw)) raw.remove_prefix(3);
        std::string decoded;
        std::string_view text = raw;
        if (m_charset == GedcomCharset::Ansi) {
            decoded = Cp1252ToUtf8(CString(raw));
            text = decoded;
        } else if (!IsValidUtf8(raw)) {
            decoded = MixedLinesToUtf8(raw);
            text = decoded;
        }
        if (m_first && StartsWithBom(text)) text.remove_prefix(3);
        m_first = false;
        std::string composed;
        if (HasCombiningMarkBytes(text)) {
            composed = ComposeNfc(text);
            text = composed;
        }
        ForEachLine(text, [&](std::string_view line) { m_importer.Line(line); });
    }

    Importer m_importer;
    Mode m_mode = Mode::Undecided;
    GedcomCharset m_charset = GedcomCharset::Utf8;
    bool m_first = true;
    std::string m_pending;
};

// Room in the list for as many people and couples as a file of `bytes` can hold, so that a
// big tree is not moved, and held twice, each time the list grows. A record takes 60 bytes or
// more; room that is never used is never touched.
void ReserveForRecords(BirthdayList& list, uintmax_t bytes)
{
    list.Reserve(list.Entries().size() + (size_t)std::min<uintmax_t>(bytes / 60, 50000000));
}

} // namespace

GedcomImportStats ImportGedcom(std::string_view bytes, BirthdayList& list)
{
    GedcomImportStats stats;
    CountedQuestions counting(list, stats);
    GedcomStream stream(list, stats);
    ReserveForRecords(list, bytes.size());
    stream.Feed(bytes);
    stream.Finish();
    return stats;
}

bool ImportGedcomFile(const std::string& path, BirthdayList& list, GedcomImportStats& stats, std::string& error)
{
    std::FILE* f = OpenForReading(path, error);
    if (!f) return false;
    stats = GedcomImportStats();
    bool ok = true;
    {
        CountedQuestions counting(list, stats);
        GedcomStream stream(list, stats);
        std::error_code ec;
        const auto size = std::filesystem::file_size(path, ec);
        if (!ec) ReserveForRecords(list, size);
        std::string buffer(4 * kPieceBytes, '\0');
        while (true) {
            const size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
            if (n > 0) stream.Feed(std::string_view(buffer.data(), n));
            if (n < buffer.size()) break;
        }
        ok = !std::ferror(f);
        if (ok) stream.Finish();
    }
    std::fclose(f);
    if (!ok) error = FillIn(TextTranslation::translate("FileBytes", "Cannot read \"%1\"."), {path});
    return ok;
}
