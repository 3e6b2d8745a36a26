// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a target over one with unsaved changes, by each way a file comes in, and recent files
// that cannot be opened.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include "MainFrm.h"
#include "MarkwheelDoc.h"
#include "TargetDlg.h"
#include "core/MarkwheelFile.h"
#include "platform/CTime.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "TestTime.h"

namespace {

QString SaveTarget(const QString& path, const char* title, int year)
{
    MarkwheelData d;
    d.title = title;
    d.year = year;
    d.mode = modeCalendarClock;
    CArchive ar;
    StoreMarkwheel(ar, d);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(ar.Buffer().data(), (qint64)ar.Buffer().size());
    return QFileInfo(path).absoluteFilePath();
}

QAction* RecentEntry(QMainWindow& frame, const QString& fileName)
{
    for (QAction* top : frame.menuBar()->actions())
        if (top->menu())
            for (QAction* a : top->menu()->actions())
                if (a->text().endsWith(" " + fileName)) return a;
    return nullptr;
}

void Drop(QWidget& w, const QString& path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    // As a desktop delivers it: the window first takes the drag, then the drop.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
}

class OpenDocuments : public ::testing::Test {
protected:
    void SetUp() override
    {
        QtSettingsStore("Markwheel").RemoveSection("Recent File List");
        SetAppSettings(&store);
        SetMessageBoxAnswerer([this](const MessageBoxRequest& r) {
            messages.push_back(r.text);
            return answer;
        });
        CSetTargetDlg::modalHook = [](CSetTargetDlg&) { return (int)QDialog::Rejected; };
    }
    void TearDown() override
    {
        CSetTargetDlg::modalHook = nullptr;
        CDocFrame::fileDialogHook = nullptr;
        SetMessageBoxAnswerer(nullptr);
        SetAppSettings(nullptr);
    }

    QTemporaryDir dir;
    MemorySettingsStore store;
    FakeTime time{Utc(2026, 12, 9, 10) * 1000};
    std::vector<CString> messages;
    int answer = IDNO;
};

}  // namespace

TEST_F(OpenDocuments, EveryWayInAfterNotSavingStartsUnmodified)
{
    const QString a = SaveTarget(dir.filePath("a.mkw"), "Exam", 2027);
    const QString b = SaveTarget(dir.filePath("b.mkw"), "Trip", 2028);
    CMarkwheelDoc doc(&time);
    CMainFrame frame(&doc);
    frame.AddRecentFile(b);
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"menu", [&] {
             CDocFrame::fileDialogHook = [&](bool, const QString&) { return a; };
             frame.actOpen->trigger();
         }},
        {"recent file", [&] { RecentEntry(frame, "b.mkw")->trigger(); }},
        {"drop", [&] { Drop(frame, a); }},
        {"command line", [&] { frame.ProcessCommandLine({"markwheel", b}); }},
    };
    for (const auto& [way, open] : ways) {
        doc.SetDisplayMode(modeSolarTime);
        ASSERT_TRUE(doc.IsModified());
        messages.clear();
        open();
        ASSERT_EQ(messages.size(), 1u) << way;
        EXPECT_EQ(messages[0].rfind("Save changes to ", 0), 0u) << way;
        EXPECT_EQ(doc.GetDisplayMode(), modeCalendarClock) << way;
        EXPECT_FALSE(doc.IsModified()) << way;
    }
}

TEST_F(OpenDocuments, RecentFilesThatCannotBeOpenedLeaveTheList)
{
    const QString good = SaveTarget(dir.filePath("good.mkw"), "Exam", 2027);
    const QString gone = QFileInfo(dir.filePath("gone.mkw")).absoluteFilePath();
    QFile bad(dir.filePath("bad.mkw"));
    bad.open(QIODevice::WriteOnly);
    bad.write(QByteArray("\x01", 1));
    bad.close();
    CMarkwheelDoc doc(&time);
    CMainFrame frame(&doc);
    frame.AddRecentFile(gone);
    frame.AddRecentFile(QFileInfo(bad).absoluteFilePath());
    frame.AddRecentFile(good);

    ASSERT_NE(RecentEntry(frame, "gone.mkw"), nullptr);
    RecentEntry(frame, "gone.mkw")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Cannot open file", 0), 0u);
    EXPECT_EQ(RecentEntry(frame, "gone.mkw"), nullptr);
    RecentEntry(frame, "bad.mkw")->trigger();
    EXPECT_EQ(RecentEntry(frame, "bad.mkw"), nullptr);
    EXPECT_EQ(frame.RecentFiles(), QStringList{good});
    CMarkwheelDoc other(&time);
    CMainFrame next(&other);
    EXPECT_EQ(next.RecentFiles(), QStringList{good});
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    PlatformSetApplication("Markwheel");
    PlatformSetSettingsFolder(settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
