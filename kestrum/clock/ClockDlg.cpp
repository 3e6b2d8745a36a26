// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/clock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>
#include <algorithm>
#include <chrono>
#include <cerrno>
#include <memory>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

#include "clock/ClockMenu.h"
#include "clock/ClockPictures.h"
#include "kestrum/citynames.h"
#include "kestrum/files.h"
#include "kestrum/notify.h"
#include "kestrum/readonly.h"
#include "kestrum/settings.h"
#include "platform/DurableFile.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"
#include "platform/UserFolders.h"

namespace {

const int kTickMs = 1000;
// The window's size when it opens: 80 by 65 dialog units, then made square.
const int kStartSide = 120;

const QColor kSecondColour(255, 0, 0);
const QColor kMinuteColour(0, 16, 0);
const QColor kHourColour(0, 0, 16);
const QColor kRimColour(0, 255, 0);

QFont DefaultFontAt(int tenths)
{
    QFont f;
    f.setPointSizeF(tenths > 0 ? tenths / 10.0 : 0.1);
    return f;
}

// "AM" or "PM" as the user's locale writes them ("午前" in Japanese); "C" keeps the clock's own.
QString DayHalf(int hour)
{
    const QLocale locale;
    if (locale.language() == QLocale::C) return ToQt(ClockAmPm(hour));
    return hour < 12 ? locale.amText() : locale.pmText();
}

int64_t MonotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// The clocks of this process, oldest first.
std::vector<CClockDlg*>& LiveClocks()
{
    static std::vector<CClockDlg*> clocks;
    return clocks;
}

}  // namespace

const CString CClockDlg::wkDay[7] = {"Saturday", "Sunday", "Monday", "Tuesday", "Wenesday", "Thursday", "Friday"};

CClockMessage::CClockMessage(int type, CString text, CClockDlg* clock, const QRect& beside)
    : QEvent(static_cast<QEvent::Type>(type)), m_text(std::move(text)), m_clock(clock), m_beside(beside)
{
}

CClockMessage::~CClockMessage() = default;

CClockDlg::CClockDlg(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowCloseButtonHint),
      m_pHost(parent)
{
    setModal(false);
    // Every paint covers the whole window, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_LastTick = CTime::GetCurrentTime();
    m_Icon = ClockIcon();
    setWindowIcon(m_Icon);
    setWindowTitle(".");
    resize(kStartSide, kStartSide);
    QPoint mouse = QCursor::pos();
    QRect r(mouse.x() - kStartSide / 2, mouse.y() - kStartSide / 2, kStartSide, kStartSide);
    if (QScreen* s = QGuiApplication::screenAt(mouse)) {
        QRect avail = s->availableGeometry();
        r.moveLeft(std::max(avail.left(), std::min(r.left(), avail.right() - kStartSide)));
        r.moveTop(std::max(avail.top(), std::min(r.top(), avail.bottom() - kStartSide)));
    }
    move(r.topLeft());
    m_Place.Unsettle();
    LiveClocks().push_back(this);
    UpdateTip();
    InstallClockMenu(this);
    m_Timer.start(kTickMs, this);
    show();
}

