// SPDX-License-Identifier: GPL-3.0-or-later
// The clock window, its city chooser and the alarm dialog, on the offscreen platform. The restart
// file lives in a temporary XDG_DATA_HOME and the settings in a temporary folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <functional>

#include "kestrum/clock.h"
#include "kestrum/format.h"
#include "kestrum/notify.h"
#include "kestrum/settings.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "../../platform/tests/SyncRecorder.h"

namespace {

const char kZones[] =
    "[Daylight]\n"
    "US=3600(2.Sun.Mar.2:00)-(First.Sun.Nov.2:00)\n"
    "[Zones]\n"
    "(GMT+09:00) Tokyo, Japan\n"
    "(GMT+09:00) tokyo bay\n"
    "(GMT-05:00) New York DST=US\n"
    "(GMT) London\n"
    "(GMT-07:00) Denver, Colorado DST=US\n";

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
    static char name[] = "clock_test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: widgets and timers held by other statics must not outlive it at exit.
    static QApplication& app = *new QApplication(argc, argv);
    static bool once = [] {
        // The chooser's names follow QLocale(); the tests that want a language set it.
        QLocale::setDefault(QLocale::c());
        PlatformSetSettingsFolder(Temp().path() + "/settings");
        QString zones = Temp().path() + "/TimeZones.txt";
        QFile f(zones);
        f.open(QIODevice::WriteOnly);
        f.write(kZones);
        f.close();
        CTimeZoneArray::SetFilePath(FromQt(zones));
        return true;
    }();
    (void)once;
    return app;
}

// Stands in for the host's main window and keeps what the clocks post to it.
class Host : public QWidget {
public:
    std::vector<CString> fragments;
    std::vector<CClockDlg*> quits;

    void Take() { QCoreApplication::sendPostedEvents(this); }

protected:
    void customEvent(QEvent* e) override
    {
        if (e->type() == static_cast<QEvent::Type>(WM_CLOCK_NEW))
            fragments.push_back(static_cast<CClockMessage*>(e)->Text());
        else if (e->type() == static_cast<QEvent::Type>(WM_CLOCK_QUIT))
            quits.push_back(static_cast<CClockMessage*>(e)->Clock());
    }
};

// Acts on the next modal dialog of type D as soon as it is up.
template <typename D>
QTimer* WhenModal(std::function<void(D*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            timer->stop();
            act(d);
        }
    });
    timer->start();
    return timer;
}

void SelectCity(CWhatCity* dlg, const QString& city)
{
    auto items = dlg->GetList()->findItems(city, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    dlg->GetList()->setCurrentItem(items.first());
}

void Mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons bs)
{
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), b, bs, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

CTime Utc(int y, int mo, int d, int h, int mi, int s) { return CTime::FromUtc(y, mo, d, h, mi, s); }

// The application exists before the fixture's windows.
struct AppFirst {
    AppFirst() { App(); }
};

class ClockTest : public ::testing::Test, private AppFirst {
protected:
    void SetUp() override
    {
        App();
        QFile::remove(ToQt(CClockDlg::RestartFilePath()));
        AppSettings().RemoveSection("Home");
        notes = std::make_shared<RecordingNotifier>();
        CClockDlg::SetNotifier(notes);
        boxes.clear();
        captions.clear();
        SetMessageBoxAnswerer([this](const MessageBoxRequest& r) {
            boxes.push_back(r.text);
            captions.push_back(r.caption);
            return IDOK;
        });
    }
    void TearDown() override
    {
        for (CClockDlg* c : clocks) delete c;
        SetMessageBoxAnswerer({});
    }

    CClockDlg* Make(const CString& command)
    {
        auto* c = new CClockDlg(&host);
        clocks.push_back(c);
        c->SetZone(command);
        return c;
    }

    std::vector<CString> Lines() { return CClockDlg::ReadRestartFile(); }

    Host host;
    std::shared_ptr<RecordingNotifier> notes;
    std::vector<CClockDlg*> clocks;
    std::vector<CString> boxes;
    std::vector<CString> captions;
};

}  // namespace

TEST_F(ClockTest, RestartLineBringsTheSameClockBack)
{
    CClockDlg* c = Make("/usr/bin/dialwake /p(30,40,150,140)/o4/tz(32400|nu0)/a(4102444800|New century)/n(Tokyo, Japan)");
    EXPECT_EQ(c->GetName(), "Tokyo, Japan");
    EXPECT_EQ(c->GetFace(), 4);
    EXPECT_EQ(c->GetZone().offset, 32400);
    EXPECT_TRUE(c->GetAlarm().set);
    EXPECT_EQ(c->GetAlarm().moment.GetTime(), 4102444800LL);
    EXPECT_EQ(c->GetTag(), "30,40,150,140");
    EXPECT_TRUE(boxes.empty());

    std::vector<CString> lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], c->GetRestartLine());
    EXPECT_NE(lines[0].find("/p(30,40,150,140)/o4/tz(32400|nu0)/a(4102444800|New century)/n(Tokyo, Japan)"),
              CString::npos);

    // The stored line, given to another clock, makes the same clock.
    CClockDlg* again = Make(lines[0]);
    EXPECT_EQ(again->GetRestartLine(), lines[0]);
}

TEST_F(ClockTest, FaceZeroLineHasNoFaceElement)
{
    CClockDlg* c = Make("/o0/tz(0|nu0)/n(London)");
    EXPECT_EQ(c->GetFace(), 0);
    std::vector<CString> lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].find("/o"), CString::npos);
    EXPECT_EQ(Make(lines[0])->GetFace(), 0);
}

TEST_F(ClockTest, FragmentSetsTheFaceChosenInNew)
{
    CClockDlg* c = Make("/o5/tz(-18000|US3600|131337|131726)/n(New York)");
    EXPECT_EQ(c->GetFace(), 5);
    EXPECT_EQ(c->GetZone().offset, -18000);
    EXPECT_FALSE(c->GetAlarm().set);
}

