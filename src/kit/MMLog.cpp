#include "MMLog.h"

#include "MMLoggedAddress.h"
#include "MMPrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <spdlog/logger.h>
#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/sinks/stdout_color_sinks.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include <sys/stat.h>

namespace mm {

namespace {

constexpr auto kLogFolderName = "/MMLogs";
constexpr auto kLogFileName = "/MMLog.log";
constexpr auto kLoggerName = "vq";

constexpr std::size_t kLogFileCount = 200;
constexpr std::size_t kLogQuotaBytes = 20u * 1024u * 1024u;
constexpr std::size_t kLogFileBytes = kLogQuotaBytes / kLogFileCount;
// The longest message written whole; longer ones are cut (a broken answer must not fill the
// log).
constexpr qsizetype kLogMessageLimit = 2000;

// Custom flag of the pattern below that writes the level glyph.
constexpr char kLevelGlyphFlag = '*';
constexpr auto kLinePattern = "[%Y-%m-%d %H:%M:%S.%e ● %s ● %# ● %!] %^%*%$ ● %v";

std::string_view levelGlyph(spdlog::level::level_enum level)
{
    switch (level) {
    case spdlog::level::trace:
        return "V";
    case spdlog::level::debug:
        return "D";
    case spdlog::level::info:
        return "I";
    case spdlog::level::warn:
        return "W";
    case spdlog::level::err:
    case spdlog::level::critical:
        return "❌";
    default:
        return "";
    }
}

class LevelGlyphFormatter final : public spdlog::custom_flag_formatter {
public:
    void format(const spdlog::details::log_msg& msg, const std::tm&, spdlog::memory_buf_t& dest) override
    {
        const std::string_view glyph = levelGlyph(msg.level);
        dest.append(glyph.data(), glyph.data() + glyph.size());
    }

    std::unique_ptr<custom_flag_formatter> clone() const override
    {
        return std::make_unique<LevelGlyphFormatter>();
    }
};

spdlog::level::level_enum toSpdlogLevel(LogLevel level)
{
    switch (level) {
    case LogLevel::Verbose:
        return spdlog::level::trace;
    case LogLevel::Debug:
        return spdlog::level::debug;
    case LogLevel::Info:
        return spdlog::level::info;
    case LogLevel::Warn:
        return spdlog::level::warn;
    case LogLevel::Error:
        return spdlog::level::err;
    }
    return spdlog::level::info;
}

std::unique_ptr<spdlog::formatter> makeLineFormatter()
{
    auto formatter = std::make_unique<spdlog::pattern_formatter>();
    formatter->add_flag<LevelGlyphFormatter>(kLevelGlyphFlag).set_pattern(kLinePattern);
    return formatter;
}

std::shared_ptr<spdlog::logger> makeLogger(std::vector<spdlog::sink_ptr> sinks)
{
    auto logger = std::make_shared<spdlog::logger>(kLoggerName, sinks.begin(), sinks.end());
    logger->set_formatter(makeLineFormatter());
    logger->set_level(spdlog::level::trace);
    // Every line reaches its file at once, so the lines before a crash are not lost.
    logger->flush_on(spdlog::level::trace);
    return logger;
}

struct LoggerState {
    std::mutex mutex;
    spdlog::sink_ptr console;
    std::shared_ptr<spdlog::logger> logger;
};

// Never destroyed: lines are logged until the process ends, also from exit() handlers and
// threads that outlive the static destructors. Every line is flushed as it is written.
LoggerState& state()
{
    static auto* s = new LoggerState;
    return *s;
}

// The current logger; a console-only one until setupLogging() succeeds.
std::shared_ptr<spdlog::logger> currentLogger()
{
    LoggerState& s = state();
    const std::lock_guard lock(s.mutex);
    if (!s.logger) {
        s.console = std::make_shared<spdlog::sinks::stderr_color_sink_mt>();
        s.logger = makeLogger({s.console});
    }
    return s.logger;
}

} // namespace

QString defaultLogDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QLatin1String(kLogFolderName);
}

