// SPDX-License-Identifier: GPL-3.0-or-later
// The view's dialog commands end to end: the click on a day on pages of 1, 6 and 12 months, the
// year chooser, the target date, the options sheet's Apply, the names list, the holidays, the
// import of genealogy and address-book files with its merge question and start folder, and the
// calendar export.
#include "../TestEntries.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QMenuBar>
#include <QTabWidget>
#include <memory>
#include "DialogDriver.h"
#include "app/BirthdayEditDlg.h"
#include "app/BirthdayNamesDlg.h"
#include "app/EditDateDlg.h"
#include "app/HolidayListDlg.h"
#include "app/MainFrame.h"
#include "app/OptionsPages.h"
#include "app/OptionsSheet.h"
#include "app/PleaseChooseDlg.h"
#include "app/ReminderDialogs.h"
#include "app/ViewCommands.h"
#include "app/YearDlg.h"
#include "calendar/MoonDate.h"
#include "platform/Document.h"
#include "platform/TextCodec.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"
#include "view/core/PageLayout.h"

namespace {
class ViewCommands : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        view = std::make_unique<CKinfoldView>(&doc);
        view->SetDialogs(&KinfoldDialogs());
        view->resize(1400, 1000);
        view->LoadDisplayOptions();
        view->m_nYear = 2021;
        view->m_nMonth = 7;
    }
    void TearDown() override
    {
        view.reset();
        DialogTest::TearDown();
    }

    // Independence Day on the bottom line, then Carl, Ann and a two-line note, bottom up.
    void FillJuly4th()
    {
        view->Holidays().RemoveAll();
        view->Holidays().Add(Holiday(7, 4, "Independence Day"));
        BirthdayList& list = doc.List();
        list.AddOrMerge(Person(7, 4, 1990, "Ann"));
        list.AddOrMerge(Person(7, 4, 1985, "Carl"));
        list.AddOrMerge(Person(7, 4, 2021, "Meet Bob at noon", BirthdayEntry::Note));
        list.AddOrMerge(Person(7, 5, 1970, "Dora"));
        list.SortByDate();
        view->m_Options.switches.Set(DisplaySwitches::Notes);
    }

    void Render()
    {
        QImage page(view->size(), QImage::Format_RGB32);
        view->RenderPage(page);
    }

    // The point in line `line` (0 = bottom) of the cell of `day` in block `block` of the page,
    // worked out from the page's layout as drawn.
    QPoint LinePoint(int block, int month, int year, int day, int line)
    {
        const DisplayOptions& o = view->m_Options;
        BlockGrid grid = LayoutBlocks(view->m_nMonthsPerPage, view->width(), view->height(), 100, false);
        int bc = block % grid.columns, br = block / grid.columns;
        MonthGeometry g = MonthBlockGeometry(o.nLeft + bc * grid.blockWidth, o.nTop + br * grid.blockHeight,
                                             grid.blockWidth, grid.blockHeight, o.nRight, o.nBottom,
                                             view->DayNameHeight(), view->LineWidth());
        std::unique_ptr<CalendarDate> first;
        if (view->m_nCalendarType >= kMoon) first = std::make_unique<MoonDate>(month, 1, year);
        else first = std::make_unique<GregorianDate>(month, 1, year);
        CellBox b = CellBoxOf(g, StartCell(first->Weekday(), o.bStartMonday) + day - 1);
        int lh = view->m_nLineHeight;
        return QPoint((b.left + b.right) / 2, b.bottom - line * lh - lh / 2);
    }

    void Click(QPoint pt)
    {
        QMouseEvent press(QEvent::MouseButtonPress, pt, view->mapToGlobal(pt), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view.get(), &press);
    }

    // The text of the entry the click opens (the dialog is cancelled).
    QString Opened(QPoint pt)
    {
        QString text = "(none)";
        WhenModal<CBirthdayEditDlg>([&](CBirthdayEditDlg* d) {
            text = d->m_ctlText->text();
            d->m_btnCancel->click();
        });
        Click(pt);
        return text;
    }

    CKinfoldDoc doc;
    std::unique_ptr<CKinfoldView> view;
};
}  // namespace

// ---------------------------------------------------------------- the click on a day

