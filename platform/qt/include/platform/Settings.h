// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store on QSettings, under "Quorvanth Software" and the program's name.
#include <QString>
#include "platform/SettingsStore.h"

inline constexpr const char* kOrganisation = "Quorvanth Software";

// Sets organisation and application names (and the native format) for this process.
void PlatformSetApplication(const QString& appName);
// Points the user-scope settings at another folder (tests, sandboxes).
void PlatformSetSettingsFolder(const QString& folder);
// The file the store for `appName` lives in.
QString PlatformSettingsFile(const QString& appName);

class QtSettingsStore : public ISettingsStore {
public:
    // Empty name: the application's name.
    explicit QtSettingsStore(const QString& appName = QString());
    int GetInt(const CString& section, const CString& key, int def) override;
    CString GetString(const CString& section, const CString& key, const CString& def) override;
    void WriteInt(const CString& section, const CString& key, int value) override;
    void WriteString(const CString& section, const CString& key, const CString& value) override;
    bool Contains(const CString& section, const CString& key) override;
    void RemoveSection(const CString& section) override;

private:
    QString m_app;
};

// The process's store, for code that wants the framework's profile functions.
ISettingsStore& AppSettings();
// Replaces the process's store (tests); nullptr restores the QSettings store.
void SetAppSettings(ISettingsStore* store);
