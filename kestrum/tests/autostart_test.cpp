// SPDX-License-Identifier: GPL-3.0-or-later
// Start at login: the user's autostart entry over the system's, written valid, and the clock's menu
// item that turns it off and on. All folders are the test's own.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "kestrum/autostart.h"
#include "kestrum/clock.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& p)
{
    std::ifstream in(p);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// desktop-file-validate has nothing to say about the entry.
void ExpectValid(const fs::path& entry)
{
    std::string command = "desktop-file-validate '" + entry.string() + "' > '" + entry.string() + ".out' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << "desktop-file-validate (desktop-file-utils) failed or is missing";
    EXPECT_EQ(Read(entry.string() + ".out"), "") << Read(entry);
    fs::remove(entry.string() + ".out");
}

const char kSystemEntry[] = "[Desktop Entry]\nType=Application\nName=Dialwake\nExec=dialwake\n";

struct Folders {
    QTemporaryDir temp;
    fs::path root = temp.path().toStdString();
    // As XDG_CONFIG_HOME=root and XDG_CONFIG_DIRS=root/sys1:root/sys2 give them.
    AutostartPlaces places{(root / "autostart").string(),
                           {(root / "sys1/autostart").string(), (root / "sys2/autostart").string()}};
    fs::path user = root / "autostart" / kClockHostAutostart;
    void System(int which, const std::string& text)
    {
        fs::create_directories(places.system[which]);
        std::ofstream(fs::path(places.system[which]) / kClockHostAutostart) << text;
    }
};

}  // namespace

TEST(Autostart, TheUsersEntryOverridesTheSystemsAndIsWrittenValid)
{
    Folders f;
    std::string error;
    EXPECT_FALSE(StartsAtLogin(f.places, kClockHostAutostart));
    f.System(1, kSystemEntry);
    EXPECT_TRUE(StartsAtLogin(f.places, kClockHostAutostart));

    ASSERT_TRUE(SetStartAtLogin(f.places, kClockHostAutostart, false, "/usr/bin/dialwake", error)) << error;
    EXPECT_NE(Read(f.user).find("\nHidden=true\n"), std::string::npos);
    ExpectValid(f.user);
    EXPECT_FALSE(StartsAtLogin(f.places, kClockHostAutostart));
    // On again: the package's entry takes over.
    ASSERT_TRUE(SetStartAtLogin(f.places, kClockHostAutostart, true, "/usr/bin/dialwake", error)) << error;
    EXPECT_FALSE(fs::exists(f.user));
    EXPECT_TRUE(StartsAtLogin(f.places, kClockHostAutostart));

    // A stronger system folder that hides it; then no package entry at all: the user's own starts the program.
    f.System(0, std::string(kSystemEntry) + "Hidden=true\n");
    EXPECT_FALSE(StartsAtLogin(f.places, kClockHostAutostart));
    ASSERT_TRUE(SetStartAtLogin(f.places, kClockHostAutostart, true, "/opt/my clocks/dial$wake", error)) << error;
    EXPECT_NE(Read(f.user).find("\nExec=\"/opt/my clocks/dial\\\\$wake\"\n"), std::string::npos) << Read(f.user);
    ExpectValid(f.user);
    // Described in every shipped language, as the package's own entry is.
    auto comments = [](const std::string& text) {
        std::string lines;
        for (size_t at = text.find("\nComment"); at != std::string::npos; at = text.find("\nComment", at + 1))
            lines += text.substr(at + 1, text.find('\n', at + 1) - at);
        return lines;
    };
    EXPECT_EQ(comments(Read(f.user)), comments(Read(KQ_PACKAGE_AUTOSTART_ENTRY)));
    EXPECT_NE(comments(Read(f.user)).find("\nComment[de]="), std::string::npos);
    EXPECT_TRUE(StartsAtLogin(f.places, kClockHostAutostart));

    // A user folder that cannot be made is reported, not passed over.
    Folders blocked;
    std::ofstream(blocked.root / "autostart") << "a file, not a folder";
    EXPECT_FALSE(SetStartAtLogin(blocked.places, kClockHostAutostart, false, "/usr/bin/dialwake", error));
    EXPECT_NE(error.find("autostart"), std::string::npos) << error;
}

TEST(Autostart, TheClocksMenuTurnsItOffAndOn)
{
    Folders f;
    f.System(1, kSystemEntry);
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(f.root.string()));
    qputenv("XDG_CONFIG_DIRS", QByteArray::fromStdString((f.root / "sys1").string() + ":" + (f.root / "sys2").string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((f.root / "data").string()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "autostart_test";
    static char* argv[] = {name, nullptr};
    static QApplication& app = *new QApplication(argc, argv);
    (void)app;
    PlatformSetSettingsFolder(QString::fromStdString((f.root / "settings").string()));
    SetMessageBoxAnswerer([](const MessageBoxRequest& r) {
        ADD_FAILURE() << r.text;
        return IDOK;
    });
    EXPECT_EQ(AutostartPlacesOfUser().user, f.places.user);
    EXPECT_EQ(AutostartPlacesOfUser().system, f.places.system);

    QWidget host;
    auto* clock = new CClockDlg(&host);
    // The keyboard's menu key, as a user without a mouse opens it.
    auto loginItem = [&] {
        for (QMenu* old : clock->findChildren<QMenu*>()) delete old;
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(10, 10), clock->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(clock, &key);
        QMenu* menu = clock->findChild<QMenu*>();
        EXPECT_NE(menu, nullptr);
        for (QAction* a : menu ? menu->actions() : QList<QAction*>())
            if (a->text() == "Start at login") return a;
        ADD_FAILURE() << "no Start at login";
        return static_cast<QAction*>(nullptr);
    };
    QAction* item = loginItem();
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_NE(Read(f.user).find("Hidden=true"), std::string::npos);
    item = loginItem();
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(fs::exists(f.user));
    EXPECT_TRUE(loginItem()->isChecked());
    delete clock;
    SetMessageBoxAnswerer({});
}
