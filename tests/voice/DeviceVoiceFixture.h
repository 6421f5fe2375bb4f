#pragma once

// The device's voice through the device link, the hub and the recognition service to the
// stand-in speech server: a receiver of 16 kHz voice, the voice subsystem wired in with the
// test's speech popup.
#include "../device/DeviceTestFixture.h"
#include "FakeGlobalShortcuts.h"
#include "VoiceHubFixture.h"

class DeviceVoiceTest : public DeviceTest {
protected:
    DeviceVoiceTest()
        : DeviceTest(SimulatedReceiver::voiceReceiver16k())
    {
    }

    void SetUp() override
    {
        DeviceTest::SetUp();
        voicetest::resetVoice();
        ASSERT_TRUE(server.start());
        voicetest::installVoice(server, speechPopup());
    }

    void TearDown() override
    {
        voicetest::resetVoice();
        DeviceTest::TearDown();
    }

    // The popup the hub shows its texts in (made before SetUp runs).
    virtual VQSpeechPopupInterface* speechPopup() = 0;

    FakeGlobalShortcuts shortcuts; // before SetUp starts the HID device, which binds F1-F3
    vqtest::StandInSpeechServer server;
};
