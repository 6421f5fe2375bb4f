#pragma once

#include <functional>

namespace mm {

// Queues the function to the main (GUI) thread's event loop. It never runs inside the call,
// also when called on the main thread, so callers see the same order everywhere.
void runOnMain(std::function<void()> fn);

// Runs the function at once when called on the main thread, else queues it there.
void runOnMainOrNow(std::function<void()> fn);

// True on the thread of the application object.
bool isMainThread();

} // namespace mm
