// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every program of the family answers with no display: --help, --version, and one line for
// an unknown option, with nothing written to the folder it runs in.
#include <gtest/gtest.h>
#include <unistd.h>
#include <filesystem>
#include <string>
#include "RunProgram.h"
#include "platform/Version.h"

namespace runprogram {

// `name` is the program's name as it prints it; `file` a bare argument it would otherwise open.
inline void ExpectHelpVersionAndRefusal(const std::string& program, const std::string& name, const std::string& file)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / (name + "-cli-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    Result help = Run(program, {"--help"}, dir);
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.out.rfind("usage: " + name, 0), 0u) << help.out;
    EXPECT_NE(help.out.find("\n  --version"), std::string::npos);
    Result version = Run(program, {"--version"}, dir);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, name + " " + KQ_VERSION + "\n");
    Result bad = Run(program, {"--bogus", file}, dir);
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.err.find("--bogus"), std::string::npos);
    EXPECT_EQ(bad.err.find('\n'), bad.err.size() - 1) << bad.err;
    EXPECT_TRUE(fs::is_empty(dir));
    fs::remove_all(dir);
}

}  // namespace runprogram
