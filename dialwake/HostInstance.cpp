// SPDX-License-Identifier: GPL-3.0-or-later
#include "HostInstance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/Fnv.h"
#include "platform/Translate.h"

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point end)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    return left > 0 ? (int)left : 0;
}

// Connects to `path`, retrying while the host may still be setting up its socket.
int Connect(const std::string& path, Clock::time_point end)
{
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) return -1;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    for (;;) {
        int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) return fd;
        close(fd);
        if (MsLeft(end) == 0) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

std::string HostInstanceBase(const std::string& restartFile, const std::string& display, const std::string& wayland,
                             const std::string& runtimeDir)
{
    char name[64];
    std::snprintf(name, sizeof name, "dialwake-%u-%016llx", (unsigned)getuid(),
                  (unsigned long long)Fnv1a(restartFile + '\n' + display + '\n' + wayland));
    std::string dir = runtimeDir.empty() ? std::string("/tmp") : runtimeDir;
    return dir + '/' + name;
}

HostInstanceLock::HostInstanceLock(const std::string& path)
{
    m_fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd >= 0) m_held = flock(m_fd, LOCK_EX | LOCK_NB) == 0;
}

HostInstanceLock::~HostInstanceLock()
{
    if (m_fd >= 0) close(m_fd);
}

std::string EncodeHandOver(const std::vector<std::string>& args)
{
    std::string m = std::to_string(args.size()) + '\n';
    for (const std::string& a : args) m += std::to_string(a.size()) + '\n' + a;
    return m;
}

HandOverParse DecodeHandOver(const std::string& bytes, std::vector<std::string>& args)
{
    args.clear();
    size_t pos = 0;
    // A decimal number ended by a line end; false when incomplete, `bad` when it is no number.
    auto number = [&](size_t& n, bool& bad) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) {
            bad = bytes.size() - pos > 20;
            return false;
        }
        if (end == pos || end - pos > 20) { bad = true; return false; }
        n = 0;
        for (size_t i = pos; i < end; ++i) {
            if (bytes[i] < '0' || bytes[i] > '9') { bad = true; return false; }
            n = n * 10 + (size_t)(bytes[i] - '0');
        }
        pos = end + 1;
        return true;
    };
    size_t count = 0;
    bool bad = false;
    if (!number(count, bad)) return bad ? HandOverParse::invalid : HandOverParse::incomplete;
    for (size_t i = 0; i < count; ++i) {
        size_t length = 0;
        if (!number(length, bad)) return bad ? HandOverParse::invalid : HandOverParse::incomplete;
        if (bytes.size() - pos < length) return HandOverParse::incomplete;
        args.push_back(bytes.substr(pos, length));
        pos += length;
    }
    return pos == bytes.size() ? HandOverParse::complete : HandOverParse::invalid;
}

bool HandOverArguments(const std::string& socketPath, const std::vector<std::string>& args, int timeoutMs,
                       std::string& error)
{
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    int fd = Connect(socketPath, end);
    if (fd < 0) {
        error = TextTranslation::translate("CommandLine", "the running dialwake does not answer");
        return false;
    }
    const std::string message = EncodeHandOver(args);
    size_t sent = 0;
    while (sent < message.size()) {
        ssize_t n = send(fd, message.data() + sent, message.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += (size_t)n;
    }
    std::string answer;
    while (sent == message.size() && answer.find('\n') == std::string::npos) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, MsLeft(end)) <= 0) break;
        char buf[64];
        ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0) break;
        answer.append(buf, (size_t)n);
    }
    close(fd);
    if (answer == kHandOverTaken) return true;
    error = TextTranslation::translate("CommandLine", "the running dialwake did not take the arguments");
    return false;
}
