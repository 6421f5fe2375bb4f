// The local store with a full voice-command table: 10,000 rows written in one call and read back.
// Goals on a developer machine: the insert under 50 ms, the select under 20 ms.
// The database lives in a temporary folder, never in the user's Documents.

#include "KVDSqliteOperation.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <optional>
#include <vector>

namespace {

constexpr int kRowCount = 10000;
const QString kBenchTable = QStringLiteral("BenchVoiceCmdList");

// A row with the columns of a voice command: type word, custom word and target, common word
// and target, and the type index.
class BenchCommandRow : public KVDSqliteModel {
public:
    QStringList propertyNames() const override
    {
        static const QStringList names = { QStringLiteral("cmdType"), QStringLiteral("customCmd"),
                                           QStringLiteral("customName"), QStringLiteral("cmdWord"),
                                           QStringLiteral("cmdExecute"), QStringLiteral("typeIndex") };
        return names;
    }

    std::optional<QString> propertyText(const QString& name) const override
    {
        const int i = indexOf(name);
        return i < 0 ? std::nullopt : values[static_cast<size_t>(i)];
    }

    void setPropertyText(const QString& name, const QString& text) override
    {
        const int i = indexOf(name);
        if (i >= 0)
            values[static_cast<size_t>(i)] = text;
    }

    std::array<std::optional<QString>, 6> values;

private:
    int indexOf(const QString& name) const { return static_cast<int>(propertyNames().indexOf(name)); }
};

const std::array<QString, 6> kTypeWords = { QStringLiteral("file"), QStringLiteral("folder"),
                                            QStringLiteral("website"), QStringLiteral("shortcuts"),
                                            QStringLiteral("text"), QStringLiteral("phrase") };

std::vector<BenchCommandRow> makeRows()
{
    std::vector<BenchCommandRow> rows(kRowCount);
    for (int i = 0; i < kRowCount; ++i) {
        const int type = i % 6;
        BenchCommandRow& row = rows[static_cast<size_t>(i)];
        row.values[0] = kTypeWords[static_cast<size_t>(type)];
        row.values[1] = QStringLiteral("打开我的项目 %1").arg(i);
        row.values[2] = QStringLiteral("/home/user/Documents/项目/report-%1.pdf").arg(i);
        row.values[3] = QStringLiteral("打开浏览器 %1").arg(i);
        row.values[4] = QStringLiteral("https://www.example.com/search?q=it's+%1").arg(i);
        row.values[5] = QString::number(type);
    }
    return rows;
}

// Points the store at a fresh database file in a temporary folder for the life of the program.
KVDSqliteOperation& benchStore()
{
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/vq-store-bench-XXXXXX"));
    static const bool ready = [] {
        KVDSqliteOperation::resetForTests(folder.filePath(QStringLiteral("VQSqliteDataBase.sqlite")));
        return folder.isValid()
            && KVDSqliteOperation::shareOperation().createTableWithtableName(kBenchTable, BenchCommandRow());
    }();
    (void)ready;
    return KVDSqliteOperation::shareOperation();
}

void BM_InsertVoiceCommands(benchmark::State& state)
{
    KVDSqliteOperation& store = benchStore();
    const std::vector<BenchCommandRow> rows = makeRows();
    for (auto _ : state) {
        state.PauseTiming();
        store.delectAllDataBaseWithtableName(kBenchTable);
        state.ResumeTiming();
        if (!store.insertsDataBaseWithtableName(kBenchTable, rows)) {
            state.SkipWithError("insert failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRowCount);
}
BENCHMARK(BM_InsertVoiceCommands)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SelectVoiceCommands(benchmark::State& state)
{
    KVDSqliteOperation& store = benchStore();
    const std::vector<BenchCommandRow> rows = makeRows();
    if (!store.delectAllDataBaseWithtableName(kBenchTable) || !store.insertsDataBaseWithtableName(kBenchTable, rows)) {
        state.SkipWithError("cannot fill the table");
        return;
    }
    for (auto _ : state) {
        auto models = store.selectAllDataBaseWithtableName<BenchCommandRow>(kBenchTable);
        if (models.size() != rows.size()) {
            state.SkipWithError("select returned a wrong number of rows");
            break;
        }
        benchmark::DoNotOptimize(models.data());
    }
    state.SetItemsProcessed(state.iterations() * kRowCount);
}
BENCHMARK(BM_SelectVoiceCommands)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

