// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What logic needs of the per-user settings store: typed values by section and key.
#include <map>
#include <utility>
#include "platform/CString.h"

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual int GetInt(const CString& section, const CString& key, int def) = 0;
    virtual CString GetString(const CString& section, const CString& key, const CString& def) = 0;
    virtual void WriteInt(const CString& section, const CString& key, int value) = 0;
    virtual void WriteString(const CString& section, const CString& key, const CString& value) = 0;
    virtual bool Contains(const CString& section, const CString& key) = 0;
    virtual void RemoveSection(const CString& section) = 0;
};

// An in-memory store for tests and batch work.
class MemorySettingsStore : public ISettingsStore {
public:
    int GetInt(const CString& section, const CString& key, int def) override;
    CString GetString(const CString& section, const CString& key, const CString& def) override;
    void WriteInt(const CString& section, const CString& key, int value) override;
    void WriteString(const CString& section, const CString& key, const CString& value) override;
    bool Contains(const CString& section, const CString& key) override;
    void RemoveSection(const CString& section) override;

    // Values are kept as text; integers as their decimal form.
    std::map<std::pair<CString, CString>, CString> values;
    int writes = 0;
};
