// Voice-command matching as the search key runs it: an utterance of 20, 200 or 500 characters
// against 1,000, 10,000 or 100,000 commands in each of the two lists (custom, then common). The
// utterance matches nothing, so both lists are visited whole (the worst case), and it holds
// many beginnings of command words. Goal on a developer machine: under 1 ms for 500 characters
// against 10,000 commands in each list.
//
//   BM_Match            the program's path: the indexed matchers (each index ready before timing)
//   BM_MatchPlainScan   the plain scan of every command, for comparison
//   BM_IndexBuild       one list indexed on a worker, from the request to the index in use
//   BM_FirstSearchAfterListsReplaced
//                       the store's two lists replaced (as at start-up and at every device)
//                       and the search key's text asked for at once, through the voice hub:
//                       the main thread's time in those calls, and as counters the longest
//                       single main-thread step (its processor time) while the search's
//                       command and the indexes arrive ("longest_step_ms"), the time to the command ("to_command_ms")
//                       and to both indexes ready ("to_indexes_ms"). Goal: no call waits for an
//                       index, no main-thread step over 5 ms with 100,000 commands per list.
//   BM_IndexMemory      the heap the two lists' indexes hold, per command ("bytes_per_command"),
//                       for lists of varied words (Chinese and Latin, 4 to 24 characters, few
//                       shared beginnings) and for the lists of the figures above (Release
//                       build: a sanitiser's allocator reports no heap). Goal: under 512 bytes
//                       per command.

#include "DesktopOpener.h"
#include "VQAudioMonitorService.h"
#include "VQCommandMatcher.h"
#include "VQCommandViewModel.h"
#include "VQVoiceCommandItem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

#include <malloc.h>
#include <stdio.h>
#include <time.h>
#include <unistd.h>

namespace {

QList<VQVoiceCommandItem> commandList(int count, bool custom)
{
    QList<VQVoiceCommandItem> commands;
    commands.reserve(count);
    for (int i = 0; i < count; ++i) {
        VQVoiceCommandItem item;
        item.cmdType = QStringLiteral("website");
        // Chinese and Latin words in both lists.
        const QString word = i % 2 == 0 ? QStringLiteral("打开应用%1").arg(i) : QStringLiteral("Open Site %1").arg(i);
        (custom ? item.customCmd : item.cmdWord) = word;
        (custom ? item.customName : item.cmdExecute) = QStringLiteral("https://example.com/%1").arg(i);
        commands.append(item);
    }
    return commands;
}

// Words as people name their commands: a Chinese verb and object or a few Latin words, 4 to 24
// characters, seldom sharing more than their first word.
QList<VQVoiceCommandItem> variedCommandList(int count, bool custom, unsigned seed)
{
    static const QStringList verbs = {QStringLiteral("打开"), QStringLiteral("关闭"), QStringLiteral("搜索"),
                                      QStringLiteral("启动"), QStringLiteral("播放"), QStringLiteral("切换到")};
    std::mt19937 random(seed);
    const auto number = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    QList<VQVoiceCommandItem> commands;
    commands.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString word;
        if (i % 2 == 0) {
            word = verbs.at(number(0, int(verbs.size()) - 1));
            for (int n = number(2, 12); n > 0; --n)
                word += QChar(char16_t(number(0x4E00, 0x9FA5)));
        } else {
            for (int words = number(1, 4); words > 0; --words) {
                if (!word.isEmpty())
                    word += u' ';
                for (int n = number(3, 7); n > 0; --n)
                    word += QChar(char16_t(number(0, 3) == 0 ? number('A', 'Z') : number('a', 'z')));
            }
        }
        VQVoiceCommandItem item;
        item.cmdType = QStringLiteral("website");
        (custom ? item.customCmd : item.cmdWord) = word;
        (custom ? item.customName : item.cmdExecute) = QStringLiteral("https://example.com/%1").arg(i);
        commands.append(item);
    }
    return commands;
}

size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

