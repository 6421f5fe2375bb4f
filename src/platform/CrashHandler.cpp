#include "CrashHandler.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <string>

#include <cxxabi.h>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace vq {

namespace {

constexpr auto kCrashFolderName = "/Crash";
constexpr char kCrashFileSuffix[] = "_crash.txt";
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr int kMaxFrames = 128;
constexpr std::size_t kPathCapacity = 4096;
// Room for "/", 20 digits and the suffix behind the folder.
constexpr std::size_t kFileNameRoom = 1 + 20 + sizeof(kCrashFileSuffix);
constexpr std::size_t kAlternateStackSize = 256 * 1024;
constexpr std::size_t kMinimumAlternateStackSize = 16 * 1024;
constexpr mode_t kCrashFileMode = 0644;

// Everything the signal handler reads is prepared at install time: it may not allocate.
char g_crashDir[kPathCapacity] = {};          // without a trailing "/"; empty: stderr only
char g_signalReportPath[kPathCapacity + kFileNameRoom] = {};
void* g_frames[kMaxFrames] = {};
struct sigaction g_previousActions[NSIG] = {};
std::terminate_handler g_previousTerminate = nullptr;

std::atomic<bool> g_reporting{false};         // a thread is writing a signal report
std::atomic<bool> g_terminateReported{false}; // the abort that follows is already reported
static_assert(std::atomic<bool>::is_always_lock_free);

// --- async-signal-safe writing ------------------------------------------------------------

void writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        data += written;
        size -= std::size_t(written);
    }
}

void writeText(int fd, const char* text)
{
    writeAll(fd, text, std::strlen(text));
}

// Writes the value's decimal digits to out (at least 21 bytes) with a terminating zero.
void formatDecimal(std::uint64_t value, char* out)
{
    char digits[21];
    int count = 0;
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int i = 0; i < count; ++i)
        out[i] = digits[count - 1 - i];
    out[count] = '\0';
}

// "0x" and the value's hexadecimal digits; out holds at least 19 bytes.
void formatHex(std::uintptr_t value, char* out)
{
    static constexpr char hex[] = "0123456789abcdef";
    char digits[16];
    int count = 0;
    do {
        digits[count++] = hex[value & 0xF];
        value >>= 4;
    } while (value != 0);
    out[0] = '0';
    out[1] = 'x';
    for (int i = 0; i < count; ++i)
        out[2 + i] = digits[count - 1 - i];
    out[2 + count] = '\0';
}

const char* signalName(int sig)
{
    switch (sig) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGILL:
        return "SIGILL";
    case SIGFPE:
        return "SIGFPE";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

bool isFaultSignal(int sig)
{
    return sig == SIGSEGV || sig == SIGBUS || sig == SIGILL || sig == SIGFPE;
}

void writeStack(int fd, void* const* frames, int count)
{
    writeText(fd, "Call stack:\n");
    backtrace_symbols_fd(frames, count, fd);
}

// Opens "<Unix seconds>_crash.txt" in the crash folder; -1 when there is no folder or the file
// cannot be opened. Appends, so two crashes within one second both stay readable.
int openSignalReportFile(std::uint64_t seconds)
{
    if (g_crashDir[0] == '\0')
        return -1;
    char digits[21];
    formatDecimal(seconds, digits);
    char* out = g_signalReportPath;
    const std::size_t dirLength = std::strlen(g_crashDir);
    std::memcpy(out, g_crashDir, dirLength);
    out += dirLength;
    *out++ = '/';
    const std::size_t digitCount = std::strlen(digits);
    std::memcpy(out, digits, digitCount);
    out += digitCount;
    std::memcpy(out, kCrashFileSuffix, sizeof(kCrashFileSuffix)); // with the terminating zero
    return ::open(g_signalReportPath, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, kCrashFileMode);
}

void writeSignalReport(int sig, const siginfo_t* info)
{
    const std::time_t now = std::time(nullptr);
    const int frameCount = backtrace(g_frames, kMaxFrames);
    char number[21];
    char address[19];
    formatDecimal(std::uint64_t(sig), number);
    formatHex(info != nullptr ? reinterpret_cast<std::uintptr_t>(info->si_addr) : 0, address);
    char seconds[21];
    formatDecimal(std::uint64_t(now < 0 ? 0 : now), seconds);

    const int fileFd = openSignalReportFile(std::uint64_t(now < 0 ? 0 : now));
    const int fds[] = {fileFd, STDERR_FILENO};
    for (const int fd : fds) {
        if (fd < 0)
            continue;
        writeText(fd, "Fatal signal ");
        writeText(fd, signalName(sig));
        writeText(fd, " (");
        writeText(fd, number);
        writeText(fd, ")");
        if (isFaultSignal(sig)) {
            writeText(fd, " at address ");
            writeText(fd, address);
        }
        writeText(fd, "\nTime: ");
        writeText(fd, seconds);
        writeText(fd, "\n");
        writeStack(fd, g_frames, frameCount);
    }
    if (fileFd >= 0)
        ::close(fileFd);
}

void restoreDefaultAndRaise(int sig)
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(sig, &action, nullptr);
    // The signal is blocked while its handler runs: it is delivered, with its default action,
    // when the handler returns. A fault would also come back by itself.
    ::raise(sig);
}

