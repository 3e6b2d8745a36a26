// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HolidayListDlg.h"
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QFileDialog>
#include "app/CountrySetDlg.h"
#include "app/KinfoldApp.h"
#include "app/HolidayEditDlg.h"
#include "holidays/CountrySets.h"
#include "holidays/HolidayList.h"
#include "platform/Document.h"
#include "platform/MessageBox.h"
#include "platform/Locale.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"

CHolidayListDlg::CHolidayListDlg(HolidayList& list, QWidget* parent) : CKinfoldDialog(parent), m_List(list)
{
    setWindowTitle(tr("Edit Holliday list"));
    auto* layout = new QHBoxLayout(this);
    m_ctlList = new QListWidget(this);
    m_ctlList->setMinimumSize(240, 300);
    SetToolTip(m_ctlList, tr("List of hollidays."));
    layout->addWidget(m_ctlList, 1);

    auto* buttons = new QVBoxLayout;
    m_btnOk = new QPushButton(tr("OK"), this);
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    m_btnEdit = new QPushButton(tr("Edit"), this);
    m_btnNew = new QPushButton(tr("New"), this);
    m_btnDelete = new QPushButton(tr("Delete"), this);
    m_btnReset = new QPushButton(tr("Reset"), this);
    m_btnCountry = new QPushButton(tr("Country..."), this);
    m_btnFromFile = new QPushButton(tr("From file..."), this);
    m_btnOk->setDefault(true);
    SetToolTip(m_btnOk, QDialog::tr(kTipOk));
    SetToolTip(m_btnCancel, QDialog::tr(kTipCancelValues));
    SetToolTip(m_btnEdit, tr("Screen to change currently selected holliday."));
    SetToolTip(m_btnNew, tr("Screen to enter a new holliday."));
    SetToolTip(m_btnDelete, tr("Remove selected holliday."));
    SetToolTip(m_btnReset, tr("Put in the initial factory settings."));
    SetToolTip(m_btnCountry, tr("Put in the public holidays of a country."));
    SetToolTip(m_btnFromFile, tr("Add the all-day events of a calendar file (.ics)."));
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);
    buttons->addSpacing(12);
    for (QPushButton* b : {m_btnEdit, m_btnNew, m_btnDelete, m_btnReset, m_btnCountry, m_btnFromFile}) buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &CHolidayListDlg::OnCancel);
    connect(m_btnEdit, &QPushButton::clicked, this, &CHolidayListDlg::OnEdit);
    connect(m_btnNew, &QPushButton::clicked, this, &CHolidayListDlg::OnNew);
    connect(m_btnDelete, &QPushButton::clicked, this, &CHolidayListDlg::OnDelete);
    connect(m_btnReset, &QPushButton::clicked, this, &CHolidayListDlg::OnReset);
    connect(m_btnCountry, &QPushButton::clicked, this, &CHolidayListDlg::OnCountry);
    connect(m_btnFromFile, &QPushButton::clicked, this, &CHolidayListDlg::OnFromFile);
    connect(m_ctlList, &QListWidget::itemDoubleClicked, this, [this] { OnEdit(); });
}

void CHolidayListDlg::Refill(int select)
{
    m_ctlList->clear();
    for (const Holiday& h : m_List.Items()) m_ctlList->addItem(ToQt(h.Label()));
    if (select >= 0 && select < m_ctlList->count()) m_ctlList->setCurrentRow(select);
}

int CHolidayListDlg::Selected() const
{
    QListWidgetItem* item = m_ctlList->currentItem();
    return item && item->isSelected() ? m_ctlList->row(item) : -1;
}

void CHolidayListDlg::OnInitDialog()
{
    m_Opened = m_List.Items();
    m_Stored = ReadStoredHolidayRecords(AppSettings());
    m_bCancelled = false;
    Refill();
    FitListToLines(m_ctlList);
    m_ctlList->setFocus();
}

void CHolidayListDlg::OnEdit()
{
    int i = Selected();
    if (i < 0) return;
    Holiday h = m_List.GetAt(i);
    if (!EditHoliday(h, this)) return;
    m_List.SetAt(i, h);
    Refill(i);
}

void CHolidayListDlg::OnNew()
{
    Holiday h;
    if (!EditHoliday(h, this)) return;
    m_List.Add(h);
    Refill(m_List.GetCount() - 1);
}

void CHolidayListDlg::OnDelete()
{
    int i = Selected();
    if (i < 0) return;
    m_List.RemoveAt(i);
    delete m_ctlList->takeItem(i);
}

void CHolidayListDlg::OnReset()
{
    m_List.PutFactoryList(AppSettings(), CurrentLocaleChoices());
    Refill();
}

void CHolidayListDlg::OnCountry()
{
    CCountrySetDlg chooser(this);
    if (chooser.exec() != QDialog::Accepted || !chooser.m_pChosen) return;
    const CountrySet& set = *chooser.m_pChosen;
    int answer = IDYES;
    if (m_List.GetCount() > 0) {
        answer = AfxMessageBox(FromQt(tr("Replace your holidays by those of %1?\n\n"
                                         "Yes replaces the list, No adds them at its end.")
                                          .arg(QCoreApplication::translate("CountrySets", set.name))),
                               MB_YESNOCANCEL | MB_ICONQUESTION);
    }
    if (answer != IDYES && answer != IDNO) return;
    if (answer == IDYES) m_List.RemoveAll();
    const int first = m_List.GetCount();
    for (const Holiday& h : CountrySetHolidays(set)) m_List.Add(h);
    m_List.SaveToSettings(AppSettings());
    Refill(first);
}

void CHolidayListDlg::OnFromFile()
{
    const QString path = CDocFrame::fileDialogHook
                             ? CDocFrame::fileDialogHook(false, QString())
                             : QFileDialog::getOpenFileName(this, tr("From file"), QString(),
                                                            tr("iCalendar files (*.ics *.ical);;All files (*)"));
    if (path.isEmpty()) return;
    const int first = m_List.GetCount();
    std::string line;
    int status = 0;
    const std::string problem = AddHolidaysFromFile(path.toLocal8Bit().toStdString(), m_List, line, status);
    if (!problem.empty()) {
        AfxMessageBox(problem, MB_OK | MB_ICONWARNING, CString(), this);
        return;
    }
    m_List.SaveToSettings(AppSettings());
    Refill(first);
    AfxMessageBox(line, MB_OK | MB_ICONINFORMATION, CString(), this);
}

void CHolidayListDlg::OnCancel()
{
    // Country and Reset wrote to the store already; both go back as well as the list.
    m_List.RemoveAll();
    for (const Holiday& h : m_Opened) m_List.Add(h);
    WriteStoredHolidayRecords(AppSettings(), m_Stored);
    m_bCancelled = true;
    reject();
}

void CHolidayListDlg::done(int result)
{
    // Every change is already in effect; closing by any way but Cancel keeps it.
    if (!m_bCancelled) m_List.SaveToSettings(AppSettings());
    CKinfoldDialog::done(result);
}
