// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/KinfoldView.h"
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>
#include <QPageSetupDialog>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <memory>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <random>
#include "birthdays/DateCheck.h"
#include "calendar/MoonDate.h"
#include "kestrum/files.h"
#include "platform/Locale.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "view/KinfoldDoc.h"
#include "view/ViewDialogs.h"
#include "view/core/DayCell.h"
#include "view/core/DayClick.h"

namespace {
QColor Colour(unsigned c)
{
    return QColor((int)(c & 0xFF), (int)((c >> 8) & 0xFF), (int)((c >> 16) & 0xFF));
}

QRect Box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

GregorianDate TodayDate()
{
    QDate d = QDate::currentDate();
    return GregorianDate(d.month(), d.day(), d.year());
}

// The printer, kept for the session so that print setup choices last.
// Letter where the locale measures in US units, A4 elsewhere.
QPageSize LocalePaper(const LocaleChoices& locale)
{
    return QPageSize(locale.usPaper ? QPageSize::Letter : QPageSize::A4);
}

QPrinter& SessionPrinter(const LocaleChoices& locale)
{
    static QPrinter* printer = [&] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        // The chosen printer's own default paper; the locale's when there is no printer.
        const QPageSize paper = QPrinterInfo(*p).defaultPageSize();
        p->setPageSize(paper.isValid() ? paper : LocalePaper(locale));
        p->setPageOrientation(QPageLayout::Landscape);
        return p;
    }();
    return *printer;
}
}  // namespace

CKinfoldView::CKinfoldView(CKinfoldDoc* doc, QWidget* parent) : QWidget(parent), m_pDoc(doc)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(200, 150);
    m_Locale = CurrentLocaleChoices();
    m_Today = TodayDate();
    m_nYear = m_Today.year;
    m_nMonth = m_Today.month;
    m_tipTimer = new QTimer(this);
    m_tipTimer->setSingleShot(true);
    m_tipTimer->setInterval(500);
    connect(m_tipTimer, &QTimer::timeout, this, [this] {
        if (!m_strTip.isEmpty() && underMouse())
            QToolTip::showText(mapToGlobal(m_ptMouse), m_strTip, this, QRect(), 5000);
    });
    // Past midnight today's outline (and the day count) moves on by itself: a mouse move shows
    // the page kept from the last drawing, which still marks yesterday.
    auto* dayTimer = new QTimer(this);
    dayTimer->setInterval(60 * 1000);
    connect(dayTimer, &QTimer::timeout, this, [this] {
        const auto today = TodayDate();
        if (today.Compare(m_Today) != 0 || today.year != m_Today.year) Redraw();
    });
    dayTimer->start();
    CreateActions();
    m_nFontPercent = -1;
    SetFontScale(100);
}

CKinfoldView::~CKinfoldView()
{
    if (m_bSaveOptionsOnClose) SaveDisplayOptions();
}

// ---------------------------------------------------------------- commands

QAction* CKinfoldView::AddAction(int id, const QString& text, const QString& prompt, bool checkable)
{
    auto* a = new QAction(text, this);
    int nl = prompt.indexOf('\n');
    a->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
    if (nl >= 0) a->setToolTip(prompt.mid(nl + 1));
    a->setCheckable(checkable);
    a->setData(id);
    m_actions[id] = a;
    return a;
}

