// SPDX-License-Identifier: GPL-3.0-or-later
// The view and the document linked with the Qt-free cores alone, no file of the program shell:
// the dialog commands reach whatever dialogs the shell hands over, and do nothing without them.
#include "../TestEntries.h"
#include <QImage>
#include <QMouseEvent>
#include <string>
#include <vector>
#include "../gui/DialogDriver.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"
#include "view/ViewDialogs.h"

namespace {
// Writes down which dialog each command asked for, and for which view.
class RecordingDialogs : public IViewDialogs {
public:
    void List(CKinfoldView& v) override { Note("List", v); }
    void Import(CKinfoldView& v) override { Note("Import", v); }
    void ExportCalendar(CKinfoldView& v) override { Note("ExportCalendar", v); }
    void Holidays(CKinfoldView& v) override { Note("Holidays", v); }
    void Options(CKinfoldView& v) override { Note("Options", v); }
    void Year(CKinfoldView& v) override { Note("Year", v); }
    void Target(CKinfoldView& v) override { Note("Target", v); }
    void DayClicked(CKinfoldView& v, const QPoint& pt) override
    {
        Note("DayClicked", v);
        clicked = pt;
    }
    void Note(const char* what, CKinfoldView& v)
    {
        calls.push_back(what);
        views.push_back(&v);
    }
    std::vector<std::string> calls;
    std::vector<CKinfoldView*> views;
    QPoint clicked;
};

class ViewWithoutShell : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        view.resize(1000, 800);
        view.LoadDisplayOptions();
        view.m_nYear = 2021;
        view.m_nMonth = 7;
        view.Holidays().RemoveAll();
    }
    void TriggerDialogCommands()
    {
        for (int id : {ID_LIST, ID_IMPORT, ID_EXPORT_CALENDAR, ID_HOLLIDAY, ID_OPTIONS, ID_YEAR, ID_TARGET})
            view.Action(id)->trigger();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(500, 400), QPointF(500, 400), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
    }
    CKinfoldDoc doc;
    CKinfoldView view{&doc};
};
}  // namespace

TEST_F(ViewWithoutShell, TheMenuCommandsAndTheClickReachTheDialogsHandedOver)
{
    RecordingDialogs dialogs;
    view.SetDialogs(&dialogs);
    TriggerDialogCommands();
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"List", "Import", "ExportCalendar", "Holidays", "Options",
                                                       "Year", "Target", "DayClicked"}));
    for (CKinfoldView* v : dialogs.views) EXPECT_EQ(v, &view);
    EXPECT_EQ(dialogs.clicked, QPoint(500, 400));
}

TEST_F(ViewWithoutShell, WithoutDialogsTheCommandsChangeNothing)
{
    doc.List().AddOrMerge(Person(7, 4, 1990, "Ann"));
    TriggerDialogCommands();
    EXPECT_EQ(doc.List().GetCount(), 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.m_nYear, 2021);
    EXPECT_EQ(view.m_nMonth, 7);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ViewWithoutShell, TheEntryUnderAPointIsTheOneDrawnThere)
{
    doc.List().AddOrMerge(Person(7, 4, 1990, "Ann"));
    QImage page(view.size(), QImage::Format_RGB32);
    view.RenderPage(page);
    const QRect cell = view.CellRect(view.LastStartCell() + 3);
    GregorianDate civil;
    int index = -2;
    ASSERT_TRUE(view.EntryUnderPoint(QPoint(cell.center().x(), cell.bottom() - 2), civil, index));
    EXPECT_EQ(civil.month * 100 + civil.day, 704);
    EXPECT_EQ(civil.year, 2021);
    EXPECT_EQ(index, 0);
    // Above the page's grid there is no day.
    EXPECT_FALSE(view.EntryUnderPoint(QPoint(cell.center().x(), 1), civil, index));
}

KINFOLD_DIALOG_TEST_MAIN()
