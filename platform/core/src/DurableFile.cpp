// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DurableFile.h"
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const std::string& bytes)
{
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        p += n;
        left -= (size_t)n;
    }
    return true;
}

bool SyncFd(int fd)
{
    while (::fsync(fd) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The file a chain of symbolic links ends at (path itself when it is no link): a save through a
// link must reach the linked file and keep the link, not put a plain file in its place.
std::string FollowLinks(const std::string& path)
{
    std::string p = path;
    // As many links as the system itself follows before it gives up (ELOOP).
    for (int i = 0; i < 40; ++i) {
        char target[4096];
        ssize_t n = ::readlink(p.c_str(), target, sizeof target);
        if (n <= 0 || n == (ssize_t)sizeof target) break;
        std::string next(target, (size_t)n);
        p = next[0] == '/' ? next : FolderOf(p) + "/" + next;
    }
    return p;
}

}  // namespace

bool SyncFolderOf(const std::string& path)
{
    int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = SyncFd(fd);
    ::close(fd);
    return ok;
}

bool ReplaceFileDurably(const std::string& path, const std::string& bytes, std::string& error)
{
    static std::atomic<unsigned> serial{0};
    const std::string target = FollowLinks(path);
    // Beside the target, so that the rename stays within one file system.
    const std::string tmp = target + ".tmp" + std::to_string((long)::getpid()) + "-" + std::to_string(serial++);
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    // The new file keeps the old one's permissions: a list kept private stays private.
    struct stat old;
    if (::stat(target.c_str(), &old) == 0) (void)::fchmod(fd, old.st_mode & 0777);
    bool ok = WriteAll(fd, bytes) && SyncFd(fd);
    int err = errno;
    if (::close(fd) != 0 && ok) ok = false, err = errno;
    if (ok && ::rename(tmp.c_str(), target.c_str()) != 0) ok = false, err = errno;
    if (!ok) {
        ::unlink(tmp.c_str());
        error = std::strerror(err);
        errno = err;
        return false;
    }
    // The file is in place; a folder that cannot be flushed (some file systems refuse) does not
    // undo that.
    SyncFolderOf(target);
    return true;
}

bool AppendFileDurably(const std::string& path, const std::string& bytes, std::string& error)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    bool made = false;
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
        made = fd >= 0;
    }
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, bytes) && SyncFd(fd);
    int err = errno;
    if (::close(fd) != 0 && ok) ok = false, err = errno;
    if (!ok) {
        error = std::strerror(err);
        errno = err;
        return false;
    }
    if (made) SyncFolderOf(path);
    return true;
}
