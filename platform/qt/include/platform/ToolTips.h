// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tool tips appear after 500 ms and stay 5000 ms.
#include <QString>
class QWidget;
class QApplication;

inline constexpr int kToolTipDelayMs = 500;
inline constexpr int kToolTipShowMs = 5000;

// Installs the 500 ms wake-up delay for the application's style.
void InstallToolTipTiming(QApplication& app);
void SetToolTip(QWidget* w, const QString& text);
