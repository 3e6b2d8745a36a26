// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
// The user's data folder for a program: $XDG_DATA_HOME/<name>, else ~/.local/share/<name>.
QString UserDataFolder(const QString& name);
