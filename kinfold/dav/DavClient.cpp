// SPDX-License-Identifier: GPL-3.0-or-later
#include "dav/DavClient.h"
#include "platform/Translate.h"
#include <QUrl>
#include <algorithm>
#include <ctime>
#include <map>
#include <set>
#include "dav/DavXml.h"
#include "platform/Fnv.h"

namespace {

// Address books read this many cards a request, a few requests at a time.
constexpr size_t kCardsPerRequest = 250;
constexpr size_t kRequestsAtOnce = 4;
constexpr size_t kPublishAtOnce = 16;
// How long the collections found are trusted before the server is asked again.
constexpr long long kFindingsKeptFor = 24 * 3600;

QUrl Url(const std::string& s) { return QUrl::fromEncoded(QByteArray::fromStdString(s)); }
std::string Text(const QUrl& u) { return u.toString(QUrl::FullyEncoded).toStdString(); }

// An href of an answer as an absolute address.
std::string Resolve(const std::string& base, const std::string& href) { return Text(Url(base).resolved(Url(href))); }

std::string WithSlash(std::string url)
{
    if (url.empty() || url.back() != '/') url += '/';
    return url;
}

// The server's own part of an address, for messages: "example.org:8443".
std::string Host(const std::string& url)
{
    QUrl u = Url(url);
    std::string host = u.host().toStdString();
    if (u.port() > 0) host += ":" + std::to_string(u.port());
    return host.empty() ? url : host;
}

std::string PathOf(const std::string& url) { return Url(url).path(QUrl::FullyEncoded).toStdString(); }

DavRequest Request(const std::string& method, const std::string& url, const std::string& body = "", int depth = -1)
{
    DavRequest q;
    q.method = method;
    q.url = url;
    q.body = body;
    if (!body.empty()) q.headers["Content-Type"] = "application/xml; charset=utf-8";
    if (depth >= 0) q.headers["Depth"] = std::to_string(depth);
    return q;
}

bool Fail(DavFault& fault, int code, std::string message)
{
    fault.exitCode = code;
    fault.message = std::move(message);
    return false;
}

bool IsRedirect(int status) { return status == 301 || status == 302 || status == 303 || status == 307 || status == 308; }

} // namespace

bool DavFaultOf(const DavRequest& q, const DavReply& r, DavFault& fault)
{
    const std::string host = Host(q.url);
    switch (r.fault) {
    case DavReply::None: break;
    case DavReply::NoNetwork: return !Fail(fault, 4, FillIn(TextTranslation::translate("DavClient", "cannot reach %1 (no network, or no such server): %2"), {host, r.faultText}));
    case DavReply::Refused: return !Fail(fault, 4, FillIn(TextTranslation::translate("DavClient", "%1 refused the connection: no server runs there"), {host}));
    case DavReply::Timeout: return !Fail(fault, 4, FillIn(TextTranslation::translate("DavClient", "%1 did not answer within 30 seconds"), {host}));
    case DavReply::Tls:
        return !Fail(fault, 1, FillIn(TextTranslation::translate("DavClient", "the secure connection to %1 failed, %2 (not accepted)"), {host, r.faultText}));
    case DavReply::Broken: return !Fail(fault, 1, FillIn(TextTranslation::translate("DavClient", "%1 broke off the connection: %2"), {host, r.faultText}));
    }
    const std::string what = q.method + " " + q.url;
    switch (r.status) {
    case 401: return !Fail(fault, 3, FillIn(TextTranslation::translate("DavClient", "%1 refused the user name or password"), {host}));
    case 403: return !Fail(fault, 1, FillIn(TextTranslation::translate("DavClient", "%1 does not allow %2 (403 Forbidden)"), {host, what}));
    case 404:
        fault.status = 404;
        return !Fail(fault, 1, FillIn(TextTranslation::translate("DavClient", "%1 does not exist on the server (404 Not Found)"), {q.url}));
    case 507: return !Fail(fault, 1, FillIn(TextTranslation::translate("DavClient", "%1 has no room left for %2 (507 Insufficient Storage)"), {host, q.url}));
    default: break;
    }
    if (r.status >= 400 || r.status < 200)
        return !Fail(fault, 1, FillIn(TextTranslation::translate("DavClient", "%1 answered %2 with status %3"), {host, what, std::to_string(r.status)}));
    return false;
}

