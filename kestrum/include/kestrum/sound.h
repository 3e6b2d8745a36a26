// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sound buffer per object on the process's shared sound device, with a hidden volume window.
#include <functional>
#include <memory>
#include <QDialog>
#include <QPointer>
#include "kestrum/export.h"

class CTreeCheck;
class QSlider;
class QWidget;

// What a buffer is asked for: 16-bit mono PCM, described as the device sees it.
struct KESTRUM_API CSoundBufferDesc {
    int formatTag = 1;            // PCM
    int channels = 1;
    int samplesPerSec = 0;
    int avgBytesPerSec = 0;
    int blockAlign = 2;
    int bitsPerSample = 16;
    int extraBytes = 0;
    int descriptionSize = 20;
    unsigned long flags = 0xE0;   // frequency, pan and volume control
    unsigned long bufferBytes = 0;
};

class KESTRUM_API ISoundBuffer {
public:
    virtual ~ISoundBuffer();
    virtual unsigned long GetSize() const = 0;
};

// The platform's audio output; tests put their own in its place.
class KESTRUM_API ISoundDevice {
public:
    virtual ~ISoundDevice();
    // False when the device cannot serve this program's main window.
    virtual bool SetCooperativeLevel(QWidget* mainWindow) = 0;
    // Null when the device refuses the buffer.
    virtual std::unique_ptr<ISoundBuffer> CreateSoundBuffer(const CSoundBufferDesc& desc) = 0;
};

// Makes the default device, or returns null when the machine has none.
using SoundDeviceFactory = std::function<std::unique_ptr<ISoundDevice>()>;

class KESTRUM_API CSound : public QDialog {
    Q_OBJECT
public:
    explicit CSound(QWidget* parent = nullptr);
    ~CSound() override;

    // The shared device, made on first use; null when there is none.
    static ISoundDevice* SCreate();
    // Replaces the way the device is made and drops the current one (tests; empty: the platform's).
    static void SetDeviceFactory(SoundDeviceFactory factory);

    // The choices of a host's Sounds window, a check-box tree whose items with data of
    // kFirstSoundId or more are sounds: stored in the settings (section "Sounds", "Sound" and the
    // id: 1 on, 0 off) and put back into the tree; sounds never stored keep their check.
    static constexpr unsigned long kFirstSoundId = 100;
    static void StoreChoices(const CTreeCheck& tree);
    static void RestoreChoices(CTreeCheck& tree);

    void AddTick();
    void AddBong();
    void AddRing();
    void AddMeasure();

    bool HasBuffer() const { return m_lpBuffer != nullptr; }
    ISoundBuffer* GetBuffer() const { return m_lpBuffer.get(); }
    int GetSampleRate() const { return m_nRate; }
    unsigned long GetBufferBytes() const { return m_nBufferBytes; }
    QWidget* GetParentWindow() const { return m_pParent; }
    QSlider* GetSlider() const { return m_Slider; }

    static const int m_nChannels;

protected:
    static ISoundDevice* m_lpDirectSound;

private:
    QSlider* m_Slider = nullptr;
    QPointer<QWidget> m_pParent;
    std::unique_ptr<ISoundBuffer> m_lpBuffer;
    int m_nRate = 44100;
    unsigned long m_nBufferBytes = 0;
};
