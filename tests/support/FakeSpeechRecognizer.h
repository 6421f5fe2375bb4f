#pragma once

#include "IFlyASRManager.h"
#include "VQSpeechRecognizer.h"

#include <QStringList>

#include <utility>

// A recogniser that records its calls ("language zh-cn", "punctuation on", "start",
// "write 1280", "stop") and reports the results and errors a test hands it, on the calling
// thread. start() and stop() return startCode and stopCode; it supports the languages listed
// in languages (all while that is empty). Installs itself in
// IFlyASRManager for its lifetime, unless replaced meanwhile. For tests linking vq_voice.
class FakeSpeechRecognizer final : public VQSpeechRecognizer {
public:
    FakeSpeechRecognizer() { IFlyASRManager::sharedInstance().setRecognizer(this); }
    ~FakeSpeechRecognizer() override
    {
        if (IFlyASRManager::sharedInstance().recognizer() == this)
            IFlyASRManager::sharedInstance().setRecognizer(nullptr);
    }

    bool supportsLanguage(const QString& rlang) const override { return languages.isEmpty() || languages.contains(rlang); }
    void setLanguage(const QString& rlang) override { calls.append(QStringLiteral("language ") + rlang); }
    void setPunctuation(bool on) override { calls.append(on ? QStringLiteral("punctuation on") : QStringLiteral("punctuation off")); }
    int start() override
    {
        calls.append(QStringLiteral("start"));
        return startCode;
    }
    void write(const QByteArray& pcm) override
    {
        calls.append(QStringLiteral("write %1").arg(pcm.size()));
        audio.append(pcm);
    }
    int stop() override
    {
        calls.append(QStringLiteral("stop"));
        return stopCode;
    }
    void setResultHandler(std::function<void(int, const QString&)> handler) override { m_result = std::move(handler); }
    void setErrorHandler(std::function<void(int, const QString&)> handler) override { m_error = std::move(handler); }

    // Reports as the recogniser would; false when no handler is installed.
    bool reportResult(int status, const QString& text) const
    {
        if (!m_result)
            return false;
        m_result(status, text);
        return true;
    }
    bool reportError(int code, const QString& message) const
    {
        if (!m_error)
            return false;
        m_error(code, message);
        return true;
    }

    QStringList calls;
    QByteArray audio;
    // The languages supported; empty: every language.
    QStringList languages;
    int startCode = 0;
    int stopCode = 0;

private:
    std::function<void(int, const QString&)> m_result;
    std::function<void(int, const QString&)> m_error;
};
