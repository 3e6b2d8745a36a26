// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include "platform/Document.h"
#include "platform/DurableFile.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "platform/UserFolders.h"
#include "SyncRecorder.h"

namespace {

// A document of numbered lines; Serialize can be told to fail partway.
class LinesDoc : public CDocument {
public:
    std::vector<CString> lines;
    bool failStore = false;
    bool upgradeOnLoad = false;   // the load rewrites what it read, as a format upgrade would
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << (uint32_t)lines.size();
            for (size_t i = 0; i < lines.size(); ++i) {
                if (failStore && i == lines.size() / 2) throw std::runtime_error("disk full");
                ar << lines[i];
            }
        } else {
            uint32_t n;
            ar >> n;
            lines.assign(n, CString());
            for (auto& l : lines) ar >> l;
            if (upgradeOnLoad) SetModifiedFlag(true);
        }
    }
    void DeleteContents() override { lines.clear(); }
    std::function<void()> SaveStateForRestore() override
    {
        return [this, copy = lines] { lines = copy; };
    }
};

class Framework : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "platform_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
        PlatformSetApplication("PlatformTest");
    }
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        PlatformSetSettingsFolder(dir.path() + "/config");
        SetMessageBoxAnswerer([this](const MessageBoxRequest& r) {
            messages.push_back(r.text);
            return answer;
        });
        CDocFrame::fileDialogHook = [this](bool, const QString&) { return dialogAnswer; };
    }
    void TearDown() override
    {
        SetMessageBoxAnswerer({});
        CDocFrame::fileDialogHook = {};
    }
    QString Write(const QString& name, const QByteArray& bytes)
    {
        QString p = dir.path() + "/" + name;
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return p;
    }
    static QByteArray Read(const QString& p)
    {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

    QTemporaryDir dir;
    std::vector<CString> messages;
    int answer = IDOK;
    QString dialogAnswer;
};