std::vector<DavReply> DavClient::Send(std::vector<DavRequest>& requests)
{
    std::vector<DavReply> replies = m_transport.Send(requests);
    for (size_t i = 0; i < replies.size(); ++i) {
        for (int hops = 0; hops < 5 && replies[i].fault == DavReply::None && IsRedirect(replies[i].status); ++hops) {
            const std::string to = replies[i].Header("location");
            if (to.empty()) break;
            // The password goes along: only to the same server, and never from https to http.
            const QUrl from = Url(requests[i].url), next = Url(Resolve(requests[i].url, to));
            if (next.host() != from.host() || (from.scheme() == "https" && next.scheme() != "https")) break;
            requests[i].url = Text(next);
            replies[i] = m_transport.SendOne(requests[i]);
        }
    }
    return replies;
}

bool DavClient::Multi(const DavRequest& q, const DavReply& r, Multistatus& out, DavFault& fault)
{
    if (DavFaultOf(q, r, fault)) return false;
    std::string why;
    if (r.status != 207 || !ParseMultistatus(r.body, out, why)) {
        if (why.empty()) why = FillIn(TextTranslation::translate("DavClient", "status %1 instead of a WebDAV multistatus"), {std::to_string(r.status)});
        return Fail(fault, 1, FillIn(TextTranslation::translate("DavClient", "the answer of %1 to %2 makes no sense: %3"), {Host(q.url), q.method + " " + q.url, why}));
    }
    return true;
}

bool DavClient::Propfind(const std::string& url, int depth, const std::string& body, Multistatus& out, DavFault& fault)
{
    DavRequest q = Request("PROPFIND", url, body, depth);
    DavReply r = SendOne(q);
    return Multi(q, r, out, fault);
}

bool DavClient::Discover(const std::string& server, DavFindings& out, DavFault& fault)
{
    out = DavFindings();
    std::string start = server.find("://") == std::string::npos ? "https://" + server : server;
    start = WithSlash(start);
    const std::string noServer = FillIn(TextTranslation::translate("DavClient", "no CardDAV or CalDAV server answers at %1"), {server});
    auto answerFrom = [&](const std::string& url, Multistatus& ms, std::string& at) {
        DavRequest q = Request("PROPFIND", url, davxml::DiscoveryPropfind(), 0);
        DavReply r = SendOne(q);
        at = q.url;
        DavFault f;
        if (DavFaultOf(q, r, f)) {
            // Only a refused password and a missing server end the search; a wrong address may
            // still have well-known neighbours.
            if (f.exitCode == 3 || f.exitCode == 4 || r.fault == DavReply::Tls) {
                fault = f;
                return -1;
            }
            return 0;
        }
        std::string why;
        return r.status == 207 && ParseMultistatus(r.body, ms, why) && !ms.items.empty() ? 1 : 0;
    };

    Multistatus ms;
    std::string at;
    int got = answerFrom(start, ms, at);
    if (got < 0) return false;
    std::string principal;
    if (got > 0) {
        const DavItem& self = ms.items.front();
        if (self.addressBook) out.books.push_back({WithSlash(at), self.displayName, self.syncReport});
        if (self.calendar) out.calendars.push_back({WithSlash(at), self.displayName, self.syncReport});
        if (!self.principal.empty()) principal = Resolve(at, self.principal);
        if (!self.addressBookHome.empty() || !self.calendarHome.empty()) principal = at;
    }
    for (const char* wellKnown : {"/.well-known/carddav", "/.well-known/caldav"}) {
        if (!principal.empty()) break;
        QUrl root = Url(start);
        root.setPath(QString::fromLatin1(wellKnown));
        root.setQuery(QString());
        Multistatus wk;
        got = answerFrom(Text(root), wk, at);
        if (got < 0) return false;
        if (got > 0 && !wk.items.front().principal.empty()) principal = Resolve(at, wk.items.front().principal);
    }
    std::string bookHome, calendarHome;
    if (!principal.empty()) {
        Multistatus p;
        if (!Propfind(principal, 0, davxml::DiscoveryPropfind(), p, fault)) return false;
        if (!p.items.empty()) {
            if (!p.items.front().addressBookHome.empty()) bookHome = Resolve(principal, p.items.front().addressBookHome);
            if (!p.items.front().calendarHome.empty()) calendarHome = Resolve(principal, p.items.front().calendarHome);
        }
    }
    auto members = [&](const std::string& home, bool books) {
        Multistatus m;
        if (!Propfind(home, 1, davxml::DiscoveryPropfind(), m, fault)) return false;
        for (const DavItem& item : m.items) {
            const std::string url = WithSlash(Resolve(home, item.href));
            std::vector<DavCollection>& into = books ? out.books : out.calendars;
            if ((books ? item.addressBook : item.calendar) &&
                std::none_of(into.begin(), into.end(), [&](const DavCollection& c) { return c.url == url; }))
                into.push_back({url, item.displayName, item.syncReport});
        }
        return true;
    };
    // A single address book given: only that one is read.
    if (out.books.empty() && !bookHome.empty() && !members(bookHome, true)) return false;
    if (!calendarHome.empty() && !members(calendarHome, false)) return false;
    out.calendarHome = WithSlash(calendarHome);
    if (calendarHome.empty()) out.calendarHome.clear();
    if (out.books.empty() && out.calendars.empty() && out.calendarHome.empty()) return Fail(fault, 4, noServer);
    return true;
}

