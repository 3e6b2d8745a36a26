// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The big tables of an import (its entries, the texts' hash tables) are read all over. With
// 4 KB pages nearly every such read also misses the processor's cache of addresses; backed by
// 2 MB pages where the kernel allows it, they are read much faster. Blocks are advised before
// they are first written, so that the kernel can give huge pages straight away.
#include <sys/mman.h>
#include <cstddef>
#include <cstdint>
#include <vector>

// Advises the whole 2 MB pages inside [p, p + bytes); smaller blocks are left as they are.
inline void AdviseHugePages(const void* p, size_t bytes)
{
    constexpr uintptr_t kHuge = uintptr_t(2) << 20;
    if (bytes < kHuge) return;
    const uintptr_t begin = ((uintptr_t)p + kHuge - 1) & ~(kHuge - 1);
    const uintptr_t end = ((uintptr_t)p + bytes) & ~(kHuge - 1);
    if (end > begin) ::madvise((void*)begin, end - begin, MADV_HUGEPAGE);
}

// `v` holding `n` copies of `value` in a new block, advised before it is filled.
template <typename T>
void AssignAdvised(std::vector<T>& v, size_t n, const T& value)
{
    std::vector<T> fresh;
    fresh.reserve(n);
    AdviseHugePages(fresh.data(), n * sizeof(T));
    fresh.assign(n, value);
    v.swap(fresh);
}
