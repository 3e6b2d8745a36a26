// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar view: one page of 1, 6 or 12 months on the screen, in print preview, on the printer
// and in PDF files, all through one drawing routine.
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <map>
#include <vector>
#include "birthdays/BirthdayEntry.h"
#include "calendar/CalendarDate.h"
#include "holidays/HolidayList.h"
#include "platform/CString.h"
#include "view/core/DayCell.h"
#include "view/core/DayClick.h"
#include "view/core/DisplayOptions.h"
#include "view/core/PageLayout.h"

class CKinfoldDoc;
class IViewDialogs;
class QAction;
class QPainter;
class QPrinter;
class QPaintDevice;
class QTimer;

// Command identifiers of the view's menu items.
enum KinfoldCommand : int {
    ID_NEXT_MONTH = 32797, ID_PREV_MONTH = 32796, ID_NEXT_YEAR = 32798, ID_PREV_YEAR = 32795,
    ID_NOW = 32791, ID_YEAR = 32799, ID_TARGET = 32792, ID_DEAD = 32803, ID_MONDAY = 32785,
    ID_FIRST_NAME = 32786, ID_ANNIVERSARY = 32787, ID_DAY_COUNT = 32800, ID_PICTURES = 32802,
    ID_NOTES = 32804, ID_MOON_PHASE = 32807, ID_SEASONS = 32808, ID_ONE_MONTH = 32814,
    ID_SIX_MONTHS = 32815, ID_TWELVE_MONTHS = 32816, ID_CAL_CURRENT = 32810, ID_CAL_OLD_STYLE = 32811,
    ID_CAL_MOON = 32812, ID_CAL_CHINESE = 32813, ID_OPTIONS = 32801, ID_APPLY_PROFILE = 12321,
    ID_LIST = 32793, ID_IMPORT = 32794, ID_HOLLIDAY = 32806, ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608, ID_FILE_PRINT_PREVIEW = 57609, ID_FILE_PRINT_SETUP = 57606,
    ID_APP_ABOUT = 57664, ID_EXPORT_CALENDAR = 32820, ID_WEEK_NUMBERS = 32821, ID_UPCOMING = 32822,
};

// What the headless printer is asked for.
struct PrintRequest {
    QString outputPdf;     // empty: the printer chosen in the dialog
    int paperCode = 1;     // Letter; 0: the locale's paper (Letter or A4)
    bool portrait = false;
    int fromPage = 1;
    int toPage = 0;        // 0: all pages of one year
};

class CKinfoldView : public QWidget {
    Q_OBJECT
public:
    explicit CKinfoldView(CKinfoldDoc* doc, QWidget* parent = nullptr);
    ~CKinfoldView() override;

    CKinfoldDoc* GetDocument() const { return m_pDoc; }
    HolidayList& Holidays() { return m_Holidays; }
    // The locale's names, first weekday and holidays, taken from QLocale() when the view is made.
    const LocaleChoices& Locale() const { return m_Locale; }

    // Menu commands, created by the view so that it can keep their check marks.
    QAction* Action(int id) const;

    // At start and after every New or Open.
    virtual void OnInitialUpdate();

    // ---- display options of the current profile (the calendar type) ----
    void LoadDisplayOptions();
    void SaveDisplayOptions();
    void SetCalendarType(int type);
    void SetFontScale(int percent);

    // ---- navigation ----
    void OnNextMonth();
    void OnPrevMonth();
    void OnNextYear();
    void OnPrevYear();
    void OnNow();
    void SetMonthsPerPage(int months);
    // Shows a month of the current calendar type (what the year chooser sets); year 0 shows
    // year 1, a year out of range changes nothing.
    void ShowMonth(int year, int month);
    // The navigation's move: nothing happens beyond the range of years.
    void MoveTo(int year, int month);
    void NextMonth();

    // ---- dialog commands: passed to the dialogs the shell gave (nothing happens without) ----
    void SetDialogs(IViewDialogs* dialogs) { m_pDialogs = dialogs; }
    IViewDialogs* Dialogs() const { return m_pDialogs; }
    void OnList();
    void OnImport();
    void OnExportCalendar();
    void OnUpcoming();
    void OnHolliday();
    void OnOptions();
    void OnYear();
    void OnTarget();
    void OnDayClicked(QPoint pt);
    // The day under a point of the last screen drawing and the index of the entry drawn there
    // (-1 for none), found with the stacking the drawing uses; false when the point is on no day.
    bool EntryUnderPoint(QPoint pt, GregorianDate& civil, int& index);
    // Redraws after a change of the list, the holidays or the options.
    void Redraw();

