// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/tree.h"

#include <QByteArray>
#include <QHeaderView>
#include <QTreeWidgetItemIterator>

#include "platform/TextCodec.h"
#include "tree/TreeImages.h"

namespace {
enum Role {
    DataRole = Qt::UserRole,    // the client's data
    BytesRole,                  // the text as given, 8-bit
    CheckRole,                  // 0 or 1; the pictures only show it
    ImageRole,
    SelectedImageRole,
};

int Depth(HTREEITEM item)
{
    int depth = 0;
    for (HTREEITEM p = item->parent(); p; p = p->parent())
        ++depth;
    return depth;
}
} // namespace

CTreeNotifyEvent::CTreeNotifyEvent(unsigned long wParam, long lParam)
    : QEvent(EventType()), m_wParam(wParam), m_lParam(lParam)
{
}

QEvent::Type CTreeNotifyEvent::EventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

CTreeControl::CTreeControl(QWidget* parent)
    : QTreeWidget(parent), m_ImageList(MakeTreeImages()),
      m_nUnChecked(1), m_nChecked(2), m_nBoth(3), m_nUnCheckedSel(4), m_nCheckedSel(5), m_nBothSel(6),
      m_nClosed(7), m_nOpen(8), m_nClosedSel(9), m_nOpenSel(10), m_nBlank(0)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(15, 15));
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
        if (current)
            m_hCurrent = current;
    });
    // Nothing here removes items, but the inherited calls (clear, takeTopLevelItem, delete) can.
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                HTREEITEM owner = parent.isValid() ? itemFromIndex(parent) : nullptr;
                auto forget = [this](auto& self, HTREEITEM item) -> void {
                    for (int c = 0; c < item->childCount(); ++c)
                        self(self, item->child(c));
                    ForgetItem(item);
                };
                for (int row = first; row <= last; ++row)
                    if (HTREEITEM item = owner ? owner->child(row) : topLevelItem(row))
                        forget(forget, item);
            });
}

CTreeControl::~CTreeControl()
{
    disconnect(model(), nullptr, this, nullptr); // the model outlives this part of the object
}

QIcon CTreeControl::IconFor(int image, int selectedImage)
{
    auto key = std::make_pair(image, selectedImage);
    auto it = m_Icons.find(key);
    if (it != m_Icons.end())
        return it->second;
    QIcon icon;
    const int n = static_cast<int>(m_ImageList.size());
    if (image >= 0 && image < n)
        icon.addPixmap(m_ImageList[image], QIcon::Normal);
    if (selectedImage >= 0 && selectedImage < n)
        icon.addPixmap(m_ImageList[selectedImage], QIcon::Selected);
    m_Icons.emplace(key, icon);
    return icon;
}

HTREEITEM CTreeControl::AddItem(int depth, const char* text, unsigned long data)
{
    if (depth < 0)
        depth = 0;
    // A shallower item ends the deeper branches, so later items never land under a stale parent.
    if (m_Levels.size() > static_cast<size_t>(depth))
        m_Levels.resize(depth);

    auto insert = [this](HTREEITEM parent, const QByteArray& bytes, unsigned long value) {
        const QString shown = ToQt(CString(bytes.constData(), bytes.size()));
        auto* item = new QTreeWidgetItem;
        item->setText(0, shown);
        item->setData(0, BytesRole, bytes);
        item->setData(0, DataRole, QVariant::fromValue<qulonglong>(value));
        item->setData(0, CheckRole, 0);
        SetItemImage(item, m_nBlank, m_nBlank);
        // Sorted by text among its siblings; equal texts keep their order of adding.
        const int count = parent ? parent->childCount() : topLevelItemCount();
        int at = 0;
        while (at < count) {
            HTREEITEM sibling = parent ? parent->child(at) : topLevelItem(at);
            if (QString::compare(sibling->text(0), shown, Qt::CaseInsensitive) > 0)
                break;
            ++at;
        }
        if (parent)
            parent->insertChild(at, item);
        else
            insertTopLevelItem(at, item);
        return item;
    };

    while (m_Levels.size() < static_cast<size_t>(depth)) {
        HTREEITEM parent = m_Levels.empty() ? nullptr : m_Levels.back();
        m_Levels.push_back(insert(parent, QByteArray("  "), 9999));
    }
    HTREEITEM parent = depth == 0 ? nullptr : m_Levels[depth - 1];
    HTREEITEM item = insert(parent, QByteArray(text ? text : ""), data);
    m_Levels.push_back(item);

    if (!m_bHasItems) {
        m_bHasItems = true;
        m_hCurrent = item;
        setCurrentItem(item);
    }
    SetItemImage(item, m_nOpen, m_nOpen);
    return item;
}

