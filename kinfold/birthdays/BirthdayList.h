// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document's list of entries: merging by text, date order and the ".kfd" file format.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include "birthdays/BirthdayEntry.h"
#include "birthdays/LeapDay.h"

class CArchive;

// Answer of the "Please Choose" question: A takes the newly offered date, B keeps the stored one.
enum class DateChoice { A, B };

// Asked when a merge meets two different dates: the entry's text as people read it
// (BirthdayEntry::DisplayText), the word "Death", "Married"
// or "Birth", the new date (A) and the stored date (B), both in short form.
using ChooseDateCallback = std::function<DateChoice(const CString& text, const CString& word,
                                                    const CString& dateA, const CString& dateB)>;

class BirthdayList {
public:
    BirthdayList() = default;

    // Who answers merge questions; without one the stored date is kept.
    void SetChooser(ChooseDateCallback chooser) { m_chooser = std::move(chooser); }
    const ChooseDateCallback& Chooser() const { return m_chooser; }

    // Appends the entry, or merges it into the first entry with the same text; returns its index.
    int AddOrMerge(const BirthdayEntry& entry);
    // As above; `merged` tells whether an existing entry took it.
    int AddOrMerge(const BirthdayEntry& entry, bool& merged);
    // Index of the first entry whose text equals entry.text, or -1.
    int FindByText(const BirthdayEntry& entry) const;
    int FindByText(const CString& text) const;

    BirthdayEntry EntryAt(int i) const { return m_entries.at((size_t)i); }
    const BirthdayEntry& operator[](int i) const { return m_entries[(size_t)i]; }
    // Replaces entry i.
    void SetAt(int i, const BirthdayEntry& entry);
    // Sets entry i's marriage date.
    void SetOtherDateAt(int i, const CalendarDate& date);
    // Starts fetching where FindByText will look for `text`, for a caller that will soon ask.
    void PrefetchText(std::string_view text) const;
    // Starts fetching entry i from memory, for a caller that will soon look at it.
    void Prefetch(int i) const
    {
        if ((size_t)i >= m_entries.size()) return;
        const char* p = reinterpret_cast<const char*>(&m_entries[(size_t)i]);
        for (size_t at = 0; at < sizeof(BirthdayEntry); at += 64) __builtin_prefetch(p + at);
        __builtin_prefetch(p + sizeof(BirthdayEntry) - 1);
    }
    // Room for n entries in all, so that adding up to them moves no entry.
    void Reserve(size_t n);
    void SetSize(int n);
    // Removes entry i; the entries after it move up.
    void RemoveAt(int i);
    int GetCount() const { return (int)m_entries.size(); }
    int GetSize() const { return GetCount(); }
    bool IsEmpty() const { return m_entries.empty(); }
    void Swap(int i, int j);
    // Month, day, year of the entries' own dates; month 0 first. Equal dates keep their order.
    void SortByDate();

    // The entry drawn in place n of the day cell of the civil date `date` (a note takes two
    // places), 29 February's entries placed by `leapDay`; its index, or -1.
    int NthShownOn(const CalendarDate& date, int n, DisplaySwitches switches, BirthdayEntry& entry,
                   LeapDayRule leapDay = LeapDayRule::February28) const;
    // Sets otherDate of the first entry with this record number; its index, or -1.
    int SetMarriageByRecordNumber(uint32_t recordNumber, const CalendarDate& date);

    // Reads or writes the ".kfd" stream. A failed read throws CArchiveException and leaves the
    // list as it was. The entries' card ties follow the last entry, where older readers stop;
    // a list without ties is written exactly as before.
    void Serialize(CArchive& ar);
    // Writes the ".kfd" stream of the list as SortByDate would leave it, without moving an
    // entry: for a big list that is saved and then let go.
    void StoreSortedByDate(CArchive& ar) const;

    const std::vector<BirthdayEntry>& Entries() const { return m_entries; }

    // Changes with every change of the entries, and no two changes anywhere give the same value,
    // so a reader may keep what it derived from the list while the version stays the same.
    uint64_t Version() const { return m_version; }

private:
    // The entries' indexes in date order (SortByDate's order).
    std::vector<uint32_t> DateOrder() const;
    // Writes the stream with the entries in `order` (their own order for null).
    void Store(CArchive& ar, const std::vector<uint32_t>* order) const;
    void RebuildIndex() const;
    // Enters entry i under its text unless an earlier entry holds that text.
    void IndexEntry(size_t i) const;
    void GrowIndex() const;
    // Every change of m_entries calls this.
    void Changed();
    void InvalidateIndex();

    std::vector<BirthdayEntry> m_entries;
    ChooseDateCallback m_chooser;
    // Text -> first index with that text, as an open-addressing table of (hash, index + 1)
    // that reads the texts from the entries themselves; rebuilt after changes that move or
    // rename entries.
    struct Slot {
        uint32_t hash = 0;
        uint32_t index = 0;  // entry index + 1; 0 for a free slot
    };
    mutable std::vector<Slot> m_slots;
    mutable size_t m_indexed = 0;
    mutable bool m_indexValid = false;
    uint64_t m_version = 0;
};

// Size in bytes of the smallest entry record (empty text).
inline constexpr size_t kKfdMinRecordSize = 43;
