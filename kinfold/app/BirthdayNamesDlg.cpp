// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BirthdayNamesDlg.h"
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>
#include "app/BirthdayEditDlg.h"
#include "app/PleaseChooseDlg.h"
#include "birthdays/DateCheck.h"
#include "platform/Archive.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"
#include "view/KinfoldDoc.h"

namespace {
// Alphabetical without regard to case, and the same on every machine.
class NameItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override
    {
        int c = text().compare(other.text(), Qt::CaseInsensitive);
        return c != 0 ? c < 0 : text() < other.text();
    }
};

// The entries as stored, in an order of their own: sorting alone is no change.
std::vector<std::string> Contents(const BirthdayList& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.GetCount(); ++i) {
        BirthdayList one;
        one.SetSize(1);
        one.SetAt(0, list[i]);
        CArchive ar;
        one.Serialize(ar);
        out.push_back(ar.Buffer());
    }
    std::sort(out.begin(), out.end());
    return out;
}
}  // namespace

CBirthdayNamesDlg::CBirthdayNamesDlg(CKinfoldDoc* doc, QWidget* parent) : CKinfoldDialog(parent), m_pDoc(doc)
{
    setWindowTitle("Birthday Names");
    auto* layout = new QHBoxLayout(this);
    m_ctlList = new QListWidget(this);
    m_ctlList->setSortingEnabled(true);
    m_ctlList->setMinimumSize(260, 280);
    SetToolTip(m_ctlList, "The List of Birthdays.");
    layout->addWidget(m_ctlList, 1);

    auto* buttons = new QVBoxLayout;
    m_btnEdit = new QPushButton("Edit", this);
    m_btnDelete = new QPushButton("Delete", this);
    m_btnAdd = new QPushButton("Add", this);
    m_btnOk = new QPushButton("OK", this);
    m_btnCancel = new QPushButton("Cancel", this);
    SetToolTip(m_btnEdit, "Modify object.");
    SetToolTip(m_btnDelete, "Delete selected object.");
    SetToolTip(m_btnAdd, "Create a new object.");
    SetToolTip(m_btnOk, kTipOk);
    SetToolTip(m_btnCancel, kTipCancelValue);
    m_btnOk->setDefault(true);
    for (QPushButton* b : {m_btnOk, m_btnCancel}) buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QPushButton* b : {m_btnEdit, m_btnDelete, m_btnAdd}) buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(m_btnEdit, &QPushButton::clicked, this, &CBirthdayNamesDlg::OnEdit);
    connect(m_btnDelete, &QPushButton::clicked, this, &CBirthdayNamesDlg::OnDelete);
    connect(m_btnAdd, &QPushButton::clicked, this, &CBirthdayNamesDlg::OnAdd);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // A double click edits, as the list box's users expect.
    connect(m_ctlList, &QListWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    m_List.SetChooser(PleaseChooseCallback(this));
}

void CBirthdayNamesDlg::AddLine(const CString& text, int index)
{
    auto* item = new NameItem(ToQt(text));
    item->setData(Qt::UserRole, index);
    // Older lists may hold dates the editor refuses: marked, so that they are found and mended.
    if (index >= 0 && index < m_List.GetCount() && HasImpossibleDate(m_List[index])) {
        item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        // No taller than a line, so that the list keeps its spacing.
        const int h = m_ctlList->fontMetrics().height();
        m_ctlList->setIconSize(QSize(h, h));
        item->setToolTip(kImpossibleDateTip);
    }
    m_ctlList->addItem(item);
}

void CBirthdayNamesDlg::OnInitDialog()
{
    m_List.SetSize(0);
    m_ctlList->clear();
    const BirthdayList& docList = m_pDoc->List();
    for (int i = 0; i < docList.GetCount(); ++i) {
        const BirthdayEntry& e = docList[i];
        AddLine(e.DisplayText(), m_List.AddOrMerge(e));
    }
    m_ctlList->setFocus();
}

void CBirthdayNamesDlg::EditSelected(bool presetDelete)
{
    QListWidgetItem* item = m_ctlList->currentItem();
    if (!item || !item->isSelected()) return;
    int index = item->data(Qt::UserRole).toInt();
    if (index < 0 || index >= m_List.GetCount()) return;
    CBirthdayEditDlg dlg(this);
    dlg.m_Entry = m_List.EntryAt(index);
    dlg.m_bDelete = presetDelete;
    if (dlg.exec() != QDialog::Accepted) return;
    // The entry stays in the working list; only the line that points to it goes.
    delete m_ctlList->takeItem(m_ctlList->row(item));
    if (!dlg.m_bDelete) {
        m_List.SetAt(index, dlg.m_Entry);
        AddLine(dlg.m_Entry.DisplayText(), index);
    }
    m_ctlList->update();
}

void CBirthdayNamesDlg::OnEdit()
{
    EditSelected(false);
}

void CBirthdayNamesDlg::OnDelete()
{
    EditSelected(true);
}

void CBirthdayNamesDlg::OnAdd()
{
    CBirthdayEditDlg dlg(this);
    dlg.m_Entry = BirthdayEntry();
    dlg.m_bDelete = false;
    if (dlg.exec() != QDialog::Accepted || dlg.m_bDelete) return;
    AddLine(dlg.m_Entry.DisplayText(), m_List.AddOrMerge(dlg.m_Entry));
}

bool CBirthdayNamesDlg::OnOK()
{
    BirthdayList& docList = m_pDoc->List();
    const std::vector<std::string> before = Contents(docList);
    ScopedPleaseChoose ask(docList, this);
    docList.SetSize(0);
    for (int row = 0; row < m_ctlList->count(); ++row) {
        int index = m_ctlList->item(row)->data(Qt::UserRole).toInt();
        if (index >= 0 && index < m_List.GetCount()) docList.AddOrMerge(m_List[index]);
    }
    docList.SortByDate();
    // An accepted edit is an unsaved change.
    if (Contents(docList) != before) m_pDoc->SetModifiedFlag(true);
    return true;
}