TEST_F(ViewCommands, ClickOnAOneMonthPageOpensTheEntryUnderTheMouse)
{
    FillJuly4th();
    Render();
    ASSERT_GE(view->RowHeight(), 6 * view->m_nLineHeight);
    // The holiday's line opens the day's first entry.
    EXPECT_EQ(Opened(LinePoint(0, 7, 2021, 4, 0)), "Carl");
    EXPECT_EQ(Opened(LinePoint(0, 7, 2021, 4, 1)), "Carl");
    EXPECT_EQ(Opened(LinePoint(0, 7, 2021, 4, 2)), "Ann");
    // The note takes two lines.
    EXPECT_EQ(Opened(LinePoint(0, 7, 2021, 4, 3)), "Meet Bob at noon");
    EXPECT_EQ(Opened(LinePoint(0, 7, 2021, 4, 4)), "Meet Bob at noon");
    // Above the lines: a new entry on that day.
    CalendarDate opened;
    WhenModal<CBirthdayEditDlg>([&](CBirthdayEditDlg* d) {
        EXPECT_EQ(d->m_ctlText->text(), "");
        EXPECT_TRUE(d->m_ctlKind[0]->isChecked());
        opened = CalendarDate(d->m_ctlDate[0][1]->Text().toInt(), d->m_ctlDate[0][2]->Text().toInt(),
                              d->m_ctlDate[0][0]->Text().toInt());
        d->m_btnCancel->click();
    });
    Click(LinePoint(0, 7, 2021, 4, 5));
    EXPECT_EQ(opened.month, 7);
    EXPECT_EQ(opened.day, 4);
    EXPECT_EQ(opened.year, 2021);
    EXPECT_EQ(Opened(LinePoint(0, 7, 2021, 5, 0)), "Dora");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.List().GetCount(), 4);
}

TEST_F(ViewCommands, ClicksOnPagesOfSixAndTwelveMonthsReachTheBlockUnderTheMouse)
{
    FillJuly4th();
    view->SetMonthsPerPage(6);
    view->m_nMonth = 3;
    Render();
    ASSERT_GE(view->RowHeight(), 5 * view->m_nLineHeight);
    // March .. August in 3 columns and 2 rows: July is the fifth block.
    EXPECT_EQ(Opened(LinePoint(4, 7, 2021, 4, 2)), "Ann");
    EXPECT_EQ(Opened(LinePoint(4, 7, 2021, 5, 0)), "Dora");

    view->SetMonthsPerPage(12);
    view->m_nMonth = 1;
    Render();
    ASSERT_GE(view->RowHeight(), 5 * view->m_nLineHeight);
    EXPECT_EQ(Opened(LinePoint(6, 7, 2021, 4, 3)), "Meet Bob at noon");
    EXPECT_EQ(Opened(LinePoint(6, 7, 2021, 4, 1)), "Carl");
    // The same cell of June holds nothing: a new entry on 4 June.
    EXPECT_EQ(Opened(LinePoint(5, 6, 2021, 4, 1)), "");
}

