// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "platform/Translate.h"
#include <QApplication>
#include <cstdio>
#include <ctime>
#include "app/KinfoldApp.h"
#include "app/ReminderCommands.h"
#include "birthdays/ImportCommand.h"
#include "dav/AccountSync.h"
#include "holidays/CountrySets.h"
#include "holidays/HolidayList.h"
#include "platform/DisplayChoice.h"
#include "platform/Locale.h"
#include "platform/Settings.h"
#include "platform/Version.h"
#include "view/core/CalendarExport.h"

namespace {

const CommandOption kOptions[] = {
    {"--help", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit")},
    {"--version", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit")},
    {"--import", "FILE", QT_TRANSLATE_NOOP("CommandLine", "Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window")},
    {"--save", "OUT.kfd", QT_TRANSLATE_NOOP("CommandLine", "Save the merged list to OUT.kfd instead of DOC.kfd"), "--import"},
    {"--export-ics", "OUT.ics",
     QT_TRANSLATE_NOOP("CommandLine", "Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events")},
    {"--no-alarms", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Leave the reminders' alarms out of the events"), "--export-ics"},
    {"--upcoming", "[DAYS]",
     QT_TRANSLATE_NOOP("CommandLine", "Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)")},
    {"--remind", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due")},
    {"--now", "YYYY-MM-DD[THH:MM]", QT_TRANSLATE_NOOP("CommandLine", "Take this local date and time (00:00 without one) for now"),
     "--upcoming --remind"},
    {"--print-pdf", "OUT.pdf", QT_TRANSLATE_NOOP("CommandLine", "Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window")},
    {"--year", "YEAR", QT_TRANSLATE_NOOP("CommandLine", "First year printed, -9900 to 11400; from January unless --month is given"), "--print-pdf"},
    {"--month", "MONTH", QT_TRANSLATE_NOOP("CommandLine", "First month printed: 1-12, or 13 in a moon year of 13 months"), "--print-pdf"},
    {"--months-per-page", "N", QT_TRANSLATE_NOOP("CommandLine", "1, 6 or 12 months a page"), "--print-pdf"},
    {"--calendar", "TYPE", QT_TRANSLATE_NOOP("CommandLine", "0 Current, 1 Old style, 2 Moon, 3 Year of the Snake"), "--print-pdf"},
    {"--paper", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale's (Letter or A4) when not given"), "--print-pdf"},
    {"--portrait", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Upright pages"), "--print-pdf"},
    {"--landscape", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Sideways pages, the default"), "--print-pdf"},
    {"--week-numbers", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Each week row's number in its first cell"), "--print-pdf"},
    {"--holiday-sets", nullptr, QT_TRANSLATE_NOOP("CommandLine", "List the built-in country holiday sets, one a line: code, a blank, the name")},
    {"--list-holidays", "YEAR", QT_TRANSLATE_NOOP("CommandLine", "Print each holiday of YEAR (-9900 to 11400) as \"YYYY-MM-DD name\", from the stored list")},
    {"--import-holidays", "FILE.ics",
     QT_TRANSLATE_NOOP("CommandLine", "Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)")},
    {"--holidays", "CODE", QT_TRANSLATE_NOOP("CommandLine", "Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also \"stored\""),
     "--print-pdf --list-holidays --upcoming"},
    {"--add-account", "URL",
     QT_TRANSLATE_NOOP("CommandLine", "Add a CardDAV/CalDAV account (a server's root or one collection); the password is read from standard input")},
    {"--user", "NAME", QT_TRANSLATE_NOOP("CommandLine", "The account's user name"), "--add-account"},
    {"--no-publish", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Only read the address books, publish no calendar"), "--add-account"},
    {"--accounts", nullptr, QT_TRANSLATE_NOOP("CommandLine", "List the accounts, one a line, with their numbers")},
    {"--remove-account", "N", QT_TRANSLATE_NOOP("CommandLine", "Remove account N (see --accounts) and its password")},
    {"--sync", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Read every account's address books into DOC.kfd (or the last document) and publish its birthdays")},
    {"--password-stdin", nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Read the accounts' passwords from standard input, one a line, instead of the secret store"),
     "--sync"},
};

const std::string_view kUsageLines[] = {
    "kinfold [DOC.kfd]",
    "kinfold --import FILE [--save OUT.kfd] [DOC.kfd]",
    "kinfold --export-ics OUT.ics [--no-alarms] [DOC.kfd]",
    "kinfold --upcoming [DAYS] [--holidays CODE|stored] [--now YYYY-MM-DD[THH:MM]] [DOC.kfd]",
    "kinfold --remind [--now YYYY-MM-DD[THH:MM]] [DOC.kfd]",
    "kinfold --print-pdf OUT.pdf [--year YEAR] [--month MONTH] [--holidays CODE] [more print options] [DOC.kfd]",
    "kinfold --holiday-sets",
    "kinfold --list-holidays YEAR [--holidays CODE]",
    "kinfold --import-holidays FILE.ics",
    "kinfold --add-account URL --user NAME [--no-publish]",
    "kinfold --accounts | --remove-account N",
    "kinfold --sync [--password-stdin] [DOC.kfd]",
};

int Fail(const std::string& message, int status = 2)
{
    std::fprintf(stderr, "kinfold: %s\n", message.c_str());
    return status;
}

// The batch command's one line: its result on stdout, or its error on stderr.
int Report(const ImportCommandResult& r)
{
    if (r.exitCode) return Fail(r.error, r.exitCode);
    std::printf("%s\n", r.output.c_str());
    return 0;
}

int RunImport(const CommandArgs& args)
{
    if (args.Files().size() > 1)
        return Fail(FillIn(TextTranslation::translate("CommandLine", "only one document can be merged into (got %1)"), {args.Files()[1]}));
    ImportCommandResult r =
        RunImportCommand(args.Value("--import"), args.Value("--save"), args.Files().empty() ? "" : args.Files()[0]);
    return Report(r);
}

int RunExport(const CommandArgs& args)
{
    if (args.Files().size() > 1)
        return Fail(FillIn(TextTranslation::translate("CommandLine", "only one document can be exported (got %1)"), {args.Files()[1]}));
    QtSettingsStore store("Kinfold");
    ImportCommandResult r = RunExportCommand(args.Value("--export-ics"), args.Files().empty() ? "" : args.Files()[0],
                                             store, (int64_t)std::time(nullptr), !args.Has("--no-alarms"));
    return Report(r);
}

// The year and the list of "--list-holidays YEAR [--holidays CODE]"; an error text or "".
std::string ReadListHolidaysOptions(const CommandArgs& args, int& year, HolidayList& list)
{
    const QString problem = ReadYearOption("--list-holidays", args.Value("--list-holidays"), year);
    if (!problem.isEmpty()) return problem.toLocal8Bit().toStdString();
    if (args.Files().size() > 0)
        return FillIn(TextTranslation::translate("CommandLine", "--list-holidays reads no document (got %1)"), {args.Files()[0]});
    if (args.Has("--holidays")) return HolidaySetByCode(args.Value("--holidays"), list);
    StoredHolidays(list);
    return "";
}

std::string CheckPrintPdf(const CommandArgs& args)
{
    PrintPdfOptions o;
    return ReadPrintPdfOptions(args, o).toLocal8Bit().toStdString();
}

int RunHolidaySets(const CommandArgs& args)
{
    if (!args.Files().empty())
        return Fail(FillIn(TextTranslation::translate("CommandLine", "--holiday-sets reads no document (got %1)"), {args.Files()[0]}));
    for (const CountrySet& set : CountrySets()) std::printf("%s %s\n", set.code, set.name);
    return 0;
}

std::string CheckListHolidays(const CommandArgs& args)
{
    HolidayList list;
    int year = 0;
    return ReadListHolidaysOptions(args, year, list);
}

int RunListHolidays(const CommandArgs& args)
{
    HolidayList list;
    int year = 0;
    const std::string problem = ReadListHolidaysOptions(args, year, list);
    if (!problem.empty()) return Fail(problem);
    char date[32];
    for (const DatedHoliday& d : list.HolidaysInYear(year)) {
        std::snprintf(date, sizeof date, "%s%04d-%02d-%02d ", d.year < 0 ? "-" : "", d.year < 0 ? -d.year : d.year,
                      d.month, d.day);
        PrintTerminalLine(date + d.name);
    }
    return 0;
}

int RunImportHolidays(const CommandArgs& args)
{
    if (!args.Files().empty())
        return Fail(FillIn(TextTranslation::translate("CommandLine", "--import-holidays reads no document (got %1)"), {args.Files()[0]}));
    // The list in effect: the stored one, or the factory list when none is stored.
    HolidayList list;
    StoredHolidays(list);
    std::string line;
    int status = 0;
    const std::string problem = AddHolidaysFromFile(args.Value("--import-holidays"), list, line, status);
    if (!problem.empty()) return Fail(problem, status);
    list.SaveToSettings(AppSettings());
    std::printf("%s\n", line.c_str());
    return 0;
}

const BatchCommand kCommands[] = {
    {"--import", false, nullptr, RunImport},
    {"--export-ics", false, nullptr, RunExport},
    {"--print-pdf", true, CheckPrintPdf, RunPrintPdfCommand},
    {"--holiday-sets", false, nullptr, RunHolidaySets},
    {"--list-holidays", false, CheckListHolidays, RunListHolidays},
    {"--import-holidays", false, nullptr, RunImportHolidays},
    {"--add-account", false, CheckAccountCommand, RunAddAccount},
    {"--accounts", false, CheckAccountCommand, RunListAccounts},
    {"--remove-account", false, CheckAccountCommand, RunRemoveAccount},
    {"--sync", false, CheckAccountCommand, RunSync},
    {"--upcoming", false, CheckUpcoming, RunUpcoming},
    {"--remind", false, CheckRemind, RunRemind},
};

std::vector<std::string> ToStd(const QStringList& list)
{
    std::vector<std::string> out;
    for (const QString& s : list) out.push_back(s.toLocal8Bit().toStdString());
    return out;
}

} // namespace

std::span<const CommandOption> KinfoldOptions() { return kOptions; }
std::span<const BatchCommand> KinfoldBatchCommands() { return kCommands; }
std::string KinfoldUsage()
{
    return CommandUsage(kUsageLines, kOptions, [](const char* t) { return TranslateToLocal("CommandLine", t); });
}

int KinfoldMain(int argc, char** argv)
{
    // The messages before the application object exists (--help, batch commands) are translated too.
    const QStringList catalogs{"kinfold", "kestrum"};
    InstallTranslations(catalogs);
    CommandArgs args;
    std::string error;
    if (!ParseCommandArgs(WithUpcomingDays(ArgumentsOf(argc, argv)), kOptions, args, error))
        return Fail(FillIn(TextTranslation::translate("CommandLine", "%1 (see kinfold --help)"), {error}));
    if (args.Has("--help")) {
        std::fputs(KinfoldUsage().c_str(), stdout);
        return 0;
    }
    if (args.Has("--version")) {
        std::printf("kinfold %s\n", KQ_VERSION);
        return 0;
    }
    const BatchCommand* command = nullptr;
    for (const BatchCommand& c : kCommands) {
        if (!args.Has(c.option)) continue;
        if (command)
            return Fail(FillIn(TextTranslation::translate("CommandLine", "%1 and %2 cannot be used together"), {command->option, c.option}));
        command = &c;
    }
    if (command && command->check) {
        std::string problem = command->check(args);
        if (!problem.empty()) return Fail(problem);
    }
    // Without a toolkit to take them, single-dash arguments are mistakes ("-save").
    if (command && !command->needsQt && !args.Others().empty())
        return Fail(FillIn(TextTranslation::translate("CommandLine", "unknown option %1 (see kinfold --help)"), {args.Others()[0]}));
    if (command && !command->needsQt) {
        PlatformSetApplication("Kinfold");
        return command->run(args);
    }
    // A batch command draws but shows nothing: it needs no display.
    if (command && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window needs one; without it the toolkit would abort with a page of its own.
    if (!command) {
        const DisplayEnvironment displays = DisplayEnvironmentNow();
        if (PlanDisplay(displays, false) == DisplayPlan::none) return Fail(NoDisplayReason(displays), 1);
    }
    QApplication app(argc, argv);
    InstallTranslations(catalogs);
    PlatformSetApplication("Kinfold");
    // Qt has taken its own options ("-platform offscreen") out of the arguments by now.
    QStringList rest = app.arguments();
    rest.removeFirst();
    if (!ParseCommandArgs(WithUpcomingDays(ToStd(rest)), kOptions, args, error)) return Fail(error);
    if (command && !args.Others().empty())
        return Fail(FillIn(TextTranslation::translate("CommandLine", "unknown option %1 (see kinfold --help)"), {args.Others()[0]}));
    if (command) return command->run(args);
    return RunKinfold(app, args.Files().empty() ? QString() : QString::fromLocal8Bit(args.Files()[0]));
}
