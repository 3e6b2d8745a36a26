// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop back end against a real notification service (dunst on a private bus and X
// server), and its answer when there is none.
#include <kestrum/notify.h>

#include <gtest/gtest.h>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include "../../platform/tests/RunProgram.h"

namespace {

Notification Sample(const std::string& summary)
{
    Notification n;
    n.summary = summary;
    n.body = "in 7 days, Friday 5 March";
    n.appName = "Kinfold";
    n.icon = "kinfold";
    n.desktopEntry = "kinfold";
    return n;
}

std::string SelfPath()
{
    return std::filesystem::read_symlink("/proc/self/exe").string();
}

} // namespace

// Runs inside the private session that DesktopNotifier.DunstShowsWhatItTook starts.
TEST(NotifyChild, DISABLED_SendsTwo)
{
    int argc = 1;
    char name[] = "notify_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    std::unique_ptr<Notifier> notifier = MakeDesktopNotifier();
    std::string why;
    EXPECT_TRUE(notifier->Notify(Sample("Bob Jones (27)"), why)) << why;
    Notification marked = Sample("Ünal Öz (3)");
    marked.body = "Joe & Mary <3";
    EXPECT_TRUE(notifier->Notify(marked, why)) << why;
}

TEST(DesktopNotifier, DunstShowsWhatItTook)
{
    const std::string folder = std::filesystem::temp_directory_path() / ("notify_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string history = folder + "/history.json";
    runprogram::Result r = runprogram::Run(KQ_SOURCE_DIR "/tools/notification-session.sh",
                                           {history, SelfPath(), "--gtest_filter=NotifyChild.*",
                                            "--gtest_also_run_disabled_tests"}, folder);
    ASSERT_NE(r.status, 97) << "the notification service (Xvfb, dbus-run-session, dunst) could not be started: " << r.err;
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    QFile file(QString::fromStdString(history));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray shown = QJsonDocument::fromJson(file.readAll()).object()["data"].toArray()[0].toArray();
    ASSERT_EQ(shown.size(), 2);
    // Newest first.
    EXPECT_EQ(shown[0].toObject()["summary"].toObject()["data"].toString(), QString::fromUtf8("Ünal Öz (3)"));
    // dunst reads markup: the text arrives as written, not as tags.
    EXPECT_EQ(shown[0].toObject()["body"].toObject()["data"].toString(), "Joe & Mary <3");
    const QJsonObject first = shown[1].toObject();
    EXPECT_EQ(first["summary"].toObject()["data"].toString(), "Bob Jones (27)");
    EXPECT_EQ(first["body"].toObject()["data"].toString(), "in 7 days, Friday 5 March");
    EXPECT_EQ(first["appname"].toObject()["data"].toString(), "Kinfold");
    std::filesystem::remove_all(folder);
}

TEST(DesktopNotifier, WithoutABusItSaysWhy)
{
    // This process never reached a bus before, so the address below is the one it tries.
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kestrum-test-bus", 1);
    std::string why;
    EXPECT_FALSE(MakeDesktopNotifier()->Notify(Sample("Nobody"), why));
    EXPECT_NE(why.find("bus"), std::string::npos) << why;
}