bool setupLogging(const QString& logDir)
{
    if (!makePrivateFolder(logDir)) {
        VQLogError(QStringLiteral("cannot create the log folder \"%1\"; the log output is unchanged").arg(logDir));
        return false;
    }
    // Files of earlier runs may have been made readable by others.
    const QDir folder(logDir);
    for (const QString& name : folder.entryList({QStringLiteral("MMLog*.log")}, QDir::Files))
        QFile::setPermissions(folder.filePath(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    std::shared_ptr<spdlog::sinks::rotating_file_sink_mt> fileSink;
    try {
        const std::string path = QDir::toNativeSeparators(logDir + QLatin1String(kLogFileName)).toStdString();
        spdlog::file_event_handlers handlers;
        handlers.after_open = [](const spdlog::filename_t&, std::FILE* file) { ::fchmod(::fileno(file), 0600); };
        fileSink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(path, kLogFileBytes, kLogFileCount - 1,
                                                                          false, handlers);
    } catch (const spdlog::spdlog_ex& error) {
        VQLogError(QStringLiteral("cannot open the log file in \"%1\": %2; the log output is unchanged")
                       .arg(logDir, QString::fromLocal8Bit(error.what())));
        return false;
    }
    currentLogger(); // the console sink exists from here on
    LoggerState& s = state();
    const std::lock_guard lock(s.mutex);
    s.logger->flush();
    s.logger = makeLogger({s.console, fileSink});
    return true;
}

namespace {

struct FlushSteps {
    std::mutex mutex;
    std::vector<std::function<void()>> steps;
};

// Never destroyed: the steps also run from an exit() handler, after static destructors.
FlushSteps& flushSteps()
{
    static auto* steps = new FlushSteps;
    return *steps;
}

} // namespace

void addLogFlushStep(std::function<void()> step)
{
    FlushSteps& f = flushSteps();
    const std::lock_guard lock(f.mutex);
    f.steps.push_back(std::move(step));
}

void flushLogs()
{
    std::vector<std::function<void()>> steps;
    {
        FlushSteps& f = flushSteps();
        const std::lock_guard lock(f.mutex);
        steps = f.steps;
    }
    for (const auto& step : steps)
        step();
    currentLogger()->flush();
}

QString logSafeText(const QString& text, qsizetype limit)
{
    QString out;
    out.reserve(std::min(text.size(), limit) + 16);
    qsizetype shown = 0;
    for (const QChar c : text) {
        if (shown >= limit)
            break;
        const char16_t code = c.unicode();
        if (code == u'\n') {
            out += QLatin1String("\\n");
        } else if (code == u'\r') {
            out += QLatin1String("\\r");
        } else if (code == u'\t') {
            out += QLatin1String("\\t");
        } else if (code < 0x20 || code == 0x7f || (code >= 0x80 && code < 0xa0) || code == 0xfffd
                   || (c.category() == QChar::Other_Format && code != 0x200c && code != 0x200d)) {
            // Control, format (bidi overrides) and undecodable characters are shown by number,
            // so bytes of a broken answer cannot forge or hide lines.
            out += QStringLiteral("\\x{%1}").arg(static_cast<uint>(code), 0, 16);
        } else {
            out += c;
        }
        ++shown;
    }
    if (shown < text.size())
        out += QStringLiteral("… (%1 more characters)").arg(text.size() - shown);
    return out;
}

void logMessage(LogLevel level, const char* file, int line, const char* function, const QString& message)
{
    const QByteArray text = logSafeText(withLoggedAddresses(message), kLogMessageLimit).toUtf8();
    currentLogger()->log(spdlog::source_loc{file, line, function}, toSpdlogLevel(level),
                         spdlog::string_view_t(text.constData(), std::size_t(text.size())));
}

} // namespace mm
