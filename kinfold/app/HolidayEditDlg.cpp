// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HolidayEditDlg.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <climits>
#include "platform/CTime.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"
#include "view/core/DisplayOptions.h"

int LeadingInteger(const QString& text)
{
    long long v = 0;
    for (QChar c : text.trimmed()) {
        if (c < '0' || c > '9') break;
        v = v * 10 + (c.unicode() - '0');
        if (v > INT_MAX) return INT_MAX;
    }
    return (int)v;
}

CHolidayEditDlg::CHolidayEditDlg(QWidget* parent) : CKinfoldDialog(parent)
{
    setWindowTitle(tr("Edit Holliday"));
    auto* top = new QHBoxLayout(this);
    auto* body = new QVBoxLayout;
    top->addLayout(body, 1);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Name"), this));
    m_ctlName = new QLineEdit(this);
    SetToolTip(m_ctlName, tr("For example Christmas."));
    nameRow->addWidget(m_ctlName, 1);
    body->addLayout(nameRow);

    auto* kinds = new QGroupBox(this);
    auto* kindsLayout = new QGridLayout(kinds);
    auto* group = new QButtonGroup(this);
    const char* const labels[kRuleButtons] = {
        QT_TRANSLATE_NOOP("CHolidayEditDlg", "Fixed date"), QT_TRANSLATE_NOOP("CHolidayEditDlg", "Fixed day of week"), QT_TRANSLATE_NOOP("CHolidayEditDlg", "Next business day after"), QT_TRANSLATE_NOOP("CHolidayEditDlg", "Days from Easter"),
        QT_TRANSLATE_NOOP("CHolidayEditDlg", "Fixed date, on a weekend also the next free weekday"), QT_TRANSLATE_NOOP("CHolidayEditDlg", "Fixed date, on a Sunday the Saturday before"),
        QT_TRANSLATE_NOOP("CHolidayEditDlg", "Day of week on or after the date"), QT_TRANSLATE_NOOP("CHolidayEditDlg", "Day of week on or before the date"), QT_TRANSLATE_NOOP("CHolidayEditDlg", "Date in one year only"),
        QT_TRANSLATE_NOOP("CHolidayEditDlg", "Day of week on or after the date, or the date itself on"),
        QT_TRANSLATE_NOOP("CHolidayEditDlg", "Fixed date, on a weekend also the Friday before or Monday after (observed)"),
        QT_TRANSLATE_NOOP("CHolidayEditDlg", "Day the season begins (equinox or solstice)"),
        QT_TRANSLATE_NOOP("CHolidayEditDlg", "A holiday on a Sunday: the next free day"),
        QT_TRANSLATE_NOOP("CHolidayEditDlg", "A day between two holidays"),
        QT_TRANSLATE_NOOP("CHolidayEditDlg", "Not on the date in one year (moved)")};
    for (int k = 0; k < kRuleButtons; ++k) {
        m_ctlKind[k] = new QRadioButton(tr(labels[k]), kinds);
        group->addButton(m_ctlKind[k], k);
        // One column: side by side, the longer rules made the dialog wider than a small screen.
        kindsLayout->addWidget(m_ctlKind[k], k, 0);
    }
    SetToolTip(m_ctlKind[0], tr("Legale definition."));
    SetToolTip(m_ctlKind[3], tr("Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50."));
    SetToolTip(m_ctlKind[4], tr("As the United Kingdom keeps Christmas and Boxing Day."));
    SetToolTip(m_ctlKind[10], tr("As the United States observe their federal holidays."));
    SetToolTip(m_ctlKind[11], tr("Choose March or September for the equinoxes, June or December for the solstices."));
    SetToolTip(m_ctlKind[12], tr("For the whole list, as Japan keeps its holidays; the name is the day's."));
    SetToolTip(m_ctlKind[13], tr("For the whole list; the day of week chosen is left out."));
    SetToolTip(m_ctlKind[14], tr("The holiday of this name is not kept on the date in the year given."));
    connect(group, &QButtonGroup::idClicked, this, [this](int k) { EnableByKind(kButtonKinds[k]); });
    body->addWidget(kinds);

    auto* grid = new QGridLayout;
    m_ctlMonth = new QComboBox(this);
    m_ctlWeek = new QComboBox(this);
    m_ctlWeekday = new QComboBox(this);
    m_ctlDay = new QLineEdit(this);
    m_ctlMonth->setMaxVisibleItems(13);
    // The names come from the settings when the dialog opens.
    m_ctlMonth->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_ctlWeekday->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_ctlWeekday->setMaxVisibleItems(8);
    SetToolTip(m_ctlMonth, tr("Choose month."));
    SetToolTip(m_ctlWeek, tr("Choose which week (1st..Last)."));
    SetToolTip(m_ctlWeekday, tr("Choose day of week."));
    SetToolTip(m_ctlDay, tr("Looking for a number here."));
    for (const char* w : {QT_TRANSLATE_NOOP("CHolidayEditDlg", "FBD after"), QT_TRANSLATE_NOOP("CHolidayEditDlg", "First"),
                          QT_TRANSLATE_NOOP("CHolidayEditDlg", "Second"), QT_TRANSLATE_NOOP("CHolidayEditDlg", "Third"),
                          QT_TRANSLATE_NOOP("CHolidayEditDlg", "Fourth"), QT_TRANSLATE_NOOP("CHolidayEditDlg", "Fifth"),
                          QT_TRANSLATE_NOOP("CHolidayEditDlg", "Last")})
        m_ctlWeek->addItem(tr(w));
    grid->addWidget(new QLabel(tr("Month"), this), 0, 0);
    grid->addWidget(m_ctlMonth, 1, 0);
    grid->addWidget(new QLabel(tr("Week"), this), 0, 1);
    grid->addWidget(m_ctlWeek, 1, 1);
    grid->addWidget(new QLabel(tr("Day of week"), this), 0, 2);
    grid->addWidget(m_ctlWeekday, 1, 2);
    grid->addWidget(new QLabel(tr("Day"), this), 0, 3);
    grid->addWidget(m_ctlDay, 1, 3);
    // As narrow as a day number, in the dialog's font rather than a size in pixels.
    QStyleOptionFrame frame;
    frame.initFrom(m_ctlDay);
    frame.lineWidth = m_ctlDay->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, m_ctlDay);
    const QSize digits(m_ctlDay->fontMetrics().horizontalAdvance(QStringLiteral("0000")), m_ctlDay->fontMetrics().height());
    m_ctlDay->setMaximumWidth(
        m_ctlDay->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, digits, m_ctlDay).width());
    body->addLayout(grid);

    auto* more = new QGridLayout;
    m_ctlEaster = new QComboBox(this);
    m_ctlEaster->addItem(tr("Western"));
    m_ctlEaster->addItem(tr("Orthodox"));
    SetToolTip(m_ctlEaster, tr("Which churches' Easter."));
    m_ctlOffset = new CSpinEdit(this);
    m_ctlOffset->SetRange(-Holiday::kMaxEasterOffset, Holiday::kMaxEasterOffset);
    SetToolTip(m_ctlOffset, tr("Days after Easter Sunday, or before it when negative."));
    m_ctlYear = new CSpinEdit(this, true);
    m_ctlYear->SetRange(1, 9999);
    SetToolTip(m_ctlYear, tr("The one year the holiday is kept."));
    m_ctlKeepWeekday = new QComboBox(this);
    m_ctlKeepWeekday->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    SetToolTip(m_ctlKeepWeekday, tr("When the date falls on this day of week, the date itself."));
    more->addWidget(new QLabel(tr("Easter"), this), 0, 0);
    more->addWidget(m_ctlEaster, 1, 0);
    more->addWidget(new QLabel(tr("Days from Easter"), this), 0, 1);
    more->addWidget(m_ctlOffset, 1, 1);
    more->addWidget(new QLabel(tr("Year"), this), 0, 2);
    more->addWidget(m_ctlYear, 1, 2);
    more->addWidget(new QLabel(tr("Date itself on"), this), 0, 3);
    more->addWidget(m_ctlKeepWeekday, 1, 3);
    m_ctlHours = new CSpinEdit(this);
    m_ctlHours->SetRange(-12, 14);
    SetToolTip(m_ctlHours, tr("Hours from UT of the local time (Japan 9)."));
    more->addWidget(new QLabel(tr("Hours from UT"), this), 0, 4);
    more->addWidget(m_ctlHours, 1, 4);
    body->addLayout(more);

    auto* years = new QHBoxLayout;
    m_ctlFirstYear = new CSpinEdit(this, true);
    m_ctlLastYear = new CSpinEdit(this, true);
    for (CSpinEdit* y : {m_ctlFirstYear, m_ctlLastYear}) y->SetRange(0, 9999);
    SetToolTip(m_ctlFirstYear, tr("First year the holiday is kept; empty for always."));
    SetToolTip(m_ctlLastYear, tr("Last year the holiday is kept; empty for always."));
    years->addWidget(new QLabel(tr("Kept from year"), this));
    years->addWidget(m_ctlFirstYear);
    years->addWidget(new QLabel(tr("to"), this));
    years->addWidget(m_ctlLastYear);
    years->addStretch(1);
    body->addLayout(years);

    AddOkCancelColumn(this, top, m_btnOk, m_btnCancel);
}

