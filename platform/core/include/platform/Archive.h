// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The framework's serialisation stream: little-endian integers and length-prefixed byte strings.
#include <cstdint>
#include <stdexcept>
#include <string>
#include "platform/CString.h"

class CArchiveException : public std::runtime_error {
public:
    enum Cause { endOfFile, badFormat };
    CArchiveException(Cause c, const char* what) : std::runtime_error(what), m_cause(c) {}
    Cause m_cause;
};

class CArchive {
public:
    enum Mode { store, load };
    // Storing: bytes accumulate in Buffer().
    CArchive() : m_mode(store) {}
    // Loading from a copy of the given bytes.
    explicit CArchive(std::string bytes) : m_mode(load), m_buf(std::move(bytes)) {}

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    const std::string& Buffer() const { return m_buf; }
    // Storing: appends the bytes as they are.
    CArchive& Write(const char* bytes, size_t n)
    {
        m_buf.append(bytes, n);
        return *this;
    }
    // Storing: room for `bytes` more without moving what is stored.
    void Reserve(size_t bytes) { m_buf.reserve(m_buf.size() + bytes); }
    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_mode == load ? m_buf.size() - m_pos : 0; }
    bool AtEnd() const { return Remaining() == 0; }

    CArchive& operator<<(uint8_t v) { return PutLE(v, 1); }
    CArchive& operator<<(int8_t v) { return PutLE((uint8_t)v, 1); }
    CArchive& operator<<(uint16_t v) { return PutLE(v, 2); }
    CArchive& operator<<(int16_t v) { return PutLE((uint16_t)v, 2); }
    CArchive& operator<<(uint32_t v) { return PutLE(v, 4); }
    CArchive& operator<<(int32_t v) { return PutLE((uint32_t)v, 4); }
    CArchive& operator<<(uint64_t v) { return PutLE(v, 8); }
    CArchive& operator<<(int64_t v) { return PutLE((uint64_t)v, 8); }
    CArchive& operator<<(double v);
    CArchive& operator<<(const CString& s);
    CArchive& operator<<(const char* s) { return *this << CString(s); }

    CArchive& operator>>(uint8_t& v) { v = (uint8_t)GetLE(1); return *this; }
    CArchive& operator>>(int8_t& v) { v = (int8_t)GetLE(1); return *this; }
    CArchive& operator>>(uint16_t& v) { v = (uint16_t)GetLE(2); return *this; }
    CArchive& operator>>(int16_t& v) { v = (int16_t)GetLE(2); return *this; }
    CArchive& operator>>(uint32_t& v) { v = (uint32_t)GetLE(4); return *this; }
    CArchive& operator>>(int32_t& v) { v = (int32_t)(uint32_t)GetLE(4); return *this; }
    CArchive& operator>>(uint64_t& v) { v = GetLE(8); return *this; }
    CArchive& operator>>(int64_t& v) { v = (int64_t)GetLE(8); return *this; }
    CArchive& operator>>(double& v);
    CArchive& operator>>(CString& s);

    // Raw bytes.
    void Write(const void* p, size_t n);
    void Read(void* p, size_t n);

    // Bytes a length-prefixed string of n bytes takes.
    static size_t StringSize(size_t n) { return n < 255 ? 1 + n : n < 0xFFFE ? 3 + n : 7 + n; }

private:
    CArchive& PutLE(uint64_t v, int n);
    uint64_t GetLE(int n);
    void Need(size_t n) const;

    Mode m_mode;
    std::string m_buf;
    size_t m_pos = 0;
};
