// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/CountrySets.h"

#include <cctype>

namespace {

// Each country's national public holidays, under the names the country uses, from its own laws
// and government calendars. Add a country as one more row.
const std::vector<CountrySet> kSets = {
    {"US", "United States", {
        "00101New Years Day",
        "10131Martin Luther King Day",
        "10231Presidents Day",
        "00212Lincoln's BirthDay",
        "00214Valentines Day",
        "00222Washington's BirthDay",
        "00317St. Patrick's Day",
        "20414Tax Day",
        "10527Mother's Day",
        "10561Memorial Day",
        "00614Flag Day",
        "10637Father's Day",
        "00704Independence Day",
        "10911Labor Day",
        "11021Columbus Day",
        "01031Holloween",
        "01111Veterans Day",
        "11144Thanksgiving",
        "01225Christmas",
    }},
    // Canada Labour Code Part III Div. V (general holidays; a weekend New Year's, Canada,
    // Remembrance, Christmas or Boxing Day is given on a working day next to it);
    // Holidays Act R.S.C. 1985 c. H-5 (Canada Day on a Sunday kept on 2 July).
    {"CA", "Canada", {
        "50101New Year's Day",
        "3-02Good Friday",
        "805241Victoria Day",
        "50701Canada Day",
        "10911Labour Day",
        "00930National Day for Truth and Reconciliation",
        "11021Thanksgiving Day",
        "51111Remembrance Day",
        "51225Christmas Day",
        "51226Boxing Day",
    }, {
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
    // gov.uk/bank-holidays; Banking and Financial Dealings Act 1971 Sch. 1 and the yearly
    // proclamations (England and Wales).
    {"GB", "United Kingdom", {
        "50101New Year's Day",
        "3-02Good Friday",
        "3+01Easter Monday",
        "10511Early May bank holiday",
        "10561Spring bank holiday",
        "10861Summer bank holiday",
        "51225Christmas Day",
        "51226Boxing Day",
    }},
    // Organisation of Working Time Act 1997 Sch. 2 (February holiday from 2023: first Monday,
    // or 1 February when a Friday); citizensinformation.ie. Weekend holidays: the State and
    // banks close the next weekday.
    {"IE", "Ireland", {
        "50101New Year's Day",
        "A020115St Brigid's Day",
        "50317St Patrick's Day",
        "3+01Easter Monday",
        "10511May Bank Holiday",
        "10611June Bank Holiday",
        "10811August Bank Holiday",
        "11061October Bank Holiday",
        "51225Christmas Day",
        "51226St Stephen's Day",
    }},
    // Fair Work Act 2009 s. 115 (national public holidays); substitutes as every State and
    // Territory keeps them. King's Birthday: the June Monday of most States.
    {"AU", "Australia", {
        "50101New Year's Day",
        "50126Australia Day",
        "3-02Good Friday",
        "3+01Easter Monday",
        "00425Anzac Day",
        "10621King's Birthday",
        "51225Christmas Day",
        "51226Boxing Day",
    }},
    // Holidays Act 2003 ss. 44, 45, 45A; Te Kāhui o Matariki Public Holiday Act 2022 Sch. 1.
    {"NZ", "New Zealand", {
        "50101New Year's Day",
        "50102Day after New Year's Day",
        "50206Waitangi Day",
        "3-02Good Friday",
        "3+01Easter Monday",
        "50425Anzac Day",
        "10611King's Birthday",
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
        "11041Labour Day",
        "51225Christmas Day",
        "51226Boxing Day",
    }},
    // Einigungsvertrag Art. 2 (3 October) and the Feiertagsgesetze of all sixteen Länder.
    {"DE", "Germany", {
        "00101Neujahr",
        "3-02Karfreitag",
        "3+01Ostermontag",
        "00501Tag der Arbeit",
        "3+39Christi Himmelfahrt",
        "3+50Pfingstmontag",
        "01003Tag der Deutschen Einheit",
        "012251. Weihnachtstag",
        "012262. Weihnachtstag",
    }},
    // Feiertagsruhegesetz 1957 § 1 Abs. 1.
    {"AT", "Austria", {
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
    // Code du travail, article L3133-1.
    {"FR", "France", {
        "00101Jour de l'an",
        "3+01Lundi de Pâques",
        "00501Fête du Travail",
        "00508Victoire 1945",
        "3+39Ascension",
        "3+50Lundi de Pentecôte",
        "00714Fête nationale",
        "00815Assomption",
        "01101Toussaint",
        "01111Armistice 1918",
        "01225Noël",
    }},
    // Algemene termijnenwet art. 3; rijksoverheid.nl, officiële feestdagen. Koningsdag moves to
    // the Saturday when 27 April is a Sunday.
    {"NL", "Netherlands", {
        "00101Nieuwjaarsdag",
        "3-02Goede Vrijdag",
        "3+00Eerste paasdag",
        "3+01Tweede paasdag",
        "60427Koningsdag",
        "00505Bevrijdingsdag",
        "3+39Hemelvaartsdag",
        "3+49Eerste pinksterdag",
        "3+50Tweede pinksterdag",
        "01225Eerste kerstdag",
        "01226Tweede kerstdag",
    }},
    // Lag (1989:253) om allmänna helgdagar; the three eves count as holidays under
    // Semesterlag (1977:480).
    {"SE", "Sweden", {
        "00101Nyårsdagen",
        "00106Trettondedag jul",
        "3-02Långfredagen",
        "3+00Påskdagen",
        "3+01Annandag påsk",
        "00501Första maj",
        "3+39Kristi himmelsfärdsdag",
        "3+49Pingstdagen",
        "00606Sveriges nationaldag",
        "706195Midsommarafton",
        "706206Midsommardagen",
        "710316Alla helgons dag",
        "01224Julafton",
        "01225Juldagen",
        "01226Annandag jul",
        "01231Nyårsafton",
    }},
    // Legge 27 maggio 1949 n. 260 art. 2, as amended up to L. 151/2025 (4 ottobre from 2026).
    {"IT", "Italy", {
        "00101Capodanno",
        "00106Epifania",
        "3+00Pasqua",
        "3+01Lunedì dell'Angelo",
        "00425Festa della Liberazione",
        "00501Festa del Lavoro",
        "00602Festa della Repubblica",
        "00815Assunzione",
        "01004San Francesco d'Assisi",
        "01101Ognissanti",
        "01208Immacolata Concezione",
        "01225Natale",
        "01226Santo Stefano",
    }},
    // Ministry of Labour list of mandatory and customary holidays (Β.Δ. 748/1966,
    // Ν. 4468/2017 art. 14, Υ.Α. 59635/1063/2017); moveable days from Orthodox Easter.
    {"GR", "Greece", {
        "00101Πρωτοχρονιά",
        "00106Θεοφάνεια",
        "4-48Καθαρά Δευτέρα",
        "00325Ευαγγελισμός της Θεοτόκου",
        "4-02Μεγάλη Παρασκευή",
        "4+00Κυριακή του Πάσχα",
        "4+01Δευτέρα του Πάσχα",
        "00501Πρωτομαγιά",
        "4+50Αγίου Πνεύματος",
        "00815Κοίμηση της Θεοτόκου",
        "01028Επέτειος του Όχι",
        "01225Χριστούγεννα",
        "01226Σύναξη της Θεοτόκου",
    }},
};

}  // namespace

const std::vector<CountrySet>& CountrySets() {
    return kSets;
}

const CountrySet* FindCountrySet(const CString& code) {
    for (const CountrySet& set : kSets) {
        const CString own = set.code;
        if (own.size() != code.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < own.size() && same; ++i)
            same = std::toupper(static_cast<unsigned char>(code[i])) == static_cast<unsigned char>(own[i]);
        if (same)
            return &set;
    }
    return nullptr;
}

std::vector<Holiday> CountrySetHolidays(const CountrySet& set, const CString& language) {
    const std::vector<const char*>* names = nullptr;
    for (const CountrySetNames& other : set.otherNames)
        if (language == other.language && other.names.size() == set.lines.size())
            names = &other.names;
    std::vector<Holiday> holidays;
    for (size_t i = 0; i < set.lines.size(); ++i) {
        Holiday h;
        if (!Holiday::FromText(set.lines[i], h))
            continue;
        if (names)
            h.name = (*names)[i];
        holidays.push_back(h);
    }
    return holidays;
}

const CountrySet* LocaleCountrySet(const CString& territory) {
    if (territory.size() != 2 || territory == "US")
        return nullptr;
    return FindCountrySet(territory);
}
