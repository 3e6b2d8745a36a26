// SPDX-License-Identifier: GPL-3.0-or-later
// Dialwake's --help, --version and unknown options, run without a display.
#include <gtest/gtest.h>
#include <filesystem>
#include "../../platform/tests/RunProgram.h"
#include "platform/Version.h"

namespace fs = std::filesystem;

TEST(DialwakeCommandLine, HelpVersionAndUnknownOptions)
{
    fs::path dir = fs::temp_directory_path() / ("dialwake-cli-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    runprogram::Result help = runprogram::Run(KQ_PROGRAM, {"--help"}, dir);
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.out.rfind("usage: dialwake", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("\n  --version"), std::string::npos);
    runprogram::Result version = runprogram::Run(KQ_PROGRAM, {"--version"}, dir);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("dialwake ") + KQ_VERSION + "\n");
    runprogram::Result bad = runprogram::Run(KQ_PROGRAM, {"--bogus", "/o4"}, dir);
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("--bogus"), std::string::npos);
    EXPECT_EQ(bad.err.find('\n'), bad.err.size() - 1) << bad.err;
    EXPECT_TRUE(fs::is_empty(dir));
    fs::remove_all(dir);
}
