// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CardDAV and CalDAV over a transport: finding an account's address books and calendars, reading
// an address book into the list, publishing the birthdays to a calendar.
#include <functional>
#include <string>
#include <vector>
#include "birthdays/BirthdayList.h"
#include "dav/DavXml.h"
#include "sync/Accounts.h"
#include "sync/CalendarPublish.h"
#include "sync/CardSync.h"
#include "sync/DavTransport.h"

struct DavCollection {
    std::string url;  // absolute, ending in '/'
    std::string name;
    bool syncReport = false;  // offers sync-collection
};

struct DavFindings {
    std::vector<DavCollection> books, calendars;
    std::string calendarHome;  // where a calendar can be made
};

// What stopped a request: one message for the user, and the command's exit status (3 the password
// was refused, 4 no server answered, 1 anything else).
struct DavFault {
    int exitCode = 0;
    std::string message;
    int status = 0;  // the HTTP status behind the fault where one is (404)
    bool PasswordRefused() const { return exitCode == 3; }
};

inline constexpr const char* kPublishedCalendarName = "Birthdays";

class DavClient {
public:
    explicit DavClient(IDavTransport& transport) : m_transport(transport) {}

    // From the server's root (RFC 6764 well-known addresses, the principal and its home sets) or
    // from the address of one collection.
    bool Discover(const std::string& server, DavFindings& out, DavFault& fault);
    // Reads what changed in the book since `state` into the list (everything when the state does
    // not serve the list); nothing more when the book's ctag is still the state's. On a fault
    // neither the list nor the state changes.
    bool ReadBook(const DavCollection& book, BirthdayList& list, BookState& state, CardSyncCounts& counts, DavFault& fault);
    // The calendar "Birthdays" of the account (`url` when still there), made when missing.
    bool FindOrMakeCalendar(const DavFindings& findings, std::string& url, DavFault& fault);
    // Puts the events on the calendar, deletes the ones gone; `published` follows every step
    // done, also when a fault stops the rest. Before anything is put, or with `check`, the
    // calendar is listed again when its ctag is not `ctag` (someone else changed it): events
    // deleted or changed there are put back. `ctag` ends as the calendar's when it holds what
    // `published` says, else empty.
    bool Publish(const std::string& calendar, const std::vector<CalendarResource>& events, PublishedEvents& published,
                 std::string& ctag, bool check, DavFault& fault);

private:
    // Sends, following redirects; the requests end with the addresses that answered.
    std::vector<DavReply> Send(std::vector<DavRequest>& requests);
    DavReply SendOne(DavRequest& request)
    {
        std::vector<DavRequest> one{request};
        DavReply r = Send(one).front();
        request = one.front();
        return r;
    }
    // A multistatus answer of `method` at `url`; false with the fault otherwise.
    bool Multi(const DavRequest& request, const DavReply& reply, Multistatus& out, DavFault& fault);
    bool Propfind(const std::string& url, int depth, const std::string& body, Multistatus& out, DavFault& fault);
    bool ReadListing(const DavCollection& book, const std::string& token, CardListing& listing, std::string& newToken,
                     DavFault& fault);
    // The collection's CS:getctag; "" when the server keeps none.
    bool CollectionCtag(const std::string& url, std::string& ctag, DavFault& fault);
    // The current ETag of a resource; "" when it is gone.
    bool CurrentEtag(const std::string& url, std::string& etag, DavFault& fault);

    IDavTransport& m_transport;
};

// The findings as one settings text, and back; false when the text holds none.
std::string StoreFindings(const DavFindings& findings);
bool LoadFindings(const std::string& text, DavFindings& findings);

// The fault of a reply that got no HTTP answer or an error status; false when it is neither.
bool DavFaultOf(const DavRequest& request, const DavReply& reply, DavFault& fault);

struct AccountSyncResult {
    CardSyncCounts counts;
    int events = 0;  // on the calendar after the sync
    DavFault fault;
};

// One account's sync: its address books into the list, then the events `exportIcs` makes of
// the list onto its calendar. The account's states follow what was done. The server is asked
// for its collections again once a day, and when one of them is gone.
AccountSyncResult SyncAccount(Account& account, BirthdayList& list, IDavTransport& transport,
                              const std::function<std::string(const BirthdayList&)>& exportIcs);
// "2 added, 1 changed, 0 removed, 340 events published"
std::string SyncLine(const AccountSyncResult& result);
