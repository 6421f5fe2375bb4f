#pragma once

#include "VQSpeechEngine.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

#include <memory>

// A speech engine driven by the test: say() starts an utterance at once, finishCurrent() and
// failCurrent() end it as the engine would. Events arrive from the event loop, as the real
// engine's do. With unavailable set the engine cannot speak. Every call is logged in calls:
// "say:<text>|<language>", "pause", "stop", "resume". Installs itself for its lifetime.
class FakeSpeechEngine : public VQSpeechEngine {
public:
    FakeSpeechEngine() { VQSpeechEngine::setInstance(this); }
    ~FakeSpeechEngine() override { VQSpeechEngine::setInstance(nullptr); }

    QString unavailableReason() const override { return unavailable; }
    void setEventHandler(EventHandler handler) override { m_handler = std::move(handler); }

    int say(const QString& text, const QString& language) override
    {
        calls << QStringLiteral("say:%1|%2").arg(text, language);
        m_current = ++m_lastId;
        m_phase = Phase::Speaking;
        post(m_current, Event::Started);
        return m_current;
    }

    bool pause(Boundary) override
    {
        if (m_phase != Phase::Speaking)
            return false;
        calls << QStringLiteral("pause");
        m_phase = Phase::Paused;
        post(m_current, Event::Paused);
        return true;
    }

    bool stop(Boundary) override
    {
        if (m_phase == Phase::Idle)
            return false;
        calls << QStringLiteral("stop");
        end(Event::Cancelled);
        return true;
    }

    void resume() override
    {
        if (m_phase != Phase::Paused)
            return;
        calls << QStringLiteral("resume");
        m_phase = Phase::Speaking;
        post(m_current, Event::Resumed);
    }

    bool isSpeaking() const override { return m_phase == Phase::Speaking; }
    bool isPaused() const override { return m_phase == Phase::Paused; }
    QString lastError() const override { return m_error; }

    void finishCurrent()
    {
        if (m_phase != Phase::Idle)
            end(Event::Finished);
    }

    void failCurrent(const QString& reason)
    {
        m_error = reason;
        if (m_phase != Phase::Idle)
            end(Event::Failed);
    }

    QString unavailable;
    QStringList calls;

private:
    enum class Phase {
        Idle,
        Speaking,
        Paused,
    };

    void end(Event event)
    {
        post(m_current, event);
        m_current = 0;
        m_phase = Phase::Idle;
    }

    void post(int utterance, Event event)
    {
        QMetaObject::invokeMethod(
            m_context.get(),
            [this, utterance, event] {
                if (m_handler)
                    m_handler(utterance, event);
            },
            Qt::QueuedConnection);
    }

    std::unique_ptr<QObject> m_context = std::make_unique<QObject>();
    EventHandler m_handler;
    Phase m_phase = Phase::Idle;
    int m_lastId = 0;
    int m_current = 0;
    QString m_error;
};
