// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The world-clock window, its city chooser and the alarm dialog, and the two messages a clock
// posts to its host's main window.
#include <QBasicTimer>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QMargins>
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
class CAlarmRing;
class Notifier;

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

    // Window placement "left,top,width,height" of the outer frame, as the restart line keeps it:
    // where the program or the user put the clock, not a place the window system chose alone.
    CString GetTag() const;
    // Places the window, fitted to the screen it is on; a tag without four numbers, or a place
    // off every screen, centres it on the primary screen.
    void SetTag(const CString& tag);
    // Moves the window next to other (a dialog that must stay usable), on the same screen.
    void PlaceBeside(const QRect& other);

    // The clock's own line in the restart file.
    CString GetRestartLine() const;
    // Puts the clock's current line in place of its old one in a single rewrite; the first
    // write of a new clock adds it. Lines of other clocks, and lines that are no clocks, keep
    // their bytes. Nothing is written when the file could not be read whole.
    void UpdateRestart();
    // Takes the clock's line out of the restart file (the clock is deleted).
    void RemoveRestart();
    // The restart file, in the per-user Dialwake folder.
    static CString RestartFilePath();
    // The lines of the restart file (empty when there is none).
    static std::vector<CString> ReadRestartFile();

    // Runs the city chooser for this clock: QDialog::Accepted (the clock takes the choice),
    // QDialog::Rejected (Escape or the close button: the clock stays as it was) or
    // CWhatCity::Delete (the user asked to delete the clock).
    int SetName();
    // The city chooser, and Quit with the line removed when the user deletes the clock there.
    void Setup();
    // Quit, and the clock's line leaves the restart file.
    void DeleteClock();
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

    // The alarm that went off: OK ends it, Snooze moves it kSnoozeSeconds past the last tick.
    // It stays in the restart line until one of them is chosen.
    static constexpr int kSnoozeSeconds = 600;
    void DismissAlarm();
    void SnoozeAlarm();
    // Where an alarm that goes off is also shown as a desktop notification, when a service takes
    // it; by default the session's notification service, null for none (tests give their own).
    static void SetNotifier(std::shared_ptr<Notifier> notifier);
    // The window of the alarm that is going off; null when none is.
    CAlarmRing* GetRinging() const { return m_pRing; }
    // The tip: the city, how far its time is from the local time, its day and time, the alarm.
    const CString& GetTipText() const { return m_strTip; }

    // The title as the paint sets it: the short name and Till().
    CString GetTitleText() const;
    // The title shown while no paint comes (minimised): the short name, the time and Till().
    CString GetRunningTitle() const;

    // The city as its restart line and the table name it.
    const CString& GetName() const { return m_strName; }
    // The city in the user's language (QLocale()), as the chooser lists it: "Wien, Österreich".
    CString GetShownName() const;
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
    // False while the clock's city has no known zone: it then keeps its old line untouched.
    bool IsZoneKnown() const { return m_bZoneKnown; }

    static const CString wkDay[7];

protected:
    void timerEvent(QTimerEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    void reject() override;

private:
    void DiscardFonts();
    void FitPendingFrame();
    // The frame's borders and the outer frame, as stored sizes measure them (ClockUsableFrame).
    QMargins UsableMargins() const;
    QRect OuterFrame() const;
    void MoveOuterTo(const QPoint& outer);
    void KeepPlace(bool own, bool moved, bool resized);
    void PostToHost(int type, const CString& text);
    void SwapRestart(const CString& line);
    void PlaceNewClock();
    void Ring();
    void EndRing();
    void UpdateTip();
    void DrawAlarmMark(class QPainter& dc);

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
    // GetShownName() of m_strShownOf under m_strShownLocale.
    mutable CString m_strShown, m_strShownOf, m_strShownLocale;
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
    ClockPlaceKeeper m_Place;   // the place the restart line keeps
    CWhatCity* m_pChooser = nullptr;   // this clock's chooser while it is open
    CString m_strStoredLine;   // the text of this clock's line in the restart file; empty: none yet
    bool m_bClaimLine = false;   // the stored line is the command the clock came from, not yet checked
    int m_nHoldRestart = 0;      // set-up in progress: its moves wait for its one rewrite
    bool m_bZoneKnown = true;
    bool m_bPlacedBeside = false;
    CAlarmRing* m_pRing = nullptr;
    CAlarm m_RungAlarm;   // the alarm as it was when it went off
    CString m_strTip;
};

