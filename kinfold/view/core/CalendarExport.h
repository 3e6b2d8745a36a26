// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list as an iCalendar file for phone and web calendars: one all-day yearly event per entry
// that the calendar shows.
#include <cstdint>
#include <string>
#include "birthdays/BirthdayList.h"

struct CalendarExportOptions {
    // Which entries the calendar shows: anniversaries and notes only when switched on; the
    // birthdays of the dead end at the death date unless their switch is on.
    DisplaySwitches switches;
    // How 29 February is shown in common years: 0 on 28 February, 1 on 1 March, 2 not at all.
    int leapDay = 0;
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
