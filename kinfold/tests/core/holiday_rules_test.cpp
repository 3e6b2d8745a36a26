// SPDX-License-Identifier: GPL-3.0-or-later
// The Easter, substitute, nearest-weekday and one-year kinds, and their stored texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "calendar/CalendarDate.h"
#include "holidays/CountrySets.h"
#include "holidays/Holiday.h"
#include "holidays/HolidayList.h"
#include "platform/SettingsStore.h"

namespace {

struct Ymd {
    int year, month, day;
    bool operator==(const Ymd&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Ymd& d) {
    return os << d.year << '-' << d.month << '-' << d.day;
}

// Easter Sunday 2000-2040 from published tables: Western (Gregorian) and Orthodox (on the
// Gregorian calendar).
const Ymd kWesternEaster[] = {
    {2000, 4, 23}, {2001, 4, 15}, {2002, 3, 31}, {2003, 4, 20}, {2004, 4, 11}, {2005, 3, 27},
    {2006, 4, 16}, {2007, 4, 8},  {2008, 3, 23}, {2009, 4, 12}, {2010, 4, 4},  {2011, 4, 24},
    {2012, 4, 8},  {2013, 3, 31}, {2014, 4, 20}, {2015, 4, 5},  {2016, 3, 27}, {2017, 4, 16},
    {2018, 4, 1},  {2019, 4, 21}, {2020, 4, 12}, {2021, 4, 4},  {2022, 4, 17}, {2023, 4, 9},
    {2024, 3, 31}, {2025, 4, 20}, {2026, 4, 5},  {2027, 3, 28}, {2028, 4, 16}, {2029, 4, 1},
    {2030, 4, 21}, {2031, 4, 13}, {2032, 3, 28}, {2033, 4, 17}, {2034, 4, 9},  {2035, 3, 25},
    {2036, 4, 13}, {2037, 4, 5},  {2038, 4, 25}, {2039, 4, 10}, {2040, 4, 1},
};
const Ymd kOrthodoxEaster[] = {
    {2000, 4, 30}, {2001, 4, 15}, {2002, 5, 5},  {2003, 4, 27}, {2004, 4, 11}, {2005, 5, 1},
    {2006, 4, 23}, {2007, 4, 8},  {2008, 4, 27}, {2009, 4, 19}, {2010, 4, 4},  {2011, 4, 24},
    {2012, 4, 15}, {2013, 5, 5},  {2014, 4, 20}, {2015, 4, 12}, {2016, 5, 1},  {2017, 4, 16},
    {2018, 4, 8},  {2019, 4, 28}, {2020, 4, 19}, {2021, 5, 2},  {2022, 4, 24}, {2023, 4, 16},
    {2024, 5, 5},  {2025, 4, 20}, {2026, 4, 12}, {2027, 5, 2},  {2028, 4, 16}, {2029, 4, 8},
    {2030, 4, 28}, {2031, 4, 13}, {2032, 5, 2},  {2033, 4, 24}, {2034, 4, 9},  {2035, 4, 29},
    {2036, 4, 20}, {2037, 4, 5},  {2038, 4, 25}, {2039, 4, 17}, {2040, 5, 6},
};

HolidayList ListOf(const std::vector<const char*>& texts) {
    HolidayList list;
    for (const char* text : texts) {
        Holiday h;
        EXPECT_TRUE(Holiday::FromText(text, h)) << text;
        list.Add(h);
    }
    return list;
}

Holiday Parse(const char* text) {
    Holiday h;
    EXPECT_TRUE(Holiday::FromText(text, h)) << text;
    return h;
}

// "MM-DD name" for each holiday day of the year within the given months.
std::vector<std::string> Days(const HolidayList& list, int year, int fromMonth, int toMonth) {
    std::vector<std::string> out;
    for (const DatedHoliday& d : list.HolidaysInYear(year))
        if (d.month >= fromMonth && d.month <= toMonth) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "%02d-%02d ", d.month, d.day);
            out.push_back(buf + d.name);
        }
    return out;
}

std::vector<Ymd> DaysOf(const Holiday& h, int year) {
    HolidayList list;
    list.Add(h);
    std::vector<Ymd> out;
    for (const DatedHoliday& d : list.HolidaysInYear(year))
        out.push_back({d.year, d.month, d.day});
    return out;
}

