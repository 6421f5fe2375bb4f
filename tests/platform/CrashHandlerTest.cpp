#include "CrashHandler.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The crash tests run this binary again as a child that installs the handlers and crashes.
constexpr auto kChildTest = "--gtest_filter=CrashHandlerChild.DISABLED_CrashesAsTold";
constexpr auto kModeVariable = "VQ_CRASH_CHILD_MODE";
constexpr auto kFolderVariable = "VQ_CRASH_CHILD_FOLDER";
constexpr auto kExpectFolderVariable = "VQ_CRASH_CHILD_EXPECT_FOLDER";
constexpr int kPreviousHandlerExitCode = 42;

// --- the child ----------------------------------------------------------------------------

volatile int g_depthLimit = -1; // never reached: keeps the recursion from being folded away

__attribute__((noinline)) int recurseForever(int depth)
{
    volatile char frame[512];
    frame[0] = char(depth);
    if (depth == g_depthLimit)
        return frame[0];
    return recurseForever(depth + 1) + frame[0];
}

volatile std::uintptr_t g_invalidAddress = 16; // unmapped; read at run time, so no warning

__attribute__((noinline, no_sanitize("address", "undefined"))) void writeToAnInvalidAddress()
{
    *reinterpret_cast<volatile int*>(g_invalidAddress) = 1;
}

void previousSegvHandler(int)
{
    static const char text[] = "previous handler ran\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, sizeof text - 1);
    ::_exit(kPreviousHandlerExitCode);
}

TEST(CrashHandlerChild, DISABLED_CrashesAsTold)
{
    const QByteArray mode = qgetenv(kModeVariable);
    if (mode.isEmpty())
        GTEST_SKIP() << "runs only as the child of the crash handler tests";
    const rlimit noCoreFile{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCoreFile);

    if (mode == "overflow") {
        // Start without any alternate stack (a sanitizer runtime sets one up): the handlers
        // must bring their own.
        stack_t none = {};
        none.ss_flags = SS_DISABLE;
        ASSERT_EQ(::sigaltstack(&none, nullptr), 0);
    }
    if (mode == "chain") {
        struct sigaction action = {};
        action.sa_handler = &previousSegvHandler;
        sigemptyset(&action.sa_mask);
        ASSERT_EQ(::sigaction(SIGSEGV, &action, nullptr), 0);
    }
    const bool folderReady = vq::installCrashHandlers(qEnvironmentVariable(kFolderVariable));
    ASSERT_EQ(folderReady, qgetenv(kExpectFolderVariable) == "1");

    if (mode == "segv" || mode == "chain")
        writeToAnInvalidAddress();
    else if (mode == "overflow")
        recurseForever(0);
    else if (mode == "exception")
        throw std::runtime_error("the disk is on fire");
    ADD_FAILURE() << "still alive after mode " << mode.constData();
}

// --- the parent ---------------------------------------------------------------------------

struct ChildResult {
    bool signaled = false;
    int signal = 0;
    bool exited = false;
    int exitCode = 0;
    QString stderrText;
};

ChildResult runCrashingChild(const QByteArray& mode, const QString& folder, bool expectFolder,
                             const QString& stderrPath)
{
    const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
    std::vector<std::string> args{program.toStdString(), kChildTest, "--gtest_also_run_disabled_tests",
                                  "--gtest_catch_exceptions=0"};
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "ASAN_OPTIONS=", 13) != 0)
            env.emplace_back(*entry);
    }
    // Under AddressSanitizer the child leaves fatal signals to the handlers under test, so it
    // dies of the signal itself; the other checks stay on.
    std::string asanOptions = qEnvironmentVariable("ASAN_OPTIONS").toStdString();
    asanOptions += (asanOptions.empty() ? "" : ":");
    asanOptions += "handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_abort=0";
    env.push_back("ASAN_OPTIONS=" + asanOptions);
    env.push_back(std::string(kModeVariable) + '=' + mode.toStdString());
    env.push_back(std::string(kFolderVariable) + '=' + QFile::encodeName(folder).toStdString());
    env.push_back(std::string(kExpectFolderVariable) + '=' + (expectFolder ? "1" : "0"));

    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray errPath = QFile::encodeName(stderrPath);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ChildResult result;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start the child: " << std::strerror(spawned);
        return result;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            ADD_FAILURE() << "waitpid failed";
            return result;
        }
    }
    result.signaled = WIFSIGNALED(status);
    result.signal = result.signaled ? WTERMSIG(status) : 0;
    result.exited = WIFEXITED(status);
    result.exitCode = result.exited ? WEXITSTATUS(status) : 0;
    QFile err(stderrPath);
    if (err.open(QIODevice::ReadOnly))
        result.stderrText = QString::fromLocal8Bit(err.readAll());
    return result;
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The number of call-stack lines ("binary(symbol+0x12) [0x...]") after "Call stack:".
int stackFrameCount(const QString& report)
{
    const qsizetype start = report.indexOf(QStringLiteral("Call stack:\n"));
    if (start < 0)
        return 0;
    static const QRegularExpression frame(QStringLiteral(R"(\[0x[0-9a-f]+\]$)"));
    int frames = 0;
    for (const QString& line : report.mid(start).split(u'\n')) {
        if (frame.match(line).hasMatch())
            ++frames;
    }
    return frames;
}

class CrashHandlerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        m_crashDir = m_tmp.filePath(QStringLiteral("Documents/Crash"));
        m_stderrPath = m_tmp.filePath(QStringLiteral("stderr.txt"));
    }

    QStringList crashFiles() const
    {
        return QDir(m_crashDir).entryList({QStringLiteral("*_crash.txt")}, QDir::Files);
    }

    QTemporaryDir m_tmp;
    QString m_crashDir;
    QString m_stderrPath;
};

TEST_F(CrashHandlerTest, SegmentationFaultLeavesAReportAndKillsTheProcessWithTheSignal)
{
    const ChildResult child = runCrashingChild("segv", m_crashDir, true, m_stderrPath);
    EXPECT_TRUE(child.signaled) << "exit code " << child.exitCode;
    EXPECT_EQ(child.signal, SIGSEGV);

    const QStringList files = crashFiles();
    ASSERT_EQ(files.size(), 1) << files.join(u',').toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d+_crash\.txt$)")).match(files.first()).hasMatch());
    const qint64 seconds = files.first().section(u'_', 0, 0).toLongLong();
    EXPECT_LE(qAbs(seconds - QDateTime::currentSecsSinceEpoch()), 120);

    const QString report = readFile(QDir(m_crashDir).filePath(files.first()));
    EXPECT_TRUE(report.startsWith(QStringLiteral("Fatal signal SIGSEGV (11) at address 0x10\n"))) << report.toStdString();
    EXPECT_GE(stackFrameCount(report), 3) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("writeToAnInvalidAddress"))
                || report.contains(QStringLiteral("platform_tests")))
        << report.toStdString();
    // The same report on stderr.
    EXPECT_TRUE(child.stderrText.contains(QStringLiteral("Fatal signal SIGSEGV (11)")));
    EXPECT_GE(stackFrameCount(child.stderrText), 3);
}

TEST_F(CrashHandlerTest, StackOverflowIsReportedFromTheAlternateStack)
{
    const ChildResult child = runCrashingChild("overflow", m_crashDir, true, m_stderrPath);
    EXPECT_TRUE(child.signaled) << "exit code " << child.exitCode;
    EXPECT_EQ(child.signal, SIGSEGV);
    const QStringList files = crashFiles();
    ASSERT_EQ(files.size(), 1);
    const QString report = readFile(QDir(m_crashDir).filePath(files.first()));
    EXPECT_TRUE(report.startsWith(QStringLiteral("Fatal signal SIGSEGV"))) << report.toStdString();
    EXPECT_GE(stackFrameCount(report), 10) << report.toStdString();
}

TEST_F(CrashHandlerTest, UncaughtExceptionIsReportedOnceAndAborts)
{
    const ChildResult child = runCrashingChild("exception", m_crashDir, true, m_stderrPath);
    EXPECT_TRUE(child.signaled) << "exit code " << child.exitCode;
    EXPECT_EQ(child.signal, SIGABRT);

    // Only the exception's report: the abort that follows is not reported again.
    const QStringList files = crashFiles();
    ASSERT_EQ(files.size(), 1) << files.join(u',').toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d_crash\.txt$)"))
                    .match(files.first())
                    .hasMatch())
        << files.first().toStdString();
    const QString report = readFile(QDir(m_crashDir).filePath(files.first()));
    EXPECT_TRUE(report.startsWith(QStringLiteral("Uncaught exception std::runtime_error\n"
                                                 "Reason: the disk is on fire\n")))
        << report.toStdString();
    EXPECT_GE(stackFrameCount(report), 3) << report.toStdString();
    EXPECT_TRUE(child.stderrText.contains(QStringLiteral("the disk is on fire")));
}

TEST_F(CrashHandlerTest, AHandlerInstalledBeforeRunsAfterTheReport)
{
    const ChildResult child = runCrashingChild("chain", m_crashDir, true, m_stderrPath);
    EXPECT_TRUE(child.exited);
    EXPECT_EQ(child.exitCode, kPreviousHandlerExitCode);
    ASSERT_EQ(crashFiles().size(), 1);
    const qsizetype report = child.stderrText.indexOf(QStringLiteral("Fatal signal SIGSEGV"));
    const qsizetype previous = child.stderrText.indexOf(QStringLiteral("previous handler ran"));
    EXPECT_GE(report, 0);
    EXPECT_GT(previous, report) << child.stderrText.toStdString();
}

TEST_F(CrashHandlerTest, WithoutAUsableFolderTheReportGoesToStderr)
{
    QFile blocker(m_tmp.filePath(QStringLiteral("occupied")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString impossible = blocker.fileName() + QStringLiteral("/Crash");

    const ChildResult child = runCrashingChild("segv", impossible, false, m_stderrPath);
    EXPECT_TRUE(child.signaled) << "exit code " << child.exitCode << "\n" << child.stderrText.toStdString();
    EXPECT_EQ(child.signal, SIGSEGV);
    EXPECT_TRUE(child.stderrText.contains(QStringLiteral("Fatal signal SIGSEGV")));
    EXPECT_GE(stackFrameCount(child.stderrText), 3);
}

} // namespace
