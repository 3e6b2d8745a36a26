// SPDX-License-Identifier: GPL-3.0-or-later
// Spain, Portugal, Poland, Denmark, Finland, Norway, Czechia, Belgium, Switzerland and
// Luxembourg, with their regions.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> MoreEuropeSets() {
    return {};
}