Ymd Shifted(const Ymd& d, int days) {
    GregorianDate g(d.month, d.day, d.year);
    g.AddDays(days);
    return {g.year, g.month, g.day};
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(EasterRules, ComputusMatchesPublishedTables) {
    for (const Ymd& e : kWesternEaster) {
        int m = 0, d = 0;
        WesternEasterDate(e.year, m, d);
        EXPECT_EQ((Ymd{e.year, m, d}), e);
    }
    for (const Ymd& e : kOrthodoxEaster) {
        int m = 0, d = 0;
        ASSERT_TRUE(OrthodoxEasterDate(e.year, m, d));
        EXPECT_EQ((Ymd{e.year, m, d}), e);
    }
}

TEST(EasterRules, OffsetsLandOnTheirDayEveryYear) {
    for (int offset : {-47, -2, 0, 1, 39, 49, 50, 60, 99}) {
        for (const Ymd& e : kWesternEaster)
            EXPECT_EQ(DaysOf(Holiday::FromEaster(false, offset, "w"), e.year), std::vector<Ymd>{Shifted(e, offset)})
                << offset;
        for (const Ymd& e : kOrthodoxEaster)
            EXPECT_EQ(DaysOf(Holiday::FromEaster(true, offset, "o"), e.year), std::vector<Ymd>{Shifted(e, offset)})
                << offset;
    }
}

TEST(EasterRules, LargeNegativeOffsetReachesTheYearBefore) {
    // Easter 2008 was 23 March; 99 days earlier is 15 December 2007.
    const Holiday h = Holiday::FromEaster(false, -99, "Early");
    EXPECT_EQ(DaysOf(h, 2007), (std::vector<Ymd>{{2007, 12, 15}}));
    EXPECT_EQ(DaysOf(h, 2008), (std::vector<Ymd>{}));  // Easter 2009 less 99 days is in 2009
    EXPECT_TRUE(h.FallsOn(GregorianDate(12, 15, 2007)));
}

TEST(EasterRules, FarYearsStayOnSundayOrGiveNothing) {
    for (int year : {-4000, 1, 1583, 4099, 100000}) {
        int m = 0, d = 0;
        WesternEasterDate(year, m, d);
        EXPECT_EQ(GregorianDate(m, d, year).Weekday(), 7) << year;
        if (OrthodoxEasterDate(year, m, d))
            EXPECT_EQ(GregorianDate(m, d, year).Weekday(), 7) << year;
    }
    int m = 0, d = 0;
    EXPECT_FALSE(OrthodoxEasterDate(200000000, m, d));  // its Julian date left the year long ago
}

TEST(SubstituteRules, ChristmasAndBoxingDayInBothOrders) {
    for (bool boxingFirst : {false, true}) {
        const HolidayList list = boxingFirst ? ListOf({"51226Boxing Day", "51225Christmas Day"})
                                             : ListOf({"51225Christmas Day", "51226Boxing Day"});
        SCOPED_TRACE(boxingFirst);
        // 2021: Christmas on a Saturday.
        EXPECT_EQ(Days(list, 2021, 12, 12),
                  (Strings{"12-25 Christmas Day", "12-26 Boxing Day", "12-27 Christmas Day (substitute day)", "12-28 Boxing Day (substitute day)"}));
        // 2022: Christmas on a Sunday; Boxing Day keeps its Monday.
        EXPECT_EQ(Days(list, 2022, 12, 12),
                  (Strings{"12-25 Christmas Day", "12-26 Boxing Day", "12-27 Christmas Day (substitute day)"}));
        // 2020: Boxing Day alone on a Saturday.
        EXPECT_EQ(Days(list, 2020, 12, 12),
                  (Strings{"12-25 Christmas Day", "12-26 Boxing Day", "12-28 Boxing Day (substitute day)"}));
        // 2024: no weekend, no substitute.
        EXPECT_EQ(Days(list, 2024, 12, 12), (Strings{"12-25 Christmas Day", "12-26 Boxing Day"}));
    }
}

TEST(SubstituteRules, NewYearAndTheTurnOfTheYear) {
    // 1 January 2022 is a Saturday: Monday 3 January.
    EXPECT_EQ(Days(ListOf({"50101New Year's Day"}), 2022, 1, 1), (Strings{"01-01 New Year's Day", "01-03 New Year's Day (substitute day)"}));
    // New Zealand keeps 2 January too: on 1 January 2022 (Sat) and 2 January (Sun) the two
    // holidays take Monday 3 and Tuesday 4, whichever is listed first.
    for (bool swap : {false, true}) {
        const HolidayList list = swap ? ListOf({"50102Day after New Year's Day", "50101New Year's Day"})
                                      : ListOf({"50101New Year's Day", "50102Day after New Year's Day"});
        EXPECT_EQ(Days(list, 2022, 1, 1), (Strings{"01-01 New Year's Day", "01-02 Day after New Year's Day",
                                                   "01-03 New Year's Day (substitute day)",
                                                   "01-04 Day after New Year's Day (substitute day)"}));
    }
    // A Saturday 31 December's substitute lands in the next year, ahead of New Year's.
    const HolidayList eve = ListOf({"50101New Year's Day", "51231Old Year's Day"});
    EXPECT_EQ(Days(eve, 2023, 1, 1), (Strings{"01-01 New Year's Day", "01-02 Old Year's Day (substitute day)",
                                          "01-03 New Year's Day (substitute day)"}));
}

TEST(SubstituteRules, OtherKindsOfHolidayAreSteppedOver) {
    // ANZAC Day 2038 is Easter Sunday, so Easter Monday holds the 26th and the substitute is
    // Tuesday 27 April.
    for (bool swap : {false, true}) {
        const HolidayList list = swap ? ListOf({"3+01Easter Monday", "50425ANZAC Day"})
                                      : ListOf({"50425ANZAC Day", "3+01Easter Monday"});
        EXPECT_EQ(Days(list, 2038, 4, 4), (Strings{"04-25 ANZAC Day", "04-26 Easter Monday", "04-27 ANZAC Day (substitute day)"}));
    }
    // 1 May 2021 is a Saturday and Monday 3 May the first Monday of May.
    const HolidayList may = ListOf({"50501Labour Day", "10511May Day"});
    EXPECT_EQ(Days(may, 2021, 5, 5), (Strings{"05-01 Labour Day", "05-03 May Day", "05-04 Labour Day (substitute day)"}));
    // A plain fixed date shows no substitute.
    EXPECT_EQ(Days(ListOf({"00501Labour Day"}), 2021, 5, 5), (Strings{"05-01 Labour Day"}));
}

TEST(SubstituteRules, KingsDayMovesBackFromSunday) {
    const Holiday kings = Parse("60427King's Day");
    EXPECT_EQ(DaysOf(kings, 2025), (std::vector<Ymd>{{2025, 4, 26}}));  // 27 April a Sunday
    EXPECT_EQ(DaysOf(kings, 2024), (std::vector<Ymd>{{2024, 4, 27}}));  // a Saturday: stays
    EXPECT_EQ(DaysOf(kings, 2026), (std::vector<Ymd>{{2026, 4, 27}}));
    // On a Sunday 1 January (2023) the day before is in the old year.
    EXPECT_EQ(DaysOf(Parse("60101x"), 2022), (std::vector<Ymd>{{2022, 1, 1}, {2022, 12, 31}}));
    EXPECT_EQ(DaysOf(Parse("60101x"), 2023), (std::vector<Ymd>{}));
}

TEST(WeekdayRules, OnOrAfterAndOnOrBefore) {
    const Holiday midsummer = Parse("706206Midsummer Day");  // Saturday from 20 June
    EXPECT_EQ(DaysOf(midsummer, 2024), (std::vector<Ymd>{{2024, 6, 22}}));
    EXPECT_EQ(DaysOf(midsummer, 2025), (std::vector<Ymd>{{2025, 6, 21}}));
    EXPECT_EQ(DaysOf(midsummer, 2026), (std::vector<Ymd>{{2026, 6, 20}}));
    const Holiday allSaints = Parse("710316All Saints' Day");  // Saturday from 31 October
    EXPECT_EQ(DaysOf(allSaints, 2025), (std::vector<Ymd>{{2025, 11, 1}}));
    EXPECT_EQ(DaysOf(allSaints, 2027), (std::vector<Ymd>{{2027, 11, 6}}));
    const Holiday victoria = Parse("805241Victoria Day");  // Monday on or before 24 May
    EXPECT_EQ(DaysOf(victoria, 2021), (std::vector<Ymd>{{2021, 5, 24}}));
    EXPECT_EQ(DaysOf(victoria, 2025), (std::vector<Ymd>{{2025, 5, 19}}));
    // Every year of 2000-2040 has exactly one day, of the right weekday, in the week the rule allows.
    for (int year = 2000; year <= 2040; ++year) {
        for (const Holiday& h : {midsummer, victoria}) {
            const auto days = DaysOf(h, year);
            ASSERT_EQ(days.size(), 1u) << year;
            const GregorianDate g(days[0].month, days[0].day, year);
            EXPECT_EQ(g.Weekday(), h.weekday);
            const int from = h.kind == Holiday::WeekdayOnOrAfter ? h.day : h.day - 6;
            EXPECT_EQ(g.month, h.month);
            EXPECT_GE(g.day, from);
            EXPECT_LE(g.day, from + 6);
        }
    }
}

TEST(WeekdayRules, OnOrBeforeCanReachTheYearBefore) {
    // Sunday on or before 1 January 2026 (a Thursday) is 28 December 2025.
    const Holiday h = Parse("801017x");
    EXPECT_EQ(DaysOf(h, 2025), (std::vector<Ymd>{{2025, 12, 28}}));
    EXPECT_EQ(DaysOf(h, 2026), (std::vector<Ymd>{{2026, 12, 27}}));
    // And on or after 31 December into the next.
    EXPECT_EQ(DaysOf(Parse("712311x"), 2026), (std::vector<Ymd>{{2026, 1, 5}}));
}

TEST(WeekdayRules, OnOrAfterUnlessKeepsTheDateOnItsWeekday) {
    // The first Monday in February, or 1 February when that is a Friday.
    const Holiday brigid = Parse("A020115St Brigid's Day");
    const Ymd expected[] = {{2023, 2, 6}, {2024, 2, 5}, {2025, 2, 3}, {2026, 2, 2}, {2027, 2, 1}, {2028, 2, 7},
                            {2029, 2, 5}, {2030, 2, 1}, {2031, 2, 3}, {2036, 2, 1}, {2041, 2, 1}};
    for (const Ymd& d : expected)
        EXPECT_EQ(DaysOf(brigid, d.year), std::vector<Ymd>{d});
    EXPECT_EQ(brigid, Holiday::OnOrAfterUnless(2, 1, 1, 5, "St Brigid's Day"));
}

TEST(OneYearRules, OnlyInTheirYear) {
    const Holiday matariki = Parse("920220624Matariki");
    EXPECT_EQ(DaysOf(matariki, 2022), (std::vector<Ymd>{{2022, 6, 24}}));
    EXPECT_TRUE(DaysOf(matariki, 2021).empty());
    EXPECT_TRUE(DaysOf(matariki, 2023).empty());
    EXPECT_TRUE(DaysOf(Parse("920230230x"), 2023).empty());  // 30 February
}

TEST(RuleKinds, OldKindsGiveTheSameDaysInAListWithNewerKinds) {
    // A list with a rule that needs the year works out whole years at a time; the three old
    // kinds must come out as the day-by-day test gives them.
    HolidayList plain, mixed;
    for (const Holiday& h : HolidayList::FactoryList()) {
        plain.Add(h);
        mixed.Add(h);
    }
    plain.Add(Holiday(2, 29, "Leap"));
    mixed.Add(Holiday(2, 29, "Leap"));
    mixed.Add(Holiday::InOneYear(9999, 1, 1, "Far away"));
    for (int year = 1999; year <= 2041; ++year)
        EXPECT_EQ(plain.HolidaysInYear(year), mixed.HolidaysInYear(year)) << year;
    // Julian days too.
    CString a = "-", b = "-";
    for (JulianDate d(1, 1, 1899); d.year < 1905; d.AddDays(1)) {
        a = b = "-";
        plain.HolidayOn(d, a);
        mixed.HolidayOn(d, b);
        ASSERT_EQ(a, b) << d.FormatShort();
    }
}

TEST(RuleKinds, ChangesToTheListAreSeenAtOnce) {
    HolidayList list = ListOf({"3+01Easter Monday"});
    CString name;
    EXPECT_FALSE(list.HolidayOn(GregorianDate(12, 25, 2024), name));
    list.Add(Holiday(12, 25, "Christmas"));
    EXPECT_TRUE(list.HolidayOn(GregorianDate(12, 25, 2024), name));
    list.SetAt(1, Holiday(12, 26, "Boxing Day"));
    EXPECT_FALSE(list.HolidayOn(GregorianDate(12, 25, 2024), name));
    list.RemoveAt(0);
    EXPECT_FALSE(list.HolidayOn(GregorianDate(4, 1, 2024), name));
    EXPECT_FALSE(list.HolidayOn(GregorianDate(1, 40, 2024), name));  // no such day
}

TEST(RuleKinds, OtherCalendarsUseTheirOwnDates) {
    // A Julian date is judged by its own fields and weekday.
    const Holiday kings = Parse("60427x");
    int year = 2000;
    while (JulianDate(4, 27, year).Weekday() != 7 || GregorianDate(4, 27, year).Weekday() == 7)
        ++year;
    EXPECT_TRUE(kings.FallsOn(JulianDate(4, 26, year)));
    EXPECT_FALSE(kings.FallsOn(JulianDate(4, 27, year)));
    EXPECT_TRUE(kings.FallsOn(GregorianDate(4, 27, year)));
}

TEST(YearRules, KeptFromTheFirstToTheLastYear) {
    const Holiday from2021 = Parse("Y2021000000930Truth");
    EXPECT_TRUE(DaysOf(from2021, 2020).empty());
    EXPECT_EQ(DaysOf(from2021, 2021), (std::vector<Ymd>{{2021, 9, 30}}));
    EXPECT_EQ(DaysOf(from2021, 9999), (std::vector<Ymd>{{9999, 9, 30}}));
    EXPECT_FALSE(from2021.FallsOn(GregorianDate(9, 30, 2020)));
    EXPECT_TRUE(from2021.FallsOn(GregorianDate(9, 30, 2021)));
    const Holiday until2023 = Parse("Y00002023" "3+26Store Bededag");
    EXPECT_EQ(DaysOf(until2023, 2023), (std::vector<Ymd>{{2023, 5, 5}}));
    EXPECT_TRUE(DaysOf(until2023, 2024).empty());
    // A weekend holiday's substitute counts in the year of the holiday: 26 December 2020 (a
    // Saturday) of a rule that ends in 2020 still gives Monday 28th.
    const HolidayList boxing = ListOf({"Y0000202051226Boxing Day"});
    EXPECT_EQ(Days(boxing, 2020, 12, 12), (Strings{"12-26 Boxing Day", "12-28 Boxing Day (substitute day)"}));
    EXPECT_TRUE(Days(boxing, 2021, 12, 12).empty());
}

TEST(YearRules, LabelsNameTheYears) {
    EXPECT_EQ(Parse("Y2021000000930Truth").Label(), "Truth (from 2021)");
    EXPECT_EQ(Parse("Y00001990" "00617Einheit").Label(), "Einheit (until 1990)");
    EXPECT_EQ(Parse("Y19711977" "11041Veterans Day").Label(), "Veterans Day (1971-1977)");
    EXPECT_EQ(Parse("F20200504Early May").Label(), "Early May (not on 2020-05-04)");
    EXPECT_EQ(Parse("920220624Matariki").Label(), "Matariki (2022-06-24)");
    EXPECT_EQ(Parse("01225Christmas").Label(), "Christmas");
}

TEST(ObservedRules, FridayBeforeSaturdayAndMondayAfterSunday) {
    const HolidayList july = ListOf({"B0704Independence Day"});
    EXPECT_EQ(Days(july, 2020, 7, 7), (Strings{"07-03 Independence Day (observed)", "07-04 Independence Day"}));
    EXPECT_EQ(Days(july, 2021, 7, 7), (Strings{"07-04 Independence Day", "07-05 Independence Day (observed)"}));
    EXPECT_EQ(Days(july, 2023, 7, 7), (Strings{"07-04 Independence Day"}));
    // 1 January 2022, a Saturday, is observed in the year before.
    const HolidayList newYear = ListOf({"B0101New Year's Day"});
    EXPECT_EQ(Days(newYear, 2021, 12, 12), (Strings{"12-31 New Year's Day (observed)"}));
    EXPECT_EQ(Days(newYear, 2022, 1, 1), (Strings{"01-01 New Year's Day"}));
}

TEST(CancelRules, OnlyTheNamedHolidayOnThatDateOfThatYear) {
    const HolidayList list = ListOf({"10511Early May", "00504Other", "F20200504Early May", "920200508Early May"});
    EXPECT_EQ(Days(list, 2020, 5, 5), (Strings{"05-04 Other", "05-08 Early May"}));
    EXPECT_EQ(Days(list, 2021, 5, 5), (Strings{"05-03 Early May", "05-04 Other"}));
    // A cancelled weekend holiday gives no substitute either.
    const HolidayList greek = ListOf({"51226Boxing Day", "F20201226Boxing Day"});
    EXPECT_TRUE(Days(greek, 2020, 12, 12).empty());
}

TEST(SeasonRules, EquinoxInTheGivenTimeZone) {
    // The March equinox of 2027 is at about 20:25 UT on 20 March: 21 March in Japan.
    EXPECT_EQ(DaysOf(Parse("C03+09x"), 2027), (std::vector<Ymd>{{2027, 3, 21}}));
    EXPECT_EQ(DaysOf(Parse("C03+00x"), 2027), (std::vector<Ymd>{{2027, 3, 20}}));
    EXPECT_EQ(DaysOf(Parse("C12+00x"), 2027), (std::vector<Ymd>{{2027, 12, 22}}));
    EXPECT_TRUE(DaysOf(Parse("C04+09x"), 2027).empty());
}

TEST(RuleTexts, EveryKindRoundTrips) {
    const char* texts[] = {
        "3-02Good Friday", "3+00Easter Sunday", "3+99x", "3-99x", "4-48Clean Monday", "4+50Whit Monday",
        "51225Christmas Day", "60427King's Day", "706206Midsummer Day", "805241Victoria Day",
        "920220624Matariki", "A020115St Brigid's Day", "A020115", "500991", "7000090x", "900000000", "3+01", "51225Ünïcödé ☃",
        "B0704Independence Day", "C03+09春分の日", "C09-05x", "D休日", "E0休日", "E7x", "F20200504Early May",
        "Y2021000000930Truth", "Y00002023" "3+26x", "Y19862006E7x",
    };
    for (const char* text : texts) {
        const Holiday h = Parse(text);
        EXPECT_EQ(h.ToText(), text);
    }
    EXPECT_EQ(Holiday::FromEaster(false, -2, "Good Friday"), Parse("3-02Good Friday"));
    EXPECT_EQ(Holiday::DateRule(Holiday::WeekdayOnOrBefore, 5, 24, 1, "Victoria Day"), Parse("805241Victoria Day"));
    EXPECT_EQ(Holiday::InOneYear(2022, 6, 24, "Matariki"), Parse("920220624Matariki"));
}

TEST(RuleTexts, MalformedNewRecordsAreRejected) {
    Holiday h;
    for (const char* text : {"3", "302Good Friday", "3-0", "3-0xA", "3-00x", "4 02x", "5122", "512x5x", "70620",
                             "7062", "9202206", "92022a624x", "80524-x", "A02011", "A02011x", "B07", "C03x09",
                             "C03-00x", "E", "F2020050", "Y2021", "Y20210000", "Y00000000" "00930x",
                             "Y20210000Y2021000000930x", "Y2021000Z00930x", "Y20210000" "0", "Y20210000" "1a2b3x"})
        EXPECT_FALSE(Holiday::FromText(text, h)) << text;
}

TEST(RuleTexts, OutOfRangeValuesMatchNothingAndKeepTheName) {
    Holiday easter = Holiday::FromEaster(true, 250, "far");
    EXPECT_EQ(easter.ToText(), "4+99far");
    easter.offset = -250;
    EXPECT_EQ(easter.ToText(), "4-99far");
    Holiday h = Holiday::DateRule(Holiday::WeekdayOnOrAfter, 13, 120, 12, "bad");
    EXPECT_EQ(h.ToText(), "713999bad");
    EXPECT_TRUE(DaysOf(Parse("713999bad"), 2024).empty());
    h = Holiday::InOneYear(12345, 1, 1, "bad");
    EXPECT_EQ(h.ToText(), "900000101bad");
    EXPECT_TRUE(DaysOf(Parse("900000101bad"), 2024).empty());
}

TEST(RuleStorage, MixedListRoundTripsThroughTheStore) {
    const HolidayList list = ListOf({"01225Christmas", "11144Thanksgiving", "20414Tax Day", "3-02Good Friday",
                                     "4+01Easter Monday", "51226Boxing Day", "60427King's Day", "706206Midsummer Day",
                                     "805241Victoria Day", "920220624Matariki"});
    MemorySettingsStore store;
    list.SaveToSettings(store);
    EXPECT_EQ(store.GetString(kHolidaySection, "Number004", ""), "3-02Good Friday");
    HolidayList reread;
    reread.LoadFromSettings(store);
    EXPECT_EQ(reread.Items(), list.Items());
}

TEST(RuleStorage, OldStyleListReadAndWrittenUnchanged) {
    MemorySettingsStore store;
    const char* texts[] = {"01225Christmas", "10911Labor Day", "10527Mother's Day", "20414Tax Day", "10144x"};
    store.WriteInt(kHolidaySection, kHolidayCountKey, 5);
    for (int i = 0; i < 5; ++i)
        store.WriteString(kHolidaySection, StrFormat("Number%03d", i + 1), texts[i]);
    HolidayList list;
    list.LoadFromSettings(store);
    ASSERT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.GetAt(0), Holiday(12, 25, "Christmas"));
    EXPECT_EQ(list.GetAt(1), Holiday(9, 1, 1, "Labor Day"));
    MemorySettingsStore again;
    list.SaveToSettings(again);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(again.GetString(kHolidaySection, StrFormat("Number%03d", i + 1), ""), texts[i]);
}

