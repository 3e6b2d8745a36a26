// SPDX-License-Identifier: GPL-3.0-or-later
// The "Set Target Date" dialog's refusals, in their order, driven offscreen.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include "TargetDlg.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "TestTime.h"

namespace {

class TargetDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        MarkwheelTestApp();
        SetMessageBoxAnswerer([this](const MessageBoxRequest& r) {
            messages.push_back(r.text);
            return IDOK;
        });
        dlg.m_strTitle = "Year 2027";
        dlg.m_nYear = 2027;
        dlg.m_nMonth = 1;
        dlg.m_nDay = 1;
        dlg.m_nHour = 0;
        dlg.m_nMinute = 0;
        dlg.m_nSecond = 0;
        CSetTargetDlg::modalHook = [](CSetTargetDlg& d) {
            d.show();
            return 0;
        };
        dlg.DoModal();
    }
    void TearDown() override
    {
        CSetTargetDlg::modalHook = nullptr;
        SetMessageBoxAnswerer(nullptr);
    }
    // The field that has (or will have, once the window is active) the focus.
    bool Focused(CIntSpin* s)
    {
        QWidget* f = dlg.focusWidget();
        return f == s || f == Edit(s);
    }
    QLineEdit* Edit(CIntSpin* s) { return s->findChild<QLineEdit*>(); }
    void Type(CIntSpin* s, const char* text) { Edit(s)->setText(text); }
    // Presses OK; true when the dialog closed with OK.
    bool PressOk()
    {
        dlg.setResult(0);
        dlg.accept();
        return dlg.result() == QDialog::Accepted;
    }

    QApplication& app = MarkwheelTestApp();   // before any widget
    CSetTargetDlg dlg;
    std::vector<CString> messages;
};

}  // namespace

TEST_F(TargetDialog, OpensWithTheGivenValues)
{
    EXPECT_EQ(dlg.windowTitle(), "Set Target Date");
    EXPECT_EQ(dlg.m_editTitle->text(), "Year 2027");
    EXPECT_EQ(Edit(dlg.m_spinYear)->text(), "2027");
    EXPECT_EQ(Edit(dlg.m_spinMonth)->text(), "1");
    EXPECT_EQ(Edit(dlg.m_spinSecond)->text(), "0");
}

TEST_F(TargetDialog, OkTakesAllSevenValues)
{
    dlg.m_editTitle->setText("Launch");
    Type(dlg.m_spinYear, "-44");
    Type(dlg.m_spinMonth, "3");
    Type(dlg.m_spinDay, " 15 ");
    Type(dlg.m_spinHour, "23");
    Type(dlg.m_spinMinute, "59");
    Type(dlg.m_spinSecond, "+7");
    EXPECT_TRUE(PressOk());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dlg.m_strTitle, "Launch");
    EXPECT_EQ(dlg.m_nYear, -44);
    EXPECT_EQ(dlg.m_nMonth, 3);
    EXPECT_EQ(dlg.m_nDay, 15);
    EXPECT_EQ(dlg.m_nHour, 23);
    EXPECT_EQ(dlg.m_nMinute, 59);
    EXPECT_EQ(dlg.m_nSecond, 7);
}

TEST_F(TargetDialog, EmptyTitleAndAnyIntegerYearAreAccepted)
{
    dlg.m_editTitle->clear();
    Type(dlg.m_spinYear, "12000");   // the arrows stop at 6000, typing does not
    EXPECT_TRUE(PressOk());
    EXPECT_EQ(dlg.m_strTitle, "");
    EXPECT_EQ(dlg.m_nYear, 12000);
    EXPECT_TRUE(messages.empty());
}

