// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list as an iCalendar file for phone and web calendars: one all-day yearly event per entry
// that the calendar shows.
#include <cstdint>
#include <string>
#include "birthdays/BirthdayList.h"
#include "birthdays/ImportCommand.h"
#include "birthdays/LeapDay.h"

class ISettingsStore;

struct CalendarExportOptions {
    // Which entries the calendar shows: anniversaries and notes only when switched on; the
    // birthdays of the dead end at the death date unless their switch is on.
    DisplaySwitches switches;
    // Where 29 February is shown in common years, as in the calendar.
    LeapDayRule leapDay = LeapDayRule::February28;
    // DTSTAMP of every event, seconds since 1970 UTC.
    int64_t stamp = 0;
};

// The identity of an entry in a calendar: its kind and text, so an entry keeps its UID from
// one export to the next and a phone updates it instead of adding a copy.
std::string CalendarEventUid(const BirthdayEntry& entry);

// The whole file (CR LF lines folded at 75 octets, UTF-8); `events` receives the number of
// events written.
std::string ExportCalendar(const BirthdayList& list, const CalendarExportOptions& options, int* events = nullptr);

// Writes the file through a temporary file that then replaces `path`; false with a message.
bool ExportCalendarFile(const std::string& path, const BirthdayList& list, const CalendarExportOptions& options,
                        int& events, std::string& error);

// kinfold --export-ics OUT.ics [DOC.kfd]: the entries of DOC.kfd (else of the document the
// program opens at start) with the display options of profile 0 in `store`, stamped `now`.
// Nothing is written unless the document was read.
ImportCommandResult RunExportCommand(const std::string& out, const std::string& doc, ISettingsStore& store, int64_t now);
