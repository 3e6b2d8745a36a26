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

// One line on standard error naming `named`, exit 2, nothing on standard output.
inline void ExpectRefused(const Result& r, const std::string& named)
{
    EXPECT_EQ(r.status, 2) << named << ": " << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
}

// `name` is the program's name as it prints it; `file` a bare argument it would otherwise open.
// Programs that hand nothing to the toolkit also take "-h" for "--help" and refuse any other
// single-dash argument and a "--" with nothing after it; `refusedToo` are further command lines
// they refuse, each with the text its message names.
inline void ExpectHelpVersionAndRefusal(const std::string& program, const std::string& name, const std::string& file,
                                        bool strict = false,
                                        const std::vector<std::pair<std::vector<std::string>, std::string>>& refusedToo = {})
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
    ExpectRefused(Run(program, {"--bogus", file}, dir), "--bogus");
    if (strict) {
        Result shortHelp = Run(program, {"-h"}, dir);
        EXPECT_EQ(shortHelp.status, 0) << shortHelp.err;
        EXPECT_EQ(shortHelp.out, help.out);
        ExpectRefused(Run(program, {"-platform", "offscreen", file}, dir), "-platform");
        ExpectRefused(Run(program, {file, "-x"}, dir), "-x");
        ExpectRefused(Run(program, {"--"}, dir), "--");
        for (const auto& [args, named] : refusedToo) ExpectRefused(Run(program, args, dir), named);
        // Started with no display at all: one line and 1, not the toolkit's abort.
        Result none = Run(program, {}, dir);
        EXPECT_EQ(none.status, 1) << none.err;
        EXPECT_NE(none.err.find("no display"), std::string::npos) << none.err;
        EXPECT_EQ(none.err.find('\n'), none.err.size() - 1) << none.err;
    }
    EXPECT_TRUE(fs::is_empty(dir));
    fs::remove_all(dir);
}

// In German: the usage line `germanUsage` first, the refusal of a switch given a value, and
// with no display (in Japanese too) the reason in the user's words.
inline void ExpectTheUsersLanguage(const std::string& program, const std::string& name, const std::string& germanUsage)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / (name + "-language-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::vector<std::string> german{"LC_ALL=de_DE.UTF-8", "LANGUAGE="};
    Result help = Run(program, {"--help"}, dir, german);
    EXPECT_EQ(help.out.rfind("Aufruf: " + germanUsage, 0), 0u) << help.out;
    EXPECT_NE(help.out.find("  --version  Die Version zeigen und beenden\n"), std::string::npos) << help.out;
    Result bad = Run(program, {"--version=1"}, dir, german);
    EXPECT_EQ(bad.err, name + ": --version nimmt keinen Wert (siehe " + name + " --help)\n");
    Result none = Run(program, {}, dir, german);
    EXPECT_EQ(none.err, name + ": keine Anzeige (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)\n");
    none = Run(program, {}, dir, {"LANG=ja_JP.UTF-8", "LC_ALL=", "LANGUAGE="});
    EXPECT_NE(none.err.find("ディスプレイがありません"), std::string::npos) << none.err;
    fs::remove_all(dir);
}

}  // namespace runprogram
