// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Markwheel tests share: a clock stopped at one instant and the offscreen application.
#include <QApplication>
#include <QTemporaryDir>
#include <functional>
#include "core/Countdown.h"
#include "platform/CTime.h"
#include "platform/Settings.h"

inline int64_t Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return CTime::FromUtc(y, mo, d, h, mi, s).GetTime();
}

// Stopped at nowMs, in a zone given as a function of the UTC moment; its principal city lies
// `east` degrees east when `known`.
class FakeTime : public ITimeSource {
public:
    explicit FakeTime(int64_t ms = 0) : nowMs(ms) {}
    int64_t nowMs;
    std::function<long(int64_t)> zone = [](int64_t) { return 0L; };
    double east = 0;
    bool known = false;
    int64_t NowUtcMs() const override { return nowMs; }
    long UtcOffsetAt(int64_t utc) const override { return zone(utc); }
    bool ZoneLongitude(double& e) const override
    {
        e = east;
        return known;
    }
};

// The application, offscreen, with settings of its own.
inline QApplication& MarkwheelTestApp()
{
    static int argc = 1;
    static char name[] = "markwheel_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        static QTemporaryDir dir;
        PlatformSetApplication("Markwheel");
        PlatformSetSettingsFolder(dir.path());
        return a;
    }();
    return *app;
}
