// SPDX-License-Identifier: GPL-3.0-or-later
// What the view draws in a day cell: 29 February in common years (drawing, tip, click and the
// options sheet), fonts that stay scaled across reloads, text fitted to its line on screen and in
// PDF, a title and day names fitted to their areas, and a full cell that stays below its day number.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include "DialogDriver.h"
#include "app/BirthdayEditDlg.h"
#include "app/OptionsPages.h"
#include "app/OptionsSheet.h"
#include "app/ViewCommands.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"
#include "view/core/PageLayout.h"

namespace {
BirthdayEntry Person(int m, int d, int y, const QString& text, uint16_t kind = BirthdayEntry::Individual)
{
    BirthdayEntry e(CalendarDate(m, d, y));
    e.text = text.toStdString();
    e.kind = kind;
    return e;
}

bool IsInk(QRgb c)
{
    return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}

int InkIn(const QImage& img, const QRect& r)
{
    int n = 0;
    for (int y = std::max(0, r.top()); y <= std::min(img.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(img.width() - 1, r.right()); ++x)
            n += IsInk(img.pixel(x, y)) ? 1 : 0;
    return n;
}

class DayCellDrawing : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        view = std::make_unique<CKinfoldView>(&doc);
        view->SetDialogs(&KinfoldDialogs());
        view->resize(1400, 1000);
        view->LoadDisplayOptions();
    }
    void TearDown() override
    {
        view.reset();
        DialogTest::TearDown();
    }
    QImage Render()
    {
        QImage page(view->size(), QImage::Format_RGB32);
        view->RenderPage(page);
        return page;
    }
    // The text of the entry a click opens (the dialog is cancelled); "" for a new entry.
    QString Opened(QPoint pt)
    {
        QString text = "(none)";
        WhenModal<CBirthdayEditDlg>([&](CBirthdayEditDlg* d) {
            text = d->m_ctlText->text();
            d->m_btnCancel->click();
        });
        QMouseEvent press(QEvent::MouseButtonPress, pt, view->mapToGlobal(pt), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view.get(), &press);
        return text;
    }
    QString TipAt(QPoint pt)
    {
        view->m_ptMouse = pt;
        Render();
        return view->TipText();
    }
    // A point in line `line` (0 = bottom) of a cell.
    QPoint InLine(const QRect& cell, int line)
    {
        return QPoint(cell.left() + 5, cell.bottom() - line * view->LineHeight() - view->LineHeight() / 2);
    }

    CKinfoldDoc doc;
    std::unique_ptr<CKinfoldView> view;
};
}  // namespace

TEST_F(DayCellDrawing, LeapDayChoiceMovesTheTipAndTheClickAndIsSetInTheSheet)
{
    store.WriteInt("Options", "LeapDay", 1);
    view->LoadDisplayOptions();
    doc.List().AddOrMerge(Person(3, 1, 1990, "Mara Orr"));
    doc.List().AddOrMerge(Person(2, 29, 2000, "Leo Lamb"));
    doc.List().SortByDate();
    view->m_nYear = 2023;
    view->m_nMonth = 3;
    Render();
    const QRect march1 = view->CellRect(view->LastStartCell());
    // 29 February comes first on 1 March, the age counted as usual.
    EXPECT_EQ(TipAt(InLine(march1, 0)), "Leo Lamb 23 Birthday");
    EXPECT_EQ(TipAt(InLine(march1, 1)), "Mara Orr 33 Birthday");
    EXPECT_EQ(Opened(InLine(march1, 0)), "Leo Lamb");
    EXPECT_EQ(Opened(InLine(march1, 1)), "Mara Orr");

    // The sheet shows the stored choice and stores the new one; the view follows at once.
    WhenModal<COptions>([](COptions* s) {
        QComboBox* choice = s->m_pOptions->m_ctlLeapDay;
        EXPECT_EQ(choice->count(), 3);
        EXPECT_EQ(choice->currentIndex(), 1);
        EXPECT_FALSE(s->m_btnApply->isEnabled());
        choice->setCurrentIndex(2);
        emit choice->activated(2);
        EXPECT_TRUE(s->m_btnApply->isEnabled());
        s->m_btnOk->click();
    });
    view->OnOptions();
    EXPECT_EQ(store.GetInt("Options", "LeapDay", -1), 2);
    EXPECT_EQ(view->m_Options.leapDay, LeapDayRule::LeapYearsOnly);
    EXPECT_EQ(TipAt(InLine(march1, 0)), "Mara Orr 33 Birthday");
    EXPECT_EQ(TipAt(InLine(march1, 1)), "");

    // Back to the default: 28 February.
    WhenModal<COptions>([](COptions* s) {
        s->m_pOptions->m_ctlLeapDay->setCurrentIndex(0);
        emit s->m_pOptions->m_ctlLeapDay->activated(0);
        s->m_btnOk->click();
    });
    view->OnOptions();
    EXPECT_EQ(store.GetInt("Options", "LeapDay", -1), 0);
    view->m_nMonth = 2;
    Render();
    const QRect feb28 = view->CellRect(view->LastStartCell() + 27);
    EXPECT_EQ(TipAt(InLine(feb28, 0)), "Leo Lamb 23 Birthday");
    EXPECT_EQ(Opened(InLine(feb28, 0)), "Leo Lamb");
}