QAction* CKinfoldView::Action(int id) const
{
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CKinfoldView::SetCheck(int id, bool on)
{
    if (QAction* a = Action(id)) a->setChecked(on);
}

void CKinfoldView::CreateActions()
{
    auto on = [this](QAction* a, auto fn) { connect(a, &QAction::triggered, this, fn); };
    on(AddAction(ID_NEXT_MONTH, tr(" Month>"), tr("Advance Month\nNext Month")), [this] { OnNextMonth(); });
    on(AddAction(ID_PREV_MONTH, tr("<Month"), tr("Sets Month to previous\nLast Month")), [this] { OnPrevMonth(); });
    on(AddAction(ID_NEXT_YEAR, tr("Year>>"), tr("Advance Year\nNext Year")), [this] { OnNextYear(); });
    on(AddAction(ID_PREV_YEAR, tr("<<Year"), tr("Gets previous year\nLast Year")), [this] { OnPrevYear(); });
    on(AddAction(ID_NOW, tr("Now"), tr("Sets Year and Month to current\nThis Month this Year")), [this] { OnNow(); });
    on(AddAction(ID_YEAR, tr("Year"), tr("Type in Any year any month\nAny Year Any Month")), [this] { OnYear(); });
    on(AddAction(ID_TARGET, tr("Target"), tr("Display count of days until (or since) a given date\nDay Number")),
       [this] { OnTarget(); });
    on(AddAction(ID_DEAD, tr("Dead"), tr("Birthdays after death date\nBirthdays"), true),
       [this] { ToggleSwitch(ID_DEAD, DisplaySwitches::DeadBirthdays); });
    on(AddAction(ID_MONDAY, tr("Monday"), tr("Monday as first day of the week\nStart Week"), true),
       [this] { Toggle(ID_MONDAY, m_Options.bStartMonday); });
    on(AddAction(ID_FIRST_NAME, tr("First Name"), tr("Display first name only\nBirthday"), true),
       [this] { Toggle(ID_FIRST_NAME, m_Options.bShortNames); });
    on(AddAction(ID_ANNIVERSARY, tr("Anniversary"), tr("Display anniversaries\nMarriage"), true),
       [this] { ToggleSwitch(ID_ANNIVERSARY, DisplaySwitches::Anniversaries); });
    on(AddAction(ID_DAY_COUNT, tr("Day Count"), tr("Days from target\\Countdown"), true),
       [this] { Toggle(ID_DAY_COUNT, m_Options.bCountdown); });
    on(AddAction(ID_PICTURES, tr("Pictures"), tr("Use pictures for calandar background\nBackground"), true),
       [this] { Toggle(ID_PICTURES, m_Options.bPictures); });
    on(AddAction(ID_NOTES, tr("Notes"), tr("Notes\nView notes on calendar"), true),
       [this] { ToggleSwitch(ID_NOTES, DisplaySwitches::Notes); });
    on(AddAction(ID_MOON_PHASE, tr("Moon Phase"), tr("Show start of moon quarter\nQuarter"), true),
       [this] { Toggle(ID_MOON_PHASE, m_Options.bMoonPhase); });
    on(AddAction(ID_SEASONS, tr("Seasons"), tr("Start of seasons\nSeason"), true),
       [this] { Toggle(ID_SEASONS, m_Options.bSeasons); });
    on(AddAction(ID_WEEK_NUMBERS, tr("Week Numbers"), tr("Show the number of each week in its first day\nWeek Numbers"), true),
       [this] { Toggle(ID_WEEK_NUMBERS, m_Options.bWeekNumbers); });
    on(AddAction(ID_ONE_MONTH, tr("1"), tr("One month per page/nNormal")), [this] { SetMonthsPerPage(1); });
    on(AddAction(ID_SIX_MONTHS, tr("6"), tr("Six months per page\nsix minths")), [this] { SetMonthsPerPage(6); });
    on(AddAction(ID_TWELVE_MONTHS, tr("12"), tr("Twelve months per page\nYear")), [this] { SetMonthsPerPage(12); });
    on(AddAction(ID_CAL_CURRENT, tr("Current"), tr("Our current calendar\nCurrent"), true), [this] { SetCalendarType(0); });
    on(AddAction(ID_CAL_OLD_STYLE, tr("Old style"), tr("used until 1400 or 1700\nOld style"), true),
       [this] { SetCalendarType(1); });
    on(AddAction(ID_CAL_MOON, tr("Moon"), tr("Each month starts at new moon\nMoon"), true), [this] { SetCalendarType(2); });
    on(AddAction(ID_CAL_CHINESE, tr("Year of the Snake"), tr("Chinise callendar for fun\nYear of the Snake"), true),
       [this] { SetCalendarType(3); });
    on(AddAction(ID_OPTIONS, tr("Options"), tr("Brings up the Opions Setting Dialog box\nPersistent Options")),
       [this] { OnOptions(); });
    on(AddAction(ID_APPLY_PROFILE, tr("Apply Profile"), tr("Set options to last saved profile\nApply options")),
       [this] { LoadDisplayOptions(); });
    on(AddAction(ID_LIST, tr("List"), tr("See and edit list of Names\nEdit names")), [this] { OnList(); });
    on(AddAction(ID_IMPORT, tr("Import"),
                 tr("Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address "
                 "book\nImport")),
       [this] { OnImport(); });
    on(AddAction(ID_EXPORT_CALENDAR, tr("Export Calendar..."),
                 tr("Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web "
                 "calendars\nExport Calendar")),
       [this] { OnExportCalendar(); });
    on(AddAction(ID_UPCOMING, tr("Upcoming..."),
                 tr("List the birthdays, anniversaries and notes of the next 30 days\nUpcoming")),
       [this] { OnUpcoming(); });
    on(AddAction(ID_HOLLIDAY, tr("Holliday"), tr("add change or delete hollidays\nHolliday list")), [this] { OnHolliday(); });
    QAction* print = AddAction(ID_FILE_PRINT, tr("&Print...\tCtrl+P"), tr("Print the active Calendar\nPrint"));
    print->setText(tr("&Print..."));
    print->setShortcut(QKeySequence("Ctrl+P"));
    on(print, [this] { OnFilePrint(); });
    on(AddAction(ID_FILE_PRINT_PREVIEW, tr("Print Pre&view"), tr("Display Calendar as printed\nPrint Preview")),
       [this] { OnFilePrintPreview(); });
    on(AddAction(ID_FILE_PRINT_SETUP, tr("P&rint Setup..."), tr("Change the printer and printing options\nPrint Setup")),
       [this] { OnFilePrintSetup(); });
    // Taken here and ignored, so that the application's about box never shows.
    AddAction(ID_APP_ABOUT, tr("&About Birthdays..."), "");
}

void CKinfoldView::Redraw()
{
    m_bRedraw = true;
    update();
}

// The dialogs are the shell's; the view only says which one the command wants.
void CKinfoldView::OnList() { if (m_pDialogs) m_pDialogs->List(*this); }
void CKinfoldView::OnImport() { if (m_pDialogs) m_pDialogs->Import(*this); }
void CKinfoldView::OnExportCalendar() { if (m_pDialogs) m_pDialogs->ExportCalendar(*this); }
void CKinfoldView::OnHolliday() { if (m_pDialogs) m_pDialogs->Holidays(*this); }
void CKinfoldView::OnUpcoming() { if (m_pDialogs) m_pDialogs->Upcoming(*this); }
void CKinfoldView::OnOptions() { if (m_pDialogs) m_pDialogs->Options(*this); }
void CKinfoldView::OnYear() { if (m_pDialogs) m_pDialogs->Year(*this); }
void CKinfoldView::OnTarget() { if (m_pDialogs) m_pDialogs->Target(*this); }
void CKinfoldView::OnDayClicked(QPoint pt) { if (m_pDialogs) m_pDialogs->DayClicked(*this, pt); }

void CKinfoldView::Toggle(int id, bool& flag)
{
    flag = !flag;
    SetCheck(id, flag);
    Redraw();
}

void CKinfoldView::ToggleSwitch(int id, int n)
{
    SetCheck(id, m_Options.switches.Toggle(n));
    Redraw();
}

int CKinfoldView::MonthsInYear(int year) const
{
    return m_nCalendarType >= kMoon ? MoonMonthsInYear(year) : 12;
}

void CKinfoldView::OnNextMonth()
{
    int month = m_nMonth, year = m_nYear;
    NextMonthOf(month, year, MonthsInYear(year));
    MoveTo(year, month);
}

void CKinfoldView::OnPrevMonth()
{
    int month = m_nMonth, year = m_nYear;
    PrevMonthOf(month, year, [this](int y) { return MonthsInYear(y); });
    MoveTo(year, month);
}

void CKinfoldView::OnNextYear()
{
    MoveTo(StepYear(m_nYear, 1), m_nMonth);
}

void CKinfoldView::OnPrevYear()
{
    MoveTo(StepYear(m_nYear, -1), m_nMonth);
}

void CKinfoldView::MoveTo(int year, int month)
{
    // At either end of the years shown the page stays put.
    if (!IsYearInRange(year)) return;
    m_nYear = year;
    m_nMonth = month;
    Redraw();
}

void CKinfoldView::OnNow()
{
    m_Today = TodayDate();
    if (m_nCalendarType >= kMoon) {
        MoonDate moon(m_Today.DayNumber());
        m_nYear = moon.year;
        m_nMonth = moon.month;
    } else {
        m_nYear = m_Today.year;
        m_nMonth = m_Today.month;
    }
    Redraw();
}

void CKinfoldView::ShowMonth(int year, int month)
{
    if (year == 0) year = 1;
    if (!IsYearInRange(year)) return;
    m_nYear = year;
    m_nMonth = std::clamp(month, 1, 12);
    Redraw();
}

void CKinfoldView::SetMonthsPerPage(int months)
{
    m_nMonthsPerPage = months;
    SetFontScale(months == 1 ? 100 : months == 6 ? 50 : 33);
    Redraw();
}

void CKinfoldView::NextMonth()
{
    int m = m_PageDate.month, y = m_PageDate.year;
    NextMonthOf(m, y, MonthsInYear(y));
    m_PageDate = CalendarDate(m, 1, y);
}

// ---------------------------------------------------------------- options

void CKinfoldView::CalendarTypeMenuChecks()
{
    SetCheck(ID_CAL_CURRENT, m_nCalendarType == 0);
    SetCheck(ID_CAL_OLD_STYLE, m_nCalendarType == 1);
    SetCheck(ID_CAL_MOON, m_nCalendarType == 2);
    SetCheck(ID_CAL_CHINESE, m_nCalendarType == 3);
}

void CKinfoldView::LoadDisplayOptions()
{
    ::LoadDisplayOptions(AppSettings(), m_nCalendarType, m_Options, m_Locale);
    m_nProfile = m_nCalendarType;
    m_nDayIndexType = -1;  // what the index holds may follow the options
    // The page keeps the percentage it is drawn at; the next SetFontScale of that same
    // percentage would change nothing.
    for (int i = 0; i < DisplayFontCount; ++i)
        m_nEffectiveSize[i] = ScaledFontSize(m_Options.fonts[i].size, m_nFontPercent > 0 ? m_nFontPercent : 100);
    SetCheck(ID_DEAD, m_Options.switches.IsSet(DisplaySwitches::DeadBirthdays));
    SetCheck(ID_MONDAY, m_Options.bStartMonday);
    SetCheck(ID_FIRST_NAME, m_Options.bShortNames);
    SetCheck(ID_ANNIVERSARY, m_Options.switches.IsSet(DisplaySwitches::Anniversaries));
    SetCheck(ID_NOTES, m_Options.switches.IsSet(DisplaySwitches::Notes));
    SetCheck(ID_DAY_COUNT, m_Options.bCountdown);
    SetCheck(ID_PICTURES, m_Options.bPictures);
    SetCheck(ID_MOON_PHASE, m_Options.bMoonPhase);
    SetCheck(ID_SEASONS, m_Options.bSeasons);
    SetCheck(ID_WEEK_NUMBERS, m_Options.bWeekNumbers);
    CalendarTypeMenuChecks();
    Redraw();
}

void CKinfoldView::SaveDisplayOptions()
{
    SetFontScale(100);
    // Into the profile the values came from, whichever calendar is in effect now. Before the
    // first load they are defaults, and the stored ones stay.
    if (m_nProfile >= 0) ::SaveDisplayOptions(AppSettings(), m_nProfile, m_Options, m_Locale);
}

void CKinfoldView::SwitchProfile(int type)
{
    if (m_bSaveOptionsOnClose) SaveDisplayOptions();
    m_nCalendarType = type;
    LoadDisplayOptions();
}

void CKinfoldView::FollowCalendarType()
{
    int type = m_nCalendarType;
    if (m_bAutoOldStyle) type = ReformCalendarType(type, m_nMonth, m_nYear);
    if (m_nProfile >= 0 && type != m_nProfile) SwitchProfile(type);
    else m_nCalendarType = type;
}

void CKinfoldView::SetCalendarType(int type)
{
    m_bAutoOldStyle = type != kOldStyle;
    // A thirteenth moon month has no counterpart in the civil calendars.
    if (type < kMoon && m_nMonth > 12) m_nMonth = 12;
    const int inEffect = m_bAutoOldStyle ? ReformCalendarType(type, m_nMonth, m_nYear) : type;
    if (inEffect == m_nCalendarType && inEffect == m_nProfile) {
        CalendarTypeMenuChecks();
        return;
    }
    SwitchProfile(inEffect);
    Redraw();
}

void CKinfoldView::SetFontScale(int percent)
{
    if (percent == m_nFontPercent) return;
    int sizes[DisplayFontCount];
    LoadDisplayFontSizes(AppSettings(), m_nCalendarType, sizes);
    for (int i = 0; i < DisplayFontCount; ++i) m_nEffectiveSize[i] = ScaledFontSize(sizes[i], percent);
    m_nFontPercent = percent;
}

void CKinfoldView::OnInitialUpdate()
{
    LoadDisplayOptions();
    FindPictures();
    AssignMonthPictures((unsigned)std::time(nullptr));
    m_Holidays.LoadFromSettings(AppSettings(), m_Locale);
    m_bRedraw = true;
    m_nTipEntry = -1;
    m_strTip.clear();
    update();
}

// ---------------------------------------------------------------- pictures

void CKinfoldView::FindPictures()
{
    // Bounded, so that a start in a large folder (a home folder) stays quick.
    const int maxDepth = 4;
    int budget = 20000;
    std::function<void(const QString&, int)> walk = [&](const QString& folder, int depth) {
        QDir dir(folder);
        const QFileInfoList list = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                                     QDir::Unsorted);
        for (const QFileInfo& fi : list) {
            if (--budget < 0) return;
            if (fi.isDir()) {
                if (!fi.isSymLink() && depth < maxDepth) walk(fi.filePath(), depth + 1);
                continue;
            }
            QString lower = fi.fileName().toLower();
            if (lower.contains(".bmp") || lower.contains(".png") || lower.contains(".jpg") || lower.contains(".jpeg")) {
                m_Pictures.push_back(FromQt(fi.fileName()));
                m_PicturePaths.push_back(FromQt(fi.filePath()));
            }
        }
    };
    walk(QDir::currentPath(), 0);
    m_PictureCache.clear();
}

