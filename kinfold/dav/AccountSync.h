// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Syncing the document with every account, for the command line and the window alike, and the
// account commands: --add-account, --accounts, --remove-account, --sync.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "dav/DavClient.h"
#include "platform/CommandLine.h"

class ISettingsStore;

// Asked for an account's password when the secret store has none, or after the server refused
// one (`refused`); false when there is none to give.
using PasswordAsker = std::function<bool(const Account& account, bool refused, std::string& password)>;

struct AccountOutcome {
    Account account;
    AccountSyncResult result;
};

// Every account of `store` in turn: its address books into the list, the list's events (the
// calendar export with display profile 0 of `store` and the reminders' alarms, stamped `now`)
// onto its calendar. The accounts' states are written back to the store as each ends. With
// `keepAsked`, a password asked for that the server took goes into the secret store (where
// there is one).
std::vector<AccountOutcome> SyncAllAccounts(BirthdayList& list, ISettingsStore& store, ISecretStore& secrets,
                                            const PasswordAsker& ask, int64_t now, bool keepAsked = false);

// "ann at https://dav.example.org/"
std::string AccountLabel(const Account& account);

// The batch commands; each makes its own application object.
std::string CheckAccountCommand(const CommandArgs& args);
int RunAddAccount(const CommandArgs& args);
int RunListAccounts(const CommandArgs& args);
int RunRemoveAccount(const CommandArgs& args);
int RunSync(const CommandArgs& args);
