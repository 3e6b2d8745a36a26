// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs on their own, driven through their controls: OK, Cancel and the close box, the
// number checks, the entry editor's layouts, the merge question, the holiday editors and the
// options sheet's pages.
#include "../TestEntries.h"
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDate>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include "DialogDriver.h"
#include "app/BirthdayEditDlg.h"
#include "app/BirthdayNamesDlg.h"
#include "app/EditDateDlg.h"
#include "app/HolidayEditDlg.h"
#include "app/HolidayListDlg.h"
#include "app/OptionsPages.h"
#include "app/OptionsSheet.h"
#include "app/PleaseChooseDlg.h"
#include "app/YearDlg.h"
#include "holidays/HolidayList.h"
#include "platform/TextCodec.h"
#include "view/KinfoldDoc.h"

namespace {
QStringList Lines(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void Select(QListWidget* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == text) {
            list->setCurrentRow(i);
            return;
        }
    ADD_FAILURE() << "no line " << text.toStdString();
}

using Dialogs = DialogTest;
}  // namespace

// ---------------------------------------------------------------- Please Choose

TEST_F(Dialogs, PleaseChooseShowsBothDatesAndAnswersByButtonOrCloseBox)
{
    ChooseDateCallback ask = PleaseChooseCallback(nullptr);
    WhenModal<CPleaseChooseDlg>([](CPleaseChooseDlg* d) {
        EXPECT_EQ(d->windowTitle(), "Please Choose");
        EXPECT_EQ(d->m_ctlTitle->text(), "Ann Lee");
        EXPECT_EQ(d->m_ctlKind->text(), "Birth");
        EXPECT_EQ(d->m_ctlDateA->text(), "1/2/1950");
        EXPECT_EQ(d->m_ctlDateB->text(), "3/4/1951");
        EXPECT_TRUE(d->m_btnA->isDefault());
        d->m_btnA->click();
    });
    EXPECT_EQ(ask("Ann Lee", "Birth", "1/2/1950", "3/4/1951"), DateChoice::A);
    WhenModal<CPleaseChooseDlg>([](CPleaseChooseDlg* d) { d->m_btnB->click(); });
    EXPECT_EQ(ask("Ann Lee", "Death", "1/2/1950", "3/4/1951"), DateChoice::B);
    // The close box counts as B.
    WhenModal<CPleaseChooseDlg>([](CPleaseChooseDlg* d) { d->close(); });
    EXPECT_EQ(ask("Ann Lee", "Married", "1/2/1950", "3/4/1951"), DateChoice::B);
}

TEST_F(Dialogs, PleaseChooseAnswersTheMergeOfTheList)
{
    BirthdayList list;
    list.AddOrMerge(Person(5, 5, 1980, "Ann"));
    {
        ScopedPleaseChoose ask(list, nullptr);
        WhenModal<CPleaseChooseDlg>([](CPleaseChooseDlg* d) {
            EXPECT_EQ(d->m_ctlDateA->text(), "6/7/1981");
            EXPECT_EQ(d->m_ctlDateB->text(), "5/5/1980");
            d->m_btnA->click();
        });
        BirthdayEntry again = Person(6, 7, 1981, "Ann");
        again.recordNumber = 9;
        EXPECT_EQ(list.AddOrMerge(again), 0);
    }
    EXPECT_EQ(list[0].month, 6);
    EXPECT_EQ(list[0].year, 1981);
    EXPECT_EQ(list[0].recordNumber, 9u);
    // Once the scope ends nobody is asked: the stored date stays.
    list.AddOrMerge(Person(1, 1, 1990, "Ann"));
    EXPECT_EQ(list[0].year, 1981);
}

// ---------------------------------------------------------------- Enter Date

TEST_F(Dialogs, EnterDateRefusesMonth13AndDay32AndAcceptsYear12000)
{
    GregorianDate date(7, 4, 2000);
    bool refusedMonth = false, refusedDay = false;
    WhenModal<CEditDateDlg>([&](CEditDateDlg* d) {
        EXPECT_EQ(d->m_ctlYear->Text(), "2000");
        EXPECT_EQ(d->m_ctlMonth->Text(), "7");
        EXPECT_EQ(d->m_ctlDay->Text(), "4");
        EXPECT_EQ(d->m_ctlYear->Lower(), 1970);
        EXPECT_EQ(d->m_ctlYear->Upper(), 2038);
        d->m_ctlMonth->SetText("13");
        d->m_btnOk->click();
        refusedMonth = d->isVisible();
        d->m_ctlMonth->SetText("12");
        d->m_ctlDay->SetText("32");
        d->m_btnOk->click();
        refusedDay = d->isVisible();
        d->m_ctlDay->SetText("31");
        d->m_ctlYear->SetText("12000");
        d->m_btnOk->click();
    });
    EditDate(date);
    EXPECT_TRUE(refusedMonth);
    EXPECT_TRUE(refusedDay);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Please enter an integer between 0 and 12.");
    EXPECT_EQ(messages[1], "Please enter an integer between 0 and 31.");
    EXPECT_EQ(date.year, 12000);
    EXPECT_EQ(date.month, 12);
    EXPECT_EQ(date.day, 31);
}