TEST_F(ClockTest, PathsHoldingElementLettersAreNotRead)
{
    CClockDlg* c = Make("/opt/olga/dialwake /p(30,40,150,140)/tz(0|nu0)/n(London)");
    EXPECT_EQ(c->GetFace(), 0);
    EXPECT_EQ(c->GetName(), "London");
}

TEST_F(ClockTest, AMissingZoneComesFromTheTableOrOneMessage)
{
    // A city the table knows needs no zone, and no message.
    CClockDlg* tokyo = Make("/o1/n(tokyo, japan)");
    EXPECT_EQ(tokyo->GetZone().offset, 32400);
    EXPECT_NE(Lines()[0].find("/tz(32400|"), CString::npos);
    // Unknown cities: one message names them all; their lines stay as they were, without a zone.
    const CString lima = "prog /p(10,10,120,120)/o1/n(Lima, Peru)";
    Make(lima);
    CClockDlg* atlantis = Make("/n(Atlantis)");
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "No timezone found for:\nLima, Peru\nAtlantis");
    EXPECT_FALSE(atlantis->IsZoneKnown());
    std::vector<CString> lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const CString& l) { return l.find("/tz()") != CString::npos; }), 0);
    atlantis->Tick(Utc(2026, 7, 1, 12, 0, 0));
    EXPECT_EQ(atlantis->LocalFields().hour, 12);
}

TEST_F(ClockTest, HomeSettingsServeAnEmptyCommand)
{
    SetProfile("Home", "City", "Denver, Colorado");
    SetProfile("Home", "Zone", "-25200|US3600|131337|131726");
    CClockDlg* c = Make("");
    EXPECT_EQ(c->GetName(), "Denver, Colorado");
    EXPECT_EQ(c->GetZone().offset, -25200);
    ASSERT_EQ(Lines().size(), 1u);
}

TEST_F(ClockTest, FirstClockAsksForTheHomeCity)
{
    QString title;
    std::unique_ptr<QTimer> t(WhenModal<CWhatCity>([&](CWhatCity* d) {
        title = d->windowTitle();
        SelectCity(d, "London");
        d->GetFaces()->setCurrentIndex(3);
        d->OnOK();
    }));
    CClockDlg* c = Make("");
    EXPECT_EQ(title, "Choose a city in your timezone.");
    EXPECT_EQ(c->GetName(), "London");
    EXPECT_EQ(c->GetFace(), 3);
    CString city, zone;
    EXPECT_EQ(GetProfile("Home", "City", city), "London");
    EXPECT_EQ(GetProfile("Home", "Zone", zone), "0|nu0");
    host.Take();
    EXPECT_TRUE(host.quits.empty());
}

TEST_F(ClockTest, CancelledFirstChooserQuitsTheClock)
{
    std::unique_ptr<QTimer> t(WhenModal<CWhatCity>([](CWhatCity* d) { d->reject(); }));
    CClockDlg* c = Make("");
    host.Take();
    ASSERT_EQ(host.quits.size(), 1u);
    EXPECT_EQ(host.quits[0], c);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(ClockTest, TwoClocksOfOneCityEachKeepTheirLine)
{
    CClockDlg* a = Make("/o1/tz(32400|nu0)/n(Tokyo, Japan)");
    CClockDlg* b = Make("/o4/tz(32400|nu0)/a(4102444800|Tea)/n(Tokyo, Japan)");
    Make("/o0/tz(0|nu0)/n(London)");
    EXPECT_NE(a->pos(), b->pos());
    a->move(a->pos() + QPoint(3, 4));
    b->SetFace(5);
    b->UpdateRestart();
    std::vector<CString> lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], a->GetRestartLine());
    EXPECT_EQ(lines[1], b->GetRestartLine());
    // After a restart each comes back as it was, face, place and alarm; a line given once more
    // makes a clock with a line of its own.
    for (CClockDlg* old : clocks) delete old;
    clocks.clear();
    for (const CString& line : {lines[0], lines[1], lines[1]}) Make(line);
    EXPECT_EQ(clocks[0]->GetRestartLine(), lines[0]);
    EXPECT_EQ(clocks[1]->GetRestartLine(), lines[1]);
    EXPECT_EQ(Lines().size(), 4u);
    clocks[1]->move(clocks[1]->pos() + QPoint(1, 1));
    clocks[2]->move(clocks[2]->pos() + QPoint(2, 2));
    lines = Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), clocks[1]->GetRestartLine()), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), clocks[2]->GetRestartLine()), 1);
}

TEST_F(ClockTest, EveryChangeRewritesTheLineInOneSwap)
{
    // Lines that are no clocks keep their bytes: a note, blank lines, carriage returns.
    const QString path = ToQt(CClockDlg::RestartFilePath());
    QDir().mkpath(QFileInfo(path).path());
    const std::string london = "prog /p(100,100,120,120)/tz(0|nu0)/a(2000000000|Tea)/n(London)";
    const std::string head = "# my clocks\r\n\n \r\n";
    const std::string tail = "prog /p(300,300,120,120)/tz(32400|nu0)/n(Tokyo, Japan)\r\n\nstray\r";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write((head + london + "\n" + tail).c_str());
    }
    auto watchEachSync = [&](const char* what, const std::function<void()>& act) {
        syncrec::Watch(path.toStdString());
        act();
        for (const syncrec::Sync& s : syncrec::Log()) {
            if (s.folder) continue;
            EXPECT_NE(s.watched.find("/n(London)"), std::string::npos) << what;
            EXPECT_EQ(s.watched.rfind(head, 0), 0u) << what;
            EXPECT_EQ(s.watched.substr(s.watched.size() - tail.size()), tail) << what;
        }
    };
    CClockDlg* c = nullptr;
    watchEachSync("start", [&] { c = Make(CString(london)); });
    watchEachSync("chooser", [&] {
        std::unique_ptr<QTimer> t(WhenModal<CWhatCity>([](CWhatCity* d) {
            d->GetFaces()->setCurrentIndex(2);
            d->OnOK();
        }));
        c->Setup();
    });
    watchEachSync("alarm", [&] {
        c->Tick(CTime::FromSeconds(2000000000));
        ASSERT_TRUE(c->GetRinging());
        c->GetRinging()->GetOK()->click();
    });
    watchEachSync("drag", [&] {
        auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons bs) { Mouse(c, type, p, b, bs); };
        send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, {30, 25}, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, {30, 25}, Qt::LeftButton, Qt::NoButton);
    });
    const std::string now = syncrec::Slurp(path.toStdString());
    EXPECT_EQ(now, head + c->GetRestartLine() + "\n" + tail);
    EXPECT_NE(now.find("/o2/"), std::string::npos);
    EXPECT_EQ(now.find("/a("), std::string::npos);

    // A read that fails part way writes nothing: here the file is a name for memory that
    // cannot be read.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link("/proc/self/mem", path));
    c->SetFace(4);
    c->UpdateRestart();
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_NE(std::find(captions.begin(), captions.end(), CString("Failed to read Restart commands")), captions.end());
    QFile::remove(path);
}

