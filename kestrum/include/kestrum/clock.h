// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The world-clock window, its city chooser and the alarm dialog, and the two messages a clock
// posts to its host's main window.
#include <QBasicTimer>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <memory>
#include "platform/CString.h"
#include "platform/CTime.h"
#include "kestrum/alarm.h"
#include "kestrum/clockline.h"
#include "kestrum/export.h"
#include "kestrum/timezone.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimeEdit;

// Event types posted to the host's main window.
inline constexpr int WM_CLOCK_NEW = 10427;   // make a clock from Text(), a restart-line fragment
inline constexpr int WM_CLOCK_QUIT = 10428;  // the clock Clock() has quit: destroy it

class CClockDlg;
class CWhatCity;

// The event behind both messages. The fragment travels inside the event, so the host frees it
// by letting Qt delete the event.
class KESTRUM_API CClockMessage : public QEvent {
public:
    // beside: for a new clock, a window the clock must not cover (the chooser that asked for it).
    CClockMessage(int type, CString text, CClockDlg* clock, const QRect& beside = QRect());
    ~CClockMessage() override;
    const CString& Text() const { return m_text; }
    CClockDlg* Clock() const { return m_clock; }
    const QRect& Beside() const { return m_beside; }

private:
    CString m_text;
    CClockDlg* m_clock;
    QRect m_beside;
};

class KESTRUM_API CClockDlg : public QDialog {
    Q_OBJECT
public:
    // Shows itself at once, centred on the mouse pointer; parent is the host's main window.
    explicit CClockDlg(QWidget* parent = nullptr);
    ~CClockDlg() override;

    // Takes city, position, face and alarm from a restart line or a new-clock fragment; with no
    // city element, from the host's "Home" settings or the city chooser. Writes the clock's line.
    void SetZone(const CString& command);

    // Window placement "left,top,width,height" of the outer frame.
    CString GetTag() const;
    // Places the window, fitted to the screen it is on; a tag without four numbers, or a place
    // off every screen, centres it on the primary screen.
    void SetTag(const CString& tag);
    // Moves the window next to other (a dialog that must stay usable), on the same screen.
    void PlaceBeside(const QRect& other);

    // The clock's own line in the restart file.
    CString GetRestartLine() const;
    void SetRestart();
    void ClearRestart();
    // Puts the clock's current line in place of its old one in a single rewrite.
    void UpdateRestart();
    // The restart file, in the per-user Dialwake folder.
    static CString RestartFilePath();
    // The lines of the restart file (empty when there is none).
    static std::vector<CString> ReadRestartFile();

    // Runs the city chooser for this clock; true when the user pressed OK.
    bool SetName();
    // What a right click does: the chooser, and Quit when it is cancelled.
    void Setup();
    // Frees the drawing caches and tells the host to destroy this clock.
    void Quit();
    void GoMin();
    // The clock's icon, for hosts that want it for themselves.
    static QIcon Icon();

    static CString AmPm(int hour) { return ClockAmPm(hour); }
    CString Till() const;
    void InitBitmap();
    void DrawClock(class QPainter& dc);

    // One tick at the given moment: the time, the title while no paint comes, the alarm.
    void Tick(const CTime& now);

    // The title as the paint sets it: the short name and Till().
    CString GetTitleText() const;
    // The title shown while no paint comes (minimised): the short name, the time and Till().
    CString GetRunningTitle() const;

    const CString& GetName() const { return m_strName; }
    int GetFace() const { return m_nFace; }
    void SetFace(int face);
    const CTimeZone& GetZone() const { return m_Zone; }
    const CAlarm& GetAlarm() const { return m_Alarm; }
    void SetAlarm(const CAlarm& alarm);
    int64_t GetSecondsToAlarm() const { return m_nSecondsToAlarm; }
    const CTime& GetLastTick() const { return m_LastTick; }
    int GetPaintCount() const { return m_nPaintCount; }
    // Where the clock's messages go: the parent given to the constructor.
    QObject* GetHost() const { return m_pHost; }
    // The clock's local time at its last tick.
    CTimeFields LocalFields() const;

