// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up of the program and its headless printing.
#include <QString>
#include <QStringList>
#include <string>
#include "platform/CommandLine.h"

class QApplication;
class CMainFrame;

// The start file when the recent-file list is empty.
inline constexpr const char* kDefaultStartFile = "Kinfold.kfd";

// Shows the main window with `document`, or the start document when it is empty; returns the
// program's exit code.
int RunKinfold(QApplication& app, const QString& document = QString());
// Opens `document` in the frame, or when it is empty the start document (the last one used, else
// kDefaultStartFile); a file that cannot be opened is reported and leaves a new document. False
// only when the named document could not be opened.
bool OpenStartDocument(CMainFrame& frame, const QString& document);

struct PrintPdfOptions {
    QString output;
    int year = 0;           // 0: the current month
    int month = 0;
    int monthsPerPage = 1;
    int calendar = 0;
    int paperCode = 0;      // 0: the locale's paper
    bool portrait = false;
    bool weekNumbers = false;
    QString document;       // empty: an empty list
    std::string holidaySet; // a country set's code; empty: the stored holiday list
};

class HolidayList;
// A year option's value, -9900 to 11400 without 0; an error text naming `option`, or empty.
QString ReadYearOption(const char* option, const std::string& value, int& year);
// Puts the country set of `code` (any case) in `list`; "" or a message naming the unknown code.
std::string HolidaySetByCode(const std::string& code, HolidayList& list);
// The stored holiday list as the calendar reads it, without writing to the store (no factory
// list is stored on the way).
void StoredHolidays(HolidayList& list);
// Prints a line on standard output with its control characters as blanks: a text read from a
// file (a name, a holiday) may hold an escape sequence that would retitle, recolour or command
// the terminal. The C1 controls of UTF-8 (U+0080 to U+009F) count too.
void PrintTerminalLine(const std::string& line);
// Appends the all-day events of the iCalendar file at `path` to `list`. On success "" and the
// counts' line ("FILE: 12 holidays from ..."); else the reason, with `status` 1 for a file that
// cannot be read and 2 for one that is no sound iCalendar file, and the list untouched.
std::string AddHolidaysFromFile(const std::string& path, HolidayList& list, std::string& line, int& status);

// Reads "--print-pdf OUT [--year Y] [--month M] [--months-per-page N] [--calendar T] [--paper P]
// [--portrait | --landscape] [--holidays CODE] [--week-numbers] [DOC]" from a command line checked against Kinfold's options;
// an error text naming the bad value, or "".
// `today` (0: the clock's) picks the year a moon month 13 is checked in when --year is absent.
QString ReadPrintPdfOptions(const CommandArgs& args, PrintPdfOptions& options, double today = 0);
// Prints one year into the PDF; an error text or "". `leftOut` receives how many entries the
// print left out as their dates cannot be.
QString PrintPdf(const PrintPdfOptions& options, int* leftOut = nullptr);
// Reads, prints and reports; the exit code (2 for bad arguments, 1 when printing failed).
int RunPrintPdfCommand(const CommandArgs& args);
