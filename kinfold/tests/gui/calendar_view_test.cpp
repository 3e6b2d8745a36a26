// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar view: what day cells show, navigation, options kept per profile, and printing to PDF.
#include "../TestEntries.h"
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <QImage>
#include <QMenuBar>
#include <QProcess>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include "app/KinfoldApp.h"
#include "app/MainFrame.h"
#include "calendar/MoonDate.h"
#include "platform/Archive.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"
#include "view/core/DayCell.h"
#include "view/core/DayClick.h"

namespace {
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAppSettings(&store);
        SetMessageBoxAnswerer([](const MessageBoxRequest&) { return IDOK; });
    }
    void TearDown() override { SetAppSettings(nullptr); }
    MemorySettingsStore store;
};
}  // namespace

TEST(DayCell, CornerTextOrder)
{
    DisplayOptions o;
    // Find a day that starts a season and has a full moon, and one with a quarter only.
    GregorianDate both, moonOnly;
    for (GregorianDate d(1, 1, 1990); d.year < 2040 && (both.IsEmpty() || moonOnly.IsEmpty()); d.AddDays(1)) {
        int s = d.SeasonStartOn(), q = d.MoonQuarterOn();
        if (s > 0 && q == 3 && both.IsEmpty()) both = d;
        if (s == 0 && q > 0 && moonOnly.IsEmpty()) moonOnly = d;
    }
    ASSERT_FALSE(both.IsEmpty());
    o.bSeasons = o.bMoonPhase = o.bCountdown = true;
    CornerText c = DayCornerText(both, o, 0);
    EXPECT_EQ(c.kind, CornerKind::SeasonOrMoon);
    EXPECT_EQ(c.text, CString(SeasonName(both.SeasonStartOn())) + " FM");
    c = DayCornerText(moonOnly, o, 0);
    EXPECT_EQ(c.text.substr(0, 1), " ");
    EXPECT_EQ(c.text.size(), 3u);

    // With no season or quarter, the day count; the target day itself and its neighbours.
    o.bSeasons = o.bMoonPhase = false;
    GregorianDate target(6, 15, 2010);
    o.dTarget = target.DayNumber();
    GregorianDate before(6, 14, 2010), after(6, 16, 2010), later(7, 15, 2010);
    EXPECT_EQ(DayCornerText(target, o, 0).text, "0");
    EXPECT_EQ(DayCornerText(before, o, 0).text, "1");
    EXPECT_EQ(DayCornerText(after, o, 0).text, "1");
    EXPECT_EQ(DayCornerText(later, o, 0).text, "30");
    EXPECT_EQ(DayCornerText(later, o, 0).kind, CornerKind::DayCount);

    // Else the civil date in the other calendars, nothing in the current one.
    o.bCountdown = false;
    EXPECT_EQ(DayCornerText(GregorianDate(3, 5, 2010), o, 1).text, "3/5/2010");
    EXPECT_EQ(DayCornerText(GregorianDate(3, 5, 2010), o, 2).kind, CornerKind::CivilDate);
    EXPECT_EQ(DayCornerText(GregorianDate(3, 5, 2010), o, 0).kind, CornerKind::None);
}

