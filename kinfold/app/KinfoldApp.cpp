// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KinfoldApp.h"
#include <filesystem>
#include "platform/Translate.h"
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <memory>
#include "app/MainFrame.h"
#include "birthdays/FileBytes.h"
#include "birthdays/DateCheck.h"
#include "birthdays/ImportCommand.h"
#include "calendar/MoonDate.h"
#include "holidays/CountrySets.h"
#include "holidays/HolidayImport.h"
#include "holidays/HolidayList.h"
#include "platform/Locale.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"
#include "view/core/PageLayout.h"

namespace {
QString StartFile()
{
    QtSettingsStore store("Kinfold");
    CString recent = store.GetString("Recent File List", "File1", "");
    QString path = recent.empty() ? QString(kDefaultStartFile) : ToQt(recent);
    if (!QFileInfo::exists(path)) {
        QFile f(path);
        // An empty file opens as an empty list.
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) f.close();
    }
    return path;
}
}  // namespace

bool OpenStartDocument(CMainFrame& frame, const QString& document)
{
    // A named file that cannot be read has been reported; the user goes on with a new list
    // rather than losing the window.
    if (!document.isEmpty()) {
        if (frame.OpenDocumentFile(document)) return true;
        frame.OnFileNew();
        return false;
    }
    // A start file that vanished or went bad must not keep the program from starting, nor greet
    // every later start with the same message: it leaves the recent-file list like any other.
    if (!frame.OpenRecentFile(StartFile())) frame.OnFileNew();
    return true;
}

int RunKinfold(QApplication& app, const QString& document)
{
    InstallToolTipTiming(app);
    // The frame goes before the document; its view writes the display options as it goes.
    auto doc = std::make_unique<CKinfoldDoc>();
    auto frame = std::make_unique<CMainFrame>(doc.get());

    OpenStartDocument(*frame, document);
    frame->show();
    frame->repaint();
    // Once at start, when the window stands: the address books may have changed since.
    QTimer::singleShot(0, frame.get(), [f = frame.get()] { f->SyncNow(true); });
    int rc = app.exec();
    frame.reset();
    return rc;
}

namespace {
// A whole number and nothing else ("12abc" and "" are no numbers).
bool ReadNumber(const std::string& text, int& out)
{
    bool ok = false;
    out = QString::fromStdString(text).trimmed().toInt(&ok);
    return ok && !text.empty();
}
// The cores' texts are UTF-8.
QString Q8(const std::string& s)
{
    return QString::fromStdString(s);
}
}  // namespace

QString ReadYearOption(const char* option, const std::string& v, int& year)
{
    const QString text = QString::fromLocal8Bit(v);
    if (!ReadNumber(v, year)) return Q8(TextTranslation::translate("CommandLine", "%1: \"%2\" is not a year")).arg(QString(option), text);
    if (year == 0) return Q8(TextTranslation::translate("CommandLine", "%1: there is no year 0 (1 BC is year -1)")).arg(QString(option));
    if (!IsYearInRange(year))
        return Q8(TextTranslation::translate("CommandLine", "%1: %2 is outside the years shown, %3 to %4"))
            .arg(QString(option), text, QString::number(kFirstYear), QString::number(kLastYear));
    return QString();
}

std::string HolidaySetByCode(const std::string& code, HolidayList& list)
{
    const CountrySet* set = FindCountrySet(code);
    if (!set) return FillIn(TextTranslation::translate("CommandLine", "--holidays: no country set \"%1\" (see kinfold --holiday-sets)"), {code});
    list.RemoveAll();
    for (const Holiday& h : CountrySetHolidays(*set)) list.Add(h);
    return "";
}

std::string AddHolidaysFromFile(const std::string& path, HolidayList& list, std::string& line, int& status)
{
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, error)) {
        status = 1;
        return error;
    }
    std::vector<Holiday> found;
    HolidayImportCounts counts;
    if (!HolidaysFromICalendar(bytes, found, counts, error)) {
        status = 2;
        return path + " " + error;
    }
    for (const Holiday& h : found) list.Add(h);
    line = path + ": " + counts.Line();
    status = 0;
    return "";
}