void CKinfoldView::AssignMonthPictures(unsigned seed)
{
    int n = (int)m_Pictures.size();
    if (n < 13) {
        for (int k = 1; k <= 12; ++k) m_nMonthPicture[k] = n == 0 ? 0 : (k - 1) % n;
    } else {
        std::mt19937 rng(seed);
        m_nMonthPicture[1] = (int)(rng() % (unsigned)n);
        for (int k = 2; k <= 12; ++k) {
            int pick = 0;
            for (int attempt = 0; attempt < 11; ++attempt) {
                pick = (int)(rng() % (unsigned)n);
                bool used = false;
                for (int j = 1; j < k; ++j) used = used || m_nMonthPicture[j] == pick;
                if (!used) break;
            }
            m_nMonthPicture[k] = pick;
        }
    }
    // A thirteenth moon month shows the picture of the first.
    m_nMonthPicture[13] = m_nMonthPicture[1];
}

void CKinfoldView::SetCaption(const QString& caption)
{
    if (caption == m_strCaption) return;
    m_strCaption = caption;
    emit captionChanged(caption);
}

void CKinfoldView::DrawPicture(QPainter& dc)
{
    int month = m_PageDate.month;
    if (month < 1 || month > 13) return;
    int k = m_nMonthPicture[month];
    if (k < 0 || k >= (int)m_Pictures.size()) return;
    auto cached = m_PictureCache.find(k);
    if (cached == m_PictureCache.end()) {
        // Looked up and decoded once: a repaint follows every mouse move.
        CachedPicture c;
        CString found = Path(m_Pictures[(size_t)k]);
        c.fullName = ToQt(found.empty() ? m_PicturePaths[(size_t)k] : found);
        c.image = QImage(c.fullName);
        cached = m_PictureCache.emplace(k, c).first;
    }
    // The caption is the picture's full name without its extension.
    const QString& full = cached->second.fullName;
    int slash = full.lastIndexOf('/');
    int dot = full.indexOf('.', slash + 1);
    SetCaption(dot < 0 ? full : full.left(dot));
    if (m_nPrintMode == 2) return;
    const QImage& img = cached->second.image;
    if (img.isNull()) return;
    int bw = img.width(), bh = img.height(), w = m_nBlockWidth, h = m_nBlockHeight;
    if (w <= 0 || h <= 0) return;
    int t = w * bh / h;
    QRect src = bw < t ? QRect(0, 0, bw, h * bw / w) : QRect(0, 0, t, bh);
    QRect dst(m_x0 - m_nLeftInForce, m_y0 - m_nTopInForce, w, h);
    dc.drawImage(dst, img, src);
}

