// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include "birthdays/BirthdayList.h"
#include "birthdays/ImportCommand.h"
#include "platform/Archive.h"
#include "../../../platform/tests/SyncRecorder.h"

namespace fs = std::filesystem;

namespace {

std::string Store(BirthdayList& list)
{
    CArchive ar;
    list.Serialize(ar);
    return ar.Buffer();
}

void Load(BirthdayList& list, const std::string& bytes)
{
    CArchive ar(bytes);
    list.Serialize(ar);
}

std::string Hex(const std::string& bytes)
{
    std::string out;
    for (unsigned char c : bytes) out += StrFormat("%02X ", c);
    if (!out.empty()) out.pop_back();
    return out;
}

BirthdayEntry Entry(const CString& text, int month, int day, int year)
{
    BirthdayEntry e(CalendarDate(month, day, year));
    e.text = text;
    e.kind = BirthdayEntry::Individual;
    return e;
}

std::string ReadFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary) << bytes;
}

class KfdFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kfd_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string P(const char* name) const { return (dir / name).string(); }
    fs::path dir;
};

const char* kSmallGedcom =
    "0 HEAD\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME John /Smith/\n1 BIRT\n2 DATE 12 JAN 1950\n"
    "0 @I2@ INDI\n1 NAME Mary /Jones/\n1 BIRT\n2 DATE 3 FEB 1952\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 5 JUN 1975\n"
    "0 TRLR\n";

} // namespace

TEST(KfdFormat, BytesOfSmallLists)
{
    BirthdayList list;
    EXPECT_EQ(Hex(Store(list)), "00 00 00 00");

    list.AddOrMerge(Entry("Ann", 12, 25, 1950));
    EXPECT_EQ(Hex(Store(list)), "01 00 00 00 0C 00 00 00 19 00 00 00 9E 07 00 00 03 41 6E 6E 00 00 00 00 01 00 "
                                "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");

    BirthdayEntry full = Entry("x", -1, 2, -3);
    full.recordNumber = 0x01020304;
    full.kind = 0x8001;
    full.endDate = CalendarDate(4, 5, 6);
    full.otherDate = CalendarDate(7, 8, 9);
    BirthdayList one;
    one.AddOrMerge(full);
    EXPECT_EQ(Hex(Store(one)), "01 00 00 00 FF FF FF FF 02 00 00 00 FD FF FF FF 01 78 04 03 02 01 01 80 "
                               "04 00 00 00 05 00 00 00 06 00 00 00 07 00 00 00 08 00 00 00 09 00 00 00");
}

TEST(KfdFormat, TextLengthPrefixes)
{
    for (size_t n : {254u, 255u, 0xFFFDu, 0xFFFEu, 0x10000u}) {
        BirthdayList list;
        list.AddOrMerge(Entry(CString(n, 'a'), 1, 1, 2000));
        std::string bytes = Store(list);
        std::string prefix = Hex(bytes.substr(16, n < 255 ? 1 : n < 0xFFFE ? 3 : 7));
        if (n == 254) EXPECT_EQ(prefix, "FE");
        if (n == 255) EXPECT_EQ(prefix, "FF FF 00");
        if (n == 0xFFFD) EXPECT_EQ(prefix, "FF FD FF");
        if (n == 0xFFFE) EXPECT_EQ(prefix, "FF FF FF FE FF 00 00");
        BirthdayList back;
        Load(back, bytes);
        ASSERT_EQ(back.GetCount(), 1);
        EXPECT_EQ(back[0].text.size(), n);
    }
}

TEST(KfdFormat, RoundTripKeepsOrderAndDuplicates)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Zoë", 5, 5, 1990));
    list.AddOrMerge(Entry("Al", 1, 1, 1900));
    list.SetSize(3);
    BirthdayEntry dup = Entry("Al", 2, 2, 1902);
    list.SetAt(2, dup);
    std::string bytes = Store(list);

    BirthdayList back;
    back.AddOrMerge(Entry("previous", 1, 1, 1));
    Load(back, bytes);
    ASSERT_EQ(back.GetCount(), 3);
    EXPECT_EQ(back[0].text, "Zoë");
    EXPECT_EQ(back[2].year, 1902);
    EXPECT_EQ(back.FindByText("Al"), 1);
    EXPECT_EQ(back.FindByText("previous"), -1);
    EXPECT_EQ(Store(back), bytes);
}

