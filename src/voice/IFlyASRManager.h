#pragma once

#include "VQSpeechRecognizer.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The speech-SDK recognition path of the recognition service: drives the installed
// VQSpeechRecognizer through one utterance (language and punctuation, start, audio, stop) and
// hands its results to the block of the running recognition.
//
// The shipped program installs the offline recogniser when its model is there; with none
// installed, or for a language it does not support, the service keeps to its websocket. Main thread only; results reported on another thread are queued to
// the main thread, results of a recogniser no longer installed are dropped.
class IFlyASRManager {
public:
    // Status (VQSpeechRecognizer::kStatusEnd at the end of the utterance) and the best text so
    // far, never a null text.
    using ResultBlock = std::function<void(int status, const QString& text)>;

    // What an installed recogniser is set to before its first recognition.
    static constexpr char kInitialLanguage[] = "zh-cn";
    static constexpr bool kInitialPunctuation = true;
    // The tip of a recogniser's error (a key for the UI strings); the error ends nothing.
    static constexpr char kRecognizerErrorText[] = "语音识别出错";
    // The recogniser ends an utterance after this much silence following speech.
    static constexpr int kEndOfSpeechSilenceMs = 6000;

    static IFlyASRManager& sharedInstance();
    // Tests only: forgets the running recognition and its block, and sets the installed
    // recogniser (kept) back to its initial language and punctuation.
    static void resetForTests();

    // Installs the recogniser (not owned; nullptr removes it). A recognition still running on
    // the recogniser being replaced is stopped first.
    void setRecognizer(VQSpeechRecognizer* recognizer);
    bool hasRecognizer() const { return m_recognizer != nullptr; }
    // Whether a recogniser is installed that supports the recognition language selected now.
    bool canRecognize() const;
    VQSpeechRecognizer* recognizer() const { return m_recognizer; }

    // The recognition language of the selected recognition language entry: "zh-hk" for the
    // code "ZH_TW" or an entry whose "name" contains "繁体", else the code in lower case with
    // '-' for '_' ("ZH_CN" -> "zh-cn", "EN_US" -> "en-us").
    static QString recognitionLanguage();

    // Sets the recogniser's language and punctuation (the user's punctuation switch) and starts
    // a recognition whose results go to the block. False, block dropped, when no recogniser is
    // installed or it does not start. A recognition still running is stopped first.
    bool startAsr(ResultBlock block);
    // Stops the running recognition; true when the recogniser reports it stopped. False when
    // none is running (never started, already stopped, or ended by its final result). The
    // block stays to receive the final result that may follow the stop.
    bool stopAsr();
    // Audio of the running recognition; dropped when none is running, or when empty.
    void sendPcmData(const QByteArray& chunk);

    // True from a successful startAsr() to stopAsr() or the final result.
    bool isRunning() const { return m_running; }

private:
    IFlyASRManager() = default;
    IFlyASRManager(const IFlyASRManager&) = delete;
    IFlyASRManager& operator=(const IFlyASRManager&) = delete;

    void attach(VQSpeechRecognizer* recognizer);
    void onResult(const VQSpeechRecognizer* from, int status, const QString& text);
    void onError(const VQSpeechRecognizer* from, int code, const QString& message);

    VQSpeechRecognizer* m_recognizer = nullptr;
    ResultBlock m_resultBlock;
    bool m_running = false;
    // Audio dropped since the last recognition ended; logged once at the next start.
    int m_droppedChunks = 0;
};