// ---------------------------------------------------------------- drawing

void CKinfoldView::SelectPointFont(QPainter& dc, const CString& face, int size)
{
    if (size <= 0) return;
    QFont f = face.empty() ? QFont() : QFont(ToQt(face));
    f.setPointSizeF(size / 10.0);
    dc.setFont(f);
}

void CKinfoldView::SelectStyle(QPainter& dc, DisplayFontId id)
{
    SelectPointFont(dc, m_Options.fonts[id].face, m_nEffectiveSize[id]);
    dc.setPen(Colour((unsigned)m_Options.fonts[id].color));
}

bool CKinfoldView::MayShrinkTo(int size) const
{
    return m_nPrintMode == 1 ? size >= 2 * m_nLineHeight : size >= 4 * m_nLineHeight;
}

namespace {
// The text cut to fit the width, ended with "…" (three dots in a face without that sign); "…"
// alone when nothing more fits.
QString Elided(const QFontMetrics& fm, const QString& text, int width)
{
    QString cut = fm.elidedText(text, Qt::ElideRight, width);
    return cut.isEmpty() ? QString(QChar(0x2026)) : cut;
}

// A label's trailing blank is not part of what must show.
int InkWidth(const QFontMetrics& fm, const QString& text)
{
    int end = text.size();
    while (end > 0 && text[end - 1].isSpace()) --end;
    return fm.horizontalAdvance(text.left(end));
}
}  // namespace

QString CKinfoldView::FitOneLine(QPainter& dc, const CString& face, int size, const QRect& box, const QString& text)
{
    const QPaintDevice* device = dc.device();
    const FitKey key{ToQt(face),   text,          size,
                     box.width(),  box.height(),  m_nPrintMode,
                     m_nLineHeight, device ? device->logicalDpiX() : 0, device ? device->logicalDpiY() : 0};
    if (auto hit = m_FitCache.constFind(key); hit != m_FitCache.cend()) {
        SelectPointFont(dc, face, hit->size);
        return hit->text;
    }
    for (;;) {
        SelectPointFont(dc, face, size);
        const QFontMetrics fm = dc.fontMetrics();
        if (fm.height() <= box.height() && InkWidth(fm, text) <= box.width()) break;
        if (size - 5 <= 0 || !MayShrinkTo(size - 5)) break;
        size -= 5;
    }
    const QFontMetrics fm = dc.fontMetrics();
    Fitted fitted{size, InkWidth(fm, text) <= box.width() ? text : Elided(fm, text, box.width())};
    // Without a usable size the font in effect is whatever was selected before: not a key.
    if (size > 0) {
        if (m_FitCache.size() >= 50000) m_FitCache.clear();
        m_FitCache.insert(key, fitted);
    }
    return fitted.text;
}

QStringList CKinfoldView::DrawWrapped(QPainter& dc, const CString& face, int size, const QRect& box,
                                      const QString& text)
{
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    for (;;) {
        SelectPointFont(dc, face, size);
        QRect need = dc.fontMetrics().boundingRect(box, flags, text);
        if (need.height() <= box.height() && need.width() <= box.width()) {
            dc.drawText(box, flags, text);
            return {text};
        }
        size -= 5;
        if (size <= 0 || !MayShrinkTo(size)) break;
    }
    // Still too large: the lines that fit, the last of them ended with "…", long words broken.
    const QFontMetrics fm = dc.fontMetrics();
    const int lineHeight = std::max(1, fm.height());
    const int maxLines = std::max(1, box.height() / lineHeight);
    QString flowing = text;
    flowing.replace('\n', QChar::LineSeparator);
    QTextLayout layout(flowing, dc.font(), dc.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    std::vector<std::pair<int, int>> spans;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        spans.emplace_back(line.textStart(), line.textLength());
        if ((int)spans.size() > maxLines) break;
    }
    layout.endLayout();
    const bool cut = (int)spans.size() > maxLines;
    if (cut) spans.resize((size_t)maxLines);
    QStringList drawn;
    for (size_t i = 0; i < spans.size(); ++i) {
        const bool endsCut = cut && i + 1 == spans.size();
        QString part = flowing.mid(spans[i].first, endsCut ? -1 : spans[i].second);
        part.replace(QChar::LineSeparator, ' ');
        if (endsCut) part = Elided(fm, part, box.width());
        QRect lineBox(box.left(), box.top() + (int)i * lineHeight, box.width(), lineHeight);
        dc.drawText(lineBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, part);
        drawn << part;
    }
    return drawn;
}

