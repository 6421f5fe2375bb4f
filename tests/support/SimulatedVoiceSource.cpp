#include "SimulatedVoiceSource.h"

#include <algorithm>

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
