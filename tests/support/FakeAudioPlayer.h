#pragma once

#include "VQAudioPlayer.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

#include <memory>

// An audio player driven by the test: every call is logged in calls ("play:<url>",
// "data:<bytes>", "pause", "stop"; pause and stop only while something plays or is paused),
// failCurrent() reports the current source as unplayable and finishCurrent() as played to its
// end, from the event loop. Installs itself for its lifetime.
class FakeAudioPlayer : public VQAudioPlayer {
public:
    FakeAudioPlayer() { VQAudioPlayer::setInstance(this); }
    ~FakeAudioPlayer() override { VQAudioPlayer::setInstance(nullptr); }

    void setErrorHandler(ErrorHandler handler) override { m_handler = std::move(handler); }
    void setFinishedHandler(FinishedHandler handler) override { m_finished = std::move(handler); }
    void setLoops(int count) override { loops = count; }

    void playData(const QByteArray& data) override
    {
        calls << QStringLiteral("data:%1").arg(data.size());
        m_source = QUrl(QStringLiteral("data:audio"));
        m_state = State::Playing;
    }

    void play(const QUrl& source) override
    {
        calls << QStringLiteral("play:") + source.toString();
        m_source = source;
        m_state = State::Playing;
    }

    void pause() override
    {
        if (m_state != State::Playing)
            return;
        calls << QStringLiteral("pause");
        m_state = State::Paused;
    }

    void stop() override
    {
        if (m_state == State::Stopped)
            return;
        calls << QStringLiteral("stop");
        m_state = State::Stopped;
    }

    bool isPlaying() const override { return m_state == State::Playing; }

    void failCurrent(const QString& reason)
    {
        m_state = State::Stopped;
        QMetaObject::invokeMethod(
            m_context.get(),
            [this, source = m_source, reason] {
                if (m_handler)
                    m_handler(source, reason);
            },
            Qt::QueuedConnection);
    }

    void finishCurrent()
    {
        m_state = State::Stopped;
        QMetaObject::invokeMethod(
            m_context.get(),
            [this] {
                if (m_finished)
                    m_finished();
            },
            Qt::QueuedConnection);
    }

    QStringList calls;
    int loops = 1;

private:
    enum class State {
        Stopped,
        Playing,
        Paused,
    };

    std::unique_ptr<QObject> m_context = std::make_unique<QObject>();
    ErrorHandler m_handler;
    FinishedHandler m_finished;
    QUrl m_source;
    State m_state = State::Stopped;
};