void CKinfoldView::BuildDayIndex()
{
    // Kept between paints: a repaint follows every mouse move, and sorting a long list each
    // time makes the hover lag.
    const BirthdayList& list = m_pDoc->List();
    if (m_nDayIndexType == m_nCalendarType && m_nDayIndexVersion == list.Version() &&
        m_DayIndex.size() == (size_t)list.GetCount())
        return;
    m_DayIndex = DayOrderIndex(list);
    m_nDayIndexVersion = list.Version();
    m_nDayIndexType = m_nCalendarType;
    // The tip's entry number may now stand for another entry, or its text have changed.
    m_nTipEntry = -1;
    m_strTip.clear();
}

void CKinfoldView::PreparePrintedPage(int& W, int& H)
{
    m_nLineWidth = PrintLineWidth(m_nPrintScale);
    int m = m_PageDate.month, y = m_PageDate.year;
    PrintedPageMonth(m, y, m_nPageCounter, m_nMonthsPerPage, [this](int year) { return MonthsInYear(year); });
    m_PageDate = CalendarDate(m, 1, y);
    ++m_nPageCounter;
    W = m_nPrintableWidth;
    H = PrintedPageHeight(m_nPrintableWidth, m_nPrintableHeight, m_nMonthsPerPage);
    m_nLeftInForce += 20;
    m_nTopInForce += 20;
    m_nRightInForce += 20;
    m_nBottomInForce += 20;
    m_x0 = m_nLeftInForce;
    m_y0 = m_nTopInForce;
}

void CKinfoldView::OnDraw(QPainter& dc, int W, int H)
{
    const bool printed = m_nPrintMode != 0;
    // The page's profile follows the calendar of its first month; the months after it may each
    // switch calendar at the reform while they are drawn.
    if (!printed) FollowCalendarType();
    const int pageType = m_nCalendarType;
    m_nLeftInForce = m_Options.nLeft;
    m_nTopInForce = m_Options.nTop;
    m_nRightInForce = m_Options.nRight;
    m_nBottomInForce = m_Options.nBottom;
    m_x0 = m_nLeftInForce;
    m_y0 = m_nTopInForce;
    m_nLineWidth = 3;
    m_bNameUnderMouse = false;

    dc.save();
    // Paper is white already; a frame of the window's size does not belong on it.
    if (!printed) {
        dc.setPen(QPen(Qt::black, 1));
        dc.setBrush(Qt::white);
        dc.drawRect(0, 0, W - 1, H - 1);
    }
    dc.setBrush(Qt::NoBrush);
    m_Today = TodayDate();
    m_PageDate = CalendarDate(m_nMonth, 1, m_nYear);
    if (printed) PreparePrintedPage(W, H);

    BlockGrid grid = LayoutBlocks(m_nMonthsPerPage, W, H, m_nPrintScale, printed);
    if (grid.fontPercent >= 0) SetFontScale(grid.fontPercent);

    SelectStyle(dc, DayNameFont);
    m_nDayNameHeight = DayNameRowHeight(dc.fontMetrics().boundingRect("Sunday").height(), m_nLineWidth);
    SelectStyle(dc, DayNumberFont);
    m_CellTopHeights.dayNumber = dc.fontMetrics().height();
    SelectStyle(dc, DayCountFont);
    m_CellTopHeights.dayCount = dc.fontMetrics().height();
    SelectStyle(dc, NameFont);
    m_nLineHeight = std::max(1, dc.fontMetrics().height());
    m_CellTopHeights.seasonOrMoon = m_nLineHeight;
    dc.setBackgroundMode(Qt::TransparentMode);
    dc.setBackground(Qt::white);
    BuildDayIndex();

    m_nBlockWidth = grid.blockWidth;
    m_nBlockHeight = grid.blockHeight;
    if (m_nPrintMode == 0) SetLastPageSize(W, H);
    int left = m_x0;
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            DrawMonth(dc);
            NextMonth();
            m_x0 += grid.blockWidth;
        }
        m_x0 = left;
        m_y0 += grid.blockHeight;
    }
    if (!m_bNameUnderMouse && m_nTipEntry != -1) {
        m_nTipEntry = -1;
        m_strTip.clear();
    }
    m_nCalendarType = pageType;
    dc.restore();
}

void CKinfoldView::LayoutScreenPage(int W, int H)
{
    SetLastPageSize(W, H);
}

void CKinfoldView::DrawMonth(QPainter& dc)
{
    int month = m_PageDate.month, year = m_PageDate.year;
    // A page that runs past the last year shows those months empty.
    if (!IsYearInRange(year)) return;
    if (m_bAutoOldStyle) m_nCalendarType = ReformCalendarType(m_nCalendarType, month, year);

    std::unique_ptr<CalendarDate> first = FirstOfMonth(m_nCalendarType, month, year);
    GregorianDate cellDate(first->DayNumber());

    if (m_Options.bPictures) DrawPicture(dc);
    else SetCaption("Hearthday");

    MonthGeometry g = MonthBlockGeometry(m_x0, m_y0, m_nBlockWidth, m_nBlockHeight, m_nRightInForce,
                                         m_nBottomInForce, m_nDayNameHeight, m_nLineWidth);
    m_nColumnWidth = std::max(1, g.columnWidth);
    m_nRowHeight = std::max(1, g.rowHeight);
    DrawGrid(dc);
    DrawHeadings(dc);

    m_nDaysInMonth = first->DaysInThisMonth();
    m_nStartCell = StartCell(first->Weekday());
    bool reform = IsReformMonth(m_nCalendarType, month, year);
    int cell = m_nStartCell;
    const GregorianDate firstCellDate = cellDate;
    for (int d = 1; d <= m_nDaysInMonth; ++d) {
        if (reform && d > 4 && d < 15) continue;
        if (cell > 41) break;
        DrawDayCell(dc, cell++, d, cellDate);
        cellDate.AddDays(1);
    }
    // The row of day 1 starts before the month (or in the title area): its number goes there.
    if (m_Options.bWeekNumbers && m_nStartCell % 7 != 0)
        DrawWeekNumber(dc, m_nStartCell / 7 * 7, firstCellDate.DayNumber());
}

