// SPDX-License-Identifier: GPL-3.0-or-later
// The countdown's cost of one 100 ms tick at several window sizes, painted into the window's
// backing store on the offscreen platform. "core%" is the share of one core at ten ticks a second
// (the flush to the display server comes on top; see the README for a measure of the program).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "MarkwheelDoc.h"
#include "MarkwheelView.h"
#include "platform/CTime.h"
#include "platform/Settings.h"

namespace {

class SteppingTime : public ITimeSource {
public:
    int64_t nowMs = CTime::FromUtc(2026, 12, 9, 10).GetTime() * 1000 + 300;
    int64_t NowUtcMs() const override { return nowMs; }
    long UtcOffsetAt(int64_t) const override { return 0; }
};

void App()
{
    static int argc = 1;
    static char name[] = "markwheel_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        static QTemporaryDir dir;
        PlatformSetSettingsFolder(dir.path());
        return a;
    }();
    (void)app;
}

void Countdown(benchmark::State& state)
{
    App();
    SteppingTime time;
    CMarkwheelDoc doc(&time);
    doc.SetDisplayMode((int)state.range(2));
    CMarkwheelView view(&doc);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize((int)state.range(0), (int)state.range(1));
    view.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        time.nowMs += 100;
        view.Tick();
        QCoreApplication::processEvents();
    }
    // Seconds a tick times ten ticks a second, as a percentage of one core.
    state.counters["core%"] = benchmark::Counter(0.001, benchmark::Counter::kIsIterationInvariantRate |
                                                            benchmark::Counter::kInvert);
}
BENCHMARK(Countdown)
    ->ArgNames({"w", "h", "mode"})
    ->Args({800, 600, 0})
    ->Args({1600, 1000, 0})
    ->Args({2560, 1440, 0})
    ->Args({1600, 1000, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