TEST_F(ClockTest, AlarmRingsOnceSnoozesAndLeavesTheLineWhenDismissed)
{
    const int64_t at = 2000000000;
    CClockDlg* c = Make(StrFormat("/o0/tz(32400|nu0)/a(%lld|Tea time)/n(Tokyo, Japan)", (long long)at));
    c->Tick(CTime::FromSeconds(at - 5));
    EXPECT_FALSE(c->GetRinging());
    EXPECT_EQ(c->GetTitleText(), "Tokyo 5s");

    c->Tick(CTime::FromSeconds(at));
    CAlarmRing* ring = c->GetRinging();
    ASSERT_TRUE(ring);
    EXPECT_EQ(ring->GetMessageText(), "Tea time");
    EXPECT_EQ(ring->GetSnooze()->text(), "Snooze");
    ASSERT_EQ(notes->shown.size(), 1u);
    EXPECT_EQ(notes->shown[0].summary, "Tea time");
    EXPECT_EQ(notes->shown[0].body, "Tokyo, Japan, 12:33");
    // Until the user answers, the alarm stays in the line (a kill now brings it back) and it
    // rings once.
    c->Tick(CTime::FromSeconds(at + 1));
    EXPECT_EQ(c->GetRinging(), ring);
    EXPECT_EQ(c->GetTitleText(), "Tokyo 0s");
    EXPECT_NE(Lines()[0].find(StrFormat("/a(%lld|Tea time)", (long long)at)), CString::npos);

    ring->GetSnooze()->click();
    EXPECT_FALSE(c->GetRinging());
    EXPECT_EQ(c->GetAlarm().moment.GetTime(), at + 1 + 600);
    EXPECT_NE(Lines()[0].find(StrFormat("/a(%lld|Tea time)", (long long)(at + 601))), CString::npos);
    c->Tick(CTime::FromSeconds(at + 600));
    EXPECT_FALSE(c->GetRinging());
    c->Tick(CTime::FromSeconds(at + 601));
    ASSERT_TRUE(c->GetRinging());
    c->GetRinging()->close();   // the close button: as OK
    EXPECT_FALSE(c->GetAlarm().set);
    EXPECT_EQ(c->GetTitleText(), "Tokyo");
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Lines()[0].find("/a("), CString::npos);
    c->Tick(CTime::FromSeconds(at + 700));
    EXPECT_FALSE(c->GetRinging());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ClockTest, AlarmInTheNextCenturyNeitherFiresNorWraps)
{
    CClockDlg* c = Make("/o0/tz(0|nu0)/a(4102444800|Next century)/n(London)");
    c->Tick(Utc(2026, 12, 8, 0, 0, 0));
    QCoreApplication::sendPostedEvents(c);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(c->GetAlarm().set);
    EXPECT_EQ(c->GetSecondsToAlarm(), 4102444800LL - 1796688000LL);
    EXPECT_EQ(c->GetTitleText(), "London 26687d");
}

TEST_F(ClockTest, TitlesWithAndWithoutTheTime)
{
    CClockDlg* c = Make("/o0/tz(-25200|nu0)/n(Denver, Colorado)");
    CAlarm a;
    a.moment = Utc(2026, 1, 10, 14, 5, 30);
    a.message = "Meeting";
    a.set = 1;
    c->Tick(Utc(2026, 1, 10, 12, 0, 0));
    c->SetAlarm(a);
    EXPECT_EQ(c->GetTitleText(), "Denver 2h 5m");
    EXPECT_EQ(c->GetRunningTitle(), "Denver 05:00:00  2h 5m");
    CClockDlg* london = Make("/o0/tz(0|nu0)/n(London)");
    london->Tick(Utc(2026, 1, 10, 14, 3, 5));
    EXPECT_EQ(london->GetRunningTitle(), "London 14:03:05 ");
}

