// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/readonly.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <type_traits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Read-ahead for raw bytes; large enough that line reading costs few system calls.
constexpr int kRawSize = 64 * 1024;

bool IsTrailingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
}  // namespace

CToken::~CToken() = default;
Quote::~Quote() = default;

CReadOnly::CReadOnly(const CString& name) : m_strName(name)
{
    int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_bOpened = 1;
    m_bEof = 0;
    m_nLength = (uint32_t)st.st_size;
}

CReadOnly::~CReadOnly()
{
    if (m_fd >= 0) ::close(m_fd);
    delete[] m_pBuffer;
    delete[] m_pRaw;
}

// ---- raw bytes ------------------------------------------------------------------------------

int CReadOnly::rawRead(char* dst, int len)
{
    if (m_fd < 0 || len <= 0) return 0;
    int done = 0;
    if (m_nRawPos < m_nRawFill) {
        int n = std::min(len, m_nRawFill - m_nRawPos);
        std::memcpy(dst, m_pRaw + m_nRawPos, (size_t)n);
        m_nRawPos += n;
        done = n;
    }
    while (done < len && !m_bRawEnd) {
        ssize_t n = ::read(m_fd, dst + done, (size_t)(len - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n < 0) m_bFailed = 1;
            m_bRawEnd = true;
            break;
        }
        m_nFilePos += n;
        done += (int)n;
    }
    return done;
}

bool CReadOnly::rawByte(char& c)
{
    if (m_nRawPos >= m_nRawFill) {
        if (m_fd < 0 || m_bRawEnd) return false;
        if (!m_pRaw) m_pRaw = new char[kRawSize];
        m_nRawPos = m_nRawFill = 0;
        for (;;) {
            ssize_t n = ::read(m_fd, m_pRaw, kRawSize);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                if (n < 0) m_bFailed = 1;
                m_bRawEnd = true;
                return false;
            }
            m_nFilePos += n;
            m_nRawFill = (int)n;
            break;
        }
    }
    c = m_pRaw[m_nRawPos++];
    return true;
}

// ---- buffered lexer ---------------------------------------------------------------------------

void CReadOnly::get()
{
    do {
        if (m_nFill <= m_nPos) {
            if (!m_pBuffer) m_pBuffer = new char[PutBackRoom + BlockSize];
            if (m_bLastBlock) {
                m_bEof = 1;
                return;
            }
            m_nPos = m_nFill = 0;
            SetPos();
            int n = rawRead(m_pBuffer + PutBackRoom, BlockSize);
            SetPos();
            m_nFill = n;
            if (n < BlockSize) {
                m_bLastBlock = 1;
                m_bEof = n == 0 ? 1 : 0;
            }
        }
        if (m_bEof) return;
        m_cCurrent = m_pBuffer[PutBackRoom + m_nPos++];
    } while (m_cCurrent == '\r');
}

void CReadOnly::PutBack(char c)
{
    // Room in front of the data is limited; further put-backs are refused rather than overrun it.
    if (!m_pBuffer || m_nPos <= -PutBackRoom) return;
    if (m_bEof) {
        // The old character was already consumed; only c comes back.
        if (!m_bOpened) return;
        m_bEof = 0;
        m_cCurrent = c;
        return;
    }
    --m_nPos;
    m_pBuffer[PutBackRoom + m_nPos] = m_cCurrent;
    m_cCurrent = c;
}

int CReadOnly::Get(char& c)
{
    c = m_cCurrent;
    get();
    return m_bEof;
}

char CReadOnly::Get()
{
    if (m_pBuffer) {
        char c = m_cCurrent;
        get();
        return c;
    }
    if (!m_bOpened || m_bEof) {
        m_bEof = 1;
        return 0;
    }
    char c = 0;
    if (!rawByte(c)) {
        m_bEof = 1;
        return 0;
    }
    return c;
}

int CReadOnly::EndOfLine()
{
    return (m_bEof || m_cCurrent == '\n' || m_cCurrent == ';') ? 1 : 0;
}

int CReadOnly::SkipToNextLine()
{
    while (m_cCurrent != '\n' && !m_bEof) get();
    get();
    return m_bEof;
}