TEST_F(Framework, SaveThenOpenRoundTripsAndTracksTheModifiedFlag)
{
    LinesDoc doc;
    CDocFrame frame(&doc, {"Test", "Untitled", "Test Files (*.tst)", "tst"});
    doc.lines = {"one", "two"};
    doc.SetModifiedFlag();
    EXPECT_TRUE(frame.windowTitle().contains("*"));
    QString path = dir.path() + "/a.tst";
    ASSERT_TRUE(frame.DoSave(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(frame.windowTitle(), "a.tst - Test");

    LinesDoc other;
    CDocFrame frame2(&other, {"Test", "Untitled", "Test Files (*.tst)", "tst"});
    ASSERT_TRUE(frame2.OpenDocumentFile(path));
    EXPECT_EQ(other.lines, doc.lines);
    EXPECT_EQ(frame2.RecentFiles().value(0), QFileInfo(path).absoluteFilePath());
}

TEST_F(Framework, SavesReachTheDiskBeforeAndAfterTheRename)
{
    LinesDoc doc;
    CDocFrame frame(&doc, {"Test", "Untitled", "Test Files (*.tst)", "tst"});
    const QString path = dir.path() + "/durable.tst";
    doc.lines = {"first"};
    syncrec::Watch(path.toStdString());
    ASSERT_TRUE(frame.DoSave(path));
    EXPECT_TRUE(syncrec::ReplacedDurably("<none>", Read(path).toStdString()));

    const QByteArray before = Read(path);
    doc.lines = {"first", "second"};
    syncrec::Watch(path.toStdString());
    ASSERT_TRUE(frame.DoSave(path));
    EXPECT_TRUE(syncrec::ReplacedDurably(before.toStdString(), Read(path).toStdString()));
}

TEST_F(Framework, ASaveThatFailsHalfwayLeavesTheOldFileWhole)
{
    LinesDoc doc;
    CDocFrame frame(&doc, {"Test", "Untitled", "Test Files (*.tst)", "tst"});
    doc.lines = {"old"};
    QString path = dir.path() + "/keep.tst";
    ASSERT_TRUE(frame.DoSave(path));
    QByteArray before = Read(path);

    doc.lines = {"a", "b", "c", "d"};
    doc.failStore = true;
    doc.SetModifiedFlag();
    EXPECT_FALSE(frame.DoSave(path));
    EXPECT_EQ(Read(path), before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(messages.size(), 1u);

    // A folder that does not exist cannot take the file: reported, nothing claimed.
    messages.clear();
    doc.failStore = false;
    EXPECT_FALSE(frame.DoSave(dir.path() + "/missing/x.tst"));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Framework, AFailedOpenKeepsTheDocumentExactlyAsItWas)
{
    LinesDoc doc;
    CDocFrame frame(&doc, {"Test", "Untitled", "Test Files (*.tst)", "tst"});
    doc.lines = {"mine", "unsaved"};
    doc.SetModifiedFlag();
    answer = IDNO;  // do not save before opening
    // Count 3 but only one string follows.
    QString bad = Write("bad.tst", QByteArray("\x03\x00\x00\x00\x01x", 6));
    EXPECT_FALSE(frame.OpenDocumentFile(bad));
    EXPECT_EQ(doc.lines, (std::vector<CString>{"mine", "unsaved"}));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "Unexpected file format.");

    messages.clear();
    EXPECT_FALSE(frame.OpenDocumentFile(dir.path() + "/nowhere.tst"));
    EXPECT_EQ(doc.lines.size(), 2u);
}

TEST_F(Framework, AnOpenAfterNotSavingStartsUnmodified)
{
    LinesDoc doc;
    CDocFrame frame(&doc, {"Test", "Untitled", "Test Files (*.tst)", "tst"});
    doc.lines = {"saved"};
    QString path = dir.path() + "/clean.tst";
    ASSERT_TRUE(frame.DoSave(path));

    doc.lines = {"unsaved"};
    doc.SetModifiedFlag();
    answer = IDNO;
    ASSERT_TRUE(frame.OpenDocumentFile(path));
    EXPECT_EQ(doc.lines, (std::vector<CString>{"saved"}));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(frame.windowTitle(), "clean.tst - Test");

    // A load that changes what it read leaves the document marked, whatever came before.
    doc.upgradeOnLoad = true;
    ASSERT_TRUE(frame.OpenDocumentFile(path));
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);
    ASSERT_TRUE(frame.OpenDocumentFile(path));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Framework, ARecentFileThatCannotBeOpenedLeavesTheList)
{
    LinesDoc doc;
    CDocFrame frame(&doc, {"Test", "Untitled", "Test Files (*.tst)", "tst"});
    QMenu menu;
    frame.AttachRecentFiles(&menu);
    QString good = dir.path() + "/good.tst";
    ASSERT_TRUE(frame.DoSave(good));
    const QString gone = dir.path() + "/gone.tst";
    const QString bad = Write("bad.tst", QByteArray("\x05\x00", 2));
    frame.AddRecentFile(gone);
    frame.AddRecentFile(bad);
    frame.AddRecentFile(QFileInfo(good).absoluteFilePath());
    auto entry = [&](const QString& name) -> QAction* {
        for (QAction* a : menu.actions())
            if (a->text().endsWith(" " + name)) return a;
        return nullptr;
    };

    // Cancelled at the save prompt: nothing was tried, the entry stays.
    doc.SetModifiedFlag();
    answer = IDCANCEL;
    ASSERT_NE(entry("gone.tst"), nullptr);
    entry("gone.tst")->trigger();
    EXPECT_TRUE(frame.RecentFiles().contains(gone));

    answer = IDNO;
    entry("gone.tst")->trigger();
    ASSERT_FALSE(messages.empty());
    EXPECT_TRUE(messages.back().rfind("Cannot open file", 0) == 0) << messages.back();
    EXPECT_FALSE(frame.RecentFiles().contains(gone));
    EXPECT_EQ(entry("gone.tst"), nullptr);

    // Unreadable contents go the same way; the list is stored without them.
    entry("bad.tst")->trigger();
    EXPECT_EQ(frame.RecentFiles(), QStringList{QFileInfo(good).absoluteFilePath()});
    QtSettingsStore s("Test");
    EXPECT_EQ(s.GetString("Recent File List", "File1", ""), FromQt(QFileInfo(good).absoluteFilePath()));
    EXPECT_EQ(s.GetString("Recent File List", "File2", ""), "");

    entry("good.tst")->trigger();
    EXPECT_EQ(frame.RecentFiles().size(), 1);
    EXPECT_EQ(doc.GetPathName(), QFileInfo(good).absoluteFilePath());
}

TEST_F(Framework, SavePromptBeforeReplacingAModifiedDocument)
{
    LinesDoc doc;
    CDocFrame frame(&doc, {"Test", "Untitled", "Test Files (*.tst)", "tst"});
    doc.lines = {"x"};
    doc.SetModifiedFlag();
    answer = IDCANCEL;
    EXPECT_FALSE(frame.OnFileNew());
    EXPECT_EQ(doc.lines.size(), 1u);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Save changes to Untitled?");

    answer = IDYES;
    dialogAnswer = dir.path() + "/saved.tst";
    EXPECT_TRUE(frame.OnFileNew());
    EXPECT_TRUE(doc.lines.empty());
    EXPECT_TRUE(QFile::exists(dialogAnswer));
}

TEST_F(Framework, RecentFilesKeepFourInTheirSection)
{
    LinesDoc doc;
    CDocFrame frame(&doc, {"Test", "Untitled", "Test Files (*.tst)", "tst"});
    for (int i = 1; i <= 5; ++i) frame.AddRecentFile(QString("/f%1.tst").arg(i));
    EXPECT_EQ(frame.RecentFiles(), (QStringList{"/f5.tst", "/f4.tst", "/f3.tst", "/f2.tst"}));
    QtSettingsStore s("Test");
    EXPECT_EQ(s.GetString("Recent File List", "File1", ""), "/f5.tst");
    EXPECT_EQ(s.GetString("Recent File List", "File4", ""), "/f2.tst");
}

TEST_F(Framework, SettingsStayInTheFolderTheTestChose)
{
    QtSettingsStore s("Kinfold");
    s.WriteInt("Options", "Number", 42);
    s.WriteString("Names", "Text", "J\xC3\xBCrgen");
    EXPECT_EQ(s.GetInt("Options", "Number", 0), 42);
    EXPECT_EQ(s.GetInt("Options", "Missing", -7), -7);
    EXPECT_EQ(s.GetString("Names", "Text", ""), "J\xC3\xBCrgen");
    QString file = PlatformSettingsFile("Kinfold");
    EXPECT_TRUE(file.startsWith(dir.path())) << file.toStdString();
    EXPECT_TRUE(file.endsWith("Quorvanth Software/Kinfold.conf")) << file.toStdString();
    EXPECT_TRUE(s.Contains("Options", "Number"));
    // Texts with commas, as written by the program and as written by hand without quotes.
    s.WriteString("Names", "Comma", "7,1,0");
    EXPECT_EQ(s.GetString("Names", "Comma", ""), "7,1,0");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\n[Typed]\nDays=30,0\nName=Day, Evening\n");
    }
    EXPECT_EQ(s.GetString("Typed", "Days", ""), "30, 0");
    EXPECT_EQ(s.GetString("Typed", "Name", ""), "Day, Evening");
    s.RemoveSection("Options");
    EXPECT_FALSE(s.Contains("Options", "Number"));
}

TEST_F(Framework, AReplacedFileKeepsItsPermissionsAndItsLink)
{
    const QString path = dir.path() + "/private.kfd";
    std::string why;
    ASSERT_TRUE(ReplaceFileDurably(path.toStdString(), "old", why)) << why;
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(ReplaceFileDurably(path.toStdString(), "new", why)) << why;
    EXPECT_EQ(Read(path), "new");
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                      QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(path) & others, QFile::Permissions());
    EXPECT_TRUE(QFile::permissions(path) & QFile::WriteOwner);

    // Saved through a symbolic link, the linked file takes the bytes and the link stays.
    const QString link = dir.path() + "/link.kfd";
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(ReplaceFileDurably(link.toStdString(), "through the link", why)) << why;
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Read(path), "through the link");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 2);
}

TEST(UserFolders, DataFolderFollowsXdg)
{
    qputenv("XDG_DATA_HOME", "/tmp/xdg-test");
    EXPECT_EQ(UserDataFolder("Dialwake"), "/tmp/xdg-test/Dialwake");
}

}  // namespace
