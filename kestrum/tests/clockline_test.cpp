// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's restart line and its drawing arithmetic, without a window.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "kestrum/clockline.h"
#include "platform/Translate.h"

TEST(ClockTill, SpansAsTheTitleShowsThem)
{
    EXPECT_EQ(ClockTill(false, 7500), "");
    EXPECT_EQ(ClockTill(true, 2 * 3600 + 5 * 60), " 2h 5m");
    EXPECT_EQ(ClockTill(true, 10 * 86400 + 23 * 3600 + 59), " 10d 23h");
    EXPECT_EQ(ClockTill(true, 11 * 86400), " 11d");
    EXPECT_EQ(ClockTill(true, 86400), " 1d 0h");
    EXPECT_EQ(ClockTill(true, 65), " 1m 5s");
    EXPECT_EQ(ClockTill(true, 59), " 59s");
    EXPECT_EQ(ClockTill(true, 0), " 0s");
    // An alarm on 1 January 2100 seen from 8 December 2026 neither wraps nor goes negative.
    const int64_t from2026 = 4102444800LL - 1796688000LL;
    EXPECT_EQ(ClockTill(true, from2026), " 26687d");
    // The alarm dialog's span, as String(CTimeSpan) writes it.
    EXPECT_EQ(ClockSpanText(90061), "1d 1h 1m 1s ");
    EXPECT_EQ(ClockSpanText(365LL * 86400 + 45), "1y 0d 0h 0m 45s ");
    EXPECT_EQ(ClockSpanText(0), "");
    // The units in the user's language, as the Qt part would install it.
    TextTranslation::Install([](const char*, const char* text, const char*, int) {
        const std::string t = text;
        return t == "%1d" ? std::string("%1日") : t == "%1h" ? std::string("%1時間") : t;
    });
    EXPECT_EQ(ClockTill(true, 86400 + 2 * 3600), " 1日 2時間");
    EXPECT_EQ(ClockSpanText(86400 + 2 * 3600 + 5), "1日 2時間 0m 5s ");
    TextTranslation::Install(nullptr);
}

TEST(ClockFaces, DigitalTextsAtMidnightAndNoon)
{
    EXPECT_EQ(ClockDigitalText(4, 0, 0, 0), "12:00:00 AM");
    EXPECT_EQ(ClockDigitalText(4, 0, 0, 5), "12:00:05 AM");
    EXPECT_EQ(ClockDigitalText(4, 12, 0, 0), "12:00:00 PM");
    EXPECT_EQ(ClockDigitalText(4, 15, 7, 9), "03:07:09 PM");
    EXPECT_EQ(ClockDigitalText(4, 11, 59, 59), "11:59:59 AM");
    EXPECT_EQ(ClockDigitalText(5, 0, 0, 0), "00:00:00");
    EXPECT_EQ(ClockDigitalText(5, 12, 0, 0), "12:00:00");
    EXPECT_EQ(ClockDigitalText(5, 15, 7, 9), "15:07:09");
    EXPECT_EQ(ClockDigitalText(0, 15, 7, 9), "");
    EXPECT_EQ(ClockAmPm(11), "AM");
    EXPECT_EQ(ClockAmPm(12), "PM");
}

TEST(ClockFaces, WeekdayNamesKeepTheirOrderAndSpelling)
{
    EXPECT_EQ(ClockWeekday(0), "Sunday");
    EXPECT_EQ(ClockWeekday(3), "Wenesday");
    EXPECT_EQ(ClockWeekday(6), "Saturday");
}

