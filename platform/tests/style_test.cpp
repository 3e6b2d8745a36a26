// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include "platform/ToolTips.h"

// The marks over capitals ("Ö", "Å") and the tails below ("g") fit in a list row of the programs'
// style, whatever font the machine has.
TEST(ProgramStyle, ListRowsHoldMarksAboveCapitals)
{
    static int argc = 1;
    static char name[] = "style_test";
    static char* argv[] = {name, nullptr};
    auto* app = qobject_cast<QApplication*>(QApplication::instance());
    if (!app) app = new QApplication(argc, argv);
    InstallToolTipTiming(*app);
    QListWidget list;
    const QString text = QString::fromUtf8("ÅÖÄ Österreich g");
    list.addItem(text);
    list.resize(400, 200);
    list.show();
    QApplication::processEvents();
    const int ink = QFontMetrics(list.font()).boundingRect(text).height();
    EXPECT_GE(list.visualItemRect(list.item(0)).height(), ink);
}
