// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "birthdays/BirthdayList.h"
#include "platform/Archive.h"

namespace {

BirthdayEntry Person(const char* text, int month, int day, int year)
{
    BirthdayEntry e(CalendarDate(month, day, year));
    e.text = text;
    e.kind = BirthdayEntry::Individual;
    return e;
}

struct Question {
    CString text, word, a, b;
};

// Records every question and answers with a fixed choice.
struct Recorder {
    std::vector<Question> asked;
    DateChoice answer = DateChoice::B;
    ChooseDateCallback Callback()
    {
        return [this](const CString& t, const CString& w, const CString& a, const CString& b) {
            asked.push_back({t, w, a, b});
            return answer;
        };
    }
};

} // namespace

TEST(BirthdayEntry, ShowsOnYearsAndDeath)
{
    BirthdayEntry e = Person("Ann", 5, 3, 1950);
    int years = 99;
    EXPECT_FALSE(e.ShowsOn(CalendarDate(5, 3, 1949), DisplaySwitches(), years));
    EXPECT_EQ(years, -1);
    EXPECT_TRUE(e.ShowsOn(CalendarDate(5, 3, 1950), DisplaySwitches(), years));
    EXPECT_EQ(years, 0);

    BirthdayEntry dead = Person("Bob", 3, 10, 1920);
    dead.endDate = CalendarDate(3, 10, 1990);
    EXPECT_TRUE(dead.ShowsOn(CalendarDate(3, 10, 1990), DisplaySwitches(), years));
    EXPECT_EQ(years, 70);
    EXPECT_FALSE(dead.ShowsOn(CalendarDate(3, 10, 1991), DisplaySwitches(), years));
    EXPECT_EQ(years, 71);
    DisplaySwitches dead0;
    dead0.Set(DisplaySwitches::DeadBirthdays);
    EXPECT_TRUE(dead.ShowsOn(CalendarDate(3, 10, 1991), dead0, years));

    // A death known to the year or the month ends the entry after that year or month.
    dead.endDate = CalendarDate(0, 0, 1990);
    EXPECT_TRUE(dead.ShowsOn(CalendarDate(3, 10, 1990), DisplaySwitches(), years));
    EXPECT_FALSE(dead.ShowsOn(CalendarDate(3, 10, 1991), DisplaySwitches(), years));
    EXPECT_TRUE(dead.ShowsOn(CalendarDate(3, 10, 1991), dead0, years));
    dead.endDate = CalendarDate(3, 0, 1990);
    EXPECT_TRUE(dead.ShowsOn(CalendarDate(3, 31, 1990), DisplaySwitches(), years));
    EXPECT_TRUE(dead.EndedBy(CalendarDate(4, 1, 1990)));
    EXPECT_FALSE(dead.EndedBy(CalendarDate(3, 31, 1990)));
    EXPECT_FALSE(dead.ShowsOn(CalendarDate(3, 10, 1991), DisplaySwitches(), years));
}

TEST(BirthdayEntry, KindsNeedTheirSwitches)
{
    BirthdayEntry couple = Person("Joe+Mary Smith", 6, 5, 1975);
    couple.kind = BirthdayEntry::Couple;
    BirthdayEntry note = Person("Dr at 4PM", 6, 5, 2020);
    note.kind = BirthdayEntry::Note;
    BirthdayEntry none = Person("nothing", 6, 5, 2000);
    none.kind = 0;
    DisplaySwitches s;
    int years;
    CalendarDate day(6, 5, 2021);
    EXPECT_FALSE(couple.ShowsOn(day, s, years));
    EXPECT_FALSE(note.ShowsOn(day, s, years));
    EXPECT_TRUE(s.Toggle(DisplaySwitches::Anniversaries));
    EXPECT_TRUE(couple.ShowsOn(day, s, years));
    EXPECT_EQ(years, 46);
    EXPECT_FALSE(note.ShowsOn(day, s, years));
    s.Set(DisplaySwitches::Notes);
    EXPECT_TRUE(note.ShowsOn(day, s, years));
    s.SetBits(0xFFFFFFFFu);
    EXPECT_FALSE(none.ShowsOn(day, s, years));
    EXPECT_FALSE(s.Toggle(31));
    EXPECT_FALSE(s.IsSet(31));
    s.Clear(0);
    EXPECT_FALSE(s.IsSet(0));
    EXPECT_TRUE(s.IsSet(1));
}

