// The offline recogniser of the speech-SDK path (pocketsphinx, US English) on the test recording
// of its package ("go forward ten meters", 2.79 s of 16 kHz speech), driven as the recognition
// service drives it: through IFlyASRManager, 1280-byte chunks, results on the main thread.
//
//   load           the model loaded by the worker after the first start (a new recogniser each time);
//                  first_ms: the first of the process, which also opens the libraries and checks
//                  the model in a child process
//   unpaced        the whole recording written at once, then the stop: the time to the final
//                  result; rtf = that time / the recording's length (the real-time factor)
//   paced          the chunks written at the pace of speech (one every 40 ms on a precise timer),
//                  then the stop: the time from the last audio to the final result
//
// Runs with its own main(), no display needed.

#include "IFlyASRManager.h"
#include "VQLanguageManager.h"
#include "VQPocketsphinxRecognizer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QVariantMap>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kRecording[] = "/usr/share/pocketsphinx/test/data/goforward.raw";
constexpr int kChunkBytes = 1280;
constexpr int kChunkMs = 40;

const QByteArray& recording()
{
    static const QByteArray audio = [] {
        QFile file(QString::fromLatin1(kRecording));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return audio;
}

double recordingSeconds()
{
    return double(recording().size()) / (2.0 * VQPocketsphinxRecognizer::kSampleRate);
}

bool waitUntil(const std::function<bool()>& predicate, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!predicate()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(1, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// The recogniser installed in the manager for US English, as the program installs it.
VQPocketsphinxRecognizer& recognizer()
{
    static VQPocketsphinxRecognizer* installed = [] {
        auto* r = new VQPocketsphinxRecognizer;
        IFlyASRManager::sharedInstance().setRecognizer(r);
        VQLanguageManager::sharedInstance().setAudioLanguageArr({QVariantMap{{QStringLiteral("code"), QStringLiteral("EN_US")}}});
        return r;
    }();
    return *installed;
}

struct Utterance {
    bool ended = false;
    QString text;
    Clock::time_point endedAt;
};

bool start(const std::shared_ptr<Utterance>& utterance)
{
    return IFlyASRManager::sharedInstance().startAsr([utterance](int status, const QString& text) {
        if (status == VQSpeechRecognizer::kStatusEnd && !utterance->ended) {
            utterance->ended = true;
            utterance->text = text;
            utterance->endedAt = Clock::now();
        }
    });
}

void BM_Load(benchmark::State& state)
{
    VQLanguageManager::sharedInstance().setAudioLanguageArr({QVariantMap{{QStringLiteral("code"), QStringLiteral("EN_US")}}});
    double first = -1;
    for (auto _ : state) {
        VQPocketsphinxRecognizer fresh;
        fresh.setLanguage(QString::fromLatin1(VQPocketsphinxRecognizer::kLanguage));
        const auto begun = Clock::now();
        if (fresh.start() != 0 || !waitUntil([&fresh] { return fresh.isModelLoaded(); }, 30000)) {
            state.SkipWithError("the model did not load");
            return;
        }
        const double taken = std::chrono::duration<double>(Clock::now() - begun).count();
        state.SetIterationTime(taken);
        if (first < 0)
            first = taken;
        fresh.stop();
    }
    state.counters["first_ms"] = first * 1000;
}

void BM_Unpaced(benchmark::State& state)
{
    recognizer();
    double seconds = 0;
    for (auto _ : state) {
        auto utterance = std::make_shared<Utterance>();
        if (!start(utterance)) {
            state.SkipWithError("the recogniser did not start");
            return;
        }
        // The model is in before the clock starts.
        waitUntil([] { return recognizer().isModelLoaded(); }, 30000);
        const auto begun = Clock::now();
        for (qsizetype at = 0; at < recording().size(); at += kChunkBytes)
            IFlyASRManager::sharedInstance().sendPcmData(recording().mid(at, kChunkBytes));
        IFlyASRManager::sharedInstance().stopAsr();
        if (!waitUntil([&] { return utterance->ended; }, 30000)) {
            state.SkipWithError("no final result");
            return;
        }
        const double taken = std::chrono::duration<double>(utterance->endedAt - begun).count();
        state.SetIterationTime(taken);
        seconds += taken;
        if (utterance->text != QLatin1String("go forward ten meters"))
            state.SkipWithError(qPrintable(QStringLiteral("recognised \"%1\"").arg(utterance->text)));
    }
    state.counters["rtf"] = seconds / double(state.iterations()) / recordingSeconds();
}

void BM_Paced(benchmark::State& state)
{
    recognizer();
    for (auto _ : state) {
        auto utterance = std::make_shared<Utterance>();
        if (!start(utterance)) {
            state.SkipWithError("the recogniser did not start");
            return;
        }
        waitUntil([] { return recognizer().isModelLoaded(); }, 30000);
        QEventLoop loop;
        QTimer pace;
        pace.setTimerType(Qt::PreciseTimer);
        qsizetype at = 0;
        Clock::time_point lastAudio;
        QObject::connect(&pace, &QTimer::timeout, &loop, [&] {
            IFlyASRManager::sharedInstance().sendPcmData(recording().mid(at, kChunkBytes));
            at += kChunkBytes;
            if (at >= recording().size()) {
                pace.stop();
                lastAudio = Clock::now();
                IFlyASRManager::sharedInstance().stopAsr();
                loop.quit();
            }
        });
        pace.start(kChunkMs);
        loop.exec();
        if (!waitUntil([&] { return utterance->ended; }, 30000)) {
            state.SkipWithError("no final result");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(utterance->endedAt - lastAudio).count());
    }
}

} // namespace

BENCHMARK(BM_Load)->Name("offline_recognizer/load")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Unpaced)->Name("offline_recognizer/unpaced")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Paced)
    ->Name("offline_recognizer/paced_last_audio_to_final")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
    ->DisplayAggregatesOnly(true);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (recording().isEmpty()) {
        std::fprintf(stderr, "%s is missing (package pocketsphinx-testdata)\n", kRecording);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fflush(stdout);
    // Qt Multimedia is not loaded here, but the recogniser's worker may still run: end at once.
    std::_Exit(0);
}
