// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Holiday lists of whole countries, built into the program as their stored texts.
#include <vector>

#include "holidays/Holiday.h"
#include "platform/CString.h"

struct CountrySet {
    const char* code;                // ISO 3166 two letters, "GB"
    const char* name;                // English name of the country, "United Kingdom"
    std::vector<const char*> lines;  // stored texts (Holiday::FromText), in list order
};

// Every set, in the order they are offered.
const std::vector<CountrySet>& CountrySets();
// The set of a code in any case; nullptr when there is none.
const CountrySet* FindCountrySet(const CString& code);
// The set's holidays; a line FromText rejects is left out (the tests see that none is).
std::vector<Holiday> CountrySetHolidays(const CountrySet& set);
