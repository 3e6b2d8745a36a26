// SPDX-License-Identifier: GPL-3.0-or-later
// The export is read back with the calendar library and its recurrences expanded, as a phone does.
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <map>
#include <set>
#include <vector>
#include "view/core/CalendarExport.h"

namespace {

BirthdayEntry Entry(const char* text, uint16_t kind, int year, int month, int day)
{
    BirthdayEntry e(CalendarDate(month, day, year));
    e.text = text;
    e.kind = kind;
    return e;
}

struct Event {
    std::string uid, summary, description, rrule;
    icaltimetype start{};
    std::vector<std::string> occurrences;  // "YYYY-MM-DD" within the years asked
    bool hasStamp = false;
};

std::string Day(const icaltimetype& t)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.year, t.month, t.day);
    return buf;
}

// Parses the file and expands every event from `fromYear` to `toYear`, keyed by summary.
std::map<std::string, Event> ReadBack(const std::string& text, int fromYear, int toYear)
{
    std::map<std::string, Event> events;
    icalcomponent* cal = icalparser_parse_string(text.c_str());
    EXPECT_TRUE(cal);
    if (!cal) return events;
    EXPECT_EQ(icalcomponent_isa(cal), ICAL_VCALENDAR_COMPONENT);
    EXPECT_STREQ(icalproperty_get_version(icalcomponent_get_first_property(cal, ICAL_VERSION_PROPERTY)), "2.0");
    EXPECT_TRUE(icalcomponent_get_first_property(cal, ICAL_PRODID_PROPERTY));
    for (icalcomponent* ev = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); ev;
         ev = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        Event e;
        e.uid = icalcomponent_get_uid(ev);
        e.summary = icalcomponent_get_summary(ev);
        if (const char* d = icalcomponent_get_description(ev)) e.description = d;
        e.hasStamp = icalcomponent_get_first_property(ev, ICAL_DTSTAMP_PROPERTY) != nullptr;
        e.start = icalcomponent_get_dtstart(ev);
        icalproperty* rp = icalcomponent_get_first_property(ev, ICAL_RRULE_PROPERTY);
        EXPECT_TRUE(rp) << e.summary;
        if (rp) {
            icalrecurrencetype rule = icalproperty_get_rrule(rp);
            e.rrule = icalrecurrencetype_as_string(&rule);
            icalrecur_iterator* it = icalrecur_iterator_new(rule, e.start);
            for (icaltimetype t = icalrecur_iterator_next(it); !icaltime_is_null_time(t) && t.year <= toYear;
                 t = icalrecur_iterator_next(it))
                if (t.year >= fromYear) e.occurrences.push_back(Day(t));
            icalrecur_iterator_free(it);
        }
        events[e.summary] = e;
    }
    icalcomponent_free(cal);
    return events;
}

CalendarExportOptions Options(uint32_t switches = 0, int leapDay = 0)
{
    CalendarExportOptions o;
    o.switches = DisplaySwitches(switches);
    o.leapDay = LeapDayRuleFromStored(leapDay);
    o.stamp = 1765000000;  // 6 December 2025
    return o;
}

const uint32_t kAnniversaries = 1u << DisplaySwitches::Anniversaries;
const uint32_t kNotes = 1u << DisplaySwitches::Notes;
const uint32_t kDead = 1u << DisplaySwitches::DeadBirthdays;

} // namespace

