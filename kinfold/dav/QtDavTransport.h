// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The network for CardDAV and CalDAV on Qt Network: Basic authorisation, a time-out, certificates
// checked (a TLS fault is a fault, never passed over), redirects left to the caller.
#include <QNetworkAccessManager>
#include "sync/DavTransport.h"

class QtDavTransport : public IDavTransport {
public:
    // An empty user sends no authorisation.
    QtDavTransport(const std::string& user, const std::string& password, int timeoutMs = 30000);
    std::vector<DavReply> Send(const std::vector<DavRequest>& requests) override;

private:
    QNetworkAccessManager m_nam;
    QByteArray m_authorization;
    int m_timeoutMs;
};
