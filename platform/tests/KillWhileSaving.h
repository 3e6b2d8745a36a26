// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A save killed at a random moment must leave the old file or the new one, whole. The test
// program starts itself again as the saving child (child arguments first on its command line),
// kills it with SIGKILL after a random delay, and compares the file with both versions.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace killtest {

inline std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteAll(const std::string& path, const std::string& bytes)
{
    std::string tmp = path + ".setup";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), (std::streamsize)bytes.size());
    }
    std::filesystem::rename(tmp, path);
}

// The child calls this right before it starts saving; `fd` came on its command line.
inline void SignalReady(int fd)
{
    char c = 'r';
    (void)!write(fd, &c, 1);
    close(fd);
}

struct Child {
    pid_t pid = -1;
    int readyFd = -1;
};

// Starts this program with args + the number of the descriptor it signals on when ready.
inline Child Start(std::vector<std::string> args)
{
    int fds[2];
    if (pipe(fds) != 0) return {};
    args.push_back(std::to_string(fds[1]));
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::vector<char*> argv;
        std::string self = "/proc/self/exe";
        argv.push_back(self.data());
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv("/proc/self/exe", argv.data());
        _exit(127);
    }
    close(fds[1]);
    return {pid, fds[0]};
}

// Waits for the ready byte; false when the child ended without sending it.
inline bool WaitReady(const Child& c)
{
    char b;
    ssize_t n = read(c.readyFd, &b, 1);
    close(c.readyFd);
    return n == 1;
}

inline int Wait(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

struct Outcome {
    int runs = 0, oldWhole = 0, newWhole = 0, mixed = 0;
    double saveSeconds = 0;   // one uninterrupted save
    std::string error;        // set when the test could not run as meant
};

// childArgs(version) gives the arguments that make the child save version 0 (old) or 1 (new) to
// `path`. Version 0 is saved once to learn the old bytes, version 1 once to learn the new bytes
// and how long a save takes; then `runs` saves of version 1 over the old file are killed.
template <typename Args>
Outcome Run(const std::string& path, Args childArgs, int runs, unsigned seed)
{
    Outcome o;
    auto saveWhole = [&](int version, double& seconds) {
        Child c = Start(childArgs(version));
        if (c.pid < 0 || !WaitReady(c)) return false;
        auto t0 = std::chrono::steady_clock::now();
        int status = Wait(c.pid);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    double unused;
    if (!saveWhole(0, unused)) return o.error = "the old version was not saved", o;
    const std::string oldBytes = ReadAll(path);
    if (!saveWhole(1, o.saveSeconds)) return o.error = "the new version was not saved", o;
    const std::string newBytes = ReadAll(path);
    if (oldBytes == newBytes || oldBytes.empty() || newBytes.empty())
        return o.error = "the two versions are not distinct", o;

    std::mt19937 random(seed);
    std::uniform_real_distribution<double> delay(0.0, o.saveSeconds * 1.1);
    for (int i = 0; i < runs; ++i) {
        WriteAll(path, oldBytes);
        Child c = Start(childArgs(1));
        if (c.pid < 0) return o.error = "cannot start the child", o;
        bool ready = WaitReady(c);
        if (ready) std::this_thread::sleep_for(std::chrono::duration<double>(delay(random)));
        kill(c.pid, SIGKILL);
        Wait(c.pid);
        if (!ready) return o.error = "the child ended before saving", o;
        std::string now = ReadAll(path);
        ++o.runs;
        if (now == oldBytes) ++o.oldWhole;
        else if (now == newBytes) ++o.newWhole;
        else ++o.mixed;
    }
    return o;
}

// First argument of the child's command line: program, kChild, path, version, settings folder
// ("-" when unused), ready descriptor.
inline constexpr char kChild[] = "--kill-save-child";

// Kills `runs` saves of `fileName` in a fresh temporary folder named after `folder`; every kill
// must leave the old or the new file whole, and some must come before the new file is in place.
inline void ExpectOldOrNewWhole(const std::string& folder, const std::string& fileName, unsigned seed,
                                bool withSettings, int runs = 30)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / (folder + "-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / fileName).string();
    const std::string settings = withSettings ? (dir / "settings").string() : "-";
    Outcome o = Run(
        path, [&](int version) { return std::vector<std::string>{kChild, path, std::to_string(version), settings}; },
        runs, seed);
    std::error_code ec;
    ASSERT_EQ(o.error, "");
    std::printf("%d kills during a %.3f s save: %d old, %d new\n", o.runs, o.saveSeconds, o.oldWhole, o.newWhole);
    EXPECT_EQ(o.runs, runs);
    EXPECT_EQ(o.mixed, 0);
    EXPECT_EQ(o.oldWhole + o.newWhole, o.runs);
    EXPECT_GT(o.oldWhole, 0);
    fs::remove_all(dir, ec);
}

// The test program's main: the saving child when started as one, the tests otherwise.
inline int Main(int argc, char** argv, int (*saveAsChild)(int, char**))
{
    if (argc > 1 && std::string(argv[1]) == kChild) return saveAsChild(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace killtest
