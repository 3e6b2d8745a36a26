// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Locale.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QDate>
#include <QTranslator>
#include <memory>
#include <vector>
#include "platform/TextCodec.h"
#include "platform/Translate.h"

#ifndef KQ_TRANSLATIONS_DIR
#define KQ_TRANSLATIONS_DIR ""
#endif
#ifndef KQ_TRANSLATIONS_SUBDIR
#define KQ_TRANSLATIONS_SUBDIR "share/kinfold/translations"
#endif

LocaleChoices LocaleChoicesOf(const QLocale& locale)
{
    if (locale.language() == QLocale::C) return LocaleChoices::System();
    LocaleChoices c;
    if (locale.language() != QLocale::English) {
        for (int m = 1; m <= 12; ++m) c.monthNames[m] = FromQt(locale.standaloneMonthName(m, QLocale::LongFormat));
        // Qt counts 1 Monday .. 7 Sunday; the names go Sunday .. Saturday.
        for (int d = 0; d < 7; ++d) c.weekDayNames[d] = FromQt(locale.standaloneDayName(d == 0 ? 7 : d));
    }
    c.weekStartsMonday = locale.firstDayOfWeek() == Qt::Monday;
    c.territory = FromQt(QLocale::territoryToCode(locale.territory()));
    c.language = FromQt(QLocale::languageToCode(locale.language()));
    c.usPaper = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return c;
}

LocaleChoices CurrentLocaleChoices()
{
    return LocaleChoicesOf(QLocale());
}

namespace {
// "de_DE.UTF-8@euro" -> "de_DE", "de"; "C" and "POSIX" -> nothing.
void AddLanguage(QStringList& out, QString name)
{
    name = name.section('.', 0, 0).section('@', 0, 0).trimmed();
    if (name.isEmpty() || name == "C" || name == "POSIX") return;
    name.replace('-', '_');
    // Norwegian without its written form is Bokmål, as most desktops take it.
    if (name == "no" || name.startsWith("no_")) name = "nb" + name.mid(2);
    if (!out.contains(name)) out << name;
    const QString language = name.section('_', 0, 0);
    if (!out.contains(language)) out << language;
}

std::vector<std::unique_ptr<QTranslator>>& Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

// What the translators in Installed() were loaded for, and the application object they were
// installed in (none while they serve Translate() alone).
struct LoadedFor {
    QStringList catalogs, languages;
    QString language;
    QCoreApplication* app = nullptr;
};
LoadedFor& Loaded()
{
    static LoadedFor loaded;
    return loaded;
}

void InstallIntoApplication()
{
    LoadedFor& loaded = Loaded();
    if (!QCoreApplication::instance() || loaded.app == QCoreApplication::instance()) return;
    for (auto& t : Installed()) QCoreApplication::installTranslator(t.get());
    loaded.app = QCoreApplication::instance();
}
}  // namespace

QStringList MessageLanguages(const QProcessEnvironment& env)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env.value(name);
        if (!locale.isEmpty()) break;
    }
    QStringList out;
    const QString plain = locale.section('.', 0, 0);
    if (plain != "C" && plain != "POSIX")
        for (const QString& l : env.value("LANGUAGE").split(':', Qt::SkipEmptyParts)) AddLanguage(out, l);
    AddLanguage(out, locale);
    return out;
}

QStringList TranslationFolders()
{
    QStringList folders;
    // The program's own folder also before the application object exists (--help).
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                     : QFileInfo("/proc/self/exe").canonicalPath();
    if (!dir.isEmpty()) {
        folders << QDir::cleanPath(dir + "/../" KQ_TRANSLATIONS_SUBDIR);
        // Test programs sit one folder deeper than the programs.
        folders << QDir::cleanPath(dir + "/../../" KQ_TRANSLATIONS_SUBDIR);
    }
    if (*KQ_TRANSLATIONS_DIR) folders << QString(KQ_TRANSLATIONS_DIR);
    folders.removeDuplicates();
    return folders;
}

