// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include "MainFrm.h"
#include "MarkwheelDoc.h"
#include "platform/CommandLine.h"
#include "platform/Locale.h"
#include "platform/DisplayChoice.h"
#include "platform/Settings.h"
#include "platform/ToolTips.h"
#include "platform/Version.h"

namespace {
const CommandOption kOptions[] = {
    {"--help", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit (also -h)")},
    {"--version", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit")},
};
const std::string_view kUsage[] = {QT_TRANSLATE_NOOP("CommandLine", "markwheel [TARGET.mkw]")};
}  // namespace

int main(int argc, char** argv)
{
    // Answered before any window exists, so they need no display.
    const QStringList catalogs{"markwheel", "kestrum"};
    InstallTranslations(catalogs);
    CommandArgs args;
    std::string error;
    if (!ParseProgramArgs(ArgumentsOf(argc, argv), kOptions, args, error, 1)) {
        const std::string line = WithHelpHint(error, "markwheel");
        std::fprintf(stderr, "markwheel: %s\n", line.c_str());
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

    const DisplayEnvironment displays = DisplayEnvironmentNow();
    if (PlanDisplay(displays, false) == DisplayPlan::none) {
        std::fprintf(stderr, "markwheel: %s\n", NoDisplayReason(displays).c_str());
        return 1;
    }
    // Every argument was checked above; the toolkit takes none of them.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    InstallTranslations(catalogs);
    PlatformSetApplication("Markwheel");
    QApplication::setDesktopFileName("markwheel");
    InstallToolTipTiming(app);
    app.setWindowIcon(MarkwheelIcon());

    CMarkwheelDoc doc;
    CMainFrame frame(&doc);
    QStringList commandLine{app.applicationFilePath()};
    // An absolute path, so that a file named "-x.mkw" (given after "--") is not taken for an option.
    for (const std::string& f : args.Files()) commandLine << QFileInfo(QString::fromLocal8Bit(f)).absoluteFilePath();
    frame.ProcessCommandLine(commandLine);
    frame.show();
    return app.exec();
}
