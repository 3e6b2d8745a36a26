// SPDX-License-Identifier: GPL-3.0-or-later
// kinfold --upcoming 30 and kinfold --remind over a list of 140,000 entries: they run at every
// login, so each must stay well under 0.2 s, the whole program included.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include "birthdays/ImportCommand.h"
#include "platform/SettingsStore.h"
#include "reminders/Reminders.h"

namespace fs = std::filesystem;

namespace {

const int kEntries = 140000;
const char* const kNow = "2027-02-26T10:00";

// A folder with the list as "big.kfd" and a home for the program's settings; made once.
const fs::path& Folder()
{
    static fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("kinfold-reminders-bench-" + std::to_string(getpid()));
        fs::create_directories(f / ".config");
        BirthdayList list;
        std::mt19937 rng(11);
        list.SetSize(kEntries);
        for (int i = 0; i < kEntries; ++i) {
            const int month = 1 + (int)(rng() % 12), day = 1 + (int)(rng() % 28);
            BirthdayEntry e(CalendarDate(month, day, i % 20 == 0 ? 0 : 1920 + (int)(rng() % 100)));
            e.text = "Person" + std::to_string(i) + " /Surname" + std::to_string(i % 977) + "/";
            e.kind = i % 10 == 0 ? BirthdayEntry::Couple : i % 37 == 0 ? BirthdayEntry::Note : BirthdayEntry::Individual;
            list.SetAt(i, e);
        }
        list.SortByDate();
        std::string error;
        if (!SaveKfdFile((f / "big.kfd").string(), list, error)) std::abort();
        return f;
    }();
    return folder;
}

BirthdayList LoadBig()
{
    BirthdayList list;
    std::string error;
    if (!LoadKfdFile((Folder() / "big.kfd").string(), list, error)) std::abort();
    return list;
}

LocalMoment Now()
{
    LocalMoment m;
    ParseLocalMoment(kNow, m);
    return m;
}

void BM_UpcomingThirtyDays(benchmark::State& state)
{
    for (auto _ : state) {
        BirthdayList list = LoadBig();
        std::string out;
        for (const DayEvent& e : EventsOfDays(list, EventRules{}, Now().date, 30)) out += UpcomingLine(e) + "\n";
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_UpcomingThirtyDays)->Unit(benchmark::kMillisecond);

// A run that shows everything due (the first ever), then one the same day that shows nothing.
void Remind(benchmark::State& state, bool secondRun)
{
    ReminderOutput out;
    size_t shown = 0;
    out.show = [&](const ReminderMessage& m, std::string&) {
        shown += m.covers.size();
        return true;
    };
    out.print = out.warn = [](const std::string&) {};
    MemorySettingsStore first;
    if (secondRun) RunReminders(LoadBig(), first, Now(), out);
    shown = 0;
    for (auto _ : state) {
        MemorySettingsStore store = first;
        BirthdayList list = LoadBig();
        RunReminders(list, store, Now(), out);
    }
    state.counters["reminded"] = (double)shown / (double)state.iterations();
}
BENCHMARK_CAPTURE(Remind, first_run, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Remind, second_run, true)->Unit(benchmark::kMillisecond);

// The whole program as the login entry and the timer start it.
void RunProgram(const std::vector<std::string>& args)
{
    pid_t pid = fork();
    if (pid == 0) {
        const std::string home = Folder().string();
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
        // Never the user's own notification service.
        setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kinfold-bench-bus", 1);
        unsetenv("DISPLAY");
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(126);
        if (chdir(home.c_str()) != 0) _exit(126);
        std::vector<char*> argv{const_cast<char*>(KQ_KINFOLD_PROGRAM)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(KQ_KINFOLD_PROGRAM, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
}

void BM_ProgramUpcomingThirtyDays(benchmark::State& state)
{
    Folder();
    for (auto _ : state) RunProgram({"--upcoming", "30", "--now", kNow, "big.kfd"});
}
BENCHMARK(BM_ProgramUpcomingThirtyDays)->Unit(benchmark::kMillisecond);

// After the first run of the day has recorded everything, as at every later login or hour.
void BM_ProgramRemindSecondRun(benchmark::State& state)
{
    Folder();
    fs::remove(Folder() / ".config" / "Quorvanth Software" / "Kinfold.conf");
    RunProgram({"--remind", "--now", kNow, "big.kfd"});
    for (auto _ : state) RunProgram({"--remind", "--now", kNow, "big.kfd"});
}
BENCHMARK(BM_ProgramRemindSecondRun)->Unit(benchmark::kMillisecond);

} // namespace
