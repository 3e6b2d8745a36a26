// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Forward-only reader over one text data file: whole lines, or a small lexer with one
// character of lookahead over 4096-byte blocks (tokens, fields, quoted strings, numbers).
#include <cstdint>
#include <QRect>
#include "platform/CString.h"
#include "kestrum/export.h"

// Marker for Get(): a token ends at a blank, tab, ',', ':', ';' or line feed.
class KESTRUM_API CToken : public CString {
public:
    CToken() {}
    CToken(const CString& s) : CString(s) {}
    CToken(const char* s) : CString(s) {}
    CToken(const CToken& t) : CString(t) {}
    virtual ~CToken();
    CToken& operator=(const CString& s) { CString::operator=(s); return *this; }
    CString& operator=(const CToken& t) { CString::operator=(t); return *this; }
};

// Marker for Get(): a possibly double-quoted string, which may span lines inside the quotes.
class KESTRUM_API Quote : public CString {
public:
    Quote() {}
    Quote(const CString& s) : CString(s) {}
    Quote(const char* s) : CString(s) {}
    Quote(const Quote& q) : CString(q) {}
    virtual ~Quote();
    Quote& operator=(const CString& s) { CString::operator=(s); return *this; }
    CString& operator=(const Quote& q) { CString::operator=(q); return *this; }
};

class KESTRUM_API CReadOnly {
public:
    enum { BlockSize = 4096, PutBackRoom = 32, MaxLine = 1024 };

    explicit CReadOnly(const CString& name);
    virtual ~CReadOnly();
    CReadOnly(const CReadOnly&) = delete;
    CReadOnly& operator=(const CReadOnly&) = delete;

    int Opened() const { return m_bOpened; }
    int eof() const { return m_bEof; }
    // Non-zero once the system reported an error reading the file: the end came early.
    int Failed() const { return m_bFailed; }
    const CString& GetFileName() const { return m_strName; }
    uint32_t GetLength() const { return m_nLength; }
    int GetBlockReads() const { return m_nBlockReads; }

    // The next non-blank line, at most 1024 characters; CR never stored.
    CString GetLine();
    // The next character of the stream (raw from the file until the lexer has buffered).
    char Get();

    // Each returns the end flag after the read.
    int Get(char& c);
    int Get(CToken& t);
    int Get(CString& s);
    int Get(Quote& q);
    int Get(char* buf, int len);
    int Get(int& v);
    int Get(long& v);
    int Get(unsigned int& v);
    int Get(unsigned long& v);
    int Get(short& v);
    int Get(unsigned short& v);
    int Get(double& v);
    int Get(float& v);

    void GetLine(char* buf, int len);
    int Read(void* buf, int len);

    int SkipToNextLine();
    int EndOfLine();
    void EatWhite();
    void PutBack(char c);
    void SetPos() { ++m_nBlockReads; }

    void SetBarPosition(const QRect& r);
    QRect GetBarPosition() const;
    // Digits taken by the last numeric read.
    int GetDigitCount() const { return m_nDigits; }

private:
    double Percent();
    void get();
    void removeNoise();
    // Raw bytes from the file, served from a read-ahead block so that no call costs a system call per byte.
    int rawRead(char* dst, int len);
    bool rawByte(char& c);
    template <typename T> int getSigned(T& v, bool allowSign);
    // Reads at the width of Width (signed or not as Width is) and widens into v.
    template <typename Width, typename T> int getAs(T& v);

    int m_bOpened = 0;
    int m_bEof = 1;
    uint32_t m_nLength = 0;
    int m_nBlockReads = 0;
    CString m_strName;
    int m_bLastBlock = 0;
    int m_nFill = 0;
    int m_nPos = 0;
    int m_nDigits = 0;
    char* m_pBuffer = nullptr;    // PutBackRoom bytes of room, then BlockSize data bytes
    char m_cCurrent = ' ';
    int32_t m_nBarLeft = 0, m_nBarTop = 0, m_nBarRight = 0, m_nBarBottom = 0;

    bool m_bNegative = false;     // sign of the last numeric read
    int m_fd = -1;
    int64_t m_nFilePos = 0;       // bytes taken from the file by the raw layer
    char* m_pRaw = nullptr;
    int m_nRawFill = 0;
    int m_nRawPos = 0;
    bool m_bRawEnd = false;
    int m_bFailed = 0;
};