    // ---- printing ----
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    // Prints pages [from, to] of one year onto a prepared printer; false when nothing was printed.
    bool PrintPages(QPrinter& printer, int fromPage, int toPage, bool preview = false);
    // Sets up a PDF printer for the request and prints into it; returns an error text or "".
    QString PrintToPdf(const PrintRequest& request);
    // The entries the page cannot draw as their dates are no day of any year (which a print
    // leaves out), with the switches in effect.
    int EntriesLeftOut() const;
    // The page size of the last screen drawing (the print scale reads it).
    void SetLastPageSize(int W, int H) { m_nLastPageWidth = W; m_nLastPageHeight = H; }
    // Takes W x H as the last screen page without drawing it (printing with no window shown).
    void LayoutScreenPage(int W, int H);

    // ---- drawing ----
    // Draws a whole page of W x H onto the painter (screen or preview mode, or a printed page).
    void OnDraw(QPainter& dc, int W, int H);
    // Renders the page into an image of its size (tests, benchmarks).
    void RenderPage(QImage& image);
    // Fonts shrink in half points down to this size (tenths of a point): 4 name lines' height
    // on the screen and in preview, 2 on paper.
    bool MayShrinkTo(int size) const;
    // Selects the largest font, from `size` down to MayShrinkTo, in which the text fits the box in
    // both directions; returns the text to draw, ended with "…" when it still does not fit.
    QString FitOneLine(QPainter& dc, const CString& face, int size, const QRect& box, const QString& text);
    // Draws the text word-wrapped from the top left of the box, shrunk the same way; what still
    // does not fit is broken inside long words and cut at the last line that fits, which ends
    // with "…". Returns the text as one item when it fits as it is, else the lines drawn.
    QStringList DrawWrapped(QPainter& dc, const CString& face, int size, const QRect& box, const QString& text);

    int StartCell(int weekday) const { return ::StartCell(weekday, m_Options.bStartMonday); }
    // Day cell of the last drawn month under a point, or 0 (for the click on a day).
    int DayAt(QPoint pt, int* offsetInRow = nullptr) const;

    // Layout of the last drawn month, for mapping clicks.
    int ColumnWidth() const { return m_nColumnWidth; }
    int RowHeight() const { return m_nRowHeight; }
    int LastStartCell() const { return m_nStartCell; }
    int LastDaysInMonth() const { return m_nDaysInMonth; }
    int LineHeight() const { return m_nLineHeight; }
    // Box of a cell of the first block of the last screen drawing (one month per page: the page).
    QRect CellRect(int cell) const;
    // Where a cell's names may go, below its day number and corner text, as last drawn.
    int FreeTop(const CalendarDate& date, const CellBox& box, int calendarType) const;
    int DayNameHeight() const { return m_nDayNameHeight; }
    int LineWidth() const { return m_nLineWidth; }
    // The screen page as last drawn, for mapping the mouse to days and entries.
    ScreenPage LastScreenPage() const;

    // The caption the drawing asks for ("Hearthday", or the picture's name).
    QString Caption() const { return m_strCaption; }
    QString TipText() const { return m_strTip; }

    // ---- state (names as in the rest of the program) ----
    int m_nMonthsPerPage = 1;
    int m_nYear = 2000, m_nMonth = 1;
    // The calendar in effect, whose profile the options come from.
    int m_nCalendarType = 0;
    // Current turns into the Old style for months up to October 1582; off while the Old style
    // itself is chosen, which then shows every month in the Julian calendar.
    bool m_bAutoOldStyle = true;
    bool m_bStartMonday = false;
    // The display options of the current profile (margins, switches, fonts, names).
    DisplayOptions m_Options;
    // Font sizes after the font percentage, by DisplayFontId.
    int m_nEffectiveSize[DisplayFontCount] = {360, 120, 150, 80, 100};
    int m_nFontPercent = 100;
    int m_nPrintMode = 0;     // 0 screen, 1 printing, 2 print preview
    int m_nPrintScale = 100;
    int m_nPrintableWidth = 0, m_nPrintableHeight = 0;
    int m_nPageCounter = 0;
    bool m_bRedraw = true;
    // Off for batch work that must leave the user's settings alone: no options are saved then.
    bool m_bSaveOptionsOnClose = true;

