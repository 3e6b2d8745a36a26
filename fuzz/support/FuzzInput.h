// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the fuzz targets.
#include <sys/mman.h>
#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// The input as a file the readers can open by name, kept in memory (no disk traffic).
class MemFile {
public:
    MemFile(const uint8_t* data, size_t size)
    {
        m_fd = memfd_create("fuzz", 0);
        if (m_fd < 0) std::abort();
        for (size_t done = 0; done < size;) {
            ssize_t n = write(m_fd, data + done, size - done);
            if (n <= 0) std::abort();
            done += (size_t)n;
        }
        m_name = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~MemFile() { close(m_fd); }
    MemFile(const MemFile&) = delete;
    MemFile& operator=(const MemFile&) = delete;
    const std::string& Name() const { return m_name; }

private:
    int m_fd = -1;
    std::string m_name;
};

// A finding that is not a crash of its own (a broken round trip) is made one.
#define FUZZ_CHECK(cond)                                                           \
    do {                                                                           \
        if (!(cond)) {                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                          \
        }                                                                          \
    } while (0)