TEST_F(ViewCommands, ClickOnTheTitleOrAnEmptyCellDoesNothing)
{
    FillJuly4th();
    Render();
    const DisplayOptions& o = view->m_Options;
    // Day-name row, title cells, the margin right of the grid and below the page.
    for (QPoint pt : {QPoint(o.nLeft + 20, o.nTop + 2), QPoint(o.nLeft + 20, o.nTop + view->DayNameHeight() + 10),
                      QPoint(view->width() - 2, 300), QPoint(2, 2)})
        Click(pt);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ViewCommands, ClickEditsDeletesAndAddsAndMarksTheDocumentModified)
{
    FillJuly4th();
    Render();
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        d->m_ctlText->setText("Ann Marie");
        d->m_btnOk->click();
    });
    Click(LinePoint(0, 7, 2021, 4, 2));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_GE(doc.List().FindByText(CString("Ann Marie")), 0);
    EXPECT_EQ(doc.List().FindByText(CString("Ann")), -1);

    Render();
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        d->m_ctlDelete->click();
        d->m_btnOk->click();
    });
    Click(LinePoint(0, 7, 2021, 4, 1));
    EXPECT_EQ(doc.List().FindByText(CString("Carl")), -1);
    EXPECT_EQ(doc.List().GetCount(), 3);

    // A new entry goes in with AddOrMerge and the list is sorted again.
    Render();
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        d->m_ctlText->setText("Abe");
        d->m_ctlDate[0][0]->SetText("1999");
        d->m_btnOk->click();
    });
    Click(LinePoint(0, 7, 2021, 2, 0));
    ASSERT_EQ(doc.List().GetCount(), 4);
    EXPECT_EQ(doc.List()[0].text, "Abe");
    EXPECT_EQ(doc.List()[0].day, 2);
    EXPECT_EQ(doc.List()[0].year, 1999);

    // Delete ticked on a new entry changes nothing in the list, yet marks the document.
    doc.SetModifiedFlag(false);
    Render();
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        d->m_ctlDelete->click();
        d->m_btnOk->click();
    });
    Click(LinePoint(0, 7, 2021, 20, 0));
    EXPECT_EQ(doc.List().GetCount(), 4);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ViewCommands, ClickInTheMoonCalendarOpensTheCellsCivilDate)
{
    view->m_nCalendarType = kMoon;
    view->m_nYear = 2021;
    view->m_nMonth = 5;
    view->Holidays().RemoveAll();
    Render();
    GregorianDate civil(MoonDate(5, 3, 2021).DayNumber());
    CalendarDate opened;
    WhenModal<CBirthdayEditDlg>([&](CBirthdayEditDlg* d) {
        opened = CalendarDate(d->m_ctlDate[0][1]->Text().toInt(), d->m_ctlDate[0][2]->Text().toInt(),
                              d->m_ctlDate[0][0]->Text().toInt());
        d->m_btnCancel->click();
    });
    Click(LinePoint(0, 5, 2021, 3, 0));
    EXPECT_EQ(opened.Compare(civil), 0);
    EXPECT_EQ(opened.year, civil.year);
}

// ---------------------------------------------------------------- Year, Target, Options

TEST_F(ViewCommands, YearTakesTheChosenYearAndMonthAndYearZeroShowsYearOne)
{
    WhenModal<CYearDlg>([](CYearDlg* d) {
        EXPECT_EQ(d->m_ctlYear->Text(), "2021");
        EXPECT_EQ(d->m_ctlMonth->currentText(), "Jul");
        d->m_ctlYear->SetText("0");
        d->m_ctlMonth->setCurrentIndex(0);
        d->m_btnOk->click();
    });
    view->OnYear();
    EXPECT_EQ(view->m_nYear, 1);
    EXPECT_EQ(view->m_nMonth, 7);

    WhenModal<CYearDlg>([](CYearDlg* d) {
        d->m_ctlYear->SetText("1750");
        d->m_ctlMonth->setCurrentIndex(3);
        d->m_btnOk->click();
    });
    view->OnYear();
    EXPECT_EQ(view->m_nYear, 1750);
    EXPECT_EQ(view->m_nMonth, 3);

    WhenModal<CYearDlg>([](CYearDlg* d) {
        d->m_ctlYear->SetText("1999");
        d->m_btnCancel->click();
    });
    view->OnYear();
    EXPECT_EQ(view->m_nYear, 1750);
}

TEST_F(ViewCommands, TargetStoresTheDateAndTurnsTheDayCountOnOrOffWithMonthZero)
{
    view->m_Options.dTarget = GregorianDate(6, 15, 2010).DayNumber();
    WhenModal<CEditDateDlg>([](CEditDateDlg* d) {
        EXPECT_EQ(d->m_ctlYear->Text(), "2010");
        EXPECT_EQ(d->m_ctlMonth->Text(), "6");
        EXPECT_EQ(d->m_ctlDay->Text(), "15");
        d->m_ctlYear->SetText("2011");
        d->m_ctlMonth->SetText("1");
        d->m_ctlDay->SetText("2");
        d->m_btnOk->click();
    });
    view->OnTarget();
    const double target = GregorianDate(1, 2, 2011).DayNumber();
    EXPECT_EQ(view->m_Options.dTarget, target);
    EXPECT_TRUE(view->m_Options.bCountdown);
    EXPECT_EQ(store.GetInt("Options", "Target", 0), TargetToStored(target));
    EXPECT_EQ(store.GetInt("Options", "Countdown", 0), 1);

    // Month 0 turns the count off and writes nothing.
    store.writes = 0;
    WhenModal<CEditDateDlg>([](CEditDateDlg* d) {
        d->m_ctlMonth->SetText("0");
        d->m_btnOk->click();
    });
    view->OnTarget();
    EXPECT_FALSE(view->m_Options.bCountdown);
    EXPECT_EQ(view->m_Options.dTarget, target);
    EXPECT_EQ(store.writes, 0);

    // Cancel sets the target again from the unchanged date and turns the count on.
    WhenModal<CEditDateDlg>([](CEditDateDlg* d) {
        d->m_ctlYear->SetText("1999");
        d->m_btnCancel->click();
    });
    view->OnTarget();
    EXPECT_TRUE(view->m_Options.bCountdown);
    EXPECT_EQ(view->m_Options.dTarget, target);
    EXPECT_EQ(store.GetInt("Options", "Countdown", 0), 1);
}

