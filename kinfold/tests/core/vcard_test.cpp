// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <vector>
#include "birthdays/BirthdayImport.h"
#include "birthdays/VCardImport.h"
#include "birthdays/VCardReader.h"

namespace {

std::string Sample(const char* name)
{
    std::ifstream in(std::string(KQ_SOURCE_DIR) + "/kinfold/tests/core/data/vcard/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<VCardContact> Cards(std::string_view text)
{
    std::vector<VCardContact> cards;
    ForEachVCard(text, [&](const VCardContact& c) { cards.push_back(c); });
    return cards;
}

VCardContact OneCard(std::string_view text)
{
    std::vector<VCardContact> cards = Cards(text);
    EXPECT_EQ(cards.size(), 1u);
    return cards.empty() ? VCardContact() : cards[0];
}

void ExpectDate(const CalendarDate& d, int year, int month, int day)
{
    EXPECT_EQ(d.year, year);
    EXPECT_EQ(d.month, month);
    EXPECT_EQ(d.day, day);
}

const BirthdayEntry* Find(const BirthdayList& list, const CString& text)
{
    int i = list.FindByText(text);
    return i < 0 ? nullptr : &list[i];
}

BirthdayList ImportSample(const char* name, VCardImportStats* stats = nullptr)
{
    BirthdayList list;
    VCardImportStats s = ImportVCards(Sample(name), list);
    if (stats) *stats = s;
    return list;
}

} // namespace

TEST(VCardFormat, ToldApartFromGedcomByContent)
{
    EXPECT_EQ(DetectImportFormat("BEGIN:VCARD\r\nVERSION:3.0\r\nEND:VCARD\r\n"), ImportFormat::VCard);
    EXPECT_EQ(DetectImportFormat("\xEF\xBB\xBF\r\n\r\n  \nbegin:vcard\nEND:VCARD\n"), ImportFormat::VCard);
    // UTF-16 with its mark, as some address books write.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("BEGIN:VCARD\r\n")) utf16 += std::string(1, c) + '\0';
    EXPECT_EQ(DetectImportFormat(utf16), ImportFormat::VCard);

    EXPECT_EQ(DetectImportFormat("0 HEAD\n1 CHAR UTF-8\n0 TRLR\n"), ImportFormat::Gedcom);
    EXPECT_EQ(DetectImportFormat("\xEF\xBB\xBF\r\n0 HEAD\r\n"), ImportFormat::Gedcom);
    EXPECT_EQ(DetectImportFormat(std::string("\xFF\xFE" "0\0 \0H\0E\0A\0D\0", 14)), ImportFormat::Gedcom);

    EXPECT_EQ(DetectImportFormat(""), ImportFormat::Unknown);
    EXPECT_EQ(DetectImportFormat("Name,Birthday\nAnn,1950-01-12\n"), ImportFormat::Unknown);
    EXPECT_EQ(DetectImportFormat("BEGIN:VCALENDAR\r\n"), ImportFormat::Unknown);
    EXPECT_EQ(DetectImportFormat("BEGIN:VCARDS\r\n"), ImportFormat::Unknown);
    EXPECT_EQ(DetectImportFormat("10 HEAD\n"), ImportFormat::Unknown);

    BirthdayList list;
    BirthdayImportStats stats;
    std::string error;
    EXPECT_FALSE(ImportBirthdays("Name,Birthday\nAnn,1950-01-12\n", list, stats, error));
    EXPECT_NE(error.find("neither"), std::string::npos);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_TRUE(ImportBirthdays(Sample("webmail.vcf"), list, stats, error));
    EXPECT_EQ(stats.format, ImportFormat::VCard);
    EXPECT_EQ(stats.added, 3);
}

TEST(VCardDate, FormsExportersWrite)
{
    struct Case { const char* text; const char* omit; int year, month, day; };
    const Case good[] = {
        {"19500112", "", 1950, 1, 12},
        {"1950-01-12", "", 1950, 1, 12},
        {" 1950-01-12 ", "", 1950, 1, 12},
        {"1950-01-12T10:00:00Z", "", 1950, 1, 12},
        {"19551224T000000", "", 1955, 12, 24},
        {"1950-01-12T00:00:00.000+0100", "", 1950, 1, 12},
        {"--0112", "", 0, 1, 12},
        {"--01-12", "", 0, 1, 12},
        {"--0229", "", 0, 2, 29},
        {"1604-03-15", "1604", 0, 3, 15},
        {"16040315", "1604", 0, 3, 15},
        {"1604-03-15", "", 1604, 3, 15},
        {"0000-07-04", "", 0, 7, 4},
        {"2000-02-29", "", 2000, 2, 29},
        {"1950-1-2", "", 1950, 1, 2},
    };
    for (const Case& c : good) {
        CalendarDate d;
        EXPECT_TRUE(ReadVCardDate(c.text, c.omit, false, d)) << c.text;
        ExpectDate(d, c.year, c.month, c.day);
    }
    const char* bad[] = {"", "circa 1800", "1950", "1950-01", "---12", "1900-02-29", "1950-02-30", "1950-13-01",
                         "1950-00-10", "19500112garbage", "195001", "--1301", "-0112", "12/01/1950", "1950-01-32"};
    for (const char* text : bad) {
        CalendarDate d(5, 5, 1999);
        EXPECT_FALSE(ReadVCardDate(text, "", false, d)) << text;
        ExpectDate(d, 1999, 5, 5);
    }
    // A death date may be known to the year or month only.
    CalendarDate death;
    EXPECT_TRUE(ReadVCardDate("1990", "", true, death));
    ExpectDate(death, 1990, 0, 0);
    EXPECT_TRUE(ReadVCardDate("1990-03", "", true, death));
    ExpectDate(death, 1990, 3, 0);
    EXPECT_FALSE(ReadVCardDate("--0312", "", true, death) && death.year == 0 && death.day == 0);
}

TEST(VCardReader, LinesFoldingAndEscapes)
{
    // LF only, folded 3.0 lines lose the fold's blank, groups and parameter names in any case.
    VCardContact c = OneCard("begin:vcard\nversion:3.0\nfn:Jo\n hn\n  Smith\nitem7.bday;value=DATE:19500112\nend:vcard\n");
    EXPECT_EQ(c.name, "John Smith");
    ExpectDate(c.birth, 1950, 1, 12);

    // A tab also folds; CR alone ends a line.
    c = OneCard("BEGIN:VCARD\rVERSION:3.0\rFN:Ann\r\t Lee\rBDAY:2001-05-06\rEND:VCARD\r");
    EXPECT_EQ(c.name, "Ann Lee");

    // 2.1 keeps the blank that starts a continued line.
    c = OneCard("BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Ann\r\n Lee\r\nEND:VCARD\r\n");
    EXPECT_EQ(c.name, "Ann Lee");

    // Escaped separators, line breaks in a name, and N's structure.
    c = OneCard("BEGIN:VCARD\nVERSION:3.0\nN:Smith\\, Jr.;Ann\\;Marie,Louise;;Dr.;\n"
                "X-SPOUSE:Bob\\nRobert \\\\ B\nEND:VCARD\n");
    EXPECT_EQ(c.family, "Smith, Jr.");
    EXPECT_EQ(c.given, "Ann;Marie Louise");
    EXPECT_EQ(c.name, "Ann;Marie Louise Smith, Jr.");
    EXPECT_EQ(c.spouse, "Bob Robert \\ B");

    // Quoted parameter values may hold ":" and ";".
    c = OneCard("BEGIN:VCARD\nVERSION:4.0\nFN;ALTID=\"a:b;c\":Quoted Param\nBDAY:20010203\nEND:VCARD\n");
    EXPECT_EQ(c.name, "Quoted Param");
    ExpectDate(c.birth, 2001, 2, 3);
}

TEST(VCardReader, QuotedPrintableAndCharacterSets)
{
    // Soft line breaks, a QP value over three lines, hex in either case.
    VCardContact c = OneCard("BEGIN:VCARD\r\nVERSION:2.1\r\nFN;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:J=C3=\r\n"
                             "=B6rg Gr=c3=bc=\r\nn\r\nEND:VCARD\r\n");
    EXPECT_EQ(c.name, "J\xC3\xB6rg Gr\xC3\xBCn");

    // A QP value that ends in "=" does not swallow the card's end.
    std::vector<VCardContact> cards =
        Cards("BEGIN:VCARD\nVERSION:2.1\nFN;QUOTED-PRINTABLE:Broken=\nEND:VCARD\nBEGIN:VCARD\nFN:Next\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].name, "Broken");
    EXPECT_EQ(cards[1].name, "Next");

    // Latin-1 and Windows-1252 by name; bare 2.1 parameters.
    c = OneCard("BEGIN:VCARD\nFN;CHARSET=ISO-8859-1:Jos\xE9\nX-SPOUSE;WINDOWS-1252:\x80uro\nEND:VCARD\n");
    EXPECT_EQ(c.name, "Jos\xC3\xA9");
    EXPECT_EQ(c.spouse, "\xE2\x82\xACuro");
    c = OneCard("BEGIN:VCARD\nFN;UTF-8;QUOTED-PRINTABLE:=C3=A9mile\nEND:VCARD\n");
    EXPECT_EQ(c.name, "\xC3\xA9mile");

    // Every other character set by its full name.
    c = OneCard("BEGIN:VCARD\nFN;CHARSET=ISO-8859-15:\xA6koda \xA4\nX-SPOUSE;CHARSET=KOI8-R:\xE9\xD7\xC1\xCE\nEND:VCARD\n");
    EXPECT_EQ(c.name, "\xC5\xA0koda \xE2\x82\xAC");
    EXPECT_EQ(c.spouse, "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD");
    c = OneCard("BEGIN:VCARD\nFN;CHARSET=Shift_JIS:\x93\xFA\x96\x7B\nX-SPOUSE;CHARSET=ISO-8859-2:\xA3\xF3" "d\xBC\nEND:VCARD\n");
    EXPECT_EQ(c.name, "\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(c.spouse, "\xC5\x81\xC3\xB3" "d\xC5\xBA");
    c = OneCard("BEGIN:VCARD\nFN;CHARSET=X-UNKNOWN:Ren\xE9\nEND:VCARD\n");
    EXPECT_EQ(c.name, "Ren\xC3\xA9");

    // Without CHARSET: UTF-8 when valid, else Windows-1252.
    c = OneCard("BEGIN:VCARD\nFN:Ren\xC3\xA9" "e\nX-SPOUSE:Ren\xE9" "e\nEND:VCARD\n");
    EXPECT_EQ(c.name, "Ren\xC3\xA9" "e");
    EXPECT_EQ(c.spouse, "Ren\xC3\xA9" "e");

    // Decomposed letters are stored composed (NFC).
    c = OneCard("BEGIN:VCARD\nFN:O\xCC\x81lafur \xE1\x84\x80\xE1\x85\xA1\xE1\x86\xBC\nEND:VCARD\n");
    EXPECT_EQ(c.name, "\xC3\x93lafur \xEA\xB0\x95");
}

TEST(VCardReader, PhotosAgentsAndDamagedCards)
{
    // Base64 in 3.0 ("b", folded) and 2.1 (unindented, up to a blank line) is skipped.
    VCardContact c = OneCard("BEGIN:VCARD\nVERSION:3.0\nPHOTO;ENCODING=b;TYPE=JPEG:QkRBWTox\n OTUwMDExMg==\n"
                             "FN:Pic Ture\nEND:VCARD\n");
    EXPECT_EQ(c.name, "Pic Ture");
    EXPECT_FALSE(c.HasBirthday());
    c = OneCard("BEGIN:VCARD\nVERSION:2.1\nPHOTO;BASE64:\nQkRBWToxOTUwMDExMg==\nRk46WA==\n\nFN:After Photo\n"
                "BDAY;BASE64:MTk1MDAxMTI=\nEND:VCARD\n");
    EXPECT_EQ(c.name, "After Photo");
    EXPECT_FALSE(c.HasBirthday());

    // The card of a 2.1 AGENT belongs to its card and is no card of its own.
    std::vector<VCardContact> cards = Cards(Sample("desktop_mail_21.vcf"));
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].name, "Se\xC3\xA1n O'Brien");
    ExpectDate(cards[0].birth, 1970, 7, 4);

    // A card without its END still counts; lines outside cards and lines without ":" are skipped.
    cards = Cards("junk before\nBEGIN:VCARD\nFN:One\nno colon here\nBEGIN:VCARD\nFN:Two\n");
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].name, "One");
    EXPECT_EQ(cards[1].name, "Two");
    EXPECT_TRUE(Cards("").empty());
    EXPECT_TRUE(Cards("END:VCARD\nEND:VCARD\n").empty());
}