MonthGeometry CKinfoldView::BlockGeometry() const
{
    MonthGeometry g;
    g.x0 = m_x0;
    g.y0 = m_y0;
    g.columnWidth = m_nColumnWidth;
    g.rowHeight = m_nRowHeight;
    g.dayNameHeight = m_nDayNameHeight;
    g.lineWidth = m_nLineWidth;
    return g;
}

int CKinfoldView::DrawWeekNumber(QPainter& dc, int cell, double dayNumber)
{
    const CellBox b = CellBoxOf(BlockGeometry(), cell);
    SelectStyle(dc, DayCountFont);
    // Grey, so that it reads as a guide beside the day's own texts.
    dc.setPen(QColor(128, 128, 128));
    const QString text = QLocale().toString(WeekNumber(dayNumber, m_Options.bStartMonday));
    dc.drawText(Box(b.left, b.top, b.right, b.bottom), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return dc.fontMetrics().horizontalAdvance(text + ' ');
}

void CKinfoldView::DrawGrid(QPainter& dc)
{
    const int x0 = m_x0, y0 = m_y0, w = m_nBlockWidth, h = m_nBlockHeight;
    const int D = m_nDayNameHeight, cw = m_nColumnWidth, rh = m_nRowHeight;
    QPen pen(Colour((unsigned)m_Options.crLine), m_nLineWidth, Qt::SolidLine, Qt::FlatCap);
    dc.setPen(pen);
    for (int k = 0;; ++k) {
        int x = x0 + k * cw;
        if (x > x0 + w) break;
        if (k >= 1 && k <= 4) {
            dc.drawLine(x, y0, x, y0 + D);
            dc.drawLine(x, y0 + D + rh, x, y0 + D + 6 * rh);
        } else {
            dc.drawLine(x, y0, x, y0 + D + 6 * rh);
        }
    }
    for (int j = 0;; ++j) {
        int y = y0 + D + j * rh;
        if (y > y0 + h) break;
        dc.drawLine(x0, y, x0 + 7 * cw, y);
    }
    dc.drawLine(x0, y0, x0 + 7 * cw, y0);
}

void CKinfoldView::DrawHeadings(QPainter& dc)
{
    const int x0 = m_x0, y0 = m_y0, D = m_nDayNameHeight, cw = m_nColumnWidth, rh = m_nRowHeight;
    SelectStyle(dc, DayNameFont);
    int first = m_Options.bStartMonday ? 1 : 0;
    // Names wider than their columns (a narrow page, a long name) shrink, all seven to the same
    // size, rather than run into each other.
    const CString& dayFace = m_Options.fonts[DayNameFont].face;
    int daySize = m_nEffectiveSize[DayNameFont];
    auto dayBox = [&](int i) { return Box(x0 + i * cw, y0, x0 + (i + 1) * cw, y0 + D); };
    if (daySize > 0) {
        for (int i = 0; i < 7; ++i) {
            FitOneLine(dc, dayFace, m_nEffectiveSize[DayNameFont], dayBox(i), ToQt(m_Options.weekDayNames[first + i]));
            daySize = std::min(daySize, (int)std::lround(dc.font().pointSizeF() * 10));
        }
    }
    for (int i = 0; i < 7; ++i)
        dc.drawText(dayBox(i), Qt::AlignCenter | Qt::TextSingleLine,
                    FitOneLine(dc, dayFace, daySize, dayBox(i), ToQt(m_Options.weekDayNames[first + i])));
    SelectStyle(dc, TitleFont);
    int month = m_PageDate.month;
    CString name = month >= 0 && month <= 13 ? m_Options.monthNames[month] : m_Options.monthNames[0];
    // A long title (a BC year of the Old style, a large font, a narrow block on paper) shrinks to
    // its area instead of losing its first and last letters at the area's edges.
    const QRect titleBox = Box(x0, y0 + D, x0 + 5 * cw, y0 + D + rh);
    const QString title = ToQt(MonthTitle(m_nCalendarType, name, month, m_PageDate.year));
    dc.drawText(titleBox, Qt::AlignCenter | Qt::TextSingleLine,
                FitOneLine(dc, m_Options.fonts[TitleFont].face, m_nEffectiveSize[TitleFont], titleBox, title));
}

void CKinfoldView::DrawDayCell(QPainter& dc, int cell, int day, const CalendarDate& date)
{
    CellBox b = CellBoxOf(BlockGeometry(), cell);
    const unsigned titleColour = (unsigned)m_Options.fonts[TitleFont].color;

    if (date.Compare(m_Today) == 0 && date.year == m_Today.year) {
        if (m_nPrintMode != 2) dc.setPen(QPen(Colour(titleColour), m_nLineWidth));
        dc.setBrush(Qt::NoBrush);
        dc.drawRect(QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom)));
    }
    SelectStyle(dc, DayNumberFont);
    dc.drawText(Box(b.left, b.top, b.right, b.bottom), Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
                QString::number(day));
    if (m_Options.bPictures) dc.setBackgroundMode(Qt::OpaqueMode);
    const int cornerLeft = b.left + (m_Options.bWeekNumbers && cell % 7 == 0 ? DrawWeekNumber(dc, cell, date.DayNumber()) : 0);

    CornerText corner = DayCornerText(date, m_Options, m_nCalendarType);
    if (corner.kind == CornerKind::SeasonOrMoon) {
        SelectStyle(dc, NameFont);
        dc.setPen(Colour(titleColour));
    } else if (corner.kind != CornerKind::None) {
        SelectStyle(dc, DayCountFont);
    }
    if (corner.kind != CornerKind::None)
        dc.drawText(Box(cornerLeft, b.top, b.right, b.bottom), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    ToQt(corner.text));

    const CString& nameFace = m_Options.fonts[NameFont].face;
    const int nameSize = m_nEffectiveSize[NameFont];
    std::vector<CellLine> lines = StackCellLines(date, m_pDoc->List(), m_DayIndex, m_Holidays, m_Options,
                                                 CellFreeTop(b.top, corner.kind, m_CellTopHeights), b.bottom,
                                                 m_nLineHeight);
    for (const CellLine& l : lines) {
        QRect box = Box(b.left, l.top, b.right, l.bottom);
        QString text = ToQt(l.text);
        switch (l.kind) {
        case CellLine::HolidayLine:
            dc.setPen(Colour((unsigned)m_Options.fonts[DayNumberFont].color));
            dc.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                        FitOneLine(dc, nameFace, nameSize, box, text));
            break;
        case CellLine::NoteLine:
            dc.setPen(Colour(titleColour));
            DrawWrapped(dc, nameFace, nameSize, box, text);
            break;
        case CellLine::NameLine: {
            dc.setPen(Colour((unsigned)m_Options.fonts[NameFont].color));
            if (m_nPrintMode == 0 && m_ptMouse.x() >= b.left && m_ptMouse.x() <= b.right && m_ptMouse.y() >= l.top &&
                m_ptMouse.y() <= l.bottom) {
                m_bNameUnderMouse = true;
                if (m_nTipEntry != l.entry) {
                    m_strTip = ToQt(EntryTip(m_pDoc->List()[l.entry], l.years));
                    m_bRedraw = true;
                    m_nTipEntry = l.entry;
                }
            }
            dc.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                        FitOneLine(dc, nameFace, nameSize, box, text));
            break;
        }
        }
    }
}

