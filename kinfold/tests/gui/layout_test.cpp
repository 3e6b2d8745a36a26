// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog in every shipped language has room for its texts: shown as it opens, no label,
// button, check box or list is narrower than its text needs, no wrapped text is cut short, no tab of
// the options is hidden behind scroll arrows, and no dialog is smaller than its layout asks or larger
// than a small screen.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <functional>
#include <memory>
#include "TargetDlg.h"
#include "app/AccountsDlg.h"
#include "app/BirthdayEditDlg.h"
#include "app/BirthdayNamesDlg.h"
#include "app/CountrySetDlg.h"
#include "app/EditDateDlg.h"
#include "app/HolidayEditDlg.h"
#include "app/HolidayListDlg.h"
#include "app/OptionsPages.h"
#include "app/OptionsSheet.h"
#include "app/PleaseChooseDlg.h"
#include "app/ReminderDialogs.h"
#include "app/YearDlg.h"
#include "holidays/HolidayList.h"
#include "kestrum/clock.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "sync/Accounts.h"
#include "view/KinfoldDoc.h"

namespace {
using Where = std::string;

// The room a widget's text needs, or an empty size for widgets that show no text of their own.
QSize Needed(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty()) return {};
        if (!l->wordWrap()) return l->sizeHint();
        const QSize least = l->minimumSizeHint();
        return {least.width(), l->heightForWidth(std::max(l->width(), least.width()))};
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().isEmpty() ? QSize() : b->sizeHint();
    if (qobject_cast<QTabBar*>(w)) return {w->sizeHint().width(), 0};
    // A list of names is as wide as its longest, or half the screen.
    if (auto* v = qobject_cast<QListWidget*>(w))
        return {std::min(v->sizeHintForColumn(0) + v->verticalScrollBar()->sizeHint().width() + 2 * v->frameWidth(),
                         v->screen()->availableGeometry().width() / 2),
                0};
    if (qobject_cast<QGroupBox*>(w)) return w->minimumSizeHint();
    return {};
}

QString TextOf(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return w->metaObject()->className();
}

// The smallest screen the programs are made for: a dialog that does not fit is cut off there.
constexpr int kScreenWidth = 1024, kScreenHeight = 768;

void ExpectRoomForTexts(QDialog* dialog, const Where& where)
{
    const QSize least = dialog->minimumSizeHint();
    EXPECT_TRUE(dialog->width() >= least.width() && dialog->height() >= least.height())
        << where << ": the dialog is " << dialog->width() << "x" << dialog->height() << ", its layout asks "
        << least.width() << "x" << least.height();
    const QSize frame = dialog->frameGeometry().size();
    EXPECT_TRUE(frame.width() <= kScreenWidth && frame.height() <= kScreenHeight)
        << where << ": the dialog is " << frame.width() << "x" << frame.height() << ", larger than a screen of "
        << kScreenWidth << "x" << kScreenHeight;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(dialog)) continue;
        const QSize need = Needed(w);
        if (!need.isValid()) continue;
        EXPECT_TRUE(w->width() >= need.width() && w->height() >= need.height())
            << where << ": \"" << TextOf(w).toStdString() << "\" (" << w->metaObject()->className() << ") is "
            << w->width() << "x" << w->height() << ", needs " << need.width() << "x" << need.height();
    }
}

// What the dialogs are opened on; the settings are the test's own, set before the document reads them.
struct Fixture {
    explicit Fixture(ISettingsStore& store) { SetAppSettings(&store); }
    ~Fixture() { SetAppSettings(nullptr); }
    CKinfoldDoc doc;
    HolidayList holidays;
    BirthdayList entries;
};

