// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/CountrySets.h"

#include <algorithm>
#include <cctype>

#include "holidays/CountrySetData.h"

namespace {

// Each country's public holidays, under the names the country uses, from its own laws and
// government calendars; the data of each lives in the source file of its group.
// A country's regions may live in a source file of their own; each is offered right after its
// country's own regions, in the order of its file.
std::vector<CountrySet> AllSets() {
    std::vector<CountrySet> all;
    for (auto group : {NorthAmericaSets, BritishIslesSets, OceaniaSets, GermanySets, EuropeSets, MoreEuropeSets,
                       SwitzerlandSets, SpainSets, JapanSets})
        for (CountrySet& set : group())
            all.push_back(std::move(set));
    std::vector<CountrySet> sets;
    std::vector<bool> placed(all.size(), false);
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].country)
            continue;
        sets.push_back(all[i]);
        placed[i] = true;
        for (size_t j = 0; j < all.size(); ++j)
            if (!placed[j] && all[j].country && CString(all[j].country) == all[i].code) {
                sets.push_back(all[j]);
                placed[j] = true;
            }
    }
    for (size_t i = 0; i < all.size(); ++i)
        if (!placed[i])
            sets.push_back(all[i]);
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

// The set's own lines, under its names in `language` when it has them.
void AppendLines(const CountrySet& set, const CString& language, std::vector<Holiday>& holidays) {
    const std::vector<const char*>* names = nullptr;
    for (const CountrySetNames& other : set.otherNames)
        if (language == other.language && other.names.size() == set.lines.size())
            names = &other.names;
    for (size_t i = 0; i < set.lines.size(); ++i) {
        Holiday h;
        if (!Holiday::FromText(set.lines[i], h))
            continue;
        if (names)
            h.name = (*names)[i];
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

std::vector<Holiday> CountrySetHolidays(const CountrySet& set, const CString& language) {
    std::vector<Holiday> holidays;
    if (const CountrySet* country = set.country ? FindCountrySet(set.country) : nullptr) {
        // Dropped by the country's own names, shown in the language asked for.
        std::vector<Holiday> plain, named;
        AppendLines(*country, "", plain);
        AppendLines(*country, language, named);
        for (size_t i = 0; i < plain.size() && i < named.size(); ++i)
            if (std::find(set.dropped.begin(), set.dropped.end(), plain[i].name) == set.dropped.end())
                holidays.push_back(named[i]);
    }
    AppendLines(set, language, holidays);
    return holidays;
}

const CountrySet* LocaleCountrySet(const CString& territory) {
    if (territory.size() != 2 || territory == "US")
        return nullptr;
    return FindCountrySet(territory);
}