TEST_F(ClockTest, EachClockKeepsItsOwnCityTime)
{
    CClockDlg* tokyo = Make("/o0/tz(32400|nu0)/n(Tokyo, Japan)");
    CClockDlg* york = Make("/o0/tz(-18000|US3600|131337|131726)/n(New York)");
    const char* old = std::getenv("TZ");
    CString saved = old ? old : "";
    // The process runs on Chatham time, given as a rule so that no tz database is read.
    setenv("TZ", "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45", 1);
    tzset();
    for (CClockDlg* c : {tokyo, york}) c->Tick(Utc(2026, 7, 1, 12, 0, 0));
    EXPECT_EQ(tokyo->LocalFields().hour, 21);
    EXPECT_EQ(york->LocalFields().hour, 8);  // daylight saving in July
    for (CClockDlg* c : {tokyo, york}) c->Tick(Utc(2026, 1, 1, 12, 0, 0));
    EXPECT_EQ(york->LocalFields().hour, 7);
    EXPECT_EQ(tokyo->LocalFields().hour, 21);
    EXPECT_EQ(tokyo->LocalFields().dayOfWeek, 5);  // Thursday
    if (old) setenv("TZ", saved.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}

TEST_F(ClockTest, UnreadableOrUnseenPlaceCentresTheClock)
{
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    CClockDlg* c = Make("prog /p(10,20,30)/tz(0|nu0)/n(London)");
    EXPECT_LE((c->frameGeometry().center() - centre).manhattanLength(), 2);
    c->SetTag("-9000,-9000,100,100");
    EXPECT_LE((c->frameGeometry().center() - centre).manhattanLength(), 2);
    c->SetTag("12,34,150,160");
    EXPECT_EQ(c->GetTag(), "12,34,150,160");
}

TEST_F(ClockTest, FacesPaint)
{
    CClockDlg* c = Make("/o1/tz(0|nu0)/n(London)");
    c->resize(120, 120);
    c->Tick(Utc(2026, 1, 10, 15, 30, 0));
    auto render = [&] {
        QImage img(c->size(), QImage::Format_ARGB32);
        img.fill(Qt::magenta);
        QPainter p(&img);
        c->DrawClock(p);
        return img;
    };
    const QRgb window = c->palette().color(QPalette::Window).rgb();
    // "Modern" has no dial: the window colour lies under the hands, never what was there before.
    QImage img = render();
    EXPECT_EQ(img.pixel(2, 2), window);
    EXPECT_EQ(img.pixel(117, 117), window);
    EXPECT_EQ(c->windowTitle(), "London");

    c->SetFace(0);
    img = render();
    QColor rim = img.pixelColor(101, 19);  // half way between two ticks
    EXPECT_GT(rim.green(), 200);
    EXPECT_LT(rim.red(), 100);
    EXPECT_EQ(img.pixel(35, 85), qRgb(255, 255, 255));  // the dial, clear of texts and hands
    c->SetFace(2);
    img = render();
    EXPECT_NE(img.pixel(5, 5), window);
    for (int face : {4, 5}) {
        c->SetFace(face);
        img = render();
        int dark = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (qGray(img.pixel(x, y)) < 80) ++dark;
        EXPECT_GT(dark, 20) << face;
    }
    // A tiny digital clock still paints.
    c->resize(20, 8);
    render();
}

TEST_F(ClockTest, PlainClickMinimisesAndDragMoves)
{
    CClockDlg* c = Make("prog /p(100,100,120,120)/tz(0|nu0)/n(London)");
    const QPoint start = c->pos();
    auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons bs) { Mouse(c, type, p, b, bs); };
    send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {30, 25}, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(c->pos(), start + QPoint(20, 15));
    EXPECT_FALSE(c->windowState() & Qt::WindowMinimized);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_NE(Lines()[0].find(StrFormat("/p(%d,%d,", start.x() + 20, start.y() + 15)), CString::npos);

    send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(c->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(c->GetPaintCount(), 0);
}

TEST_F(ClockTest, SetupKeepsOrRemovesTheClock)
{
    CClockDlg* c = Make("/o0/tz(0|nu0)/n(London)");
    Make("/o0/tz(32400|nu0)/n(Tokyo, Japan)");
    std::unique_ptr<QTimer> t(WhenModal<CWhatCity>([](CWhatCity* d) {
        SelectCity(d, "New York");
        d->GetFaces()->setCurrentIndex(5);
        d->OnOK();
    }));
    c->Setup();
    EXPECT_EQ(c->GetName(), "New York");
    EXPECT_EQ(c->GetFace(), 5);
    EXPECT_EQ(c->GetZone().offset, -18000);
    std::vector<CString> lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("/o5/tz(-18000|US3600|"), CString::npos);

    // Escape, the close button and "No" to the question leave the clock as it was.
    t.reset(WhenModal<CWhatCity>([](CWhatCity* d) { d->reject(); }));
    c->Setup();
    t.reset(WhenModal<CWhatCity>([](CWhatCity* d) { d->close(); }));
    c->Setup();
    SetMessageBoxAnswerer([this](const MessageBoxRequest& r) {
        boxes.push_back(r.text);
        return boxes.size() == 1 ? IDNO : IDYES;
    });
    boxes.clear();
    t.reset(WhenModal<CWhatCity>([](CWhatCity* d) {
        d->OnCancel();
        EXPECT_TRUE(d->isVisible());
        d->OnCancel();
    }));
    c->Setup();
    EXPECT_EQ(boxes, std::vector<CString>({"Delete this clock?", "Delete this clock?"}));
    host.Take();
    ASSERT_EQ(host.quits.size(), 1u);
    EXPECT_EQ(host.quits[0], c);
    lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("/n(Tokyo, Japan)"), CString::npos);
}

TEST_F(ClockTest, ChooserSelectsByPrefixIgnoringCase)
{
    CWhatCity dlg(&host);
    dlg.m_strCity = "Tokyo";
    dlg.m_nFace = 4;
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.GetList()->count(), 5);
    EXPECT_EQ(dlg.GetList()->item(0)->text(), "Denver, Colorado");
    EXPECT_EQ(dlg.SelectedCity(), "tokyo bay");
    EXPECT_EQ(dlg.GetFaces()->currentIndex(), 4);
    EXPECT_EQ(dlg.GetFaces()->itemText(0), "Clasic");
    EXPECT_EQ(dlg.windowTitle(), "What city?");
}

