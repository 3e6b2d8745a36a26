// SPDX-License-Identifier: GPL-3.0-or-later
// The program shell driven offscreen: new documents ask for their target, files open and save,
// the Format and File commands, the "InUse" values and what the view puts on the screen.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include "MainFrm.h"
#include "MarkwheelDoc.h"
#include "MarkwheelView.h"
#include "TargetDlg.h"
#include "core/MarkwheelFile.h"
#include "platform/CTime.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "TestTime.h"

namespace {

const int64_t kNowMs = Utc(2026, 12, 9, 10) * 1000;

QByteArray Bytes(const MarkwheelData& d, bool withMode = true)
{
    CArchive ar;
    StoreMarkwheel(ar, d);
    std::string b = ar.Buffer();
    if (!withMode) b.resize(b.size() - 4);
    return QByteArray(b.data(), (qsizetype)b.size());
}

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAppSettings(&store);
        SetMessageBoxAnswerer([this](const MessageBoxRequest& r) {
            messages.push_back(r.text);
            return answer;
        });
        CSetTargetDlg::modalHook = [this](CSetTargetDlg& d) {
            ++dialogs;
            shown = d;   // what the dialog opened with
            return onDialog ? onDialog(d) : (int)QDialog::Rejected;
        };
    }
    void TearDown() override
    {
        CSetTargetDlg::modalHook = nullptr;
        CDocFrame::fileDialogHook = nullptr;
        CMainFrame::aboutHook = nullptr;
        SetMessageBoxAnswerer(nullptr);
        SetAppSettings(nullptr);
    }
    QString Write(const QString& name, const QByteArray& bytes)
    {
        QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

    struct Shown {
        CString title;
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
        Shown& operator=(const CSetTargetDlg& d)
        {
            title = d.m_strTitle; year = d.m_nYear; month = d.m_nMonth; day = d.m_nDay;
            hour = d.m_nHour; minute = d.m_nMinute; second = d.m_nSecond;
            return *this;
        }
    };

    QApplication& app = MarkwheelTestApp();
    QTemporaryDir dir;
    MemorySettingsStore store;
    FakeTime time{kNowMs};
    CMarkwheelDoc doc{&time};
    CMainFrame frame{&doc};
    std::vector<CString> messages;
    int answer = IDNO;
    int dialogs = 0;
    Shown shown;
    std::function<int(CSetTargetDlg&)> onDialog;
};

}  // namespace

TEST_F(Frame, StartingWithoutAFileAsksForATargetAndCancelKeepsNextNewYear)
{
    frame.ProcessCommandLine({"markwheel"});
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(shown.title, "Year 2027");
    EXPECT_EQ(shown.year, 2027);
    EXPECT_EQ(shown.month, 1);
    EXPECT_EQ(shown.day, 1);
    EXPECT_EQ(shown.hour + shown.minute + shown.second, 0);
    EXPECT_EQ(doc.Data().year, 2027);
    EXPECT_EQ(doc.Data().title, "Year 2027");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(frame.GetView()->IsTicking());
}

TEST_F(Frame, OkOnTheNewDocumentDialogTakesTheTarget)
{
    doc.SetDisplayMode(modeSolarTime);
    doc.SetModifiedFlag(false);
    onDialog = [](CSetTargetDlg& d) {
        d.m_strTitle = "Launch";
        d.m_nYear = -44;
        d.m_nMonth = 3;
        d.m_nDay = 15;
        d.m_nHour = 12;
        return (int)QDialog::Accepted;
    };
    ASSERT_TRUE(frame.OnFileNew());
    EXPECT_EQ(doc.Data().title, "Launch");
    EXPECT_EQ(doc.Data().year, -44);
    EXPECT_EQ(doc.Data().month, 3);
    EXPECT_EQ(doc.Data().day, 15);
    EXPECT_EQ(doc.Data().hour, 12);
    EXPECT_EQ(doc.Data().mode, modeCountDown);   // a new document counts down
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Frame, ChangeEditsTheCurrentTargetAndCancelChangesNothing)
{
    MarkwheelData d = doc.Data();
    frame.actChange->trigger();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(doc.Data(), d);
    EXPECT_FALSE(doc.IsModified());

    onDialog = [](CSetTargetDlg& dlg) {
        dlg.m_nSecond = 30;
        dlg.m_strTitle = "";
        return (int)QDialog::Accepted;
    };
    frame.actChange->trigger();
    EXPECT_EQ(shown.year, d.year);
    EXPECT_EQ(doc.Data().second, 30);
    EXPECT_EQ(doc.Data().title, "");
    EXPECT_TRUE(doc.IsModified());
    // An empty title is an empty window title while counting.
    frame.GetView()->grab();
    EXPECT_EQ(frame.windowTitle(), "");
}

