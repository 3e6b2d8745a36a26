// SPDX-License-Identifier: GPL-3.0-or-later
#include <kestrum/files.h>
#include <kestrum/streams.h>

#include <gtest/gtest.h>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include "platform/MessageBox.h"

namespace fs = std::filesystem;

// A folder tree of the test's own, entered as the current folder for the search functions.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_old = fs::current_path();
        m_dir = fs::temp_directory_path() /
                ("kestrum_files_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
        m_dir = fs::canonical(m_dir);
        fs::current_path(m_dir);
    }
    void TearDown() override
    {
        fs::current_path(m_old);
        fs::remove_all(m_dir);
    }
    void Touch(const fs::path& rel, const std::string& content = "x")
    {
        fs::create_directories((m_dir / rel).parent_path());
        std::ofstream(m_dir / rel) << content;
    }
    CString Full(const fs::path& rel) { return (m_dir / rel).string(); }

    fs::path m_old, m_dir;
};

TEST_F(FilesTest, PathFindsAFileBelowInAnyLetterCase)
{
    Touch("data/timezones.TXT");
    EXPECT_EQ(Path("TimeZones.txt"), Full("data/timezones.TXT"));
    EXPECT_EQ(Path(CString("TIMEZONES.txt")), Full("data/timezones.TXT"));
    EXPECT_EQ(Path("nothing-like-this.txt"), "");
}

TEST_F(FilesTest, PathWithAFolderSearchesBelowThatFolder)
{
    Touch("a/deep/pic.bmp");
    Touch("b/pic.bmp");
    EXPECT_EQ(Path("a/pic.bmp"), Full("a/deep/pic.bmp"));
    EXPECT_EQ(Path("a\\pic.bmp"), Full("a/deep/pic.bmp"));
    EXPECT_EQ(Path(Full("b") + "/PIC.BMP"), Full("b/pic.bmp"));
}

TEST_F(FilesTest, NearestMatchWins)
{
    Touch("z/sub/notes.txt");
    Touch("notes.txt");
    EXPECT_EQ(Path("notes.txt"), Full("notes.txt"));
}

TEST_F(FilesTest, FindFileRules)
{
    Touch("one/notes.txt.bak");
    CString result = "unchanged";
    FindFile(m_dir.string(), "*.txt", result);
    EXPECT_EQ(result, Full("one/notes.txt.bak"));

    result = "unchanged";
    FindFile(m_dir.string(), "*.TXT", result);  // the extension is compared exactly
    EXPECT_EQ(result, "unchanged");

    result.clear();
    FindFile(m_dir.string(), "NOTES", result);  // a name without '.' matches up to the first '.'
    EXPECT_EQ(result, Full("one/notes.txt.bak"));

    result.clear();
    FindFile(m_dir.string(), "notes.txt", result);
    EXPECT_EQ(result, "");
}

TEST_F(FilesTest, SecondSearchKeepsTheStoredName)
{
    Touch("sub/Report.TXT");
    CString result;
    FindFile(CString("report.txt"), result);
    EXPECT_EQ(result, Full("sub/Report.TXT"));
    EXPECT_TRUE(fs::exists(result));
    EXPECT_EQ(fs::current_path(), m_dir);
}

TEST_F(FilesTest, SearchDepthIsBounded)
{
    Touch("1/2/3/4/5/6/six.txt");
    Touch("1/2/3/4/5/6/7/seven.txt");
    EXPECT_EQ(Path("six.txt"), Full("1/2/3/4/5/6/six.txt"));
    EXPECT_EQ(Path("seven.txt"), "");
}

TEST_F(FilesTest, LinkedLoopsEnd)
{
    Touch("loop/inner/file.dat");
    fs::create_directory_symlink(m_dir / "loop", m_dir / "loop/inner/back");
    EXPECT_EQ(Path("missing.dat"), "");
    EXPECT_EQ(Path("file.dat"), Full("loop/inner/file.dat"));
}

TEST_F(FilesTest, DataFoldersBesideTheProgramAreTheFallback)
{
    // The test program runs from the build's bin folder; a file placed there is found from anywhere.
    char exe[4096];
    ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    ASSERT_GT(n, 0);
    fs::path bin = fs::path(std::string(exe, (size_t)n)).parent_path();
    std::string name = "kestrum_fallback_" + std::to_string(::getpid()) + ".txt";
    std::ofstream(bin / name) << "x";
    EXPECT_EQ(Path(name.c_str()), fs::canonical(bin / name).string());
    fs::remove(bin / name);
}

TEST_F(FilesTest, Exists)
{
    Touch("store/Deep/mixed.Case");
    EXPECT_EQ(Exists(Full("store") + "/MIXED.CASE"), 1);
    EXPECT_EQ(Exists("store\\mixed.case"), 1);
    EXPECT_EQ(Exists("MIXED.case"), 1);  // a bare name looks in the current folder
    EXPECT_EQ(Exists("store/other.case"), 0);
    EXPECT_EQ(Exists("nowhere/mixed.case"), 0);
}

TEST_F(FilesTest, MakeDirMakesTheFoldersAbove)
{
    MakeDir(Full("data/logs") + "/");
    EXPECT_TRUE(fs::is_directory(m_dir / "data/logs"));
    MakeDir("rel\\a\\b");
    EXPECT_TRUE(fs::is_directory(m_dir / "rel/a/b"));
    MakeDir(Full("data"));  // existing: nothing reported
    MkDir(Full("x/y"));     // one level only: fails quietly
    EXPECT_FALSE(fs::exists(m_dir / "x"));
    MkDir(Full("x"));
    EXPECT_TRUE(fs::is_directory(m_dir / "x"));
}

