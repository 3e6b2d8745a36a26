// SPDX-License-Identifier: GPL-3.0-or-later
#include "dav/DavXml.h"
#include "platform/Translate.h"
#include <QXmlStreamReader>
#include <cstdlib>

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCard = QStringLiteral("urn:ietf:params:xml:ns:carddav");
const QString kCal = QStringLiteral("urn:ietf:params:xml:ns:caldav");
const QString kCalendarServer = QStringLiteral("http://calendarserver.org/ns/");

const char* kHead =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

std::string Escaped(const std::string& s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Text(QXmlStreamReader& r) { return r.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().toStdString(); }

// The first <href> inside the current element.
std::string InnerHref(QXmlStreamReader& r)
{
    std::string href;
    while (r.readNextStartElement()) {
        if (r.namespaceUri() == kDav && r.name() == u"href" && href.empty()) href = Text(r);
        else r.skipCurrentElement();
    }
    return href;
}

void ReadProp(QXmlStreamReader& r, DavItem& item)
{
    while (r.readNextStartElement()) {
        const QStringView ns = r.namespaceUri(), name = r.name();
        if (ns == kDav && name == u"resourcetype") {
            while (r.readNextStartElement()) {
                if (r.namespaceUri() == kDav && r.name() == u"collection") item.collection = true;
                if (r.namespaceUri() == kCard && r.name() == u"addressbook") item.addressBook = true;
                if (r.namespaceUri() == kCal && r.name() == u"calendar") item.calendar = true;
                r.skipCurrentElement();
            }
        } else if (ns == kDav && name == u"supported-report-set") {
            // <supported-report><report><sync-collection/></report></supported-report>
            int depth = 1;
            while (depth > 0 && !r.atEnd()) {
                r.readNext();
                if (r.isStartElement()) {
                    ++depth;
                    if (r.namespaceUri() == kDav && r.name() == u"sync-collection") item.syncReport = true;
                } else if (r.isEndElement()) {
                    --depth;
                }
            }
        } else if (ns == kDav && name == u"displayname") {
            item.displayName = Text(r);
        } else if (ns == kDav && name == u"getetag") {
            item.etag = Text(r);
        } else if (ns == kCalendarServer && name == u"getctag") {
            item.ctag = Text(r);
        } else if (ns == kDav && name == u"current-user-principal") {
            item.principal = InnerHref(r);
        } else if (ns == kCard && name == u"addressbook-home-set") {
            item.addressBookHome = InnerHref(r);
        } else if (ns == kCal && name == u"calendar-home-set") {
            item.calendarHome = InnerHref(r);
        } else if ((ns == kCard && name == u"address-data") || (ns == kCal && name == u"calendar-data")) {
            item.data = r.readElementText().toStdString();
        } else {
            r.skipCurrentElement();
        }
    }
}

void Take(std::string& to, std::string& from)
{
    if (!from.empty()) to = std::move(from);
}

// The properties of a propstat count only when its status is a success.
void ReadPropstat(QXmlStreamReader& r, DavItem& item)
{
    DavItem p;
    int status = 0;
    while (r.readNextStartElement()) {
        if (r.namespaceUri() == kDav && r.name() == u"prop") ReadProp(r, p);
        else if (r.namespaceUri() == kDav && r.name() == u"status") status = StatusOfLine(Text(r));
        else r.skipCurrentElement();
    }
    if (status < 200 || status >= 300) return;
    item.collection |= p.collection;
    item.addressBook |= p.addressBook;
    item.calendar |= p.calendar;
    item.syncReport |= p.syncReport;
    Take(item.displayName, p.displayName);
    Take(item.etag, p.etag);
    Take(item.ctag, p.ctag);
    Take(item.principal, p.principal);
    Take(item.addressBookHome, p.addressBookHome);
    Take(item.calendarHome, p.calendarHome);
    Take(item.data, p.data);
}

void ReadResponse(QXmlStreamReader& r, DavItem& item)
{
    while (r.readNextStartElement()) {
        if (r.namespaceUri() != kDav) r.skipCurrentElement();
        else if (r.name() == u"href") item.href = Text(r);
        else if (r.name() == u"status") item.status = StatusOfLine(Text(r));
        else if (r.name() == u"propstat") ReadPropstat(r, item);
        else r.skipCurrentElement();
    }
}

} // namespace

