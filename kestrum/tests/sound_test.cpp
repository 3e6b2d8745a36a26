// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QSlider>
#include <QTemporaryDir>
#include <vector>

#include "kestrum/sound.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace {

struct FakeBuffer : ISoundBuffer {
    explicit FakeBuffer(unsigned long bytes, int* alive) : bytes(bytes), alive(alive) { ++*alive; }
    ~FakeBuffer() override { --*alive; }
    unsigned long GetSize() const override { return bytes; }
    unsigned long bytes;
    int* alive;
};

// What the fake devices saw, shared so that it outlives them.
struct DeviceLog {
    int made = 0;
    int buffersAlive = 0;
    bool cooperate = true;
    bool refuse = false;
    std::vector<CSoundBufferDesc> requests;
};

struct FakeDevice : ISoundDevice {
    explicit FakeDevice(DeviceLog* log) : log(log) {}
    bool SetCooperativeLevel(QWidget*) override { return log->cooperate; }
    std::unique_ptr<ISoundBuffer> CreateSoundBuffer(const CSoundBufferDesc& desc) override
    {
        log->requests.push_back(desc);
        if (log->refuse)
            return nullptr;
        return std::make_unique<FakeBuffer>(desc.bufferBytes, &log->buffersAlive);
    }
    DeviceLog* log;
};

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMessageBoxAnswerer([this](const MessageBoxRequest& r) {
            boxes.push_back(r);
            return IDOK;
        });
    }
    void TearDown() override
    {
        CSound::SetDeviceFactory(nullptr);
        SetMessageBoxAnswerer(nullptr);
    }
    void UseFakeDevice(bool present = true)
    {
        CSound::SetDeviceFactory([this, present]() -> std::unique_ptr<ISoundDevice> {
            if (!present)
                return nullptr;
            ++log.made;
            return std::make_unique<FakeDevice>(&log);
        });
    }
    bool Shown(const char* words) const
    {
        for (const auto& b : boxes)
            if (b.text.find(words) != CString::npos || b.caption.find(words) != CString::npos)
                return true;
        return false;
    }

    DeviceLog log;
    std::vector<MessageBoxRequest> boxes;
};

TEST_F(SoundTest, ObjectsShareOneDeviceEachWithItsOwnBuffer)
{
    UseFakeDevice();
    QWidget host;
    {
        CSound first(&host);
        CSound second(&host);
        EXPECT_EQ(log.made, 1);
        EXPECT_EQ(CSound::SCreate(), CSound::SCreate());
        EXPECT_TRUE(first.HasBuffer());
        EXPECT_TRUE(second.HasBuffer());
        EXPECT_NE(first.GetBuffer(), second.GetBuffer());
        EXPECT_EQ(log.buffersAlive, 2);
        EXPECT_EQ(first.GetParentWindow(), &host);

        ASSERT_EQ(log.requests.size(), 2u);
        const CSoundBufferDesc& d = log.requests[0];
        const int rate = first.GetSampleRate();
        EXPECT_GT(rate, 0);
        EXPECT_EQ(d.formatTag, 1);
        EXPECT_EQ(d.channels, 1);
        EXPECT_EQ(d.samplesPerSec, rate);
        EXPECT_EQ(d.avgBytesPerSec, 2 * rate);
        EXPECT_EQ(d.blockAlign, 2);
        EXPECT_EQ(d.bitsPerSample, 16);
        EXPECT_EQ(d.flags, 0xE0ul);
        EXPECT_EQ(d.bufferBytes, 40ul * rate);
        EXPECT_EQ(first.GetBufferBytes(), 40ul * rate);
        EXPECT_EQ(first.GetBuffer()->GetSize(), 40ul * rate);

        // The sound operations write nothing and leave the buffer alone.
        first.AddTick();
        first.AddBong();
        first.AddRing();
        first.AddMeasure();
        EXPECT_EQ(first.GetBuffer()->GetSize(), 40ul * rate);
    }
    EXPECT_EQ(log.buffersAlive, 0); // released with their objects
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SoundTest, NoDeviceGivesAHiddenWindowWithoutBufferOrMessage)
{
    UseFakeDevice(false);
    CSound sound(nullptr);
    EXPECT_FALSE(sound.HasBuffer());
    EXPECT_EQ(sound.GetBufferBytes(), 0ul);
    EXPECT_EQ(CSound::SCreate(), nullptr);
    EXPECT_TRUE(boxes.empty());

    EXPECT_EQ(sound.windowTitle(), QStringLiteral("V"));
    EXPECT_TRUE(sound.isHidden());
    EXPECT_EQ(sound.parentWidget(), nullptr);
    ASSERT_NE(sound.GetSlider(), nullptr);
    EXPECT_EQ(sound.GetSlider()->orientation(), Qt::Vertical);
    EXPECT_GT(sound.height(), sound.width());
}

TEST_F(SoundTest, ADeviceRefusingTheBufferIsReportedAndTheObjectLives)
{
    UseFakeDevice();
    log.refuse = true;
    CSound sound(nullptr);
    EXPECT_FALSE(sound.HasBuffer());
    EXPECT_TRUE(Shown("CreateSoundBuffer failed"));
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_NE(CSound::SCreate(), nullptr); // the device itself stays for the next object
}

TEST_F(SoundTest, ADeviceThatWillNotCooperateIsDropped)
{
    UseFakeDevice();
    log.cooperate = false;
    EXPECT_EQ(CSound::SCreate(), nullptr);
    CSound sound(nullptr);
    EXPECT_FALSE(sound.HasBuffer());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(log.made, 2); // tried again for the object, as none was kept

    log.cooperate = true;
    CSound later(nullptr);
    EXPECT_TRUE(later.HasBuffer());
}

// The machine's own output: whatever it has, making an object must not fail or leave a message
// unless a device exists and refuses.
TEST_F(SoundTest, ThePlatformDeviceBuildsOrIsAbsentQuietly)
{
    CSound sound(nullptr);
    if (CSound::SCreate() == nullptr) {
        EXPECT_FALSE(sound.HasBuffer());
        EXPECT_TRUE(boxes.empty());
    } else if (sound.HasBuffer()) {
        EXPECT_EQ(sound.GetBufferBytes(), 40ul * sound.GetSampleRate());
    }
}
} // namespace

// The application must outlive every widget and go before Qt's own statics.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // test discovery runs us without the test's environment
    QApplication app(argc, argv);
    QTemporaryDir settings;
    PlatformSetSettingsFolder(settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