TEST(DayCell, AgesAndSwitches)
{
    BirthdayList list;
    list.AddOrMerge(Person(3, 5, 2000, "Lena Park"));
    BirthdayEntry dead = Person(3, 5, 1950, "Old Hans");
    dead.endDate = CalendarDate(3, 10, 1990);
    list.AddOrMerge(dead);
    list.AddOrMerge(Person(3, 5, 1980, "Joe+Mary Brown", BirthdayEntry::Couple));
    list.AddOrMerge(Person(3, 5, 2010, "Call the plumber about the kitchen sink", BirthdayEntry::Note));
    list.AddOrMerge(Person(3, 6, 1990, "Other Day"));
    std::vector<int> index = DayOrderIndex(list);
    HolidayList none;
    DisplayOptions o;

    auto labels = [&](const GregorianDate& d, int top = -10000) {
        std::vector<CString> out;
        for (const CellLine& l : StackCellLines(d, list, index, none, o, top, 1000, 20)) out.push_back(l.text);
        return out;
    };
    // Ages on, first names only (the defaults); the dead, couples and notes are off.
    EXPECT_EQ(labels(GregorianDate(3, 5, 2010)), std::vector<CString>{"Lena (10)"});
    EXPECT_TRUE(labels(GregorianDate(3, 5, 1999)).empty());
    o.nAgeMode = 1;
    EXPECT_EQ(labels(GregorianDate(3, 5, 2017)), std::vector<CString>{"Lena (17)"});
    EXPECT_EQ(labels(GregorianDate(3, 5, 2020)), std::vector<CString>{"Lena "});
    o.nAgeMode = 2;
    EXPECT_EQ(labels(GregorianDate(3, 5, 2010)), std::vector<CString>{"Lena "});
    o.nAgeMode = 0;
    o.bShortNames = false;
    EXPECT_EQ(labels(GregorianDate(3, 5, 2010)), std::vector<CString>{"Lena Park (10)"});

    o.switches.Set(DisplaySwitches::DeadBirthdays);
    o.switches.Set(DisplaySwitches::Anniversaries);
    o.switches.Set(DisplaySwitches::Notes);
    auto lines = StackCellLines(GregorianDate(3, 5, 2010), list, index, none, o, -10000, 1000, 20);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].text, "Old Hans (60)");
    EXPECT_EQ(lines[2].text, "Joe+Mary Brown (30)");
    EXPECT_EQ(lines[3].kind, CellLine::NoteLine);
    EXPECT_EQ(lines[3].bottom - lines[3].top, 40);  // a note takes two lines
    // Bottom-up: each line sits on the one before.
    EXPECT_EQ(lines[0].bottom, 1000);
    EXPECT_EQ(lines[1].bottom, lines[0].top);

    // A full cell stops: 50 units of free area hold two lines; the third would cross its top.
    EXPECT_EQ(labels(GregorianDate(3, 5, 2010), 950).size(), 2u);

    // The holiday takes the bottom line.
    HolidayList holidays;
    holidays.Add(Holiday(3, 5, "Test Day"));
    lines = StackCellLines(GregorianDate(3, 5, 2010), list, index, holidays, o, 950, 1000, 20);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].kind, CellLine::HolidayLine);
    EXPECT_EQ(lines[0].text, "Test Day");
    EXPECT_EQ(lines[0].bottom, 1000);
    EXPECT_EQ(lines[1].text, "Lena Park (10)");

    // The tip names the whole text, the years and what is celebrated.
    EXPECT_EQ(EntryTip(list[0], 10), "Lena Park 10 Birthday");
    EXPECT_EQ(EntryTip(list[2], 30), "Joe+Mary Brown 30 Anniversary");
}

TEST(DayCell, UnsortedListsStillShowEveryEntry)
{
    BirthdayList list;
    list.AddOrMerge(Person(12, 1, 2000, "Zed"));
    list.AddOrMerge(Person(1, 1, 2000, "Amy"));
    list.AddOrMerge(Person(12, 1, 1990, "Bob"));
    std::vector<int> index = DayOrderIndex(list);
    HolidayList none;
    DisplayOptions o;
    auto lines = StackCellLines(GregorianDate(12, 1, 2010), list, index, none, o, -1000, 0, 10);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "Zed (10)");  // list order within the day
    EXPECT_EQ(lines[1].text, "Bob (20)");
}

TEST_F(ViewTest, NavigationSkipsYearZeroAndKeepsMoonMonths)
{
    CKinfoldDoc doc;
    CKinfoldView view(&doc);
    view.OnInitialUpdate();
    view.m_nYear = 1;
    view.m_nMonth = 1;
    view.OnPrevMonth();
    EXPECT_EQ(view.m_nYear, -1);
    EXPECT_EQ(view.m_nMonth, 12);
    view.OnNextMonth();
    EXPECT_EQ(view.m_nYear, 1);
    EXPECT_EQ(view.m_nMonth, 1);
    view.OnPrevYear();
    EXPECT_EQ(view.m_nYear, -1);
    view.OnNextYear();
    EXPECT_EQ(view.m_nYear, 1);

    view.SetCalendarType(kMoon);
    view.m_nYear = 2000;
    view.m_nMonth = 12;
    view.OnNextMonth();
    EXPECT_EQ(view.m_nMonth, 13);  // moon year 2000 has thirteen months
    view.OnNextYear();
    EXPECT_EQ(view.m_nMonth, 13);
    EXPECT_EQ(view.m_nYear, 2001);
    view.OnNextMonth();
    EXPECT_EQ(view.m_nMonth, 1);
    EXPECT_EQ(view.m_nYear, 2002);
    view.OnPrevMonth();
    EXPECT_EQ(view.m_nMonth, 12);  // 2001 has twelve

    view.OnNow();
    GregorianDate today(QDate::currentDate().month(), QDate::currentDate().day(), QDate::currentDate().year());
    MoonDate moon(today.DayNumber());
    EXPECT_EQ(view.m_nMonth, moon.month);
}

