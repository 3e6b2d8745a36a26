// SPDX-License-Identifier: GPL-3.0-or-later
#include "birthdays/BirthdayEntry.h"

#include <algorithm>
#include <climits>
#include <cstdint>

bool BirthdayEntry::ShowsOn(const CalendarDate& date, DisplaySwitches switches, int& years) const
{
    // Years loaded from a file may be any int: the difference is taken wide and held in range.
    years = (int)std::clamp<int64_t>((int64_t)date.year - year, INT_MIN, INT_MAX);
    if (!DrawnWith(switches) || years < 0) return false;
    if (!switches.IsSet(DisplaySwitches::DeadBirthdays) && EndedBy(date)) return false;
    return true;
}

bool BirthdayEntry::DrawnWith(DisplaySwitches switches) const
{
    return HasKind(Individual) || (switches.IsSet(DisplaySwitches::Anniversaries) && HasKind(Couple)) ||
           (switches.IsSet(DisplaySwitches::Notes) && HasKind(Note));
}

bool BirthdayEntry::EndedBy(const CalendarDate& date) const
{
    if (endDate.IsEmpty() || date.IsEmpty()) return false;
    if (date.year != endDate.year) return date.year > endDate.year;
    if (endDate.month == 0) return false;
    if (date.month != endDate.month) return date.month > endDate.month;
    return endDate.day != 0 && date.day > endDate.day;
}

CString FirstWordOf(const CString& text)
{
    size_t blank = text.find(' ');
    return blank == CString::npos ? text : text.substr(0, blank);
}

CString BirthdayEntry::FirstName() const { return FirstWordOf(text); }

CString WithoutSurnameSlashes(const CString& name)
{
    size_t open = name.find('/');
    if (open == CString::npos) return name;
    size_t close = name.find('/', open + 1);
    if (close == CString::npos) return name;
    CString joined = name.substr(0, open) + name.substr(open + 1, close - open - 1) + name.substr(close + 1);
    // The slashes often stood between blanks ("Richard //"): one blank between words, none at the ends.
    CString out;
    for (char c : joined) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

CString BirthdayEntry::DisplayText() const
{
    return HasKind(Individual | Couple) ? WithoutSurnameSlashes(text) : text;
}

CString BirthdayEntry::LastName() const { return LastWordOf(text); }

CString LastWordOf(const CString& text)
{
    size_t end = text.find_last_not_of(' ');
    if (end == CString::npos) return text;
    CString trimmed = text.substr(0, end + 1);
    size_t blank = trimmed.rfind(' ');
    return blank == CString::npos ? trimmed : trimmed.substr(blank + 1);
}

bool SameDate(const CalendarDate& a, const CalendarDate& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool CardTie::operator==(const CardTie& o) const
{
    return href == o.href && etag == o.etag && text == o.text && SameDate(date, o.date) &&
           SameDate(endDate, o.endDate) && SameDate(otherDate, o.otherDate) && kind == o.kind;
}

bool BirthdayEntry::SameFields(const BirthdayEntry& o) const
{
    return text == o.text && kind == o.kind && SameDate(*this, o) && SameDate(endDate, o.endDate) &&
           SameDate(otherDate, o.otherDate);
}

const CardTie& HeldTie::None()
{
    static const CardTie none;
    return none;
}

HeldTie& HeldTie::operator=(CardTie tie)
{
    if (tie == None()) m_tie.reset();
    else if (m_tie) *m_tie = std::move(tie);
    else m_tie = std::make_unique<CardTie>(std::move(tie));
    return *this;
}

void BirthdayEntry::TieTo(const std::string& href, const std::string& etag)
{
    CardTie t;
    t.href = href;
    t.etag = etag;
    t.text = text;
    t.date.Assign(*this);
    t.endDate.Assign(endDate);
    t.otherDate.Assign(otherDate);
    t.kind = kind;
    tie = std::move(t);
}

BirthdayEntry BirthdayEntry::TiedFields() const
{
    BirthdayEntry base(tie->date);
    base.text = tie->text;
    base.kind = tie->kind;
    base.endDate.Assign(tie->endDate);
    base.otherDate.Assign(tie->otherDate);
    return base;
}

bool BirthdayEntry::ChangedSinceTie() const
{
    return tie->IsSet() && !SameFields(TiedFields());
}