TEST_F(ViewCommands, OptionsApplyReloadsTheViewAtOnceAndOkAgain)
{
    view->SetCalendarType(2);
    ASSERT_FALSE(view->m_Options.bSeasons);
    WhenModal<COptions>([this](COptions* s) {
        s->m_pOptions->m_ctlSeasons->click();
        s->m_btnApply->click();
        EXPECT_TRUE(view->m_Options.bSeasons);
        s->m_ctlTabs->setCurrentIndex(1);
        s->m_pMargins->m_ctlTop->SetText("40");
        s->m_btnOk->click();
    });
    view->OnOptions();
    EXPECT_TRUE(view->m_Options.bSeasons);
    EXPECT_EQ(view->m_Options.nTop, 40);
    EXPECT_EQ(store.GetInt("Options2", "Seasons", 0), 1);
    EXPECT_EQ(store.GetInt("Margins2", "Top", 0), 40);

    WhenModal<COptions>([](COptions* s) {
        s->m_pOptions->m_ctlSeasons->click();
        s->m_btnCancel->click();
    });
    view->OnOptions();
    EXPECT_TRUE(view->m_Options.bSeasons);
    EXPECT_EQ(store.GetInt("Options2", "Seasons", 0), 1);
}

// ---------------------------------------------------------------- List and Holliday

TEST_F(ViewCommands, ListOkReplacesTheDocumentsListAndMarksItModified)
{
    FillJuly4th();
    view->m_bRedraw = false;
    WhenModal<CBirthdayNamesDlg>([](CBirthdayNamesDlg* d) {
        d->m_ctlList->setCurrentRow(0);
        WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* e) { e->m_btnOk->click(); });
        d->m_btnDelete->click();
        d->m_btnOk->click();
    });
    view->OnList();
    EXPECT_EQ(doc.List().GetCount(), 3);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(view->m_bRedraw);
}

TEST_F(ViewCommands, HollidayResetIsStoredWhenTheListCloses)
{
    view->Holidays().RemoveAll();
    WhenModal<CHolidayListDlg>([](CHolidayListDlg* d) {
        EXPECT_EQ(d->m_ctlList->count(), 0);
        d->m_btnReset->click();
        d->close();
    });
    view->OnHolliday();
    EXPECT_EQ(view->Holidays().GetCount(), 19);
    EXPECT_EQ(store.GetInt("Hollidays", "Number", -1), 19);
}

// ---------------------------------------------------------------- Import

class ImportCommand : public ViewCommands {
protected:
    void SetUp() override
    {
        ViewCommands::SetUp();
        ASSERT_TRUE(folder.isValid());
        savedFolder = QDir::currentPath();
        QDir(folder.path()).mkpath("empty/deeper");
        QDir(folder.path()).mkpath("tree/family");
        WriteFile(folder.filePath(".hidden.ged"), "");
        gedPath = folder.filePath("tree/family/Smith.GED");
        WriteFile(gedPath,
                  "0 HEAD\r\n0 @I1@ INDI\r\n1 NAME John /Smith/\r\n1 BIRT\r\n2 DATE 12 JAN 1950\r\n"
                  "0 @I2@ INDI\r\n1 NAME Mary /Jones/\r\n1 BIRT\r\n2 DATE 3 MAR 1952\r\n"
                  "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n1 MARR\r\n2 DATE 5 JUN 1975\r\n0 TRLR\r\n");
        QDir::setCurrent(folder.path());
        CDocFrame::fileDialogHook = [this](bool save, const QString& suggested) {
            EXPECT_FALSE(save);
            offered = suggested;
            return answer;
        };
        answer = gedPath;
    }
    void TearDown() override
    {
        CDocFrame::fileDialogHook = {};
        QDir::setCurrent(savedFolder);
        ViewCommands::TearDown();
    }
    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir folder;
    QString savedFolder, gedPath, offered, answer;
};