TEST_F(DayCellDrawing, FontsStayScaledAfterEveryReloadOfTheOptions)
{
    QTemporaryDir pictures;  // a new document looks for pictures in the working folder
    const QString before = QDir::currentPath();
    QDir::setCurrent(pictures.path());
    doc.List().AddOrMerge(Person(7, 4, 1990, "Ann"));
    view->m_nYear = 2021;
    view->m_nMonth = 1;
    for (int months : {6, 12}) {
        SCOPED_TRACE(months);
        view->SetMonthsPerPage(months);
        Render();
        ASSERT_LT(view->m_nFontPercent, 100);
        const std::vector<int> scaled(view->m_nEffectiveSize, view->m_nEffectiveSize + DisplayFontCount);
        EXPECT_EQ(scaled[NameFont], 100 * view->m_nFontPercent / 100);
        const int lineHeight = view->LineHeight();
        auto drawnAsBefore = [&](const char* after) {
            Render();
            EXPECT_EQ(std::vector<int>(view->m_nEffectiveSize, view->m_nEffectiveSize + DisplayFontCount), scaled)
                << after;
            EXPECT_EQ(view->LineHeight(), lineHeight) << after;
        };
        view->Action(ID_APPLY_PROFILE)->trigger();
        drawnAsBefore("Apply Profile");
        WhenModal<COptions>([](COptions* s) { s->m_btnOk->click(); });
        view->OnOptions();
        drawnAsBefore("Options OK");
        WhenModal<COptions>([](COptions* s) {
            s->m_pOptions->m_ctlSeasons->click();
            s->m_btnApply->click();
            s->m_btnCancel->click();
        });
        view->OnOptions();
        drawnAsBefore("Options Apply");
        view->OnInitialUpdate();
        drawnAsBefore("New or Open");
    }
    QDir::setCurrent(before);
}

TEST_F(DayCellDrawing, HugeStoredFontSizesAreHeldToADrawableSize)
{
    store.WriteInt("FontSize", "Name", 2000000000);
    store.WriteInt("FontSize", "DayNumber", 400);
    store.WriteInt("FontSize", "Month", -2000000000);
    view->LoadDisplayOptions();
    EXPECT_EQ(view->m_nEffectiveSize[NameFont], kLargestFontSize);
    view->SetMonthsPerPage(6);
    EXPECT_EQ(view->m_nEffectiveSize[NameFont], kLargestFontSize);
    EXPECT_EQ(view->m_nEffectiveSize[DayNumberFont], 200);
    EXPECT_EQ(view->m_nEffectiveSize[TitleFont], -1000000000);  // no font: the one before stays
    view->SetMonthsPerPage(1);

    // A page with such a name font is drawn in a few seconds at most (it once hung the window).
    doc.List().AddOrMerge(Person(6, 16, 1990, "Ann"));
    view->Holidays().Add(Holiday(6, 16, "Midsummer Eve of the Old Harbour"));
    view->m_nYear = 2021;
    view->m_nMonth = 6;
    QElapsedTimer clock;
    clock.start();
    Render();
    EXPECT_LT(clock.elapsed(), 20000);
}

