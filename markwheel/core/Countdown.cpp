// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Countdown.h"
#include "core/SolarTime.h"
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include "platform/CTime.h"
#include "platform/Translate.h"

int64_t SystemTimeSource::NowUtcMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

long SystemTimeSource::UtcOffsetAt(int64_t utcSeconds) const
{
    time_t t = (time_t)utcSeconds;
    struct tm tmv {};
    if (localtime_r(&t, &tmv)) return tmv.tm_gmtoff;
    // Beyond what the runtime can break down: the offset in force now.
    time_t now = time(nullptr);
    if (localtime_r(&now, &tmv)) return tmv.tm_gmtoff;
    return 0;
}

bool SystemTimeSource::ZoneLongitude(double& east) const
{
    return SystemZoneLongitude(east);
}

ITimeSource& SystemTime()
{
    static SystemTimeSource s;
    return s;
}

bool MwIsLeapYear(int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

static int64_t LeapsUpTo(int64_t y)   // leap years among 1..y, y >= 0
{
    return y / 4 - y / 100 + y / 400;
}

int64_t DayNumber(int64_t year, int month, int day)
{
    if (year == 0) return 0;
    int64_t y = year < 0 ? -year : year;
    static const int kBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int64_t n = (y - 1) * 365 + LeapsUpTo(y - 1);
    if (month >= 1 && month <= 12) {
        n += kBefore[month - 1];
        if (month > 2 && MwIsLeapYear(y)) n += 1;
    } else if (month > 12) {
        // Never written by the program; counts on as whole years of the running months would.
        n += 365 + (MwIsLeapYear(y) ? 1 : 0);
    }
    n += (int64_t)day - 1;
    return year < 0 ? 1 - n : n;
}

int MwDaysInMonth(int64_t year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return month == 2 && MwIsLeapYear(year < 0 ? -year : year) ? 29 : kDays[month - 1];
}

bool MarkwheelFieldsInRange(const MarkwheelData& d)
{
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31 && d.hour >= 0 && d.hour <= 23 &&
           d.minute >= 0 && d.minute <= 59 && d.second >= 0 && d.second <= 59 && d.mode >= modeCountDown &&
           d.mode <= modeSolarTime;
}

int64_t LocalToUtc(int64_t local, const ITimeSource& zone)
{
    // The offsets in force a day either side cover any zone with at most one change in between.
    long before = zone.UtcOffsetAt(local - 86400);
    long after = zone.UtcOffsetAt(local + 86400);
    bool beforeFits = zone.UtcOffsetAt(local - before) == before;
    bool afterFits = zone.UtcOffsetAt(local - after) == after;
    if (beforeFits && afterFits) return local - (before > after ? before : after);
    if (beforeFits) return local - before;
    if (afterFits) return local - after;
    return local - before;
}

MarkwheelData MarkwheelDefaults(const ITimeSource& time)
{
    int64_t now = time.NowUtcMs();
    int64_t nowS = now >= 0 ? now / 1000 : -((-now + 999) / 1000);
    CTimeFields f = CTime::FromSeconds(nowS).GetFieldsAt(time.UtcOffsetAt(nowS));
    MarkwheelData d;
    d.year = (int32_t)(f.year + 1);
    d.month = 1;
    d.day = 1;
    // In the user's language; the title is the document's own text from then on, so a file shows
    // the title it was saved with whatever the language it is opened in.
    std::string title = TextTranslation::translate("CMarkwheelDoc", "Year %d");
    if (title.find("%d") == std::string::npos) title = "Year %d";   // a translation without the year
    d.title = title.replace(title.find("%d"), 2, std::to_string(d.year));
    return d;
}

int64_t TargetUtcSeconds(const MarkwheelData& d, const ITimeSource& zone)
{
    int64_t local = (DayNumber(d.year, d.month, d.day) - kDayNumber1970) * 86400 + (int64_t)d.hour * 3600 +
                    (int64_t)d.minute * 60 + d.second;
    return LocalToUtc(local, zone);
}

static int64_t FloorDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

CountdownResult CountdownAt(int64_t nowUtcMs, int64_t targetUtcSeconds)
{
    int64_t nowS = FloorDiv(nowUtcMs, 1000);
    int ms = (int)(nowUtcMs - nowS * 1000);
    int64_t c = nowS - targetUtcSeconds;

    int64_t total;
    int f;
    if (c < 0) {
        total = -c;
        f = 0;
        if (ms > 0) { f = 1000 - ms; total -= 1; }
    } else {
        total = c;
        f = ms;
    }
    int64_t days = total / 86400;
    int64_t s = total % 86400;
    int64_t years = 0;
    if (days > 365) {
        years = (int64_t)((double)days * 0.0027378507871321013);
        days += (int64_t)((double)years * -365.25);
    }
    int h = (int)(s / 3600 % 24), m = (int)(s / 60 % 60), sec = (int)(s % 60), t = f / 100;

    CountdownResult r;
    if (years != 0) r.text = StrFormat("%lld:%03lld:%02d:%02d:%02d.%d", (long long)years, (long long)days, h, m, sec, t);
    else if (days != 0) r.text = StrFormat("%lld:%02d:%02d:%02d.%d", (long long)days, h, m, sec, t);
    else if (h != 0) r.text = StrFormat("%d:%02d:%02d.%d", h, m, sec, t);
    else if (m != 0) r.text = StrFormat("%d:%02d.%d", m, sec, t);
    else r.text = StrFormat("%d.%d", sec, t);
    r.reached = c >= 0;
    r.colour = c > 0 ? kMwGreen : kMwRed;
    return r;
}

static int Hour12(int hour)
{
    int h = hour % 12;
    return h == 0 ? 12 : h;
}

// "h:mm:ss" with the half of the day; `pad` right-aligns a one-digit hour with a space, which stays
// in front of a word that comes first.
static CString TwelveHourText(int hour, int minute, int second, const DayHalfWords& words, bool pad)
{
    const CString& half = hour < 12 ? words.am : words.pm;
    const int h = Hour12(hour);
    const CString time = StrFormat("%d:%02d:%02d", h, minute, second);
    const CString lead = pad && h < 10 ? " " : "";
    return words.before ? lead + half + time : lead + time + " " + half;
}

CString AmPmText(int hour, int minute, int second, const DayHalfWords& words)
{
    return TwelveHourText(hour, minute, second, words, true);
}

CString SolarText(int64_t utcSeconds, int64_t offsetSeconds, const DayHalfWords& words)
{
    // Noon when the sun stands highest; wraps at midnight.
    int64_t x = ((utcSeconds + offsetSeconds) % 86400 + 86400) % 86400;
    const CString time = TwelveHourText((int)(x / 3600), (int)(x / 60 % 60), (int)(x % 60), words, false);
    return FillIn(TextTranslation::translate("CMarkwheelView", "%1 solar"), {time});
}

MarkwheelDisplay ComposeDisplay(const MarkwheelData& d, int64_t nowUtcMs, const ITimeSource& zone,
                                const DayHalfWords& words)
{
    MarkwheelDisplay out;
    if (d.mode != modeCalendarClock && d.mode != modeCalendarClockAmPm && d.mode != modeSolarTime) {
        CountdownResult r = CountdownAt(nowUtcMs, TargetUtcSeconds(d, zone));
        out.lineCount = 1;
        out.lines[0] = r.text;
        out.colour = r.colour;
        out.windowTitle = d.title;
        return out;
    }
    int64_t nowS = FloorDiv(nowUtcMs, 1000);
    CTimeFields f = CTime::FromSeconds(nowS).GetFieldsAt(zone.UtcOffsetAt(nowS));
    out.lineCount = 3;
    out.lines[0] = CTime::Format(f, "%A");
    out.lines[1] = CTime::Format(f, "%B %d, %Y");
    out.year = f.year;
    out.month = f.month;
    out.day = f.day;
    out.windowTitle = kMwClockTitle;
    switch (d.mode) {
    case modeCalendarClock:
        out.lines[2] = CTime::Format(f, "%H:%M:%S");
        out.colour = kMwBlack;
        break;
    case modeCalendarClockAmPm:
        out.lines[2] = AmPmText(f.hour, f.minute, f.second, words);
        out.colour = kMwBlack;
        break;
    default: {
        double east = 0;
        out.lines[2] = SolarText(nowS, zone.ZoneLongitude(east) ? std::llround(SolarOffsetSeconds(nowS, east))
                                                                : kMwFixedSolarOffset,
                                 words);
        out.colour = kMwBlue;
        break;
    }
    }
    return out;
}