CClockDlg::~CClockDlg()
{
    auto& live = LiveClocks();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

QIcon CClockDlg::Icon()
{
    return ClockIcon();
}

// ---- placement -----------------------------------------------------------------------------------

CString CClockDlg::GetTag() const
{
    if (m_Place.HasKept()) {
        const ClockRect& k = m_Place.Kept();
        return MakeClockPlacement(k.left, k.top, k.width, k.height);
    }
    const QRect f = OuterFrame();
    return MakeClockPlacement(f.left(), f.top(), f.width(), f.height());
}

QMargins CClockDlg::UsableMargins() const
{
    const QRect f = frameGeometry(), g = geometry();
    const ClockFrame usable = ClockUsableFrame(
        {g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom()});
    return QMargins(usable.left, usable.top, usable.right, usable.bottom);
}

QRect CClockDlg::OuterFrame() const
{
    return geometry().marginsAdded(UsableMargins());
}

void CClockDlg::MoveOuterTo(const QPoint& outer)
{
    // move() places Qt's frame; where that frame holds a shadow, the client area is the outer frame.
    const QMargins usable = UsableMargins();
    move(outer - (geometry().topLeft() - frameGeometry().topLeft()) + QPoint(usable.left(), usable.top()));
}

void CClockDlg::SetTag(const CString& tag)
{
    int l = 0, t = 0, w = 0, h = 0;
    const QMargins usable = UsableMargins();
    const QSize margins(usable.left() + usable.right(), usable.top() + usable.bottom());
    // What the window system does with this place until it settles is not the user's doing.
    m_Place.Unsettle();
    QScreen* screen = nullptr;
    bool read = ParseClockPlacement(tag, l, t, w, h);
    if (read) {
        // The screen showing most of the stored place; none when it lies off every screen.
        const QRect stored(QPoint(l, t), QSize(w, h));
        int64_t best = 0;
        for (QScreen* s : QGuiApplication::screens()) {
            QRect common = s->availableGeometry().intersected(stored);
            int64_t area = (int64_t)common.width() * common.height();
            if (!common.isEmpty() && area > best) best = area, screen = s;
        }
    }
    const bool seen = screen != nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const ClockRect area{avail.left(), avail.top(), avail.width(), avail.height()};
    if (read) {
        // A damaged or outdated size never makes a window larger than the screen, and a clock
        // half off the screen comes back onto it whole.
        ClockRect r = ClampClockPlace({l, t, w, h}, area);
        resize(std::max(1, r.width - margins.width()), std::max(1, r.height - margins.height()));
        // The stored size is the outer frame. Until the frame is known, remember it, so that a
        // clock does not grow by its frame at every start.
        m_PendingFrame = margins.isNull() ? QSize(r.width, r.height) : QSize();
        if (seen) {
            MoveOuterTo(QPoint(r.left, r.top));
            raise();
            return;
        }
    }
    // A place that cannot be read or cannot be seen: the middle of the screen.
    QSize outer = m_PendingFrame.isValid() ? m_PendingFrame : OuterFrame().size();
    MoveOuterTo(avail.center() - QPoint(outer.width() / 2, outer.height() / 2));
    raise();
}

void CClockDlg::PlaceBeside(const QRect& other)
{
    QScreen* s = QGuiApplication::screenAt(other.center());
    if (!s) s = QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    const QSize outer = OuterFrame().size();
    m_bPlacedBeside = true;
    m_Place.Unsettle();
    ClockRect r = PlaceClockBeside({other.left(), other.top(), other.width(), other.height()}, outer.width(),
                                   outer.height(), {avail.left(), avail.top(), avail.width(), avail.height()});
    MoveOuterTo(QPoint(r.left, r.top));
}

// ---- restart file --------------------------------------------------------------------------------

CString CClockDlg::RestartFilePath()
{
    return FromQt(UserDataFolder("Dialwake")) + "/Startup.File";
}

namespace {

enum class ReadResult { Missing, Read, Failed };

// The bytes last read or written, with what the file looked like then: the clocks of one start
// read a large file once, not once each.
struct RestartCache {
    CString path;
    struct stat st {};
    std::shared_ptr<const CString> bytes;
};

RestartCache& Cache()
{
    static RestartCache cache;
    return cache;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size
        && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

// `before` is the file's state from before it was read, when it was read: a change made while it
// was being read then makes the next look read it again rather than trust the bytes.
std::shared_ptr<const CString> Remember(const CString& path, CString bytes, const struct stat* before = nullptr)
{
    RestartCache& c = Cache();
    auto shared = std::make_shared<const CString>(std::move(bytes));
    bool regular = false;
    if (before) c.st = *before, regular = S_ISREG(c.st.st_mode);
    else regular = ::stat(path.c_str(), &c.st) == 0 && S_ISREG(c.st.st_mode);
    c.path = path;
    c.bytes = regular ? shared : nullptr;
    return shared;
}

// The restart file's bytes as stored. A read that the system breaks off counts as failed, so
// that no rewrite is made from part of the file.
ReadResult ReadRestartBytes(const CString& path, std::shared_ptr<const CString>& shared)
{
    shared = std::make_shared<const CString>();
    struct stat st {};
    // Only a file that is not there counts as none: any other fault would rewrite it from nothing.
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    const RestartCache& cache = Cache();
    if (cache.bytes && cache.path == path && SameFile(cache.st, st)) {
        shared = cache.bytes;
        return ReadResult::Read;
    }
    CString bytes;
    CReadOnly reader(path);
    if (!reader.Opened()) return ReadResult::Failed;
    char block[64 * 1024];
    for (;;) {
        int n = reader.Read(block, (int)sizeof block);
        if (n > 0) bytes.append(block, (size_t)n);
        if (n < (int)sizeof block) break;
    }
    if (reader.Failed()) return ReadResult::Failed;
    shared = Remember(path, std::move(bytes), &st);
    return ReadResult::Read;
}

// A restart file the user made read-only is left as it is.
bool IsReadOnly(const CString& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// One message for a fault of the restart file, not one per clock: the next is shown only after
// a rewrite has worked again.
bool g_bRestartFaultShown = false;

void ReportRestartFault(const char* caption)
{
    if (g_bRestartFaultShown) return;
    g_bRestartFaultShown = true;
    DisplayError(caption);
}

// Cities of restart lines without a zone that the table does not know; one message names them
// all once the clocks of this round are made.
std::vector<CString>& UnknownCities()
{
    static std::vector<CString> cities;
    return cities;
}

void ReportUnknownCity(const CString& city)
{
    std::vector<CString>& cities = UnknownCities();
    if (std::find(cities.begin(), cities.end(), city) != cities.end()) return;
    cities.push_back(city);
    if (cities.size() > 1 || !QCoreApplication::instance()) return;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            CString text = FromQt(CClockDlg::tr("No timezone found for:"));
            for (const CString& c : UnknownCities()) text += "\n" + c;
            UnknownCities().clear();
            AfxMessageBox(text, MB_OK | MB_ICONWARNING);
        },
        Qt::QueuedConnection);
}

}  // namespace

std::vector<CString> CClockDlg::ReadRestartFile()
{
    std::shared_ptr<const CString> bytes;
    ReadRestartBytes(RestartFilePath(), bytes);
    return SplitRestartLines(*bytes);
}

CString CClockDlg::GetRestartLine() const
{
    CString program;
    if (QCoreApplication::instance()) program = FromQt(QCoreApplication::applicationFilePath());
    CString alarmTag;
    if (m_Alarm.set) alarmTag = m_Alarm.GetTag();
    return MakeRestartLine(program, GetTag(), m_nFace, m_Zone.GetTag(), m_Alarm.set ? &alarmTag : nullptr, m_strName);
}

void CClockDlg::UpdateRestart()
{
    // While the clock is being set up its moves wait for the one rewrite at the end; a clock
    // without a city, or whose city has no known zone, has no line of its own to write.
    if (m_nHoldRestart > 0 || m_bQuit || m_strName.empty() || !m_bZoneKnown) return;
    SwapRestart(GetRestartLine());
}

void CClockDlg::RemoveRestart()
{
    SwapRestart(CString());
}

void CClockDlg::SwapRestart(const CString& line)
{
    const CString path = RestartFilePath();
    std::shared_ptr<const CString> read;
    if (ReadRestartBytes(path, read) == ReadResult::Failed) {
        // Rewriting now would lose every line not read.
        ReportRestartFault(QT_TRANSLATE_NOOP("Kestrum", "Failed to read Restart commands"));
        return;
    }
    if (m_bClaimLine) {
        // The line the clock was made from is its own unless other clocks already hold every
        // copy of it (the same line given twice).
        m_bClaimLine = false;
        int holders = 0;
        for (CClockDlg* c : LiveClocks())
            if (c != this && !c->m_bQuit && c->m_strStoredLine == m_strStoredLine) ++holders;
        if (holders > 0 && CountRestartLine(*read, m_strStoredLine) <= holders) m_strStoredLine.clear();
    }
    // A line that is already there as it is needs no rewrite (nor a copy of a large file).
    if (!line.empty() && line == m_strStoredLine && CountRestartLine(*read, line) > 0) return;
    CString bytes = *read;
    // The clock's line is told by its whole text, so two clocks of one city keep a line each.
    if (!SwapRestartLine(bytes, m_strStoredLine, line)) {
        m_strStoredLine = line;
        return;
    }
    if (IsReadOnly(path)) {
        errno = EACCES;
        ReportRestartFault(QT_TRANSLATE_NOOP("Kestrum", "Failed to write Restart command"));
        return;
    }
    MakeDir(FromQt(UserDataFolder("Dialwake")));
    // Written aside and swapped in: a kill or a power cut at any moment leaves either the old
    // file or the new one, never a file without this clock or the others.
    std::string why;
    if (!ReplaceFileDurably(path, bytes, why)) {
        ReportRestartFault(QT_TRANSLATE_NOOP("Kestrum", "Error in rewriting Startup file"));
        return;
    }
    g_bRestartFaultShown = false;
    Remember(path, std::move(bytes));
    m_strStoredLine = line;
}

// ---- setup ---------------------------------------------------------------------------------------

void CClockDlg::SetFace(int face)
{
    // A face outside the six (a damaged line) would draw nothing: the first face instead.
    if (face < 0 || face > 5) face = 0;
    if (face != m_nFace) DiscardFonts();
    m_nFace = face;
    update();
}

void CClockDlg::SetAlarm(const CAlarm& alarm)
{
    m_Alarm = alarm;
    if (m_Alarm.set) m_nSecondsToAlarm = m_Alarm.Compare(m_LastTick).GetTotalSeconds();
    UpdateTip();
    update();
}

void CClockDlg::SetZone(const CString& command)
{
    ClockCommand c = ParseClockCommand(command);
    ++m_nHoldRestart;
    if (!c.hasName) {
        CString city, zone;
        GetProfile("Home", "City", city);
        GetProfile("Home", "Zone", zone);
        if (!city.empty() && !zone.empty()) {
            m_strName = city;
            m_Zone.SetTag(zone);
        } else {
            CWhatCity dlg(this);
            dlg.SetHost(m_pHost);
            dlg.SetArray(FromQt(tr("Choose a city in your timezone.")));
            dlg.m_nFace = m_nFace;
            dlg.m_Alarm.moment = m_LastTick;
            bool ok = dlg.exec() == QDialog::Accepted;
            if (ok) {
                m_strName = dlg.m_strCity;
                SetFace(dlg.m_nFace);
                SetAlarm(dlg.m_Alarm);
                m_Zone = dlg.m_Table.GetZone(m_strName);
                SetProfile("Home", "City", m_strName);
                SetProfile("Home", "Zone", m_Zone.GetTag());
            }
            dlg.ReleaseMem();
            if (!ok) {
                --m_nHoldRestart;
                Quit();
                return;
            }
        }
        PlaceNewClock();
    } else {
        // The line this clock comes from is the one it rewrites from now on.
        m_strStoredLine = RestartLineText(command);
        m_bClaimLine = true;
        m_strName = c.name;
        if (c.hasPlace) SetTag(c.place);
        else PlaceNewClock();
        if (c.hasFace) SetFace(c.face);
        if (c.hasAlarm) {
            CAlarm a;
            a.SetTag(c.alarm);
            SetAlarm(a);
        }
        if (c.hasZone) {
            m_Zone.SetTag(c.zone);
        } else {
            // A city the table knows needs no zone in its line.
            CTimeZoneArray table;
            m_bZoneKnown = table.FindCity(m_strName) >= 0;
            if (m_bZoneKnown) m_Zone = table.GetZone(m_strName);
            else ReportUnknownCity(m_strName);
        }
    }
    if (m_Alarm.set) m_nSecondsToAlarm = m_Alarm.Compare(m_LastTick).GetTotalSeconds();
    --m_nHoldRestart;
    UpdateRestart();
    UpdateTip();
    update();
}

void CClockDlg::PlaceNewClock()
{
    CClockDlg* last = nullptr;
    std::vector<ClockRect> others;
    for (CClockDlg* c : LiveClocks()) {
        if (c == this || c->m_bQuit) continue;
        const QRect f = c->OuterFrame();
        others.push_back({f.left(), f.top(), f.width(), f.height()});
        last = c;
    }
    m_Place.Unsettle();
    QRect f = OuterFrame();
    if (m_PendingFrame.isValid()) f.setSize(m_PendingFrame);
    // The title bar's height, so that each clock of the cascade shows its title.
    const int step = std::max(24, f.height() - height());
    ClockRect want{f.left(), f.top(), f.width(), f.height()};
    auto areaAt = [](const QRect& r) {
        QScreen* s = QGuiApplication::screenAt(r.center());
        if (!s) s = QGuiApplication::primaryScreen();
        const QRect a = s ? s->availableGeometry() : QRect(0, 0, 800, 600);
        return ClockRect{a.left(), a.top(), a.width(), a.height()};
    };
    // In a row beside the last clock, so that every face stays in view.
    if (!m_bPlacedBeside && last) {
        const QRect l = last->OuterFrame();
        want = NextClockPlace({l.left(), l.top(), l.width(), l.height()}, want.width, want.height, areaAt(l), 8);
    }
    const ClockRect area = areaAt(QRect(want.left, want.top, want.width, want.height));
    ClockRect r = CascadeClockPlace(want, others, area, step);
    MoveOuterTo(QPoint(r.left, r.top));
}

int CClockDlg::SetName()
{
    CWhatCity dlg(this);
    dlg.SetHost(m_pHost);
    dlg.SetDeletes(true);
    dlg.m_strCity = m_strName;
    dlg.m_nFace = m_nFace;
    CAlarm a = m_Alarm;
    if (!a.set) a.moment = m_LastTick;
    dlg.m_Alarm = a;
    m_pChooser = &dlg;
    const int result = dlg.exec();
    m_pChooser = nullptr;
    if (result == QDialog::Accepted) {
        // The line stayed while the chooser was open, so that a clock outlives a host that ends
        // meanwhile; now the new line takes its place in one rewrite.
        ++m_nHoldRestart;
        m_strName = dlg.m_strCity;
        SetFace(dlg.m_nFace);
        m_Zone = dlg.m_Table.GetZone(m_strName);
        m_bZoneKnown = true;
        SetAlarm(dlg.m_Alarm);
        --m_nHoldRestart;
        UpdateRestart();
        update();
    }
    dlg.ReleaseMem();
    return result;
}

void CClockDlg::Setup()
{
    DiscardFonts();
    if (SetName() == CWhatCity::Delete) DeleteClock();
}

void CClockDlg::DeleteClock()
{
    Quit();
    RemoveRestart();
}

void CClockDlg::Quit()
{
    if (m_bQuit) return;
    m_bQuit = true;
    m_Timer.stop();
    EndRing();
    m_Photo = QPixmap();
    m_nPhotoWidth = m_nPhotoHeight = 0;
    DiscardFonts();
    hide();
    PostToHost(WM_CLOCK_QUIT, CString());
}

void CClockDlg::GoMin()
{
    showMinimized();
    m_nPaintCount = 0;
}

void CClockDlg::PostToHost(int type, const CString& text)
{
    QObject* target = m_pHost ? m_pHost.data() : QCoreApplication::instance();
    if (target) QCoreApplication::postEvent(target, new CClockMessage(type, text, this));
}

void CClockDlg::DiscardFonts()
{
    m_bNumeralFont = false;
    m_nSecondFontFace = -1;
}

// ---- time and title ------------------------------------------------------------------------------

CTimeFields CClockDlg::LocalFields() const
{
    // The zone's own offset at that instant; the process's time zone plays no part, so clocks of
    // different cities never disturb one another.
    return m_LastTick.GetFieldsAt(m_Zone.GetOffset(m_LastTick));
}

CString CClockDlg::Till() const
{
    // A ringing alarm shows no time past it.
    return ClockTill(m_Alarm.set != 0, std::max<int64_t>(0, m_nSecondsToAlarm));
}

CString CClockDlg::GetShownName() const
{
    // The title asks every second; the names are looked up once per city and language.
    const CString locale = FromQt(QLocale().name());
    if (m_strShownOf != m_strName || m_strShownLocale != locale) {
        m_strShown = CCityNames::For(locale)->Shown(m_strName);
        m_strShownOf = m_strName;
        m_strShownLocale = locale;
    }
    return m_strShown;
}

CString CClockDlg::GetTitleText() const
{
    return ClockShortName(GetShownName()) + Till();
}

CString CClockDlg::GetRunningTitle() const
{
    CTimeFields f = LocalFields();
    return StrFormat("%s %02d:%02d:%02d %s", ClockShortName(GetShownName()).c_str(), f.hour, f.minute, f.second,
                     Till().c_str());
}

void CClockDlg::Tick(const CTime& now)
{
    m_LastTick = now;
    if (m_Alarm.set) m_nSecondsToAlarm = m_Alarm.Compare(m_LastTick).GetTotalSeconds();
    if (m_bTitleNeedsTime) setWindowTitle(ToQt(GetRunningTitle()));
    m_bTitleNeedsTime = true;
    update();
    if (m_Alarm.set && m_nSecondsToAlarm <= 0 && !m_pRing) {
        if (isMinimized()) showNormal();
        Ring();
    }
    UpdateTip();
}

namespace {

struct NotifierSlot {
    bool chosen = false;
    std::shared_ptr<Notifier> notifier;
};

NotifierSlot& TheNotifier()
{
    static NotifierSlot slot;
    if (!slot.chosen) {
        slot.chosen = true;
        slot.notifier = std::shared_ptr<Notifier>(MakeDesktopNotifier(2000));
    }
    return slot;
}

bool SameAlarm(const CAlarm& a, const CAlarm& b)
{
    return a.set && b.set && a.moment == b.moment && a.message == b.message;
}

}  // namespace

void CClockDlg::SetNotifier(std::shared_ptr<Notifier> notifier)
{
    TheNotifier().chosen = true;
    TheNotifier().notifier = std::move(notifier);
}

void CClockDlg::Ring()
{
    // The alarm stays in the line until the user answers, so that one that rings while the
    // host is ended comes back at the next start.
    m_RungAlarm = m_Alarm;
    m_pRing = new CAlarmRing(this, ClockShortName(GetShownName()), m_Alarm.message);
    connect(m_pRing, &CAlarmRing::Dismissed, this, [this] { DismissAlarm(); });
    connect(m_pRing, &CAlarmRing::Snoozed, this, [this] { SnoozeAlarm(); });
    m_pRing->show();
    m_pRing->raise();
    // Also where the desktop shows its notifications, when a service runs; the window stays
    // the place to answer it.
    if (const std::shared_ptr<Notifier> notifier = TheNotifier().notifier) {
        const CTimeFields t = LocalFields();
        Notification n;
        n.summary = m_Alarm.message;
        n.body = StrFormat("%s, %02d:%02d", GetShownName().c_str(), t.hour, t.minute);
        n.appName = "Dialwake";
        n.icon = "dialwake";
        n.desktopEntry = "dialwake";
        n.timeoutMs = 0;
        std::string why;
        notifier->Notify(n, why);
    }
}

void CClockDlg::EndRing()
{
    if (m_pRing) {
        m_pRing->hide();
        m_pRing->deleteLater();
    }
    m_pRing = nullptr;
}

void CClockDlg::DismissAlarm()
{
    EndRing();
    // An alarm set anew meanwhile (in the chooser) is not the one that rang.
    if (SameAlarm(m_Alarm, m_RungAlarm)) m_Alarm.set = 0;
    // An open chooser holds a copy taken before; its OK or New must not arm it again.
    if (m_pChooser && SameAlarm(m_pChooser->m_Alarm, m_RungAlarm)) m_pChooser->m_Alarm.set = 0;
    m_RungAlarm = CAlarm();
    UpdateRestart();
    UpdateTip();
    update();
}

void CClockDlg::SnoozeAlarm()
{
    EndRing();
    const CTime later = m_LastTick + CTimeSpan(kSnoozeSeconds);
    if (SameAlarm(m_Alarm, m_RungAlarm)) m_Alarm.moment = later;
    if (m_pChooser && SameAlarm(m_pChooser->m_Alarm, m_RungAlarm)) m_pChooser->m_Alarm.moment = later;
    m_RungAlarm = CAlarm();
    if (m_Alarm.set) m_nSecondsToAlarm = m_Alarm.Compare(m_LastTick).GetTotalSeconds();
    UpdateRestart();
    UpdateTip();
    update();
}

void CClockDlg::UpdateTip()
{
    const int64_t now = m_LastTick.GetTime();
    struct tm local {};
    const time_t t = (time_t)now;
    localtime_r(&t, &local);
    CString tip = ClockTipText(GetShownName(), now, m_Zone.GetOffset(m_LastTick), local.tm_gmtoff);
    if (m_Alarm.set) {
        tip += "\n" + FromQt(m_pRing ? tr("Alarm now") : tr("Alarm in %1").arg(ToQt(Till()).trimmed()));
        if (!m_Alarm.message.empty()) tip += ": " + m_Alarm.message;
    }
    tip += "\n" + FromQt(tr("Click to minimize.  RIGHT click for setup."));
    if (tip != m_strTip) {
        m_strTip = tip;
        SetToolTip(this, ToQt(tip));
    }
}

void CClockDlg::timerEvent(QTimerEvent* e)
{
    if (e->timerId() == m_Timer.timerId()) Tick(CTime::GetCurrentTime());
    else QDialog::timerEvent(e);
}

// ---- drawing -------------------------------------------------------------------------------------

void CClockDlg::InitBitmap()
{
    QImage img = ClockPhoto();
    m_Photo = QPixmap::fromImage(img);
    m_nPhotoWidth = img.width();
    m_nPhotoHeight = img.height();
}

void CClockDlg::paintEvent(QPaintEvent*)
{
    if (m_nPaintCount < 10) ++m_nPaintCount;
    if (m_Place.Painted(MonotonicMs())) {
        // Once the window system has had its say, the clock asks once more for its place, in
        // case a window manager placed it before it heard the place asked for.
        QTimer::singleShot(ClockPlaceKeeper::kSettleMs + 100, this, [this] {
            const QRect f = OuterFrame();
            if (m_bQuit || !m_Place.AskAgain({f.left(), f.top(), f.width(), f.height()}, MonotonicMs())) return;
            MoveOuterTo(QPoint(m_Place.Kept().left, m_Place.Kept().top));
        });
    }
    QPainter dc(this);
    DrawClock(dc);
}

void CClockDlg::DrawClock(QPainter& dc)
{
    setWindowTitle(ToQt(GetTitleText()));
    m_bTitleNeedsTime = false;

    const int W = width(), H = height();
    const int xc = W / 2, yc = H / 2;
    const CTimeFields t = LocalFields();
    const QColor windowColour = palette().color(QPalette::Base);

    // The faces without a picture of their own stand on the window's background.
    dc.fillRect(rect(), palette().color(QPalette::Window));
    dc.setPen(Qt::black);
    if (m_nFace == 0 || m_nFace == 1) {
        dc.setBackgroundMode(Qt::TransparentMode);
    } else {
        dc.setBackgroundMode(Qt::OpaqueMode);
        dc.setBackground(windowColour);
    }

    int R = ClockRadius(m_nFace, W, H);
    switch (m_nFace) {
    case 0:
    case 1: {
        if (m_nFace == 0) {
            dc.save();
            dc.setRenderHint(QPainter::Antialiasing);
            dc.setPen(QPen(kRimColour, 3));
            dc.setBrush(Qt::white);
            dc.drawEllipse(QRectF(1.5, 1.5, W - 3.0, H - 3.0));
            dc.restore();
        }
        if (!m_bNumeralFont) {
            m_NumeralFont = DefaultFontAt(H);
            m_bNumeralFont = true;
        }
        dc.setFont(m_NumeralFont);
        QFontMetrics fm(m_NumeralFont, this);
        for (int n : {3, 6, 9, 12}) {
            QString text = QString::number(n);
            int h = fm.height() / 2, w = fm.horizontalAdvance(text) / 2;
            ClockPoint c = ClockPolar(xc, yc, R - h, ClockDegrees(n * 30));
            dc.drawText(QRect(c.x - w, c.y - h, 2 * w, 2 * h), Qt::AlignCenter | Qt::TextDontClip, text);
        }
        dc.setPen(QPen(kMinuteColour, 2));
        for (int a = 0; a < 360; a += 30) {
            ClockPoint p1 = ClockPolar(xc, yc, R + 4, ClockDegrees(a));
            ClockPoint p2 = ClockPolar(xc, yc, 0.95 * R, ClockDegrees(a));
            dc.drawLine(p1.x, p1.y, p2.x, p2.y);
        }
        dc.setPen(Qt::black);
        dc.drawText(QRect(0, yc, W, H - yc), Qt::AlignCenter | Qt::TextSingleLine, DayHalf(t.hour));
        if (m_Alarm.set) dc.drawText(QRect(0, 0, xc * 6 / 5, H), Qt::AlignCenter | Qt::TextSingleLine, "A");
        if (m_nSecondFontFace != 0) {
            m_SecondFont = DefaultFontAt(H * 3 / 4);
            m_nSecondFontFace = 0;
        }
        dc.setFont(m_SecondFont);
        dc.drawText(QRect(0, 0, W, yc * 6 / 5), Qt::AlignCenter | Qt::TextSingleLine,
                    tr(ClockWeekday(t.dayOfWeek - 1).c_str()));
        break;
    }
    case 2:
        if (m_Photo.isNull()) InitBitmap();
        dc.drawPixmap(QRect(0, 0, W, H), m_Photo);
        break;
    case 3: {
        dc.save();
        dc.setRenderHint(QPainter::SmoothPixmapTransform);
        if (m_IconDial.isNull()) m_IconDial = ClockIconDial(128);
        dc.drawPixmap(QRect(0, 0, W, H), m_IconDial);
        dc.restore();
        break;
    }
    case 4:
    case 5: {
        QString text = ToQt(ClockDigitalText(m_nFace, t.hour, t.minute, t.second));
        if (m_nFace == 4) {
            const QString time = text.left(text.lastIndexOf(' '));
            // Japanese writes the half of the day before the time ("午後6:04:21").
            if (QLocale().language() == QLocale::Japanese) text = DayHalf(t.hour) + time.trimmed();
            else text = time + QLatin1Char(' ') + DayHalf(t.hour);
        }
        if (m_nSecondFontFace != m_nFace) {
            int size = ClockFitFontSize(W, H, [&](int tenths, int& tw, int& th) {
                QFontMetrics fm(DefaultFontAt(tenths), this);
                tw = fm.horizontalAdvance(text);
                th = fm.height();
            });
            m_SecondFont = DefaultFontAt(size);
            m_nSecondFontFace = m_nFace;
        }
        dc.setFont(m_SecondFont);
        dc.drawText(QRect(0, 0, W, H), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
        DrawAlarmMark(dc);
        return;
    }
    default:
        return;
    }

    // Hands, over the texts.
    dc.setRenderHint(QPainter::Antialiasing);
    const QPoint centre(xc, yc);
    ClockPoint hp = ClockPolar(xc, yc, 0.5 * R, ClockHourAngle(t.hour, t.minute));
    dc.setPen(QPen(kHourColour, 3));
    dc.drawLine(centre, QPoint(hp.x, hp.y));
    ClockPoint mp = ClockPolar(xc, yc, R, ClockMinuteAngle(t.minute));
    dc.setPen(QPen(kMinuteColour, 2));
    dc.drawLine(centre, QPoint(mp.x, mp.y));
    ClockPoint sp = ClockPolar(xc, yc, R, ClockSecondAngle(t.second));
    dc.setPen(QPen(kSecondColour, 1));
    dc.drawLine(centre, QPoint(sp.x, sp.y));
    if (m_nFace >= 2) DrawAlarmMark(dc);
}

void CClockDlg::DrawAlarmMark(QPainter& dc)
{
    // The faces without the "A" show an armed alarm as a small dot in the top right corner.
    if (!m_Alarm.set) return;
    const int r = std::max(3, std::min(width(), height()) / 14);
    dc.save();
    dc.setRenderHint(QPainter::Antialiasing);
    dc.setPen(QPen(QColor(96, 48, 0), 1));
    dc.setBrush(m_pRing ? QColor(255, 64, 0) : QColor(255, 176, 0));
    dc.drawEllipse(QPoint(width() - r - 3, r + 3), r, r);
    dc.restore();
}

// ---- mouse and window ----------------------------------------------------------------------------

void CClockDlg::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        QPoint p = e->position().toPoint();
        m_nGrabX = p.x();
        m_nGrabY = p.y();
        m_bMoved = false;
        m_bDragging = true;
    }
    QDialog::mousePressEvent(e);
}

