// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Birthday Edit": one entry's kind, text and its three dates.
#include "app/DialogSupport.h"
#include "birthdays/BirthdayEntry.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

class CBirthdayEditDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CBirthdayEditDlg(QWidget* parent = nullptr);

    // Filled by the caller before the dialog runs, read after OK.
    BirthdayEntry m_Entry;
    bool m_bDelete = false;

    enum { KindIndividual = 0, KindCouple = 1, KindNote = 2 };
    // Shows the columns and titles of a kind.
    void ApplyLayout(int kind);

    QRadioButton* m_ctlKind[3] = {};
    QCheckBox* m_ctlDelete = nullptr;
    QLineEdit* m_ctlText = nullptr;
    QGroupBox* m_ctlColumn[3] = {};
    // [column][0 year, 1 month, 2 day]
    CSpinEdit* m_ctlDate[3][3] = {};
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    int SelectedKind() const;
};
