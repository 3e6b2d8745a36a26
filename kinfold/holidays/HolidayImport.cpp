// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/HolidayImport.h"
#include "platform/Translate.h"

#include <libical/ical.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

constexpr int kFirstImportYear = 1900;
constexpr int kLastImportYear = 2100;

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentFree>;

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// Whether a line of the text (folded lines aside) reads `wanted`, as content lines are compared.
bool HasLine(const std::string& bytes, const std::string& wanted) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (Upper(line) == wanted)
            return true;
        start = end + 1;
    }
    return false;
}

// Whether libical marked a part of the object as not parsed.
bool HasParseError(icalcomponent* c) {
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_XLICERROR_PROPERTY)) {
        icalparameter* type = icalproperty_get_first_parameter(p, ICAL_XLICERRORTYPE_PARAMETER);
        if (!type)
            return true;
        switch (icalparameter_get_xlicerrortype(type)) {
        case ICAL_XLICERRORTYPE_COMPONENTPARSEERROR:
        case ICAL_XLICERRORTYPE_PROPERTYPARSEERROR:
        case ICAL_XLICERRORTYPE_PARAMETERNAMEPARSEERROR:
        case ICAL_XLICERRORTYPE_PARAMETERVALUEPARSEERROR:
        case ICAL_XLICERRORTYPE_VALUEPARSEERROR:
            return true;
        default:
            break;
        }
    }
    for (icalcomponent* k = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); k;
         k = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT))
        if (HasParseError(k))
            return true;
    return false;
}

// The yearly rule of an event, when it is one a single holiday rule can hold: every year (no
// interval, no exceptions) on the start's date, or on one weekday of one week of the start's
// month. Sets `h` (without its name) and returns true.
bool YearlyRule(const icalrecurrencetype& r, const icaltimetype& start, Holiday& h) {
    if (r.freq != ICAL_YEARLY_RECURRENCE || r.interval > 1 || r.by_second[0] != ICAL_RECURRENCE_ARRAY_MAX ||
        r.by_minute[0] != ICAL_RECURRENCE_ARRAY_MAX || r.by_hour[0] != ICAL_RECURRENCE_ARRAY_MAX ||
        r.by_year_day[0] != ICAL_RECURRENCE_ARRAY_MAX || r.by_week_no[0] != ICAL_RECURRENCE_ARRAY_MAX ||
        r.by_set_pos[0] != ICAL_RECURRENCE_ARRAY_MAX)
        return false;
    int month = start.month;
    if (r.by_month[0] != ICAL_RECURRENCE_ARRAY_MAX) {
        if (r.by_month[1] != ICAL_RECURRENCE_ARRAY_MAX)
            return false;
        month = r.by_month[0];
    }
    const bool byDay = r.by_day[0] != ICAL_RECURRENCE_ARRAY_MAX;
    const bool byMonthDay = r.by_month_day[0] != ICAL_RECURRENCE_ARRAY_MAX;
    if (byDay) {
        if (byMonthDay || r.by_day[1] != ICAL_RECURRENCE_ARRAY_MAX)
            return false;
        const int pos = icalrecurrencetype_day_position(r.by_day[0]);
        // Sunday is 1 in libical, 7 here.
        const int libicalDay = static_cast<int>(icalrecurrencetype_day_day_of_week(r.by_day[0]));
        const int weekday = libicalDay == 1 ? 7 : libicalDay - 1;
        if (pos < -1 || pos == 0 || pos > 5 || weekday < 1 || weekday > 7)
            return false;
        h = Holiday(month, pos == -1 ? 6 : pos, weekday, "");
        return true;
    }
    int day = start.day;
    if (byMonthDay) {
        if (r.by_month_day[1] != ICAL_RECURRENCE_ARRAY_MAX || r.by_month_day[0] < 1)
            return false;
        day = r.by_month_day[0];
    }
    h = Holiday(month, day, "");
    return true;
}

// The last year of a yearly rule with UNTIL or COUNT; 0 for none.
int LastYear(const icalrecurrencetype& r, const icaltimetype& start) {
    if (!icaltime_is_null_time(r.until))
        return r.until.year;
    if (r.count > 0)
        return start.year + r.count - 1;
    return 0;
}

// Days between the start and the (exclusive) end of an all-day event; 1 without an end.
int LengthInDays(icalcomponent* event, const icaltimetype& start) {
    const icaltimetype end = icalcomponent_get_dtend(event);
    if (icaltime_is_null_time(end) || !end.is_date)
        return 1;
    const int days = icaldurationtype_as_int(icaltime_subtract(end, start)) / (24 * 60 * 60);
    return std::max(days, 1);
}

void AddDays(icaltimetype day, int length, const CString& name, std::vector<Holiday>& out, int& taken) {
    for (int i = 0; i < length && taken < kMaxDaysPerEvent; ++i, ++taken) {
        if (day.year >= kFirstImportYear && day.year <= kLastImportYear)
            out.push_back(Holiday::InOneYear(day.year, day.month, day.day, name));
        icaltime_adjust(&day, 1, 0, 0, 0);
    }
}