void RemoveTranslations()
{
    if (QCoreApplication::instance())
        for (auto& t : Installed()) QCoreApplication::removeTranslator(t.get());
    Installed().clear();
    Loaded() = LoadedFor();
}

QString Translate(const char* context, const char* text, const char* comment, int n)
{
    if (QCoreApplication::instance()) return QCoreApplication::translate(context, text, comment, n);
    QString found;
    for (auto it = Installed().rbegin(); it != Installed().rend() && found.isEmpty(); ++it)
        found = (*it)->translate(context, text, comment, n);
    if (found.isEmpty()) found = QString::fromUtf8(text);
    // As QCoreApplication::translate does.
    if (n >= 0) found.replace(QLatin1String("%n"), QString::number(n));
    return found;
}

namespace {
// The translator of the Qt-free code (TextTranslation).
std::string TranslateForCore(const char* context, const char* text, const char* comment, int n)
{
    return Translate(context, text, comment, n).toStdString();
}

// The day in the locale's long date form with the year and what belongs to it taken out
// ("dddd, d. MMMM yyyy", "dddd, d 'de' MMMM 'de' yyyy", "yyyy年M月d日dddd").
std::string DayInWordsForCore(int year, int month, int day)
{
    const QLocale locale;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English) return {};
    const QDate date(year, month, day);
    if (!date.isValid()) return {};
    static const QRegularExpression yearPart(QStringLiteral(R"((\s*'[^']*')?\s*[,.]?\s*y+[年년.]?)"));
    QString format = locale.dateFormat(QLocale::LongFormat).remove(yearPart).trimmed();
    while (format.endsWith(',')) format.chop(1);
    while (format.startsWith(',')) format.remove(0, 1);
    return locale.toString(date, format.trimmed()).toStdString();
}
}  // namespace

std::string TranslateToLocal(const char* context, const char* text)
{
    return Translate(context, text).toLocal8Bit().toStdString();
}

QString InstallTranslationsFor(const QStringList& catalogs, const QStringList& languages)
{
    // The programs ask before their application object exists (--help) and again after: the
    // catalogs read the first time are then installed, not read again.
    TextTranslation::Install(&TranslateForCore);
    TextTranslation::InstallDayFormatter(&DayInWordsForCore);
    if (!Installed().empty() && Loaded().catalogs == catalogs && Loaded().languages == languages) {
        InstallIntoApplication();
        return Loaded().language;
    }
    RemoveTranslations();
    if (catalogs.isEmpty()) return QString();
    const QStringList folders = TranslationFolders();
    auto load = [](const QString& file, const QStringList& in) {
        for (const QString& folder : in) {
            auto t = std::make_unique<QTranslator>();
            if (t->load(file, folder)) {
                Installed().push_back(std::move(t));
                return true;
            }
        }
        return false;
    };
    for (const QString& language : languages) {
        if (language == "en" || language.startsWith("en_")) return QString();
        bool shipped = false;
        for (const QString& folder : folders)
            shipped = shipped || QFileInfo::exists(folder + "/" + catalogs.first() + "_" + language + ".qm");
        if (!shipped) continue;
        for (const QString& catalog : catalogs) load(catalog + "_" + language, folders);
        const QStringList qt{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
        // Qt ships Brazilian Portuguese only; it serves Portugal's buttons better than English.
        if (!load("qtbase_" + language, qt) && !load("qtbase_" + language.section('_', 0, 0), qt) &&
            language.startsWith("pt"))
            load("qtbase_pt_BR", qt);
        Loaded().catalogs = catalogs;
        Loaded().languages = languages;
        Loaded().language = language;
        InstallIntoApplication();
        return language;
    }
    return QString();
}

QString InstallTranslations(const QStringList& catalogs)
{
    return InstallTranslationsFor(catalogs, MessageLanguages(QProcessEnvironment::systemEnvironment()));
}
