// SPDX-License-Identifier: GPL-3.0-or-later
// The Year dialog, the navigation and the drawing stay within the years the calendar is exact in.
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include "DialogDriver.h"
#include "app/YearDlg.h"
#include "calendar/MoonDate.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"
#include "view/core/PageLayout.h"

namespace {
using YearRange = DialogTest;
}  // namespace

TEST_F(YearRange, YearDialogRefusesYearsBeyondEitherEnd)
{
    CYearDlg dlg;
    dlg.m_nYear = 2000;
    dlg.m_nMonth = 7;
    const CString message = StrFormat("Please enter an integer between %d and %d.", kFirstYear, kLastYear);
    for (int year : {kLastYear + 1, kFirstYear - 1, INT_MAX, INT_MIN + 1}) {
        messages.clear();
        WhenModal<CYearDlg>([year](CYearDlg* d) {
            d->m_ctlYear->SetText(QString::number(year));
            d->m_btnOk->click();
            EXPECT_TRUE(d->isVisible());
            d->m_btnCancel->click();
        });
        EXPECT_EQ(dlg.exec(), QDialog::Rejected);
        EXPECT_EQ(messages, std::vector<CString>{message}) << year;
        EXPECT_EQ(dlg.m_nYear, 2000);
    }
    for (int year : {kLastYear, kFirstYear, 0}) {
        WhenModal<CYearDlg>([year](CYearDlg* d) {
            d->m_ctlYear->SetText(QString::number(year));
            d->m_btnOk->click();
        });
        EXPECT_EQ(dlg.exec(), QDialog::Accepted);
        EXPECT_EQ(dlg.m_nYear, year);
    }
}

TEST_F(YearRange, NavigationStaysPutAtBothEnds)
{
    CKinfoldDoc doc;
    CKinfoldView view(&doc);
    view.m_bSaveOptionsOnClose = false;
    view.OnInitialUpdate();
    view.ShowMonth(kLastYear, 12);
    ASSERT_EQ(view.m_nYear, kLastYear);
    view.OnNextMonth();
    EXPECT_EQ(view.m_nYear, kLastYear);
    EXPECT_EQ(view.m_nMonth, 12);
    view.OnNextYear();
    EXPECT_EQ(view.m_nYear, kLastYear);
    view.OnPrevMonth();
    EXPECT_EQ(view.m_nMonth, 11);

    view.ShowMonth(kFirstYear, 1);
    view.OnPrevMonth();
    EXPECT_EQ(view.m_nYear, kFirstYear);
    EXPECT_EQ(view.m_nMonth, 1);
    view.OnPrevYear();
    EXPECT_EQ(view.m_nYear, kFirstYear);
    view.OnNextYear();
    EXPECT_EQ(view.m_nYear, kFirstYear + 1);

    // Beyond the range the year chooser's answer changes nothing.
    for (int year : {kLastYear + 1, kFirstYear - 1, INT_MAX, INT_MIN}) {
        view.ShowMonth(year, 3);
        EXPECT_EQ(view.m_nYear, kFirstYear + 1);
        EXPECT_EQ(view.m_nMonth, 1);
    }

    // The moon calendars end with the last moon month of the last year.
    view.SetCalendarType(kMoon);
    const int last = MoonMonthsInYear(kLastYear);
    view.ShowMonth(kLastYear, 1);
    for (int m = 1; m < last; ++m) view.OnNextMonth();
    EXPECT_EQ(view.m_nMonth, last);
    view.OnNextMonth();
    EXPECT_EQ(view.m_nYear, kLastYear);
    EXPECT_EQ(view.m_nMonth, last);
}

TEST_F(YearRange, PagesThatRunPastTheLastYearLeaveThoseMonthsEmpty)
{
    CKinfoldDoc doc;
    CKinfoldView view(&doc);
    view.m_bSaveOptionsOnClose = false;
    view.OnInitialUpdate();
    QImage img(1024, 768, QImage::Format_RGB32);
    view.ShowMonth(kLastYear, 12);
    view.RenderPage(img);
    const int december = view.LastStartCell();
    EXPECT_EQ(view.LastDaysInMonth(), 31);
    // Twelve months from December: the last block drawn is still December.
    view.SetMonthsPerPage(12);
    view.RenderPage(img);
    EXPECT_EQ(view.LastStartCell(), december);
    EXPECT_EQ(view.LastDaysInMonth(), 31);
    // The first year draws as any other.
    view.SetMonthsPerPage(1);
    view.ShowMonth(kFirstYear, 2);
    view.RenderPage(img);
    EXPECT_GE(view.LastDaysInMonth(), 28);
}

KINFOLD_DIALOG_TEST_MAIN()
