// SPDX-License-Identifier: GPL-3.0-or-later
// What a sync decides without a server: ties in the ".kfd", which cards are read, what read
// cards do to the list, and which events are put or deleted.
#include <gtest/gtest.h>
#include "birthdays/BirthdayList.h"
#include "platform/Archive.h"
#include "platform/SettingsStore.h"
#include "sync/Accounts.h"
#include "sync/CalendarPublish.h"
#include "sync/CardSync.h"

namespace {

const std::string kBook = "http://dav.test/ann/book/";

FetchedCard Card(const std::string& name, const std::string& etag, const std::string& lines)
{
    return {kBook + name, etag, "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n"};
}

std::string Stored(BirthdayList& list)
{
    CArchive ar;
    list.Serialize(ar);
    return ar.Buffer();
}

BirthdayEntry Person(const char* text, int month, int day, int year)
{
    BirthdayEntry e(CalendarDate(month, day, year));
    e.text = text;
    e.kind = BirthdayEntry::Individual;
    return e;
}

} // namespace

TEST(CardTies, FollowTheLastEntryWhereOlderReadersStop)
{
    BirthdayList plain;
    plain.AddOrMerge(Person("Ann", 12, 25, 1950));
    BirthdayList tied = plain;
    BirthdayEntry e = tied[0];
    e.TieTo(kBook + "ann.vcf", "\"1\"");
    tied.SetAt(0, e);

    const std::string old = Stored(plain), now = Stored(tied);
    // The entries come first, byte for byte as before; the ties after them.
    ASSERT_GT(now.size(), old.size());
    EXPECT_EQ(now.substr(0, old.size()), old);
    BirthdayList back;
    CArchive in(now);
    back.Serialize(in);
    EXPECT_EQ(back[0].tie, tied[0].tie);

    // Damaged ties cost the ties, not the document.
    BirthdayList damaged;
    CArchive cut(now.substr(0, now.size() - 5));
    damaged.Serialize(cut);
    ASSERT_EQ(damaged.GetCount(), 1);
    EXPECT_FALSE(damaged[0].tie->IsSet());
}

TEST(CardSync, CardsBecomeEntriesAndFollowTheServer)
{
    BirthdayList list;
    list.AddOrMerge(Person("Typed By Hand", 5, 5, 1960));
    CardSyncCounts c = ApplyCards(list,
                                  {Card("a.vcf", "1", "FN:Ann Smith\r\nBDAY:1950-01-12\r\n"),
                                   Card("b.vcf", "1", "FN:Ann Smith\r\nBDAY:1970-03-01\r\n"),
                                   Card("c.vcf", "1", "FN:No Birthday\r\n"), {kBook + "d.vcf", "1", "no card"}},
                                  {});
    EXPECT_EQ(c.added, 2);
    EXPECT_EQ(c.malformed, 1);
    ASSERT_EQ(list.GetCount(), 3);
    // Two people of one name, as the import names them.
    EXPECT_NE(list.FindByText(CString("Ann Smith")), -1);
    EXPECT_NE(list.FindByText(CString("Ann Smith [1970]")), -1);

    // The user edits one field; the card changes two: the user's field stays.
    int ann = list.FindByText(CString("Ann Smith"));
    BirthdayEntry edited = list[ann];
    edited.endDate = CalendarDate(1, 2, 2020);
    list.SetAt(ann, edited);
    c = ApplyCards(list, {Card("a.vcf", "2", "FN:Ann Smith\r\nBDAY:1951-01-12\r\nX-DEATHDATE:2019-01-01\r\n")}, {});
    EXPECT_EQ(c.changed, 1);
    ann = list.FindByText(CString("Ann Smith"));
    EXPECT_EQ(list[ann].year, 1951);
    EXPECT_EQ(list[ann].endDate.year, 2020);
    EXPECT_EQ(list[ann].tie->etag, "2");

    // Gone from the server: the untouched entry goes, the edited one stays as the user's.
    c = ApplyCards(list, {}, {kBook + "a.vcf", kBook + "b.vcf"});
    EXPECT_EQ(c.removed, 1);
    ASSERT_EQ(list.GetCount(), 2);
    ann = list.FindByText(CString("Ann Smith"));
    ASSERT_NE(ann, -1);
    EXPECT_FALSE(list[ann].tie->IsSet());
    EXPECT_NE(list.FindByText(CString("Typed By Hand")), -1);

    // The same card again finds the entry that lost its tie only when the date matches too.
    BirthdayList lost;
    lost.AddOrMerge(Person("Bob Jones", 3, 5, 0));
    c = ApplyCards(lost, {Card("b.vcf", "1", "FN:Bob Jones\r\nBDAY:--0305\r\n")}, {});
    EXPECT_EQ(c.added + c.changed, 0);
    EXPECT_EQ(lost.GetCount(), 1);
    EXPECT_EQ(lost[0].tie->href, kBook + "b.vcf");
}