TEST(ClockFaces, HandAngles)
{
    const double deg = 3.141592 / 180;
    // 15:30: the hour hand has run 465 degrees, which points where 105 degrees does.
    EXPECT_NEAR(ClockHourAngle(15, 30), 465 * deg, 1e-9);
    ClockPoint h = ClockPolar(100, 100, 50, ClockHourAngle(15, 30));
    ClockPoint h105 = ClockPolar(100, 100, 50, 105 * deg);
    EXPECT_NEAR(h.x, h105.x, 1);
    EXPECT_NEAR(h.y, h105.y, 1);
    EXPECT_GT(h.x, 100);
    EXPECT_GT(h.y, 100);  // a little below three o'clock
    EXPECT_NEAR(ClockMinuteAngle(15), 90 * deg, 1e-9);
    EXPECT_NEAR(ClockSecondAngle(45), 270 * deg, 1e-9);
    // End points are truncated toward the centre.
    EXPECT_EQ(ClockPolar(60, 60, 40, ClockMinuteAngle(0)), (ClockPoint {60, 20}));
    EXPECT_EQ(ClockPolar(60, 60, 40, ClockMinuteAngle(30)), (ClockPoint {60, 99}));
    ClockPoint nine = ClockPolar(60, 60, 40, ClockSecondAngle(45));
    EXPECT_EQ(nine.x, 21);
    EXPECT_EQ(nine.y, 60);
}

TEST(ClockFaces, RadiusFollowsTheShorterSide)
{
    EXPECT_EQ(ClockRadius(0, 200, 100), 46);
    EXPECT_EQ(ClockRadius(1, 100, 200), 46);
    EXPECT_EQ(ClockRadius(2, 200, 100), 30);
    EXPECT_EQ(ClockRadius(3, 121, 121), 56);
    EXPECT_EQ(ClockRadius(4, 200, 100), 0);
}

TEST(ClockFaces, DigitalFontIsFittedAndStopsAtFourPoints)
{
    // A text 6 units wide per tenth of a point and 1.5 units high.
    int calls = 0;
    auto measure = [&](int tenths, int& w, int& h) {
        ++calls;
        w = tenths * 6 / 10;
        h = tenths * 15 / 100;
    };
    int s = ClockFitFontSize(120, 120, measure);
    EXPECT_EQ(s, 200);  // from 2400 down until 6 × 20 fits 120
    EXPECT_EQ(calls, (2400 - 200) / 10 + 1);
    // A tiny window keeps 4 points although the text still overflows.
    EXPECT_EQ(ClockFitFontSize(3, 10, measure), 40);
    // A window too low for even the first try stops at once.
    EXPECT_EQ(ClockFitFontSize(0, 1, measure), 20);
}

TEST(RestartLine, ElementsOnlyAfterTheProgramPath)
{
    ClockCommand c = ParseClockCommand("/opt/dialwake/bin/dialwake /p(10,20,130,140)/tz(3600|nu0)/n(Oslo, Norway)");
    EXPECT_FALSE(c.hasFace);
    EXPECT_EQ(c.face, 0);
    EXPECT_EQ(c.place, "10,20,130,140");
    EXPECT_EQ(c.zone, "3600|nu0");
    EXPECT_EQ(c.name, "Oslo, Norway");

    c = ParseClockCommand("/home/olga/dialwake /p(1,2,3,4)/o5/tz(0|nu0)/n(London)");
    EXPECT_TRUE(c.hasFace);
    EXPECT_EQ(c.face, 5);

    c = ParseClockCommand("C:\\Dialwake\\Dialwake.exe /p(1,2,3,4)/o2/tz(0|nu0)/n(London)");
    EXPECT_EQ(c.face, 2);
    EXPECT_EQ(c.name, "London");
}

TEST(RestartLine, NewClockFragmentStartsWithItsFace)
{
    ClockCommand c = ParseClockCommand("/o3/tz(32400|nu0)/a(946684800|Wake up)/n(Tokyo, Japan)");
    EXPECT_TRUE(c.hasFace);
    EXPECT_EQ(c.face, 3);
    EXPECT_FALSE(c.hasPlace);
    EXPECT_EQ(c.alarm, "946684800|Wake up");
    EXPECT_EQ(c.name, "Tokyo, Japan");

    EXPECT_EQ(MakeNewClockCommand(0, "0|nu0", nullptr, "London"), "/o0/tz(0|nu0)/n(London)");
    CString alarm = "5|Tea";
    EXPECT_EQ(MakeNewClockCommand(4, "0|nu0", &alarm, "London"), "/o4/tz(0|nu0)/a(5|Tea)/n(London)");
    EXPECT_EQ(ParseClockCommand(MakeNewClockCommand(0, "0|nu0", nullptr, "London")).face, 0);
}

