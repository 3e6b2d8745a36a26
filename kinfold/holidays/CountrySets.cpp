// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/CountrySets.h"

#include <algorithm>
#include <cctype>

#include "holidays/CountrySetData.h"

namespace {

// Each country's public holidays, under the names the country uses, from its own laws and
// government calendars; the data of each lives in the source file of its group.
std::vector<CountrySet> AllSets() {
    std::vector<CountrySet> sets;
    for (auto group : {NorthAmericaSets, BritishIslesSets, OceaniaSets, GermanySets, EuropeSets, MoreEuropeSets,
                       JapanSets})
        for (CountrySet& set : group())
            sets.push_back(std::move(set));
    return sets;
}

bool SameCode(const CString& code, const char* own) {
    const CString ownCode = own;
    if (ownCode.size() != code.size())
        return false;
    for (size_t i = 0; i < ownCode.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(code[i])) != static_cast<unsigned char>(ownCode[i]))
            return false;
    return true;
}

void AppendLines(const std::vector<const char*>& lines, std::vector<Holiday>& holidays) {
    for (const char* line : lines) {
        Holiday h;
        if (Holiday::FromText(line, h))
            holidays.push_back(h);
    }
}

}  // namespace

const std::vector<CountrySet>& CountrySets() {
    static const std::vector<CountrySet> sets = AllSets();
    return sets;
}

const CountrySet* FindCountrySet(const CString& code) {
    for (const CountrySet& set : CountrySets())
        if (SameCode(code, set.code))
            return &set;
    return nullptr;
}

std::vector<Holiday> CountrySetHolidays(const CountrySet& set) {
    std::vector<Holiday> holidays;
    if (set.country) {
        if (const CountrySet* country = FindCountrySet(set.country))
            AppendLines(country->lines, holidays);
        holidays.erase(std::remove_if(holidays.begin(), holidays.end(),
                                      [&set](const Holiday& h) {
                                          return std::find(set.dropped.begin(), set.dropped.end(), h.name) !=
                                                 set.dropped.end();
                                      }),
                       holidays.end());
    }
    AppendLines(set.lines, holidays);
    return holidays;
}