namespace {

void AddListing(const DavCollection& book, const Multistatus& ms, CardListing& listing)
{
    for (const DavItem& item : ms.items) {
        const std::string href = Resolve(book.url, item.href);
        if (!InCollection(href, book.url) || item.collection) continue;
        if (item.status == 404) listing.removed.push_back(href);
        else listing.cards.emplace_back(href, item.etag);
    }
}

} // namespace

bool DavClient::ReadListing(const DavCollection& book, const std::string& token, CardListing& listing,
                            std::string& newToken, DavFault& fault)
{
    listing = CardListing();
    Multistatus ms;
    if (book.syncReport) {
        DavRequest q = Request("REPORT", book.url, davxml::SyncCollection(token), 0);
        DavReply r = SendOne(q);
        // A token the server no longer knows: everything again.
        if (!token.empty() && (r.status == 403 || r.status == 409 || r.status == 400))
            return ReadListing(book, "", listing, newToken, fault);
        if (!Multi(q, r, ms, fault)) return false;
        listing.complete = token.empty();
        newToken = ms.syncToken;
        // A server may give the changes in parts (507 on the collection itself): ask for the rest.
        for (int part = 0; part < 1000; ++part) {
            auto more = std::find_if(ms.items.begin(), ms.items.end(), [&](const DavItem& i) {
                return i.status == 507 && WithSlash(Resolve(book.url, i.href)) == book.url;
            });
            if (more == ms.items.end() || newToken.empty()) break;
            ms.items.erase(more);
            AddListing(book, ms, listing);
            DavRequest next = Request("REPORT", book.url, davxml::SyncCollection(newToken), 0);
            DavReply nr = SendOne(next);
            Multistatus rest;
            if (!Multi(next, nr, rest, fault)) return false;
            ms = std::move(rest);
            newToken = ms.syncToken;
        }
    } else if (!Propfind(book.url, 1, davxml::EtagPropfind(), ms, fault)) {
        return false;
    }
    AddListing(book, ms, listing);
    return true;
}

