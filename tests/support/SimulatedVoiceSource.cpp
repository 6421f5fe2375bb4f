#include "SimulatedVoiceSource.h"

#include "ImaAdpcmEncoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

QList<qint16> halfRate(const QList<qint16>& samples16k)
{
    // A windowed-sinc (Blackman) low-pass below 3.7 kHz, then every second sample.
    constexpr int kTaps = 31;
    constexpr double kCutoff = 3700.0 / 16000.0;
    std::array<double, kTaps> taps{};
    double sum = 0;
    for (int n = 0; n < kTaps; ++n) {
        const double x = n - (kTaps - 1) / 2.0;
        const double sinc = x == 0 ? 2 * kCutoff : std::sin(2 * std::numbers::pi * kCutoff * x) / (std::numbers::pi * x);
        const double phase = 2 * std::numbers::pi * n / (kTaps - 1);
        taps[n] = sinc * (0.42 - 0.5 * std::cos(phase) + 0.08 * std::cos(2 * phase));
        sum += taps[n];
    }
    QList<qint16> out;
    out.reserve(samples16k.size() / 2 + 1);
    for (qsizetype i = 0; i < samples16k.size(); i += 2) {
        double value = 0;
        for (int n = 0; n < kTaps; ++n) {
            const qsizetype at = i + (kTaps - 1) / 2 - n;
            if (at >= 0 && at < samples16k.size())
                value += taps[n] * samples16k.at(at);
        }
        out.append(qint16(std::clamp(std::lround(value / sum), -32768L, 32767L)));
    }
    return out;
}

} // namespace

SimulatedVoiceSource::SimulatedVoiceSource(Send send, int maxArguments, QObject* parent)
    : QObject(parent)
    , m_send(std::move(send))
    , m_maxArguments(maxArguments)
{
    connect(&m_timer, &QTimer::timeout, this, &SimulatedVoiceSource::tick);
}

QList<QByteArray> SimulatedVoiceSource::voicePayloads(const QByteArray& adpcm, int maxArguments)
{
    const int room = std::max(1, maxArguments - 1);
    QList<QByteArray> out;
    for (qsizetype blockStart = 0; blockStart < adpcm.size(); blockStart += kBlockBytes) {
        const QByteArray block = adpcm.mid(blockStart, kBlockBytes);
        for (int offset = 0; offset < block.size(); offset += room) {
            QByteArray payload(1, char(kVoiceData));
            payload.append(char(offset));
            payload.append(block.mid(offset, room));
            out.append(payload);
        }
    }
    return out;
}

void SimulatedVoiceSource::start()
{
    m_streamRate = rate ? rate() : 16000;
    if (!m_sound.isEmpty())
        m_utterance = ImaAdpcmEncoder::encode(m_streamRate == 8000 ? halfRate(m_sound) : m_sound);
    if (realTime) {
        const int perBlock = (kBlockBytes + m_maxArguments - 2) / (m_maxArguments - 1);
        const double perSecond = double(m_streamRate) / ImaAdpcmEncoder::kSamplesPerBlock * perBlock;
        payloadsPerTick = std::max(1, int(std::ceil(perSecond * tickMs / 1000.0)));
    }
    m_payloads = voicePayloads(m_utterance, m_maxArguments);
    m_next = 0;
    m_streaming = true;
    m_timer.start(tickMs);
}

void SimulatedVoiceSource::stop()
{
    if (!m_streaming)
        return;
    m_streaming = false;
    m_timer.stop();
    m_payloads.clear();
    m_next = 0;
    m_send(voiceEndPayload());
    if (onStopped)
        onStopped();
}

void SimulatedVoiceSource::tick()
{
    for (int i = 0; i < payloadsPerTick && m_next < m_payloads.size(); ++i)
        m_send(m_payloads.at(m_next++));
    if (m_next >= m_payloads.size()) {
        m_timer.stop();
        if (onAllSent)
            onAllSent();
        if (stopWhenDone && m_streaming)
            stop();
    }
}
