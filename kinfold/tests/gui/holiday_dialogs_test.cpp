// SPDX-License-Identifier: GPL-3.0-or-later
// The holiday editor's newer rules and the list's "Country..." and "From file..." buttons, driven
// through their controls.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include "DialogDriver.h"
#include "app/CountrySetDlg.h"
#include "app/HolidayEditDlg.h"
#include "app/HolidayListDlg.h"
#include "holidays/CountrySets.h"
#include "holidays/HolidayList.h"
#include "platform/Document.h"

namespace {

QStringList Lines(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

int RowOf(QListWidget* list, const QString& start)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(start)) return i;
    return -1;
}

using HolidayDialogs = DialogTest;

// Opens the editor on `h`, lets `act` set the controls, presses OK and returns the record.
Holiday Edited(Holiday h, std::function<void(CHolidayEditDlg*)> act)
{
    WhenModal<CHolidayEditDlg>([act](CHolidayEditDlg* d) {
        act(d);
        d->m_btnOk->click();
    });
    EXPECT_TRUE(EditHoliday(h));
    return h;
}

}  // namespace

TEST_F(HolidayDialogs, EditorWritesEveryNewKind)
{
    // Easter, both churches, signed offsets.
    Holiday h = Edited(Holiday(), [](CHolidayEditDlg* d) {
        d->m_ctlName->setText("Good Friday");
        d->m_ctlKind[3]->click();
        EXPECT_TRUE(d->m_ctlOffset->isEnabled());
        EXPECT_TRUE(d->m_ctlEaster->isEnabled());
        EXPECT_FALSE(d->m_ctlMonth->isEnabled());
        EXPECT_FALSE(d->m_ctlDay->isEnabled());
        EXPECT_FALSE(d->m_ctlYear->isEnabled());
        d->m_ctlOffset->SetText("-2");
    });
    EXPECT_EQ(h.ToText(), "3-02Good Friday");
    h = Edited(h, [](CHolidayEditDlg* d) {
        EXPECT_TRUE(d->m_ctlKind[3]->isChecked());
        EXPECT_EQ(d->m_ctlOffset->Text(), "-2");
        d->m_ctlEaster->setCurrentIndex(1);
        d->m_ctlOffset->SetText("50");
        d->m_ctlName->setText("Whit Monday");
    });
    EXPECT_EQ(h.ToText(), "4+50Whit Monday");
    EXPECT_EQ(h, Holiday::FromEaster(true, 50, "Whit Monday"));
    // Switched to a fixed date, it starts from 1 January.
    EXPECT_EQ(Edited(h, [](CHolidayEditDlg* d) { d->m_ctlKind[0]->click(); }).ToText(), "00101Whit Monday");

    // The two substitute ways.
    h = Edited(Holiday(12, 25, "Christmas Day"), [](CHolidayEditDlg* d) {
        d->m_ctlKind[4]->click();
        EXPECT_TRUE(d->m_ctlDay->isEnabled());
        EXPECT_FALSE(d->m_ctlWeekday->isEnabled());
    });
    EXPECT_EQ(h.ToText(), "51225Christmas Day");
    h = Edited(Holiday(4, 27, "King's Day"), [](CHolidayEditDlg* d) { d->m_ctlKind[5]->click(); });
    EXPECT_EQ(h.ToText(), "60427King's Day");

    // On or after, on or before, and the Irish exception.
    h = Edited(Holiday(6, 20, "Midsummer Day"), [](CHolidayEditDlg* d) {
        d->m_ctlKind[6]->click();
        EXPECT_TRUE(d->m_ctlWeekday->isEnabled());
        EXPECT_FALSE(d->m_ctlWeek->isEnabled());
        d->m_ctlWeekday->setCurrentIndex(6);
    });
    EXPECT_EQ(h.ToText(), "706206Midsummer Day");
    h = Edited(Holiday(5, 24, "Victoria Day"), [](CHolidayEditDlg* d) {
        d->m_ctlKind[7]->click();
        d->m_ctlWeekday->setCurrentIndex(1);
    });
    EXPECT_EQ(h.ToText(), "805241Victoria Day");
    h = Edited(Holiday(2, 1, "St Brigid's Day"), [](CHolidayEditDlg* d) {
        d->m_ctlKind[9]->click();
        EXPECT_TRUE(d->m_ctlKeepWeekday->isEnabled());
        d->m_ctlWeekday->setCurrentIndex(1);
        d->m_ctlKeepWeekday->setCurrentIndex(5);
    });
    EXPECT_EQ(h.ToText(), "A020115St Brigid's Day");

    // One year only.
    h = Edited(Holiday(6, 24, "Matariki"), [](CHolidayEditDlg* d) {
        d->m_ctlKind[8]->click();
        EXPECT_TRUE(d->m_ctlYear->isEnabled());
        d->m_ctlYear->SetText("2022");
    });
    EXPECT_EQ(h.ToText(), "920220624Matariki");
    // Reopened, each control shows the record's own values.
    Edited(h, [](CHolidayEditDlg* d) {
        EXPECT_TRUE(d->m_ctlKind[8]->isChecked());
        EXPECT_EQ(d->m_ctlYear->Text(), "2022");
        EXPECT_EQ(d->m_ctlMonth->currentIndex(), 6);
        EXPECT_EQ(d->m_ctlDay->text(), "24");
    });
}