void PrintTerminalLine(const std::string& line)
{
    std::string out;
    out.reserve(line.size());
    for (size_t i = 0; i < line.size(); ++i) {
        const unsigned char c = (unsigned char)line[i];
        if (c < 0x20 || c == 0x7F) {
            out += ' ';
        } else if (c == 0xC2 && i + 1 < line.size() && (unsigned char)line[i + 1] >= 0x80 &&
                   (unsigned char)line[i + 1] <= 0x9F) {
            out += ' ';
            ++i;
        } else {
            out += (char)c;
        }
    }
    std::printf("%s\n", out.c_str());
}

void StoredHolidays(HolidayList& list)
{
    // A copy to read from: loading puts the factory list in when none is stored, and says so
    // in the store it reads.
    MemorySettingsStore copy;
    WriteStoredHolidayRecords(copy, ReadStoredHolidayRecords(AppSettings()));
    list.LoadFromSettings(copy, CurrentLocaleChoices());
}

QString ReadPrintPdfOptions(const CommandArgs& args, PrintPdfOptions& o, double today)
{
    auto q = [](const std::string& s) { return QString::fromLocal8Bit(s); };
    o.output = q(args.Value("--print-pdf"));
    if (o.output.isEmpty()) return Q8(TextTranslation::translate("CommandLine", "--print-pdf needs an output file name"));
    // "kinfold --print-pdf family.kfd" must not print over the document.
    if (o.output.endsWith(".kfd", Qt::CaseInsensitive))
        return Q8(TextTranslation::translate("CommandLine", "--print-pdf writes a PDF file, not \"%1\" (give OUT.pdf, then the document)"))
            .arg(o.output);
    if (args.Has("--year")) {
        const QString problem = ReadYearOption("--year", args.Value("--year"), o.year);
        if (!problem.isEmpty()) return problem;
    }
    if (args.Has("--calendar")) {
        std::string v = args.Value("--calendar");
        if (!ReadNumber(v, o.calendar) || o.calendar < 0 || o.calendar > 3)
            return Q8(TextTranslation::translate("CommandLine", "--calendar: \"%1\" is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)")).arg(q(v));
    }
    if (args.Has("--month")) {
        std::string v = args.Value("--month");
        // 13 is refused below unless the calendar has it; the message names both ranges.
        if (!ReadNumber(v, o.month) || o.month < 1 || o.month > 13)
            return Q8(TextTranslation::translate("CommandLine", "--month: \"%1\" is no month from 1 to 12, or 13 in a moon year of 13 months")).arg(q(v));
        if (o.month == 13) {
            if (o.calendar < 2) return Q8(TextTranslation::translate("CommandLine", "--month: month 13 is only in the moon calendars (--calendar 2 or 3)"));
            // Without --year the moon year of today, which in early January is last year's.
            if (today == 0) {
                const QDate now = QDate::currentDate();
                today = GregorianDate(now.month(), now.day(), now.year()).DayNumber();
            }
            int year = o.year ? o.year : MoonDate(today).year;
            if (MoonMonthsInYear(year) != 13)
                return Q8(TextTranslation::translate("CommandLine", "--month: moon year %1 has 12 months")).arg(year);
        }
    }
    if (args.Has("--months-per-page")) {
        std::string v = args.Value("--months-per-page");
        if (!ReadNumber(v, o.monthsPerPage) || (o.monthsPerPage != 1 && o.monthsPerPage != 6 && o.monthsPerPage != 12))
            return Q8(TextTranslation::translate("CommandLine", "--months-per-page: \"%1\" is none of 1, 6 or 12")).arg(q(v));
    }
    if (args.Has("--paper")) {
        std::string v = args.Value("--paper");
        o.paperCode = PaperCodeByName(v);
        if (o.paperCode == 0) return Q8(TextTranslation::translate("CommandLine", "--paper: unknown paper \"%1\" (try Letter, Legal, A4, A3, A5)")).arg(q(v));
    }
    if (args.Has("--portrait") && args.Has("--landscape")) return Q8(TextTranslation::translate("CommandLine", "--portrait and --landscape cannot be used together"));
    o.portrait = args.Has("--portrait");
    o.weekNumbers = args.Has("--week-numbers");
    if (args.Has("--holidays")) {
        HolidayList set;
        const std::string problem = HolidaySetByCode(args.Value("--holidays"), set);
        if (!problem.empty()) return q(problem);
        o.holidaySet = args.Value("--holidays");
    }
    if (args.Files().size() > 1) return Q8(TextTranslation::translate("CommandLine", "only one document can be printed (got %1)")).arg(q(args.Files()[1]));
    if (!args.Files().empty()) o.document = q(args.Files()[0]);
    return QString();
}

