// The end after the loss of the X server, whichever thread meets it first and however the main
// thread learns it (the I/O error handler of our connection, Qt's exit() on its own): the
// handler runs once, on the main thread when it comes, and the process ends with status 1.
#include "X11ErrorTrap.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <unistd.h>

namespace {

enum class First { OurConnectionOnMain, QtsConnection, Worker, WorkerThenQtsConnection, WorkerWithTheMainThreadStuck, TwoWorkers };

[[noreturn]] void loseTheServer(First first, int handOverWaitMs)
{
    X11ErrorTrap::setHandOverWaitForTests(handOverWaitMs);
    X11ErrorTrap::setConnectionLostHandler([] {
        static std::atomic<int> runs{0};
        if (++runs > 1)
            std::abort();
        std::fprintf(stderr, "handler ran on the %s thread\n", QThread::currentThread() == qApp->thread() ? "main" : "other");
    });
    const auto worker = [] { std::thread([] { X11ErrorTrap::endAfterConnectionLoss(); }).detach(); };
    if (first == First::OurConnectionOnMain)
        X11ErrorTrap::endAfterConnectionLoss();
    if (first == First::QtsConnection)
        std::exit(1);
    worker();
    if (first == First::TwoWorkers)
        worker();
    if (first == First::WorkerThenQtsConnection) {
        while (!X11ErrorTrap::connectionLost())
            std::this_thread::yield();
        std::exit(1);
    }
    for (;;) {
        if (first == First::WorkerWithTheMainThreadStuck)
            ::pause();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

TEST(X11ErrorTrapDeathTest, TheHandlerRunsOnceWhicheverThreadMeetsTheLossFirst)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        First first;
        int handOverWaitMs;
        const char* thread;
    } rows[] = {{First::OurConnectionOnMain, 3000, "main"}, {First::QtsConnection, 3000, "main"}, {First::Worker, 3000, "main"},
                {First::WorkerThenQtsConnection, 3000, "main"}, {First::WorkerWithTheMainThreadStuck, 50, "other"},
                {First::TwoWorkers, 3000, "main"}};
    for (const auto& row : rows)
        EXPECT_EXIT(loseTheServer(row.first, row.handOverWaitMs), testing::ExitedWithCode(1),
                    std::string("handler ran on the ") + row.thread + " thread")
            << int(row.first);
}

} // namespace
