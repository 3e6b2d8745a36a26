// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CountrySetDlg.h"
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include "holidays/CountrySets.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"

CCountrySetDlg::CCountrySetDlg(QWidget* parent) : CKinfoldDialog(parent)
{
    setWindowTitle(tr("Country"));
    auto* layout = new QHBoxLayout(this);
    m_ctlList = new QListWidget(this);
    m_ctlList->setMinimumSize(220, 280);
    SetToolTip(m_ctlList, tr("The public holidays of which country."));
    layout->addWidget(m_ctlList, 1);
    AddOkCancelColumn(this, layout, m_btnOk, m_btnCancel);
    connect(m_ctlList, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

void CCountrySetDlg::OnInitDialog()
{
    m_ctlList->clear();
    for (const CountrySet& set : CountrySets())
        m_ctlList->addItem(QString("%1 (%2)").arg(QCoreApplication::translate("CountrySets", set.name),
                                                  QString::fromUtf8(set.code)));
    FitListToLines(m_ctlList);
    m_ctlList->setCurrentRow(0);
    m_ctlList->setFocus();
}

bool CCountrySetDlg::OnOK()
{
    const int row = m_ctlList->currentRow();
    if (row < 0 || row >= (int)CountrySets().size()) {
        AfxMessageBox(FromQt(tr("Please choose a country.")));
        return false;
    }
    m_pChosen = &CountrySets()[(size_t)row];
    return true;
}
