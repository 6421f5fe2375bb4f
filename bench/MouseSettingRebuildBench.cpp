// The mouse settings page rebuilt with 8 keys of 3 press kinds and 20 functions each (what every
// DPI, report-rate and function report of the device does). Goal: median under 16 ms.
// Runs offscreen with its own main(); the maker's API points at a closed local port.

#include "MouseSettingViewController.h"
#include "VQApiConfig.h"
#include "VQCustomerKeyService.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

namespace {

constexpr int kKeyCount = 8;
constexpr int kFunctionCount = 20;

QJsonObject record()
{
    const char* keys[] = {"center_key", "voice_key", "search_key", "translate_key", "M_key", "AI_key", "dpi_set", "side_key"};
    const char* operations[] = {"sk", "dk", "lk"};
    QJsonArray keyInfos;
    for (int k = 0; k < kKeyCount; ++k) {
        QJsonArray kinds;
        for (int p = 0; p < 3; ++p) {
            QJsonArray functions;
            for (int f = 0; f < kFunctionCount; ++f)
                functions.append(QJsonObject{{"id", QStringLiteral("f%1_%2_%3").arg(k).arg(p).arg(f)},
                                             {"cmd", f % 2 ? "Action_VI" : "Action_OW"},
                                             {"name", QStringLiteral("功能 %1").arg(f)},
                                             {"first", f == 0 ? "1" : "0"}});
            kinds.append(QJsonObject{{"id", QStringLiteral("p%1_%2").arg(k).arg(p)}, {"operation", operations[p]},
                                     {"name", QStringLiteral("按键 %1").arg(p)}, {"childs", functions}});
        }
        keyInfos.append(QJsonObject{{"id", QStringLiteral("k%1").arg(k)}, {"key", keys[k]},
                                    {"name", QStringLiteral("键 %1").arg(k)}, {"childs", kinds}});
    }
    return QJsonObject{{"id", "UM"}, {"keyInfos", keyInfos},
                       {"functions", QJsonArray{QJsonObject{{"name", "ReportRate"}, {"code", "125,500,1000"}}}}};
}

void BM_RebuildMousePageWith8Keys(benchmark::State& state)
{
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("50"));
    VQCustomerKeyService& service = VQCustomerKeyService::sharedInstance();
    MouseSettingViewController page;
    page.view()->resize(1100, 760);
    page.view()->show();
    service.handleModelInfo(record(), VQUserInfoData::sharedInstance().productCode(),
                            VQUserInfoData::sharedInstance().mouseInfoItem().sn());
    QCoreApplication::processEvents();
    for (auto _ : state) {
        page.configUI();
        // The sections of the rebuild before go from the event loop.
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(page.sections().size());
    }
    state.counters["sections"] = static_cast<double>(page.sections().size());
}
BENCHMARK(BM_RebuildMousePageWith8Keys)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // No request leaves the machine: a port nobody listens on.
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::Api, QStringLiteral("http://127.0.0.1:9/api"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
