// Voice-command matching as the search key runs it: an utterance of 20, 200 or 500 characters
// against 1,000, 10,000 or 100,000 commands in each of the two lists (custom, then common). The
// utterance matches nothing, so both lists are visited whole (the worst case), and it holds
// many beginnings of command words. Goal on a developer machine: under 1 ms for 500 characters
// against 10,000 commands in each list.
//
//   BM_Match           the program's path: the indexed matchers (each index built before timing)
//   BM_MatchPlainScan  the plain scan of every command, for comparison
//   BM_IndexBuild      indexing one list (done once per change of the list, at its next match)

#include "VQAudioMonitorService.h"
#include "VQCommandMatcher.h"
#include "VQVoiceCommandItem.h"

#include <QList>
#include <QString>

#include <benchmark/benchmark.h>

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

QString utterance(int characters)
{
    const QString sentence = QStringLiteral("请帮我打开今天的天气预报页面，Open Site maps please，谢谢。");
    QString text;
    while (text.size() < characters)
        text += sentence;
    text.truncate(characters);
    return QStringLiteral("  ") + text + QStringLiteral(" ");
}

void BM_Match(benchmark::State& state)
{
    const QList<VQVoiceCommandItem> custom = commandList(int(state.range(1)), true);
    const QList<VQVoiceCommandItem> common = commandList(int(state.range(1)), false);
    const QString text = utterance(int(state.range(0)));
    VQCommandMatcher customMatcher;
    VQCommandMatcher commonMatcher;
    customMatcher.match(custom, QStringLiteral("index"));
    commonMatcher.match(common, QStringLiteral("index"));
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
    const QList<VQVoiceCommandItem> custom = commandList(int(state.range(0)), true);
    for (auto _ : state) {
        VQCommandMatcher matcher;
        benchmark::DoNotOptimize(matcher.match(custom, QStringLiteral("index")));
    }
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

} // namespace
