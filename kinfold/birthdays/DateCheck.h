// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates that cannot be: a month outside 1-12, a day beyond its month in the calendar the date
// is in. The dialogs refuse them; lists from older files may hold them, and the calendar never
// draws an entry whose month and day are no day of any year.
#include <string>
#include "birthdays/BirthdayEntry.h"
#include "birthdays/BirthdayList.h"

// Days in a month of a civil date: the Julian calendar's up to the 1582 reform, the Gregorian
// from then on, as the calendar draws them; February of year 0 (no year) has 29. 0 for a month
// outside 1-12.
int CivilDaysInMonth(int month, int year);

// The field of a date that is wrong.
enum class DateField { None, Month, Day };
// A whole date (an entry's own date, the target): month 1-12, day 1 to CivilDaysInMonth.
DateField CheckDate(int month, int day, int year);
// A date that may be missing or partial (a marriage, a death): also nothing or a year alone
// (month and day 0), or a month and a year (day 0).
DateField CheckPartialDate(int month, int day, int year);

// A date of the entry that cannot be: its own date, and an individual's marriage and death
// dates when given.
bool HasImpossibleDate(const BirthdayEntry& entry);
// Its own month and day are no day of any year (29 February is one), so it is never drawn.
bool IsOnNoDay(const BirthdayEntry& entry);
// The entries the calendar would draw by their kind (couples and notes as switched on) that are
// on no day: what a print or export of the list leaves out.
int CountOnNoDay(const BirthdayList& list, DisplaySwitches switches);
// What the print or export says of them: "2 entries left out, as their dates cannot be (...)",
// or "" for none.
std::string LeftOutText(int count);
