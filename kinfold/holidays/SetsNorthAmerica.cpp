// SPDX-License-Identifier: GPL-3.0-or-later
// The United States and Canada.
#include "holidays/CountrySetData.h"

namespace {

// Canada Day on 2 July in the years 1 July is a Sunday, 1970 to 2100: "When July 1 is a Sunday,
// July 2 is a legal holiday ... under the name of Canada Day" (Holidays Act s. 2 (2)).
const std::vector<const char*> kCanadaDayOnMonday = {
    "919730702Canada Day", "919790702Canada Day", "919840702Canada Day", "919900702Canada Day",
    "920010702Canada Day", "920070702Canada Day", "920120702Canada Day", "920180702Canada Day",
    "920290702Canada Day", "920350702Canada Day", "920400702Canada Day", "920460702Canada Day",
    "920570702Canada Day", "920630702Canada Day", "920680702Canada Day", "920740702Canada Day",
    "920850702Canada Day", "920910702Canada Day", "920960702Canada Day",
};

// Quebec's Fête nationale on 25 June in the years 24 June is a Sunday, from 1977 (Loi sur la fête
// nationale: 25 June for those who do not work Sundays, from 2007; for everyone before).
const std::vector<const char*> kFeteNationaleOnMonday = {
    "919790625Fête nationale", "919840625Fête nationale", "919900625Fête nationale", "920010625Fête nationale",
    "920070625Fête nationale", "920120625Fête nationale", "920180625Fête nationale", "920290625Fête nationale",
    "920350625Fête nationale", "920400625Fête nationale", "920460625Fête nationale", "920570625Fête nationale",
    "920630625Fête nationale", "920680625Fête nationale", "920740625Fête nationale", "920850625Fête nationale",
    "920910625Fête nationale", "920960625Fête nationale",
};

std::vector<const char*> Joined(std::vector<const char*> lines, const std::vector<const char*>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

}  // namespace

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
        // standards law. A holiday on a weekend: where that law gives the employee the next
        // working day (Newfoundland and Labrador, Nova Scotia, Prince Edward Island, Yukon), the
        // set shows it as the federal set does; where it gives holiday pay or a day the employer
        // picks, the holiday stays on its own day. Canada Day on a Sunday is kept on 2 July
        // everywhere (Holidays Act s. 2 (2)).
        // Alberta: Employment Standards Code s. 25 (Family Day from 1990); Canada Day "July 1,
        // except when it falls on a Sunday, then it is July 2", and a holiday on a day off gives
        // no other day (work.alberta.ca, General Holidays and General Holiday Pay).
        {"CA-AB", QT_TRANSLATE_NOOP("CountrySets", "Canada, Alberta"), Joined({
            "00101New Year's Day",
            "Y19900000" "10231Family Day",
            "00701Canada Day",
            "01111Remembrance Day",
            "01225Christmas Day",
        }, kCanadaDayOnMonday), "CA",
         {"New Year's Day", "Canada Day", "National Day for Truth and Reconciliation", "Remembrance Day",
          "Christmas Day", "Boxing Day"}},
        // British Columbia: Employment Standards Act s. 1 (Family Day from 2013, on the third
        // Monday from 2019; 30 September from 2023); a holiday on a regular day off is paid, with
        // no other day (the Employment Standards Branch's fact sheet on statutory holidays).
        {"CA-BC", QT_TRANSLATE_NOOP("CountrySets", "Canada, British Columbia"), Joined({
            "00101New Year's Day",
            "Y20132018" "10221Family Day",
            "Y20190000" "10231Family Day",
            "00701Canada Day",
            "10811British Columbia Day",
            "Y20230000" "00930National Day for Truth and Reconciliation",
            "01111Remembrance Day",
            "01225Christmas Day",
        }, kCanadaDayOnMonday), "CA",
         {"New Year's Day", "Canada Day", "National Day for Truth and Reconciliation", "Remembrance Day",
          "Christmas Day", "Boxing Day"}},
        // Manitoba: Employment Standards Code s. 1 (Louis Riel Day from 2008; 30 September from
        // 2023); a holiday on a non-working day gives a day off with pay at a later time, none set
        // (Employment Standards, General Holidays fact sheet); Canada Day on Monday 2 July 2012
        // and "Sunday, July 1 is not considered a holiday" (Manitoba Family Services and Labour,
        // June 2012). Remembrance Day is no general holiday ("Remembrance Day is not a holiday",
        // the fact sheet): the Remembrance Day Act only closes most businesses on 11 November
        // itself, and it is left out.
        {"CA-MB", QT_TRANSLATE_NOOP("CountrySets", "Canada, Manitoba"), Joined({
            "00101New Year's Day",
            "Y20080000" "10231Louis Riel Day",
            "00701Canada Day",
            "Y20230000" "00930National Day for Truth and Reconciliation",
            "01225Christmas Day",
        }, kCanadaDayOnMonday), "CA",
         {"New Year's Day", "Canada Day", "National Day for Truth and Reconciliation", "Remembrance Day",
          "Christmas Day", "Boxing Day"}},
        // New Brunswick: Employment Standards Act s. 1 (Family Day from 2018); a holiday on a
        // non-working day gives another working day off or a day's pay, none set (gnb.ca, Paid
        // public holidays, vacation time and pay).
        {"CA-NB", QT_TRANSLATE_NOOP("CountrySets", "Canada, New Brunswick"), Joined({
            "00101New Year's Day",
            "Y20180000" "10231Family Day",
            "00701Canada Day",
            "10811New Brunswick Day",
            "01111Remembrance Day",
            "01225Christmas Day",
        }, kCanadaDayOnMonday), "CA",
         {"New Year's Day", "Victoria Day", "Canada Day", "National Day for Truth and Reconciliation",
          "Thanksgiving Day", "Remembrance Day", "Christmas Day", "Boxing Day"}},
        // Newfoundland and Labrador: Labour Standards Act s. 14; on a holiday that falls on a day
        // off the employee is not to work the first working day after it (gov.nl.ca, Public
        // Holidays).
        {"CA-NL", QT_TRANSLATE_NOOP("CountrySets", "Canada, Newfoundland and Labrador"), {}, "CA",
         {"Victoria Day", "National Day for Truth and Reconciliation", "Thanksgiving Day", "Boxing Day"}},
        // Nova Scotia: Labour Standards Code s. 41 (Heritage Day from 2015); a holiday on a day
        // off gives the next scheduled working day unless the employer adds it to the vacation
        // or both agree on another (novascotia.ca, Holiday Pay FAQ). Remembrance Day Act:
        // Remembrance Day "must be observed on November 11", the Monday after a weekend one being
        // off only for some (government and bank employees, students) (novascotia.ca,
        // Remembrance Day).
        {"CA-NS", QT_TRANSLATE_NOOP("CountrySets", "Canada, Nova Scotia"), {
            "Y20150000" "10231Heritage Day",
            "01111Remembrance Day",
        }, "CA", {"Victoria Day", "National Day for Truth and Reconciliation", "Thanksgiving Day", "Remembrance Day",
                  "Boxing Day"}},
        // Northwest Territories: Employment Standards Act s. 1 (21 June from 2001; 30 September
        // from 2022); a holiday with pay "whether it falls on a day of work or not" (s. 22, as
        // CFIB's fact sheet for the territory gives it).
        {"CA-NT", QT_TRANSLATE_NOOP("CountrySets", "Canada, Northwest Territories"), Joined({
            "00101New Year's Day",
            "Y20010000" "00621National Indigenous Peoples Day",
            "00701Canada Day",
            "10811Civic Holiday",
            "Y20220000" "00930National Day for Truth and Reconciliation",
            "01111Remembrance Day",
            "01225Christmas Day",
        }, kCanadaDayOnMonday), "CA",
         {"New Year's Day", "Canada Day", "National Day for Truth and Reconciliation", "Remembrance Day",
          "Christmas Day", "Boxing Day"}},
        // Nunavut: Labour Standards Act s. 1 ("general holiday"; Labour Standards Compliance Office,
        // nu-lsco.ca, which names a day's pay and no other day for a holiday not worked); Nunavut
        // Day a general holiday from 2020 (Department of Justice, gov.nu.ca, 16 June 2020).
        // 30 September is left out: Bill 5 of 2022, to make it a general holiday, passed second
        // reading, but whether it became law was not found.
        {"CA-NU", QT_TRANSLATE_NOOP("CountrySets", "Canada, Nunavut"), Joined({
            "00101New Year's Day",
            "00701Canada Day",
            "Y20200000" "00709Nunavut Day",
            "10811Civic Holiday",
            "01111Remembrance Day",
            "01225Christmas Day",
        }, kCanadaDayOnMonday), "CA",
         {"New Year's Day", "Canada Day", "National Day for Truth and Reconciliation", "Remembrance Day",
          "Christmas Day", "Boxing Day"}},
        // Ontario: Employment Standards Act, 2000 s. 1 (Family Day from 2008); a holiday on a day
        // that is not a working day gives a substitute day the employer sets (s. 29); Canada Day
        // on 2 July when 1 July is a Sunday (Legislation Act, 2006 s. 88 (4)).
        {"CA-ON", QT_TRANSLATE_NOOP("CountrySets", "Canada, Ontario"), Joined({
            "00101New Year's Day",
            "Y20080000" "10231Family Day",
            "00701Canada Day",
            "01225Christmas Day",
            "01226Boxing Day",
        }, kCanadaDayOnMonday), "CA",
         {"New Year's Day", "Canada Day", "National Day for Truth and Reconciliation", "Remembrance Day",
          "Christmas Day", "Boxing Day"}},
        // Prince Edward Island: Employment Standards Act s. 1 (Islander Day from 2009;
        // 30 September from 2022; the day of mourning of 19 September 2022); a paid holiday on a
        // non-working day gives the working day immediately following (ss. 6-10, as CFIB's and
        // legalbrief.ca's summaries give them; princeedwardisland.ca, Paid Holidays, lists the days).
        {"CA-PE", QT_TRANSLATE_NOOP("CountrySets", "Canada, Prince Edward Island"), {
            "Y20090000" "10231Islander Day",
            "Y20220000" "50930National Day for Truth and Reconciliation",
            "920220919National Day of Mourning",
        }, "CA", {"Victoria Day", "National Day for Truth and Reconciliation", "Thanksgiving Day", "Boxing Day"}},
        // Quebec: Loi sur les normes du travail art. 60 (Good Friday or Easter Monday as the
        // employer chooses; the Patriots' Day from 2003; "1er juillet ou, si cette date tombe un
        // dimanche, le 2 juillet") and Loi sur la fête nationale (24 June); "Les jours fériés ne
        // peuvent pas être déplacés", a holiday on a non-working day being paid (CNESST, Liste
        // des jours fériés, chômés et payés).
        {"CA-QC", QT_TRANSLATE_NOOP("CountrySets", "Canada, Quebec"), Joined(Joined({
            "00101New Year's Day",
            "Y20030000" "805241National Patriots' Day",
            "Y19770000" "00624Fête nationale",
            "00701Canada Day",
            "01225Christmas Day",
        }, kFeteNationaleOnMonday), kCanadaDayOnMonday), "CA",
         {"New Year's Day", "Victoria Day", "Canada Day", "National Day for Truth and Reconciliation",
          "Remembrance Day", "Christmas Day", "Boxing Day"}, {
            {"fr", Joined(Joined({
                "Jour de l'An",
                "Journée nationale des patriotes",
                "Fête nationale",
                "Fête du Canada",
                "Noël",
            }, std::vector<const char*>(kFeteNationaleOnMonday.size(), "Fête nationale")),
               std::vector<const char*>(kCanadaDayOnMonday.size(), "Fête du Canada"))},
        }},
        // Saskatchewan: Saskatchewan Employment Act s. 2-1 (Family Day from 2007); public holiday
        // pay whatever the day, another day only by the Director's permit (saskatchewan.ca,
        // Paying Employees for Public Holidays).
        {"CA-SK", QT_TRANSLATE_NOOP("CountrySets", "Canada, Saskatchewan"), Joined({
            "00101New Year's Day",
            "Y20070000" "10231Family Day",
            "00701Canada Day",
            "10811Saskatchewan Day",
            "01111Remembrance Day",
            "01225Christmas Day",
        }, kCanadaDayOnMonday), "CA",
         {"New Year's Day", "Canada Day", "National Day for Truth and Reconciliation", "Remembrance Day",
          "Christmas Day", "Boxing Day"}},
        // Yukon: Employment Standards Act s. 1 (21 June from 2017; 30 September from 2023); a
        // holiday on a non-working day gives "a holiday on their next working day immediately
        // following" (yukon.ca, Find a Yukon statutory holiday), its own days too.
        {"CA-YT", QT_TRANSLATE_NOOP("CountrySets", "Canada, Yukon"), {
            "Y20170000" "50621National Indigenous Peoples Day",
            "10831Discovery Day",
            "Y20230000" "50930National Day for Truth and Reconciliation",
        }, "CA", {"National Day for Truth and Reconciliation", "Boxing Day"}},
    };
}
