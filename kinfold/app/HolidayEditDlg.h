// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Edit Holliday": one holiday's name and rule.
#include "app/DialogSupport.h"
#include "holidays/Holiday.h"

class QComboBox;
class QRadioButton;

class CHolidayEditDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CHolidayEditDlg(QWidget* parent = nullptr);

    // Filled by the caller, read after OK.
    Holiday m_Holiday;

    // Week and weekday lists for kind 1, the day field for kinds 0 and 2.
    void EnableByKind(int kind);

    QLineEdit* m_ctlName = nullptr;
    QRadioButton* m_ctlKind[3] = {};
    QComboBox* m_ctlMonth = nullptr;    // 0 the "Error" name, 1..12 the months
    QComboBox* m_ctlWeek = nullptr;     // 0 "FBD after", 1..5 "First".."Fifth", 6 "Last"
    QComboBox* m_ctlWeekday = nullptr;  // 0 Sunday (never meant), 1 Monday .. 7 Sunday
    QLineEdit* m_ctlDay = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;

protected:
    void OnInitDialog() override;
    bool OnOK() override;
};

// Edits the holiday; true (and the record changed) on OK.
bool EditHoliday(Holiday& holiday, QWidget* parent = nullptr);

// The leading decimal digits of a text ("12th" gives 12, "" and "x1" give 0).
int LeadingInteger(const QString& text);