TEST_F(ClockTest, ChooserNewPostsAFragmentAndReturnsToTheClock)
{
    CWhatCity dlg(&host);
    dlg.m_strCity = "London";
    dlg.m_nFace = 2;
    dlg.OnInitDialog();
    SelectCity(&dlg, "New York");
    dlg.GetFaces()->setCurrentIndex(0);
    dlg.OnClockNew();
    host.Take();
    ASSERT_EQ(host.fragments.size(), 1u);
    EXPECT_EQ(host.fragments[0], "/o0/tz(" + dlg.m_Table.GetZone("New York").GetTag() + ")/n(New York)");
    EXPECT_EQ(dlg.SelectedCity(), "London");
    EXPECT_EQ(dlg.GetFaces()->currentIndex(), 2);

    dlg.m_Alarm.set = 1;
    dlg.m_Alarm.moment = CTime::FromSeconds(946684800);
    dlg.m_Alarm.message = "Test";
    dlg.OnClockNew();
    host.Take();
    ASSERT_EQ(host.fragments.size(), 2u);
    EXPECT_EQ(host.fragments[1], "/o2/tz(0|nu0)/a(946684800|Test)/n(London)");

    // Found by a search that hides the clock's own city: that city is shown and selected again,
    // so that OK still sets the clock.
    dlg.GetSearch()->setText("york");
    dlg.OnClockNew();
    host.Take();
    ASSERT_EQ(host.fragments.size(), 3u);
    EXPECT_EQ(host.fragments[2], "/o2/tz(" + dlg.m_Table.GetZone("New York").GetTag() + ")/a(946684800|Test)/n(New York)");
    EXPECT_EQ(dlg.SelectedCity(), "London");
    EXPECT_TRUE(dlg.GetSearch()->text().isEmpty());
    dlg.OnOK();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strCity, "London");
}

TEST_F(ClockTest, ChooserWithoutSelectionDoesNothing)
{
    CWhatCity dlg(&host);
    dlg.m_strCity = "Atlantis";
    dlg.OnInitDialog();
    EXPECT_EQ(dlg.SelectedCity(), "");
    int alarms = 0;
    std::unique_ptr<QTimer> t(WhenModal<CSetAllarm>([&](CSetAllarm* d) {
        ++alarms;
        d->reject();
    }));
    dlg.OnOK();
    dlg.OnClockNew();
    dlg.OnForalarm();
    QCoreApplication::processEvents();
    host.Take();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strCity, "Atlantis");
    EXPECT_TRUE(host.fragments.empty());
    EXPECT_EQ(alarms, 0);
}

TEST_F(ClockTest, ChooserAlarmCancelKeepsAndRemoveDisarms)
{
    CWhatCity dlg(&host);
    dlg.m_strCity = "Tokyo, Japan";
    dlg.m_Alarm.set = 1;
    dlg.m_Alarm.message = "Old";
    dlg.OnInitDialog();
    CTimeZone seen;
    std::unique_ptr<QTimer> t(WhenModal<CSetAllarm>([&](CSetAllarm* d) {
        seen = d->m_Zone;
        d->reject();
    }));
    dlg.OnForalarm();
    EXPECT_EQ(seen.offset, 32400);
    EXPECT_TRUE(dlg.m_Alarm.set);
    EXPECT_EQ(dlg.m_Alarm.message, "Old");
    t.reset(WhenModal<CSetAllarm>([](CSetAllarm* d) { d->GetRemoveButton()->click(); }));
    dlg.OnForalarm();
    EXPECT_FALSE(dlg.m_Alarm.set);
    dlg.OnOK();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strCity, "Tokyo, Japan");
}

TEST_F(ClockTest, AlarmDialogReadsTheMomentInTheZonesTime)
{
    CAlarm a;
    a.zone.SetTag("32400|nu0");
    a.moment = Utc(2030, 1, 1, 18, 4, 5);
    a.message = "Old";
    QDate shownDate;
    QTime shownTime;
    std::unique_ptr<QTimer> t(WhenModal<CSetAllarm>([&](CSetAllarm* d) {
        shownDate = d->GetDatePicker()->date();
        shownTime = d->GetTimePicker()->time();
        EXPECT_EQ(d->GetMessageField()->text(), "Old");
        d->GetTimePicker()->setTime(QTime(4, 0, 0));
        d->GetMessageField()->setText("Call (home)");
        d->OnOK();
    }));
    EXPECT_EQ(a.Dialog(), 1);
    EXPECT_EQ(shownDate, QDate(2030, 1, 2));
    EXPECT_EQ(shownTime, QTime(3, 4, 5));
    EXPECT_EQ(a.set, 1);
    EXPECT_EQ(a.message, "Call [home]");
    EXPECT_EQ(a.moment, Utc(2030, 1, 1, 19, 0, 0));

    // With daylight saving: 9:00 on 4 July in New York is 13:00 UTC.
    a.zone.SetTag("-18000|US3600|131337|131726");
    t.reset(WhenModal<CSetAllarm>([&](CSetAllarm* d) {
        d->GetDatePicker()->setDate(QDate(2099, 7, 4));
        d->GetTimePicker()->setTime(QTime(9, 0, 0));
        d->OnOK();
    }));
    a.Dialog();
    EXPECT_EQ(a.moment, Utc(2099, 7, 4, 13, 0, 0));

    // A moment already past is refused with a message; the dialog stays, and its Cancel keeps
    // the alarm as it was.
    bool stayed = false;
    t.reset(WhenModal<CSetAllarm>([&](CSetAllarm* d) {
        d->GetDatePicker()->setDate(QDate(2001, 1, 1));
        d->OnOK();
        stayed = d->isVisible();
        d->reject();
    }));
    EXPECT_EQ(a.Dialog(), 1);
    EXPECT_TRUE(stayed);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("already passed"), CString::npos);
    EXPECT_EQ(a.moment, Utc(2099, 7, 4, 13, 0, 0));
}