TEST_F(Dialogs, EnterDateRefusesADayItsMonthDoesNotHave)
{
    GregorianDate date(7, 4, 2000);
    WhenModal<CEditDateDlg>([&](CEditDateDlg* d) {
        for (const char* day : {"31", "0"}) {
            d->m_ctlMonth->SetText("4");
            d->m_ctlDay->SetText(day);
            d->m_btnOk->click();
            EXPECT_TRUE(d->isVisible()) << day;
        }
        d->m_ctlYear->SetText("1900");
        d->m_ctlMonth->SetText("2");
        d->m_ctlDay->SetText("29");
        d->m_btnOk->click();
        EXPECT_TRUE(d->isVisible());
        d->m_ctlYear->SetText("2024");
        d->m_btnOk->click();
    });
    EditDate(date);
    EXPECT_EQ(messages, (std::vector<CString>{"The day cannot be 31: April 2000 has 30 days.",
                                              "The day cannot be 0: April 2000 has 30 days.",
                                              "The day cannot be 29: February 1900 has 28 days."}));
    EXPECT_EQ(date.month * 100 + date.day, 229);
    EXPECT_EQ(date.year, 2024);
}

TEST_F(Dialogs, EnterDateTakesDigitsOnlyAndCancelKeepsTheDate)
{
    GregorianDate date(7, 4, 2000);
    WhenModal<CEditDateDlg>([&](CEditDateDlg* d) {
        d->m_ctlMonth->SetText("");
        TypeInto(d->m_ctlMonth->Edit(), "-1x0");
        EXPECT_EQ(d->m_ctlMonth->Text(), "10");
        // An empty field is no number.
        d->m_ctlDay->SetText("");
        d->m_btnOk->click();
        EXPECT_TRUE(d->isVisible());
        d->m_ctlDay->SetText("0");
        d->m_btnCancel->click();
    });
    EditDate(date);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Please enter an integer.");
    EXPECT_EQ(date.month, 7);
    EXPECT_EQ(date.day, 4);
    EXPECT_EQ(date.year, 2000);

    // Month 0 and day 0 are accepted.
    WhenModal<CEditDateDlg>([&](CEditDateDlg* d) {
        d->m_ctlMonth->SetText("0");
        d->m_ctlDay->SetText("0");
        d->m_btnOk->click();
    });
    EditDate(date);
    EXPECT_EQ(date.month, 0);
    EXPECT_EQ(date.day, 0);
}

// ---------------------------------------------------------------- Choose a Year

