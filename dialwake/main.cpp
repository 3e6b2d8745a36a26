// SPDX-License-Identifier: GPL-3.0-or-later
// Dialwake: world clocks on the desktop. Arguments are restart lines or new-clock fragments
// ("/o4/tz(32400|nu0)/n(Tokyo, Japan)"), each made into a clock besides those of the restart file.
#include <QApplication>
#include <QGuiApplication>
#include <sys/stat.h>
#include <cstdio>
#include <cstdlib>

#include "DialwakeHost.h"
#include "HostInstance.h"
#include "kestrum/clock.h"
#include "platform/CommandLine.h"
#include "platform/Locale.h"
#include "platform/Translate.h"
#include "platform/DisplayChoice.h"
#include "platform/Settings.h"
#include "platform/ToolTips.h"
#include "platform/Version.h"

namespace {
const CommandOption kOptions[] = {
    {"--help", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit (also -h)")},
    {"--version", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit")},
};
const std::string_view kUsage[] = {
    QT_TRANSLATE_NOOP("CommandLine", "dialwake [CLOCK...]   (a CLOCK is a restart line such as \"/o4/tz(32400|nu0)/n(Tokyo, Japan)\")")};
}  // namespace

int main(int argc, char** argv)
{
    // Answered before any window exists, so they need no display.
    const QStringList catalogs{"dialwake", "kestrum"};
    InstallTranslations(catalogs);
    CommandArgs parsed;
    std::string error;
    if (!ParseProgramArgs(ArgumentsOf(argc, argv), kOptions, parsed, error)) {
        const std::string line = WithHelpHint(error, "dialwake");
        std::fprintf(stderr, "dialwake: %s\n", line.c_str());
        return 2;
    }
    if (parsed.Has("--help")) {
        std::fputs(CommandUsage(kUsage, kOptions, [](const char* t) { return TranslateToLocal("CommandLine", t); }).c_str(), stdout);
        return 0;
    }
    if (parsed.Has("--version")) {
        std::printf("dialwake %s\n", KQ_VERSION);
        return 0;
    }

    // One host per user, display and restart file: a later start hands its arguments to the first.
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    std::string runtimeDir = runtime && stat(runtime, &st) == 0 && S_ISDIR(st.st_mode) ? runtime : "";
    const std::string base = HostInstanceBase(CClockDlg::RestartFilePath(),
                                              display ? display : "", wayland ? wayland : "", runtimeDir);
    HostInstanceLock lock(base + ".lock");
    if (lock.Usable() && !lock.Held()) {
        if (HandOverArguments(base + ".socket", parsed.Files(), 10000, error)) return 0;
        std::fprintf(stderr, "dialwake: %s\n", error.c_str());
        return 1;
    }

    // Only X11 lets the clocks keep their places and stay on top: on a Wayland session they go
    // through XWayland when it is there, unless the user chose a platform.
    const DisplayEnvironment displays = DisplayEnvironmentNow();
    const DisplayPlan plan = PlanDisplay(displays, true);
    if (plan == DisplayPlan::none) {
        std::fprintf(stderr, "dialwake: %s\n", NoDisplayReason(displays).c_str());
        return 1;
    }
    if (plan == DisplayPlan::x11) setenv("QT_QPA_PLATFORM", "xcb", 1);

    // Every argument was checked above; the toolkit takes none of them.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    InstallTranslations(catalogs);
    PlatformSetApplication(QStringLiteral("Dialwake"));
    InstallToolTipTiming(app);
    // Clocks come and go; the host decides when the program ends.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(CClockDlg::Icon());
    DialwakeHost host;
    QStringList args;
    for (const std::string& f : parsed.Files()) args << QString::fromLocal8Bit(f);
    if (lock.Held() && !host.ListenForLaterStarts(QString::fromLocal8Bit(base + ".socket")))
        std::fprintf(stderr, "dialwake: %s\n",
                     FillIn(TextTranslation::translate("CommandLine", "later starts cannot reach this one (%1)"),
                            {base + ".socket"}).c_str());
    host.Start(args);
    if (QGuiApplication::platformName() == "wayland") host.TellPlacesCannotBeKept();
    return app.exec();
}
