// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/CalendarExport.h"
#include "platform/Translate.h"
#include <libical/ical.h>
#include <algorithm>
#include <cstdio>
#include "birthdays/DateCheck.h"
#include "birthdays/FileBytes.h"
#include "platform/CString.h"
#include "platform/Fnv.h"
#include "platform/SettingsStore.h"
#include "reminders/Reminders.h"
#include "view/core/DisplayOptions.h"

namespace {

// A year that iCalendar can write (four digits) and in which the date exists.
bool UsableDate(int year, int month, int day)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    int last = month == 2 && IsGregorianLeapYear(year) ? 29 : days[month - 1];
    return day <= last;
}

icaltimetype Date(int year, int month, int day)
{
    icaltimetype t = icaltime_null_date();
    t.year = year;
    t.month = month;
    t.day = day;
    return t;
}

bool Before(const icaltimetype& a, const icaltimetype& b)
{
    if (a.year != b.year) return a.year < b.year;
    if (a.month != b.month) return a.month < b.month;
    return a.day < b.day;
}

// The last day the calendar draws an entry that ends at `end`: the day itself, or, for a date
// without its day or its month, the last day of that month or year.
bool LastShownDay(const CalendarDate& end, icaltimetype& last)
{
    if (end.IsEmpty() || end.month < 0 || end.month > 12) return false;
    GregorianDate d(end.month == 0 ? 12 : end.month, 1, end.year);
    d.day = end.day < 1 || end.month == 0 ? d.DaysInThisMonth() : std::min(end.day, d.DaysInThisMonth());
    if (d.year < 1 || d.year > 9999) return false;
    last = Date(d.year, d.month, d.day);
    return true;
}

// Names and notes on one line: control characters (which iCalendar text cannot hold) become
// blanks; a text from an old list in the Windows code page becomes UTF-8.
std::string CalendarText(const CString& text)
{
    std::string s = BytesToUtf8(text);
    for (char& c : s)
        if ((unsigned char)c < 0x20 || c == 0x7F) c = ' ';
    return s;
}

enum class EventKind { None, Birthday, Anniversary, Note };

// As the calendar decides whether an entry is drawn at all.
EventKind KindOf(const BirthdayEntry& e, DisplaySwitches switches)
{
    if (e.HasKind(BirthdayEntry::Individual)) return EventKind::Birthday;
    if (e.HasKind(BirthdayEntry::Couple) && switches.IsSet(DisplaySwitches::Anniversaries)) return EventKind::Anniversary;
    if (e.HasKind(BirthdayEntry::Note) && switches.IsSet(DisplaySwitches::Notes)) return EventKind::Note;
    return EventKind::None;
}

// The event of an entry, or false when its date cannot be written.
bool MakeEvent(const BirthdayEntry& e, EventKind kind, const CalendarExportOptions& o, CalendarEvent& ev)
{
    const int month = e.month, day = e.day;
    // A year not given (0), or one iCalendar cannot hold, starts in 2000, a leap year.
    const bool knownYear = UsableDate(e.year, month, day);
    if (!knownYear && !UsableDate(2000, month, day)) return false;
    icaltimetype start = Date(knownYear ? e.year : 2000, month, day);
    if (month == 2 && day == 29) {
        ev.leap = o.leapDay == LeapDayRule::February28 ? CalendarEvent::LeapRule::LastDayOfFebruary
                  : o.leapDay == LeapDayRule::March1   ? CalendarEvent::LeapRule::YearDay60
                                                       : CalendarEvent::LeapRule::None;
    }
    icaltimetype until;
    if (!o.switches.IsSet(DisplaySwitches::DeadBirthdays) && LastShownDay(e.endDate, until)) {
        // Without a year of its own the event must still start before the death.
        if (!knownYear && Before(until, start)) {
            int y = until.year;
            while (y >= 1 && !(UsableDate(y, month, day) && !Before(until, Date(y, month, day)))) --y;
            if (y < 1) return false;
            start = Date(y, month, day);
        }
        ev.ends = true;
        ev.untilYear = until.year;
        ev.untilMonth = until.month;
        ev.untilDay = until.day;
    }
    ev.year = start.year;
    ev.month = start.month;
    ev.day = start.day;
    ev.uid = CalendarEventUid(e);
    ev.summary = CalendarText(e.DisplayText());
    const std::string year = std::to_string(e.year);
    if (kind == EventKind::Birthday) {
        ev.summary = FillIn(TextTranslation::translate("CalendarExport", "%1 (birthday)"), {ev.summary});
        if (e.year != 0) ev.description = FillIn(TextTranslation::translate("CalendarExport", "Born %1"), {year});
    } else if (kind == EventKind::Anniversary) {
        ev.summary = FillIn(TextTranslation::translate("CalendarExport", "%1 (anniversary)"), {ev.summary});
        if (e.year != 0) ev.description = FillIn(TextTranslation::translate("CalendarExport", "Married %1"), {year});
    }
    for (int lead : o.alarmDays)
        ev.alarms.push_back(CalendarAlarm{-(int64_t)lead * 86400 + (int64_t)o.alarmMinutes * 60, ev.summary});
    return true;
}