// The window of an alarm going off: its message, "OK" and "Snooze". Escape and the close
// button count as OK.
class KESTRUM_API CAlarmRing : public QDialog {
    Q_OBJECT
public:
    CAlarmRing(QWidget* parent, const CString& caption, const CString& message);
    ~CAlarmRing() override;
    QPushButton* GetOK() const { return m_OK; }
    QPushButton* GetSnooze() const { return m_Snooze; }
    QString GetMessageText() const;

signals:
    void Dismissed();
    void Snoozed();

protected:
    void reject() override;

private:
    QLabel* m_Text = nullptr;
    QPushButton* m_OK = nullptr;
    QPushButton* m_Snooze = nullptr;
    bool m_bAnswered = false;
};

class KESTRUM_API CWhatCity : public QDialog {
    Q_OBJECT
public:
    // The result when the user deleted the clock with "Cancel".
    enum { Delete = 2 };

    explicit CWhatCity(QWidget* parent = nullptr);
    ~CWhatCity() override;

    // For an existing clock, "Cancel" deletes it once the user confirms; otherwise it only closes.
    void SetDeletes(bool deletes) { m_bDeletes = deletes; }

    // A non-empty prompt becomes the title.
    void SetArray(const CString& prompt);
    // Fills the list, selects the current city and face; called when the dialog opens.
    void OnInitDialog();
    void ReleaseMem();

    // The buttons.
    void OnOK();
    void OnForalarm();
    void OnClockNew();
    void OnCancel();

    // Where "New" posts its fragment (the host's main window).
    void SetHost(QObject* host) { m_pHost = host; }

    CTimeZoneArray m_Table;
    CAlarm m_Alarm;
    CString m_strCity;
    int m_nFace = 0;
    CString m_strPrompt;

    QListWidget* GetList() const { return m_List; }
    QComboBox* GetFaces() const { return m_Faces; }
    // Filters the list as the user types: cities whose name holds the text, letter case ignored.
    QLineEdit* GetSearch() const { return m_Search; }
    // The selected city's name, empty when none is selected.
    CString SelectedCity() const;

    int exec() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void SelectCurrent(bool keepScroll);
    void Filter(const QString& text);

    QLineEdit* m_Search = nullptr;
    QListWidget* m_List = nullptr;
    QComboBox* m_Faces = nullptr;
    QPushButton* m_OK = nullptr;
    QPushButton* m_New = nullptr;
    QPushButton* m_Cancel = nullptr;
    QPushButton* m_AlarmButton = nullptr;
    QPointer<QObject> m_pHost;
    bool m_bInitialised = false;
    bool m_bDeletes = false;
};

class KESTRUM_API CSetAllarm : public QDialog {
    Q_OBJECT
public:
    // The result when the user removed the alarm.
    enum { Remove = 2 };

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
    // Takes the values and closes, unless the moment has already passed (a message says so).
    void OnOK();
    void OnRemove();
    // A picker changed: the remark tells how far away the chosen moment is from now.
    void OnDatetimechange();
    void UpdateRemark(const CTime& now);
    // The moment the pickers show, read in the zone's local time.
    CTime ChosenMoment() const;

    QDateEdit* GetDatePicker() const { return m_DatePicker; }
    QTimeEdit* GetTimePicker() const { return m_TimePicker; }
    QLineEdit* GetMessageField() const { return m_MessageField; }
    QLabel* GetRemarkLabel() const { return m_RemarkLabel; }
    QPushButton* GetRemoveButton() const { return m_RemoveButton; }

    int exec() override;

private:
    QDateEdit* m_DatePicker = nullptr;
    QTimeEdit* m_TimePicker = nullptr;
    QLineEdit* m_MessageField = nullptr;
    QLabel* m_RemarkLabel = nullptr;
    QPushButton* m_Set = nullptr;
    QPushButton* m_CancelButton = nullptr;
    QPushButton* m_RemoveButton = nullptr;
    bool m_bExchanging = false;
};

// A moment given as wall-clock fields in a zone's local time (daylight saving included).
KESTRUM_API CTime ZoneLocalToUtc(const CTimeZone& zone, int64_t year, int month, int day, int hour, int minute,
                                 int second);
// A moment broken down in a zone's local time.
KESTRUM_API CTimeFields ZoneFields(const CTimeZone& zone, const CTime& t);
