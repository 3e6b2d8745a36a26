// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar arithmetic behind one twelve-month page: for every drawn day its day
// number, weekday and corner marks, and for a moon page the month lengths of the year.
// "Cold" runs take a new year every iteration (a first paint: nothing cached yet);
// "Warm" runs repeat one year (repaints while the mouse moves).
#include <benchmark/benchmark.h>

#include "calendar/CalendarDate.h"
#include "calendar/MoonDate.h"

namespace {

int CivilPage(int year)
{
    int sum = 0;
    for (int m = 1; m <= 12; ++m) {
        GregorianDate first(m, 1, year);
        int days = first.DaysInThisMonth();
        for (int d = 1; d <= days; ++d) {
            GregorianDate day(m, d, year);
            sum += static_cast<int>(day.DayNumber()) + day.Weekday() + day.MoonQuarterOn() + day.SeasonStartOn();
        }
    }
    return sum;
}

int MoonPage(int year)
{
    int sum = 0;
    int months = MoonMonthsInYear(year);
    for (int m = 1; m <= months && m <= 12; ++m) {
        MoonDate first(m, 1, year);
        double j = first.DayNumber();
        int days = first.DaysInThisMonth();
        for (int d = 1; d <= days; ++d, j += 1) {
            MoonDate day(m, d, year);
            GregorianDate civil(day.DayNumber());
            sum += civil.day + civil.Weekday() + civil.MoonQuarterOn() + civil.SeasonStartOn();
        }
        sum += static_cast<int>(j);
    }
    // Today's place on the page.
    MoonDate today(GregorianDate(6, 15, year).DayNumber());
    return sum + today.day + MoonYearLength(year);
}

void BM_CivilPageCold(benchmark::State& state)
{
    int year = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CivilPage(year));
        year = year == 3000 ? 1000 : year + 1;
    }
}
BENCHMARK(BM_CivilPageCold)->Unit(benchmark::kMicrosecond);

void BM_CivilPageWarm(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CivilPage(2000));
}
BENCHMARK(BM_CivilPageWarm)->Unit(benchmark::kMicrosecond);

void BM_MoonPageCold(benchmark::State& state)
{
    int year = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonPage(year));
        year = year == 3000 ? 1000 : year + 1;
    }
}
BENCHMARK(BM_MoonPageCold)->Unit(benchmark::kMicrosecond);

void BM_MoonPageWarm(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(MoonPage(2000));
}
BENCHMARK(BM_MoonPageWarm)->Unit(benchmark::kMicrosecond);

void BM_MoonPhase(benchmark::State& state)
{
    double j = 2451544.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonPhase(j));
        j += 1;
    }
}
BENCHMARK(BM_MoonPhase);

void BM_MoonYearLengthsCold(benchmark::State& state)
{
    int year = 1000;
    for (auto _ : state) {
        int sum = 0;
        for (int m = 1; m <= 13; ++m)
            sum += MoonMonthLength(m, year);
        benchmark::DoNotOptimize(sum + MoonYearLength(year));
        year = year == 3000 ? 1000 : year + 1;
    }
}
BENCHMARK(BM_MoonYearLengthsCold)->Unit(benchmark::kMicrosecond);

} // namespace