// The batch import saves in date order without sorting the list: the same bytes as sorting
// and then saving, ties (indexed by place in the file) and long texts included.
TEST(KfdFormat, StoredSortedByDateAsIfSorted)
{
    BirthdayList list;
    const int dates[][3] = {{5, 5, 1990}, {1, 1, 1900}, {0, 0, 0}, {5, 5, 1890}, {1, 1, 1900}, {12, 31, -44}};
    for (int i = 0; i < 600; ++i) {
        const int* d = dates[(i * 7) % 6];
        BirthdayEntry e = Entry(StrFormat("P%d", i) + CString(i % 50 == 0 ? 300 : 0, 'x'), d[0], d[1], d[2]);
        if (i % 9 == 0) e.TieTo(StrFormat("https://example.org/book/%d.vcf", i), "e1");
        list.AddOrMerge(e);
    }
    CArchive ar;
    list.StoreSortedByDate(ar);
    BirthdayList sorted = list;
    sorted.SortByDate();
    EXPECT_EQ(ar.Buffer(), Store(sorted));
    EXPECT_EQ(Store(list).size(), ar.Buffer().size());
}

TEST(KfdFormat, DamagedFilesFailAndKeepTheList)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Ann", 12, 25, 1950));
    list.AddOrMerge(Entry("Bob", 1, 2, 1960));
    std::string good = Store(list);

    BirthdayList target;
    target.AddOrMerge(Entry("Keep", 3, 3, 1933));
    // Cut anywhere inside the records.
    for (size_t cut : {size_t(2), size_t(10), good.size() / 2, good.size() - 1}) {
        EXPECT_THROW(Load(target, good.substr(0, cut)), CArchiveException) << cut;
        ASSERT_EQ(target.GetCount(), 1);
        EXPECT_EQ(target[0].text, "Keep");
    }
    // A huge count is refused before anything is allocated.
    EXPECT_THROW(Load(target, std::string("\xFF\xFF\xFF\xFF", 4) + good.substr(4)), CArchiveException);
    EXPECT_THROW(Load(target, std::string("\x03\x00\x00\x00", 4) + good.substr(4)), CArchiveException);
    EXPECT_EQ(target.GetCount(), 1);
    // A text length running past the end.
    std::string longText = good;
    longText[16] = (char)0xFE;
    EXPECT_THROW(Load(target, longText), CArchiveException);

    // An empty file is an empty list; trailing bytes after the records are ignored.
    Load(target, std::string());
    EXPECT_EQ(target.GetCount(), 0);
    Load(target, good + "junk");
    EXPECT_EQ(target.GetCount(), 2);
}

TEST(KfdFormat, LegacyWindows1252TextsReadAsUtf8)
{
    BirthdayList list;
    list.AddOrMerge(Entry("M\xFCller", 1, 1, 1900));
    BirthdayList back;
    Load(back, Store(list));
    EXPECT_EQ(back[0].text, "M\xC3\xBCller");
}

TEST_F(KfdFiles, ImportCommandMergesSortsAndSaves)
{
    WriteFile(P("a.ged"), kSmallGedcom);
    ImportCommandResult r = RunImportCommand({"--import", P("a.ged"), "--save", P("out.kfd")});
    ASSERT_EQ(r.exitCode, 0) << r.error;
    EXPECT_EQ(r.output.rfind("3 added, 0 merged, 0 conflicts kept", 0), 0u) << r.output;
    BirthdayList list;
    std::string err;
    ASSERT_TRUE(LoadKfdFile(P("out.kfd"), list, err)) << err;
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list[0].text, "John /Smith/");
    EXPECT_EQ(list[1].text, "Mary /Jones/");
    EXPECT_EQ(list[2].text, "John+Mary /Smith/");

    // Into an existing document, in place; the stored birth date wins the conflict.
    BirthdayEntry john = list.EntryAt(0);
    john.day = 13;
    list.SetAt(0, john);
    ASSERT_TRUE(SaveKfdFile(P("doc.kfd"), list, err)) << err;
    r = RunImportCommand({"--import", P("a.ged"), P("doc.kfd")});
    ASSERT_EQ(r.exitCode, 0) << r.error;
    EXPECT_EQ(r.output.rfind("0 added, 3 merged, 1 conflicts kept", 0), 0u) << r.output;
    BirthdayList merged;
    ASSERT_TRUE(LoadKfdFile(P("doc.kfd"), merged, err));
    EXPECT_EQ(merged.GetCount(), 3);
    EXPECT_EQ(merged[merged.FindByText("John /Smith/")].day, 13);

    // Dates whose year the calendar cannot show are counted in the line.
    WriteFile(P("far.ged"), "0 HEAD\n0 @I1@ INDI\n1 NAME Far /Off/\n1 BIRT\n2 DATE 12 JAN 99999\n0 TRLR\n");
    r = RunImportCommand({"--import", P("far.ged"), "--save", P("far.kfd")});
    EXPECT_EQ(r.output.rfind("0 added, 0 merged, 0 conflicts kept, 1 date with a year outside -9900..11400 left out (0 "),
              0u)
        << r.output;
}

