// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/TextTable.h"
#include <functional>

namespace {

uint32_t Hash(std::string_view text) { return (uint32_t)std::hash<std::string_view>()(text); }

} // namespace

void TextTable::Clear()
{
    m_bytes.clear();
    m_texts.clear();
    m_slots.clear();
}

void TextTable::Grow()
{
    const size_t size = m_slots.empty() ? 1024 : m_slots.size() * 2;
    m_slots.assign(size, 0);
    for (size_t t = 0; t < m_texts.size(); ++t) {
        size_t k = m_texts[t].hash & (size - 1);
        while (m_slots[k] != 0) k = (k + 1) & (size - 1);
        m_slots[k] = Slot(m_texts[t].hash, t);
    }
}

size_t TextTable::SlotOf(std::string_view text, uint32_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    size_t k = hash & mask;
    // The hash in the slot spares a look at the text of every other text on the way.
    for (; m_slots[k] != 0; k = (k + 1) & mask) {
        if ((uint32_t)(m_slots[k] >> 32) != hash) continue;
        const Entry& t = m_texts[(uint32_t)m_slots[k] - 1];
        if (std::string_view(m_bytes).substr(t.offset, t.length) == text) break;
    }
    return k;
}

uint32_t TextTable::Add(std::string_view text, bool& added)
{
    if (2 * (m_texts.size() + 1) > m_slots.size()) Grow();
    const uint32_t h = Hash(text);
    const size_t k = SlotOf(text, h);
    added = m_slots[k] == 0;
    if (!added) return (uint32_t)m_slots[k] - 1;
    m_slots[k] = Slot(h, m_texts.size());
    m_texts.push_back(Entry{m_bytes.size(), (uint32_t)text.size(), h});
    m_bytes.append(text);
    return (uint32_t)(m_texts.size() - 1);
}

int64_t TextTable::Find(std::string_view text) const
{
    if (m_slots.empty()) return -1;
    const size_t k = SlotOf(text, Hash(text));
    return m_slots[k] == 0 ? -1 : (int64_t)(uint32_t)m_slots[k] - 1;
}
