// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/clockline.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

bool StartsAt(const CString& s, size_t pos, const char* what)
{
    return s.compare(pos, std::char_traits<char>::length(what), what) == 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An element begins here: "/p(", "/tz(", "/a(", "/n(" or "/o" with its number.
bool ElementAt(const CString& s, size_t pos)
{
    return StartsAt(s, pos, "/p(") || StartsAt(s, pos, "/tz(") || StartsAt(s, pos, "/a(")
        || StartsAt(s, pos, "/n(") || (StartsAt(s, pos, "/o") && pos + 2 < s.size() && IsDigit(s[pos + 2]));
}

// The text from pos up to the next ')' (or the end); pos moves past the ')'.
CString Bracketed(const CString& s, size_t& pos)
{
    size_t end = s.find(')', pos);
    if (end == CString::npos) {
        CString t = s.substr(pos);
        pos = s.size();
        return t;
    }
    CString t = s.substr(pos, end - pos);
    pos = end + 1;
    return t;
}

}  // namespace

size_t ClockElementsStart(const CString& command)
{
    if (!command.empty() && ElementAt(command, 0)) return 0;
    size_t p = command.find(" /p(");
    if (p != CString::npos) return p + 1;
    return CString::npos;
}

ClockCommand ParseClockCommand(const CString& command)
{
    ClockCommand c;
    size_t pos = ClockElementsStart(command);
    if (pos == CString::npos) return c;
    const size_t n = command.size();
    // Walk element by element so that nothing inside a bracket (an alarm message, a name) is
    // mistaken for an element; text between elements is skipped.
    while (pos < n) {
        if (StartsAt(command, pos, "/p(")) {
            pos += 3;
            CString t = Bracketed(command, pos);
            if (!c.hasPlace) c.hasPlace = true, c.place = t;
        } else if (StartsAt(command, pos, "/tz(")) {
            pos += 4;
            CString t = Bracketed(command, pos);
            if (!c.hasZone) c.hasZone = true, c.zone = t;
        } else if (StartsAt(command, pos, "/a(")) {
            pos += 3;
            CString t = Bracketed(command, pos);
            if (!c.hasAlarm) c.hasAlarm = true, c.alarm = t;
        } else if (StartsAt(command, pos, "/n(")) {
            pos += 3;
            CString t = Bracketed(command, pos);
            if (!c.hasName) c.hasName = true, c.name = t;
        } else if (StartsAt(command, pos, "/o")) {
            pos += 2;
            int face = 0;
            size_t digits = 0;
            while (pos < n && IsDigit(command[pos])) {
                if (digits < 9) face = face * 10 + (command[pos] - '0');
                ++digits;
                ++pos;
            }
            if (!c.hasFace) c.hasFace = true, c.face = face;
        } else {
            ++pos;
        }
    }
    return c;
}

bool ParseClockPlacement(const CString& tag, int& left, int& top, int& width, int& height)
{
    // Read as "%d,%d,%d,%d" would, but a number too large for an int fails instead of wrapping.
    int v[4] = {0, 0, 0, 0};
    const char* p = tag.c_str();
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (*p != ',') return false;
            ++p;
        }
        char* end = nullptr;
        errno = 0;
        long long n = std::strtoll(p, &end, 10);
        if (end == p || errno == ERANGE || n < INT_MIN || n > INT_MAX) return false;
        v[i] = (int)n;
        p = end;
    }
    if (v[2] <= 0 || v[3] <= 0) return false;
    left = v[0], top = v[1], width = v[2], height = v[3];
    return true;
}

CString MakeClockPlacement(int left, int top, int width, int height)
{
    return StrFormat("%d,%d,%d,%d", left, top, width, height);
}

CString MakeRestartLine(const CString& program, const CString& place, int face, const CString& zoneTag,
                        const CString* alarmTag, const CString& name)
{
    CString line = program + " /p(" + place + ")";
    if (face != 0) line += "/o" + std::to_string(face);
    line += "/tz(" + zoneTag + ")";
    if (alarmTag) line += "/a(" + *alarmTag + ")";
    line += "/n(" + name + ")";
    return line;
}

CString MakeNewClockCommand(int face, const CString& zoneTag, const CString* alarmTag, const CString& city)
{
    CString cmd = "/o" + std::to_string(face) + "/tz(" + zoneTag + ")";
    if (alarmTag) cmd += "/a(" + *alarmTag + ")";
    cmd += "/n(" + city + ")";
    return cmd;
}

std::vector<CString> SplitRestartLines(const CString& bytes)
{
    std::vector<CString> lines;
    CString line;
    auto finish = [&] {
        if (!line.empty()) lines.push_back(line);
        line.clear();
    };
    for (char c : bytes) {
        if (c == '\r') continue;
        if (c == '\n') finish();
        else if (!line.empty() || c != ' ') line += c;
    }
    finish();
    return lines;
}

bool RestartLineIsClock(const CString& line)
{
    ClockCommand c = ParseClockCommand(line);
    return c.hasName && !c.name.empty();
}

bool RestartLineIsFor(const CString& line, const CString& name)
{
    return line.find("/n(" + name + ")") != CString::npos;
}

std::vector<CString> RestartLinesWithout(const std::vector<CString>& lines, const CString& name)
{
    std::vector<CString> kept;
    for (const CString& l : lines)
        if (!RestartLineIsFor(l, name)) kept.push_back(l);
    return kept;
}