TEST(VCardReader, NamesAnniversariesAndSpouses)
{
    // FN first, else "Given Family" from N.
    EXPECT_EQ(OneCard("BEGIN:VCARD\nN:Doe;Jane;;;\nFN:Janie D.\nEND:VCARD\n").name, "Janie D.");
    EXPECT_EQ(OneCard("BEGIN:VCARD\nN:Doe;Jane;Q.;Ms.;\nFN:\nEND:VCARD\n").name, "Jane Doe");
    EXPECT_EQ(OneCard("BEGIN:VCARD\nN:;Madonna;;;\nEND:VCARD\n").name, "Madonna");

    // Each anniversary property; a labelled X-ABDATE whose label comes before or after it.
    const char* anniversaries[] = {"ANNIVERSARY:19750605", "X-ANNIVERSARY:1975-06-05", "X-EVOLUTION-ANNIVERSARY:1975-06-05",
                                   "X-MS-ANNIVERSARY:19750605", "item1.X-ABDATE:1975-06-05\nitem1.X-ABLabel:Anniversary",
                                   "ITEM1.X-ABLABEL:_$!<Anniversary>!$_\nitem1.X-ABDATE:1975-06-05",
                                   "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;1975-06-05;1;;;;;;;;;;;;;0"};
    for (const char* a : anniversaries) {
        VCardContact c = OneCard(std::string("BEGIN:VCARD\nFN:A B\n") + a + "\nEND:VCARD\n");
        ExpectDate(c.anniversary, 1975, 6, 5);
    }
    // Other labels, another group's label and an unlabelled date are not anniversaries.
    EXPECT_FALSE(OneCard("BEGIN:VCARD\nitem1.X-ABDATE:19750605\nitem1.X-ABLabel:_$!<Other>!$_\nEND:VCARD\n").HasAnniversary());
    EXPECT_FALSE(OneCard("BEGIN:VCARD\nitem1.X-ABDATE:19750605\nitem2.X-ABLabel:Anniversary\nEND:VCARD\n").HasAnniversary());
    EXPECT_FALSE(OneCard("BEGIN:VCARD\nX-ABDATE:19750605\nEND:VCARD\n").HasAnniversary());
    // The phone's other events (type 2) and relations (6, a friend) are not.
    EXPECT_FALSE(OneCard("BEGIN:VCARD\nX-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;--04-12;2;;;\nEND:VCARD\n")
                     .HasAnniversary());
    EXPECT_EQ(OneCard("BEGIN:VCARD\nX-ANDROID-CUSTOM:vnd.android.cursor.item/relation;Pal;6;;\nEND:VCARD\n").spouse, "");
    ExpectDate(OneCard("BEGIN:VCARD\nX-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;--01-12;1;;;;0\nEND:VCARD\n")
                   .anniversary, 0, 1, 12);

    const char* spouses[] = {"X-SPOUSE:Jane", "X-EVOLUTION-SPOUSE:Jane", "X-MS-SPOUSE:Jane",
                             "RELATED;TYPE=spouse;VALUE=text:Jane", "RELATED;VALUE=TEXT;TYPE=\"spouse\":Jane",
                             "item2.X-ABRELATEDNAMES:Jane\nitem2.X-ABLabel:_$!<Spouse>!$_",
                             "item2.X-ABLabel:Spouse\nitem2.X-ABRELATEDNAMES:Jane",
                             "X-ANDROID-CUSTOM:vnd.android.cursor.item/relation;Jane;14;;;;;;;;;;;;;"};
    for (const char* s : spouses) EXPECT_EQ(OneCard(std::string("BEGIN:VCARD\n") + s + "\nEND:VCARD\n").spouse, "Jane") << s;
    // A RELATED without VALUE=text is a URI.
    EXPECT_EQ(OneCard("BEGIN:VCARD\nRELATED;TYPE=spouse:urn:uuid:1234\nEND:VCARD\n").spouse, "");
    EXPECT_EQ(OneCard("BEGIN:VCARD\nRELATED;TYPE=friend;VALUE=text:Pal\nEND:VCARD\n").spouse, "");

    // Dates that do not parse and text values make no birthday; DEATHDATE is the death.
    VCardContact c = OneCard("BEGIN:VCARD\nFN:X\nBDAY;VALUE=text:circa 1800\nDEATHDATE:1990-03-10\nEND:VCARD\n");
    EXPECT_FALSE(c.HasBirthday());
    ExpectDate(c.death, 1990, 3, 10);
    EXPECT_FALSE(OneCard("BEGIN:VCARD\nBDAY:31/12/1950\nEND:VCARD\n").HasBirthday());
    // The first readable birthday counts.
    ExpectDate(OneCard("BEGIN:VCARD\nBDAY:bad\nBDAY:19600101\nBDAY:19700101\nEND:VCARD\n").birth, 1960, 1, 1);
}