TEST_F(ViewTest, ReformMonthSwitchesToOldStyle)
{
    CKinfoldDoc doc;
    CKinfoldView view(&doc);
    view.OnInitialUpdate();
    view.m_nYear = 1582;
    view.m_nMonth = 10;
    QImage img(1024, 768, QImage::Format_RGB32);
    view.RenderPage(img);
    EXPECT_EQ(view.m_nCalendarType, kOldStyle);
    EXPECT_EQ(view.LastDaysInMonth(), 31);
    // 1 October 1582 (Julian) was a Monday: day 1 in cell 8 with a Sunday week.
    EXPECT_EQ(view.LastStartCell(), 8);
    view.m_nMonth = 11;
    view.RenderPage(img);
    EXPECT_EQ(view.m_nCalendarType, kCurrent);
    EXPECT_EQ(view.Caption(), "Hearthday");
}

TEST_F(ViewTest, OptionsLoadedPerProfileAndSavedOnClose)
{
    store.WriteInt("Options", "Notes", 1);
    store.WriteInt("Options1", "StartWeekMonday", 1);
    {
        CKinfoldDoc doc;
        CKinfoldView view(&doc);
        view.OnInitialUpdate();
        EXPECT_TRUE(view.m_Options.switches.IsSet(DisplaySwitches::Notes));
        EXPECT_TRUE(view.Action(ID_NOTES)->isChecked());
        EXPECT_TRUE(view.Action(ID_CAL_CURRENT)->isChecked());
        view.Action(ID_DEAD)->trigger();
        EXPECT_TRUE(view.Action(ID_DEAD)->isChecked());
        view.Action(ID_CAL_OLD_STYLE)->trigger();
        EXPECT_EQ(view.m_nCalendarType, kOldStyle);
        EXPECT_TRUE(view.m_Options.bStartMonday);
        EXPECT_FALSE(view.m_Options.switches.IsSet(DisplaySwitches::Notes));
        EXPECT_TRUE(view.Action(ID_CAL_OLD_STYLE)->isChecked());
        EXPECT_FALSE(view.Action(ID_CAL_CURRENT)->isChecked());
        view.Action(ID_FIRST_NAME)->trigger();
    }
    // The switch flipped in profile 0 was saved when leaving it, profile 1's on closing.
    EXPECT_EQ(store.GetInt("Options", "IncludeDead", 0), 1);
    EXPECT_EQ(store.GetInt("Options1", "ShortNames", 1), 0);
    EXPECT_EQ(store.GetInt("Options1", "StartWeekMonday", 0), 1);
}

TEST_F(ViewTest, MultiMonthPagesScaleFontsAndStepMonths)
{
    CKinfoldDoc doc;
    doc.List().AddOrMerge(Person(2, 14, 1990, "Valentina"));
    CKinfoldView view(&doc);
    view.OnInitialUpdate();
    view.m_nYear = 2024;
    view.m_nMonth = 11;
    view.SetMonthsPerPage(12);
    QImage img(1600, 1200, QImage::Format_RGB32);
    view.RenderPage(img);
    EXPECT_EQ(view.m_nFontPercent, 25);
    EXPECT_EQ(view.m_nEffectiveSize[TitleFont], 90);
    // The last block drawn is October of the next year.
    GregorianDate oct(10, 1, 2025);
    EXPECT_EQ(view.LastStartCell(), StartCell(oct.Weekday(), false));
    view.SetMonthsPerPage(6);
    QImage tall(800, 1200, QImage::Format_RGB32);
    view.RenderPage(tall);
    EXPECT_EQ(view.m_nFontPercent, 50);
    view.SetMonthsPerPage(1);
    EXPECT_EQ(view.m_nFontPercent, 100);
    EXPECT_EQ(view.m_nEffectiveSize[TitleFont], 360);
    if (qEnvironmentVariableIsSet("KINFOLD_SHOTS")) {
        view.SetMonthsPerPage(12);
        view.RenderPage(img);
        img.save(qEnvironmentVariable("KINFOLD_SHOTS") + "/twelve.png");
    }
}

TEST_F(ViewTest, ZeroLengthStartFileOpensAsEmptyList)
{
    QTemporaryDir dir;
    QString path = dir.filePath("Kinfold.kfd");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    CKinfoldDoc doc;
    doc.List().AddOrMerge(Person(1, 1, 2000, "Someone"));
    EXPECT_EQ(CDocFrame::LoadDocumentBytes(&doc, QByteArray()), QString());
    EXPECT_EQ(doc.List().GetCount(), 0);
    // A short file is an error, and the list stays as it was.
    doc.List().AddOrMerge(Person(1, 1, 2000, "Someone"));
    EXPECT_NE(CDocFrame::LoadDocumentBytes(&doc, QByteArray("\x02\x00\x00\x00", 4)), QString());
    EXPECT_EQ(doc.List().GetCount(), 1);
}

