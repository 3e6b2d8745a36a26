// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/UserText.h"
#include <atomic>

namespace {
std::atomic<UserTextTranslator> g_translator{nullptr};
}  // namespace

void SetUserTextTranslator(UserTextTranslator translator)
{
    g_translator = translator;
}

std::string UserText(const char* context, const char* text, const char*, int n)
{
    if (!*text) return std::string();
    if (const UserTextTranslator t = g_translator) return t(context, text, n);
    std::string out = text;
    if (n < 0) return out;
    const std::string number = std::to_string(n);
    for (size_t at = out.find("%n"); at != std::string::npos; at = out.find("%n", at + number.size()))
        out.replace(at, 2, number);
    return out;
}

std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args)
{
    std::string out;
    out.reserve(text.size());
    // One pass, so that an argument holding "%2" is not filled in again.
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}
