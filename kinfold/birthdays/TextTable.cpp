// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/TextTable.h"
#include <algorithm>
#include <functional>

namespace {

constexpr uint64_t kPlaceBits = (1ULL << 40) - 1;

uint32_t Hash(std::string_view text) { return (uint32_t)std::hash<std::string_view>()(text); }

uint64_t Slot(uint32_t hash, uint64_t place) { return (uint64_t)(hash >> 8) << 40 | (place + 1); }

} // namespace

void TextTable::Clear()
{
    m_pages.clear();
    m_used = kPageWords;
    m_slots.clear();
    m_count = 0;
}

void TextTable::Grow()
{
    const size_t size = m_slots.empty() ? 1024 : m_slots.size() * 2;
    std::vector<uint64_t> old(size, 0);
    old.swap(m_slots);
    for (uint64_t s : old) {
        if (s == 0) continue;
        const uint64_t place = (s & kPlaceBits) - 1;
        size_t k = Hash(Text(place)) & (size - 1);
        while (m_slots[k] != 0) k = (k + 1) & (size - 1);
        m_slots[k] = s;
    }
}

size_t TextTable::SlotOf(std::string_view text, uint32_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    const uint64_t tag = hash >> 8;
    size_t k = hash & mask;
    for (; m_slots[k] != 0; k = (k + 1) & mask)
        if (m_slots[k] >> 40 == tag && Text((m_slots[k] & kPlaceBits) - 1) == text) break;
    return k;
}

TextTable::Handle TextTable::Add(std::string_view text, bool& added)
{
    if (2 * (m_count + 1) > m_slots.size()) Grow();
    const uint32_t h = Hash(text);
    const size_t k = SlotOf(text, h);
    added = m_slots[k] == 0;
    if (!added) return (m_slots[k] & kPlaceBits) - 1;
    const size_t words = kHeader + (text.size() + 3) / 4;
    if (m_used + words > kPageWords) {
        // A text longer than a page gets a page of its own.
        m_pages.emplace_back(new uint32_t[std::max(words, kPageWords)]);
        m_used = 0;
    }
    const uint64_t place = (uint64_t)(m_pages.size() - 1) << 20 | m_used;
    uint32_t* w = Word(place);
    w[0] = (uint32_t)text.size();
    w[1] = w[2] = w[3] = 0;
    std::memcpy(w + kHeader, text.data(), text.size());
    m_used += words;
    m_slots[k] = Slot(h, place);
    ++m_count;
    return place;
}
