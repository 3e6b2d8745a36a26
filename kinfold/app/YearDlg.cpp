// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/YearDlg.h"
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include "calendar/CalendarDate.h"
#include "platform/ToolTips.h"

CYearDlg::CYearDlg(QWidget* parent) : CKinfoldDialog(parent)
{
    setWindowTitle(tr("Choose a Year"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Select a year to use"), this), 0, 0, 1, 2);
    m_ctlYear = new CSpinEdit(this);
    // The arrows stay in this range; any whole number can be typed.
    m_ctlYear->SetRange(1900, 2199);
    SetToolTip(m_ctlYear, tr("Enter a year from %1 to %2.").arg(kFirstYear).arg(kLastYear));
    grid->addWidget(m_ctlYear, 1, 0);
    m_ctlMonth = new QComboBox(this);
    m_ctlMonth->addItem(tr("No Change"));
    for (const char* name : MonthNames) m_ctlMonth->addItem(QCoreApplication::translate("CalendarDate", name));
    m_ctlMonth->setMaxVisibleItems(13);
    SetToolTip(m_ctlMonth, tr("Select month."));
    grid->addWidget(m_ctlMonth, 1, 1);

    m_btnOk = new QPushButton(tr("OK"), this);
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    m_btnOk->setDefault(true);
    SetToolTip(m_btnOk, QDialog::tr(kTipOk));
    SetToolTip(m_btnCancel, QDialog::tr(kTipCancelValue));
    grid->addWidget(m_btnOk, 0, 2);
    grid->addWidget(m_btnCancel, 1, 2);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CYearDlg::OnInitDialog()
{
    m_ctlYear->SetValue(m_nYear);
    m_ctlMonth->setCurrentIndex(m_nMonth >= 0 && m_nMonth <= 12 ? m_nMonth : 0);
    m_ctlYear->setFocus();
    m_ctlYear->Edit()->selectAll();
}

bool CYearDlg::OnOK()
{
    int year = 0;
    if (!ReadIntegerField(m_ctlYear, year)) return false;
    // Year 0 is taken as 1 by the view; beyond the range the calendar would be wrong.
    if (!CheckIntegerRange(m_ctlYear, year, kFirstYear, kLastYear)) return false;
    m_nYear = year;
    int sel = m_ctlMonth->currentIndex();
    if (sel >= 1 && sel <= 12) m_nMonth = sel;
    return true;
}
