// SPDX-License-Identifier: GPL-3.0-or-later
// Import of generated family trees: 100,000 individuals and 40,000 families in memory, and the
// whole batch import (read, decode, parse, merge, sort, save) of a file of up to 1,000,000 people.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include "GeneratedTree.h"
#include "birthdays/GedcomReader.h"
#include "birthdays/ImportCommand.h"

namespace {

const char* kGiven[] = {"John", "Mary", "William", "Elizabeth", "James", "Anne", "Thomas", "Margaret", "George",
                        "Sarah", "Henry", "Jane", "Charles", "Catherine", "Robert", "Ellen", "Jos\xC3\xA9", "Zo\xC3\xAB"};
const char* kSurname[] = {"Smith", "Jones", "Taylor", "Brown", "Williams", "Wilson", "Johnson", "Davies", "Robinson",
                          "Wright", "Thompson", "Evans", "Walker", "White", "Roberts", "Green", "M\xC3\xBCller"};
const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

std::string MakeTree(int people, int families)
{
    uint64_t seed = 12345;
    auto next = [&](uint32_t n) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return (uint32_t)(seed >> 33) % n;
    };
    auto date = [&](int from) {
        std::string d;
        uint32_t form = next(10);
        if (form == 0) d = "ABT ";
        if (form >= 2) d += std::to_string(1 + next(28)) + " ";
        if (form >= 1) d += std::string(kMonths[next(12)]) + " ";
        return d + std::to_string(from + (int)next(150));
    };
    std::string out = "0 HEAD\n1 SOUR bench\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
    out.reserve((size_t)people * 160 + (size_t)families * 120);
    for (int i = 1; i <= people; ++i) {
        out += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME ";
        out += kGiven[next(18)];
        out += " " + std::string(kGiven[next(18)]) + " /" + kSurname[next(17)] + std::to_string(i / 7) + "/\n";
        out += i % 2 ? "1 SEX M\n" : "1 SEX F\n";
        out += "1 BIRT\n2 DATE " + date(1700) + "\n2 PLAC Springfield, Somewhere\n";
        if (next(3) == 0) out += "1 DEAT\n2 DATE " + date(1800) + "\n";
        out += "1 FAMS @F" + std::to_string(1 + next((uint32_t)families)) + "@\n";
        out += "1 CHAN\n2 DATE 1 JAN 2020\n";
    }
    for (int f = 1; f <= families; ++f) {
        out += "0 @F" + std::to_string(f) + "@ FAM\n";
        out += "1 HUSB @I" + std::to_string(1 + next((uint32_t)people)) + "@\n";
        out += "1 WIFE @I" + std::to_string(1 + next((uint32_t)people)) + "@\n";
        out += "1 CHIL @I" + std::to_string(1 + next((uint32_t)people)) + "@\n";
        out += "1 MARR\n2 DATE " + date(1720) + "\n";
    }
    return out + "0 TRLR\n";
}

long PeakRssMB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

void BM_ImportGeneratedTree(benchmark::State& state)
{
    static const std::string tree = MakeTree(100000, 40000);
    GedcomImportStats stats;
    int entries = 0;
    for (auto _ : state) {
        BirthdayList list;
        stats = ImportGedcom(tree, list);
        list.SortByDate();
        entries = list.GetCount();
        benchmark::DoNotOptimize(entries);
    }
    state.counters["fileMB"] = (double)tree.size() / 1e6;
    state.counters["entries"] = entries;
    state.counters["merged"] = stats.merged;
    state.counters["couples"] = stats.couples;
    state.counters["peakRssMB"] = (double)PeakRssMB();
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)tree.size());
}
BENCHMARK(BM_ImportGeneratedTree)->Unit(benchmark::kMillisecond)->Iterations(3);

// `kinfold --import tree.ged --save out.kfd` in a child process, so that its peak memory is
// its own: people as the argument, half as many families.
void BM_ImportCommandOnGeneratedFile(benchmark::State& state)
{
    const int people = (int)state.range(0);
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("kinfold_bench_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string ged = (dir / "tree.ged").string(), kfd = (dir / "tree.kfd").string();
    std::FILE* f = std::fopen(ged.c_str(), "wb");
    if (!f) {
        state.SkipWithError("cannot write the generated file");
        return;
    }
    const uint64_t bytes = bench::WriteGeneratedTree(f, people, people / 2);
    std::fclose(f);

    long peakKB = 0;
    double cpuSeconds = 0;
    for (auto _ : state) {
        pid_t child = fork();
        if (child == 0) {
            ImportCommandResult r = RunImportCommand({"--import", ged, "--save", kfd});
            _exit(r.exitCode);
        }
        int status = 0;
        rusage u{};
        wait4(child, &status, 0, &u);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the import failed");
        peakKB = std::max(peakKB, u.ru_maxrss);
        cpuSeconds += (double)u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + (double)u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
    }
    // The machine may be shared: the import's own processor time tells its speed too.
    state.counters["childCpuS"] = cpuSeconds / (double)state.iterations();
    state.counters["MBperCpuS"] = (double)bytes / 1e6 / (cpuSeconds / (double)state.iterations());
    state.counters["fileMB"] = (double)bytes / 1e6;
    state.counters["peakRssMB"] = (double)peakKB / 1024;
    state.counters["peakRssPerFile"] = (double)peakKB * 1024 / (double)bytes;
    state.counters["kfdMB"] = (double)fs::file_size(kfd) / 1e6;
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)bytes);
    fs::remove_all(dir);
}
BENCHMARK(BM_ImportCommandOnGeneratedFile)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
