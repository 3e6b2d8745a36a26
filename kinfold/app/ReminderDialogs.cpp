// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ReminderDialogs.h"
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include "platform/Document.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"
#include "view/KinfoldView.h"

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog, bool withCancel = true)
{
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok = box->addButton(QDialog::tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    SetToolTip(ok, QDialog::tr(kTipOk));
    if (withCancel) SetToolTip(box->addButton(QDialog::tr("Cancel"), QDialogButtonBox::RejectRole), QDialog::tr(kTipCancelValue));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

// The day in the locale's short form ("20.12.26", "2026/12/20"); English and "C" keep the
// list's ISO form. The rows lie within a month of today, so a two-digit year is never in doubt.
QString ShortDay(const GregorianDate& date)
{
    const QLocale locale;
    const QDate day(date.year, date.month, date.day);
    if (locale.language() == QLocale::C || locale.language() == QLocale::English || !day.isValid())
        return QString::fromStdString(IsoDate(date));
    return locale.toString(day, QLocale::ShortFormat);
}

} // namespace

EventRules ProfileZeroRules(CKinfoldView& view)
{
    if (view.m_nCalendarType != 0) return StoredEventRules(AppSettings());
    return EventRules{view.m_Options.switches, view.m_Options.leapDay};
}

// ---------------------------------------------------------------- Upcoming

CUpcomingDlg::CUpcomingDlg(const BirthdayList& list, const EventRules& rules, const GregorianDate& today,
                           QWidget* parent)
    : CKinfoldDialog(parent)
{
    setWindowTitle(tr("Upcoming"));
    auto* layout = new QVBoxLayout(this);
    m_ctlEvents = new QTreeWidget(this);
    m_ctlEvents->setRootIsDecorated(false);
    m_ctlEvents->setHeaderLabels({tr("Date"), tr("Event"), tr("When")});
    m_ctlEvents->setMinimumSize(620, 300);
    SetToolTip(m_ctlEvents, tr("The birthdays, anniversaries and notes of today and the next 30 days."));
    const std::vector<DayEvent> events = EventsOfDays(list, rules, today, 30);
    for (const DayEvent& e : events) {
        const int daysOff = (int)std::llround(e.date.DayNumber() - today.DayNumber());
        const std::string when = HowFarOff(daysOff, e.date);
        auto* item = new QTreeWidgetItem(m_ctlEvents);
        item->setText(0, ShortDay(e.date));
        item->setText(1, QString::fromStdString(BytesToUtf8(e.text)));
        item->setText(2, QString::fromStdString(when));
    }
    if (events.empty()) new QTreeWidgetItem(m_ctlEvents, QStringList{"", tr("Nothing in the next 30 days"), ""});
    for (int c = 0; c < 3; ++c) m_ctlEvents->resizeColumnToContents(c);
    layout->addWidget(m_ctlEvents, 1);
    layout->addWidget(OkCancel(this, false));
}

// ---------------------------------------------------------------- Export Calendar

CExportCalendarDlg::CExportCalendarDlg(const BirthdayList& list, const CalendarExportOptions& preset, QWidget* parent)
    : CKinfoldDialog(parent), m_List(list), m_Preset(preset)
{
    setWindowTitle(tr("Export Calendar"));
    auto* layout = new QVBoxLayout(this);
    auto* what = new QGroupBox(tr("Include"), this);
    auto* whatLayout = new QVBoxLayout(what);
    auto check = [&](const QString& label, const QString& tip, bool on) {
        auto* c = new QCheckBox(label, what);
        c->setChecked(on);
        SetToolTip(c, tip);
        whatLayout->addWidget(c);
        connect(c, &QCheckBox::toggled, this, &CExportCalendarDlg::UpdateStatus);
        return c;
    };
    const DisplaySwitches& s = preset.switches;
    m_ctlBirthdays = check(tr("Birthdays"), tr("The birthdays of the people in the list."), preset.birthdays);
    m_ctlAnniversaries = check(tr("Anniversaries"), tr("The wedding days of couples (\"Anniversary\" on the calendar)."),
                               s.IsSet(DisplaySwitches::Anniversaries));
    m_ctlNotes = check(tr("Notes"), tr("The dated notes (\"Notes\" on the calendar)."), s.IsSet(DisplaySwitches::Notes));
    m_ctlDead = check(tr("Birthdays after the death date"), tr("Off: a birthday ends at the death date (\"Dead\" on the calendar)."),
                      s.IsSet(DisplaySwitches::DeadBirthdays));
    layout->addWidget(what);
    m_ctlAlarms = new QCheckBox(tr("Reminders as alarms"), this);
    m_ctlAlarms->setChecked(!preset.alarmDays.empty());
    m_ctlAlarms->setEnabled(!preset.alarmDays.empty());
    SetToolTip(m_ctlAlarms, tr("One alarm per lead day of the reminders, at their time of day."));
    connect(m_ctlAlarms, &QCheckBox::toggled, this, &CExportCalendarDlg::UpdateStatus);
    layout->addWidget(m_ctlAlarms);
    m_ctlStatus = new QLabel(this);
    m_ctlStatus->setWordWrap(true);
    layout->addWidget(m_ctlStatus);
    layout->addWidget(OkCancel(this));
    UpdateStatus();
}

CalendarExportOptions CExportCalendarDlg::Options() const
{
    CalendarExportOptions o = m_Preset;
    auto sw = [&](int n, QCheckBox* c) { c->isChecked() ? o.switches.Set(n) : o.switches.Clear(n); };
    o.birthdays = m_ctlBirthdays->isChecked();
    sw(DisplaySwitches::Anniversaries, m_ctlAnniversaries);
    sw(DisplaySwitches::Notes, m_ctlNotes);
    sw(DisplaySwitches::DeadBirthdays, m_ctlDead);
    if (!m_ctlAlarms->isChecked()) o.alarmDays.clear();
    return o;
}

void CExportCalendarDlg::UpdateStatus()
{
    CalendarLeftOut left;
    const int events = (int)CalendarEvents(m_List, Options(), &left).size();
    m_ctlStatus->setText((events == 1 ? tr("1 event; %1.") : tr("%n events; %1.", nullptr, events))
                             .arg(QString::fromStdString(ExportLeftOutText(left))));
}

// ---------------------------------------------------------------- Reminders page

CPPReminders::CPPReminders(QWidget* parent) : CPropertyPage(tr("Reminders"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto modified = [this] {
        SetModified();
        UpdateEnabled();
    };
    m_ctlEnabled = new QCheckBox(tr("Remind me of birthdays, anniversaries and notes"), this);
    SetToolTip(m_ctlEnabled, tr("Desktop notifications at login and every hour."));
    connect(m_ctlEnabled, &QCheckBox::clicked, this, modified);
    layout->addWidget(m_ctlEnabled);

    auto* days = new QGroupBox(tr("Remind me"), this);
    auto* daysLayout = new QGridLayout(days);
    const QString labels[6] = {tr("On the day"),    tr("1 day before"),   tr("3 days before"),
                               tr("7 days before"), tr("14 days before"), tr("30 days before")};
    for (int i = 0; i < 6; ++i) {
        m_ctlDays[i] = new QCheckBox(labels[i], days);
        daysLayout->addWidget(m_ctlDays[i], i % 3, i / 3);
        connect(m_ctlDays[i], &QCheckBox::clicked, this, modified);
    }
    layout->addWidget(days);

    auto* timeRow = new QHBoxLayout;
    auto* timeLabel = new QLabel(tr("From this time of day:"), this);
    m_ctlTime = new QTimeEdit(this);
    m_ctlTime->setDisplayFormat("HH:mm");
    timeLabel->setBuddy(m_ctlTime);
    SetToolTip(m_ctlTime, tr("A day's reminders come from this time on."));
    connect(m_ctlTime, &QTimeEdit::timeChanged, this, modified);
    timeRow->addWidget(timeLabel);
    timeRow->addWidget(m_ctlTime);
    timeRow->addStretch(1);
    layout->addLayout(timeRow);

    auto* doc = new QGroupBox(tr("Document watched"), this);
    auto* docLayout = new QGridLayout(doc);
    m_ctlLastDocument = new QRadioButton(tr("The last one used"), doc);
    m_ctlChosenDocument = new QRadioButton(tr("This one:"), doc);
    m_ctlDocument = new QLineEdit(doc);
    m_btnBrowse = new QPushButton(tr("Browse..."), doc);
    SetToolTip(m_btnBrowse, tr("Choose the document to be reminded of."));
    docLayout->addWidget(m_ctlLastDocument, 0, 0, 1, 3);
    docLayout->addWidget(m_ctlChosenDocument, 1, 0);
    docLayout->addWidget(m_ctlDocument, 1, 1);
    docLayout->addWidget(m_btnBrowse, 1, 2);
    for (QRadioButton* r : {m_ctlLastDocument, m_ctlChosenDocument}) connect(r, &QRadioButton::clicked, this, modified);
    connect(m_ctlDocument, &QLineEdit::textEdited, this, modified);
    connect(m_btnBrowse, &QPushButton::clicked, this, &CPPReminders::OnBrowse);
    layout->addWidget(doc);
    layout->addStretch(1);
}

void CPPReminders::OnInitDialog()
{
    m_Reminders = LoadReminderSettings(AppSettings());
    const ReminderSettings& r = m_Reminders;
    m_ctlEnabled->setChecked(r.enabled);
    for (int i = 0; i < 6; ++i)
        m_ctlDays[i]->setChecked(std::find(r.leadDays.begin(), r.leadDays.end(), kDayChoices[i]) != r.leadDays.end());
    m_ctlTime->setTime(QTime(r.minutes / 60, r.minutes % 60));
    (r.document.empty() ? m_ctlLastDocument : m_ctlChosenDocument)->setChecked(true);
    m_ctlDocument->setText(QString::fromStdString(r.document));
    UpdateEnabled();
}

bool CPPReminders::DoDataExchange()
{
    ReminderSettings& r = m_Reminders;
    r.enabled = m_ctlEnabled->isChecked();
    // Lead days set outside the page (none of its boxes) are kept.
    std::vector<int> days;
    for (int d : r.leadDays)
        if (std::find(std::begin(kDayChoices), std::end(kDayChoices), d) == std::end(kDayChoices)) days.push_back(d);
    for (int i = 0; i < 6; ++i)
        if (m_ctlDays[i]->isChecked()) days.push_back(kDayChoices[i]);
    ParseLeadDays(LeadDaysText(days), r.leadDays);
    r.minutes = m_ctlTime->time().hour() * 60 + m_ctlTime->time().minute();
    r.document = m_ctlChosenDocument->isChecked() ? m_ctlDocument->text().trimmed().toStdString() : std::string();
    return true;
}

void CPPReminders::OnApply()
{
    SaveReminderSettings(AppSettings(), m_Reminders);
}

void CPPReminders::OnBrowse()
{
    const QString start = m_ctlDocument->text();
    const QString path = CDocFrame::fileDialogHook
                             ? CDocFrame::fileDialogHook(false, start)
                             : QFileDialog::getOpenFileName(this, tr("Document watched"), start,
                                                            tr("Birthday list (*.kfd);;All files (*)"));
    if (path.isEmpty()) return;
    m_ctlDocument->setText(path);
    m_ctlChosenDocument->setChecked(true);
    SetModified();
    UpdateEnabled();
}

void CPPReminders::UpdateEnabled()
{
    const bool on = m_ctlEnabled->isChecked();
    for (QCheckBox* c : m_ctlDays) c->setEnabled(on);
    m_ctlTime->setEnabled(on);
    for (QWidget* w : std::initializer_list<QWidget*>{m_ctlLastDocument, m_ctlChosenDocument, m_btnBrowse}) w->setEnabled(on);
    m_ctlDocument->setEnabled(on && m_ctlChosenDocument->isChecked());
}