TEST_F(ViewTest, PicturesFoundBoundedAndDrawnBehindTheMonth)
{
    QTemporaryDir dir;
    QString old = QDir::currentPath();
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath("a/b/c/d/e"));
    QImage red(64, 48, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath("a/Summer.png")));
    ASSERT_TRUE(red.save(dir.filePath("a/b/c/d/Deep.PNG")));
    ASSERT_TRUE(red.save(dir.filePath("a/b/c/d/e/TooDeep.png")));
    QFile broken(dir.filePath("Broken.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    QFile text(dir.filePath("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.close();
    QDir::setCurrent(dir.path());

    CKinfoldDoc doc;
    CKinfoldView view(&doc);
    view.FindPictures();
    std::vector<CString> names = view.m_Pictures;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<CString>{"Broken.bmp", "Deep.PNG", "Summer.png"}));
    view.AssignMonthPictures(1);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(view.m_nMonthPicture[k], (k - 1) % 3);

    // Put the good picture on January and draw it.
    int summer = (int)(std::find(view.m_Pictures.begin(), view.m_Pictures.end(), "Summer.png") - view.m_Pictures.begin());
    int bad = (int)(std::find(view.m_Pictures.begin(), view.m_Pictures.end(), "Broken.bmp") - view.m_Pictures.begin());
    view.m_nMonthPicture[1] = summer;
    view.m_nMonthPicture[2] = bad;
    view.m_Options.bPictures = true;
    view.m_nYear = 2030;
    view.m_nMonth = 1;
    QImage img(400, 300, QImage::Format_RGB32);
    view.RenderPage(img);
    EXPECT_TRUE(view.Caption().endsWith("/Summer")) << view.Caption().toStdString();
    EXPECT_EQ(QColor(img.pixel(190, 240)), QColor(Qt::red));
    // A picture that does not load is left out; the caption still names it.
    view.m_nMonth = 2;
    view.RenderPage(img);
    EXPECT_TRUE(view.Caption().endsWith("/Broken"));
    EXPECT_EQ(QColor(img.pixel(190, 240)), QColor(Qt::white));
    QDir::setCurrent(old);
}

TEST_F(ViewTest, HoverTipNamesTheEntryUnderTheMouse)
{
    CKinfoldDoc doc;
    doc.List().AddOrMerge(Person(6, 10, 1990, "Rosa Lind"));
    doc.List().AddOrMerge(Person(6, 10, 2000, "Ivo Lind"));
    CKinfoldView view(&doc);
    view.OnInitialUpdate();
    view.m_nYear = 2030;
    view.m_nMonth = 6;
    QImage img(1024, 768, QImage::Format_RGB32);
    view.RenderPage(img);
    QRect cell = view.CellRect(view.LastStartCell() + 9);
    // The bottom line holds the first entry of the day, the line above it the second.
    view.m_ptMouse = QPoint(cell.left() + 5, cell.bottom() - view.LineHeight() / 2);
    view.RenderPage(img);
    EXPECT_EQ(view.TipText(), "Rosa Lind 40 Birthday");
    EXPECT_EQ(view.m_nTipEntry, 0);
    view.m_ptMouse = QPoint(cell.left() + 5, cell.bottom() - view.LineHeight() - view.LineHeight() / 2);
    view.RenderPage(img);
    EXPECT_EQ(view.TipText(), "Ivo Lind 30 Birthday");
    // Off every name, the tip is cleared.
    view.m_ptMouse = QPoint(cell.left() + 5, cell.top() + 2);
    view.RenderPage(img);
    EXPECT_EQ(view.TipText(), QString());
    EXPECT_EQ(view.m_nTipEntry, -1);
}

