// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marks a text for translation in code that includes no Qt header. lupdate finds the macro by
// its name; the Qt edge translates the text with QCoreApplication::translate(scope, text). The
// definition is Qt's own, token for token, so that both may meet in one file.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