TEST(CalendarExport, FileShapeAndEvents)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Ann Smith", BirthdayEntry::Individual, 1950, 1, 12));
    list.AddOrMerge(Entry("Joe+Mary Smith", BirthdayEntry::Couple, 1975, 6, 5));
    list.AddOrMerge(Entry("Dr at 4PM, bring X-rays; \\ ask", BirthdayEntry::Note, 2024, 3, 1));
    list.AddOrMerge(Entry("Nobody", 0, 1960, 1, 1));
    // A long name in UTF-8, so that folding meets multi-byte characters.
    std::string longName;
    for (int i = 0; i < 12; ++i) longName += "\xC3\x93lafur\xE2\x82\xAC ";
    longName += "Arnalds";
    list.AddOrMerge(Entry(longName.c_str(), BirthdayEntry::Individual, 1986, 11, 3));

    int count = 0;
    std::string text = ExportCalendar(list, Options(kAnniversaries | kNotes), &count);
    EXPECT_EQ(count, 4);

    // CR LF everywhere, no line longer than 75 octets, each line valid UTF-8 on its own.
    size_t pos = 0, lines = 0;
    while (pos < text.size()) {
        size_t end = text.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "last line without CR LF";
        std::string line = text.substr(pos, end - pos);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_TRUE(IsValidUtf8(line)) << line;
        pos = end + 2;
        ++lines;
    }
    EXPECT_GT(lines, 20u);
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:19500112\r\n"), std::string::npos);
    EXPECT_NE(text.find("Dr at 4PM\\, bring X-rays\\; \\\\ ask"), std::string::npos);

    std::map<std::string, Event> ev = ReadBack(text, 2023, 2025);
    ASSERT_EQ(ev.size(), 4u);
    const Event& ann = ev["Ann Smith (birthday)"];
    EXPECT_TRUE(ann.hasStamp);
    EXPECT_TRUE(ann.start.is_date);
    EXPECT_EQ(ann.description, "Born 1950");
    EXPECT_EQ(ann.occurrences, (std::vector<std::string>{"2023-01-12", "2024-01-12", "2025-01-12"}));
    const Event& couple = ev["Joe+Mary Smith (anniversary)"];
    EXPECT_EQ(couple.description, "Married 1975");
    EXPECT_EQ(couple.occurrences.size(), 3u);
    const Event& note = ev["Dr at 4PM, bring X-rays; \\ ask"];
    EXPECT_TRUE(note.description.empty());
    EXPECT_EQ(note.occurrences, (std::vector<std::string>{"2024-03-01", "2025-03-01"}));
    EXPECT_EQ(ev[longName + " (birthday)"].occurrences.size(), 3u);
    for (const auto& [summary, e] : ev) EXPECT_TRUE(e.hasStamp) << summary;
}

TEST(CalendarExport, DisplaySwitchesChooseEntries)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Ann Smith", BirthdayEntry::Individual, 1950, 1, 12));
    list.AddOrMerge(Entry("Joe+Mary Smith", BirthdayEntry::Couple, 1975, 6, 5));
    list.AddOrMerge(Entry("Dentist", BirthdayEntry::Note, 2024, 3, 1));
    // Dates no calendar can show are left out.
    list.AddOrMerge(Entry("No Month", BirthdayEntry::Individual, 1950, 0, 12));
    list.AddOrMerge(Entry("Thirty February", BirthdayEntry::Individual, 1950, 2, 30));
    int count = 0;
    ExportCalendar(list, Options(), &count);
    EXPECT_EQ(count, 1);
    ExportCalendar(list, Options(kAnniversaries), &count);
    EXPECT_EQ(count, 2);
    ExportCalendar(list, Options(kNotes), &count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(ExportCalendar(BirthdayList(), Options(), &count).find("BEGIN:VEVENT"), std::string::npos);
    EXPECT_EQ(count, 0);
}

TEST(CalendarExport, NoYearAndLeapDay)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Leap Born", BirthdayEntry::Individual, 1952, 2, 29));
    list.AddOrMerge(Entry("Leap No Year", BirthdayEntry::Individual, 0, 2, 29));
    list.AddOrMerge(Entry("Ann No Year", BirthdayEntry::Individual, 0, 1, 12));

    // 0: 28 February in common years.
    std::map<std::string, Event> ev = ReadBack(ExportCalendar(list, Options(0, 0)), 2023, 2025);
    EXPECT_EQ(ev["Leap Born (birthday)"].occurrences,
              (std::vector<std::string>{"2023-02-28", "2024-02-29", "2025-02-28"}));
    EXPECT_EQ(ev["Leap No Year (birthday)"].occurrences,
              (std::vector<std::string>{"2023-02-28", "2024-02-29", "2025-02-28"}));
    // A year not given starts in 2000 and says no year.
    EXPECT_EQ(Day(ev["Ann No Year (birthday)"].start), "2000-01-12");
    EXPECT_EQ(Day(ev["Leap No Year (birthday)"].start), "2000-02-29");
    EXPECT_TRUE(ev["Ann No Year (birthday)"].description.empty());
    EXPECT_EQ(ev["Leap Born (birthday)"].description, "Born 1952");

    // 1: 1 March in common years.
    ev = ReadBack(ExportCalendar(list, Options(0, 1)), 2023, 2025);
    EXPECT_EQ(ev["Leap Born (birthday)"].occurrences,
              (std::vector<std::string>{"2023-03-01", "2024-02-29", "2025-03-01"}));
    EXPECT_NE(ev["Leap Born (birthday)"].rrule.find("BYYEARDAY=60"), std::string::npos);

    // 2: leap years only.
    ev = ReadBack(ExportCalendar(list, Options(0, 2)), 2023, 2029);
    EXPECT_EQ(ev["Leap No Year (birthday)"].occurrences, (std::vector<std::string>{"2024-02-29", "2028-02-29"}));
    EXPECT_EQ(ev["Leap Born (birthday)"].rrule, "FREQ=YEARLY");
    EXPECT_EQ(ev["Ann No Year (birthday)"].occurrences.size(), 7u);
}

