// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/core/PageLayout.h"
#include "calendar/CalendarDate.h"
#include "calendar/MoonDate.h"
#include "platform/Translate.h"
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>

int StartCell(int weekday, bool startMonday)
{
    // Sunday-first: Fri 5, Sat 6, Sun 7, Mon 8 .. Thu 11. Monday-first shifts everything by one.
    static const int sunday[8] = {0, 8, 9, 10, 11, 5, 6, 7};
    static const int monday[8] = {0, 7, 8, 9, 10, 11, 5, 6};
    if (weekday < 1 || weekday > 7) weekday = 7;
    return startMonday ? monday[weekday] : sunday[weekday];
}

BlockGrid LayoutBlocks(int monthsPerPage, int W, int H, int S, bool printing)
{
    BlockGrid g;
    if (monthsPerPage == 6) {
        if (W < H) {
            g.columns = 2; g.rows = 3;
            g.fontPercent = printing ? S / 4 : S / 2;
        } else {
            g.columns = 3; g.rows = 2;
            g.fontPercent = printing ? S / 6 : S / 3;
        }
    } else if (monthsPerPage == 12) {
        if (H <= W) {
            g.columns = 4; g.rows = 3;
            g.fontPercent = printing ? S / 12 : S / 4;
        } else {
            g.columns = 3; g.rows = 4;
            g.fontPercent = printing ? S / 9 : S / 3;
        }
    }
    g.blockWidth = W / g.columns;
    g.blockHeight = H / g.rows;
    return g;
}

MonthGeometry MonthBlockGeometry(int x0, int y0, int w, int h, int R, int B, int D, int L)
{
    MonthGeometry g;
    g.x0 = x0;
    g.y0 = y0;
    g.columnWidth = (w - R) / 7;
    g.rowHeight = (h - B - D) / 6;
    g.dayNameHeight = D;
    g.lineWidth = L;
    return g;
}

CellBox CellBoxOf(const MonthGeometry& g, int i)
{
    int r = i / 7, c = i % 7, half = g.lineWidth / 2;
    CellBox b;
    b.left = g.x0 + c * g.columnWidth + half;
    b.top = g.y0 + g.dayNameHeight + r * g.rowHeight + half;
    b.right = g.x0 + (c + 1) * g.columnWidth - half;
    b.bottom = g.y0 + g.dayNameHeight + (r + 1) * g.rowHeight - half;
    return b;
}

int DayNameRowHeight(int textHeight, int lineWidth)
{
    return textHeight * 22 / 20 + 2 * lineWidth;
}

int StepYear(int year, int delta)
{
    // The ends of the integer range stay put rather than wrap round.
    if ((delta > 0 && year > INT_MAX - delta) || (delta < 0 && year < INT_MIN - delta)) return year;
    year += delta;
    if (year == 0) year = delta > 0 ? 1 : -1;
    return year;
}

void NextMonthOf(int& month, int& year, int monthsInThisYear)
{
    if (++month > monthsInThisYear) {
        month = 1;
        year = StepYear(year, 1);
    }
}

void PrintedPageMonth(int& month, int& year, int pageCounter, int monthsPerPage)
{
    month += pageCounter * monthsPerPage;
    // A page counter can carry the month over more than one year in a long job.
    while (month > 12) {
        month -= 12;
        year = StepYear(year, 1);
    }
}

int PrintLineWidth(int printScale)
{
    return std::clamp(3 * printScale / 100, 1, 5);
}

namespace {
struct PaperRow {
    int code;
    const char* name;
    int width;
    int length;
};
// Standard paper codes in tenths of a millimetre.
const PaperRow kPapers[] = {
    {1, "Letter", 2159, 2794},       {2, "LetterSmall", 2159, 2794}, {3, "Tabloid", 2794, 4318},
    {4, "Ledger", 4318, 2794},       {5, "Legal", 2159, 3556},       {6, "Statement", 1397, 2159},
    {7, "Executive", 1842, 2667},    {8, "A3", 2970, 4200},          {9, "A4", 2100, 2970},
    {10, "A4Small", 2100, 2970},     {11, "A5", 1480, 2100},         {12, "B4", 2500, 3540},
    {13, "B5", 1820, 2570},          {14, "Folio", 2159, 3302},      {15, "Quarto", 2150, 2750},
    {16, "10x14", 2540, 3556},       {17, "11x17", 2794, 4318},      {18, "Note", 2159, 2794},
    {19, "Env9", 984, 2254},         {20, "Env10", 1048, 2413},      {21, "Env11", 1143, 2635},
    {22, "Env12", 1207, 2794},       {23, "Env14", 1270, 2921},      {24, "CSheet", 4318, 5588},
    {25, "DSheet", 5588, 8636},      {26, "ESheet", 8636, 11176},    {27, "EnvDL", 1100, 2200},
    {28, "EnvC5", 1620, 2290},       {29, "EnvC3", 3240, 4580},      {30, "EnvC4", 2290, 3240},
    {31, "EnvC6", 1140, 1620},       {32, "EnvC65", 1140, 2290},     {33, "EnvB4", 2500, 3530},
    {34, "EnvB5", 1760, 2500},       {35, "EnvB6", 1760, 1250},      {36, "EnvItaly", 1100, 2300},
    {37, "EnvMonarch", 984, 1905},   {38, "EnvPersonal", 921, 1651}, {39, "FanfoldUS", 3778, 2794},
    {40, "FanfoldStdGerman", 2159, 3048}, {41, "FanfoldLglGerman", 2159, 3302},
};

std::string Lower(std::string s)
{
    for (char& c : s) c = (char)std::tolower((unsigned char)c);
    return s;
}
}  // namespace