TEST(CardSync, OnlyCardsWithNewEtagsAreRead)
{
    BirthdayList list;
    ApplyCards(list, {Card("a.vcf", "1", "FN:Ann\r\nBDAY:1950-01-12\r\n")}, {});
    BookState state;
    state.url = kBook;
    state.etags[kBook + "n.vcf"] = "1";  // a card without a birthday, seen before
    CardListing all;
    all.cards = {{kBook + "a.vcf", "1"}, {kBook + "n.vcf", "1"}, {kBook + "new.vcf", "1"}};
    FetchPlan plan = PlanFetch(list, state, all);
    EXPECT_EQ(plan.fetch, std::vector<std::string>{kBook + "new.vcf"});
    EXPECT_TRUE(plan.gone.empty());
    all.cards = {{kBook + "n.vcf", "2"}};
    plan = PlanFetch(list, state, all);
    EXPECT_EQ(plan.fetch, std::vector<std::string>{kBook + "n.vcf"});
    EXPECT_EQ(plan.gone, std::vector<std::string>{kBook + "a.vcf"});

    UpdateBookState(state, list, all, {}, plan, "tok");
    EXPECT_TRUE(state.Serves(list));
    std::vector<BookState> back = LoadBookStates(StoreBookStates({state}));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].token, "tok");
    EXPECT_EQ(back[0].etags, state.etags);
    // A document whose ties changed elsewhere is not served by the state.
    BirthdayList other;
    EXPECT_FALSE(state.Serves(other));
}

TEST(CalendarPublishing, OneResourcePerEventPutOnlyWhenChanged)
{
    const std::string ics =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nMETHOD:PUBLISH\r\nBEGIN:VEVENT\r\nUID:a@kinfold\r\nDTSTAMP:20260101T000000Z\r\n"
        "SUMMARY:Ann\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nEND:VALARM\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:b c/\r\n "
        "d@kinfold\r\nSUMMARY:Bob\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    std::vector<CalendarResource> r = SplitCalendar(ics);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].body,
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:a@kinfold\r\nDTSTAMP:20260101T000000Z\r\n"
              "SUMMARY:Ann\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nEND:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    EXPECT_EQ(r[1].uid, "b c/d@kinfold");
    EXPECT_EQ(r[1].name, "b%20c%2Fd@kinfold.ics");
    std::string restamped = ics;
    restamped.replace(restamped.find("20260101"), 8, "20270202");
    EXPECT_EQ(SplitCalendar(restamped)[0].hash, r[0].hash);

    PublishedEvents published = {{"a@kinfold", {r[0].hash, "\"e1\""}}, {"gone@kinfold", {1, "\"e2\""}}};
    published = LoadPublished(StorePublished(published));
    std::vector<PublishStep> steps = PlanPublish(r, published);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].kind, PublishStep::Create);
    EXPECT_EQ(steps[0].uid, "b c/d@kinfold");
    EXPECT_EQ(steps[1].kind, PublishStep::Delete);
    EXPECT_EQ(steps[1].etag, "\"e2\"");
    published["a@kinfold"].hash = 7;
    EXPECT_EQ(PlanPublish(r, published)[0].kind, PublishStep::Update);
}

TEST(Accounts, ASyncThatChangedNothingWritesNoSetting)
{
    MemorySettingsStore store;
    Account a;
    a.server = "http://dav.test/";
    a.user = "ann";
    a.bookStates = "@" + kBook + "\ttoken\t7\n";
    a.tags = StoreCollectionTags({{kBook, {"\"ctag\"", 42}}});
    SaveAccounts(store, {a});
    const int writes = store.writes;
    SaveAccount(store, 1, a);
    EXPECT_EQ(store.writes, writes);
    a.publish = false;
    a.tags.clear();
    SaveAccount(store, 1, a);
    EXPECT_EQ(store.writes, writes + 2);
    std::vector<Account> back = LoadAccounts(store);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_FALSE(back[0].publish);
    EXPECT_EQ(back[0].bookStates, a.bookStates);
    EXPECT_TRUE(LoadCollectionTags(back[0].tags).empty());
    CollectionTags tags = LoadCollectionTags(StoreCollectionTags({{kBook, {"\"ctag\"", 42}}, {"http://x/", {"", 1}}}));
    ASSERT_EQ(tags.size(), 1u);
    EXPECT_EQ(tags[kBook].ctag, "\"ctag\"");
    EXPECT_EQ(tags[kBook].state, 42u);
}

TEST(Accounts, AnAddressWithAPasswordIsToldApart)
{
    EXPECT_TRUE(AddressHasPassword("https://ann:pw@dav.test/"));
    EXPECT_TRUE(AddressHasPassword("ann:p@ss@dav.test"));
    EXPECT_FALSE(AddressHasPassword("https://ann@dav.test:8443/"));
    EXPECT_FALSE(AddressHasPassword("https://dav.test:8443/dav/ann@example.org/"));
    EXPECT_FALSE(AddressHasPassword("https://dav.test/x?a=b:c@d"));
}