TEST(BirthdayEntry, KindFlagsAndNames)
{
    BirthdayEntry e;
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_EQ(e.kind, 0);
    e.SetKind(BirthdayEntry::Individual | BirthdayEntry::Note);
    EXPECT_TRUE(e.HasKind(BirthdayEntry::Note));
    e.ClearKind(BirthdayEntry::Note);
    EXPECT_EQ(e.kind, BirthdayEntry::Individual);
    EXPECT_FALSE(e.HasKind(BirthdayEntry::Couple | BirthdayEntry::Note));

    e.text = "Mary Ann Smith";
    EXPECT_EQ(e.FirstName(), "Mary");
    EXPECT_EQ(e.LastName(), "Smith");
    e.text = "Cher";
    EXPECT_EQ(e.FirstName(), "Cher");
    EXPECT_EQ(e.LastName(), "Cher");
    e.text = "John Smith  ";
    EXPECT_EQ(e.LastName(), "Smith");
    e.text = "John /Smith/";
    EXPECT_EQ(e.LastName(), "/Smith/");

    BirthdayEntry other;
    other.text = "john /smith/";
    EXPECT_FALSE(e.SameText(other));
    other.text = "John /Smith/";
    EXPECT_TRUE(e.SameText(other));
}

TEST(BirthdayEntry, DisplayTextDropsSurnameSlashesOfPeopleOnly)
{
    EXPECT_EQ(WithoutSurnameSlashes("Anne /Mowbray/"), "Anne Mowbray");
    EXPECT_EQ(WithoutSurnameSlashes("Richard //"), "Richard");
    EXPECT_EQ(WithoutSurnameSlashes("/Smith/"), "Smith");
    EXPECT_EQ(WithoutSurnameSlashes("John /Kennedy/ III"), "John Kennedy III");
    EXPECT_EQ(WithoutSurnameSlashes("John+Alice /de Saint-John/"), "John+Alice de Saint-John");
    EXPECT_EQ(WithoutSurnameSlashes("AC/DC"), "AC/DC");

    BirthdayEntry note;
    note.SetKind(BirthdayEntry::Note);
    note.text = "Pay rent /or/ else";
    EXPECT_EQ(note.DisplayText(), note.text);
    BirthdayEntry couple;
    couple.SetKind(BirthdayEntry::Couple);
    couple.text = "John+Janet /Kennedy/";
    EXPECT_EQ(couple.DisplayText(), "John+Janet Kennedy");
}

TEST(BirthdayList, AddOrMergeAsksOncePerDifferingDate)
{
    BirthdayList list;
    Recorder rec;
    list.SetChooser(rec.Callback());
    EXPECT_EQ(list.AddOrMerge(Person("Ann", 12, 25, 1950)), 0);
    EXPECT_EQ(list.AddOrMerge(Person("Bob", 1, 2, 1960)), 1);

    BirthdayEntry again = Person("Ann", 12, 24, 1950);
    again.kind = BirthdayEntry::Note;
    again.recordNumber = 7;
    bool merged = false;
    EXPECT_EQ(list.AddOrMerge(again, merged), 0);
    EXPECT_TRUE(merged);
    ASSERT_EQ(rec.asked.size(), 1u);
    EXPECT_EQ(rec.asked[0].text, "Ann");
    EXPECT_EQ(rec.asked[0].word, "Birth");
    EXPECT_EQ(rec.asked[0].a, "12/24/1950");
    EXPECT_EQ(rec.asked[0].b, "12/25/1950");
    // B keeps the stored date; kind and record number come from the new entry anyway.
    EXPECT_EQ(list[0].day, 25);
    EXPECT_EQ(list[0].kind, BirthdayEntry::Note);
    EXPECT_EQ(list[0].recordNumber, 7u);

    rec.answer = DateChoice::A;
    list.AddOrMerge(Person("Ann", 12, 24, 1950));
    EXPECT_EQ(list[0].day, 24);
    EXPECT_EQ(list.GetCount(), 2);

    // The question names the person as people read the name.
    list.AddOrMerge(Person("Anne /Mowbray/", 12, 10, 1472));
    list.AddOrMerge(Person("Anne /Mowbray/", 12, 11, 1472));
    EXPECT_EQ(rec.asked.back().text, "Anne Mowbray");
}