    int m_nLineHeight = 16;
    QPoint m_ptMouse{-1, -1};
    bool m_bNameUnderMouse = false;
    int m_nTipEntry = -1;
    std::vector<CString> m_Pictures;
    std::vector<CString> m_PicturePaths;   // where each picture was found
    int m_nMonthPicture[14] = {};

    void FindPictures();
    void AssignMonthPictures(unsigned seed);

signals:
    void captionChanged(const QString& caption);
    // A short message for the window's status bar.
    void statusMessage(const QString& text);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void CreateActions();
    QAction* AddAction(int id, const QString& text, const QString& prompt, bool checkable = false);
    void SetCheck(int id, bool on);
    void Toggle(int id, bool& flag);
    void ToggleSwitch(int id, int n);
    int MonthsInYear(int year) const;
    void CalendarTypeMenuChecks();
    void FollowCalendarType();
    void SwitchProfile(int type);

    void DrawMonth(QPainter& dc);
    void DrawGrid(QPainter& dc);
    void DrawHeadings(QPainter& dc);
    void DrawDayCell(QPainter& dc, int cell, int day, const CalendarDate& date);
    // The geometry of the month block being drawn.
    MonthGeometry BlockGeometry() const;
    // Draws the week number of the day at the top left of a cell; the width it took.
    int DrawWeekNumber(QPainter& dc, int cell, double dayNumber);
    void DrawPicture(QPainter& dc);
    void SelectPointFont(QPainter& dc, const CString& face, int size);
    void SelectStyle(QPainter& dc, DisplayFontId id);
    void BuildDayIndex();
    void UpdateHoverTip();
    void TipChanged(const QString& before);
    void SetCaption(const QString& caption);
    void BeginPrinting(QPrinter& printer);
    void EndPrinting();
    void SayWhatWasLeftOut();
    void PreparePrintedPage(int& W, int& H);

    CKinfoldDoc* m_pDoc;
    IViewDialogs* m_pDialogs = nullptr;
    HolidayList m_Holidays;
    LocaleChoices m_Locale;
    std::map<int, QAction*> m_actions;
    QString m_strCaption;
    QString m_strTip;
    QTimer* m_tipTimer = nullptr;

    // Values of the page being drawn.
    CalendarDate m_PageDate;      // the month being drawn (its own calendar's numbering)
    GregorianDate m_Today;
    int m_x0 = 0, m_y0 = 0;
    int m_nRightInForce = 5, m_nBottomInForce = 5, m_nLeftInForce = 5, m_nTopInForce = 5;
    int m_nLineWidth = 3;
    int m_nDayNameHeight = 20;
    int m_nBlockWidth = 0, m_nBlockHeight = 0;
    int m_nColumnWidth = 1, m_nRowHeight = 1;
    int m_nStartCell = 0, m_nDaysInMonth = 0;
    int m_nLastPageWidth = 1024, m_nLastPageHeight = 768;
    int m_nScreenLineHeight = 16;
    CellTopHeights m_CellTopHeights;
    // Indexes of the document's entries, ordered by month and day (list order within a day), and
    // the list version and calendar type they were built for.
    std::vector<int> m_DayIndex;
    uint64_t m_nDayIndexVersion = 0;
    int m_nDayIndexType = -1;
    struct CachedPicture {
        QString fullName;
        QImage image;
    };
    std::map<int, CachedPicture> m_PictureCache;
    // Fitted lines by everything the fitting depends on: a repaint follows every mouse move and
    // redraws the same lines.
    struct FitKey {
        QString face, text;
        int size, width, height, printMode, lineHeight, dpiX, dpiY;
        bool operator==(const FitKey&) const = default;
        friend size_t qHash(const FitKey& k, size_t seed = 0)
        {
            return qHashMulti(seed, k.face, k.text, k.size, k.width, k.height, k.printMode, k.lineHeight, k.dpiX,
                              k.dpiY);
        }
    };
    struct Fitted {
        int size;
        QString text;
    };
    QHash<FitKey, Fitted> m_FitCache;
    // The profile m_Options was loaded from; -1 before the first load.
    int m_nProfile = -1;
    // The last screen rendering, shown again when only the mouse moved since.
    QImage m_Page;
    bool m_bHoverOnly = false;
};
