// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translate.h"
#include <atomic>
#include <vector>

namespace {
std::atomic<TextTranslation::Translator> g_translator{nullptr};
std::atomic<TextTranslation::DayFormatter> g_dayFormatter{nullptr};
}  // namespace

void TextTranslation::InstallDayFormatter(DayFormatter formatter)
{
    g_dayFormatter = formatter;
}

std::string TextTranslation::dayInWords(int year, int month, int day)
{
    if (const DayFormatter f = g_dayFormatter.load()) return f(year, month, day);
    return {};
}

void TextTranslation::Install(Translator translator)
{
    g_translator = translator;
}

std::string TextTranslation::translate(const char* context, const char* text, const char* comment, int n)
{
    if (const Translator t = g_translator.load()) return t(context, text, comment, n);
    std::string out = text ? text : "";
    if (n >= 0)
        for (size_t at = out.find("%n"); at != std::string::npos; at = out.find("%n", at)) {
            const std::string number = std::to_string(n);
            out.replace(at, 2, number);
            at += number.size();
        }
    return out;
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> list(args);
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t k = (size_t)(pattern[i + 1] - '1');
            if (k < list.size()) {
                out.append(list[k]);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}