    static const CString wkDay[7];

protected:
    void timerEvent(QTimerEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    void reject() override;

private:
    void DiscardFonts();
    void FitPendingFrame();
    void PostToHost(int type, const CString& text);

    QPixmap m_Photo;
    int m_nPhotoWidth = 0, m_nPhotoHeight = 0;
    QFont m_NumeralFont;
    bool m_bNumeralFont = false;
    QFont m_SecondFont;
    int m_nSecondFontFace = -1;   // the face the second font was made for; -1 when none
    int64_t m_nSecondsToAlarm = 0;
    CTimeZone m_Zone;
    CAlarm m_Alarm;
    CTime m_LastTick;
    int m_nFace = 0;
    CString m_strName;
    int m_nPaintCount = 999;
    QIcon m_Icon;
    QPixmap m_IconDial;
    bool m_bTitleNeedsTime = false;
    int m_nGrabX = 0, m_nGrabY = 0;
    bool m_bMoved = false;
    bool m_bDragging = false;
    bool m_bQuit = false;
    QBasicTimer m_Timer;
    QPointer<QObject> m_pHost;
    QSize m_PendingFrame;   // outer size still to apply once the frame is known
    CWhatCity* m_pChooser = nullptr;   // this clock's chooser while it is open
};

class KESTRUM_API CWhatCity : public QDialog {
    Q_OBJECT
public:
    explicit CWhatCity(QWidget* parent = nullptr);
    ~CWhatCity() override;

    // A non-empty prompt becomes the title.
    void SetArray(const CString& prompt);
    // Fills the list, selects the current city and face; called when the dialog opens.
    void OnInitDialog();
    void ReleaseMem();

    // The buttons.
    void OnOK();
    void OnForalarm();
    void OnClockNew();

    // Where "New" posts its fragment (the host's main window).
    void SetHost(QObject* host) { m_pHost = host; }

    CTimeZoneArray m_Table;
    CAlarm m_Alarm;
    CString m_strCity;
    int m_nFace = 0;
    CString m_strPrompt;

    QListWidget* GetList() const { return m_List; }
    QComboBox* GetFaces() const { return m_Faces; }
    // The selected city's name, empty when none is selected.
    CString SelectedCity() const;

    int exec() override;

private:
    void SelectCurrent(bool keepScroll);

    QListWidget* m_List = nullptr;
    QComboBox* m_Faces = nullptr;
    QPushButton* m_OK = nullptr;
    QPushButton* m_New = nullptr;
    QPushButton* m_Cancel = nullptr;
    QPushButton* m_AlarmButton = nullptr;
    QPointer<QObject> m_pHost;
    bool m_bInitialised = false;
};

class KESTRUM_API CSetAllarm : public QDialog {
    Q_OBJECT
public:
    explicit CSetAllarm(QWidget* parent = nullptr);
    ~CSetAllarm() override;

    // Values exchanged with the controls: the picker values are moments whose date and time of
    // day are read in the zone's local time.
    CTimeZone m_Zone;
    CTime m_Date;
    CTime m_Time;
    CString m_strMessage = "Enter you alarm message here.";
    CString m_strRemark;

    // Puts the values into the controls (true) or takes them back (false).
    void DoDataExchange(bool save);
    void OnInitDialog();
    void OnOK();
    // A picker changed: the remark tells how far away the chosen moment is from now.
    void OnDatetimechange();
    void UpdateRemark(const CTime& now);
    // The moment the pickers show, read in the zone's local time.
    CTime ChosenMoment() const;

    QDateEdit* GetDatePicker() const { return m_DatePicker; }
    QTimeEdit* GetTimePicker() const { return m_TimePicker; }
    QLineEdit* GetMessageField() const { return m_MessageField; }
    QLabel* GetRemarkLabel() const { return m_RemarkLabel; }

    int exec() override;

private:
    QDateEdit* m_DatePicker = nullptr;
    QTimeEdit* m_TimePicker = nullptr;
    QLineEdit* m_MessageField = nullptr;
    QLabel* m_RemarkLabel = nullptr;
    QPushButton* m_Set = nullptr;
    QPushButton* m_CancelButton = nullptr;
    bool m_bExchanging = false;
};

// A moment given as wall-clock fields in a zone's local time (daylight saving included).
KESTRUM_API CTime ZoneLocalToUtc(const CTimeZone& zone, int64_t year, int month, int day, int hour, int minute,
                                 int second);
// A moment broken down in a zone's local time.
KESTRUM_API CTimeFields ZoneFields(const CTimeZone& zone, const CTime& t);
