// Audio-file transcription's decoding: a 10-minute 44.1 kHz stereo MP3 through QAudioDecoder to
// 16 kHz mono PCM (goal: median under 2 s), and a 10-minute 16 kHz mono WAV through our RIFF
// parser, file read included (goal: median under 50 ms). The MP3 is made with sox
// (libsox-fmt-mp3). Runs with its own main(), no display needed.

#include "VQAudioFileDecoder.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kSeconds = 600;

QTemporaryDir& work()
{
    static QTemporaryDir dir;
    return dir;
}

QString tenMinuteMp3()
{
    const QString path = work().filePath(QStringLiteral("ten-minutes.mp3"));
    if (!QFile::exists(path)) {
        QProcess::execute(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-c"),
                                                  QStringLiteral("2"), path, QStringLiteral("synth"), QString::number(kSeconds),
                                                  QStringLiteral("sine"), QStringLiteral("300-3000")});
    }
    return path;
}

QString tenMinuteWav()
{
    const QString path = work().filePath(QStringLiteral("ten-minutes.wav"));
    if (!QFile::exists(path)) {
        const quint32 bytes = kSeconds * 16000 * 2;
        QByteArray header(44, '\0');
        memcpy(header.data(), "RIFF", 4);
        qToLittleEndian<quint32>(36 + bytes, header.data() + 4);
        memcpy(header.data() + 8, "WAVEfmt ", 8);
        qToLittleEndian<quint32>(16, header.data() + 16);
        qToLittleEndian<quint16>(1, header.data() + 20);
        qToLittleEndian<quint16>(1, header.data() + 22);
        qToLittleEndian<quint32>(16000, header.data() + 24);
        qToLittleEndian<quint32>(32000, header.data() + 28);
        qToLittleEndian<quint16>(2, header.data() + 32);
        qToLittleEndian<quint16>(16, header.data() + 34);
        memcpy(header.data() + 36, "data", 4);
        qToLittleEndian<quint32>(bytes, header.data() + 40);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(header);
            file.write(QByteArray(int(bytes), '\x11'));
        }
    }
    return path;
}

void decode(benchmark::State& state, const QString& path)
{
    VQAudioFileDecoder decoder;
    for (auto _ : state) {
        QEventLoop loop;
        VQAudioFileDecoder::Result result = VQAudioFileDecoder::Result::Undecodable;
        qsizetype bytes = 0;
        decoder.decode(path, [&](VQAudioFileDecoder::Result r, const QByteArray& pcm, const QString&) {
            result = r;
            bytes = pcm.size();
            loop.quit();
        });
        loop.exec();
        if (result != VQAudioFileDecoder::Result::Ok) {
            state.SkipWithError("the file was not decoded");
            return;
        }
        state.counters["seconds_of_audio"] = double(bytes) / 32000.0;
    }
}

void BM_DecodeTenMinuteMp3(benchmark::State& state)
{
    decode(state, tenMinuteMp3());
}

void BM_ParseTenMinuteWav(benchmark::State& state)
{
    decode(state, tenMinuteWav());
}

BENCHMARK(BM_DecodeTenMinuteMp3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ParseTenMinuteWav)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fflush(stdout);
    return 0;
}
