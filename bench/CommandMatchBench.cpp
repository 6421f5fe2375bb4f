// Voice-command matching: an utterance against 10,000 commands, the whole list visited (the
// utterance matches nothing, the worst case). Goal on a developer machine: median under 1 ms.

#include "VQAudioMonitorService.h"
#include "VQVoiceCommandItem.h"

#include <QList>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

constexpr int kCommandCount = 10000;

QList<VQVoiceCommandItem> commandList()
{
    QList<VQVoiceCommandItem> commands;
    commands.reserve(kCommandCount);
    for (int i = 0; i < kCommandCount; ++i) {
        VQVoiceCommandItem item;
        item.cmdType = QStringLiteral("website");
        // Half custom words, half common words, Chinese and Latin.
        if (i % 2 == 0)
            item.customCmd = QStringLiteral("打开应用%1").arg(i);
        else
            item.cmdWord = QStringLiteral("Open Site %1").arg(i);
        item.customName = QStringLiteral("https://example.com/%1").arg(i);
        commands.append(item);
    }
    return commands;
}

void BM_MatchUtteranceAgainst10000Commands(benchmark::State& state)
{
    const QList<VQVoiceCommandItem> commands = commandList();
    const QString utterance = QStringLiteral("  请帮我打开今天的天气预报页面，谢谢。 ");
    for (auto _ : state) {
        const VQVoiceCommandItem* match = VQAudioMonitorService::searchCmdFromCommandArr(commands, utterance);
        benchmark::DoNotOptimize(match);
    }
}
BENCHMARK(BM_MatchUtteranceAgainst10000Commands)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
