// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One host per user, display and restart file. The first start holds a lock and listens on a
// local socket beside it; a later start finds the lock taken, hands its arguments over the socket
// and ends. The kernel drops the lock of a killed host, so its socket is known to be stale.
#include <string>
#include <vector>

// The lock's and socket's path without extension, in `runtimeDir` (the temporary folder when that
// is empty): named by the user and a digest of the restart file's path and both display names.
std::string HostInstanceBase(const std::string& restartFile, const std::string& display, const std::string& wayland,
                             const std::string& runtimeDir);

// An exclusive lock on `path` (created when missing), held until destroyed.
class HostInstanceLock {
public:
    explicit HostInstanceLock(const std::string& path);
    ~HostInstanceLock();
    HostInstanceLock(const HostInstanceLock&) = delete;
    HostInstanceLock& operator=(const HostInstanceLock&) = delete;
    // False when another process holds it.
    bool Held() const { return m_held; }
    // False when the file could not be opened at all (a folder not ours): then no one can be told.
    bool Usable() const { return m_fd >= 0; }

private:
    int m_fd = -1;
    bool m_held = false;
};

// The message of a later start: the count of arguments, then each as its length and its bytes.
std::string EncodeHandOver(const std::vector<std::string>& args);
enum class HandOverParse { incomplete, complete, invalid };
HandOverParse DecodeHandOver(const std::string& bytes, std::vector<std::string>& args);
// What the running host answers once it has taken the arguments.
inline constexpr const char* kHandOverTaken = "taken\n";

// Sends `args` to the host listening at `socketPath` and waits for its answer; false with a
// one-line reason when none came within `timeoutMs`.
bool HandOverArguments(const std::string& socketPath, const std::vector<std::string>& args, int timeoutMs,
                       std::string& error);