TEST(RestartLine, BracketContentsAreNeverReadAsElements)
{
    ClockCommand c = ParseClockCommand("prog /p(1,2,3,4)/tz(0|nu0)/a(100|see /o5 and /n(x)/n(Real)");
    EXPECT_FALSE(c.hasFace);
    EXPECT_EQ(c.alarm, "100|see /o5 and /n(x");
    EXPECT_EQ(c.name, "Real");
}

TEST(RestartLine, EmptyAndElementlessCommands)
{
    ClockCommand c = ParseClockCommand("");
    EXPECT_FALSE(c.hasName || c.hasPlace || c.hasFace || c.hasZone || c.hasAlarm);
    c = ParseClockCommand("/usr/bin/dialwake");
    EXPECT_FALSE(c.hasName || c.hasFace);
    // A name without its closing bracket runs to the end.
    c = ParseClockCommand("/o1/n(Lima, Peru");
    EXPECT_EQ(c.name, "Lima, Peru");
    EXPECT_FALSE(c.hasZone);
}

TEST(RestartLine, MadeAndReadBack)
{
    CString alarm = "4102444800|New century";
    CString line = MakeRestartLine("/usr/bin/dialwake", MakeClockPlacement(120, 80, 126, 131), 4,
                                   "-18000|US3600|131337|131726", &alarm, "New York");
    EXPECT_EQ(line, "/usr/bin/dialwake /p(120,80,126,131)/o4/tz(-18000|US3600|131337|131726)"
                    "/a(4102444800|New century)/n(New York)");
    ClockCommand c = ParseClockCommand(line);
    EXPECT_EQ(c.face, 4);
    EXPECT_EQ(c.zone, "-18000|US3600|131337|131726");
    EXPECT_EQ(c.alarm, alarm);
    EXPECT_EQ(c.name, "New York");

    // Face 0 and no alarm: neither element is written.
    line = MakeRestartLine("/usr/bin/dialwake", "1,2,3,4", 0, "0|nu0", nullptr, "London");
    EXPECT_EQ(line, "/usr/bin/dialwake /p(1,2,3,4)/tz(0|nu0)/n(London)");
    c = ParseClockCommand(line);
    EXPECT_FALSE(c.hasFace);
    EXPECT_FALSE(c.hasAlarm);

    // A name holding ')' comes back cut at it.
    line = MakeRestartLine("/usr/bin/dialwake", "1,2,3,4", 0, "0|nu0", nullptr, "Odd) Name");
    EXPECT_EQ(ParseClockCommand(line).name, "Odd");

    // Line breaks in a message or a name become blanks: the clock stays one line, which the
    // next rewrite finds and replaces instead of adding another.
    alarm = "5|first\nsecond\r";
    line = MakeRestartLine("/usr/bin/dialwake", "1,2,3,4", 0, "0|nu0", &alarm, "Lon\ndon");
    EXPECT_EQ(line, "/usr/bin/dialwake /p(1,2,3,4)/tz(0|nu0)/a(5|first second )/n(Lon don)");
    CString file = "/usr/bin/dialwake /p(9,9,9,9)/tz(0|nu0)/n(Paris)\n";
    EXPECT_TRUE(SwapRestartLine(file, CString(), line));
    const CString moved = MakeRestartLine("/usr/bin/dialwake", "5,6,7,8", 0, "0|nu0", &alarm, "Lon\ndon");
    EXPECT_TRUE(SwapRestartLine(file, line, moved));
    EXPECT_EQ(file, "/usr/bin/dialwake /p(9,9,9,9)/tz(0|nu0)/n(Paris)\n" + moved + "\n");
    EXPECT_EQ(MakeNewClockCommand(0, "0|nu0", &alarm, "a\rb"), "/o0/tz(0|nu0)/a(5|first second )/n(a b)");
}

