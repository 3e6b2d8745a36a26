// The batch import's save (SaveKfdFile), killed at random moments, leaves the old file or the new
// one, whole.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include "../../../platform/tests/KillWhileSaving.h"
#include "birthdays/ImportCommand.h"

namespace fs = std::filesystem;

namespace {

const char kChild[] = "--kill-save-child";

int SaveAsChild(int argc, char** argv)
{
    // argv: program, kChild, path, version, unused, ready descriptor
    if (argc != 6) return 2;
    int version = std::atoi(argv[3]);
    const int count = version ? 120000 : 80000;
    BirthdayList list;
    list.SetSize(count);
    for (int i = 0; i < count; ++i) {
        BirthdayEntry e;
        e.month = 1 + i % 12;
        e.day = 1 + i % 28;
        e.year = 1800 + i % 200;
        e.kind = BirthdayEntry::Individual;
        e.recordNumber = (uint32_t)i;
        e.text = (version ? "Imported person " : "Stored ") + std::to_string(i);
        list.SetAt(i, e);
    }
    list.SortByDate();
    killtest::SignalReady(std::atoi(argv[5]));
    std::string error;
    return SaveKfdFile(argv[2], list, error) ? 0 : 1;
}

}  // namespace

TEST(KfdBatchKillWhileSaving, OldOrNewFileWholeNeverAMix)
{
    fs::path dir = fs::temp_directory_path() / ("kfd-batch-kill-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "list.kfd").string();
    killtest::Outcome o = killtest::Run(
        path, [&](int version) { return std::vector<std::string>{kChild, path, std::to_string(version), "-"}; },
        30, 20261210u);
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
