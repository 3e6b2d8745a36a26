// SPDX-License-Identifier: GPL-3.0-or-later
// Spain, Portugal, Poland, Denmark, Finland, Norway, Czechia, Belgium, Switzerland and
// Luxembourg, with their regions.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> MoreEuropeSets() {
    return {
        // Estatuto de los Trabajadores art. 37.2 and Real Decreto 2001/1983 art. 45: the days
        // common to the whole country (a community may put another day in place of some of
        // them in its yearly decree).
        {"ES", QT_TRANSLATE_NOOP("CountrySets", "Spain"), {
            "00101Año Nuevo",
            "00106Epifanía del Señor",
            "3-02Viernes Santo",
            "00501Fiesta del Trabajo",
            "00815Asunción de la Virgen",
            "01012Fiesta Nacional de España",
            "01101Todos los Santos",
            "01206Día de la Constitución Española",
            "01208Inmaculada Concepción",
            "01225Natividad del Señor",
        }},
        // Código do Trabalho art. 234 (Lei 7/2009); Lei 23/2012 suspended Corpus Christi,
        // 5 October, 1 November and 1 December for 2013 to 2015, Lei 8/2016 restored them.
        {"PT", QT_TRANSLATE_NOOP("CountrySets", "Portugal"), {
            "00101Ano Novo",
            "3-02Sexta-feira Santa",
            "3+00Domingo de Páscoa",
            "Y19750000" "00425Dia da Liberdade",
            "00501Dia do Trabalhador",
            "Y00002012" "3+60Corpo de Deus",
            "Y20160000" "3+60Corpo de Deus",
            "00610Dia de Portugal, de Camões e das Comunidades Portuguesas",
            "00815Assunção de Nossa Senhora",
            "Y00002012" "01005Implantação da República",
            "Y20160000" "01005Implantação da República",
            "Y00002012" "01101Dia de Todos os Santos",
            "Y20160000" "01101Dia de Todos os Santos",
            "Y00002012" "01201Restauração da Independência",
            "Y20160000" "01201Restauração da Independência",
            "01208Imaculada Conceição",
            "01225Natal",
        }},
        // The autonomous regions' own days, by their own regional decrees: the Azores keep Whit
        // Monday, the segunda-feira do Espírito Santo (Decreto Regional 13/80/A, de 21 de agosto,
        // from 1981, the first after its publication); Madeira 1 July (Decreto Regional 27/79/M, from
        // 1980), 26 December (Decreto Legislativo Regional 18/2002/M, from 2002) and 2 April
        // (Decreto Legislativo Regional 17/2024/M, from 2025).
        {"PT-20", QT_TRANSLATE_NOOP("CountrySets", "Portugal, Azores"), {
            "Y19810000" "3+50Dia da Região Autónoma dos Açores",
        }, "PT"},
        {"PT-30", QT_TRANSLATE_NOOP("CountrySets", "Portugal, Madeira"), {
            "Y20250000" "00402Dia da Autonomia",
            "Y19800000" "00701Dia da Região Autónoma da Madeira",
            "Y20020000" "01226Primeira Oitava",
        }, "PT"},
        // Ustawa z dnia 18 stycznia 1951 r. o dniach wolnych od pracy art. 1, as amended: 22 July
        // until 1989, 15 August and 11 November from 1989, 3 May from 1990, 6 January from 2011,
        // 24 December from 2025; 12 November 2018 by the act of 2018 for that year.
        {"PL", QT_TRANSLATE_NOOP("CountrySets", "Poland"), {
            "00101Nowy Rok",
            "Y20110000" "00106Święto Trzech Króli",
            "3+00Pierwszy dzień Wielkiej Nocy",
            "3+01Drugi dzień Wielkiej Nocy",
            "00501Święto Państwowe",
            "Y19900000" "00503Święto Narodowe Trzeciego Maja",
            "3+49Pierwszy dzień Zielonych Świątek",
            "3+60Dzień Bożego Ciała",
            "Y00001989" "00722Narodowe Święto Odrodzenia Polski",
            "Y19890000" "00815Wniebowzięcie Najświętszej Maryi Panny",
            "01101Wszystkich Świętych",
            "Y19890000" "01111Narodowe Święto Niepodległości",
            "920181112Dzień wolny od pracy",
            "Y20250000" "01224Wigilia Bożego Narodzenia",
            "01225Pierwszy dzień Bożego Narodzenia",
            "01226Drugi dzień Bożego Narodzenia",
        }},
        // The Folkekirke's holy days (helligdagsloven); Store Bededag no holiday from 2024 (the
        // act of 2023 that abolished it). Constitution Day (5 June) is no public holiday.
        {"DK", QT_TRANSLATE_NOOP("CountrySets", "Denmark"), {
            "00101Nytårsdag",
            "3-03Skærtorsdag",
            "3-02Langfredag",
            "3+00Påskedag",
            "3+012. påskedag",
            "Y00002023" "3+26Store bededag",
            "3+39Kristi himmelfartsdag",
            "3+49Pinsedag",
            "3+502. pinsedag",
            "01225Juledag",
            "012262. juledag",
        }},
        // The Church Act's holy days (kirkkolaki; Epiphany and Ascension Day on their own days
        // again from 1991; Midsummer Day and All Saints' Day on a Saturday);
        // Vappu and Independence Day by law. Midsummer Eve and Christmas Eve are no public holidays.
        {"FI", QT_TRANSLATE_NOOP("CountrySets", "Finland"), {
            "00101Uudenvuodenpäivä",
            "Y19910000" "00106Loppiainen",
            "3-02Pitkäperjantai",
            "3+00Pääsiäispäivä",
            "3+012. pääsiäispäivä",
            "00501Vappu",
            "Y19910000" "3+39Helatorstai",
            "3+49Helluntaipäivä",
            "706206Juhannuspäivä",
            "710316Pyhäinpäivä",
            "01206Itsenäisyyspäivä",
            "01225Joulupäivä",
            "01226Tapaninpäivä",
        }},
        // Åland: landskapslag (1976:26) om Ålands självstyrelsedag makes 9 June the day off of the
        // public sector and the official flag day, but no general holiday for private employers
        // (Ålands lagting, åtgärdsmotion 10/2021-2022, asking to make it one), so it stays out, as
        // days only for public servants do in every set. Åland's language is
        // Swedish: the national days under their Finland-Swedish names, as the University of
        // Helsinki's almanac office gives them (almanakka.helsinki.fi/sv, Flagg- och festdagar).
        {"FI-01", QT_TRANSLATE_NOOP("CountrySets", "Finland, Åland"), {
            "00101Nyårsdagen",
            "Y19910000" "00106Trettondagen",
            "3-02Långfredagen",
            "3+00Påskdagen",
            "3+01Annandag påsk",
            "00501Första maj",
            "Y19910000" "3+39Kristi himmelsfärdsdagen",
            "3+49Pingstdagen",
            "706206Midsommardagen",
            "710316Alla helgons dag",
            "01206Självständighetsdagen",
            "01225Juldagen",
            "01226Annandag jul",
        }, "FI", {"Uudenvuodenpäivä", "Loppiainen", "Pitkäperjantai", "Pääsiäispäivä", "2. pääsiäispäivä", "Vappu",
                  "Helatorstai", "Helluntaipäivä", "Juhannuspäivä", "Pyhäinpäivä", "Itsenäisyyspäivä", "Joulupäivä",
                  "Tapaninpäivä"}},
        // Lov om helligdager og helligdagsfred (1995) § 2; lov om 1. og 17. mai som høgtidsdager (1947).
        {"NO", QT_TRANSLATE_NOOP("CountrySets", "Norway"), {
            "00101Første nyttårsdag",
            "3-03Skjærtorsdag",
            "3-02Langfredag",
            "3+00Første påskedag",
            "3+01Andre påskedag",
            "00501Offentlig høytidsdag",
            "00517Grunnlovsdag",
            "3+39Kristi himmelfartsdag",
            "3+49Første pinsedag",
            "3+50Andre pinsedag",
            "01225Første juledag",
            "01226Andre juledag",
        }},
        // Zákon č. 245/2000 Sb. o státních svátcích (28 September and 17 November from 2000; Good
        // Friday from 2016 by its amendment of 2015); the holidays law of 1990 (5 and 6 July and
        // 24 December from 1990); 8 May in place of 9 May from 1992.
        {"CZ", QT_TRANSLATE_NOOP("CountrySets", "Czechia"), {
            "00101Nový rok",
            "Y20160000" "3-02Velký pátek",
            "3+01Velikonoční pondělí",
            "00501Svátek práce",
            "Y19920000" "00508Den vítězství",
            "Y00001991" "00509Den osvobození",
            "Y19900000" "00705Den slovanských věrozvěstů Cyrila a Metoděje",
            "Y19900000" "00706Den upálení mistra Jana Husa",
            "Y20000000" "00928Den české státnosti",
            "01028Den vzniku samostatného československého státu",
            "Y20000000" "01117Den boje za svobodu a demokracii",
            "Y19900000" "01224Štědrý den",
            "012251. svátek vánoční",
            "012262. svátek vánoční",
        }},
        // Loi du 4 janvier 1974 relative aux jours fériés, art. 1 (the Communities' own days are
        // kept by their public services only).
        {"BE", QT_TRANSLATE_NOOP("CountrySets", "Belgium"), {
            "00101Nouvel An",
            "3+01Lundi de Pâques",
            "00501Fête du Travail",
            "3+39Ascension",
            "3+50Lundi de Pentecôte",
            "00721Fête nationale",
            "00815Assomption",
            "01101Toussaint",
            "01111Armistice",
            "01225Noël",
        }},
        // Loi fédérale sur le travail art. 20a (1 August, kept as a Sunday by every canton, from
        // 1994) and the days every canton keeps under its own law.
        {"CH", QT_TRANSLATE_NOOP("CountrySets", "Switzerland"), {
            "00101Neujahrstag",
            "3+39Auffahrt",
            "Y19940000" "00801Bundesfeiertag",
            "01225Weihnachtstag",
        }},
        // Code du travail art. L. 232-2 (Europe Day from 2019).
        {"LU", QT_TRANSLATE_NOOP("CountrySets", "Luxembourg"), {
            "00101Jour de l'an",
            "3+01Lundi de Pâques",
            "00501Fête du Travail",
            "Y20190000" "00509Journée de l'Europe",
            "3+39Ascension",
            "3+50Lundi de Pentecôte",
            "00623Fête nationale",
            "00815Assomption",
            "01101Toussaint",
            "01225Noël",
            "01226Saint-Étienne",
        }},
    };
}
