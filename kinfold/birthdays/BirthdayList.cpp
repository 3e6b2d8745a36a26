// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/BirthdayList.h"
#include "platform/Translate.h"
#include <algorithm>
#include <atomic>
#include <cstring>
#include "birthdays/HugePages.h"
#include "platform/Archive.h"

void BirthdayList::Changed()
{
    // One counter for all lists: a list assigned from another never takes a version that this
    // one had with other entries.
    static std::atomic<uint64_t> s_last{0};
    m_version = ++s_last;
}

namespace {

uint32_t TextHash(std::string_view text) { return (uint32_t)std::hash<std::string_view>()(text); }

} // namespace

void BirthdayList::InvalidateIndex()
{
    m_indexValid = false;
    // A list that no longer looks texts up (sorted, loaded) keeps no table.
    std::vector<Slot>().swap(m_slots);
    m_indexed = 0;
}

void BirthdayList::GrowIndex() const
{
    size_t size = 64;
    while (4 * (m_indexed + 1) > 3 * size) size *= 2;
    std::vector<Slot> old;
    old.swap(m_slots);
    AssignAdvised(m_slots, size, Slot());
    for (const Slot& s : old) {
        if (s.index == 0) continue;
        size_t k = s.hash & (size - 1);
        while (m_slots[k].index != 0) k = (k + 1) & (size - 1);
        m_slots[k] = s;
    }
}

void BirthdayList::IndexEntry(size_t i) const
{
    // Up to three quarters full: the probes stay short, and a big list's table half the size.
    if (4 * (m_indexed + 1) > 3 * m_slots.size()) GrowIndex();
    const CString& text = m_entries[i].text;
    const uint32_t h = TextHash(text);
    const size_t mask = m_slots.size() - 1;
    for (size_t k = h & mask;; k = (k + 1) & mask) {
        Slot& s = m_slots[k];
        if (s.index == 0) {
            s = Slot{h, (uint32_t)(i + 1)};
            ++m_indexed;
            return;
        }
        if (s.hash == h && m_entries[s.index - 1].text == text) return;
    }
}

void BirthdayList::RebuildIndex() const
{
    size_t size = 64;
    while (4 * (m_entries.size() + 1) > 3 * size) size *= 2;
    AssignAdvised(m_slots, size, Slot());
    m_indexed = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) IndexEntry(i);
    m_indexValid = true;
}

int BirthdayList::FindByText(const CString& text) const
{
    if (!m_indexValid) RebuildIndex();
    const uint32_t h = TextHash(text);
    const size_t mask = m_slots.size() - 1;
    for (size_t k = h & mask;; k = (k + 1) & mask) {
        const Slot& s = m_slots[k];
        if (s.index == 0) return -1;
        if (s.hash == h && m_entries[s.index - 1].text == text) return (int)s.index - 1;
    }
}

void BirthdayList::PrefetchText(std::string_view text) const
{
    if (m_indexValid && !m_slots.empty()) __builtin_prefetch(&m_slots[TextHash(text) & (m_slots.size() - 1)]);
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
        IndexEntry((size_t)i);
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
        if (m_chooser) choice = m_chooser(found.DisplayText(), word, offered.FormatShort(), stored.FormatShort());
        if (choice == DateChoice::A) stored.Assign(offered);
    };
    settle(found.endDate, add.endDate, "Death");
    settle(found.otherDate, add.otherDate, "Married");
    settle(found, add, "Birth");
    m_entries[(size_t)i] = found;
    Changed();
    return i;
}

void BirthdayList::Reserve(size_t n)
{
    if (n <= m_entries.capacity()) return;
    std::vector<BirthdayEntry> room;
    room.reserve(n);
    AdviseHugePages(room.data(), n * sizeof(BirthdayEntry));
    for (BirthdayEntry& e : m_entries) room.push_back(std::move(e));
    m_entries.swap(room);
}

void BirthdayList::SetAt(int i, const BirthdayEntry& entry)
{
    BirthdayEntry& e = m_entries.at((size_t)i);
    if (e.text != entry.text) InvalidateIndex();
    e = entry;
    Changed();
}

void BirthdayList::SetOtherDateAt(int i, const CalendarDate& date)
{
    m_entries.at((size_t)i).otherDate.Assign(date);
    Changed();
}

void BirthdayList::SetSize(int n)
{
    if (n < 0) n = 0;
    if ((size_t)n < m_entries.size()) InvalidateIndex();
    size_t old = m_entries.size();
    m_entries.resize((size_t)n);
    // New entries all have the empty text.
    if ((size_t)n > old && m_indexValid) IndexEntry(old);
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
    InvalidateIndex();
    Changed();
}

