// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/clock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QSaveFile>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

#include "clock/ClockPictures.h"
#include "kestrum/files.h"
#include "kestrum/readonly.h"
#include "kestrum/settings.h"
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

// True when some part of the rectangle lies on a screen.
bool OnSomeScreen(const QRect& r)
{
    for (QScreen* s : QGuiApplication::screens())
        if (s->geometry().intersects(r)) return true;
    return false;
}

}  // namespace

const CString CClockDlg::wkDay[7] = {"Saturday", "Sunday", "Monday", "Tuesday", "Wenesday", "Thursday", "Friday"};

CClockMessage::CClockMessage(int type, CString text, CClockDlg* clock)
    : QEvent(static_cast<QEvent::Type>(type)), m_text(std::move(text)), m_clock(clock)
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
    if (ParseClockPlacement(tag, l, t, w, h) && OnSomeScreen(QRect(l, t, w, h))) {
        resize(std::max(1, w - margins.width()), std::max(1, h - margins.height()));
        move(l, t);
        // The stored size is the outer frame. Until the frame is known, remember it, so that a
        // clock does not grow by its frame at every start.
        m_PendingFrame = margins.isNull() ? QSize(w, h) : QSize();
    } else {
        // A place that cannot be read or cannot be seen: the middle of the primary screen.
        QScreen* s = QGuiApplication::primaryScreen();
        QRect avail = s ? s->availableGeometry() : QRect(0, 0, 800, 600);
        QSize outer = frameGeometry().size();
        move(avail.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
    raise();
}

// ---- restart file --------------------------------------------------------------------------------

CString CClockDlg::RestartFilePath()
{
    return FromQt(UserDataFolder("Dialwake")) + "/Startup.File";
}

std::vector<CString> CClockDlg::ReadRestartFile()
{
    std::vector<CString> lines;
    CReadOnly reader(RestartFilePath());
    if (!reader.Opened()) return lines;
    for (;;) {
        CString line = reader.GetLine();
        if (line.empty() && reader.eof()) break;
        if (!line.empty()) lines.push_back(line);
    }
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
    FILE* f = std::fopen(RestartFilePath().c_str(), "ab");
    if (!f) {
        DisplayError("Failed to write Restart command");
        return;
    }
    // Each line carries its own line feed, so that a line appended after another clock's never
    // runs into it.
    CString line = GetRestartLine() + "\n";
    bool ok = std::fwrite(line.data(), 1, line.size(), f) == line.size();
    int err = errno;
    if (std::fclose(f) != 0) ok = false, err = errno;
    if (!ok) {
        errno = err;
        DisplayError("Failed to write Restart command");
    }
}

void CClockDlg::ClearRestart()
{
    if (m_strName.empty()) return;
    MakeDir(FromQt(UserDataFolder("Dialwake")));
    const CString path = RestartFilePath();
    if (!FileExists(path)) return;
    std::vector<CString> lines;
    {
        CReadOnly reader(path);
        if (!reader.Opened()) {
            // Rewriting now would lose every other clock's line.
            DisplayError("Failed to read Restart commands");
            return;
        }
        for (;;) {
            CString line = reader.GetLine();
            if (line.empty() && reader.eof()) break;
            if (!line.empty()) lines.push_back(line);
        }
    }
    lines = RestartLinesWithout(lines, m_strName);
    // Written aside and swapped in, so a kill mid-write cannot lose the other clocks' lines.
    QByteArray bytes;
    for (const CString& l : lines) bytes.append(l.data(), (qsizetype)l.size()).append('\n');
    QSaveFile f(ToQt(path));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        if (errno == 0) errno = EIO;
        DisplayError("Error in rewriting Startup file");
    }
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
    bool ok = dlg.exec() == QDialog::Accepted;
    if (ok) {
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
    ClearRestart();
    DiscardFonts();
    if (!SetName()) Quit();
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
    } else if (e->button() == Qt::RightButton) {
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
    ClearRestart();
    SetRestart();
}

void CClockDlg::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    FitPendingFrame();
    // The fonts follow the window's size; the new size belongs in the restart line.
    DiscardFonts();
    ClearRestart();
    SetRestart();
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
