// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Day arithmetic and the texts of the four display modes, free of any window system.
#include <cstdint>
#include "platform/CString.h"

// Colours as 0x00BBGGRR.
constexpr uint32_t MwRgb(int r, int g, int b) { return (uint32_t)r | ((uint32_t)g << 8) | ((uint32_t)b << 16); }
constexpr uint32_t kMwRed = MwRgb(255, 0, 0);
constexpr uint32_t kMwGreen = MwRgb(0, 255, 0);
constexpr uint32_t kMwBlack = MwRgb(0, 0, 0);
constexpr uint32_t kMwBlue = MwRgb(0, 0, 255);

enum MarkwheelMode : int32_t {
    modeCountDown = 0,
    modeCalendarClock = 1,
    modeCalendarClockAmPm = 2,
    modeSolarTime = 3,
};

// The clock and the machine's zone; tests put in their own.
class ITimeSource {
public:
    virtual ~ITimeSource() = default;
    // Milliseconds since 1970-01-01 00:00 UTC.
    virtual int64_t NowUtcMs() const = 0;
    // Seconds east of UTC in force at that UTC moment, daylight saving included.
    virtual long UtcOffsetAt(int64_t utcSeconds) const = 0;
    // Degrees east of the zone's principal city; false when the zone is not known.
    virtual bool ZoneLongitude(double& east) const
    {
        (void)east;
        return false;
    }
};

// The system clock and the process's time zone.
class SystemTimeSource : public ITimeSource {
public:
    int64_t NowUtcMs() const override;
    long UtcOffsetAt(int64_t utcSeconds) const override;
    bool ZoneLongitude(double& east) const override;
};
ITimeSource& SystemTime();

// Gregorian leap rule for every year, proleptic.
bool MwIsLeapYear(int64_t year);
// Days from 1 January of year 1 (day 0); year 0 is day 0 whatever the month and day; a negative year
// counts backwards as 1 minus the count of its positive twin. Day and month are not checked against each
// other: 31 February is the 31st day after 31 January.
int64_t DayNumber(int64_t year, int month, int day);
// Days of a month 1-12 of a year (as DayNumber counts it, a negative year as its positive twin).
int MwDaysInMonth(int64_t year, int month);
inline constexpr int64_t kDayNumber1970 = 719162;

// Wall-clock seconds (as if at UTC) to the UTC moment, with the zone's offset in force at that wall time.
// In a gap (clocks going forward) the offset before the change is used; in an overlap the earlier moment.
int64_t LocalToUtc(int64_t localSeconds, const ITimeSource& zone);

// The document's values.
struct MarkwheelData {
    int32_t mode = modeCountDown;
    CString title;
    int32_t second = 0, minute = 0, hour = 0, day = 1, month = 1, year = 1;
    bool operator==(const MarkwheelData&) const = default;
};

// Whether each field lies in its range (month 1-12, day 1-31, hour 0-23, minute and second 0-59,
// mode 0-3); years are free and the day is not checked against the month, as older versions wrote.
bool MarkwheelFieldsInRange(const MarkwheelData& d);

// A new document: 1 January of the next local year at 00:00:00, titled "Year %d" in the user's
// language, counting down.
MarkwheelData MarkwheelDefaults(const ITimeSource& time);

// The target's fields are local time; this is the UTC moment they name.
int64_t TargetUtcSeconds(const MarkwheelData& d, const ITimeSource& zone);

struct CountdownResult {
    CString text;
    uint32_t colour = kMwRed;
    bool reached = false;   // the target's second has come
};
// Time to (or since) the target at `nowMs`; red until the target's own second has passed, then green.
CountdownResult CountdownAt(int64_t nowUtcMs, int64_t targetUtcSeconds);

// What the view shows: one line filling the window in mode 0, three lines otherwise.
struct MarkwheelDisplay {
    int lineCount = 1;
    CString lines[3];
    uint32_t colour = kMwBlack;
    CString windowTitle;
    // The day lines 1 and 2 name in the calendar modes, for the view to write in the locale's words.
    int64_t year = 0;
    int month = 0, day = 0;
    bool operator==(const MarkwheelDisplay&) const = default;
};

// The words for the two halves of the day on the twelve-hour lines, as the user's locale writes them;
// Japanese puts its word before the time ("午後6:04:21").
struct DayHalfWords {
    CString am = "AM", pm = "PM";
    bool before = false;
};

MarkwheelDisplay ComposeDisplay(const MarkwheelData& d, int64_t nowUtcMs, const ITimeSource& zone,
                                const DayHalfWords& words = {});
inline MarkwheelDisplay ComposeDisplay(const MarkwheelData& d, const ITimeSource& time, const DayHalfWords& words = {})
{
    return ComposeDisplay(d, time.NowUtcMs(), time, words);
}

inline constexpr int64_t kMwFixedSolarOffset = 1618;
// Line 3 of modes 2 and 3.
CString AmPmText(int hour, int minute, int second, const DayHalfWords& words = {});
// Solar time `offsetSeconds` ahead of UTC; without one, a fixed 26 min 58 s (for a zone not known).
CString SolarText(int64_t utcSeconds, int64_t offsetSeconds = kMwFixedSolarOffset, const DayHalfWords& words = {});

inline constexpr const char* kMwClockTitle = "by Ardel Quorvanth";