using Maker = std::function<QDialog*(Fixture&)>;
const std::vector<std::pair<const char*, Maker>>& Dialogs()
{
    static const std::vector<std::pair<const char*, Maker>> dialogs = {
        {"entry editor", [](Fixture&) { return new CBirthdayEditDlg; }},
        {"names list", [](Fixture& f) { return new CBirthdayNamesDlg(&f.doc); }},
        {"options", [](Fixture&) { return new COptions("Options", nullptr, 0); }},
        {"font", [](Fixture&) { return new CFontColorDlg("Font", DisplayFont{}); }},
        {"date", [](Fixture&) { return new CEditDateDlg; }},
        {"year", [](Fixture&) { return new CYearDlg; }},
        {"two dates", [](Fixture&) {
             auto* d = new CPleaseChooseDlg;
             d->m_strTitle = "Ann Lee";
             d->m_strKind = "Birth";
             d->m_strDateA = "1950-03-04";
             d->m_strDateB = "1951-03-04";
             return d;
         }},
        {"holiday list", [](Fixture& f) { return new CHolidayListDlg(f.holidays); }},
        {"holiday", [](Fixture&) { return new CHolidayEditDlg; }},
        {"country", [](Fixture&) { return new CCountrySetDlg; }},
        {"export", [](Fixture& f) {
             CalendarExportOptions o;
             o.alarmDays = {0};
             return new CExportCalendarDlg(f.entries, o);
         }},
        {"upcoming", [](Fixture& f) { return new CUpcomingDlg(f.entries, EventRules{}, GregorianDate(3, 4, 2026)); }},
        {"accounts", [](Fixture&) { return new CAccountsDlg; }},
        {"account", [](Fixture&) { return new CAccountEditDlg(Account(), true, nullptr); }},
        {"alarm", [](Fixture&) {
             auto* d = new CSetAllarm;
             d->m_Date = d->m_Time = CTime::FromUtc(2026, 3, 4, 12);
             d->OnInitDialog();
             d->UpdateRemark(CTime::FromUtc(2026, 3, 1, 8));
             return d;
         }},
        {"city chooser", [](Fixture&) {
             auto* d = new CWhatCity;
             d->OnInitDialog();
             return d;
         }},
        {"alarm ringing", [](Fixture&) {
             return new CAlarmRing(nullptr, "Alarm",
                                   "Time to leave for the station: the train goes at a quarter past, take the "
                                   "tickets, the keys for the neighbours and the charger still in the kitchen.");
         }},
        {"countdown target", [](Fixture&) { return new CSetTargetDlg; }},
    };
    return dialogs;
}

std::vector<std::string> Languages()
{
    std::vector<std::string> out{"en"};
    for (const QString& l : QString(KQ_SHIPPED_LANGUAGES).split(' ', Qt::SkipEmptyParts)) out.push_back(l.toStdString());
    return out;
}

class Layout : public ::testing::TestWithParam<std::string> {};
}  // namespace

TEST_P(Layout, EveryDialogHasRoomForItsTexts)
{
    const QString language = QString::fromStdString(GetParam());
    if (language == "en") RemoveTranslations();
    else ASSERT_EQ(InstallTranslationsFor({"kinfold", "kestrum", "markwheel"}, {language}), language);
    MemorySettingsStore store;
    Fixture f(store);
    for (const auto& [name, make] : Dialogs()) {
        std::unique_ptr<QDialog> dialog(make(f));
        dialog->setModal(false);
        dialog->show();
        QApplication::processEvents();
        const Where where = std::string(name) + " in " + GetParam();
        // Each page of a sheet, as the user turns to it.
        const auto tabs = dialog->findChildren<QTabWidget*>();
        if (tabs.isEmpty()) ExpectRoomForTexts(dialog.get(), where);
        for (QTabWidget* t : tabs)
            for (int i = 0; i < t->count(); ++i) {
                t->setCurrentIndex(i);
                QApplication::processEvents();
                ExpectRoomForTexts(dialog.get(), where + ", page \"" + t->tabText(i).toStdString() + "\"");
            }
        dialog->hide();
    }
    RemoveTranslations();
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, Layout, ::testing::ValuesIn(Languages()),
                         [](const auto& info) { return info.param; });

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    PlatformSetApplication("Kinfold");
    SetMessageBoxAnswerer([](const MessageBoxRequest&) { return IDOK; });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
