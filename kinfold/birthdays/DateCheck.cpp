// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/DateCheck.h"
#include "platform/Translate.h"

int CivilDaysInMonth(int month, int year)
{
    if (month < 1 || month > 12) return 0;
    if (year == 0 && month == 2) return 29;
    // February 1582 comes before the reform; no later month is Julian.
    if (year <= 1582) return JulianDate().DaysInMonth(month, year);
    return GregorianDate().DaysInMonth(month, year);
}

DateField CheckDate(int month, int day, int year)
{
    if (month < 1 || month > 12) return DateField::Month;
    if (day < 1 || day > CivilDaysInMonth(month, year)) return DateField::Day;
    return DateField::None;
}

DateField CheckPartialDate(int month, int day, int year)
{
    if (month == 0) return day == 0 ? DateField::None : DateField::Month;
    if (day == 0 && month >= 1 && month <= 12) return DateField::None;
    return CheckDate(month, day, year);
}

bool HasImpossibleDate(const BirthdayEntry& e)
{
    if (CheckDate(e.month, e.day, e.year) != DateField::None) return true;
    if (!e.HasKind(BirthdayEntry::Individual)) return false;
    return CheckPartialDate(e.otherDate.month, e.otherDate.day, e.otherDate.year) != DateField::None ||
           CheckPartialDate(e.endDate.month, e.endDate.day, e.endDate.year) != DateField::None;
}

bool IsOnNoDay(const BirthdayEntry& e)
{
    return CheckDate(e.month, e.day, 0) != DateField::None;
}

int CountOnNoDay(const BirthdayList& list, DisplaySwitches switches)
{
    int count = 0;
    for (const BirthdayEntry& e : list.Entries())
        if (e.DrawnWith(switches) && IsOnNoDay(e)) ++count;
    return count;
}

std::string LeftOutText(int count)
{
    if (count <= 0) return "";
    if (count == 1) return TextTranslation::translate("DateCheck", "1 entry left out, as its date cannot be (mend it with Edit > List)");
    return TextTranslation::translate("DateCheck", "%n entries left out, as their dates cannot be (mend them with Edit > List)", nullptr,
                    count);
}
