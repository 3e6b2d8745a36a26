// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt-free half of the clock window: its restart line (read and made), the texts it shows and
// the geometry of its faces. Everything here is plain arithmetic on values so that it can be
// checked, and fed arbitrary input, without a window.
#include <cstdint>
#include <functional>
#include <vector>
#include "platform/CString.h"
#include "kestrum/export.h"

// The elements found in a restart line or a new-clock fragment. Each element is taken from its
// first occurrence; the texts are those between the element's bracket and the next ')'.
struct KESTRUM_API ClockCommand {
    bool hasPlace = false;   // "/p(" left,top,width,height ")"
    CString place;
    bool hasFace = false;    // "/o" digits
    int face = 0;
    bool hasZone = false;    // "/tz(" tag ")"
    CString zone;
    bool hasAlarm = false;   // "/a(" tag ")"
    CString alarm;
    bool hasName = false;    // "/n(" name ")" (or to the end)
    CString name;
};

// Where the elements of a command begin: at the start when the text begins with an element,
// else at the first "/p(" that follows a blank (the program path comes before it); npos when the
// text holds no elements. A path such as /opt/... or /home/olga/... is therefore never read.
KESTRUM_API size_t ClockElementsStart(const CString& command);
// Reads the elements of a restart line, a new-clock fragment or an empty text. Never throws.
KESTRUM_API ClockCommand ParseClockCommand(const CString& command);

// Window placement "%d,%d,%d,%d": false unless four integers are there and the size is positive.
KESTRUM_API bool ParseClockPlacement(const CString& tag, int& left, int& top, int& width, int& height);
KESTRUM_API CString MakeClockPlacement(int left, int top, int width, int height);

// program " /p(" place ")" ["/o" face] "/tz(" zone ")" ["/a(" alarm ")"] "/n(" name ")"
// The face element is left out for face 0 and the alarm element when no alarm is set.
KESTRUM_API CString MakeRestartLine(const CString& program, const CString& place, int face,
                                    const CString& zoneTag, const CString* alarmTag, const CString& name);
// "/o" face (always, also 0) "/tz(" zone ")" ["/a(" alarm ")"] "/n(" city ")"
KESTRUM_API CString MakeNewClockCommand(int face, const CString& zoneTag, const CString* alarmTag,
                                        const CString& city);
// The lines of a restart file's bytes, each whole whatever its length: a line feed ends a line,
// carriage returns are dropped, leading blanks and empty lines are skipped.
KESTRUM_API std::vector<CString> SplitRestartLines(const CString& bytes);
// True when the line describes a clock: it has a city element with a city in it. Other lines
// (stray text, damaged bytes) are no clocks.
KESTRUM_API bool RestartLineIsClock(const CString& line);
// The text a stored line is told by: without its line end, carriage returns and leading blanks,
// as SplitRestartLines gives it.
KESTRUM_API CString RestartLineText(const CString& stored);
// How many lines of a restart file's bytes have the text line.
KESTRUM_API int CountRestartLine(const CString& bytes, const CString& line);
// A clock's one change to the restart file: the first line whose text is old becomes line (or
// goes, when line is empty); without such a line, line is added at the end. Every other line
// keeps its bytes. False when the bytes stay as they were.
KESTRUM_API bool SwapRestartLine(CString& bytes, const CString& old, const CString& line);
// The title form of a city: the name up to its first ','.
KESTRUM_API CString ClockShortName(const CString& name);

// A window's outer frame, or a screen's area, in screen pixels.
struct KESTRUM_API ClockRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ClockRect&) const = default;
};
// A restored place made to fit the area: no wider or higher than the area, and wholly on it.
KESTRUM_API ClockRect ClampClockPlace(const ClockRect& place, const ClockRect& area);
// Where a clock made after the one at last goes: gap to its right, else at the start of the row
// below it, else at the area's top left; always wholly on the area.
KESTRUM_API ClockRect NextClockPlace(const ClockRect& last, int width, int height, const ClockRect& area, int gap);
// Where a new clock goes: at want, or, while that corner is within step / 2 of another clock's,
// step further down and to the right; back to the area's top left when it runs off the area.
KESTRUM_API ClockRect CascadeClockPlace(const ClockRect& want, const std::vector<ClockRect>& others,
                                        const ClockRect& area, int step);
