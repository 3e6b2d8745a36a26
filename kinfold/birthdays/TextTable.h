// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Distinct texts, each numbered in the order first added. A big import keeps one for nearly
// every record it reads: the texts sit one after another in one block and are found through
// an open-addressing table, a few bytes each beside the text itself.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TextTable {
public:
    // The number of `text`; `added` tells whether it was new.
    uint32_t Add(std::string_view text, bool& added);
    // The number of `text`, or -1.
    int64_t Find(std::string_view text) const;
    std::string_view Text(uint32_t id) const { return std::string_view(m_bytes).substr(m_texts[id].offset, m_texts[id].length); }
    size_t Size() const { return m_texts.size(); }
    void Clear();

private:
    struct Entry {
        uint64_t offset;
        uint32_t length;
        uint32_t hash;
    };
    // The slot of `text`: its own, or the free one where it belongs.
    size_t SlotOf(std::string_view text, uint32_t hash) const;
    void Grow();

    std::string m_bytes;
    std::vector<Entry> m_texts;
    // The text's hash in the high half, its number + 1 in the low half; 0 for a free slot.
    static uint64_t Slot(uint32_t hash, size_t id) { return (uint64_t)hash << 32 | (uint32_t)(id + 1); }
    std::vector<uint64_t> m_slots;
};