bool SameDay(const icaltimetype& a, const icaltimetype& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The start days of the event up to 2100: its RRULEs and RDATEs (the start among them), less
// its EXDATEs, in date order; libical's rule iterator works on the dates themselves, so no time
// zone comes in.
std::vector<icaltimetype> StartDays(icalcomponent* event, const icaltimetype& start) {
    std::vector<icaltimetype> days{start};
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
        icalrecur_iterator* it = icalrecur_iterator_new(icalproperty_get_rrule(p), start);
        if (!it)
            continue;
        for (icaltimetype t = icalrecur_iterator_next(it);
             !icaltime_is_null_time(t) && t.year <= kLastImportYear && days.size() <= static_cast<size_t>(kMaxDaysPerEvent);
             t = icalrecur_iterator_next(it))
            days.push_back(t);
        icalrecur_iterator_free(it);
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaltimetype t = icalproperty_get_rdate(p).time;
        if (!icaltime_is_null_time(t))
            days.push_back(t);
    }
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype t = icalproperty_get_exdate(p);
        days.erase(std::remove_if(days.begin(), days.end(), [&t](const icaltimetype& d) { return SameDay(d, t); }),
                   days.end());
    }
    std::sort(days.begin(), days.end(), [](const icaltimetype& a, const icaltimetype& b) {
        return icaltime_compare_date_only(a, b) < 0;
    });
    days.erase(std::unique(days.begin(), days.end(), SameDay), days.end());
    return days;
}

// Every day of the event from 1900 to 2100, as one-year dates; false when there were more than
// are taken.
bool Occurrences(icalcomponent* event, const icaltimetype& start, int length, const CString& name,
                 std::vector<Holiday>& out) {
    int taken = 0;
    bool cut = false;
    for (const icaltimetype& day : StartDays(event, start)) {
        if (taken >= kMaxDaysPerEvent) {
            cut = true;
            break;
        }
        AddDays(day, length, name, out, taken);
    }
    return !cut && taken < kMaxDaysPerEvent;
}

}  // namespace

std::string HolidayImportCounts::Line() const {
    const std::string from = events == 1 ? TextTranslation::translate("HolidayImport", "1 all-day event")
                                         : TextTranslation::translate("HolidayImport", "%n all-day events", nullptr, events);
    std::string line = FillIn(holidays == 1 ? TextTranslation::translate("HolidayImport", "1 holiday from %1")
                                                      : TextTranslation::translate("HolidayImport", "%n holidays from %1", nullptr, holidays),
                                        {from});
    line += timed == 1 ? TextTranslation::translate("HolidayImport", ", 1 timed event skipped")
                       : TextTranslation::translate("HolidayImport", ", %n timed events skipped", nullptr, timed);
    if (cut > 0)
        line += FillIn(cut == 1 ? TextTranslation::translate("HolidayImport", ", 1 event cut at %1 days")
                                          : TextTranslation::translate("HolidayImport", ", %n events cut at %1 days", nullptr, cut),
                                 {std::to_string(kMaxDaysPerEvent)});
    return line;
}

bool HolidaysFromICalendar(const std::string& bytes, std::vector<Holiday>& out, HolidayImportCounts& counts,
                           std::string& error) {
    counts = HolidayImportCounts();
    size_t first = bytes.find_first_not_of(" \t\r\n");
    // A byte order mark may come first.
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        first = bytes.find_first_not_of(" \t\r\n", 3);
    if (first == std::string::npos || Upper(bytes.substr(first, 15)) != "BEGIN:VCALENDAR") {
        error = TextTranslation::translate("HolidayImport", "is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)");
        return false;
    }
    if (!HasLine(bytes, "END:VCALENDAR")) {
        error = TextTranslation::translate("HolidayImport", "is cut short: its END:VCALENDAR is missing");
        return false;
    }
    ComponentPtr calendar(icalparser_parse_string(bytes.c_str()));
    icalerror_clear_errno();
    if (!calendar || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT) {
        error = TextTranslation::translate("HolidayImport", "is not an iCalendar file libical can read");
        return false;
    }
    if (HasParseError(calendar.get())) {
        error = TextTranslation::translate("HolidayImport", "has parts libical cannot read (X-LIC-PARSEERROR)");
        return false;
    }
    std::vector<Holiday> found;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        if (icaltime_is_null_time(start))
            continue;
        if (!start.is_date) {
            ++counts.timed;
            continue;
        }
        ++counts.events;
        const char* summary = icalcomponent_get_summary(event);
        const CString name = summary && *summary ? CString(summary) : CString(TextTranslation::translate("HolidayImport", "Holiday"));
        const int length = LengthInDays(event, start);
        icalproperty* rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
        const bool alone = rrule && !icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY) &&
                           !icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY) &&
                           !icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY);
        Holiday h;
        if (alone && length == 1) {
            const icalrecurrencetype r = icalproperty_get_rrule(rrule);
            if (YearlyRule(r, start, h)) {
                h.name = name;
                // An open-ended rule stays a plain one, which older versions read too; one that
                // ends is kept from its first year to its last.
                const int last = LastYear(r, start);
                found.push_back(last ? h.InYears(start.year, last) : h);
                continue;
            }
        }
        if (!Occurrences(event, start, length, name, found))
            ++counts.cut;
    }
    counts.holidays = static_cast<int>(found.size());
    out.insert(out.end(), found.begin(), found.end());
    return true;
}
