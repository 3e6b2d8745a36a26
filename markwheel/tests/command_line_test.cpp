// SPDX-License-Identifier: GPL-3.0-or-later
// Markwheel's --help, --version and refused arguments, run without a display.
#include "../../platform/tests/SmallCommandLine.h"

TEST(MarkwheelCommandLine, HelpVersionAndRefusals)
{
    runprogram::ExpectHelpVersionAndRefusal(KQ_PROGRAM, "markwheel", "t.mkw", true, {{{"a.mkw", "b.mkw"}, "b.mkw"}});
}

TEST(MarkwheelCommandLine, InTheUsersLanguage)
{
    runprogram::ExpectTheUsersLanguage(KQ_PROGRAM, "markwheel", "markwheel [ZIEL.mkw]");
}
