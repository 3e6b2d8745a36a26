// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holiday lists of whole countries and of their regions, built into the program as their stored
// texts.
#include <vector>

#include "holidays/Holiday.h"
#include "platform/CString.h"

struct CountrySet {
    const char* code;                // ISO 3166 two letters, "GB", or ISO 3166-2 for a region, "DE-BY"
    const char* name;                // English name, "United Kingdom"; a region's after its country's, "Germany, Bavaria"
    std::vector<const char*> lines;  // stored texts (Holiday::FromText), in list order
    // A region's set is its country's, less the holidays named in `dropped`, with `lines` after it.
    const char* country = nullptr;
    std::vector<const char*> dropped = {};
};

// Every set, in the order they are offered: each country followed by its regions.
const std::vector<CountrySet>& CountrySets();
// The set of a code in any case ("gb", "de-by"); nullptr when there is none.
const CountrySet* FindCountrySet(const CString& code);
// The set's holidays, a region's with its country's; a line FromText rejects is left out (the
// tests see that none is).
std::vector<Holiday> CountrySetHolidays(const CountrySet& set);
