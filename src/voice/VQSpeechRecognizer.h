#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// A streaming speech recogniser that IFlyASRManager drives: one recognition at a time, audio
// pushed in as 16 kHz 16-bit mono PCM, interim and final texts reported back through the
// result handler. The shipped program installs the offline recogniser of this computer
// (VQPocketsphinxRecognizer) when its model is there; languages it does not support, and
// every language without a recogniser, go to the recognition service's websocket.
//
// Every call comes from the main thread. An implementation may report results and errors
// from any thread: the manager hands them over to the main thread.
class VQSpeechRecognizer {
public:
    // Result status of the end of an utterance; any other status is an interim result.
    static constexpr int kStatusEnd = 2;

    virtual ~VQSpeechRecognizer() = default;

    // Whether the recogniser can recognise the language ("zh-cn", "zh-hk", "en-us", ...).
    virtual bool supportsLanguage(const QString& rlang) const
    {
        (void)rlang;
        return true;
    }
    // Recognition language as the recogniser expects it: "zh-cn", "zh-hk", "en-us", ...
    virtual void setLanguage(const QString& rlang) = 0;
    // Punctuation in the recognised text.
    virtual void setPunctuation(bool on) = 0;
    // The recogniser ends the utterance itself (with its final result) after this much silence
    // following speech.
    virtual void setEndOfSpeechSilence(int ms) { (void)ms; }
    // Starts a recognition; 0 means started, anything else is the recogniser's error code.
    virtual int start() = 0;
    // Audio of the running recognition.
    virtual void write(const QByteArray& pcm) = 0;
    // Ends the running recognition; 0 means stopped. The final result may still follow.
    virtual int stop() = 0;
    // Receives every result: its status (kStatusEnd at the end of the utterance) and the best
    // text so far. An empty function removes the handler.
    virtual void setResultHandler(std::function<void(int status, const QString& text)> handler) = 0;
    // Receives the recogniser's errors (code and message); an empty function removes it.
    // Recognisers that report no errors besides their return codes keep this default.
    virtual void setErrorHandler(std::function<void(int code, const QString& message)> handler) { (void)handler; }
};
