// SPDX-License-Identifier: GPL-3.0-or-later
// Australia and its states and territories, and New Zealand.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> OceaniaSets() {
    return {
        // Fair Work Act 2009 s. 115 (national public holidays); substitutes as every State and
        // Territory keeps them. The June Monday of most States, the Queen's Birthday until
        // 2022; the National Day of Mourning of 22 September 2022 (Prime Minister's
        // proclamation, kept by every State and Territory).
        {"AU", QT_TRANSLATE_NOOP("CountrySets", "Australia"), {
            "50101New Year's Day",
            "50126Australia Day",
            "3-02Good Friday",
            "3+01Easter Monday",
            "00425Anzac Day",
            "Y00002022" "10621Queen's Birthday",
            "Y20230000" "10621King's Birthday",
            "920220922National Day of Mourning",
            "51225Christmas Day",
            "51226Boxing Day",
        }},
        // The states and territories: each one's own holidays act adds its days to the national
        // ones. A day kept only in part of one (Melbourne Cup Day) is in its set.
        // Australian Capital Territory: Holidays Act 1958 s. 3 (Canberra Day on the second Monday of
        // March from 2008, the third before; Easter Sunday from 2016; Reconciliation Day, 27 May or
        // the Monday after, from 2018, Holidays (Reconciliation Day) Amendment Act 2017). Family and
        // Community Day (2007-2017), on days set year by year, is left out; the August bank holiday
        // is for banks only. Anzac Day on a Saturday: the Monday after declared a holiday under
        // s. 3 (1) (b) for 2020 (the Minister, citynews.com.au, 2019) and 2026 (region.com.au,
        // 2025). On a Sunday the Monday after is the holiday (the ACT's list for 2021, which
        // declared the Sunday as well; ABC News, 22 April 2021), year by year from 2021 to 2100;
        // the Act's own wording was not read. In 2038 that Monday is Easter Monday.
        {"AU-ACT", QT_TRANSLATE_NOOP("CountrySets", "Australia, Australian Capital Territory"), {
            "Y00002007" "10331Canberra Day",
            "Y20080000" "10321Canberra Day",
            "3-01Easter Saturday",
            "Y20160000" "3+00Easter Sunday",
            "920200427Anzac Day (additional holiday)", "920260427Anzac Day (additional holiday)",
            "920210426Anzac Day (substitute day)", "920270426Anzac Day (substitute day)",
            "920320426Anzac Day (substitute day)", "920490426Anzac Day (substitute day)",
            "920550426Anzac Day (substitute day)", "920600426Anzac Day (substitute day)",
            "920660426Anzac Day (substitute day)", "920770426Anzac Day (substitute day)",
            "920830426Anzac Day (substitute day)", "920880426Anzac Day (substitute day)",
            "920940426Anzac Day (substitute day)", "921000426Anzac Day (substitute day)",
            "Y20180000" "705271Reconciliation Day",
            "11011Labour Day",
        }, "AU"},
        // New South Wales: Public Holidays Act 2010 (Easter Sunday from 2011; the August bank
        // holiday is for banks only).
        {"AU-NSW", QT_TRANSLATE_NOOP("CountrySets", "Australia, New South Wales"), {
            "3-01Easter Saturday",
            "Y20110000" "3+00Easter Sunday",
            "11011Labour Day",
        }, "AU"},
        // Northern Territory: Public Holidays Act 1981 (the evenings of 24 and 31 December,
        // holidays from 7 pm only, are left out); Easter Sunday appointed by the Minister under
        // s. 6 for 2022 and 2023 (whether for later years too was not found). Anzac Day on a Sunday
        // gives the Monday after (the Commissioner for Public Employment's list of the Act's days),
        // year by year from 2021 to 2100; in 2038 that Monday is Easter Monday.
        {"AU-NT", QT_TRANSLATE_NOOP("CountrySets", "Australia, Northern Territory"), {
            "3-01Easter Saturday",
            "920220417Easter Sunday",
            "920230409Easter Sunday",
            "920210426Anzac Day (substitute day)", "920270426Anzac Day (substitute day)",
            "920320426Anzac Day (substitute day)", "920490426Anzac Day (substitute day)",
            "920550426Anzac Day (substitute day)", "920600426Anzac Day (substitute day)",
            "920660426Anzac Day (substitute day)", "920770426Anzac Day (substitute day)",
            "920830426Anzac Day (substitute day)", "920880426Anzac Day (substitute day)",
            "920940426Anzac Day (substitute day)", "921000426Anzac Day (substitute day)",
            "10511May Day",
            "10811Picnic Day",
        }, "AU"},
        // Queensland: Holidays Act 1983 (Easter Sunday from 2017; Labour Day in October and the
        // Sovereign's birthday in June from 2013 to 2015, and the other way round before and
        // after; the Diamond Jubilee of 11 June 2012). The Royal Queensland Show day, a
        // holiday in Brisbane only on a day gazetted each year, is left out. Anzac Day on a Sunday is
        // kept on the Monday after (Schedule, "25 April (Anzac Day)"), year by year from 2021 to 2100
        // (the schedule's earlier wording not read here); in 2038 that Monday is Easter Monday.
        {"AU-QLD", QT_TRANSLATE_NOOP("CountrySets", "Australia, Queensland"), {
            "3-01Easter Saturday",
            "920210426Anzac Day (substitute day)", "920270426Anzac Day (substitute day)",
            "920320426Anzac Day (substitute day)", "920490426Anzac Day (substitute day)",
            "920550426Anzac Day (substitute day)", "920600426Anzac Day (substitute day)",
            "920660426Anzac Day (substitute day)", "920770426Anzac Day (substitute day)",
            "920830426Anzac Day (substitute day)", "920880426Anzac Day (substitute day)",
            "920940426Anzac Day (substitute day)", "921000426Anzac Day (substitute day)",
            "Y20170000" "3+00Easter Sunday",
            "Y00002012" "10511Labour Day",
            "Y20132015" "11011Labour Day",
            "Y20160000" "10511Labour Day",
            "Y00002011" "10621Queen's Birthday",
            "Y20122012" "11011Queen's Birthday",
            "Y20132015" "10621Queen's Birthday",
            "Y20162022" "11011Queen's Birthday",
            "Y20230000" "11011King's Birthday",
            "920120611Queen's Diamond Jubilee",
        }, "AU", {"Queen's Birthday", "King's Birthday"}},
        // South Australia: Holidays Act 1910, replaced from 2024 by the Public Holidays Act 2023
        // (Easter Sunday from 2024); Adelaide Cup Day on the third Monday of May by the 1910 Act,
        // moved to the second Monday of March by the Governor's proclamations from 2006 (Holidays
        // (Adelaide Cup) Proclamation 2006, and yoursay.sa.gov.au); 26 December is Proclamation Day.
        // The evenings of 24 and 31 December, holidays from 7 pm only, are left out. Anzac Day on a
        // Sunday gave the Monday after by the 1910 Act (SA's list for 2021, "Monday 26 April", as
        // ABC News of 22 April 2021 reports the law), here for 2010 and 2021 (the earlier Sunday
        // years not checked); the 2023 Act keeps 25 April alone, on whatever day (SA Business
        // Chamber on 2026, and SafeWork SA's list for that year).
        {"AU-SA", QT_TRANSLATE_NOOP("CountrySets", "Australia, South Australia"), {
            "Y00002005" "10531Adelaide Cup Day",
            "Y20060000" "10321Adelaide Cup Day",
            "3-01Easter Saturday",
            "Y20240000" "3+00Easter Sunday",
            "920100426Anzac Day (substitute day)", "920210426Anzac Day (substitute day)",
            "11011Labour Day",
            "51226Proclamation Day",
        }, "AU", {"Boxing Day"}},
        // Tasmania: Statutory Holidays Act 2000 s. 4 and Sch. 1 (legislation.tas.gov.au): Eight
        // Hours Day; Royal Hobart Regatta in the south and Recreation Day in the north. Easter
        // Tuesday, kept by the State Service and some awards only, is left out.
        {"AU-TAS", QT_TRANSLATE_NOOP("CountrySets", "Australia, Tasmania"), {
            "10221Royal Hobart Regatta",
            "10321Eight Hours Day",
            "11111Recreation Day",
        }, "AU"},
        // Victoria: Public Holidays Act 1993 (Easter Sunday from 2016; the Friday before the AFL
        // Grand Final from 2015, on the day gazetted each year; Melbourne Cup Day in
        // metropolitan Melbourne).
        {"AU-VIC", QT_TRANSLATE_NOOP("CountrySets", "Australia, Victoria"), {
            "10321Labour Day",
            "3-01Saturday before Easter Sunday",
            "Y20160000" "3+00Easter Sunday",
            "920151002Friday before the AFL Grand Final",
            "920160930Friday before the AFL Grand Final",
            "920170929Friday before the AFL Grand Final",
            "920180928Friday before the AFL Grand Final",
            "920190927Friday before the AFL Grand Final",
            "920201023Friday before the AFL Grand Final",
            "920210924Friday before the AFL Grand Final",
            "920220923Friday before the AFL Grand Final",
            "920230929Friday before the AFL Grand Final",
            "920240927Friday before the AFL Grand Final",
            "920250926Friday before the AFL Grand Final",
            "11112Melbourne Cup",
        }, "AU"},
        // Western Australia: Public and Bank Holidays Act 1972 (Labour Day, Foundation Day named
        // Western Australia Day from 2012; Easter Sunday from 2022, Industrial Relations Legislation
        // Amendment Act 2021, commerce.wa.gov.au); the Sovereign's birthday on the day the Governor
        // proclaims each year, the last Monday of September but 28 October 2011, 1 October 2012 and
        // 23 September 2024 (the 2011 date not checked here). The days some districts keep in its
        // place, and the changes a bill of 2025 proposes from 2028, are left out. Anzac Day on a
        // Saturday or a Sunday also gives the Monday after (commerce.wa.gov.au, Anzac Day 2021).
        {"AU-WA", QT_TRANSLATE_NOOP("CountrySets", "Australia, Western Australia"), {
            "50425Anzac Day",
            "10311Labour Day",
            "Y20220000" "3+00Easter Sunday",
            "Y00002011" "10611Foundation Day",
            "Y20120000" "10611Western Australia Day",
            "Y00002010" "10961Queen's Birthday",
            "920111028Queen's Birthday",
            "920121001Queen's Birthday",
            "Y20132022" "10961Queen's Birthday",
            "Y20230000" "10961King's Birthday",
            "F20240930King's Birthday",
            "920240923King's Birthday",
        }, "AU", {"Anzac Day", "Queen's Birthday", "King's Birthday"}},
        // Holidays Act 2003 ss. 44, 45, 45A (Waitangi Day and Anzac Day kept on the Monday when
        // on a weekend from 2014: Holidays (Full Recognition of Waitangi Day and ANZAC Day)
        // Amendment Act 2013); New Zealand Day Act 1973 (6 February from 1974); Te Kāhui o
        // Matariki Public Holiday Act 2022 Sch. 1; Queen Elizabeth II Memorial Day Act 2022.
        {"NZ", QT_TRANSLATE_NOOP("CountrySets", "New Zealand"), {
            "50101New Year's Day",
            "50102Day after New Year's Day",
            "Y19742013" "00206Waitangi Day",
            "Y20140000" "50206Waitangi Day",
            "3-02Good Friday",
            "3+01Easter Monday",
            "Y00002013" "00425Anzac Day",
            "Y20140000" "50425Anzac Day",
            "Y00002022" "10611Queen's Birthday",
            "Y20230000" "10611King's Birthday",
            "920220624Matariki",
            "920230714Matariki",
            "920240628Matariki",
            "920250620Matariki",
            "920260710Matariki",
            "920270625Matariki",
            "920280714Matariki",
            "920290706Matariki",
            "920300621Matariki",
            "920310711Matariki",
            "920320702Matariki",
            "920330624Matariki",
            "920340707Matariki",
            "920350629Matariki",
            "920360718Matariki",
            "920370710Matariki",
            "920380625Matariki",
            "920390715Matariki",
            "920400706Matariki",
            "920410719Matariki",
            "920420711Matariki",
            "920430703Matariki",
            "920440624Matariki",
            "920450707Matariki",
            "920460629Matariki",
            "920470719Matariki",
            "920480703Matariki",
            "920490625Matariki",
            "920500715Matariki",
            "920510630Matariki",
            "920520621Matariki",
            "920220926Queen Elizabeth II Memorial Day",
            "11041Labour Day",
            "51225Christmas Day",
            "51226Boxing Day",
        }},
    };
}