int CHolidayEditDlg::ButtonOfKind(int kind)
{
    if (kind == Holiday::OrthodoxEaster) kind = Holiday::WesternEaster;
    for (int k = 0; k < kRuleButtons; ++k)
        if (kButtonKinds[k] == kind) return k;
    return 0;
}

void CHolidayEditDlg::EnableByKind(int kind)
{
    const bool easter = kind == Holiday::WesternEaster || kind == Holiday::OrthodoxEaster;
    const bool weekRule = kind == Holiday::FixedDayOfWeek;
    const bool nearWeekday = kind == Holiday::WeekdayOnOrAfter || kind == Holiday::WeekdayOnOrBefore ||
                             kind == Holiday::WeekdayOnOrAfterUnless || kind == Holiday::BetweenHolidays;
    // The rules for the whole list have no date of their own.
    const bool listWide = kind == Holiday::SundayToNextFree || kind == Holiday::BetweenHolidays;
    const bool season = kind == Holiday::SeasonDay;
    m_ctlMonth->setEnabled(!easter && !listWide);
    m_ctlWeek->setEnabled(weekRule);
    m_ctlWeekday->setEnabled(weekRule || nearWeekday);
    m_ctlDay->setEnabled(!weekRule && !easter && !listWide && !season);
    m_ctlEaster->setEnabled(easter);
    m_ctlOffset->setEnabled(easter);
    m_ctlYear->setEnabled(kind == Holiday::OneYearDate || kind == Holiday::NotInYear);
    m_ctlKeepWeekday->setEnabled(kind == Holiday::WeekdayOnOrAfterUnless);
    m_ctlHours->setEnabled(season);
}