TEST_F(Dialogs, ChooseAYearTakesAnyYearAndTheMonthUnlessNoChange)
{
    CYearDlg dlg;
    dlg.m_nYear = 2000;
    dlg.m_nMonth = 7;
    WhenModal<CYearDlg>([](CYearDlg* d) {
        EXPECT_EQ(d->m_ctlYear->Text(), "2000");
        EXPECT_EQ(d->m_ctlMonth->currentText(), "Jul");
        EXPECT_EQ(d->m_ctlMonth->count(), 13);
        EXPECT_EQ(d->m_ctlMonth->itemText(0), "No Change");
        EXPECT_EQ(d->m_ctlYear->Lower(), 1900);
        EXPECT_EQ(d->m_ctlYear->Upper(), 2199);
        d->m_ctlYear->SetText("1750");
        d->m_ctlMonth->setCurrentIndex(0);
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nYear, 1750);
    EXPECT_EQ(dlg.m_nMonth, 7);

    // The arrows stop at the range; typed text is refused only when it is no number.
    WhenModal<CYearDlg>([](CYearDlg* d) {
        d->m_ctlYear->SetText("2199");
        d->m_ctlYear->stepBy(1);
        EXPECT_EQ(d->m_ctlYear->Text(), "2199");
        d->m_ctlYear->SetText("-44");
        d->m_ctlMonth->setCurrentIndex(3);
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nYear, -44);
    EXPECT_EQ(dlg.m_nMonth, 3);

    WhenModal<CYearDlg>([](CYearDlg* d) {
        d->m_ctlYear->SetText("19x0");
        d->m_btnOk->click();
        EXPECT_TRUE(d->isVisible());
        d->m_ctlMonth->setCurrentIndex(9);
        d->m_btnCancel->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(dlg.m_nYear, -44);
    EXPECT_EQ(dlg.m_nMonth, 3);
    EXPECT_EQ(messages, std::vector<CString>{"Please enter an integer."});
}

// ---------------------------------------------------------------- Birthday Edit

TEST_F(Dialogs, BirthdayEditOnANewEntryOpensOnTodayAsIndividual)
{
    CBirthdayEditDlg dlg;
    QDate today = QDate::currentDate();
    WhenModal<CBirthdayEditDlg>([&](CBirthdayEditDlg* d) {
        EXPECT_TRUE(d->m_ctlKind[0]->isChecked());
        EXPECT_FALSE(d->m_ctlDelete->isChecked());
        EXPECT_EQ(d->m_ctlDate[0][0]->Text(), QString::number(today.year()));
        EXPECT_EQ(d->m_ctlDate[0][1]->Text(), QString::number(today.month()));
        EXPECT_EQ(d->m_ctlDate[0][2]->Text(), QString::number(today.day()));
        for (int c = 1; c < 3; ++c)
            for (int f = 0; f < 3; ++f) EXPECT_EQ(d->m_ctlDate[c][f]->Text(), "0");
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(d->m_ctlDate[c][0]->Lower(), today.year() - 100);
            EXPECT_EQ(d->m_ctlDate[c][0]->Upper(), today.year() + 100);
            EXPECT_EQ(d->m_ctlDate[c][1]->Upper(), 12);
            EXPECT_EQ(d->m_ctlDate[c][2]->Upper(), 31);
            EXPECT_FALSE(d->m_ctlColumn[c]->isHidden());
        }
        EXPECT_EQ(d->m_ctlColumn[0]->title(), "Birth");
        EXPECT_EQ(d->m_ctlColumn[1]->title(), "Marriage");
        EXPECT_EQ(d->m_ctlColumn[2]->title(), "Death");
        d->m_ctlText->setText("Zoë Smith");
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_Entry.text, "Zoë Smith");
    EXPECT_EQ(dlg.m_Entry.year, today.year());
    EXPECT_EQ(dlg.m_Entry.kind, BirthdayEntry::Individual);
    EXPECT_TRUE(dlg.m_Entry.otherDate.IsEmpty());
}

TEST_F(Dialogs, BirthdayEditShowsAndKeepsAnEmptyYear)
{
    CBirthdayEditDlg dlg;
    dlg.m_Entry = Person(3, 15, 0, "Jane Appleseed");
    const int thisYear = QDate::currentDate().year();
    WhenModal<CBirthdayEditDlg>([&](CBirthdayEditDlg* d) {
        EXPECT_EQ(d->m_ctlDate[0][0]->Text(), "");
        EXPECT_EQ(d->m_ctlDate[0][1]->Text(), "3");
        EXPECT_EQ(d->m_ctlDate[0][2]->Text(), "15");
        EXPECT_EQ(d->m_ctlDate[0][0]->Lower(), thisYear - 100);
        d->m_ctlDate[0][2]->SetText("16");
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_Entry.year, 0);
    EXPECT_EQ(dlg.m_Entry.month, 3);
    EXPECT_EQ(dlg.m_Entry.day, 16);
    EXPECT_TRUE(messages.empty());

    // Typing a year gives the entry one; clearing it takes it away again.
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        d->m_ctlDate[0][0]->SetText("1961");
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_Entry.year, 1961);
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        EXPECT_EQ(d->m_ctlDate[0][0]->Text(), "1961");
        d->m_ctlDate[0][0]->SetText(" ");
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_Entry.year, 0);
    EXPECT_EQ(dlg.m_Entry.day, 16);
}

TEST_F(Dialogs, BirthdayEditKindLayoutsKeepTheHiddenColumns)
{
    CBirthdayEditDlg dlg;
    dlg.m_Entry = Person(3, 9, 1950, "Joe Bloggs");
    dlg.m_Entry.otherDate = CalendarDate(6, 1, 1975);
    dlg.m_Entry.endDate = CalendarDate(12, 24, 2010);
    dlg.m_Entry.kind = BirthdayEntry::Individual | 0x0100;
    dlg.m_Entry.recordNumber = 17;
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        EXPECT_EQ(d->m_ctlDate[1][0]->Text(), "1975");
        EXPECT_EQ(d->m_ctlDate[2][2]->Text(), "24");
        EXPECT_EQ(d->m_ctlDate[0][0]->Lower(), 1850);
        d->m_ctlKind[1]->click();
        EXPECT_EQ(d->m_ctlColumn[0]->title(), "Marriage");
        EXPECT_TRUE(d->m_ctlColumn[1]->isHidden());
        EXPECT_TRUE(d->m_ctlColumn[2]->isHidden());
        d->m_ctlKind[2]->click();
        EXPECT_EQ(d->m_ctlColumn[0]->title(), "Date");
        EXPECT_TRUE(d->m_ctlColumn[1]->isHidden());
        d->m_ctlKind[1]->click();
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_Entry.kind, BirthdayEntry::Couple | 0x0100);
    EXPECT_EQ(dlg.m_Entry.otherDate.Compare(CalendarDate(6, 1, 1975)), 0);
    EXPECT_EQ(dlg.m_Entry.endDate.Compare(CalendarDate(12, 24, 2010)), 0);
    EXPECT_EQ(dlg.m_Entry.recordNumber, 17u);

    // A note opens with one column titled "Date".
    dlg.m_Entry.kind = BirthdayEntry::Note;
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        EXPECT_TRUE(d->m_ctlKind[2]->isChecked());
        EXPECT_EQ(d->m_ctlColumn[0]->title(), "Date");
        EXPECT_TRUE(d->m_ctlColumn[2]->isHidden());
        d->m_btnCancel->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
}

TEST_F(Dialogs, BirthdayEditRefusesDatesThatCannotBeNamingTheField)
{
    CBirthdayEditDlg dlg;
    dlg.m_Entry = Person(3, 9, 1950, "Joe");
    // Each case is refused and the dialog stays open, until the last, which it takes.
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        auto set = [d](int c, const char* y, const char* m, const char* day) {
            d->m_ctlDate[c][0]->SetText(y);
            d->m_ctlDate[c][1]->SetText(m);
            d->m_ctlDate[c][2]->SetText(day);
        };
        auto refusedOk = [d] {
            d->m_btnOk->click();
            EXPECT_TRUE(d->isVisible());
        };
        set(0, "1950", "13", "9");
        refusedOk();
        set(0, "1950", "4", "31");   // April has 30
        refusedOk();
        set(0, "1950", "4", "0");
        refusedOk();
        set(0, "1900", "2", "29");   // no leap year in the Gregorian calendar
        refusedOk();
        set(0, "1500", "2", "29");   // a leap year in the Julian calendar
        set(2, "2010", "2", "30");
        refusedOk();
        set(2, "2010", "0", "0");    // a death year alone
        set(1, "1975", "0", "5");
        refusedOk();
        set(1, "1975", "6", "0");    // a wedding month without its day
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(messages, (std::vector<CString>{"The month of \"Birth\" must be 1 to 12.",
                                              "The day of \"Birth\" cannot be 31: April 1950 has 30 days.",
                                              "The day of \"Birth\" cannot be 0: April 1950 has 30 days.",
                                              "The day of \"Birth\" cannot be 29: February 1900 has 28 days.",
                                              "The day of \"Death\" cannot be 30: February 2010 has 28 days.",
                                              "The month of \"Marriage\" must be 1 to 12, or 0 with day 0 when it "
                                              "is not known."}));
    EXPECT_EQ(dlg.m_Entry.Compare(CalendarDate(2, 29, 1500)), 0);
    EXPECT_EQ(dlg.m_Entry.endDate.year, 2010);
    EXPECT_EQ(dlg.m_Entry.otherDate.month, 6);

    // Without a year 29 February is a birthday; a couple's hidden columns are not asked about.
    dlg.m_Entry = Person(2, 29, 0, "Leap");
    dlg.m_Entry.endDate = CalendarDate(2, 30, 2001);
    dlg.m_Entry.kind = BirthdayEntry::Couple;
    messages.clear();
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) { d->m_btnOk->click(); });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_TRUE(messages.empty());

    // An impossible date from an older list does not stand in the way of deleting the entry.
    dlg.m_Entry = Person(2, 31, 1990, "Ida");
    dlg.m_bDelete = true;
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        d->m_btnOk->click();
        if (d->isVisible()) d->m_btnCancel->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(dlg.m_bDelete);
}