TEST_F(ViewTest, MainWindowOpensListsAndKeepsMenus)
{
    QTemporaryDir dir;
    CKinfoldDoc doc;
    doc.List().AddOrMerge(Person(4, 1, 1970, "April Fool"));
    CArchive ar;
    doc.Serialize(ar);
    QString path = dir.filePath("fools.kfd");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(ar.Buffer().data(), (qint64)ar.Buffer().size());
    f.close();

    auto* frameDoc = new CKinfoldDoc;
    {
        CMainFrame frame(frameDoc);
        ASSERT_TRUE(frame.OpenDocumentFile(path));
        EXPECT_EQ(frameDoc->List().GetCount(), 1);
        QImage img(800, 600, QImage::Format_RGB32);
        frame.View()->RenderPage(img);
        EXPECT_TRUE(frame.windowTitle().startsWith("Hearthday - fools.kfd")) << frame.windowTitle().toStdString();
        // Menus in their order, with the navigation commands on the menu bar itself.
        QStringList top;
        for (QAction* a : frame.menuBar()->actions()) top << a->text();
        EXPECT_EQ(top, (QStringList{"&File", "Edit", "&View", "&Help", "<<Year", "<Month", "Now", " Month>", "Year>>"}));
        EXPECT_EQ(frame.View()->Action(ID_NEXT_MONTH)->statusTip(), "Advance Month");
        EXPECT_EQ(frame.View()->Action(ID_DAY_COUNT)->statusTip(), "Days from target\\Countdown");
        // The dialog commands are present, waiting for their dialogs.
        for (int id : {ID_LIST, ID_IMPORT, ID_HOLLIDAY, ID_OPTIONS, ID_YEAR, ID_TARGET})
            EXPECT_NE(frame.View()->Action(id), nullptr);
        EXPECT_FALSE(CMainFrame::HelpText(0x18016).isEmpty());
        EXPECT_TRUE(CMainFrame::HelpText(0x18000).isEmpty());
        ASSERT_TRUE(frame.OnFileNew());
        EXPECT_EQ(frameDoc->List().GetCount(), 0);
    }
    delete frameDoc;
}

TEST_F(ViewTest, CalendarSwitchLeavesNoThirteenthCivilMonth)
{
    CKinfoldDoc doc;
    CKinfoldView view(&doc);
    view.OnInitialUpdate();
    view.SetCalendarType(kMoon);
    view.m_nYear = 2000;
    view.m_nMonth = 13;
    view.SetCalendarType(kCurrent);
    EXPECT_EQ(view.m_nMonth, 12);
}

TEST_F(ViewTest, PrintedYearPagesKeepScreenProportions)
{
    QTemporaryDir dir;
    CKinfoldDoc doc;
    CKinfoldView view(&doc);
    view.OnInitialUpdate();
    view.m_nYear = 2026;
    view.m_nMonth = 1;
    view.SetMonthsPerPage(12);
    view.LayoutScreenPage(1024, 768);
    for (bool portrait : {false, true}) {
        PrintRequest r;
        r.outputPdf = dir.filePath("year.pdf");
        r.paperCode = 9;
        r.portrait = portrait;
        ASSERT_EQ(view.PrintToPdf(r), QString());
        // A twelve-month page of A4 prints its fonts at about the quarter they have on screen.
        EXPECT_GE(view.m_nFontPercent, 18) << portrait;
        EXPECT_LE(view.m_nFontPercent, 30) << portrait;
        EXPECT_EQ(view.m_nPrintMode, 0);
        EXPECT_EQ(view.m_nPrintScale, 100);
    }
}

namespace {
QString PdfPageText(const QString& pdf, int page)
{
    QProcess p;
    p.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
}  // namespace

TEST_F(ViewTest, PdfOfASmallList)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    CKinfoldDoc doc;
    doc.List().AddOrMerge(Person(12, 8, 1950, "Ann Smith"));
    doc.List().AddOrMerge(Person(12, 8, 1980, "Joe+Mary Brown", BirthdayEntry::Couple));
    doc.List().AddOrMerge(Person(3, 5, 2000, "Lena Park"));
    doc.List().SortByDate();
    CArchive ar;
    doc.Serialize(ar);
    QString kfd = dir.filePath("small.kfd");
    QFile f(kfd);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(ar.Buffer().data(), (qint64)ar.Buffer().size());
    f.close();

    PrintPdfOptions o;
    o.output = dir.filePath("year.pdf");
    o.year = 2026;
    o.month = 12;
    o.document = kfd;
    ASSERT_EQ(PrintPdf(o), QString());
    QString dec = PdfPageText(o.output, 1);
    EXPECT_TRUE(dec.contains("December 2026")) << dec.toStdString();
    EXPECT_TRUE(dec.contains("Ann (76)"));
    EXPECT_TRUE(dec.contains("Christmas"));
    EXPECT_FALSE(dec.contains("Joe+Mary"));  // anniversaries are off by default
    QString mar = PdfPageText(o.output, 4);
    EXPECT_TRUE(mar.contains("March 2027"));
    EXPECT_TRUE(mar.contains("Lena (27)"));
    EXPECT_FALSE(mar.contains("Ann"));
    EXPECT_TRUE(PdfPageText(o.output, 12).contains("November 2027"));
    EXPECT_TRUE(PdfPageText(o.output, 13).isEmpty());

