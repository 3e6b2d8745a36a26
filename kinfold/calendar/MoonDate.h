// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The moon, the seasons and year names. All times are Julian day numbers (UT, no time zone).
#include "calendar/CalendarDate.h"
#include "platform/Translate.h"

// Moon quarter codes and their day-cell labels, index = code. The labels, the season and moon
// month names and the animals are English; TextTranslation::translate("MoonDate", name) gives
// the user's.
enum MoonQuarter : int { NoQuarter = 0, NewMoon = 1, FirstQuarter = 2, FullMoon = 3, LastQuarter = 4 };
inline constexpr const char* QuarterNames[5] = {"", QT_TRANSLATE_NOOP("MoonDate", " NM"), QT_TRANSLATE_NOOP("MoonDate", " FQ"),
                                                QT_TRANSLATE_NOOP("MoonDate", " FM"), QT_TRANSLATE_NOOP("MoonDate", " LQ")};

// Season codes and their labels, index = code.
enum SeasonCode : int { NoSeason = 0, WinterStart = 1, SpringStart = 2, SummerStart = 3, FallStart = 4 };
inline constexpr const char* SeasonNames[5] = {"", QT_TRANSLATE_NOOP("MoonDate", "Winter"), QT_TRANSLATE_NOOP("MoonDate", "Spring"),
                                               QT_TRANSLATE_NOOP("MoonDate", "Summer"), QT_TRANSLATE_NOOP("MoonDate", "Fall")};

// Default titles of the moon months, index month - 1; the 13th month is a "Blue Moon".
inline constexpr const char* MoonMonthNames[13] = {
    QT_TRANSLATE_NOOP("MoonDate", "Cold Moon"), QT_TRANSLATE_NOOP("MoonDate", "Bony Moon"),
    QT_TRANSLATE_NOOP("MoonDate", "Windy Moon"), QT_TRANSLATE_NOOP("MoonDate", "Flower Moon"),
    QT_TRANSLATE_NOOP("MoonDate", "Planting Moon"), QT_TRANSLATE_NOOP("MoonDate", "Green Corn Moon"),
    QT_TRANSLATE_NOOP("MoonDate", "Ripe Corn Moon"), QT_TRANSLATE_NOOP("MoonDate", "Fruit Moon"),
    QT_TRANSLATE_NOOP("MoonDate", "Nut Moon"), QT_TRANSLATE_NOOP("MoonDate", "Harvest Moon"),
    QT_TRANSLATE_NOOP("MoonDate", "Trading Moon"), QT_TRANSLATE_NOOP("MoonDate", "Snow Moon"),
    QT_TRANSLATE_NOOP("MoonDate", "Blue Moon")};

// Chinese year animals; a year's animal is at AnimalIndex(year).
inline constexpr const char* AnimalNames[12] = {
    QT_TRANSLATE_NOOP("MoonDate", "Rat"), QT_TRANSLATE_NOOP("MoonDate", "Ox"), QT_TRANSLATE_NOOP("MoonDate", "Tiger"),
    QT_TRANSLATE_NOOP("MoonDate", "Hare"), QT_TRANSLATE_NOOP("MoonDate", "Dragon"), QT_TRANSLATE_NOOP("MoonDate", "Snake"),
    QT_TRANSLATE_NOOP("MoonDate", "Horse"), QT_TRANSLATE_NOOP("MoonDate", "Sheep"), QT_TRANSLATE_NOOP("MoonDate", "Monkey"),
    QT_TRANSLATE_NOOP("MoonDate", "Rooster"), QT_TRANSLATE_NOOP("MoonDate", "Dog"), QT_TRANSLATE_NOOP("MoonDate", "Pig")};

// Bounds-checked lookups: "" when out of range.
const char* QuarterName(int code);
const char* SeasonName(int code);
const char* MoonMonthName(int month);
// (year + 8) mod 12 in 0-11, also for negative years (2000 gives 4, "Dragon").
int AnimalIndex(int year);
const char* AnimalName(int year);

// Moon's age as a fraction of a synodic month, 0 <= result < 1 (0 new, 0.5 full).
double MoonPhase(double J);
// Eccentric anomaly in radians for mean anomaly m (degrees) and eccentricity ecc.
double SolveKepler(double m, double ecc);
// Code of the quarter that began in the 24 hours before J.
int QuarterChange(double J);
// Code of the season that begins in the 24 hours from J on (real equinoxes and solstices, UT).
int SeasonChange(double J);
// UT instant (Julian day) of a season start: code 2 March equinox, 3 June solstice,
// 4 September equinox, 1 December solstice of the given (Gregorian) year.
double SeasonInstant(int year, int code);

// Day number of 0 h of the first day of moon month 1 of the civil year: the first day,
// on or after 1 January, that follows the day of a new moon.
double MoonNewYear(int year);
// 29 or 30; months beyond the year's last are counted on.
int MoonMonthLength(int month, int year);
// Days of the moon year (354, 355, 383, 384 or 385 in practice).
int MoonYearLength(int year);
// 12 or 13.
int MoonMonthsInYear(int year);

// A date of the lunar calendar: months begin the day after the day of a new moon.
// Day 1 of a month is the day that begins at the month's start (7 January 2000 is
// day 1 of month 1 of moon year 2000). Days before the civil year's first moon month
// belong to the last month of the previous moon year.
class MoonDate : public CalendarDate {
public:
    mutable double newYear = 0.0;  // cached MoonNewYear(year); 0.0 = not computed yet

    MoonDate() = default;
    MoonDate(int month, int day, int year);
    explicit MoonDate(double dayNumber);
    // Copies the fields of any date (no conversion between calendars).
    explicit MoonDate(const CalendarDate& other) : CalendarDate(other.month, other.day, other.year) {}
    MoonDate(const MoonDate&) = default;
    MoonDate& operator=(const MoonDate&) = default;

    double DayNumber() const override;
    int DaysInYear(int year) const override;
    int DaysInMonth(int month, int year) const override;

protected:
    void SetFromOwnDayNumber(double dayNumber) override;
};
