#include "NotificationCenter.h"

#include "TestSupport.h"

#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

class NotificationCenterTest : public ::testing::Test {
protected:
    void SetUp() override { NotificationCenter::defaultCenter().resetForTests(); }
    NotificationCenter& center = NotificationCenter::defaultCenter();
};

TEST_F(NotificationCenterTest, DeliversSynchronouslyInOrderWithObjectAndInfo)
{
    QObject a, b;
    QStringList seen;
    center.addObserver(&a, QStringLiteral("kUSBInsertNotification"), [&](const VQNotification& n) {
        seen << QStringLiteral("a:%1:%2").arg(n.object.toInt()).arg(n.userInfo.value(QStringLiteral("k")).toString());
    });
    center.addObserver(&b, QStringLiteral("kUSBInsertNotification"), [&](const VQNotification&) { seen << QStringLiteral("b"); });
    center.addObserver(&b, QStringLiteral("other"), [&](const VQNotification&) { seen << QStringLiteral("other"); });

    center.post(QStringLiteral("kUSBInsertNotification"), 7, {{QStringLiteral("k"), QStringLiteral("v")}});
    EXPECT_EQ(seen, (QStringList{QStringLiteral("a:7:v"), QStringLiteral("b")}));
}

TEST_F(NotificationCenterTest, DestroyedObserverIsNeverCalled)
{
    int calls = 0;
    {
        QObject owner;
        center.addObserver(&owner, QStringLiteral("n"), [&](const VQNotification&) { ++calls; });
        EXPECT_EQ(center.observerCount(QStringLiteral("n")), 1);
    }
    EXPECT_EQ(center.observerCount(QStringLiteral("n")), 0);
    center.post(QStringLiteral("n"));
    EXPECT_EQ(calls, 0);
}

TEST_F(NotificationCenterTest, ObserverDestroyedByAnEarlierHandlerOfTheSamePostIsSkipped)
{
    auto victim = std::make_unique<QObject>();
    QObject killer;
    int victimCalls = 0;
    center.addObserver(&killer, QStringLiteral("n"), [&](const VQNotification&) { victim.reset(); });
    center.addObserver(victim.get(), QStringLiteral("n"), [&](const VQNotification&) { ++victimCalls; });
    center.post(QStringLiteral("n"));
    EXPECT_EQ(victimCalls, 0);
    EXPECT_FALSE(victim);
}

TEST_F(NotificationCenterTest, RemovedObserversStopAndHandlersMayChangeTheCentre)
{
    QObject owner, late;
    int calls = 0, lateCalls = 0;
    center.addObserver(&owner, QStringLiteral("n"), [&](const VQNotification&) {
        ++calls;
        // Adding while posting must not disturb the post in progress.
        center.addObserver(&late, QStringLiteral("n"), [&](const VQNotification&) { ++lateCalls; });
        center.removeObserver(&owner, QStringLiteral("n"));
    });
    center.post(QStringLiteral("n"));
    center.post(QStringLiteral("n"));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(lateCalls, 1);
    center.removeObserver(&late);
    center.post(QStringLiteral("n"));
    EXPECT_EQ(lateCalls, 1);
}

TEST_F(NotificationCenterTest, PostOnMainDeliversOnTheMainThreadFromAWorker)
{
    QObject owner;
    std::atomic<int> calls{0};
    QThread* deliveredOn = nullptr;
    center.addObserver(&owner, QStringLiteral("HadElectricInfoNotification"), [&](const VQNotification&) {
        deliveredOn = QThread::currentThread();
        ++calls;
    });
    std::unique_ptr<QThread> worker(QThread::create([&] { center.postOnMain(QStringLiteral("HadElectricInfoNotification")); }));
    worker->start();
    worker->wait();
    EXPECT_EQ(calls.load(), 0) << "a queued post is delivered by the main loop, not inside the call";
    ASSERT_TRUE(vqtest::waitUntil([&] { return calls.load() == 1; }));
    EXPECT_EQ(deliveredOn, QThread::currentThread());
}

} // namespace
