// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Accounts.h"
#include <cstdlib>
#include "platform/SettingsStore.h"

namespace {

std::string Key(int i, const char* name) { return std::to_string(i) + " " + name; }

std::string Joined(const std::vector<std::string>& list)
{
    std::string out;
    for (const std::string& s : list) out += s + "\n";
    return out;
}

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        if (nl == std::string::npos) nl = text.size();
        if (nl > start) out.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    return out;
}

} // namespace

std::vector<Account> LoadAccounts(ISettingsStore& store)
{
    std::vector<Account> out;
    const int count = store.GetInt(kAccountsSection, "Count", 0);
    for (int i = 1; i <= count && i < 1000; ++i) {
        Account a;
        a.server = store.GetString(kAccountsSection, Key(i, "Server"), "");
        a.user = store.GetString(kAccountsSection, Key(i, "User"), "");
        if (a.server.empty()) continue;
        a.publish = store.GetInt(kAccountsSection, Key(i, "Publish"), 1) != 0;
        a.books = Split(store.GetString(kAccountsSection, Key(i, "Address books"), ""));
        a.calendar = store.GetString(kAccountsSection, Key(i, "Calendar"), "");
        a.bookStates = store.GetString(kAccountsSection, Key(i, "Address book state"), "");
        a.published = store.GetString(kAccountsSection, Key(i, "Published"), "");
        a.found = store.GetString(kAccountsSection, Key(i, "Collections"), "");
        a.foundAt = std::atoll(store.GetString(kAccountsSection, Key(i, "Collections found"), "0").c_str());
        out.push_back(std::move(a));
    }
    return out;
}

void SaveAccount(ISettingsStore& store, int i, const Account& a)
{
    store.WriteString(kAccountsSection, Key(i, "Server"), a.server);
    store.WriteString(kAccountsSection, Key(i, "User"), a.user);
    store.WriteInt(kAccountsSection, Key(i, "Publish"), a.publish ? 1 : 0);
    store.WriteString(kAccountsSection, Key(i, "Address books"), Joined(a.books));
    store.WriteString(kAccountsSection, Key(i, "Calendar"), a.calendar);
    store.WriteString(kAccountsSection, Key(i, "Address book state"), a.bookStates);
    store.WriteString(kAccountsSection, Key(i, "Published"), a.published);
    store.WriteString(kAccountsSection, Key(i, "Collections"), a.found);
    store.WriteString(kAccountsSection, Key(i, "Collections found"), std::to_string(a.foundAt));
}

void SaveAccounts(ISettingsStore& store, const std::vector<Account>& accounts)
{
    store.RemoveSection(kAccountsSection);
    store.WriteInt(kAccountsSection, "Count", (int)accounts.size());
    for (size_t i = 0; i < accounts.size(); ++i) SaveAccount(store, (int)i + 1, accounts[i]);
}
