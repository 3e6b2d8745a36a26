// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/clock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>
#include <sys/stat.h>

#include "clock/ClockMenu.h"
#include "clock/ClockPictures.h"
#include "kestrum/files.h"
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

bool FileExists(const CString& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
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
    SetToolTip(this, "Click to minimize.  RIGHT click for setup.");
    InstallClockMenu(this);
    m_Timer.start(kTickMs, this);
    show();
}

CClockDlg::~CClockDlg() = default;

QIcon CClockDlg::Icon()
{
    return ClockIcon();
}

// ---- placement -----------------------------------------------------------------------------------

CString CClockDlg::GetTag() const
{
    QRect f = frameGeometry();
    return MakeClockPlacement(f.left(), f.top(), f.width(), f.height());
}

void CClockDlg::SetTag(const CString& tag)
{
    int l = 0, t = 0, w = 0, h = 0;
    const QSize margins = frameGeometry().size() - size();
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
            move(r.left, r.top);
            raise();
            return;
        }
    }
    // A place that cannot be read or cannot be seen: the middle of the screen.
    QSize outer = m_PendingFrame.isValid() ? m_PendingFrame : frameGeometry().size();
    move(avail.center() - QPoint(outer.width() / 2, outer.height() / 2));
    raise();
}

void CClockDlg::PlaceBeside(const QRect& other)
{
    QScreen* s = QGuiApplication::screenAt(other.center());
    if (!s) s = QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    const QSize outer = frameGeometry().size();
    ClockRect r = PlaceClockBeside({other.left(), other.top(), other.width(), other.height()}, outer.width(),
                                   outer.height(), {avail.left(), avail.top(), avail.width(), avail.height()});
    move(r.left, r.top);
}

// ---- restart file --------------------------------------------------------------------------------

CString CClockDlg::RestartFilePath()
{
    return FromQt(UserDataFolder("Dialwake")) + "/Startup.File";
}

namespace {

// The restart file's lines, each whole: a line may be longer than the text reader's line limit
// (a long alarm message in a script of several bytes a character). False when the file exists
// but cannot be read.
bool ReadRestartLines(const CString& path, std::vector<CString>& lines)
{
    lines.clear();
    CReadOnly reader(path);
    if (!reader.Opened()) return false;
    CString bytes;
    char block[CReadOnly::BlockSize];
    for (;;) {
        int n = reader.Read(block, (int)sizeof block);
        if (n > 0) bytes.append(block, (size_t)n);
        if (n < (int)sizeof block) break;
    }
    lines = SplitRestartLines(bytes);
    return true;
}

}  // namespace

std::vector<CString> CClockDlg::ReadRestartFile()
{
    std::vector<CString> lines;
    ReadRestartLines(RestartFilePath(), lines);
    return lines;
}

CString CClockDlg::GetRestartLine() const
{
    CString program;
    if (QCoreApplication::instance()) program = FromQt(QCoreApplication::applicationFilePath());
    CString alarmTag;
    if (m_Alarm.set) alarmTag = m_Alarm.GetTag();
    return MakeRestartLine(program, GetTag(), m_nFace, m_Zone.GetTag(), m_Alarm.set ? &alarmTag : nullptr, m_strName);
}

void CClockDlg::SetRestart()
{
    if (m_strName.empty() || m_bQuit) return;
    MakeDir(FromQt(UserDataFolder("Dialwake")));
    // Each line carries its own line feed, so that a line appended after another clock's never
    // runs into it.
    std::string why;
    if (!AppendFileDurably(RestartFilePath(), GetRestartLine() + "\n", why))
        DisplayError("Failed to write Restart command");
}

void CClockDlg::ClearRestart()
{
    if (m_strName.empty()) return;
    MakeDir(FromQt(UserDataFolder("Dialwake")));
    const CString path = RestartFilePath();
    if (!FileExists(path)) return;
    std::vector<CString> lines;
    if (!ReadRestartLines(path, lines)) {
        // Rewriting now would lose every other clock's line.
        DisplayError("Failed to read Restart commands");
        return;
    }
    lines = RestartLinesWithout(lines, m_strName);
    // Written aside and swapped in, so a kill or a power cut mid-write cannot lose the other
    // clocks' lines.
    CString bytes;
    for (const CString& l : lines) bytes += l + "\n";
    std::string why;
    if (!ReplaceFileDurably(path, bytes, why)) DisplayError("Error in rewriting Startup file");
}

void CClockDlg::UpdateRestart()
{
    if (m_strName.empty()) return;
    MakeDir(FromQt(UserDataFolder("Dialwake")));
    const CString path = RestartFilePath();
    std::vector<CString> lines;
    if (FileExists(path) && !ReadRestartLines(path, lines)) {
        DisplayError("Failed to read Restart commands");
        return;
    }
    lines = RestartLinesWithout(lines, m_strName);
    if (!m_bQuit) lines.push_back(GetRestartLine());
    // One swap, not a removal and an append: a kill between the two would lose this clock.
    CString bytes;
    for (const CString& l : lines) bytes += l + "\n";
    std::string why;
    if (!ReplaceFileDurably(path, bytes, why)) DisplayError("Error in rewriting Startup file");
}

// ---- setup ---------------------------------------------------------------------------------------

void CClockDlg::SetFace(int face)
{
    if (face != m_nFace) DiscardFonts();
    m_nFace = face;
    update();
}