TEST(BirthdayList, MergeFillsEmptyDatesAndAsksInOrder)
{
    BirthdayList list;
    Recorder rec;
    list.SetChooser(rec.Callback());
    BirthdayEntry stored = Person("Ann", 0, 0, 0);
    stored.otherDate = CalendarDate(6, 1, 1970);
    stored.endDate = CalendarDate(1, 1, 2000);
    list.AddOrMerge(stored);

    // The stored entry has no birth date: it is filled without a question.
    BirthdayEntry add = Person("Ann", 3, 3, 1950);
    add.endDate = CalendarDate(2, 2, 2001);
    add.otherDate = CalendarDate(6, 2, 1970);
    list.AddOrMerge(add);
    ASSERT_EQ(rec.asked.size(), 2u);
    EXPECT_EQ(rec.asked[0].word, "Death");
    EXPECT_EQ(rec.asked[1].word, "Married");
    EXPECT_EQ(list[0].month, 3);
    EXPECT_EQ(list[0].year, 1950);
    EXPECT_EQ(list[0].endDate.year, 2000);

    // Year-only or missing dates never ask.
    rec.asked.clear();
    BirthdayEntry vague = Person("Ann", 0, 0, 1951);
    vague.endDate = CalendarDate(0, 0, 1999);
    list.AddOrMerge(vague);
    EXPECT_TRUE(rec.asked.empty());

    // A stored empty death date takes the new one silently.
    list.AddOrMerge(Person("Bob", 1, 1, 1900));
    BirthdayEntry bob = Person("Bob", 1, 1, 1900);
    bob.endDate = CalendarDate(5, 5, 1980);
    list.AddOrMerge(bob);
    EXPECT_TRUE(rec.asked.empty());
    EXPECT_EQ(list[1].endDate.year, 1980);

    // Without a chooser the stored date stays.
    BirthdayList quiet;
    quiet.AddOrMerge(Person("Cy", 1, 1, 1900));
    quiet.AddOrMerge(Person("Cy", 1, 2, 1900));
    EXPECT_EQ(quiet[0].day, 1);
}

TEST(BirthdayList, FindByTextFollowsMovesAndEdits)
{
    BirthdayList list;
    list.AddOrMerge(Person("A", 3, 1, 1900));
    list.AddOrMerge(Person("B", 2, 1, 1900));
    list.AddOrMerge(Person("C", 1, 1, 1900));
    list.Swap(0, 2);
    EXPECT_EQ(list.FindByText("C"), 0);
    EXPECT_EQ(list.FindByText("A"), 2);
    list.SortByDate();
    EXPECT_EQ(list.FindByText("C"), 0);
    EXPECT_EQ(list.FindByText("B"), 1);
    BirthdayEntry renamed = list.EntryAt(1);
    renamed.text = "Z";
    list.SetAt(1, renamed);
    EXPECT_EQ(list.FindByText("B"), -1);
    EXPECT_EQ(list.AddOrMerge(Person("Z", 9, 9, 1900)), 1);
    list.SetSize(1);
    EXPECT_EQ(list.FindByText("Z"), -1);
    EXPECT_EQ(list.AddOrMerge(Person("Z", 9, 9, 1900)), 1);
    list.SetSize(4);
    EXPECT_EQ(list.FindByText(""), 2);
    EXPECT_TRUE(list.EntryAt(3).IsEmpty());
    list.SetSize(0);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.FindByText("C"), -1);
}

TEST(BirthdayList, SortByDateMonthDayYearAndStable)
{
    BirthdayList list;
    list.AddOrMerge(Person("p1990", 5, 5, 1990));
    list.AddOrMerge(Person("p2000", 1, 1, 2000));
    list.AddOrMerge(Person("p1980", 5, 5, 1980));
    list.AddOrMerge(Person("empty", 0, 0, 0));
    list.AddOrMerge(Person("twin1", 5, 5, 1980));
    list.SortByDate();
    std::vector<CString> order;
    for (const BirthdayEntry& e : list.Entries()) order.push_back(e.text);
    EXPECT_EQ(order, (std::vector<CString>{"empty", "p2000", "p1980", "twin1", "p1990"}));
}

