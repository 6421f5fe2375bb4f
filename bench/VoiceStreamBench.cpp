// The device's voice stream: IMA ADPCM decoding throughput, and the time from a voice report's
// arrival to its chunk reaching the consumer. Goal: under 1 ms median, also when the report
// comes from the receiver's reader thread through the main thread's event loop.
//
// The stream is 16 kHz voice of a plan 4 receiver (64-byte reports, 57 ADPCM bytes each, PCM
// chunks of 1280 bytes: one chunk per 40 ms of voice).

#include "RunOnMain.h"
#include "VQAdpcmDecoder.h"
#include "VQDeviceProtocol.h"
#include "VQUserInfoData.h"
#include "VQVoiceRecordingSink.h"
#include "VQVoiceStream.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBlocks = 400; // about 12.6 s of voice

// ADPCM blocks with sound headers and random codes (decoding cost does not depend on the codes).
QByteArray adpcmBlocks(int blocks)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray out;
    for (int b = 0; b < blocks; ++b) {
        QByteArray block(VQVoiceStream::kBlockBytes, '\0');
        for (int i = 0; i < block.size(); ++i)
            block[i] = char(byte(random));
        block[2] = char(byte(random) % 89);
        block[3] = 0;
        out += block;
    }
    return out;
}

// The reports of the blocks on plan 4: offset, then up to 57 bytes, never past a block's end.
std::vector<QByteArray> voiceReports(const QByteArray& adpcm)
{
    const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(4);
    const int room = VQDeviceProtocol::maxArguments(plan) - 1;
    std::vector<QByteArray> out;
    for (qsizetype start = 0; start < adpcm.size(); start += VQVoiceStream::kBlockBytes) {
        for (int offset = 0; offset < VQVoiceStream::kBlockBytes; offset += room) {
            QByteArray arguments(1, char(offset));
            arguments += adpcm.mid(start + offset, std::min(room, VQVoiceStream::kBlockBytes - offset));
            QByteArray report = VQDeviceProtocol::buildFrame(plan, VQVoiceStream::kVoiceDataCommand, arguments);
            report.resize(plan.reportLength, '\0');
            out.push_back(report);
        }
    }
    return out;
}

QByteArray endReport()
{
    const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(4);
    QByteArray report = VQDeviceProtocol::buildFrame(plan, VQVoiceStream::kVoiceEndCommand);
    report.resize(plan.reportLength, '\0');
    return report;
}

QCoreApplication& application()
{
    // Another bench of this program may have made it already.
    if (QCoreApplication* existing = QCoreApplication::instance())
        return *existing;
    static int argc = 1;
    static char name[] = "vq_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = [] {
        QCoreApplication::setApplicationName(QStringLiteral("vq_bench"));
        return new QCoreApplication(argc, argv);
    }();
    return *app;
}

void setUpStream()
{
    application();
    // A plan 4 receiver: PCM chunks; no recording file (writes are dropped after the lock).
    VQUserInfoData::sharedInstance().setChipPlan(4);
    VQVoiceRecordingSink::sharedSink().closeFile();
}

void reportPercentiles(benchmark::State& state, std::vector<double>& micros)
{
    if (micros.empty())
        return;
    std::sort(micros.begin(), micros.end());
    const auto at = [&micros](double q) { return micros[std::size_t(q * double(micros.size() - 1))]; };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
    state.counters["chunks"] = double(micros.size());
}

// Decoding alone: one 256-byte block (505 samples) per iteration.
void BM_AdpcmDecodeBlock(benchmark::State& state)
{
    const QByteArray adpcm = adpcmBlocks(kBlocks);
    std::vector<qint16> out(VQVoiceStream::kSamplesPerBlock);
    int block = 0;
    for (auto _ : state) {
        const auto* bytes = reinterpret_cast<const quint8*>(adpcm.constData()) + block * VQVoiceStream::kBlockBytes;
        benchmark::DoNotOptimize(VQAdpcmDecoder::decodeBlock(bytes, VQVoiceStream::kBlockBytes, out.data()));
        benchmark::ClobberMemory();
        block = (block + 1) % kBlocks;
    }
    state.SetItemsProcessed(state.iterations() * VQVoiceStream::kSamplesPerBlock);
    state.SetBytesProcessed(state.iterations() * VQVoiceStream::kBlockBytes);
}
BENCHMARK(BM_AdpcmDecodeBlock);