TEST(VCardImport, EachExportersFile)
{
    VCardImportStats stats;
    BirthdayList list = ImportSample("handset_maker.vcf", &stats);
    EXPECT_EQ(stats.cards, 3);
    EXPECT_EQ(list.GetCount(), 4);
    const BirthdayEntry* e = Find(list, "Johnny Appleseed");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->kind, BirthdayEntry::Individual);
    ExpectDate(*e, 1974, 9, 26);
    ExpectDate(e->otherDate, 2004, 6, 5);
    ASSERT_TRUE((e = Find(list, "Jane Appleseed")));
    ExpectDate(*e, 0, 3, 15);  // the year was left out
    ASSERT_TRUE((e = Find(list, "Johnny+Jane Appleseed")));
    EXPECT_EQ(e->kind, BirthdayEntry::Couple);
    ExpectDate(*e, 2004, 6, 5);
    EXPECT_FALSE(Find(list, "Jane+Johnny Appleseed"));
    ASSERT_TRUE((e = Find(list, "Am\xC3\xA9lie \xEA\xB0\x95")));
    ExpectDate(*e, 2000, 2, 29);

    list = ImportSample("webmail.vcf", &stats);
    EXPECT_EQ(stats.cards, 3);
    EXPECT_EQ(list.GetCount(), 3);
    ASSERT_TRUE((e = Find(list, "Ann Smith")));
    ExpectDate(*e, 0, 1, 12);
    ASSERT_TRUE((e = Find(list, "Ann+Bob Smith")));
    ExpectDate(*e, 1980, 5, 17);
    ASSERT_TRUE((e = Find(list, "Carlos Ruiz")));
    ExpectDate(*e, 1955, 12, 24);
    EXPECT_FALSE(Find(list, "No Dates Here"));

    list = ImportSample("phone_21.vcf");
    EXPECT_EQ(list.GetCount(), 5);
    ASSERT_TRUE((e = Find(list, "Chidi+Ad\xC3\xA1" "eze Okafor")));
    ExpectDate(*e, 2005, 9, 10);
    ASSERT_TRUE((e = Find(list, "Chidi Okafor")));
    ExpectDate(e->otherDate, 2005, 9, 10);
    ASSERT_TRUE((e = Find(list, "\xC3\x93lafur+ Arnalds")));
    ExpectDate(*e, 2012, 8, 18);
    ASSERT_TRUE((e = Find(list, "\xC3\x93lafur Arnalds")));
    ExpectDate(*e, 1986, 11, 3);
    EXPECT_TRUE(Find(list, "Hans-J\xC3\xBCrgen M\xC3\xBCller-L\xC3\xBC" "denscheidt von und zu Gro\xC3\x9F-Wintersheim"));

    list = ImportSample("desktop_mail_21.vcf");
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_TRUE(Find(list, "Se\xC3\xA1n+Ren\xC3\xA9" "e O'Brien"));
    ASSERT_TRUE((e = Find(list, "Fran\xC3\xA7ois Dupr\xC3\xA9")));
    ExpectDate(*e, 1961, 2, 28);
    EXPECT_FALSE(Find(list, "Agent Person"));

    list = ImportSample("address_book_40.vcf");
    EXPECT_EQ(list.GetCount(), 4);
    ASSERT_TRUE((e = Find(list, "Grace Hopper")));
    ExpectDate(*e, 1906, 12, 9);
    ExpectDate(e->endDate, 1992, 1, 1);
    ExpectDate(e->otherDate, 1930, 6, 15);
    ASSERT_TRUE((e = Find(list, "Grace+Vincent Hopper")));
    ExpectDate(e->endDate, 1992, 1, 1);
    ASSERT_TRUE((e = Find(list, "Leap Year Baby")));
    ExpectDate(*e, 0, 2, 29);
    EXPECT_TRUE(Find(list, "Leap+ Baby"));
    EXPECT_FALSE(Find(list, "Circa Person"));

    list = ImportSample("groupware_30.vcf");
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_TRUE(Find(list, "John Doe"));
    EXPECT_TRUE(Find(list, "John+Mary Doe"));
    EXPECT_FALSE(Find(list, "Mary+John Doe"));
}