TEST_F(TargetDialog, RangeMessagesNameTheBounds)
{
    struct Case { CIntSpin* spin; const char* text; const char* message; };
    const Case cases[] = {
        {dlg.m_spinMonth, "13", "Please enter an integer between 1 and 12."},
        {dlg.m_spinMonth, "0", "Please enter an integer between 1 and 12."},
        {dlg.m_spinDay, "32", "Please enter an integer between 1 and 31."},
        {dlg.m_spinHour, "24", "Please enter an integer between 0 and 23."},
        {dlg.m_spinMinute, "-1", "Please enter an integer between 0 and 59."},
        {dlg.m_spinSecond, "60", "Please enter an integer between 0 and 59."},
    };
    for (const Case& c : cases) {
        QString old = Edit(c.spin)->text();
        messages.clear();
        Type(c.spin, c.text);
        EXPECT_FALSE(PressOk()) << c.text;
        ASSERT_EQ(messages.size(), 1u) << c.text;
        EXPECT_EQ(messages[0], c.message);
        EXPECT_TRUE(Focused(c.spin)) << c.text;
        EXPECT_TRUE(dlg.isVisible());
        Type(c.spin, old.toUtf8().constData());
    }
    EXPECT_EQ(dlg.m_nMonth, 1);   // nothing taken from a refused dialog
}

TEST_F(TargetDialog, NonIntegersAreRefused)
{
    for (const char* bad : {"", "abc", "12x", "1.5", "99999999999", "--3", "+"}) {
        messages.clear();
        Type(dlg.m_spinYear, bad);
        EXPECT_FALSE(PressOk()) << bad;
        ASSERT_EQ(messages.size(), 1u) << bad;
        EXPECT_EQ(messages[0], "Please enter an integer.") << bad;
    }
}

TEST_F(TargetDialog, ChecksRunInOrderAndStopAtTheFirst)
{
    Type(dlg.m_spinYear, "x");
    Type(dlg.m_spinMonth, "13");
    Type(dlg.m_spinSecond, "60");
    EXPECT_FALSE(PressOk());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Please enter an integer.");
    EXPECT_TRUE(Focused(dlg.m_spinYear));

    messages.clear();
    Type(dlg.m_spinYear, "2030");
    EXPECT_FALSE(PressOk());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Please enter an integer between 1 and 12.");

    messages.clear();
    Type(dlg.m_spinMonth, "2");
    Type(dlg.m_spinDay, "28");
    EXPECT_FALSE(PressOk());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Please enter an integer between 0 and 59.");
    EXPECT_TRUE(Focused(dlg.m_spinSecond));

    Type(dlg.m_spinSecond, "59");
    EXPECT_TRUE(PressOk());
    EXPECT_EQ(dlg.m_nDay, 28);
}

TEST_F(TargetDialog, TheDayMustExistInItsMonth)
{
    struct Case { const char *year, *month, *day; int last; };
    const Case refused[] = {
        {"2027", "2", "29", 28}, {"2028", "2", "30", 29}, {"1900", "2", "29", 28}, {"2027", "4", "31", 30},
        {"2027", "11", "31", 30},
    };
    for (const Case& c : refused) {
        messages.clear();
        Type(dlg.m_spinYear, c.year);
        Type(dlg.m_spinMonth, c.month);
        Type(dlg.m_spinDay, c.day);
        EXPECT_FALSE(PressOk()) << c.year << "-" << c.month << "-" << c.day;
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], StrFormat("Please enter an integer between 1 and %d.", c.last));
        EXPECT_TRUE(Focused(dlg.m_spinDay));
    }
    const Case accepted[] = {{"2028", "2", "29", 0}, {"2000", "2", "29", 0}, {"2027", "12", "31", 0}};
    for (const Case& c : accepted) {
        Type(dlg.m_spinYear, c.year);
        Type(dlg.m_spinMonth, c.month);
        Type(dlg.m_spinDay, c.day);
        EXPECT_TRUE(PressOk()) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST_F(TargetDialog, ArrowsStepWithinTheRange)
{
    dlg.m_spinMonth->stepBy(1);
    EXPECT_EQ(Edit(dlg.m_spinMonth)->text(), "2");
    Type(dlg.m_spinMonth, "12");
    dlg.m_spinMonth->stepBy(1);
    EXPECT_EQ(Edit(dlg.m_spinMonth)->text(), "12");
    Type(dlg.m_spinYear, "-5999");
    dlg.m_spinYear->stepBy(-5);
    EXPECT_EQ(Edit(dlg.m_spinYear)->text(), "-6000");
    Type(dlg.m_spinYear, "5999");
    dlg.m_spinYear->stepBy(10);
    EXPECT_EQ(Edit(dlg.m_spinYear)->text(), "6000");   // no thousands separator
}
