// The keyboard shortcuts of the voice functions that the HID device installs at start-up: the
// defaults, the event codes a press gives the voice hub, and later changes of the stored keys.
#include "DeviceTestFixture.h"
#include "FakeGlobalShortcuts.h"
#include "MacKeyMap.h"
#include "VQShortcutBinder.h"
#include "VQVoiceShortcuts.h"

namespace {

const KeyShortcut kF1(MacKeyMap::kKeyCodeF1, 0);
const KeyShortcut kF2(MacKeyMap::kKeyCodeF2, 0);
const KeyShortcut kF3(MacKeyMap::kKeyCodeF3, 0);

class VoiceShortcutsTest : public DeviceTest {
protected:
    // A voice hub as far as the shortcuts see it: a press code starts a recognition, a release
    // code ends it.
    void installHub()
    {
        VQDeviceEvents::setHidCallback([this](int code) {
            codes.push_back(code);
            running = code == 33 || code == 35 || code == 37;
        });
        VQDeviceEvents::setRecognitionRunningHook([this] { return running; });
    }

    // Declared here so it is installed before SetUp starts the HID device.
    FakeGlobalShortcuts shortcuts;
    std::vector<int> codes;
    bool running = false;
};

} // namespace

TEST_F(VoiceShortcutsTest, StartUpBindsF1F2AndF3WithoutModifiersAsDefaults)
{
    const QList<KeyShortcut> registered = shortcuts.registered();
    EXPECT_EQ(registered.size(), 3);
    EXPECT_TRUE(registered.contains(kF1));
    EXPECT_TRUE(registered.contains(kF2));
    EXPECT_TRUE(registered.contains(kF3));
    EXPECT_EQ(VQShortcutBinder::shortcutForDefaultsKey(QString::fromLatin1(VQVoiceShortcuts::WordShortcutKey)), kF1);
    EXPECT_EQ(VQShortcutBinder::shortcutForDefaultsKey(QString::fromLatin1(VQVoiceShortcuts::TranslateShortcutKey)),
              kF2);
    EXPECT_EQ(VQShortcutBinder::shortcutForDefaultsKey(QString::fromLatin1(VQVoiceShortcuts::SearchShortcutKey)), kF3);

    // Starting again (the receiver reopened after Bluetooth LE) binds nothing twice.
    HIDDevice::sharedManager().openHIDDevice();
    EXPECT_EQ(shortcuts.registered().size(), 3);
}

TEST_F(VoiceShortcutsTest, APressStartsItsFunctionOrEndsTheRunningRecognition)
{
    installHub();
    ASSERT_TRUE(shortcuts.press(kF1));
    ASSERT_TRUE(shortcuts.press(kF1));
    shortcuts.press(kF2);
    shortcuts.press(kF3); // ends the translation that runs
    shortcuts.press(kF3);
    shortcuts.press(kF3);
    EXPECT_EQ(codes, (std::vector<int>{33, 34, 37, 36, 35, 36}));

    // The hub ended the recognition on its own (a last result): the next press starts anew.
    shortcuts.press(kF2);
    running = false;
    shortcuts.press(kF2);
    EXPECT_EQ(codes.back(), 37);

    // No voice hub installed: a press can only start.
    VQDeviceEvents::resetForTests();
    VQDeviceEvents::setHidCallback([this](int code) { codes.push_back(code); });
    codes.clear();
    shortcuts.press(kF1);
    shortcuts.press(kF1);
    EXPECT_EQ(codes, (std::vector<int>{33, 33}));
}

TEST_F(VoiceShortcutsTest, ARecordedShortcutTakesOverAndAClearedOneIsReleased)
{
    installHub();
    const KeyShortcut optionS(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption);
    VQShortcutBinder::setShortcutForDefaultsKey(QString::fromLatin1(VQVoiceShortcuts::WordShortcutKey), optionS);
    EXPECT_FALSE(shortcuts.press(kF1));
    ASSERT_TRUE(shortcuts.press(optionS));
    EXPECT_EQ(codes, (std::vector<int>{33}));

    VQShortcutBinder::setShortcutForDefaultsKey(QString::fromLatin1(VQVoiceShortcuts::SearchShortcutKey), KeyShortcut());
    EXPECT_FALSE(shortcuts.press(kF3));
    const QList<KeyShortcut> registered = shortcuts.registered();
    EXPECT_EQ(registered.size(), 2);
    EXPECT_TRUE(registered.contains(optionS));
    EXPECT_TRUE(registered.contains(kF2));
}

TEST_F(VoiceShortcutsTest, AShortcutStoredBeforeStartUpIsKeptOverTheDefault)
{
    HIDDevice::resetForTests();
    EXPECT_TRUE(shortcuts.registered().isEmpty());
    const KeyShortcut commandShiftC(MacKeyMap::kKeyCodeC, MacKeyMap::kFlagCommand | MacKeyMap::kFlagShift);
    VQShortcutBinder::setShortcutForDefaultsKey(QString::fromLatin1(VQVoiceShortcuts::TranslateShortcutKey),
                                                commandShiftC);
    HIDDevice::sharedManager().start();

    installHub();
    EXPECT_FALSE(shortcuts.press(kF2));
    ASSERT_TRUE(shortcuts.press(commandShiftC));
    EXPECT_EQ(codes, (std::vector<int>{37}));
    EXPECT_TRUE(shortcuts.registered().contains(kF1));
}
