// SPDX-License-Identifier: GPL-3.0-or-later
// The host brings clocks back from the restart file and makes and destroys them on request.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QLocalSocket>
#include <QLocale>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "DialwakeHost.h"
#include "HostInstance.h"
#include "SoundsWindow.h"
#include "kestrum/tree.h"
#include <QKeyEvent>
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
    // The chooser shows its cities in the language of QLocale(), which the tests fix.
    static bool once = (QLocale::setDefault(QLocale::c()), PlatformSetSettingsFolder(Temp().path() + "/settings"),
                        CTimeZoneArray::SetFilePath(KQ_SOURCE_DIR "/kestrum/timezone/TimeZones.txt"), true);
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

namespace {

// count characters of the CJK block from U+4E00 on, in UTF-8 (three bytes each).
CString Cjk(int count, int from = 0)
{
    CString s;
    for (int i = 0; i < count; ++i) {
        const unsigned cp = 0x4E00 + (unsigned)(from + i) % 0x5000;
        s += (char)(0xE0 | (cp >> 12));
        s += (char)(0x80 | ((cp >> 6) & 0x3F));
        s += (char)(0x80 | (cp & 0x3F));
    }
    return s;
}

}  // namespace

TEST_F(HostTest, LongAlarmMessagesSurviveMovesAndARestart)
{
    const CString tokyoMessage = Cjk(400), osloMessage = Cjk(400, 1000);
    ASSERT_EQ(tokyoMessage.size(), 1200u);
    CClockDlg* tokyo = host.MakeClock("/o4/tz(32400|nu0)/a(4102444800|" + tokyoMessage + ")/n(Tokyo, Japan)");
    CClockDlg* oslo = host.MakeClock("/o1/tz(3600|nu0)/a(4102444900|" + osloMessage + ")/n(Oslo, Norway)");
    tokyo->move(40, 50);
    oslo->move(300, 60);
    tokyo->move(60, 70);
    std::vector<CString> lines = CClockDlg::ReadRestartFile();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], tokyo->GetRestartLine());
    EXPECT_EQ(lines[1], oslo->GetRestartLine());

    // The next start: a new host reads the file.
    for (CClockDlg* c : std::vector<CClockDlg*>(host.Clocks())) c->close();
    QCoreApplication::sendPostedEvents(&host);
    ASSERT_TRUE(host.Clocks().empty());
    DialwakeHost again;
    again.SetQuitWhenEmpty(false);
    again.Start();
    ASSERT_EQ(again.Clocks().size(), 2u);
    for (CClockDlg* c : again.Clocks()) {
        const bool isTokyo = c->GetName() == "Tokyo, Japan";
        EXPECT_TRUE(isTokyo || c->GetName() == "Oslo, Norway") << c->GetName();
        EXPECT_TRUE(c->GetAlarm().set);
        EXPECT_EQ(c->GetAlarm().message, isTokyo ? tokyoMessage : osloMessage);
        EXPECT_EQ(c->GetFace(), isTokyo ? 4 : 1);
        EXPECT_EQ(c->frameGeometry().topLeft(), isTokyo ? QPoint(60, 70) : QPoint(300, 60));
    }
    EXPECT_EQ(CClockDlg::ReadRestartFile().size(), 2u);
}

TEST_F(HostTest, LinesWithoutACityAreNoClocksAndStayAsTheyAre)
{
    SetProfile("Home", "City", "Lima, Peru");
    SetProfile("Home", "Zone", "-18000|nu0");
    const QByteArray stray = "a stray note\n"
                             "\x01\x02\xfe binary\n"
                             "/usr/bin/dialwake /p(10,10,120,120)/tz(0|nu0)\n";
    WriteRestartFile(stray + "/usr/bin/dialwake /p(200,10,120,120)/tz(0|nu0)/n(London)\n");
    host.Start();
    EXPECT_EQ(Names(), (std::vector<CString> {"London"}));
    std::vector<CString> lines = CClockDlg::ReadRestartFile();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "a stray note");
    EXPECT_EQ(lines[1], "\x01\x02\xfe binary");
    EXPECT_EQ(lines[2], "/usr/bin/dialwake /p(10,10,120,120)/tz(0|nu0)");

    // With nothing but stray lines, the start is a first start: the home city.
    for (CClockDlg* c : std::vector<CClockDlg*>(host.Clocks())) c->close();
    QCoreApplication::sendPostedEvents(&host);
    WriteRestartFile(stray);
    DialwakeHost again;
    again.SetQuitWhenEmpty(false);
    again.Start();
    ASSERT_EQ(again.Clocks().size(), 1u);
    EXPECT_EQ(again.Clocks()[0]->GetName(), "Lima, Peru");
}