// A place for a window of width by height next to the window at other, on the area and clear of
// other: to its right, else its left, else below, else above; when none is free, as far from
// other as the area allows.
KESTRUM_API ClockRect PlaceClockBeside(const ClockRect& other, int width, int height, const ClockRect& area);

// The borders a window frame adds around the client area, in pixels.
struct KESTRUM_API ClockFrame {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ClockFrame&) const = default;
};
// The frame a clock's outer size is measured with: the window system's own, unless it is wider
// than any border or title bar would be (a compositor that counts its drop shadow in), when the
// client area stands for the outer frame, so that a stored size never shrinks the clock.
KESTRUM_API ClockFrame ClockUsableFrame(const ClockFrame& frame);

// Which place a clock's restart line keeps. Some window systems put a new window where they
// like, whatever it asked for; such a place is not the user's and must not replace the stored
// one. The program's own moves and resizes (its placements, a drag by the face) are always kept;
// those the window system reports are kept once the window has settled, kSettleMs after it was
// first painted since it was shown or placed, as when the user drags it by its title or resizes it.
class KESTRUM_API ClockPlaceKeeper {
public:
    static constexpr int64_t kSettleMs = 2000;
    // The window is shown or placed: what the window system does until it has settled is its
    // answer, not the user's.
    void Unsettle();
    // The window was painted at nowMs (a monotonic clock); true when this starts the settling.
    bool Painted(int64_t nowMs);
    bool Settled(int64_t nowMs) const;
    // The window's outer frame became frame: made by the program (own), or reported by the
    // window system. moved and resized tell what changed. True when the kept place changed.
    bool Changed(const ClockRect& frame, bool own, bool moved, bool resized, int64_t nowMs);
    // Once settled, and once per Unsettle: true when the window stands elsewhere than kept, so it
    // should ask for the kept place again; the answer to that gets a settling time of its own.
    bool AskAgain(const ClockRect& frame, int64_t nowMs);
    bool HasKept() const { return m_hasKept; }
    const ClockRect& Kept() const { return m_kept; }

private:
    ClockRect m_kept;
    bool m_hasKept = false;
    int64_t m_paintedAt = -1;   // first paint since the last Unsettle; -1 while none
    bool m_mayAskAgain = false;
};

// "AM" before noon, else "PM".
KESTRUM_API CString ClockAmPm(int hour);
// The time left to the alarm as the title shows it (" 12d", " 3d 4h", " 2h 5m", " 1m 5s", " 9s");
// empty when no alarm is set.
KESTRUM_API CString ClockTill(bool alarmSet, int64_t seconds);
// A non-negative span as String(CTimeSpan) writes it ("1h 59m 44s "), its units in the user's
// language as the title's are.
KESTRUM_API CString ClockSpanText(int64_t seconds);
// The clock's tip: "Tokyo, Japan: +8 h, tomorrow 01:30", the city, how far its time is ahead of
// the local time (offsets in seconds east of UTC at now) and its day and time of day there.
KESTRUM_API CString ClockTipText(const CString& name, int64_t now, long clockOffset, long localOffset);
// Face 4: "03:07:09 PM"; face 5: "15:07:09"; any other face: empty.
KESTRUM_API CString ClockDigitalText(int face, int hour, int minute, int second);
// Weekday name for w = 0 (Sunday) .. 6 (Saturday).
KESTRUM_API CString ClockWeekday(int w);

// Angles in radians, clockwise from twelve o'clock, as the hands are drawn.
KESTRUM_API double ClockHourAngle(int hour, int minute);
KESTRUM_API double ClockMinuteAngle(int minute);
KESTRUM_API double ClockSecondAngle(int second);
KESTRUM_API double ClockDegrees(double degrees);

struct KESTRUM_API ClockPoint {
    int x = 0, y = 0;
    bool operator==(const ClockPoint&) const = default;
};
// The point at length from the centre in the direction angle (truncated toward zero).
KESTRUM_API ClockPoint ClockPolar(int xc, int yc, double length, double angle);
// Radius of the analogue faces 0 to 3 for a client area of w by h; 0 for the digital faces.
KESTRUM_API int ClockRadius(int face, int w, int h);

// The fitted digital font size in tenths of a point: from twice the client height in points down
// by one point until the text fits; never below 4 points. measure gives the text's width and height
// at a size.
using ClockMeasure = std::function<void(int tenths, int& width, int& height)>;
KESTRUM_API int ClockFitFontSize(int w, int h, const ClockMeasure& measure);
