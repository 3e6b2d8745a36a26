// A ".kfd" save through the document frame, killed at random moments, leaves the old file or the
// new one, whole.
#include <gtest/gtest.h>
#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include "../../../platform/tests/KillWhileSaving.h"
#include "app/KinfoldDoc.h"
#include "platform/Document.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace fs = std::filesystem;

namespace {

const char kChild[] = "--kill-save-child";

// Saves a list of many thousand entries: version 0 and 1 differ in size and every text.
int SaveAsChild(int argc, char** argv)
{
    // argv: program, kChild, path, version, settings folder, ready descriptor
    if (argc != 6) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    QApplication app(qargc, argv);
    PlatformSetSettingsFolder(QString::fromLocal8Bit(argv[4]));
    SetMessageBoxAnswerer([](const MessageBoxRequest&) { return IDOK; });
    int version = std::atoi(argv[3]);
    CKinfoldDoc doc;
    const int count = version ? 150000 : 100000;
    BirthdayList& list = doc.List();
    list.SetSize(count);
    for (int i = 0; i < count; ++i) {
        BirthdayEntry e;
        e.month = 1 + i % 12;
        e.day = 1 + i % 28;
        e.year = 1900 + i % 120;
        e.kind = BirthdayEntry::Individual;
        e.text = (version ? "New person number " : "Old person ") + std::to_string(i);
        list.SetAt(i, e);
    }
    CDocFrame frame(&doc, DocTemplate{"Kinfold", "Untitled", "Kinfold Files (*.kfd)", "kfd"});
    killtest::SignalReady(std::atoi(argv[5]));
    return frame.DoSave(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}

}  // namespace

TEST(KfdKillWhileSaving, OldOrNewFileWholeNeverAMix)
{
    fs::path dir = fs::temp_directory_path() / ("kfd-kill-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "list.kfd").string();
    const std::string settings = (dir / "settings").string();
    killtest::Outcome o = killtest::Run(
        path, [&](int version) { return std::vector<std::string>{kChild, path, std::to_string(version), settings}; },
        30, 20261209u);
    ASSERT_EQ(o.error, "");
    std::printf("%d kills during a %.3f s save: %d old, %d new\n", o.runs, o.saveSeconds, o.oldWhole, o.newWhole);
    EXPECT_EQ(o.runs, 30);
    EXPECT_EQ(o.mixed, 0);
    EXPECT_EQ(o.oldWhole + o.newWhole, o.runs);
    EXPECT_GT(o.oldWhole, 0);
    std::error_code ec;
    fs::remove_all(dir, ec);
}

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == kChild) return SaveAsChild(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
