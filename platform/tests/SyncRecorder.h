// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records every fsync and fdatasync of the test program, the program's libraries included: which file or
// folder was synced and what a watched file held at that moment. Include it in exactly one
// source file of a test program; its fsync stands in front of the C library's.
#include <dlfcn.h>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace syncrec {

struct Sync {
    std::string path;      // what was synced
    bool folder = false;
    std::string synced;    // the synced file's bytes then (empty for a folder)
    std::string watched;   // the watched file's bytes then ("<none>" when it did not exist)
};

inline std::vector<Sync>& Log()
{
    static std::vector<Sync> log;
    return log;
}

inline std::string& Watched()
{
    static std::string path;
    return path;
}

inline std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<none>";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Starts a new log and watches path.
inline void Watch(const std::string& path)
{
    Log().clear();
    Watched() = path;
}

}  // namespace syncrec

namespace syncrec {

inline void Record(int fd)
{
    char buf[4096];
    ssize_t n = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), buf, sizeof buf - 1);
    struct stat st {};
    if (n <= 0 || fstat(fd, &st) != 0) return;
    Sync s;
    s.path.assign(buf, (size_t)n);
    s.folder = S_ISDIR(st.st_mode);
    // Through the descriptor: the file may have no name yet (an O_TMPFILE).
    if (!s.folder) s.synced = Slurp("/proc/self/fd/" + std::to_string(fd));
    if (!Watched().empty()) s.watched = Slurp(Watched());
    Log().push_back(s);
}

}  // namespace syncrec

extern "C" int fsync(int fd)
{
    using Fn = int (*)(int);
    static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "fsync"));
    syncrec::Record(fd);
    return real ? real(fd) : 0;
}

extern "C" int fdatasync(int fd)
{
    using Fn = int (*)(int);
    static Fn real = reinterpret_cast<Fn>(dlsym(RTLD_NEXT, "fdatasync"));
    syncrec::Record(fd);
    return real ? real(fd) : 0;
}

#include <gtest/gtest.h>

namespace syncrec {

// The log since Watch(path) shows a replacement of old by now that outlives a power cut: the new
// bytes reached the disk in a file of their own while path still held the old ones, and the
// folder reached the disk once path held the new ones.
inline ::testing::AssertionResult ReplacedDurably(const std::string& old, const std::string& now)
{
    const std::string& path = Watched();
    // Synced paths come as the system names them, links resolved.
    char resolved[PATH_MAX];
    const std::string named = path.substr(0, path.rfind('/'));
    const std::string folder = realpath(named.c_str(), resolved) ? std::string(resolved) : named;
    size_t data = Log().size();
    for (size_t i = 0; i < Log().size() && data == Log().size(); ++i)
        if (!Log()[i].folder && Log()[i].synced == now && Log()[i].watched == old) data = i;
    if (data == Log().size())
        return ::testing::AssertionFailure() << "the new bytes never reached the disk before the rename ("
                                             << Log().size() << " syncs)";
    for (size_t i = data + 1; i < Log().size(); ++i)
        if (Log()[i].folder && Log()[i].path == folder && Log()[i].watched == now)
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the folder " << folder << " was not synced after the rename";
}

}  // namespace syncrec