TEST_F(ImportCommand, ImportsIntoAnEmptyListSortsAndMarksModified)
{
    view->m_bRedraw = false;
    view->OnImport();
    EXPECT_EQ(QDir(offered).canonicalPath(), QDir(folder.filePath("tree/family")).canonicalPath());
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(doc.List().GetCount(), 3);
    EXPECT_EQ(doc.List()[0].text, "John /Smith/");
    EXPECT_EQ(doc.List()[1].text, "Mary /Jones/");
    EXPECT_EQ(doc.List()[2].text, "John+Mary /Smith/");
    EXPECT_EQ(doc.List()[2].kind, BirthdayEntry::Couple);
    EXPECT_EQ(doc.List()[0].otherDate.Compare(CalendarDate(6, 5, 1975)), 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(view->m_bRedraw);
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).absolutePath());
}

TEST_F(ImportCommand, NoToTheMergeQuestionChangesNothing)
{
    doc.List().AddOrMerge(Person(3, 4, 1952, "Mary /Jones/"));
    answers = {IDNO};
    view->OnImport();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Name list is not empty.  Do you want to merge the file into your current list?");
    EXPECT_EQ(messages[1], "You may save the current list by selecting save or save as on the file menu then clear "
                           "the curren list by selecting new in the file menu.");
    EXPECT_EQ(doc.List().GetCount(), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ImportCommand, YesMergesAndAsksWhichOfTwoDatesToKeep)
{
    doc.List().AddOrMerge(Person(3, 4, 1952, "Mary /Jones/"));
    answers = {IDYES};
    WhenModal<CPleaseChooseDlg>([](CPleaseChooseDlg* d) {
        EXPECT_EQ(d->m_ctlTitle->text(), "Mary Jones");
        EXPECT_EQ(d->m_ctlKind->text(), "Birth");
        EXPECT_EQ(d->m_ctlDateA->text(), "3/3/1952");
        EXPECT_EQ(d->m_ctlDateB->text(), "3/4/1952");
        d->m_btnA->click();
    });
    view->OnImport();
    EXPECT_EQ(messages.size(), 1u);
    ASSERT_EQ(doc.List().GetCount(), 3);
    int mary = doc.List().FindByText(CString("Mary /Jones/"));
    ASSERT_GE(mary, 0);
    EXPECT_EQ(doc.List()[mary].day, 3);
    EXPECT_TRUE(doc.IsModified());
    // Nobody is asked once the import is over.
    EXPECT_FALSE(doc.List().Chooser());
}

TEST_F(ImportCommand, CancelledFileDialogAndUnreadableFileChangeNothing)
{
    answer.clear();
    view->OnImport();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(doc.List().GetCount(), 0);
    EXPECT_FALSE(doc.IsModified());

    answer = folder.filePath("missing.ged");
    view->OnImport();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(doc.List().GetCount(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ImportCommand, AddressBooksAreToldByTheirContentNotTheirName)
{
    // A vCard file under a name that says nothing about it.
    answer = folder.filePath("contacts.txt");
    WriteFile(answer, "\xEF\xBB\xBF\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:Jane Appleseed\r\n"
                      "BDAY;X-APPLE-OMIT-YEAR=1604:1604-03-15\r\nX-SPOUSE:Johnny\r\n"
                      "ANNIVERSARY:20040605\r\nEND:VCARD\r\n");
    view->OnImport();
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(doc.List().GetCount(), 2);
    EXPECT_EQ(doc.List()[0].text, "Jane Appleseed");
    EXPECT_EQ(doc.List()[0].year, 0);
    EXPECT_EQ(doc.List()[1].text, "Jane+Johnny Appleseed");
    EXPECT_TRUE(doc.IsModified());

    // A file that is neither, or that cannot be read, is said so before any question about
    // merging, and changes nothing.
    doc.SetModifiedFlag(false);
    answer = folder.filePath("notes.ged");
    WriteFile(answer, "Name,Birthday\nAnn,1950-01-12\n");
    for (const QString& bad : {answer, folder.filePath("missing.ged"), folder.filePath("tree")}) {
        answer = bad;
        messages.clear();
        answers = {IDYES};
        view->OnImport();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(FromQt(bad)), std::string::npos) << messages[0];
        EXPECT_EQ(doc.List().GetCount(), 2);
        EXPECT_FALSE(doc.IsModified());
    }
}

TEST_F(ImportCommand, TheWindowSaysTheCountsTheCommandLinePrints)
{
    CDocFrame::fileDialogHook = {};
    // The frame does not own its document; this outlives it.
    auto frameDocOwner = std::make_unique<CKinfoldDoc>();
    CKinfoldDoc* frameDoc = frameDocOwner.get();
    frameDoc->List().AddOrMerge(Person(3, 4, 1952, "Mary /Jones/"));
    CMainFrame frame(frameDoc);
    // The file dialog is the Import's own.
    WhenModal<QFileDialog>([this](QFileDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Import");
        d->selectFile(gedPath);
        QMetaObject::invokeMethod(d, "accept");
    });
    answers = {IDYES};
    WhenModal<CPleaseChooseDlg>([](CPleaseChooseDlg* d) { d->m_btnB->click(); });
    frame.View()->OnImport();
    EXPECT_EQ(frameDoc->List().GetCount(), 3);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "2 added, 1 merged, 1 conflicts kept (3 entries in the list)");
}

TEST_F(ViewCommands, ExportCalendarWritesWhatProfileZeroShows)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    doc.List().AddOrMerge(Person(1, 12, 1950, "Ann Smith"));
    doc.List().AddOrMerge(Person(6, 5, 1975, "Joe+Mary Smith", BirthdayEntry::Couple));
    doc.SetPathName(folder.filePath("family.kfd"));
    QString offered, answer = folder.filePath("phone");
    CDocFrame::fileDialogHook = [&](bool save, const QString& suggested) {
        EXPECT_TRUE(save);
        offered = suggested;
        return answer;
    };
    // The choices as preset, accepted; `look` sees the dialog first.
    std::function<void(CExportCalendarDlg*)> look;
    auto exportAccepted = [&] {
        WhenModal<CExportCalendarDlg>([&](CExportCalendarDlg* d) {
            if (look) look(d);
            d->accept();
        });
        view->OnExportCalendar();
    };
    auto read = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    };

    // The anniversary is shown only when switched on: the switches in effect count.
    view->m_Options.switches.Clear(DisplaySwitches::Anniversaries);
    look = [](CExportCalendarDlg* d) {
        EXPECT_TRUE(d->m_ctlBirthdays->isChecked());
        EXPECT_FALSE(d->m_ctlAnniversaries->isChecked());
        EXPECT_EQ(d->m_ctlStatus->text(), "1 event; left out: 1 anniversary.");
    };
    exportAccepted();
    look = {};
    EXPECT_EQ(offered, folder.filePath("family.ics"));
    std::string ics = read(folder.filePath("phone.ics"));
    EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    EXPECT_NE(ics.find("SUMMARY:Ann Smith (birthday)"), std::string::npos);
    EXPECT_EQ(ics.find("anniversary"), std::string::npos);
    view->m_Options.switches.Set(DisplaySwitches::Anniversaries);
    exportAccepted();
    EXPECT_NE(read(folder.filePath("phone.ics")).find("SUMMARY:Joe+Mary Smith (anniversary)"), std::string::npos);

    // Shown in another profile, profile 0 as stored decides.
    view->m_nCalendarType = 2;
    store.WriteInt("Options", "Marriage", 0);
    exportAccepted();
    EXPECT_EQ(read(folder.filePath("phone.ics")).find("anniversary"), std::string::npos);

    // A folder that cannot be written is said so; Cancel writes nothing.
    answer = folder.filePath("no/such/folder/x.ics");
    exportAccepted();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("x.ics"), std::string::npos);
    answer.clear();
    exportAccepted();
    EXPECT_EQ(messages.size(), 1u);
    CDocFrame::fileDialogHook = {};
}