TEST_F(FilesTest, SpawnNoWaitStartsADetachedProgram)
{
    CString marker = Full("spawned");
    SpawnNoWait("touch " + marker);
    for (int i = 0; i < 200 && !fs::exists(marker); ++i) ::usleep(10000);
    EXPECT_TRUE(fs::exists(marker));
    SpawnNoWait("");  // nothing
}

TEST(Arithmetic, FloorAndCeiling)
{
    EXPECT_EQ(Floor(-7, 2), -4);
    EXPECT_EQ(Floor(7, 2), 3);
    EXPECT_EQ(Floor(-8, 2), -4);
    EXPECT_EQ(Ceiling(7, 2), 4);
    EXPECT_EQ(Ceiling(-7, 2), -3);
    EXPECT_EQ(Ceiling(8, 2), 4);
    EXPECT_EQ(Floor(5, 0), 0);  // no crash
    EXPECT_EQ(Floor(-2.0), -2);
    EXPECT_EQ(Floor(-2.5), -3);
    EXPECT_EQ(Floor(2.5f), 2);
    EXPECT_EQ(Ceiling(2.1), 3);
    EXPECT_EQ(Ceiling(-2.5), -2);
    EXPECT_EQ(Ceiling(-0.5f), 0);
    EXPECT_EQ(Floor(1e300), INT_MAX);
}

TEST(Arithmetic, Multiples)
{
    EXPECT_DOUBLE_EQ(rnddn(-4, 2), -4);
    EXPECT_DOUBLE_EQ(rndup(-4, 2), -2);
    EXPECT_DOUBLE_EQ(rnddn(-3, 2), -4);
    EXPECT_DOUBLE_EQ(rnddn(3, 2), 2);
    EXPECT_DOUBLE_EQ(rndup(4, 2), 6);
    EXPECT_DOUBLE_EQ(rnddn(7.5, 2.5), 7.5);
}

TEST(Flags, BitsOfOneWord)
{
    EXPECT_EQ(Bit(0), 1);
    EXPECT_EQ(Bit(33), 2);
    EXPECT_EQ(Bit(31), (int)0x80000000u);
    EXPECT_FALSE(::Test(5));
    EXPECT_FALSE(Set(5));
    EXPECT_TRUE(::Test(5));
    EXPECT_TRUE(::Test(37));  // modulo 32
    EXPECT_TRUE(Set(5));
    EXPECT_TRUE(Clear(5));
    EXPECT_FALSE(::Test(5));
}

TEST(Clock, TimeTagAndReadings)
{
    EXPECT_EQ(TimeTag(((9 * 60 + 5) * 60 + 3) * 1000UL + 42), "9:5:3.042");
    EXPECT_EQ(TimeTag(0UL), "0:0:0.000");
    EXPECT_EQ(TimeTag(86399999UL), "23:59:59.999");
    double t = SystemTime();
    unsigned long ms = Millisecond();
    EXPECT_LT(ms, 86400000UL);
    EXPECT_GT(t, 1.7e9);
    EXPECT_NEAR(std::fmod(t, 86400.0) * 1000.0, (double)ms, 2000.0);
}

TEST(ErrorBox, ShowsTheLastErrorText)
{
    MessageBoxRequest seen;
    SetMessageBoxAnswerer([&](const MessageBoxRequest& r) {
        seen = r;
        return IDOK;
    });
    errno = ENOENT;
    DisplayError("Open");
    SetMessageBoxAnswerer(nullptr);
    EXPECT_EQ(seen.caption, "Open");
    EXPECT_EQ(seen.text, std::strerror(ENOENT));
    EXPECT_EQ(seen.type & 0xF0u, (unsigned)MB_ICONINFORMATION);
}

class StreamsTest : public FilesTest {};

TEST_F(StreamsTest, FieldsEndAtTabsLineFeedsAndComments)
{
    Touch("f.txt", "\n  first field\tsecond ; note\n\n; whole line\nthird\r\nlast");
    std::ifstream in("f.txt");
    CString f;
    in >> f;
    EXPECT_EQ(f, "first field");
    in >> f;
    EXPECT_EQ(f, "second");
    EXPECT_TRUE(EndOfLine(in));
    in >> f;
    EXPECT_EQ(f, "third");
    EXPECT_TRUE(bool(in >> f));  // the last field, without a line break, still counts as read
    EXPECT_EQ(f, "last");
    EXPECT_FALSE(NotEOF(in));
    EXPECT_FALSE(IsOk(in));
    EXPECT_FALSE(bool(in >> f));
    EXPECT_EQ(f, "");
}

TEST_F(StreamsTest, SkipToNextLineAndIsOk)
{
    Touch("g.txt", "skip this\nkeep\n");
    std::ifstream in("g.txt");
    SkipToNextLine(in);
    CString f;
    in >> f;
    EXPECT_EQ(f, "keep");
    in.setstate(std::ios::failbit);
    EXPECT_TRUE(IsOk(in));
    EXPECT_TRUE(in.good());
}

TEST_F(StreamsTest, LongFieldsComeIn512s)
{
    Touch("h.txt", std::string(600, 'a') + "\n");
    std::ifstream in("h.txt");
    CString f;
    in >> f;
    EXPECT_EQ(f.size(), 512u);
    in >> f;
    EXPECT_EQ(f.size(), 88u);
}
