// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AccountsDlg.h"
#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <ctime>
#include "dav/AccountSync.h"
#include "dav/KeychainSecrets.h"
#include "dav/QtDavTransport.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"
#include "view/KinfoldDoc.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.trimmed().toStdString(); }

// The network waits in an event loop of its own; the busy cursor says why the window waits.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

CAccountEditDlg::CAccountEditDlg(const Account& account, bool isNew, QWidget* parent)
    : CKinfoldDialog(parent), m_account(account), m_bNew(isNew)
{
    setWindowTitle(isNew ? tr("Add Account") : tr("Edit Account"));
    auto* layout = new QHBoxLayout(this);
    auto* form = new QFormLayout;
    m_ctlServer = new QLineEdit(this);
    m_ctlServer->setMinimumWidth(320);
    SetToolTip(m_ctlServer, tr("The server's address (https://dav.example.org/), or the address of one address book."));
    m_ctlUser = new QLineEdit(this);
    m_ctlPassword = new QLineEdit(this);
    m_ctlPassword->setEchoMode(QLineEdit::Password);
    if (!isNew) m_ctlPassword->setPlaceholderText(tr("unchanged"));
    SetToolTip(m_ctlPassword, tr("Kept in the desktop's secret store, never in a file."));
    m_ctlPublish = new QCheckBox(tr("Publish the birthdays to the calendar \"Birthdays\""), this);
    m_ctlBooks = new QListWidget(this);
    m_ctlBooks->setMinimumHeight(110);
    SetToolTip(m_ctlBooks, tr("The address books read; when all are ticked, new ones are read too."));
    m_btnFind = new QPushButton(tr("&Find Address Books"), this);
    form->addRow(tr("&Server:"), m_ctlServer);
    form->addRow(tr("&User name:"), m_ctlUser);
    form->addRow(tr("&Password:"), m_ctlPassword);
    form->addRow(m_btnFind);
    form->addRow(tr("Address books:"), m_ctlBooks);
    form->addRow(m_ctlPublish);
    layout->addLayout(form, 1);
    AddOkCancelColumn(this, layout, m_btnOk, m_btnCancel);
    connect(m_btnFind, &QPushButton::clicked, this, [this] { Find(); });
}

void CAccountEditDlg::OnInitDialog()
{
    m_ctlServer->setText(Q(m_account.server));
    m_ctlUser->setText(Q(m_account.user));
    m_ctlPassword->clear();
    m_ctlPublish->setChecked(m_account.publish);
    m_ctlBooks->clear();
    for (const std::string& url : m_account.books) {
        auto* item = new QListWidgetItem(Q(url), m_ctlBooks);
        item->setData(Qt::UserRole, Q(url));
        item->setCheckState(Qt::Checked);
    }
    m_foundFor.clear();
    m_ctlServer->setFocus();
}

std::string CAccountEditDlg::Password()
{
    if (!m_ctlPassword->text().isEmpty() || m_bNew) return m_ctlPassword->text().toStdString();
    std::string password, error;
    AppSecrets().Read(m_account.SecretKey(), password, error);
    return password;
}