double residentBytes()
{
    long pages = 0, resident = 0;
    if (FILE* statm = fopen("/proc/self/statm", "r")) {
        if (fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

QString utterance(int characters)
{
    const QString sentence = QStringLiteral("请帮我打开今天的天气预报页面，Open Site maps please，谢谢。");
    QString text;
    while (text.size() < characters)
        text += sentence;
    text.truncate(characters);
    return QStringLiteral("  ") + text + QStringLiteral(" ");
}

// The indexes are built on workers and handed over through the event loop; the store keeps its
// database in a private home.
void application()
{
    if (QCoreApplication::instance())
        return;
    static QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    static int argc = 1;
    static char name[] = "vq_bench";
    static char* argv[] = {name, nullptr};
    QCoreApplication::setApplicationName(QStringLiteral("vq_bench"));
    new QCoreApplication(argc, argv);
}

double threadCpuMs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Runs the event loop until the condition holds; the main thread's longest busy pass, in ms
// (its processor time: the passes also sleep until the workers' results arrive).
double runUntil(const std::function<bool()>& done)
{
    double longest = 0;
    QElapsedTimer deadline;
    deadline.start();
    while (!done() && deadline.elapsed() < 10000) {
        const double before = threadCpuMs();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        longest = std::max(longest, threadCpuMs() - before);
    }
    return longest;
}

void waitForIndex(const VQCommandMatcher& matcher, const QList<VQVoiceCommandItem>& commands)
{
    runUntil([&] { return matcher.isIndexFor(commands); });
}

// Counts the web searches the hub asks for, opening nothing.
class CountingOpener : public DesktopOpener {
public:
    bool openUrl(const QUrl&) override
    {
        ++opened;
        return true;
    }
    int opened = 0;
};

void BM_Match(benchmark::State& state)
{
    application();
    const QList<VQVoiceCommandItem> custom = commandList(int(state.range(1)), true);
    const QList<VQVoiceCommandItem> common = commandList(int(state.range(1)), false);
    const QString text = utterance(int(state.range(0)));
    VQCommandMatcher customMatcher;
    VQCommandMatcher commonMatcher;
    customMatcher.prepare(custom);
    commonMatcher.prepare(common);
    waitForIndex(customMatcher, custom);
    waitForIndex(commonMatcher, common);
    for (auto _ : state) {
        const QString trimmed = VQAudioMonitorService::trimmedCommandText(text);
        const VQVoiceCommandItem* match = customMatcher.match(custom, trimmed);
        if (!match)
            match = commonMatcher.match(common, trimmed);
        benchmark::DoNotOptimize(match);
    }
}

void BM_MatchPlainScan(benchmark::State& state)
{
    const QList<VQVoiceCommandItem> custom = commandList(int(state.range(1)), true);
    const QList<VQVoiceCommandItem> common = commandList(int(state.range(1)), false);
    const QString text = utterance(int(state.range(0)));
    for (auto _ : state) {
        const VQVoiceCommandItem* match = VQAudioMonitorService::searchCmdFromCommandArr(custom, text);
        if (!match)
            match = VQAudioMonitorService::searchCmdFromCommandArr(common, text);
        benchmark::DoNotOptimize(match);
    }
}

void BM_IndexBuild(benchmark::State& state)
{
    application();
    const QList<VQVoiceCommandItem> custom = commandList(int(state.range(0)), true);
    for (auto _ : state) {
        VQCommandMatcher matcher;
        matcher.prepare(custom);
        waitForIndex(matcher, custom);
    }
}

void BM_FirstSearchAfterListsReplaced(benchmark::State& state)
{
    application();
    CountingOpener opener;
    DesktopOpener::setInstance(&opener);
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    VQAudioMonitorService& hub = VQAudioMonitorService::sharedInstance();
    const QList<VQVoiceCommandItem> custom = commandList(int(state.range(1)), true);
    const QList<VQVoiceCommandItem> common = commandList(int(state.range(1)), false);
    const QString text = utterance(int(state.range(0)));
    double longestStep = 0;
    double toCommand = 0;
    double toIndexes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Lists of their own data, as a reply from the server gives them.
        QList<VQVoiceCommandItem> newCustom = custom;
        QList<VQVoiceCommandItem> newCommon = common;
        newCustom.detach();
        newCommon.detach();
        const int openedBefore = opener.opened;
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        store.customizeCmdListArray() = std::move(newCustom);
        store.setCommonCmdListArray(std::move(newCommon));
        hub.requestMatchingCmd(text);
        state.PauseTiming();
        longestStep = std::max(longestStep, runUntil([&] { return opener.opened > openedBefore; }));
        toCommand += clock.nsecsElapsed() / 1e6;
        longestStep = std::max(longestStep, runUntil([&] { return hub.areCommandIndexesReady(); }));
        toIndexes += clock.nsecsElapsed() / 1e6;
        state.ResumeTiming();
    }
    state.counters["longest_step_ms"] = longestStep;
    state.counters["to_command_ms"] = toCommand / double(state.iterations());
    state.counters["to_indexes_ms"] = toIndexes / double(state.iterations());
    DesktopOpener::setInstance(nullptr);
}

void BM_IndexMemory(benchmark::State& state)
{
    application();
    const int count = int(state.range(1));
    const bool varied = state.range(0) != 0;
    const QList<VQVoiceCommandItem> custom = varied ? variedCommandList(count, true, 1) : commandList(count, true);
    const QList<VQVoiceCommandItem> common = varied ? variedCommandList(count, false, 2) : commandList(count, false);
    qsizetype units = 0;
    for (const auto* list : {&custom, &common})
        for (const VQVoiceCommandItem& item : *list)
            units += (item.customCmd.isEmpty() ? item.cmdWord : item.customCmd).size();
    double bytes = 0;
    double resident = 0;
    for (auto _ : state) {
        auto customMatcher = std::make_unique<VQCommandMatcher>();
        auto commonMatcher = std::make_unique<VQCommandMatcher>();
        QThreadPool::globalInstance()->waitForDone();
        const size_t before = heapInUse();
        const double residentBefore = residentBytes();
        customMatcher->prepare(custom);
        commonMatcher->prepare(common);
        waitForIndex(*customMatcher, custom);
        waitForIndex(*commonMatcher, common);
        QThreadPool::globalInstance()->waitForDone();
        bytes = double(heapInUse()) - double(before);
        resident = residentBytes() - residentBefore;
        state.PauseTiming();
        customMatcher.reset();
        commonMatcher.reset();
        QThreadPool::globalInstance()->waitForDone();
        state.ResumeTiming();
    }
    state.counters["bytes_per_command"] = bytes / double(2 * count);
    state.counters["resident_per_command"] = resident / double(2 * count);
    state.counters["chars_per_word"] = double(units) / double(2 * count);
}

void sizes(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"chars", "commands"});
    for (const int commands : {1000, 10000, 100000})
        for (const int chars : {20, 200, 500})
            bench->Args({chars, commands});
}

BENCHMARK(BM_Match)->Apply(sizes)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_MatchPlainScan)->Apply(sizes)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_IndexBuild)->ArgName("commands")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstSearchAfterListsReplaced)
    ->ArgNames({"chars", "commands"})
    ->Args({20, 100000})
    ->Args({500, 100000})
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexMemory)
    ->ArgNames({"varied", "commands"})
    ->Args({1, 10000})
    ->Args({1, 100000})
    ->Args({0, 10000})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
