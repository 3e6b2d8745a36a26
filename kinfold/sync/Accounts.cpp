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

// Each write rewrites the whole settings file, which holds every card's ETag: only what changed.
void Put(ISettingsStore& store, int i, const char* name, const std::string& value)
{
    const std::string key = Key(i, name);
    if (!store.Contains(kAccountsSection, key) || store.GetString(kAccountsSection, key, "") != value)
        store.WriteString(kAccountsSection, key, value);
}

} // namespace

std::string StoreCollectionTags(const CollectionTags& tags)
{
    std::string out;
    for (const auto& [url, t] : tags)
        if (!t.ctag.empty() && url.find_first_of("\t\n") == std::string::npos &&
            t.ctag.find_first_of("\t\n") == std::string::npos)
            out += url + "\t" + t.ctag + "\t" + std::to_string(t.state) + "\n";
    return out;
}

CollectionTags LoadCollectionTags(std::string_view text)
{
    CollectionTags out;
    for (const std::string& line : Split(std::string(text))) {
        size_t a = line.find('\t'), b = a == std::string::npos ? a : line.find('\t', a + 1);
        if (b == std::string::npos || a == 0 || b == a + 1) continue;
        out[line.substr(0, a)] = {line.substr(a + 1, b - a - 1), std::strtoull(line.c_str() + b + 1, nullptr, 10)};
    }
    return out;
}

bool AddressHasPassword(std::string_view address)
{
    const size_t scheme = address.find("://");
    const size_t start = scheme == std::string_view::npos ? 0 : scheme + 3;
    std::string_view authority = address.substr(start);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    const size_t at = authority.rfind('@');
    return at != std::string_view::npos && authority.substr(0, at).find(':') != std::string_view::npos;
}

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
        a.tags = store.GetString(kAccountsSection, Key(i, "Collection tags"), "");
        out.push_back(std::move(a));
    }
    return out;
}

void SaveAccount(ISettingsStore& store, int i, const Account& a)
{
    Put(store, i, "Server", a.server);
    Put(store, i, "User", a.user);
    if (!store.Contains(kAccountsSection, Key(i, "Publish")) ||
        (store.GetInt(kAccountsSection, Key(i, "Publish"), 1) != 0) != a.publish)
        store.WriteInt(kAccountsSection, Key(i, "Publish"), a.publish ? 1 : 0);
    Put(store, i, "Address books", Joined(a.books));
    Put(store, i, "Calendar", a.calendar);
    Put(store, i, "Address book state", a.bookStates);
    Put(store, i, "Published", a.published);
    Put(store, i, "Collections", a.found);
    Put(store, i, "Collections found", std::to_string(a.foundAt));
    Put(store, i, "Collection tags", a.tags);
}

void SaveAccounts(ISettingsStore& store, const std::vector<Account>& accounts)
{
    store.RemoveSection(kAccountsSection);
    store.WriteInt(kAccountsSection, "Count", (int)accounts.size());
    for (size_t i = 0; i < accounts.size(); ++i) SaveAccount(store, (int)i + 1, accounts[i]);
}