icalcomponent* EventComponent(const CalendarEvent& ev, icaltimetype stamp)
{
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = ICAL_YEARLY_RECURRENCE;
    if (ev.leap == CalendarEvent::LeapRule::LastDayOfFebruary) {
        rule.by_month[0] = 2;
        rule.by_month[1] = ICAL_RECURRENCE_ARRAY_MAX;
        rule.by_month_day[0] = -1;
        rule.by_month_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
    } else if (ev.leap == CalendarEvent::LeapRule::YearDay60) {
        rule.by_year_day[0] = 60;
        rule.by_year_day[1] = ICAL_RECURRENCE_ARRAY_MAX;
    }
    if (ev.ends) rule.until = Date(ev.untilYear, ev.untilMonth, ev.untilDay);

    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(ev.uid.c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_dtstart(Date(ev.year, ev.month, ev.day)));
    icalcomponent_add_property(event, icalproperty_new_rrule(rule));
    icalcomponent_add_property(event, icalproperty_new_summary(ev.summary.c_str()));
    if (!ev.description.empty()) icalcomponent_add_property(event, icalproperty_new_description(ev.description.c_str()));
    // A birthday is not busy time.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    for (const CalendarAlarm& a : ev.alarms) {
        icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_description(a.description.c_str()));
        icaltriggertype trigger;
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_from_int((int)a.trigger);
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_component(event, alarm);
    }
    return event;
}

std::string Serialized(icalcomponent* component)
{
    char* text = icalcomponent_as_ical_string_r(component);
    std::string out = text ? text : "";
    icalmemory_free_buffer(text);
    return out;
}

} // namespace

std::string CalendarEventUid(const BirthdayEntry& e)
{
    const uint64_t h = Fnv1a(e.text);
    const char* word = e.HasKind(BirthdayEntry::Individual) ? "birthday"
                       : e.HasKind(BirthdayEntry::Couple)   ? "anniversary"
                       : e.HasKind(BirthdayEntry::Note)     ? "note"
                                                            : "entry";
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", (unsigned long long)h);
    return std::string(word) + "-" + hex + "-" + std::to_string(e.text.size()) + "@kinfold";
}

std::vector<CalendarEvent> CalendarEvents(const BirthdayList& list, const CalendarExportOptions& options,
                                          CalendarLeftOut* leftOut)
{
    CalendarLeftOut counts;
    std::vector<CalendarEvent> events;
    events.reserve(list.Entries().size());
    for (const BirthdayEntry& e : list.Entries()) {
        EventKind kind = KindOf(e, options.switches);
        if (kind == EventKind::None || (kind == EventKind::Birthday && !options.birthdays)) {
            if (e.HasKind(BirthdayEntry::Individual)) ++counts.birthdays;
            else if (e.HasKind(BirthdayEntry::Couple)) ++counts.anniversaries;
            else if (e.HasKind(BirthdayEntry::Note)) ++counts.notes;
            continue;
        }
        CalendarEvent ev;
        if (!MakeEvent(e, kind, options, ev)) {
            ++counts.undated;
            continue;
        }
        if (ev.ends && kind == EventKind::Birthday) ++counts.endedAtDeath;
        events.push_back(std::move(ev));
    }
    if (leftOut) *leftOut = counts;
    return events;
}

std::string CalendarFileText(const std::vector<CalendarEvent>& events, int64_t stampSeconds)
{
    icalerror_set_errors_are_fatal(0);
    icaltimetype stamp = icaltime_from_timet_with_zone((time_t)stampSeconds, 0, icaltimezone_get_utc_timezone());
    icalcomponent* calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Quorvanth Software//Kinfold//EN"));
    icalcomponent_add_property(calendar, icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar, icalproperty_new_method(ICAL_METHOD_PUBLISH));
    // The calendar's own lines, then each event written and freed on its own, which keeps the
    // library's heap small for a long list.
    std::string out = Serialized(calendar);
    icalcomponent_free(calendar);
    const std::string end = "END:VCALENDAR\r\n";
    if (out.size() >= end.size() && out.compare(out.size() - end.size(), end.size(), end) == 0)
        out.resize(out.size() - end.size());
    out.reserve(out.size() + events.size() * 260);
    for (const CalendarEvent& ev : events) {
        icalcomponent* event = EventComponent(ev, stamp);
        out += Serialized(event);
        icalcomponent_free(event);
    }
    out += end;
    return out;
}

