// SPDX-License-Identifier: GPL-3.0-or-later
// The Spanish autonomous communities and the autonomous cities of Ceuta and Melilla.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> SpainSets() {
    return {};
}
