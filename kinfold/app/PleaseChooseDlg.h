// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Please Choose": which of two dates to keep when a merge meets two different ones.
#include "app/DialogSupport.h"
#include "birthdays/BirthdayList.h"

class QLabel;
class QPushButton;

class CPleaseChooseDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CPleaseChooseDlg(QWidget* parent = nullptr);

    // Empty until set.
    CString m_strTitle;  // the entry's text
    CString m_strKind;   // "Death", "Married" or "Birth"
    CString m_strDateA;  // the newly offered date
    CString m_strDateB;  // the stored date

    // "A" (OK) or "B" (Cancel, Escape or the close box).
    DateChoice Ask();

    QLabel* m_ctlTitle = nullptr;
    QLabel* m_ctlKind = nullptr;
    QLabel* m_ctlDateA = nullptr;
    QLabel* m_ctlDateB = nullptr;
    QPushButton* m_btnA = nullptr;
    QPushButton* m_btnB = nullptr;

protected:
    void OnInitDialog() override;
};

// A merge question asked with the dialog over `parent`.
ChooseDateCallback PleaseChooseCallback(QWidget* parent);

// Installs the dialog as the list's chooser for as long as it lives, then puts back the one before.
class ScopedPleaseChoose {
public:
    ScopedPleaseChoose(BirthdayList& list, QWidget* parent);
    ~ScopedPleaseChoose();
    ScopedPleaseChoose(const ScopedPleaseChoose&) = delete;
    ScopedPleaseChoose& operator=(const ScopedPleaseChoose&) = delete;

private:
    BirthdayList& m_list;
    ChooseDateCallback m_before;
};
