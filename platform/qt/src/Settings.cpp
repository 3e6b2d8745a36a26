// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"
#include <QCoreApplication>
#include <QSettings>
#include <QDir>
#include <QStandardPaths>
#include "platform/TextCodec.h"

void PlatformSetApplication(const QString& appName)
{
    QCoreApplication::setOrganizationName(kOrganisation);
    QCoreApplication::setApplicationName(appName);
    QSettings::setDefaultFormat(QSettings::NativeFormat);
}

void PlatformSetSettingsFolder(const QString& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

static QString AppOrDefault(const QString& app)
{
    return app.isEmpty() ? QCoreApplication::applicationName() : app;
}

QString PlatformSettingsFile(const QString& appName)
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, AppOrDefault(appName));
    return s.fileName();
}

QtSettingsStore::QtSettingsStore(const QString& appName) : m_app(appName) {}

static QString Key(const CString& section, const CString& key)
{
    return QString::fromUtf8(section.data(), (qsizetype)section.size()) + '/' + QString::fromUtf8(key.data(), (qsizetype)key.size());
}

#define KQ_SETTINGS QSettings s(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, AppOrDefault(m_app))

int QtSettingsStore::GetInt(const CString& section, const CString& key, int def)
{
    KQ_SETTINGS;
    QVariant v = s.value(Key(section, key));
    if (!v.isValid()) return def;
    bool ok = false;
    int r = v.toString().trimmed().toInt(&ok);
    return ok ? r : def;
}

CString QtSettingsStore::GetString(const CString& section, const CString& key, const CString& def)
{
    KQ_SETTINGS;
    QVariant v = s.value(Key(section, key));
    if (!v.isValid()) return def;
    // A value written by hand with a comma and no quotes ("Days=7,1,0") comes back as a list,
    // which reads as no text at all; QSettings drops the blanks around its commas.
    const QString text = v.userType() == QMetaType::QStringList ? v.toStringList().join(", ") : v.toString();
    // Bytes are kept as they were written; QSettings stores text as UTF-8.
    QByteArray b = text.toUtf8();
    return CString(b.constData(), (size_t)b.size());
}

void QtSettingsStore::WriteInt(const CString& section, const CString& key, int value)
{
    KQ_SETTINGS;
    s.setValue(Key(section, key), value);
}

void QtSettingsStore::WriteString(const CString& section, const CString& key, const CString& value)
{
    KQ_SETTINGS;
    // Non-UTF-8 bytes (old 8-bit texts) are kept readable as Windows-1252.
    s.setValue(Key(section, key), ToQt(value));
}

bool QtSettingsStore::Contains(const CString& section, const CString& key)
{
    KQ_SETTINGS;
    return s.contains(Key(section, key));
}

void QtSettingsStore::RemoveSection(const CString& section)
{
    KQ_SETTINGS;
    s.remove(QString::fromUtf8(section.data(), (qsizetype)section.size()));
}

static ISettingsStore* g_override = nullptr;

ISettingsStore& AppSettings()
{
    static QtSettingsStore store;
    return g_override ? *g_override : store;
}

void SetAppSettings(ISettingsStore* store) { g_override = store; }