    // Six months to a page: two pages; anniversaries from the stored options.
    store.WriteInt("Options", "Marriage", 1);
    o.monthsPerPage = 6;
    o.output = dir.filePath("half.pdf");
    ASSERT_EQ(PrintPdf(o), QString());
    QString first = PdfPageText(o.output, 1);
    // Wider than its cell on a page of six months: the label ends in "…" where it is cut.
    EXPECT_TRUE(first.contains("Joe+Mary")) << first.toStdString();
    EXPECT_TRUE(first.contains("May 2027"));
    EXPECT_TRUE(PdfPageText(o.output, 2).contains("June 2027"));
    EXPECT_TRUE(PdfPageText(o.output, 3).isEmpty());

    // A PDF named as the document itself, or as a link to it, is refused and the list kept.
    const QByteArray before = ar.Buffer().empty() ? QByteArray() : QByteArray(ar.Buffer().data(), (qsizetype)ar.Buffer().size());
    const QString link = dir.filePath("link.pdf");
    ASSERT_TRUE(QFile::link(kfd, link));
    for (const QString& out : {kfd, link}) {
        o.output = out;
        EXPECT_NE(PrintPdf(o), QString()) << out.toStdString();
        QFile again(kfd);
        ASSERT_TRUE(again.open(QIODevice::ReadOnly));
        EXPECT_EQ(again.readAll(), before);
    }

    o.output = dir.filePath("half.pdf");
    o.document = dir.filePath("missing.kfd");
    EXPECT_NE(PrintPdf(o), QString());
}

