// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/clock.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "kestrum/format.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"

namespace {

// Keeps a restart line well inside what its reader takes in one line.
const int kMaxMessage = 400;

// A moment as the user's locale writes a date and a time; the "C" locale keeps the clock's own
// "%c" form. The clock's zone, not the machine's, so the time form leaves out any zone name.
QString LocaleMoment(const CTimeFields& f)
{
    const QLocale locale;
    if (locale.language() == QLocale::C) return ToQt(CTime::Format(f, "%c"));
    QString time;
    const QString form = locale.timeFormat(QLocale::LongFormat);
    bool quoted = false;
    for (int i = 0; i < form.size(); ++i) {
        if (form[i] == '\'') quoted = !quoted;
        if (!quoted && form[i] == 't') continue;
        time += form[i];
    }
    const QDate date((int)f.year, f.month, f.day);
    return locale.toString(date, QLocale::ShortFormat) + " " +
           locale.toString(QTime(f.hour, f.minute, f.second), time.simplified());
}

}  // namespace

CTimeFields ZoneFields(const CTimeZone& zone, const CTime& t)
{
    return t.GetFieldsAt(zone.GetOffset(t));
}

CTime ZoneLocalToUtc(const CTimeZone& zone, int64_t year, int month, int day, int hour, int minute, int second)
{
    // The offset depends on the moment it gives; two rounds settle it except in the hour a
    // change of daylight saving skips or repeats, where the first reading wins.
    CTime t = CTime::FromFieldsAt(year, month, day, hour, minute, second, zone.offset);
    long off = zone.GetOffset(t);
    CTime t2 = CTime::FromFieldsAt(year, month, day, hour, minute, second, off);
    long off2 = zone.GetOffset(t2);
    if (off2 == off) return t2;
    return t;
}

CSetAllarm::CSetAllarm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Set Alarm"));
    m_DatePicker = new QDateEdit(this);
    m_DatePicker->setCalendarPopup(true);
    m_DatePicker->setAlignment(Qt::AlignRight);
    m_DatePicker->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    m_TimePicker = new QTimeEdit(this);
    m_TimePicker->setAlignment(Qt::AlignRight);
    m_TimePicker->setDisplayFormat("HH:mm:ss");
    m_MessageField = new QLineEdit(this);
    m_MessageField->setMaxLength(kMaxMessage);
    m_RemarkLabel = new QLabel(tr("Remark"), this);
    m_RemarkLabel->setWordWrap(true);
    m_RemarkLabel->setMinimumHeight(2 * m_RemarkLabel->fontMetrics().height());
    m_RemarkLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Set = new QPushButton(tr("Set"), this);
    m_Set->setDefault(true);
    m_CancelButton = new QPushButton(tr("Cancel"), this);
    m_RemoveButton = new QPushButton(tr("Remove"), this);

    auto* pickers = new QHBoxLayout;
    pickers->addWidget(m_DatePicker, 1);
    pickers->addWidget(m_TimePicker, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_RemoveButton);
    buttons->addStretch(1);
    buttons->addWidget(m_Set);
    buttons->addWidget(m_CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pickers);
    layout->addWidget(m_MessageField);
    layout->addWidget(m_RemarkLabel);
    layout->addLayout(buttons);
    resize(360, 160);

    connect(m_Set, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_CancelButton, &QPushButton::clicked, this, [this] { reject(); });
    connect(m_RemoveButton, &QPushButton::clicked, this, [this] { OnRemove(); });
    connect(m_DatePicker, &QDateEdit::dateChanged, this, [this] { OnDatetimechange(); });
    connect(m_TimePicker, &QTimeEdit::timeChanged, this, [this] { OnDatetimechange(); });
}

CSetAllarm::~CSetAllarm() = default;

void CSetAllarm::DoDataExchange(bool save)
{
    m_bExchanging = true;
    if (save) {
        QDate d = m_DatePicker->date();
        QTime t = m_TimePicker->time();
        // Noon keeps the date whatever daylight saving does around midnight.
        m_Date = ZoneLocalToUtc(m_Zone, d.year(), d.month(), d.day(), 12, 0, 0);
        m_Time = ZoneLocalToUtc(m_Zone, d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
        m_strMessage = FromQt(m_MessageField->text());
    } else {
        CTimeFields d = ZoneFields(m_Zone, m_Date);
        CTimeFields t = ZoneFields(m_Zone, m_Time);
        m_DatePicker->setDate(QDate((int)d.year, d.month, d.day));
        m_TimePicker->setTime(QTime(t.hour, t.minute, t.second));
        m_MessageField->setText(ToQt(m_strMessage));
        m_RemarkLabel->setText(ToQt(m_strRemark));
    }
    m_bExchanging = false;
}

void CSetAllarm::OnInitDialog()
{
    DoDataExchange(false);
    SetToolTip(m_MessageField, tr("Enter message you wnat to see at Alarm time."));
    SetToolTip(m_Set, tr("Set the alarm to trigger at given time."));
    SetToolTip(m_CancelButton, tr("Close without changing the alarm."));
    SetToolTip(m_RemoveButton, tr("Cancel the alarm."));
    SetToolTip(m_DatePicker, tr("Set date of alarm."));
    SetToolTip(m_TimePicker, tr("Set time of alarm."));
}

int CSetAllarm::exec()
{
    OnInitDialog();
    UpdateRemark(CTime::GetCurrentTime());
    return QDialog::exec();
}

void CSetAllarm::OnOK()
{
    DoDataExchange(true);
    // An alarm in the past would go off at once; the user is asked for a later time instead.
    if (ChosenMoment() < CTime::GetCurrentTime()) {
        AfxMessageBox(FromQt(tr("That date/time has already passed. Choose a later time for the alarm.")),
                      MB_OK | MB_ICONWARNING, FromQt(windowTitle()), this);
        return;
    }
    accept();
}

void CSetAllarm::OnRemove()
{
    done(Remove);
}

CTime CSetAllarm::ChosenMoment() const
{
    CTimeFields d = ZoneFields(m_Zone, m_Date);
    CTimeFields t = ZoneFields(m_Zone, m_Time);
    return ZoneLocalToUtc(m_Zone, d.year, d.month, d.day, t.hour, t.minute, t.second);
}

void CSetAllarm::UpdateRemark(const CTime& now)
{
    CTimeSpan span = ChosenMoment() - now;
    if (span < CTimeSpan(0)) m_strRemark = FromQt(tr("That date/time has already occured"));
    else
        m_strRemark = FromQt(tr("Occurs in %1 from now %2")
                                 .arg(ToQt(ClockSpanText(span.GetTotalSeconds())), LocaleMoment(ZoneFields(m_Zone, now))));
    m_RemarkLabel->setText(ToQt(m_strRemark));
}

void CSetAllarm::OnDatetimechange()
{
    if (m_bExchanging) return;
    DoDataExchange(true);
    UpdateRemark(CTime::GetCurrentTime());
}

int CAlarm::Dialog(QWidget* parent)
{
    CSetAllarm dlg(parent);
    dlg.m_Zone = zone;
    dlg.m_Date = moment;
    dlg.m_Time = moment;
    dlg.m_strMessage = message;
    dlg.m_strRemark.clear();
    const int result = dlg.exec();
    if (result == QDialog::Accepted) {
        set = 1;
        CString m = dlg.m_strMessage;
        for (char& c : m) {
            if (c == '(') c = '[';
            else if (c == ')') c = ']';
        }
        message = m;
        moment = dlg.ChosenMoment();
    } else if (result == CSetAllarm::Remove) {
        set = 0;
    }
    return set;
}
