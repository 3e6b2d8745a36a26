// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DialogSupport.h"
#include <QLayout>
#include <QPushButton>
#include "platform/ToolTips.h"
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include "birthdays/DateCheck.h"
#include "platform/CString.h"
#include "platform/CTime.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

CKinfoldDialog::CKinfoldDialog(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    // No "?" button in the title bar: the dialogs have no context help.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void CKinfoldDialog::showEvent(QShowEvent* e)
{
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
        // Lists filled on opening may need more room than the empty controls asked for.
        if (!m_bSized) {
            m_bSized = true;
            if (layout()) layout()->activate();
            adjustSize();
        }
    }
    QDialog::showEvent(e);
}

void CKinfoldDialog::accept()
{
    if (OnOK()) QDialog::accept();
}

void CKinfoldDialog::done(int result)
{
    // The next run fills the controls again from the values.
    m_bInitialised = false;
    QDialog::done(result);
}

CSpinEdit::CSpinEdit(QWidget* parent, bool digitsOnly) : QAbstractSpinBox(parent), m_bDigitsOnly(digitsOnly)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CSpinEdit::edited);
}

void CSpinEdit::SetRange(int lo, int hi)
{
    m_nLower = std::min(lo, hi);
    m_nUpper = std::max(lo, hi);
    update();
}

void CSpinEdit::SetValue(int value)
{
    lineEdit()->setText(QString::number(value));
}

void CSpinEdit::SetText(const QString& text)
{
    lineEdit()->setText(text);
}

QString CSpinEdit::Text() const
{
    return lineEdit()->text();
}

void CSpinEdit::stepBy(int steps)
{
    int v = 0;
    // Text that is no number starts the arrows at the bottom of the range.
    if (!ParseInteger(Text(), v)) v = m_nLower - (steps > 0 ? 1 : 0);
    long long next = (long long)v + steps;
    if (next < m_nLower) next = m_nLower;
    if (next > m_nUpper) next = m_nUpper;
    SetValue((int)next);
    lineEdit()->selectAll();
    emit edited();
}

QSize CSpinEdit::sizeHint() const
{
    ensurePolished();
    int digits = std::max({4, (int)QString::number(m_nLower).size(), (int)QString::number(m_nUpper).size()});
    QSize text(fontMetrics().horizontalAdvance(QString(digits + 1, '0')) + 6, lineEdit()->sizeHint().height());
    QStyleOptionSpinBox opt;
    initStyleOption(&opt);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &opt, text, this);
}

QSize CSpinEdit::minimumSizeHint() const
{
    return sizeHint();
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const
{
    int v = 0;
    if (!ParseInteger(Text(), v)) return StepUpEnabled | StepDownEnabled;
    StepEnabled e = StepNone;
    if (v < m_nUpper) e |= StepUpEnabled;
    if (v > m_nLower) e |= StepDownEnabled;
    return e;
}

QValidator::State CSpinEdit::validate(QString& input, int&) const
{
    if (!m_bDigitsOnly) return QValidator::Acceptable;
    for (QChar c : input)
        if (c < '0' || c > '9') return QValidator::Invalid;
    return QValidator::Acceptable;
}

bool ParseInteger(const QString& text, int& value)
{
    QString t = text.trimmed();
    if (t.isEmpty()) return false;
    int i = 0;
    if (t[0] == '+' || t[0] == '-') i = 1;
    if (i >= t.size()) return false;
    for (int k = i; k < t.size(); ++k)
        if (t[k] < '0' || t[k] > '9') return false;
    bool ok = false;
    int v = t.toInt(&ok, 10);
    if (!ok) return false;
    value = v;
    return true;
}

namespace {
void Refuse(QLineEdit* field, const CString& text)
{
    AfxMessageBox(text, MB_OK | MB_ICONWARNING, CString(), field ? field->window() : nullptr);
    if (field) {
        field->setFocus();
        field->selectAll();
    }
}
}  // namespace

bool ReadIntegerField(QLineEdit* field, int& value)
{
    if (ParseInteger(field->text(), value)) return true;
    Refuse(field, FromQt(QDialog::tr("Please enter an integer.")));
    return false;
}

bool ReadIntegerField(CSpinEdit* field, int& value)
{
    return ReadIntegerField(field->Edit(), value);
}

bool CheckIntegerRange(CSpinEdit* field, int value, int lo, int hi)
{
    if (value >= lo && value <= hi) return true;
    Refuse(field->Edit(), FromQt(QDialog::tr("Please enter an integer between %1 and %2.").arg(lo).arg(hi)));
    return false;
}

bool CheckDateFields(const QString& date, CSpinEdit* monthField, CSpinEdit* dayField, int month, int day, int year,
                     bool partial)
{
    const DateField wrong = partial ? CheckPartialDate(month, day, year) : CheckDate(month, day, year);
    if (wrong == DateField::None) return true;
    if (wrong == DateField::Month) {
        QString text;
        if (date.isEmpty())
            text = partial ? QDialog::tr("The month must be 1 to 12, or 0 with day 0 when it is not known.")
                           : QDialog::tr("The month must be 1 to 12.");
        else
            text = (partial ? QDialog::tr("The month of \"%1\" must be 1 to 12, or 0 with day 0 when it is not known.")
                            : QDialog::tr("The month of \"%1\" must be 1 to 12."))
                       .arg(date);
        Refuse(monthField->Edit(), FromQt(text));
        return false;
    }
    // The month as the rest of the message's language names it ("February" in English and "C").
    const QString name = QLocale().monthName(month);
    const QString when = year == 0 ? QDialog::tr("%1 without a year").arg(name) : name + " " + QString::number(year);
    const QString days = QString::number(CivilDaysInMonth(month, year));
    Refuse(dayField->Edit(),
           FromQt(date.isEmpty() ? QDialog::tr("The day cannot be %1: %2 has %3 days.").arg(QString::number(day), when, days)
                                 : QDialog::tr("The day of \"%1\" cannot be %2: %3 has %4 days.")
                                       .arg(date, QString::number(day), when, days)));
    return false;
}

void AddOkCancelColumn(QDialog* dlg, QBoxLayout* into, QPushButton*& ok, QPushButton*& cancel)
{
    auto* buttons = new QVBoxLayout;
    ok = new QPushButton(QDialog::tr("OK"), dlg);
    cancel = new QPushButton(QDialog::tr("Cancel"), dlg);
    ok->setDefault(true);
    SetToolTip(ok, QDialog::tr(kTipOk));
    SetToolTip(cancel, QDialog::tr(kTipCancelValues));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    into->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, dlg, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dlg, &QDialog::reject);
}

void FitListToLines(QListWidget* list)
{
    const int wide = list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
    const int most = list->screen() ? list->screen()->availableGeometry().width() / 2 : wide;
    list->setMinimumWidth(std::max(list->minimumWidth(), std::min(wide, most)));
}