TEST_F(Frame, FormatItemsSetTheModeAndMarkModified)
{
    const char* labels[4] = {"Count down", "Calendar clock", "Calendar Clock AM/PM", "Solar Time"};
    for (int mode : {2, 1, 3, 0}) {
        doc.SetModifiedFlag(false);
        EXPECT_EQ(frame.actMode[mode]->text(), labels[mode]);
        EXPECT_FALSE(frame.actMode[mode]->isCheckable());
        frame.actMode[mode]->trigger();
        EXPECT_EQ(doc.GetDisplayMode(), mode);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(frame.GetView()->CurrentDisplay().lineCount, mode == 0 ? 1 : 3);
    }
}

TEST_F(Frame, ViewSetsTheWindowTitleWhenItPaints)
{
    frame.resize(800, 600);
    frame.GetView()->grab();
    EXPECT_EQ(frame.windowTitle(), "Year 2027");
    frame.actMode[1]->trigger();
    frame.GetView()->grab();
    EXPECT_EQ(frame.windowTitle(), "by Ardel Quorvanth");
}

TEST_F(Frame, CommandLineFileOpensWithoutTheDialog)
{
    MarkwheelData d;
    d.title = "Exam";
    d.year = 2027; d.month = 6; d.day = 30; d.hour = 9;
    d.mode = modeCalendarClockAmPm;
    QString path = Write("exam.mkw", Bytes(d));
    frame.ProcessCommandLine({"markwheel", path});
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(doc.Data(), d);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(frame.RecentFiles().value(0), QFileInfo(path).absoluteFilePath());
    EXPECT_TRUE(frame.GetView()->IsTicking());
}

