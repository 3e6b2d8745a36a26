// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/MoonDate.h"

#include <cmath>

// ---- Names -----------------------------------------------------------------

const char* QuarterName(int code)
{
    return (code >= 0 && code <= 4) ? QuarterNames[code] : "";
}

const char* SeasonName(int code)
{
    return (code >= 0 && code <= 4) ? SeasonNames[code] : "";
}

const char* MoonMonthName(int month)
{
    return (month >= 1 && month <= 13) ? MoonMonthNames[month - 1] : "";
}

int AnimalIndex(int year)
{
    int r = static_cast<int>((static_cast<long long>(year) + 8) % 12);
    return r < 0 ? r + 12 : r;
}

const char* AnimalName(int year)
{
    return AnimalNames[AnimalIndex(year)];
}

// ---- The moon --------------------------------------------------------------
// A compact solar and lunar longitude model, epoch 1980 January 0.0. The constants and
// the order of operations are kept as they are: stored target dates and the moon months
// drawn on existing pages depend on the exact day each quarter lands on.

namespace {

constexpr double kEpoch = 2444238.5;
constexpr double kDegToRad = 0.017453292519943295;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kInv360 = 0.002777777777777778;

double Reduce(double x)
{
    return x - 360.0 * std::floor(x * kInv360);
}

double SinDeg(double x)
{
    return std::sin(x * kDegToRad);
}

} // namespace

double SolveKepler(double m, double ecc)
{
    m *= kDegToRad;
    double e = m;
    // Converges in a handful of passes for any orbit; the cap stops a NaN from spinning forever.
    for (int pass = 0; pass < 100; ++pass) {
        double delta = e - ecc * std::sin(e) - m;
        e -= delta / (1.0 - ecc * std::cos(e));
        if (std::fabs(delta) <= 0.000001)
            break;
    }
    return e;
}

double MoonPhase(double J)
{
    double day = J - kEpoch;
    double n = Reduce(day * 0.9856473320990837);
    double m = Reduce(n + 278.83354 - 282.596403);
    double e = SolveKepler(m, 0.016718);
    double v = 2.0 * std::atan(std::sqrt(1.0340044870138985) * std::tan(e / 2.0)) * kRadToDeg;
    double ls = Reduce(v + 282.596403);
    double ml = Reduce(13.1763966 * day + 64.975464);
    double mm = Reduce(ml - 0.1114041 * day - 349.383063);
    double ev = 1.2739 * SinDeg(2.0 * (ml - ls) - mm);
    double ae = 0.1858 * SinDeg(m);
    double a3 = 0.37 * SinDeg(m);
    double mmp = mm + ev - ae - a3;
    double mec = 6.2886 * SinDeg(mmp);
    double a4 = 0.214 * SinDeg(2.0 * mmp);
    double lp = ml + ev + mec - ae + a4;
    double var = 0.6583 * SinDeg(2.0 * (lp - ls));
    double age = lp + var - ls;
    return Reduce(age) * kInv360;
}

int QuarterChange(double J)
{
    // Pages walk day by day, so today's second phase is tomorrow's first.
    thread_local double memoJ = std::nan("");
    thread_local double memoPhase = 0.0;
    double before = J - 1;
    double p1 = before == memoJ ? memoPhase : MoonPhase(before);
    double p2 = J == memoJ ? memoPhase : MoonPhase(J);
    memoJ = J;
    memoPhase = p2;
    if (p2 < p1)
        return NewMoon;
    if (p1 <= 0.25 && 0.25 < p2)
        return FirstQuarter;
    if (p1 <= 0.5 && 0.5 < p2)
        return FullMoon;
    if (p1 <= 0.75 && 0.75 < p2)
        return LastQuarter;
    return NoQuarter;
}

// ---- Seasons ---------------------------------------------------------------
// Equinoxes and solstices after Meeus, Astronomical Algorithms, chapter 27: a mean
// instant from a polynomial in the year, corrected by 24 periodic terms (about a minute
// of error between 1951 and 2050), then moved from dynamical time to UT by Delta T.

