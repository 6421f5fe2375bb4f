#include "DelayInvoke.h"

#include "TestSupport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

// Coarse timers may fire up to 5 % early.
constexpr qint64 earlySlackMs(qint64 intervalMs)
{
    return intervalMs / 20 + 1;
}

TEST(DelayInvokeTest, CoalescesCallsUnderOneKeyAndRestartsTheInterval)
{
    std::vector<QString> runs;
    int completions = 0;
    QElapsedTimer sinceLastCall;
    qint64 ranAfterMs = -1;

    const QString key = QStringLiteral("DelayInvokeTest.coalesce");
    for (int i = 1; i <= 3; ++i) {
        mm::pxtDelayInvoke(
            key,
            [&, i] {
                runs.push_back(QStringLiteral("block%1").arg(i));
                ranAfterMs = sinceLastCall.elapsed();
            },
            [&, i] {
                ++completions;
                runs.push_back(QStringLiteral("completion%1").arg(i));
            },
            0.5);
        sinceLastCall.start();
        vqtest::spin(50);
    }
    EXPECT_TRUE(runs.empty()) << "ran before the interval";
    ASSERT_TRUE(vqtest::waitUntil([&] { return completions > 0; }));
    vqtest::spin(300);
    EXPECT_EQ(runs, (std::vector<QString>{QStringLiteral("block3"), QStringLiteral("completion3")}));
    EXPECT_EQ(completions, 1);
    EXPECT_GE(ranAfterMs, 500 - earlySlackMs(500));
}

TEST(DelayInvokeTest, KeysAreIndependentAndACallFromTheBlockSchedulesANewRun)
{
    const QString key = QStringLiteral("DelayInvokeTest.reschedule");
    int runs = 0;
    int other = 0;
    std::function<void()> block = [&] {
        if (++runs < 3)
            mm::pxtDelayInvoke(key, block, nullptr, 0.02);
    };
    mm::pxtDelayInvoke(key, block, nullptr, 0.02);
    mm::pxtDelayInvoke(QStringLiteral("DelayInvokeTest.other"), [&] { ++other; }, nullptr, 0.02);
    ASSERT_TRUE(vqtest::waitUntil([&] { return runs == 3; }));
    vqtest::spin(100);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(other, 1);
}

TEST(DelayInvokeTest, AtOnceRunsTheFirstCallImmediately)
{
    const QString key = QStringLiteral("DelayInvokeTest.atOnce.first");
    std::vector<QString> runs;
    mm::pxtDelayInvokeAtOnce(
        key, [&] { runs.push_back(QStringLiteral("block")); },
        [&] { runs.push_back(QStringLiteral("completion")); }, 0.1);
    EXPECT_EQ(runs, (std::vector<QString>{QStringLiteral("block"), QStringLiteral("completion")}));

    // Without further calls nothing runs at the end of the interval ...
    vqtest::spin(250);
    EXPECT_EQ(runs.size(), 2u);
    // ... and afterwards the next call runs at once again.
    mm::pxtDelayInvokeAtOnce(key, [&] { runs.push_back(QStringLiteral("again")); }, nullptr, 0.1);
    EXPECT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs.back(), QStringLiteral("again"));
}

TEST(DelayInvokeTest, AtOnceCollectsFurtherCallsIntoOneRunAtTheEnd)
{
    const QString key = QStringLiteral("DelayInvokeTest.atOnce.collect");
    std::vector<QString> runs;
    QElapsedTimer sinceFirst;
    sinceFirst.start();
    qint64 trailingAfterMs = -1;
    for (int i = 1; i <= 4; ++i) {
        mm::pxtDelayInvokeAtOnce(
            key,
            [&, i] {
                runs.push_back(QStringLiteral("block%1").arg(i));
                if (i > 1)
                    trailingAfterMs = sinceFirst.elapsed();
            },
            [&, i] { runs.push_back(QStringLiteral("completion%1").arg(i)); }, 0.3);
        vqtest::spin(20);
    }
    EXPECT_EQ(runs, (std::vector<QString>{QStringLiteral("block1"), QStringLiteral("completion1")}));
    ASSERT_TRUE(vqtest::waitUntil([&] { return runs.size() == 4; }));
    vqtest::spin(400);
    EXPECT_EQ(runs, (std::vector<QString>{QStringLiteral("block1"), QStringLiteral("completion1"),
                                          QStringLiteral("block4"), QStringLiteral("completion4")}));
    // The interval counts from the first call; further calls do not restart it.
    EXPECT_GE(trailingAfterMs, 300 - earlySlackMs(300));
    EXPECT_LT(trailingAfterMs, 2000);
}

TEST(DelayInvokeTest, RunsOnTheCallingThread)
{
    QThread worker;
    worker.start();
    QObject context;
    context.moveToThread(&worker);

    std::atomic<QThread*> ranOn{nullptr};
    std::atomic<QThread*> atOnceRanOn{nullptr};
    std::atomic<bool> pendingAtExitRan{false};
    QMetaObject::invokeMethod(&context, [&] {
        mm::pxtDelayInvoke(QStringLiteral("DelayInvokeTest.thread"),
                           [&] { ranOn = QThread::currentThread(); }, nullptr, 0.02);
        mm::pxtDelayInvokeAtOnce(QStringLiteral("DelayInvokeTest.thread"),
                                 [&] { atOnceRanOn = QThread::currentThread(); }, nullptr, 0.02);
        // Still pending when the thread ends: dropped with the thread's tables, never run.
        mm::pxtDelayInvoke(QStringLiteral("DelayInvokeTest.thread.late"),
                           [&] { pendingAtExitRan = true; }, nullptr, 60.0);
    });
    ASSERT_TRUE(vqtest::waitUntil([&] { return ranOn.load() != nullptr; }));
    EXPECT_EQ(ranOn.load(), &worker);
    EXPECT_EQ(atOnceRanOn.load(), &worker);

    worker.quit();
    ASSERT_TRUE(worker.wait(5000));
    EXPECT_FALSE(pendingAtExitRan.load());
}

} // namespace
