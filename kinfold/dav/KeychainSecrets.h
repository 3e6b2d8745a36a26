// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Passwords in the desktop's secret store (the Secret Service on a session bus), through QtKeychain.
#include "sync/Accounts.h"

class KeychainSecrets : public ISecretStore {
public:
    Result Read(const std::string& key, std::string& password, std::string& error) override;
    Result Write(const std::string& key, const std::string& password, std::string& error) override;
    Result Remove(const std::string& key, std::string& error) override;
};

// The process's secret store: the desktop's, unless a test put its own in place (nullptr puts
// the desktop's back).
ISecretStore& AppSecrets();
void SetAppSecrets(ISecretStore* secrets);
