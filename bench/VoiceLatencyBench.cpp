// The latency our program adds to live voice: from a voice report of the device reaching the
// device link to the frame carrying its audio arriving on the speech server's socket. The device
// is the simulated 16 kHz receiver (plan 4), streaming at the pace of real voice (one 57-byte
// report about every 7 ms, so one 1280-byte chunk about every 40 ms); the server is the stand-in
// of the tests on 127.0.0.1. The whole chain runs as in the program: device link, voice hub,
// recognition service, websocket. Each iteration is one utterance (a press of the voice key,
// about 3 s of voice, the release). Only frames whose report arrived while the connection was
// open count (the first chunks wait for the connection); a frame's report is the last voice
// report that arrived before it.
//
// The figures: median_us, p99_us and max_us of those frames, and frames, the number measured.

#include "HIDDevice.h"
#include "HidTransport.h"
#include "SimulatedReceiver.h"
#include "StandInSpeechServer.h"
#include "UserDefaults.h"
#include "VQApiConfig.h"
#include "VQAudioMonitorService.h"
#include "VQDeviceEvents.h"
#include "VQMouseCommandManager.h"
#include "VQVoiceStream.h"
#include "VQWebApiAsrService.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBlocks = 96; // 96 ADPCM blocks of 505 samples: about 3 s of 16 kHz voice

void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()>& predicate, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!predicate()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// A private home for the run, so the bench never touches the user's settings, and the
// offscreen platform for the hub's tip window.
QApplication& application()
{
    static QTemporaryDir* home = nullptr;
    static QApplication* app = [] {
        home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/vq-bench-home-XXXXXX"));
        const QByteArray path = QFile::encodeName(home->path());
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            qputenv(name, path);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        static int argc = 1;
        static char name[] = "vq_voice_bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

// The simulated receiver's transport with a clock: notes when each voice report reaches the
// device link, and whether the speech connection was open then.
class TimedTransport : public HidTransport {
public:
    struct Arrival {
        Clock::time_point at;
        bool socketOpen = false;
    };

    explicit TimedTransport(SimulatedReceiver& inner)
        : m_inner(inner)
        , m_commandIndex(1 + int(inner.model().prefix.size()) + 2)
    {
    }

    QList<HidDeviceInfo> enumerate() override { return m_inner.enumerate(); }
    void watchHotplug(HotplugHandler handler) override { m_inner.watchHotplug(std::move(handler)); }
    int open(const QString& path, ReportHandler onReport, ErrorHandler onError, QString* error) override
    {
        return m_inner.open(
            path,
            [this, onReport](const QByteArray& report) {
                if (report.size() > m_commandIndex && quint8(report[m_commandIndex]) == VQVoiceStream::kVoiceDataCommand)
                    arrivals.push_back({Clock::now(), VQWebApiAsrService::sharedInstance().isSocketOpen()});
                onReport(report);
            },
            std::move(onError), error);
    }
    void write(int handle, const QByteArray& report, WriteDone done) override
    {
        m_inner.write(handle, report, std::move(done));
    }
    void close(int handle) override { m_inner.close(handle); }

    std::vector<Arrival> arrivals;

private:
    SimulatedReceiver& m_inner;
    int m_commandIndex;
};

// ADPCM blocks with valid headers and random codes.
QByteArray adpcmBlocks(int blocks)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray out;
    for (int b = 0; b < blocks; ++b) {
        QByteArray block(VQVoiceStream::kBlockBytes, '\0');
        for (char& c : block)
            c = char(byte(random));
        block[2] = char(byte(random) % 89);
        block[3] = 0;
        out += block;
    }
    return out;
}

void BM_VoiceReportToServerFrame(benchmark::State& state)
{
    application();
    UserDefaults::resetStandardForTests();
    // The device's key events reach the hub, the service asks the hub for its press type; no
    // delivery is installed, so final texts are only logged.
    VQDeviceEvents::setHidCallback([](int code) { VQAudioMonitorService::sharedInstance().hidCallbackType(code); });
    VQDeviceEvents::setCancelAsrHook([] { VQAudioMonitorService::sharedInstance().cancelAsr(); });
    VQDeviceEvents::setRecognitionRunningHook([] { return VQAudioMonitorService::sharedInstance().hadStart(); });
    VQWebApiAsrService::setPressTypeProvider([] { return VQAudioMonitorService::sharedInstance().pressType(); });

    vqtest::StandInSpeechServer server;
    if (!server.start()) {
        state.SkipWithError("the stand-in speech server cannot listen");
        return;
    }
    server.installAsSpeechHost();

    SimulatedReceiver receiver(SimulatedReceiver::voiceReceiver16k());
    TimedTransport transport(receiver);
    HidTransport::setInstance(&transport);
    VQMouseCommandManager::sharedInstance();
    HIDDevice::sharedManager().start();
    receiver.plug();
    if (!waitUntil([] { return HIDDevice::sharedManager().isOpen(); }, 5000)
        || !waitUntil([] { return HIDDevice::sharedManager().queuedReportCount() == 0; }, 10000)) {
        state.SkipWithError("the simulated receiver did not open");
        return;
    }
    receiver.voice().setUtterance(adpcmBlocks(kBlocks));
    receiver.voice().payloadsPerTick = 1;
    receiver.voice().tickMs = 7;

    std::vector<double> micros;
    for (auto _ : state) {
        // The hub refuses a start within 1.5 s of the previous one.
        spin(1600);
        transport.arrivals.clear();
        const int connection = server.connectionCount();
        std::size_t lastReport = 0; // 1 + the index of the report of the previous frame measured
        auto onFrame = QObject::connect(&server, &vqtest::StandInSpeechServer::frameReceived, [&](int c, int) {
            const Clock::time_point now = Clock::now();
            // The end frame follows the release, not a report.
            if (c != connection || transport.arrivals.empty()
                || server.connection(c).frames.last().value(QStringLiteral("end")).toBool())
                return;
            const TimedTransport::Arrival& report = transport.arrivals.back();
            if (report.socketOpen && transport.arrivals.size() != lastReport)
                micros.push_back(std::chrono::duration<double, std::micro>(now - report.at).count());
            lastReport = transport.arrivals.size();
        });
        receiver.pressVoiceKey();
        const bool streamed = waitUntil([&] { return receiver.voice().isDone(); }, 30000);
        receiver.releaseVoiceKey();
        const bool ended = waitUntil([&] { return server.connection(connection).lastSent; }, 10000);
        QObject::disconnect(onFrame);
        if (!streamed || !ended) {
            state.SkipWithError("the utterance did not reach the server");
            break;
        }
    }

    if (!server.violations().isEmpty())
        state.SkipWithError(("protocol violation: " + server.violations().first().toStdString()).c_str());
    receiver.unplug();
    waitUntil([] { return !HIDDevice::sharedManager().isOpen(); }, 2000);
    HIDDevice::resetForTests();
    HidTransport::setInstance(nullptr);
    VQWebApiAsrService::resetForTests();
    VQAudioMonitorService::resetForTests();
    VQDeviceEvents::resetForTests();
    VQApiConfig::resetForTests();

    if (micros.empty())
        return;
    std::sort(micros.begin(), micros.end());
    const auto at = [&micros](double q) { return micros[std::size_t(q * double(micros.size() - 1))]; };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
    state.counters["frames"] = double(micros.size());
}
BENCHMARK(BM_VoiceReportToServerFrame)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

// Qt Multimedia may abort while static objects are destroyed after main returns: the process
// ends with _exit once the report is out.
int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(0);
}