void CKinfoldView::RenderPage(QImage& image)
{
    QPainter p(&image);
    int saved = m_nPrintMode;
    m_nPrintMode = 0;
    OnDraw(p, image.width(), image.height());
    m_nPrintMode = saved;
}

QRect CKinfoldView::CellRect(int cell) const
{
    MonthGeometry g;
    g.x0 = m_Options.nLeft;
    g.y0 = m_Options.nTop;
    g.columnWidth = m_nColumnWidth;
    g.rowHeight = m_nRowHeight;
    g.dayNameHeight = m_nDayNameHeight;
    g.lineWidth = m_nLineWidth;
    CellBox b = CellBoxOf(g, cell);
    return QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
}

int CKinfoldView::FreeTop(const CalendarDate& date, const CellBox& box, int calendarType) const
{
    return CellFreeTop(box.top, DayCornerText(date, m_Options, calendarType).kind, m_CellTopHeights);
}

int CKinfoldView::DayAt(QPoint pt, int* offsetInRow) const
{
    int x = pt.x(), y = pt.y();
    int c = x >= m_Options.nLeft ? (x - m_Options.nLeft) / m_nColumnWidth : -1;
    int r = -1, o = 0;
    if (y >= m_Options.nTop + m_Options.nHeader) {
        r = (y - m_Options.nTop - m_Options.nHeader) / m_nRowHeight;
        o = (y - m_Options.nTop - m_Options.nHeader) % m_nRowHeight;
    }
    if (c < 0 || c > 6 || r < 0 || r > 5) return 0;
    int d = 7 * r + c - m_nStartCell + 1;
    if (d < 1 || d > m_nDaysInMonth) return 0;
    if (offsetInRow) *offsetInRow = o;
    return d;
}

// ---------------------------------------------------------------- window events

void CKinfoldView::paintEvent(QPaintEvent*)
{
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    // After a mouse move alone the page drawn before is still right: a 12-month page of a long
    // list takes far longer to draw than the pointer takes to move on.
    const bool keep = m_bHoverOnly && !m_bRedraw && m_Page.size() == pixels && m_Page.devicePixelRatio() == dpr;
    m_bHoverOnly = false;
    if (!keep) {
        if (m_Page.size() != pixels) m_Page = QImage(pixels, QImage::Format_RGB32);
        m_Page.setDevicePixelRatio(dpr);
        QString tipBefore = m_strTip;
        QPainter dc(&m_Page);
        try {
            OnDraw(dc, width(), height());
        } catch (...) {
            // Drawn again in full at the next paint.
            m_Page = QImage();
            return;
        }
        dc.end();
        m_bRedraw = false;
        TipChanged(tipBefore);
    }
    QPainter p(this);
    p.drawImage(0, 0, m_Page);
}

void CKinfoldView::TipChanged(const QString& before)
{
    if (m_strTip == before) return;
    if (m_strTip.isEmpty()) {
        m_tipTimer->stop();
        QToolTip::hideText();
    } else {
        m_tipTimer->start();
    }
}

ScreenPage CKinfoldView::LastScreenPage() const
{
    ScreenPage page;
    page.monthsPerPage = m_nMonthsPerPage;
    page.width = width();
    page.height = height();
    page.left = m_Options.nLeft;
    page.top = m_Options.nTop;
    page.right = m_Options.nRight;
    page.bottom = m_Options.nBottom;
    page.dayNameHeight = m_nDayNameHeight;
    page.lineWidth = m_nLineWidth;
    page.year = m_nYear;
    page.month = m_nMonth;
    page.calendarType = m_nCalendarType;
    page.autoOldStyle = m_bAutoOldStyle;
    page.startMonday = m_Options.bStartMonday;
    return page;
}

void CKinfoldView::UpdateHoverTip()
{
    // The name line under the mouse, found with the stacking the drawing uses.
    const QString before = m_strTip;
    int entry = -1, years = 0;
    DayUnderPoint hit;
    const int x = m_ptMouse.x(), y = m_ptMouse.y();
    if (m_nPrintMode == 0 && FindDayAt(LastScreenPage(), x, y, hit) && x >= hit.box.left && x <= hit.box.right) {
        BuildDayIndex();
        for (const CellLine& l : StackCellLines(hit.civil, m_pDoc->List(), m_DayIndex, m_Holidays, m_Options,
                                                FreeTop(hit.civil, hit.box, hit.calendarType), hit.box.bottom,
                                                m_nLineHeight)) {
            if (l.kind == CellLine::NameLine && y >= l.top && y <= l.bottom) {
                entry = l.entry;
                years = l.years;
            }
        }
    }
    if (entry < 0) {
        m_nTipEntry = -1;
        m_strTip.clear();
    } else if (entry != m_nTipEntry) {
        m_strTip = ToQt(EntryTip(m_pDoc->List()[entry], years));
        m_nTipEntry = entry;
    }
    TipChanged(before);
}

bool CKinfoldView::EntryUnderPoint(QPoint pt, GregorianDate& civil, int& index)
{
    DayUnderPoint hit;
    if (!FindDayAt(LastScreenPage(), pt.x(), pt.y(), hit)) return false;
    BuildDayIndex();
    std::vector<CellLine> lines = StackCellLines(hit.civil, m_pDoc->List(), m_DayIndex, m_Holidays, m_Options,
                                                 FreeTop(hit.civil, hit.box, hit.calendarType), hit.box.bottom,
                                                 m_nLineHeight);
    civil = hit.civil;
    index = EntryAtLine(lines, pt.y());
    return true;
}

