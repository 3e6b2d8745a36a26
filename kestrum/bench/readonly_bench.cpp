// SPDX-License-Identifier: GPL-3.0-or-later
// Line reading over a 40 MB text file: the reader against std::getline.
#include <kestrum/readonly.h>

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

const std::string& BenchFile()
{
    static const std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() /
                         ("kestrum_readonly_bench_" + std::to_string(::getpid()) + ".txt"))
                            .string();
        std::ofstream out(p, std::ios::binary);
        std::mt19937 rng(1);
        std::string line;
        size_t total = 0;
        while (total < 40u * 1024 * 1024) {
            line.assign(20 + rng() % 100, 'a');
            for (char& c : line) c = (char)('a' + rng() % 26);
            line += '\n';
            out << line;
            total += line.size();
        }
        return p;
    }();
    return path;
}

struct Cleanup {
    ~Cleanup() { std::filesystem::remove(BenchFile()); }
} g_cleanup;

void BM_ReadOnlyGetLine(benchmark::State& state)
{
    const std::string& path = BenchFile();
    for (auto _ : state) {
        CReadOnly r(path);
        size_t bytes = 0;
        while (!r.eof()) bytes += r.GetLine().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)std::filesystem::file_size(path));
}
BENCHMARK(BM_ReadOnlyGetLine)->Unit(benchmark::kMillisecond);

void BM_StdGetline(benchmark::State& state)
{
    const std::string& path = BenchFile();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        size_t bytes = 0;
        while (std::getline(in, line)) bytes += line.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * (int64_t)std::filesystem::file_size(path));
}
BENCHMARK(BM_StdGetline)->Unit(benchmark::kMillisecond);

}  // namespace
