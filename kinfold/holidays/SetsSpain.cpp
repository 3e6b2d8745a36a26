// SPDX-License-Identifier: GPL-3.0-or-later
// The Spanish autonomous communities and the autonomous cities of Ceuta and Melilla.
//
// Each year the Dirección General de Trabajo publishes in the BOE the fiestas laborales every
// community and city sent it (Real Decreto 2001/1983 art. 45.4): for 2024 the Resolución de 23 de
// octubre de 2023 (BOE of 27 October 2023), for 2025 the Resolución de 15 de octubre de 2024 (BOE
// núm. 252, 18 October 2024, BOE-A-2024-21316, https://www.boe.es/eli/es/res/2024/10/15/(1)), for
// 2026 the Resolución de 17 de octubre de 2025 (BOE of 28 October 2025). For 2020 the Resolución de
// 3 de octubre de 2019 (BOE of 11 October 2019, BOE-A-2019-14552), for 2021 the Resolución de 28 de
// octubre de 2020 (BOE of 2 November 2020), for 2022 the resolution in the BOE of 21 October 2021
// (BOE-A-2021-17113), for 2023 the Resolución de 7 de octubre de 2022 (BOE of 14 October 2022,
// https://www.boe.es/eli/es/res/2022/10/07/(2)); the 2021 resolution's BOE-A code was not read. The
// tables of those four resolutions were not read here either: each community's 2020 to 2023 days
// were checked against the summary of each resolution the news agency put out the day it appeared
// (which day a community moved or kept, as Europa Press listed them), against the community's own
// decree or order where one is named beside it, and against the twelve days it keeps (fourteen in
// Ceuta and Melilla); where a summary and a decree differ, the decree is followed and the
// difference noted. A community's set is the ES set and what it chose. The days a community keeps
// year after year (its own day, Maundy Thursday, Easter Monday...) are rules from the first year
// read here, 2020 (2024 for Ceuta and the Canary islands' own days, 2025 for Melilla), on, so that
// the years after the last decree repeat its choices; a day put in for one year only (the Monday
// after a national day on a Sunday, a day in place of one, the moon-dated feasts of Ceuta and
// Melilla, an island's day before 2024) is a one-year date, and an own day on a Sunday is cancelled
// for that year where its calendar moved or left it out. Each community's 2024 to 2026 lists were
// read from its own decree, order or government announcement as named beside it (mostly as the
// press and official bulletins' indexes quote them), and which community kept which Monday in those
// years from the summaries of the three resolutions. Years before 2020 show the national days only;
// so does Melilla in 2021 and 2024 (its calendars of those years were not read), and Ceuta's 2020
// and 2022 show only the days named beside the city's set (2022 without its Eid al-Adha).
#include "holidays/CountrySetData.h"

namespace {
constexpr const char* kMaundyThursday = "Y20200000" "3-03Jueves Santo";
constexpr const char* kMaundyThursdayFrom2024 = "Y20240000" "3-03Jueves Santo";
constexpr const char* kMaundyThursdayFrom2025 = "Y20250000" "3-03Jueves Santo";
constexpr const char* kEasterMonday = "Y20200000" "3+01Lunes de Pascua";
// The Mondays after a national day on a Sunday that a community kept, 2020 to 2023.
constexpr const char* kMondayAfterAllSaints2020 = "920201102Lunes siguiente a Todos los Santos";
constexpr const char* kMondayAfterConstitutionDay2020 = "920201207Lunes siguiente al Día de la Constitución Española";
constexpr const char* kMondayAfterAssumption2021 = "920210816Lunes siguiente a la Asunción de la Virgen";
constexpr const char* kMondayAfterLabourDay2022 = "920220502Lunes siguiente a la Fiesta del Trabajo";
constexpr const char* kMondayAfterChristmas2022 = "920221226Lunes siguiente a la Natividad del Señor";
constexpr const char* kMondayAfterNewYear2023 = "920230102Lunes siguiente a Año Nuevo";
constexpr const char* kMondayAfterImmaculateConception2024 = "920241209Lunes siguiente a la Inmaculada Concepción";
constexpr const char* kMondayAfterOctober12th2025 = "920251013Lunes siguiente a la Fiesta Nacional de España";
constexpr const char* kMondayAfterAllSaints2026 = "920261102Lunes siguiente a Todos los Santos";
constexpr const char* kMondayAfterConstitutionDay2026 = "920261207Lunes siguiente al Día de la Constitución Española";
}  // namespace

