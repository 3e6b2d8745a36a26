// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Arithmetic of the calendar page: month blocks, cells, titles, printed page sizes and month stepping.
// Nothing here draws; the view feeds these numbers to its painter.
#include <string>
#include "platform/CString.h"

// Cell index of day 1 in the 6 x 7 grid. weekday: 1 Monday .. 7 Sunday. Row 0, columns 0-4 are
// the title area, so day 1 is always in cell 5 or later.
int StartCell(int weekday, bool startMonday);

// How a page of 1, 6 or 12 months is cut into blocks.
struct BlockGrid {
    int columns = 1;
    int rows = 1;
    int blockWidth = 0;
    int blockHeight = 0;
    int fontPercent = -1;   // -1: leave the font scale as it is
};
// W, H: page size; printScale: the print scale percentage (100 on screen); printing: a printed page.
BlockGrid LayoutBlocks(int monthsPerPage, int W, int H, int printScale, bool printing);

// Geometry of one month block.
struct MonthGeometry {
    int x0 = 0, y0 = 0;         // block origin
    int columnWidth = 0;
    int rowHeight = 0;
    int dayNameHeight = 0;
    int lineWidth = 3;
};
MonthGeometry MonthBlockGeometry(int x0, int y0, int w, int h, int rightMargin, int bottomMargin,
                                 int dayNameHeight, int lineWidth);

struct CellBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};
// Box of cell i inside a block, inset by half the line width.
CellBox CellBoxOf(const MonthGeometry& g, int cell);

// The largest font size drawn, in tenths of a point (1000 points).
inline constexpr int kLargestFontSize = 10000;
// A stored font size (tenths of a point) at a font percentage, at most kLargestFontSize: a size
// from a damaged settings file neither overflows nor makes fonts too large to draw or to shrink.
// Sizes of 0 and below stay as they are (no font).
int ScaledFontSize(int storedSize, int percent);

// Height of the day-name row from the measured height of "Sunday".
int DayNameRowHeight(int textHeight, int lineWidth);

// Month stepping. monthsInYear: 12, or 12/13 for the moon calendars. There is no year 0.
int StepYear(int year, int delta);          // delta +1 or -1, skipping 0
void NextMonthOf(int& month, int& year, int monthsInThisYear);
// monthsInPreviousYear is asked for the year the step lands in.
template <class MonthsIn>
void PrevMonthOf(int& month, int& year, MonthsIn monthsIn)
{
    if (--month < 1) {
        year = StepYear(year, -1);
        month = monthsIn(year);
    }
}

// The month a printed page starts at: the page date advanced by counter × months per page.
void PrintedPageMonth(int& month, int& year, int pageCounter, int monthsPerPage);
// The same in a calendar whose years have monthsIn(year) months, so that a moon year's
// thirteenth month gets its page too (and a print may start at it).
template <class MonthsIn>
void PrintedPageMonth(int& month, int& year, int pageCounter, int monthsPerPage, MonthsIn monthsIn)
{
    for (int k = pageCounter * monthsPerPage; k > 0; --k) NextMonthOf(month, year, monthsIn(year));
}

// Line width on a printed page for a print scale.
int PrintLineWidth(int printScale);

// Paper: standard paper codes 1 to 41 in tenths of a millimetre (width × length, portrait).
struct PaperSize {
    int width = 0;
    int length = 0;
};
// Unknown codes give Letter.
PaperSize PaperSizeOf(int paperCode);
// The paper code for a name like "A4", "Letter", "Legal" (case-insensitive); 0 when unknown.
int PaperCodeByName(const std::string& name);

// Printer resolution from a quality code (negative draft codes or dpi) and a y resolution (0: none).
void PrintResolution(int quality, int yResolution, int& xDpi, int& yDpi);

// Printable area in printer pixels.
void PrintableArea(bool portrait, PaperSize paper, int xDpi, int yDpi, int& width, int& height);

// The print scale: the larger page fitted onto the printable area, in percent of the screen block.
int PrintScaleFor(int printableWidth, int printableHeight, int blockWidth, int blockHeight);

// The height used by a printed page: a portrait page with one month per page keeps a 4:3 band.
int PrintedPageHeight(int width, int height, int monthsPerPage);

// Calendar types.
enum CalendarType { kCurrent = 0, kOldStyle = 1, kMoon = 2, kChinese = 3 };

// The calendar type the reform switch picks for a Current or Old style month.
int ReformCalendarType(int type, int month, int year);
// True for October 1582 in the Old style: days 5 to 14 are skipped.
bool IsReformMonth(int type, int month, int year);

// Number of the week holding a Gregorian day (day number at 0 h). Weeks starting on Monday are
// ISO 8601 weeks (week 1 holds the year's first Thursday; 28 December 2026 is in week 53);
// weeks starting on Sunday count from the week holding 1 January as week 1 of that year.
int WeekNumber(double dayNumber, bool startMonday);

// Chinese year animal of a year (non-negative remainder also for early years).
const char* YearAnimal(int year);

// Month title. monthName: the month's name as the options give it.
CString MonthTitle(int type, const CString& monthName, int month, int year);
