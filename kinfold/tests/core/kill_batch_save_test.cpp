// SPDX-License-Identifier: GPL-3.0-or-later
// The batch import's save (SaveKfdFile), killed at random moments, leaves the old file or the new
// one, whole.
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include "../../../platform/tests/KillWhileSaving.h"
#include "birthdays/ImportCommand.h"

namespace {

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
    killtest::ExpectOldOrNewWhole("kfd-batch-kill", "list.kfd", 20261210u, false);
}

int main(int argc, char** argv)
{
    return killtest::Main(argc, argv, SaveAsChild);
}
