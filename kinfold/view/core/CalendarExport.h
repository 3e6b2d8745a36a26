// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list as an iCalendar file for phone and web calendars: one all-day yearly event per entry
// that the calendar shows.
#include <cstdint>
#include <string>
#include <vector>
#include "birthdays/BirthdayList.h"
#include "birthdays/ImportCommand.h"
#include "birthdays/LeapDay.h"

class ISettingsStore;

struct CalendarExportOptions {
    // Which entries the calendar shows: anniversaries and notes only when switched on; the
    // birthdays of the dead end at the death date unless their switch is on.
    DisplaySwitches switches;
    // The individuals' birthdays, which the calendar always shows; an export may leave them out.
    bool birthdays = true;
    // Where 29 February is shown in common years, as in the calendar.
    LeapDayRule leapDay = LeapDayRule::February28;
    // DTSTAMP of every event, seconds since 1970 UTC.
    int64_t stamp = 0;
    // The reminders as alarms: one per lead day, at the time of day (minutes after midnight)
    // of that day; none when empty.
    std::vector<int> alarmDays;
    int alarmMinutes = 9 * 60;
};

// One yearly all-day event, ready to be written (into one file, or one resource each).
struct CalendarAlarm {
    int64_t trigger = 0;      // seconds from the event's start (local midnight); negative: before
    std::string description;  // UTF-8
};
struct CalendarEvent {
    enum class LeapRule { None, LastDayOfFebruary, YearDay60 };
    std::string uid, summary, description;  // UTF-8
    int year = 0, month = 0, day = 0;       // the first day; the event recurs every year
    LeapRule leap = LeapRule::None;         // how 29 February recurs in common years
    bool ends = false;                      // the last day the event can fall on:
    int untilYear = 0, untilMonth = 0, untilDay = 0;
    std::vector<CalendarAlarm> alarms;
};

// What an export left out, for the user to hear of it.
struct CalendarLeftOut {
    int birthdays = 0, anniversaries = 0, notes = 0;
    int endedAtDeath = 0;  // birthdays that stop at the death date
    int undated = 0;       // entries on no day of any year (31 April, month 0)
};
// "left out: 4 anniversaries, 2 notes; 3 birthdays end at the death date", or "nothing left
// out"; entries on no day as the print says them.
std::string ExportLeftOutText(const CalendarLeftOut& leftOut);

// The identity of an entry in a calendar: its kind and text, so an entry keeps its UID from
// one export to the next and a phone updates it instead of adding a copy.
std::string CalendarEventUid(const BirthdayEntry& entry);

// The events of the entries the options include, in list order.
std::vector<CalendarEvent> CalendarEvents(const BirthdayList& list, const CalendarExportOptions& options,
                                          CalendarLeftOut* leftOut = nullptr);
// A calendar file of the events (CR LF lines folded at 75 octets, UTF-8), stamped `stamp`.
std::string CalendarFileText(const std::vector<CalendarEvent>& events, int64_t stamp);

// The whole file of the list; `events` receives the number of events written.
std::string ExportCalendar(const BirthdayList& list, const CalendarExportOptions& options, int* events = nullptr);

// Writes the file through a temporary file that then replaces `path`; false with a message.
bool ExportCalendarFile(const std::string& path, const BirthdayList& list, const CalendarExportOptions& options,
                        int& events, std::string& error);

// The options of the export and of the published calendars: the display options of profile 0
// in `store`, and the reminders' alarms when reminders are on and `alarms` is true; stamped `now`.
CalendarExportOptions StoredExportOptions(ISettingsStore& store, int64_t now, bool alarms = true);

// kinfold --export-ics OUT.ics [--no-alarms] [DOC.kfd]: the entries of DOC.kfd (else of the
// document the program opens at start) with the display options of profile 0 in `store`, and
// the reminders' alarms when reminders are on and `alarms` is true; stamped `now`. Nothing is
// written unless the document was read.
ImportCommandResult RunExportCommand(const std::string& out, const std::string& doc, ISettingsStore& store, int64_t now,
                                     bool alarms = true);
