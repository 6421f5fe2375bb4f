#pragma once

#include <QString>

// One question of an AI chat conversation with its answer, as the HTTP client's chat stream
// sees it. The chat window's content model implements it; the client reads the question and
// final answer of earlier turns to send the conversation, and writes the answer pieces and the
// finished flag into the turn of the current question. All calls come on the main thread.
class VQChatTurn {
public:
    virtual ~VQChatTurn() = default;

    // The text the user asked.
    virtual QString question() const = 0;
    // The final answer text, sent as the assistant's answer of a finished turn.
    virtual QString lastAnswer() const = 0;
    // True once the whole answer has arrived.
    virtual bool isFinished() const = 0;
    // True once at least one answer piece has arrived. A finished turn without one (a failed
    // request, a reply without answer text) is never sent as the assistant's answer.
    virtual bool hasAnswer() const = 0;

    // The text of the latest answer piece.
    virtual void setAnswer(const QString& answer) = 0;
    virtual void setIsFinished(bool finished) = 0;

protected:
    VQChatTurn() = default;
    VQChatTurn(const VQChatTurn&) = default;
    VQChatTurn& operator=(const VQChatTurn&) = default;
};