void CReadOnly::EatWhite()
{
    if (m_cCurrent == ';') SkipToNextLine();
    if (m_cCurrent == '\n' || m_cCurrent == ',') get();
    while ((m_cCurrent == ' ' || m_cCurrent == '\t' || m_cCurrent == '\n') && !m_bEof) get();
}

int CReadOnly::Get(CToken& t)
{
    t.clear();
    if (m_cCurrent == '\n') get();
    EatWhite();
    while (!m_bEof) {
        char c = m_cCurrent;
        if (c == '\t' || c == ' ' || c == ';' || c == ',' || c == ':' || c == '\n') break;
        t += c;
        get();
    }
    return m_bEof;
}

int CReadOnly::Get(CString& s)
{
    s.clear();
    EatWhite();
    while (!m_bEof) {
        char c = m_cCurrent;
        if (c == '\t' || c == ';' || c == '\n') break;
        s += c;
        get();
    }
    if (!m_bEof && m_cCurrent == ';') SkipToNextLine();
    while (!s.empty() && IsTrailingSpace(s.back())) s.pop_back();
    return m_bEof;
}

int CReadOnly::Get(Quote& q)
{
    q.clear();
    EatWhite();
    // Blank and comment lines before the value are skipped (but not past the end).
    while (!m_bEof && EndOfLine()) {
        SkipToNextLine();
        EatWhite();
    }
    bool inside = false;
    while (!m_bEof) {
        char c = m_cCurrent;
        if (c == 0) break;
        if (c == '"') {
            inside = !inside;
            if (!inside) break;
        } else {
            // An unquoted value ends at its line feed, which is not part of it.
            if (c == '\n' && !inside) break;
            q += c;
        }
        get();
    }
    if (!m_bEof && m_cCurrent == '"') get();
    return m_bEof;
}

int CReadOnly::Get(char* buf, int len)
{
    if (!buf || len <= 0) return m_bEof;
    if (m_cCurrent == '\n') get();
    int i = 0;
    while (i < len - 1 && !m_bEof && m_cCurrent != '\n') {
        buf[i++] = m_cCurrent;
        get();
    }
    buf[i] = 0;
    return m_bEof;
}

// Reads an optional sign (when allowed) and decimal digits; the magnitude wraps in 64 bits and
// the caller cuts it to its width.
template <typename T>
int CReadOnly::getSigned(T& v, bool allowSign)
{
    v = 0;
    m_nDigits = 0;
    EatWhite();
    bool neg = false;
    if (allowSign && !m_bEof) {
        if (m_cCurrent == '-') {
            neg = true;
            get();
        } else if (m_cCurrent == '+') {
            get();
        }
    }
    uint64_t acc = 0;
    while (!m_bEof && m_cCurrent >= '0' && m_cCurrent <= '9') {
        acc = acc * 10 + (uint64_t)(m_cCurrent - '0');
        ++m_nDigits;
        get();
    }
    if (neg) acc = (uint64_t)0 - acc;
    v = (T)acc;
    m_bNegative = neg;
    return m_bEof;
}

template <typename Width, typename T>
int CReadOnly::getAs(T& v)
{
    Width x;
    getSigned(x, std::is_signed_v<Width>);
    v = x;
    return m_bEof;
}

int CReadOnly::Get(int& v) { return getAs<int32_t>(v); }
int CReadOnly::Get(long& v) { return getAs<int32_t>(v); }
int CReadOnly::Get(unsigned int& v) { return getAs<uint32_t>(v); }
int CReadOnly::Get(unsigned long& v) { return getAs<uint32_t>(v); }
int CReadOnly::Get(short& v) { return getAs<int16_t>(v); }
int CReadOnly::Get(unsigned short& v) { return getAs<uint16_t>(v); }