TEST_F(HolidayDialogs, EditorKeepsYearsAndTheNewestKinds)
{
    // Years: kept from the first to the last; a last before the first is refused.
    Holiday h = Edited(Holiday(9, 30, "Truth"), [](CHolidayEditDlg* d) {
        EXPECT_EQ(d->m_ctlFirstYear->Text(), "");
        d->m_ctlFirstYear->SetText("2021");
        d->m_ctlLastYear->SetText("2020");
        d->m_btnOk->click();
        EXPECT_TRUE(d->isVisible());
        d->m_ctlLastYear->SetText("");
    });
    EXPECT_EQ(h.ToText(), "Y2021000000930Truth");
    EXPECT_EQ(messages.size(), 1u);
    // Each newer kind comes back from its own button unchanged.
    for (const char* text : {"Y2021000000930Truth", "B0704Independence Day", "C09+09秋分の日", "D休日", "E7休日",
                             "F20200504Early May"}) {
        Holiday rule;
        ASSERT_TRUE(Holiday::FromText(text, rule));
        EXPECT_EQ(Edited(rule, [](CHolidayEditDlg*) {}).ToText(), text);
    }
    h = Edited(Holiday(3, 20, "Equinox"), [](CHolidayEditDlg* d) {
        d->m_ctlKind[11]->click();
        EXPECT_TRUE(d->m_ctlHours->isEnabled());
        EXPECT_FALSE(d->m_ctlDay->isEnabled());
        d->m_ctlHours->SetText("-5");
    });
    EXPECT_EQ(h.ToText(), "C03-05Equinox");
}

TEST_F(HolidayDialogs, EditorRefusesAnOffsetBeyondNinetyNineDays)
{
    Holiday h = Holiday::FromEaster(false, 1, "Easter Monday");
    WhenModal<CHolidayEditDlg>([](CHolidayEditDlg* d) {
        d->m_ctlOffset->SetText("120");
        d->m_btnOk->click();
        EXPECT_TRUE(d->isVisible());  // refused, still open
        d->m_ctlOffset->SetText("-99");
        d->m_btnOk->click();
    });
    ASSERT_TRUE(EditHoliday(h));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(h.offset, -99);
}

TEST_F(HolidayDialogs, CountryReplacesOrAppendsAsAnsweredAndSaves)
{
    HolidayList list;
    list.Add(Holiday(1, 2, "Mine"));
    CHolidayListDlg dlg(list);
    const CountrySet& us = *FindCountrySet("US");
    answers = {IDNO, IDCANCEL, IDYES};
    WhenModal<CHolidayListDlg>([&](CHolidayListDlg* d) {
        // No: the set goes after the user's own holiday.
        WhenModal<CCountrySetDlg>([](CCountrySetDlg* c) {
            EXPECT_EQ(c->m_ctlList->count(), (int)CountrySets().size());
            c->m_ctlList->setCurrentRow(RowOf(c->m_ctlList, "United States (US)"));
            c->m_btnOk->click();
        });
        d->m_btnCountry->click();
        EXPECT_EQ(list.GetCount(), 1 + (int)us.lines.size());
        EXPECT_EQ(list.GetAt(0).name, "Mine");
        EXPECT_EQ(d->m_ctlList->count(), list.GetCount());
        // Saved at once.
        EXPECT_EQ(store.GetInt("Hollidays", "Number", -5), list.GetCount());
        // Cancel in the question: nothing changes.
        WhenModal<CCountrySetDlg>([](CCountrySetDlg* c) { c->m_btnOk->click(); });
        d->m_btnCountry->click();
        EXPECT_EQ(list.GetCount(), 1 + (int)us.lines.size());
        // Cancel in the chooser: not even asked.
        WhenModal<CCountrySetDlg>([](CCountrySetDlg* c) { c->m_btnCancel->click(); });
        d->m_btnCountry->click();
        // Yes: replaced.
        WhenModal<CCountrySetDlg>([](CCountrySetDlg* c) {
            c->m_ctlList->setCurrentRow(RowOf(c->m_ctlList, "United States (US)"));
            c->m_btnOk->click();
        });
        d->m_btnCountry->click();
        EXPECT_EQ(Lines(d->m_ctlList).first(), "New Year's Day");
        d->m_btnOk->click();
    });
    dlg.exec();
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(list.Items(), CountrySetHolidays(us));
    HolidayList reread;
    reread.LoadFromSettings(store);
    EXPECT_EQ(reread.Items(), list.Items());
}

