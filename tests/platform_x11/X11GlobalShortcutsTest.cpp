#include "MacKeyMap.h"
#include "TestSupport.h"
#include "X11GlobalShortcuts.h"
#include "X11TestClient.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

namespace {

constexpr unsigned int kControlMask = 1u << 2;
constexpr int kKeyCodeF6 = 97;
constexpr int kKeyCodeF7 = 98;

class X11GlobalShortcutsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(client.isConnected()) << "no X display"; }
    void TearDown() override
    {
        client.setLock(XK_Num_Lock, false);
        client.setLock(XK_Caps_Lock, false);
    }

    // Lets the server deliver what was pressed; true when the count reached the expected value
    // and stayed there.
    static bool settlesAt(const int& count, int expected)
    {
        vqtest::waitUntil([&] { return count >= expected; }, 2000);
        vqtest::spin(150);
        return count == expected;
    }

    X11TestClient client;
    X11GlobalShortcuts shortcuts;
};

TEST_F(X11GlobalShortcutsTest, APressAnywhereRunsTheActionOnceEvenWhenHeld)
{
    int presses = 0;
    const auto registration = shortcuts.registerShortcut(KeyShortcut(kKeyCodeF6, 0), [&] { ++presses; });
    ASSERT_EQ(registration.status, GlobalShortcuts::Status::Ok);
    client.tap(XK_F6);
    EXPECT_TRUE(settlesAt(presses, 1));

    // Held past the key repeat delay: still one press.
    client.key(XK_F6, true);
    vqtest::spin(900);
    client.key(XK_F6, false);
    EXPECT_TRUE(settlesAt(presses, 2));

    // A different modifier state is a different combination.
    client.tapWith(XK_F6, {XK_Shift_L});
    EXPECT_TRUE(settlesAt(presses, 2));

    shortcuts.unregisterShortcut(registration.id);
    client.tap(XK_F6);
    EXPECT_TRUE(settlesAt(presses, 2));
}

TEST_F(X11GlobalShortcutsTest, LockKeysDoNotChangeTheCombination)
{
    int presses = 0;
    const KeyShortcut optionS(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption);
    ASSERT_EQ(shortcuts.registerShortcut(optionS, [&] { ++presses; }).status, GlobalShortcuts::Status::Ok);

    client.tapWith(XK_s, {XK_Alt_L});
    EXPECT_TRUE(settlesAt(presses, 1));
    client.setLock(XK_Num_Lock, true);
    client.setLock(XK_Caps_Lock, true);
    ASSERT_TRUE(client.lockIsOn(XK_Num_Lock));
    ASSERT_TRUE(client.lockIsOn(XK_Caps_Lock));
    client.tapWith(XK_s, {XK_Alt_L});
    EXPECT_TRUE(settlesAt(presses, 2));
}

TEST_F(X11GlobalShortcutsTest, ACombinationAnotherProgramHoldsIsReportedAndNothingElseSuffers)
{
    client.grabKey(XK_F7, kControlMask);
    int presses = 0;
    const KeyShortcut commandF7(kKeyCodeF7, MacKeyMap::kFlagCommand);
    const auto refused = shortcuts.registerShortcut(commandF7, [&] { ++presses; });
    EXPECT_EQ(refused.status, GlobalShortcuts::Status::InUse);
    EXPECT_EQ(refused.id, 0);

    // The process goes on, and other combinations work.
    const auto plain = shortcuts.registerShortcut(KeyShortcut(kKeyCodeF7, 0), [&] { ++presses; });
    ASSERT_EQ(plain.status, GlobalShortcuts::Status::Ok);
    client.tap(XK_F7);
    EXPECT_TRUE(settlesAt(presses, 1));

    // Once the other program lets go, the combination can be had.
    client.ungrabKey(XK_F7, kControlMask);
    const auto granted = shortcuts.registerShortcut(commandF7, [&] { presses += 10; });
    EXPECT_EQ(granted.status, GlobalShortcuts::Status::Ok);
    client.tapWith(XK_F7, {XK_Control_L});
    EXPECT_TRUE(settlesAt(presses, 11));
}

TEST_F(X11GlobalShortcutsTest, KeysOffTheKeyboardMapAreRefused)
{
    EXPECT_EQ(shortcuts.registerShortcut(KeyShortcut(), [] {}).status, GlobalShortcuts::Status::InvalidKey);
    EXPECT_EQ(shortcuts.registerShortcut(KeyShortcut(52, 0), [] {}).status, GlobalShortcuts::Status::InvalidKey);
}

TEST_F(X11GlobalShortcutsTest, TwoRegistrationsOfOneCombinationShareTheGrab)
{
    int first = 0;
    int second = 0;
    const KeyShortcut f6(kKeyCodeF6, 0);
    const auto a = shortcuts.registerShortcut(f6, [&] { ++first; });
    const auto b = shortcuts.registerShortcut(f6, [&] { ++second; });
    ASSERT_EQ(a.status, GlobalShortcuts::Status::Ok);
    ASSERT_EQ(b.status, GlobalShortcuts::Status::Ok);
    shortcuts.unregisterShortcut(a.id);
    client.tap(XK_F6);
    EXPECT_TRUE(settlesAt(second, 1));
    EXPECT_EQ(first, 0);
}

} // namespace