TEST_F(Frame, ShortFileKeepsTheModeAndIsModified)
{
    doc.SetDisplayMode(modeSolarTime);
    doc.SetModifiedFlag(false);
    MarkwheelData d;
    d.title = "Old";
    d.year = 2030;
    QString path = Write("old.mkw", Bytes(d, false));
    ASSERT_TRUE(frame.OpenDocumentFile(path));
    EXPECT_EQ(doc.Data().title, "Old");
    EXPECT_EQ(doc.Data().year, 2030);
    EXPECT_EQ(doc.GetDisplayMode(), modeSolarTime);
    EXPECT_TRUE(doc.IsModified());
    // Saving writes the full form.
    ASSERT_TRUE(frame.OnFileSave());
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    MarkwheelData full = d;
    full.mode = modeSolarTime;
    EXPECT_EQ(f.readAll(), Bytes(full));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(Frame, BrokenFileIsReportedAndChangesNothing)
{
    doc.SetDisplayMode(modeCalendarClock);
    MarkwheelData before = doc.Data();
    MarkwheelData month13 = before;
    month13.month = 13;
    for (const QByteArray& bytes : {Bytes(before).left(10), Bytes(month13)}) {
        messages.clear();
        QString path = Write("broken.mkw", bytes);
        EXPECT_FALSE(frame.OpenDocumentFile(path));   // after "Save changes?" answered No
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1], "Unexpected file format.");
        EXPECT_EQ(doc.Data(), before);
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST_F(Frame, SaveAsThenReopen)
{
    onDialog = [](CSetTargetDlg& d) {
        d.m_strTitle = "Caf\xc3\xa9";
        d.m_nYear = 2031;
        return (int)QDialog::Accepted;
    };
    frame.OnFileNew();
    frame.actMode[3]->trigger();
    QString path = dir.filePath("target.mkw");
    CDocFrame::fileDialogHook = [&](bool save, const QString&) { return save ? path : QString(); };
    frame.actSaveAs->trigger();
    EXPECT_FALSE(doc.IsModified());
    MarkwheelData saved = doc.Data();

    onDialog = nullptr;
    frame.OnFileNew();
    EXPECT_NE(doc.Data(), saved);
    ASSERT_TRUE(frame.OpenDocumentFile(path));
    EXPECT_EQ(doc.Data(), saved);
    EXPECT_EQ(frame.RecentFiles().value(0), path);
}

TEST_F(Frame, ResetAndExitWriteTheInUseValues)
{
    frame.actReset->trigger();
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(store.GetInt("InUse", StrFormat("File%d", i), -1), 0) << i;
    EXPECT_FALSE(store.Contains("InUse", "Default"));
    frame.show();
    frame.actExit->trigger();
    EXPECT_EQ(store.GetInt("InUse", "Default", -1), 0);
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(Frame, ExitAsksToSaveAModifiedDocument)
{
    frame.show();
    doc.SetDisplayMode(1);
    answer = IDCANCEL;
    frame.actExit->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(frame.isVisible());
}

TEST_F(Frame, MenusAndShortcuts)
{
    QStringList menus;
    for (QAction* a : frame.menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "Format", "&Help"}));
    EXPECT_EQ(frame.actNew->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(frame.actOpen->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(frame.actSave->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(frame.actUndo->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_TRUE(frame.actCut->shortcuts().contains(QKeySequence("Shift+Del")));
    EXPECT_TRUE(frame.actCopy->shortcuts().contains(QKeySequence("Ctrl+Ins")));
    EXPECT_TRUE(frame.actPaste->shortcuts().contains(QKeySequence("Shift+Ins")));
    EXPECT_FALSE(frame.actPaste->isEnabled());
    EXPECT_EQ(frame.actChange->statusTip(), "Change current target date");
}

TEST_F(Frame, CalendarLinesInTheLocalesWords)
{
    frame.actMode[1]->trigger();
    EXPECT_EQ(frame.GetView()->CurrentDisplay().lines[1], "December 09, 2026");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    MarkwheelDisplay d = frame.GetView()->CurrentDisplay();
    EXPECT_EQ(d.lines[0], "Mittwoch");
    EXPECT_EQ(d.lines[1], "9. Dezember 2026");
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    EXPECT_EQ(frame.GetView()->CurrentDisplay().lines[1], "9 grudnia 2026");
    // The twelve-hour clock and the solar time with the locale's half of the day.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    for (int mode : {2, 3}) {
        frame.actMode[mode]->trigger();
        const QString line = ToQt(frame.GetView()->CurrentDisplay().lines[2]);
        EXPECT_FALSE(line.contains("AM") || line.contains("PM")) << line.toStdString();
        EXPECT_TRUE(line.contains(QRegularExpression("(午前|午後)\\d"))) << line.toStdString();
    }
    frame.actMode[1]->trigger();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(frame.GetView()->CurrentDisplay().lines[1], "December 09, 2026");
    QLocale::setDefault(QLocale::c());
}

TEST_F(Frame, AboutBox)
{
    QString title, text;
    CMainFrame::aboutHook = [&](QDialog& d) {
        title = d.windowTitle();
        text = d.findChild<QLabel*>("version")->text();
    };
    frame.actAbout->trigger();
    EXPECT_EQ(title, "About Markwheel");
    EXPECT_EQ(text, "Markwheel Version 1.0");
}

TEST(FontFitter, RememberedFontAlwaysMatchesAFreshFit)
{
    MarkwheelTestApp();
    CFontFitter fit;
    const std::vector<int>& sizes = CFontFitter::Sizes();
    EXPECT_EQ(sizes.front(), 4800);
    EXPECT_EQ(sizes.back(), 42);
    const char* texts[] = {"9.9", "10.0", "1:00.0", "59:59.9", "1:00:00.0", "11:11:11.1", "8:88:88.8", "W", "Wednesday"};
    const QSize boxes[] = {{800, 600}, {800, 120}, {300, 600}, {2000, 1500}, {5, 5}};
    for (QSize box : boxes) {
        for (int round = 0; round < 2; ++round) {
            for (const char* t : texts) {
                fit.Fit(t, box);
                ASSERT_EQ(fit.LastSizeIndex(), fit.FitAfresh(t, box)) << t << " in " << box.width() << "x" << box.height();
                QFontMetrics fm(fit.Fit(t, box));
                if (fit.LastSizeIndex() + 1 < (int)sizes.size()) EXPECT_LE(fm.horizontalAdvance(t), box.width());
            }
        }
    }
}

TEST(FontFitter, SteadyTextsCostTwoMeasurementsAPaint)
{
    MarkwheelTestApp();
    CFontFitter fit;
    fit.Fit("1:23:45.6", {800, 600});
    int before = fit.Measurements();
    fit.Fit("1:23:45.7", {800, 600});
    EXPECT_LE(fit.Measurements() - before, 2);
}

TEST(View, TicksRepaintOnlyWhatChangedAndMatchAWholePaint)
{
    MarkwheelTestApp();
    FakeTime time{kNowMs};
    CMarkwheelDoc doc(&time);   // counting down to next New Year
    time.nowMs += 300;   // so that the next tenths change one digit
    CMarkwheelView view(&doc), fresh(&doc);
    for (CMarkwheelView* v : {&view, &fresh}) {
        v->setAttribute(Qt::WA_DontShowOnScreen);
        v->show();
    }
    for (QSize size : {QSize(800, 600), QSize(1600, 1000)}) {
        view.resize(size);
        fresh.resize(size);
        QCoreApplication::processEvents();
        QImage shown(size, QImage::Format_ARGB32_Premultiplied), whole(size, QImage::Format_ARGB32_Premultiplied);
        view.render(&shown);
        for (int step : {100, 100, 900, 59000, 100}) {
            time.nowMs += step;
            view.Tick();
            const QRect changed = view.LastTickRegion().boundingRect();
            ASSERT_FALSE(changed.isEmpty()) << step;
            // A tenth of a second redraws one digit's place, not the window.
            if (step == 100) EXPECT_LT(changed.width() * changed.height() * 10, size.width() * size.height()) << step;
            // Drawn over what was there, the changed parts give the picture of a whole paint.
            view.render(&shown, changed.topLeft(), view.LastTickRegion());
            fresh.Refresh();
            fresh.render(&whole);
            ASSERT_EQ(shown, whole) << "after " << step << " ms at " << size.width() << "x" << size.height();
        }
        view.Tick();
        EXPECT_TRUE(view.LastTickRegion().isEmpty());   // the same moment: nothing to draw
    }
}

TEST(Translations, EveryShippedLanguageTranslatesTheMenusWithOneLetterPerItem)
{
    MarkwheelTestApp();
    MemorySettingsStore store;
    SetAppSettings(&store);
    // The letter after a single '&', lower case; none when there is none.
    auto accelerator = [](const QString& text) {
        for (int i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != '&') continue;
            if (text[i + 1] == '&') { ++i; continue; }
            return text[i + 1].toLower();
        }
        return QChar();
    };
    // The File menu mixes the document frame's items (Kestrum's catalog) with Markwheel's own,
    // which the check of each catalog cannot see together.
    auto expectUnique = [&](const QList<QAction*>& actions, const QString& where) {
        QHash<QChar, QString> seen;
        for (QAction* a : actions) {
            const QChar letter = accelerator(a->text());
            if (letter.isNull()) continue;
            EXPECT_FALSE(seen.contains(letter)) << where.toStdString() << ": " << a->text().toStdString() << " and "
                                                << seen.value(letter).toStdString();
            seen.insert(letter, a->text());
        }
    };
    for (const QString& language : QString(KQ_SHIPPED_LANGUAGES).split(' ', Qt::SkipEmptyParts)) {
        ASSERT_EQ(InstallTranslationsFor({"markwheel", "kestrum"}, {language}), language);
        FakeTime time{kNowMs};
        CMarkwheelDoc doc{&time};
        CMainFrame frame{&doc};
        expectUnique(frame.menuBar()->actions(), language + " menu bar");
        for (QAction* m : frame.menuBar()->actions()) {
            ASSERT_TRUE(m->menu());
            expectUnique(m->menu()->actions(), language + " " + m->text());
        }
        EXPECT_NE(frame.menuBar()->actions().first()->text(), "&File") << language.toStdString();
        EXPECT_NE(frame.actNew->text(), "&New") << language.toStdString();
        EXPECT_NE(frame.actChange->text(), "Change") << language.toStdString();
    }
    RemoveTranslations();
    FakeTime time{kNowMs};
    CMarkwheelDoc doc{&time};
    CMainFrame english{&doc};
    EXPECT_EQ(english.menuBar()->actions().first()->text(), "&File");
    SetAppSettings(nullptr);
}