TEST_F(Dialogs, BirthdayEditRefusesTextInNumberFieldsAndCancelChangesNothing)
{
    CBirthdayEditDlg dlg;
    dlg.m_Entry = Person(3, 9, 1950, "Joe");
    dlg.m_bDelete = true;
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        EXPECT_TRUE(d->m_ctlDelete->isChecked());
        d->m_ctlText->setText("Joseph");
        d->m_ctlDate[0][2]->SetText("9th");
        d->m_btnOk->click();
        EXPECT_TRUE(d->isVisible());
        d->m_btnCancel->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(messages, std::vector<CString>{"Please enter an integer."});
    EXPECT_EQ(dlg.m_Entry.text, "Joe");
    EXPECT_EQ(dlg.m_Entry.day, 9);
    EXPECT_TRUE(dlg.m_bDelete);

    // The tick is read back on OK.
    WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* d) {
        d->m_ctlDelete->click();
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_FALSE(dlg.m_bDelete);
}

// ---------------------------------------------------------------- Birthday Names

class NamesDialog : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        doc.List().AddOrMerge(Person(5, 5, 1980, "Bob"));
        doc.List().AddOrMerge(Person(1, 2, 1990, "ann"));
        doc.List().AddOrMerge(Person(9, 9, 1970, "Carl"));
        doc.SetModifiedFlag(false);
    }
    CKinfoldDoc doc;
};

