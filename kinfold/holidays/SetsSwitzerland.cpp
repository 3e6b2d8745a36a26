// SPDX-License-Identifier: GPL-3.0-or-later
// The Swiss cantons. Each canton names its own public holidays (up to eight of them kept as Sundays
// under the Arbeitsgesetz art. 20a, others as public rest days); a canton's set is the four days
// every canton keeps (the CH set) and its own. Easter Sunday, Whit Sunday and the Federal Fast, on
// Sundays anyway, are left out. French- and Italian-speaking cantons name the four in their
// language; a day kept only in part of a canton is in its set.
#include "holidays/CountrySetData.h"

namespace {
// The four days of the CH set, by the names its lines carry.
const std::vector<const char*> kFederalFour = {"Neujahrstag", "Auffahrt", "Bundesfeiertag", "Weihnachtstag"};
}  // namespace

std::vector<CountrySet> SwitzerlandSets() {
    return {
        // Aargau: Einführungsgesetz zum Arbeitsrecht (SAR 961.200) § 6, district by district (the
        // Catholic districts keep Corpus Christi, the Assumption, All Saints or the Immaculate
        // Conception in place of 2 January, Easter Monday, Whit Monday or St Stephen's Day), as a
        // lawyer's summary of § 6 gives it; the official text was not read here. 2 January and
        // 26 December are working days when New Year's Day or Christmas falls on a Friday or a
        // Monday (year by year to 2100).
        {"CH-AG", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Aargau"), {
            "00102Berchtoldstag",
            "3-02Karfreitag",
            "3+01Ostermontag",
            "3+50Pfingstmontag",
            "3+60Fronleichnam",
            "00815Mariä Himmelfahrt",
            "01101Allerheiligen",
            "01208Mariä Empfängnis",
            "01226Stephanstag",
            "F19701226Stephanstag", "F19710102Berchtoldstag", "F19721226Stephanstag", "F19730102Berchtoldstag",
            "F19781226Stephanstag", "F19790102Berchtoldstag", "F19811226Stephanstag", "F19820102Berchtoldstag",
            "F19871226Stephanstag", "F19880102Berchtoldstag", "F19891226Stephanstag", "F19900102Berchtoldstag",
            "F19921226Stephanstag", "F19930102Berchtoldstag", "F19951226Stephanstag", "F19960102Berchtoldstag",
            "F19981226Stephanstag", "F19990102Berchtoldstag", "F20001226Stephanstag", "F20010102Berchtoldstag",
            "F20061226Stephanstag", "F20070102Berchtoldstag", "F20091226Stephanstag", "F20100102Berchtoldstag",
            "F20151226Stephanstag", "F20160102Berchtoldstag", "F20171226Stephanstag", "F20180102Berchtoldstag",
            "F20201226Stephanstag", "F20210102Berchtoldstag", "F20231226Stephanstag", "F20240102Berchtoldstag",
            "F20261226Stephanstag", "F20270102Berchtoldstag", "F20281226Stephanstag", "F20290102Berchtoldstag",
            "F20341226Stephanstag", "F20350102Berchtoldstag", "F20371226Stephanstag", "F20380102Berchtoldstag",
            "F20431226Stephanstag", "F20440102Berchtoldstag", "F20451226Stephanstag", "F20460102Berchtoldstag",
            "F20481226Stephanstag", "F20490102Berchtoldstag", "F20511226Stephanstag", "F20520102Berchtoldstag",
            "F20541226Stephanstag", "F20550102Berchtoldstag", "F20561226Stephanstag", "F20570102Berchtoldstag",
            "F20621226Stephanstag", "F20630102Berchtoldstag", "F20651226Stephanstag", "F20660102Berchtoldstag",
            "F20711226Stephanstag", "F20720102Berchtoldstag", "F20731226Stephanstag", "F20740102Berchtoldstag",
            "F20761226Stephanstag", "F20770102Berchtoldstag", "F20791226Stephanstag", "F20800102Berchtoldstag",
            "F20821226Stephanstag", "F20830102Berchtoldstag", "F20841226Stephanstag", "F20850102Berchtoldstag",
            "F20901226Stephanstag", "F20910102Berchtoldstag", "F20931226Stephanstag", "F20940102Berchtoldstag",
            "F20991226Stephanstag", "F21000102Berchtoldstag",
        }, "CH"},
        // Appenzell Innerrhoden: Ruhetagsgesetz (GS 822.200) Art. 2, as the canton lists its days
        // (ai.ch, Feiertage / Ruhetage): St Stephen's Day not when it would make three rest days in a
        // row (Christmas on a Monday, given here year by year to 2100); the Assumption, All Saints,
        // the Immaculate Conception and, in the inner part, St Maurice are local rest days.
        {"CH-AI", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Appenzell Innerrhoden"), {
            "3-02Karfreitag",
            "3+01Ostermontag",
            "3+50Pfingstmontag",
            "3+60Fronleichnam",
            "00815Mariä Himmelfahrt",
            "00922St. Mauritius",
            "01101Allerheiligen",
            "01208Mariä Empfängnis",
            "01226Stephanstag",
            "F19721226Stephanstag", "F19781226Stephanstag", "F19891226Stephanstag", "F19951226Stephanstag",
            "F20001226Stephanstag", "F20061226Stephanstag", "F20171226Stephanstag", "F20231226Stephanstag",
            "F20281226Stephanstag", "F20341226Stephanstag", "F20451226Stephanstag", "F20511226Stephanstag",
            "F20561226Stephanstag", "F20621226Stephanstag", "F20731226Stephanstag", "F20791226Stephanstag",
            "F20841226Stephanstag", "F20901226Stephanstag",
        }, "CH"},
        // Appenzell Ausserrhoden: the days the canton lists (hallo-ar.ch, Öffnungszeiten /
        // Feiertage) under its ordinance to the Arbeitsgesetz, the text of which was not read here:
        // St Stephen's Day not when Christmas falls on a Monday or a Friday (year by year to 2100).
        {"CH-AR", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Appenzell Ausserrhoden"), {
            "3-02Karfreitag",
            "3+01Ostermontag",
            "3+50Pfingstmontag",
            "01226Stephanstag",
            "F19701226Stephanstag", "F19721226Stephanstag", "F19781226Stephanstag", "F19811226Stephanstag",
            "F19871226Stephanstag", "F19891226Stephanstag", "F19921226Stephanstag", "F19951226Stephanstag",
            "F19981226Stephanstag", "F20001226Stephanstag", "F20061226Stephanstag", "F20091226Stephanstag",
            "F20151226Stephanstag", "F20171226Stephanstag", "F20201226Stephanstag", "F20231226Stephanstag",
            "F20261226Stephanstag", "F20281226Stephanstag", "F20341226Stephanstag", "F20371226Stephanstag",
            "F20431226Stephanstag", "F20451226Stephanstag", "F20481226Stephanstag", "F20511226Stephanstag",
            "F20541226Stephanstag", "F20561226Stephanstag", "F20621226Stephanstag", "F20651226Stephanstag",
            "F20711226Stephanstag", "F20731226Stephanstag", "F20761226Stephanstag", "F20791226Stephanstag",
            "F20821226Stephanstag", "F20841226Stephanstag", "F20901226Stephanstag", "F20931226Stephanstag",
            "F20991226Stephanstag",
        }, "CH"},
        // Bern: Gesetz über die Ruhe an öffentlichen Feiertagen (BSG 555.1) Art. 2.
        {"CH-BE", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Bern"), {
            "00102Berchtoldstag",
            "3-02Karfreitag",
            "3+01Ostermontag",
            "3+50Pfingstmontag",
            "01226Stephanstag",
        }, "CH"},
        // Basel-Landschaft: Ruhetagsgesetz (revised 2010, Landrat Vorlage 2010/061), the law's text
        // not read here; the nine days the canton's newcomers' portal lists as equal to Sundays
        // (hallo-baselland.ch, Öffnungszeiten / Feiertage). Corpus Christi, the Assumption and All
        // Saints, which its municipalities may keep as local days, are left out.
        {"CH-BL", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Basel-Landschaft"), {
            "3-02Karfreitag",
            "3+01Ostermontag",
            "00501Tag der Arbeit",
            "3+50Pfingstmontag",
            "01226Stephanstag",
        }, "CH"},
        // Basel-Stadt: the canton's list of its nine legal holidays (bs.ch, Feiertage im Kanton
        // Basel-Stadt).
        {"CH-BS", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Basel-Stadt"), {
            "3-02Karfreitag",
            "3+01Ostermontag",
            "00501Tag der Arbeit",
            "3+50Pfingstmontag",
            "01226Stephanstag",
        }, "CH"},
        // Fribourg: the canton's list of its nine holidays (fr.ch, jour férié): the Catholic part keeps
        // Corpus Christi, the Assumption, All Saints and the Immaculate Conception, the Reformed
        // part (Murten, Kerzers and their neighbours) 2 January, Easter Monday, Whit Monday and
        // St Stephen's Day; both are in the set.
        {"CH-FR", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Fribourg"), {
            "00101Nouvel An",
            "3+39Ascension",
            "Y19940000" "00801Fête nationale",
            "01225Noël",
            "00102Lendemain du Nouvel An",
            "3-02Vendredi saint",
            "3+01Lundi de Pâques",
            "3+50Lundi de Pentecôte",
            "3+60Fête-Dieu",
            "00815Assomption",
            "01101Toussaint",
            "01208Immaculée Conception",
            "01226Saint-Étienne",
        }, "CH", kFederalFour},
        // Geneva: Loi sur les jours fériés (J 1 45) art. 1 (the Jeûne genevois on the Thursday after
        // the first Sunday of September; 31 December for the Restoration of the Republic).
        {"CH-GE", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Geneva"), {
            "00101Nouvel An",
            "3+39Ascension",
            "Y19940000" "00801Fête nationale",
            "01225Noël",
            "3-02Vendredi saint",
            "3+01Lundi de Pâques",
            "3+50Lundi de Pentecôte",
            "709054Jeûne genevois",
            "01231Restauration de la République",
        }, "CH", kFederalFour},
        // Glarus: Ruhetagsgesetz vom 6. Mai 2012 Art. 2 as the canton lists its days (gl.ch,
        // Feiertagsregelung; Whit Monday a rest day only; no 2 January); the Näfelser Fahrt on the
        // first Thursday of April, a week later when that is Maundy Thursday (the government's
        // yearly notice), given here year by year to 2100.
        {"CH-GL", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Glarus"), {
            "10414Näfelser Fahrt",
            "F19770407Näfelser Fahrt", "919770414Näfelser Fahrt",
            "F19800403Näfelser Fahrt", "919800410Näfelser Fahrt",
            "F19850404Näfelser Fahrt", "919850411Näfelser Fahrt",
            "F19960404Näfelser Fahrt", "919960411Näfelser Fahrt",
            "F19990401Näfelser Fahrt", "919990408Näfelser Fahrt",
            "F20070405Näfelser Fahrt", "920070412Näfelser Fahrt",
            "F20100401Näfelser Fahrt", "920100408Näfelser Fahrt",
            "F20120405Näfelser Fahrt", "920120412Näfelser Fahrt",
            "F20150402Näfelser Fahrt", "920150409Näfelser Fahrt",
            "F20210401Näfelser Fahrt", "920210408Näfelser Fahrt",
            "F20230406Näfelser Fahrt", "920230413Näfelser Fahrt",
            "F20260402Näfelser Fahrt", "920260409Näfelser Fahrt",
            "F20340406Näfelser Fahrt", "920340413Näfelser Fahrt",
            "F20370402Näfelser Fahrt", "920370409Näfelser Fahrt",
            "F20390407Näfelser Fahrt", "920390414Näfelser Fahrt",
            "F20420403Näfelser Fahrt", "920420410Näfelser Fahrt",
            "F20450406Näfelser Fahrt", "920450413Näfelser Fahrt",
            "F20480402Näfelser Fahrt", "920480409Näfelser Fahrt",
            "F20500407Näfelser Fahrt", "920500414Näfelser Fahrt",
            "F20530403Näfelser Fahrt", "920530410Näfelser Fahrt",
            "F20610407Näfelser Fahrt", "920610414Näfelser Fahrt",
            "F20640403Näfelser Fahrt", "920640410Näfelser Fahrt",
            "F20720407Näfelser Fahrt", "920720414Näfelser Fahrt",
            "F20750404Näfelser Fahrt", "920750411Näfelser Fahrt",
            "F20800404Näfelser Fahrt", "920800411Näfelser Fahrt",
            "F20830401Näfelser Fahrt", "920830408Näfelser Fahrt",
            "F20910405Näfelser Fahrt", "920910412Näfelser Fahrt",
            "F20940401Näfelser Fahrt", "920940408Näfelser Fahrt",
            "3-02Karfreitag",
            "3+01Ostermontag",
            "3+50Pfingstmontag",
            "01101Allerheiligen",
            "01226Stephanstag",
        }, "CH"},
        // Graubünden: Ruhetagsgesetz (BR 520.100) Art. 2; its municipalities may add confessional
        // days of their own, which are left out.
        {"CH-GR", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Graubünden"), {
            "3-02Karfreitag",
            "3+01Ostermontag",
            "3+50Pfingstmontag",
            "01226Stephanstag",
        }, "CH"},
        // Jura: Loi sur les jours fériés officiels et le repos dominical du 31 août 2022 art. 3 (the
        // 23 June of the 1974 plebiscite kept from the canton's first year, 1979).
        {"CH-JU", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Jura"), {
            "00101Nouvel An",
            "3+39Ascension",
            "Y19940000" "00801Fête nationale",
            "01225Noël",
            "00102Lendemain du Nouvel An",
            "3-02Vendredi saint",
            "3+01Lundi de Pâques",
            "00501Fête du travail",
            "3+50Lundi de Pentecôte",
            "3+60Fête-Dieu",
            "Y19790000" "00623Commémoration du plébiscite",
            "00815Assomption",
            "01101Toussaint",
        }, "CH", kFederalFour},
        // Lucerne: Ruhetags- und Ladenschlussgesetz (SRL 855) § 1a Abs. 1 lit. b, as amended to 1 May
        // 2020: Neujahr, Karfreitag, Auffahrt, Fronleichnam, Bundesfeiertag, Mariä Himmelfahrt,
        // Allerheiligen, Mariä Empfängnis and Christmas, in calendar order with no Easter Monday or
        // Whit Monday, which are therefore left out though many calendars list them. The list's end
        // was not read here; St Stephen's Day is taken from the canton's published calendars, not
        // from § 1a itself. St Joseph and the patron saints' days are the municipalities' to declare.
        {"CH-LU", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Lucerne"), {
            "3-02Karfreitag",
            "3+60Fronleichnam",
            "00815Mariä Himmelfahrt",
            "01101Allerheiligen",
            "01208Mariä Empfängnis",
            "01226Stephanstag",
        }, "CH"},
        // Neuchâtel: Loi sur les jours de repos (RSN 941.02) art. 3 (1 March for the founding of the
        // Republic; 2 January and 26 December only when New Year's Day and Christmas Day fall on a
        // Sunday, given here year by year to 2100). Easter Monday and Whit Monday are no holidays
        // under that law. Corpus Christi, kept in two of its municipalities, is left out.
        {"CH-NE", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Neuchâtel"), {
            "00101Nouvel An",
            "3+39Ascension",
            "Y19940000" "00801Fête nationale",
            "01225Noël",
            "00301Instauration de la République",
            "3-02Vendredi saint",
            "00501Fête du travail",
            "919780102Lendemain du Nouvel An", "919840102Lendemain du Nouvel An", "919890102Lendemain du Nouvel An",
            "919950102Lendemain du Nouvel An", "920060102Lendemain du Nouvel An", "920120102Lendemain du Nouvel An",
            "920170102Lendemain du Nouvel An", "920230102Lendemain du Nouvel An", "920340102Lendemain du Nouvel An",
            "920400102Lendemain du Nouvel An", "920450102Lendemain du Nouvel An", "920510102Lendemain du Nouvel An",
            "920620102Lendemain du Nouvel An", "920680102Lendemain du Nouvel An", "920730102Lendemain du Nouvel An",
            "920790102Lendemain du Nouvel An", "920900102Lendemain du Nouvel An", "920960102Lendemain du Nouvel An",
            "919771226Lendemain de Noël", "919831226Lendemain de Noël", "919881226Lendemain de Noël",
            "919941226Lendemain de Noël", "920051226Lendemain de Noël", "920111226Lendemain de Noël",
            "920161226Lendemain de Noël", "920221226Lendemain de Noël", "920331226Lendemain de Noël",
            "920391226Lendemain de Noël", "920441226Lendemain de Noël", "920501226Lendemain de Noël",
            "920611226Lendemain de Noël", "920671226Lendemain de Noël", "920721226Lendemain de Noël",
            "920781226Lendemain de Noël", "920891226Lendemain de Noël", "920951226Lendemain de Noël",
        }, "CH", kFederalFour},
        // Nidwalden: Ruhetagsgesetz (NG 921.1) Art. 2 (no Easter Monday, Whit Monday or St Stephen's
        // Day).
        {"CH-NW", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Nidwalden"), {
            "00319Josefstag",
            "3-02Karfreitag",
            "3+60Fronleichnam",
            "00815Mariä Himmelfahrt",
            "01101Allerheiligen",
            "01208Mariä Empfängnis",
        }, "CH"},
        // Obwalden: Ruhetagsgesetz of 27 April 2007 Art. 2 (Bruder Klaus on 25 September; no Easter
        // Monday, Whit Monday or St Stephen's Day).
        {"CH-OW", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Obwalden"), {
            "3-02Karfreitag",
            "3+60Fronleichnam",
            "00815Mariä Himmelfahrt",
            "00925Bruderklausenfest",
            "01101Allerheiligen",
            "01208Mariä Empfängnis",
        }, "CH"},
        // St. Gallen: Gesetz über Ruhetag und Ladenöffnung vom 29. Juni 2004 (sGS 552.1) Art. 2
        // (Amt für Wirtschaft und Arbeit, awa.sg.ch, Ruhetag und Ladenöffnung).
        {"CH-SG", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, St. Gallen"), {
            "3-02Karfreitag",
            "3+01Ostermontag",
            "3+50Pfingstmontag",
            "01101Allerheiligen",
            "01226Stephanstag",
        }, "CH"},
        // Schaffhausen: Gesetz betreffend die öffentlichen Ruhetage und den Ladenschluss (SHR 900.200)
        // Art. 1 (rechtsbuch.sh.ch; "Öffentliche Ruhetage", "Hohe Feiertage"), whose list is lost
        // from the copy read here (lexaris). Its government told the Kantonsrat
        // in May 2019, keeping 2 January a working day, that the law there is the same as Zurich's
        // (SDA report of 6 May 2019); the days are taken as Zurich's § 1, 1 May among them as the
        // press lists it for Schaffhausen. The SDA's comparison of the legal holidays of the
        // cantonal capitals (watson.ch, 28 December 2014) counts nine for Schaffhausen, as here.
        {"CH-SH", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Schaffhausen"), {
            "3-02Karfreitag",
            "3+01Ostermontag",
            "00501Tag der Arbeit",
            "3+50Pfingstmontag",
            "01226Stephanstag",
        }, "CH"},
        // Solothurn: the canton's holidays kept as Sundays (so.ch, Feiertage im Kanton Solothurn;
        // Gesetz über die öffentlichen Ruhetage): 1 May from noon; Corpus Christi, the Assumption
        // and All Saints everywhere but the Bucheggberg district.
        {"CH-SO", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Solothurn"), {
            "3-02Karfreitag",
            "00501Tag der Arbeit (ab 12 Uhr)",
            "3+60Fronleichnam",
            "00815Mariä Himmelfahrt",
            "01101Allerheiligen",
        }, "CH"},
        // Schwyz: Ruhetagsgesetz (SRSZ 545.110) § 2.
        {"CH-SZ", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Schwyz"), {
            "00106Dreikönige",
            "00319St. Josef",
            "3-02Karfreitag",
            "3+01Ostermontag",
            "3+50Pfingstmontag",
            "3+60Fronleichnam",
            "00815Maria Himmelfahrt",
            "01101Allerheiligen",
            "01208Maria Empfängnis",
            "01226Stephanstag",
        }, "CH"},
        // Thurgau: Ruhetagsgesetz (RTG, 822.9) § 1.
        {"CH-TG", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Thurgau"), {
            "00102Berchtoldstag",
            "3-02Karfreitag",
            "3+01Ostermontag",
            "00501Tag der Arbeit",
            "3+50Pfingstmontag",
            "01226Stephanstag",
        }, "CH"},
        // Ticino: Legge concernente i giorni festivi ufficiali del 15 dicembre 2009 (RL 10.1.1.1.2)
        // art. 1; Good Friday is no holiday there.
        {"CH-TI", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Ticino"), {
            "00101Capodanno",
            "3+39Ascensione",
            "Y19940000" "00801Festa nazionale",
            "01225Natale",
            "00106Epifania",
            "00319San Giuseppe",
            "3+01Lunedì di Pasqua",
            "00501Primo maggio",
            "3+50Lunedì di Pentecoste",
            "3+60Corpus Domini",
            "00629San Pietro e Paolo",
            "00815Assunzione",
            "01101Ognissanti",
            "01208Immacolata",
            "01226Santo Stefano",
        }, "CH", kFederalFour},
        // Uri: Gesetz über den Ladenschluss und die Sonntagsruhe vom 9. Februar 2003 (RB 70.1421),
        // which by its Art. 1 rules the public rest days, and the Kantonale Arbeitsverordnung of
        // 26 September 2001 (RB 20.1111) under the Arbeitsgesetz; the copies of both read here
        // break off before their lists, and the canton's overview (ur.ch,
        // Arbeitszeitbewilligungen, "Feiertage im Kanton Uri") could not be read. The days are those
        // the Urikon calendar of the canton's customs calls cantonal holidays (Epiphany, St Joseph,
        // Whit Monday, Corpus Christi, All Saints, the Immaculate Conception); Easter Monday, the
        // Assumption and St Stephen's Day, holidays by the order of 12 December 1835 (Landbuch),
        // taken to be kept still; Good Friday, a holiday in every canton but Ticino and Valais.
        // The SDA's comparison of the cantonal capitals (watson.ch, 28 December 2014) and FM1Today
        // count thirteen days for Uri, one fewer than here; which one they leave out was not read,
        // so the list stands until the canton's own list is.
        {"CH-UR", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Uri"), {
            "00106Dreikönigstag",
            "00319Josefstag",
            "3-02Karfreitag",
            "3+01Ostermontag",
            "3+50Pfingstmontag",
            "3+60Fronleichnam",
            "00815Mariä Himmelfahrt",
            "01101Allerheiligen",
            "01208Mariä Empfängnis",
            "01226Stephanstag",
        }, "CH"},
        // Vaud: the canton's official holidays (vd.ch, Jours fériés et vacances scolaires, which
        // quotes the Loi sur le personnel de l'Etat de Vaud art. 123: 2 January, and the Monday
        // after the Federal Fast, the third Sunday of September); the law that makes them holidays
        // for everyone, not only the canton's staff, was not read here. 26 December is no holiday
        // there (a day off for the cantonal administration only).
        {"CH-VD", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Vaud"), {
            "00101Nouvel An",
            "3+39Ascension",
            "Y19940000" "00801Fête nationale",
            "01225Noël",
            "00102Lendemain du Nouvel An",
            "3-02Vendredi saint",
            "3+01Lundi de Pâques",
            "3+50Lundi de Pentecôte",
            "709161Lundi du Jeûne fédéral",
        }, "CH", kFederalFour},
        // Valais: its eight holidays kept as Sundays as the canton's portal lists them
        // (valais4you.ch, Feiertage), named in French; the law's text not read here. Good Friday,
        // Easter Monday, Whit Monday and St Stephen's Day are no legal holidays there.
        {"CH-VS", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Valais"), {
            "00101Nouvel An",
            "3+39Ascension",
            "Y19940000" "00801Fête nationale",
            "01225Noël",
            "00319Saint-Joseph",
            "3+60Fête-Dieu",
            "00815Assomption",
            "01101Toussaint",
            "01208Immaculée Conception",
        }, "CH", kFederalFour},
        // Zug: Ruhetags- und Ladenöffnungsgesetz (BGS 942.31) § 1 (no 2 January, Easter Monday, Whit
        // Monday or St Stephen's Day).
        {"CH-ZG", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Zug"), {
            "3-02Karfreitag",
            "3+60Fronleichnam",
            "00815Maria Himmelfahrt",
            "01101Allerheiligen",
            "01208Maria Empfängnis",
        }, "CH"},
        // Zurich: Ruhetags- und Ladenöffnungsgesetz vom 26. Juni 2000 (LS 822.4) § 1 (zhlex.zh.ch), the
        // same days as the Ruhetagsgesetz of 1971 before it; 2 January is no holiday there.
        {"CH-ZH", QT_TRANSLATE_NOOP("CountrySets", "Switzerland, Zurich"), {
            "3-02Karfreitag",
            "3+01Ostermontag",
            "00501Tag der Arbeit",
            "3+50Pfingstmontag",
            "01226Stephanstag",
        }, "CH"},
    };
}
