// SPDX-License-Identifier: GPL-3.0-or-later
// GEDCOM import: bytes in, list out, each merge question answered from the input itself.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include "FuzzInput.h"
#include "birthdays/GedcomReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes((const char*)data, size);
    BirthdayList list;
    // A stored entry for the first name in the file, so that merges happen.
    BirthdayEntry stored;
    stored.text = "John /Smith/";
    stored.month = 1;
    stored.day = 1;
    stored.year = 1900;
    list.AddOrMerge(stored);
    size_t asked = 0;
    list.SetChooser([&](const CString&, const CString&, const CString&, const CString&) {
        ++asked;
        return size > 0 && (data[asked % size] & 1) ? DateChoice::A : DateChoice::B;
    });
    GedcomImportStats stats = ImportGedcom(bytes, list);
    FUZZ_CHECK(stats.questions == (int)asked);
    FUZZ_CHECK(list.GetCount() >= 1);
    list.SortByDate();
    return 0;
}
