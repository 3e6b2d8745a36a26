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
    // The federal holidays with their observed days; 1 January 2022 (a Saturday) observed on
    // 31 December 2021. 1975: the Monday holidays, no Martin Luther King, Jr. or Juneteenth,
    // Veterans Day on the fourth Monday of October.
    {"US", 1975, "01-01 02-17 05-26 07-04 09-01 10-13 10-27 11-27 12-25"},
    {"US", 2020, "01-01 01-20 02-17 05-25 07-03 07-04 09-07 10-12 11-11 11-26 12-25"},
    {"US", 2021, "01-01 01-18 02-15 05-31 06-18 06-19 07-04 07-05 09-06 10-11 11-11 11-25 12-24 12-25 12-31"},
    {"US", 2022, "01-01 01-17 02-21 05-30 06-19 06-20 07-04 09-05 10-10 11-11 11-24 12-25 12-26"},
    {"CA", 2020, "01-01 04-10 05-18 07-01 09-07 10-12 11-11 12-25 12-26 12-28"},
    {"CA", 2025, "01-01 04-18 05-19 07-01 09-01 09-30 10-13 11-11 12-25 12-26"},
    {"CA", 2026, "01-01 04-03 05-18 07-01 09-07 09-30 10-12 11-11 12-25 12-26 12-28"},
    {"CA", 2027, "01-01 03-26 05-24 07-01 09-06 09-30 10-11 11-11 12-25 12-26 12-27 12-28"},
    {"CA", 2028, "01-01 01-03 04-14 05-22 07-01 07-03 09-04 09-30 10-09 11-11 11-13 12-25 12-26"},
    {"CA", 2029, "01-01 03-30 05-21 07-01 07-02 09-03 09-30 10-08 11-11 11-12 12-25 12-26"},
    {"GB", 2012, "01-01 01-02 04-06 04-09 05-07 06-04 06-05 08-27 12-25 12-26"},
    {"GB", 2020, "01-01 04-10 04-13 05-08 05-25 08-31 12-25 12-26 12-28"},
    {"GB", 2022, "01-01 01-03 04-15 04-18 05-02 06-02 06-03 08-29 09-19 12-25 12-26 12-27"},
    {"GB", 2023, "01-01 01-02 04-07 04-10 05-01 05-08 05-29 08-28 12-25 12-26"},
    {"GB", 2025, "01-01 04-18 04-21 05-05 05-26 08-25 12-25 12-26"},
    {"GB", 2026, "01-01 04-03 04-06 05-04 05-25 08-31 12-25 12-26 12-28"},
    {"GB", 2027, "01-01 03-26 03-29 05-03 05-31 08-30 12-25 12-26 12-27 12-28"},
    {"GB", 2028, "01-01 01-03 04-14 04-17 05-01 05-29 08-28 12-25 12-26"},
    {"IE", 2022, "01-01 01-03 03-17 03-18 04-18 05-02 06-06 08-01 10-31 12-25 12-26 12-27"},
    {"IE", 2025, "01-01 02-03 03-17 04-21 05-05 06-02 08-04 10-27 12-25 12-26"},
    {"IE", 2026, "01-01 02-02 03-17 04-06 05-04 06-01 08-03 10-26 12-25 12-26 12-28"},
    {"IE", 2027, "01-01 02-01 03-17 03-29 05-03 06-07 08-02 10-25 12-25 12-26 12-27 12-28"},
    {"IE", 2029, "01-01 02-05 03-17 03-19 04-02 05-07 06-04 08-06 10-29 12-25 12-26"},
    {"IE", 2030, "01-01 02-01 03-17 03-18 04-22 05-06 06-03 08-05 10-28 12-25 12-26"},
    {"IE", 2036, "01-01 02-01 03-17 04-14 05-05 06-02 08-04 10-27 12-25 12-26"},
    {"AU", 2022, "01-01 01-03 01-26 04-15 04-18 04-25 06-13 09-22 12-25 12-26 12-27"},
    {"AU", 2025, "01-01 01-26 01-27 04-18 04-21 04-25 06-09 12-25 12-26"},
    {"AU", 2026, "01-01 01-26 04-03 04-06 04-25 06-08 12-25 12-26 12-28"},
    {"AU", 2027, "01-01 01-26 03-26 03-29 04-25 06-14 12-25 12-26 12-27 12-28"},
    {"AU", 2030, "01-01 01-26 01-28 04-19 04-22 04-25 06-10 12-25 12-26"},
    {"NZ", 2022, "01-01 01-02 01-03 01-04 02-06 02-07 04-15 04-18 04-25 06-06 06-24 09-26 10-24 12-25 12-26 12-27"},
    {"NZ", 2025, "01-01 01-02 02-06 04-18 04-21 04-25 06-02 06-20 10-27 12-25 12-26"},
    {"NZ", 2026, "01-01 01-02 02-06 04-03 04-06 04-25 04-27 06-01 07-10 10-26 12-25 12-26 12-28"},
    {"NZ", 2027, "01-01 01-02 01-04 02-06 02-08 03-26 03-29 04-25 04-26 06-07 06-25 10-25 12-25 12-26 12-27 12-28"},
    {"NZ", 2028, "01-01 01-02 01-03 01-04 02-06 02-07 04-14 04-17 04-25 06-05 07-14 10-23 12-25 12-26"},
    {"DE", 1953, "01-01 04-03 04-06 05-01 05-14 05-25 11-18 12-25 12-26"},
    {"DE", 1990, "01-01 04-13 04-16 05-01 05-24 06-04 06-17 10-03 11-21 12-25 12-26"},
    {"DE", 2017, "01-01 04-14 04-17 05-01 05-25 06-05 10-03 10-31 12-25 12-26"},
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
    {"IT", 1980, "01-01 04-06 04-07 04-25 05-01 06-01 08-15 11-01 12-08 12-25 12-26"},
    {"IT", 2025, "01-01 01-06 04-20 04-21 04-25 05-01 06-02 08-15 11-01 12-08 12-25 12-26"},
    {"IT", 2026, "01-01 01-06 04-05 04-06 04-25 05-01 06-02 08-15 10-04 11-01 12-08 12-25 12-26"},
    {"IT", 2027, "01-01 01-06 03-28 03-29 04-25 05-01 06-02 08-15 10-04 11-01 12-08 12-25 12-26"},
    {"GR", 2021, "01-01 01-06 03-15 03-25 04-30 05-02 05-03 05-04 06-21 08-15 10-28 12-25 12-26"},
    {"GR", 2024, "01-01 01-06 03-18 03-25 05-03 05-05 05-06 05-07 06-24 08-15 10-28 12-25 12-26"},
    {"GR", 2025, "01-01 01-06 03-03 03-25 04-18 04-20 04-21 05-01 06-09 08-15 10-28 12-25 12-26"},
    {"GR", 2026, "01-01 01-06 02-23 03-25 04-10 04-12 04-13 05-01 06-01 08-15 10-28 12-25 12-26"},
    {"GR", 2027, "01-01 01-06 03-15 03-25 04-30 05-01 05-02 05-03 06-21 08-15 10-28 12-25 12-26"},
    {"CA-QC", 2025, "01-01 04-18 05-19 06-24 07-01 09-01 10-13 12-25"},
    {"CA-ON", 2025, "01-01 02-17 04-18 05-19 07-01 09-01 10-13 12-25 12-26"},
    // A weekend holiday stays on its day where the law gives only pay or a day the employer sets
    // (Remembrance Day on Sunday 11 November 2018, New Year's Day on Saturday 1 January and
    // Christmas on Sunday 25 December 2022), but Canada Day on a Sunday moves to 2 July, and
    // Quebec's Fête nationale on a Sunday to 25 June.
    {"CA-BC", 2018, "01-01 02-12 03-30 05-21 07-01 07-02 08-06 09-03 10-08 11-11 12-25"},
    {"CA-AB", 2022, "01-01 02-21 04-15 05-23 07-01 09-05 10-10 11-11 12-25"},
    {"CA-ON", 2022, "01-01 02-21 04-15 05-23 07-01 09-05 10-10 12-25 12-26"},
    {"CA-QC", 2018, "01-01 03-30 05-21 06-24 06-25 07-01 07-02 09-03 10-08 12-25"},
    // Where the law gives the next working day, a weekend holiday brings it, the province's own
    // days too: Prince Edward Island's Saturday 30 September 2023 on Monday 2 October, Yukon's
    // Saturday 21 June 2025 on Monday 23 June. Nova Scotia's Remembrance Day stays on Sunday
    // 11 November 2018.
    {"CA-PE", 2023, "01-01 01-02 02-20 04-07 07-01 07-03 09-04 09-30 10-02 11-11 11-13 12-25"},
    {"CA-NS", 2018, "01-01 02-19 03-30 07-01 07-02 09-03 11-11 12-25"},
    {"CA-NL", 2025, "01-01 04-18 07-01 09-01 11-11 12-25"},
    {"AU-NSW", 2025, "01-01 01-26 01-27 04-18 04-19 04-20 04-21 04-25 06-09 10-06 12-25 12-26"},
    {"AU-VIC", 2025, "01-01 01-26 01-27 03-10 04-18 04-19 04-20 04-21 04-25 06-09 09-26 11-04 12-25 12-26"},
    {"AU-QLD", 2014, "01-01 01-26 01-27 04-18 04-19 04-21 04-25 06-09 10-06 12-25 12-26"},
    {"AU-QLD", 2025, "01-01 01-26 01-27 04-18 04-19 04-20 04-21 04-25 05-05 10-06 12-25 12-26"},
    {"GB-SCT", 2025, "01-01 01-02 04-18 05-05 05-26 08-04 11-30 12-01 12-25 12-26"},
    {"GB-NIR", 2025, "01-01 03-17 04-18 04-21 05-05 05-26 07-12 07-14 08-25 12-25 12-26"},
    {"CA-AB", 2025, "01-01 02-17 04-18 05-19 07-01 09-01 10-13 11-11 12-25"},
    {"CA-MB", 2025, "01-01 02-17 04-18 05-19 07-01 09-01 09-30 10-13 12-25"},
    {"CA-NB", 2025, "01-01 02-17 04-18 07-01 08-04 09-01 11-11 12-25"},
    {"CA-NS", 2025, "01-01 02-17 04-18 07-01 09-01 11-11 12-25"},
    {"CA-NT", 2025, "01-01 04-18 05-19 06-21 07-01 08-04 09-01 09-30 10-13 11-11 12-25"},
    {"CA-PE", 2025, "01-01 02-17 04-18 07-01 09-01 09-30 11-11 12-25"},
    {"CA-SK", 2025, "01-01 02-17 04-18 05-19 07-01 08-04 09-01 10-13 11-11 12-25"},
    {"CA-YT", 2025, "01-01 04-18 05-19 06-21 06-23 07-01 08-18 09-01 09-30 10-13 11-11 12-25"},
    // Nunavut Day on Wednesday 9 July, the Civic Holiday on the first Monday of August; no
    // Nunavut Day before 2020.
    {"CA-NU", 2025, "01-01 04-18 05-19 07-01 07-09 08-04 09-01 10-13 11-11 12-25"},
    {"CA-NU", 2019, "01-01 04-19 05-20 07-01 08-05 09-02 10-14 11-11 12-25"},
    // Adelaide Cup and Canberra Day on 10 March, Tasmania's Regatta on 10 February and Recreation
    // Day on 3 November, Reconciliation Day on Monday 2 June (27 May a Tuesday); in WA the
    // King's Birthday of 2024 on 23 September, not the last Monday (30th).
    {"AU-SA", 2025, "01-01 01-26 01-27 03-10 04-18 04-19 04-20 04-21 04-25 06-09 10-06 12-25 12-26"},
    {"AU-SA", 2023, "01-01 01-02 01-26 03-13 04-07 04-08 04-10 04-25 06-12 10-02 12-25 12-26"},
    {"AU-SA", 2021, "01-01 01-26 03-08 04-02 04-03 04-05 04-25 04-26 06-14 10-04 12-25 12-26 12-27 12-28"},
    {"AU-TAS", 2025, "01-01 01-26 01-27 02-10 03-10 04-18 04-21 04-25 06-09 11-03 12-25 12-26"},
    {"AU-WA", 2024, "01-01 01-26 03-04 03-29 03-31 04-01 04-25 06-03 09-23 12-25 12-26"},
    {"AU-WA", 2025, "01-01 01-26 01-27 03-03 04-18 04-20 04-21 04-25 06-02 09-29 12-25 12-26"},
    // Anzac Day on a weekend: WA's Monday after a Saturday, Queensland's after a Sunday.
    {"AU-WA", 2026, "01-01 01-26 03-02 04-03 04-05 04-06 04-25 04-27 06-01 09-28 12-25 12-26 12-28"},
    {"AU-QLD", 2027, "01-01 01-26 03-26 03-27 03-28 03-29 04-25 04-26 05-03 10-04 12-25 12-26 12-27 12-28"},
    {"AU-ACT", 2025, "01-01 01-26 01-27 03-10 04-18 04-19 04-20 04-21 04-25 06-02 06-09 10-06 12-25 12-26"},
    {"AU-ACT", 2007, "01-01 01-26 03-19 04-06 04-07 04-09 04-25 06-11 10-01 12-25 12-26"},
    // Swiss cantons, each law's own days after the four of every canton: Geneva's Jeûne on the
    // Thursday after Sunday 7 September, Vaud's Monday after the third Sunday of September;
    // Neuchâtel keeps 2 January 2023 as New Year's Day was a Sunday, and no Easter Monday; the
    // Näfelser Fahrt of 2023 a week after Maundy Thursday 6 April.
    {"CH-ZH", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 08-01 12-25 12-26"},
    {"CH-GE", 2025, "01-01 04-18 04-21 05-29 06-09 08-01 09-11 12-25 12-31"},
    {"CH-VD", 2025, "01-01 01-02 04-18 04-21 05-29 06-09 08-01 09-22 12-25"},
    {"CH-NE", 2023, "01-01 01-02 03-01 04-07 05-01 05-18 08-01 12-25"},
    {"CH-NE", 2022, "01-01 03-01 04-15 05-01 05-26 08-01 12-25 12-26"},
    {"CH-GL", 2023, "01-01 04-07 04-10 04-13 05-18 05-29 08-01 11-01 12-25 12-26"},
    {"CH-GL", 2022, "01-01 04-07 04-15 04-18 05-26 06-06 08-01 11-01 12-25 12-26"},
    {"CH-TI", 2025, "01-01 01-06 03-19 04-21 05-01 05-29 06-09 06-19 06-29 08-01 08-15 11-01 12-08 12-25 12-26"},
    {"CH-JU", 2025, "01-01 01-02 04-18 04-21 05-01 05-29 06-09 06-19 06-23 08-01 08-15 11-01 12-25"},
    {"CH-VS", 2026, "01-01 03-19 05-14 06-04 08-01 08-15 11-01 12-08 12-25"},
    {"CH-AG", 2026, "01-01 01-02 04-03 04-06 05-14 05-25 06-04 08-01 08-15 11-01 12-08 12-25"},  // Christmas a Friday
    {"CH-ZG", 2025, "01-01 04-18 05-29 06-19 08-01 08-15 11-01 12-08 12-25"},
    {"CH-LU", 2025, "01-01 04-18 05-29 06-19 08-01 08-15 11-01 12-08 12-25 12-26"},  // no Easter or Whit Monday
    {"CH-OW", 2025, "01-01 04-18 05-29 06-19 08-01 08-15 09-25 11-01 12-08 12-25"},
    {"CH-SH", 2027, "01-01 03-26 03-29 05-01 05-06 05-17 08-01 12-25 12-26"},  // no 2 January
    {"CH-UR", 2026, "01-01 01-06 03-19 04-03 04-06 05-14 05-25 06-04 08-01 08-15 11-01 12-08 12-25 12-26"},
    {"CH-AI", 2023, "01-01 04-07 04-10 05-18 05-29 06-08 08-01 08-15 09-22 11-01 12-08 12-25"},  // Christmas a Monday
    // Spanish communities by the 2024, 2025 and 2026 decrees (Easter 2024 on 31 March, 2025 on
    // 20 April, 2026 on 5 April, 2027 on 28 March): Andalusia's Mondays after Sunday 8 December
    // 2024, Sunday 12 October 2025 and the Sundays 1 November and 6 December 2026; Madrid in 2027
    // repeats the last decree's own day (Sunday 2 May) but no Monday after; the Balearic Islands'
    // day moved to Monday 2 March 2026; each Canary island's day in the Canary set.
    {"ES-AN", 2024, "01-01 01-06 02-28 03-28 03-29 05-01 08-15 10-12 11-01 12-06 12-08 12-09 12-25"},
    {"ES-CN", 2024, "01-01 01-06 02-02 03-28 03-29 05-01 05-30 08-05 08-15 09-09 09-16 09-20 09-24 10-07 10-12 "
                    "11-01 12-06 12-08 12-25"},
    {"ES-CN", 2025, "01-01 01-06 02-03 04-17 04-18 05-01 05-30 07-05 08-05 08-15 09-08 09-15 09-19 10-06 10-12 "
                    "11-01 12-06 12-08 12-25"},  // El Hierro's Bajada in place of 24 September
    {"ES-AN", 2025, "01-01 01-06 02-28 04-17 04-18 05-01 08-15 10-12 10-13 11-01 12-06 12-08 12-25"},
    {"ES-AN", 2026, "01-01 01-06 02-28 04-02 04-03 05-01 08-15 10-12 11-01 11-02 12-06 12-07 12-08 12-25"},
    {"ES-CT", 2025, "01-01 01-06 04-18 04-21 05-01 06-24 08-15 09-11 10-12 11-01 12-06 12-08 12-25 12-26"},
    {"ES-VC", 2025, "01-01 01-06 03-19 04-18 04-21 05-01 08-15 10-09 10-12 11-01 12-06 12-08 12-25"},
    {"ES-CE", 2025, "01-01 01-06 03-31 04-17 04-18 05-01 06-06 06-13 08-05 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES-CE", 2024, "01-01 01-06 03-28 03-29 04-10 05-01 06-13 06-17 08-05 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES-NC", 2026, "01-01 01-06 03-19 04-02 04-03 04-06 05-01 08-15 10-12 11-01 11-02 12-03 12-06 12-08 12-25"},  // no 25 July
    {"ES-ML", 2026, "01-01 01-06 03-20 04-02 04-03 05-01 05-27 08-15 09-08 09-17 11-01 12-06 12-07 12-08 12-25"},  // no 12 October
    {"ES-CL", 2026, "01-01 01-06 04-02 04-03 04-23 05-01 08-15 10-12 11-01 11-02 12-06 12-07 12-08 12-25"},
    {"ES-MD", 2027, "01-01 01-06 03-25 03-26 05-01 05-02 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES-IB", 2026, "01-01 01-06 03-02 04-02 04-03 04-06 05-01 08-15 10-12 11-01 12-06 12-08 12-25 12-26"},
    {"ES-CN", 2026, "01-01 01-06 02-02 04-02 04-03 05-01 05-30 08-05 08-15 09-08 09-15 09-18 09-24 10-05 10-12 "
                    "11-01 11-02 12-06 12-08 12-25"},
    // 2020 to 2023 by those years' resolutions (Easter 2020 on 12 April, 2021 on 4 April, 2022 on
    // 17 April, 2023 on 9 April): Andalusia's Mondays after Sundays 1 November and 6 December
    // 2020; Madrid's Sunday 2 May 2021 moved to Monday 3 May; Catalonia's Whit Monday 2022;
    // Aragon's Sunday 23 April 2023 moved to the Monday, Castile and León's dropped for 25 July;
    // each Canary island's day in 2020 to 2022 (Tenerife's on 7 September 2020, El Hierro's
    // Bajada on 3 July 2021) and Sunday 30 May 2021 left out; Ceuta's Monday after San Antonio
    // and Eid al-Adha in 2021, its Día de Ceuta on Friday 2 September 2022; Melilla's 13 March
    // and Eid al-Adha in 2020, no Monday of 2 November.
    {"ES-AN", 2020, "01-01 01-06 02-28 04-09 04-10 05-01 08-15 10-12 11-01 11-02 12-06 12-07 12-08 12-25"},
    {"ES-MD", 2021, "01-01 01-06 03-19 04-01 04-02 05-01 05-03 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES-CT", 2022, "01-01 01-06 04-15 04-18 05-01 06-06 06-24 08-15 09-11 10-12 11-01 12-06 12-08 12-25 12-26"},
    {"ES-AR", 2023, "01-01 01-02 01-06 04-06 04-07 04-24 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES-CL", 2023, "01-01 01-02 01-06 04-06 04-07 05-01 07-25 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"ES-IB", 2022, "01-01 01-06 03-01 04-14 04-15 04-18 05-01 08-15 10-12 11-01 12-06 12-08 12-25 12-26"},
    {"ES-CN", 2020, "01-01 01-06 04-09 04-10 05-01 05-30 08-05 08-15 09-07 09-08 09-15 09-18 09-24 10-05 10-12 "
                    "11-01 12-06 12-07 12-08 12-25"},
    {"ES-CN", 2021, "01-01 01-06 02-02 04-01 04-02 05-01 07-03 08-05 08-15 08-16 09-08 09-15 09-17 10-04 10-12 "
                    "11-01 12-06 12-08 12-25"},
    {"ES-CN", 2022, "01-01 01-06 02-02 04-14 04-15 05-01 05-30 08-05 08-15 09-08 09-15 09-16 09-24 10-03 10-12 "
                    "11-01 12-06 12-08 12-25 12-26"},
    {"ES-CE", 2021, "01-01 01-06 04-01 04-02 05-01 06-14 07-20 08-05 08-15 09-02 10-12 11-01 12-06 12-08 12-25"},
    {"ES-CE", 2022, "01-01 01-06 04-14 04-15 05-01 05-03 06-13 08-05 08-15 09-02 10-12 11-01 12-06 12-08 12-25"},  // Eid al-Adha unread
    {"ES-ML", 2020, "01-01 01-06 03-13 04-09 04-10 05-01 07-31 08-15 09-08 09-17 10-12 11-01 12-06 12-07 12-08 "
                    "12-25"},
    {"AU-NT", 2025, "01-01 01-26 01-27 04-18 04-19 04-21 04-25 05-05 06-09 08-04 12-25 12-26"},
    {"AU-NT", 2023, "01-01 01-02 01-26 04-07 04-08 04-09 04-10 04-25 05-01 06-12 08-07 12-25 12-26"},  // Easter Sunday appointed
    {"DE-BW", 2025, "01-01 01-06 04-18 04-21 05-01 05-29 06-09 06-19 10-03 11-01 12-25 12-26"},
    {"DE-HB", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 10-03 10-31 12-25 12-26"},
    {"DE-NI", 2016, "01-01 03-25 03-28 05-01 05-05 05-16 10-03 12-25 12-26"},
    {"DE-HE", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 06-19 10-03 12-25 12-26"},
    {"DE-MV", 2025, "01-01 03-08 04-18 04-21 05-01 05-29 06-09 10-03 10-31 12-25 12-26"},
    {"DE-NW", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 06-19 10-03 11-01 12-25 12-26"},
    {"DE-SL", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 06-19 08-15 10-03 11-01 12-25 12-26"},
    {"DE-ST", 2025, "01-01 01-06 04-18 04-21 05-01 05-29 06-09 10-03 10-31 12-25 12-26"},
    {"DE-TH", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 06-19 09-20 10-03 10-31 12-25 12-26"},
    {"PT-20", 2025, "01-01 04-18 04-20 04-25 05-01 06-09 06-10 06-19 08-15 10-05 11-01 12-01 12-08 12-25"},
    {"PT-30", 2025, "01-01 04-02 04-18 04-20 04-25 05-01 06-10 06-19 07-01 08-15 10-05 11-01 12-01 12-08 12-25 12-26"},
    {"FI-01", 2025, "01-01 01-06 04-18 04-20 04-21 05-01 05-29 06-08 06-21 11-01 12-06 12-25 12-26"},
    // Easter 2025 on 20 April: Good Friday 18th, Ascension 29 May, Whit Monday 9 June, Corpus
    // Christi 19 June.
    {"DE-BY", 2025, "01-01 01-06 04-18 04-21 05-01 05-29 06-09 06-19 08-08 08-15 10-03 11-01 12-25 12-26"},
    {"DE-BE", 2025, "01-01 03-08 04-18 04-21 05-01 05-08 05-29 06-09 10-03 12-25 12-26"},
    {"DE-BE", 2018, "01-01 03-30 04-02 05-01 05-10 05-21 10-03 12-25 12-26"},
    {"DE-BB", 2025, "01-01 04-18 04-20 04-21 05-01 05-29 06-08 06-09 10-03 10-31 12-25 12-26"},
    {"DE-SN", 2025, "01-01 04-18 04-21 05-01 05-29 06-09 06-19 10-03 10-31 11-19 12-25 12-26"},
    {"ES", 2025, "01-01 01-06 04-18 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
    {"PT", 2014, "01-01 04-18 04-20 04-25 05-01 06-10 08-15 12-08 12-25"},
    {"PT", 2025, "01-01 04-18 04-20 04-25 05-01 06-10 06-19 08-15 10-05 11-01 12-01 12-08 12-25"},
    {"PL", 2024, "01-01 01-06 03-31 04-01 05-01 05-03 05-19 05-30 08-15 11-01 11-11 12-25 12-26"},
    {"PL", 2025, "01-01 01-06 04-20 04-21 05-01 05-03 06-08 06-19 08-15 11-01 11-11 12-24 12-25 12-26"},
    {"DK", 2023, "01-01 04-06 04-07 04-09 04-10 05-05 05-18 05-28 05-29 12-25 12-26"},
    {"DK", 2024, "01-01 03-28 03-29 03-31 04-01 05-09 05-19 05-20 12-25 12-26"},
    {"FI", 2025, "01-01 01-06 04-18 04-20 04-21 05-01 05-29 06-08 06-21 11-01 12-06 12-25 12-26"},
    {"NO", 2025, "01-01 04-17 04-18 04-20 04-21 05-01 05-17 05-29 06-08 06-09 12-25 12-26"},
    {"CZ", 2015, "01-01 04-06 05-01 05-08 07-05 07-06 09-28 10-28 11-17 12-24 12-25 12-26"},
    {"BE", 2025, "01-01 04-21 05-01 05-29 06-09 07-21 08-15 11-01 11-11 12-25"},
    {"CH", 2025, "01-01 05-29 08-01 12-25"},
    {"LU", 2018, "01-01 04-02 05-01 05-10 05-21 06-23 08-15 11-01 12-25 12-26"},
};

struct NamedDay {
    const char* code;
    int year, month, day;
    const char* name;
};

// Substitute days carry their holiday's name and "(substitute day)", as the official lists; local names as each country writes them.
const NamedDay kNamedDays[] = {
    {"US", 2021, 12, 31, "New Year's Day (observed)"},
    {"US", 2022, 6, 20, "Juneteenth National Independence Day (observed)"},
    {"US", 2020, 6, 19, "(none)"},  // Juneteenth from 2021
    {"AU", 2022, 6, 13, "Queen's Birthday"},
    {"NZ", 2010, 2, 8, "(none)"},  // Waitangi Day on a Saturday kept no Monday before 2014
    {"SE", 2004, 5, 31, "Annandag pingst"},
    {"SE", 2004, 6, 6, "(none)"},
    {"FR", 1978, 5, 8, "(none)"},
    {"NL", 2013, 4, 30, "Koninginnedag"},
    {"GB", 2020, 5, 8, "Early May bank holiday (VE day)"},
    {"CA", 2029, 7, 2, "Canada Day (substitute day)"},  // 1 July a Sunday: 2 July by the Holidays Act
    {"CA", 2028, 11, 13, "Remembrance Day (substitute day)"},
    {"GB", 2026, 12, 28, "Boxing Day (substitute day)"},
    {"GB", 2027, 12, 27, "Christmas Day (substitute day)"},
    {"GB", 2027, 12, 28, "Boxing Day (substitute day)"},
    {"GB", 2022, 12, 26, "Boxing Day"},  // Christmas on a Sunday: Boxing Day stays Monday
    {"GB", 2022, 12, 27, "Christmas Day (substitute day)"},
    {"GB", 2028, 1, 3, "New Year's Day (substitute day)"},
    {"IE", 2026, 12, 28, "St Stephen's Day (substitute day)"},
    {"IE", 2029, 3, 19, "St Patrick's Day (substitute day)"},
    {"IE", 2027, 2, 1, "St Brigid's Day"},
    {"IE", 2030, 2, 1, "St Brigid's Day"},  // a Friday: kept that day, not on Monday 4th
    {"IE", 2025, 10, 27, "October Bank Holiday"},
    {"AU", 2025, 1, 27, "Australia Day (substitute day)"},
    {"AU", 2026, 4, 25, "Anzac Day"},
    {"AU-ACT", 2020, 4, 27, "Anzac Day (additional holiday)"},  // a Saturday: the Monday declared
    {"AU-ACT", 2021, 4, 26, "Anzac Day (substitute day)"},      // a Sunday
    {"AU-SA", 2021, 4, 26, "Anzac Day (substitute day)"},       // a Sunday, by the 1910 Act
    {"AU-SA", 2027, 4, 26, "(none)"},                           // the 2023 Act: 25 April alone
    {"AU", 2027, 6, 14, "King's Birthday"},
    {"NZ", 2027, 1, 4, "Day after New Year's Day (substitute day)"},
    {"NZ", 2027, 2, 8, "Waitangi Day (substitute day)"},
    {"NZ", 2026, 4, 27, "Anzac Day (substitute day)"},
    {"NZ", 2028, 1, 3, "New Year's Day (substitute day)"},
    {"NZ", 2028, 1, 4, "Day after New Year's Day (substitute day)"},
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
    {"CH-GE", 2025, 1, 1, "Nouvel An"},  // the four federal days under the canton's own names
    {"CH-TI", 2025, 8, 1, "Festa nazionale"},
    {"CH-BE", 2025, 1, 2, "Berchtoldstag"},
    {"FI-01", 2027, 12, 6, "Självständighetsdagen"},  // Åland's national days in Swedish
};

}  // namespace

TEST(CountrySets, OfferedInOrderUnderTheirCodes) {
    std::string codes;
    for (const CountrySet& set : CountrySets())
        codes += std::string(set.code) + " ";
    EXPECT_EQ(codes.rfind("US CA ", 0), 0u);
    EXPECT_NE(codes.find(" GB GB-SCT GB-NIR IE "), std::string::npos);
    EXPECT_NE(codes.find(" DE DE-BB DE-BE DE-BW DE-BY "), std::string::npos);
    // Regions kept in a source file of their own still follow their country.
    EXPECT_NE(codes.find(" ES ES-AN "), std::string::npos);
    EXPECT_NE(codes.find(" CH CH-AG CH-AI "), std::string::npos);
    EXPECT_NE(codes.find(" CH-ZH LU "), std::string::npos);
}

TEST(CountrySets, EveryLineIsARuleThatSurvivesTheSettingsStore) {
    for (const CountrySet& set : CountrySets()) {
        for (const char* line : set.lines) {
            Holiday h;
            EXPECT_TRUE(Holiday::FromText(line, h)) << set.code << " " << line;
            EXPECT_EQ(h.ToText(), line) << set.code;
        }

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

TEST(CountrySets, JapanEquinoxDaysInJapanTime) {
    // From the approximation the national observatory publishes, day = floor(20.8431 +
    // 0.242194 (y - 1980) - floor((y - 1980) / 4)), and 23.2488 for September.
    const int vernal[] = {20, 20, 21, 20, 20, 20, 21, 20, 20, 20, 21};
    const int autumnal[] = {23, 23, 23, 22, 23, 23, 23, 22, 23, 23, 23};
    for (int y = 2025; y <= 2035; ++y) {
        EXPECT_EQ(NameOn("JP", y, 3, vernal[y - 2025]), "春分の日") << y;
        EXPECT_EQ(NameOn("JP", y, 9, autumnal[y - 2025]), "秋分の日") << y;
    }
}

TEST(CountrySets, JapanSundaySubstitutesAndDaysBetweenHolidays) {
    // The Cabinet Office's lists: 2019 with the accession; 2021 with the Olympic moves
    // (Mountain Day on Sunday 8 August, so Monday 9th); 2026 with 22 September between
    // Respect for the Aged Day and the equinox; 1997 keeps no Sunday 4 May.
    EXPECT_EQ(DaysIn("JP", 2019), "01-01 01-14 02-11 03-21 04-29 04-30 05-01 05-02 05-03 05-04 05-05 05-06 "
                                  "07-15 08-11 08-12 09-16 09-23 10-14 10-22 11-03 11-04 11-23");
    EXPECT_EQ(DaysIn("JP", 2021), "01-01 01-11 02-11 02-23 03-20 04-29 05-03 05-04 05-05 07-22 07-23 08-08 "
                                  "08-09 09-20 09-23 11-03 11-23");
    EXPECT_EQ(DaysIn("JP", 2026), "01-01 01-12 02-11 02-23 03-20 04-29 05-03 05-04 05-05 05-06 07-20 08-11 "
                                  "09-21 09-22 09-23 10-12 11-03 11-23");
    EXPECT_EQ(NameOn("JP", 2026, 9, 22), "休日");
    EXPECT_EQ(NameOn("JP", 2008, 5, 6), "休日");  // 4 May a Sunday: past 5 May to the 6th
    EXPECT_EQ(NameOn("JP", 1997, 5, 4), "(none)");
    EXPECT_EQ(NameOn("JP", 1973, 2, 12), "(none)");  // before the substitute rule
    EXPECT_EQ(NameOn("JP", 1973, 4, 30), "休日");
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
    // A province in French: the country's days it keeps under their French names, its own after.
    const std::vector<Holiday> quebec = CountrySetHolidays(*FindCountrySet("CA-QC"), "fr");
    ASSERT_GT(quebec.size(), 4u);
    EXPECT_EQ(quebec.front().name, "Vendredi saint");
    EXPECT_EQ(quebec[2].name, "Action de grâces");
    EXPECT_EQ(quebec[3].name, "Jour de l'An");
    EXPECT_EQ(quebec.back().name, "Fête du Canada");  // 2 July when 1 July is a Sunday

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