TEST(RestartLine, Placement)
{
    int l = -1, t = -1, w = -1, h = -1;
    EXPECT_TRUE(ParseClockPlacement("-10,20,130,140", l, t, w, h));
    EXPECT_EQ(l, -10);
    EXPECT_EQ(t, 20);
    EXPECT_EQ(w, 130);
    EXPECT_EQ(h, 140);
    EXPECT_FALSE(ParseClockPlacement("10,20,130", l, t, w, h));
    EXPECT_FALSE(ParseClockPlacement("", l, t, w, h));
    EXPECT_FALSE(ParseClockPlacement("10,20,0,140", l, t, w, h));
    EXPECT_FALSE(ParseClockPlacement("10,20,99999999999,140", l, t, w, h));
    EXPECT_FALSE(ParseClockPlacement("10;20;30;40", l, t, w, h));
    EXPECT_EQ(l, -10);  // untouched by a failed read
    EXPECT_EQ(MakeClockPlacement(-3, 4, 5, 6), "-3,4,5,6");
}

TEST(RestartFile, ASwapChangesOneLineAndKeepsEveryOtherByte)
{
    const CString a = "p /p(1,2,3,4)/tz(0|nu0)/n(York)";
    const CString b = "p /p(9,9,3,4)/tz(0|nu0)/n(York)";
    const CString file = "# note\r\n\n  " + a + "\r\n" + b + "\n\n\xff junk";
    CString bytes = file;
    // Two clocks of one city: each line is told by its whole text.
    EXPECT_TRUE(SwapRestartLine(bytes, b, "p /p(5,5,3,4)/tz(0|nu0)/n(York)"));
    EXPECT_EQ(bytes, "# note\r\n\n  " + a + "\r\np /p(5,5,3,4)/tz(0|nu0)/n(York)\n\n\xff junk");
    // The stored text is found without its blanks and carriage return; it goes, nothing else.
    EXPECT_TRUE(SwapRestartLine(bytes, a, CString()));
    EXPECT_EQ(bytes, "# note\r\n\np /p(5,5,3,4)/tz(0|nu0)/n(York)\n\n\xff junk");
    // A line that is not there is added, after a line end for the unterminated last line.
    EXPECT_TRUE(SwapRestartLine(bytes, "gone", a));
    EXPECT_EQ(bytes, "# note\r\n\np /p(5,5,3,4)/tz(0|nu0)/n(York)\n\n\xff junk\n" + a + "\n");
    EXPECT_FALSE(SwapRestartLine(bytes, a, a));
    EXPECT_FALSE(SwapRestartLine(bytes, "gone", CString()));
    EXPECT_EQ(CountRestartLine(a + "\n " + a + "\r\nx\n", a), 2);
    EXPECT_EQ(RestartLineText("  x y\r\n"), "x y");
    EXPECT_EQ(RestartLineText("\r  x\r"), "x");
    EXPECT_EQ(ClockShortName("Denver, Colorado"), "Denver");
    EXPECT_EQ(ClockShortName("Denver"), "Denver");
}

TEST(RestartFile, LinesComeBackWholeWhateverTheirLength)
{
    CString longLine = "/usr/bin/dialwake /p(1,2,3,4)/tz(0|nu0)/a(4102444800|" + CString(3000, 'x') + " y)/n(Oslo)";
    std::vector<CString> lines = SplitRestartLines("  first\r\n\n\n" + longLine + "\n   \nlast without end");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "first");
    EXPECT_EQ(lines[1], longLine);
    EXPECT_EQ(lines[2], "last without end");
    EXPECT_TRUE(SplitRestartLines("").empty());
    EXPECT_TRUE(SplitRestartLines("\n \r\n").empty());
    // Tabs stay, as the text reader keeps them.
    EXPECT_EQ(SplitRestartLines("\tx\n")[0], "\tx");
}

TEST(RestartFile, OnlyLinesWithACityAreClocks)
{
    EXPECT_TRUE(RestartLineIsClock("/usr/bin/dialwake /p(1,2,3,4)/tz(0|nu0)/n(London)"));
    EXPECT_TRUE(RestartLineIsClock("/o4/tz(32400|nu0)/n(Tokyo, Japan)"));
    EXPECT_FALSE(RestartLineIsClock("/usr/bin/dialwake /p(1,2,3,4)/tz(0|nu0)"));
    EXPECT_FALSE(RestartLineIsClock("some stray words"));
    EXPECT_FALSE(RestartLineIsClock(CString("\x01\x02\xff/n", 5)));
    EXPECT_FALSE(RestartLineIsClock("/usr/bin/dialwake /p(1,2,3,4)/tz(0|nu0)/n()"));
    // A city element that is only text somewhere in a line without elements is none.
    EXPECT_FALSE(RestartLineIsClock("a note about /n(London)"));
}

