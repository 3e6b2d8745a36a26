// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holiday lists of whole countries and of their regions, built into the program as their stored
// texts.
#include <vector>

#include "holidays/Holiday.h"
#include "platform/CString.h"

// The names of a set's holidays in another of the country's languages, in list order.
struct CountrySetNames {
    const char* language;            // ISO 639 two letters, "fr"
    std::vector<const char*> names;  // one per line of the set
};

struct CountrySet {
    const char* code;                // ISO 3166 two letters, "GB", or ISO 3166-2 for a region, "DE-BY"
    const char* name;                // English name, "United Kingdom"; a region's after its country's, "Germany, Bavaria"
    std::vector<const char*> lines;  // stored texts (Holiday::FromText), in list order
    // A region's set is its country's, less the holidays named in `dropped`, with `lines` after it.
    const char* country = nullptr;
    std::vector<const char*> dropped = {};
    std::vector<CountrySetNames> otherNames = {};
};

// Every set, in the order they are offered: each country followed by its regions.
const std::vector<CountrySet>& CountrySets();
// The set of a code in any case ("gb", "de-by"); nullptr when there is none.
const CountrySet* FindCountrySet(const CString& code);
// The set's holidays, a region's with its country's; a line FromText rejects is left out (the
// tests see that none is). With a language the set carries other names for ("fr" for Canada),
// the holidays carry those names.
std::vector<Holiday> CountrySetHolidays(const CountrySet& set, const CString& language = "");
// The set of a locale's territory ("AT" for de_AT), nullptr when there is none. The United States
// has none: its holidays are the factory list's.
const CountrySet* LocaleCountrySet(const CString& territory);
