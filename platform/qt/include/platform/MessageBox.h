// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes behind one function that tests can answer without a window.
#include <functional>
#include "platform/CString.h"

class QWidget;

enum : unsigned {
    MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5,
    MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDRETRY = 4, IDYES = 6, IDNO = 7 };

struct MessageBoxRequest {
    CString text;      // UTF-8 or 8-bit bytes
    CString caption;
    unsigned type = MB_OK;
};

using MessageBoxAnswerer = std::function<int(const MessageBoxRequest&)>;

// Installs an answerer; every box is then answered by it and none is shown. Empty: show real boxes.
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
// Shows a box (or asks the answerer); returns IDOK, IDCANCEL, IDRETRY, IDYES or IDNO.
int AfxMessageBox(const CString& text, unsigned type = MB_OK | MB_ICONINFORMATION, const CString& caption = CString(),
                  QWidget* parent = nullptr);
