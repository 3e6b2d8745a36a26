// SPDX-License-Identifier: GPL-3.0-or-later
// One table of options: what it accepts, what it refuses, and the help it prints.
#include <gtest/gtest.h>
#include "platform/CommandLine.h"
#include "platform/Translate.h"

namespace {

const CommandOption kTable[] = {
    {"--help", nullptr, "Show this help"},
    {"--print", "OUT.pdf", "Print to a file"},
    {"--list", nullptr, "List things"},
    {"--year", "YEAR", "First year", "--print --list"},
};

bool Parse(std::vector<std::string> args, CommandArgs& out, std::string& error)
{
    return ParseCommandArgs(args, kTable, out, error);
}

} // namespace

TEST(CommandArgs, OptionsValuesAndFiles)
{
    CommandArgs a;
    std::string error;
    ASSERT_TRUE(Parse({"doc.kfd", "--print", "out.pdf", "--year=2026", "-platform", "--", "--list"}, a, error)) << error;
    EXPECT_TRUE(a.Has("--print"));
    EXPECT_EQ(a.Value("--print"), "out.pdf");
    EXPECT_EQ(a.Value("--year"), "2026");
    EXPECT_FALSE(a.Has("--list"));
    EXPECT_EQ(a.Value("--list"), "");
    // After "--" everything is a file; a single dash is the toolkit's.
    EXPECT_EQ(a.Files(), (std::vector<std::string>{"doc.kfd", "--list"}));
    EXPECT_EQ(a.Others(), (std::vector<std::string>{"-platform"}));
    // A value may itself begin with dashes; "-" alone is a file (standard input or output).
    ASSERT_TRUE(Parse({"--print", "--odd.pdf", "-"}, a, error)) << error;
    EXPECT_EQ(a.Value("--print"), "--odd.pdf");
    EXPECT_EQ(a.Files(), (std::vector<std::string>{"-"}));
    ASSERT_TRUE(Parse({}, a, error));
    EXPECT_TRUE(a.Options().empty());
}

TEST(CommandArgs, RefusalsNameTheOption)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{"--bogus"}, "--bogus"},
        {{"--bogus=1"}, "--bogus"},
        {{"--print"}, "--print needs OUT.pdf"},
        {{"--print", "a", "--print", "b"}, "--print is given twice"},
        {{"--list=yes"}, "--list takes no value"},
        {{"--year", "2026"}, "--year goes with --print or --list"},
    };
    for (const auto& [args, message] : bad) {
        CommandArgs a;
        std::string error;
        EXPECT_FALSE(Parse(args, a, error)) << args[0];
        EXPECT_NE(error.find(message), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    CommandArgs a;
    std::string error;
    EXPECT_TRUE(Parse({"--list", "--year", "1"}, a, error)) << error;
}

TEST(CommandArgs, UsageHasOneAlignedLinePerOption)
{
    const std::string_view usage[] = {"prog [FILE]", "prog --print OUT.pdf"};
    std::string text = CommandUsage(usage, kTable);
    EXPECT_EQ(text,
              "usage: prog [FILE]\n"
              "       prog --print OUT.pdf\n"
              "\n"
              "  --help           Show this help\n"
              "  --print OUT.pdf  Print to a file\n"
              "  --list           List things\n"
              "  --year YEAR      First year (with --print or --list)\n");
    // A translated "usage:" lines up by the columns it takes, not by its bytes.
    static const char* word;
    auto translate = [](const char* t) { return std::string(t) == "usage:" ? std::string(word) : std::string(t); };
    word = "použití:";
    EXPECT_EQ(CommandUsage(usage, {}, translate), "použití: prog [FILE]\n         prog --print OUT.pdf\n");
    word = "使い方:";
    EXPECT_EQ(CommandUsage(usage, {}, translate), "使い方: prog [FILE]\n        prog --print OUT.pdf\n");
}

TEST(CommandArgs, RefusalsAndUsageInTheUsersLanguage)
{
    // As the Qt part would install it: German for the words of the parser and the usage line.
    TextTranslation::Install([](const char* context, const char* text, const char*, int) {
        const std::string t = text;
        if (std::string(context) != "CommandLine") return t;
        if (t == "%1 goes with %2") return std::string("%1 gehört zu %2");
        if (t == "%1 or %2") return std::string("%1 oder %2");
        if (t == "unknown option %1") return std::string("unbekannte Option %1");
        if (t == "prog [FILE]") return std::string("prog [DATEI]");
        return t;
    });
    CommandArgs a;
    std::string error;
    EXPECT_FALSE(Parse({"--year", "2026"}, a, error));
    EXPECT_EQ(error, "--year gehört zu --print oder --list");
    // An argument that looks like a placeholder is named as it was given.
    EXPECT_FALSE(Parse({"--%2"}, a, error));
    EXPECT_EQ(error, "unbekannte Option --%2");
    const std::string_view usage[] = {"prog [FILE]"};
    auto same = [](const char* t) { return TextTranslation::translate("CommandLine", t); };
    EXPECT_EQ(CommandUsage(usage, {}, same), "usage: prog [DATEI]\n");
    TextTranslation::Install(nullptr);
    EXPECT_FALSE(Parse({"--year", "2026"}, a, error));
    EXPECT_EQ(error, "--year goes with --print or --list");
    EXPECT_EQ(TextTranslation::translate("X", "%n days", nullptr, 3), "3 days");
}
