// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundDevice.h"

// Qt Multimedia's include folder is only on the path when the library links it.
#if __has_include(<QAudioSink>)
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QMediaDevices>

namespace {
class QtSoundBuffer : public ISoundBuffer {
public:
    QtSoundBuffer(const QAudioDevice& device, const QAudioFormat& format, unsigned long bytes)
        : m_sink(device, format), m_pcm(static_cast<qsizetype>(bytes), '\0')
    {
        m_sink.setBufferSize(static_cast<qsizetype>(bytes));
    }
    unsigned long GetSize() const override { return static_cast<unsigned long>(m_pcm.size()); }

private:
    QAudioSink m_sink;
    QByteArray m_pcm; // silence until something writes sound into it
};

class QtSoundDevice : public ISoundDevice {
public:
    explicit QtSoundDevice(QAudioDevice device) : m_device(std::move(device)) {}

    // Qt shares the output between programs by itself; only a vanished device is refused.
    bool SetCooperativeLevel(QWidget*) override { return !m_device.isNull(); }

    std::unique_ptr<ISoundBuffer> CreateSoundBuffer(const CSoundBufferDesc& desc) override
    {
        if (desc.formatTag != 1 || desc.bitsPerSample != 16 || desc.channels < 1 || desc.samplesPerSec <= 0)
            return nullptr;
        QAudioFormat format;
        format.setSampleRate(desc.samplesPerSec);
        format.setChannelCount(desc.channels);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!m_device.isFormatSupported(format))
            return nullptr;
        return std::make_unique<QtSoundBuffer>(m_device, format, desc.bufferBytes);
    }

private:
    QAudioDevice m_device;
};
} // namespace

std::unique_ptr<ISoundDevice> CreateDefaultSoundDevice()
{
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return nullptr;
    return std::make_unique<QtSoundDevice>(std::move(device));
}

#else

std::unique_ptr<ISoundDevice> CreateDefaultSoundDevice() { return nullptr; }

#endif