TEST_F(NamesDialog, ShowsNamesWithoutSurnameSlashesAndKeepsTheStoredTexts)
{
    doc.List().AddOrMerge(Person(12, 10, 1472, "Anne /Mowbray/"));
    CBirthdayNamesDlg dlg(&doc);
    WhenModal<CBirthdayNamesDlg>([](CBirthdayNamesDlg* d) {
        EXPECT_EQ(Lines(d->m_ctlList), (QStringList{"ann", "Anne Mowbray", "Bob", "Carl"}));
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_GE(doc.List().FindByText("Anne /Mowbray/"), 0);
}

TEST_F(NamesDialog, ListsTheTextsAlphabeticallyAndOkWithoutChangeKeepsTheDocumentClean)
{
    CBirthdayNamesDlg dlg(&doc);
    WhenModal<CBirthdayNamesDlg>([](CBirthdayNamesDlg* d) {
        EXPECT_EQ(Lines(d->m_ctlList), (QStringList{"ann", "Bob", "Carl"}));
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_EQ(doc.List().GetCount(), 3);
    // Sorted by date after OK.
    EXPECT_EQ(doc.List()[0].text, "ann");
    EXPECT_EQ(doc.List()[1].text, "Bob");
}

TEST_F(NamesDialog, EntriesWithDatesThatCannotBeAreMarkedUntilMended)
{
    // As an older file may hold them.
    doc.List().SetAt(doc.List().FindByText(CString("Bob")), Person(4, 31, 1980, "Bob"));
    CBirthdayNamesDlg dlg(&doc);
    WhenModal<CBirthdayNamesDlg>([](CBirthdayNamesDlg* d) {
        auto marked = [d] {
            QStringList names;
            for (int i = 0; i < d->m_ctlList->count(); ++i)
                if (!d->m_ctlList->item(i)->icon().isNull() && d->m_ctlList->item(i)->toolTip() == kImpossibleDateTip)
                    names << d->m_ctlList->item(i)->text();
            return names;
        };
        EXPECT_EQ(marked(), QStringList{"Bob"});
        Select(d->m_ctlList, "Bob");
        WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* e) {
            e->m_ctlDate[0][2]->SetText("30");
            e->m_btnOk->click();
        });
        d->m_btnEdit->click();
        EXPECT_TRUE(marked().isEmpty());
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(doc.List()[doc.List().FindByText(CString("Bob"))].day, 30);
}

TEST_F(NamesDialog, AddingAnExistingTextMergesAndShowsItTwiceUntilOk)
{
    CBirthdayNamesDlg dlg(&doc);
    WhenModal<CBirthdayNamesDlg>([](CBirthdayNamesDlg* d) {
        WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* e) {
            e->m_ctlText->setText("Bob");
            e->m_ctlDate[0][0]->SetText("1981");
            e->m_ctlDate[0][1]->SetText("6");
            e->m_ctlDate[0][2]->SetText("7");
            // The merge asks; B keeps the stored date.
            WhenModal<CPleaseChooseDlg>([](CPleaseChooseDlg* q) {
                EXPECT_EQ(q->m_ctlTitle->text(), "Bob");
                q->m_btnB->click();
            });
            e->m_btnOk->click();
        });
        d->m_btnAdd->click();
        EXPECT_EQ(Lines(d->m_ctlList), (QStringList{"ann", "Bob", "Bob", "Carl"}));
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    ASSERT_EQ(doc.List().GetCount(), 3);
    int bob = doc.List().FindByText(CString("Bob"));
    ASSERT_GE(bob, 0);
    EXPECT_EQ(doc.List()[bob].year, 1980);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(NamesDialog, DeleteThenCancelLeavesTheListAndDeleteThenOkDropsTheEntry)
{
    for (bool ok : {false, true}) {
        CBirthdayNamesDlg dlg(&doc);
        WhenModal<CBirthdayNamesDlg>([ok](CBirthdayNamesDlg* d) {
            Select(d->m_ctlList, "Bob");
            WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* e) {
                EXPECT_TRUE(e->m_ctlDelete->isChecked());
                EXPECT_EQ(e->m_ctlText->text(), "Bob");
                e->m_btnOk->click();
            });
            d->m_btnDelete->click();
            EXPECT_EQ(Lines(d->m_ctlList), (QStringList{"ann", "Carl"}));
            (ok ? d->m_btnOk : d->m_btnCancel)->click();
        });
        dlg.exec();
        if (!ok) {
            EXPECT_EQ(doc.List().GetCount(), 3);
            EXPECT_FALSE(doc.IsModified());
        } else {
            EXPECT_EQ(doc.List().GetCount(), 2);
            EXPECT_EQ(doc.List().FindByText(CString("Bob")), -1);
            EXPECT_TRUE(doc.IsModified());
        }
    }
}

TEST_F(NamesDialog, DeleteWithTheTickClearedEditsAndEditWithoutSelectionDoesNothing)
{
    CBirthdayNamesDlg dlg(&doc);
    WhenModal<CBirthdayNamesDlg>([](CBirthdayNamesDlg* d) {
        d->m_ctlList->clearSelection();
        d->m_ctlList->setCurrentItem(nullptr);
        d->m_btnEdit->click();  // no dialog opens
        d->m_btnDelete->click();
        Select(d->m_ctlList, "Carl");
        WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* e) {
            e->m_ctlDelete->click();
            e->m_ctlText->setText("Aaron");
            e->m_btnOk->click();
        });
        d->m_btnDelete->click();
        EXPECT_EQ(Lines(d->m_ctlList), (QStringList{"Aaron", "ann", "Bob"}));
        // Editing the renamed line opens the renamed entry.
        Select(d->m_ctlList, "Aaron");
        WhenModal<CBirthdayEditDlg>([](CBirthdayEditDlg* e) {
            EXPECT_EQ(e->m_ctlText->text(), "Aaron");
            EXPECT_EQ(e->m_ctlDate[0][0]->Text(), "1970");
            e->m_btnCancel->click();
        });
        d->m_btnEdit->click();
        d->m_btnOk->click();
    });
    ASSERT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(doc.List().GetCount(), 3);
    EXPECT_GE(doc.List().FindByText(CString("Aaron")), 0);
    EXPECT_TRUE(doc.IsModified());
}

// ---------------------------------------------------------------- holidays

TEST_F(Dialogs, HolidayEditorEnablesByKindAndReadsTheDayLeadingDigits)
{
    store.WriteString("Month", "January", "Janvier");
    store.WriteString("Month2", "January", "Cold");
    store.WriteString("Week", "Monday", "Lundi");
    Holiday h(11, 4, 4, "Thanksgiving");
    WhenModal<CHolidayEditDlg>([](CHolidayEditDlg* d) {
        EXPECT_EQ(d->m_ctlName->text(), "Thanksgiving");
        EXPECT_TRUE(d->m_ctlKind[1]->isChecked());
        EXPECT_EQ(d->m_ctlMonth->count(), 13);
        EXPECT_EQ(d->m_ctlMonth->itemText(0), "Error");
        EXPECT_EQ(d->m_ctlMonth->itemText(1), "Janvier");
        EXPECT_EQ(d->m_ctlMonth->itemText(12), "December");
        EXPECT_EQ(d->m_ctlWeekday->count(), 8);
        EXPECT_EQ(d->m_ctlWeekday->itemText(1), "Lundi");
        EXPECT_EQ(d->m_ctlWeekday->itemText(7), "Sunday");
        EXPECT_EQ(d->m_ctlWeek->itemText(0), "FBD after");
        EXPECT_EQ(d->m_ctlWeek->itemText(6), "Last");
        EXPECT_EQ(d->m_ctlMonth->currentIndex(), 11);
        EXPECT_EQ(d->m_ctlWeek->currentText(), "Fourth");
        EXPECT_EQ(d->m_ctlWeekday->currentIndex(), 4);
        EXPECT_TRUE(d->m_ctlWeek->isEnabled());
        EXPECT_TRUE(d->m_ctlWeekday->isEnabled());
        EXPECT_FALSE(d->m_ctlDay->isEnabled());
        EXPECT_TRUE(d->m_ctlMonth->isEnabled());
        d->m_ctlKind[2]->click();
        EXPECT_FALSE(d->m_ctlWeek->isEnabled());
        EXPECT_FALSE(d->m_ctlWeekday->isEnabled());
        EXPECT_TRUE(d->m_ctlDay->isEnabled());
        d->m_ctlKind[0]->click();
        EXPECT_TRUE(d->m_ctlDay->isEnabled());
        d->m_ctlName->setText("Feast");
        d->m_ctlMonth->setCurrentIndex(3);
        d->m_ctlDay->setText("12th");
        d->m_btnOk->click();
    });
    ASSERT_TRUE(EditHoliday(h));
    EXPECT_EQ(h.name, "Feast");
    EXPECT_EQ(h.kind, Holiday::FixedDate);
    EXPECT_EQ(h.month, 3);
    EXPECT_EQ(h.day, 12);
    // Every field is taken whatever the kind.
    EXPECT_EQ(h.week, 4);
    EXPECT_EQ(h.weekday, 4);
    EXPECT_EQ(h.ToText(), "00312Feast");

    WhenModal<CHolidayEditDlg>([](CHolidayEditDlg* d) {
        d->m_ctlDay->setText("");
        d->m_btnOk->click();
    });
    ASSERT_TRUE(EditHoliday(h));
    EXPECT_EQ(h.day, 0);

    WhenModal<CHolidayEditDlg>([](CHolidayEditDlg* d) {
        d->m_ctlName->setText("Nothing");
        d->m_ctlDay->setText("5");
        d->close();
    });
    EXPECT_FALSE(EditHoliday(h));
    EXPECT_EQ(h.name, "Feast");
    EXPECT_EQ(h.day, 0);
}

TEST_F(Dialogs, HolidayListWorksOnTheLiveListAndSavesHoweverItCloses)
{
    HolidayList list;
    list.Add(Holiday(12, 25, "Christmas"));
    list.Add(Holiday(7, 4, "Independence Day"));
    CHolidayListDlg dlg(list);
    WhenModal<CHolidayListDlg>([&](CHolidayListDlg* d) {
        EXPECT_EQ(Lines(d->m_ctlList), (QStringList{"Christmas", "Independence Day"}));
        d->m_ctlList->setCurrentItem(nullptr);
        d->m_btnDelete->click();
        EXPECT_EQ(list.GetCount(), 2);
        d->m_ctlList->setCurrentRow(0);
        d->m_btnDelete->click();
        EXPECT_EQ(list.GetCount(), 1);
        EXPECT_EQ(Lines(d->m_ctlList), QStringList{"Independence Day"});
        WhenModal<CHolidayEditDlg>([](CHolidayEditDlg* e) {
            e->m_ctlName->setText("Tax Day");
            e->m_ctlKind[2]->click();
            e->m_ctlMonth->setCurrentIndex(4);
            e->m_ctlDay->setText("14");
            e->m_btnOk->click();
        });
        d->m_btnNew->click();
        d->m_ctlList->setCurrentRow(0);
        WhenModal<CHolidayEditDlg>([](CHolidayEditDlg* e) {
            e->m_ctlName->setText("Fourth of July");
            e->m_btnOk->click();
        });
        d->m_btnEdit->click();
        EXPECT_EQ(Lines(d->m_ctlList), (QStringList{"Fourth of July", "Tax Day"}));
        // A cancelled edit changes nothing.
        WhenModal<CHolidayEditDlg>([](CHolidayEditDlg* e) {
            e->m_ctlName->setText("Gone");
            e->m_btnCancel->click();
        });
        d->m_btnEdit->click();
        d->close();
    });
    dlg.exec();
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetAt(1).ToText(), "20414Tax Day");
    EXPECT_EQ(store.GetInt("Hollidays", "Number", -5), 2);
    EXPECT_EQ(store.GetString("Hollidays", "Number001", ""), "00704Fourth of July");
    EXPECT_EQ(store.GetString("Hollidays", "Number002", ""), "20414Tax Day");
}