bool DavClient::ReadBook(const DavCollection& book, BirthdayList& list, BookState& state, CardSyncCounts& counts,
                         DavFault& fault)
{
    BookState now = state;
    if (now.url != book.url || !now.Serves(list)) {
        now = BookState();
        now.url = book.url;
    }
    // Asked before the listing: a change that comes between the two is read at the next sync.
    // A first read lists everything anyway; its ctag is taken with the next sync.
    std::string ctag;
    if ((!now.token.empty() || !now.etags.empty()) && !CollectionCtag(book.url, ctag, fault)) return false;
    if (!ctag.empty() && ctag == now.ctag) {
        counts = CardSyncCounts();
        return true;
    }
    CardListing listing;
    std::string token;
    if (!ReadListing(book, now.token, listing, token, fault)) return false;
    FetchPlan plan = PlanFetch(list, now, listing);

    std::vector<FetchedCard> fetched;
    std::vector<DavRequest> batch;
    auto flush = [&]() {
        std::vector<DavReply> replies = Send(batch);
        for (size_t i = 0; i < replies.size(); ++i) {
            Multistatus ms;
            if (!Multi(batch[i], replies[i], ms, fault)) return false;
            for (const DavItem& item : ms.items) {
                const std::string href = Resolve(book.url, item.href);
                // Deleted since the listing.
                if (item.status == 404) plan.gone.push_back(href);
                else if (InCollection(href, book.url)) fetched.push_back({href, item.etag, item.data});
            }
        }
        batch.clear();
        return true;
    };
    for (size_t i = 0; i < plan.fetch.size(); i += kCardsPerRequest) {
        std::vector<std::string> paths;
        for (size_t k = i; k < std::min(plan.fetch.size(), i + kCardsPerRequest); ++k) paths.push_back(PathOf(plan.fetch[k]));
        batch.push_back(Request("REPORT", book.url, davxml::AddressBookMultiget(paths), 1));
        if (batch.size() == kRequestsAtOnce && !flush()) return false;
    }
    if (!batch.empty() && !flush()) return false;

    counts = ApplyCards(list, fetched, plan.gone);
    UpdateBookState(now, list, listing, fetched, plan, token);
    now.ctag = ctag;
    state = std::move(now);
    return true;
}

bool DavClient::FindOrMakeCalendar(const DavFindings& findings, std::string& url, DavFault& fault)
{
    for (const DavCollection& c : findings.calendars)
        if (c.url == url) return true;
    url.clear();
    for (const DavCollection& c : findings.calendars)
        if (c.name == kPublishedCalendarName) {
            url = c.url;
            return true;
        }
    if (findings.calendarHome.empty()) {
        // The address of one calendar was given.
        if (findings.calendars.size() == 1) {
            url = findings.calendars.front().url;
            return true;
        }
        return Fail(fault, 1, TextTranslation::translate("DavClient", "the server keeps no calendars for this user, so the birthdays cannot be published"));
    }
    std::string target = findings.calendarHome + "birthdays/";
    DavRequest q = Request("MKCALENDAR", target, davxml::MakeCalendar(kPublishedCalendarName));
    DavReply r = SendOne(q);
    // 405 or 409: something is there already; a calendar is fine.
    if (r.fault == DavReply::None && (r.status == 405 || r.status == 409)) {
        Multistatus ms;
        if (!Propfind(target, 0, davxml::DiscoveryPropfind(), ms, fault)) return false;
        if (ms.items.empty() || !ms.items.front().calendar)
            return Fail(fault, 1, FillIn(TextTranslation::translate("DavClient", "%1 is in the way of the calendar \"Birthdays\" and is no calendar"), {target}));
    } else if (DavFaultOf(q, r, fault)) {
        return false;
    }
    url = target;
    return true;
}

bool DavClient::CollectionCtag(const std::string& url, std::string& ctag, DavFault& fault)
{
    ctag.clear();
    Multistatus ms;
    if (!Propfind(url, 0, davxml::CtagPropfind(), ms, fault)) return false;
    if (!ms.items.empty()) ctag = ms.items.front().ctag;
    return true;
}