void CHolidayEditDlg::OnInitDialog()
{
    // The user's own month and weekday names of profile 0, whatever profile the view shows.
    const DisplayOptions shown = LoadDisplayOptions(AppSettings(), 0, CurrentLocaleChoices());
    m_ctlMonth->clear();
    for (int m = 0; m <= 12; ++m) m_ctlMonth->addItem(ToQt(shown.monthNames[m]));
    m_ctlWeekday->clear();
    m_ctlKeepWeekday->clear();
    for (int d = 0; d < 8; ++d) {
        const QString name = ToQt(shown.weekDayNames[d]);
        m_ctlWeekday->addItem(name);
        m_ctlKeepWeekday->addItem(name);
    }
    // Room for the longest of the user's names.
    m_ctlMonth->setMinimumWidth(m_ctlMonth->sizeHint().width());
    m_ctlWeekday->setMinimumWidth(m_ctlWeekday->sizeHint().width());

    const Holiday& h = m_Holiday;
    m_ctlName->setText(ToQt(h.name));
    auto select = [](QComboBox* box, int pos) { box->setCurrentIndex(pos >= 0 && pos < box->count() ? pos : -1); };
    // An Easter rule keeps no date; switching it to a dated kind starts on 1 January.
    const bool easter = h.kind == Holiday::WesternEaster || h.kind == Holiday::OrthodoxEaster;
    select(m_ctlMonth, easter && h.month == 0 ? 1 : h.month);
    select(m_ctlWeekday, h.weekday);
    select(m_ctlWeek, h.week);
    m_ctlDay->setText(QString::number(easter && h.day == 0 ? 1 : h.day));
    m_ctlEaster->setCurrentIndex(h.kind == Holiday::OrthodoxEaster ? 1 : 0);
    const bool season = h.kind == Holiday::SeasonDay;
    m_ctlOffset->SetValue(season ? 0 : h.offset);
    m_ctlHours->SetValue(season ? h.offset : 9);
    // Empty fields for rules kept in every year.
    m_ctlFirstYear->SetText(h.firstYear ? QString::number(h.firstYear) : QString());
    m_ctlLastYear->SetText(h.lastYear ? QString::number(h.lastYear) : QString());
    // A new one-year date starts on the year it is entered in.
    m_ctlYear->SetValue(h.kind == Holiday::OneYearDate || h.kind == Holiday::NotInYear
                            ? h.year
                            : CTime::GetCurrentTime().GetYear());
    select(m_ctlKeepWeekday, h.keepWeekday);
    const int button = ButtonOfKind(h.kind);
    m_ctlKind[button]->setChecked(true);
    const bool known = kButtonKinds[button] == h.kind || h.kind == Holiday::OrthodoxEaster;
    EnableByKind(known ? h.kind : Holiday::FixedDate);
    m_ctlName->setFocus();
}

