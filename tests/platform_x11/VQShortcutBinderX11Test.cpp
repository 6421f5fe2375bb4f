#include "GlobalShortcuts.h"
#include "KeySynthesizer.h"
#include "MacKeyMap.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQShortcutBinder.h"
#include "X11TestClient.h"

#include <gtest/gtest.h>

#include <X11/keysym.h>

namespace {

const QString kKey = QStringLiteral("WordShortcutKey");
constexpr int kKeyCodeF8 = 100;
constexpr int kKeyCodeF9 = 101;

bool settlesAt(const int& count, int expected)
{
    vqtest::waitUntil([&] { return count >= expected; }, 2000);
    vqtest::spin(150);
    return count == expected;
}

TEST(VQShortcutBinderX11Test, TheBoundKeyFiresFollowsItsDefaultAndStopsWhenUnbound)
{
    X11TestClient client;
    ASSERT_TRUE(client.isConnected()) << "no X display";
    UserDefaults::resetStandardForTests();
    UserDefaults::standard().registerDefaults({{kKey, KeyShortcut(kKeyCodeF8, 0).toVariant()}});
    VQShortcutBinder& binder = VQShortcutBinder::sharedBinder();

    int presses = 0;
    binder.bindShortcutWithDefaultsKey(kKey, [&] { ++presses; });
    ASSERT_EQ(binder.statusForDefaultsKey(kKey), GlobalShortcuts::Status::Ok);
    // Pressed through XTest, as our own key synthesiser does.
    ASSERT_TRUE(vqPostKeyEvent(kKeyCodeF8, true, MacKeyMap::kFlagNonCoalesced));
    EXPECT_TRUE(settlesAt(presses, 1));

    client.setLock(XK_Num_Lock, true);
    client.setLock(XK_Caps_Lock, true);
    client.tap(XK_F8);
    EXPECT_TRUE(settlesAt(presses, 2)) << "with NumLock and CapsLock on";
    client.setLock(XK_Num_Lock, false);
    client.setLock(XK_Caps_Lock, false);

    // The user records F9 in place of F8.
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, KeyShortcut(kKeyCodeF9, 0));
    client.tap(XK_F8);
    EXPECT_TRUE(settlesAt(presses, 2));
    client.tap(XK_F9);
    EXPECT_TRUE(settlesAt(presses, 3));

    binder.breakBindingWithDefaultsKey(kKey);
    client.tap(XK_F9);
    EXPECT_TRUE(settlesAt(presses, 3));

    binder.resetForTests();
    UserDefaults::resetStandardForTests();
}

} // namespace
