// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the CardDAV and CalDAV logic needs of the network: requests sent, replies or faults back.
#include <map>
#include <string>
#include <vector>

struct DavRequest {
    std::string method;  // PROPFIND, REPORT, GET, PUT, DELETE, MKCALENDAR
    std::string url;
    std::map<std::string, std::string> headers;  // besides authorisation, which the transport adds
    std::string body;
};

struct DavReply {
    enum Fault { None, NoNetwork, Refused, Timeout, Tls, Broken };
    Fault fault = None;      // the request got no HTTP answer
    std::string faultText;   // what went wrong, for the message (a TLS fault names the certificate)
    int status = 0;          // HTTP status when fault is None
    std::map<std::string, std::string> headers;  // names in lower case
    std::string body;

    std::string Header(const std::string& lowerName) const
    {
        auto it = headers.find(lowerName);
        return it == headers.end() ? std::string() : it->second;
    }
};

class IDavTransport {
public:
    virtual ~IDavTransport() = default;
    // Sends the requests (at the same time where the transport can) and answers them in order.
    virtual std::vector<DavReply> Send(const std::vector<DavRequest>& requests) = 0;
    DavReply SendOne(const DavRequest& request) { return Send({request}).front(); }
};
