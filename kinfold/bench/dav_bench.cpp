// SPDX-License-Identifier: GPL-3.0-or-later
// Address books read from a radicale on this machine: 5,000 cards the first time, then a sync
// that finds nothing changed, without and with the birthdays published to a calendar.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include "../tests/gui/DavServers.h"
#include "dav/DavClient.h"
#include "dav/QtDavTransport.h"
#include "view/core/CalendarExport.h"

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

// The CPU time radicale has used so far, in milliseconds: the server's part of a sync.
double ServerMs(const Server& server)
{
    std::ifstream in("/proc/" + std::to_string(server.radicale.process.pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    size_t at = text.rfind(')');
    if (at == std::string::npos) return 0;
    std::istringstream fields(text.substr(at + 2));
    std::string skip;
    for (int i = 3; i < 14; ++i) fields >> skip;
    double user = 0, system = 0;
    fields >> user >> system;
    return (user + system) * 1000.0 / (double)sysconf(_SC_CLK_TCK);
}

// The server's CPU time per iteration, beside the client's own.
void CountServer(benchmark::State& state, const Server& server, double before)
{
    state.counters["server_ms"] = benchmark::Counter((ServerMs(server) - before) / (double)state.iterations());
}

const auto kNoEvents = [](const BirthdayList&) { return std::string(); };
const auto kEvents = [](const BirthdayList& list) { return ExportCalendar(list, CalendarExportOptions()); };

// The account's address book read and its 5,000 events on the calendar "Birthdays" as a sync
// leaves them. The events are written into the server's storage: radicale takes minutes for
// 5,000 PUTs into one calendar.
std::string PublishedAccount(Server& server, Account& account, BirthdayList& list, QtDavTransport& transport)
{
    AccountSyncResult r = SyncAccount(account, list, transport, kNoEvents);
    if (r.fault.exitCode) return r.fault.message;
    const std::filesystem::path calendar = server.dir / "storage" / "collection-root" / "ann" / "birthdays";
    std::filesystem::create_directories(calendar);
    std::ofstream(calendar / ".Radicale.props") << "{\"D:displayname\": \"Birthdays\", \"tag\": \"VCALENDAR\"}";
    const std::vector<CalendarResource> events = SplitCalendar(kEvents(list));
    std::map<std::string, const CalendarResource*> byName;
    for (const CalendarResource& e : events) {
        std::ofstream(calendar / e.name, std::ios::binary) << e.body;
        byName[e.name] = &e;
    }
    int status = 0;
    const std::string xml = server.radicale.Curl("PROPFIND", "/ann/birthdays/",
                                                 "<?xml version=\"1.0\"?><d:propfind xmlns:d=\"DAV:\"><d:prop><d:getetag/>"
                                                 "</d:prop></d:propfind>",
                                                 &status, "-H 'Depth: 1'");
    Multistatus ms;
    std::string why;
    if (status != 207 || !ParseMultistatus(xml, ms, why)) return "radicale cannot list the calendar (" + why + ")";
    PublishedEvents published;
    for (const DavItem& item : ms.items) {
        const std::string path = QUrl::fromPercentEncoding(QByteArray::fromStdString(item.href)).toStdString();
        auto it = byName.find(path.substr(path.rfind('/') + 1));
        if (it != byName.end()) published[it->second->uid] = {it->second->hash, item.etag};
    }
    if (published.size() != events.size()) return "radicale lists " + std::to_string(published.size()) + " of the events";
    account.publish = true;
    account.calendar = server.radicale.Url("/ann/birthdays/");
    account.published = StorePublished(published);
    // Found again with the calendar.
    account.foundAt = 0;
    r = SyncAccount(account, list, transport, kEvents);
    if (r.fault.exitCode) return r.fault.message;
    if (r.events != (int)events.size()) return "the calendar was not taken as published";
    return "";
}

void BM_AddressBookFirstRead(benchmark::State& state)
{
    Server& server = TheServer();
    if (!server.problem.empty()) return state.SkipWithError(server.problem.c_str());
    const double before = ServerMs(server);
    for (auto _ : state) {
        Account account = server.NewAccount();
        BirthdayList list;
        QtDavTransport transport("ann", "secret");
        AccountSyncResult r = SyncAccount(account, list, transport, kNoEvents);
        if (r.fault.exitCode || r.counts.added != kCards) state.SkipWithError(r.fault.message.c_str());
    }
    CountServer(state, server, before);
}

void BM_AddressBookNothingChanged(benchmark::State& state)
{
    Server& server = TheServer();
    if (!server.problem.empty()) return state.SkipWithError(server.problem.c_str());
    Account account = server.NewAccount();
    BirthdayList list;
    QtDavTransport transport("ann", "secret");
    SyncAccount(account, list, transport, kNoEvents);
    SyncAccount(account, list, transport, kNoEvents);
    const double before = ServerMs(server);
    for (auto _ : state) {
        AccountSyncResult r = SyncAccount(account, list, transport, kNoEvents);
        if (r.fault.exitCode || r.counts.touched) state.SkipWithError("the sync found changes");
    }
    CountServer(state, server, before);
}

void BM_NothingChangedPublishing(benchmark::State& state)
{
    Server& server = TheServer();
    if (!server.problem.empty()) return state.SkipWithError(server.problem.c_str());
    Account account = server.NewAccount();
    BirthdayList list;
    QtDavTransport transport("ann", "secret");
    const std::string problem = PublishedAccount(server, account, list, transport);
    if (!problem.empty()) return state.SkipWithError(problem.c_str());
    SyncAccount(account, list, transport, kEvents);
    const double before = ServerMs(server);
    for (auto _ : state) {
        AccountSyncResult r = SyncAccount(account, list, transport, kEvents);
        if (r.fault.exitCode || r.counts.touched || r.events != kCards) state.SkipWithError("the sync found changes");
    }
    CountServer(state, server, before);
}

// The whole program's --sync in a home of the server's folder, the password on standard input (no
// secret service); false when it fails.
bool RunSync(const Server& server, const std::vector<std::string>& args)
{
    const std::string home = (server.dir / "home").string();
    std::filesystem::create_directories(home);
    std::ofstream(server.dir / "password") << "secret\n";
    pid_t pid = fork();
    if (pid == 0) {
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
        setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kinfold-bench-bus", 1);
        unsetenv("DISPLAY");
        if (!freopen((server.dir / "password").c_str(), "r", stdin) || !freopen("/dev/null", "w", stdout) ||
            !freopen("/dev/null", "w", stderr) || chdir(home.c_str()) != 0)
            _exit(126);
        std::vector<char*> argv{const_cast<char*>(KQ_KINFOLD_PROGRAM)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(KQ_KINFOLD_PROGRAM, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// As the user runs it: the program started, the document read, the account's settings written.
void BM_ProgramSyncNothingChanged(benchmark::State& state)
{
    Server& server = TheServer();
    if (!server.problem.empty()) return state.SkipWithError(server.problem.c_str());
    std::filesystem::remove_all(server.dir / "home");
    const std::vector<std::string> sync{"--sync", "--password-stdin", "book.kfd"};
    if (!RunSync(server, {"--add-account", server.radicale.Url(), "--user", "ann", "--no-publish"}) ||
        !RunSync(server, sync) || !RunSync(server, sync))
        return state.SkipWithError("the program cannot sync with radicale");
    const double before = ServerMs(server);
    for (auto _ : state)
        if (!RunSync(server, sync)) state.SkipWithError("the program's sync failed");
    CountServer(state, server, before);
}

} // namespace

BENCHMARK(BM_AddressBookFirstRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_AddressBookNothingChanged)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_NothingChangedPublishing)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ProgramSyncNothingChanged)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
