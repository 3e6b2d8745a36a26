// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The WebDAV XML of CardDAV and CalDAV: the request bodies, and the multistatus answers read
// into plain values.
#include <string>
#include <string_view>
#include <vector>

// One <response> of a multistatus; the properties are those of its 200 propstat.
struct DavItem {
    std::string href;  // as the server wrote it
    int status = 0;    // the response's own status (a removed member of a sync report: 404), else 0
    bool collection = false, addressBook = false, calendar = false;
    bool syncReport = false;  // offers sync-collection
    std::string displayName, etag;
    std::string ctag;  // the collection's CS:getctag, which changes with any member
    std::string principal, addressBookHome, calendarHome;  // hrefs
    std::string data;  // address-data or calendar-data
};

struct Multistatus {
    std::vector<DavItem> items;
    std::string syncToken;
};

// False with a message when the text is not a WebDAV multistatus.
bool ParseMultistatus(std::string_view xml, Multistatus& out, std::string& error);

// "HTTP/1.1 404 Not Found" -> 404; 0 when not a status line.
int StatusOfLine(std::string_view line);

namespace davxml {
// PROPFIND of what discovery needs: principal, home sets, kind, name, reports, sync token.
std::string DiscoveryPropfind();
// PROPFIND of the members' ETags and kinds.
std::string EtagPropfind();
// PROPFIND (Depth 0) of a collection's CS:getctag: far less work for a server than listing it.
std::string CtagPropfind();
// REPORT sync-collection from `token` ("" for everything) asking ETags.
std::string SyncCollection(const std::string& token);
// REPORT addressbook-multiget of the cards at `hrefs`.
std::string AddressBookMultiget(const std::vector<std::string>& hrefs);
// MKCALENDAR of a calendar of events named `name`.
std::string MakeCalendar(const std::string& name);
}  // namespace davxml
