// SPDX-License-Identifier: GPL-3.0-or-later
// Address books read from a radicale on this machine: 5,000 cards the first time, then a sync
// that finds nothing changed.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <filesystem>
#include <fstream>
#include "../tests/gui/DavServers.h"
#include "dav/DavClient.h"
#include "dav/QtDavTransport.h"

namespace {

constexpr int kCards = 5000;

// One server for all runs, filled once with one PUT of the whole address book.
struct Server {
    Server()
    {
        static int argc = 1;
        static char name[] = "kinfold_bench";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            new QApplication(argc, argv);
        }
        dir = std::filesystem::temp_directory_path() / ("kinfold-dav-bench-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        // Written into the server's storage as radicale keeps it (one file a card): a PUT of
        // 5,000 cards takes minutes.
        const std::filesystem::path book = dir / "storage" / "collection-root" / "ann" / "contacts";
        std::filesystem::create_directories(book);
        std::ofstream(book / ".Radicale.props") << "{\"D:displayname\": \"Contacts\", \"tag\": \"VADDRESSBOOK\"}";
        for (int i = 0; i < kCards; ++i) {
            std::ofstream(book / ("p" + std::to_string(i) + ".vcf"))
                << "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:p" << i << "\r\nFN:Person " << i << "\r\nBDAY:" << 1930 + i % 80
                << "-" << (i % 12 < 9 ? "0" : "") << 1 + i % 12 << "-" << (i % 28 < 9 ? "0" : "") << 1 + i % 28
                << "\r\nEND:VCARD\r\n";
        }
        problem = radicale.Start(dir);
        if (!problem.empty()) return;
        // The server reads every card once into its cache; a client's first read comes after.
        int status = 0;
        radicale.Curl("REPORT", "/ann/contacts/",
                      "<?xml version=\"1.0\"?><d:sync-collection xmlns:d=\"DAV:\"><d:sync-token/><d:sync-level>1"
                      "</d:sync-level><d:prop><d:getetag/></d:prop></d:sync-collection>",
                      &status, "-H 'Depth: 0'");
        if (status != 207) problem = "radicale cannot read the address book (status " + std::to_string(status) + ")";
    }
    ~Server()
    {
        radicale.Stop();
        std::filesystem::remove_all(dir);
    }
    Account NewAccount() const
    {
        Account a;
        a.server = radicale.Url();
        a.user = "ann";
        a.publish = false;
        return a;
    }
    std::filesystem::path dir;
    davtest::Radicale radicale;
    std::string problem;
};

Server& TheServer()
{
    static Server server;
    return server;
}

const auto kNoEvents = [](const BirthdayList&) { return std::string(); };

void BM_AddressBookFirstRead(benchmark::State& state)
{
    Server& server = TheServer();
    if (!server.problem.empty()) return state.SkipWithError(server.problem.c_str());
    for (auto _ : state) {
        Account account = server.NewAccount();
        BirthdayList list;
        QtDavTransport transport("ann", "secret");
        AccountSyncResult r = SyncAccount(account, list, transport, kNoEvents);
        if (r.fault.exitCode || r.counts.added != kCards) state.SkipWithError(r.fault.message.c_str());
    }
}

void BM_AddressBookNothingChanged(benchmark::State& state)
{
    Server& server = TheServer();
    if (!server.problem.empty()) return state.SkipWithError(server.problem.c_str());
    Account account = server.NewAccount();
    BirthdayList list;
    QtDavTransport transport("ann", "secret");
    SyncAccount(account, list, transport, kNoEvents);
    for (auto _ : state) {
        AccountSyncResult r = SyncAccount(account, list, transport, kNoEvents);
        if (r.fault.exitCode || r.counts.touched) state.SkipWithError("the sync found changes");
    }
}

} // namespace

BENCHMARK(BM_AddressBookFirstRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_AddressBookNothingChanged)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
