// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Set Target Date": title and the six fields of the target.
#include <QAbstractSpinBox>
#include <QDialog>
#include <functional>
#include "platform/CString.h"

class QLineEdit;

// A number field with an up-down control: any text may be typed and is checked on OK; the arrows
// step within the range.
class CIntSpin : public QAbstractSpinBox {
    Q_OBJECT
public:
    CIntSpin(int lo, int hi, QWidget* parent = nullptr);
    int Lower() const { return m_lo; }
    int Upper() const { return m_hi; }
    void SetValue(int v);
    // The typed text as a 32-bit integer; false when it is not one.
    bool Value(int& v) const;

    void stepBy(int steps) override;
    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_lo, m_hi;
};

// Plain decimal integer with optional sign and surrounding blanks, in 32-bit range.
bool ParseDialogInt(const QString& text, int& v);

class CSetTargetDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSetTargetDlg(QWidget* parent = nullptr);

    // Values exchanged with the controls: filled before DoModal, read after OK.
    CString m_strTitle;
    int m_nYear = 0, m_nMonth = 1, m_nDay = 1, m_nHour = 0, m_nMinute = 0, m_nSecond = 0;

    // Shows the dialog; returns QDialog::Accepted or Rejected.
    int DoModal();
    // When set, DoModal hands the filled dialog to this instead of showing it (tests).
    static std::function<int(CSetTargetDlg&)> modalHook;

    QLineEdit* m_editTitle;
    CIntSpin *m_spinYear, *m_spinMonth, *m_spinDay, *m_spinHour, *m_spinMinute, *m_spinSecond;

    // Controls to values; on a refused field its message is shown, it gets the focus and false is returned.
    bool SaveAndValidate();

public slots:
    void accept() override;

private:
    void FillControls();
};