TEST_F(Dialogs, HolidayResetStoresTheNineteenFactoryHolidays)
{
    HolidayList list;
    list.Add(Holiday(1, 2, "Mine"));
    CHolidayListDlg dlg(list);
    WhenModal<CHolidayListDlg>([](CHolidayListDlg* d) {
        d->m_btnReset->click();
        EXPECT_EQ(d->m_ctlList->count(), 19);
        EXPECT_EQ(d->m_ctlList->item(18)->text(), "Christmas");
        d->m_btnOk->click();
    });
    dlg.exec();
    EXPECT_EQ(list.GetCount(), 19);
    EXPECT_EQ(store.GetInt("Hollidays", "Number", -5), 19);
    EXPECT_EQ(store.GetString("Hollidays", "Number019", ""), "01225Christmas");
    HolidayList reread;
    reread.LoadFromSettings(store);
    EXPECT_EQ(reread.Items(), list.Items());
}

// ---------------------------------------------------------------- options sheet

TEST_F(Dialogs, OptionsSheetWritesOnlyThePagesShownInItsProfile)
{
    store.WriteInt("Margins2", "Top", 30);
    store.writes = 0;
    COptions sheet("Options", nullptr, 0);
    sheet.SetProfileNumber(2);
    WhenModal<COptions>([](COptions* s) {
        EXPECT_EQ(s->windowTitle(), "Options");
        EXPECT_EQ(s->m_ctlTabs->count(), 5);
        EXPECT_EQ(s->m_ctlTabs->tabText(4), "Reminders");
        EXPECT_EQ(s->m_ctlTabs->tabText(3), "Name");
        EXPECT_FALSE(s->m_btnApply->isEnabled());
        s->m_pOptions->m_ctlSeasons->click();
        EXPECT_TRUE(s->m_btnApply->isEnabled());
        s->m_btnOk->click();
    });
    ASSERT_EQ(sheet.exec(), QDialog::Accepted);
    EXPECT_EQ(store.GetInt("Options2", "Seasons", 0), 1);
    EXPECT_EQ(store.GetInt("Options2", "ShortNames", 0), 1);
    EXPECT_FALSE(AnySection("Options"));
    EXPECT_FALSE(Stored("Margins2", "Left"));
    EXPECT_FALSE(AnySection("FontSize2"));
    EXPECT_FALSE(AnySection("Week2"));

    // Visiting the margins page writes the shown (stored) values back unchanged.
    WhenModal<COptions>([](COptions* s) {
        s->m_ctlTabs->setCurrentIndex(1);
        EXPECT_EQ(s->m_pMargins->m_ctlTop->Text(), "30");
        EXPECT_EQ(s->m_pMargins->m_ctlLeft->Text(), "5");
        EXPECT_EQ(s->m_pMargins->m_ctlTop->Upper(), 100);
        s->m_btnOk->click();
    });
    ASSERT_EQ(sheet.exec(), QDialog::Accepted);
    EXPECT_EQ(store.GetInt("Margins2", "Top", 0), 30);
    EXPECT_EQ(store.GetInt("Margins2", "Left", 0), 5);
    EXPECT_EQ(store.GetInt("Margins2", "Bottom", 0), 5);
}