void CClockDlg::mouseMoveEvent(QMouseEvent* e)
{
    m_bMoved = true;
    if (m_bDragging) {
        QPoint p = e->position().toPoint();
        move(pos() + QPoint(p.x() - m_nGrabX, p.y() - m_nGrabY));
    }
}

void CClockDlg::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        bool moved = m_bMoved;
        m_bDragging = false;
        if (moved) {
            UpdateRestart();
        } else {
            GoMin();
        }
    } else if (e->button() == Qt::RightButton && !(e->modifiers() & Qt::ControlModifier)) {
        // With Ctrl the clock's menu opened instead.
        Setup();
    }
}

void CClockDlg::FitPendingFrame()
{
    if (!m_PendingFrame.isValid()) return;
    const QMargins usable = UsableMargins();
    const QSize margins(usable.left() + usable.right(), usable.top() + usable.bottom());
    if (margins.isNull()) return;
    const QSize frame = m_PendingFrame;
    m_PendingFrame = QSize();
    resize(std::max(1, frame.width() - margins.width()), std::max(1, frame.height() - margins.height()));
}

void CClockDlg::KeepPlace(bool own, bool moved, bool resized)
{
    const QRect f = OuterFrame();
    m_Place.Changed({f.left(), f.top(), f.width(), f.height()}, own, moved, resized, MonotonicMs());
}

void CClockDlg::moveEvent(QMoveEvent* e)
{
    QDialog::moveEvent(e);
    // Qt reports the program's own moves at once, the window system's as spontaneous events.
    KeepPlace(!e->spontaneous(), true, false);
    FitPendingFrame();
    UpdateRestart();
}

void CClockDlg::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    KeepPlace(!e->spontaneous(), false, true);
    FitPendingFrame();
    // The fonts follow the window's size; the new size belongs in the restart line.
    DiscardFonts();
    UpdateRestart();
}

void CClockDlg::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    m_Place.Unsettle();
}

void CClockDlg::closeEvent(QCloseEvent* e)
{
    // Closed from outside: the clock goes, but its line stays for the next start.
    e->accept();
    if (!m_bQuit) {
        m_bQuit = true;
        m_Timer.stop();
        PostToHost(WM_CLOCK_QUIT, CString());
    }
}

void CClockDlg::reject()
{
    // Escape does not close a clock.
}

bool CClockDlg::event(QEvent* e)
{
    // The tip stays quiet for the first paints after the window comes back from a minimise.
    if (e->type() == QEvent::ToolTip && m_nPaintCount <= 5) return true;
    return QDialog::event(e);
}
