// SPDX-License-Identifier: GPL-3.0-or-later
// Address books in and calendars out: importing 100,000 generated cards of mixed exporters'
// styles, and exporting 140,000 entries as iCalendar. Each must take under 2 s.
#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include "birthdays/VCardImport.h"
#include "view/core/CalendarExport.h"

namespace {

const char* kGiven[] = {"John", "Mary", "William", "Elizabeth", "James", "Anne", "Thomas", "Margaret", "George",
                        "Sarah", "Henry", "Jane", "Jos\xC3\xA9", "Zo\xC3\xAB", "\xC3\x93lafur", "Ren\xC3\xA9" "e"};
const char* kFamily[] = {"Smith", "Jones", "Taylor", "Brown", "Williams", "Wilson", "Johnson", "Davies",
                         "Robinson", "Wright", "M\xC3\xBCller", "Dupr\xC3\xA9", "O'Brien", "Arnalds"};

struct Random {
    uint64_t seed = 12345;
    uint32_t operator()(uint32_t n)
    {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return (uint32_t)(seed >> 33) % n;
    }
};

std::string Two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string MakeAddressBook(int cards)
{
    Random next;
    std::string out;
    out.reserve((size_t)cards * 420);
    for (int i = 0; i < cards; ++i) {
        std::string given = kGiven[next(16)], family = std::string(kFamily[next(14)]) + std::to_string(i / 5);
        std::string date = std::to_string(1900 + next(120)) + "-" + Two(1 + next(12)) + "-" + Two(1 + next(28));
        switch (i % 4) {
        case 0:  // 3.0 with labelled dates and a folded photo
            out += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + family + ";" + given + ";;;\r\nFN:" + given + " " + family +
                   "\r\nEMAIL;type=INTERNET;type=HOME;type=pref:someone@example.com\r\nTEL;type=CELL:+1 555 0100\r\n"
                   "BDAY:" + date + "\r\nitem1.X-ABDATE:2004-06-05\r\nitem1.X-ABLabel:_$!<Anniversary>!$_\r\n"
                   "item2.X-ABRELATEDNAMES:Jane\r\nitem2.X-ABLabel:_$!<Spouse>!$_\r\n"
                   "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAgGBgcGBQgHBwcJCQgKDBQNDAsLDBkSEw8U\r\n"
                   " HRofHh0aHBwgJC4nICIsIxwcKDcpLDAxNDQ0Hyc5PTgyPC4zNDL/2wBDAQkJCQwLDBgNDRgyIRwh\r\n"
                   "END:VCARD\r\n";
            break;
        case 1:  // 2.1 quoted-printable
            out += "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + family + ";" + given +
                   "=C3=A9;;;\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + given + "=C3=A9 =\r\n" + family +
                   "\r\nTEL;CELL;PREF:+49 151 000000\r\nBDAY:" + date.substr(0, 4) + date.substr(5, 2) +
                   date.substr(8, 2) + "\r\nEND:VCARD\r\n";
            break;
        case 2:  // 4.0 with a year-less birthday and a spouse
            out += "BEGIN:VCARD\nVERSION:4.0\nFN:" + given + " " + family + "\nN:" + family + ";" + given +
                   ";;;\nBDAY:--" + date.substr(5, 2) + date.substr(8, 2) + "\nANNIVERSARY:" + date +
                   "\nRELATED;TYPE=spouse;VALUE=text:Pat " + family + "\nNOTE:Met at the conference\\, 2019\nEND:VCARD\n";
            break;
        default:  // no dates at all
            out += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + given + " " + family + "\r\nORG:Example Ltd.\r\nEND:VCARD\r\n";
            break;
        }
    }
    return out;
}

void BM_ImportVCards(benchmark::State& state)
{
    static const std::string book = MakeAddressBook(100000);
    VCardImportStats stats;
    int entries = 0;
    for (auto _ : state) {
        BirthdayList list;
        stats = ImportVCards(book, list);
        list.SortByDate();
        entries = list.GetCount();
        benchmark::DoNotOptimize(entries);
    }
    state.counters["fileMB"] = (double)book.size() / 1e6;
    state.counters["cards"] = stats.cards;
    state.counters["entries"] = entries;
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)book.size());
}
BENCHMARK(BM_ImportVCards)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportCalendar(benchmark::State& state)
{
    static const BirthdayList list = [] {
        Random next;
        BirthdayList l;
        for (int i = 0; i < 140000; ++i) {
            BirthdayEntry e(CalendarDate(1 + next(12), 1 + next(28), i % 10 == 0 ? 0 : 1900 + next(120)));
            e.text = std::string(kGiven[next(16)]) + " " + kFamily[next(14)] + " " + std::to_string(i);
            e.kind = i % 7 == 0 ? BirthdayEntry::Couple : i % 13 == 0 ? BirthdayEntry::Note : BirthdayEntry::Individual;
            if (i % 5 == 0) e.endDate = CalendarDate(1 + next(12), 1 + next(28), 2000 + next(20));
            l.AddOrMerge(e);
        }
        return l;
    }();
    CalendarExportOptions options;
    options.switches.Set(DisplaySwitches::Anniversaries);
    options.switches.Set(DisplaySwitches::Notes);
    int events = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        std::string text = ExportCalendar(list, options, &events);
        bytes = text.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["events"] = events;
    state.counters["fileMB"] = (double)bytes / 1e6;
}
BENCHMARK(BM_ExportCalendar)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
