// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moments as seconds since 1970-01-01 00:00 UTC, 64-bit so that nothing stops in 2038.
#include <cstdint>
#include <ctime>
#include "platform/CString.h"

class CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(int64_t seconds) : m_span(seconds) {}
    CTimeSpan(long days, int hours, int minutes, int seconds)
        : m_span(((int64_t)days * 24 + hours) * 3600 + (int64_t)minutes * 60 + seconds) {}

    int64_t GetTotalSeconds() const { return m_span; }
    int64_t GetTotalMinutes() const { return m_span / 60; }
    int64_t GetTotalHours() const { return m_span / 3600; }
    int64_t GetDays() const { return m_span / 86400; }
    int GetHours() const { return (int)(m_span / 3600 % 24); }
    int GetMinutes() const { return (int)(m_span / 60 % 60); }
    int GetSeconds() const { return (int)(m_span % 60); }

    CTimeSpan operator+(CTimeSpan o) const { return m_span + o.m_span; }
    CTimeSpan operator-(CTimeSpan o) const { return m_span - o.m_span; }
    CTimeSpan operator-() const { return -m_span; }
    CTimeSpan& operator+=(CTimeSpan o) { m_span += o.m_span; return *this; }
    CTimeSpan& operator-=(CTimeSpan o) { m_span -= o.m_span; return *this; }
    auto operator<=>(const CTimeSpan&) const = default;

private:
    int64_t m_span = 0;
};

// A broken-down moment. month 1-12, dayOfWeek 1 = Sunday .. 7 = Saturday, dayOfYear 1-366.
struct CTimeFields {
    int64_t year = 1970;
    int month = 1, day = 1, hour = 0, minute = 0, second = 0;
    int dayOfWeek = 5, dayOfYear = 1;
    long offset = 0;      // seconds east of UTC that these fields are reckoned in
    bool isDst = false;
};

class CTime {
public:
    CTime() = default;
    CTime(time_t t) : m_time((int64_t)t) {}
    static CTime FromSeconds(int64_t s) { CTime t; t.m_time = s; return t; }
    // From local wall-clock fields (the process's time zone), as the framework's constructor does.
    CTime(int year, int month, int day, int hour, int minute, int second, int isDst = -1);

    static CTime GetCurrentTime();
    static CTime FromUtc(int64_t year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    // Fields read as wall-clock time at `offset` seconds east of UTC.
    static CTime FromFieldsAt(int64_t year, int month, int day, int hour, int minute, int second, long offset);

    int64_t GetTime() const { return m_time; }

    CTimeFields GetLocalFields() const;             // process time zone
    CTimeFields GetUtcFields() const;               // UTC
    CTimeFields GetFieldsAt(long offsetSeconds) const;  // any fixed offset, no time zone touched

    // Local breakdown, as the framework's accessors.
    int GetYear() const { return (int)GetLocalFields().year; }
    int GetMonth() const { return GetLocalFields().month; }
    int GetDay() const { return GetLocalFields().day; }
    int GetHour() const { return GetLocalFields().hour; }
    int GetMinute() const { return GetLocalFields().minute; }
    int GetSecond() const { return GetLocalFields().second; }
    int GetDayOfWeek() const { return GetLocalFields().dayOfWeek; }

    // strftime-like, English names, independent of the process locale.
    CString Format(const char* fmt) const;       // local time
    CString FormatGmt(const char* fmt) const;    // UTC
    static CString Format(const CTimeFields& f, const char* fmt);

    CTimeSpan operator-(CTime o) const { return CTimeSpan(m_time - o.m_time); }
    CTime operator+(CTimeSpan s) const { return FromSeconds(m_time + s.GetTotalSeconds()); }
    CTime operator-(CTimeSpan s) const { return FromSeconds(m_time - s.GetTotalSeconds()); }
    CTime& operator+=(CTimeSpan s) { m_time += s.GetTotalSeconds(); return *this; }
    CTime& operator-=(CTimeSpan s) { m_time -= s.GetTotalSeconds(); return *this; }
    auto operator<=>(const CTime&) const = default;

private:
    int64_t m_time = 0;
};

// Proleptic Gregorian helpers on whole days since 1970-01-01.
int64_t DaysFromCivil(int64_t y, int m, int d);
void CivilFromDays(int64_t z, int64_t& y, int& m, int& d);