TEST(ClockPlace, RestoredPlacesFitTheScreen)
{
    const ClockRect screen{0, 0, 1280, 1024};
    EXPECT_EQ(ClampClockPlace({400, 500, 100000, 100000}, screen), (ClockRect{0, 0, 1280, 1024}));
    EXPECT_EQ(ClampClockPlace({1200, 900, 200, 200}, screen), (ClockRect{1080, 824, 200, 200}));
    EXPECT_EQ(ClampClockPlace({-50, -60, 200, 200}, screen), (ClockRect{0, 0, 200, 200}));
    EXPECT_EQ(ClampClockPlace({30, 40, 150, 140}, screen), (ClockRect{30, 40, 150, 140}));
    // A second screen to the right of the first, and numbers at the ends of their range.
    const ClockRect right{1280, 0, 1920, 1080};
    EXPECT_EQ(ClampClockPlace({3000, 100, 300, 300}, right), (ClockRect{2900, 100, 300, 300}));
    EXPECT_EQ(ClampClockPlace({INT_MAX, INT_MIN, INT_MAX, 1}, screen), (ClockRect{0, 0, 1280, 1}));
}

TEST(ClockPlace, NewClocksGoBesideTheChooser)
{
    const ClockRect screen{0, 0, 1280, 1024};
    // Room on the right.
    EXPECT_EQ(PlaceClockBeside({100, 100, 340, 300}, 120, 120, screen), (ClockRect{448, 100, 120, 120}));
    // At the right edge: on the left.
    EXPECT_EQ(PlaceClockBeside({1000, 100, 280, 300}, 120, 120, screen), (ClockRect{872, 100, 120, 120}));
    // As wide as the screen: below, else above.
    EXPECT_EQ(PlaceClockBeside({0, 100, 1280, 300}, 120, 120, screen), (ClockRect{0, 408, 120, 120}));
    EXPECT_EQ(PlaceClockBeside({0, 700, 1280, 324}, 120, 120, screen), (ClockRect{0, 572, 120, 120}));
    // Low on the screen: still wholly on it.
    EXPECT_EQ(PlaceClockBeside({100, 950, 340, 74}, 120, 120, screen), (ClockRect{448, 904, 120, 120}));
    // A chooser that covers the screen leaves only the corner away from its middle.
    ClockRect r = PlaceClockBeside({0, 0, 1280, 1024}, 120, 120, screen);
    EXPECT_EQ(r.width, 120);
    EXPECT_GE(r.left, 0);
    EXPECT_LE(r.left + r.width, 1280);
}

TEST(ClockPlace, OnlyTheProgramAndTheUserMoveTheKeptPlace)
{
    ClockPlaceKeeper k;
    const ClockRect stored{300, 200, 140, 140};
    k.Changed(stored, true, true, true, 0);
    k.Unsettle();
    // A compositor that puts every new window in the middle, before and after the first paint.
    EXPECT_FALSE(k.Changed({0, 0, 140, 140}, false, true, false, 10));
    k.Painted(50);
    EXPECT_FALSE(k.Changed({548, 420, 64, 43}, false, true, true, 130));
    EXPECT_EQ(k.Kept(), stored);
    // The program's own resize keeps the kept place, and its move the kept size.
    EXPECT_TRUE(k.Changed({548, 420, 150, 150}, true, false, true, 140));
    EXPECT_EQ(k.Kept(), (ClockRect{300, 200, 150, 150}));
    k.Changed({548, 420, 140, 140}, true, false, true, 150);
    // Once settled the clock asks for its place once more; the answer has a settling time too.
    EXPECT_FALSE(k.AskAgain({548, 420, 140, 140}, 1000));
    EXPECT_TRUE(k.AskAgain({548, 420, 140, 140}, 2100));
    EXPECT_FALSE(k.AskAgain({548, 420, 140, 140}, 2200));
    EXPECT_FALSE(k.Changed({560, 430, 140, 140}, false, true, false, 3000));
    EXPECT_EQ(k.Kept(), stored);
    // Later the user drags it by its title and resizes it: kept.
    EXPECT_TRUE(k.Changed({700, 500, 140, 140}, false, true, false, 4200));
    EXPECT_TRUE(k.Changed({700, 500, 180, 170}, false, false, true, 5000));
    EXPECT_EQ(k.Kept(), (ClockRect{700, 500, 180, 170}));
    // A drag by the face is the program's move, kept at once even right after a placement.
    k.Unsettle();
    EXPECT_TRUE(k.Changed({720, 520, 180, 170}, true, true, false, 5100));
    EXPECT_EQ(k.Kept(), (ClockRect{720, 520, 180, 170}));
    // A window system that grants the place asked for is not asked again.
    k.Painted(5200);
    EXPECT_FALSE(k.AskAgain({720, 520, 180, 170}, 8000));
}

