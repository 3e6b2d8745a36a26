// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BirthdayNamesDlg.h"
#include <QCollator>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
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
#include "reminders/Upcoming.h"
#include "view/KinfoldDoc.h"

namespace {
// In the order of the user's language (its collation), by keys made once per line, so that a
// long list sorts quickly; lines that collate alike keep a fixed order by their bytes.
class NameItem : public QListWidgetItem {
public:
    NameItem(const QString& text, const QCollator& collator) : QListWidgetItem(text), m_key(collator.sortKey(text)) {}
    bool operator<(const QListWidgetItem& other) const override
    {
        const auto* o = dynamic_cast<const NameItem*>(&other);
        int c = o ? m_key.compare(o->m_key) : text().compare(other.text(), Qt::CaseInsensitive);
        return c != 0 ? c < 0 : text() < other.text();
    }

private:
    QCollatorSortKey m_key;
};

const int kDateRole = Qt::UserRole + 1;

// The user's language; without one (the "C" locale of a bare session) the common order of
// letters, which sorts "ann" before "Bob" as people expect.
QLocale CollationLocale()
{
    QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

// Draws the entry's date at the right of its line, in the gray of secondary text.
class DateDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QString date = index.data(kDateRole).toString();
        if (date.isEmpty()) return;
        painter->save();
        painter->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                    : QPalette::PlaceholderText));
        painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, date);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += option.fontMetrics.horizontalAdvance(index.data(kDateRole).toString()) + 16;
        return size;
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

CBirthdayNamesDlg::CBirthdayNamesDlg(CKinfoldDoc* doc, QWidget* parent)
    : CKinfoldDialog(parent), m_pDoc(doc), m_Collator(CollationLocale())
{
    setWindowTitle(tr("Birthday Names"));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    m_ctlSearch = new QLineEdit(this);
    m_ctlSearch->setPlaceholderText(tr("Search"));
    m_ctlSearch->setClearButtonEnabled(true);
    SetToolTip(m_ctlSearch, tr("Show only the entries whose text or date holds these letters."));
    left->addWidget(m_ctlSearch);
    m_ctlList = new QListWidget(this);
    m_ctlList->setSortingEnabled(true);
    m_ctlList->setMinimumSize(340, 280);
    m_ctlList->setItemDelegate(new DateDelegate(m_ctlList));
    m_ctlList->setUniformItemSizes(true);
    SetToolTip(m_ctlList, tr("The List of Birthdays."));
    left->addWidget(m_ctlList, 1);
    layout->addLayout(left, 1);

    auto* buttons = new QVBoxLayout;
    m_btnEdit = new QPushButton(tr("Edit"), this);
    m_btnDelete = new QPushButton(tr("Delete"), this);
    m_btnAdd = new QPushButton(tr("Add"), this);
    m_btnOk = new QPushButton(tr("OK"), this);
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    SetToolTip(m_btnEdit, tr("Modify object."));
    SetToolTip(m_btnDelete, tr("Delete selected object."));
    SetToolTip(m_btnAdd, tr("Create a new object."));
    SetToolTip(m_btnOk, QDialog::tr(kTipOk));
    SetToolTip(m_btnCancel, QDialog::tr(kTipCancelValue));
    m_btnOk->setDefault(true);
    for (QPushButton* b : {m_btnOk, m_btnCancel}) buttons->addWidget(b);
    buttons->addSpacing(12);
    for (QPushButton* b : {m_btnEdit, m_btnDelete, m_btnAdd}) buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(m_btnEdit, &QPushButton::clicked, this, &CBirthdayNamesDlg::OnEdit);
    connect(m_btnDelete, &QPushButton::clicked, this, &CBirthdayNamesDlg::OnDelete);
    connect(m_btnAdd, &QPushButton::clicked, this, &CBirthdayNamesDlg::OnAdd);
    connect(m_ctlSearch, &QLineEdit::textChanged, this, &CBirthdayNamesDlg::ApplyFilter);
    connect(m_btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // A double click edits, as the list box's users expect.
    connect(m_ctlList, &QListWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    m_List.SetChooser(PleaseChooseCallback(this));
}

QString EntryDateText(const BirthdayEntry& e)
{
    // A day without a year as the same-name rule writes it.
    return e.year == 0 ? QString::asprintf("--%02d-%02d", e.month, e.day) : QString::fromStdString(IsoDate(e));
}

void CBirthdayNamesDlg::AddLine(const BirthdayEntry& entry, int index)
{
    auto* item = new NameItem(ToQt(entry.DisplayText()), m_Collator);
    item->setData(Qt::UserRole, index);
    item->setData(kDateRole, EntryDateText(entry));
    item->setHidden(!Matches(item));
    // Older lists may hold dates the editor refuses: marked, so that they are found and mended.
    if (index >= 0 && index < m_List.GetCount() && HasImpossibleDate(m_List[index])) {
        item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
        // No taller than a line, so that the list keeps its spacing.
        const int h = m_ctlList->fontMetrics().height();
        m_ctlList->setIconSize(QSize(h, h));
        item->setToolTip(tr(kImpossibleDateTip));
    }
    m_ctlList->addItem(item);
}

bool CBirthdayNamesDlg::Matches(const QListWidgetItem* item) const
{
    const QString filter = m_ctlSearch->text().trimmed();
    return filter.isEmpty() || item->text().contains(filter, Qt::CaseInsensitive) ||
           item->data(kDateRole).toString().contains(filter);
}

void CBirthdayNamesDlg::ApplyFilter()
{
    // Hidden lines stay in the list: OK still puts every entry back.
    for (int row = 0; row < m_ctlList->count(); ++row) {
        QListWidgetItem* item = m_ctlList->item(row);
        item->setHidden(!Matches(item));
        if (item->isHidden() && item->isSelected()) item->setSelected(false);
    }
}

void CBirthdayNamesDlg::OnInitDialog()
{
    m_List.SetSize(0);
    m_ctlList->clear();
    const BirthdayList& docList = m_pDoc->List();
    for (int i = 0; i < docList.GetCount(); ++i) {
        const BirthdayEntry& e = docList[i];
        AddLine(e, m_List.AddOrMerge(e));
    }
    m_ctlList->setFocus();
}

void CBirthdayNamesDlg::EditSelected(bool presetDelete)
{
    QListWidgetItem* item = m_ctlList->currentItem();
    if (!item || !item->isSelected() || item->isHidden()) return;
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
        AddLine(dlg.m_Entry, index);
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
    AddLine(dlg.m_Entry, m_List.AddOrMerge(dlg.m_Entry));
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
