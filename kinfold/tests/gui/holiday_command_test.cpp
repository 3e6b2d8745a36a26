// SPDX-License-Identifier: GPL-3.0-or-later
// The holiday commands of Kinfold's command line, run as a user runs them, without a display.
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include "ProgramFolder.h"
#include "holidays/CountrySets.h"

namespace fs = std::filesystem;

namespace {

class HolidayCommands : public ProgramFolder {
protected:
    HolidayCommands() : ProgramFolder("kinfold-holidays-") {}

    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(dir))
            if (e.is_regular_file()) names.push_back(e.path().lexically_relative(dir));
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace

TEST_F(HolidayCommands, SetsAreListedOneALineCodeFirst)
{
    runprogram::Result r = Run({"--holiday-sets"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::string expected;
    for (const CountrySet& set : CountrySets()) expected += std::string(set.code) + " " + set.name + "\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.out.rfind("US United States\n", 0), 0u);
    EXPECT_NE(r.out.find("\nGB United Kingdom\n"), std::string::npos);
    EXPECT_TRUE(Files().empty());
}

TEST_F(HolidayCommands, ListOfASetInDateOrderWithSubstitutes)
{
    // 2021: Easter 4 April; Christmas on a Saturday, Boxing Day on a Sunday.
    runprogram::Result r = Run({"--list-holidays", "2021", "--holidays", "gb"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "2021-01-01 New Year's Day\n"
              "2021-04-02 Good Friday\n"
              "2021-04-05 Easter Monday\n"
              "2021-05-03 Early May bank holiday\n"
              "2021-05-31 Spring bank holiday\n"
              "2021-08-30 Summer bank holiday\n"
              "2021-12-25 Christmas Day\n"
              "2021-12-26 Boxing Day\n"
              "2021-12-27 Christmas Day (substitute day)\n"
              "2021-12-28 Boxing Day (substitute day)\n");
    EXPECT_TRUE(Files().empty());
}

TEST_F(HolidayCommands, ListOfTheStoredListLeavesTheStoreAlone)
{
    // Nothing stored: the factory list, and still nothing written.
    runprogram::Result r = Run({"--list-holidays", "2024"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("2024-01-01 New Years Day\n2024-01-15 Martin Luther King Day\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n2024-04-15 Tax Day\n"), std::string::npos);  // 14 April 2024 a Sunday
    EXPECT_TRUE(Files().empty()) << Files().front();

    const std::string stored = "[Hollidays]\nNumber=3\nNumber001=51225Christmas Day\nNumber002=3-02Good Friday\n"
                               "Number003=Z9999Some later kind\n";
    StoreSettings(stored);
    r = Run({"--list-holidays", "2027"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2027-03-26 Good Friday\n2027-12-25 Christmas Day\n2027-12-27 Christmas Day (substitute day)\n");
    EXPECT_EQ(SettingsText(), stored);
}

TEST_F(HolidayCommands, BadCodesYearsAndPairingsFailWithStatusTwoAndWriteNothing)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--list-holidays", "2024", "--holidays", "XX"},
             {"--print-pdf", "out.pdf", "--holidays", "ZZ"},
             {"--list-holidays", "twenty"},
             {"--list-holidays", "0"},
             {"--list-holidays", "11401"},
             {"--list-holidays", "-9901"},
             {"--list-holidays", "2024", "doc.kfd"},
             {"--holidays", "GB"},
             {"--holiday-sets", "--list-holidays", "2024"}}) {
        runprogram::Result r = Run(args);
        EXPECT_EQ(r.status, 2) << args[0] << " " << args[1];
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_TRUE(Files().empty());
    }
    runprogram::Result r = Run({"--list-holidays", "2024", "--holidays", "XX"});
    EXPECT_NE(r.err.find("\"XX\""), std::string::npos) << r.err;
    // The years of --year, both ends.
    r = Run({"--list-holidays", "11400", "--holidays", "FR"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("11400-01-01 Jour de l'an\n", 0), 0u) << r.out;
    r = Run({"--list-holidays", "-9900", "--holidays", "FR"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("-9900-01-01 Jour de l'an\n", 0), 0u) << r.out;
}

TEST_F(HolidayCommands, PrintWithASetKeepsTheStoredList)
{
    const std::string stored = "[Hollidays]\nNumber=1\nNumber001=00704Independence Day\n";
    StoreSettings(stored);
    runprogram::Result r = Run({"--print-pdf", (dir / "gb.pdf").string(), "--year", "2021", "--holidays", "GB"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_GT(fs::file_size(dir / "gb.pdf"), 1000u);
    // The stored list is as it was (the print may store display settings of its own).
    const std::string after = SettingsText();
    const size_t at = after.find("[Hollidays]\n");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(after.substr(at, after.find("\n[", at + 1) == std::string::npos ? std::string::npos
                                                                               : after.find("\n[", at + 1) + 1 - at),
              stored);
}

TEST_F(HolidayCommands, ImportOfACalendarFileAddsToTheListInEffect)
{
    const std::string data = std::string(KQ_SOURCE_DIR) + "/kinfold/tests/core/data/ics/";
    const std::string stored = "[Hollidays]\nNumber=1\nNumber001=00704Independence Day\n";
    StoreSettings(stored);
    for (const char* damaged : {"damaged.ics", "truncated.ics", "notcalendar.ics"}) {
        runprogram::Result r = Run({"--import-holidays", data + damaged});
        EXPECT_EQ(r.status, 2) << damaged;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(damaged), std::string::npos) << r.err;
        EXPECT_EQ(SettingsText(), stored);
    }
    EXPECT_EQ(Run({"--import-holidays", (dir / "missing.ics").string()}).status, 1);
    EXPECT_EQ(Run({"--import-holidays", data + "holidays.ics", "--holidays", "GB"}).status, 2);
    EXPECT_EQ(SettingsText(), stored);

    runprogram::Result r = Run({"--import-holidays", data + "holidays.ics"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, data + "holidays.ics: 13 holidays from 8 all-day events, 2 timed events skipped\n");
    const std::string after = SettingsText();
    EXPECT_NE(after.find("Number=14\n"), std::string::npos) << after;
    EXPECT_NE(after.find("Number001=00704Independence Day\n"), std::string::npos) << after;
    EXPECT_NE(after.find("Number003=11144Thanksgiving\n"), std::string::npos) << after;
    r = Run({"--list-holidays", "2024"});
    EXPECT_NE(r.out.find("2024-07-04 Independence Day\n2024-10-21 Autumn break\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("2024-11-28 Thanksgiving\n"), std::string::npos) << r.out;

    // Nothing stored: the factory list is the one in effect.
    fs::remove(SettingsFile());
    r = Run({"--import-holidays", data + "holidays.ics"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(SettingsText().find("Number=32\n"), std::string::npos);

    // A name from the file cannot send the terminal an escape sequence.
    std::ofstream(dir / "odd.ics", std::ios::binary)
        << "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:o\r\n"
           "DTSTART;VALUE=DATE:20240303\r\nSUMMARY:Odd\x1b[31mDay\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    ASSERT_EQ(Run({"--import-holidays", (dir / "odd.ics").string()}).status, 0);
    r = Run({"--list-holidays", "2024"});
    EXPECT_NE(r.out.find("2024-03-03 Odd [31mDay\n"), std::string::npos) << r.out;
}
