// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Choose a Year": jump to any year and, optionally, another month.
#include "app/DialogSupport.h"

class QComboBox;

class CYearDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CYearDlg(QWidget* parent = nullptr);

    int m_nYear = 0;
    int m_nMonth = 1;  // kept on "No Change"

    CSpinEdit* m_ctlYear = nullptr;
    QComboBox* m_ctlMonth = nullptr;  // "No Change", "Jan" .. "Dec"
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;

protected:
    void OnInitDialog() override;
    bool OnOK() override;
};
