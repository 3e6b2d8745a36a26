// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BirthdayEditDlg.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"

namespace {
const char* const kColumnTitles[3] = {QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Begin"), QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Other"), QT_TRANSLATE_NOOP("CBirthdayEditDlg", "End")};
const char* const kDateTips[3][3] = {
    {QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Birth year."), QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Birth month."),
     QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Birth day of month.")},
    {QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Marriage year."), QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Marriage month."),
     QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Marriage day of month.")},
    {QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Death year."), QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Death month."),
     QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Death day of month.")},
};
}  // namespace

CBirthdayEditDlg::CBirthdayEditDlg(QWidget* parent) : CKinfoldDialog(parent)
{
    setWindowTitle(tr("Birthday Edit"));
    auto* top = new QHBoxLayout(this);
    auto* body = new QVBoxLayout;
    top->addLayout(body, 1);

    auto* kinds = new QGroupBox(this);
    auto* kindsLayout = new QVBoxLayout(kinds);
    auto* group = new QButtonGroup(this);
    const char* const labels[3] = {QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Individual birthday"), QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Couple (Joe+Mary) Wedding date"),
                                   QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Note (Dr at 4PM) display date")};
    for (int k = 0; k < 3; ++k) {
        m_ctlKind[k] = new QRadioButton(tr(labels[k]), kinds);
        group->addButton(m_ctlKind[k], k);
        kindsLayout->addWidget(m_ctlKind[k]);
    }
    SetToolTip(m_ctlKind[0], tr("Choose type of object."));
    connect(group, &QButtonGroup::idClicked, this, [this](int k) { ApplyLayout(k); });
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(kinds);
    m_ctlDelete = new QCheckBox(tr("Delete this item"), this);
    SetToolTip(m_ctlDelete, tr("Remove this object."));
    kindRow->addWidget(m_ctlDelete, 0, Qt::AlignTop);
    body->addLayout(kindRow);

    auto* textRow = new QHBoxLayout;
    auto* textLabel = new QLabel(tr("Display Text"), this);
    SetToolTip(textLabel, tr("Description"));
    m_ctlText = new QLineEdit(this);
    SetToolTip(m_ctlText, tr("Name if individual"));
    textLabel->setBuddy(m_ctlText);
    textRow->addWidget(textLabel);
    textRow->addWidget(m_ctlText, 1);
    body->addLayout(textRow);

    auto* columns = new QHBoxLayout;
    const char* const fieldLabels[3] = {QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Year"), QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Month"), QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Day")};
    for (int c = 0; c < 3; ++c) {
        m_ctlColumn[c] = new QGroupBox(tr(kColumnTitles[c]), this);
        auto* form = new QFormLayout(m_ctlColumn[c]);
        for (int f = 0; f < 3; ++f) {
            m_ctlDate[c][f] = new CSpinEdit(m_ctlColumn[c]);
            SetToolTip(m_ctlDate[c][f], tr(kDateTips[c][f]));
            form->addRow(tr(fieldLabels[f]), m_ctlDate[c][f]);
        }
        columns->addWidget(m_ctlColumn[c]);
    }
    columns->addStretch(1);
    body->addLayout(columns);

    AddOkCancelColumn(this, top, m_btnOk, m_btnCancel);
}

void CBirthdayEditDlg::ApplyLayout(int kind)
{
    static const char* const titles[3][3] = {
        {QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Birth"), QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Marriage"),
         QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Death")},
        {QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Marriage"), "", ""},
        {QT_TRANSLATE_NOOP("CBirthdayEditDlg", "Date"), "", ""},
    };
    if (kind < 0 || kind > 2) kind = KindIndividual;
    for (int c = 0; c < 3; ++c) m_ctlColumn[c]->setTitle(*titles[kind][c] ? tr(titles[kind][c]) : QString());
    // Hidden columns keep their values; OK reads them all the same.
    m_ctlColumn[1]->setVisible(kind == KindIndividual);
    m_ctlColumn[2]->setVisible(kind == KindIndividual);
}

int CBirthdayEditDlg::SelectedKind() const
{
    for (int k = 0; k < 3; ++k)
        if (m_ctlKind[k]->isChecked()) return k;
    return KindIndividual;
}

void CBirthdayEditDlg::OnInitDialog()
{
    for (int c = 0; c < 3; ++c) {
        m_ctlDate[c][1]->SetRange(1, 12);
        m_ctlDate[c][2]->SetRange(1, 31);
    }
    m_ctlText->setText(ToQt(m_Entry.text));
    int kind = m_Entry.HasKind(BirthdayEntry::Note)     ? KindNote
               : m_Entry.HasKind(BirthdayEntry::Couple) ? KindCouple
                                                        : KindIndividual;
    m_ctlKind[kind]->setChecked(true);
    ApplyLayout(kind);
    // A new entry starts on today; a day without a year (an address book's birthday) shows an
    // empty year, which OK keeps.
    CalendarDate first = m_Entry;
    const QDate today = QDate::currentDate();
    const bool noYear = first.year == 0 && first.month != 0;
    if (first.year == 0 && !noYear) first = CalendarDate(today.month(), today.day(), today.year());
    const int rangeYear = noYear ? today.year() : first.year;
    const CalendarDate dates[3] = {first, m_Entry.otherDate, m_Entry.endDate};
    for (int c = 0; c < 3; ++c) {
        m_ctlDate[c][0]->SetValue(dates[c].year);
        m_ctlDate[c][1]->SetValue(dates[c].month);
        m_ctlDate[c][2]->SetValue(dates[c].day);
        m_ctlDate[c][0]->SetRange(rangeYear - 100, rangeYear + 100);
    }
    if (noYear) m_ctlDate[0][0]->SetText(QString());
    m_ctlDelete->setChecked(m_bDelete);
    m_ctlText->setFocus();
}

bool CBirthdayEditDlg::OnOK()
{
    int v[3][3];
    for (int c = 0; c < 3; ++c)
        for (int f = 0; f < 3; ++f) {
            // An empty year of the entry's own date is a day without a year.
            if (c == 0 && f == 0 && m_ctlDate[0][0]->Text().trimmed().isEmpty()) {
                v[0][0] = 0;
                continue;
            }
            if (!ReadIntegerField(m_ctlDate[c][f], v[c][f])) return false;
        }
    // A date that cannot be would never be drawn. The marriage and death may be missing or
    // partial; the columns a kind hides keep what they held and are not asked about. An entry
    // to be deleted is not asked about either: an impossible date must not keep it in the list.
    const int kind = SelectedKind();
    const int checked = m_ctlDelete->isChecked() ? 0 : (kind == KindIndividual ? 3 : 1);
    for (int c = 0; c < checked; ++c)
        if (!CheckDateFields(m_ctlColumn[c]->title(), m_ctlDate[c][1], m_ctlDate[c][2], v[c][1], v[c][2], v[c][0],
                             c > 0))
            return false;
    CalendarDate* dates[3] = {&m_Entry, &m_Entry.otherDate, &m_Entry.endDate};
    for (int c = 0; c < 3; ++c) {
        dates[c]->year = v[c][0];
        dates[c]->month = v[c][1];
        dates[c]->day = v[c][2];
    }
    m_Entry.text = FromQt(m_ctlText->text());
    m_Entry.ClearKind(BirthdayEntry::Note | BirthdayEntry::Individual | BirthdayEntry::Couple);
    static const uint16_t bits[3] = {BirthdayEntry::Individual, BirthdayEntry::Couple, BirthdayEntry::Note};
    m_Entry.SetKind(bits[kind]);
    m_bDelete = m_ctlDelete->isChecked();
    return true;
}
