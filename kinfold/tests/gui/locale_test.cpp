// SPDX-License-Identifier: GPL-3.0-or-later
// Pages printed under several locales, each set through QLocale here (no installed locale is
// needed): the locale's month and day names, first weekday, paper and holidays; and week numbers.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include "app/KinfoldApp.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace {
class LocalePages : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
        SetAppSettings(&store);
    }
    void TearDown() override
    {
        SetAppSettings(nullptr);
        QLocale::setDefault(QLocale::c());
    }
    // December 2026 printed as one page a month under the locale; the first page's text.
    QString December(const char* locale, bool weekNumbers = false)
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        PrintPdfOptions o;
        o.output = dir.filePath("page.pdf");
        o.year = 2026;
        o.month = 12;
        o.weekNumbers = weekNumbers;
        EXPECT_EQ(PrintPdf(o), QString()) << locale;
        // Some CJK fonts map their glyphs back to the look-alike Kangxi radicals.
        return Tool("pdftotext", {"-f", "1", "-l", "1", "-layout", o.output, "-"})
            .normalized(QString::NormalizationForm_KC);
    }
    QString PaperLine()
    {
        for (const QString& line : Tool("pdfinfo", {dir.filePath("page.pdf")}).split('\n'))
            if (line.startsWith("Page size:")) return line;
        return QString();
    }
    static QString Tool(const QString& program, const QStringList& args)
    {
        QProcess p;
        p.start(program, args);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    MemorySettingsStore store;
    QTemporaryDir dir;
};

struct LocaleCase {
    const char* locale;
    const char* title;     // December's title
    const char* firstDay;  // the heading of the first column
    const char* lastDay;
    const char* paper;     // as pdfinfo names the page size
    const char* holiday;   // a holiday of December 2026 in the locale's set
};

const LocaleCase kCases[] = {
    {"de_DE", "Dezember 2026", "Montag", "Sonntag", "A4", "1. Weihnachtstag"},
    {"el_GR", "Δεκέμβριος 2026", "Δευτέρα", "Κυριακή", "A4", "Χριστούγεννα"},
    {"pl_PL", "grudzień 2026", "poniedziałek", "niedziela", "A4", "Wigilia"},
    // Japan's set has no holiday in December: no day shows one, and not the factory list's.
    {"ja_JP", "12月 2026", "日曜日", "土曜日", "A4", nullptr},
    {"en_US", "December 2026", "Sunday", "Saturday", "letter", "Christmas"},
    {"C", "December 2026", "Sunday", "Saturday", "letter", "Christmas"},
};
}  // namespace

TEST_F(LocalePages, NamesWeekStartPaperAndHolidaysFollowTheLocale)
{
    for (const LocaleCase& c : kCases) {
        SCOPED_TRACE(c.locale);
        const QString text = December(c.locale);
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.title))) << text.toStdString();
        const int first = text.indexOf(QString::fromUtf8(c.firstDay));
        const int last = text.indexOf(QString::fromUtf8(c.lastDay));
        EXPECT_GE(first, 0);
        EXPECT_GT(last, first);
        if (c.holiday)
            EXPECT_TRUE(text.contains(QString::fromUtf8(c.holiday))) << text.toStdString();
        else
            EXPECT_FALSE(text.contains("Christmas"));
        EXPECT_TRUE(PaperLine().contains(c.paper)) << PaperLine().toStdString();
    }
    // Nothing of the locale was stored: the next locale brings its own again.
    EXPECT_FALSE(store.Contains("Options", "StartWeekMonday"));
    EXPECT_LT(store.GetInt("Hollidays", "Number", -1), 0);
}

TEST_F(LocalePages, StoredNamesWeekStartAndPaperStillWin)
{
    store.WriteString("Month", "December", "Julmond");
    store.WriteString("Week", "Monday", "Mo");
    store.WriteInt("Options", "StartWeekMonday", 0);
    const QString text = December("de_DE");
    EXPECT_TRUE(text.contains("Julmond 2026"));
    EXPECT_LT(text.indexOf("Sonntag"), text.indexOf("Mo "));
    EXPECT_FALSE(text.contains("Montag"));

    PrintPdfOptions o;
    o.output = dir.filePath("page.pdf");
    o.paperCode = 1;  // --paper Letter
    ASSERT_EQ(PrintPdf(o), QString());
    EXPECT_TRUE(PaperLine().contains("letter"));
}

TEST_F(LocalePages, WeekNumbersInTheRowsFirstCells)
{
    // Monday weeks are ISO weeks: 28 December 2026 is in week 53.
    QString text = December("de_DE", true);
    for (const char* week : {"49", "50", "51", "52", "53"}) EXPECT_TRUE(text.contains(week)) << week;
    // Sunday weeks count from the week of 1 January: 27 December 2026 starts week 1 of 2027.
    text = December("en_US", true);
    EXPECT_TRUE(text.contains("52"));
    EXPECT_FALSE(text.contains("53"));
    EXPECT_FALSE(December("en_US").contains("49"));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    QTemporaryDir settings;
    PlatformSetApplication("Kinfold");
    PlatformSetSettingsFolder(settings.path());
    SetMessageBoxAnswerer([](const MessageBoxRequest&) { return IDOK; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