void CKinfoldView::mouseMoveEvent(QMouseEvent* e)
{
    m_ptMouse = e->position().toPoint();
    UpdateHoverTip();
    if (!m_bRedraw) m_bHoverOnly = true;
    update();
    QWidget::mouseMoveEvent(e);
}

void CKinfoldView::leaveEvent(QEvent* e)
{
    m_ptMouse = QPoint(-1, -1);
    UpdateHoverTip();
    if (!m_bRedraw) m_bHoverOnly = true;
    update();
    QWidget::leaveEvent(e);
}

void CKinfoldView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) OnDayClicked(e->position().toPoint());
    QWidget::mousePressEvent(e);
}

void CKinfoldView::resizeEvent(QResizeEvent* e)
{
    m_bRedraw = true;
    QWidget::resizeEvent(e);
}

// ---------------------------------------------------------------- printing

void CKinfoldView::BeginPrinting(QPrinter& printer)
{
    QPageLayout layout = printer.pageLayout();
    bool portrait = layout.orientation() == QPageLayout::Portrait;
    int code = layout.pageSize().windowsId();
    PaperSize paper;
    if (code >= 1 && code <= 41) {
        paper = PaperSizeOf(code);
    } else {
        QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
        paper.width = (int)(mm.width() * 10);
        paper.length = (int)(mm.height() * 10);
        if (paper.width <= 0 || paper.length <= 0) paper = PaperSizeOf(1);
    }
    // The printed fonts of several months a page are scaled for 300 dpi, the printers' usual
    // resolution; finer printers would get fonts too large for their blocks.
    printer.setResolution(300);
    int xDpi, yDpi;
    PrintResolution(printer.resolution(), printer.resolution(), xDpi, yDpi);
    PrintableArea(portrait, paper, xDpi, yDpi, m_nPrintableWidth, m_nPrintableHeight);
    // The area left by those edges is what the page's margins leave.
    QMarginsF margins = portrait ? QMarginsF(0.25, 0.35, 0.25, 0.35) : QMarginsF(0.4, 0.25, 0.4, 0.25);
    printer.setFullPage(false);
    printer.setPageMargins(margins, QPageLayout::Inch);
    // The same margins in the locale's units (exactly: 0.05 in is 1.27 mm), so that the page
    // dialogs do not offer inches to a metric user.
    if (!m_Locale.usPaper) {
        QPageLayout metric = printer.pageLayout();
        metric.setUnits(QPageLayout::Millimeter);
        printer.setPageLayout(metric);
    }
    // Scaled against the whole page last shown, not one month block of it: the printed font
    // percentages (print scale / 6, / 12 ...) expect a page-to-page scale.
    m_nPrintScale = PrintScaleFor(m_nPrintableWidth, m_nPrintableHeight, m_nLastPageWidth, m_nLastPageHeight);
    m_nPrintMode = 1;
}

void CKinfoldView::EndPrinting()
{
    m_nPrintScale = 100;
    m_nPrintMode = 0;
    m_bRedraw = true;
    update();
}

bool CKinfoldView::PrintPages(QPrinter& printer, int fromPage, int toPage, bool preview)
{
    int pages = 12 / std::max(1, m_nMonthsPerPage);
    if (fromPage < 1) fromPage = 1;
    if (toPage < 1 || toPage > pages) toPage = pages;
    if (fromPage > toPage) return false;
    FollowCalendarType();
    BeginPrinting(printer);
    QPainter p;
    if (!p.begin(&printer)) {
        EndPrinting();
        return false;
    }
    int savedType = m_nCalendarType;
    for (int page = fromPage; page <= toPage; ++page) {
        if (page > fromPage) printer.newPage();
        // Each page shows its own months, whichever pages were chosen.
        m_nPageCounter = page - 1;
        m_nCalendarType = savedType;
        m_nPrintMode = preview ? 2 : 1;
        OnDraw(p, m_nPrintableWidth, m_nPrintableHeight);
    }
    p.end();
    m_nCalendarType = savedType;
    EndPrinting();
    return true;
}

void CKinfoldView::OnFilePrint()
{
    QPrinter& printer = SessionPrinter(m_Locale);
    int pages = 12 / std::max(1, m_nMonthsPerPage);
    m_nPageCounter = 0;
    QPrintDialog dlg(&printer, this);
    dlg.setMinMax(1, pages);
    dlg.setFromTo(1, pages);
    if (dlg.exec() != QDialog::Accepted) return;
    int from = 1, to = pages;
    if (printer.printRange() == QPrinter::PageRange) {
        from = printer.fromPage();
        to = printer.toPage();
    }
    if (PrintPages(printer, from, to)) SayWhatWasLeftOut();
}

void CKinfoldView::OnFilePrintPreview()
{
    QPrinter& printer = SessionPrinter(m_Locale);
    QPrintPreviewDialog dlg(&printer, this);
    dlg.setWindowTitle(tr("Print Preview"));
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintPages(*p, 1, 0, true); });
    dlg.resize(1000, 760);
    dlg.exec();
    m_nPrintMode = 0;
    Redraw();
    SayWhatWasLeftOut();
}

int CKinfoldView::EntriesLeftOut() const
{
    return CountOnNoDay(m_pDoc->List(), m_Options.switches);
}

void CKinfoldView::SayWhatWasLeftOut()
{
    if (int n = EntriesLeftOut()) emit statusMessage(ToQt(LeftOutText(n)));
}

void CKinfoldView::OnFilePrintSetup()
{
    QPageSetupDialog dlg(&SessionPrinter(m_Locale), this);
    dlg.exec();
}

QString CKinfoldView::PrintToPdf(const PrintRequest& request)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(request.outputPdf);
    printer.setResolution(300);
    QPageSize size = request.paperCode ? QPageSize(QPageSize::id(request.paperCode)) : LocalePaper(m_Locale);
    if (!size.isValid()) size = QPageSize(QPageSize::Letter);
    printer.setPageSize(size);
    printer.setPageOrientation(request.portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    printer.setCreator("Kinfold");
    printer.setDocName("Kinfold");
    m_nPageCounter = 0;
    // Tried first, for the system's reason: the painter would only add a warning of its own.
    QFile out(request.outputPdf);
    const bool existed = out.exists();
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append))
        return QString("%1: %2").arg(tr("Cannot write %1").arg(request.outputPdf), out.errorString());
    out.close();
    if (!PrintPages(printer, request.fromPage, request.toPage)) {
        if (!existed) out.remove();
        return tr("Cannot write %1").arg(request.outputPdf);
    }
    return QString();
}
