// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock's own menu: the setup, whether the clocks start at login, minimising and deleting
// the clock; items are added in MakeClockMenu. It opens from the
// keyboard's menu key (or Shift+F10) and on a right click with Ctrl held; a plain right click
// opens the city chooser as it always has.
class CClockDlg;
class QMenu;

void InstallClockMenu(CClockDlg* clock);
// The menu as it stands now (the login item checked when the clocks start at login).
QMenu* MakeClockMenu(CClockDlg* clock);