bool DavClient::CurrentEtag(const std::string& url, std::string& etag, DavFault& fault)
{
    etag.clear();
    DavRequest q = Request("PROPFIND", url, davxml::EtagPropfind(), 0);
    DavReply r = SendOne(q);
    if (r.fault == DavReply::None && r.status == 404) return true;
    Multistatus ms;
    if (!Multi(q, r, ms, fault)) return false;
    if (!ms.items.empty()) etag = ms.items.front().etag;
    return true;
}

bool DavClient::Publish(const std::string& calendar, const std::vector<CalendarResource>& events,
                        PublishedEvents& published, std::string& ctag, bool check, DavFault& fault)
{
    // Nothing to put and no call to doubt the calendar: no request (the server would read
    // every event to answer even the ctag).
    if (!check && !published.empty() && PlanPublish(events, published).empty()) return true;
    const std::string known = ctag;
    ctag.clear();
    std::string now;
    if (!CollectionCtag(calendar, now, fault)) return false;
    // The decoded file name of a member's address.
    auto nameOf = [&](const std::string& href) {
        const std::string path = Url(Resolve(calendar, href)).path(QUrl::FullyDecoded).toStdString();
        return path.substr(path.rfind('/') + 1);
    };
    // Nothing known (a first sync, or settings lost): what is there from this program. Someone
    // else changed the calendar: what of it is still as this program left it.
    if (published.empty() || (!now.empty() && now != known)) {
        Multistatus ms;
        if (!Propfind(calendar, 1, davxml::EtagPropfind(), ms, fault)) return false;
        std::map<std::string, std::string> there;  // file name -> ETag
        for (const DavItem& item : ms.items)
            if (!item.collection) there[nameOf(item.href)] = item.etag;
        if (published.empty()) {
            for (const auto& [file, etag] : there) {
                const std::string ics = ".ics", mine = "@kinfold";
                if (file.size() <= ics.size() + mine.size() || !file.ends_with(ics)) continue;
                const std::string name = file.substr(0, file.size() - ics.size());
                if (name.ends_with(mine)) published[name] = {0, etag};
            }
        } else {
            for (auto it = published.begin(); it != published.end();) {
                auto at = there.find(nameOf(ResourceName(it->first)));
                // Deleted there: made again.
                if (at == there.end()) {
                    it = published.erase(it);
                    continue;
                }
                // The server gave no ETag for the PUT: the one it lists is of what was put.
                if (it->second.etag.empty()) it->second.etag = at->second;
                // Changed there: put again over it.
                else if (at->second != it->second.etag) it->second = {0, at->second};
                ++it;
            }
        }
    }
    std::vector<PublishStep> steps = PlanPublish(events, published);
    // The calendar holds what `published` says. What this sync puts changes its ctag again: the
    // next check lists the calendar once more.
    if (steps.empty()) ctag = now;
    auto request = [&](const PublishStep& s) {
        DavRequest q = Request(s.kind == PublishStep::Delete ? "DELETE" : "PUT", calendar + s.name);
        if (s.resource) {
            q.body = s.resource->body;
            q.headers["Content-Type"] = "text/calendar; charset=utf-8";
        }
        if (s.kind == PublishStep::Create) q.headers["If-None-Match"] = "*";
        else if (!s.etag.empty()) q.headers["If-Match"] = s.etag;
        return q;
    };
    // One step's answer: done, to be tried again (412), or a fault.
    auto settle = [&](const PublishStep& s, const DavRequest& q, const DavReply& r, bool& again) {
        again = false;
        if (r.fault == DavReply::None && r.status == 412) {
            again = true;
            return true;
        }
        if (s.kind == PublishStep::Delete && r.fault == DavReply::None && r.status == 404) {
            published.erase(s.uid);
            return true;
        }
        if (DavFaultOf(q, r, fault)) return false;
        if (s.kind == PublishStep::Delete) published.erase(s.uid);
        else published[s.uid] = {s.resource->hash, r.Header("etag")};
        return true;
    };
    for (size_t i = 0; i < steps.size(); i += kPublishAtOnce) {
        std::vector<PublishStep> part(steps.begin() + (ptrdiff_t)i,
                                      steps.begin() + (ptrdiff_t)std::min(steps.size(), i + kPublishAtOnce));
        std::vector<DavRequest> requests;
        for (const PublishStep& s : part) requests.push_back(request(s));
        std::vector<DavReply> replies = Send(requests);
        for (size_t k = 0; k < part.size(); ++k) {
            bool again;
            if (!settle(part[k], requests[k], replies[k], again)) return false;
            if (!again) continue;
            // Someone else changed or made the resource: read it again, then try once more.
            PublishStep s = part[k];
            std::string etag;
            if (!CurrentEtag(calendar + s.name, etag, fault)) return false;
            if (s.kind == PublishStep::Delete && etag.empty()) {
                published.erase(s.uid);
                continue;
            }
            if (s.kind != PublishStep::Delete) s.kind = etag.empty() ? PublishStep::Create : PublishStep::Update;
            s.etag = etag;
            DavRequest q = request(s);
            DavReply r = SendOne(q);
            if (!settle(s, q, r, again)) return false;
            if (again)
                return Fail(fault, 1, FillIn(TextTranslation::translate("DavClient", "someone else keeps changing %1 on the server; it was left as it is"), {q.url}));
        }
    }
    return true;
}