TEST_F(ClockTest, AlarmDialogRemarks)
{
    CSetAllarm dlg;
    dlg.m_Zone.SetTag("32400|nu0");
    const CTime now = Utc(2026, 3, 1, 12, 0, 0);
    dlg.m_Date = dlg.m_Time = now - CTimeSpan(1);
    dlg.UpdateRemark(now);
    EXPECT_EQ(dlg.m_strRemark, "That date/time has already occured");
    EXPECT_EQ(dlg.GetRemarkLabel()->text(), "That date/time has already occured");

    dlg.m_Date = dlg.m_Time = now + CTimeSpan(90);
    dlg.UpdateRemark(now);
    EXPECT_EQ(dlg.m_strRemark, "Occurs in " + String(CTimeSpan(90)) + " from now 03/01/26 21:00:00");

    dlg.m_Date = dlg.m_Time = now;
    dlg.UpdateRemark(now);
    EXPECT_EQ(dlg.m_strRemark.rfind("Occurs in ", 0), 0u);
}

TEST_F(ClockTest, RestartFileFailuresAreReportedAndTheClockRuns)
{
    // A folder where the file should be: it can be neither read nor written.
    const QString path = ToQt(CClockDlg::RestartFilePath());
    ASSERT_TRUE(QDir().mkpath(path));
    CClockDlg* c = Make("/o0/tz(0|nu0)/n(London)");
    Make("/o0/tz(0|nu0)/n(Oslo)");
    EXPECT_EQ(c->GetName(), "London");
    // The system's reason in the box, the operation in its caption; once, not once per clock.
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0], "Failed to read Restart commands");
    EXPECT_FALSE(boxes[0].empty());
    EXPECT_TRUE(QFileInfo(path).isDir());
    QDir(path).removeRecursively();

    // A read-only file stays as it is, with one message for all the clocks.
    Make("/o0/tz(0|nu0)/n(Rome)");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const CString before = CString(syncrec::Slurp(path.toStdString()));
    captions.clear();
    for (const char* city : {"Paris", "Madrid", "Lisbon"}) Make(StrFormat("/o0/tz(0|nu0)/n(%s)", city));
    c->move(c->pos() + QPoint(5, 5));
    EXPECT_EQ(captions, std::vector<CString>({"Failed to write Restart command"}));
    EXPECT_EQ(CString(syncrec::Slurp(path.toStdString())), before);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(ClockTest, TheLineStaysWhileTheChooserIsOpen)
{
    CClockDlg* c = Make("/o0/tz(0|nu0)/a(4102444800|Later)/n(London)");
    Make("/o0/tz(32400|nu0)/n(Tokyo, Japan)");
    const CString line = c->GetRestartLine();
    // A host that ends now (a logout, a kill) must find the clock and its alarm next time.
    std::vector<CString> during;
    std::unique_ptr<QTimer> t(WhenModal<CWhatCity>([&](CWhatCity* d) {
        during = Lines();
        SelectCity(d, "New York");
        d->OnOK();
    }));
    c->Setup();
    EXPECT_NE(std::find(during.begin(), during.end(), line), during.end());
    // OK: the new line takes the old one's place.
    std::vector<CString> after = Lines();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0], c->GetRestartLine());
    EXPECT_NE(after[0].find("/a(4102444800|Later)/n(New York)"), CString::npos);

    t.reset(WhenModal<CWhatCity>([&](CWhatCity* d) {
        during = Lines();
        d->OnCancel();
    }));
    SetMessageBoxAnswerer([](const MessageBoxRequest&) { return IDYES; });
    c->Setup();
    EXPECT_EQ(during, after);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_NE(Lines()[0].find("/n(Tokyo, Japan)"), CString::npos);
}

TEST_F(ClockTest, AnAlarmThatGoesOffWhileTheChooserIsOpenStaysOff)
{
    const int64_t at = 2000000000;
    CClockDlg* c = Make(StrFormat("/o0/tz(32400|nu0)/a(%lld|Tea time)/n(Tokyo, Japan)", (long long)at));
    int rings = 0;
    std::unique_ptr<QTimer> t(WhenModal<CWhatCity>([&](CWhatCity* d) {
        c->Tick(CTime::FromSeconds(at));
        rings += c->GetRinging() != nullptr;
        c->Tick(CTime::FromSeconds(at + 1));
        c->DismissAlarm();
        // New after it was dismissed makes a clock without it.
        SelectCity(d, "London");
        d->OnClockNew();
        d->OnOK();
    }));
    c->Setup();
    EXPECT_EQ(rings, 1);
    EXPECT_FALSE(c->GetAlarm().set);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Lines()[0].find("/a("), CString::npos);
    host.Take();
    ASSERT_EQ(host.fragments.size(), 1u);
    EXPECT_EQ(host.fragments[0].find("/a("), CString::npos);
    c->Tick(CTime::FromSeconds(at + 2));
    EXPECT_FALSE(c->GetRinging());

    // A new alarm set in the chooser while the old one rang is the user's: it stays.
    c->SetAlarm([&] {
        CAlarm a;
        a.SetTag(StrFormat("%lld|Tea time", (long long)(at + 60)));
        return a;
    }());
    t.reset(WhenModal<CWhatCity>([&](CWhatCity* d) {
        c->Tick(CTime::FromSeconds(at + 60));
        d->m_Alarm.SetTag(StrFormat("%lld|Second tea", (long long)(at + 3600)));
        d->OnOK();
    }));
    c->Setup();
    ASSERT_TRUE(c->GetRinging());
    c->DismissAlarm();
    EXPECT_TRUE(c->GetAlarm().set);
    EXPECT_EQ(c->GetAlarm().message, "Second tea");
}

