// SPDX-License-Identifier: GPL-3.0-or-later
// A host's start over a restart file that holds a long junk line: reading the file, and making a
// clock for each of its clock lines as the host does. The cost should grow with the file's size,
// not with its size times the number of clocks.
#include <kestrum/clock.h>
#include <kestrum/clockline.h>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "platform/Settings.h"
#include "platform/TextCodec.h"

namespace {

const int kClocks = 59;

QTemporaryDir& Temp()
{
    static QTemporaryDir dir;
    return dir;
}

void App()
{
    static bool made = [] {
        // Never the user's own clocks or settings.
        qputenv("XDG_DATA_HOME", (Temp().path() + "/data").toUtf8());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "restart_bench";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        PlatformSetSettingsFolder(Temp().path() + "/settings");
        return true;
    }();
    (void)made;
}

// A restart file of kClocks clock lines and a junk line of junkBytes bytes in the middle.
void WriteRestartFile(int64_t junkBytes)
{
    App();
    const QString path = ToQt(CClockDlg::RestartFilePath());
    QDir().mkpath(QFileInfo(path).path());
    std::mt19937 rng(7);
    CString junk;
    junk.reserve((size_t)junkBytes);
    const char pieces[] = "ab /p(/o1/tz(/a(/n()| ,9";
    while ((int64_t)junk.size() < junkBytes) junk += pieces[rng() % (sizeof pieces - 1)];
    // The lines as this program writes them, so that a start needs no rewrite, as at a user's.
    const CString program = FromQt(QCoreApplication::applicationFilePath());
    CString bytes;
    for (int i = 0; i < kClocks; ++i) {
        bytes += MakeRestartLine(program, MakeClockPlacement(10 + i * 7, 10 + i * 5, 120, 120), i % 6,
                                 StrFormat("%d|nu0", (i % 24 - 12) * 3600), nullptr, StrFormat("City %d", i))
            + "\n";
        if (i == kClocks / 2) bytes += junk + "\n";
    }
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes.data(), (qint64)bytes.size());
}

void BM_ReadRestartFile(benchmark::State& state)
{
    WriteRestartFile(state.range(0));
    for (auto _ : state) {
        int clocks = 0;
        for (const CString& line : CClockDlg::ReadRestartFile()) clocks += RestartLineIsClock(line);
        benchmark::DoNotOptimize(clocks);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadRestartFile)->RangeMultiplier(4)->Range(1 << 18, 1 << 24)->Unit(benchmark::kMillisecond)->Complexity();

// What a start costs: every clock line becomes a clock, which writes its line back.
void BM_StartWithClocks(benchmark::State& state)
{
    WriteRestartFile(state.range(0));
    for (auto _ : state) {
        std::vector<CClockDlg*> clocks;
        for (const CString& line : CClockDlg::ReadRestartFile()) {
            if (!RestartLineIsClock(line)) continue;
            auto* c = new CClockDlg;
            c->SetZone(line);
            clocks.push_back(c);
        }
        QCoreApplication::processEvents();
        for (CClockDlg* c : clocks) delete c;
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StartWithClocks)->Arg(1 << 18)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