TEST_F(DayCellDrawing, OneLineTextShrinksForItsWidthThenEndsWithAnEllipsis)
{
    QImage img(600, 200, QImage::Format_RGB32);
    QPainter p(&img);
    view->m_nPrintMode = 0;
    view->m_nLineHeight = 10;  // shrinking may go down to 4 points
    auto widthAt = [&](int tenths, const QString& text) {
        QFont f;
        f.setPointSizeF(tenths / 10.0);
        return QFontMetrics(f, &img).horizontalAdvance(text);
    };
    const QString name = "Marie-Christin";

    // Room enough: the full size and the whole text.
    EXPECT_EQ(view->FitOneLine(p, "", 100, QRect(0, 0, widthAt(100, name) + 4, 40), name), name);
    EXPECT_EQ(p.font().pointSizeF(), 10.0);

    // A little too narrow: a smaller font, still the whole text.
    const QRect narrower(0, 0, widthAt(80, name), 40);
    EXPECT_EQ(view->FitOneLine(p, "", 100, narrower, name), name);
    EXPECT_LT(p.font().pointSizeF(), 10.0);
    EXPECT_LE(p.fontMetrics().horizontalAdvance(name), narrower.width());

    // Far too narrow: the smallest font allowed and a visible cut.
    const QRect cell(0, 0, widthAt(40, name) / 2, 40);
    const QString cut = view->FitOneLine(p, "", 100, cell, name);
    EXPECT_EQ(p.font().pointSizeF(), 4.0);
    ASSERT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    EXPECT_GT(cut.size(), 1);
    EXPECT_TRUE(name.startsWith(cut.chopped(1)));
    EXPECT_LE(p.fontMetrics().horizontalAdvance(cut), cell.width());

    // On paper the font may shrink further, so more of the text shows.
    view->m_nPrintMode = 1;
    const QString printed = view->FitOneLine(p, "", 100, cell, name);
    EXPECT_EQ(p.font().pointSizeF(), 2.0);
    EXPECT_GE(printed.size(), cut.size());
    view->m_nPrintMode = 0;

    // A label's trailing blank needs no room.
    EXPECT_EQ(view->FitOneLine(p, "", 100, QRect(0, 0, widthAt(100, "Lena"), 40), "Lena "), "Lena ");
    EXPECT_EQ(p.font().pointSizeF(), 10.0);
    // Not even the ellipsis fits: the ellipsis alone.
    EXPECT_EQ(view->FitOneLine(p, "", 100, QRect(0, 0, 1, 40), name), QString(QChar(0x2026)));
}

TEST_F(DayCellDrawing, WrappedNotesBreakLongWordsAndEndTheirLastLineWithAnEllipsis)
{
    QImage img(600, 400, QImage::Format_RGB32);
    QPainter p(&img);
    view->m_nLineHeight = 10;
    QFont f;
    f.setPointSizeF(4.0);
    const int line = QFontMetrics(f, &img).height();
    const QString note = "Call the plumber about the kitchen sink before the weekend starts";
    EXPECT_EQ(view->DrawWrapped(p, "", 100, QRect(0, 0, 500, 100), "Short"), QStringList{"Short"});

    const QRect box(0, 0, QFontMetrics(f, &img).horizontalAdvance("Call the plumber"), 2 * line);
    const QStringList drawn = view->DrawWrapped(p, "", 100, box, note);
    ASSERT_EQ(drawn.size(), 2);
    EXPECT_TRUE(drawn[1].endsWith(QChar(0x2026)));
    for (const QString& l : drawn) EXPECT_LE(p.fontMetrics().horizontalAdvance(l), box.width()) << l.toStdString();

    const QString word = "Donaudampfschifffahrtsgesellschaftskapitaen";
    const QRect narrow(0, 0, QFontMetrics(f, &img).horizontalAdvance(word) / 3, 3 * line);
    const QStringList broken = view->DrawWrapped(p, "", 100, narrow, word);
    ASSERT_GE(broken.size(), 2);
    for (const QString& l : broken) EXPECT_LE(p.fontMetrics().horizontalAdvance(l), narrow.width()) << l.toStdString();
}