std::vector<uint32_t> BirthdayList::DateOrder() const
{
    // Sorting positions rather than entries keeps a big list from being copied around, or
    // doubled in memory by a merge buffer.
    struct Key {
        int month, day, year;
        uint32_t index;  // keeps entries of equal dates in their order
        bool operator<(const Key& o) const
        {
            if (month != o.month) return month < o.month;
            if (day != o.day) return day < o.day;
            if (year != o.year) return year < o.year;
            return index < o.index;
        }
    };
    std::vector<Key> keys(m_entries.size());
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i] = Key{m_entries[i].month, m_entries[i].day, m_entries[i].year, (uint32_t)i};
    std::sort(keys.begin(), keys.end());
    std::vector<uint32_t> order(keys.size());
    for (size_t k = 0; k < keys.size(); ++k) order[k] = keys[k].index;
    return order;
}

void BirthdayList::SortByDate()
{
    // Each entry is moved once.
    std::vector<uint32_t> order = DateOrder();
    // Entry order[k] goes to position k: follow each cycle of the permutation once.
    for (size_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) continue;
        BirthdayEntry held = std::move(m_entries[start]);
        size_t k = start;
        while (order[k] != start) {
            const size_t from = order[k];
            // The cycle jumps all over a big list: fetch the entry after this one meanwhile.
            const size_t after = order[from];
            Prefetch((int)after);
            __builtin_prefetch(&order[after]);
            m_entries[k] = std::move(m_entries[from]);
            order[k] = (uint32_t)k;
            k = from;
        }
        m_entries[k] = std::move(held);
        order[k] = (uint32_t)k;
    }
    InvalidateIndex();
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

// `order`, when given, is the order the entries are written in.
void StoreTies(CArchive& ar, const std::vector<BirthdayEntry>& entries, const std::vector<uint32_t>* order)
{
    uint32_t tied = 0;
    for (const BirthdayEntry& e : entries) tied += e.tie->IsSet() ? 1 : 0;
    if (tied == 0) return;
    ar.Write(kTieMagic, sizeof kTieMagic);
    ar << tied;
    for (size_t i = 0; i < entries.size(); ++i) {
        const CardTie& t = *entries[order ? (*order)[i] : i].tie;
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

void BirthdayList::Store(CArchive& ar, const std::vector<uint32_t>* order) const
{
    size_t bytes = 4;
    for (const BirthdayEntry& e : m_entries) bytes += kKfdMinRecordSize + (e.text.size() < 255 ? 0 : 6) + e.text.size();
    ar.Reserve(bytes);
    ar << (uint32_t)m_entries.size();
    // The records go out many at a time, each field put in place in a block, not one call
    // per field; a text of 255 bytes or more goes through the archive as it stands.
    char block[1 << 16];
    size_t n = 0;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) block[n++] = (char)(v >> (8 * i));
    };
    auto at = [&](size_t k) -> const BirthdayEntry& { return m_entries[order ? (*order)[k] : k]; };
    for (size_t k = 0; k < m_entries.size(); ++k) {
        const BirthdayEntry& e = at(k);
        // A sorted list's texts (and, in another order, its entries) lie all over memory:
        // fetch a few entries ahead.
        if (k + 16 < m_entries.size()) {
            if (order) Prefetch((int)(*order)[k + 16]);
            __builtin_prefetch(at(k + 8).text.data());
        }
        if (n + kKfdMinRecordSize + 255 > sizeof block) {
            ar.Write(block, n);
            n = 0;
        }
        for (int v : {e.month, e.day, e.year}) put((uint32_t)v, 4);
        if (e.text.size() < 255) {
            block[n++] = (char)e.text.size();
            std::memcpy(block + n, e.text.data(), e.text.size());
            n += e.text.size();
        } else {
            ar.Write(block, n);
            n = 0;
            ar << e.text;
        }
        put(e.recordNumber, 4);
        put(e.kind, 2);
        for (int v : {e.endDate.month, e.endDate.day, e.endDate.year, e.otherDate.month, e.otherDate.day, e.otherDate.year})
            put((uint32_t)v, 4);
    }
    ar.Write(block, n);
    StoreTies(ar, m_entries, order);
}

void BirthdayList::StoreSortedByDate(CArchive& ar) const
{
    const std::vector<uint32_t> order = DateOrder();
    Store(ar, &order);
}

void BirthdayList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        Store(ar, nullptr);
        return;
    }
    // An empty file is an empty list.
    if (ar.AtEnd()) {
        m_entries.clear();
        InvalidateIndex();
        Changed();
        return;
    }
    uint32_t count;
    ar >> count;
    if ((uint64_t)count * kKfdMinRecordSize > ar.Remaining())
        throw CArchiveException(CArchiveException::endOfFile, TextTranslation::translate("BirthdayList", "Unexpected file format.").c_str());
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
    InvalidateIndex();
    Changed();
}