TEST(RuleStorage, MalformedNewRecordIsSkippedLikeAnUnknownKind) {
    MemorySettingsStore store;
    store.WriteInt(kHolidaySection, kHolidayCountKey, 3);
    store.WriteString(kHolidaySection, "Number001", "3x02Broken");
    store.WriteString(kHolidaySection, "Number002", "3-02Good Friday");
    store.WriteString(kHolidaySection, "Number003", "Z0101Future kind");
    HolidayList list;
    list.LoadFromSettings(store);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetAt(0).name, "Good Friday");
}

TEST(CountrySetTable, EverySetReadsCompletelyUnderAUniqueCode) {
    std::vector<std::string> codes;
    std::string country;
    for (const CountrySet& set : CountrySets()) {
        SCOPED_TRACE(set.code);
        const std::string code = set.code;
        ASSERT_TRUE(code.size() == 2u || (code.size() > 3u && code[2] == '-'));
        EXPECT_TRUE(std::all_of(code.begin(), code.end(), [](char c) { return std::isupper((unsigned char)c) || std::isdigit((unsigned char)c) || c == '-'; }));
        EXPECT_EQ(std::count(codes.begin(), codes.end(), code), 0);
        codes.push_back(code);
        EXPECT_FALSE(std::string(set.name).empty());
        if (code.size() == 2u) {
            country = code;
            EXPECT_EQ(set.country, nullptr);
            EXPECT_EQ(CountrySetHolidays(set).size(), set.lines.size());
        } else {
            // A region follows its country and is named after it.
            ASSERT_NE(set.country, nullptr);
            EXPECT_EQ(set.country, country);
            EXPECT_EQ(code.substr(0, 2), country);
            const std::string countryName = FindCountrySet(country)->name;
            EXPECT_EQ(std::string(set.name).rfind(countryName + ", ", 0), 0u) << set.name;
            for (const char* dropped : set.dropped) {
                const auto own = CountrySetHolidays(*FindCountrySet(country));
                EXPECT_TRUE(std::any_of(own.begin(), own.end(), [&](const Holiday& h) { return h.name == dropped; }))
                    << dropped;
            }
        }
        for (const char* line : set.lines) {
            Holiday h;
            ASSERT_TRUE(Holiday::FromText(line, h)) << line;
            EXPECT_EQ(h.ToText(), line);
            EXPECT_FALSE(h.name.empty()) << line;
        }
    }
}

TEST(CountrySetTable, CodesIgnoreCase) {
    const CountrySet* us = FindCountrySet("us");
    ASSERT_NE(us, nullptr);
    EXPECT_EQ(FindCountrySet("US"), us);
    EXPECT_EQ(CountrySets().front().code, std::string("US"));
    EXPECT_NE(CountrySetHolidays(*us), HolidayList::FactoryList());  // the federal list, not the factory one
    EXPECT_EQ(FindCountrySet("gb-sct"), FindCountrySet("GB-SCT"));
    EXPECT_EQ(FindCountrySet("XX"), nullptr);
    EXPECT_EQ(FindCountrySet(""), nullptr);
    EXPECT_EQ(FindCountrySet("USA"), nullptr);
}
