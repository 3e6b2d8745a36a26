// SPDX-License-Identifier: GPL-3.0-or-later
// Dialwake's --help, --version and unknown options, run without a display.
#include "../../platform/tests/SmallCommandLine.h"

TEST(DialwakeCommandLine, HelpVersionAndUnknownOptions)
{
    runprogram::ExpectHelpVersionAndRefusal(KQ_PROGRAM, "dialwake", "/o4");
}
