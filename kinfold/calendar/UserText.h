// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the cores that the user reads (corner texts, year names, factory holidays, reminder
// words), in the user's language. The cores call UserText(context, text), or mark a table's
// entries with QT_TRANSLATE_NOOP(context, text) and turn them through UserText; the Qt edge
// installs the translator. Without one (the cores' tests, "C" and English) the English source
// text stands, byte for byte.
#include <initializer_list>
#include <string>
#include <string_view>
#include "platform/Translate.h"

// The text of `context` in the user's language, UTF-8; the source text itself when there is none.
// lupdate reads UserText("Context", "text") as it reads QCoreApplication::translate. With `n`
// (>= 0) the text is a plural: the form for n, with n for "%n". English keeps the singular in a
// text of its own ("1 event") and gives the plural ("%n events") only for n other than 1.
using UserTextTranslator = std::string (*)(const char* context, const char* text, int n);
void SetUserTextTranslator(UserTextTranslator translator);
std::string UserText(const char* context, const char* text, const char* disambiguation = nullptr, int n = -1);

// %1, %2 ... of `text` replaced by `args`; a placeholder without an argument stays as it is.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args);
