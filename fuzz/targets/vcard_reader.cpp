// SPDX-License-Identifier: GPL-3.0-or-later
// vCard reader: bytes to cards to list entries, each merge question answered from the input.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include "FuzzInput.h"
#include "birthdays/BirthdayImport.h"
#include "birthdays/VCardImport.h"
#include "birthdays/VCardReader.h"

namespace {

// Stored texts are one line of NFC UTF-8 without blanks at either end or twice in a row.
bool CleanText(const std::string& s)
{
    if (!IsValidUtf8(s)) return false;
    if (!s.empty() && (s.front() == ' ' || s.back() == ' ')) return false;
    for (size_t i = 0; i < s.size(); ++i) {
        unsigned char c = (unsigned char)s[i];
        if (c < 0x20 || c == 0x7F) return false;
        if (c == ' ' && i + 1 < s.size() && s[i + 1] == ' ') return false;
    }
    return true;
}

bool SaneDate(const CalendarDate& d, bool partial)
{
    if (d.month == 0) return d.day == 0 && (partial || d.year == 0);
    if (d.month < 1 || d.month > 12 || d.day < 0 || d.day > 31) return false;
    return partial || d.day >= 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes((const char*)data, size);
    int cards = 0;
    ForEachVCard(bytes, [&](const VCardContact& c) {
        ++cards;
        FUZZ_CHECK(CleanText(c.name) && CleanText(c.given) && CleanText(c.family) && CleanText(c.spouse));
        FUZZ_CHECK(SaneDate(c.birth, false) && SaneDate(c.anniversary, false) && SaneDate(c.death, true));
    });

    BirthdayList list;
    BirthdayEntry stored(CalendarDate(1, 1, 1900));
    stored.text = "John Smith";
    stored.kind = BirthdayEntry::Individual;
    list.AddOrMerge(stored);
    size_t asked = 0;
    list.SetChooser([&](const CString&, const CString&, const CString&, const CString&) {
        ++asked;
        return size > 0 && (data[asked % size] & 1) ? DateChoice::A : DateChoice::B;
    });
    VCardImportStats stats = ImportVCards(bytes, list);
    FUZZ_CHECK(stats.cards == cards);
    FUZZ_CHECK(stats.questions == (int)asked);
    FUZZ_CHECK(list.GetCount() == 1 + stats.added);
    list.SortByDate();

    (void)DetectImportFormat(bytes);
    CalendarDate d;
    (void)ReadVCardDate(bytes.substr(0, 64), bytes.size() > 64 ? bytes.substr(64, 8) : std::string_view(), size & 1, d);
    return 0;
}