HTREEITEM CTreeControl::Find(HTREEITEM item, int& n)
{
    if (--n == 0) {
        m_nDepth = Depth(item);
        return item;
    }
    for (int c = 0; c < item->childCount(); ++c)
        if (HTREEITEM found = Find(item->child(c), n))
            return found;
    return nullptr;
}

HTREEITEM CTreeControl::ItemFromIndex(unsigned i)
{
    if (i >= static_cast<unsigned>(GetCount()))
        return nullptr;
    int n = static_cast<int>(i) + 1;
    for (int t = 0; t < topLevelItemCount(); ++t)
        if (HTREEITEM found = Find(topLevelItem(t), n))
            return found;
    return nullptr;
}

int CTreeControl::GetText(int i, CString& text)
{
    HTREEITEM item = i < 0 ? nullptr : ItemFromIndex(static_cast<unsigned>(i));
    if (!item)
        return -1;
    text = GetItemText(item);
    return m_nDepth;
}

int CTreeControl::GetTextLen(int i)
{
    HTREEITEM item = i < 0 ? nullptr : ItemFromIndex(static_cast<unsigned>(i));
    return item ? static_cast<int>(GetItemText(item).size()) : 0;
}

long CTreeControl::GetData(unsigned i)
{
    HTREEITEM item = ItemFromIndex(i);
    return item ? static_cast<long>(GetItemData(item)) : 0;
}

int CTreeControl::GetCount() const
{
    int count = 0;
    for (QTreeWidgetItemIterator it(const_cast<CTreeControl*>(this)); *it; ++it)
        ++count;
    return count;
}

CString CTreeControl::GetItemText(HTREEITEM item) const
{
    if (!item)
        return CString();
    const QByteArray bytes = item->data(0, BytesRole).toByteArray();
    return CString(bytes.constData(), bytes.size());
}

unsigned long CTreeControl::GetItemData(HTREEITEM item) const
{
    return item ? static_cast<unsigned long>(item->data(0, DataRole).toULongLong()) : 0;
}

bool CTreeControl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const
{
    if (!item)
        return false;
    image = item->data(0, ImageRole).toInt();
    selectedImage = item->data(0, SelectedImageRole).toInt();
    return true;
}

void CTreeControl::SetItemImage(HTREEITEM item, int image, int selectedImage)
{
    if (!item)
        return;
    item->setData(0, ImageRole, image);
    item->setData(0, SelectedImageRole, selectedImage);
    item->setIcon(0, IconFor(image, selectedImage));
}

int CTreeControl::GetCheck(HTREEITEM item) const
{
    return item && item->data(0, CheckRole).toInt() ? 1 : 0;
}

void CTreeControl::SetCheckState(HTREEITEM item, int state)
{
    if (item)
        item->setData(0, CheckRole, state ? 1 : 0);
}

void CTreeControl::ForgetItem(HTREEITEM item)
{
    for (size_t k = 0; k < m_Levels.size(); ++k)
        if (m_Levels[k] == item) {
            m_Levels.resize(k);
            break;
        }
    if (m_hCurrent == item)
        m_hCurrent = nullptr;
}
