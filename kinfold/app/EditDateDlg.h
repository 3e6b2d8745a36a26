// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Enter Date": one date's year, month and day (the view's target date).
#include "app/DialogSupport.h"

class CalendarDate;

class CEditDateDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CEditDateDlg(QWidget* parent = nullptr);

    int m_nYear = 0;
    int m_nMonth = 0;  // 0-12 on OK
    int m_nDay = 0;    // 0-31 on OK

    CSpinEdit* m_ctlYear = nullptr;
    CSpinEdit* m_ctlMonth = nullptr;
    CSpinEdit* m_ctlDay = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;

protected:
    void OnInitDialog() override;
    bool OnOK() override;
};

// Runs "Enter Date" on the date's year, month and day; only OK writes them back.
void EditDate(CalendarDate& date, QWidget* parent = nullptr);
