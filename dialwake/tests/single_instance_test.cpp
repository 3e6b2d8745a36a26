// SPDX-License-Identifier: GPL-3.0-or-later
// A second start of the built program hands its clocks to the running host and ends; a host that
// was killed leaves nothing in the way of the next one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "../../platform/tests/RunProgram.h"
#include "HostInstance.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& p)
{
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Waits up to ten seconds for `done`.
template <class F> bool Eventually(F done)
{
    for (int i = 0; i < 200; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

class SingleHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir / ".run");
        fs::permissions(dir / ".run", fs::perms::owner_all);
        fs::create_directories(restart.parent_path());
        std::ofstream(restart) << "/usr/bin/dialwake /p(10,10,120,120)/tz(0|nu0)/n(London)\n";
    }
    void TearDown() override
    {
        Stop(SIGTERM);
        fs::remove_all(dir);
    }
    void StartHost()
    {
        host = runprogram::Spawn(KQ_PROGRAM, {}, dir, {"QT_QPA_PLATFORM=offscreen"}, (dir / "host.log").string());
        ASSERT_GT(host, 0);
        ASSERT_TRUE(Eventually([&] { return ReadAll(restart).find("/n(London)") != std::string::npos && Listening(); }))
            << ReadAll(dir / "host.log");
    }
    // The host's socket file, "" when there is none.
    std::string Socket() const
    {
        for (const auto& e : fs::directory_iterator(dir / ".run"))
            if (e.is_socket()) return e.path().string();
        return std::string();
    }
    // Whether a host answers on it.
    bool Listening() const
    {
        const std::string path = Socket();
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        if (path.empty() || path.size() >= sizeof addr.sun_path) return false;
        std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
        close(fd);
        return ok;
    }
    void Stop(int sig)
    {
        if (host <= 0) return;
        kill(host, sig);
        int status = 0;
        waitpid(host, &status, 0);
        host = 0;
    }
    // A later start, as from a shell without a display: it must end at once with 0.
    void HandOver(const std::string& line, const std::string& city)
    {
        runprogram::Result r = runprogram::Run(KQ_PROGRAM, {line}, dir);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(Eventually([&] { return ReadAll(restart).find("/n(" + city + ")") != std::string::npos; }))
            << ReadAll(restart);
        EXPECT_EQ(kill(host, 0), 0) << "the host ended";
    }

    fs::path dir = fs::temp_directory_path() / ("dialwake-single-" + std::to_string(getpid()));
    fs::path restart = dir / ".local/share/Dialwake/Startup.File";
    pid_t host = 0;
};

}  // namespace

TEST_F(SingleHost, LaterStartsHandTheirClocksToTheRunningHost)
{
    StartHost();
    HandOver("/o4/tz(32400|nu0)/n(Tokyo, Japan)", "Tokyo, Japan");
    HandOver("/o1/tz(3600|nu0)/n(Oslo, Norway)", "Oslo, Norway");

    // Killed, the host leaves its socket; the next start takes its place and answers in turn.
    Stop(SIGKILL);
    ASSERT_FALSE(Socket().empty());
    ASSERT_FALSE(Listening());
    StartHost();
    HandOver("/o2/tz(-18000|nu0)/n(Lima, Peru)", "Lima, Peru");
    std::string lines = ReadAll(restart);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 4) << lines;
}

TEST(HostInstance, OneHostPerRestartFileAndDisplay)
{
    const std::string a = HostInstanceBase("/home/u/.local/share/Dialwake/Startup.File", ":0", "", "/run/user/1");
    EXPECT_EQ(a.rfind("/run/user/1/dialwake-", 0), 0u) << a;
    EXPECT_EQ(a, HostInstanceBase("/home/u/.local/share/Dialwake/Startup.File", ":0", "", "/run/user/1"));
    EXPECT_NE(a, HostInstanceBase("/home/u/.local/share/Dialwake/Startup.File", ":1", "", "/run/user/1"));
    EXPECT_NE(a, HostInstanceBase("/home/u/.local/share/Dialwake/Startup.File", ":0", "wayland-0", "/run/user/1"));
    EXPECT_NE(a, HostInstanceBase("/tmp/other/Startup.File", ":0", "", "/run/user/1"));

    // Arguments pass whole, blanks, line ends and empty ones included; junk is told from a message cut short.
    const std::vector<std::string> args = {"/o4/n(Tokyo, Japan)", "", "two\nlines"};
    const std::string m = EncodeHandOver(args);
    std::vector<std::string> back;
    EXPECT_EQ(DecodeHandOver(m, back), HandOverParse::complete);
    EXPECT_EQ(back, args);
    EXPECT_EQ(DecodeHandOver(m.substr(0, m.size() - 1), back), HandOverParse::incomplete);
    EXPECT_EQ(DecodeHandOver(m + "x", back), HandOverParse::invalid);
    EXPECT_EQ(DecodeHandOver("GET / HTTP/1.0\r\n", back), HandOverParse::invalid);
    EXPECT_EQ(DecodeHandOver("99999999999999999999999\n", back), HandOverParse::invalid);
}
