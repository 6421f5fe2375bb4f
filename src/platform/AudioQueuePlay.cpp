#include "AudioQueuePlay.h"

#include "MMLog.h"
#include "RunOnMain.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

// The output on its own thread: the sink and the timer that feeds it while buffers are queued.
class AudioQueuePlay::Output : public QObject {
public:
    // How often queued bytes are moved to the sink while some wait.
    static constexpr int kPumpIntervalMs = 10;

    explicit Output(AudioQueuePlay* owner)
        : m_owner(owner)
    {
    }

    void open(double sampleRate)
    {
        QAudioFormat format;
        format.setSampleRate(int(sampleRate));
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(format)) {
            VQLogWarn(QStringLiteral("PCM playback: no output takes %1 Hz mono 16-bit audio").arg(sampleRate));
            return;
        }
        m_sink = new QAudioSink(device, format, this);
        m_sink->setVolume(1.0);
        m_device = m_sink->start();
        m_pump = new QTimer(this);
        m_pump->setTimerType(Qt::PreciseTimer);
        m_pump->setInterval(kPumpIntervalMs);
        connect(m_pump, &QTimer::timeout, this, [this] { m_owner->pump(); });
    }

    // Bytes the sink takes now; -1 when there is no sink to take any.
    qint64 room() const
    {
        if (!m_sink || !m_device || m_sink->error() != QAudio::NoError)
            return -1;
        return m_sink->bytesFree();
    }
    qint64 write(const char* data, qint64 size) { return m_device->write(data, size); }

    void setPumping(bool on)
    {
        if (!m_pump)
            return;
        if (!on)
            m_pump->stop();
        else if (!m_pump->isActive())
            m_pump->start();
    }

    void reset()
    {
        if (!m_sink)
            return;
        m_sink->reset();
        m_device = m_sink->start();
    }

    void close()
    {
        setPumping(false);
        if (m_sink) {
            m_sink->reset();
            m_sink->stop();
        }
        delete m_sink;
        m_sink = nullptr;
        m_device = nullptr;
    }

private:
    AudioQueuePlay* m_owner;
    QAudioSink* m_sink = nullptr;
    QIODevice* m_device = nullptr;
    QTimer* m_pump = nullptr;
};

AudioQueuePlay::AudioQueuePlay(double sampleRate)
    : m_sampleRate(sampleRate > 0 ? sampleRate : kDefaultSampleRate)
    , m_thread(new QThread)
    , m_output(new Output(this))
{
    for (Buffer& buffer : m_buffers)
        buffer.bytes.reserve(kBufferBytes);
    m_thread->setObjectName(QStringLiteral("AudioQueuePlay"));
    m_output->moveToThread(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(m_output, [this] { m_output->open(m_sampleRate); }, Qt::QueuedConnection);
}

AudioQueuePlay::~AudioQueuePlay()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_freed.notify_all();
    QMetaObject::invokeMethod(m_output, [this] { m_output->close(); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_output;
    delete m_thread;
}

bool AudioQueuePlay::playWithData(const QByteArray& data)
{
    if (data.isEmpty() || data.size() > kBufferBytes || data.size() % 2 != 0)
        return false;
    const bool mayWait = !mm::isMainThread();
    {
        std::unique_lock lock(m_mutex);
        const quint64 resets = m_resets;
        const auto freeBuffer = [this] {
            for (int i = 0; i < kBufferCount; ++i) {
                if (!m_buffers[size_t(i)].busy)
                    return i;
            }
            return -1;
        };
        int index = freeBuffer();
        while (index < 0) {
            if (!mayWait)
                return false;
            m_freed.wait(lock);
            if (m_closed || m_resets != resets)
                return false;
            index = freeBuffer();
        }
        Buffer& buffer = m_buffers[size_t(index)];
        buffer.bytes = data;
        buffer.written = 0;
        buffer.busy = true;
        m_queue.push_back(index);
    }
    QMetaObject::invokeMethod(m_output, [this] { pump(); }, Qt::QueuedConnection);
    return true;
}

void AudioQueuePlay::pump()
{
    std::unique_lock lock(m_mutex);
    while (!m_queue.empty()) {
        const qint64 room = m_output->room();
        if (room < 0) {
            lock.unlock();
            dropAll();
            return;
        }
        if (room == 0)
            break;
        const int index = m_queue.front();
        Buffer& buffer = m_buffers[size_t(index)];
        const qint64 written = m_output->write(buffer.bytes.constData() + buffer.written,
                                               qMin(room, qint64(buffer.bytes.size() - buffer.written)));
        if (written <= 0)
            break;
        buffer.written += written;
        if (buffer.written < buffer.bytes.size())
            break;
        m_queue.pop_front();
        lock.unlock();
        resetBufferState(index);
        lock.lock();
    }
    m_output->setPumping(!m_queue.empty());
}

void AudioQueuePlay::resetBufferState(int index)
{
    {
        const std::lock_guard lock(m_mutex);
        m_buffers[size_t(index)].busy = false;
    }
    m_freed.notify_all();
}

void AudioQueuePlay::dropAll()
{
    bool dropped = false;
    {
        const std::lock_guard lock(m_mutex);
        dropped = !m_queue.empty();
        m_queue.clear();
        for (Buffer& buffer : m_buffers)
            buffer.busy = false;
    }
    static bool told = false;
    if (dropped && !told) {
        told = true;
        VQLogWarn(QStringLiteral("PCM playback: no audio output; the audio is dropped"));
    }
    m_output->setPumping(false);
    m_freed.notify_all();
}

void AudioQueuePlay::resetPlay()
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_resets;
        m_queue.clear();
        for (Buffer& buffer : m_buffers)
            buffer.busy = false;
    }
    m_freed.notify_all();
    QMetaObject::invokeMethod(m_output, [this] {
        m_output->setPumping(false);
        m_output->reset();
    }, Qt::QueuedConnection);
}

int AudioQueuePlay::busyBufferCount() const
{
    const std::lock_guard lock(m_mutex);
    int busy = 0;
    for (const Buffer& buffer : m_buffers)
        busy += buffer.busy ? 1 : 0;
    return busy;
}