namespace {
// The user's settings with every write dropped: a print changes none of them (the view puts the
// factory holidays into the store it loads from when none are stored).
class ReadOnlySettings : public ISettingsStore {
public:
    explicit ReadOnlySettings(ISettingsStore& base) : m_base(base) {}
    int GetInt(const CString& section, const CString& key, int def) override { return m_base.GetInt(section, key, def); }
    CString GetString(const CString& section, const CString& key, const CString& def) override
    {
        return m_base.GetString(section, key, def);
    }
    void WriteInt(const CString&, const CString&, int) override {}
    void WriteString(const CString&, const CString&, const CString&) override {}
    bool Contains(const CString& section, const CString& key) override { return m_base.Contains(section, key); }
    void RemoveSection(const CString&) override {}

private:
    ISettingsStore& m_base;
};

// The store in effect while it lives.
class ScopedSettings {
public:
    explicit ScopedSettings(ISettingsStore& store) : m_previous(AppSettings()) { SetAppSettings(&store); }
    ~ScopedSettings() { SetAppSettings(&m_previous); }

private:
    ISettingsStore& m_previous;
};
}  // namespace

QString PrintPdf(const PrintPdfOptions& o, int* leftOut)
{
    // Written over the document (the same file, or a link to it), the PDF would lose the list.
    std::error_code unknown;
    if (!o.document.isEmpty() && std::filesystem::equivalent(QFile::encodeName(o.output).toStdString(),
                                                             QFile::encodeName(o.document).toStdString(), unknown))
        return Q8(TextTranslation::translate("CommandLine", "%1 is the document itself; the PDF would replace it"))
            .arg(o.output);
    ReadOnlySettings readOnly(AppSettings());
    ScopedSettings reading(readOnly);
    CKinfoldDoc doc;
    doc.OnNewDocument();
    std::string error;
    if (!o.document.isEmpty() && !LoadKfdFile(QFile::encodeName(o.document).toStdString(), doc.List(), error))
        return QString::fromLocal8Bit(error);
    CKinfoldView view(&doc);
    view.m_bSaveOptionsOnClose = false;
    view.SetCalendarType(o.calendar);
    view.OnInitialUpdate();
    if (!o.holidaySet.empty()) {
        // For this print only: nothing writes the view's list back.
        HolidaySetByCode(o.holidaySet, view.Holidays());
    }
    if (o.weekNumbers) view.m_Options.bWeekNumbers = true;
    view.OnNow();
    // A year alone is printed from its first month.
    if (o.year != 0) {
        view.m_nYear = o.year;
        view.m_nMonth = o.month ? o.month : 1;
    } else if (o.month != 0) {
        view.m_nMonth = o.month;
    }
    view.SetMonthsPerPage(o.monthsPerPage);
    // No screen drawing came first: the print scale takes the default window size.
    view.LayoutScreenPage(1024, 768);
    PrintRequest r;
    r.outputPdf = o.output;
    r.paperCode = o.paperCode;
    r.portrait = o.portrait;
    if (leftOut) *leftOut = view.EntriesLeftOut();
    return view.PrintToPdf(r);
}

int RunPrintPdfCommand(const CommandArgs& args)
{
    PrintPdfOptions o;
    QString err = ReadPrintPdfOptions(args, o);
    int status = 2, leftOut = 0;
    if (err.isEmpty()) {
        err = PrintPdf(o, &leftOut);
        status = 1;
    }
    if (!err.isEmpty()) {
        std::fprintf(stderr, "kinfold: %s\n", err.toLocal8Bit().constData());
        return status;
    }
    // The print's one line, only when it has something to say.
    if (leftOut) std::printf("%s\n", LeftOutText(leftOut).c_str());
    return 0;
}
