// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/TextTable.h"
#include "birthdays/HugePages.h"
#include <algorithm>
#include <functional>
#include <new>
#include <stdexcept>
#include <sys/mman.h>

namespace {

uint64_t Slot(uint32_t hash, TextTable::Handle h) { return (uint64_t)hash << 32 | ((uint64_t)h + 1); }
uint32_t HashOf(uint64_t slot) { return (uint32_t)(slot >> 32); }
TextTable::Handle HandleOf(uint64_t slot) { return (TextTable::Handle)((slot & 0xFFFFFFFFu) - 1); }

} // namespace

uint32_t TextTable::Hash(std::string_view text) { return (uint32_t)std::hash<std::string_view>()(text); }

void TextTable::Unmap::operator()(uint32_t* p) const { ::munmap(p, bytes); }

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
    std::vector<uint64_t> old;
    AssignAdvised(old, size, uint64_t(0));
    old.swap(m_slots);
    for (uint64_t s : old) {
        if (s == 0) continue;
        size_t k = HashOf(s) & (size - 1);
        while (m_slots[k] != 0) k = (k + 1) & (size - 1);
        m_slots[k] = s;
    }
}

size_t TextTable::SlotOf(std::string_view text, uint32_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    size_t k = hash & mask;
    for (; m_slots[k] != 0; k = (k + 1) & mask)
        if (HashOf(m_slots[k]) == hash && Text(HandleOf(m_slots[k])) == text) break;
    return k;
}

TextTable::Handle TextTable::Add(std::string_view text, uint32_t hash, bool& added)
{
    // Up to three quarters full: the probes stay short, and a big import's table half the size.
    if (4 * (m_count + 1) > 3 * m_slots.size()) Grow();
    const size_t k = SlotOf(text, hash);
    added = m_slots[k] == 0;
    if (!added) return HandleOf(m_slots[k]);
    const size_t words = kHeader + (text.size() + 3) / 4;
    if (m_used + words > kPageWords) {
        // 16 GB of texts: no import gets there before memory runs out.
        if (m_pages.size() >= kMaxPages) throw std::length_error("too many texts");
        // A text longer than a page gets a page of its own.
        const size_t bytes = std::max(words, kPageWords) * sizeof(uint32_t);
        void* page = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (page == MAP_FAILED) throw std::bad_alloc();
        m_pages.emplace_back(static_cast<uint32_t*>(page), Unmap{bytes});
        m_used = 0;
    }
    const Handle place = (Handle)((m_pages.size() - 1) << kPageBits | m_used);
    uint32_t* w = Word(place);
    w[0] = (uint32_t)text.size();
    w[1] = w[2] = w[3] = 0;
    std::memcpy(w + kHeader, text.data(), text.size());
    m_used += words;
    m_slots[k] = Slot(hash, place);
    ++m_count;
    return place;
}