TEST_F(DayCellDrawing, PdfShowsACutNameWithAnEllipsisNotClippedLetters)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    store.WriteInt("Options", "ShortNames", 0);
    view->LoadDisplayOptions();
    const QString longName = "Marie-Christin Augusta Wilhelmina von Hohenberg-Lichtenstein";
    doc.List().AddOrMerge(Person(5, 12, 1990, longName));
    view->Holidays().RemoveAll();
    view->Holidays().Add(Holiday(5, 13, "Remembrance and Thanksgiving Day of the Old Harbour"));
    view->m_nYear = 2027;
    view->m_nMonth = 1;
    view->SetMonthsPerPage(12);
    view->LayoutScreenPage(1400, 1000);
    PrintRequest request;
    request.outputPdf = dir.filePath("year.pdf");
    ASSERT_EQ(view->PrintToPdf(request), QString());
    QProcess text;
    text.start("pdftotext", {request.outputPdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(page.contains("May 2027")) << page.toStdString();
    EXPECT_FALSE(page.contains("Lichtenstein"));
    EXPECT_FALSE(page.contains("Old Harbour"));
    EXPECT_TRUE(page.contains("Marie-")) << page.toStdString();
    EXPECT_GE(page.count(QChar(0x2026)), 2);
}

TEST_F(DayCellDrawing, ALongTitleShrinksToItsAreaInsteadOfLosingItsEnds)
{
    // Black, so that the title's letters count as ink; large, so that "December 1 BC Julian"
    // is wider than the five columns of the title area (in the Old style's profile).
    store.WriteInt("FontColor1", "Month", 0);
    store.WriteInt("FontSize1", "Month", 900);
    view->LoadDisplayOptions();
    view->Holidays().RemoveAll();
    view->m_nYear = -1;
    view->m_nMonth = 12;
    const QImage img = Render();
    const QRect left = view->CellRect(0), right = view->CellRect(4);
    const QRect title(left.topLeft(), right.bottomRight());
    EXPECT_GT(InkIn(img, title), 0);
    // Centred text that fits leaves the area's outer edges clear.
    EXPECT_EQ(InkIn(img, QRect(title.left(), title.top(), 4, title.height())), 0);
    EXPECT_EQ(InkIn(img, QRect(title.right() - 3, title.top(), 4, title.height())), 0);
}

TEST_F(DayCellDrawing, DayNamesWiderThanTheirColumnsStayInsideThem)
{
    store.WriteInt("FontColor", "DayName", 0);  // black, to count as ink
    view->LoadDisplayOptions();
    view->resize(420, 400);  // "Wednesday" at 12 points is wider than a seventh of this
    view->m_nYear = 2027;
    view->m_nMonth = 3;
    const QImage img = Render();
    const int left = view->m_Options.nLeft, cw = view->ColumnWidth(), top = view->m_Options.nTop;
    const int rowHeight = view->DayNameHeight();
    EXPECT_GT(InkIn(img, QRect(left, top, 7 * cw, rowHeight)), 0);
    // A name cut at its box has ink on both of the box's edges; a fitted one, centred, has not.
    for (int i = 0; i < 7; ++i) {
        const bool atLeft = InkIn(img, QRect(left + i * cw, top, 1, rowHeight)) > 0;
        const bool atRight = InkIn(img, QRect(left + (i + 1) * cw - 1, top, 1, rowHeight)) > 0;
        EXPECT_FALSE(atLeft && atRight) << "column " << i + 1;
    }
}

TEST_F(DayCellDrawing, AFullCellLeavesItsDayNumberAndTheRowAboveClear)
{
    for (int i = 0; i < 40; ++i) doc.List().AddOrMerge(Person(6, 16, 1950 + i, QString("Person%1").arg(i)));
    doc.List().SortByDate();
    view->m_nYear = 2021;
    view->m_nMonth = 6;
    const QImage page = Render();
    const QRect cell = view->CellRect(view->LastStartCell() + 15);
    QFont dayFont;
    dayFont.setPointSizeF(view->m_nEffectiveSize[DayNumberFont] / 10.0);
    const int dayNumberHeight = QFontMetrics(dayFont, &page).height();
    ASSERT_GT(cell.height(), dayNumberHeight + 3 * view->LineHeight());

    // Names fill the cell up to the day number's line and no further.
    EXPECT_GT(InkIn(page, QRect(cell.left(), cell.top() + dayNumberHeight, cell.width(), cell.height() - dayNumberHeight)), 0);
    EXPECT_EQ(InkIn(page, QRect(cell.left() + 1, cell.top() - 20, cell.width() - 2, 20 + dayNumberHeight)), 0);
    // A click beside the day number opens a new entry, not the last name.
    EXPECT_EQ(Opened(QPoint(cell.left() + 5, cell.top() + 2)), "");
    EXPECT_EQ(Opened(InLine(cell, 0)), "Person0");
}

KINFOLD_DIALOG_TEST_MAIN()
