#include "FakeGlobalShortcuts.h"
#include "MacKeyMap.h"
#include "UserDefaults.h"
#include "VQShortcutBinder.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace {

const QString kKey = QStringLiteral("WordShortcutKey");
const QString kOtherKey = QStringLiteral("TranslateShortcutKey");
const KeyShortcut kF1(MacKeyMap::kKeyCodeF1, 0);
const KeyShortcut kF2(MacKeyMap::kKeyCodeF2, 0);
const KeyShortcut kOptionS(MacKeyMap::kKeyCodeS, MacKeyMap::kFlagOption);

class VQShortcutBinderTest : public ::testing::Test {
protected:
    void SetUp() override { UserDefaults::resetStandardForTests(); }
    void TearDown() override
    {
        binder.resetForTests();
        UserDefaults::resetStandardForTests();
    }

    FakeGlobalShortcuts shortcuts;
    VQShortcutBinder& binder = VQShortcutBinder::sharedBinder();
};

TEST_F(VQShortcutBinderTest, TheRegisteredDefaultIsBoundAndFires)
{
    UserDefaults::standard().registerDefaults({{kKey, kF1.toVariant()}});
    int presses = 0;
    binder.bindShortcutWithDefaultsKey(kKey, [&] { ++presses; });
    EXPECT_EQ(shortcuts.registered(), QList<KeyShortcut>{kF1});
    EXPECT_EQ(binder.statusForDefaultsKey(kKey), GlobalShortcuts::Status::Ok);
    EXPECT_TRUE(shortcuts.press(kF1));
    EXPECT_TRUE(shortcuts.press(kF1));
    EXPECT_EQ(presses, 2);
}

TEST_F(VQShortcutBinderTest, FollowsChangesOfTheStoredShortcut)
{
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kF1);
    QList<QString> fired;
    binder.bindShortcutWithDefaultsKey(kKey, [&] { fired << kKey; });

    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kOptionS);
    EXPECT_EQ(shortcuts.registered(), QList<KeyShortcut>{kOptionS});
    EXPECT_FALSE(shortcuts.press(kF1));
    EXPECT_TRUE(shortcuts.press(kOptionS));

    // Cleared: nothing is grabbed, and the registered default does not come back.
    UserDefaults::standard().registerDefaults({{kKey, kF1.toVariant()}});
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, KeyShortcut());
    EXPECT_TRUE(shortcuts.registered().isEmpty());
    EXPECT_FALSE(VQShortcutBinder::shortcutForDefaultsKey(kKey).isValid());

    // Writing the same value again grabs nothing twice.
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kF2);
    const int calls = shortcuts.registerCalls;
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kF2);
    EXPECT_EQ(shortcuts.registerCalls, calls);
    EXPECT_EQ(fired.size(), 1);
}

TEST_F(VQShortcutBinderTest, BreakingABindingReleasesItAndIgnoresLaterChanges)
{
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kF1);
    int presses = 0;
    binder.bindShortcutWithDefaultsKey(kKey, [&] { ++presses; });
    binder.breakBindingWithDefaultsKey(kKey);
    binder.breakBindingWithDefaultsKey(kKey);
    EXPECT_FALSE(binder.isBound(kKey));
    EXPECT_FALSE(shortcuts.press(kF1));
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kF2);
    EXPECT_TRUE(shortcuts.registered().isEmpty());
    EXPECT_EQ(presses, 0);
}

TEST_F(VQShortcutBinderTest, BindingTheSameKeyAgainReplacesTheAction)
{
    // The status item binds the screenshot key again each time it is rebuilt.
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kOptionS);
    int first = 0;
    int second = 0;
    binder.bindShortcutWithDefaultsKey(kKey, [&] { ++first; });
    binder.bindShortcutWithDefaultsKey(kKey, [&] { ++second; });
    EXPECT_EQ(shortcuts.registered().size(), 1);
    shortcuts.press(kOptionS);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

TEST_F(VQShortcutBinderTest, AnActionMayBreakItsOwnBinding)
{
    // Escape ends a capture, and the capture's end breaks the Escape binding.
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, KeyShortcut(MacKeyMap::kKeyCodeEscape, 0));
    int presses = 0;
    binder.bindShortcutWithDefaultsKey(kKey, [&] {
        ++presses;
        binder.breakBindingWithDefaultsKey(kKey);
    });
    EXPECT_TRUE(shortcuts.press(KeyShortcut(MacKeyMap::kKeyCodeEscape, 0)));
    EXPECT_FALSE(shortcuts.press(KeyShortcut(MacKeyMap::kKeyCodeEscape, 0)));
    EXPECT_EQ(presses, 1);
}

TEST_F(VQShortcutBinderTest, ACombinationHeldElsewhereIsReportedAndRetriedOnChange)
{
    shortcuts.inUse = {kF1};
    QSignalSpy failed(&binder, &VQShortcutBinder::bindingFailed);
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kF1);
    VQShortcutBinder::setShortcutForDefaultsKey(kOtherKey, kF2);
    int presses = 0;
    binder.bindShortcutWithDefaultsKey(kKey, [&] { ++presses; });
    binder.bindShortcutWithDefaultsKey(kOtherKey, [&] { ++presses; });

    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed.first().at(0).toString(), kKey);
    EXPECT_EQ(failed.first().at(1).value<GlobalShortcuts::Status>(), GlobalShortcuts::Status::InUse);
    EXPECT_EQ(binder.statusForDefaultsKey(kKey), GlobalShortcuts::Status::InUse);
    EXPECT_TRUE(binder.isBound(kKey));
    // The other binding is unaffected.
    EXPECT_TRUE(shortcuts.press(kF2));
    EXPECT_EQ(presses, 1);

    // The user records another combination: it is grabbed.
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kOptionS);
    EXPECT_EQ(binder.statusForDefaultsKey(kKey), GlobalShortcuts::Status::Ok);
    EXPECT_TRUE(shortcuts.press(kOptionS));
    EXPECT_EQ(presses, 2);
}

TEST_F(VQShortcutBinderTest, SuspendingReleasesEveryGrabUntilResumed)
{
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kF1);
    VQShortcutBinder::setShortcutForDefaultsKey(kOtherKey, kF2);
    int presses = 0;
    binder.bindShortcutWithDefaultsKey(kKey, [&] { ++presses; });
    binder.bindShortcutWithDefaultsKey(kOtherKey, [&] { ++presses; });

    binder.setSuspended(true);
    EXPECT_TRUE(shortcuts.registered().isEmpty());
    // A recorder stores a new value meanwhile.
    VQShortcutBinder::setShortcutForDefaultsKey(kKey, kOptionS);
    EXPECT_TRUE(shortcuts.registered().isEmpty());

    binder.setSuspended(false);
    EXPECT_EQ(shortcuts.registered().size(), 2);
    EXPECT_TRUE(shortcuts.press(kOptionS));
    EXPECT_TRUE(shortcuts.press(kF2));
    EXPECT_FALSE(shortcuts.press(kF1));
    EXPECT_EQ(presses, 2);
}

} // namespace
