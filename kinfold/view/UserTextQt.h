// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands the cores' UserText the translations the program installed (platform/Locale.h).
void InstallUserTextTranslator();