bool CAccountEditDlg::Find()
{
    const std::string server = S(m_ctlServer->text()), user = S(m_ctlUser->text());
    if (server.empty() || user.empty()) {
        AfxMessageBox(FromQt(tr("Please give the server's address and your user name.")));
        return false;
    }
    if (AddressHasPassword(server)) {
        AfxMessageBox(FromQt(tr("Please take the password out of the server's address and give it under Password.")));
        m_ctlServer->setFocus();
        return false;
    }
    DavFindings found;
    DavFault fault;
    {
        BusyCursor busy;
        QtDavTransport transport(user, Password());
        if (!DavClient(transport).Discover(server, found, fault)) {
            AfxMessageBox(fault.message + ".", MB_OK | MB_ICONERROR, CString(), this);
            if (fault.PasswordRefused()) m_ctlPassword->setFocus();
            return false;
        }
    }
    // Books chosen before stay chosen; with none chosen before, every book is.
    std::vector<std::string> chosen = m_account.books;
    m_ctlBooks->clear();
    for (const DavCollection& book : found.books) {
        auto* item = new QListWidgetItem(Q(book.name.empty() ? book.url : book.name + " (" + book.url + ")"), m_ctlBooks);
        item->setData(Qt::UserRole, Q(book.url));
        const bool on = chosen.empty() || std::find(chosen.begin(), chosen.end(), book.url) != chosen.end();
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    if (found.books.empty()) new QListWidgetItem(tr("(no address book on this server)"), m_ctlBooks);
    m_foundFor = server + "\n" + user;
    return true;
}

bool CAccountEditDlg::OnOK()
{
    // The server is asked first: nothing is kept for an address or password it refuses.
    if (m_foundFor != S(m_ctlServer->text()) + "\n" + S(m_ctlUser->text()) || !m_ctlPassword->text().isEmpty()) {
        if (!Find()) return false;
    }
    std::vector<std::string> books;
    bool all = true;
    for (int i = 0; i < m_ctlBooks->count(); ++i) {
        QListWidgetItem* item = m_ctlBooks->item(i);
        if (item->data(Qt::UserRole).toString().isEmpty()) continue;
        if (item->checkState() == Qt::Checked) books.push_back(S(item->data(Qt::UserRole).toString()));
        else all = false;
    }
    if (!all && books.empty() && !m_ctlPublish->isChecked()) {
        AfxMessageBox(FromQt(tr("Please tick an address book, or publish the birthdays.")));
        return false;
    }
    Account edited = m_account;
    edited.server = S(m_ctlServer->text());
    edited.user = S(m_ctlUser->text());
    edited.publish = m_ctlPublish->isChecked();
    edited.books = all ? std::vector<std::string>() : books;
    std::string password = m_ctlPassword->text().toStdString();
    // A new address or user keeps the stored password the server was just asked with.
    if (password.empty() && !m_bNew && edited.SecretKey() != m_account.SecretKey()) password = Password();
    m_account = edited;
    if (!password.empty()) {
        std::string error;
        if (AppSecrets().Write(m_account.SecretKey(), password, error) != ISecretStore::Ok)
            AfxMessageBox(FromQt(tr("The password cannot be kept: %1. Kinfold will ask for it at each sync.").arg(Q(error))),
                          MB_OK | MB_ICONINFORMATION, CString(), this);
    }
    return true;
}

CAccountsDlg::CAccountsDlg(QWidget* parent) : CKinfoldDialog(parent)
{
    setWindowTitle(tr("Accounts"));
    auto* layout = new QHBoxLayout(this);
    m_ctlList = new QListWidget(this);
    m_ctlList->setMinimumSize(560, 160);
    SetToolTip(m_ctlList, tr("Address books read into the list, and calendars the birthdays are published to."));
    layout->addWidget(m_ctlList, 1);
    auto* column = new QVBoxLayout;
    m_btnAdd = new QPushButton(tr("&Add..."), this);
    m_btnEdit = new QPushButton(tr("&Edit..."), this);
    m_btnRemove = new QPushButton(tr("&Remove"), this);
    auto* close = new QPushButton(tr("Close"), this);
    for (QPushButton* b : {m_btnAdd, m_btnEdit, m_btnRemove}) column->addWidget(b);
    column->addStretch(1);
    column->addWidget(close);
    layout->addLayout(column);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnAdd, &QPushButton::clicked, this, [this] { Edit(-1); });
    connect(m_btnEdit, &QPushButton::clicked, this, [this] { Edit(m_ctlList->currentRow()); });
    connect(m_ctlList, &QListWidget::itemDoubleClicked, this, [this] { Edit(m_ctlList->currentRow()); });
    connect(m_btnRemove, &QPushButton::clicked, this, [this] {
        const int row = m_ctlList->currentRow();
        if (row < 0 || row >= (int)m_accounts.size()) return;
        if (AfxMessageBox(FromQt(tr("Remove the account %1? The entries it brought stay in the list.")
                                     .arg(Q(AccountLabel(m_accounts[(size_t)row])))),
                          MB_YESNO | MB_ICONQUESTION, CString(), this) != IDYES)
            return;
        std::string error;
        AppSecrets().Remove(m_accounts[(size_t)row].SecretKey(), error);
        m_accounts.erase(m_accounts.begin() + row);
        SaveAccounts(AppSettings(), m_accounts);
        Fill();
    });
}

void CAccountsDlg::OnInitDialog()
{
    m_accounts = LoadAccounts(AppSettings());
    Fill();
}