// The whole voice path per report on the main thread: framing checks, block assembly,
// decoding, recording, chunking and the consumer call. Items are samples of voice.
void BM_VoiceStreamReports(benchmark::State& state)
{
    setUpStream();
    const std::vector<QByteArray> reports = voiceReports(adpcmBlocks(kBlocks));
    const QByteArray end = endReport();
    const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(4);
    qint64 bytes = 0;
    VQVoiceStream::setSendVoiceDataBlock([&bytes](bool, const QByteArray& chunk) { bytes += chunk.size(); });
    VQVoiceStream stream(VQDeviceProtocol::Link::Usb);
    for (auto _ : state) {
        for (const QByteArray& report : reports)
            stream.takeReport(plan, report);
        stream.takeReport(plan, end);
    }
    benchmark::DoNotOptimize(bytes);
    VQVoiceStream::setSendVoiceDataBlock({});
    state.SetItemsProcessed(state.iterations() * kBlocks * VQVoiceStream::kSamplesPerBlock);
}
BENCHMARK(BM_VoiceStreamReports)->Unit(benchmark::kMillisecond);

// Arrival to consumer on the main thread: from the call that hands the report to the stream to
// the consumer's call with the chunk the report completed.
void BM_VoiceReportToChunkLatency(benchmark::State& state)
{
    setUpStream();
    const std::vector<QByteArray> reports = voiceReports(adpcmBlocks(kBlocks));
    const QByteArray end = endReport();
    const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(4);
    Clock::time_point arrival;
    std::vector<double> micros;
    VQVoiceStream::setSendVoiceDataBlock([&](bool streaming, const QByteArray&) {
        if (streaming)
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - arrival).count());
    });
    VQVoiceStream stream(VQDeviceProtocol::Link::Usb);
    for (auto _ : state) {
        for (const QByteArray& report : reports) {
            arrival = Clock::now();
            stream.takeReport(plan, report);
        }
        stream.takeReport(plan, end);
    }
    VQVoiceStream::setSendVoiceDataBlock({});
    reportPercentiles(state, micros);
}
BENCHMARK(BM_VoiceReportToChunkLatency)->Unit(benchmark::kMillisecond);

// Arrival to consumer as in the program: the receiver's reader thread gets the report and
// queues it to the main thread (runOnMain), whose event loop hands it to the stream. Reports
// come at the pace of 16 kHz voice (57 bytes, about 7 ms each), so the main thread sleeps in
// between as it would.
void BM_VoiceReportToChunkLatencyFromReaderThread(benchmark::State& state)
{
    setUpStream();
    const std::vector<QByteArray> reports = voiceReports(adpcmBlocks(60));
    const QByteArray end = endReport();
    const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(4);
    std::vector<double> micros;
    Clock::time_point arrival;
    VQVoiceStream::setSendVoiceDataBlock([&](bool streaming, const QByteArray&) {
        if (streaming)
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - arrival).count());
    });
    VQVoiceStream stream(VQDeviceProtocol::Link::Usb);
    for (auto _ : state) {
        QEventLoop loop;
        std::thread reader([&] {
            for (const QByteArray& report : reports) {
                std::this_thread::sleep_for(std::chrono::microseconds(7000));
                const Clock::time_point now = Clock::now();
                mm::runOnMain([&, now, report] {
                    arrival = now;
                    stream.takeReport(plan, report);
                });
            }
            mm::runOnMain([&] {
                stream.takeReport(plan, end);
                loop.quit();
            });
        });
        loop.exec();
        reader.join();
    }
    VQVoiceStream::setSendVoiceDataBlock({});
    reportPercentiles(state, micros);
}
BENCHMARK(BM_VoiceReportToChunkLatencyFromReaderThread)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
