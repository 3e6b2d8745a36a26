// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Daylight-saving rules: a two-letter name, a shift and two yearly transitions, each a small
// date rule such as "(Last.Sun.Oct.2:00)". Everything is reckoned at offsets the caller gives,
// never in the machine's time zone.
#include <cstdint>
#include <vector>
#include "platform/CString.h"
#include "platform/CTime.h"
#include "kestrum/export.h"

class CReadOnly;

// One transition rule, packed into a word that is also its stored form:
// bits 0-2 ordinal (0 fixed date, 1-5 n-th weekday, 6 or 7 last), 3-5 weekday (1 = Sunday),
// 6-9 month, 10-14 day (ordinal rules: the day after which counting starts), 16-21 hour,
// 22-27 minute.
class KESTRUM_API CDaylightTime {
public:
    CDaylightTime() {}
    CDaylightTime(const CDaylightTime& o) : m_nWord(o.m_nWord) {}
    CDaylightTime& operator=(const CDaylightTime& o) { m_nWord = o.m_nWord; return *this; }
    virtual ~CDaylightTime();

    // Parses "(First.Sun.Apr.2:00)", "(Mar.21.0:00)", "(1.Sun.Mar.7.2:00)", "(Far.1.0:00)".
    void Load(CString text);

    // The transition in the year of t, its date and time read as wall-clock time at `offset`
    // seconds east of UTC (the year too is t's year at that offset).
    CTime GetTime(const CTime& t, long offset) const;
    CTime GetTime(const CTime& t) const { return GetTime(t, 0); }
    // The transition in a given year, read at `offset`.
    CTime GetTimeInYear(int64_t year, long offset) const;

    CString GetTag() const;
    void SetTag(const CString& tag);
    int operator==(const CDaylightTime& o) const { return m_nWord == o.m_nWord ? 1 : 0; }
    int operator!=(const CDaylightTime& o) const { return m_nWord != o.m_nWord ? 1 : 0; }

    // Month of a word by its first three letters: 1-12, 13 Farvardin, 14 Mehr, else 0.
    int MoY(const CString& word) const;

    uint32_t GetWord() const { return m_nWord; }
    void SetWord(uint32_t word);
    int GetOrdinal() const { return (int)(m_nWord & 7); }
    int GetWeekday() const { return (int)((m_nWord >> 3) & 7); }
    int GetMonth() const { return (int)((m_nWord >> 6) & 15); }
    int GetDay() const { return (int)((m_nWord >> 10) & 31); }
    int GetHour() const { return (int)((m_nWord >> 16) & 63); }
    int GetMinute() const { return (int)((m_nWord >> 22) & 63); }

private:
    // Weekday of a word by its first three letters: 1 = Sunday .. 7 = Saturday, else 0.
    int DoW(const CString& word) const;

    uint32_t m_nWord = 0;
};

class KESTRUM_API CDaylight {
public:
    CDaylight() {}
    CDaylight(const CDaylight& o) = default;
    CDaylight& operator=(const CDaylight& o) = default;
    virtual ~CDaylight();

    // Parses "US=3600(2.Sun.Mar.2:00)-(First.Sun.Nov.2:00)".
    void Load(const CString& line);

    // The shift when daylight saving is in force at t in a zone whose standard offset is
    // standardOffset (seconds east of UTC), else 0. The start is read in standard time and the
    // end in daylight time, as clocks show them just before each change; in force from the start
    // (included) to the end (excluded).
    int DST(const CTime& t, long standardOffset) const;
    int DST(const CTime& t) const { return DST(t, 0); }

    // "US3600|131337|131726"; "nu0" for a rule without daylight saving.
    CString GetTag() const;
    void SetTag(const CString& tag);

    // Equal when neither saves daylight, or shifts and both transitions agree; names do not count.
    int operator==(const CDaylight& o) const;
    int operator!=(const CDaylight& o) const { return *this == o ? 0 : 1; }

    CString GetName() const { return CString(name, 2); }

    CDaylightTime end;
    CDaylightTime start;
    int32_t shift = 0;
    char name[2] = {'n', 'u'};
};

// The rule section of the time-zone file, while it is read.
class KESTRUM_API CDaylightArray {
public:
    CDaylightArray() {}
    virtual ~CDaylightArray();

    // Reads rule lines up to (and consuming) the first line that is empty or begins with '['; a
    // leading section title is skipped.
    void Load(CReadOnly& reader);
    // A copy of the first rule whose name matches name's first two characters (case counts); a
    // rule without daylight saving when none does.
    CDaylight Find(const CString& name) const;

    int GetSize() const { return (int)m_rules.size(); }
    int GetCount() const { return GetSize(); }
    CDaylight& ElementAt(int i) { return m_rules.at((size_t)i); }
    const CDaylight& GetAt(int i) const { return m_rules.at((size_t)i); }
    CDaylight& operator[](int i) { return ElementAt(i); }
    int Add(const CDaylight& rule) { m_rules.push_back(rule); return GetSize() - 1; }
    void RemoveAll() { m_rules.clear(); }

private:
    std::vector<CDaylight> m_rules;
};
