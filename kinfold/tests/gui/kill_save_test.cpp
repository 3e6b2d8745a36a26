// SPDX-License-Identifier: GPL-3.0-or-later
// A ".kfd" save through the document frame, killed at random moments, leaves the old file or the
// new one, whole.
#include <gtest/gtest.h>
#include <QApplication>
#include <QString>
#include <cstdlib>
#include <string>
#include "../../../platform/tests/KillWhileSaving.h"
#include "platform/Document.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "view/KinfoldDoc.h"

namespace {

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
    killtest::ExpectOldOrNewWhole("kfd-kill", "list.kfd", 20261209u, true);
}

int main(int argc, char** argv)
{
    return killtest::Main(argc, argv, SaveAsChild);
}
