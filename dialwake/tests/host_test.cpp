// SPDX-License-Identifier: GPL-3.0-or-later
// The host brings clocks back from the restart file and makes and destroys them on request.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "DialwakeHost.h"
#include "kestrum/clock.h"
#include "kestrum/settings.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"

namespace {

QTemporaryDir& Temp()
{
    static QTemporaryDir dir;
    return dir;
}

QApplication& App()
{
    static bool env = [] {
        qputenv("XDG_DATA_HOME", (Temp().path() + "/data").toUtf8());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }();
    (void)env;
    static int argc = 1;
    static char name[] = "host_test";
    static char* argv[] = {name, nullptr};
    static QApplication& app = *new QApplication(argc, argv);  // never destroyed: outlives other statics
    static bool once = (PlatformSetSettingsFolder(Temp().path() + "/settings"), true);
    (void)once;
    return app;
}

void WriteRestartFile(const QByteArray& text)
{
    QString path = ToQt(CClockDlg::RestartFilePath());
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

// The application exists before the fixture's windows.
struct AppFirst {
    AppFirst() { App(); }
};

class HostTest : public ::testing::Test, private AppFirst {
protected:
    void SetUp() override
    {
        App();
        QFile::remove(ToQt(CClockDlg::RestartFilePath()));
        AppSettings().RemoveSection("Home");
        SetMessageBoxAnswerer([](const MessageBoxRequest&) { return IDOK; });
        host.SetQuitWhenEmpty(false);
    }
    void TearDown() override { SetMessageBoxAnswerer({}); }

    std::vector<CString> Names() const
    {
        std::vector<CString> n;
        for (CClockDlg* c : host.Clocks()) n.push_back(c->GetName());
        return n;
    }

    DialwakeHost host;
};

}  // namespace

TEST_F(HostTest, ClocksComeBackFromTheRestartFileAndTheCommandLine)
{
    // The last line has no line end, as the clocks used to leave it.
    WriteRestartFile("/usr/bin/dialwake /p(10,10,120,120)/o4/tz(32400|nu0)/n(Tokyo, Japan)\n"
                     "/usr/bin/dialwake /p(200,10,120,120)/tz(0|nu0)/a(4102444800|Later)/n(London)");
    host.Start({"/o5/tz(-18000|nu0)/n(New York)"});
    ASSERT_EQ(Names(), (std::vector<CString> {"Tokyo, Japan", "London", "New York"}));
    EXPECT_EQ(host.Clocks()[0]->GetFace(), 4);
    EXPECT_EQ(host.Clocks()[0]->GetTag(), "10,10,120,120");
    EXPECT_TRUE(host.Clocks()[1]->GetAlarm().set);
    EXPECT_EQ(CClockDlg::ReadRestartFile().size(), 3u);
}

TEST_F(HostTest, NoLineMeansOneClockForHome)
{
    SetProfile("Home", "City", "Lima, Peru");
    SetProfile("Home", "Zone", "-18000|nu0");
    host.Start();
    EXPECT_EQ(Names(), (std::vector<CString> {"Lima, Peru"}));
}

TEST_F(HostTest, MessagesMakeAndDestroyClocks)
{
    host.MakeClock("/o0/tz(0|nu0)/n(London)");
    QCoreApplication::postEvent(&host, new CClockMessage(WM_CLOCK_NEW, "/o2/tz(3600|nu0)/n(Oslo, Norway)", nullptr));
    QCoreApplication::sendPostedEvents(&host);
    ASSERT_EQ(Names(), (std::vector<CString> {"London", "Oslo, Norway"}));
    EXPECT_EQ(host.Clocks()[1]->GetFace(), 2);

    CClockDlg* london = host.Clocks()[0];
    london->Quit();
    QCoreApplication::sendPostedEvents(&host);
    EXPECT_EQ(Names(), (std::vector<CString> {"Oslo, Norway"}));
    // The quit clock's line is gone only when it went through the chooser's Cancel; Quit alone keeps it.
    EXPECT_EQ(CClockDlg::ReadRestartFile().size(), 2u);
}