void fatalSignalHandler(int sig, siginfo_t* info, void* context)
{
    if (!g_terminateReported.load()) {
        if (g_reporting.exchange(true)) {
            // Another thread is writing its report and will end the process.
            for (;;)
                ::pause();
        }
        writeSignalReport(sig, info);
    }
    // Hand over to the handler that was there before ours, then die of the signal.
    // (sa_handler and sa_sigaction share their storage, so the test covers both.)
    const struct sigaction& previous = g_previousActions[sig];
    if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
        if ((previous.sa_flags & SA_SIGINFO) != 0)
            previous.sa_sigaction(sig, info, context);
        else
            previous.sa_handler(sig);
    }
    restoreDefaultAndRaise(sig);
}

bool isOurSignalHandler(const struct sigaction& action)
{
    return (action.sa_flags & SA_SIGINFO) != 0 && action.sa_sigaction == &fatalSignalHandler;
}

// --- uncaught exceptions ----------------------------------------------------------------

std::string currentExceptionTypeName()
{
    const std::type_info* type = abi::__cxa_current_exception_type();
    if (type == nullptr)
        return {};
    int status = 0;
    char* demangled = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
    std::string name = (status == 0 && demangled != nullptr) ? demangled : type->name();
    std::free(demangled);
    return name;
}

std::string terminateReportFileName()
{
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    char stamp[32] = {};
    if (localtime_r(&now, &local) == nullptr
        || std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local) == 0) {
        formatDecimal(std::uint64_t(now < 0 ? 0 : now), stamp);
    }
    return std::string(stamp) + kCrashFileSuffix;
}

[[noreturn]] void terminateHandler()
{
    static std::atomic<bool> entered{false};
    static thread_local bool enteredOnThisThread = false;
    if (enteredOnThisThread)
        std::abort(); // the report itself failed
    enteredOnThisThread = true;
    if (entered.exchange(true)) {
        // Another thread is reporting and will end the process.
        for (;;)
            ::pause();
    }

    std::string report;
    if (const std::exception_ptr current = std::current_exception()) {
        report = "Uncaught exception " + currentExceptionTypeName() + "\nReason: ";
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& error) {
            report += error.what();
        } catch (...) {
            report += "(no description)";
        }
    } else {
        report = "Terminated without an active exception";
    }
    report += '\n';

    const int frameCount = backtrace(g_frames, kMaxFrames);
    int fileFd = -1;
    if (g_crashDir[0] != '\0') {
        const std::string path = std::string(g_crashDir) + '/' + terminateReportFileName();
        fileFd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, kCrashFileMode);
    }
    const int fds[] = {fileFd, STDERR_FILENO};
    for (const int fd : fds) {
        if (fd < 0)
            continue;
        writeAll(fd, report.data(), report.size());
        writeStack(fd, g_frames, frameCount);
    }
    if (fileFd >= 0)
        ::close(fileFd);

    g_terminateReported.store(true);
    if (g_previousTerminate != nullptr)
        g_previousTerminate();
    std::abort();
}

// --- installation -------------------------------------------------------------------------

// Gives the calling thread an alternate signal stack, unless it has a large enough one.
void ensureAlternateStack()
{
    stack_t current = {};
    if (::sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE) == 0
        && current.ss_size >= kMinimumAlternateStackSize) {
        return;
    }
    // Mapped, never freed: the handler may need it until the process ends.
    void* memory = ::mmap(nullptr, kAlternateStackSize, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return;
    stack_t stack = {};
    stack.ss_sp = memory;
    stack.ss_size = kAlternateStackSize;
    stack.ss_flags = 0;
    if (::sigaltstack(&stack, nullptr) != 0)
        ::munmap(memory, kAlternateStackSize);
}

bool setCrashDirectory(const QString& crashDir)
{
    g_crashDir[0] = '\0';
    if (crashDir.isEmpty() || !QDir().mkpath(crashDir))
        return false;
    QByteArray path = QFile::encodeName(QDir(crashDir).absolutePath());
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    if (std::size_t(path.size()) >= kPathCapacity)
        return false;
    std::memcpy(g_crashDir, path.constData(), std::size_t(path.size()));
    g_crashDir[path.size()] = '\0';
    return true;
}

} // namespace

QString defaultCrashDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1String(kCrashFolderName);
}

bool installCrashHandlers(const QString& crashDir)
{
    // backtrace() loads the unwinder on its first call, which allocates: do it now, not in the
    // signal handler.
    void* warmUp[1];
    backtrace(warmUp, 1);

    const bool folderReady = setCrashDirectory(crashDir);
    ensureAlternateStack();

    struct sigaction action = {};
    action.sa_sigaction = &fatalSignalHandler;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (const int sig : kFatalSignals)
        sigaddset(&action.sa_mask, sig);
    for (const int sig : kFatalSignals) {
        struct sigaction previous = {};
        if (::sigaction(sig, &action, &previous) == 0 && !isOurSignalHandler(previous))
            g_previousActions[sig] = previous;
    }

    const std::terminate_handler previousTerminate = std::set_terminate(&terminateHandler);
    if (previousTerminate != &terminateHandler)
        g_previousTerminate = previousTerminate;
    return folderReady;
}

} // namespace vq
