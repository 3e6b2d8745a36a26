// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/clock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/TextCodec.h"

CAlarmRing::CAlarmRing(QWidget* parent, const CString& caption, const CString& message)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(ToQt(caption));
    // Answerable even while another dialog (the chooser) waits; the clocks go on ticking.
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_Text = new QLabel(ToQt(message), this);
    m_Text->setWordWrap(true);
    m_Text->setTextFormat(Qt::PlainText);
    m_OK = new QPushButton(CClockDlg::tr("OK"), this);
    m_OK->setDefault(true);
    m_Snooze = new QPushButton(CClockDlg::tr("Snooze"), this);
    m_Snooze->setToolTip(CClockDlg::tr("Ring again in 10 minutes"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_OK);
    buttons->addWidget(m_Snooze);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Text, 1);
    layout->addLayout(buttons);
    setMinimumWidth(240);
    connect(m_OK, &QPushButton::clicked, this, [this] {
        m_bAnswered = true;
        emit Dismissed();
    });
    connect(m_Snooze, &QPushButton::clicked, this, [this] {
        m_bAnswered = true;
        emit Snoozed();
    });
}

CAlarmRing::~CAlarmRing() = default;

QString CAlarmRing::GetMessageText() const
{
    return m_Text->text();
}

void CAlarmRing::reject()
{
    if (m_bAnswered) return;
    m_bAnswered = true;
    emit Dismissed();
}
