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
        {"US", QT_TRANSLATE_NOOP("CountrySets", "United States"), {
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
        {"CA", QT_TRANSLATE_NOOP("CountrySets", "Canada"), {
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
        }, nullptr, {}, {
            // Code canadien du travail, art. 166 (« jour férié »), and the French names the
            // Government of Canada gives them.
            {"fr", {
                "Jour de l'An",
                "Vendredi saint",
                "Fête de Victoria",
                "Fête du Canada",
                "Fête du Travail",
                "Journée nationale de la vérité et de la réconciliation",
                "Action de grâces",
                "Jour du Souvenir",
                "Noël",
                "Lendemain de Noël",
            }},
        }},
        // The provinces and territories: the general holidays of each one's own employment
        // standards law, kept on the federal set's days; weekend substitutes as the federal set
        // shows them.
        // Alberta: Employment Standards Code s. 25 (Family Day from 1990).
        {"CA-AB", QT_TRANSLATE_NOOP("CountrySets", "Canada, Alberta"), {
            "Y19900000" "10231Family Day",
        }, "CA", {"National Day for Truth and Reconciliation", "Boxing Day"}},
        // British Columbia: Employment Standards Act s. 1 (Family Day from 2013, on the third
        // Monday from 2019; 30 September from 2023).
        {"CA-BC", QT_TRANSLATE_NOOP("CountrySets", "Canada, British Columbia"), {
            "Y20132018" "10221Family Day",
            "Y20190000" "10231Family Day",
            "10811British Columbia Day",
            "Y20230000" "00930National Day for Truth and Reconciliation",
        }, "CA", {"National Day for Truth and Reconciliation", "Boxing Day"}},
        // Manitoba: Employment Standards Code s. 1 (Louis Riel Day from 2008; 30 September from
        // 2023); Remembrance Day falls under its own act.
        {"CA-MB", QT_TRANSLATE_NOOP("CountrySets", "Canada, Manitoba"), {
            "Y20080000" "10231Louis Riel Day",
            "Y20230000" "00930National Day for Truth and Reconciliation",
        }, "CA", {"National Day for Truth and Reconciliation", "Remembrance Day", "Boxing Day"}},
        // New Brunswick: Employment Standards Act s. 1 (Family Day from 2018).
        {"CA-NB", QT_TRANSLATE_NOOP("CountrySets", "Canada, New Brunswick"), {
            "Y20180000" "10231Family Day",
            "10811New Brunswick Day",
        }, "CA", {"Victoria Day", "National Day for Truth and Reconciliation", "Thanksgiving Day", "Boxing Day"}},
        // Newfoundland and Labrador: Labour Standards Act s. 14.
        {"CA-NL", QT_TRANSLATE_NOOP("CountrySets", "Canada, Newfoundland and Labrador"), {}, "CA",
         {"Victoria Day", "National Day for Truth and Reconciliation", "Thanksgiving Day", "Boxing Day"}},
        // Nova Scotia: Labour Standards Code s. 41 (Heritage Day from 2015); Remembrance Day Act.
        {"CA-NS", QT_TRANSLATE_NOOP("CountrySets", "Canada, Nova Scotia"), {
            "Y20150000" "10231Heritage Day",
        }, "CA", {"Victoria Day", "National Day for Truth and Reconciliation", "Thanksgiving Day", "Boxing Day"}},
        // Northwest Territories: Employment Standards Act s. 1 (21 June from 2001; 30 September
        // from 2022).
        {"CA-NT", QT_TRANSLATE_NOOP("CountrySets", "Canada, Northwest Territories"), {
            "Y20010000" "00621National Indigenous Peoples Day",
            "10811Civic Holiday",
            "Y20220000" "00930National Day for Truth and Reconciliation",
        }, "CA", {"National Day for Truth and Reconciliation", "Boxing Day"}},
        // Nunavut: Labour Standards Act s. 1 ("general holiday"; Labour Standards Compliance Office,
        // nu-lsco.ca); Nunavut Day a general holiday from 2020 (Department of Justice, gov.nu.ca,
        // 16 June 2020). 30 September is left out: Bill 5 of 2022, to make it a general holiday,
        // passed second reading, but whether it became law was not found.
        {"CA-NU", QT_TRANSLATE_NOOP("CountrySets", "Canada, Nunavut"), {
            "Y20200000" "00709Nunavut Day",
            "10811Civic Holiday",
        }, "CA", {"National Day for Truth and Reconciliation", "Boxing Day"}},
        // Ontario: Employment Standards Act, 2000 s. 1 (Family Day from 2008).
        {"CA-ON", QT_TRANSLATE_NOOP("CountrySets", "Canada, Ontario"), {
            "Y20080000" "10231Family Day",
        }, "CA", {"National Day for Truth and Reconciliation", "Remembrance Day"}},
        // Prince Edward Island: Employment Standards Act s. 1 (Islander Day from 2009;
        // 30 September from 2022; the day of mourning of 19 September 2022).
        {"CA-PE", QT_TRANSLATE_NOOP("CountrySets", "Canada, Prince Edward Island"), {
            "Y20090000" "10231Islander Day",
            "Y20220000" "00930National Day for Truth and Reconciliation",
            "920220919National Day of Mourning",
        }, "CA", {"Victoria Day", "National Day for Truth and Reconciliation", "Thanksgiving Day", "Boxing Day"}},
        // Quebec: Loi sur les normes du travail art. 60 (Good Friday or Easter Monday as the
        // employer chooses; the Patriots' Day from 2003) and Loi sur la fête nationale (24 June).
        {"CA-QC", QT_TRANSLATE_NOOP("CountrySets", "Canada, Quebec"), {
            "Y20030000" "805241National Patriots' Day",
            "Y19770000" "00624Fête nationale",
        }, "CA", {"Victoria Day", "National Day for Truth and Reconciliation", "Remembrance Day", "Boxing Day"}},
        // Saskatchewan: Saskatchewan Employment Act s. 2-1 (Family Day from 2007).
        {"CA-SK", QT_TRANSLATE_NOOP("CountrySets", "Canada, Saskatchewan"), {
            "Y20070000" "10231Family Day",
            "10811Saskatchewan Day",
        }, "CA", {"National Day for Truth and Reconciliation", "Boxing Day"}},
        // Yukon: Employment Standards Act s. 1 (21 June from 2017; 30 September from 2023).
        {"CA-YT", QT_TRANSLATE_NOOP("CountrySets", "Canada, Yukon"), {
            "Y20170000" "00621National Indigenous Peoples Day",
            "10831Discovery Day",
            "Y20230000" "00930National Day for Truth and Reconciliation",
        }, "CA", {"National Day for Truth and Reconciliation", "Boxing Day"}},
    };
}
