// SPDX-License-Identifier: GPL-3.0-or-later
// Includes run one way: app -> view -> the Qt-free cores. The link of the view's own tests catches
// a call into the shell; only this scan notices an include that points the other way.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
const fs::path kKinfold = fs::path(KQ_SOURCE_DIR) / "kinfold";

struct Include {
    std::string file;  // relative to kinfold/
    int line;
    std::string target;  // what stands between the quotes or angle brackets
};

// Every #include of the sources (.cpp and .h) below kinfold/<folder>.
std::vector<Include> IncludesUnder(const std::string& folder)
{
    std::vector<Include> found;
    for (const auto& e : fs::recursive_directory_iterator(kKinfold / folder)) {
        const auto ext = e.path().extension();
        if (!e.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        std::ifstream in(e.path());
        std::string text;
        for (int n = 1; std::getline(in, text); ++n) {
            size_t p = text.find_first_not_of(" \t");
            if (p == std::string::npos || text.compare(p, 1, "#") != 0) continue;
            p = text.find_first_not_of(" \t", p + 1);
            if (p == std::string::npos || text.compare(p, 7, "include") != 0) continue;
            const size_t open = text.find_first_of("\"<", p + 7);
            if (open == std::string::npos) continue;
            const size_t close = text.find_first_of("\">", open + 1);
            found.push_back({fs::relative(e.path(), kKinfold).generic_string(), n,
                             text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1)});
        }
    }
    return found;
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

std::string Where(const Include& i) { return i.file + ":" + std::to_string(i.line) + " includes " + i.target; }
}  // namespace

TEST(IncludeLayers, TheScanSeesTheSources)
{
    // A wrong source folder would make every check below pass on nothing.
    bool viewSeesDocument = false;
    for (const Include& i : IncludesUnder("view"))
        if (i.target == "view/KinfoldDoc.h") viewSeesDocument = true;
    EXPECT_TRUE(viewSeesDocument);
}

TEST(IncludeLayers, TheViewNeverReachesUpIntoTheProgramShell)
{
    for (const Include& i : IncludesUnder("view")) EXPECT_FALSE(StartsWith(i.target, "app/")) << Where(i);
    // The protocol sits below the window too: the window calls it, never the other way.
    for (const Include& i : IncludesUnder("dav")) {
        EXPECT_FALSE(StartsWith(i.target, "app/")) << Where(i);
        EXPECT_FALSE(StartsWith(i.target, "view/") && !StartsWith(i.target, "view/core/")) << Where(i);
    }
}

TEST(IncludeLayers, TheCoresIncludeNeitherQtNorTheWindowCode)
{
    for (const char* folder : {"calendar", "birthdays", "holidays", "view/core", "sync", "reminders"}) {
        for (const Include& i : IncludesUnder(folder)) {
            EXPECT_FALSE(StartsWith(i.target, "app/")) << Where(i);
            EXPECT_FALSE(StartsWith(i.target, "view/") && !StartsWith(i.target, "view/core/")) << Where(i);
            EXPECT_FALSE(StartsWith(i.target, "Q") || StartsWith(i.target, "kestrum/")) << Where(i);
        }
    }
}