TEST(VCardImport, CouplesFromBothSpousesCards)
{
    // Either card may come first; the other adds no second couple, in this import or a later one.
    const std::string his = "BEGIN:VCARD\nFN:Joe Bloggs\nX-SPOUSE:Mary\nANNIVERSARY:19900901\nEND:VCARD\n";
    const std::string hers = "BEGIN:VCARD\nFN:Mary Bloggs\nX-SPOUSE:Joe Bloggs\nANNIVERSARY:19900901\nEND:VCARD\n";
    BirthdayList list;
    ImportVCards(hers + his, list);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list[0].text, "Mary+Joe Bloggs");
    VCardImportStats stats = ImportVCards(his, list);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(stats.added, 0);

    // Another date, or a spouse not named, is another couple.
    ImportVCards("BEGIN:VCARD\nFN:Joe Bloggs\nX-SPOUSE:Mary\nANNIVERSARY:19910901\nEND:VCARD\n", list);
    EXPECT_EQ(list.GetCount(), 2);
    ImportVCards("BEGIN:VCARD\nFN:Mary Bloggs\nANNIVERSARY:19900901\nEND:VCARD\n", list);
    EXPECT_TRUE(Find(list, "Mary+ Bloggs"));
}

TEST(VCardImport, ReimportAddsNothingAndConflictsAsk)
{
    BirthdayList list;
    const std::string file = Sample("handset_maker.vcf") + Sample("address_book_40.vcf");
    VCardImportStats first = ImportVCards(file, list);
    EXPECT_EQ(first.added, 8);
    EXPECT_EQ(first.couples, 3);
    VCardImportStats second = ImportVCards(file, list);
    EXPECT_EQ(second.added, 0);
    EXPECT_EQ(second.merged, 8);
    EXPECT_EQ(second.questions, 0);
    EXPECT_EQ(list.GetCount(), 8);

    // A different stored birth date is a question; B keeps the stored date.
    BirthdayEntry stored(CalendarDate(9, 26, 1975));
    stored.text = "Johnny Appleseed";
    stored.kind = BirthdayEntry::Individual;
    BirthdayList other;
    other.AddOrMerge(stored);
    std::vector<std::string> asked;
    other.SetChooser([&](const CString& text, const CString& word, const CString&, const CString&) {
        asked.push_back(text + "/" + word);
        return DateChoice::B;
    });
    VCardImportStats s = ImportVCards(Sample("handset_maker.vcf"), other);
    EXPECT_EQ(s.questions, 1);
    EXPECT_EQ(s.conflictsKept, 1);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Johnny Appleseed/Birth");
    ExpectDate(other[other.FindByText("Johnny Appleseed")], 1975, 9, 26);

    // A stored entry without a year takes the imported year without a question, and the other
    // way round the stored year stays.
    BirthdayList noYear;
    BirthdayEntry ann(CalendarDate(1, 12, 0));
    ann.text = "Carlos Ruiz";
    ann.kind = BirthdayEntry::Individual;
    noYear.AddOrMerge(ann);
    s = ImportVCards(Sample("webmail.vcf"), noYear);
    EXPECT_EQ(s.questions, 0);
    ExpectDate(noYear[noYear.FindByText("Carlos Ruiz")], 1955, 12, 24);
}