int CReadOnly::Get(double& v)
{
    int32_t whole;
    getSigned(whole, true);
    bool neg = m_bNegative;
    v = whole;
    if (m_bEof || m_cCurrent != '.') return m_bEof;
    get();
    // Fraction digits follow the point directly; up to 18 are kept exactly, the rest only consumed.
    uint64_t frac = 0;
    int kept = 0;
    m_nDigits = 0;
    while (!m_bEof && m_cCurrent >= '0' && m_cCurrent <= '9') {
        if (kept < 18) {
            frac = frac * 10 + (uint64_t)(m_cCurrent - '0');
            ++kept;
        }
        ++m_nDigits;
        get();
    }
    double f = (double)frac;
    for (int i = 0; i < kept; ++i) f /= 10.0;
    double mag = (whole < 0 ? -(double)whole : (double)whole) + f;
    v = neg ? -mag : mag;
    return m_bEof;
}

int CReadOnly::Get(float& v)
{
    double d;
    Get(d);
    v = (float)d;
    return m_bEof;
}

// ---- lines and blocks -------------------------------------------------------------------------

CString CReadOnly::GetLine()
{
    CString line;
    if (m_pBuffer) {
        // The lexer has the lookahead: go through it so nothing is lost or repeated.
        while ((int)line.size() < MaxLine) {
            if (m_bEof) break;
            char c = Get();
            if (c == '\r') continue;
            if (line.empty() && (c == ' ' || c == '\n')) continue;
            if (c == '\n') break;
            line += c;
        }
        return line;
    }
    if (!m_bOpened || m_bEof) {
        m_bEof = 1;
        return line;
    }
    for (;;) {
        if (m_nRawPos >= m_nRawFill) {
            char c;
            if (!rawByte(c)) {
                m_bEof = 1;
                return line;
            }
            --m_nRawPos;  // only refilled; the byte is examined below
        }
        const char* p = m_pRaw + m_nRawPos;
        const char* e = m_pRaw + m_nRawFill;
        if (line.empty()) {
            while (p < e && (*p == ' ' || *p == '\n' || *p == '\r')) ++p;
            m_nRawPos = (int)(p - m_pRaw);
            if (p == e) continue;
        }
        const char* nl = (const char*)std::memchr(p, '\n', (size_t)(e - p));
        const char* end = nl ? nl : e;
        size_t room = (size_t)MaxLine - line.size();
        const char* q = p;
        while (q < end && room > 0) {
            if (*q == '\r') {
                ++q;
                continue;
            }
            const char* cr = (const char*)std::memchr(q, '\r', (size_t)(end - q));
            const char* stop = cr ? cr : end;
            size_t n = std::min((size_t)(stop - q), room);
            line.append(q, n);
            q += n;
            room -= n;
        }
        m_nRawPos = (int)(q - m_pRaw);
        if (room == 0) return line;
        if (nl) {
            m_nRawPos = (int)(nl + 1 - m_pRaw);
            return line;
        }
    }
}

int CReadOnly::Read(void* buf, int len)
{
    if (!buf || len <= 0) return 0;
    if (m_pBuffer && m_nPos < m_nFill) {
        Get((char*)buf, len);
        return 0;
    }
    if (!m_bOpened) {
        m_bEof = 1;
        return 0;
    }
    int n = rawRead((char*)buf, len);
    if (n < len) m_bEof = 1;
    SetPos();
    return n;
}

void CReadOnly::GetLine(char* buf, int len)
{
    Read(buf, len);
}

// ---- progress and noise ----------------------------------------------------------------------

void CReadOnly::SetBarPosition(const QRect& r)
{
    m_nBarLeft = r.left();
    m_nBarTop = r.top();
    m_nBarRight = r.left() + r.width();
    m_nBarBottom = r.top() + r.height();
}

QRect CReadOnly::GetBarPosition() const
{
    return QRect(m_nBarLeft, m_nBarTop, m_nBarRight - m_nBarLeft, m_nBarBottom - m_nBarTop);
}

double CReadOnly::Percent()
{
    if (m_nLength == 0) return 0.0;
    int64_t consumed = m_nFilePos - (m_nRawFill - m_nRawPos) + m_nPos - m_nFill;
    return (double)consumed * 100.0 / (double)m_nLength;
}

void CReadOnly::removeNoise()
{
    CToken t;
    Get(t);
    if (t == "to" || t == "=" || t == "is") return;
    for (size_t i = t.size(); i-- > 0;) PutBack(t[i]);
}
