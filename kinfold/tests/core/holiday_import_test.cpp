// SPDX-License-Identifier: GPL-3.0-or-later
// Holidays from iCalendar files: each kind of all-day event, timed events, damaged files.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "holidays/HolidayImport.h"

namespace {

std::string Data(const char* name) {
    std::ifstream in(std::string(KQ_SOURCE_DIR) + "/kinfold/tests/core/data/ics/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Texts(const std::vector<Holiday>& holidays) {
    std::vector<std::string> texts;
    for (const Holiday& h : holidays)
        texts.push_back(h.ToText());
    return texts;
}

}  // namespace

TEST(HolidayImport, EachKindOfEventBecomesItsRule) {
    std::vector<Holiday> out{Holiday(12, 25, "Already there")};
    HolidayImportCounts counts;
    std::string error;
    ASSERT_TRUE(HolidaysFromICalendar(Data("holidays.ics"), out, counts, error)) << error;
    EXPECT_EQ(Texts(out), (std::vector<std::string>{
                              "01225Already there",
                              "00101New Year",                        // yearly on a date
                              "11144Thanksgiving",                    // the fourth Thursday of November
                              "10561Last Monday of May",              // BYDAY=-1MO: the last
                              "Y2021202300930Three years",            // from its start to its UNTIL
                              "920220919Once",                        // a single event
                              "920241021Autumn break", "920241022Autumn break", "920241023Autumn break",
                              "920250301Monthly", "920250401Monthly", "920250501Monthly",
                              "920230501May Day", "920250501May Day",  // an EXDATE: its days
                          }));
    EXPECT_EQ(counts.events, 8);
    EXPECT_EQ(counts.holidays, 13);
    EXPECT_EQ(counts.timed, 2);
    EXPECT_EQ(counts.Line(), "13 holidays from 8 all-day events, 2 timed events skipped");
}

TEST(HolidayImport, DamagedFilesAreRefusedWithoutAdding) {
    for (const char* name : {"damaged.ics", "truncated.ics", "notcalendar.ics"}) {
        std::vector<Holiday> out;
        HolidayImportCounts counts;
        std::string error;
        EXPECT_FALSE(HolidaysFromICalendar(Data(name), out, counts, error)) << name;
        EXPECT_TRUE(out.empty()) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    std::vector<Holiday> out;
    HolidayImportCounts counts;
    std::string error;
    EXPECT_FALSE(HolidaysFromICalendar("", out, counts, error));
    EXPECT_FALSE(HolidaysFromICalendar(Data("truncated.ics"), out, counts, error));
    EXPECT_NE(error.find("END:VCALENDAR"), std::string::npos) << error;
    EXPECT_FALSE(HolidaysFromICalendar(Data("damaged.ics"), out, counts, error));
    EXPECT_NE(error.find("X-LIC-PARSEERROR"), std::string::npos) << error;
}

TEST(HolidayImport, ADailyEventIsCutShort) {
    const std::string ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:d\r\n"
                            "DTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20000101\r\nRRULE:FREQ=DAILY\r\n"
                            "SUMMARY:Every day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    std::vector<Holiday> out;
    HolidayImportCounts counts;
    std::string error;
    ASSERT_TRUE(HolidaysFromICalendar(ics, out, counts, error)) << error;
    EXPECT_EQ(out.size(), static_cast<size_t>(kMaxDaysPerEvent));
    EXPECT_EQ(counts.cut, 1);
}
