#pragma once

#include <QString>

#include <functional>

// Delayed invocation under a key chosen by the call site. Both functions run the blocks on the
// calling thread's event loop (the thread must run a Qt event loop: the main thread or a
// QThread); each thread has its own key tables, and the two functions have separate tables, so
// the same key used with both does not interact. An empty block is ignored. Pending calls of a
// thread are dropped, never run, when its event loop goes away.
namespace mm {

// Runs the block once, `seconds` after the call. A call whose key is still pending replaces
// the pending block and completion with its own and restarts the interval. When the interval
// ends the key is dropped first, then the block runs, then the completion (when given); a call
// made from inside the block therefore schedules a new run.
void pxtDelayInvoke(const QString& key, std::function<void()> block,
                    std::function<void()> completion, double seconds);

// Runs the block, then its completion, at once (inside the call) when nothing is pending under
// the key, and keeps the key pending for `seconds`. Further calls under the key within that
// interval are collected: each replaces the collected block and completion, and when the
// interval ends the key is dropped and the last collected block runs once, followed by its
// completion. Without further calls nothing runs at the end. The interval is not restarted by
// further calls, so a steady stream of calls runs about twice per interval at most.
void pxtDelayInvokeAtOnce(const QString& key, std::function<void()> block,
                          std::function<void()> completion, double seconds);

} // namespace mm