namespace {

// Tabs and line ends would break the lines of the settings text.
std::string OneField(std::string s)
{
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return s;
}

} // namespace

std::string StoreFindings(const DavFindings& f)
{
    std::string out = "H\t" + OneField(f.calendarHome) + "\n";
    for (const DavCollection& c : f.books)
        out += "B\t" + OneField(c.url) + "\t" + (c.syncReport ? "1" : "0") + "\t" + OneField(c.name) + "\n";
    for (const DavCollection& c : f.calendars)
        out += "C\t" + OneField(c.url) + "\t" + (c.syncReport ? "1" : "0") + "\t" + OneField(c.name) + "\n";
    return out;
}

bool LoadFindings(const std::string& text, DavFindings& f)
{
    f = DavFindings();
    bool any = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        if (nl == std::string::npos) nl = text.size();
        std::vector<std::string> fields;
        for (size_t a = start; a <= nl;) {
            size_t tab = std::min(text.find('\t', a), nl);
            fields.push_back(text.substr(a, tab - a));
            a = tab + 1;
        }
        start = nl + 1;
        if (fields.size() == 2 && fields[0] == "H") {
            f.calendarHome = fields[1];
            any = true;
        } else if (fields.size() == 4 && (fields[0] == "B" || fields[0] == "C") && !fields[1].empty()) {
            (fields[0] == "B" ? f.books : f.calendars).push_back({fields[1], fields[3], fields[2] == "1"});
            any = true;
        }
    }
    return any;
}

namespace {

bool Unreached(const DavFault& fault) { return fault.exitCode == 3 || fault.exitCode == 4; }

} // namespace

