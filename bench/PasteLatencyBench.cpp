// The time voice typing takes to paste: from the stand-in speech server sending the final result
// frame of an utterance to the paste key (Control+V) being posted. The chain is the program's:
// websocket, recognition service, voice hub, clipboard, key synthesis. Each iteration is one
// utterance from the microphone (a fake capture fed two chunks), the typing key pressed and
// released through the hub's event entry.
//
// Keys: by default a recording key synthesizer and an in-memory clipboard; with
// VQ_BENCH_REAL_KEYS=1 and an X display, the real XTest synthesizer and the desktop's clipboard
// (the paste then lands in whatever has the focus, so run it under Xvfb).
//
// The figures: median_us, p90_us and max_us over the utterances.

#include "Clipboard.h"
#include "FakeAudioCaptureBackend.h"
#include "FakeClipboard.h"
#include "KeySynthesizer.h"
#include "MacKeyMap.h"
#include "StandInSpeechServer.h"
#include "UserDefaults.h"
#include "VQApiConfig.h"
#include "VQAudioMonitorService.h"
#include "VQAudioQueueCapture.h"
#include "VQEventCode.h"
#include "VQPopupWindowTool.h"
#include "VQUserInfoData.h"
#include "VQWebApiAsrService.h"
#include "XTestKeySynthesizer.h"

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
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

bool realKeys()
{
    return qEnvironmentVariableIntValue("VQ_BENCH_REAL_KEYS") == 1 && !qEnvironmentVariableIsEmpty("DISPLAY");
}

bool waitUntil(const std::function<bool()>& predicate, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!predicate()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QApplication& application()
{
    static QTemporaryDir* home = nullptr;
    static QApplication* app = [] {
        home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/vq-bench-home-XXXXXX"));
        const QByteArray path = QFile::encodeName(home->path());
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            qputenv(name, path);
        if (!realKeys() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        static int argc = 1;
        static char name[] = "vq_paste_bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Notes when the paste key goes down; posts it through the real synthesizer when there is one.
class TimedKeys : public KeySynthesizer {
public:
    explicit TimedKeys(KeySynthesizer* real)
        : m_real(real)
    {
    }
    bool postKeyEvent(int macKeyCode, bool keyDown, quint64 macFlags) override
    {
        if (keyDown && macKeyCode == MacKeyMap::kKeyCodeV && !pasted)
            pasted = Clock::now();
        return m_real ? m_real->postKeyEvent(macKeyCode, keyDown, macFlags) : true;
    }
    std::optional<Clock::time_point> pasted;

private:
    KeySynthesizer* m_real;
};

void BM_FinalResultToPasteKey(benchmark::State& state)
{
    application();
    UserDefaults::resetStandardForTests();
    VQWebApiAsrService::setPressTypeProvider([] { return VQAudioMonitorService::sharedInstance().pressType(); });
    VQAudioMonitorService::Timings timings;
    timings.minStartSpacingMs = 0;
    VQAudioMonitorService::setTimingsForTests(timings);
    // Nothing listens there: the local post fails at once, after the paste.
    VQAudioMonitorService::setLocalServicePort(9);
    VQUserInfoData::sharedInstance().setCompatibleModeSwitch(false);

    FakeAudioCaptureBackend microphone;
    std::unique_ptr<XTestKeySynthesizer> xtest;
    std::unique_ptr<FakeClipboard> clipboard;
    if (realKeys())
        xtest = std::make_unique<XTestKeySynthesizer>();
    else
        clipboard = std::make_unique<FakeClipboard>();
    TimedKeys keys(xtest.get());
    KeySynthesizer::setInstance(&keys);

    vqtest::StandInSpeechServer server;
    if (!server.start()) {
        state.SkipWithError("the stand-in speech server cannot listen");
        return;
    }
    server.installAsSpeechHost();
    server.addAnswer(vqtest::StandInSpeechServer::kOnEnd,
                     vqtest::SpeechAnswer::last(QStringLiteral("你好，世界 \"quoted\" é 🎉")));
    std::optional<Clock::time_point> lastSent;
    QObject::connect(&server, &vqtest::StandInSpeechServer::lastSent, [&](int) { lastSent = Clock::now(); });

    VQAudioMonitorService& hub = VQAudioMonitorService::sharedInstance();
    const QByteArray speech(2 * VQAudioQueueCapture::kChunkBytes, char(3));
    std::vector<double> micros;
    for (auto _ : state) {
        lastSent.reset();
        keys.pasted.reset();
        hub.hidCallbackType(VQEventCode::kVoiceTypingPressed);
        if (!waitUntil([] { return VQAudioQueueCapture::sharedInstance().isRecording()
                                   && VQWebApiAsrService::sharedInstance().isSocketOpen(); },
                       5000)) {
            state.SkipWithError("the recognition did not start");
            break;
        }
        microphone.feed(speech);
        hub.hidCallbackType(VQEventCode::kVoiceTypingReleased);
        if (!waitUntil([&] { return lastSent && keys.pasted; }, 5000)) {
            state.SkipWithError("no paste after the final result");
            break;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(*keys.pasted - *lastSent).count());
        waitUntil([&] { return !hub.hadStart() && hub.pressType() == 0; }, 5000);
    }

    KeySynthesizer::setInstance(nullptr);
    VQWebApiAsrService::resetForTests();
    VQAudioMonitorService::resetForTests();
    VQAudioQueueCapture::resetForTests();
    VQPopupWindowTool::resetForTests();
    VQApiConfig::resetForTests();

    if (micros.empty())
        return;
    std::sort(micros.begin(), micros.end());
    const auto at = [&micros](double q) { return micros[std::size_t(q * double(micros.size() - 1))]; };
    state.counters["median_us"] = at(0.5);
    state.counters["p90_us"] = at(0.9);
    state.counters["max_us"] = micros.back();
}
BENCHMARK(BM_FinalResultToPasteKey)->Unit(benchmark::kMillisecond)->Iterations(30);

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
