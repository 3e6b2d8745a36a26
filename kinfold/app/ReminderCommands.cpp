// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ReminderCommands.h"
#include "platform/Translate.h"
#include <sys/file.h>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <ctime>
#include "app/KinfoldApp.h"
#include "birthdays/ImportCommand.h"
#include "holidays/HolidayList.h"
#include "kestrum/notify.h"
#include "platform/Settings.h"
#include "reminders/Reminders.h"

namespace {

int Fail(const std::string& message, int status)
{
    std::fprintf(stderr, "kinfold: %s\n", message.c_str());
    return status;
}

bool AllDigits(const std::string& s)
{
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

// --now, or the clock's local date and time.
std::string ReadNow(const CommandArgs& args, LocalMoment& now)
{
    if (args.Has("--now")) {
        if (!ParseLocalMoment(args.Value("--now"), now))
            return FillIn(TextTranslation::translate("CommandLine", "--now: \"%1\" is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM"),
                                    {args.Value("--now")});
        return "";
    }
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    now.date = GregorianDate(local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
    now.minutes = local.tm_hour * 60 + local.tm_min;
    return "";
}

std::string ReadDays(const CommandArgs& args, int& days)
{
    const std::string text = args.Value("--upcoming");
    days = 14;
    if (text.empty()) return "";
    if (!AllDigits(text) || text.size() > 3 || std::stoi(text) > kMaxLeadDays)
        return FillIn(TextTranslation::translate("CommandLine", "--upcoming: \"%1\" is no number of days from 0 to 366"), {text});
    days = std::stoi(text);
    return "";
}

// The document named, else `fallback`, else the one the window used last; "" when none.
std::string DocumentOf(const CommandArgs& args, ISettingsStore& store, const std::string& fallback = "")
{
    if (!args.Files().empty()) return args.Files()[0];
    if (!fallback.empty()) return fallback;
    return store.GetString("Recent File List", "File1", "");
}

// `tooMany` names the second document as %1.
std::string CheckDocuments(const CommandArgs& args, const std::string& tooMany)
{
    if (args.Files().size() > 1) return FillIn(tooMany, {args.Files()[1]});
    return "";
}

// Serialises runs: the login entry and the timer may start at once. The lock goes when the
// process does, also when it crashes.
class RunLock {
public:
    RunLock()
    {
        const QString settings = PlatformSettingsFile("Kinfold");
        QDir().mkpath(QFileInfo(settings).absolutePath());
        const QByteArray path = QFile::encodeName(QFileInfo(settings).absolutePath() + "/Kinfold.remind.lock");
        m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd >= 0)
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~RunLock()
    {
        if (m_fd >= 0) ::close(m_fd);
    }

private:
    int m_fd = -1;
};

} // namespace

std::vector<std::string> WithUpcomingDays(std::vector<std::string> args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") break;
        if (args[i] != "--upcoming") continue;
        if (i + 1 < args.size() && AllDigits(args[i + 1])) {
            args[i] += "=" + args[i + 1];
            args.erase(args.begin() + (std::ptrdiff_t)i + 1);
        } else {
            args[i] += "=";
        }
    }
    return args;
}

std::string CheckUpcoming(const CommandArgs& args)
{
    int days = 0;
    LocalMoment now;
    std::string problem = ReadDays(args, days);
    if (problem.empty()) problem = ReadNow(args, now);
    if (problem.empty()) problem = CheckDocuments(args, TextTranslation::translate("CommandLine", "only one document can be listed (got %1)"));
    if (problem.empty() && args.Has("--holidays") && args.Value("--holidays") != "stored") {
        HolidayList list;
        problem = HolidaySetByCode(args.Value("--holidays"), list);
    }
    return problem;
}

int RunUpcoming(const CommandArgs& args)
{
    int days = 0;
    LocalMoment now;
    ReadDays(args, days);
    ReadNow(args, now);
    ISettingsStore& store = AppSettings();
    const std::string path = DocumentOf(args, store);
    if (path.empty()) return Fail(TextTranslation::translate("CommandLine", "--upcoming: no DOC.kfd given and no document used before"), 2);
    BirthdayList list;
    std::string error;
    if (!LoadKfdFile(path, list, error)) return Fail(error, 1);
    HolidayList holidays;
    const bool withHolidays = args.Has("--holidays");
    if (withHolidays) {
        if (args.Value("--holidays") == "stored") StoredHolidays(holidays);
        else HolidaySetByCode(args.Value("--holidays"), holidays);
    }
    for (const DayEvent& e : EventsOfDays(list, StoredEventRules(store), now.date, days, withHolidays ? &holidays : nullptr))
        PrintTerminalLine(UpcomingLine(e));
    return 0;
}

std::string CheckRemind(const CommandArgs& args)
{
    LocalMoment now;
    std::string problem = ReadNow(args, now);
    if (problem.empty()) problem = CheckDocuments(args, TextTranslation::translate("CommandLine", "only one document can be watched (got %1)"));
    return problem;
}

int RunRemind(const CommandArgs& args)
{
    LocalMoment now;
    ReadNow(args, now);
    RunLock lock;
    ISettingsStore& store = AppSettings();
    const ReminderSettings settings = LoadReminderSettings(store);
    if (!settings.enabled) return 0;
    const std::string path = DocumentOf(args, store, settings.document);
    // A new user's login entry and timer: nothing to remind of yet, which is no failure.
    if (path.empty()) return Fail(TextTranslation::translate("CommandLine", "--remind: no document used yet, so no reminders"), 0);
    BirthdayList list;
    std::string error;
    if (!LoadKfdFile(path, list, error)) return Fail(error, 1);

    // The session bus wants an application object; it needs no display.
    int argc = 1;
    char name[] = "kinfold";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    std::unique_ptr<Notifier> notifier = MakeDesktopNotifier();
    ReminderOutput out;
    out.show = [&](const ReminderMessage& m, std::string& why) {
        Notification n;
        n.summary = m.summary;
        n.body = m.body;
        n.appName = "Kinfold";
        n.icon = "kinfold";
        n.desktopEntry = "kinfold";
        return notifier->Notify(n, why);
    };
    out.print = [](const std::string& line) { PrintTerminalLine(line); };
    out.warn = [](const std::string& why) {
        Fail(FillIn(TextTranslation::translate("CommandLine", "%1; the reminders follow on standard output"), {why}), 0);
    };
    RunReminders(list, store, now, out);
    std::fflush(stdout);
    return 0;
}
