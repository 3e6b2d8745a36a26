// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Accounts...": the accounts on CardDAV and CalDAV servers, added, edited and removed;
// File > "Sync Now": the document synced with all of them.
#include <vector>
#include "app/DialogSupport.h"
#include "dav/DavClient.h"

class CKinfoldDoc;
class QCheckBox;
class QLabel;
class QListWidget;

// One account: the server's address, the user, the password (for the secret store, never the
// settings), the address books read and whether the birthdays are published.
class CAccountEditDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    CAccountEditDlg(const Account& account, bool isNew, QWidget* parent = nullptr);
    const Account& Result() const { return m_account; }

    QLineEdit* m_ctlServer;
    QLineEdit* m_ctlUser;
    QLineEdit* m_ctlPassword;
    QCheckBox* m_ctlPublish;
    QListWidget* m_ctlBooks;
    QPushButton* m_btnFind;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    // Asks the server what it has, with the fields as they stand; false after telling why not.
    bool Find();
    std::string Password();

    Account m_account;
    bool m_bNew;
    std::string m_foundFor;  // the server and user the books were found for
};

class CAccountsDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CAccountsDlg(QWidget* parent = nullptr);

    QListWidget* m_ctlList;
    QPushButton* m_btnAdd;
    QPushButton* m_btnEdit;
    QPushButton* m_btnRemove;

protected:
    void OnInitDialog() override;

private:
    void Fill();
    void Edit(int row);
    std::vector<Account> m_accounts;
};

// Syncs the document with every account, asking for passwords the secret store does not have
// or the server refused; tells what happened. `atStart`: quiet when there is no account.
void SyncDocumentWithAccounts(QWidget* parent, CKinfoldDoc& doc, bool atStart);
