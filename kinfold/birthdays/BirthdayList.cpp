// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/BirthdayList.h"
#include <algorithm>
#include <atomic>
#include "platform/Archive.h"

void BirthdayList::Changed()
{
    // One counter for all lists: a list assigned from another never takes a version that this
    // one had with other entries.
    static std::atomic<uint64_t> s_last{0};
    m_version = ++s_last;
}

void BirthdayList::RebuildIndex() const
{
    m_index.clear();
    m_index.reserve(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i) m_index.emplace(m_entries[i].text, (int)i);
    m_indexValid = true;
}

int BirthdayList::FindByText(const CString& text) const
{
    if (!m_indexValid) RebuildIndex();
    auto it = m_index.find(text);
    return it == m_index.end() ? -1 : it->second;
}

int BirthdayList::FindByText(const BirthdayEntry& entry) const { return FindByText(entry.text); }

int BirthdayList::AddOrMerge(const BirthdayEntry& entry)
{
    bool merged;
    return AddOrMerge(entry, merged);
}

int BirthdayList::AddOrMerge(const BirthdayEntry& add, bool& merged)
{
    int i = FindByText(add);
    merged = i >= 0;
    if (i < 0) {
        m_entries.push_back(add);
        i = (int)m_entries.size() - 1;
        m_index.emplace(add.text, i);
        Changed();
        return i;
    }
    BirthdayEntry found = m_entries[(size_t)i];
    if (found.otherDate.IsEmpty()) found.otherDate.Assign(add.otherDate);
    if (found.endDate.IsEmpty()) found.endDate.Assign(add.endDate);
    if (found.IsEmpty()) found.Assign(add);
    found.kind = add.kind;
    found.recordNumber = add.recordNumber;

    auto settle = [&](CalendarDate& stored, const CalendarDate& offered, const char* word) {
        if (stored.Compare(offered) == 0 || offered.IsEmpty()) return;
        DateChoice choice = DateChoice::B;
        if (m_chooser) choice = m_chooser(found.text, word, offered.FormatShort(), stored.FormatShort());
        if (choice == DateChoice::A) stored.Assign(offered);
    };
    settle(found.endDate, add.endDate, "Death");
    settle(found.otherDate, add.otherDate, "Married");
    settle(found, add, "Birth");
    m_entries[(size_t)i] = found;
    Changed();
    return i;
}

void BirthdayList::SetAt(int i, const BirthdayEntry& entry)
{
    BirthdayEntry& e = m_entries.at((size_t)i);
    if (e.text != entry.text) m_indexValid = false;
    e = entry;
    Changed();
}

void BirthdayList::SetSize(int n)
{
    if (n < 0) n = 0;
    if ((size_t)n < m_entries.size()) m_indexValid = false;
    size_t old = m_entries.size();
    m_entries.resize((size_t)n);
    // New entries all have the empty text.
    if ((size_t)n > old && m_indexValid) m_index.emplace(CString(), (int)old);
    Changed();
}

void BirthdayList::RemoveAt(int i)
{
    m_entries.erase(m_entries.begin() + (ptrdiff_t)(size_t)i);
    m_indexValid = false;
    Changed();
}

void BirthdayList::Swap(int i, int j)
{
    std::swap(m_entries.at((size_t)i), m_entries.at((size_t)j));
    m_indexValid = false;
    Changed();
}

void BirthdayList::SortByDate()
{
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const BirthdayEntry& a, const BirthdayEntry& b) {
        if (a.month != b.month) return a.month < b.month;
        if (a.day != b.day) return a.day < b.day;
        return a.year < b.year;
    });
    m_indexValid = false;
    Changed();
}

int BirthdayList::NthShownOn(const CalendarDate& date, int n, DisplaySwitches switches, BirthdayEntry& entry,
                             LeapDayRule leapDay) const
{
    MonthDay days[2];
    const int dayCount = EntryDaysShownOn(date.month, date.day, date.year, leapDay, days);
    for (int k = 0; k < dayCount; ++k) {
        for (size_t i = 0; i < m_entries.size(); ++i) {
            const BirthdayEntry& e = m_entries[i];
            int years;
            if (e.month != days[k].month || e.day != days[k].day || !e.ShowsOn(date, switches, years)) continue;
            n -= e.HasKind(BirthdayEntry::Note) ? 2 : 1;
            if (n < 0) {
                entry = e;
                return (int)i;
            }
        }
    }
    return -1;
}

