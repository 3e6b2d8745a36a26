// SPDX-License-Identifier: GPL-3.0-or-later
#include <kestrum/readonly.h>

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

class ReadOnlyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("kestrum_readonly_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    CString Write(const std::string& content, const char* name = "data.txt")
    {
        CString path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    fs::path m_dir;
};

// Line reading as the reader defines it, one character at a time, for comparison.
static std::vector<std::string> ReferenceLines(const std::string& data)
{
    std::vector<std::string> lines;
    size_t i = 0;
    for (;;) {
        std::string line;
        bool end = false;
        while (line.size() < 1024) {
            if (i >= data.size()) {
                end = true;
                break;
            }
            char c = data[i++];
            if (c == '\r') continue;
            if (line.empty() && (c == ' ' || c == '\n')) continue;
            if (c == '\n') break;
            line += c;
        }
        lines.push_back(line);
        if (end) break;
    }
    return lines;
}

static std::vector<std::string> ReadAllLines(CReadOnly& r)
{
    std::vector<std::string> lines;
    for (;;) {
        lines.push_back(r.GetLine());
        if (r.eof()) break;
    }
    return lines;
}

TEST_F(ReadOnlyTest, GetLineSkipsBlankLinesAndLeadingBlanksButKeepsTrailingOnes)
{
    CReadOnly r(Write("  \n\n  abc  \n"));
    ASSERT_TRUE(r.Opened());
    EXPECT_EQ(r.GetLine(), "abc  ");
    EXPECT_FALSE(r.eof());
    EXPECT_EQ(r.GetLine(), "");
    EXPECT_TRUE(r.eof());
    EXPECT_EQ(r.GetLine(), "");
    EXPECT_TRUE(r.eof());
}

TEST_F(ReadOnlyTest, GetLineLastLineWithoutBreakAndTabsKept)
{
    CReadOnly r(Write("first\n\tsecond"));
    EXPECT_EQ(r.GetLine(), "first");
    EXPECT_EQ(r.GetLine(), "\tsecond");
    EXPECT_TRUE(r.eof());
}

TEST_F(ReadOnlyTest, LongLineComesInPiecesOf1024)
{
    std::string longLine(1500, 'x');
    longLine[1024] = 'y';
    CReadOnly r(Write(longLine + "\r\nnext\r\n"));
    CString a = r.GetLine();
    EXPECT_EQ(a.size(), 1024u);
    CString b = r.GetLine();
    EXPECT_EQ(b.size(), 476u);
    EXPECT_EQ(b[0], 'y');
    EXPECT_EQ(r.GetLine(), "next");
}

TEST_F(ReadOnlyTest, CrLfLinesReadAsLf)
{
    CReadOnly a(Write("one\r\n  two \r\n\r\nthree", "crlf.txt"));
    CReadOnly b(Write("one\n  two \n\nthree", "lf.txt"));
    EXPECT_EQ(ReadAllLines(a), ReadAllLines(b));
}

TEST_F(ReadOnlyTest, GetLineMatchesCharacterReadingAcrossBlockBoundaries)
{
    // Lines of many lengths, CR LF and blank runs, straddling the 4096-byte and read-ahead blocks.
    std::mt19937 rng(7);
    std::string data;
    while (data.size() < 200000) {
        int len = (int)(rng() % 50 == 0 ? 900 + rng() % 400 : rng() % 90);
        for (int i = 0; i < len; ++i) {
            int k = (int)(rng() % 40);
            data += k == 0 ? ' ' : k == 1 ? '\r' : k == 2 ? '\t' : (char)('a' + k % 26);
        }
        data += rng() % 3 == 0 ? "\r\n" : "\n";
        if (rng() % 10 == 0) data += "  \n";
    }
    CReadOnly r(Write(data));
    EXPECT_EQ(ReadAllLines(r), ReferenceLines(data));
}

TEST_F(ReadOnlyTest, GetLineAtExactBoundary)
{
    std::string data(4095, 'a');
    data += "\r\nb";
    CReadOnly r(Write(data));
    EXPECT_EQ(ReadAllLines(r), ReferenceLines(data));
}

TEST_F(ReadOnlyTest, MissingFile)
{
    CReadOnly r((m_dir / "missing.txt").string());
    EXPECT_EQ(r.Opened(), 0);
    EXPECT_EQ(r.eof(), 1);
    EXPECT_EQ(r.GetLength(), 0u);
    EXPECT_EQ(r.GetLine(), "");
    CToken t;
    EXPECT_EQ(r.Get(t), 1);
    EXPECT_EQ(t, "");
    int n = 5;
    EXPECT_EQ(r.Get(n), 1);
    EXPECT_EQ(n, 0);
    Quote q;
    EXPECT_EQ(r.Get(q), 1);  // must not loop at the end
    char buf[8];
    EXPECT_EQ(r.Read(buf, 8), 0);
}

TEST_F(ReadOnlyTest, FolderIsNotOpened)
{
    CReadOnly r(m_dir.string());
    EXPECT_EQ(r.Opened(), 0);
    EXPECT_EQ(r.eof(), 1);
}

TEST_F(ReadOnlyTest, AReadErrorIsToldFromTheEnd)
{
    // Memory at address 0 cannot be read: the system reports an error, not an end.
    CReadOnly broken("/proc/self/mem");
    char buf[16];
    ASSERT_EQ(broken.Opened(), 1);
    EXPECT_EQ(broken.Read(buf, 16), 0);
    EXPECT_EQ(broken.eof(), 1);
    EXPECT_EQ(broken.Failed(), 1);
    CReadOnly whole(Write("one line"));
    EXPECT_EQ(whole.Read(buf, 16), 8);
    EXPECT_EQ(whole.eof(), 1);
    EXPECT_EQ(whole.Failed(), 0);
}

TEST_F(ReadOnlyTest, TokensSkipSeparatorsAndOneComment)
{
    CReadOnly r(Write("alpha, beta;comment\n gamma"));
    CToken t;
    EXPECT_EQ(r.Get(t), 0);
    EXPECT_EQ(t, "alpha");
    r.Get(t);
    EXPECT_EQ(t, "beta");
    EXPECT_EQ(r.Get(t), 1);  // read to the very end: value and end flag together
    EXPECT_EQ(t, "gamma");
    EXPECT_EQ(r.Get(t), 1);
    EXPECT_EQ(t, "");
}

TEST_F(ReadOnlyTest, KeyColonValue)
{
    CReadOnly r(Write("key:value\n"));
    CToken t;
    r.Get(t);
    EXPECT_EQ(t, "key");
    r.Get(t);  // a token read at ':' is empty and does not advance
    EXPECT_EQ(t, "");
    char c = 0;
    r.Get(c);
    EXPECT_EQ(c, ':');
    r.Get(t);
    EXPECT_EQ(t, "value");
}

TEST_F(ReadOnlyTest, FieldKeepsBlanksCommasAndColons)
{
    CReadOnly r(Write("  New York, NY ; comment\nnext\t12:30\n"));
    CString s;
    r.Get(s);
    EXPECT_EQ(s, "New York, NY");
    CToken t;
    r.Get(t);
    EXPECT_EQ(t, "next");
    r.Get(s);
    EXPECT_EQ(s, "12:30");
}

TEST_F(ReadOnlyTest, QuotedStrings)
{
    {
        CReadOnly r(Write("\"two\nlines\" after", "a.txt"));
        Quote q;
        r.Get(q);
        EXPECT_EQ(q, "two\nlines");
        CToken t;
        r.Get(t);
        EXPECT_EQ(t, "after");
    }
    {
        CReadOnly r(Write("; comment\n\nsay \"hi\" there\n", "b.txt"));
        Quote q;
        r.Get(q);
        EXPECT_EQ(q, "say hi");
    }
    {
        CReadOnly r(Write("plain value\nnext\n", "c.txt"));
        Quote q;
        r.Get(q);
        EXPECT_EQ(q, "plain value");  // the line feed that ends it is not part of it
        CToken t;
        r.Get(t);
        EXPECT_EQ(t, "next");
    }
}

TEST_F(ReadOnlyTest, Integers)
{
    CReadOnly r(Write("-0042x +7 4294967297 70000 -1 65535\n"));
    int i = 0;
    r.Get(i);
    EXPECT_EQ(i, -42);
    EXPECT_EQ(r.GetDigitCount(), 4);
    r.Get(i);  // at 'x': nothing taken
    EXPECT_EQ(i, 0);
    EXPECT_EQ(r.GetDigitCount(), 0);
    char c;
    r.Get(c);
    EXPECT_EQ(c, 'x');
    long l = 0;
    r.Get(l);
    EXPECT_EQ(l, 7);
    unsigned long ul = 0;
    r.Get(ul);
    EXPECT_EQ(ul, 1u);  // 32-bit arithmetic wraps
    short s = 0;
    r.Get(s);
    EXPECT_EQ(s, (short)70000);
    r.Get(s);
    EXPECT_EQ(s, -1);
    unsigned short us = 0;
    r.Get(us);
    EXPECT_EQ(us, 65535);
}

TEST_F(ReadOnlyTest, UnsignedTakesNoSign)
{
    CReadOnly r(Write("-5"));
    unsigned int u = 9;
    r.Get(u);
    EXPECT_EQ(u, 0u);
}

TEST_F(ReadOnlyTest, RealNumbers)
{
    CReadOnly r(Write("3.125 -3.125 -0.5 7 -.5 0.1234567891234, 2.5\n"));
    double d = 0;
    r.Get(d);
    EXPECT_DOUBLE_EQ(d, 3.125);
    r.Get(d);
    EXPECT_DOUBLE_EQ(d, -3.125);
    r.Get(d);
    EXPECT_DOUBLE_EQ(d, -0.5);
    r.Get(d);
    EXPECT_DOUBLE_EQ(d, 7.0);
    r.Get(d);
    EXPECT_DOUBLE_EQ(d, -0.5);
    r.Get(d);
    EXPECT_DOUBLE_EQ(d, 0.1234567891234);
    float f = 0;
    r.Get(f);
    EXPECT_FLOAT_EQ(f, 2.5f);
}

TEST_F(ReadOnlyTest, FractionDoesNotReachIntoTheNextLine)
{
    CReadOnly r(Write("7.\n5\n"));
    double d = 0;
    r.Get(d);
    EXPECT_DOUBLE_EQ(d, 7.0);
    int i = 0;
    r.Get(i);
    EXPECT_EQ(i, 5);
}

TEST_F(ReadOnlyTest, CrLfLexesAsLf)
{
    const char* text = "name: \"Q\"; c\n  12, -3.5\nfield one\t2\n";
    std::string crlf;
    for (const char* p = text; *p; ++p) {
        if (*p == '\n') crlf += '\r';
        crlf += *p;
    }
    for (const std::string& data : {std::string(text), crlf}) {
        CReadOnly r(Write(data));
        CToken t;
        r.Get(t);
        EXPECT_EQ(t, "name");
        char c;
        r.Get(c);
        EXPECT_EQ(c, ':');
        Quote q;
        r.Get(q);
        EXPECT_EQ(q, "Q");
        int i;
        r.Get(i);
        EXPECT_EQ(i, 12);
        double d;
        r.Get(d);
        EXPECT_DOUBLE_EQ(d, -3.5);
        CString s;
        r.Get(s);
        EXPECT_EQ(s, "field one");
        r.Get(i);
        EXPECT_EQ(i, 2);
    }
}

TEST_F(ReadOnlyTest, TokenAndNumberStraddleBlockBoundary)
{
    for (int shift = 0; shift < 12; ++shift) {
        std::string data(4090 + shift, ' ');
        data += "straddle 123456789\r\n";
        CReadOnly r(Write(data));
        CToken t;
        r.Get(t);
        EXPECT_EQ(t, "straddle") << shift;
        int i;
        r.Get(i);
        EXPECT_EQ(i, 123456789) << shift;
        EXPECT_EQ(r.GetBlockReads(), 4);  // two refills, two counts each
    }
}

TEST_F(ReadOnlyTest, PutBackIsReadAgain)
{
    CReadOnly r(Write("abc def"));
    CToken t;
    r.Get(t);
    EXPECT_EQ(t, "abc");
    for (size_t i = t.size(); i-- > 0;) r.PutBack(t[i]);
    r.PutBack('x');
    r.Get(t);
    EXPECT_EQ(t, "xabc");
    r.Get(t);
    EXPECT_EQ(t, "def");
    EXPECT_TRUE(r.eof());
    // At the end, a put-back character is still read.
    r.PutBack('z');
    EXPECT_FALSE(r.eof());
    r.Get(t);
    EXPECT_EQ(t, "z");
    EXPECT_TRUE(r.eof());
}

TEST_F(ReadOnlyTest, PutBackBeyondRoomIsRefusedSafely)
{
    CReadOnly r(Write("q"));
    CToken t;
    r.Get(t);
    for (int i = 0; i < 100; ++i) r.PutBack('p');
    r.Get(t);
    EXPECT_LE(t.size(), 34u);
    EXPECT_GE(t.size(), 1u);
}

TEST_F(ReadOnlyTest, MixingLinesAndLexing)
{
    CReadOnly r(Write("head line\n  42 tail words\nlast\r\n"));
    EXPECT_EQ(r.GetLine(), "head line");  // straight from the file
    int i = 0;
    r.Get(i);
    EXPECT_EQ(i, 42);
    EXPECT_EQ(r.GetLine(), "tail words");  // the lookahead blank is skipped as leading
    EXPECT_EQ(r.GetLine(), "last");
}

TEST_F(ReadOnlyTest, RestOfLineAndSkipToNextLine)
{
    CReadOnly r(Write("key rest of the line\nsecond line here\nthird"));
    CToken t;
    r.Get(t);
    char buf[64];
    r.Get(buf, sizeof buf);
    EXPECT_STREQ(buf, " rest of the line");
    r.Get(buf, 7);
    EXPECT_STREQ(buf, "second");
    r.SkipToNextLine();
    r.Get(t);
    EXPECT_EQ(t, "third");
    EXPECT_EQ(r.EndOfLine(), 1);
}

TEST_F(ReadOnlyTest, RawReadBeforeBuffering)
{
    CReadOnly r(Write("0123456789"));
    EXPECT_EQ(r.GetLength(), 10u);
    EXPECT_EQ(r.Get(), '0');
    char buf[16];
    EXPECT_EQ(r.Read(buf, 4), 4);
    EXPECT_EQ(std::string(buf, 4), "1234");
    EXPECT_FALSE(r.eof());
    EXPECT_EQ(r.Read(buf, 16), 5);
    EXPECT_TRUE(r.eof());
}

TEST(CTokenTest, BehavesAsText)
{
    CToken t("key");
    EXPECT_TRUE(t == "key");
    CString s = t;
    CToken u;
    u = s + "2";
    EXPECT_EQ(u, "key2");
    Quote q(CString("a b"));
    EXPECT_EQ(q.size(), 3u);
}
