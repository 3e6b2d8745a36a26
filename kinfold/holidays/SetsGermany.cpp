// SPDX-License-Identifier: GPL-3.0-or-later
// Germany and its Länder.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> GermanySets() {
    return {
        // Gesetz über den Tag der deutschen Einheit of 4 August 1953 (17 June from 1954);
        // Einigungsvertrag Art. 2 (3 October from 1990, and no 17 June after 1990) and the
        // Feiertagsgesetze of all sixteen Länder (the Day of Repentance kept by all until 1994, and
        // 31 October 2017 by all for the five hundredth year of the Reformation).
        {"DE", QT_TRANSLATE_NOOP("CountrySets", "Germany"), {
            "00101Neujahr",
            "3-02Karfreitag",
            "3+01Ostermontag",
            "00501Tag der Arbeit",
            "3+39Christi Himmelfahrt",
            "3+50Pfingstmontag",
            "Y19541990" "00617Tag der deutschen Einheit",
            "Y19900000" "01003Tag der Deutschen Einheit",
            "920171031Reformationstag",
            "Y00001994" "811223Buß- und Bettag",
            "012251. Weihnachtstag",
            "012262. Weihnachtstag",
        }},
        // The Länder: each Land's Feiertagsgesetz adds its days to the nine of the whole country.
        // A day kept only in part of a Land (Bavaria's 15 August in its Catholic municipalities,
        // Corpus Christi in parts of Saxony and Thuringia) is in that Land's set.
        // Brandenburg: FTG Brandenburg § 2 (Easter and Whit Sunday, Reformation Day).
        {"DE-BB", QT_TRANSLATE_NOOP("CountrySets", "Germany, Brandenburg"), {
            "Y19900000" "3+00Ostersonntag",
            "Y19900000" "3+49Pfingstsonntag",
            "Y19900000" "01031Reformationstag",
        }, "DE"},
        // Berlin: Feiertagsgesetz § 1 (8 March from 2019); 8 May 2020 and 8 May 2025, each made a
        // holiday for its year by an amendment of that law.
        {"DE-BE", QT_TRANSLATE_NOOP("CountrySets", "Germany, Berlin"), {
            "Y20190000" "00308Internationaler Frauentag",
            "920200508Tag der Befreiung",
            "920250508Tag der Befreiung",
        }, "DE"},
        // Baden-Württemberg: FTG § 1.
        {"DE-BW", QT_TRANSLATE_NOOP("CountrySets", "Germany, Baden-Württemberg"), {
            "00106Heilige Drei Könige",
            "3+60Fronleichnam",
            "01101Allerheiligen",
        }, "DE"},
        // Bavaria: FTG Art. 1 (15 August in the municipalities with more Catholic inhabitants; the
        // Augsburger Hohes Friedensfest of 8 August in the city of Augsburg, Art. 1 Abs. 2).
        {"DE-BY", QT_TRANSLATE_NOOP("CountrySets", "Germany, Bavaria"), {
            "00106Heilige Drei Könige",
            "3+60Fronleichnam",
            "00808Augsburger Hohes Friedensfest",
            "00815Mariä Himmelfahrt",
            "01101Allerheiligen",
        }, "DE"},
        // Bremen: FTG § 1 (Reformation Day from 2018).
        {"DE-HB", QT_TRANSLATE_NOOP("CountrySets", "Germany, Bremen"), {
            "Y20180000" "01031Reformationstag",
        }, "DE"},
        // Hesse: FTG § 1.
        {"DE-HE", QT_TRANSLATE_NOOP("CountrySets", "Germany, Hesse"), {
            "3+60Fronleichnam",
        }, "DE"},
        // Hamburg: FTG § 1 (Reformation Day from 2018).
        {"DE-HH", QT_TRANSLATE_NOOP("CountrySets", "Germany, Hamburg"), {
            "Y20180000" "01031Reformationstag",
        }, "DE"},
        // Mecklenburg-Vorpommern: FTG § 2 (8 March from 2023).
        {"DE-MV", QT_TRANSLATE_NOOP("CountrySets", "Germany, Mecklenburg-Vorpommern"), {
            "Y20230000" "00308Internationaler Frauentag",
            "Y19900000" "01031Reformationstag",
        }, "DE"},
        // Lower Saxony: NFeiertagsG § 2 (Reformation Day from 2018).
        {"DE-NI", QT_TRANSLATE_NOOP("CountrySets", "Germany, Lower Saxony"), {
            "Y20180000" "01031Reformationstag",
        }, "DE"},
        // North Rhine-Westphalia: FTG NW § 2.
        {"DE-NW", QT_TRANSLATE_NOOP("CountrySets", "Germany, North Rhine-Westphalia"), {
            "3+60Fronleichnam",
            "01101Allerheiligen",
        }, "DE"},
        // Rhineland-Palatinate: LFtG § 2.
        {"DE-RP", QT_TRANSLATE_NOOP("CountrySets", "Germany, Rhineland-Palatinate"), {
            "3+60Fronleichnam",
            "01101Allerheiligen",
        }, "DE"},
        // Schleswig-Holstein: SFTG § 2 (Reformation Day from 2018).
        {"DE-SH", QT_TRANSLATE_NOOP("CountrySets", "Germany, Schleswig-Holstein"), {
            "Y20180000" "01031Reformationstag",
        }, "DE"},
        // Saarland: FTG § 2.
        {"DE-SL", QT_TRANSLATE_NOOP("CountrySets", "Germany, Saarland"), {
            "3+60Fronleichnam",
            "00815Mariä Himmelfahrt",
            "01101Allerheiligen",
        }, "DE"},
        // Saxony: SächsSFG § 1 (the Day of Repentance kept after 1994; Corpus Christi in the
        // Sorbian municipalities of the Oberlausitz).
        {"DE-SN", QT_TRANSLATE_NOOP("CountrySets", "Germany, Saxony"), {
            "3+60Fronleichnam",
            "Y19900000" "01031Reformationstag",
            "811223Buß- und Bettag",
        }, "DE", {"Buß- und Bettag"}},
        // Saxony-Anhalt: FeiertG LSA § 2.
        {"DE-ST", QT_TRANSLATE_NOOP("CountrySets", "Germany, Saxony-Anhalt"), {
            "00106Heilige Drei Könige",
            "Y19900000" "01031Reformationstag",
        }, "DE"},
        // Thuringia: ThürFtG § 2 (Children's Day from 2019; Corpus Christi in the mainly
        // Catholic municipalities of the Eichsfeld).
        {"DE-TH", QT_TRANSLATE_NOOP("CountrySets", "Germany, Thuringia"), {
            "3+60Fronleichnam",
            "Y20190000" "00920Weltkindertag",
            "Y19900000" "01031Reformationstag",
        }, "DE"},
    };
}
