// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>
#include "MainFrm.h"
#include "MarkwheelDoc.h"
#include "platform/CommandLine.h"
#include "platform/Locale.h"
#include "platform/Settings.h"
#include "platform/ToolTips.h"
#include "platform/Version.h"

namespace {
const CommandOption kOptions[] = {
    {"--help", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit")},
    {"--version", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit")},
};
const std::string_view kUsage[] = {"markwheel [TARGET.mkw]"};
}  // namespace

int main(int argc, char** argv)
{
    // Answered before any window exists, so they need no display.
    const QStringList catalogs{"markwheel", "kestrum"};
    InstallTranslations(catalogs);
    CommandArgs args;
    std::string error;
    if (!ParseCommandArgs(ArgumentsOf(argc, argv), kOptions, args, error)) {
        std::fprintf(stderr, "markwheel: %s (see markwheel --help)\n", error.c_str());
        return 2;
    }
    if (args.Has("--help")) {
        std::fputs(CommandUsage(kUsage, kOptions, [](const char* t) { return TranslateToLocal("CommandLine", t); }).c_str(), stdout);
        return 0;
    }
    if (args.Has("--version")) {
        std::printf("markwheel %s\n", KQ_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    InstallTranslations(catalogs);
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
