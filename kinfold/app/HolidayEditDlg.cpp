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
#include <QVBoxLayout>
#include <climits>
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
    setWindowTitle("Edit Holliday");
    auto* top = new QHBoxLayout(this);
    auto* body = new QVBoxLayout;
    top->addLayout(body, 1);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel("Name", this));
    m_ctlName = new QLineEdit(this);
    SetToolTip(m_ctlName, "For example Christmas.");
    nameRow->addWidget(m_ctlName, 1);
    body->addLayout(nameRow);

    auto* kinds = new QGroupBox(this);
    auto* kindsLayout = new QVBoxLayout(kinds);
    auto* group = new QButtonGroup(this);
    const char* const labels[3] = {"Fixed date", "Fixed day of week", "Next business day after"};
    for (int k = 0; k < 3; ++k) {
        m_ctlKind[k] = new QRadioButton(labels[k], kinds);
        group->addButton(m_ctlKind[k], k);
        kindsLayout->addWidget(m_ctlKind[k]);
    }
    SetToolTip(m_ctlKind[0], "Legale definition.");
    connect(group, &QButtonGroup::idClicked, this, [this](int k) { EnableByKind(k); });
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
    SetToolTip(m_ctlMonth, "Choose month.");
    SetToolTip(m_ctlWeek, "Choose which week (1st..Last).");
    SetToolTip(m_ctlWeekday, "Choose day of week.");
    SetToolTip(m_ctlDay, "Looking for a number here.");
    for (const char* w : {"FBD after", "First", "Second", "Third", "Fourth", "Fifth", "Last"}) m_ctlWeek->addItem(w);
    grid->addWidget(new QLabel("Month", this), 0, 0);
    grid->addWidget(m_ctlMonth, 1, 0);
    grid->addWidget(new QLabel("Week", this), 0, 1);
    grid->addWidget(m_ctlWeek, 1, 1);
    grid->addWidget(new QLabel("Day of week", this), 0, 2);
    grid->addWidget(m_ctlWeekday, 1, 2);
    grid->addWidget(new QLabel("Day", this), 0, 3);
    grid->addWidget(m_ctlDay, 1, 3);
    m_ctlDay->setMaximumWidth(60);
    body->addLayout(grid);

    AddOkCancelColumn(this, top, m_btnOk, m_btnCancel);
}

void CHolidayEditDlg::EnableByKind(int kind)
{
    bool weekRule = kind == Holiday::FixedDayOfWeek;
    m_ctlWeek->setEnabled(weekRule);
    m_ctlWeekday->setEnabled(weekRule);
    m_ctlDay->setEnabled(!weekRule);
}

void CHolidayEditDlg::OnInitDialog()
{
    // The user's own month and weekday names of profile 0, whatever profile the view shows.
    ISettingsStore& store = AppSettings();
    m_ctlMonth->clear();
    for (int m = 0; m <= 12; ++m)
        m_ctlMonth->addItem(ToQt(store.GetString(kMonthSection, kMonthKeys[m], kMonthKeys[m])));
    m_ctlWeekday->clear();
    for (int d = 0; d < 8; ++d)
        m_ctlWeekday->addItem(ToQt(store.GetString(kWeekSection, kWeekDayKeys[d], kWeekDayKeys[d])));
    // Room for the longest of the user's names.
    m_ctlMonth->setMinimumWidth(m_ctlMonth->sizeHint().width());
    m_ctlWeekday->setMinimumWidth(m_ctlWeekday->sizeHint().width());

    const Holiday& h = m_Holiday;
    m_ctlName->setText(ToQt(h.name));
    auto select = [](QComboBox* box, int pos) { box->setCurrentIndex(pos >= 0 && pos < box->count() ? pos : -1); };
    select(m_ctlMonth, h.month);
    select(m_ctlWeekday, h.weekday);
    select(m_ctlWeek, h.week);
    m_ctlDay->setText(QString::number(h.day));
    int kind = h.kind >= 0 && h.kind <= 2 ? h.kind : 0;
    m_ctlKind[kind]->setChecked(true);
    EnableByKind(kind);
    m_ctlName->setFocus();
}

bool CHolidayEditDlg::OnOK()
{
    // Every field is taken whatever the kind; the rule uses those its kind needs.
    Holiday& h = m_Holiday;
    h.name = FromQt(m_ctlName->text());
    h.month = m_ctlMonth->currentIndex();
    h.weekday = m_ctlWeekday->currentIndex();
    h.kind = 0;
    for (int k = 0; k < 3; ++k)
        if (m_ctlKind[k]->isChecked()) h.kind = k;
    h.day = LeadingInteger(m_ctlDay->text());
    h.week = m_ctlWeek->currentIndex();
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
