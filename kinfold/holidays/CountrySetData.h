// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in sets, one source file per country or group of countries; CountrySets() puts them
// in the order they are offered.
#include <vector>

#include "holidays/CountrySets.h"
#include "platform/Translate.h"  // QT_TRANSLATE_NOOP: the set names are in the catalogs

std::vector<CountrySet> NorthAmericaSets();  // US, CA and its provinces and territories
std::vector<CountrySet> BritishIslesSets();  // GB and its nations, IE
std::vector<CountrySet> OceaniaSets();       // AU and its states and territories, NZ
std::vector<CountrySet> GermanySets();       // DE and its Länder
std::vector<CountrySet> EuropeSets();        // AT FR NL SE IT GR
std::vector<CountrySet> MoreEuropeSets();    // countries added later, with their regions
std::vector<CountrySet> SwitzerlandSets();   // the Swiss cantons (CH itself is in MoreEuropeSets)
std::vector<CountrySet> SpainSets();         // the Spanish autonomous communities (ES is in MoreEuropeSets)
std::vector<CountrySet> JapanSets();         // JP
