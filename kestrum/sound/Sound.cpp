// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/sound.h"

#include <cerrno>
#include <QApplication>
#include <QFontMetrics>
#include <QSlider>
#include <QVBoxLayout>

#include "sound/SoundDevice.h"

#include "kestrum/files.h"

ISoundBuffer::~ISoundBuffer() = default;
ISoundDevice::~ISoundDevice() = default;

const int CSound::m_nChannels = 1;
ISoundDevice* CSound::m_lpDirectSound = nullptr;

namespace {
// The shared device lives for the process, as long as the factory that made it stays in use.
std::unique_ptr<ISoundDevice>& SharedDevice()
{
    static std::unique_ptr<ISoundDevice> device;
    return device;
}

SoundDeviceFactory& Factory()
{
    static SoundDeviceFactory factory;
    return factory;
}

// Dialog units of the window's font, as the volume window's 28 x 95 size is given in them.
QSize DialogUnits(const QWidget& w, int dx, int dy)
{
    QFontMetrics fm(w.font());
    return QSize((dx * fm.averageCharWidth() + 2) / 4, (dy * fm.height() + 4) / 8);
}
} // namespace

CSound::CSound(QWidget* parent) : QDialog(nullptr), m_pParent(parent)
{
    setWindowTitle(QStringLiteral("V"));
    setModal(false);
    m_Slider = new QSlider(Qt::Vertical, this);
    m_Slider->setObjectName(QStringLiteral("volume"));
    m_Slider->setTickPosition(QSlider::NoTicks);
    m_Slider->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Slider);
    resize(DialogUnits(*this, 28, 95));
    hide();

    if (!m_lpDirectSound)
        SCreate();
    if (!m_lpDirectSound)
        return; // no sound device at all is not worth a message

    CSoundBufferDesc desc;
    desc.channels = m_nChannels;
    desc.samplesPerSec = m_nRate;
    desc.blockAlign = 2 * m_nChannels;
    desc.avgBytesPerSec = desc.blockAlign * m_nRate;
    desc.bufferBytes = 40ul * static_cast<unsigned long>(m_nRate);
    m_lpBuffer = m_lpDirectSound->CreateSoundBuffer(desc);
    if (m_lpBuffer)
        m_nBufferBytes = desc.bufferBytes;
    else {
        errno = ENOTSUP; // the output took no such buffer; say so rather than some older error
        DisplayError(QT_TRANSLATE_NOOP("Kestrum", "CreateSoundBuffer failed"));
    }
}

CSound::~CSound() = default;

ISoundDevice* CSound::SCreate()
{
    if (m_lpDirectSound)
        return m_lpDirectSound;
    auto& factory = Factory();
    std::unique_ptr<ISoundDevice> device = factory ? factory() : CreateDefaultSoundDevice();
    if (!device)
        return nullptr;
    QWidget* mainWindow = nullptr;
    if (QWidget* w = QApplication::activeWindow())
        mainWindow = w->window();
    if (!device->SetCooperativeLevel(mainWindow))
        return nullptr; // the device is released here
    SharedDevice() = std::move(device);
    m_lpDirectSound = SharedDevice().get();
    return m_lpDirectSound;
}

void CSound::SetDeviceFactory(SoundDeviceFactory factory)
{
    m_lpDirectSound = nullptr;
    SharedDevice().reset();
    Factory() = std::move(factory);
}

// The library fixes only the buffer; what these would play is left to the host.
void CSound::AddTick() {}
void CSound::AddBong() {}
void CSound::AddRing() {}
void CSound::AddMeasure() {}
