// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A generated GEDCOM family tree as big family-history sites export them: every person with a
// birth, a fifth with a death, every family with a marriage, the names drawn from 200 pairs of
// given name and surname, so that most people share their name with others.
#include <cstdint>
#include <cstdio>
#include <string>

namespace bench {

inline constexpr const char* kGiven[] = {"John", "Mary", "William", "Elizabeth", "James", "Anne", "Thomas",
                                         "Margaret", "George", "Sarah", "Henry", "Jane", "Charles", "Catherine",
                                         "Robert", "Ellen", "Jos\xC3\xA9", "Zo\xC3\xAB", "Richard", "Alice"};
inline constexpr const char* kSurname[] = {"Smith", "Jones", "Taylor", "Brown", "Williams",
                                           "Wilson", "Johnson", "M\xC3\xBCller", "Evans", "de la Cruz"};
inline constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// Writes the tree to `out` in pieces of about a megabyte; returns the bytes written.
inline uint64_t WriteGeneratedTree(std::FILE* out, int people, int families)
{
    uint64_t seed = 20261209;
    auto next = [&](uint32_t n) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return (uint32_t)(seed >> 33) % n;
    };
    std::string buf;
    buf.reserve(1 << 21);
    uint64_t written = 0;
    auto flush = [&](bool force) {
        if (!force && buf.size() < (1u << 20)) return;
        written += std::fwrite(buf.data(), 1, buf.size(), out);
        buf.clear();
    };
    auto date = [&](int from, int span) {
        buf += std::to_string(1 + next(28));
        buf += ' ';
        buf += kMonths[next(12)];
        buf += ' ';
        buf += std::to_string(from + (int)next((uint32_t)span));
        buf += '\n';
    };
    buf += "0 HEAD\n1 SOUR bench\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n";
    for (int i = 1; i <= people; ++i) {
        const uint32_t pair = next(200);
        buf += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME ";
        buf += kGiven[pair % 20];
        buf += " /";
        buf += kSurname[pair / 20];
        buf += i % 2 ? "/\n1 SEX M\n1 BIRT\n2 DATE " : "/\n1 SEX F\n1 BIRT\n2 DATE ";
        date(1600, 400);
        buf += "2 PLAC Leeds\n";
        if (next(5) == 0) {
            buf += "1 DEAT\n2 DATE ";
            date(2000, 26);
        }
        buf += "1 FAMS @F" + std::to_string(1 + next((uint32_t)families)) + "@\n";
        flush(false);
    }
    for (int f = 1; f <= families; ++f) {
        buf += "0 @F" + std::to_string(f) + "@ FAM\n1 HUSB @I" + std::to_string(1 + next((uint32_t)people)) +
               "@\n1 WIFE @I" + std::to_string(1 + next((uint32_t)people)) + "@\n1 CHIL @I" +
               std::to_string(1 + next((uint32_t)people)) + "@\n1 MARR\n2 DATE ";
        date(1620, 400);
        flush(false);
    }
    buf += "0 TRLR\n";
    flush(true);
    return written;
}

} // namespace bench