TEST_F(Dialogs, OptionsSheetCancelWritesNothingAndBadMarginsKeepItOpen)
{
    COptions sheet("Options", nullptr, 1);
    sheet.SetProfileNumber(0);
    WhenModal<COptions>([](COptions* s) {
        EXPECT_EQ(s->m_ctlTabs->currentIndex(), 1);
        s->m_pMargins->m_ctlLeft->SetText("wide");
        emit s->m_pMargins->m_ctlLeft->edited();
        s->m_btnOk->click();
        EXPECT_TRUE(s->isVisible());
        s->m_btnApply->click();
        EXPECT_TRUE(s->isVisible());
        s->m_btnCancel->click();
    });
    EXPECT_EQ(sheet.exec(), QDialog::Rejected);
    EXPECT_EQ(store.writes, 0);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Please enter an integer.");
}

TEST_F(Dialogs, OptionsNamesPageStoresWeekFieldOneAsSundayAndOffersTheMoonNames)
{
    COptions sheet("Options", nullptr, 3);
    sheet.SetProfileNumber(2);
    WhenModal<COptions>([](COptions* s) {
        CPPNames* n = s->m_pNames;
        EXPECT_EQ(n->m_ctlWeekDay[0]->text(), "Sunday");
        EXPECT_EQ(n->m_ctlWeekDay[6]->text(), "Saturday");
        EXPECT_EQ(n->m_ctlMonth[0]->text(), "Cold Moon");
        n->m_ctlWeekDay[0]->setText("Sonntag");
        emit n->m_ctlWeekDay[0]->textEdited("Sonntag");
        EXPECT_TRUE(s->m_btnApply->isEnabled());
        s->m_btnApply->click();
        EXPECT_FALSE(s->m_btnApply->isEnabled());
        EXPECT_TRUE(s->isVisible());
        s->m_btnCancel->click();
    });
    sheet.exec();
    EXPECT_EQ(store.GetString("Week2", "Sunday", ""), "Sonntag");
    EXPECT_EQ(store.GetString("Week2", "Monday", ""), "Monday");
    EXPECT_EQ(store.GetString("Month2", "January", ""), "Cold Moon");
    EXPECT_FALSE(AnySection("Week"));
    DisplayOptions o = LoadDisplayOptions(store, 2);
    EXPECT_EQ(o.weekDayNames[0], "Sonntag");
}