int BirthdayList::SetMarriageByRecordNumber(uint32_t recordNumber, const CalendarDate& date)
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].recordNumber == recordNumber) {
            m_entries[i].otherDate.Assign(date);
            Changed();
            return (int)i;
        }
    }
    return -1;
}

namespace {

void StoreDate(CArchive& ar, const CalendarDate& d) { ar << (int32_t)d.month << (int32_t)d.day << (int32_t)d.year; }

void LoadDate(CArchive& ar, CalendarDate& d)
{
    int32_t m, dd, y;
    ar >> m >> dd >> y;
    d.month = m;
    d.day = dd;
    d.year = y;
}

// After the last entry: the magic, then for each tied entry its index and its tie.
const char kTieMagic[4] = {'K', 'F', 'T', '1'};

void StoreTies(CArchive& ar, const std::vector<BirthdayEntry>& entries)
{
    uint32_t tied = 0;
    for (const BirthdayEntry& e : entries) tied += e.tie.IsSet() ? 1 : 0;
    if (tied == 0) return;
    ar.Write(kTieMagic, sizeof kTieMagic);
    ar << tied;
    for (size_t i = 0; i < entries.size(); ++i) {
        const CardTie& t = entries[i].tie;
        if (!t.IsSet()) continue;
        ar << (uint32_t)i << CString(t.href) << CString(t.etag) << t.text << t.kind;
        StoreDate(ar, t.date);
        StoreDate(ar, t.endDate);
        StoreDate(ar, t.otherDate);
    }
}

// Ties that cannot be read are dropped, not the document: a sync ties the entries again.
void LoadTies(CArchive& ar, std::vector<BirthdayEntry>& entries)
{
    char magic[4];
    if (ar.Remaining() < sizeof magic + 4) return;
    ar.Read(magic, sizeof magic);
    if (std::string(magic, 4) != std::string(kTieMagic, 4)) return;
    std::vector<std::pair<uint32_t, CardTie>> ties;
    try {
        uint32_t tied;
        ar >> tied;
        for (uint32_t k = 0; k < tied; ++k) {
            uint32_t i;
            CardTie t;
            CString href, etag;
            ar >> i >> href >> etag >> t.text >> t.kind;
            t.href = href;
            t.etag = etag;
            LoadDate(ar, t.date);
            LoadDate(ar, t.endDate);
            LoadDate(ar, t.otherDate);
            if (i < entries.size() && !href.empty()) ties.emplace_back(i, std::move(t));
        }
    } catch (const CArchiveException&) {
        return;
    }
    for (auto& [i, t] : ties) entries[i].tie = std::move(t);
}

} // namespace

void BirthdayList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (uint32_t)m_entries.size();
        for (const BirthdayEntry& e : m_entries) {
            StoreDate(ar, e);
            ar << e.text << e.recordNumber << e.kind;
            StoreDate(ar, e.endDate);
            StoreDate(ar, e.otherDate);
        }
        StoreTies(ar, m_entries);
        return;
    }
    // An empty file is an empty list.
    if (ar.AtEnd()) {
        m_entries.clear();
        m_indexValid = false;
        Changed();
        return;
    }
    uint32_t count;
    ar >> count;
    if ((uint64_t)count * kKfdMinRecordSize > ar.Remaining())
        throw CArchiveException(CArchiveException::endOfFile, "Unexpected file format.");
    std::vector<BirthdayEntry> loaded((size_t)count);
    for (BirthdayEntry& e : loaded) {
        LoadDate(ar, e);
        ar >> e.text >> e.recordNumber >> e.kind;
        // Older files hold Windows-1252 texts; everything here is UTF-8.
        if (!IsValidUtf8(e.text)) e.text = Cp1252ToUtf8(e.text);
        LoadDate(ar, e.endDate);
        LoadDate(ar, e.otherDate);
    }
    LoadTies(ar, loaded);
    m_entries = std::move(loaded);
    m_indexValid = false;
    Changed();
}
