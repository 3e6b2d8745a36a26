// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Country": picks one of the built-in country holiday sets.
#include "app/DialogSupport.h"

struct CountrySet;
class QListWidget;

class CCountrySetDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CCountrySetDlg(QWidget* parent = nullptr);

    // The set chosen on OK; nullptr before.
    const CountrySet* m_pChosen = nullptr;

    QListWidget* m_ctlList = nullptr;  // one line per set, "United Kingdom (GB)" in the user's language, in table order
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;

protected:
    void OnInitDialog() override;
    bool OnOK() override;
};