PaperSize PaperSizeOf(int code)
{
    for (const PaperRow& r : kPapers)
        if (r.code == code) return {r.width, r.length};
    return {2159, 2794};
}

int PaperCodeByName(const std::string& name)
{
    std::string n = Lower(name);
    for (const PaperRow& r : kPapers)
        if (Lower(r.name) == n) return r.code;
    return 0;
}

void PrintResolution(int quality, int yResolution, int& xDpi, int& yDpi)
{
    xDpi = quality > 0 ? quality : 300;
    yDpi = yResolution > 0 ? yResolution : 300;
    switch (quality) {
    case -4: xDpi = 360; yDpi = 360; break;
    case -3: xDpi = 360; yDpi = 180; break;
    case -2: xDpi = 180; yDpi = 180; break;
    case -1: xDpi = 90; yDpi = 90; break;
    default: break;
    }
}

void PrintableArea(bool portrait, PaperSize paper, int xDpi, int yDpi, int& width, int& height)
{
    double widthIn = paper.width * 0.003937, lengthIn = paper.length * 0.003937;
    if (portrait) {
        height = (int)((lengthIn - 0.7) * yDpi);
        width = (int)((widthIn - 0.5) * xDpi);
    } else {
        height = (int)((widthIn - 0.5) * xDpi);
        width = (int)((lengthIn - 0.8) * yDpi);
    }
}

int PrintScaleFor(int pw, int ph, int w, int h)
{
    // A degenerate last drawing must not divide by zero.
    if (w <= 0) w = 1;
    if (h <= 0) h = 1;
    long long sx = (long long)pw * 100 / w, sy = (long long)ph * 100 / h;
    long long s = std::min(sx, sy);
    return (int)std::clamp<long long>(s, 1, 100000);
}

int ScaledFontSize(int storedSize, int percent)
{
    const long long scaled = (long long)storedSize * percent / 100;
    return (int)std::clamp<long long>(scaled, INT_MIN, kLargestFontSize);
}

int PrintedPageHeight(int width, int height, int monthsPerPage)
{
    if (width < height && monthsPerPage == 1) return std::min(height, width * 3 / 4);
    return height;
}

int ReformCalendarType(int type, int month, int year)
{
    if (type != kCurrent && type != kOldStyle) return type;
    if (year < 1582 || (year == 1582 && month <= 10)) return kOldStyle;
    return kCurrent;
}

bool IsReformMonth(int type, int month, int year)
{
    return type == kOldStyle && year == 1582 && month == 10;
}

int WeekNumber(double dayNumber, bool startMonday)
{
    const GregorianDate date(dayNumber);
    // Days since the week's first day: 0 .. 6.
    const int sinceStart = startMonday ? date.Weekday() - 1 : date.Weekday() % 7;
    const double weekStart = date.DayNumber() - sinceStart;
    if (startMonday) {
        // The ISO week belongs to the year of its Thursday; week 1 is the one holding 4 January.
        const GregorianDate thursday(weekStart + 3);
        const double jan1 = GregorianDate(1, 1, thursday.year).DayNumber();
        return static_cast<int>((thursday.DayNumber() - jan1) / 7) + 1;
    }
    // The week holding the next 1 January is already week 1 of that year.
    const GregorianDate saturday(weekStart + 6);
    const GregorianDate jan1(1, 1, saturday.year);
    const double firstWeekStart = jan1.DayNumber() - jan1.Weekday() % 7;
    return static_cast<int>((weekStart - firstWeekStart) / 7) + 1;
}

const char* YearAnimal(int year)
{
    return AnimalName(year);
}

CString MonthTitle(int type, const CString& m, int month, int y)
{
    // "BC", "Julian" and the animal in the user's language; the English title as always.
    const std::string bc = " " + TextTranslation::translate("PageLayout", "BC");
    CString t;
    switch (type) {
    case kOldStyle:
        // Dual dating: the old year ran on into March.
        if (month >= 1 && month <= 3) t = StrFormat("%s %d/%d", m.c_str(), std::abs(y - 1), std::abs(y) % 10);
        else t = StrFormat("%s %d", m.c_str(), std::abs(y));
        if (y < 0) t += bc;
        t += " " + TextTranslation::translate("PageLayout", "Julian");
        break;
    case kMoon:
        t = StrFormat("%s %d", m.c_str(), std::abs(y));
        if (y < 0) t += bc;
        break;
    case kChinese:
        t = StrFormat("%s %d %s", m.c_str(), std::abs(y), TextTranslation::translate("MoonDate", YearAnimal(y)).c_str());
        if (y < 0) t += bc;
        break;
    default:
        // The order is the language's: "Dezember 2026", "2026年12月".
        t = FillIn(TextTranslation::translate("PageLayout", "%1 %2", "month title: the month's name, the year"),
                   {m, std::to_string(std::abs(y))});
        if (y < 0) t += bc;
        break;
    }
    return t;
}
