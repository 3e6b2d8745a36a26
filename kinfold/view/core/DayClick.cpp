// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/DayClick.h"
#include <memory>
#include "calendar/MoonDate.h"

std::unique_ptr<CalendarDate> FirstOfMonth(int type, int month, int year)
{
    switch (type) {
    case kCurrent: return std::make_unique<GregorianDate>(month, 1, year);
    case kOldStyle: return std::make_unique<JulianDate>(month, 1, year);
    default: return std::make_unique<MoonDate>(month, 1, year);
    }
}

bool FindDayAt(const ScreenPage& page, int x, int y, DayUnderPoint& out)
{
    BlockGrid grid = LayoutBlocks(page.monthsPerPage, page.width, page.height, 100, false);
    if (grid.blockWidth <= 0 || grid.blockHeight <= 0) return false;
    if (x < page.left || y < page.top) return false;
    int bc = (x - page.left) / grid.blockWidth, br = (y - page.top) / grid.blockHeight;
    if (bc >= grid.columns || br >= grid.rows) return false;

    // Step to the block's month as the drawing does, the reform switch included.
    int month = page.month, year = page.year, type = page.calendarType;
    for (int k = 0;; ++k) {
        if (page.autoOldStyle) type = ReformCalendarType(type, month, year);
        if (k == br * grid.columns + bc) break;
        NextMonthOf(month, year, type >= kMoon ? MoonMonthsInYear(year) : 12);
    }
    // Months past the last year are drawn empty.
    if (!IsYearInRange(year)) return false;

    MonthGeometry g = MonthBlockGeometry(page.left + bc * grid.blockWidth, page.top + br * grid.blockHeight,
                                         grid.blockWidth, grid.blockHeight, page.right, page.bottom,
                                         page.dayNameHeight, page.lineWidth);
    if (g.columnWidth <= 0 || g.rowHeight <= 0) return false;
    if (y < g.y0 + g.dayNameHeight) return false;
    int c = (x - g.x0) / g.columnWidth, r = (y - g.y0 - g.dayNameHeight) / g.rowHeight;
    if (c < 0 || c > 6 || r < 0 || r > 5) return false;

    std::unique_ptr<CalendarDate> first = FirstOfMonth(type, month, year);
    int cell = 7 * r + c;
    int pos = cell - StartCell(first->Weekday(), page.startMonday);
    bool reform = IsReformMonth(type, month, year);
    int drawn = first->DaysInThisMonth() - (reform ? 10 : 0);
    if (pos < 0 || pos >= drawn) return false;

    out.year = year;
    out.month = month;
    // The reform month goes from the 4th straight to the 15th.
    out.day = reform && pos >= 4 ? pos + 11 : pos + 1;
    out.calendarType = type;
    out.civil = GregorianDate(first->DayNumber());
    out.civil.AddDays(pos);
    out.box = CellBoxOf(g, cell);
    return true;
}

int EntryAtLine(const std::vector<CellLine>& lines, int y)
{
    int firstEntry = -1;
    for (const CellLine& l : lines)
        if (l.kind != CellLine::HolidayLine) {
            firstEntry = l.entry;
            break;
        }
    if (lines.empty()) return -1;
    // Lines run from the bottom up; the holiday holds the bottom line.
    if (y >= lines.front().bottom) return firstEntry;
    for (const CellLine& l : lines)
        if (y >= l.top && y < l.bottom) return l.kind == CellLine::HolidayLine ? firstEntry : l.entry;
    return -1;
}