TEST(VCardImport, SameNamedCardsWithOtherDatesAreTwoPeople)
{
    const std::string file =
        "BEGIN:VCARD\nFN:Ann Smith\nBDAY:19500112\nEND:VCARD\n"
        "BEGIN:VCARD\nFN:Ann Smith\nBDAY:19750304\nEND:VCARD\n"
        "BEGIN:VCARD\nFN:Ann Smith\nBDAY:1950-01-12\nEND:VCARD\n"  // the first one again
        "BEGIN:VCARD\nFN:Joe Smith\nX-SPOUSE:Mary\nANNIVERSARY:19700101\nEND:VCARD\n"
        "BEGIN:VCARD\nFN:Joe Smith\nX-SPOUSE:Mary\nANNIVERSARY:19900101\nEND:VCARD\n";
    BirthdayList list;
    VCardImportStats stats = ImportVCards(file, list);
    EXPECT_EQ(stats.questions, 0);
    ASSERT_EQ(list.GetCount(), 4);
    ExpectDate(list[list.FindByText("Ann Smith")], 1950, 1, 12);
    ASSERT_GE(list.FindByText("Ann Smith [1975]"), 0);
    ExpectDate(list[list.FindByText("Ann Smith [1975]")], 1975, 3, 4);
    ASSERT_GE(list.FindByText("Joe+Mary Smith [1990]"), 0);

    // A second import finds the same texts.
    stats = ImportVCards(file, list);
    EXPECT_EQ(stats.added, 0);
    EXPECT_EQ(list.GetCount(), 4);
}