TEST_F(HostTest, NewInTheChooserPutsTheClockBesideIt)
{
    CClockDlg* london = host.MakeClock("/o0/tz(0|nu0)/n(London)");
    QRect chooser, made;
    bool madeOne = false;
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [&] {
        auto* d = qobject_cast<CWhatCity*>(QApplication::activeModalWidget());
        if (!d) return;
        timer->stop();
        auto items = d->GetList()->findItems("Tokyo", Qt::MatchStartsWith);
        if (!items.isEmpty()) d->GetList()->setCurrentItem(items.first());
        chooser = d->frameGeometry();
        d->OnClockNew();
        QCoreApplication::sendPostedEvents(&host);
        madeOne = host.Clocks().size() == 2;
        if (madeOne) made = host.Clocks()[1]->frameGeometry();
        d->OnOK();
    });
    timer->start();
    london->Setup();
    delete timer;
    ASSERT_TRUE(madeOne);
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_FALSE(made.intersects(chooser)) << made.x() << "," << made.y() << " chooser " << chooser.x() << ","
                                           << chooser.y() << " " << chooser.width() << "x" << chooser.height();
    EXPECT_TRUE(avail.contains(made));
}

TEST_F(HostTest, ALaterStartMakesItsClocksOrAsksForOne)
{
    host.Receive({"/o1/tz(3600|nu0)/n(Oslo, Norway)"});
    EXPECT_EQ(Names(), (std::vector<CString> {"Oslo, Norway"}));
    // Without clocks: the chooser for a new one, once the hand-over is answered.
    bool asked = false;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<CWhatCity*>(QApplication::activeModalWidget())) {
            asked = true;
            d->reject();
        }
    });
    timer.start();
    host.Receive({});
    EXPECT_FALSE(asked);
    for (int i = 0; i < 100 && !asked; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Names(), (std::vector<CString> {"Oslo, Norway"}));
}

TEST_F(HostTest, AHandOverIsClosedBeforeItsClockAsksForTheCity)
{
    // No home city: the clock handed over asks for one. The later start is answered and let go
    // first; a chooser run inside the socket's handler outlived the socket and then used it.
    const QString path = Temp().path() + "/handover.socket";
    ASSERT_TRUE(host.ListenForLaterStarts(path));
    QLocalSocket client;
    client.connectToServer(path);
    ASSERT_TRUE(client.waitForConnected(2000));
    const std::string message = EncodeHandOver({"/o4"});
    client.write(message.data(), (qint64)message.size());
    client.flush();
    bool asked = false, closedFirst = false;
    int ticks = 0;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* d = qobject_cast<CWhatCity*>(QApplication::activeModalWidget());
        if (!d) return;
        asked = true;
        closedFirst = client.state() == QLocalSocket::UnconnectedState;
        if (closedFirst || ++ticks > 100) d->reject();
    });
    timer.start();
    for (int i = 0; i < 300 && !asked; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(closedFirst);
    EXPECT_EQ(client.readAll().toStdString(), std::string(kHandOverTaken));
    QCoreApplication::sendPostedEvents(&host);
    EXPECT_TRUE(Names().empty());
}

TEST_F(HostTest, SoundChoicesAreRemembered)
{
    auto find = [](CTreeCheck* tree, const char* text) {
        QList<QTreeWidgetItem*> items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return items.isEmpty() ? nullptr : items.first();
    };
    {
        SoundsWindow w;
        QTreeWidgetItem* ring = find(w.Tree(), "Ring");
        ASSERT_TRUE(ring);
        EXPECT_FALSE(w.Tree()->GetCheck(ring));
        w.Tree()->setCurrentItem(ring);
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
        QCoreApplication::sendEvent(w.Tree(), &space);
        QCoreApplication::sendPostedEvents(&w);
    }
    SoundsWindow again;
    EXPECT_TRUE(again.Tree()->GetCheck(find(again.Tree(), "Ring")));
    EXPECT_FALSE(again.Tree()->GetCheck(find(again.Tree(), "Tick every second")));
}