bool CHolidayEditDlg::OnOK()
{
    // Every field is taken whatever the kind; the rule uses those its kind needs.
    int kind = Holiday::FixedDate;
    for (int k = 0; k < kRuleButtons; ++k)
        if (m_ctlKind[k]->isChecked()) kind = kButtonKinds[k];
    if (kind == Holiday::WesternEaster && m_ctlEaster->currentIndex() == 1) kind = Holiday::OrthodoxEaster;
    int offset = m_Holiday.offset, year = m_Holiday.year;
    if (kind == Holiday::WesternEaster || kind == Holiday::OrthodoxEaster) {
        if (!ReadIntegerField(m_ctlOffset, offset) ||
            !CheckIntegerRange(m_ctlOffset, offset, -Holiday::kMaxEasterOffset, Holiday::kMaxEasterOffset))
            return false;
    }
    if (kind == Holiday::OneYearDate || kind == Holiday::NotInYear) {
        if (!ReadIntegerField(m_ctlYear, year) || !CheckIntegerRange(m_ctlYear, year, 1, 9999)) return false;
    }
    if (kind == Holiday::SeasonDay) {
        if (!ReadIntegerField(m_ctlHours, offset) || !CheckIntegerRange(m_ctlHours, offset, -12, 14)) return false;
    }
    int bounds[2] = {0, 0};
    CSpinEdit* const boundFields[2] = {m_ctlFirstYear, m_ctlLastYear};
    for (int i = 0; i < 2; ++i) {
        if (boundFields[i]->Text().trimmed().isEmpty()) continue;
        if (!ReadIntegerField(boundFields[i], bounds[i]) || !CheckIntegerRange(boundFields[i], bounds[i], 0, 9999))
            return false;
    }
    if (bounds[0] && bounds[1] && bounds[1] < bounds[0]) {
        AfxMessageBox(FromQt(tr("The last year comes before the first.")), MB_OK | MB_ICONWARNING, CString(), this);
        m_ctlLastYear->setFocus();
        return false;
    }
    Holiday& h = m_Holiday;
    h.name = FromQt(m_ctlName->text());
    h.month = m_ctlMonth->currentIndex();
    h.weekday = m_ctlWeekday->currentIndex();
    h.kind = kind;
    h.day = LeadingInteger(m_ctlDay->text());
    h.week = m_ctlWeek->currentIndex();
    h.offset = offset;
    h.year = year;
    h.keepWeekday = m_ctlKeepWeekday->currentIndex();
    h.firstYear = bounds[0];
    h.lastYear = bounds[1];
    if (h.NeedsYear()) {
        // The newer kinds keep only the fields their stored text holds, so the record in the
        // list is the one the next start reads back.
        Holiday stored;
        if (Holiday::FromText(h.ToText(), stored)) h = stored;
    }
    return true;
}

bool EditHoliday(Holiday& holiday, QWidget* parent)
{
    CHolidayEditDlg dlg(parent);
    dlg.m_Holiday = holiday;
    if (dlg.exec() != QDialog::Accepted) return false;
    holiday = dlg.m_Holiday;
    return true;
}
