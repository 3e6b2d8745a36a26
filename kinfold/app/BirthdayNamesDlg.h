// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Birthday Names": every entry of the document by its text, with Edit, Delete and Add. The
// dialog works on its own copy of the list; OK puts the copy back into the document.
#include "app/DialogSupport.h"
#include "birthdays/BirthdayList.h"

class CKinfoldDoc;
class QListWidget;

// The tip of a line whose entry has a date that cannot be.
inline constexpr const char* kImpossibleDateTip = "A date of this entry cannot be: Edit to mend it.";

class CBirthdayNamesDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CBirthdayNamesDlg(CKinfoldDoc* doc, QWidget* parent = nullptr);

    void OnEdit();
    void OnDelete();
    void OnAdd();

    // The working list; each list-box line carries the index of its entry here.
    BirthdayList m_List;

    QListWidget* m_ctlList = nullptr;
    QPushButton* m_btnEdit = nullptr;
    QPushButton* m_btnDelete = nullptr;
    QPushButton* m_btnAdd = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    void AddLine(const CString& text, int index);
    void EditSelected(bool presetDelete);

    CKinfoldDoc* m_pDoc;
};