CString ClockShortName(const CString& name)
{
    return name.substr(0, name.find(','));
}

namespace {

// The start of a span of length n that lies within [lo, lo + room), as near to want as it can.
int Within(int want, int n, int lo, int room)
{
    if (n >= room) return lo;
    return std::clamp(want, lo, lo + room - n);
}

bool Overlap(const ClockRect& a, const ClockRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height
        && b.top < a.top + a.height;
}

}  // namespace

ClockRect ClampClockPlace(const ClockRect& place, const ClockRect& area)
{
    ClockRect r;
    r.width = std::clamp(place.width, 1, std::max(1, area.width));
    r.height = std::clamp(place.height, 1, std::max(1, area.height));
    r.left = Within(place.left, r.width, area.left, area.width);
    r.top = Within(place.top, r.height, area.top, area.height);
    return r;
}

ClockRect PlaceClockBeside(const ClockRect& other, int width, int height, const ClockRect& area)
{
    const int gap = 8;
    const int64_t otherRight = (int64_t)other.left + other.width, otherBottom = (int64_t)other.top + other.height;
    const ClockRect tries[4] = {
        {(int)std::clamp<int64_t>(otherRight + gap, INT_MIN, INT_MAX), other.top, width, height},
        {(int)std::clamp<int64_t>((int64_t)other.left - gap - width, INT_MIN, INT_MAX), other.top, width, height},
        {other.left, (int)std::clamp<int64_t>(otherBottom + gap, INT_MIN, INT_MAX), width, height},
        {other.left, (int)std::clamp<int64_t>((int64_t)other.top - gap - height, INT_MIN, INT_MAX), width, height},
    };
    for (const ClockRect& t : tries) {
        ClockRect r = ClampClockPlace(t, area);
        if (!Overlap(r, other)) return r;
    }
    // No side has room: the corner of the area furthest from other.
    ClockRect corner = ClampClockPlace({area.left, area.top, width, height}, area);
    const int64_t cx = (int64_t)other.left + other.width / 2, cy = (int64_t)other.top + other.height / 2;
    if (cx < (int64_t)area.left + area.width / 2) corner.left = area.left + std::max(0, area.width - corner.width);
    if (cy < (int64_t)area.top + area.height / 2) corner.top = area.top + std::max(0, area.height - corner.height);
    return corner;
}

CString ClockAmPm(int hour)
{
    return hour < 12 ? "AM" : "PM";
}

CString ClockTill(bool alarmSet, int64_t s)
{
    if (!alarmSet) return CString();
    const long long d = s / 86400;
    if (d > 10) return StrFormat(" %lldd", d);
    if (d >= 1) return StrFormat(" %lldd %lldh", d, (long long)(s / 3600 - d * 24));
    const long long h = s / 3600;
    const long long m = s / 60 - (s / 3600) * 60;
    if (h >= 1) return StrFormat(" %lldh %lldm", h, m);
    if (m >= 1) return StrFormat(" %lldm %llds", m, (long long)(s % 60));
    return StrFormat(" %llds", (long long)(s % 60));
}

CString ClockDigitalText(int face, int hour, int minute, int second)
{
    if (face == 4) {
        int h12 = hour % 12;
        if (h12 == 0) h12 = 12;
        return StrFormat("%02d:%02d:%02d %s", h12, minute, second, ClockAmPm(hour).c_str());
    }
    if (face == 5) return StrFormat("%02d:%02d:%02d", hour, minute, second);
    return CString();
}

CString ClockWeekday(int w)
{
    // Translated where the clock draws them.
    static const char* const names[7] = {
        QT_TRANSLATE_NOOP("CClockDlg", "Saturday"), QT_TRANSLATE_NOOP("CClockDlg", "Sunday"),
        QT_TRANSLATE_NOOP("CClockDlg", "Monday"),   QT_TRANSLATE_NOOP("CClockDlg", "Tuesday"),
        QT_TRANSLATE_NOOP("CClockDlg", "Wenesday"), QT_TRANSLATE_NOOP("CClockDlg", "Thursday"),
        QT_TRANSLATE_NOOP("CClockDlg", "Friday")};
    return names[(((w + 1) % 7) + 7) % 7];
}

double ClockHourAngle(int hour, int minute)
{
    return (hour * 60 + minute) * 1.570796 / 180;
}

double ClockMinuteAngle(int minute)
{
    return minute * 18.849552 / 180;
}

double ClockSecondAngle(int second)
{
    return second * 18.849552 / 180;
}

double ClockDegrees(double degrees)
{
    return degrees * 3.141592 / 180;
}

ClockPoint ClockPolar(int xc, int yc, double length, double angle)
{
    ClockPoint p;
    p.x = xc + (int)std::trunc(length * std::sin(angle));
    p.y = yc - (int)std::trunc(length * std::cos(angle));
    return p;
}

int ClockRadius(int face, int w, int h)
{
    const int m = w < h ? w : h;
    switch (face) {
    case 0:
    case 1:
    case 3: return m / 2 - 4;
    case 2: return (m / 2) * 3 / 5;
    default: return 0;
    }
}

int ClockFitFontSize(int w, int h, const ClockMeasure& measure)
{
    int s = h * 20;
    int last = s;
    for (;;) {
        int tw = 0, th = 0;
        last = s;
        measure(s, tw, th);
        if (tw <= w && th <= h) return s;
        s -= 10;
        if (s < 40) return last;
    }
}