TEST_F(ClockTest, RestoredPlacesAreFittedToTheScreen)
{
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    // A damaged size: no larger than the screen.
    CClockDlg* c = Make("prog /p(400,500,5000,4000)/tz(0|nu0)/n(London)");
    QRect f = c->frameGeometry();
    EXPECT_TRUE(avail.contains(f)) << f.x() << "," << f.y() << " " << f.width() << "x" << f.height();
    EXPECT_EQ(f.size(), avail.size());
    // Half off the screen: back onto it, its size kept.
    c->SetTag(StrFormat("%d,%d,150,140", avail.right() - 50, avail.bottom() - 20));
    f = c->frameGeometry();
    EXPECT_TRUE(avail.contains(f));
    EXPECT_EQ(f.size(), QSize(150, 140));
    EXPECT_EQ(f.topLeft(), avail.bottomRight() - QPoint(149, 139));
    // The fitted place is what the line keeps.
    EXPECT_NE(Lines()[0].find(StrFormat("/p(%d,%d,150,140)", f.x(), f.y())), CString::npos);
}

TEST_F(ClockTest, RestartFileRewritesReachTheDisk)
{
    CClockDlg* c = Make("/o0/tz(0|nu0)/n(London)");
    Make("/o0/tz(32400|nu0)/n(Tokyo, Japan)");
    const std::string path = CClockDlg::RestartFilePath();
    const std::string before = syncrec::Slurp(path);
    syncrec::Watch(path);
    c->SetFace(3);
    c->UpdateRestart();
    EXPECT_TRUE(syncrec::ReplacedDurably(before, syncrec::Slurp(path)));
}

TEST_F(ClockTest, AMoveNeverLeavesTheFileWithoutTheClock)
{
    CClockDlg* c = Make("/o0/tz(0|nu0)/n(London)");
    Make("/o0/tz(32400|nu0)/n(Tokyo, Japan)");
    const std::string path = CClockDlg::RestartFilePath();
    syncrec::Watch(path);
    c->move(c->pos() + QPoint(7, 5));
    ASSERT_FALSE(syncrec::Log().empty());
    for (const syncrec::Sync& s : syncrec::Log())
        EXPECT_NE(s.watched.find("/n(London)"), std::string::npos) << "at a sync of " << s.path;
    const auto lines = Lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const CString& l) { return l.find("/n(London)") != CString::npos; }),
              1);
}

TEST_F(ClockTest, NewClocksCascadeAndBadFacesAreMended)
{
    CClockDlg* first = Make("/o9/tz(0|nu0)/n(London)");
    EXPECT_EQ(first->GetFace(), 0);
    EXPECT_EQ(Lines()[0].find("/o"), CString::npos);
    CClockDlg* second = Make("/o1/tz(0|nu0)/n(London)");
    CClockDlg* third = Make("/o1/tz(0|nu0)/n(London)");
    EXPECT_EQ(second->pos(), first->pos() + QPoint(first->frameGeometry().width() + 8, 0));
    EXPECT_EQ(third->pos(), second->pos() + QPoint(second->frameGeometry().width() + 8, 0));
    // Beside the chooser too, never on a clock already there.
    const QRect chooser(400, 300, 300, 260);
    auto beside = [&] {
        auto* c = new CClockDlg(&host);
        clocks.push_back(c);
        c->PlaceBeside(chooser);
        c->SetZone("/o0/tz(0|nu0)/n(Oslo)");
        return c;
    };
    CClockDlg* a = beside();
    CClockDlg* b = beside();
    EXPECT_FALSE(a->frameGeometry().intersects(chooser));
    EXPECT_NE(a->pos(), b->pos());
}

TEST_F(ClockTest, TipAlarmMarkAndChooserSearch)
{
    const char* old = std::getenv("TZ");
    CString saved = old ? old : "";
    setenv("TZ", "<+01>-1", 1);
    tzset();
    CClockDlg* c = Make("/o4/tz(32400|nu0)/n(Tokyo, Japan)");
    c->Tick(Utc(2026, 7, 1, 16, 30, 0));
    EXPECT_EQ(c->GetTipText(), "Tokyo, Japan: +8 h, tomorrow 01:30\nClick to minimize.  RIGHT click for setup.");
    auto render = [&] {
        QImage img(c->size(), QImage::Format_ARGB32);
        QPainter p(&img);
        c->DrawClock(p);
        return img;
    };
    const QImage plain = render();
    CAlarm a;
    a.SetTag(StrFormat("%lld|Call home", (long long)Utc(2026, 7, 1, 18, 35, 0).GetTime()));
    c->SetAlarm(a);
    EXPECT_EQ(c->GetTipText(),
              "Tokyo, Japan: +8 h, tomorrow 01:30\nAlarm in 2h 5m: Call home\nClick to minimize.  RIGHT click for setup.");
    EXPECT_NE(render().pixel(c->width() - 8, 8), plain.pixel(c->width() - 8, 8));
    if (old) setenv("TZ", saved.c_str(), 1);
    else unsetenv("TZ");
    tzset();

    // The chooser's search field filters as the user types; OK takes the first city shown.
    CWhatCity dlg(&host);
    dlg.m_strCity = "London";
    dlg.OnInitDialog();
    dlg.GetSearch()->setText("TOK");
    int shown = 0;
    for (int i = 0; i < dlg.GetList()->count(); ++i) shown += !dlg.GetList()->item(i)->isHidden();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(dlg.SelectedCity(), "tokyo bay");
    dlg.GetSearch()->setText("atlantis");
    EXPECT_EQ(dlg.SelectedCity(), "");
    dlg.GetSearch()->setText("tok");
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(dlg.GetSearch(), &down);
    EXPECT_EQ(dlg.SelectedCity(), "Tokyo, Japan");
    dlg.GetSearch()->setText("york");
    dlg.OnOK();
    EXPECT_EQ(dlg.m_strCity, "New York");
}