TEST_F(Dialogs, OptionsFontPageTakesFaceSizeAndColourAndTheLineColour)
{
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    const QString family = families.front();
    COptions sheet("Options", nullptr, 2);
    sheet.SetProfileNumber(0);
    WhenModal<COptions>([&](COptions* s) {
        CPPFont* f = s->m_pFont;
        EXPECT_EQ(f->Font(NameFont).size, 100);
        WhenModal<CFontColorDlg>([&](CFontColorDlg* d) {
            QFont font(family);
            font.setPointSize(14);
            font.setBold(true);
            d->m_ctlFont->setCurrentFont(font);
            WhenModal<QColorDialog>([](QColorDialog* c) {
                c->setCurrentColor(QColor(0x12, 0x34, 0x56));
                c->accept();
            });
            d->m_btnColor->click();
            d->accept();
        });
        f->m_btnFont[NameFont]->click();
        EXPECT_TRUE(s->m_btnApply->isEnabled());
        // A cancelled chooser changes nothing.
        WhenModal<CFontColorDlg>([](CFontColorDlg* d) { d->reject(); });
        f->m_btnFont[TitleFont]->click();
        WhenModal<QColorDialog>([](QColorDialog* c) {
            c->setCurrentColor(QColor(1, 2, 3));
            c->accept();
        });
        f->m_btnLineColor->click();
        s->m_btnOk->click();
    });
    ASSERT_EQ(sheet.exec(), QDialog::Accepted);
    EXPECT_EQ(ToQt(store.GetString("FontName", "Name", "")), family);
    EXPECT_EQ(store.GetInt("FontSize", "Name", 0), 140);
    EXPECT_EQ(store.GetInt("FontColor", "Name", 0), 0x563412);
    EXPECT_EQ(store.GetInt("FontSize", "Month", 0), 360);
    EXPECT_EQ(store.GetInt("FontColor", "Month", 0), 0x008000);
    EXPECT_EQ(store.GetInt("FontColor", "Line", 0), 0x030201);
    EXPECT_FALSE(AnySection("Options"));
}

KINFOLD_DIALOG_TEST_MAIN()
