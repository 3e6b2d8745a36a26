// SPDX-License-Identifier: GPL-3.0-or-later
// Kinfold's command line as a user meets it: the built program run without a display.
#include <gtest/gtest.h>
#include <algorithm>
#include <QString>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>
#include "ProgramFolder.h"
#include "app/CommandLine.h"
#include "app/KinfoldApp.h"
#include "birthdays/ImportCommand.h"
#include "calendar/MoonDate.h"
#include "platform/Version.h"

namespace fs = std::filesystem;

namespace {

const char* kSmallGedcom =
    "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ann /Smith/\n1 BIRT\n2 DATE 12 JAN 1950\n0 TRLR\n";

class KinfoldCommandLine : public ProgramFolder {
protected:
    KinfoldCommandLine() : ProgramFolder("kinfold-cli-") {}

    std::string P(const char* name) const { return (dir / name).string(); }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(dir)) names.push_back(e.path().lexically_relative(dir));
        std::sort(names.begin(), names.end());
        return names;
    }
    void Write(const char* name, const std::string& bytes)
    {
        std::ofstream(P(name), std::ios::binary) << bytes;
    }
};

// A command line checked against Kinfold's table, as the program checks it.
QString ReadOptions(const std::vector<std::string>& args, PrintPdfOptions& o, double today = 0)
{
    CommandArgs parsed;
    std::string error;
    if (!ParseCommandArgs(args, KinfoldOptions(), parsed, error)) return QString::fromStdString(error);
    return ReadPrintPdfOptions(parsed, o, today);
}

} // namespace

TEST_F(KinfoldCommandLine, HelpAndVersionNeedNoDisplayAndWriteNothing)
{
    runprogram::Result help = Run({"--help"});
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.err, "");
    // Every option on a line of its own, with its argument.
    for (const CommandOption& o : KinfoldOptions()) {
        std::string head = std::string("\n  ") + o.name + (o.value ? std::string(" ") + o.value : "");
        EXPECT_NE(help.out.find(head), std::string::npos) << o.name << "\n" << help.out;
    }
    EXPECT_EQ(help.out.rfind("usage: kinfold", 0), 0u);
    // The years --year takes, as the calendar has them.
    EXPECT_NE(help.out.find(std::to_string(kFirstYear) + " to " + std::to_string(kLastYear)), std::string::npos);

    runprogram::Result version = Run({"--version"});
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, std::string("kinfold ") + KQ_VERSION + "\n");
    // Help wins over a command, which then does nothing.
    EXPECT_EQ(Run({"--print-pdf", "x.pdf", "--help"}).status, 0);
    // The window without a display: one line and exit 1, not the toolkit's abort.
    runprogram::Result window = runprogram::Run(KQ_PROGRAM, {}, dir, {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="});
    EXPECT_EQ(window.status, 1) << window.err;
    EXPECT_EQ(window.err.rfind("kinfold: ", 0), 0u) << window.err;
    EXPECT_EQ(std::count(window.err.begin(), window.err.end(), '\n'), 1) << window.err;
    EXPECT_TRUE(Files().empty()) << Files().front();
}

TEST_F(KinfoldCommandLine, BadOptionsAreOneLineAndExitTwoWithoutWritingAFile)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--bogus"},
        {"--bogus", "x.kfd"},
        {"--year", "2026"},                          // goes with --print-pdf
        {"--print-pdf"},                             // needs its file
        {"--print-pdf", "x.pdf", "--year", "abc"},   // not a year
        {"--print-pdf", "x.pdf", "--month", "13"},   // no month 13 in the Current calendar
        {"--print-pdf", "x.pdf", "--year", "2147483647"},  // beyond the years shown
        {"--print-pdf", "x.pdf", "--import", "a.ged"},
        {"--import", "a.ged", "--save", "a.kfd", "--save", "b.kfd"},
        {"--import", "a.ged", "-save", "a.kfd"},  // one dash: no toolkit takes it
        {"--holiday-sets", "x.kfd"},              // reads no document
        {"--print-pdf", "x.kfd"},                 // would print over the document
    };
    for (const auto& args : bad) {
        runprogram::Result r = Run(args);
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_EQ(r.status, 2) << joined << r.err;
        EXPECT_EQ(r.out, "") << joined;
        ASSERT_FALSE(r.err.empty()) << joined;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << joined << r.err;
    }
    EXPECT_NE(Run({"--bogus"}).err.find("--bogus"), std::string::npos);
    EXPECT_NE(Run({"--print-pdf", "x.pdf", "--year", "abc"}).err.find("\"abc\""), std::string::npos);
    EXPECT_TRUE(Files().empty()) << Files().front();
}

