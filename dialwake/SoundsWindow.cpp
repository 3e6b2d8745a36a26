// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundsWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "kestrum/sound.h"
#include "kestrum/tree.h"
#include "platform/TextCodec.h"

namespace {
struct SoundEntry {
    int depth;
    const char* text;
    unsigned long id;
};

// Ids below CSound::kFirstSoundId (100) are groups; the others name one sound.
const SoundEntry kSounds[] = {
    {0, QT_TRANSLATE_NOOP("SoundsWindow", "Clock"), 1},
    {1, QT_TRANSLATE_NOOP("SoundsWindow", "Tick every second"), 101},
    {1, QT_TRANSLATE_NOOP("SoundsWindow", "Bong on the hour"), 102},
    {1, QT_TRANSLATE_NOOP("SoundsWindow", "Quarter chimes"), 103},
    {0, QT_TRANSLATE_NOOP("SoundsWindow", "Alarm"), 2},
    {1, QT_TRANSLATE_NOOP("SoundsWindow", "Ring"), 201},
    {1, QT_TRANSLATE_NOOP("SoundsWindow", "Measure of music"), 202},
    {1, QT_TRANSLATE_NOOP("SoundsWindow", "Repeat until answered"), 203},
    {0, QT_TRANSLATE_NOOP("SoundsWindow", "Countdown"), 3},
    {1, QT_TRANSLATE_NOOP("SoundsWindow", "Last ten seconds"), 301},
};
} // namespace

SoundsWindow::SoundsWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(tr("Sounds"));
    m_pTree = new CTreeCheck(this);
    for (const SoundEntry& s : kSounds)
        m_pTree->AddItem(s.depth, FromQt(tr(s.text)).c_str(), s.id);
    m_pTree->expandAll();
    CSound::RestoreChoices(*m_pTree);

    m_pChange = new QLabel(tr("Click a sound to switch it on or off."), this);
    m_pSound = new CSound(this);
    m_pOutput = new QLabel(this);
    if (m_pSound->HasBuffer())
        m_pOutput->setText(tr("Sound output ready: %1 s buffer at %2 Hz")
                               .arg(m_pSound->GetBufferBytes() / (2ul * m_pSound->GetSampleRate()))
                               .arg(m_pSound->GetSampleRate()));
    else
        m_pOutput->setText(tr("No sound output on this machine."));

    auto* volume = new QPushButton(tr("&Volume..."), this);
    connect(volume, &QPushButton::clicked, this, [this] {
        m_pSound->show();
        m_pSound->raise();
    });
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(volume);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTree, 1);
    layout->addWidget(m_pChange);
    layout->addWidget(m_pOutput);
    layout->addLayout(buttons);
    resize(320, 380);
}

SoundsWindow::~SoundsWindow()
{
    delete m_pSound; // made without a parent, as the volume window is a window of its own
}

QString SoundsWindow::LastChange() const { return m_pChange->text(); }

bool SoundsWindow::event(QEvent* e)
{
    if (e->type() == CTreeNotifyEvent::EventType()) {
        auto* n = static_cast<CTreeNotifyEvent*>(e);
        QString name = QString::number(n->WParam());
        for (const SoundEntry& s : kSounds)
            if (s.id == n->WParam())
                name = tr(s.text);
        m_pChange->setText(tr("%1: %2").arg(name, (n->LParam() & 1) ? tr("on") : tr("off")));
        CSound::StoreChoices(*m_pTree);
        return true;
    }
    return QWidget::event(e);
}
