// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Distinct texts, each with three numbers its owner keeps. A big import keeps one for nearly
// every record it reads: each text sits with its numbers in one block, found through an
// open-addressing table, so that finding a text touches the table and the text, nothing else.
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

class TextTable {
public:
    // Stands for one text for as long as the table lives.
    using Handle = uint32_t;

    // The text's hash, for the calls that take one.
    static uint32_t Hash(std::string_view text);
    // The handle of `text`; `added` tells whether it was new (its numbers are then 0).
    Handle Add(std::string_view text, bool& added) { return Add(text, Hash(text), added); }
    Handle Add(std::string_view text, uint32_t hash, bool& added);
    // Starts fetching the place where a text of this hash is looked for, so that a lookup
    // soon after need not wait for it.
    void Prefetch(uint32_t hash) const
    {
        if (!m_slots.empty()) __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
    }
    std::string_view Text(Handle h) const
    {
        return std::string_view(reinterpret_cast<const char*>(Word(h) + kHeader), *Word(h));
    }
    std::array<int, 3>& Numbers(Handle h) { return *reinterpret_cast<std::array<int, 3>*>(Word(h) + 1); }
    size_t Size() const { return m_count; }
    void Clear();

private:
    // In pages of 4-byte words (a new page never moves what the others hold): the length, the
    // three numbers, then the text's bytes. A handle is the page number << 18 | the word in it
    // where the text's block starts (a text longer than a page starts its own page).
    static constexpr size_t kHeader = 4;
    static constexpr size_t kPageBits = 18;
    static constexpr size_t kPageWords = 1 << kPageBits;
    static constexpr size_t kMaxPages = size_t(1) << (32 - kPageBits);
    uint32_t* Word(Handle h) const { return m_pages[h >> kPageBits].get() + (h & (kPageWords - 1)); }
    size_t SlotOf(std::string_view text, uint32_t hash) const;
    void Grow();

    // Mapped apart from the heap, so that a big import's pages go back to the system when the
    // table goes, instead of staying as holes between the texts it leaves in the list.
    struct Unmap {
        size_t bytes;
        void operator()(uint32_t* p) const;
    };
    std::vector<std::unique_ptr<uint32_t[], Unmap>> m_pages;
    size_t m_used = kPageWords;  // words used in the last page
    size_t m_count = 0;
    // The text's whole hash in the high half, its handle + 1 in the low one; 0 is free. A
    // bigger table places the texts again from the hashes alone.
    std::vector<uint64_t> m_slots;
};