TEST(ClockPlace, FramesWithShadowsDoNotShrinkTheClock)
{
    // Window managers' frames: kept.
    EXPECT_EQ(ClockUsableFrame({1, 20, 1, 1}), (ClockFrame{1, 20, 1, 1}));
    EXPECT_EQ(ClockUsableFrame({4, 37, 4, 4}), (ClockFrame{4, 37, 4, 4}));
    EXPECT_EQ(ClockUsableFrame({}), (ClockFrame{}));
    // weston's frame counts its shadow in; a negative border is no frame.
    EXPECT_EQ(ClockUsableFrame({38, 59, 38, 38}), (ClockFrame{}));
    EXPECT_EQ(ClockUsableFrame({2, 200, 2, 2}), (ClockFrame{}));
    EXPECT_EQ(ClockUsableFrame({-5, 20, 1, 1}), (ClockFrame{}));
}

TEST(ClockPlace, NewClocksCascadeAndNeverCoverAnother)
{
    const ClockRect screen{0, 0, 1280, 1024};
    EXPECT_EQ(CascadeClockPlace({100, 100, 120, 120}, {}, screen, 24), (ClockRect{100, 100, 120, 120}));
    const std::vector<ClockRect> others = {{100, 100, 120, 120}, {124, 124, 120, 120}, {300, 40, 120, 120}};
    EXPECT_EQ(CascadeClockPlace({100, 100, 120, 120}, others, screen, 24), (ClockRect{148, 148, 120, 120}));
    EXPECT_EQ(CascadeClockPlace({110, 95, 120, 120}, others, screen, 24), (ClockRect{158, 143, 120, 120}));
    // A row beside the last clock, then the next row, then the top left again.
    EXPECT_EQ(NextClockPlace({100, 100, 120, 120}, 130, 130, screen, 8), (ClockRect{228, 100, 130, 130}));
    EXPECT_EQ(NextClockPlace({1100, 100, 120, 120}, 130, 130, screen, 8), (ClockRect{0, 228, 130, 130}));
    EXPECT_EQ(NextClockPlace({1100, 900, 120, 120}, 130, 130, screen, 8), (ClockRect{0, 0, 130, 130}));
    // At the bottom of the screen the cascade starts again at the top.
    ClockRect r = CascadeClockPlace({1160, 904, 120, 120}, {{1160, 904, 120, 120}}, screen, 24);
    EXPECT_EQ(r, (ClockRect{24, 0, 120, 120}));
}

TEST(ClockTip, OffsetFromLocalTimeAndTheDay)
{
    // 2026-07-01 16:30 UTC: 17:30 in a local zone at +1 h, 01:30 the next day in Tokyo.
    const int64_t now = 1782923400;
    EXPECT_EQ(ClockTipText("Tokyo, Japan", now, 9 * 3600, 3600), "Tokyo, Japan: +8 h, tomorrow 01:30");
    EXPECT_EQ(ClockTipText("Kathmandu", now, 20700, 0), "Kathmandu: +5:45 h, today 22:15");
    EXPECT_EQ(ClockTipText("Denver", now, -6 * 3600, 13 * 3600), "Denver: -19 h, yesterday 10:30");
    EXPECT_EQ(ClockTipText("London", now, 3600, 3600), "London: 0 h, today 17:30");
    EXPECT_EQ(ClockTipText("Baker", now + 18 * 3600, -12 * 3600, 14 * 3600), "Baker: -26 h, 2 days earlier 22:30");
}