int StatusOfLine(std::string_view line)
{
    size_t blank = line.find(' ');
    if (blank == std::string_view::npos || line.substr(0, 5) != "HTTP/") return 0;
    return std::atoi(std::string(line.substr(blank + 1, 3)).c_str());
}

bool ParseMultistatus(std::string_view xml, Multistatus& out, std::string& error)
{
    out = Multistatus();
    QXmlStreamReader r(QByteArray::fromRawData(xml.data(), (qsizetype)xml.size()));
    if (!r.readNextStartElement() || r.namespaceUri() != kDav || r.name() != u"multistatus") {
        error = r.hasError() ? FillIn(TextTranslation::translate("DavClient", "it is not XML (%1)"), {r.errorString().toStdString()})
                             : TextTranslation::translate("DavClient", "it is no WebDAV multistatus");
        return false;
    }
    while (r.readNextStartElement()) {
        if (r.namespaceUri() == kDav && r.name() == u"response") {
            DavItem item;
            ReadResponse(r, item);
            if (!item.href.empty()) out.items.push_back(std::move(item));
        } else if (r.namespaceUri() == kDav && r.name() == u"sync-token") {
            out.syncToken = Text(r);
        } else {
            r.skipCurrentElement();
        }
    }
    if (r.hasError()) {
        error = FillIn(TextTranslation::translate("DavClient", "its XML is broken (%1)"), {r.errorString().toStdString()});
        return false;
    }
    return true;
}

namespace davxml {

std::string DiscoveryPropfind()
{
    return std::string(kHead) +
           "<d:propfind xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\" "
           "xmlns:cal=\"urn:ietf:params:xml:ns:caldav\"><d:prop><d:current-user-principal/><d:resourcetype/>"
           "<d:displayname/><d:supported-report-set/><card:addressbook-home-set/><cal:calendar-home-set/>"
           "</d:prop></d:propfind>";
}

std::string EtagPropfind()
{
    return std::string(kHead) + "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/><d:getetag/></d:prop></d:propfind>";
}

std::string CtagPropfind()
{
    return std::string(kHead) +
           "<d:propfind xmlns:d=\"DAV:\" xmlns:cs=\"http://calendarserver.org/ns/\"><d:prop><cs:getctag/></d:prop>"
           "</d:propfind>";
}

std::string SyncCollection(const std::string& token)
{
    return std::string(kHead) + "<d:sync-collection xmlns:d=\"DAV:\"><d:sync-token>" + Escaped(token) +
           "</d:sync-token><d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop></d:sync-collection>";
}

std::string AddressBookMultiget(const std::vector<std::string>& hrefs)
{
    std::string out = std::string(kHead) +
                      "<card:addressbook-multiget xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\">"
                      "<d:prop><d:getetag/><card:address-data/></d:prop>";
    for (const std::string& h : hrefs) out += "<d:href>" + Escaped(h) + "</d:href>";
    return out + "</card:addressbook-multiget>";
}

std::string MakeCalendar(const std::string& name)
{
    return std::string(kHead) +
           "<cal:mkcalendar xmlns:d=\"DAV:\" xmlns:cal=\"urn:ietf:params:xml:ns:caldav\"><d:set><d:prop>"
           "<d:displayname>" + Escaped(name) + "</d:displayname>"
           "<cal:supported-calendar-component-set><cal:comp name=\"VEVENT\"/></cal:supported-calendar-component-set>"
           "</d:prop></d:set></cal:mkcalendar>";
}

}  // namespace davxml
