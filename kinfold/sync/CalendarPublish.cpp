// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CalendarPublish.h"
#include <cstdio>
#include <cstdlib>
#include <set>
#include "platform/Fnv.h"

namespace {

// The text's lines without their CR LF; a folded line stays as its pieces.
std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> out;
    while (!text.empty()) {
        size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.push_back(line);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    }
    return out;
}

bool Starts(std::string_view line, std::string_view name)
{
    if (line.size() <= name.size() || line.substr(0, name.size()) != name) return false;
    char c = line[name.size()];
    return c == ':' || c == ';';
}

bool Continues(std::string_view line) { return !line.empty() && (line[0] == ' ' || line[0] == '\t'); }

} // namespace

std::string ResourceName(std::string_view uid)
{
    std::string out;
    for (unsigned char c : uid) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
            c == '.' || c == '@') {
            out += (char)c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out + ".ics";
}

std::vector<CalendarResource> SplitCalendar(std::string_view ics)
{
    std::vector<std::string_view> lines = Lines(ics);
    std::string head;
    size_t i = 0;
    for (; i < lines.size() && lines[i] != "BEGIN:VEVENT"; ++i) {
        if (lines[i] == "END:VCALENDAR") break;
        // METHOD belongs to a message, not to a stored calendar.
        if (Starts(lines[i], "METHOD")) {
            while (i + 1 < lines.size() && Continues(lines[i + 1])) ++i;
            continue;
        }
        head.append(lines[i]).append("\r\n");
    }
    std::vector<CalendarResource> out;
    while (i < lines.size()) {
        if (lines[i] != "BEGIN:VEVENT") {
            ++i;
            continue;
        }
        CalendarResource r;
        r.body = head;
        uint64_t h = Fnv1a(head);
        bool stamp = false;
        for (; i < lines.size(); ++i) {
            std::string_view line = lines[i];
            r.body.append(line).append("\r\n");
            if (!Continues(line)) stamp = Starts(line, "DTSTAMP");
            if (!stamp) h = Fnv1a("\n", Fnv1a(line, h));
            if (Starts(line, "UID")) {
                r.uid = std::string(line.substr(line.find(':') + 1));
                for (size_t k = i + 1; k < lines.size() && Continues(lines[k]); ++k) r.uid.append(lines[k].substr(1));
            }
            if (line == "END:VEVENT") {
                ++i;
                break;
            }
        }
        r.body += "END:VCALENDAR\r\n";
        r.hash = h;
        if (r.uid.empty()) continue;
        r.name = ResourceName(r.uid);
        out.push_back(std::move(r));
    }
    return out;
}

std::string StorePublished(const PublishedEvents& events)
{
    std::string out;
    for (const auto& [uid, e] : events) out += uid + "\t" + std::to_string(e.hash) + "\t" + e.etag + "\n";
    return out;
}

PublishedEvents LoadPublished(std::string_view text)
{
    PublishedEvents out;
    for (std::string_view line : Lines(text)) {
        size_t a = line.find('\t');
        size_t b = a == std::string_view::npos ? a : line.find('\t', a + 1);
        if (b == std::string_view::npos || a == 0) continue;
        PublishedEvent e;
        e.hash = std::strtoull(std::string(line.substr(a + 1, b - a - 1)).c_str(), nullptr, 10);
        e.etag = std::string(line.substr(b + 1));
        out[std::string(line.substr(0, a))] = e;
    }
    return out;
}

std::vector<PublishStep> PlanPublish(const std::vector<CalendarResource>& resources, const PublishedEvents& published)
{
    std::vector<PublishStep> steps;
    std::set<std::string> current;
    for (const CalendarResource& r : resources) {
        if (!current.insert(r.uid).second) continue;
        auto it = published.find(r.uid);
        if (it == published.end()) {
            steps.push_back({PublishStep::Create, r.uid, r.name, &r, ""});
        } else if (it->second.hash != r.hash || it->second.etag.empty()) {
            steps.push_back({PublishStep::Update, r.uid, r.name, &r, it->second.etag});
        }
    }
    for (const auto& [uid, e] : published)
        if (!current.count(uid)) steps.push_back({PublishStep::Delete, uid, ResourceName(uid), nullptr, e.etag});
    return steps;
}
