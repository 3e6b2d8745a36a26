// SPDX-License-Identifier: GPL-3.0-or-later
// Austria, France, the Netherlands, Sweden, Italy and Greece.
#include "holidays/CountrySetData.h"

std::vector<CountrySet> EuropeSets() {
    return {
        // Feiertagsruhegesetz 1957 § 1 Abs. 1.
        {"AT", QT_TRANSLATE_NOOP("CountrySets", "Austria"), {
            "00101Neujahr",
            "00106Heilige Drei Könige",
            "3+01Ostermontag",
            "00501Staatsfeiertag",
            "3+39Christi Himmelfahrt",
            "3+50Pfingstmontag",
            "3+60Fronleichnam",
            "00815Mariä Himmelfahrt",
            "01026Nationalfeiertag",
            "01101Allerheiligen",
            "01208Mariä Empfängnis",
            "01225Weihnachten",
            "01226Stephanstag",
        }},
        // Code du travail, article L3133-1; 8 May not kept from 1975 (by decree) until
        // loi n° 81-893 of 2 October 1981 restored it.
        {"FR", QT_TRANSLATE_NOOP("CountrySets", "France"), {
            "00101Jour de l'an",
            "3+01Lundi de Pâques",
            "00501Fête du Travail",
            "Y00001974" "00508Victoire 1945",
            "Y19820000" "00508Victoire 1945",
            "3+39Ascension",
            "3+50Lundi de Pentecôte",
            "00714Fête nationale",
            "00815Assomption",
            "01101Toussaint",
            "01111Armistice 1918",
            "01225Noël",
        }},
        // Algemene termijnenwet art. 3; rijksoverheid.nl, officiële feestdagen. Koningsdag (from
        // 2014; Koninginnedag on 30 April before) moves to the Saturday when it is a Sunday.
        {"NL", QT_TRANSLATE_NOOP("CountrySets", "Netherlands"), {
            "00101Nieuwjaarsdag",
            "3-02Goede Vrijdag",
            "3+00Eerste paasdag",
            "3+01Tweede paasdag",
            "Y00002013" "60430Koninginnedag",
            "Y20140000" "60427Koningsdag",
            "00505Bevrijdingsdag",
            "3+39Hemelvaartsdag",
            "3+49Eerste pinksterdag",
            "3+50Tweede pinksterdag",
            "01225Eerste kerstdag",
            "01226Tweede kerstdag",
        }},
        // Lag (1989:253) om allmänna helgdagar, as amended by SFS 2004:1320 (the national day a
        // holiday from 2005, Whit Monday none after 2004); the three eves count as holidays under
        // Semesterlag (1977:480).
        {"SE", QT_TRANSLATE_NOOP("CountrySets", "Sweden"), {
            "00101Nyårsdagen",
            "00106Trettondedag jul",
            "3-02Långfredagen",
            "3+00Påskdagen",
            "3+01Annandag påsk",
            "00501Första maj",
            "3+39Kristi himmelsfärdsdag",
            "3+49Pingstdagen",
            "Y00002004" "3+50Annandag pingst",
            "Y20050000" "00606Sveriges nationaldag",
            "706195Midsommarafton",
            "706206Midsommardagen",
            "710316Alla helgons dag",
            "01224Julafton",
            "01225Juldagen",
            "01226Annandag jul",
            "01231Nyårsafton",
        }},
        // Legge 27 maggio 1949 n. 260 art. 2, as amended up to L. 151/2025 (4 ottobre from 2026);
        // L. 5 marzo 1977 n. 54 (from 1977 no Epiphany, Ascension, Corpus Domini, 19 March, 29 June,
        // 4 October or 4 November, and the Republic on the first Sunday of June); D.P.R. 28 dicembre
        // 1985 n. 792 (Epiphany again from 1986); L. 20 novembre 2000 n. 336 (2 June again from 2001).
        {"IT", QT_TRANSLATE_NOOP("CountrySets", "Italy"), {
            "00101Capodanno",
            "Y00001976" "00106Epifania",
            "Y19860000" "00106Epifania",
            "Y00001976" "00319San Giuseppe",
            "3+00Pasqua",
            "3+01Lunedì dell'Angelo",
            "00425Festa della Liberazione",
            "00501Festa del Lavoro",
            "Y00001976" "3+39Ascensione",
            "Y00001976" "3+60Corpus Domini",
            "Y00001976" "00602Festa della Repubblica",
            "Y19772000" "10617Festa della Repubblica",
            "Y20010000" "00602Festa della Repubblica",
            "Y00001976" "00629Santi Pietro e Paolo",
            "00815Assunzione",
            "Y00001976" "01004San Francesco d'Assisi",
            "Y20260000" "01004San Francesco d'Assisi",
            "01101Ognissanti",
            "Y00001976" "01104Giorno dell'Unità Nazionale",
            "01208Immacolata Concezione",
            "01225Natale",
            "01226Santo Stefano",
        }},
        // Ministry of Labour list of mandatory and customary holidays (Β.Δ. 748/1966,
        // Ν. 4468/2017 art. 14, Υ.Α. 59635/1063/2017); moveable days from Orthodox Easter. 1 May
        // moved by the ministry's decision of the year when it fell in Holy Week or on Easter: to
        // 4 May in 2021, to 7 May in 2024.
        {"GR", QT_TRANSLATE_NOOP("CountrySets", "Greece"), {
            "00101Πρωτοχρονιά",
            "00106Θεοφάνεια",
            "4-48Καθαρά Δευτέρα",
            "00325Ευαγγελισμός της Θεοτόκου",
            "4-02Μεγάλη Παρασκευή",
            "4+00Κυριακή του Πάσχα",
            "4+01Δευτέρα του Πάσχα",
            "00501Πρωτομαγιά",
            "F20210501Πρωτομαγιά",
            "920210504Πρωτομαγιά",
            "F20240501Πρωτομαγιά",
            "920240507Πρωτομαγιά",
            "4+50Αγίου Πνεύματος",
            "00815Κοίμηση της Θεοτόκου",
            "01028Επέτειος του Όχι",
            "01225Χριστούγεννα",
            "01226Σύναξη της Θεοτόκου",
        }},
    };
}
