// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Birthday Names": every entry of the document by its text, with its date beside it, in the
// order of the user's language, with a search field and Edit, Delete and Add. The dialog works
// on its own copy of the list; OK puts the copy back into the document.
#include <QCollator>
#include "app/DialogSupport.h"
#include "birthdays/BirthdayList.h"

class CKinfoldDoc;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

// The tip of a line whose entry has a date that cannot be.
inline constexpr const char* kImpossibleDateTip =
    QT_TRANSLATE_NOOP("CBirthdayNamesDlg", "A date of this entry cannot be: Edit to mend it.");

class CBirthdayNamesDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CBirthdayNamesDlg(CKinfoldDoc* doc, QWidget* parent = nullptr);

    void OnEdit();
    void OnDelete();
    void OnAdd();

    // The working list; each list-box line carries the index of its entry here.
    BirthdayList m_List;

    QLineEdit* m_ctlSearch = nullptr;  // filters the lines as the user types
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
    void AddLine(const BirthdayEntry& entry, int index);
    bool Matches(const QListWidgetItem* item) const;
    void ApplyFilter();
    void EditSelected(bool presetDelete);

    CKinfoldDoc* m_pDoc;
    QCollator m_Collator;  // the user's language, as the list opens
};

// "1950-01-12", or "--01-12" for a day without a year.
QString EntryDateText(const BirthdayEntry& entry);
