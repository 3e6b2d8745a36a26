// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/tree.h"

#include <vector>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

CTreeCheck::CTreeCheck(QWidget* parent) : CTreeControl(parent)
{
    auto expanded = [this](QTreeWidgetItem*) { m_bExpanding = true; };
    connect(this, &QTreeWidget::itemExpanded, this, expanded);
    connect(this, &QTreeWidget::itemCollapsed, this, expanded);
}

CTreeCheck::~CTreeCheck()
{
    disconnect(model(), nullptr, this, nullptr); // no removal may reach the members gone with this part
}

void CTreeCheck::SetImages(HTREEITEM item)
{
    if (GetCheck(item))
        SetItemImage(item, Checked(), CheckedSel());
    else
        SetItemImage(item, UnChecked(), UnCheckedSel());
}

void CTreeCheck::ReflectAncestors(HTREEITEM item)
{
    for (HTREEITEM p = item->parent(); p; p = p->parent())
        ReflectChild(p);
}

void CTreeCheck::SetCheck(HTREEITEM item, int state)
{
    if (!item)
        return;
    state = state ? 1 : 0;
    for (int c = 0; c < item->childCount(); ++c)
        SetCheck(item->child(c), state);
    if (m_bRecording)
        m_Click.emplace_back(item, GetCheck(item));
    SetCheckState(item, state);
    SetImages(item);
    ReflectAncestors(item);
    m_hCurrent = item;
}

void CTreeCheck::ReflectChild(HTREEITEM item)
{
    int checked = 0, unchecked = 0;
    for (int c = 0; c < item->childCount(); ++c) {
        HTREEITEM child = item->child(c);
        int image = 0, selected = 0;
        GetItemImage(child, image, selected);
        // A child that is itself mixed makes its parent mixed, whatever its own check says.
        if (image == Both()) {
            ++checked;
            ++unchecked;
        } else if (GetCheck(child)) {
            ++checked;
        } else {
            ++unchecked;
        }
    }
    if (checked + unchecked == 0)
        return;
    if (unchecked == 0)
        SetItemImage(item, Checked(), CheckedSel());
    else if (checked == 0)
        SetItemImage(item, UnChecked(), UnCheckedSel());
    else
        SetItemImage(item, Both(), BothSel());
}

void CTreeCheck::Transverse(void* context, HTREEITEM item, void (*fn)(void*, HTREEITEM))
{
    if (!fn)
        return;
    auto walk = [&](auto& self, HTREEITEM x) -> void {
        for (int c = 0; c < x->childCount(); ++c)
            self(self, x->child(c));
        fn(context, x);
    };
    if (item) {
        for (int c = 0; c < item->childCount(); ++c)
            walk(walk, item->child(c));
    } else {
        for (int t = 0; t < topLevelItemCount(); ++t)
            walk(walk, topLevelItem(t));
    }
}

void CTreeCheck::Notify(HTREEITEM item, long lParam)
{
    QWidget* parent = parentWidget();
    if (!parent || !item)
        return;
    QCoreApplication::postEvent(parent, new CTreeNotifyEvent(GetItemData(item), lParam));
}

void CTreeCheck::OnToggleCheck(HTREEITEM item)
{
    if (!item)
        return;
    SetCheck(item, !GetCheck(item));
    m_bChanged = true;
    Notify(m_hCurrent, 2 * (m_hCurrent->isSelected() ? 1 : 0) + GetCheck(m_hCurrent));
}

void CTreeCheck::OnClick(HTREEITEM item)
{
    m_Click.clear();
    m_bChangedCopy = m_bChanged;
    m_bRecording = true;
    OnToggleCheck(item);
    m_bRecording = false;
}

void CTreeCheck::UnDoClick()
{
    if (m_Click.empty())
        return;
    for (auto it = m_Click.rbegin(); it != m_Click.rend(); ++it) {
        SetCheckState(it->first, it->second);
        SetImages(it->first);
        ReflectAncestors(it->first);
    }
    // The parent hears about the item the click toggled (recorded after its subtree), not a descendant.
    const auto clicked = m_Click.back();
    m_Click.clear();
    m_bChanged = m_bChangedCopy;
    Notify(clicked.first, clicked.second);
}

// Qt moves the selection on the press, so the item pressed and released on is the one a click toggles.
void CTreeCheck::mousePressEvent(QMouseEvent* event)
{
    if (m_bDoubleClick) { // the view passes a double click on an expand button on as a press
        CTreeControl::mousePressEvent(event);
        return;
    }
    m_Click.clear();
    m_hPressed = nullptr;
    m_bExpanding = false;
    HTREEITEM item = itemAt(event->position().toPoint());
    CTreeControl::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && item && !m_bExpanding)
        m_hPressed = item;
    m_bExpanding = false;
}

void CTreeCheck::mouseReleaseEvent(QMouseEvent* event)
{
    HTREEITEM pressed = m_hPressed;
    m_hPressed = nullptr;
    CTreeControl::mouseReleaseEvent(event);
    if (pressed && event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) == pressed)
        OnClick(pressed);
}

// The first click of a double click has toggled its item; when the second expands or collapses it,
// that toggle is taken back, as an expand click changes no check.
void CTreeCheck::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_hPressed = nullptr;
    m_bExpanding = false;
    m_bDoubleClick = true;
    CTreeControl::mouseDoubleClickEvent(event);
    m_bDoubleClick = false;
    if (m_bExpanding)
        UnDoClick();
    m_bExpanding = false;
}

void CTreeCheck::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) && currentItem()) {
        m_Click.clear();
        OnToggleCheck(currentItem());
        return;
    }
    CTreeControl::keyPressEvent(event);
}

void CTreeCheck::ForgetItem(HTREEITEM item)
{
    std::erase_if(m_Click, [item](const auto& record) { return record.first == item; });
    if (m_hPressed == item)
        m_hPressed = nullptr;
    CTreeControl::ForgetItem(item);
}
