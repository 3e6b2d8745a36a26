// SPDX-License-Identifier: GPL-3.0-or-later
// Every shipped language loads, translates the menus, and keeps each menu's accelerators apart;
// the language follows the environment as desktop programs read it.
#include <gtest/gtest.h>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcessEnvironment>
#include <QSet>
#include <memory>
#include <QListWidget>
#include "app/CountrySetDlg.h"
#include "app/MainFrame.h"
#include "platform/Translate.h"
#include "holidays/HolidayList.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "reminders/Reminders.h"
#include "view/KinfoldDoc.h"
#include "view/core/DayCell.h"
#include "view/core/PageLayout.h"

namespace {
// The letter after a single '&', lower case; 0 when there is none.
QChar Accelerator(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') { ++i; continue; }
        return text[i + 1].toLower();
    }
    return QChar();
}

// The accelerators of one menu (or of the menu bar's titles) differ, and so on down every submenu.
void ExpectUniqueAccelerators(const QList<QAction*>& actions, const QString& where, const QString& language)
{
    QSet<QChar> seen;
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        const QChar letter = Accelerator(a->text());
        if (letter.isNull()) continue;
        EXPECT_FALSE(seen.contains(letter)) << language.toStdString() << ": " << a->text().toStdString() << " in "
                                            << where.toStdString();
        seen.insert(letter);
        if (a->menu()) ExpectUniqueAccelerators(a->menu()->actions(), a->menu()->title(), language);
    }
}
}  // namespace

TEST(Translations, EveryShippedLanguageTranslatesTheMenus)
{
    MemorySettingsStore store;
    SetAppSettings(&store);
    for (const QString& language : QString(KQ_SHIPPED_LANGUAGES).split(' ', Qt::SkipEmptyParts)) {
        ASSERT_EQ(InstallTranslationsFor({"kinfold", "kestrum"}, {language}), language);
        CKinfoldDoc doc;
        auto frame = std::make_unique<CMainFrame>(&doc);
        QStringList titles;
        for (QAction* a : frame->menuBar()->actions())
            if (a->menu()) titles << a->menu()->title();
        EXPECT_FALSE(titles.contains("&File")) << language.toStdString();
        EXPECT_FALSE(titles.contains("&View")) << language.toStdString();
        ExpectUniqueAccelerators(frame->menuBar()->actions(), "the menu bar", language);
        for (QAction* a : frame->menuBar()->actions())
            if (a->menu()) EXPECT_FALSE(Accelerator(a->menu()->title()).isNull()) << a->menu()->title().toStdString();
        frame.reset();
    }
    RemoveTranslations();
    CKinfoldDoc doc;
    CMainFrame english(&doc);
    EXPECT_EQ(english.menuBar()->actions().first()->menu()->title(), "&File");
    SetAppSettings(nullptr);
}

// The Qt-free cores' texts: English as always without translations, the user's language with them.
TEST(Translations, TheCoresTextsFollowTheLanguage)
{
    DisplayOptions seasons;
    seasons.bSeasons = true;
    const CalendarDate equinox(3, 20, 2026);
    auto texts = [&] {
        return std::vector<std::string>{DayCornerText(equinox, seasons, 0).text, MonthTitle(kChinese, "M", 1, 2025),
                                        MonthTitle(kCurrent, "M", 1, -44),
                                        HolidayList::LocaleFactoryList(LocaleChoices::System()).back().name,
                                        HowFarOff(1, equinox).substr(0, HowFarOff(1, equinox).find(',')),
                                        TextTranslation::translate("Reminders", "in %n days", nullptr, 5)};
    };
    RemoveTranslations();
    EXPECT_EQ(texts(), (std::vector<std::string>{"Spring", "M 2025 Snake", "M 44 BC", "Christmas", "tomorrow", "in 5 days"}));
    ASSERT_EQ(InstallTranslationsFor({"kinfold", "kestrum"}, {"de"}), "de");
    EXPECT_EQ(texts(), (std::vector<std::string>{"Frühling", "M 2025 Schlange", "M 44 v. Chr.", "Weihnachten", "morgen",
                                                 "in 5 Tagen"}));
    // The reminder's day in the locale's long form without the year; English keeps its own.
    const GregorianDate friday(3, 20, 2026);
    const std::pair<const char*, const char*> days[] = {{"de_DE", "Freitag, 20. März"},
                                                        {"es_ES", "viernes, 20 de marzo"},
                                                        {"ja_JP", "3月20日金曜日"},
                                                        {"en_US", "Friday 20 March"},
                                                        {"C", "Friday 20 March"}};
    for (const auto& [locale, day] : days) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        EXPECT_EQ(HowFarOff(1, friday), "morgen, " + std::string(day)) << locale;
    }
    QLocale::setDefault(QLocale::c());
    // The title's order is the language's.
    ASSERT_EQ(InstallTranslationsFor({"kinfold", "kestrum"}, {"ja"}), "ja");
    EXPECT_EQ(MonthTitle(kCurrent, "12月", 12, 2026), "2026年12月");
    // Joined with the language's own separator.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(HowFarOff(1, friday), "明日、3月20日金曜日");
    QLocale::setDefault(QLocale::c());
    RemoveTranslations();
}

// The Country dialog names the sets in the user's language; the codes stay as they are.
TEST(Translations, TheCountryDialogNamesTheSetsInTheLanguage)
{
    auto bavaria = [] {
        CCountrySetDlg dlg;
        dlg.show();
        const auto found = dlg.m_ctlList->findItems("(DE-BY)", Qt::MatchEndsWith);
        return found.size() == 1 ? found.front()->text() : QString();
    };
    RemoveTranslations();
    EXPECT_EQ(bavaria(), "Germany, Bavaria (DE-BY)");
    ASSERT_EQ(InstallTranslationsFor({"kinfold", "kestrum"}, {"de"}), "de");
    EXPECT_EQ(bavaria(), "Deutschland, Bayern (DE-BY)");
    RemoveTranslations();
}

TEST(Translations, TheLanguageComesFromTheEnvironment)
{
    auto languages = [](std::initializer_list<std::pair<const char*, const char*>> vars) {
        QProcessEnvironment env;
        for (const auto& [name, value] : vars) env.insert(name, value);
        return MessageLanguages(env);
    };
    EXPECT_EQ(languages({{"LANG", "de_DE.UTF-8"}}), (QStringList{"de_DE", "de"}));
    EXPECT_EQ(languages({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_CA.UTF-8"}}), (QStringList{"fr_CA", "fr"}));
    EXPECT_EQ(languages({{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "fr_CA"}}), (QStringList{"ja_JP", "ja"}));
    EXPECT_EQ(languages({{"LANGUAGE", "sv:nl"}, {"LANG", "de_DE.UTF-8"}}),
              (QStringList{"sv", "nl", "de_DE", "de"}));
    // LANGUAGE does not outrank a "C" locale; Norwegian is read as Bokmål.
    EXPECT_EQ(languages({{"LANGUAGE", "sv"}, {"LANG", "C.UTF-8"}}), QStringList());
    EXPECT_EQ(languages({{"LANG", "no_NO.UTF-8"}}), (QStringList{"nb_NO", "nb"}));
    // A language that is not shipped leaves the messages English.
    EXPECT_EQ(InstallTranslationsFor({"kinfold", "kestrum"}, {"xx", "en_GB"}), QString());
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PlatformSetApplication("Kinfold");
    SetMessageBoxAnswerer([](const MessageBoxRequest&) { return IDOK; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
