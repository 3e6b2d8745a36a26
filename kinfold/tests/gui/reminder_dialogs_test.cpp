// SPDX-License-Identifier: GPL-3.0-or-later
// The window's reminders: the options sheet's page, the upcoming list, the export's choices, and
// the names list's dates, order and search.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTreeWidget>
#include "../TestEntries.h"
#include "DialogDriver.h"
#include "app/BirthdayNamesDlg.h"
#include "app/ReminderDialogs.h"
#include "platform/Document.h"
#include "view/KinfoldDoc.h"

namespace {

using ReminderDialogs = DialogTest;

QStringList Shown(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (!list->item(i)->isHidden()) out << list->item(i)->text();
    return out;
}

} // namespace

TEST_F(ReminderDialogs, TheOptionsPageShowsAndStoresTheRemindersKeepingOtherLeadDays)
{
    store.WriteString(kRemindersSection, "Days", "7,2");
    store.WriteString(kRemindersSection, "Time", "18:30");
    CDocFrame::fileDialogHook = [](bool save, const QString&) {
        EXPECT_FALSE(save);
        return QString("/lists/family.kfd");
    };
    COptions sheet("Options", nullptr, 4);
    WhenModal<COptions>([](COptions* s) {
        CPPReminders* r = s->m_pReminders;
        EXPECT_EQ(s->m_ctlTabs->currentWidget(), r);
        EXPECT_TRUE(r->m_ctlEnabled->isChecked());
        EXPECT_TRUE(r->m_ctlDays[3]->isChecked());   // 7
        EXPECT_FALSE(r->m_ctlDays[0]->isChecked());  // 0
        EXPECT_EQ(r->m_ctlTime->time(), QTime(18, 30));
        EXPECT_TRUE(r->m_ctlLastDocument->isChecked());
        r->m_ctlDays[3]->click();
        r->m_ctlDays[4]->click();  // 14
        r->m_btnBrowse->click();
        EXPECT_TRUE(r->m_ctlChosenDocument->isChecked());
        r->m_ctlEnabled->click();
        EXPECT_FALSE(r->m_ctlTime->isEnabled());
        r->m_ctlEnabled->click();
        s->m_btnOk->click();
    });
    ASSERT_EQ(sheet.exec(), QDialog::Accepted);
    CDocFrame::fileDialogHook = {};
    EXPECT_EQ(store.GetString(kRemindersSection, "Days", ""), "14,2");
    EXPECT_EQ(store.GetString(kRemindersSection, "Time", ""), "18:30");
    EXPECT_EQ(store.GetString(kRemindersSection, "Document", ""), "/lists/family.kfd");
    EXPECT_EQ(store.GetInt(kRemindersSection, "Enabled", -1), 1);
}

TEST_F(ReminderDialogs, UpcomingListsTheNext30DaysAndTheExportSaysWhatItLeavesOut)
{
    BirthdayList list;
    list.AddOrMerge(Person(3, 5, 2000, "Bob /Jones/"));
    list.AddOrMerge(Person(4, 5, 2000, "Too Late"));
    list.AddOrMerge(Person(3, 1, 2001, "Joe+Mary Smith", BirthdayEntry::Couple));
    CUpcomingDlg upcoming(list, EventRules{}, GregorianDate(2, 26, 2027));
    ASSERT_EQ(upcoming.m_ctlEvents->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = upcoming.m_ctlEvents->topLevelItem(0);
    EXPECT_EQ(QStringList({row->text(0), row->text(1), row->text(2)}),
              (QStringList{"2027-03-05", "Bob Jones (27)", "in 7 days, Friday 5 March"}));
    // The date column in the locale's short form beside English; the texts stay English here.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(CUpcomingDlg(list, EventRules{}, GregorianDate(2, 26, 2027)).m_ctlEvents->topLevelItem(0)->text(0),
              "05.03.27");
    QLocale::setDefault(QLocale::c());

    CalendarExportOptions preset;
    preset.alarmDays = {7, 0};
    CExportCalendarDlg choose(list, preset);
    EXPECT_EQ(choose.m_ctlStatus->text(), "2 events; left out: 1 anniversary.");
    choose.m_ctlBirthdays->click();
    choose.m_ctlAnniversaries->click();
    choose.m_ctlAlarms->click();
    EXPECT_EQ(choose.m_ctlStatus->text(), "1 event; left out: 2 birthdays.");
    const CalendarExportOptions o = choose.Options();
    EXPECT_FALSE(o.birthdays);
    EXPECT_TRUE(o.switches.IsSet(DisplaySwitches::Anniversaries));
    EXPECT_TRUE(o.alarmDays.empty());
}

TEST_F(ReminderDialogs, TheNamesListSortsByTheLanguageAndFiltersAsTheUserTypes)
{
    CKinfoldDoc doc;
    for (const char* name : {"Zoe Berg", "\xC3\x85sa Lind", "Bob /Jones/", "Ann Jonsson"})
        doc.List().AddOrMerge(Person(3, 5, 2000, name));
    doc.List().AddOrMerge(Person(7, 1, 0, "Otto"));
    doc.SetModifiedFlag(false);
    const QString asa = QString::fromUtf8("\xC3\x85sa Lind");
    // Swedish puts Å after Z; German files it with A.
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    {
        CBirthdayNamesDlg dlg(&doc);
        WhenModal<CBirthdayNamesDlg>([&](CBirthdayNamesDlg* d) {
            EXPECT_EQ(Shown(d->m_ctlList), (QStringList{"Ann Jonsson", "Bob Jones", "Otto", "Zoe Berg", asa}));
            d->m_btnCancel->click();
        });
        dlg.exec();
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CBirthdayNamesDlg dlg(&doc);
    WhenModal<CBirthdayNamesDlg>([&](CBirthdayNamesDlg* d) {
        EXPECT_EQ(Shown(d->m_ctlList).first(), "Ann Jonsson");
        EXPECT_EQ(Shown(d->m_ctlList)[1], asa);
        TypeInto(d->m_ctlSearch, "jon");
        EXPECT_EQ(Shown(d->m_ctlList), (QStringList{"Ann Jonsson", "Bob Jones"}));
        d->m_ctlSearch->clear();
        TypeInto(d->m_ctlSearch, "--07");
        EXPECT_EQ(Shown(d->m_ctlList), QStringList{"Otto"}) << "a day without a year is found by its date";
        // A hidden line is neither edited nor lost.
        d->m_ctlList->setCurrentRow(0);
        d->OnDelete();
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(doc.List().GetCount(), 5);
    EXPECT_FALSE(doc.IsModified());
}

KINFOLD_DIALOG_TEST_MAIN()
