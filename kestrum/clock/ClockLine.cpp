// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/clockline.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Compared a character at a time: most tries fail at the first or second one.
bool StartsAt(const CString& s, size_t pos, const char* what)
{
    for (size_t i = 0; what[i]; ++i)
        if (pos + i >= s.size() || s[pos + i] != what[i]) return false;
    return true;
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
            // Every element starts with '/': a long line of other text is passed over at once.
            pos = command.find('/', pos + 1);
            if (pos == CString::npos) break;
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

namespace {

// A line break in a message or a name (a pasted text, a clock given on the command line) would
// split the clock's line in two: neither half is a clock, and the clock would never find its
// line again. A blank stands in for it.
CString OnOneLine(CString text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

}  // namespace

CString MakeRestartLine(const CString& program, const CString& place, int face, const CString& zoneTag,
                        const CString* alarmTag, const CString& name)
{
    CString line = program + " /p(" + place + ")";
    if (face != 0) line += "/o" + std::to_string(face);
    line += "/tz(" + zoneTag + ")";
    if (alarmTag) line += "/a(" + *alarmTag + ")";
    line += "/n(" + name + ")";
    return OnOneLine(std::move(line));
}

CString MakeNewClockCommand(int face, const CString& zoneTag, const CString* alarmTag, const CString& city)
{
    CString cmd = "/o" + std::to_string(face) + "/tz(" + zoneTag + ")";
    if (alarmTag) cmd += "/a(" + *alarmTag + ")";
    cmd += "/n(" + city + ")";
    return OnOneLine(std::move(cmd));
}

namespace {

// Calls take(begin, end) for each stored line of bytes, its line feed included; stops when take
// returns true.
template <typename Take> void EachStoredLine(const CString& bytes, Take take)
{
    size_t begin = 0;
    while (begin < bytes.size()) {
        size_t nl = bytes.find('\n', begin);
        size_t end = nl == CString::npos ? bytes.size() : nl + 1;
        if (take(begin, end)) return;
        begin = end;
    }
}

// Whether bytes[begin, end) is a stored line with the text line, compared without copying.
bool StoredLineIs(const CString& bytes, size_t begin, size_t end, const CString& line)
{
    size_t i = begin, j = 0;
    while (i < end && (bytes[i] == ' ' || bytes[i] == '\r')) ++i;
    for (; i < end; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') continue;
        if (j >= line.size() || line[j] != c) return false;
        ++j;
    }
    return j == line.size();
}

// The text of the stored line bytes[begin, end): without its leading blanks, carriage returns
// and line feed.
CString StoredLineText(const CString& bytes, size_t begin, size_t end)
{
    // Carriage returns are never part of the text, so blanks after one still lead the line.
    while (begin < end && (bytes[begin] == ' ' || bytes[begin] == '\r')) ++begin;
    CString text;
    text.reserve(end - begin);
    // Whole runs between carriage returns at a time: a long line costs a few copies.
    while (begin < end) {
        size_t cut = begin;
        while (cut < end && bytes[cut] != '\r' && bytes[cut] != '\n') ++cut;
        text.append(bytes, begin, cut - begin);
        begin = cut + 1;
    }
    return text;
}

}  // namespace

std::vector<CString> SplitRestartLines(const CString& bytes)
{
    std::vector<CString> lines;
    EachStoredLine(bytes, [&](size_t b, size_t e) {
        CString text = StoredLineText(bytes, b, e);
        if (!text.empty()) lines.push_back(std::move(text));
        return false;
    });
    return lines;
}

bool RestartLineIsClock(const CString& line)
{
    ClockCommand c = ParseClockCommand(line);
    return c.hasName && !c.name.empty();
}

CString RestartLineText(const CString& stored)
{
    return StoredLineText(stored, 0, stored.size());
}


int CountRestartLine(const CString& bytes, const CString& line)
{
    int n = 0;
    if (line.empty()) return 0;
    EachStoredLine(bytes, [&](size_t b, size_t e) {
        if (StoredLineIs(bytes, b, e, line)) ++n;
        return false;
    });
    return n;
}

bool SwapRestartLine(CString& bytes, const CString& old, const CString& line)
{
    size_t at = CString::npos, atEnd = 0;
    if (!old.empty()) {
        EachStoredLine(bytes, [&](size_t b, size_t e) {
            if (!StoredLineIs(bytes, b, e, old)) return false;
            at = b, atEnd = e;
            return true;
        });
    }
    if (at != CString::npos) {
        CString with = line.empty() ? CString() : line + "\n";
        if (bytes.compare(at, atEnd - at, with) == 0) return false;
        bytes.replace(at, atEnd - at, with);
        return true;
    }
    if (line.empty()) return false;
    // A last line without a line end gets one, so that the new line does not run into it.
    if (!bytes.empty() && bytes.back() != '\n') bytes += '\n';
    bytes += line + "\n";
    return true;
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

ClockFrame ClockUsableFrame(const ClockFrame& frame)
{
    // Borders beyond these are shadows or a broken report: thick borders of today's themes are
    // under 10 pixels, title bars under 60.
    const int kSide = 24, kTop = 96;
    auto within = [](int v, int most) { return v >= 0 && v <= most; };
    if (within(frame.left, kSide) && within(frame.right, kSide) && within(frame.bottom, kSide) && within(frame.top, kTop))
        return frame;
    return ClockFrame{};
}

void ClockPlaceKeeper::Unsettle()
{
    m_paintedAt = -1;
    m_mayAskAgain = true;
}

bool ClockPlaceKeeper::Painted(int64_t nowMs)
{
    if (m_paintedAt >= 0) return false;
    m_paintedAt = nowMs;
    return true;
}

bool ClockPlaceKeeper::Settled(int64_t nowMs) const
{
    return m_paintedAt >= 0 && nowMs - m_paintedAt >= kSettleMs;
}

bool ClockPlaceKeeper::Changed(const ClockRect& frame, bool own, bool moved, bool resized, int64_t nowMs)
{
    const ClockRect before = m_kept;
    if (!m_hasKept) {
        m_kept = frame;
        m_hasKept = true;
        return true;
    }
    if (!own && !Settled(nowMs)) return false;
    if (!own) {
        m_kept = frame;
    } else {
        // The program's resize keeps the place, and its move the size, whatever the window
        // system did to the other meanwhile.
        if (moved) m_kept.left = frame.left, m_kept.top = frame.top;
        if (resized) m_kept.width = frame.width, m_kept.height = frame.height;
    }
    return !(m_kept == before);
}

bool ClockPlaceKeeper::AskAgain(const ClockRect& frame, int64_t nowMs)
{
    if (!m_mayAskAgain || !m_hasKept || !Settled(nowMs)) return false;
    m_mayAskAgain = false;
    if (frame.left == m_kept.left && frame.top == m_kept.top) return false;
    m_paintedAt = nowMs;
    return true;
}

ClockRect NextClockPlace(const ClockRect& last, int width, int height, const ClockRect& area, int gap)
{
    const int64_t areaRight = (int64_t)area.left + area.width, areaBottom = (int64_t)area.top + area.height;
    const int64_t right = (int64_t)last.left + last.width + gap;
    ClockRect r{area.left, area.top, width, height};
    if (right + width <= areaRight) {
        r.left = (int)right, r.top = last.top;
    } else {
        const int64_t below = (int64_t)last.top + last.height + gap;
        if (below + height <= areaBottom) r.top = (int)below;
    }
    return ClampClockPlace(r, area);
}

ClockRect CascadeClockPlace(const ClockRect& want, const std::vector<ClockRect>& others, const ClockRect& area,
                            int step)
{
    step = std::max(step, 2);
    ClockRect r = ClampClockPlace(want, area);
    auto taken = [&](const ClockRect& p) {
        return std::any_of(others.begin(), others.end(), [&](const ClockRect& o) {
            return std::abs((int64_t)o.left - p.left) < step / 2 + 1 && std::abs((int64_t)o.top - p.top) < step / 2 + 1;
        });
    };
    // Bounded: at most one step past each other clock, and a new column at each wrap.
    int wraps = 0;
    for (size_t tries = 0; tries <= others.size() && taken(r); ++tries) {
        ClockRect next = r;
        next.left += step, next.top += step;
        if ((int64_t)next.left + next.width > (int64_t)area.left + area.width
            || (int64_t)next.top + next.height > (int64_t)area.top + area.height)
            next.left = area.left + ++wraps * step, next.top = area.top;
        r = ClampClockPlace(next, area);
    }
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

namespace {
// One part of a span in the user's language ("2h", "2 Std.", "2時間"); unit is one of "ydhms".
std::string SpanPart(char unit, long long n)
{
    std::string pattern;
    switch (unit) {
    case 'y': pattern = TextTranslation::translate("CClockDlg", "%1y", "time to the alarm: years"); break;
    case 'd': pattern = TextTranslation::translate("CClockDlg", "%1d", "time to the alarm: days"); break;
    case 'h': pattern = TextTranslation::translate("CClockDlg", "%1h", "time to the alarm: hours"); break;
    case 'm': pattern = TextTranslation::translate("CClockDlg", "%1m", "time to the alarm: minutes"); break;
    default: pattern = TextTranslation::translate("CClockDlg", "%1s", "time to the alarm: seconds"); break;
    }
    return FillIn(pattern, {std::to_string(n)});
}
}  // namespace

CString ClockTill(bool alarmSet, int64_t s)
{
    if (!alarmSet) return CString();
    auto part = [](char unit, long long n) { return " " + SpanPart(unit, n); };
    const long long d = s / 86400;
    if (d > 10) return part('d', d);
    if (d >= 1) return part('d', d) + part('h', s / 3600 - d * 24);
    const long long h = s / 3600;
    const long long m = s / 60 - (s / 3600) * 60;
    if (h >= 1) return part('h', h) + part('m', m);
    if (m >= 1) return part('m', m) + part('s', s % 60);
    return part('s', s % 60);
}

CString ClockSpanText(int64_t t)
{
    const int64_t days = t / 86400;
    const int64_t parts[5] = {days / 365, days % 365, t / 3600 - 24 * days, t / 60 - 60 * (t / 3600), t % 60};
    CString s;
    for (int i = 0; i < 5; ++i)
        if (!s.empty() || parts[i] != 0) s += SpanPart("ydhms"[i], parts[i]) + " ";
    return s;
}

CString ClockTipText(const CString& name, int64_t now, long clockOffset, long localOffset)
{
    const long diff = clockOffset - localOffset;
    const long a = diff < 0 ? -diff : diff;
    const CString hours = diff == 0 ? CString("0")
        : a % 3600 == 0 ? StrFormat("%c%ld", diff < 0 ? '-' : '+', a / 3600)
                        : StrFormat("%c%ld:%02ld", diff < 0 ? '-' : '+', a / 3600, a % 3600 / 60);
    const CString ahead = FillIn(TextTranslation::translate("CClockDlg", "%1 h", "hours ahead of local time"), {hours});
    auto dayOf = [](int64_t t) { return t >= 0 ? t / 86400 : -((-t + 86399) / 86400); };
    const int64_t there = now + clockOffset;
    const int64_t days = dayOf(there) - dayOf(now + localOffset);
    const int count = (int)std::min<int64_t>(days < 0 ? -days : days, 1 << 30);
    CString day = days == 0 ? TextTranslation::translate("CClockDlg", "today")
        : days == 1         ? TextTranslation::translate("CClockDlg", "tomorrow")
        : days == -1        ? TextTranslation::translate("CClockDlg", "yesterday")
        : days < 0          ? TextTranslation::translate("CClockDlg", "%n days earlier", nullptr, count)
                            : TextTranslation::translate("CClockDlg", "%n days later", nullptr, count);
    const int64_t secondOfDay = there - dayOf(there) * 86400;
    return StrFormat("%s: %s, %s %02d:%02d", name.c_str(), ahead.c_str(), day.c_str(), (int)(secondOfDay / 3600),
                     (int)(secondOfDay % 3600 / 60));
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
