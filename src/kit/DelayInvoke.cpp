#include "DelayInvoke.h"

#include <QHash>
#include <QObject>
#include <QThreadStorage>
#include <QTimer>

#include <cmath>
#include <limits>
#include <utility>

namespace mm {

namespace {

struct PendingCall {
    std::function<void()> block;
    std::function<void()> completion;
    QTimer* timer = nullptr;
    // pxtDelayInvokeAtOnce: a further call came within the interval, so the block runs at its end.
    bool collected = false;
};

using PendingTable = QHash<QString, PendingCall>;

// The key tables of one thread. It lives in that thread and owns the interval timers, so the
// timers fire on that thread's event loop; QThreadStorage deletes it when the thread ends.
class DelayScheduler : public QObject {
public:
    PendingTable delayed;
    PendingTable atOnce;
};

QThreadStorage<DelayScheduler*> g_schedulers;

DelayScheduler* currentScheduler()
{
    if (!g_schedulers.hasLocalData())
        g_schedulers.setLocalData(new DelayScheduler);
    return g_schedulers.localData();
}

int toMilliseconds(double seconds)
{
    if (!(seconds > 0.0)) // also NaN
        return 0;
    const double ms = std::ceil(seconds * 1000.0);
    constexpr int maxMs = std::numeric_limits<int>::max();
    return ms >= double(maxMs) ? maxMs : int(ms);
}

// Ends the interval of the call under the key: drops the key, then runs what is due.
void intervalEnded(PendingTable& table, const QString& key, QTimer* timer, bool runOnlyWhenCollected)
{
    const auto it = table.find(key);
    if (it == table.end() || it->timer != timer)
        return;
    PendingCall call = std::move(*it);
    table.erase(it);
    timer->deleteLater();
    if (runOnlyWhenCollected && !call.collected)
        return;
    if (call.block)
        call.block();
    if (call.completion)
        call.completion();
}

QTimer* startIntervalTimer(DelayScheduler* scheduler, PendingTable& table, const QString& key,
                           int ms, bool runOnlyWhenCollected)
{
    auto* timer = new QTimer(scheduler);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [&table, key, timer, runOnlyWhenCollected] {
        intervalEnded(table, key, timer, runOnlyWhenCollected);
    });
    timer->start(ms);
    return timer;
}

} // namespace

void pxtDelayInvoke(const QString& key, std::function<void()> block,
                    std::function<void()> completion, double seconds)
{
    if (!block)
        return;
    DelayScheduler* scheduler = currentScheduler();
    PendingTable& table = scheduler->delayed;
    const int ms = toMilliseconds(seconds);
    auto it = table.find(key);
    if (it != table.end()) {
        it->block = std::move(block);
        it->completion = std::move(completion);
        it->timer->start(ms);
        return;
    }
    PendingCall call;
    call.block = std::move(block);
    call.completion = std::move(completion);
    call.timer = startIntervalTimer(scheduler, table, key, ms, false);
    table.insert(key, std::move(call));
}

void pxtDelayInvokeAtOnce(const QString& key, std::function<void()> block,
                          std::function<void()> completion, double seconds)
{
    if (!block)
        return;
    DelayScheduler* scheduler = currentScheduler();
    PendingTable& table = scheduler->atOnce;
    auto it = table.find(key);
    if (it != table.end()) {
        it->block = std::move(block);
        it->completion = std::move(completion);
        it->collected = true;
        return;
    }
    // The key is pending before the block runs, so a call from inside the block is collected.
    PendingCall call;
    call.timer = startIntervalTimer(scheduler, table, key, toMilliseconds(seconds), true);
    table.insert(key, std::move(call));
    block();
    if (completion)
        completion();
}

} // namespace mm
