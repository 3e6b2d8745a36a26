// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Archive.h"
#include <cstring>

void CArchive::Need(size_t n) const
{
    if (m_mode != load) throw CArchiveException(CArchiveException::badFormat, "archive is not loading");
    if (m_buf.size() - m_pos < n) throw CArchiveException(CArchiveException::endOfFile, "Unexpected file format.");
}

CArchive& CArchive::PutLE(uint64_t v, int n)
{
    char bytes[8];
    for (int i = 0; i < n; ++i) bytes[i] = (char)((v >> (8 * i)) & 0xFF);
    m_buf.append(bytes, (size_t)n);
    return *this;
}

uint64_t CArchive::GetLE(int n)
{
    Need((size_t)n);
    uint64_t v = 0;
    for (int i = 0; i < n; ++i) v |= (uint64_t)(unsigned char)m_buf[m_pos + i] << (8 * i);
    m_pos += (size_t)n;
    return v;
}

void CArchive::Write(const void* p, size_t n) { m_buf.append((const char*)p, n); }

void CArchive::Read(void* p, size_t n)
{
    Need(n);
    std::memcpy(p, m_buf.data() + m_pos, n);
    m_pos += n;
}

CArchive& CArchive::operator<<(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    return PutLE(bits, 8);
}

CArchive& CArchive::operator>>(double& v)
{
    uint64_t bits = GetLE(8);
    std::memcpy(&v, &bits, 8);
    return *this;
}

CArchive& CArchive::operator<<(const CString& s)
{
    size_t n = s.size();
    if (n < 255) PutLE(n, 1);
    else if (n < 0xFFFE) { PutLE(0xFF, 1); PutLE(n, 2); }
    else { PutLE(0xFF, 1); PutLE(0xFFFF, 2); PutLE(n, 4); }
    m_buf += s;
    return *this;
}

CArchive& CArchive::operator>>(CString& s)
{
    uint64_t n = GetLE(1);
    if (n == 0xFF) {
        n = GetLE(2);
        if (n == 0xFFFF) n = GetLE(4);
    }
    // The length is checked against what is left before anything is allocated.
    Need((size_t)n);
    s.assign(m_buf.data() + m_pos, (size_t)n);
    m_pos += (size_t)n;
    return *this;
}
