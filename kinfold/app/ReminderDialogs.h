// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's side of reminders: the list of upcoming events, the export's choices and the
// options sheet's "Reminders" page.
#include "app/DialogSupport.h"
#include "app/OptionsSheet.h"
#include "reminders/Reminders.h"
#include "view/core/CalendarExport.h"

class CKinfoldView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QTreeWidget;

// What the calendar shows in profile 0: the switches in effect when it is the one shown, else
// the stored ones.
EventRules ProfileZeroRules(CKinfoldView& view);

// "Upcoming": the events of today and the next 30 days, as kinfold --upcoming lists them.
class CUpcomingDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    CUpcomingDlg(const BirthdayList& list, const EventRules& rules, const GregorianDate& today, QWidget* parent = nullptr);

    QTreeWidget* m_ctlEvents = nullptr;  // columns: date, event, how far off
};

// "Export Calendar": which kinds of entry go into the file, preset from the display switches,
// and whether the reminders go along as alarms; the text below says what will be left out.
class CExportCalendarDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    CExportCalendarDlg(const BirthdayList& list, const CalendarExportOptions& preset, QWidget* parent = nullptr);

    // The choices as export options (the preset's other fields kept).
    CalendarExportOptions Options() const;

    QCheckBox* m_ctlBirthdays = nullptr;
    QCheckBox* m_ctlAnniversaries = nullptr;
    QCheckBox* m_ctlNotes = nullptr;
    QCheckBox* m_ctlDead = nullptr;
    QCheckBox* m_ctlAlarms = nullptr;
    QLabel* m_ctlStatus = nullptr;

private:
    void UpdateStatus();

    const BirthdayList& m_List;
    CalendarExportOptions m_Preset;
};

// The options sheet's "Reminders" page (section "Reminders", the same for every profile).
class CPPReminders : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPPReminders(QWidget* parent = nullptr);
    bool DoDataExchange() override;
    void OnApply() override;

    static constexpr int kDayChoices[6] = {0, 1, 3, 7, 14, 30};
    QCheckBox* m_ctlEnabled = nullptr;
    QCheckBox* m_ctlDays[6] = {};
    QTimeEdit* m_ctlTime = nullptr;
    QRadioButton* m_ctlLastDocument = nullptr;
    QRadioButton* m_ctlChosenDocument = nullptr;
    QLineEdit* m_ctlDocument = nullptr;
    QPushButton* m_btnBrowse = nullptr;

    ReminderSettings m_Reminders;

protected:
    void OnInitDialog() override;

private:
    void OnBrowse();
    void UpdateEnabled();
};
