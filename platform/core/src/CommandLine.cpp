// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"
#include "platform/Translate.h"
#include <algorithm>

namespace {

const CommandOption* Find(std::span<const CommandOption> table, std::string_view name)
{
    for (const CommandOption& o : table)
        if (name == o.name) return &o;
    return nullptr;
}

// Whether one of the blank-separated names of `with` was given.
bool AnyGiven(const CommandArgs& args, std::string_view with)
{
    size_t i = 0;
    while (i < with.size()) {
        size_t end = with.find(' ', i);
        if (end == std::string_view::npos) end = with.size();
        if (end > i && args.Has(with.substr(i, end - i))) return true;
        i = end + 1;
    }
    return false;
}

// The columns a terminal gives UTF-8 text: one a character, two for the wide East Asian ones.
size_t Columns(std::string_view text)
{
    size_t columns = 0;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = (unsigned char)text[i];
        const size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length && i + k < text.size(); ++k) c = (c << 6) | ((unsigned char)text[i + k] & 0x3F);
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                          (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
                          c >= 0x20000;
        columns += wide ? 2 : 1;
        i += length;
    }
    return columns;
}

std::string WithText(std::string_view with)
{
    std::string text;
    size_t i = 0;
    while (i < with.size()) {
        size_t end = with.find(' ', i);
        if (end == std::string_view::npos) end = with.size();
        if (end > i) {
            const std::string_view name = with.substr(i, end - i);
            text = text.empty() ? std::string(name)
                                : FillIn(TextTranslation::translate("CommandLine", "%1 or %2"), {text, name});
        }
        i = end + 1;
    }
    return text;
}

} // namespace

bool CommandArgs::Has(std::string_view name) const
{
    return std::any_of(m_options.begin(), m_options.end(), [&](const auto& o) { return o.first == name; });
}

std::string CommandArgs::Value(std::string_view name) const
{
    for (const auto& o : m_options)
        if (o.first == name) return o.second;
    return std::string();
}

bool ParseCommandArgs(std::span<const std::string> args, std::span<const CommandOption> table, CommandArgs& out,
                      std::string& error)
{
    out = CommandArgs();
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.size() < 2 || a[0] != '-') {
            out.m_files.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        if (a[1] != '-') {
            out.m_others.push_back(a);
            continue;
        }
        size_t eq = a.find('=');
        std::string name = a.substr(0, eq);
        const CommandOption* o = Find(table, name);
        if (!o) {
            error = FillIn(TextTranslation::translate("CommandLine", "unknown option %1"), {name});
            return false;
        }
        if (out.Has(name)) {
            error = FillIn(TextTranslation::translate("CommandLine", "%1 is given twice"), {name});
            return false;
        }
        std::string value;
        if (o->value) {
            if (eq != std::string::npos) value = a.substr(eq + 1);
            else if (i + 1 < args.size()) value = args[++i];
            else {
                error = FillIn(TextTranslation::translate("CommandLine", "%1 needs %2"), {name, o->value});
                return false;
            }
        } else if (eq != std::string::npos) {
            error = FillIn(TextTranslation::translate("CommandLine", "%1 takes no value"), {name});
            return false;
        }
        out.m_options.emplace_back(std::move(name), std::move(value));
    }
    for (const auto& [name, value] : out.m_options) {
        const CommandOption* o = Find(table, name);
        if (o->with && !AnyGiven(out, o->with)) {
            error = FillIn(TextTranslation::translate("CommandLine", "%1 goes with %2"), {name, WithText(o->with)});
            return false;
        }
    }
    return true;
}

bool ParseProgramArgs(std::span<const std::string> args, std::span<const CommandOption> table, CommandArgs& out,
                      std::string& error, size_t maxFiles)
{
    std::vector<std::string> given(args.begin(), args.end());
    auto end = std::find(given.begin(), given.end(), std::string("--"));
    if (end != given.end() && end + 1 == given.end()) {
        error = TextTranslation::translate("CommandLine", "-- must be followed by a file");
        return false;
    }
    std::replace(given.begin(), end, std::string("-h"), std::string("--help"));
    if (!ParseCommandArgs(given, table, out, error)) return false;
    if (!out.Others().empty()) {
        error = FillIn(TextTranslation::translate("CommandLine", "unknown option %1"), {out.Others()[0]});
        return false;
    }
    if (out.Files().size() > maxFiles) {
        error = FillIn(TextTranslation::translate("CommandLine", "unexpected argument %1"), {out.Files()[maxFiles]});
        return false;
    }
    return true;
}

std::string CommandUsage(std::span<const std::string_view> usageLines, std::span<const CommandOption> table,
                         CommandTextTranslator translate)
{
    auto say = [translate](const char* t) { return translate ? translate(t) : std::string(t); };
    std::string text;
    const std::string usage = say(QT_TRANSLATE_NOOP("CommandLine", "usage:")) + " ";
    for (size_t i = 0; i < usageLines.size(); ++i) {
        text += i == 0 ? usage : std::string(Columns(usage), ' ');
        // A program may mark its usage lines in context "CommandLine" too.
        text += say(std::string(usageLines[i]).c_str());
        text += '\n';
    }
    size_t width = 0;
    auto head = [](const CommandOption& o) {
        std::string h = o.name;
        if (o.value) h = h + " " + o.value;
        return h;
    };
    for (const CommandOption& o : table) width = std::max(width, head(o).size());
    if (!usageLines.empty() && !table.empty()) text += '\n';
    for (const CommandOption& o : table) {
        std::string h = head(o);
        text += "  " + h + std::string(width - h.size() + 2, ' ') + say(o.help);
        if (o.with) text += " (" + say(QT_TRANSLATE_NOOP("CommandLine", "with")) + " " + WithText(o.with) + ")";
        text += '\n';
    }
    return text;
}

std::string WithHelpHint(const std::string& message, const char* program)
{
    return FillIn(TextTranslation::translate("CommandLine", "%1 (see %2 --help)"), {message, program});
}

std::vector<std::string> ArgumentsOf(int argc, char** argv)
{
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return args;
}