TEST_F(ViewCommands, FileMenuExportSaysHowManyEventsItWrote)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // The frame does not own its document; this outlives it.
    auto frameDocOwner = std::make_unique<CKinfoldDoc>();
    CKinfoldDoc* frameDoc = frameDocOwner.get();
    frameDoc->List().AddOrMerge(Person(1, 12, 1950, "Ann Smith"));
    CMainFrame frame(frameDoc);
    QAction* exportAction = nullptr;
    for (QAction* a : frame.menuBar()->actions()[0]->menu()->actions())
        if (a->text() == "Export Calendar...") exportAction = a;
    ASSERT_TRUE(exportAction);
    const QString path = folder.filePath("cal.ics");
    CDocFrame::fileDialogHook = [&](bool, const QString&) { return path; };
    WhenModal<CExportCalendarDlg>([](CExportCalendarDlg* d) { d->accept(); });
    exportAction->trigger();
    CDocFrame::fileDialogHook = {};
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(frame.statusBar()->currentMessage(), "1 event written to " + path + "; nothing left out");
}

TEST_F(ViewCommands, PrintPreviewAndExportSayHowManyEntriesTheyLeaveOut)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // The frame does not own its document; this outlives it.
    auto frameDocOwner = std::make_unique<CKinfoldDoc>();
    CKinfoldDoc* frameDoc = frameDocOwner.get();
    frameDoc->List().AddOrMerge(Person(1, 12, 1950, "Ann Smith"));
    frameDoc->List().AddOrMerge(Person(2, 30, 1950, "From an old file"));
    CMainFrame frame(frameDoc);
    const QString said = "1 entry left out, as its date cannot be (mend it with Edit > List)";
    WhenModal<QDialog>([](QDialog* d) { d->reject(); });
    frame.View()->OnFilePrintPreview();
    EXPECT_EQ(frame.statusBar()->currentMessage(), said);
    const QString path = folder.filePath("cal.ics");
    CDocFrame::fileDialogHook = [&](bool, const QString&) { return path; };
    WhenModal<CExportCalendarDlg>([](CExportCalendarDlg* d) { d->accept(); });
    frame.View()->OnExportCalendar();
    CDocFrame::fileDialogHook = {};
    EXPECT_EQ(frame.statusBar()->currentMessage(), "1 event written to " + path + "; " + said);
}