TEST_F(ViewTest, PrintedMoonYearsKeepTheirThirteenthMonth)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    PrintPdfOptions o;
    o.calendar = kMoon;
    o.year = 2000;  // a moon year of thirteen months
    o.month = 12;
    o.output = dir.filePath("moon.pdf");
    ASSERT_EQ(PrintPdf(o), QString());
    EXPECT_TRUE(PdfPageText(o.output, 1).contains("Snow Moon 2000"));
    EXPECT_TRUE(PdfPageText(o.output, 2).contains("Blue Moon 2000")) << PdfPageText(o.output, 2).toStdString();
    EXPECT_TRUE(PdfPageText(o.output, 3).contains("Cold Moon 2001"));

    // A print that starts at the thirteenth month shows it first.
    o.month = 13;
    o.monthsPerPage = 6;
    o.output = dir.filePath("blue.pdf");
    ASSERT_EQ(PrintPdf(o), QString());
    const QString first = PdfPageText(o.output, 1);
    EXPECT_TRUE(first.contains("Blue Moon 2000")) << first.toStdString();
    EXPECT_TRUE(first.contains("Planting Moon 2001"));
    EXPECT_TRUE(PdfPageText(o.output, 2).contains("Green Corn Moon 2001"));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    PlatformSetApplication("Kinfold");
    PlatformSetSettingsFolder(settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

TEST_F(ViewTest, RepaintsFollowChangesOfTheListMadeBetweenThem)
{
    // The view keeps its month/day order of the list from paint to paint; every change of the
    // list, whoever makes it, must reach the next paint.
    CKinfoldDoc doc;
    doc.List().AddOrMerge(Person(6, 10, 1990, "Rosa Lind"));
    doc.List().AddOrMerge(Person(6, 12, 2000, "Ivo Lind"));
    CKinfoldView view(&doc);
    view.OnInitialUpdate();
    view.m_nYear = 2030;
    view.m_nMonth = 6;
    QImage img(1024, 768, QImage::Format_RGB32);
    view.RenderPage(img);
    const QRect tenth = view.CellRect(view.LastStartCell() + 9);
    view.m_ptMouse = QPoint(tenth.left() + 5, tenth.bottom() - view.LineHeight() / 2);
    view.RenderPage(img);
    EXPECT_EQ(view.TipText(), "Rosa Lind 40 Birthday");

    // Same length, other order.
    doc.List().Swap(0, 1);
    view.RenderPage(img);
    EXPECT_EQ(view.TipText(), "Rosa Lind 40 Birthday");

    // Same length, other entries, read from a file.
    BirthdayList other;
    other.AddOrMerge(Person(6, 10, 1980, "Olga Berg"));
    other.AddOrMerge(Person(6, 12, 1980, "Pia Berg"));
    CArchive out;
    other.Serialize(out);
    CArchive in(out.Buffer());
    doc.List().Serialize(in);
    view.RenderPage(img);
    EXPECT_EQ(view.TipText(), "Olga Berg 50 Birthday");

    // A shorter list replacing it whole.
    BirthdayList one;
    one.AddOrMerge(Person(6, 10, 1970, "Uma Stein"));
    doc.List() = one;
    view.RenderPage(img);
    EXPECT_EQ(view.TipText(), "Uma Stein 60 Birthday");
}

TEST_F(ViewTest, MouseMovesUpdateTheTipAndKeepTheDrawnPage)
{
    CKinfoldDoc doc;
    doc.List().AddOrMerge(Person(6, 10, 1990, "Rosa Lind"));
    doc.List().AddOrMerge(Person(6, 10, 2000, "Ivo Lind"));
    CKinfoldView view(&doc);
    view.OnInitialUpdate();
    view.m_nYear = 2030;
    view.m_nMonth = 6;
    view.resize(1024, 768);
    const QImage june = view.grab().toImage();
    const QRect cell = view.CellRect(view.LastStartCell() + 9);
    auto moveTo = [&](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(view.mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
    };

    // The tip follows the mouse before any paint.
    moveTo(QPoint(cell.left() + 5, cell.bottom() - view.LineHeight() / 2));
    EXPECT_EQ(view.TipText(), "Rosa Lind 40 Birthday");
    moveTo(QPoint(cell.left() + 5, cell.bottom() - view.LineHeight() - view.LineHeight() / 2));
    EXPECT_EQ(view.TipText(), "Ivo Lind 30 Birthday");
    EXPECT_EQ(view.grab().toImage(), june);
    moveTo(QPoint(cell.left() + 5, cell.top() + 2));
    EXPECT_EQ(view.TipText(), QString());
    moveTo(QPoint(cell.left() + 5, cell.bottom() - view.LineHeight() / 2));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&view, &leave);
    EXPECT_EQ(view.TipText(), QString());

    // The same on a page of twelve months, in a later block.
    view.Action(ID_TWELVE_MONTHS)->trigger();
    view.m_nMonth = 1;
    view.grab();
    const ScreenPage page = view.LastScreenPage();
    bool found = false;
    for (int y = page.top; y < 768 && !found; y += 2) {
        for (int x = page.left; x < 1024 && !found; x += 3) {
            DayUnderPoint hit;
            if (!FindDayAt(page, x, y, hit) || hit.month != 6 || hit.day != 10) continue;
            moveTo(QPoint(hit.box.left + 2, hit.box.bottom - 1));
            found = view.TipText() == "Rosa Lind 40 Birthday";
        }
    }
    EXPECT_TRUE(found);

    // A command after mouse moves draws its change.
    view.Action(ID_ONE_MONTH)->trigger();
    view.m_nMonth = 6;
    view.Action(ID_NEXT_MONTH)->trigger();
    moveTo(QPoint(cell.left() + 5, cell.top() + 2));
    const QImage july = view.grab().toImage();
    EXPECT_NE(july, june);
    view.Action(ID_PREV_MONTH)->trigger();
    EXPECT_EQ(view.grab().toImage(), june);
}

TEST_F(ViewTest, ChosenOldStyleShowsJulianMonthsAndKeepsItsProfile)
{
    const int target = 2460000;
    store.WriteInt("Options", "Countdown", 1);
    store.WriteInt("Options", "Target", target);
    store.WriteInt("Options", "Marriage", 1);
    store.WriteInt("Options1", "StartWeekMonday", 1);
    {
        CKinfoldDoc doc;
        CKinfoldView view(&doc);
        view.resize(1024, 768);
        view.OnInitialUpdate();
        view.m_nYear = 2026;
        view.m_nMonth = 6;
        QImage img(1024, 768, QImage::Format_RGB32);
        view.RenderPage(img);
        view.Action(ID_CAL_OLD_STYLE)->trigger();
        view.RenderPage(img);
        EXPECT_EQ(view.m_nCalendarType, kOldStyle);
        EXPECT_TRUE(view.m_Options.bStartMonday);
        EXPECT_FALSE(view.m_Options.bCountdown);

        // February 1700 has 29 days in the Julian calendar, 28 in the Gregorian; its 1st is the
        // civil 11 February.
        view.m_nYear = 1700;
        view.m_nMonth = 2;
        view.RenderPage(img);
        EXPECT_EQ(view.m_nCalendarType, kOldStyle);
        EXPECT_EQ(view.LastDaysInMonth(), 29);
        DayUnderPoint hit;
        ASSERT_TRUE(FindDayAt(view.LastScreenPage(), view.CellRect(view.LastStartCell()).center().x(),
                              view.CellRect(view.LastStartCell()).center().y(), hit));
        EXPECT_EQ(hit.day, 1);
        EXPECT_EQ(hit.calendarType, kOldStyle);
        EXPECT_EQ(hit.civil.Compare(GregorianDate(2, 11, 1700)), 0);
        view.Action(ID_DEAD)->trigger();
    }
    // Each profile keeps its own values: the Old style's switch went into its own section.
    EXPECT_EQ(store.GetInt("Options", "Countdown", 0), 1);
    EXPECT_EQ(store.GetInt("Options", "Target", 0), target);
    EXPECT_EQ(store.GetInt("Options", "Marriage", 0), 1);
    EXPECT_EQ(store.GetInt("Options", "IncludeDead", 0), 0);
    EXPECT_EQ(store.GetInt("Options1", "IncludeDead", 0), 1);
    EXPECT_EQ(store.GetInt("Options1", "StartWeekMonday", 0), 1);
    EXPECT_EQ(store.GetInt("Options1", "Countdown", 0), 0);
}

TEST_F(ViewTest, TheReformSwitchChangesProfilesBothWays)
{
    store.WriteInt("Options", "Notes", 1);
    store.WriteInt("Options", "Countdown", 1);
    store.WriteInt("Options1", "StartWeekMonday", 1);
    {
        CKinfoldDoc doc;
        CKinfoldView view(&doc);
        view.OnInitialUpdate();
        view.m_nYear = 2026;
        view.m_nMonth = 6;
        QImage img(1024, 768, QImage::Format_RGB32);
        view.RenderPage(img);

        // Before the reform the Current calendar shows the Old style, with that profile's options.
        view.m_nYear = 1500;
        view.RenderPage(img);
        EXPECT_EQ(view.m_nCalendarType, kOldStyle);
        EXPECT_TRUE(view.m_Options.bStartMonday);
        EXPECT_FALSE(view.m_Options.switches.IsSet(DisplaySwitches::Notes));
        EXPECT_TRUE(view.Action(ID_CAL_OLD_STYLE)->isChecked());
        view.Action(ID_ANNIVERSARY)->trigger();

        // Choosing Current there keeps the Old style in effect and its options.
        view.Action(ID_CAL_CURRENT)->trigger();
        view.RenderPage(img);
        EXPECT_EQ(view.m_nCalendarType, kOldStyle);
        EXPECT_TRUE(view.m_Options.switches.IsSet(DisplaySwitches::Anniversaries));

        // After it, back to Current and its own options.
        view.m_nYear = 2026;
        view.RenderPage(img);
        EXPECT_EQ(view.m_nCalendarType, kCurrent);
        EXPECT_FALSE(view.m_Options.bStartMonday);
        EXPECT_TRUE(view.m_Options.switches.IsSet(DisplaySwitches::Notes));
        EXPECT_TRUE(view.m_Options.bCountdown);
        EXPECT_FALSE(view.m_Options.switches.IsSet(DisplaySwitches::Anniversaries));
        view.Action(ID_DEAD)->trigger();

        // A page of twelve months across the reform takes the profile of its first month.
        view.SetMonthsPerPage(12);
        view.m_nYear = 1582;
        view.m_nMonth = 1;
        view.RenderPage(img);
        EXPECT_EQ(view.m_nCalendarType, kOldStyle);
        view.m_nMonth = 11;
        view.RenderPage(img);
        EXPECT_EQ(view.m_nCalendarType, kCurrent);
    }
    EXPECT_EQ(store.GetInt("Options", "IncludeDead", 0), 1);
    EXPECT_EQ(store.GetInt("Options", "Marriage", 0), 0);
    EXPECT_EQ(store.GetInt("Options", "Countdown", 0), 1);
    EXPECT_EQ(store.GetInt("Options", "Notes", 0), 1);
    EXPECT_EQ(store.GetInt("Options1", "Marriage", 0), 1);
    EXPECT_EQ(store.GetInt("Options1", "IncludeDead", 0), 0);
    EXPECT_EQ(store.GetInt("Options1", "Countdown", 0), 0);
    EXPECT_EQ(store.GetInt("Options1", "StartWeekMonday", 0), 1);
}

TEST_F(ViewTest, AViewThatNeverLoadedItsOptionsSavesNone)
{
    // Its options are the defaults, not the user's: saving them would overwrite the profile.
    store.WriteInt("Options", "ShortNames", 0);
    store.WriteInt("Options", "Countdown", 1);
    {
        CKinfoldDoc doc;
        CKinfoldView view(&doc);
    }
    EXPECT_EQ(store.GetInt("Options", "ShortNames", 1), 0);
    EXPECT_EQ(store.GetInt("Options", "Countdown", 0), 1);
}
