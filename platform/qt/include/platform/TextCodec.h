// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stored 8-bit bytes to screen text and back.
#include <QString>
#include "platform/CString.h"

// Valid UTF-8 as UTF-8, anything else as Windows-1252.
QString ToQt(const CString& bytes);
// Typed text is stored as UTF-8.
CString FromQt(const QString& text);
