// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"
#include <cstdlib>

int MemorySettingsStore::GetInt(const CString& section, const CString& key, int def)
{
    auto it = values.find({section, key});
    if (it == values.end()) return def;
    char* end = nullptr;
    long v = std::strtol(it->second.c_str(), &end, 10);
    return end == it->second.c_str() ? def : (int)v;
}

CString MemorySettingsStore::GetString(const CString& section, const CString& key, const CString& def)
{
    auto it = values.find({section, key});
    return it == values.end() ? def : it->second;
}

void MemorySettingsStore::WriteInt(const CString& section, const CString& key, int value)
{
    values[{section, key}] = std::to_string(value);
    ++writes;
}

void MemorySettingsStore::WriteString(const CString& section, const CString& key, const CString& value)
{
    values[{section, key}] = value;
    ++writes;
}

bool MemorySettingsStore::Contains(const CString& section, const CString& key)
{
    return values.count({section, key}) != 0;
}

void MemorySettingsStore::RemoveSection(const CString& section)
{
    for (auto it = values.begin(); it != values.end();)
        it = it->first.first == section ? values.erase(it) : std::next(it);
}