std::vector<CountrySet> SpainSets() {
    return {
        // Andalucía: 28 February; Decreto 77/2023, de 4 de abril (BOJA, 11 April 2023), for 2024
        // (the Monday of 9 December); the Mondays of 13 October 2025, 2 November and 7 December 2026
        // (the Consejería de Empleo's resolution of the 2026 calendar, BOJA, October 2025).
        // 2020 to 2023 by the resolutions: the Mondays of 2 November and 7 December 2020, 28 February
        // 2021 moved to Monday 1 March, the Monday of 16 August 2021, of 2 May and 26 December 2022
        // and of 2 January 2023.
        {"ES-AN", QT_TRANSLATE_NOOP("CountrySets", "Spain, Andalusia"), {
            kMondayAfterAllSaints2020,
            kMondayAfterConstitutionDay2020,
            "F20210228Día de Andalucía",
            "920210301Día de Andalucía",
            kMondayAfterAssumption2021,
            kMondayAfterLabourDay2022,
            kMondayAfterChristmas2022,
            kMondayAfterNewYear2023,
            kMondayAfterImmaculateConception2024,
            "Y20200000" "00228Día de Andalucía",
            kMaundyThursday,
            kMondayAfterOctober12th2025,
            kMondayAfterAllSaints2026,
            kMondayAfterConstitutionDay2026,
        }, "ES"},
        // Aragón: San Jorge (Estatuto art. 3.4, Ley 1/1984); the Monday of 9 December 2024; Decreto
        // 94/2024, de 19 de junio, for 2025 (the Monday of 13 October); the Mondays of 2 November
        // and 7 December 2026.
        // 2020 to 2023: the Mondays of 2 November and 7 December 2020, 16 August 2021, 2 May and
        // 26 December 2022, 2 January 2023, and Sunday 23 April 2023 moved to Monday 24 April.
        {"ES-AR", QT_TRANSLATE_NOOP("CountrySets", "Spain, Aragon"), {
            kMondayAfterAllSaints2020,
            kMondayAfterConstitutionDay2020,
            kMondayAfterAssumption2021,
            kMondayAfterLabourDay2022,
            kMondayAfterChristmas2022,
            kMondayAfterNewYear2023,
            "F20230423San Jorge, Día de Aragón",
            "920230424San Jorge, Día de Aragón",
            kMondayAfterImmaculateConception2024,
            kMaundyThursday,
            "Y20200000" "00423San Jorge, Día de Aragón",
            kMondayAfterOctober12th2025,
            kMondayAfterAllSaints2026,
            kMondayAfterConstitutionDay2026,
        }, "ES"},
        // Asturias: 8 September (Ley 5/1984) in place of 19 March or 25 July (Decreto 36/2024, de 26
        // de abril, for 2025); in 2024, with 8 September on a Sunday, the Monday after, and the
        // Monday of 9 December; the Mondays of 13 October 2025, 2 November and 7 December 2026.
        // 2020 to 2023: the Mondays of 2 November and 7 December 2020, 16 August 2021, 2 May and
        // 26 December 2022, 2 January 2023.
        {"ES-AS", QT_TRANSLATE_NOOP("CountrySets", "Spain, Asturias"), {
            kMondayAfterAllSaints2020,
            kMondayAfterConstitutionDay2020,
            kMondayAfterAssumption2021,
            kMondayAfterLabourDay2022,
            kMondayAfterChristmas2022,
            kMondayAfterNewYear2023,
            kMondayAfterImmaculateConception2024,
            "920240909Lunes siguiente al Día de Asturias",
            kMaundyThursday,
            "Y20200000" "00908Día de Asturias",
            kMondayAfterOctober12th2025,
            kMondayAfterAllSaints2026,
            kMondayAfterConstitutionDay2026,
        }, "ES"},
        // Illes Balears: Acuerdo del Consejo de Gobierno de 4 de agosto de 2023 (BOIB), the calendar
        // for 2024 (Easter Monday, no 26 December), and de 3 de mayo de 2024 for 2025 (26 December
        // in place of Sunday 12 October, no Easter Monday); for 2026 the Conselleria de Trabajo's
        // resolution of the calendar (BOIB, October 2025, as Europa Press listed it on 3 October
        // 2025): 1 March moved to Monday 2 March, Easter Monday again, 26 December.
        // 2020 to 2023: Easter Monday every year (none in 2025), 26 December in 2020 and, as the
        // Monday after Christmas, 2022; the Monday of 7 December 2020.
        {"ES-IB", QT_TRANSLATE_NOOP("CountrySets", "Spain, Balearic Islands"), {
            kMondayAfterConstitutionDay2020,
            "920201226Segunda fiesta de Navidad",
            kMondayAfterChristmas2022,
            "Y20202024" "3+01Lunes de Pascua",
            "Y20260000" "3+01Lunes de Pascua",
            "Y20200000" "00301Día de las Illes Balears",
            "F20260301Día de las Illes Balears",
            "920260302Día de las Illes Balears",
            kMaundyThursday,
            "Y20250000" "01226Segunda fiesta de Navidad",
        }, "ES"},
        // Canarias: the Gobierno de Canarias' decree for 2024, Decreto 143/2024, de 16 de septiembre
        // (2025; El Hierro's Bajada on 5 July in place of 24 September), and Decreto 61/2025, de 28
        // de abril (BOC núm. 88, 5 May 2025; 2026: 2 November, and 30 May in place of 7 December).
        // Each island's own day is kept on that island only: the ones on a fixed date repeat as the
        // last decree places them, a day moved to a Monday is a one-year date, and Fuerteventura's
        // and La Gomera's, on weekdays set each year, are given for 2024 to 2026 only.
        // 2020 to 2023: Maundy Thursday and 30 May, except 2021, when 30 May was a Sunday and left
        // out; the Mondays of 7 December 2020, 16 August 2021 and 26 December 2022, no 2 January
        // 2023 (the resolutions' summaries). The islands' days of 2020 by the decree of that year's
        // calendar as a labour blog reproduces it (Tenerife's on 7 September, 2 February being a
        // Sunday), of 2021 and 2023 by the Consejo de Gobierno's projects of decree as the
        // press gives them (La Provincia, 9 August 2022, for 2023; for 2022 the project the
        // Consejo de Gobierno approved on 23 June 2021, as Secret Tenerife reported it the next
        // day: Fuerteventura's on Friday 16 September, La Gomera's on Monday 3 October, El
        // Hierro's on Saturday 24 September; Gran Canaria's 8 September as La Vanguardia's 2022
        // calendar of that island gives it).
        {"ES-CN", QT_TRANSLATE_NOOP("CountrySets", "Spain, Canary Islands"), {
            kMondayAfterConstitutionDay2020,
            kMondayAfterAssumption2021,
            "920200805Nuestra Señora de las Nieves (La Palma)",
            "920200907Bajada de la Virgen del Socorro (Tenerife)",
            "920200908Nuestra Señora del Pino (Gran Canaria)",
            "920200915Nuestra Señora de los Dolores (Lanzarote)",
            "920200918Nuestra Señora de la Peña (Fuerteventura)",
            "920200924Nuestra Señora de los Reyes (El Hierro)",
            "920201005Nuestra Señora de Guadalupe (La Gomera)",
            "F20210530Día de Canarias",
            "920210202Virgen de la Candelaria (Tenerife)",
            "920210703Bajada de la Virgen de los Reyes (El Hierro)",
            "920210805Nuestra Señora de las Nieves (La Palma)",
            "920210908Nuestra Señora del Pino (Gran Canaria)",
            "920210915Nuestra Señora de los Volcanes (Lanzarote)",
            "920210917Nuestra Señora de la Peña (Fuerteventura)",
            "920211004Nuestra Señora de Guadalupe (La Gomera)",
            kMondayAfterChristmas2022,
            "920220202Virgen de la Candelaria (Tenerife)",
            "920220805Nuestra Señora de las Nieves (La Palma)",
            "920220908Nuestra Señora del Pino (Gran Canaria)",
            "920220915Nuestra Señora de los Volcanes (Lanzarote, La Graciosa)",
            "920220916Nuestra Señora de la Peña (Fuerteventura)",
            "920220924Nuestra Señora de los Reyes (El Hierro)",
            "920221003Nuestra Señora de Guadalupe (La Gomera)",
            "920230202Virgen de la Candelaria (Tenerife)",
            "920230805Nuestra Señora de las Nieves (La Palma)",
            "920230908Nuestra Señora del Pino (Gran Canaria)",
            // One day names one holiday, so the two islands' feasts of 15 September share it.
            "920230915Nuestra Señora de los Volcanes (Lanzarote, La Graciosa), "
            "Nuestra Señora de la Peña (Fuerteventura)",
            "920230925Nuestra Señora de los Reyes (El Hierro)",
            "920231009Nuestra Señora de Guadalupe (La Gomera)",
            "920240202Virgen de la Candelaria (Tenerife)",
            "920240909Nuestra Señora del Pino (Gran Canaria)",
            "920240916Nuestra Señora de los Volcanes (Lanzarote, La Graciosa)",
            "920240920Nuestra Señora de la Peña (Fuerteventura)",
            "920241007Nuestra Señora de Guadalupe (La Gomera)",
            kMaundyThursday,
            "Y20200000" "00530Día de Canarias",
            kMondayAfterAllSaints2026,
            "920250203Virgen de la Candelaria (Tenerife)",
            "Y20260000" "00202Virgen de la Candelaria (Tenerife)",
            "920250705Bajada de la Virgen de los Reyes (El Hierro)",
            "Y20240000" "00924Nuestra Señora de los Reyes (El Hierro)",
            "F20250924Nuestra Señora de los Reyes (El Hierro)",
            "Y20240000" "00805Nuestra Señora de las Nieves (La Palma)",
            "920250908Nuestra Señora del Pino (Gran Canaria)",
            "Y20260000" "00908Nuestra Señora del Pino (Gran Canaria)",
            "920250915Nuestra Señora de los Volcanes (Lanzarote, La Graciosa)",
            "Y20260000" "00915Nuestra Señora de los Volcanes (Lanzarote, La Graciosa)",
            "920250919Nuestra Señora de la Peña (Fuerteventura)",
            "920260918Nuestra Señora de la Peña (Fuerteventura)",
            "920251006Nuestra Señora de Guadalupe (La Gomera)",
            "920261005Nuestra Señora de Guadalupe (La Gomera)",
        }, "ES"},
        // Cantabria: the Consejería de Industria, Empleo, Innovación y Comercio's order of the 2024
        // calendar (Easter Monday in place of Sunday 8 December, and 25 July, 28 July and
        // 15 September being Sundays); Orden IND/39/2024, de 29 de julio (BOC, 5 August 2024), for
        // 2025: 28 July in place of the Monday after 12 October, La Bien Aparecida in place of
        // 19 March or 25 July; for 2026 Maundy Thursday, 28 July, 15 September and the Monday of
        // 7 December, no Easter Monday (the 2026 order as the press lists it).
        // 2020 to 2023: 28 July and 15 September every year, Easter Monday in 2020 only (Orden
        // EPS/22/2020 for 2021; the Consejería de Empleo's order for 2023), the Monday of
        // 26 December 2022.
        {"ES-CB", QT_TRANSLATE_NOOP("CountrySets", "Spain, Cantabria"), {
            "920200413Lunes de Pascua",
            kMondayAfterChristmas2022,
            "920240401Lunes de Pascua",
            "920240725Santiago Apóstol",
            kMaundyThursday,
            "Y20200000" "00728Día de las Instituciones de Cantabria",
            "Y20200000" "00915La Bien Aparecida",
            kMondayAfterConstitutionDay2026,
        }, "ES"},
        // Castilla y León: 23 April; the Mondays of 9 December 2024, 13 October 2025, 2 November and
        // 7 December 2026 (the Junta's decree of the 2026 calendar).
        // 2020 to 2023: the Mondays of 2 November and 7 December 2020, 16 August 2021, 2 May and
        // 26 December 2022, 2 January 2023; in 2023 25 July in place of Sunday 23 April, which was not
        // moved (the Junta's calendar of 2023 as the press gives it).
        {"ES-CL", QT_TRANSLATE_NOOP("CountrySets", "Spain, Castile and León"), {
            kMondayAfterAllSaints2020,
            kMondayAfterConstitutionDay2020,
            kMondayAfterAssumption2021,
            kMondayAfterLabourDay2022,
            kMondayAfterChristmas2022,
            kMondayAfterNewYear2023,
            "F20230423Fiesta de Castilla y León",
            "920230725Santiago Apóstol",
            kMondayAfterImmaculateConception2024,
            kMaundyThursday,
            "Y20200000" "00423Fiesta de Castilla y León",
            kMondayAfterOctober12th2025,
            kMondayAfterAllSaints2026,
            kMondayAfterConstitutionDay2026,
        }, "ES"},
        // Castilla-La Mancha: the Junta's decrees of the 2024 and 2025 calendars (31 May and Corpus
        // Christi); Decreto 44/2025, de 17 de junio, for 2026 (31 May a Sunday, so Easter Monday;
        // 2 November).
        // 2020 to 2023: Corpus Christi every year, 31 May from 2021; in 2020, with 31 May a Sunday
        // and left out, 19 March and Easter Monday (Decreto 228/2019, DOCM, as the press quotes
        // it; the 2020 resolution's summary names Castilla-La Mancha among the communities with
        // the Monday of 2 November, which would make thirteen days, where Castilla y León keeps
        // it); the Monday of 26 December 2022. In 2026 too 31 May is a Sunday and left out.
        {"ES-CM", QT_TRANSLATE_NOOP("CountrySets", "Spain, Castilla-La Mancha"), {
            "920200319San José",
            "920200413Lunes de Pascua",
            "F20200531Día de Castilla-La Mancha",
            kMondayAfterChristmas2022,
            kMaundyThursday,
            "920260406Lunes de Pascua",
            "F20260531Día de Castilla-La Mancha",
            "Y20200000" "00531Día de Castilla-La Mancha",
            "Y20200000" "3+60Corpus Christi",
            kMondayAfterAllSaints2026,
        }, "ES"},
        // Catalunya: Ordre EMT/85/2024 (calendari oficial de festes laborals 2025) and the 2026
        // calendar of the Departament d'Empresa i Treball, the same days (2024's order was not read
        // here; the 2024 resolution's summary gives it the same days); the Diada by Llei 1/1980.
        // In Aran 17 June takes the place of 26 December.
        // 2020 to 2023 the same days, and in 2022, with 11 September a Sunday, Whit Monday (Ordre
        // EMT/138/2021, de 25 de juny, DOGC núm. 8446, 30 June 2021); for 2023 Ordre EMT/81/2022,
        // de 21 d'abril: thirteen days, one of 6 January, Easter Monday, 24 June and 26 December
        // recuperable as each workplace chooses, so all four are shown.
        {"ES-CT", QT_TRANSLATE_NOOP("CountrySets", "Spain, Catalonia"), {
            "920220606Dilluns de Pasqua Granada",
            "Y20200000" "3+01Dilluns de Pasqua Florida",
            "Y20200000" "00624Sant Joan",
            "Y19800000" "00911Diada Nacional de Catalunya",
            "Y20200000" "01226Sant Esteve",
        }, "ES"},
        // Extremadura: its decree of the 2025 calendar (DOE, May 2024), 8 September by the
        // Estatuto; in 2024 Carnival Tuesday (13 February), 8 September being a Sunday, and the
        // Monday of 9 December; the Mondays of 13 October 2025, 2 November and 7 December 2026.
        // 2020 to 2023: the Mondays of 2 November and 7 December 2020, 19 March 2021, the Mondays of
        // 2 May and 26 December 2022, Carnival Tuesday (21 February) 2023.
        {"ES-EX", QT_TRANSLATE_NOOP("CountrySets", "Spain, Extremadura"), {
            kMondayAfterAllSaints2020,
            kMondayAfterConstitutionDay2020,
            "920210319San José",
            kMondayAfterLabourDay2022,
            kMondayAfterChristmas2022,
            "920230221Martes de Carnaval",
            "920240213Martes de Carnaval",
            kMondayAfterImmaculateConception2024,
            kMaundyThursday,
            "Y20200000" "00908Día de Extremadura",
            kMondayAfterOctober12th2025,
            kMondayAfterAllSaints2026,
            kMondayAfterConstitutionDay2026,
        }, "ES"},
        // Galicia: 17 May and 25 July (Decreto 8/1978; the Xunta's calendars of 2024 and 2025); for
        // 2026, with 17 May, 1 November and
        // 6 December on Sundays, 19 March and 24 June in place of the two national days (the
        // Xunta's decree of the 2026 calendar, DOG of 20 June 2025).
        // 2020 to 2023: 25 July every year, 17 May from 2021 (in 2020, a Sunday, it was not kept;
        // 19 March and 24 June took the places of Sundays 1 November and 6 December, the Xunta's
        // decree of the 2020 calendar, June 2019, as the press gives it), 19 March in 2021, 24 June
        // in 2022 (Decreto 97/2021, de 10 de junio); Decreto 139/2022, de 21 de julio, for 2023.
        {"ES-GA", QT_TRANSLATE_NOOP("CountrySets", "Spain, Galicia"), {
            "920200319San José",
            "920200624San Juan",
            "920210319San José",
            "920220624San Juan",
            "920260319San José",
            kMaundyThursday,
            "Y20210000" "00517Día de las Letras Gallegas",
            "920260624San Juan",
            "Y20200000" "00725Día Nacional de Galicia",
        }, "ES"},
        // Comunidad de Madrid: 2 May; 25 July in 2024 and 2025 (the Consejo de Gobierno's decrees of
        // those calendars); the decree of the 2026 calendar (no 25 July, the Mondays of 2 November
        // and 7 December).
        // 2020 to 2023: the Mondays of 2 November and 7 December 2020; 19 March and Sunday 2 May
        // moved to Monday 3 May in 2021 (the Consejo de Gobierno's calendar of 2021); 25 July and
        // the Monday of 26 December 2022; the Monday of 20 March 2023.
        {"ES-MD", QT_TRANSLATE_NOOP("CountrySets", "Spain, Madrid"), {
            kMondayAfterAllSaints2020,
            kMondayAfterConstitutionDay2020,
            "920210319San José",
            "F20210502Fiesta de la Comunidad de Madrid",
            "920210503Fiesta de la Comunidad de Madrid",
            "920220725Santiago Apóstol",
            kMondayAfterChristmas2022,
            "920230320Lunes siguiente a San José",
            "920240725Santiago Apóstol",
            kMaundyThursday,
            "Y20200000" "00502Fiesta de la Comunidad de Madrid",
            "920250725Santiago Apóstol",
            kMondayAfterAllSaints2026,
            kMondayAfterConstitutionDay2026,
        }, "ES"},
        // Región de Murcia: Resolución de 2 de agosto de 2024 de la Dirección General de Trabajo
        // (BORM; 19 March, and 9 June in place of the Monday after 12 October); the Mondays of
        // 9 December 2024 and 7 December 2026.
        // 2020 to 2023: 19 March in 2020 and 2021, the Monday of 7 December 2020, of 2 May and
        // 26 December 2022 and of 2 January 2023.
        {"ES-MC", QT_TRANSLATE_NOOP("CountrySets", "Spain, Murcia"), {
            "920200319San José",
            kMondayAfterConstitutionDay2020,
            "920210319San José",
            kMondayAfterLabourDay2022,
            kMondayAfterChristmas2022,
            kMondayAfterNewYear2023,
            kMondayAfterImmaculateConception2024,
            "Y20240000" "00319San José",
            kMaundyThursday,
            "Y20200000" "00609Día de la Región de Murcia",
            kMondayAfterConstitutionDay2026,
        }, "ES"},
        // Navarra: the 2024 calendar taken as the 2025 one (only its 25 July and 3 December were
        // read here); Resolución 493/2024, de 12 de junio (2025; 3 December, San Francisco Javier,
        // counts as one of the two local days but is kept in the whole community); for 2026 the
        // weekday holidays the Gobierno de Navarra's decree of 18 December 2025 on the días inhábiles
        // names (19 March in place of 25 July, a Saturday; the Monday of 2 November), the labour
        // calendar's own resolution not read here.
        // 2020 to 2023: Easter Monday every year, 25 July from 2022 (a Saturday and a Sunday
        // before), 19 March in 2020 and 2021, the Mondays of 7 December 2020 and 26 December 2022
        // (the Gobierno de Navarra's calendar of 2022, May 2021, as the press gives it).
        {"ES-NC", QT_TRANSLATE_NOOP("CountrySets", "Spain, Navarre"), {
            "920200319San José",
            kMondayAfterConstitutionDay2020,
            "920210319San José",
            kMondayAfterChristmas2022,
            "920260319San José",
            "F20260725Santiago Apóstol",
            kMaundyThursday,
            kEasterMonday,
            "Y20220000" "00725Santiago Apóstol",
            kMondayAfterAllSaints2026,
            "Y20200000" "01203San Francisco Javier",
        }, "ES"},
        // País Vasco: the Gobierno Vasco's calendars for 2024 and 2025 (Consejo de Gobierno,
        // 23 April 2024;
        // the same days as 2024, no own day since 25 October was dropped in 2013) and Decreto
        // 82/2025, de 8 de abril (BOPV, 25 April 2025), for 2026, with 19 March in place of the
        // national days on Sundays.
        // 2020 to 2023: Easter Monday every year, 19 March in 2020 and 2021, 25 July on Saturday
        // 2020 and from 2022; 6 September 2022 for the fifth centenary of the first voyage round the
        // world, in place of Sunday 25 December (the Consejo de Gobierno's calendar of 2022, approved
        // on 4 May 2021, as the press gives it).
        {"ES-PV", QT_TRANSLATE_NOOP("CountrySets", "Spain, Basque Country"), {
            "920200319San José",
            "920200725Santiago Apóstol",
            "920210319San José",
            "920220906V Centenario de la primera vuelta al mundo",
            "920260319San José",
            kMaundyThursday,
            kEasterMonday,
            "Y20220000" "00725Santiago Apóstol",
        }, "ES"},
        // La Rioja: the Consejo de Gobierno's calendar for 2024 (Easter Monday; 10 June, the Monday
        // after Sunday 9 June, in place of Sunday 8 December); the days the Consejo Riojano de
        // Relaciones Laborales proposed for 2025 (9 June in
        // place of Sunday 12 October, Easter Monday as the day for 19 March or 25 July); the Monday
        // of 7 December 2026.
        // 2020 to 2023: Easter Monday and 9 June every year, the Mondays of 7 December 2020 and
        // 26 December 2022.
        {"ES-RI", QT_TRANSLATE_NOOP("CountrySets", "Spain, La Rioja"), {
            kMondayAfterConstitutionDay2020,
            kMondayAfterChristmas2022,
            "920240610Lunes siguiente al Día de La Rioja",
            kMaundyThursday,
            kEasterMonday,
            "Y20200000" "00609Día de La Rioja",
            kMondayAfterConstitutionDay2026,
        }, "ES"},
        // Comunitat Valenciana: the Consell's decree for 2024 (comunica.gva.es, 29 September 2023)
        // and Decreto 100/2024, de 2 de agosto, del Consell (2025; no Maundy Thursday;
        // 24 June, a recuperable day in 2025, left out that year) and the Consell's decree of the
        // 2026 calendar (24 June a full holiday, after Les Corts declared the Fogueres de Sant Joan
        // a regional festivity).
        // 2020 to 2023: 19 March, Easter Monday and 9 October by the rules; 24 June in 2020 (the
        // twelfth day the 2020 resolution's summaries leave), 2022 and 2023, a recuperable day in
        // 2021 (Decreto 158/2020, de 23 de octubre); Maundy Thursday in 2022 only, when Sunday
        // 9 October was not kept (the Consell's decree of 2022); Decreto 130/2022, de 30 de
        // septiembre, for 2023, without Sunday 19 March.
        {"ES-VC", QT_TRANSLATE_NOOP("CountrySets", "Spain, Valencian Community"), {
            "920200624San Juan",
            "920220414Jueves Santo",
            "920220624San Juan",
            "F20221009Día de la Comunitat Valenciana",
            "F20230319San José",
            "920230624San Juan",
            "Y20200000" "00319San José",
            kEasterMonday,
            "Y20260000" "00624San Juan",
            "Y20200000" "01009Día de la Comunitat Valenciana",
        }, "ES"},
        // Ceuta: the city fixes all its days (for 2024 the Consejo de Gobierno's calendar and the
        // Asamblea's plenary of 28 September 2023, as the local press gives them, 2 September a
        // working day; Decreto de la Presidencia de 19 de septiembre de 2024, BOCCE, for 2025; the
        // city's calendar for 2026, with the Día de Ceuta); the two Eids as the city dated them,
        // not repeated after 2026. For 2023 the Asamblea's plenary of September 2022 (as the local
        // press gives it: Saturday 2 September a recuperable day, left out here, and the end of
        // Ramadan on the Saturday then foreseen). For 2021 the Consejería de Hacienda's proposal
        // to the Pleno (July 2020, as the local press gives it, the days of the years before):
        // Maundy Thursday, the Monday after San Antonio, Eid al-Adha on 20 July, 5 August and
        // 2 September. For 2022 the model the Pleno adopted in September 2021 (Reyes, Maundy
        // Thursday, San Antonio, the Patrona and both Eids every year, no day on a Sunday moved to
        // the Monday), with the end of Ramadan on 3 May as Melilla's. Its President's decree
        // of that year's twelve other days (El Faro de Ceuta, on Vox's appeal of it to the TSJA,
        // 2022) named Reyes, Maundy Thursday, the Eid al-Adha, the Patrona and the Día de Ceuta
        // (Friday 2 September); the date it gave the Eid was not read, so that day is missing.
        // For 2020 only the Monday of 7 December, which the resolution's summary names; the
        // city's calendar of that year was not read.
        {"ES-CE", QT_TRANSLATE_NOOP("CountrySets", "Spain, Ceuta"), {
            kMondayAfterConstitutionDay2020,
            "920210401Jueves Santo",
            "920210614Lunes siguiente a San Antonio",
            "920210720Eid al-Adha",
            "920210805Nuestra Señora de África",
            "920210902Día de Ceuta",
            "920220414Jueves Santo",
            "920220503Eid al-Fitr",
            "920220613San Antonio",
            "920220805Nuestra Señora de África",
            "920220902Día de Ceuta",
            "920230406Jueves Santo",
            "920230422Eid al-Fitr",
            "920230613San Antonio",
            "920230629Eid al-Adha",
            "920230805Nuestra Señora de África",
            "920240410Eid al-Fitr",
            "920250331Eid al-Fitr",
            "920260320Eid al-Fitr",
            kMaundyThursdayFrom2024,
            "920240617Eid al-Adha",
            "920250606Eid al-Adha",
            "920260527Eid al-Adha",
            "Y20240000" "00613San Antonio",
            "Y20240000" "00805Nuestra Señora de África",
            "Y20260000" "00902Día de Ceuta",
        }, "ES"},
        // Melilla: the Consejo de Gobierno's calendar of 27 September 2024 for 2025 (its own days 8
        // and 17 September); its calendar of 19 September 2025 for 2026 (BOME núm. 6315, 3 October
        // 2025): the two Eids, the Monday of 7 December, and no 12 October, which Eid al-Fitr
        // replaces. Its 2024 calendar was not found; that year shows the national days only. For 2022
        // (the Consejo de Gobierno's calendar as the press gives it) Maundy Thursday, the two Eids,
        // 8 September, Saturday 17 September and the Monday of 26 December; for 2023 (its calendar
        // of 29 September 2022, BOME) Maundy Thursday, 13 March, the two Eids and 8 September, not
        // Sunday 17 September. For 2020 the Consejo de Gobierno's calendar (as Melilla Hoy gives it,
        // September 2019): 13 March for the first time, Maundy Thursday, Eid al-Adha on 31 July,
        // 8 and 17 September and the Monday of 7 December, not that of 2 November. Its 2021
        // calendar was not read.
        {"ES-ML", QT_TRANSLATE_NOOP("CountrySets", "Spain, Melilla"), {
            "920200313Día del Estatuto de Autonomía",
            "920200409Jueves Santo",
            "920200731Eid al-Adha",
            "920200908Virgen de la Victoria",
            "920200917Día de Melilla",
            kMondayAfterConstitutionDay2020,
            "920220414Jueves Santo",
            "920220503Eid al-Fitr",
            "920220711Eid al-Adha",
            "920220908Virgen de la Victoria",
            "920220917Día de Melilla",
            kMondayAfterChristmas2022,
            "920230313Día del Estatuto de Autonomía",
            "920230406Jueves Santo",
            "920230421Eid al-Fitr",
            "920230629Eid al-Adha",
            "920230908Virgen de la Victoria",
            "F20261012Fiesta Nacional de España",
            "920250331Eid al-Fitr",
            "920260320Eid al-Fitr",
            kMaundyThursdayFrom2025,
            "920250606Eid al-Adha",
            "920260527Eid al-Adha",
            "Y20250000" "00908Virgen de la Victoria",
            "Y20250000" "00917Día de Melilla",
            kMondayAfterConstitutionDay2026,
        }, "ES"},
    };
}