std::string ExportCalendar(const BirthdayList& list, const CalendarExportOptions& options, int* count)
{
    const std::vector<CalendarEvent> events = CalendarEvents(list, options);
    if (count) *count = (int)events.size();
    return CalendarFileText(events, options.stamp);
}

std::string ExportLeftOutText(const CalendarLeftOut& l)
{
    std::string out;
    auto add = [&](int n, const std::string& text) {
        if (n > 0) out += (out.empty() ? "" : ", ") + text;
    };
    add(l.birthdays, l.birthdays == 1 ? TextTranslation::translate("CalendarExport", "1 birthday")
                                      : TextTranslation::translate("CalendarExport", "%n birthdays", nullptr, l.birthdays));
    add(l.anniversaries, l.anniversaries == 1 ? TextTranslation::translate("CalendarExport", "1 anniversary")
                                              : TextTranslation::translate("CalendarExport", "%n anniversaries", nullptr, l.anniversaries));
    add(l.notes, l.notes == 1 ? TextTranslation::translate("CalendarExport", "1 note")
                              : TextTranslation::translate("CalendarExport", "%n notes", nullptr, l.notes));
    out = !out.empty()    ? FillIn(TextTranslation::translate("CalendarExport", "left out: %1"), {out})
          : l.undated > 0 ? ""
                          : TextTranslation::translate("CalendarExport", "nothing left out");
    if (l.undated > 0) out += (out.empty() ? "" : "; ") + LeftOutText(l.undated);
    if (l.endedAtDeath > 0)
        out += "; " + (l.endedAtDeath == 1 ? TextTranslation::translate("CalendarExport", "1 birthday ends at the death date")
                                           : TextTranslation::translate("CalendarExport", "%n birthdays end at the death date", nullptr,
                                                      l.endedAtDeath));
    return out;
}

bool ExportCalendarFile(const std::string& path, const BirthdayList& list, const CalendarExportOptions& options,
                        int& events, std::string& error)
{
    return WriteWholeFile(path, ExportCalendar(list, options, &events), error);
}

CalendarExportOptions StoredExportOptions(ISettingsStore& store, int64_t now, bool alarms)
{
    const DisplayOptions display = LoadDisplayOptions(store, 0);
    CalendarExportOptions options;
    options.switches = display.switches;
    options.leapDay = display.leapDay;
    options.stamp = now;
    const ReminderSettings reminders = LoadReminderSettings(store);
    if (alarms && reminders.enabled) {
        options.alarmDays = reminders.leadDays;
        options.alarmMinutes = reminders.minutes;
    }
    return options;
}

ImportCommandResult RunExportCommand(const std::string& out, const std::string& doc, ISettingsStore& store, int64_t now,
                                     bool alarms)
{
    ImportCommandResult r;
    auto fail = [&](int code, const std::string& message) {
        r.exitCode = code;
        r.error = message;
        return r;
    };
    if (out.empty()) return fail(2, TextTranslation::translate("CalendarExport", "--export-ics needs the name of the calendar file to write"));
    // "kinfold --export-ics family.kfd" must not write a calendar over the document.
    std::string lower;
    for (char c : out) lower += (char)(c >= 'A' && c <= 'Z' ? c + 32 : c);
    if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".kfd") == 0)
        return fail(2, FillIn(TextTranslation::translate("CalendarExport", "--export-ics writes an iCalendar file, not \"%1\" "
                                                                   "(give OUT.ics, then the document)"),
                                        {out}));
    std::string path = doc;
    if (path.empty()) path = store.GetString("Recent File List", "File1", "");
    if (path.empty()) path = "Kinfold.kfd";

    BirthdayList list;
    std::string bytes, error;
    // A start file made empty at the first start is an empty list, as in the window.
    if (!ReadWholeFile(path, bytes, error))
        return fail(1, doc.empty() ? FillIn(TextTranslation::translate("CalendarExport", "no DOC.kfd given, and the last "
                                                                                 "document cannot be read: %1"),
                                                      {error})
                                   : error);
    if (!bytes.empty() && !LoadKfdFile(path, list, error)) return fail(1, error);

    const CalendarExportOptions options = StoredExportOptions(store, now, alarms);
    int events = 0;
    if (!ExportCalendarFile(out, list, options, events, error)) return fail(1, error);
    r.output = FillIn(events == 1 ? TextTranslation::translate("CalendarExport", "1 event written to %1 (from %2)")
                                            : TextTranslation::translate("CalendarExport", "%n events written to %1 (from %2)", nullptr, events),
                                {out, path});
    if (int n = CountOnNoDay(list, options.switches)) r.output += "; " + LeftOutText(n);
    return r;
}
