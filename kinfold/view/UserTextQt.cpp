// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/UserTextQt.h"
#include "calendar/UserText.h"
#include "platform/Locale.h"

void InstallUserTextTranslator()
{
    SetUserTextTranslator([](const char* context, const char* text, int n) {
        return Translate(context, text, nullptr, n).toStdString();
    });
}
