#pragma once

#include <QString>

namespace vq {

// The crash report folder: "Crash" in the user's Documents folder.
QString defaultCrashDirectory();

// Installs the crash handlers of the process; crashDir is created here when missing.
//
// Fatal signals (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT): a handler running on an alternate
// signal stack (so a stack overflow of the installing thread is caught too) writes the signal
// and the call stack to "<Unix seconds>_crash.txt" in crashDir and to stderr, using only
// async-signal-safe calls. Then the handler that was installed before ours (a sanitizer's, a
// debugger helper's) is called when there was one; when there was none, or it returns, the
// default action is restored and the signal raised again, so the process dies of it.
// An alternate stack already set on the thread is kept. Other threads only get the alternate
// stack they set up themselves.
//
// Uncaught C++ exceptions (std::terminate): writes the exception's type and what() text and
// the call stack to "yyyy-MM-dd_HH-mm-ss_crash.txt" (local time) in crashDir and to stderr,
// then hands over to the terminate handler installed before (the runtime's, which prints the
// exception) and aborts; the abort is not reported a second time.
//
// Calling it again only changes the folder. Returns false when the folder cannot be created;
// the handlers are installed all the same and then report to stderr only.
bool installCrashHandlers(const QString& crashDir);

} // namespace vq
