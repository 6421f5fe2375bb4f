#pragma once

#include <QString>

#include <functional>

// Logging to the console and, after setupLogging(), to rolling files. Thread-safe.
//
// File lines have the layout
//     [2024-05-01 12:00:00.123 ● MMLog.cpp ● 42 ● setupLogging] I ● message
// that is [time stamp ● file name ● line ● function] level ● message, with the levels
// "❌" error, "W" warning, "I" information, "D" debug and "V" verbose.
//
// The macros take one QString:  VQLogInfo(QStringLiteral("opened %1").arg(path));
#define VQLogError(...) ::mm::logMessage(::mm::LogLevel::Error, __FILE__, __LINE__, static_cast<const char*>(__func__), (__VA_ARGS__))
#define VQLogWarn(...) ::mm::logMessage(::mm::LogLevel::Warn, __FILE__, __LINE__, static_cast<const char*>(__func__), (__VA_ARGS__))
#define VQLogInfo(...) ::mm::logMessage(::mm::LogLevel::Info, __FILE__, __LINE__, static_cast<const char*>(__func__), (__VA_ARGS__))
#define VQLogDebug(...) ::mm::logMessage(::mm::LogLevel::Debug, __FILE__, __LINE__, static_cast<const char*>(__func__), (__VA_ARGS__))
#define VQLogVerbose(...) ::mm::logMessage(::mm::LogLevel::Verbose, __FILE__, __LINE__, static_cast<const char*>(__func__), (__VA_ARGS__))

namespace mm {

enum class LogLevel { Verbose, Debug, Info, Warn, Error };

// The log folder: "MMLogs" in the user's cache folder.
QString defaultLogDirectory();

// Logs to the console and to rolling files in logDir, created when missing. The folder is
// its owner's alone (0700) and so is every log file in it (0600). At most 200 files
// share a quota of 20 MiB: a file is rolled over before it grows past 20 MiB / 200
// (104857 bytes), and the oldest file is deleted when a 201st would appear. Calling it again
// moves the file log to the new folder. When the folder or the file cannot be created the
// reason goes to the console, the logging in place (console-only at first) is kept and the
// result is false.
bool setupLogging(const QString& logDir);

// Writes buffered lines to their files, after the steps added below: at quit and before the
// process ends without its destructors (the loss of the X server), nothing queued is lost.
void flushLogs();
// A writer that queues lines for later (a worker thread) adds the step that finishes them.
void addLogFlushStep(std::function<void()> step);

// The text as a log line shows it: at most limit characters, then "… (n more characters)";
// line breaks and tabs as "\n", "\r", "\t", other control and format characters and the
// replacement character of undecodable bytes as "\x{code}". Every logged message passes here
// (after withLoggedAddresses).
QString logSafeText(const QString& text, qsizetype limit);
// Use the VQLog... macros, which fill in the place of the call.
void logMessage(LogLevel level, const char* file, int line, const char* function, const QString& message);

} // namespace mm