TEST(GedcomFolder, BoundedSearchFindsTheFirstVisibleGedcomFile)
{
    QTemporaryDir root;
    QDir d(root.path());
    d.mkpath("a/b/c/d/e");
    QFile(root.filePath(".skip.ged")).open(QIODevice::WriteOnly);
    QFile(root.filePath("a/b/c/d/e/deep.ged")).open(QIODevice::WriteOnly);
    // Five folders down is beyond the search.
    EXPECT_EQ(FindGedcomFolder(root.path()), root.path());
    QFile(root.filePath("a/b/c/d/near.ged")).open(QIODevice::WriteOnly);
    EXPECT_EQ(QDir(FindGedcomFolder(root.path())).canonicalPath(), QDir(root.filePath("a/b/c/d")).canonicalPath());
    // The entry budget ends the walk.
    EXPECT_EQ(FindGedcomFolder(root.path(), 4, 3), root.path());
    // A folder named like a GEDCOM file is not one.
    QTemporaryDir other;
    QDir(other.path()).mkpath("x.ged");
    EXPECT_EQ(FindGedcomFolder(other.path()), other.path());
    // An address book is found as a genealogy file is.
    QTemporaryDir cards;
    QDir(cards.path()).mkpath("phone/export");
    QFile(cards.filePath("phone/export/Contacts.VCF")).open(QIODevice::WriteOnly);
    EXPECT_EQ(QDir(FindGedcomFolder(cards.path())).canonicalPath(),
              QDir(cards.filePath("phone/export")).canonicalPath());
}

KINFOLD_DIALOG_TEST_MAIN()
