// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the code that includes no Qt header. QT_TRANSLATE_NOOP(scope, text) marks a text that
// the Qt edge translates with QCoreApplication::translate(scope, text); TextTranslation::translate
// marks a text and translates it at once, through the translator the Qt part installs. lupdate
// reads both as it reads Qt's own. The QT_TRANSLATE_NOOP definition is Qt's own, token for token,
// so that both may meet in one file.
#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

class TextTranslation {
public:
    // UTF-8 in and out; `n` >= 0 chooses the plural form and stands for "%n" in the result.
    using Translator = std::string (*)(const char* context, const char* text, const char* comment, int n);
    // nullptr: texts stay as written (English).
    static void Install(Translator translator);
    // The text in the user's language; without a translator the text itself, "%n" filled in.
    static std::string translate(const char* context, const char* text, const char* comment = nullptr, int n = -1);

    // A Gregorian day in the locale's long form without its year ("Freitag, 20. März"); the
    // formatter gives "" where the system's English form stands (English locales and "C").
    using DayFormatter = std::string (*)(int year, int month, int day);
    static void InstallDayFormatter(DayFormatter formatter);
    // "" without a formatter or where it gives none.
    static std::string dayInWords(int year, int month, int day);
};

// `pattern` with %1 to %9 replaced by the arguments in one pass, so that a "%1" inside an
// argument stays as it is.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args);