AccountSyncResult SyncAccount(Account& account, BirthdayList& list, IDavTransport& transport,
                              const std::function<std::string(const BirthdayList&)>& exportIcs)
{
    AccountSyncResult result;
    DavClient client(transport);
    DavFindings findings;
    const long long now = (long long)std::time(nullptr);
    // Asking the server for its collections (once a day) is also when the calendar is checked
    // for changes made by others.
    bool asked = false;
    if (now - account.foundAt > kFindingsKeptFor || now < account.foundAt || !LoadFindings(account.found, findings)) {
        asked = true;
        if (!client.Discover(account.server, findings, result.fault)) return result;
        account.found = StoreFindings(findings);
        account.foundAt = now;
    }

    // A tag counts only with the state it was kept with.
    const CollectionTags tags = LoadCollectionTags(account.tags);
    auto bookHash = [](const BookState& s) { return Fnv1a(StoreBookStates({s})); };
    std::vector<BookState> states = LoadBookStates(account.bookStates);
    for (BookState& s : states) {
        auto t = tags.find(s.url);
        if (t != tags.end() && t->second.state == bookHash(s)) s.ctag = t->second.ctag;
    }
    for (const DavCollection& book : findings.books) {
        if (!account.books.empty() && std::find(account.books.begin(), account.books.end(), book.url) == account.books.end())
            continue;
        auto it = std::find_if(states.begin(), states.end(), [&](const BookState& s) { return s.url == book.url; });
        if (it == states.end()) {
            states.emplace_back();
            it = states.end() - 1;
        }
        CardSyncCounts counts;
        if (!client.ReadBook(book, list, *it, counts, result.fault)) {
            // Perhaps moved or removed: the next sync asks the server again. Not when the server
            // was not reached or refused the password: its collections are the same then.
            if (!Unreached(result.fault)) account.foundAt = 0;
            break;
        }
        result.counts += counts;
    }
    // A book whose first read failed has no state yet.
    states.erase(std::remove_if(states.begin(), states.end(), [](const BookState& s) { return s.url.empty(); }), states.end());
    account.bookStates = StoreBookStates(states);
    CollectionTags kept;
    for (const BookState& s : states)
        if (!s.ctag.empty()) kept[s.url] = {s.ctag, bookHash(s)};
    if (auto t = tags.find(account.calendar); t != tags.end() && !account.calendar.empty())
        kept[account.calendar] = t->second;
    account.tags = StoreCollectionTags(kept);
    if (result.fault.exitCode || !account.publish) return result;

    bool done = false;
    size_t published = 0;
    auto publish = [&] {
        const std::string calendar = account.calendar;
        const bool known = std::any_of(findings.calendars.begin(), findings.calendars.end(),
                                       [&](const DavCollection& c) { return c.url == calendar; });
        if (!client.FindOrMakeCalendar(findings, account.calendar, result.fault)) return;
        // What was published went to another calendar, or to one that has gone since: the events
        // on the server are asked for again.
        if (!known || account.calendar != calendar) account.published.clear();
        // A calendar made now is one more finding.
        if (account.calendar != calendar &&
            std::none_of(findings.calendars.begin(), findings.calendars.end(),
                         [&](const DavCollection& c) { return c.url == account.calendar; })) {
            findings.calendars.push_back({account.calendar, kPublishedCalendarName, false});
            account.found = StoreFindings(findings);
        }
        std::string calendarTag;
        if (auto t = kept.find(account.calendar); t != kept.end() && t->second.state == Fnv1a(account.published))
            calendarTag = t->second.ctag;
        kept.erase(calendar);
        PublishedEvents events_published = LoadPublished(account.published);
        std::vector<CalendarResource> events = SplitCalendar(exportIcs(list));
        done = client.Publish(account.calendar, events, events_published, calendarTag, asked, result.fault);
        account.published = StorePublished(events_published);
        if (!calendarTag.empty()) kept[account.calendar] = {calendarTag, Fnv1a(account.published)};
        account.tags = StoreCollectionTags(kept);
        if (!done && !Unreached(result.fault)) account.foundAt = 0;
        published = events.size();
    };
    publish();
    // The calendar went from the server after its collections were last asked for: asked for
    // again, it is made anew with every event in this sync.
    if (!done && !asked && result.fault.status == 404) {
        result.fault = DavFault();
        if (!client.Discover(account.server, findings, result.fault)) return result;
        account.found = StoreFindings(findings);
        account.foundAt = now;
        asked = true;
        publish();
    }
    if (done) result.events = (int)published;
    return result;
}

std::string SyncLine(const AccountSyncResult& r)
{
    const std::string added = std::to_string(r.counts.added), changed = std::to_string(r.counts.changed),
                      removed = std::to_string(r.counts.removed);
    return FillIn(r.events == 1 ? TextTranslation::translate("DavClient", "%1 added, %2 changed, %3 removed, 1 event published")
                                          : TextTranslation::translate("DavClient", "%1 added, %2 changed, %3 removed, %n events published",
                                                     nullptr, r.events),
                            {added, changed, removed});
}
