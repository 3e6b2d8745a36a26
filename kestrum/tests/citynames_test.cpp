// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser's names and order under given locales. Only names and orders that CLDR has long
// settled are asserted, so that any ICU from 72 on passes.
#include <gtest/gtest.h>

#include <set>

#include "kestrum/citynames.h"
#include "kestrum/timezone.h"

namespace {

const char kShipped[] = KQ_SOURCE_DIR "/kestrum/timezone/TimeZones.txt";

std::vector<CString> Shown(const std::vector<CCityNames::Entry>& list)
{
    std::vector<CString> out;
    for (const auto& e : list) out.push_back(e.shown);
    return out;
}

}  // namespace

TEST(CityNames, EnglishAndCKeepTheTableNamesAndOrder)
{
    for (const char* locale : {"C", "POSIX", "", "en_US", "en_GB.UTF-8"}) {
        SCOPED_TRACE(locale);
        auto names = CCityNames::For(locale);
        EXPECT_EQ(names->Shown("Vienna, Austria"), "Vienna, Austria");
        const auto list = names->List({"Tokyo, Japan", "tokyo bay", "Denver, Colorado", "Zurich, Switzerland"});
        EXPECT_EQ(Shown(list), std::vector<CString>({"Denver, Colorado", "tokyo bay", "Tokyo, Japan", "Zurich, Switzerland"}));
        EXPECT_EQ(list[1].name, "tokyo bay");
    }
}

TEST(CityNames, GermanCitiesAndCountries)
{
    for (const char* locale : {"de_DE", "de-AT", "de_CH.UTF-8@euro"}) {
        SCOPED_TRACE(locale);
        auto de = CCityNames::For(locale);
        EXPECT_EQ(de->Shown("Vienna, Austria"), "Wien, Österreich");
        EXPECT_EQ(de->Shown("Berlin, Germany"), "Berlin, Deutschland");
        EXPECT_EQ(de->Shown("Zurich, Switzerland"), "Zürich, Schweiz");
    }
    auto de = CCityNames::For("de_DE");
    // Accents the locale writes, though English writes them too.
    EXPECT_EQ(de->Shown("Sao Paulo, Brazil"), "São Paulo, Brasilien");
    // A city that is not its zone's own keeps its name; its country is still the locale's.
    EXPECT_EQ(de->Shown("Graz, Austria"), "Graz, Österreich");
    EXPECT_EQ(de->Shown("Vienna, Germany"), "Vienna, Deutschland");
    // Without a country of the table nothing is known of the city.
    EXPECT_EQ(de->Shown("Vienna"), "Vienna");
    EXPECT_EQ(de->Shown("Vienna, Atlantis"), "Vienna, Atlantis");
    EXPECT_EQ(de->Shown("tokyo bay"), "tokyo bay");
    EXPECT_EQ(CCityNames::For("sv_SE")->Shown("Vienna, Austria"), "Wien, Österrike");

    // The list sorts by the names shown and keeps the table's names beside them.
    const auto list = de->List({"Zurich, Switzerland", "Vienna, Austria", "Athens, Greece", "Oslo, Norway"});
    EXPECT_EQ(Shown(list), std::vector<CString>({"Athen, Griechenland", "Oslo, Norwegen", "Wien, Österreich",
                                                 "Zürich, Schweiz"}));
    EXPECT_EQ(list[2].name, "Vienna, Austria");
}

TEST(CityNames, TheLocalesAlphabet)
{
    // Swedish puts Å and Ö after Z; German files them with A and O.
    auto sv = CCityNames::For("sv_SE");
    auto de = CCityNames::For("de_DE");
    EXPECT_LT(sv->Compare("Zürich", "Århus"), 0);
    EXPECT_GT(de->Compare("Zürich", "Århus"), 0);
    EXPECT_LT(sv->Compare("Zagreb", "Örebro"), 0);
    EXPECT_LT(de->Compare("Örebro", "Paris"), 0);
    EXPECT_LT(de->Compare("Oslo", "Österreich"), 0);
    // The old order is by bytes: every letter outside ASCII after "z".
    EXPECT_GT(CCityNames::For("C")->Compare("Århus", "zurich"), 0);
    EXPECT_EQ(CCityNames::For("C")->Compare("TOKYO", "tokyo"), 0);
}

TEST(CityNames, EveryShippedCountryHasItsCode)
{
    CTimeZoneArray table{CString(kShipped)};
    ASSERT_GT(table.GetSize(), 300);
    EXPECT_EQ(CountryCode("Austria"), "AT");
    EXPECT_EQ(CountryCode("united kingdom"), "GB");
    EXPECT_EQ(CountryCode("Turks & Caicos Is"), "TC");
    EXPECT_EQ(CountryCode("Atlantis"), "");
    auto de = CCityNames::For("de_DE");
    std::set<CString> shown;
    for (int i = 0; i < table.GetSize(); ++i) {
        const CString& name = table[i].name;
        SCOPED_TRACE(name);
        const size_t comma = name.rfind(", ");
        ASSERT_NE(comma, CString::npos);
        EXPECT_EQ(CountryCode(name.substr(comma + 2)).size(), 2u);
        // CLDR's soft hyphens ("Reyk-ja-vík") would hide the city from a search.
        const CString local = de->Shown(name);
        EXPECT_EQ(local.find("\xC2\xAD"), CString::npos);
        // No two cities look alike in the list.
        EXPECT_TRUE(shown.insert(local).second);
    }
}
