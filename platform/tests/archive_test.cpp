// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include "platform/Archive.h"

namespace {

CString RoundTrip(const CString& s, size_t* bytes = nullptr)
{
    CArchive out;
    out << s << (uint32_t)0xDEADBEEF;
    if (bytes) *bytes = out.Buffer().size() - 4;
    CArchive in(out.Buffer());
    CString back;
    uint32_t tail = 0;
    in >> back >> tail;
    EXPECT_EQ(tail, 0xDEADBEEFu);
    EXPECT_TRUE(in.AtEnd());
    return back;
}

TEST(Archive, StringPrefixSizesAroundTheLimits)
{
    struct Case { size_t len; size_t prefix; } cases[] = {
        {0, 1}, {254, 1}, {255, 3}, {65533, 3}, {65534, 7}, {70000, 7}};
    for (auto c : cases) {
        CString s(c.len, 'x');
        if (c.len) s[c.len - 1] = 'y';
        size_t bytes = 0;
        EXPECT_EQ(RoundTrip(s, &bytes), s) << c.len;
        EXPECT_EQ(bytes, c.len + c.prefix) << c.len;
        EXPECT_EQ(CArchive::StringSize(c.len), c.len + c.prefix);
    }
}

TEST(Archive, PrefixBytesAreThoseOfTheFrameworkForm)
{
    CArchive a;
    a << CString(255, 'a');
    EXPECT_EQ((unsigned char)a.Buffer()[0], 0xFF);
    EXPECT_EQ((unsigned char)a.Buffer()[1], 0xFF);
    EXPECT_EQ((unsigned char)a.Buffer()[2], 0x00);
    CArchive b;
    b << CString(65534, 'b');
    EXPECT_EQ(b.Buffer().substr(0, 7), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
}

TEST(Archive, IntegersAreLittleEndianAndSigned)
{
    CArchive a;
    a << (int32_t)-2 << (uint16_t)0x1234 << (uint8_t)7 << (int64_t)-5 << 2.5;
    EXPECT_EQ(a.Buffer().substr(0, 7), std::string("\xFE\xFF\xFF\xFF\x34\x12\x07", 7));
    CArchive in(a.Buffer());
    int32_t i; uint16_t u; uint8_t b; int64_t l; double d;
    in >> i >> u >> b >> l >> d;
    EXPECT_EQ(i, -2);
    EXPECT_EQ(u, 0x1234);
    EXPECT_EQ(b, 7);
    EXPECT_EQ(l, -5);
    EXPECT_EQ(d, 2.5);
}

TEST(Archive, ShortReadsThrowTheTypedError)
{
    CArchive in(std::string("\x01\x02\x03", 3));
    uint32_t v;
    EXPECT_THROW(in >> v, CArchiveException);

    // A length that promises more than the stream holds fails before allocating it.
    CArchive s(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F" "abc", 10));
    CString str;
    EXPECT_THROW(s >> str, CArchiveException);

    CArchive t(std::string("\x05" "abc", 4));
    EXPECT_THROW(t >> str, CArchiveException);

    CArchive e(std::string{});
    EXPECT_THROW(e >> str, CArchiveException);
}

}  // namespace