TEST(CalendarExport, DeathEndsBirthdaysUnlessDeadShown)
{
    BirthdayList list;
    BirthdayEntry dead = Entry("Grace /Hopper/", BirthdayEntry::Individual, 1906, 12, 9);
    dead.endDate = CalendarDate(1, 1, 1992);
    list.AddOrMerge(dead);
    BirthdayEntry monthOnly = Entry("Month Only", BirthdayEntry::Individual, 1950, 3, 20);
    monthOnly.endDate = CalendarDate(3, 0, 1990);  // died in March 1990, day unknown
    list.AddOrMerge(monthOnly);
    BirthdayEntry yearOnly = Entry("Year Only", BirthdayEntry::Individual, 1950, 3, 20);
    yearOnly.endDate = CalendarDate(0, 0, 1990);   // died in 1990
    list.AddOrMerge(yearOnly);
    BirthdayEntry noYear = Entry("No Year Dead", BirthdayEntry::Individual, 0, 5, 1);
    noYear.endDate = CalendarDate(6, 1, 1980);
    list.AddOrMerge(noYear);

    std::map<std::string, Event> ev = ReadBack(ExportCalendar(list, Options()), 1988, 1993);
    EXPECT_EQ(ev["Grace Hopper (birthday)"].occurrences,
              (std::vector<std::string>{"1988-12-09", "1989-12-09", "1990-12-09", "1991-12-09"}));
    EXPECT_NE(ev["Grace Hopper (birthday)"].rrule.find("UNTIL=19920101"), std::string::npos);
    // A death known to the month or the year ends the birthdays after that month or year.
    EXPECT_EQ(ev["Month Only (birthday)"].occurrences,
              (std::vector<std::string>{"1988-03-20", "1989-03-20", "1990-03-20"}));
    EXPECT_NE(ev["Month Only (birthday)"].rrule.find("UNTIL=19900331"), std::string::npos);
    EXPECT_EQ(ev["Year Only (birthday)"].occurrences.size(), 3u);
    EXPECT_NE(ev["Year Only (birthday)"].rrule.find("UNTIL=19901231"), std::string::npos);
    // Without a year of its own, the event still starts before the death.
    ev = ReadBack(ExportCalendar(list, Options()), 1975, 1985);
    EXPECT_EQ(ev["No Year Dead (birthday)"].occurrences.back(), "1980-05-01");

    ev = ReadBack(ExportCalendar(list, Options(kDead)), 1988, 1993);
    EXPECT_EQ(ev["Grace Hopper (birthday)"].occurrences.size(), 6u);
    EXPECT_EQ(ev["Grace Hopper (birthday)"].rrule, "FREQ=YEARLY");
}

TEST(CalendarExport, UidFollowsKindAndText)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Ann Smith", BirthdayEntry::Individual, 1950, 1, 12));
    list.AddOrMerge(Entry("Joe+Mary Smith", BirthdayEntry::Couple, 1975, 6, 5));
    std::map<std::string, Event> before = ReadBack(ExportCalendar(list, Options(kAnniversaries)), 2024, 2024);

    // Other entries added before and after, and a changed date, keep the UIDs.
    BirthdayList more;
    more.AddOrMerge(Entry("Aaron First", BirthdayEntry::Individual, 1940, 1, 1));
    more.AddOrMerge(Entry("Ann Smith", BirthdayEntry::Individual, 1951, 1, 13));
    more.AddOrMerge(Entry("Joe+Mary Smith", BirthdayEntry::Couple, 1975, 6, 5));
    more.AddOrMerge(Entry("Ann Smyth", BirthdayEntry::Individual, 1950, 1, 12));
    std::map<std::string, Event> after = ReadBack(ExportCalendar(more, Options(kAnniversaries)), 2024, 2024);
    EXPECT_EQ(before["Ann Smith (birthday)"].uid, after["Ann Smith (birthday)"].uid);
    EXPECT_EQ(before["Joe+Mary Smith (anniversary)"].uid, after["Joe+Mary Smith (anniversary)"].uid);

    std::set<std::string> uids;
    for (const auto& [summary, e] : after) uids.insert(e.uid);
    EXPECT_EQ(uids.size(), after.size());
    EXPECT_NE(CalendarEventUid(Entry("Ann", BirthdayEntry::Individual, 1, 1, 1)),
              CalendarEventUid(Entry("Ann", BirthdayEntry::Note, 1, 1, 1)));
}

