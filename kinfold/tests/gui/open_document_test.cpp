// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a birthday list over one with unsaved changes, by each way a file comes in, and recent
// files that cannot be opened.
#include "../TestEntries.h"
#include <gtest/gtest.h>
#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include "DialogDriver.h"
#include "view/KinfoldDoc.h"
#include "app/KinfoldApp.h"
#include "app/MainFrame.h"
#include "platform/Archive.h"
#include "platform/TextCodec.h"

namespace {

QString SaveList(const QString& path, const char* name)
{
    CKinfoldDoc doc;
    doc.List().AddOrMerge(Person(4, 1, 1970, name));
    CArchive ar;
    doc.Serialize(ar);
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

class OpenDocuments : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        QtSettingsStore("Kinfold").RemoveSection("Recent File List");
    }
    void TearDown() override
    {
        CDocFrame::fileDialogHook = {};
        DialogTest::TearDown();
    }
    QTemporaryDir dir;
};

}  // namespace

TEST_F(OpenDocuments, EveryWayInAfterNotSavingStartsUnmodified)
{
    const QString a = SaveList(dir.filePath("a.kfd"), "Ada Lind"), b = SaveList(dir.filePath("b.kfd"), "Bo Berg");
    CKinfoldDoc doc;
    CMainFrame frame(&doc);
    frame.AddRecentFile(b);
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"menu", [&] {
             CDocFrame::fileDialogHook = [&](bool, const QString&) { return a; };
             frame.actOpen->trigger();
         }},
        {"recent file", [&] { RecentEntry(frame, "b.kfd")->trigger(); }},
        {"drop", [&] { Drop(frame, a); }},
        {"command line", [&] { frame.ProcessCommandLine({"kinfold", b}); }},
    };
    for (const auto& [way, open] : ways) {
        doc.List().AddOrMerge(Person(7, 9, 1980, "Unsaved Change"));
        doc.SetModifiedFlag(true);
        messages.clear();
        answers = {IDNO};
        open();
        ASSERT_EQ(messages.size(), 1u) << way;
        EXPECT_EQ(messages[0].rfind("Save changes to ", 0), 0u) << way;
        EXPECT_EQ(doc.List().GetCount(), 1) << way;
        EXPECT_FALSE(doc.IsModified()) << way;
        EXPECT_FALSE(frame.windowTitle().contains('*')) << way << ": " << frame.windowTitle().toStdString();
    }
}

TEST_F(OpenDocuments, RecentFilesThatCannotBeOpenedLeaveTheList)
{
    const QString good = SaveList(dir.filePath("good.kfd"), "Ada Lind");
    const QString gone = QFileInfo(dir.filePath("gone.kfd")).absoluteFilePath();
    QFile bad(dir.filePath("bad.kfd"));
    bad.open(QIODevice::WriteOnly);
    bad.write(QByteArray("\x09\x00\x00\x00", 4));
    bad.close();
    CKinfoldDoc doc;
    CMainFrame frame(&doc);
    frame.AddRecentFile(gone);
    frame.AddRecentFile(QFileInfo(bad).absoluteFilePath());
    frame.AddRecentFile(good);

    ASSERT_NE(RecentEntry(frame, "gone.kfd"), nullptr);
    RecentEntry(frame, "gone.kfd")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Cannot open \"" + FromQt(gone) + "\": No such file or directory.");
    EXPECT_EQ(RecentEntry(frame, "gone.kfd"), nullptr);
    RecentEntry(frame, "bad.kfd")->trigger();
    EXPECT_EQ(RecentEntry(frame, "bad.kfd"), nullptr);
    EXPECT_EQ(frame.RecentFiles(), QStringList{good});
    // The next start finds the same list.
    CKinfoldDoc other;
    CMainFrame next(&other);
    EXPECT_EQ(next.RecentFiles(), QStringList{good});
}

TEST_F(OpenDocuments, AStartDocumentThatCannotBeOpenedLeavesTheListOnce)
{
    QFile bad(dir.filePath("bad.kfd"));
    bad.open(QIODevice::WriteOnly);
    bad.write(QByteArray("\x09\x00\x00\x00", 4));
    bad.close();
    const QString badPath = QFileInfo(bad).absoluteFilePath();
    {
        CKinfoldDoc doc;
        CMainFrame frame(&doc);
        frame.AddRecentFile(badPath);
        EXPECT_TRUE(OpenStartDocument(frame, QString()));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(frame.RecentFiles().isEmpty());
        EXPECT_EQ(doc.List().GetCount(), 0);
    }
    // The next start does not meet the same file again.
    messages.clear();
    CKinfoldDoc doc;
    CMainFrame frame(&doc);
    EXPECT_TRUE(frame.RecentFiles().isEmpty());
    const QString good = SaveList(dir.filePath("good.kfd"), "Ada Lind");
    EXPECT_TRUE(OpenStartDocument(frame, good));
    EXPECT_EQ(doc.List().GetCount(), 1);
}

TEST_F(OpenDocuments, ADamagedFileOrAFolderIsNamedWithItsReasonAndLeavesANewDocument)
{
    // In the batch commands' words (command_line_test).
    QFile bad(dir.filePath("bad.kfd"));
    bad.open(QIODevice::WriteOnly);
    bad.write(QByteArray("\x09\x00\x00\x00", 4));
    bad.close();
    QDir(dir.path()).mkdir("folder.kfd");
    const QString badPath = dir.filePath("bad.kfd"), folder = dir.filePath("folder.kfd");
    const CString damaged = "\"" + FromQt(badPath) + "\" is not a Kinfold document or is damaged.";
    const CString isFolder = "Cannot read \"" + FromQt(folder) + "\": it is a folder.";
    const std::pair<QString, CString> named[] = {
        {badPath, damaged}, {folder, isFolder}, {dir.filePath("missing.kfd"), ""}};
    for (const auto& [path, words] : named) {
        CKinfoldDoc doc;
        CMainFrame frame(&doc);
        doc.List().AddOrMerge(Person(7, 9, 1980, "Before"));
        messages.clear();
        EXPECT_FALSE(OpenStartDocument(frame, path));
        ASSERT_EQ(messages.size(), 1u);
        if (!words.empty()) EXPECT_EQ(messages[0], words);
        // The window goes on with a new, empty list.
        EXPECT_EQ(doc.List().GetCount(), 0) << path.toStdString();
        EXPECT_TRUE(doc.GetPathName().isEmpty());
    }
    // A folder in the recent list is named the same way.
    CKinfoldDoc doc;
    CMainFrame frame(&doc);
    frame.AddRecentFile(QFileInfo(folder).absoluteFilePath());
    messages.clear();
    RecentEntry(frame, "folder.kfd")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Cannot read \"" + FromQt(QFileInfo(folder).absoluteFilePath()) + "\": it is a folder.");
}

KINFOLD_DIALOG_TEST_MAIN()
