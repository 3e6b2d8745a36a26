// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command lines of the programs: one table of options gives both the parsing and the help text,
// so an option cannot be accepted without being listed, or listed without being accepted.
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct CommandOption {
    const char* name;            // "--year"
    const char* value;           // the argument's placeholder ("YEAR"); nullptr for a switch
    const char* help;            // one line
    const char* with = nullptr;  // options it only qualifies, blank-separated ("--print-pdf --list-holidays")
};

// A command line checked against its table.
class CommandArgs {
public:
    bool Has(std::string_view name) const;
    // The option's value; "" when it was not given.
    std::string Value(std::string_view name) const;
    // The options in the order given, with their values ("" for switches).
    const std::vector<std::pair<std::string, std::string>>& Options() const { return m_options; }
    // Arguments that are no options (file names), in order.
    const std::vector<std::string>& Files() const { return m_files; }
    // Arguments with a single "-" ("-platform"), left to the toolkit.
    const std::vector<std::string>& Others() const { return m_others; }

private:
    friend bool ParseCommandArgs(std::span<const std::string>, std::span<const CommandOption>, CommandArgs&,
                                 std::string&);
    std::vector<std::pair<std::string, std::string>> m_options;
    std::vector<std::string> m_files, m_others;
};

// Checks `args` (without the program name) against `table`. Every argument that begins with
// "--" must be an option of the table, given once, followed by its value when it takes one
// ("--year 2026" or "--year=2026"); an option with `with` needs one of those options too; a
// lone "--" makes every later argument a file. False with a one-line message naming the
// offending argument, in the user's language (TextTranslation, context "CommandLine").
bool ParseCommandArgs(std::span<const std::string> args, std::span<const CommandOption> table, CommandArgs& out,
                      std::string& error);

// For programs that give the toolkit nothing: as ParseCommandArgs, but "-h" stands for "--help",
// any other single-dash argument and a "--" with nothing after it are refused, and so are more
// than `maxFiles` files.
bool ParseProgramArgs(std::span<const std::string> args, std::span<const CommandOption> table, CommandArgs& out,
                      std::string& error, size_t maxFiles = static_cast<size_t>(-1));

// The usage lines, a blank line, then one line per option: name and placeholder, its help and
// the options it goes with. `translate` (when given) turns the usage lines, each help line and
// the words around them into the user's language; they are marked in context "CommandLine" (a
// usage line that is not marked stays as it is).
using CommandTextTranslator = std::string (*)(const char* text);
std::string CommandUsage(std::span<const std::string_view> usageLines, std::span<const CommandOption> table,
                         CommandTextTranslator translate = nullptr);

// A refusal as the programs print it: the message, then where the help is ("(see kinfold --help)"),
// in the user's language.
std::string WithHelpHint(const std::string& message, const char* program);

// The arguments after the program name.
std::vector<std::string> ArgumentsOf(int argc, char** argv);
