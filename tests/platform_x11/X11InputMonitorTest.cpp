#include "MMEventMonitor.h"
#include "MacKeyMap.h"
#include "TestSupport.h"
#include "X11InputMonitor.h"
#include "X11TestClient.h"

#include <gtest/gtest.h>

#include <QList>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <thread>

#include <X11/keysym.h>

namespace {

using namespace MMEventMasks;

class X11InputMonitorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(client.isConnected()) << "no X display"; }

    // Gives the server and the monitor's thread a moment, as a user's hand would.
    static void pause() { vqtest::spin(80); }

    // Waits until the server sends what the monitors started so far want.
    static bool watching()
    {
        auto* monitor = dynamic_cast<X11InputMonitor*>(&InputMonitor::instance());
        return monitor != nullptr && vqtest::waitUntil([monitor] { return monitor->selectionApplied(); });
    }

    X11TestClient client;
    QList<MMEvent> events;
};

TEST_F(X11InputMonitorTest, SeesPressDragAndReleaseOutsideOurWindows)
{
    auto monitor = MMEventMonitor::bothMonitorWithEvent(kLeftMouseDown | kLeftMouseDragged | kLeftMouseUp,
                                                        [&](const MMEvent& event) { events.append(event); });
    ASSERT_TRUE(monitor->start());
    ASSERT_TRUE(watching());
    client.movePointer({700, 500});
    pause();
    client.button(1, true);
    pause();
    client.movePointer({730, 520});
    pause();
    client.movePointer({760, 540});
    pause();
    client.button(1, false);
    ASSERT_TRUE(vqtest::waitUntil([&] { return !events.isEmpty() && events.last().type == MMEventType::LeftMouseUp; }));

    EXPECT_EQ(events.first().type, MMEventType::LeftMouseDown);
    EXPECT_EQ(events.first().location, QPoint(700, 500));
    EXPECT_EQ(events.first().buttonNumber, 0);
    const qsizetype drags = std::count_if(events.begin(), events.end(),
                                          [](const MMEvent& e) { return e.type == MMEventType::LeftMouseDragged; });
    EXPECT_GE(drags, 1);
    EXPECT_EQ(events[events.size() - 2].type, MMEventType::LeftMouseDragged);
    EXPECT_EQ(events[events.size() - 2].location, QPoint(760, 540));
    EXPECT_EQ(events.last().location, QPoint(760, 540));

    // Moving without a button is no drag, and the mask has no moves.
    events.clear();
    client.movePointer({400, 400});
    pause();
    vqtest::spin(100);
    EXPECT_TRUE(events.isEmpty());

    // Stopped: nothing more.
    monitor->stop();
    client.button(1, true);
    client.button(1, false);
    vqtest::spin(200);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(X11InputMonitorTest, RightAndMiddleButtonsAreTheirOwnEvents)
{
    auto monitor = MMEventMonitor::bothMonitorWithEvent(kAnyMouseDown, [&](const MMEvent& event) { events.append(event); });
    ASSERT_TRUE(monitor->start());
    ASSERT_TRUE(watching());
    client.movePointer({300, 200});
    pause();
    client.button(3, true);
    client.button(3, false);
    client.button(2, true);
    client.button(2, false);
    client.button(4, true); // the wheel
    client.button(4, false);
    ASSERT_TRUE(vqtest::waitUntil([&] { return events.size() >= 2; }));
    vqtest::spin(150);
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].type, MMEventType::RightMouseDown);
    EXPECT_EQ(events[0].buttonNumber, 1);
    EXPECT_EQ(events[1].type, MMEventType::OtherMouseDown);
    EXPECT_EQ(events[1].buttonNumber, 2);
}

TEST_F(X11InputMonitorTest, KeysComeWithTheirMacCodesAndModifierFlags)
{
    auto monitor = MMEventMonitor::bothMonitorWithEvent(kKeyDown | kKeyUp | kFlagsChanged,
                                                        [&](const MMEvent& event) { events.append(event); });
    ASSERT_TRUE(monitor->start());
    ASSERT_TRUE(watching());
    client.tapWith(XK_v, {XK_Control_L});
    ASSERT_TRUE(vqtest::waitUntil([&] { return events.size() >= 4; }));
    vqtest::spin(100);
    ASSERT_EQ(events.size(), 4);
    EXPECT_EQ(events[0].type, MMEventType::FlagsChanged);
    EXPECT_EQ(events[0].keyCode, 55);
    EXPECT_TRUE(events[0].modifierFlags & MacKeyMap::kFlagCommand);
    EXPECT_EQ(events[1].type, MMEventType::KeyDown);
    EXPECT_EQ(events[1].keyCode, MacKeyMap::kKeyCodeV);
    EXPECT_TRUE(events[1].modifierFlags & MacKeyMap::kFlagCommand);
    EXPECT_EQ(events[2].type, MMEventType::KeyUp);
    EXPECT_EQ(events[3].type, MMEventType::FlagsChanged);
    EXPECT_FALSE(events[3].modifierFlags & MacKeyMap::kFlagCommand);
}

TEST_F(X11InputMonitorTest, AddingAndRemovingDoNotWaitForTheServerAndEventsKeepTheirOrder)
{
    QStringList order;
    const auto keyName = [](const MMEvent& event) { return QStringLiteral("key %1").arg(event.keyCode); };
    auto keys = MMEventMonitor::bothMonitorWithEvent(kKeyDown, [&](const MMEvent& event) { order << keyName(event); });
    ASSERT_TRUE(keys->start());
    ASSERT_TRUE(watching());

    // Another program holds the server for a second: the monitor's worker waits for it, the
    // main thread does not.
    X11TestClient holder;
    ASSERT_TRUE(holder.isConnected());
    holder.grabServer();
    std::atomic<bool> released{false};
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        released.store(true);
        holder.ungrabServer();
    });
    auto buttons = MMEventMonitor::bothMonitorWithEvent(kLeftMouseDown | kLeftMouseUp, [&](const MMEvent& event) {
        order << (event.type == MMEventType::LeftMouseDown ? QStringLiteral("down") : QStringLiteral("up"));
    });
    const bool added = buttons->start();
    keys->stop();
    const bool addedAgain = keys->start();
    const bool returnedWhileHeld = !released.load();
    releaser.join();
    EXPECT_TRUE(added);
    EXPECT_TRUE(addedAgain);
    EXPECT_TRUE(returnedWhileHeld);

    ASSERT_TRUE(watching());
    client.tap(XK_a);
    client.button(1, true);
    client.tap(XK_b);
    client.button(1, false);
    client.tap(XK_c);
    ASSERT_TRUE(vqtest::waitUntil([&] { return order.size() >= 5; })) << order.join(QStringLiteral(", ")).toStdString();
    vqtest::spin(100);
    MMEvent a, b, c;
    a.keyCode = MacKeyMap::macKeyCodeForKeysym(XK_a);
    b.keyCode = MacKeyMap::macKeyCodeForKeysym(XK_b);
    c.keyCode = MacKeyMap::macKeyCodeForKeysym(XK_c);
    EXPECT_EQ(order, QStringList({ keyName(a), QStringLiteral("down"), keyName(b), QStringLiteral("up"), keyName(c) }));
}

} // namespace
