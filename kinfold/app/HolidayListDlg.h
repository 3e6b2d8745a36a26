// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Edit Holliday list": the holidays in list order with Edit, New, Delete and Reset. It works on
// the live list and stores it when it closes, by OK, Escape or the close box; Cancel puts back the
// list and the stored list as they were when the dialog opened.
#include <vector>
#include "app/DialogSupport.h"
#include "holidays/HolidayList.h"
class QListWidget;

class CHolidayListDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CHolidayListDlg(HolidayList& list, QWidget* parent = nullptr);

    void OnEdit();
    void OnNew();
    void OnDelete();
    void OnReset();
    // Puts in a country's set, replacing the list or after it (the user is asked), and saves.
    void OnCountry();
    // Adds the all-day events of an iCalendar file the user chooses, and saves.
    void OnFromFile();
    void OnCancel();

    void done(int result) override;

    QListWidget* m_ctlList = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnEdit = nullptr;
    QPushButton* m_btnNew = nullptr;
    QPushButton* m_btnDelete = nullptr;
    QPushButton* m_btnReset = nullptr;
    QPushButton* m_btnCountry = nullptr;
    QPushButton* m_btnFromFile = nullptr;

protected:
    void OnInitDialog() override;

private:
    void Refill(int select = -1);
    int Selected() const;

    HolidayList& m_List;
    // What Cancel puts back: the list, and the stored count and records, as on opening.
    std::vector<Holiday> m_Opened;
    StoredHolidayRecords m_Stored;
    bool m_bCancelled = false;
};
