// SPDX-License-Identifier: GPL-3.0-or-later
// Markwheel's --help, --version and unknown options, run without a display.
#include "../../platform/tests/SmallCommandLine.h"

TEST(MarkwheelCommandLine, HelpVersionAndUnknownOptions)
{
    runprogram::ExpectHelpVersionAndRefusal(KQ_PROGRAM, "markwheel", "t.mkw");
}
