// SPDX-License-Identifier: GPL-3.0-or-later
// The United Kingdom, its nations, and Ireland.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> BritishIslesSets() {
    return {
        // England and Wales: gov.uk/bank-holidays; Banking and Financial Dealings Act 1971
        // Sch. 1 and the yearly proclamations (New Year's Day from 1974, the early May bank
        // holiday from 1978; the days moved or added for one year: 1977, 1981, 1995, 1999,
        // 2002, 2011, 2012, 2020, 2022, 2023).
        {"GB", QT_TRANSLATE_NOOP("CountrySets", "United Kingdom"), {
            "Y19740000" "50101New Year's Day",
            "3-02Good Friday",
            "3+01Easter Monday",
            "Y19780000" "10511Early May bank holiday",
            "F19950501Early May bank holiday",
            "919950508Early May bank holiday",
            "F20200504Early May bank holiday",
            "920200508Early May bank holiday (VE day)",
            "10561Spring bank holiday",
            "F20020527Spring bank holiday",
            "920020604Spring bank holiday",
            "F20120528Spring bank holiday",
            "920120604Spring bank holiday",
            "F20220530Spring bank holiday",
            "920220602Spring bank holiday",
            "10861Summer bank holiday",
            "919770607Silver Jubilee of Queen Elizabeth II",
            "919810729Royal wedding",
            "919991231Millennium celebrations",
            "920020603Golden Jubilee of Queen Elizabeth II",
            "920110429Royal wedding",
            "920120605Diamond Jubilee of Queen Elizabeth II",
            "920220603Platinum Jubilee bank holiday",
            "920220919Bank Holiday for the State Funeral of Queen Elizabeth II",
            "920230508Bank holiday for the coronation of King Charles III",
            "51225Christmas Day",
            "51226Boxing Day",
        }},
        // Scotland: the 1971 Act Sch. 1 para. 2 (2 January, the first Monday of August, no
        // Easter Monday); St Andrew's Day Bank Holiday (Scotland) Act 2007 (a weekend 30 November
        // kept on the Monday after); gov.uk/bank-holidays.
        {"GB-SCT", QT_TRANSLATE_NOOP("CountrySets", "United Kingdom, Scotland"), {
            "50101New Year's Day",
            "501022nd January",
            "10811Summer bank holiday",
            "Y20070000" "51130St Andrew's Day",
        }, "GB", {"New Year's Day", "Easter Monday", "Summer bank holiday"}},
        // Northern Ireland: the 1971 Act Sch. 1 para. 3 (St Patrick's Day) and the yearly
        // proclamation of 12 July; gov.uk/bank-holidays.
        {"GB-NIR", QT_TRANSLATE_NOOP("CountrySets", "United Kingdom, Northern Ireland"), {
            "50317St Patrick's Day",
            "50712Battle of the Boyne (Orangemen's Day)",
        }, "GB"},
        // Organisation of Working Time Act 1997 Sch. 2 (February holiday from 2023: first Monday,
        // or 1 February when a Friday); Holidays (Employees) Act 1973 and its orders (the June
        // holiday from 1973, New Year's Day from 1974, October from 1977, May from 1994);
        // the once-off public holiday of 18 March 2022 (gov.ie); citizensinformation.ie. Weekend holidays: the
        // State and banks close the next weekday.
        {"IE", QT_TRANSLATE_NOOP("CountrySets", "Ireland"), {
            "Y19740000" "50101New Year's Day",
            "Y20230000" "A020115St Brigid's Day",
            "50317St Patrick's Day",
            "920220318Public holiday",
            "3+01Easter Monday",
            "Y19940000" "10511May Bank Holiday",
            "Y00001972" "3+50Whit Monday",
            "Y19730000" "10611June Bank Holiday",
            "10811August Bank Holiday",
            "Y19770000" "11061October Bank Holiday",
            "51225Christmas Day",
            "51226St Stephen's Day",
        }},
    };
}