TEST(BirthdayList, NthShownOnCountsNotesTwice)
{
    BirthdayList list;
    list.AddOrMerge(Person("other day", 7, 2, 1950));
    BirthdayEntry note = Person("note", 7, 1, 2000);
    note.kind = BirthdayEntry::Note;
    list.AddOrMerge(note);
    list.AddOrMerge(Person("first", 7, 1, 1960));
    list.AddOrMerge(Person("unborn", 7, 1, 2030));
    list.AddOrMerge(Person("second", 7, 1, 1970));
    DisplaySwitches s;
    s.Set(DisplaySwitches::Notes);
    CalendarDate day(7, 1, 2021);
    BirthdayEntry got;
    EXPECT_EQ(list.NthShownOn(day, 0, s, got), 1);
    EXPECT_EQ(got.text, "note");
    EXPECT_EQ(list.NthShownOn(day, 1, s, got), 1);
    EXPECT_EQ(list.NthShownOn(day, 2, s, got), 2);
    EXPECT_EQ(list.NthShownOn(day, 3, s, got), 4);
    EXPECT_EQ(got.text, "second");
    EXPECT_EQ(list.NthShownOn(day, 4, s, got), -1);
    EXPECT_EQ(list.NthShownOn(day, 0, DisplaySwitches(), got), 2);
}

TEST(BirthdayList, SetMarriageByRecordNumberTakesTheFirst)
{
    BirthdayList list;
    BirthdayEntry a = Person("A", 1, 1, 1900);
    a.recordNumber = 5;
    BirthdayEntry b = Person("B", 1, 1, 1900);
    b.recordNumber = 5;
    list.AddOrMerge(a);
    list.AddOrMerge(b);
    EXPECT_EQ(list.SetMarriageByRecordNumber(5, CalendarDate(6, 5, 1975)), 0);
    EXPECT_EQ(list[0].otherDate.year, 1975);
    EXPECT_TRUE(list[1].otherDate.IsEmpty());
    EXPECT_EQ(list.SetMarriageByRecordNumber(6, CalendarDate(6, 5, 1975)), -1);
}

TEST(BirthdayList, VersionMovesWithEveryChangeAndNeverRepeats)
{
    // The view keeps its day index while the version stays; a change that kept it would leave
    // stale indexes behind (names missing, or read past the end of a shorter list).
    BirthdayList list;
    std::vector<uint64_t> seen{list.Version()};
    auto changed = [&](const char* what) {
        EXPECT_EQ(std::count(seen.begin(), seen.end(), list.Version()), 0) << what;
        seen.push_back(list.Version());
    };
    list.AddOrMerge(Person("Ann", 3, 4, 1950));
    changed("add");
    list.AddOrMerge(Person("Bob", 1, 2, 1960));
    changed("add");
    list.AddOrMerge(Person("Ann", 3, 4, 1950));
    changed("merge");
    list.SortByDate();
    changed("sort");
    list.Swap(0, 1);
    changed("swap");
    list.SetAt(0, Person("Cid", 5, 6, 1970));
    changed("set");
    BirthdayEntry couple = Person("Dee", 7, 8, 1980);
    couple.recordNumber = 9;
    list.AddOrMerge(couple);
    changed("add");
    list.SetMarriageByRecordNumber(9, CalendarDate(1, 1, 2000));
    changed("marriage");
    list.SetSize(1);
    changed("shrink");
    list.SetSize(2);
    changed("grow");

    CArchive out;
    list.Serialize(out);
    CArchive in(out.Buffer());
    list.Serialize(in);
    changed("load");
    CArchive empty{std::string()};
    list.Serialize(empty);
    changed("load empty");

    // Reading changes nothing.
    const uint64_t before = list.Version();
    BirthdayEntry found;
    list.FindByText("Ann");
    list.NthShownOn(CalendarDate(3, 4, 2000), 0, DisplaySwitches(), found);
    CArchive again;
    list.Serialize(again);
    EXPECT_EQ(list.Version(), before);

    // A list assigned from an older copy and changed again takes no version either had before.
    BirthdayList copy = list;
    list.AddOrMerge(Person("Eve", 9, 9, 1990));
    changed("add");
    copy.AddOrMerge(Person("Fay", 9, 9, 1990));
    list = copy;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), list.Version()), 0);
}