void CAccountsDlg::Fill()
{
    m_ctlList->clear();
    for (const Account& a : m_accounts) {
        const QString books = a.books.empty() ? tr("every address book") : tr("%n address book(s)", nullptr, (int)a.books.size());
        m_ctlList->addItem(Q(AccountLabel(a)) + " - " + books + (a.publish ? tr(", publishes \"Birthdays\"") : QString()));
    }
    m_ctlList->setCurrentRow(m_accounts.empty() ? -1 : 0);
    m_btnEdit->setEnabled(!m_accounts.empty());
    m_btnRemove->setEnabled(!m_accounts.empty());
}

void CAccountsDlg::Edit(int row)
{
    const bool isNew = row < 0 || row >= (int)m_accounts.size();
    CAccountEditDlg dlg(isNew ? Account() : m_accounts[(size_t)row], isNew, this);
    if (dlg.exec() != QDialog::Accepted) return;
    Account a = dlg.Result();
    // A new address or user starts afresh: what was seen belongs to the old one.
    if (!isNew && (a.server != m_accounts[(size_t)row].server || a.user != m_accounts[(size_t)row].user)) {
        a.bookStates.clear();
        a.found.clear();
        a.foundAt = 0;
        a.published.clear();
        a.calendar.clear();
    }
    if (isNew) m_accounts.push_back(a);
    else m_accounts[(size_t)row] = a;
    SaveAccounts(AppSettings(), m_accounts);
    Fill();
    m_ctlList->setCurrentRow(isNew ? (int)m_accounts.size() - 1 : row);
}

void SyncDocumentWithAccounts(QWidget* parent, CKinfoldDoc& doc, bool atStart)
{
    if (LoadAccounts(AppSettings()).empty()) {
        if (!atStart)
            AfxMessageBox(FromQt(CAccountsDlg::tr("There is no account yet: add one with File > Accounts...")), MB_OK, CString(),
                          parent);
        return;
    }
    auto* frame = qobject_cast<QMainWindow*>(parent);
    if (frame) frame->statusBar()->showMessage(CAccountsDlg::tr("Syncing with the accounts..."));
    QProgressDialog* waiting = nullptr;
    PasswordAsker ask = [parent, &waiting](const Account& a, bool refused, std::string& password) {
        // The question goes before the busy note, which would hide it and block its input.
        if (waiting) waiting->hide();
        QApplication::restoreOverrideCursor();
        bool ok = false;
        const QString prompt = (refused ? CAccountsDlg::tr("The server refused the password of %1. Password:")
                                        : CAccountsDlg::tr("Password of %1:"))
                                   .arg(Q(AccountLabel(a)));
        QString text = QInputDialog::getText(parent, CAccountsDlg::tr("Sync Now"), prompt, QLineEdit::Password, QString(), &ok);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (waiting) waiting->show();
        password = text.toStdString();
        return ok && !text.isEmpty();
    };
    std::vector<AccountOutcome> outcomes;
    {
        // Modal, so that nothing else changes the list while the network is waited for.
        QProgressDialog progress(CAccountsDlg::tr("Syncing with the accounts..."), QString(), 0, 0, parent);
        progress.setWindowModality(Qt::ApplicationModal);
        // Shown now: once shown, it no longer comes up by itself over a password question.
        progress.show();
        waiting = &progress;
        BusyCursor busy;
        outcomes = SyncAllAccounts(doc.List(), AppSettings(), AppSecrets(), ask, (int64_t)std::time(nullptr), true);
        waiting = nullptr;
    }
    QString lines, faults;
    for (const AccountOutcome& o : outcomes) {
        if (o.result.counts.touched) doc.SetModifiedFlag(true);
        const QString label = Q(AccountLabel(o.account));
        if (o.result.counts.malformed)
            faults += CAccountsDlg::tr("%1: %n card(s) could not be read and were left out.", nullptr, o.result.counts.malformed)
                          .arg(label) +
                      "\n";
        if (o.result.fault.exitCode) faults += label + ": " + Q(o.result.fault.message) + ".\n";
        else lines += (lines.isEmpty() ? "" : "; ") + Q(SyncLine(o.result));
    }
    if (frame)
        frame->statusBar()->showMessage(lines.isEmpty() ? CAccountsDlg::tr("Sync failed") : CAccountsDlg::tr("Synced: %1").arg(lines),
                                        10000);
    if (parent) parent->update();
    if (!faults.isEmpty())
        AfxMessageBox(FromQt(CAccountsDlg::tr("The sync did not finish; the list keeps what was read, and the next sync goes on "
                                              "from there.") +
                             "\n\n" + faults),
                      MB_OK | MB_ICONERROR, CString(), parent);
}
