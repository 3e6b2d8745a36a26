// SPDX-License-Identifier: GPL-3.0-or-later
#include "dav/AccountSync.h"
#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <ctime>
#include <iostream>
#include "birthdays/FileBytes.h"
#include "platform/Translate.h"
#include "birthdays/ImportCommand.h"
#include "dav/KeychainSecrets.h"
#include "dav/QtDavTransport.h"
#include "platform/Settings.h"
#include "view/core/CalendarExport.h"

namespace {

int Fail(const std::string& message, int status)
{
    std::fprintf(stderr, "kinfold: %s\n", message.c_str());
    return status;
}

// The network and the secret store want an event loop's application object.
struct BatchApplication {
    int argc = 1;
    char name[8] = "kinfold";
    char* argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
};

std::string ReadLine()
{
    std::string line;
    if (!std::getline(std::cin, line)) return "";
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// N of --remove-account N: 1 to the number of accounts; 0 when it is not.
int AccountNumber(const std::string& text, int count)
{
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) return 0;
    int n = std::stoi(text);
    return n >= 1 && n <= count ? n : 0;
}

} // namespace

std::string AccountLabel(const Account& a) { return FillIn(TextTranslation::translate("AccountSync", "%1 at %2"), {a.user, a.server}); }

std::vector<AccountOutcome> SyncAllAccounts(BirthdayList& list, ISettingsStore& store, ISecretStore& secrets,
                                            const PasswordAsker& ask, int64_t now, bool keepAsked)
{
    std::vector<AccountOutcome> out;
    std::vector<Account> accounts = LoadAccounts(store);
    // The phone reminds as the desktop does: the reminders go along as alarms, as in the export.
    const CalendarExportOptions options = StoredExportOptions(store, now);
    auto exportIcs = [&](const BirthdayList& l) { return ExportCalendar(l, options); };

    for (size_t i = 0; i < accounts.size(); ++i) {
        AccountOutcome o;
        o.account = accounts[i];
        std::string password, error;
        const bool stored = secrets.Read(o.account.SecretKey(), password, error) == ISecretStore::Ok;
        bool have = stored || (ask && ask(o.account, false, password));
        bool asked = !stored;
        // What a try did before the server refused the password is in the list all the same.
        CardSyncCounts earlier;
        for (int attempt = 0;; ++attempt) {
            if (!have) {
                o.result.fault = {3, FillIn(TextTranslation::translate("AccountSync", "no password for %1 (none in the secret "
                                                                              "store; give it with --sync --password-stdin)"),
                                                      {AccountLabel(o.account)})};
                break;
            }
            QtDavTransport transport(o.account.user, password);
            o.result = SyncAccount(o.account, list, transport, exportIcs);
            // The window asks again when the server refused the password.
            if (!o.result.fault.PasswordRefused() || attempt == 2 || !ask || !ask(o.account, true, password)) break;
            asked = true;
            earlier += o.result.counts;
            o.result = AccountSyncResult();
        }
        o.result.counts += earlier;
        if (keepAsked && asked && have && !o.result.fault.PasswordRefused())
            secrets.Write(o.account.SecretKey(), password, error);
        SaveAccount(store, (int)i + 1, o.account);
        out.push_back(std::move(o));
    }
    return out;
}

std::string CheckAccountCommand(const CommandArgs& args)
{
    if (args.Has("--add-account")) {
        if (!args.Has("--user") || args.Value("--user").empty()) return TextTranslation::translate("AccountSync", "--add-account needs --user NAME");
        if (args.Value("--add-account").empty()) return TextTranslation::translate("AccountSync", "--add-account needs the server's address");
        if (AddressHasPassword(args.Value("--add-account")))
            return TextTranslation::translate("AccountSync", "--add-account: the address must not hold the password; give it on standard input");
    } else if (args.Has("--user")) {
        return TextTranslation::translate("AccountSync", "--user goes with --add-account");
    }
    if (!args.Files().empty() && !args.Has("--sync")) return FillIn(TextTranslation::translate("AccountSync", "unexpected argument %1"), {args.Files()[0]});
    if (args.Files().size() > 1) return FillIn(TextTranslation::translate("AccountSync", "only one document can be synced (got %1)"), {args.Files()[1]});
    if (args.Has("--remove-account")) {
        const std::string n = args.Value("--remove-account");
        if (n.empty() || n.find_first_not_of("0123456789") != std::string::npos)
            return FillIn(TextTranslation::translate("AccountSync", "--remove-account: \"%1\" is no account number (see kinfold --accounts)"), {n});
    }
    return "";
}

