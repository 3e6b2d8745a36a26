// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserFolders.h"
#include <QDir>

QString UserDataFolder(const QString& name)
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty()) base = QDir::homePath() + "/.local/share";
    return base + '/' + name;
}
