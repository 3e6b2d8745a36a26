// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/VCardImport.h"
#include <string>
#include <unordered_set>
#include "birthdays/ImportTexts.h"
#include "birthdays/VCardReader.h"

namespace {

std::string FirstWord(std::string_view s)
{
    size_t blank = s.find(' ');
    return std::string(blank == std::string_view::npos ? s : s.substr(0, blank));
}

std::string LastWord(std::string_view s)
{
    size_t blank = s.rfind(' ');
    return std::string(blank == std::string_view::npos ? s : s.substr(blank + 1));
}

// Couples of the list by date and the two first names, so that the card of the other spouse,
// which names the same two people the other way round, adds no second couple.
class CoupleIndex {
public:
    explicit CoupleIndex(const BirthdayList& list)
    {
        for (const BirthdayEntry& e : list.Entries())
            if (e.HasKind(BirthdayEntry::Couple)) Add(e, e.text);
    }

    // "Johnny+Jane Appleseed": Johnny and Jane.
    static bool Partners(std::string_view text, std::string_view& first, std::string_view& second)
    {
        size_t plus = text.find('+');
        if (plus == std::string_view::npos) return false;
        first = text.substr(0, plus);
        std::string_view rest = text.substr(plus + 1);
        second = rest.substr(0, rest.find(' '));
        return !first.empty() && !second.empty();
    }

    void Add(const CalendarDate& date, std::string_view text)
    {
        std::string_view a, b;
        if (Partners(text, a, b)) m_keys.insert(Key(date, a, b));
    }

    bool HasReversed(const CalendarDate& date, std::string_view text) const
    {
        std::string_view a, b;
        return Partners(text, a, b) && m_keys.count(Key(date, b, a)) != 0;
    }

private:
    static std::string Key(const CalendarDate& d, std::string_view a, std::string_view b)
    {
        std::string k = std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day) + "|";
        k.append(a);
        k += '+';
        k.append(b);
        return k;
    }
    std::unordered_set<std::string> m_keys;
};

} // namespace

struct VCardEntries::Couples : CoupleIndex {
    using CoupleIndex::CoupleIndex;
};

VCardEntries::VCardEntries(const BirthdayList& list) : m_couples(std::make_unique<Couples>(list)) {}
VCardEntries::~VCardEntries() = default;

void VCardEntries::Reserve(const CString& text, const CalendarDate& date) { m_texts.Claim(text, date); }

std::vector<BirthdayEntry> VCardEntries::Of(const VCardContact& c)
{
    std::vector<BirthdayEntry> out;
    if (c.name.empty()) return out;
    if (c.HasBirthday()) {
        BirthdayEntry person(c.birth);
        person.kind = BirthdayEntry::Individual;
        person.text = m_texts.Claim(c.name, c.birth);
        person.endDate.Assign(c.death);
        person.otherDate.Assign(c.anniversary);
        out.push_back(std::move(person));
    }
    if (c.HasAnniversary()) {
        std::string first = FirstWord(c.given.empty() ? c.name : c.given);
        std::string family = c.family.empty() ? LastWord(c.name) : c.family;
        std::string text = first + "+" + FirstWord(c.spouse) + " " + family;
        if (m_couples->HasReversed(c.anniversary, text)) return out;
        BirthdayEntry couple(c.anniversary);
        couple.kind = BirthdayEntry::Couple;
        couple.endDate.Assign(c.death);
        couple.text = m_texts.Claim(text, c.anniversary);
        m_couples->Add(c.anniversary, text);
        out.push_back(std::move(couple));
    }
    return out;
}

VCardImportStats ImportVCards(std::string_view bytes, BirthdayList& list)
{
    VCardImportStats stats;

    CountedQuestions counting(list, stats);
    VCardEntries entries(list);
    ForEachVCard(bytes, [&](const VCardContact& c) {
        ++stats.cards;
        for (const BirthdayEntry& e : entries.Of(c)) {
            bool merged;
            list.AddOrMerge(e, merged);
            ++(merged ? stats.merged : stats.added);
            if (e.HasKind(BirthdayEntry::Couple)) ++stats.couples;
        }
    });
    return stats;
}
