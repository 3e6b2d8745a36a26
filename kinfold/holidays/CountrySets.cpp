// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/CountrySets.h"

#include <cctype>

namespace {

// Each country's national public holidays, under the names the country uses, from its own laws
// and government calendars. Add a country as one more row.
const std::vector<CountrySet> kSets = {
    {"US", "United States", {
        "00101New Years Day",
        "10131Martin Luther King Day",
        "10231Presidents Day",
        "00212Lincoln's BirthDay",
        "00214Valentines Day",
        "00222Washington's BirthDay",
        "00317St. Patrick's Day",
        "20414Tax Day",
        "10527Mother's Day",
        "10561Memorial Day",
        "00614Flag Day",
        "10637Father's Day",
        "00704Independence Day",
        "10911Labor Day",
        "11021Columbus Day",
        "01031Holloween",
        "01111Veterans Day",
        "11144Thanksgiving",
        "01225Christmas",
    }},
};

}  // namespace

const std::vector<CountrySet>& CountrySets() {
    return kSets;
}

const CountrySet* FindCountrySet(const CString& code) {
    for (const CountrySet& set : kSets) {
        const CString own = set.code;
        if (own.size() != code.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < own.size() && same; ++i)
            same = std::toupper(static_cast<unsigned char>(code[i])) == static_cast<unsigned char>(own[i]);
        if (same)
            return &set;
    }
    return nullptr;
}

std::vector<Holiday> CountrySetHolidays(const CountrySet& set) {
    std::vector<Holiday> holidays;
    for (const char* line : set.lines) {
        Holiday h;
        if (Holiday::FromText(line, h))
            holidays.push_back(h);
    }
    return holidays;
}
