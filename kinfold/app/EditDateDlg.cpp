// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EditDateDlg.h"
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include "calendar/CalendarDate.h"
#include "platform/ToolTips.h"

CEditDateDlg::CEditDateDlg(QWidget* parent) : CKinfoldDialog(parent)
{
    setWindowTitle("Enter Date");
    auto* layout = new QHBoxLayout(this);
    auto* form = new QFormLayout;
    // Digits only: no sign can be typed.
    m_ctlYear = new CSpinEdit(this, true);
    m_ctlMonth = new CSpinEdit(this, true);
    m_ctlDay = new CSpinEdit(this, true);
    m_ctlYear->SetRange(1970, 2038);
    m_ctlMonth->SetRange(0, 12);
    m_ctlDay->SetRange(0, 31);
    form->addRow("Year", m_ctlYear);
    form->addRow("Month", m_ctlMonth);
    form->addRow("Day", m_ctlDay);
    SetToolTip(m_ctlYear, "Set desired year, do not abbreviate.");
    SetToolTip(m_ctlMonth, "Set month number (1-12).");
    SetToolTip(m_ctlDay, "Set day of month (1-31).");
    layout->addLayout(form);

    AddOkCancelColumn(this, layout, m_btnOk, m_btnCancel);
}

void CEditDateDlg::OnInitDialog()
{
    m_ctlYear->SetValue(m_nYear);
    m_ctlMonth->SetValue(m_nMonth);
    m_ctlDay->SetValue(m_nDay);
    m_ctlYear->setFocus();
    m_ctlYear->Edit()->selectAll();
}

bool CEditDateDlg::OnOK()
{
    int year = 0, month = 0, day = 0;
    if (!ReadIntegerField(m_ctlYear, year)) return false;
    if (!ReadIntegerField(m_ctlMonth, month) || !CheckIntegerRange(m_ctlMonth, month, 0, 12)) return false;
    if (!ReadIntegerField(m_ctlDay, day) || !CheckIntegerRange(m_ctlDay, day, 0, 31)) return false;
    // Month 0 is no date at all (it turns the day count off); any other must exist.
    if (month != 0 && !CheckDateFields(QString(), m_ctlMonth, m_ctlDay, month, day, year)) return false;
    m_nYear = year;
    m_nMonth = month;
    m_nDay = day;
    return true;
}

void EditDate(CalendarDate& date, QWidget* parent)
{
    CEditDateDlg dlg(parent);
    dlg.m_nYear = date.year;
    dlg.m_nMonth = date.month;
    dlg.m_nDay = date.day;
    if (dlg.exec() != QDialog::Accepted) return;
    date.year = dlg.m_nYear;
    date.month = dlg.m_nMonth;
    date.day = dlg.m_nDay;
}
