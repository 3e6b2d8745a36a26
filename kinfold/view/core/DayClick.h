// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which day cell, and which entry in it, lies under a point of the screen page: the same layout
// the screen drawing uses, block by block, so that pages of 6 and 12 months map a click to the
// month block under it.
#include <memory>
#include <vector>
#include "calendar/CalendarDate.h"
#include "view/core/DayCell.h"
#include "view/core/PageLayout.h"

// The screen page as it was drawn.
struct ScreenPage {
    int monthsPerPage = 1;
    int width = 0, height = 0;                     // the view's client area
    int left = 5, top = 5, right = 5, bottom = 5;  // margins
    int dayNameHeight = 20;
    int lineWidth = 3;
    int year = 2000, month = 1;  // the first month shown, in the displayed calendar
    int calendarType = 0;
    bool autoOldStyle = true;    // months up to October 1582 drawn in the Old style
    bool startMonday = false;
};

struct DayUnderPoint {
    int year = 0, month = 0, day = 0;  // the day in its block's own calendar
    int calendarType = 0;              // that block's calendar
    GregorianDate civil;               // the civil date whose entries the cell shows
    CellBox box;                       // the cell, inside its grid lines
};

// The first day of a month in the given calendar (kCurrent, kOldStyle, or a moon calendar).
std::unique_ptr<CalendarDate> FirstOfMonth(int type, int month, int year);

// The day cell under (x, y); false outside every grid, on the title and on empty cells.
bool FindDayAt(const ScreenPage& page, int x, int y, DayUnderPoint& out);

// The entry a click at height y hits among a cell's lines (StackCellLines): the entry whose line
// holds y; on the holiday line or below the lines the day's first entry; above them -1.
int EntryAtLine(const std::vector<CellLine>& lines, int y);