void CClockDlg::SetAlarm(const CAlarm& alarm)
{
    m_Alarm = alarm;
    if (m_Alarm.set) m_nSecondsToAlarm = m_Alarm.Compare(m_LastTick).GetTotalSeconds();
    update();
}

void CClockDlg::SetZone(const CString& command)
{
    ClockCommand c = ParseClockCommand(command);
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
            dlg.SetArray("Choose a city in your timezone.");
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
                Quit();
                return;
            }
        }
    } else {
        m_strName = c.name;
        if (c.hasPlace) SetTag(c.place);
        if (c.hasFace) SetFace(c.face);
        if (c.hasAlarm) {
            CAlarm a;
            a.SetTag(c.alarm);
            SetAlarm(a);
        }
        if (c.hasZone) m_Zone.SetTag(c.zone);
        else AfxMessageBox("No timezone found", MB_OK, CString(), this);
    }
    if (m_Alarm.set) m_nSecondsToAlarm = m_Alarm.Compare(m_LastTick).GetTotalSeconds();
    ClearRestart();
    SetRestart();
    update();
}

bool CClockDlg::SetName()
{
    CWhatCity dlg(this);
    dlg.SetHost(m_pHost);
    dlg.m_strCity = m_strName;
    dlg.m_nFace = m_nFace;
    CAlarm a = m_Alarm;
    if (!a.set) a.moment = m_LastTick;
    dlg.m_Alarm = a;
    m_pChooser = &dlg;
    bool ok = dlg.exec() == QDialog::Accepted;
    m_pChooser = nullptr;
    if (ok) {
        // The line stayed while the chooser was open, so that a clock outlives a host that ends
        // meanwhile; it goes now, under the name it was stored with.
        ClearRestart();
        m_strName = dlg.m_strCity;
        SetFace(dlg.m_nFace);
        m_Zone = dlg.m_Table.GetZone(m_strName);
        SetAlarm(dlg.m_Alarm);
        SetRestart();
        update();
    }
    dlg.ReleaseMem();
    return ok;
}

void CClockDlg::Setup()
{
    DiscardFonts();
    if (!SetName()) {
        ClearRestart();
        Quit();
    }
}

void CClockDlg::Quit()
{
    if (m_bQuit) return;
    m_bQuit = true;
    m_Timer.stop();
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
    return ClockTill(m_Alarm.set != 0, m_nSecondsToAlarm);
}

CString CClockDlg::GetTitleText() const
{
    return ClockShortName(m_strName) + Till();
}

CString CClockDlg::GetRunningTitle() const
{
    CTimeFields f = LocalFields();
    return StrFormat("%s %02d:%02d:%02d %s", ClockShortName(m_strName).c_str(), f.hour, f.minute, f.second,
                     Till().c_str());
}

void CClockDlg::Tick(const CTime& now)
{
    m_LastTick = now;
    if (m_Alarm.set) m_nSecondsToAlarm = m_Alarm.Compare(m_LastTick).GetTotalSeconds();
    if (m_bTitleNeedsTime) setWindowTitle(ToQt(GetRunningTitle()));
    m_bTitleNeedsTime = true;
    update();
    if (m_Alarm.set && m_nSecondsToAlarm <= 0) {
        if (isMinimized()) showNormal();
        m_Alarm.set = 0;
        // An open chooser holds a copy taken before the alarm went off; OK or New must not arm
        // it again.
        if (m_pChooser && m_pChooser->m_Alarm.set && m_pChooser->m_Alarm.moment == m_Alarm.moment
            && m_pChooser->m_Alarm.message == m_Alarm.message)
            m_pChooser->m_Alarm.set = 0;
        // The line loses its alarm before the message waits for the user, so that an alarm
        // never comes back once it has been shown.
        ClearRestart();
        SetRestart();
        // Shown once the tick is over, so that the clock goes on ticking while the message waits.
        const CString message = m_Alarm.message, caption = ClockShortName(m_strName);
        QMetaObject::invokeMethod(
            this, [this, message, caption] { AfxMessageBox(message, MB_OK | MB_ICONINFORMATION, caption, this); },
            Qt::QueuedConnection);
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
        dc.drawText(QRect(0, yc, W, H - yc), Qt::AlignCenter | Qt::TextSingleLine, ToQt(AmPm(t.hour)));
        if (m_Alarm.set) dc.drawText(QRect(0, 0, xc * 6 / 5, H), Qt::AlignCenter | Qt::TextSingleLine, "A");
        if (m_nSecondFontFace != 0) {
            m_SecondFont = DefaultFontAt(H * 3 / 4);
            m_nSecondFontFace = 0;
        }
        dc.setFont(m_SecondFont);
        dc.drawText(QRect(0, 0, W, yc * 6 / 5), Qt::AlignCenter | Qt::TextSingleLine,
                    ToQt(ClockWeekday(t.dayOfWeek - 1)));
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
            ClearRestart();
            SetRestart();
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
    const QSize margins = frameGeometry().size() - size();
    if (margins.isNull()) return;
    const QSize frame = m_PendingFrame;
    m_PendingFrame = QSize();
    resize(std::max(1, frame.width() - margins.width()), std::max(1, frame.height() - margins.height()));
}

void CClockDlg::moveEvent(QMoveEvent* e)
{
    QDialog::moveEvent(e);
    FitPendingFrame();
    UpdateRestart();
}

void CClockDlg::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    FitPendingFrame();
    // The fonts follow the window's size; the new size belongs in the restart line.
    DiscardFonts();
    UpdateRestart();
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
