// The command-word list reloaded with 1,000 commands: the store's list read, every row shown
// again and the list painted (what every fetch, editor finish and delete does, up to what the
// user sees). Goal: median under 100 ms.
// Runs offscreen with its own main().

#include "CommandWordView.h"
#include "KVDSqliteOperation.h"
#include "PaintWait.h"
#include "VQCommandViewModel.h"
#include "VQRowTableView.h"

#include <QApplication>
#include <QStandardPaths>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kCommandCount = 1000;

void BM_ReloadCommandListWith1000Commands(benchmark::State& state)
{
    QTemporaryDir dir;
    KVDSqliteOperation::resetForTests(dir.filePath(QStringLiteral("bench.sqlite")));
    VQCommandViewModel& store = VQCommandViewModel::sharedInstance();
    store.createCommandTables();
    QJsonArray data;
    const char* types[] = {"file", "folder", "website", "shortcuts", "text"};
    for (int i = 0; i < kCommandCount; ++i) {
        data.append(QJsonObject{{"cmdType", QString::fromLatin1(types[i % 5])},
                                {"customCmd", QStringLiteral("指令%1").arg(i)},
                                {"customName", i % 5 == 3 ? QStringLiteral(R"({"keyCode":40,"modifierFlags":786432})")
                                                          : QStringLiteral("file:///home/user/文档/报告%1.txt").arg(i)}});
    }
    store.updateLocalCustomizeCmdList(QJsonObject{{"data", data}});

    QWidget host;
    host.resize(900, 640);
    auto* list = new CommandWordView(&host);
    list->setGeometry(host.rect());
    host.show();
    list->reloadData();
    PaintWait paint(host);
    paint.waitForPaint();
    for (auto _ : state) {
        list->reloadData();
        if (!paint.waitForPaint()) {
            state.SkipWithError("the reloaded list was not painted");
            break;
        }
        benchmark::DoNotOptimize(list->tableView()->rowCount());
    }
    state.counters["rows"] = list->tableView()->rowCount();
    KVDSqliteOperation::resetForTests();
}
BENCHMARK(BM_ReloadCommandListWith1000Commands)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
