// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OptionsSheet.h"
#include <QDialogButtonBox>
#include <QIcon>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include "app/DialogSupport.h"
#include "app/OptionsPages.h"
#include "app/ReminderDialogs.h"
#include "platform/Locale.h"
#include "platform/Settings.h"
#include "platform/ToolTips.h"
#include "view/KinfoldView.h"

CPropertyPage::CPropertyPage(const QString& title, QWidget* parent) : QWidget(parent), m_strTitle(title) {}

void CPropertyPage::SetModified(bool modified)
{
    if (m_bModified == modified) return;
    m_bModified = modified;
    emit modifiedChanged();
}

void CPropertyPage::Initialise()
{
    if (m_bInitialised) return;
    m_bInitialised = true;
    LoadDisplayOptions(AppSettings(), m_nProfile, m_Options, CurrentLocaleChoices());
    OnInitDialog();
    SetModified(false);
}

COptions::COptions(const QString& caption, CKinfoldView* view, int firstPage)
    : QDialog(view), m_pView(view), m_nFirstPage(firstPage)
{
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    m_ctlTabs = new QTabWidget(this);
    m_pOptions = new CPPOptions(this);
    m_pMargins = new CPPMargins(this);
    m_pFont = new CPPFont(this);
    m_pNames = new CPPNames(this);
    m_pReminders = new CPPReminders(this);
    for (CPropertyPage* p : {(CPropertyPage*)m_pOptions, (CPropertyPage*)m_pMargins, (CPropertyPage*)m_pFont,
                             (CPropertyPage*)m_pNames, (CPropertyPage*)m_pReminders}) {
        m_ctlTabs->addTab(p, p->Title());
        connect(p, &CPropertyPage::modifiedChanged, this, &COptions::UpdateApply);
    }
    layout->addWidget(m_ctlTabs);

    auto* box = new QDialogButtonBox(this);
    m_btnOk = box->addButton(QDialogButtonBox::Ok);
    m_btnCancel = box->addButton(QDialogButtonBox::Cancel);
    m_btnApply = box->addButton(QDialogButtonBox::Apply);
    m_btnOk->setText(tr("OK"));
    m_btnCancel->setText(tr("Cancel"));
    m_btnApply->setText(tr("Apply"));
    // Plain buttons, as in the program's other dialogs.
    for (QPushButton* b : {m_btnOk, m_btnCancel, m_btnApply}) b->setIcon(QIcon());
    m_btnApply->setEnabled(false);
    layout->addWidget(box);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnApply, &QPushButton::clicked, this, [this] { Apply(); });
    // A page reads its values when it is first shown.
    connect(m_ctlTabs, &QTabWidget::currentChanged, this, [this](int i) {
        if (isVisible() && Page(i)) Page(i)->Initialise();
    });
}

CPropertyPage* COptions::Page(int i) const
{
    return qobject_cast<CPropertyPage*>(m_ctlTabs->widget(i));
}

void COptions::SetProfileNumber(int p)
{
    for (int i = 0; i < m_ctlTabs->count(); ++i) Page(i)->SetProfileNumber(p);
}

void COptions::showEvent(QShowEvent* e)
{
    if (m_ctlTabs->currentIndex() != m_nFirstPage && m_nFirstPage >= 0 && m_nFirstPage < m_ctlTabs->count())
        m_ctlTabs->setCurrentIndex(m_nFirstPage);
    if (CPropertyPage* p = Page(m_ctlTabs->currentIndex())) p->Initialise();
    QDialog::showEvent(e);
}

void COptions::UpdateApply()
{
    bool any = false;
    for (int i = 0; i < m_ctlTabs->count(); ++i) any = any || Page(i)->IsModified();
    m_btnApply->setEnabled(any);
}

bool COptions::Apply()
{
    // All pages first take their values, so that a refused value writes nothing at all.
    for (int i = 0; i < m_ctlTabs->count(); ++i) {
        CPropertyPage* p = Page(i);
        if (p->IsInitialised() && !p->DoDataExchange()) {
            m_ctlTabs->setCurrentIndex(i);
            return false;
        }
    }
    for (int i = 0; i < m_ctlTabs->count(); ++i) {
        CPropertyPage* p = Page(i);
        if (!p->IsInitialised()) continue;
        p->OnApply();
        p->SetModified(false);
    }
    if (m_pView) m_pView->LoadDisplayOptions();
    return true;
}

void COptions::accept()
{
    if (Apply()) QDialog::accept();
}
