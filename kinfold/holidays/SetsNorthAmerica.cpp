// SPDX-License-Identifier: GPL-3.0-or-later
// The United States and Canada.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> NorthAmericaSets() {
    return {
        // The federal holidays of 5 U.S.C. 6103(a): Juneteenth from 2021 (Pub. L. 117-17), the
        // Birthday of Martin Luther King, Jr. from 1986 (Pub. L. 98-144), the Monday holidays
        // from 1971 (Pub. L. 90-363), Veterans Day back on 11 November from 1978 (Pub. L. 94-97).
        // A Saturday holiday is observed on the Friday before, a Sunday one on the Monday after
        // (5 U.S.C. 6103(b), E.O. 11582).
        {"US", "United States", {
            "B0101New Year's Day",
            "Y19860000" "10131Birthday of Martin Luther King, Jr.",
            "Y00001970" "00222Washington's Birthday",
            "Y19710000" "10231Washington's Birthday",
            "Y00001970" "00530Memorial Day",
            "Y19710000" "10561Memorial Day",
            "Y20210000" "B0619Juneteenth National Independence Day",
            "B0704Independence Day",
            "10911Labor Day",
            "Y19710000" "11021Columbus Day",
            "Y00001970" "01111Veterans Day",
            "Y19711977" "11041Veterans Day",
            "Y19780000" "B1111Veterans Day",
            "11144Thanksgiving Day",
            "B1225Christmas Day",
        }},
        // Canada Labour Code Part III Div. V (general holidays; a weekend New Year's, Canada,
        // Remembrance, Christmas or Boxing Day is given on a working day next to it; 30 September
        // from 2021, S.C. 2021 c. 11); Holidays Act R.S.C. 1985 c. H-5 (Canada Day on a Sunday
        // kept on 2 July).
        {"CA", "Canada", {
            "50101New Year's Day",
            "3-02Good Friday",
            "805241Victoria Day",
            "50701Canada Day",
            "10911Labour Day",
            "Y20210000" "00930National Day for Truth and Reconciliation",
            "11021Thanksgiving Day",
            "51111Remembrance Day",
            "51225Christmas Day",
            "51226Boxing Day",
        }},
    };
}