namespace {

// Seconds of Delta T = TD - UT for a decimal year (Espenak and Meeus polynomials).
double DeltaT(double y)
{
    if (y < -500) {
        double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 500) {
        double u = y / 100;
        return 10583.6 + u * (-1014.41 + u * (33.78311 + u * (-5.952053 + u * (-0.1798452 + u * (0.022174192 + u * 0.0090316521)))));
    }
    if (y < 1600) {
        double u = (y - 1000) / 100;
        return 1574.2 + u * (-556.01 + u * (71.23472 + u * (0.319781 + u * (-0.8503463 + u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700) {
        double t = y - 1600;
        return 120 + t * (-0.9808 + t * (-0.01532 + t / 7129));
    }
    if (y < 1800) {
        double t = y - 1700;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000)));
    }
    if (y < 1860) {
        double t = y - 1800;
        return 13.72 + t * (-0.332447 + t * (0.0068612 + t * (0.0041116 + t * (-0.00037436 + t * (0.0000121272 + t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900) {
        double t = y - 1860;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174))));
    }
    if (y < 1920) {
        double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        double t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1.0 / 233 + t / 2547));
    }
    if (y < 1986) {
        double t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1.0 / 260 - t / 718));
    }
    if (y < 2005) {
        double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050) {
        double t = y - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    double u = (y - 1820) / 100;
    if (y < 2150)
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

struct PeriodicTerm {
    double a, b, c;
};

constexpr PeriodicTerm kTerms[24] = {
    {485, 324.96, 1934.136},   {203, 337.23, 32964.467}, {199, 342.08, 20.186},
    {182, 27.85, 445267.112},  {156, 73.14, 45036.886},  {136, 171.52, 22518.443},
    {77, 222.54, 65928.934},   {74, 296.72, 3034.906},   {70, 243.58, 9037.513},
    {58, 119.81, 33718.147},   {52, 297.17, 150.678},    {50, 21.02, 2281.226},
    {45, 247.54, 29929.562},   {44, 325.15, 31555.956},  {29, 60.93, 4443.417},
    {18, 155.12, 67555.328},   {17, 288.79, 4562.452},   {16, 198.04, 62894.029},
    {14, 199.76, 31436.921},   {12, 95.39, 14577.848},   {12, 287.11, 31931.756},
    {12, 320.81, 34777.259},   {9, 227.73, 1222.114},    {8, 15.45, 16859.074},
};

// Mean instants, index 0 March equinox, 1 June solstice, 2 September equinox, 3 December solstice.
constexpr double kMeanBefore1000[4][5] = {
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
};
constexpr double kMeanFrom1000[4][5] = {
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
};

// Dynamical-time instant (JDE) of event 0-3 of a year.
double SeasonJde(int year, int event)
{
    const double* c;
    double y;
    if (year < 1000) {
        c = kMeanBefore1000[event];
        y = year / 1000.0;
    } else {
        c = kMeanFrom1000[event];
        y = (year - 2000) / 1000.0;
    }
    double jde0 = c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
    double t = (jde0 - 2451545.0) / 36525.0;
    double w = (35999.373 * t - 2.47) * kDegToRad;
    double dl = 1 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2 * w);
    double s = 0;
    for (const PeriodicTerm& term : kTerms)
        s += term.a * std::cos((term.b + term.c * t) * kDegToRad);
    return jde0 + 0.00001 * s / dl;
}

constexpr int kEventCode[4] = {SpringStart, SummerStart, FallStart, WinterStart};
constexpr double kEventMonth[4] = {3, 6, 9, 12};

struct SeasonYear {
    int year = 0;
    bool valid = false;
    double ut[4] = {};
};

// The page asks for the same few years over and over; a small per-thread table keeps
// the periodic terms from being summed again for every day.
const SeasonYear& SeasonsOf(int year)
{
    thread_local SeasonYear cache[64];
    SeasonYear& slot = cache[static_cast<unsigned>(year) & 63u];
    if (!slot.valid || slot.year != year) {
        slot.year = year;
        for (int e = 0; e < 4; ++e) {
            double decimalYear = year + (kEventMonth[e] - 0.5) / 12.0;
            slot.ut[e] = SeasonJde(year, e) - DeltaT(decimalYear) / 86400.0;
        }
        slot.valid = true;
    }
    return slot;
}

} // namespace

double SeasonInstant(int year, int code)
{
    for (int e = 0; e < 4; ++e)
        if (kEventCode[e] == code)
            return SeasonsOf(year).ut[e];
    return 0.0;
}