TEST(CalendarExport, OldCodePageTextsAndControlCharacters)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Ren\xE9" "e\tDupr\xE9", BirthdayEntry::Individual, 1970, 7, 4));
    std::string text = ExportCalendar(list, Options());
    std::map<std::string, Event> ev = ReadBack(text, 2024, 2024);
    ASSERT_EQ(ev.size(), 1u);
    EXPECT_EQ(ev.begin()->first, "Ren\xC3\xA9" "e Dupr\xC3\xA9 (birthday)");
}

TEST(CalendarExport, WritesFileOrSaysWhy)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Ann Smith", BirthdayEntry::Individual, 1950, 1, 12));
    std::string dir = ::testing::TempDir();
    std::string path = dir + "/export_test.ics";
    int events = 0;
    std::string error;
    ASSERT_TRUE(ExportCalendarFile(path, list, Options(), events, error)) << error;
    EXPECT_EQ(events, 1);
    EXPECT_FALSE(ExportCalendarFile(dir + "/no/such/folder/x.ics", list, Options(), events, error));
    EXPECT_NE(error.find("x.ics"), std::string::npos);
    std::remove(path.c_str());
}

TEST(CalendarExport, RemindersBecomeAlarmsAtTheTimeOfTheirDay)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Bob Jones", BirthdayEntry::Individual, 2000, 3, 5));
    CalendarExportOptions o = Options();
    o.alarmDays = {7, 1, 0};
    o.alarmMinutes = 9 * 60;
    const std::string text = ExportCalendar(list, o);
    EXPECT_NE(text.find("TRIGGER:-P6DT15H\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("TRIGGER:PT9H\r\n"), std::string::npos) << text;

    // The instants a phone rings at: the trigger from the all-day start at local midnight.
    icalcomponent* cal = icalparser_parse_string(text.c_str());
    ASSERT_TRUE(cal);
    icalcomponent* ev = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT);
    ASSERT_TRUE(ev);
    icaltimetype start = icalcomponent_get_dtstart(ev);
    start.is_date = 0;
    std::vector<std::string> instants;
    for (icalcomponent* a = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(ev, ICAL_VALARM_COMPONENT)) {
        EXPECT_EQ(icalproperty_get_action(icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY)), ICAL_ACTION_DISPLAY);
        EXPECT_STREQ(icalcomponent_get_description(a), "Bob Jones (birthday)");
        const icaltriggertype trigger = icalproperty_get_trigger(icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY));
        instants.push_back(icaltime_as_ical_string(icaltime_add(start, trigger.duration)));
    }
    EXPECT_EQ(instants, (std::vector<std::string>{"20000227T090000", "20000304T090000", "20000305T090000"}));
    icalcomponent_free(cal);

    o.alarmDays.clear();
    EXPECT_EQ(ExportCalendar(list, o).find("VALARM"), std::string::npos);
}

TEST(CalendarExport, WhatWasLeftOutIsCounted)
{
    BirthdayList list;
    list.AddOrMerge(Entry("Ann Smith", BirthdayEntry::Individual, 1950, 1, 12));
    BirthdayEntry dead = Entry("Olga Old", BirthdayEntry::Individual, 1900, 3, 2);
    dead.endDate = CalendarDate(1, 1, 1980);
    list.AddOrMerge(dead);
    list.AddOrMerge(Entry("Joe+Mary Smith", BirthdayEntry::Couple, 1975, 6, 5));
    list.AddOrMerge(Entry("Bad Date", BirthdayEntry::Individual, 1975, 4, 31));
    list.AddOrMerge(Entry("Dentist", BirthdayEntry::Note, 2024, 3, 1));
    CalendarLeftOut left;
    EXPECT_EQ(CalendarEvents(list, Options(), &left).size(), 2u);
    EXPECT_EQ(ExportLeftOutText(left), "left out: 1 anniversary, 1 note; 1 entry left out, as its date cannot be "
                                       "(mend it with Edit > List); 1 birthday ends at the death date");
    CalendarExportOptions o = Options(kAnniversaries | kNotes | kDead);
    o.birthdays = false;
    EXPECT_EQ(CalendarEvents(list, o, &left).size(), 2u);
    EXPECT_EQ(ExportLeftOutText(left), "left out: 3 birthdays");
    EXPECT_EQ(ExportLeftOutText(CalendarLeftOut{}), "nothing left out");
}