TEST_F(KinfoldCommandLine, BatchCommandsRunWithoutADisplay)
{
    Write("a.ged", kSmallGedcom);
    runprogram::Result imp = Run({"--import", "a.ged", "--save", "out.kfd"});
    EXPECT_EQ(imp.status, 0) << imp.err;
    EXPECT_EQ(imp.out.rfind("1 added", 0), 0u) << imp.out;
    EXPECT_TRUE(fs::exists(P("out.kfd")));

    runprogram::Result pdf = Run({"--print-pdf", "year.pdf", "--year", "2026", "--months-per-page", "12", "out.kfd"});
    EXPECT_EQ(pdf.status, 0) << pdf.err;
    std::ifstream in(P("year.pdf"), std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
    // A year alone prints January to December of that year.
    runprogram::Result text = runprogram::Run("/usr/bin/pdftotext", {"-f", "1", "-l", "1", "year.pdf", "-"}, dir);
    if (text.status == 0) {
        EXPECT_NE(text.out.find("January 2026"), std::string::npos) << text.out;
        EXPECT_NE(text.out.find("December 2026"), std::string::npos) << text.out;
        EXPECT_EQ(text.out.find("2027"), std::string::npos) << text.out;
    }
    // The toolkit's own options still reach it.
    EXPECT_EQ(Run({"-platform", "offscreen", "--print-pdf", "b.pdf", "--year", "2026", "--months-per-page", "12"}).status, 0);
    EXPECT_TRUE(fs::exists(P("b.pdf")));
    // Printing changes no setting, not even by putting in the factory holidays.
    EXPECT_FALSE(fs::exists(SettingsFile()));
    StoreSettings("[Hollidays]\nNumber=3\nNumber001=01225Christmas\n");
    EXPECT_EQ(Run({"--print-pdf", "c.pdf", "--year", "2026"}).status, 0);
    EXPECT_EQ(SettingsText(), "[Hollidays]\nNumber=3\nNumber001=01225Christmas\n");
}

TEST_F(KinfoldCommandLine, AddressBooksInAndCalendarsOut)
{
    Write("contacts.dat", "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=93lafur =\r\n"
                          "Arnalds\r\nBDAY:19861103\r\nX-ANNIVERSARY:2012-08-18\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Leap Baby\r\nBDAY:--02-29\r\nEND:VCARD\r\n");
    runprogram::Result imp = Run({"--import", "contacts.dat", "--save", "fam.kfd"});
    EXPECT_EQ(imp.status, 0) << imp.err;
    EXPECT_EQ(imp.out, "3 added, 0 merged, 0 conflicts kept (3 entries saved to fam.kfd)\n");
    // The same file again adds nothing.
    imp = Run({"--import", "contacts.dat", "fam.kfd"});
    EXPECT_EQ(imp.out.rfind("0 added, 3 merged", 0), 0u) << imp.out;

    // Neither GEDCOM nor vCard: one line, status 1, no file.
    Write("list.csv", "Name,Birthday\nAnn,1950-01-12\n");
    runprogram::Result bad = Run({"--import", "list.csv", "--save", "other.kfd"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("neither"), std::string::npos) << bad.err;
    EXPECT_EQ(bad.err.find('\n'), bad.err.size() - 1);
    EXPECT_FALSE(fs::exists(P("other.kfd")));

    // Profile 0's switches as stored: anniversaries on.
    StoreSettings("[Options]\nMarriage=1\n");
    runprogram::Result ics = Run({"--export-ics", "cal.ics", "fam.kfd"});
    EXPECT_EQ(ics.status, 0) << ics.err;
    EXPECT_EQ(ics.out, "3 events written to cal.ics (from fam.kfd)\n");
    std::ifstream in(P("cal.ics"), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str().rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 0), 0u);
    EXPECT_NE(text.str().find("SUMMARY:\xC3\x93lafur+ Arnalds (anniversary)"), std::string::npos);

    // A calendar is never written over a document, nor without one.
    auto before = fs::file_size(P("fam.kfd"));
    runprogram::Result over = Run({"--export-ics", "fam.kfd"});
    EXPECT_EQ(over.status, 2);
    EXPECT_EQ(fs::file_size(P("fam.kfd")), before);
    runprogram::Result none = Run({"--export-ics", "none.ics"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("Kinfold.kfd"), std::string::npos) << none.err;
    EXPECT_FALSE(fs::exists(P("none.ics")));
    EXPECT_EQ(Run({"--export-ics", "a.ics", "x.kfd", "y.kfd"}).status, 2);
}

TEST_F(KinfoldCommandLine, ADamagedDocumentOrAFolderIsRefusedInTheSameWordsByEveryCommand)
{
    // The window says the same (open_document_test).
    Write("bad.kfd", std::string("\x09\x00\x00\x00", 4));
    fs::create_directories(dir / "folder.kfd");
    Write("a.ged", kSmallGedcom);
    const std::pair<std::string, std::string> cases[] = {
        {P("bad.kfd"), "\"" + P("bad.kfd") + "\" is not a Kinfold document or is damaged."},
        {P("folder.kfd"), "Cannot read \"" + P("folder.kfd") + "\": it is a folder."},
    };
    for (const auto& [doc, words] : cases) {
        for (const std::vector<std::string>& args : {std::vector<std::string>{"--import", P("a.ged"), doc},
                                                     {"--export-ics", P("out.ics"), doc},
                                                     {"--print-pdf", P("out.pdf"), doc}}) {
            runprogram::Result r = Run(args);
            EXPECT_EQ(r.status, 1) << args[0] << " " << doc;
            EXPECT_EQ(r.err, "kinfold: " + words + "\n") << args[0];
        }
    }
    EXPECT_FALSE(fs::exists(P("out.ics")));
    EXPECT_FALSE(fs::exists(P("out.pdf")));

    // A PDF that cannot be written: one line with the reason, nothing left behind.
    for (const std::string& pdf : {dir.string(), P("no/such/out.pdf")}) {
        runprogram::Result r = Run({"--print-pdf", pdf});
        EXPECT_EQ(r.status, 1) << pdf;
        EXPECT_EQ(r.err.rfind("kinfold: Cannot write " + pdf + ": ", 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_FALSE(fs::exists(dir / "no"));
}

TEST_F(KinfoldCommandLine, PrintAndExportSayHowManyEntriesTheyLeaveOut)
{
    // An older list with a day April does not have and a month 13.
    BirthdayList list;
    for (const auto& [m, d, text] : {std::tuple{4, 31, "April 31"}, {13, 2, "Month 13"}, {5, 5, "Fine"}}) {
        BirthdayEntry e(CalendarDate(m, d, 1980));
        e.text = text;
        e.kind = BirthdayEntry::Individual;
        list.AddOrMerge(e);
    }
    std::string error;
    ASSERT_TRUE(SaveKfdFile(P("old.kfd"), list, error)) << error;
    const std::string said = "2 entries left out, as their dates cannot be (mend them with Edit > List)\n";
    runprogram::Result ics = Run({"--export-ics", "cal.ics", "old.kfd"});
    EXPECT_EQ(ics.status, 0) << ics.err;
    EXPECT_EQ(ics.out, "1 event written to cal.ics (from old.kfd); " + said);
    runprogram::Result pdf = Run({"--print-pdf", "cal.pdf", "--year", "2024", "old.kfd"});
    EXPECT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_EQ(pdf.out, said);
    // A print with nothing left out says nothing, as before.
    EXPECT_EQ(Run({"--print-pdf", "empty.pdf", "--year", "2024"}).out, "");
}

TEST(PrintPdfOptions, ReadFromTheCommandLine)
{
    PrintPdfOptions o;
    EXPECT_EQ(ReadOptions({"--print-pdf", "a.pdf", "--year", "2026", "--month", "3", "--months-per-page", "6",
                           "--calendar", "2", "--paper", "A4", "--portrait", "x.kfd"},
                          o),
              QString());
    EXPECT_EQ(o.output, "a.pdf");
    EXPECT_EQ(o.year, 2026);
    EXPECT_EQ(o.month, 3);
    EXPECT_EQ(o.monthsPerPage, 6);
    EXPECT_EQ(o.calendar, 2);
    EXPECT_EQ(o.paperCode, 9);
    EXPECT_TRUE(o.portrait);
    EXPECT_EQ(o.document, "x.kfd");

    const std::vector<std::vector<std::string>> bad = {
        {"--print-pdf"},
        {"--print-pdf", "a.pdf", "--months-per-page", "4"},
        {"--print-pdf", "a.pdf", "--year", "0"},
        {"--print-pdf", "a.pdf", "--year", "12abc"},
        {"--print-pdf", "a.pdf", "--year", "2147483647"},
        {"--print-pdf", "a.pdf", "--year", "-2147483647"},
        {"--print-pdf", "a.pdf", "--year", std::to_string(kLastYear + 1)},
        {"--print-pdf", "a.pdf", "--year", std::to_string(kFirstYear - 1)},
        {"--print-pdf", "a.pdf", "--year", "99999999999"},
        {"--print-pdf", "a.pdf", "--paper", "Napkin"},
        {"--print-pdf", "a.pdf", "--bogus"},
        {"--print-pdf", "a.pdf", "--portrait", "--landscape"},
        {"--print-pdf", "a.pdf", "x.kfd", "y.kfd"},
    };
    for (const auto& args : bad) {
        PrintPdfOptions b;
        EXPECT_NE(ReadOptions(args, b), QString()) << args.back();
    }
    for (int year : {kFirstYear, kLastYear}) {
        PrintPdfOptions b;
        EXPECT_EQ(ReadOptions({"--print-pdf", "a.pdf", "--year", std::to_string(year)}, b), QString());
        EXPECT_EQ(b.year, year);
    }
}

TEST(PrintPdfOptions, MonthThirteenOnlyInMoonYearsThatHaveIt)
{
    ASSERT_EQ(MoonMonthsInYear(2000), 13);
    ASSERT_EQ(MoonMonthsInYear(2001), 12);
    for (const char* calendar : {"2", "3"}) {
        PrintPdfOptions o;
        EXPECT_EQ(ReadOptions({"--print-pdf", "a.pdf", "--calendar", calendar, "--year", "2000", "--month", "13"}, o),
                  QString());
        EXPECT_EQ(o.month, 13);
        // The order of the options does not matter.
        EXPECT_EQ(ReadOptions({"--print-pdf", "a.pdf", "--month", "13", "--year", "2000", "--calendar", calendar}, o),
                  QString());
        QString err = ReadOptions({"--print-pdf", "a.pdf", "--calendar", calendar, "--year", "2001", "--month", "13"}, o);
        EXPECT_TRUE(err.contains("2001")) << err.toStdString();
    }
    PrintPdfOptions o;
    EXPECT_NE(ReadOptions({"--print-pdf", "a.pdf", "--calendar", "1", "--year", "2000", "--month", "13"}, o), QString());
    // Without --year, the moon year of today: on 10 January 2001 still moon year 2000.
    const double jan10 = GregorianDate(1, 10, 2001).DayNumber();
    ASSERT_EQ(MoonDate(jan10).year, 2000);
    PrintPdfOptions january, march;
    EXPECT_EQ(ReadOptions({"--print-pdf", "a.pdf", "--calendar", "2", "--month", "13"}, january, jan10), QString());
    EXPECT_NE(ReadOptions({"--print-pdf", "a.pdf", "--calendar", "2", "--month", "13"}, march,
                          GregorianDate(3, 1, 2001).DayNumber()),
              QString());
    EXPECT_EQ(ReadOptions({"--print-pdf", "a.pdf", "--month", "14", "--calendar", "2"}, o),
              "--month: \"14\" is no month from 1 to 12, or 13 in a moon year of 13 months");
}
