// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CTime.h"
#include <chrono>

int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, int& m, int& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = yoe + era * 400;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = (int)(doy - (153 * mp + 2) / 5 + 1);
    m = (int)(mp < 10 ? mp + 3 : mp - 9);
    y += m <= 2;
}

static int64_t FloorDiv(int64_t a, int64_t b) { int64_t q = a / b; if ((a % b != 0) && ((a < 0) != (b < 0))) --q; return q; }

CTimeFields CTime::GetFieldsAt(long offset) const
{
    CTimeFields f;
    int64_t t = m_time + offset;
    int64_t days = FloorDiv(t, 86400);
    int64_t secs = t - days * 86400;
    CivilFromDays(days, f.year, f.month, f.day);
    f.hour = (int)(secs / 3600);
    f.minute = (int)(secs / 60 % 60);
    f.second = (int)(secs % 60);
    int64_t wd = (days + 4) % 7;  // 1970-01-01 was a Thursday
    if (wd < 0) wd += 7;
    f.dayOfWeek = (int)wd + 1;
    f.dayOfYear = (int)(days - DaysFromCivil(f.year, 1, 1)) + 1;
    f.offset = offset;
    return f;
}

CTimeFields CTime::GetUtcFields() const { return GetFieldsAt(0); }

CTimeFields CTime::GetLocalFields() const
{
    time_t t = (time_t)m_time;
    struct tm tmv {};
    if (!localtime_r(&t, &tmv)) return GetUtcFields();
    CTimeFields f = GetFieldsAt(tmv.tm_gmtoff);
    f.isDst = tmv.tm_isdst > 0;
    return f;
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int isDst)
{
    struct tm tmv {};
    tmv.tm_year = year - 1900;
    tmv.tm_mon = month - 1;
    tmv.tm_mday = day;
    tmv.tm_hour = hour;
    tmv.tm_min = minute;
    tmv.tm_sec = second;
    tmv.tm_isdst = isDst;
    time_t t = mktime(&tmv);
    m_time = (int64_t)t;
}

CTime CTime::GetCurrentTime()
{
    using namespace std::chrono;
    return FromSeconds(duration_cast<seconds>(system_clock::now().time_since_epoch()).count());
}

CTime CTime::FromUtc(int64_t year, int month, int day, int hour, int minute, int second)
{
    return FromFieldsAt(year, month, day, hour, minute, second, 0);
}

CTime CTime::FromFieldsAt(int64_t year, int month, int day, int hour, int minute, int second, long offset)
{
    // Month may be out of range; carry it into the year as mktime does.
    int64_t m0 = month - 1;
    year += FloorDiv(m0, 12);
    m0 -= FloorDiv(m0, 12) * 12;
    int64_t days = DaysFromCivil(year, (int)m0 + 1, 1) + (day - 1);
    return FromSeconds(days * 86400 + (int64_t)hour * 3600 + (int64_t)minute * 60 + second - offset);
}

static const char* const kDays[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
static const char* const kMonths[12] = {"January", "February", "March", "April", "May", "June",
                                        "July", "August", "September", "October", "November", "December"};

CString CTime::Format(const CTimeFields& f, const char* fmt)
{
    CString out;
    for (const char* p = fmt; *p; ++p) {
        if (*p != '%') { out += *p; continue; }
        ++p;
        bool noPad = false;
        if (*p == '#' || *p == '-') { noPad = true; ++p; }
        if (!*p) break;
        const char* two = noPad ? "%d" : "%02d";
        int h12 = f.hour % 12 == 0 ? 12 : f.hour % 12;
        switch (*p) {
        case 'a': out += CString(kDays[f.dayOfWeek - 1]).substr(0, 3); break;
        case 'A': out += kDays[f.dayOfWeek - 1]; break;
        case 'b': case 'h': out += CString(kMonths[f.month - 1]).substr(0, 3); break;
        case 'B': out += kMonths[f.month - 1]; break;
        case 'c': out += Format(f, "%m/%d/%y %H:%M:%S"); break;
        case 'd': out += StrFormat(two, f.day); break;
        case 'e': out += StrFormat("%2d", f.day); break;
        case 'H': out += StrFormat(two, f.hour); break;
        case 'I': out += StrFormat(two, h12); break;
        case 'j': out += StrFormat(noPad ? "%d" : "%03d", f.dayOfYear); break;
        case 'm': out += StrFormat(two, f.month); break;
        case 'M': out += StrFormat(two, f.minute); break;
        case 'p': out += f.hour < 12 ? "AM" : "PM"; break;
        case 'S': out += StrFormat(two, f.second); break;
        case 'U': out += StrFormat(two, (f.dayOfYear + 6 - (f.dayOfWeek - 1)) / 7); break;
        case 'w': out += StrFormat("%d", f.dayOfWeek - 1); break;
        case 'x': out += Format(f, "%m/%d/%y"); break;
        case 'X': out += Format(f, "%H:%M:%S"); break;
        case 'y': out += StrFormat("%02d", (int)(((f.year % 100) + 100) % 100)); break;
        case 'Y': out += StrFormat("%lld", (long long)f.year); break;
        case 'z': {
            long o = f.offset; char sign = o < 0 ? '-' : '+'; if (o < 0) o = -o;
            out += StrFormat("%c%02ld%02ld", sign, o / 3600, o / 60 % 60);
            break;
        }
        case 'Z': {
            long o = f.offset; char sign = o < 0 ? '-' : '+'; if (o < 0) o = -o;
            out += o == 0 ? CString("UTC") : StrFormat("UTC%c%02ld:%02ld", sign, o / 3600, o / 60 % 60);
            break;
        }
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case '%': out += '%'; break;
        default: out += '%'; out += *p; break;
        }
    }
    return out;
}

CString CTime::Format(const char* fmt) const { return Format(GetLocalFields(), fmt); }
CString CTime::FormatGmt(const char* fmt) const { return Format(GetUtcFields(), fmt); }
