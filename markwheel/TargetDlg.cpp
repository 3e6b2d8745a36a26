// SPDX-License-Identifier: GPL-3.0-or-later
#include "TargetDlg.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>
#include "core/Countdown.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"

std::function<int(CSetTargetDlg&)> CSetTargetDlg::modalHook;

bool ParseDialogInt(const QString& text, int& v)
{
    QString t = text.trimmed();
    int i = 0;
    bool neg = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) neg = t[i++] == '-';
    if (i >= t.size()) return false;
    long long n = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        n = n * 10 + (t[i].unicode() - '0');
        if (n > (long long)INT_MAX + 1) return false;
    }
    if (neg) n = -n;
    if (n < INT_MIN || n > INT_MAX) return false;
    v = (int)n;
    return true;
}

CIntSpin::CIntSpin(int lo, int hi, QWidget* parent) : QAbstractSpinBox(parent), m_lo(lo), m_hi(hi)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { update(); });
}

void CIntSpin::SetValue(int v)
{
    lineEdit()->setText(QString::number(v));
}

bool CIntSpin::Value(int& v) const
{
    return ParseDialogInt(lineEdit()->text(), v);
}

void CIntSpin::stepBy(int steps)
{
    int v;
    if (!Value(v)) v = m_lo;
    long long n = (long long)v + steps;
    if (n < m_lo) n = m_lo;
    if (n > m_hi) n = m_hi;
    SetValue((int)n);
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CIntSpin::stepEnabled() const
{
    int v;
    if (!Value(v)) return StepUpEnabled | StepDownEnabled;
    StepEnabled e = StepNone;
    if (v < m_hi) e |= StepUpEnabled;
    if (v > m_lo) e |= StepDownEnabled;
    return e;
}

CSetTargetDlg::CSetTargetDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Set Target Date"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_editTitle = new QLineEdit(this);
    m_editTitle->setObjectName("Title");
    SetToolTip(m_editTitle, tr("Shown as the window title while counting"));
    auto makeSpin = [this](const char* name, int lo, int hi, const QString& tip) {
        CIntSpin* s = new CIntSpin(lo, hi, this);
        s->setObjectName(name);
        SetToolTip(s, tip);
        return s;
    };
    m_spinYear = makeSpin("Year", -6000, 6000, tr("Year of the target; negative years are before year 1"));
    m_spinMonth = makeSpin("Month", 1, 12, tr("Month, 1 to 12"));
    m_spinDay = makeSpin("Day", 1, 31, tr("Day of the month, 1 to 31"));
    m_spinHour = makeSpin("Hour", 0, 23, tr("Hour, 0 to 23 (local time)"));
    m_spinMinute = makeSpin("Minute", 0, 59, tr("Minute, 0 to 59"));
    m_spinSecond = makeSpin("Second", 0, 59, tr("Second, 0 to 59"));

    QFormLayout* form = new QFormLayout;
    form->addRow(tr("Title"), m_editTitle);
    form->addRow(tr("Year"), m_spinYear);
    form->addRow(tr("Month"), m_spinMonth);
    form->addRow(tr("Day"), m_spinDay);
    form->addRow(tr("Hour"), m_spinHour);
    form->addRow(tr("Minute"), m_spinMinute);
    form->addRow(tr("Second"), m_spinSecond);

    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CSetTargetDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSetTargetDlg::reject);

    QVBoxLayout* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addWidget(buttons);
    m_editTitle->setMinimumWidth(220);
}

void CSetTargetDlg::FillControls()
{
    m_editTitle->setText(ToQt(m_strTitle));
    m_spinYear->SetValue(m_nYear);
    m_spinMonth->SetValue(m_nMonth);
    m_spinDay->SetValue(m_nDay);
    m_spinHour->SetValue(m_nHour);
    m_spinMinute->SetValue(m_nMinute);
    m_spinSecond->SetValue(m_nSecond);
}

int CSetTargetDlg::DoModal()
{
    FillControls();
    m_editTitle->setFocus();
    m_editTitle->selectAll();
    if (modalHook) return modalHook(*this);
    return exec();
}

bool CSetTargetDlg::SaveAndValidate()
{
    struct Field { CIntSpin* spin; int* value; bool ranged; };
    const Field fields[] = {
        {m_spinYear, &m_nYear, false}, {m_spinMonth, &m_nMonth, true},   {m_spinDay, &m_nDay, true},
        {m_spinHour, &m_nHour, true},  {m_spinMinute, &m_nMinute, true}, {m_spinSecond, &m_nSecond, true},
    };
    int values[6];
    for (int i = 0; i < 6; ++i) {
        const Field& f = fields[i];
        CString message;
        // The day's bound is that of the month and year above it: 30 February is no date.
        int upper = f.spin == m_spinDay ? MwDaysInMonth(values[0], values[1]) : f.spin->Upper();
        if (!f.spin->Value(values[i])) message = FromQt(tr("Please enter an integer."));
        else if (f.ranged && (values[i] < f.spin->Lower() || values[i] > upper))
            message = FromQt(tr("Please enter an integer between %1 and %2.").arg(f.spin->Lower()).arg(upper));
        if (!message.empty()) {
            AfxMessageBox(message, MB_OK | MB_ICONWARNING, "Markwheel", this);
            f.spin->setFocus();
            f.spin->selectAll();
            return false;
        }
    }
    m_strTitle = FromQt(m_editTitle->text());
    for (int i = 0; i < 6; ++i) *fields[i].value = values[i];
    return true;
}

void CSetTargetDlg::accept()
{
    if (SaveAndValidate()) QDialog::accept();
}
