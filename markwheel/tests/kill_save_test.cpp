// A ".mkw" save killed at random moments leaves the old file or the new one, whole.
#include <gtest/gtest.h>
#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include "../../platform/tests/KillWhileSaving.h"
#include "MarkwheelDoc.h"
#include "platform/Document.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace fs = std::filesystem;

namespace {

const char kChild[] = "--kill-save-child";

// Saves a target with a title of several megabytes: version 0 and 1 differ in length and bytes.
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
    CMarkwheelDoc doc;
    MarkwheelData d = doc.Data();
    const std::string piece = version ? "New target title, " : "old ";
    while (d.title.size() < (version ? 9u : 6u) * 1000 * 1000) d.title += piece;
    d.year = 2030 + version;
    doc.SetTarget(d);
    CDocFrame frame(&doc, DocTemplate{"Markwheel", "Untitled", "Markwheel Files (*.mkw)", "mkw"});
    killtest::SignalReady(std::atoi(argv[5]));
    return frame.DoSave(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}

}  // namespace

TEST(MkwKillWhileSaving, OldOrNewFileWholeNeverAMix)
{
    fs::path dir = fs::temp_directory_path() / ("mkw-kill-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "target.mkw").string();
    const std::string settings = (dir / "settings").string();
    killtest::Outcome o = killtest::Run(
        path, [&](int version) { return std::vector<std::string>{kChild, path, std::to_string(version), settings}; },
        30, 20261208u);
    ASSERT_EQ(o.error, "");
    std::printf("%d kills during a %.3f s save: %d old, %d new\n", o.runs, o.saveSeconds, o.oldWhole, o.newWhole);
    EXPECT_EQ(o.runs, 30);
    EXPECT_EQ(o.mixed, 0);
    EXPECT_EQ(o.oldWhole + o.newWhole, o.runs);
    // Some kills came before the new file was in place.
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
