// SPDX-License-Identifier: GPL-3.0-or-later
// Country sets against dates worked out by hand: Easter from the published tables (Western
// 2025-04-20, 2026-04-05, 2027-03-28; Orthodox 2025-04-20, 2026-04-12, 2027-05-02), weekend
// substitutes as the official calendars of those years show them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "holidays/CountrySets.h"
#include "holidays/HolidayList.h"
#include "platform/SettingsStore.h"

namespace {

HolidayList ListOf(const char* code) {
    HolidayList list;
    if (const CountrySet* set = FindCountrySet(code))
        for (const Holiday& h : CountrySetHolidays(*set))
            list.Add(h);
    return list;
}

std::string TwoDigits(int n) {
    return std::string(1, char('0' + n / 10)) + char('0' + n % 10);
}

// "MM-DD" of every day of the year that shows a holiday, in date order.
std::string DaysIn(const char* code, int year) {
    std::string days;
    for (const DatedHoliday& h : ListOf(code).HolidaysInYear(year)) {
        if (!days.empty())
            days += ' ';
        days += TwoDigits(h.month) + "-" + TwoDigits(h.day);
    }
    return days;
}

std::string NameOn(const char* code, int year, int month, int day) {
    for (const DatedHoliday& h : ListOf(code).HolidaysInYear(year))
        if (h.month == month && h.day == day)
            return h.name;
    return "(none)";
}

struct YearDays {
    const char* code;
    int year;
    const char* days;
};

const YearDays kYearDays[] = {
    {"CA", 2025, "01-01 04-18 05-19 07-01 09-01 09-30 10-13 11-11 12-25 12-26"},
    {"CA", 2026, "01-01 04-03 05-18 07-01 09-07 09-30 10-12 11-11 12-25 12-26 12-28"},
    {"CA", 2027, "01-01 03-26 05-24 07-01 09-06 09-30 10-11 11-11 12-25 12-26 12-27 12-28"},
    {"CA", 2028, "01-01 01-03 04-14 05-22 07-01 07-03 09-04 09-30 10-09 11-11 11-13 12-25 12-26"},
    {"CA", 2029, "01-01 03-30 05-21 07-01 07-02 09-03 09-30 10-08 11-11 11-12 12-25 12-26"},
    {"GB", 2022, "01-01 01-03 04-15 04-18 05-02 05-30 08-29 12-25 12-26 12-27"},
    {"GB", 2025, "01-01 04-18 04-21 05-05 05-26 08-25 12-25 12-26"},
    {"GB", 2026, "01-01 04-03 04-06 05-04 05-25 08-31 12-25 12-26 12-28"},
    {"GB", 2027, "01-01 03-26 03-29 05-03 05-31 08-30 12-25 12-26 12-27 12-28"},
    {"GB", 2028, "01-01 01-03 04-14 04-17 05-01 05-29 08-28 12-25 12-26"},
    {"IE", 2025, "01-01 02-03 03-17 04-21 05-05 06-02 08-04 10-27 12-25 12-26"},
    {"IE", 2026, "01-01 02-02 03-17 04-06 05-04 06-01 08-03 10-26 12-25 12-26 12-28"},
    {"IE", 2027, "01-01 02-01 03-17 03-29 05-03 06-07 08-02 10-25 12-25 12-26 12-27 12-28"},
    {"IE", 2029, "01-01 02-05 03-17 03-19 04-02 05-07 06-04 08-06 10-29 12-25 12-26"},
    {"IE", 2030, "01-01 02-01 03-17 03-18 04-22 05-06 06-03 08-05 10-28 12-25 12-26"},
    {"IE", 2036, "01-01 02-01 03-17 04-14 05-05 06-02 08-04 10-27 12-25 12-26"},
    {"AU", 2025, "01-01 01-26 01-27 04-18 04-21 04-25 06-09 12-25 12-26"},
    {"AU", 2026, "01-01 01-26 04-03 04-06 04-25 06-08 12-25 12-26 12-28"},
    {"AU", 2027, "01-01 01-26 03-26 03-29 04-25 06-14 12-25 12-26 12-27 12-28"},
    {"AU", 2030, "01-01 01-26 01-28 04-19 04-22 04-25 06-10 12-25 12-26"},
    {"NZ", 2025, "01-01 01-02 02-06 04-18 04-21 04-25 06-02 06-20 10-27 12-25 12-26"},
    {"NZ", 2026, "01-01 01-02 02-06 04-03 04-06 04-25 04-27 06-01 07-10 10-26 12-25 12-26 12-28"},
    {"NZ", 2027, "01-01 01-02 01-04 02-06 02-08 03-26 03-29 04-25 04-26 06-07 06-25 10-25 12-25 12-26 12-27 12-28"},
    {"NZ", 2028, "01-01 01-02 01-03 01-04 02-06 02-07 04-14 04-17 04-25 06-05 07-14 10-23 12-25 12-26"},
    {"DE", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 10-03 12-25 12-26"},
    {"DE", 2026, "01-01 04-03 04-06 05-01 05-14 05-25 10-03 12-25 12-26"},
    {"DE", 2027, "01-01 03-26 03-29 05-01 05-06 05-17 10-03 12-25 12-26"},
    {"AT", 2025, "01-01 01-06 04-21 05-01 05-29 06-09 06-19 08-15 10-26 11-01 12-08 12-25 12-26"},
    {"AT", 2026, "01-01 01-06 04-06 05-01 05-14 05-25 06-04 08-15 10-26 11-01 12-08 12-25 12-26"},
    {"AT", 2027, "01-01 01-06 03-29 05-01 05-06 05-17 05-27 08-15 10-26 11-01 12-08 12-25 12-26"},
    {"FR", 2025, "01-01 04-21 05-01 05-08 05-29 06-09 07-14 08-15 11-01 11-11 12-25"},
    {"FR", 2026, "01-01 04-06 05-01 05-08 05-14 05-25 07-14 08-15 11-01 11-11 12-25"},
    {"FR", 2027, "01-01 03-29 05-01 05-06 05-08 05-17 07-14 08-15 11-01 11-11 12-25"},
    {"NL", 2025, "01-01 04-18 04-20 04-21 04-26 05-05 05-29 06-08 06-09 12-25 12-26"},
    {"NL", 2026, "01-01 04-03 04-05 04-06 04-27 05-05 05-14 05-24 05-25 12-25 12-26"},
    {"NL", 2027, "01-01 03-26 03-28 03-29 04-27 05-05 05-06 05-16 05-17 12-25 12-26"},
    {"NL", 2031, "01-01 04-11 04-13 04-14 04-26 05-05 05-22 06-01 06-02 12-25 12-26"},
    {"SE", 2025, "01-01 01-06 04-18 04-20 04-21 05-01 05-29 06-06 06-08 06-20 06-21 11-01 12-24 12-25 12-26 12-31"},
    {"SE", 2026, "01-01 01-06 04-03 04-05 04-06 05-01 05-14 05-24 06-06 06-19 06-20 10-31 12-24 12-25 12-26 12-31"},
    {"SE", 2027, "01-01 01-06 03-26 03-28 03-29 05-01 05-06 05-16 06-06 06-25 06-26 11-06 12-24 12-25 12-26 12-31"},
    {"IT", 2025, "01-01 01-06 04-20 04-21 04-25 05-01 06-02 08-15 10-04 11-01 12-08 12-25 12-26"},
    {"IT", 2026, "01-01 01-06 04-05 04-06 04-25 05-01 06-02 08-15 10-04 11-01 12-08 12-25 12-26"},
    {"IT", 2027, "01-01 01-06 03-28 03-29 04-25 05-01 06-02 08-15 10-04 11-01 12-08 12-25 12-26"},
    {"GR", 2025, "01-01 01-06 03-03 03-25 04-18 04-20 04-21 05-01 06-09 08-15 10-28 12-25 12-26"},
    {"GR", 2026, "01-01 01-06 02-23 03-25 04-10 04-12 04-13 05-01 06-01 08-15 10-28 12-25 12-26"},
    {"GR", 2027, "01-01 01-06 03-15 03-25 04-30 05-01 05-02 05-03 06-21 08-15 10-28 12-25 12-26"},
};

struct NamedDay {
    const char* code;
    int year, month, day;
    const char* name;
};

// Substitute days carry their holiday's name; local names as each country writes them.
const NamedDay kNamedDays[] = {
    {"CA", 2029, 7, 2, "Canada Day"},  // 1 July a Sunday: 2 July by the Holidays Act
    {"CA", 2028, 11, 13, "Remembrance Day"},
    {"GB", 2026, 12, 28, "Boxing Day"},
    {"GB", 2027, 12, 27, "Christmas Day"},
    {"GB", 2027, 12, 28, "Boxing Day"},
    {"GB", 2022, 12, 26, "Boxing Day"},  // Christmas on a Sunday: Boxing Day stays Monday
    {"GB", 2022, 12, 27, "Christmas Day"},
    {"GB", 2028, 1, 3, "New Year's Day"},
    {"IE", 2026, 12, 28, "St Stephen's Day"},
    {"IE", 2029, 3, 19, "St Patrick's Day"},
    {"IE", 2027, 2, 1, "St Brigid's Day"},
    {"IE", 2030, 2, 1, "St Brigid's Day"},  // a Friday: kept that day, not on Monday 4th
    {"IE", 2025, 10, 27, "October Bank Holiday"},
    {"AU", 2025, 1, 27, "Australia Day"},
    {"AU", 2026, 4, 25, "Anzac Day"},
    {"AU", 2027, 6, 14, "King's Birthday"},
    {"NZ", 2027, 1, 4, "Day after New Year's Day"},
    {"NZ", 2027, 2, 8, "Waitangi Day"},
    {"NZ", 2026, 4, 27, "Anzac Day"},
    {"NZ", 2028, 1, 3, "New Year's Day"},
    {"NZ", 2028, 1, 4, "Day after New Year's Day"},
    {"NZ", 2026, 7, 10, "Matariki"},
    {"DE", 2026, 10, 3, "Tag der Deutschen Einheit"},
    {"DE", 2027, 5, 6, "Christi Himmelfahrt"},
    {"DE", 2027, 12, 26, "2. Weihnachtstag"},
    {"AT", 2027, 5, 27, "Fronleichnam"},
    {"AT", 2026, 12, 8, "Mariä Empfängnis"},
    {"FR", 2027, 5, 17, "Lundi de Pentecôte"},
    {"FR", 2026, 7, 14, "Fête nationale"},
    {"NL", 2025, 4, 26, "Koningsdag"},  // 27 April a Sunday
    {"NL", 2026, 4, 27, "Koningsdag"},
    {"NL", 2027, 5, 6, "Hemelvaartsdag"},
    {"SE", 2026, 6, 19, "Midsommarafton"},
    {"SE", 2026, 6, 20, "Midsommardagen"},
    {"SE", 2027, 11, 6, "Alla helgons dag"},
    {"SE", 2025, 6, 6, "Sveriges nationaldag"},
    {"IT", 2027, 10, 4, "San Francesco d'Assisi"},
    {"IT", 2026, 4, 6, "Lunedì dell'Angelo"},
    {"IT", 2025, 4, 25, "Festa della Liberazione"},
    {"GR", 2027, 3, 15, "Καθαρά Δευτέρα"},
    {"GR", 2027, 4, 30, "Μεγάλη Παρασκευή"},
    {"GR", 2027, 5, 1, "Πρωτομαγιά"},
    {"GR", 2027, 6, 21, "Αγίου Πνεύματος"},
    {"GR", 2026, 4, 13, "Δευτέρα του Πάσχα"},
};

}  // namespace

TEST(CountrySets, OfferedInOrderUnderTheirCodes) {
    std::string codes;
    for (const CountrySet& set : CountrySets())
        codes += std::string(set.code) + " ";
    EXPECT_EQ(codes, "US CA GB IE AU NZ DE AT FR NL SE IT GR ");
}

TEST(CountrySets, EveryLineIsARuleThatSurvivesTheSettingsStore) {
    for (const CountrySet& set : CountrySets()) {
        const std::vector<Holiday> holidays = CountrySetHolidays(set);
        EXPECT_EQ(holidays.size(), set.lines.size()) << set.code;
        for (size_t i = 0; i < holidays.size() && i < set.lines.size(); ++i)
            EXPECT_EQ(holidays[i].ToText(), set.lines[i]) << set.code;

        HolidayList list = ListOf(set.code);
        MemorySettingsStore store;
        list.SaveToSettings(store);
        HolidayList reread;
        reread.LoadFromSettings(store);
        EXPECT_EQ(reread.Items(), list.Items()) << set.code;
    }
}

TEST(CountrySets, MarkTheHandWorkedDaysOfEachYear) {
    for (const YearDays& y : kYearDays)
        EXPECT_EQ(DaysIn(y.code, y.year), y.days) << y.code << " " << y.year;
}

TEST(CountrySets, NameLocalHolidaysAndSubstituteDays) {
    for (const NamedDay& d : kNamedDays)
        EXPECT_EQ(NameOn(d.code, d.year, d.month, d.day), d.name)
            << d.code << " " << d.year << "-" << d.month << "-" << d.day;
}

TEST(CountrySets, MatarikiOnlyInTheYearsTheActLists) {
    EXPECT_EQ(NameOn("NZ", 2022, 6, 24), "Matariki");
    EXPECT_EQ(NameOn("NZ", 2052, 6, 21), "Matariki");
    for (int year : {2021, 2053}) {
        int matariki = 0;
        for (const DatedHoliday& h : ListOf("NZ").HolidaysInYear(year))
            matariki += h.name == "Matariki";
        EXPECT_EQ(matariki, 0) << year;
    }
}

TEST(CountrySets, GreeceFollowsOrthodoxEaster) {
    // 2027: Western Easter Monday is 29 March, Orthodox 3 May.
    EXPECT_EQ(NameOn("GR", 2027, 3, 29), "(none)");
    EXPECT_EQ(NameOn("GR", 2027, 5, 3), "Δευτέρα του Πάσχα");
}

TEST(CountrySetsTest, TheLocaleTerritoryPicksWhatStandsForTheFactoryList) {
    auto locale = [](const char* territory, const char* language) {
        LocaleChoices c;
        c.territory = territory;
        c.language = language;
        return c;
    };
    auto firstName = [](const LocaleChoices& c) { return HolidayList::LocaleFactoryList(c).front().name; };
    EXPECT_EQ(firstName(locale("AT", "de")), "Neujahr");
    EXPECT_EQ(firstName(locale("CA", "en")), "New Year's Day");
    EXPECT_EQ(firstName(locale("CA", "fr")), "Jour de l'An");
    EXPECT_EQ(HolidayList::LocaleFactoryList(locale("US", "en")), HolidayList::FactoryList());
    EXPECT_EQ(HolidayList::LocaleFactoryList(locale("BR", "pt")), HolidayList::FactoryList());
    EXPECT_EQ(HolidayList::LocaleFactoryList(LocaleChoices::System()), HolidayList::FactoryList());
    // Every other language of a set names each of its holidays, on the same days.
    for (const CountrySet& set : CountrySets())
        for (const CountrySetNames& other : set.otherNames) {
            ASSERT_EQ(other.names.size(), set.lines.size()) << set.code << " " << other.language;
            EXPECT_EQ(CountrySetHolidays(set, other.language).size(), CountrySetHolidays(set).size());
        }
    EXPECT_EQ(NameOn("CA", 2026, 7, 1), "Canada Day");

    // Loaded from an empty store, or one that says "factory list": the locale's set, and the store
    // keeps saying so, so that another locale brings its own.
    MemorySettingsStore store;
    HolidayList list;
    list.LoadFromSettings(store, locale("CA", "fr"));
    EXPECT_EQ(list.GetAt(3).name, "Fête du Canada");
    EXPECT_EQ(store.GetInt(kHolidaySection, kHolidayCountKey, 0), -1);
    list.LoadFromSettings(store, locale("US", "en"));
    EXPECT_EQ(list.GetAt(0).name, "New Years Day");
    // A stored list is the user's, whatever the locale.
    list.SaveToSettings(store);
    list.LoadFromSettings(store, locale("DE", "de"));
    EXPECT_EQ(list.GetAt(0).name, "New Years Day");
}
