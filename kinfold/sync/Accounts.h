// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The accounts on CardDAV and CalDAV servers, kept in the settings section "Accounts" with what
// each sync leaves for the next. Passwords are never here: they live in the secret store.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class ISettingsStore;

inline constexpr const char* kAccountsSection = "Accounts";

struct Account {
    std::string server;  // the address the user gave: a server's root or one collection
    std::string user;
    bool publish = true;               // publish the birthdays to a calendar
    std::vector<std::string> books;    // address books read; empty: every one the server has
    std::string calendar;              // the calendar published to, once found or made
    std::string bookStates;            // StoreBookStates of the books read
    std::string published;             // StorePublished of the events on the calendar
    std::string found;                 // the collections the server had when last asked
    long long foundAt = 0;             // when that was, seconds since 1970
    std::string tags;                  // StoreCollectionTags of the books read and the calendar

    // The key of the account's password in the secret store.
    std::string SecretKey() const { return user + "@" + server; }
};

// A collection's CS:getctag as it was when the sync left the collection's state, with a hash of
// that state: a state written since by a program that keeps no tags does not match it.
struct CollectionTag {
    std::string ctag;
    uint64_t state = 0;
};
using CollectionTags = std::map<std::string, CollectionTag>;  // by the collection's address

std::string StoreCollectionTags(const CollectionTags& tags);
CollectionTags LoadCollectionTags(std::string_view text);

// True when the address carries a password ("https://ann:pw@dav.example.org/"): kept as the
// account's address, it would sit in the settings and every message that names the account.
bool AddressHasPassword(std::string_view address);

std::vector<Account> LoadAccounts(ISettingsStore& store);
void SaveAccounts(ISettingsStore& store, const std::vector<Account>& accounts);
// Rewrites only account i (1-based) of what is stored, as a sync leaves it.
void SaveAccount(ISettingsStore& store, int i, const Account& account);

// Where the secret store is: passwords by key. A store that is not there answers NoService.
class ISecretStore {
public:
    enum Result { Ok, NotFound, NoService, Failed };
    virtual ~ISecretStore() = default;
    virtual Result Read(const std::string& key, std::string& password, std::string& error) = 0;
    virtual Result Write(const std::string& key, const std::string& password, std::string& error) = 0;
    virtual Result Remove(const std::string& key, std::string& error) = 0;
};