int RunAddAccount(const CommandArgs& args)
{
    BatchApplication app;
    Account a;
    a.server = args.Value("--add-account");
    a.user = args.Value("--user");
    a.publish = !args.Has("--no-publish");
    const std::string password = ReadLine();

    QtDavTransport transport(a.user, password);
    DavClient client(transport);
    DavFindings findings;
    DavFault fault;
    if (!client.Discover(a.server, findings, fault)) return Fail(FillIn(TextTranslation::translate("AccountSync", "%1; the account was not added"), {fault.message}), fault.exitCode);
    if (findings.books.empty() && !a.publish)
        return Fail(FillIn(TextTranslation::translate("AccountSync", "no address book at %1 and nothing to publish; the account was not added"), {a.server}), 4);

    QtSettingsStore store("Kinfold");
    std::vector<Account> accounts = LoadAccounts(store);
    for (const Account& other : accounts)
        if (other.server == a.server && other.user == a.user)
            return Fail(FillIn(TextTranslation::translate("AccountSync", "%1 is account %2 already"), {AccountLabel(a), std::to_string(&other - accounts.data() + 1)}), 1);

    KeychainSecrets secrets;
    std::string error;
    if (secrets.Write(a.SecretKey(), password, error) != ISecretStore::Ok)
        Fail(FillIn(TextTranslation::translate("AccountSync", "the password was not kept (%1); give it at each sync with --sync "
                                                      "--password-stdin"),
                              {error}),
             0);
    // The first sync need not ask again.
    a.found = StoreFindings(findings);
    a.foundAt = (long long)std::time(nullptr);
    accounts.push_back(a);
    SaveAccounts(store, accounts);
    const int books = (int)findings.books.size();
    std::string line = FillIn(books == 1 ? TextTranslation::translate("AccountSync", "account %1: %2, 1 address book")
                                                   : TextTranslation::translate("AccountSync", "account %1: %2, %n address books", nullptr, books),
                                        {std::to_string(accounts.size()), AccountLabel(a)});
    if (a.publish) line += TextTranslation::translate("AccountSync", ", publishes to \"Birthdays\"");
    std::printf("%s\n", line.c_str());
    return 0;
}

int RunListAccounts(const CommandArgs&)
{
    QtSettingsStore store("Kinfold");
    std::vector<Account> accounts = LoadAccounts(store);
    for (size_t i = 0; i < accounts.size(); ++i) {
        const Account& a = accounts[i];
        const int count = static_cast<int>(a.books.size());
        std::string books = a.books.empty() ? TextTranslation::translate("AccountSync", "every address book")
                                            : TextTranslation::translate("AccountSync", "%n address books", nullptr, count);
        if (a.publish) books += TextTranslation::translate("AccountSync", ", publishes to \"Birthdays\"");
        std::printf("%zu %s (%s)\n", i + 1, AccountLabel(a).c_str(), books.c_str());
    }
    return 0;
}

int RunRemoveAccount(const CommandArgs& args)
{
    BatchApplication app;
    QtSettingsStore store("Kinfold");
    std::vector<Account> accounts = LoadAccounts(store);
    const int n = AccountNumber(args.Value("--remove-account"), (int)accounts.size());
    if (n == 0)
        return Fail(FillIn(TextTranslation::translate("AccountSync", "--remove-account: there is no account %1 (see kinfold --accounts)"), {args.Value("--remove-account")}),
                    2);
    const Account gone = accounts[(size_t)n - 1];
    accounts.erase(accounts.begin() + n - 1);
    SaveAccounts(store, accounts);
    KeychainSecrets secrets;
    std::string error;
    secrets.Remove(gone.SecretKey(), error);
    std::printf("%s\n", FillIn(TextTranslation::translate("AccountSync", "account %1 (%2) removed"), {std::to_string(n), AccountLabel(gone)}).c_str());
    return 0;
}

int RunSync(const CommandArgs& args)
{
    BatchApplication app;
    QtSettingsStore store("Kinfold");
    std::string path = args.Files().empty() ? std::string() : args.Files()[0];
    if (path.empty()) path = store.GetString("Recent File List", "File1", "");
    if (path.empty()) path = "Kinfold.kfd";
    if (LoadAccounts(store).empty()) return Fail(TextTranslation::translate("AccountSync", "there is no account to sync (add one with --add-account)"), 1);

    BirthdayList list;
    std::string bytes, error;
    // A document that does not exist yet starts empty.
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !ReadWholeFile(path, bytes, error)) return Fail(error, 1);
    if (!bytes.empty() && !LoadKfdFile(path, list, error)) return Fail(error, 1);

    const bool fromStdin = args.Has("--password-stdin");
    KeychainSecrets keychain;
    PasswordAsker ask = [&](const Account&, bool refused, std::string& password) {
        if (!fromStdin || refused) return false;
        password = ReadLine();
        return true;
    };
    std::vector<AccountOutcome> outcomes = SyncAllAccounts(list, store, keychain, ask, (int64_t)std::time(nullptr));

    int status = 0;
    bool touched = false;
    for (const AccountOutcome& o : outcomes) {
        touched |= o.result.counts.touched;
        if (o.result.counts.malformed)
            Fail(FillIn(o.result.counts.malformed == 1
                                      ? TextTranslation::translate("AccountSync", "%1: 1 card could not be read and was left out")
                                      : TextTranslation::translate("AccountSync", "%1: %n cards could not be read and were left out", nullptr,
                                                 o.result.counts.malformed),
                                  {AccountLabel(o.account)}),
                 0);
        if (o.result.fault.exitCode) {
            Fail(AccountLabel(o.account) + ": " + o.result.fault.message, 0);
            if (status != 3) status = o.result.fault.exitCode;
            // What was read before the fault is kept; the rest comes with the next sync.
            continue;
        }
        std::printf("%s\n", SyncLine(o.result).c_str());
    }
    if (touched && !SaveKfdFile(path, list, error)) return Fail(error, 1);
    return status;
}
