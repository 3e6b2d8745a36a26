// SPDX-License-Identifier: GPL-3.0-or-later
// Dialwake's --help, --version and refused arguments, run without a display.
#include "../../platform/tests/SmallCommandLine.h"

TEST(DialwakeCommandLine, HelpVersionAndRefusals)
{
    runprogram::ExpectHelpVersionAndRefusal(KQ_PROGRAM, "dialwake", "/o4", true);
}

TEST(DialwakeCommandLine, InTheUsersLanguage)
{
    runprogram::ExpectTheUsersLanguage(KQ_PROGRAM, "dialwake", "dialwake [UHR...]");
}
