#pragma once

#include "VQChatTurn.h"

#include <QString>
#include <QtGlobal>

// One question of the AI chat window with its answer. The chat stream writes each answer piece
// (setAnswer) and the finished flag; the window shows answer() and keeps the models, oldest
// first. Main thread only: the stream calls back there.
class VQAIContentModel : public VQChatTurn {
public:
    // "clientId" followed by the creation time in whole seconds.
    static constexpr char kClientIdPrefix[] = "clientId";

    VQAIContentModel();

    // The current time in whole seconds since 1970 (fraction cut off).
    static qint64 getNowTime();

    // The final answer of a text that may still hold raw stream pieces: split at
    // VQHttpRequestManager::kChatPieceSeparator, the last piece that is a JSON object with a
    // string at data.text gives that string; with none, the text comes back unchanged.
    static QString lastAnswer(const QString& answer);

    QString question() const override { return m_question; }
    void setQuestion(const QString& question) { m_question = question; }

    // What the window shows as the answer: a text of its own until the first piece arrives.
    QString answer() const { return m_answer; }
    // An answer piece from the stream; from now on the question has an answer.
    void setAnswer(const QString& answer) override;
    // A text shown in place of an answer (the placeholder, a failure); it is no answer.
    void setShownText(const QString& text) { m_answer = text; }

    QString clientId() const { return m_clientId; }
    void setClientId(const QString& clientId) { m_clientId = clientId; }

    bool isFinished() const override { return m_finished; }
    void setIsFinished(bool finished) override { m_finished = finished; }
    bool hasAnswer() const override { return m_hasAnswer; }

    QString lastAnswer() const override { return lastAnswer(m_answer); }

private:
    QString m_question;
    QString m_answer;
    QString m_clientId;
    bool m_finished = false;
    bool m_hasAnswer = false;
};