TEST_F(KfdFiles, ImportCommandFailuresWriteNothing)
{
    WriteFile(P("a.ged"), kSmallGedcom);
    WriteFile(P("bad.kfd"), std::string("\x05\x00\x00\x00", 4));
    ImportCommandResult r = RunImportCommand({"--import", P("missing.ged"), "--save", P("out.kfd")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.error.find("missing.ged"), std::string::npos);
    r = RunImportCommand({"--import", P("a.ged"), "--save", P("out.kfd"), P("missing.kfd")});
    EXPECT_EQ(r.exitCode, 1);
    r = RunImportCommand({"--import", P("a.ged"), "--save", P("out.kfd"), P("bad.kfd")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.error.find("bad.kfd"), std::string::npos);
    r = RunImportCommand({"--import", dir.string(), "--save", P("out.kfd")});
    EXPECT_EQ(r.exitCode, 1);
    r = RunImportCommand({"--import", P("a.ged"), "--save", (dir / "no" / "such" / "out.kfd").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(fs::exists(P("out.kfd")));
    EXPECT_EQ(ReadFile(P("bad.kfd")).size(), 4u);

    // Never saved over the file it reads, under the same name or another.
    fs::create_symlink(P("a.ged"), P("same.kfd"));
    for (const char* save : {"a.ged", "same.kfd"}) {
        r = RunImportCommand({"--import", P("a.ged"), "--save", P(save)});
        EXPECT_EQ(r.exitCode, 2) << save;
        EXPECT_NE(r.error.find(P(save)), std::string::npos) << r.error;
    }
    EXPECT_EQ(ReadFile(P("a.ged")), kSmallGedcom);
    fs::remove(P("same.kfd"));

    EXPECT_EQ(RunImportCommand({"--import", P("a.ged")}).exitCode, 2);
    EXPECT_EQ(RunImportCommand({P("doc.kfd")}).exitCode, 2);
    EXPECT_EQ(RunImportCommand({"--import", P("a.ged"), "x.kfd", "y.kfd"}).exitCode, 2);
    EXPECT_EQ(RunImportCommand({"--import", P("a.ged"), "--bogus", "x.kfd"}).exitCode, 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(KfdFiles, BatchSavesReachTheDiskBeforeAndAfterTheRename)
{
    BirthdayList list;
    BirthdayEntry e;
    e.month = 5;
    e.day = 17;
    e.year = 1960;
    e.kind = BirthdayEntry::Individual;
    e.text = "Ada Lind";
    list.SetSize(1);
    list.SetAt(0, e);
    std::string err;
    syncrec::Watch(P("doc.kfd"));
    ASSERT_TRUE(SaveKfdFile(P("doc.kfd"), list, err)) << err;
    const std::string first = ReadFile(P("doc.kfd"));
    EXPECT_TRUE(syncrec::ReplacedDurably("<none>", first));

    e.text = "Ada Lind-Berg";
    list.SetAt(0, e);
    syncrec::Watch(P("doc.kfd"));
    ASSERT_TRUE(SaveKfdFile(P("doc.kfd"), list, err)) << err;
    EXPECT_NE(ReadFile(P("doc.kfd")), first);
    EXPECT_TRUE(syncrec::ReplacedDurably(first, ReadFile(P("doc.kfd"))));
    // Nothing is left beside the document.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(KfdFiles, BatchSavesGoThroughLinksAndKeepPermissions)
{
    WriteFile(P("a.ged"), kSmallGedcom);
    BirthdayList list;
    std::string err;
    ASSERT_TRUE(SaveKfdFile(P("real.kfd"), list, err)) << err;
    fs::permissions(P("real.kfd"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directories(dir / "links");
    fs::create_symlink("../real.kfd", dir / "links" / "doc.kfd");

    ImportCommandResult r = RunImportCommand({"--import", P("a.ged"), (dir / "links" / "doc.kfd").string()});
    ASSERT_EQ(r.exitCode, 0) << r.error;
    // The link still names the document, which holds the merged list and stays private.
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "doc.kfd"));
    ASSERT_TRUE(LoadKfdFile(P("real.kfd"), list, err)) << err;
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(fs::status(P("real.kfd")).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "links"), fs::directory_iterator()), 1);
}
