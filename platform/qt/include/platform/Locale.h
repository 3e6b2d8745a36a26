// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's language and locale: the translations a program loads and the calendar conventions
// handed to the cores.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <string>
#include "platform/LocaleChoices.h"

class QProcessEnvironment;

// The names, first weekday, territory, language and paper of a locale. English locales keep the
// system's own texts (no names); "C" gives LocaleChoices::System().
LocaleChoices LocaleChoicesOf(const QLocale& locale);
// The same for QLocale(), the locale of the environment unless a program or test set another.
LocaleChoices CurrentLocaleChoices();

// The languages messages are wanted in, best first, as desktop programs read them: the list in
// LANGUAGE (unless the locale is "C" or "POSIX"), then the first of LC_ALL, LC_MESSAGES and LANG
// that is set. Each as "de_DE" followed by "de"; codesets and modifiers are dropped.
QStringList MessageLanguages(const QProcessEnvironment& env);

// The folders the programs' translations are looked for in: beside the build's programs
// (share/<name>/translations below the build folder) and where the packages install them.
QStringList TranslationFolders();

// Installs the translations of `catalogs` ("kinfold", "kestrum") for the first language of
// MessageLanguages that the first catalog is shipped in, and Qt's own translations of that
// language for Qt's dialogs and buttons. Returns the language loaded ("de"), or "" when the
// messages stay English. Call once, after the application object exists.
QString InstallTranslations(const QStringList& catalogs);
// The same for a given language ("de", "pt_BR"); "" and "en" remove nothing and load nothing.
QString InstallTranslationsFor(const QStringList& catalogs, const QStringList& languages);
// Removes what InstallTranslations installed (tests switch languages).
void RemoveTranslations();
// A text marked with QT_TRANSLATE_NOOP(context, text), translated; also before the application
// object exists (--help and the batch commands run without one). InstallTranslations also makes
// it the translator of TextTranslation::translate.
QString Translate(const char* context, const char* text, const char* comment = nullptr, int n = -1);
// The same in the terminal's 8-bit form.
std::string TranslateToLocal(const char* context, const char* text);
