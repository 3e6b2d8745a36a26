// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tree filled from depth-tagged items (CTreeControl) and its variant with tri-state check marks (CTreeCheck).
#include <map>
#include <utility>
#include <vector>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>
#include "kestrum/export.h"
#include "platform/CString.h"

using HTREEITEM = QTreeWidgetItem*;

// What a CTreeCheck posts to its parent window after a check changes.
class KESTRUM_API CTreeNotifyEvent : public QEvent {
public:
    static constexpr int kCode = 0x300;

    CTreeNotifyEvent(unsigned long wParam, long lParam);
    // A user event type registered once per process.
    static QEvent::Type EventType();

    int Code() const { return kCode; }
    unsigned long WParam() const { return m_wParam; } // the item's data
    long LParam() const { return m_lParam; }          // 2 x selected + checked

private:
    unsigned long m_wParam;
    long m_lParam;
};

class KESTRUM_API CTreeControl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CTreeControl(QWidget* parent = nullptr);
    ~CTreeControl() override;

    // Appends an item of the given depth under the last item added one level up, sorted among its siblings.
    HTREEITEM AddItem(int depth, const char* text, unsigned long data);

    // By position in depth-first order from 0. GetText returns the item's depth, or -1 when there is none.
    int GetText(int i, CString& text);
    int GetTextLen(int i);
    long GetData(unsigned i);

    int UnChecked() const { return m_nUnChecked; }
    int Checked() const { return m_nChecked; }
    int Both() const { return m_nBoth; }
    int UnCheckedSel() const { return m_nUnCheckedSel; }
    int CheckedSel() const { return m_nCheckedSel; }
    int BothSel() const { return m_nBothSel; }
    int Closed() const { return m_nClosed; }
    int Open() const { return m_nOpen; }
    int ClosedSel() const { return m_nClosedSel; }
    int OpenSel() const { return m_nOpenSel; }

    // Tree-view access by handle.
    int GetCount() const;
    CString GetItemText(HTREEITEM item) const;
    unsigned long GetItemData(HTREEITEM item) const;
    bool GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    void SetItemImage(HTREEITEM item, int image, int selectedImage);
    int GetCheck(HTREEITEM item) const; // 1 checked, 0 not
    HTREEITEM GetSelectedItem() const { return currentItem(); }
    // The item last toggled or selected.
    HTREEITEM GetCurrentItem() const { return m_hCurrent; }

    // The eleven 15 x 15 pictures in index order.
    const std::vector<QPixmap>& GetImageList() const { return m_ImageList; }

protected:
    HTREEITEM ItemFromIndex(unsigned i);
    HTREEITEM Find(HTREEITEM item, int& n);
    void SetCheckState(HTREEITEM item, int state);
    // Called for each item the inherited tree calls are about to delete, so no handle is kept past it.
    virtual void ForgetItem(HTREEITEM item);

    HTREEITEM m_hCurrent = nullptr;

private:
    QIcon IconFor(int image, int selectedImage);

    std::vector<QPixmap> m_ImageList;
    std::vector<HTREEITEM> m_Levels;
    int m_nUnChecked, m_nChecked, m_nBoth, m_nUnCheckedSel, m_nCheckedSel, m_nBothSel;
    int m_nClosed, m_nOpen, m_nClosedSel, m_nOpenSel, m_nBlank;
    bool m_bHasItems = false;
    int m_nDepth = 0;
    std::map<std::pair<int, int>, QIcon> m_Icons;
};

class KESTRUM_API CTreeCheck : public CTreeControl {
    Q_OBJECT
public:
    explicit CTreeCheck(QWidget* parent = nullptr);
    ~CTreeCheck() override;

    // Sets the item and its whole subtree; its ancestors' pictures follow.
    void SetCheck(HTREEITEM item, int state);
    // Calls fn for every descendant of item, children before their parent; no item: the whole tree.
    void Transverse(void* context, HTREEITEM item, void (*fn)(void*, HTREEITEM));

    // Set by every toggle, put back by an undone click.
    bool GetChanged() const { return m_bChanged; }
    void SetChanged(bool changed) { m_bChanged = changed; }

protected:
    void OnToggleCheck(HTREEITEM item);
    void ReflectChild(HTREEITEM item);
    void OnClick(HTREEITEM item);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void ForgetItem(HTREEITEM item) override;

private:
    void UnDoClick();
    void SetImages(HTREEITEM item);
    void ReflectAncestors(HTREEITEM item);
    void Notify(HTREEITEM item, long lParam);

    std::vector<std::pair<HTREEITEM, int>> m_Click;
    bool m_bRecording = false;
    bool m_bChanged = false;
    bool m_bChangedCopy = false;
    bool m_bExpanding = false;    // the mouse event being handled expanded or collapsed an item
    bool m_bDoubleClick = false;
    HTREEITEM m_hPressed = nullptr;
};
