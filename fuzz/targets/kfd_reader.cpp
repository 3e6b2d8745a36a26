// SPDX-License-Identifier: GPL-3.0-or-later
// ".kfd" reader: any bytes load or throw the archive's read error; what loads stores and
// loads back to the same list.
#include <cstddef>
#include <cstdint>
#include <string>
#include "FuzzInput.h"
#include "birthdays/BirthdayList.h"
#include "platform/Archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BirthdayList list;
    try {
        CArchive in(std::string((const char*)data, size));
        list.Serialize(in);
    } catch (const CArchiveException&) {
        FUZZ_CHECK(list.GetCount() == 0);
        return 0;
    }
    CArchive out;
    list.Serialize(out);
    BirthdayList again;
    CArchive back(out.Buffer());
    again.Serialize(back);
    FUZZ_CHECK(again.GetCount() == list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i) FUZZ_CHECK(again[i].text == list[i].text);
    list.SortByDate();
    // What a day cell asks of the loaded entries, on their own days and on a fixed one.
    DisplaySwitches all;
    all.SetBits(~0u);
    for (int i = 0; i < list.GetCount() && i < 64; ++i) {
        const BirthdayEntry& e = list[i];
        int years;
        for (int year : {e.year, 2026, -4000}) {
            CalendarDate day(e.month, e.day, year);
            (void)e.ShowsOn(day, all, years);
            (void)e.ShowsOn(day, DisplaySwitches(), years);
            BirthdayEntry shown;
            (void)list.NthShownOn(day, i % 4, all, shown);
        }
    }
    return 0;
}
