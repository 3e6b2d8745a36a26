// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tool tips appear after 500 ms and stay 5000 ms.
#include <QString>
class QWidget;
class QApplication;

inline constexpr int kToolTipDelayMs = 500;
inline constexpr int kToolTipShowMs = 5000;
// Pixels added above and below the text of every list, tree and table row.
inline constexpr int kItemRowRoom = 2;

// Installs the programs' style: the 500 ms tool tip wake-up delay and rows with room for marks
// above capitals.
void InstallToolTipTiming(QApplication& app);
void SetToolTip(QWidget* w, const QString& text);