TEST_F(HolidayDialogs, CountryOnAnEmptyListAsksNothing)
{
    HolidayList list;
    CHolidayListDlg dlg(list);
    WhenModal<CHolidayListDlg>([&](CHolidayListDlg* d) {
        WhenModal<CCountrySetDlg>([](CCountrySetDlg* c) {
            c->m_ctlList->setCurrentRow(c->m_ctlList->count() - 1);
            c->m_btnOk->click();
        });
        d->m_btnCountry->click();
        d->close();
    });
    dlg.exec();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(list.Items(), CountrySetHolidays(CountrySets().back()));
}

TEST_F(HolidayDialogs, FromFileAddsTheEventsOrSaysWhyNot)
{
    const QString data = QString(KQ_SOURCE_DIR) + "/kinfold/tests/core/data/ics/";
    QString chosen;
    CDocFrame::fileDialogHook = [&chosen](bool, const QString&) { return chosen; };
    HolidayList list;
    list.Add(Holiday(1, 2, "Mine"));
    CHolidayListDlg dlg(list);
    WhenModal<CHolidayListDlg>([&](CHolidayListDlg* d) {
        chosen = data + "damaged.ics";
        d->m_btnFromFile->click();
        EXPECT_EQ(list.GetCount(), 1);
        chosen = data + "holidays.ics";
        d->m_btnFromFile->click();
        EXPECT_EQ(list.GetCount(), 14);
        EXPECT_EQ(d->m_ctlList->count(), 14);
        EXPECT_EQ(store.GetInt("Hollidays", "Number", -5), 14);
        chosen.clear();  // the chooser cancelled
        d->m_btnFromFile->click();
        d->m_btnOk->click();
    });
    dlg.exec();
    CDocFrame::fileDialogHook = nullptr;
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].find("damaged.ics has parts libical cannot read"), std::string::npos) << messages[0];
    EXPECT_NE(messages[1].find("13 holidays from 8 all-day events, 2 timed events skipped"), std::string::npos);
}

TEST_F(HolidayDialogs, CancelPutsBackTheListAndTheStoredListAsOpened)
{
    HolidayList list;
    list.Add(Holiday(1, 2, "Mine"));
    list.Add(Holiday(12, 25, "Christmas"));
    list.SaveToSettings(store);
    const auto storedBefore = store.values;
    CHolidayListDlg dlg(list);
    answers = {IDYES};
    WhenModal<CHolidayListDlg>([&](CHolidayListDlg* d) {
        d->m_ctlList->setCurrentRow(0);
        d->m_btnDelete->click();
        d->m_btnReset->click();
        // A country set is stored at once.
        WhenModal<CCountrySetDlg>([](CCountrySetDlg* c) {
            c->m_ctlList->setCurrentRow(RowOf(c->m_ctlList, "United States (US)"));
            c->m_btnOk->click();
        });
        d->m_btnCountry->click();
        ASSERT_NE(store.values, storedBefore);
        d->m_btnCancel->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(list.Items(), (std::vector<Holiday>{Holiday(1, 2, "Mine"), Holiday(12, 25, "Christmas")}));
    HolidayList reread;
    reread.LoadFromSettings(store);
    EXPECT_EQ(reread.Items(), list.Items());

    // The factory list stays the factory list, and OK after a Cancel saves again.
    store.values.clear();
    list.LoadFromSettings(store);
    WhenModal<CHolidayListDlg>([&](CHolidayListDlg* d) {
        d->m_ctlList->setCurrentRow(0);
        d->m_btnDelete->click();
        d->m_btnCancel->click();
    });
    dlg.exec();
    EXPECT_EQ(store.GetInt("Hollidays", "Number", 0), -1);
    EXPECT_EQ(list.Items(), HolidayList::FactoryList());
    WhenModal<CHolidayListDlg>([&](CHolidayListDlg* d) {
        d->m_ctlList->setCurrentRow(0);
        d->m_btnDelete->click();
        d->m_btnOk->click();
    });
    dlg.exec();
    EXPECT_EQ(store.GetInt("Hollidays", "Number", 0), 18);
}

TEST(HolidayStore, EverySetAndAwkwardNamesRoundTripThroughTheSettingsFile)
{
    QtSettingsStore file("HolidayRoundTrip");
    for (const CountrySet& set : CountrySets()) {
        HolidayList list;
        for (const Holiday& h : CountrySetHolidays(set)) list.Add(h);
        list.SaveToSettings(file);
        HolidayList reread;
        reread.LoadFromSettings(file);
        EXPECT_EQ(reread.Items(), list.Items()) << set.code;
    }
    HolidayList awkward;
    for (const char* name : {"Christmas, Boxing Day", "; not a comment", "# nor this", " leading blank",
                             "trailing blank ", "quote \" and backslash \\", "=", "Χριστούγεννα", "@Variant(x)"})
        awkward.Add(Holiday::FromEaster(false, 1, name));
    awkward.SaveToSettings(file);
    HolidayList reread;
    reread.LoadFromSettings(file);
    EXPECT_EQ(reread.Items(), awkward.Items());
}

KINFOLD_DIALOG_TEST_MAIN()
