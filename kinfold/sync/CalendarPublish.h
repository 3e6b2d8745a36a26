// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Birthdays out: the iCalendar export cut into one calendar resource per event, and which of
// them a sync puts on the server or deletes there.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct CalendarResource {
    std::string uid;
    std::string name;   // the resource's file name: the UID, made safe for a path, + ".ics"
    std::string body;   // a VCALENDAR holding this one event
    uint64_t hash = 0;  // of the body without its DTSTAMP, which changes with every export
};

// One resource per VEVENT of the export's text, in its order; the calendar's own lines (and any
// time zones) go into each, METHOD left out (a stored calendar object has none).
std::vector<CalendarResource> SplitCalendar(std::string_view ics);

// What is on the server from the last sync: UID -> the body's hash and the resource's ETag.
struct PublishedEvent {
    uint64_t hash = 0;
    std::string etag;
};
using PublishedEvents = std::map<std::string, PublishedEvent>;

std::string StorePublished(const PublishedEvents& events);
PublishedEvents LoadPublished(std::string_view text);

struct PublishStep {
    enum Kind { Create, Update, Delete } kind;
    std::string uid;
    std::string name;
    const CalendarResource* resource = nullptr;  // Create and Update
    std::string etag;                            // Update and Delete: If-Match
};

// New events are created (If-None-Match), changed ones updated (If-Match), events gone from the
// list deleted; unchanged ones are left alone.
std::vector<PublishStep> PlanPublish(const std::vector<CalendarResource>& resources, const PublishedEvents& published);

// The resource name of a UID (letters, digits and "-_.@" kept, others percent-encoded) + ".ics".
std::string ResourceName(std::string_view uid);