TEST_F(ClockTest, EnglishRestartLinesAreFoundUnderGerman)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    struct Back {
        ~Back() { QLocale::setDefault(QLocale::c()); }
    } back;
    // A line without its zone finds it in the table by its English name.
    CClockDlg* c = Make("/usr/bin/dialwake /p(30,40,150,140)/o1/n(Tokyo, Japan)");
    EXPECT_TRUE(c->IsZoneKnown());
    EXPECT_EQ(c->GetZone().offset, 32400);
    EXPECT_TRUE(boxes.empty());

    // The chooser shows the city in German, finds it by either name and hands back the English one.
    std::unique_ptr<QTimer> t(WhenModal<CWhatCity>([](CWhatCity* d) {
        ASSERT_NE(d->GetList()->currentItem(), nullptr);
        EXPECT_EQ(d->GetList()->currentItem()->text(), "Tokio, Japan");
        for (const char* typed : {"Tokio", "Tokyo, J"}) {
            d->GetSearch()->setText(typed);
            EXPECT_EQ(d->SelectedCity(), "Tokyo, Japan") << typed;
        }
        d->GetFaces()->setCurrentIndex(3);
        d->OnOK();
    }));
    c->Setup();
    EXPECT_EQ(c->GetName(), "Tokyo, Japan");
    EXPECT_EQ(c->GetFace(), 3);
    // The clock too names its city in German.
    EXPECT_EQ(c->GetShownName(), "Tokio, Japan");
    EXPECT_EQ(c->GetTitleText().substr(0, 5), "Tokio");
    EXPECT_EQ(c->GetTipText().substr(0, 13), "Tokio, Japan:");
    // Still one line, the clock's own, under its English name.
    std::vector<CString> lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("/o3/tz(32400|"), CString::npos);
    EXPECT_NE(lines[0].find("/n(Tokyo, Japan)"), CString::npos);
}

TEST_F(ClockTest, TheClocksMenuDeletesAfterAsking)
{
    CClockDlg* c = Make("/o0/tz(0|nu0)/n(London)");
    Make("/o0/tz(0|nu0)/n(Oslo)");
    auto deleteItem = [&] {
        for (QMenu* old : c->findChildren<QMenu*>()) delete old;
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(10, 10), c->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(c, &key);
        QMenu* menu = c->findChild<QMenu*>();
        for (QAction* a : menu ? menu->actions() : QList<QAction*>())
            if (a->text() == "Delete this clock...") return a;
        return static_cast<QAction*>(nullptr);
    };
    SetMessageBoxAnswerer([this](const MessageBoxRequest& r) {
        boxes.push_back(r.text);
        return boxes.size() == 1 ? IDNO : IDYES;
    });
    ASSERT_TRUE(deleteItem());
    deleteItem()->trigger();
    host.Take();
    EXPECT_TRUE(host.quits.empty());
    deleteItem()->trigger();
    host.Take();
    EXPECT_EQ(boxes, std::vector<CString>({"Delete this clock?", "Delete this clock?"}));
    ASSERT_EQ(host.quits.size(), 1u);
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_NE(Lines()[0].find("/n(Oslo)"), CString::npos);
}

TEST_F(ClockTest, InGermanTheClockItsMenuAndTheAlarmDialogSpeakGerman)
{
    ASSERT_EQ(InstallTranslationsFor({"kestrum"}, {"de"}), "de");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* old = std::getenv("TZ");
    const CString saved = old ? old : "";
    setenv("TZ", "<+01>-1", 1);
    tzset();
    CClockDlg* c = Make("/o4/tz(32400|nu0)/n(Tokyo, Japan)");
    c->Tick(Utc(2026, 7, 1, 16, 30, 0));
    // The tip's day word comes from the Qt-free part, through the translator the Qt part installed;
    // the city is named in German too, as the chooser names it.
    EXPECT_EQ(c->GetTipText(), "Tokio, Japan: +8 h, morgen 01:30\nKlicken zum Verkleinern.  RECHTS klicken zum Einrichten.");
    EXPECT_EQ(ClockTipText("Baker", 124200, -12 * 3600, 14 * 3600), "Baker: -26 h, 2 Tage früher 22:30");
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(10, 10), c->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(c, &key);
    QMenu* menu = c->findChild<QMenu*>();
    ASSERT_TRUE(menu);
    QStringList items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) items << a->text();
    EXPECT_EQ(items, (QStringList{"Stadt, Zifferblatt und Wecker …", "Bei der Anmeldung starten", "Minimieren",
                                  "Diese Uhr löschen …"}));
    delete menu;

    CSetAllarm dlg;
    dlg.m_Zone.SetTag("32400|nu0");
    const CTime now = Utc(2026, 3, 1, 12, 0, 0);
    dlg.m_Date = dlg.m_Time = now + CTimeSpan(90);
    dlg.UpdateRemark(now);
    // The span's units and the date as the language and locale write them; the stored moment is untouched.
    EXPECT_EQ(dlg.m_strRemark, "Tritt in 1min 30s  ein (jetzt: 01.03.26 21:00:00)");
    EXPECT_EQ(dlg.windowTitle(), "Wecker stellen");

    if (old) setenv("TZ", saved.c_str(), 1);
    else unsetenv("TZ");
    tzset();
    QLocale::setDefault(QLocale::c());
    RemoveTranslations();
    EXPECT_EQ(ClockTipText("London", 0, 0, 0), "London: 0 h, today 00:00");
}

TEST_F(ClockTest, EveryShippedLanguageTranslatesTheClocksMenu)
{
    CClockDlg* c = Make("/o0/tz(0|nu0)/n(London)");
    const QStringList english{"City, face and alarm...", "Start at login", "Minimize", "Delete this clock..."};
    for (const QString& language : QString(KQ_SHIPPED_LANGUAGES).split(' ', Qt::SkipEmptyParts)) {
        ASSERT_EQ(InstallTranslationsFor({"kestrum"}, {language}), language);
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(10, 10), c->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(c, &key);
        QMenu* menu = c->findChild<QMenu*>();
        ASSERT_TRUE(menu);
        QStringList items;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) items << a->text();
        delete menu;
        ASSERT_EQ(items.size(), english.size()) << language.toStdString();
        for (int i = 0; i < items.size(); ++i) EXPECT_NE(items[i], english[i]) << language.toStdString();
    }
    RemoveTranslations();
}