int SeasonChange(double J)
{
    if (!std::isfinite(J))
        return NoSeason;
    // Gregorian year of J, give or take one; 1721059.5 is 1 January of year 0.
    double approx = std::floor((J - 1721059.5) / 365.2425);
    if (approx < -1000000.0 || approx > 1000000.0)
        return NoSeason;
    int y = static_cast<int>(approx);
    for (int year = y - 1; year <= y + 1; ++year) {
        const SeasonYear& s = SeasonsOf(year);
        for (int e = 0; e < 4; ++e)
            if (J <= s.ut[e] && s.ut[e] < J + 1)
                return kEventCode[e];
    }
    return NoSeason;
}

// ---- The moon calendar -----------------------------------------------------

namespace {

constexpr int kCachedMonths = 15;

// One moon year: where it begins and the lengths of its first months.
struct MoonYearInfo {
    int year = 0;
    bool valid = false;
    double newYear = 0.0;
    unsigned char length[kCachedMonths] = {};
};

double ComputeNewYear(int year)
{
    double p = CalendarDate(1, 1, year).DayNumber();
    while (QuarterChange(p) != NewMoon)
        p += 1;
    return p;
}

int NextMonthLength(double monthStart)
{
    return QuarterChange(monthStart + 30) == NewMoon ? 30 : 29;
}

// A twelve-month page asks for the same year's months hundreds of times; each answer
// costs dozens of phase evaluations, so each thread keeps the last years it saw.
const MoonYearInfo& MoonYearOf(int year)
{
    thread_local MoonYearInfo cache[64];
    MoonYearInfo& slot = cache[static_cast<unsigned>(year) & 63u];
    if (!slot.valid || slot.year != year) {
        slot.year = year;
        slot.newYear = ComputeNewYear(year);
        double p = slot.newYear;
        for (int k = 0; k < kCachedMonths; ++k) {
            int len = NextMonthLength(p);
            slot.length[k] = static_cast<unsigned char>(len);
            p += len;
        }
        slot.valid = true;
    }
    return slot;
}

} // namespace

double MoonNewYear(int year)
{
    return MoonYearOf(year).newYear;
}

int MoonMonthLength(int month, int year)
{
    if (month < 1)
        month = 1;
    const MoonYearInfo& info = MoonYearOf(year);
    if (month <= kCachedMonths)
        return info.length[month - 1];
    double p = info.newYear;
    for (int k = 0; k < kCachedMonths; ++k)
        p += info.length[k];
    int len = 29;
    for (int k = kCachedMonths + 1; k <= month; ++k) {
        len = NextMonthLength(p);
        p += len;
    }
    return len;
}

int MoonYearLength(int year)
{
    return static_cast<int>(MoonNewYear(year + 1) - MoonNewYear(year));
}

int MoonMonthsInYear(int year)
{
    return MoonYearLength(year) > 382 ? 13 : 12;
}

MoonDate::MoonDate(int month, int day, int year) : CalendarDate(month, day, year)
{
    newYear = MoonNewYear(year);
}

MoonDate::MoonDate(double J)
{
    SetFromOwnDayNumber(J);
}

void MoonDate::SetFromOwnDayNumber(double J)
{
    if (!IsUsableDayNumber(J) || std::fabs(J) > 1.0e9) {
        year = day = month = 0;
        newYear = 0.0;
        return;
    }
    SetFromDayNumber(J, ReformAware);
    newYear = MoonNewYear(year);
    if (J < newYear) {
        // Early January before the first new moon: the last month of the previous moon year.
        year -= 1;
        newYear = MoonNewYear(year);
    }
    int days = static_cast<int>(J - newYear);
    month = 1;
    int len;
    while ((len = DaysInMonth(month, year)) <= days) {
        days -= len;
        ++month;
    }
    day = days + 1;
}

double MoonDate::DayNumber() const
{
    newYear = MoonNewYear(year);
    const MoonYearInfo& info = MoonYearOf(year);
    double j = newYear + (day - 1);
    for (int m = 1; m < month; ++m)
        j += m <= kCachedMonths ? info.length[m - 1] : MoonMonthLength(m, year);
    return j;
}

int MoonDate::DaysInYear(int y) const
{
    return MoonYearLength(y);
}

int MoonDate::DaysInMonth(int m, int y) const
{
    return MoonMonthLength(m, y);
}

// ---- Marks on any date -----------------------------------------------------

int CalendarDate::MoonQuarterOn() const
{
    return QuarterChange(DayNumber() + 1);
}

int CalendarDate::SeasonStartOn() const
{
    return SeasonChange(DayNumber());
}
