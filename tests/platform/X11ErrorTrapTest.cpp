// The end after the loss of the X server, whichever thread meets it first, by our connection's
// I/O error handler or Qt's exit(): the handler runs once, on the main thread when it comes.
// Another exit(), with no loss, goes on without it.
#include "X11ErrorTrap.h"

#include <QCoreApplication>
#include <QThread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <unistd.h>

namespace {

enum class First { OurConnectionOnMain, AnotherExit, Worker, WorkerThenQtsConnection, WorkerWithTheMainThreadStuck, TwoWorkers };

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
    if (first != First::AnotherExit)
        worker();
    if (first == First::TwoWorkers)
        worker();
    while (first == First::WorkerThenQtsConnection && !X11ErrorTrap::connectionLost())
        std::this_thread::yield();
    if (first == First::AnotherExit || first == First::WorkerThenQtsConnection)
        std::exit(1);
    while (first == First::WorkerWithTheMainThreadStuck)
        ::pause();
    for (;;)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TEST(X11ErrorTrapDeathTest, TheHandlerRunsOnceWhicheverThreadMeetsTheLossFirst)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    using enum First;
    const std::pair<First, const char*> rows[] = {{OurConnectionOnMain, "main"}, {AnotherExit, nullptr}, {Worker, "main"},
                                                  {WorkerThenQtsConnection, "main"}, {WorkerWithTheMainThreadStuck, "other"}, {TwoWorkers, "main"}};
    for (const auto& [first, thread] : rows)
        EXPECT_EXIT(loseTheServer(first, first == WorkerWithTheMainThreadStuck ? 50 : 3000), testing::ExitedWithCode(1),
                    thread ? testing::Matcher<const std::string&>(testing::HasSubstr(std::string("handler ran on the ") + thread + " thread"))
                           : testing::Not(testing::HasSubstr("handler ran"))) << int(first);
}

} // namespace
