// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one day cell of the calendar shows, worked out without drawing: the corner text, the
// holiday and the entries of the day stacked from the bottom of the cell.
#include <vector>
#include "birthdays/BirthdayList.h"
#include "calendar/CalendarDate.h"
#include "holidays/HolidayList.h"
#include "platform/CString.h"
#include "view/core/DisplayOptions.h"

enum class CornerKind { None, SeasonOrMoon, DayCount, CivilDate };
struct CornerText {
    CornerKind kind = CornerKind::None;
    CString text;
};
// date: the civil (Gregorian) date of the cell; calendarType: the type being displayed.
CornerText DayCornerText(const CalendarDate& date, const DisplayOptions& options, int calendarType);

// Line heights of the texts at the top of a cell, in surface units.
struct CellTopHeights {
    int dayNumber = 0;
    int seasonOrMoon = 0;  // the corner text in the name font
    int dayCount = 0;      // the day count or civil date in the day-count font
};
// The top of a cell's free area: below the day number and the corner text, whichever is lower.
int CellFreeTop(int cellTop, CornerKind corner, const CellTopHeights& heights);

// "Name (years)" or "Name " as the age mode asks.
CString EntryLabel(const BirthdayEntry& entry, int years, bool shortNames, int ageMode);
// The hover tip of a name: "text years Birthday|Anniversary".
CString EntryTip(const BirthdayEntry& entry, int years);

// Indexes of the list's entries ordered by month and day of their own dates, list order kept
// within a day, so that a day's entries are found whatever order the list is in.
std::vector<int> DayOrderIndex(const BirthdayList& list);

struct CellLine {
    enum Kind { HolidayLine, NameLine, NoteLine };
    Kind kind = NameLine;
    CString text;      // holiday name, label of a name, or a note's text
    int entry = -1;    // list index (names and notes)
    int years = 0;
    int top = 0, bottom = 0;
};

// The lines of a cell from the bottom up: the holiday on the bottom line, then each entry of the
// day that shows (a note on two lines) while it fits below freeTop (CellFreeTop); the first that
// does not fit ends the cell. The holiday always has its line. dayIndex: DayOrderIndex of the list.
std::vector<CellLine> StackCellLines(const CalendarDate& date, const BirthdayList& list,
                                     const std::vector<int>& dayIndex, const HolidayList& holidays,
                                     const DisplayOptions& options, int freeTop, int bottom, int lineHeight);
