// SPDX-License-Identifier: GPL-3.0-or-later
// Dialwake: world clocks on the desktop. Arguments are restart lines or new-clock fragments
// ("/o4/tz(32400|nu0)/n(Tokyo, Japan)"), each made into a clock besides those of the restart file.
#include <QApplication>

#include "DialwakeHost.h"
#include "kestrum/clock.h"
#include "platform/Settings.h"
#include "platform/ToolTips.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PlatformSetApplication(QStringLiteral("Dialwake"));
    InstallToolTipTiming(app);
    // Clocks come and go; the host decides when the program ends.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(CClockDlg::Icon());
    DialwakeHost host;
    QStringList args = app.arguments();
    args.removeFirst();
    host.Start(args);
    return app.exec();
}
