// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include "MainFrm.h"
#include "MarkwheelDoc.h"
#include "platform/Settings.h"
#include "platform/ToolTips.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PlatformSetApplication("Markwheel");
    QApplication::setDesktopFileName("markwheel");
    InstallToolTipTiming(app);
    app.setWindowIcon(MarkwheelIcon());

    CMarkwheelDoc doc;
    CMainFrame frame(&doc);
    frame.ProcessCommandLine(app.arguments());
    frame.show();
    return app.exec();
}
