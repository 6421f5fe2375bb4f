#include "FakeInputMonitor.h"
#include "MMEventMonitor.h"

#include <gtest/gtest.h>

#include <QList>

namespace {

using namespace MMEventMasks;

TEST(MMEventMonitorTest, HandlerSeesOnlyTheMaskedEventsWhileStarted)
{
    FakeInputMonitor input;
    QList<MMEventType> seen;
    auto monitor = MMEventMonitor::bothMonitorWithEvent(kLeftMouseDown | kLeftMouseDragged,
                                                        [&](const MMEvent& event) { seen.append(event.type); });
    input.send(MMEventType::LeftMouseDown);
    EXPECT_TRUE(seen.isEmpty()) << "a new monitor is not started";

    ASSERT_TRUE(monitor->start());
    input.send(MMEventType::LeftMouseDown, {10, 20});
    input.send(MMEventType::LeftMouseDragged, {15, 25});
    input.send(MMEventType::LeftMouseUp, {15, 25});
    input.send(MMEventType::RightMouseDown);
    EXPECT_EQ(seen, (QList<MMEventType>{MMEventType::LeftMouseDown, MMEventType::LeftMouseDragged}));

    monitor->stop();
    monitor->stop();
    input.send(MMEventType::LeftMouseDown);
    EXPECT_EQ(seen.size(), 2);
    EXPECT_EQ(input.monitorCount(), 0);
}

TEST(MMEventMonitorTest, StartingAgainReplacesWhatWasInstalled)
{
    FakeInputMonitor input;
    int calls = 0;
    MMEventMonitor monitor(kAnyMouseUp, [&](const MMEvent&) { ++calls; });
    ASSERT_TRUE(monitor.start());
    ASSERT_TRUE(monitor.start());
    ASSERT_TRUE(monitor.start());
    EXPECT_EQ(input.monitorCount(), 1);
    input.send(MMEventType::RightMouseUp);
    EXPECT_EQ(calls, 1);
}

TEST(MMEventMonitorTest, DestroyingAMonitorRemovesIt)
{
    FakeInputMonitor input;
    int calls = 0;
    {
        auto monitor = MMEventMonitor::bothMonitorWithEvent(kAnyMouseDown, [&](const MMEvent&) { ++calls; });
        ASSERT_TRUE(monitor->start());
        EXPECT_EQ(input.monitorCount(), 1);
    }
    EXPECT_EQ(input.monitorCount(), 0);
    input.send(MMEventType::LeftMouseDown);
    EXPECT_EQ(calls, 0);
}

TEST(MMEventMonitorTest, AHandlerMayStopMonitorsWhileEventsAreDelivered)
{
    FakeInputMonitor input;
    int firstCalls = 0;
    int secondCalls = 0;
    std::unique_ptr<MMEventMonitor> second;
    auto first = MMEventMonitor::bothMonitorWithEvent(kLeftMouseUp, [&](const MMEvent&) {
        ++firstCalls;
        second->stop(); // as a capture does when its first mouse-up ends it
    });
    second = MMEventMonitor::bothMonitorWithEvent(kLeftMouseUp, [&](const MMEvent&) { ++secondCalls; });
    ASSERT_TRUE(first->start());
    ASSERT_TRUE(second->start());
    input.send(MMEventType::LeftMouseUp);
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(secondCalls, 0);
}

TEST(MMEventMonitorTest, StartFailsWhenTheDesktopCannotBeWatched)
{
    FakeInputMonitor input;
    input.available = false;
    MMEventMonitor monitor(kAnyMouseDown, [](const MMEvent&) {});
    EXPECT_FALSE(monitor.start());
    EXPECT_FALSE(monitor.isStarted());
    monitor.stop();
}

} // namespace
