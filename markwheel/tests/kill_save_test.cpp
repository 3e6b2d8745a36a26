// SPDX-License-Identifier: GPL-3.0-or-later
// A ".mkw" save killed at random moments leaves the old file or the new one, whole.
#include <gtest/gtest.h>
#include <QApplication>
#include <QString>
#include <cstdlib>
#include <string>
#include "../../platform/tests/KillWhileSaving.h"
#include "MarkwheelDoc.h"
#include "platform/Document.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace {

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
    killtest::ExpectOldOrNewWhole("mkw-kill", "target.mkw", 20261208u, true);
}

int main(int argc, char** argv)
{
    return killtest::Main(argc, argv, SaveAsChild);
}
