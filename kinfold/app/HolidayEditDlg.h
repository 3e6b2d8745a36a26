// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Edit Holliday": one holiday's name and rule.
#include "app/DialogSupport.h"
#include "holidays/Holiday.h"

class CSpinEdit;
class QComboBox;
class QRadioButton;

class CHolidayEditDlg : public CKinfoldDialog {
    Q_OBJECT
public:
    explicit CHolidayEditDlg(QWidget* parent = nullptr);

    // Filled by the caller, read after OK.
    Holiday m_Holiday;

    // The rule buttons in order; button k sets kind kButtonKinds[k] (the Easter button gives kind
    // 3 or 4 by the Easter list).
    static constexpr int kRuleButtons = 15;
    static constexpr int kButtonKinds[kRuleButtons] = {
        Holiday::FixedDate,         Holiday::FixedDayOfWeek,     Holiday::NextBusinessDayAfter,
        Holiday::WesternEaster,     Holiday::SubstituteForward,  Holiday::SundayToSaturday,
        Holiday::WeekdayOnOrAfter,  Holiday::WeekdayOnOrBefore,  Holiday::OneYearDate,
        Holiday::WeekdayOnOrAfterUnless, Holiday::ObservedFridayMonday, Holiday::SeasonDay,
        Holiday::SundayToNextFree,  Holiday::BetweenHolidays,    Holiday::NotInYear};
    // The button of a kind (the Easter button for both Easter kinds); 0 for unknown kinds.
    static int ButtonOfKind(int kind);

    // Enables the fields the kind uses: week and weekday lists for kind 1, the day field for
    // kinds 0 and 2, and so on; the month list for every kind that has a month.
    void EnableByKind(int kind);

    QLineEdit* m_ctlName = nullptr;
    QRadioButton* m_ctlKind[kRuleButtons] = {};
    QComboBox* m_ctlMonth = nullptr;    // 0 the "Error" name, 1..12 the months
    QComboBox* m_ctlWeek = nullptr;     // 0 "FBD after", 1..5 "First".."Fifth", 6 "Last"
    QComboBox* m_ctlWeekday = nullptr;  // 0 Sunday (never meant), 1 Monday .. 7 Sunday
    QLineEdit* m_ctlDay = nullptr;
    QComboBox* m_ctlEaster = nullptr;       // 0 Western, 1 Orthodox
    CSpinEdit* m_ctlOffset = nullptr;       // days from Easter, -99..99
    CSpinEdit* m_ctlYear = nullptr;         // the year of a one-year date
    QComboBox* m_ctlKeepWeekday = nullptr;  // as m_ctlWeekday: the date itself is kept on this day
    CSpinEdit* m_ctlHours = nullptr;        // hours from UT of a season day's local time, -12..14
    CSpinEdit* m_ctlFirstYear = nullptr;    // the rule is kept from this year; empty or 0 for always
    CSpinEdit* m_ctlLastYear = nullptr;     // and up to this one
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;

protected:
    void OnInitDialog() override;
    bool OnOK() override;
};

// Edits the holiday; true (and the record changed) on OK.
bool EditHoliday(Holiday& holiday, QWidget* parent = nullptr);

// The leading decimal digits of a text ("12th" gives 12, "" and "x1" give 0).
int LeadingInteger(const QString& text);
