#pragma once

#include "VQSpeechRecognizer.h"

#include <QByteArray>
#include <QString>
#include <QTimer>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// The offline recogniser of this computer: pocketsphinx with the US English model the system
// packages (acoustic model, language model and pronouncing dictionary). It recognises "en-us"
// only; other languages are not supported (no model of theirs is packaged).
//
// Decoding runs on a worker thread of its own, which loads the model (about 100 MB, a third of
// a second) at the first start and frees it kUnloadDelayMs after the last recognition ended;
// start() never waits for it: audio written meanwhile is decoded in order once the model is in.
// The worker opens the recogniser's libraries at the first start too (VQPocketsphinxLibrary),
// and before a model is first loaded into the program it is tried in a child process, which the
// library may end or crash on damaged files without harm (VQPocketsphinxModelCheck); a model
// whose dictionary pronounces no word of its language model is not usable either.
// Results are reported on the main thread, each only while its recognition is still the latest
// one started: interim texts (status 1) as they change, then the end of the utterance (status
// kStatusEnd) after stop() or after the end-of-speech silence, counted in audio, not clock time.
// A model that cannot be loaded, or libraries that cannot be opened, are reported once as the
// error kErrorModelLoad, followed by the end with an empty text; from then on the model counts as
// missing (supportsLanguage() is false and start() returns kErrorNoModel).
//
// Calls from the main thread only.
class VQPocketsphinxRecognizer final : public VQSpeechRecognizer {
public:
    static constexpr char kLanguage[] = "en-us";
    static constexpr int kSampleRate = 16000;
    static constexpr int kUnloadDelayMs = 60000;
    // The longest a model's check in a child process may take.
    static constexpr int kModelCheckTimeoutMs = 15000;
    // Return codes of start() besides 0.
    static constexpr int kErrorUnsupportedLanguage = 10;
    static constexpr int kErrorNoModel = 11;
    // Error codes: a model that could not be loaded; an utterance the decoder did not start.
    static constexpr int kErrorModelLoad = 12;
    static constexpr int kErrorStart = 13;

    // The files of a model: acoustic model folder, language model, dictionary.
    struct Model {
        QString acousticModel;
        QString languageModel;
        QString dictionary;
    };
    // The US English model of the system's package.
    static Model systemModel();

    explicit VQPocketsphinxRecognizer(Model model = systemModel());
    ~VQPocketsphinxRecognizer() override;
    VQPocketsphinxRecognizer(const VQPocketsphinxRecognizer&) = delete;
    VQPocketsphinxRecognizer& operator=(const VQPocketsphinxRecognizer&) = delete;

    // Whether the model's files are there (checked once, at construction).
    bool hasModel() const { return m_hasModel; }
    // Whether the model is loaded now (for tests and benches; it may change at any moment).
    bool isModelLoaded() const;
    // The bound of the model's check from the next start on (kModelCheckTimeoutMs unless set).
    void setModelCheckTimeout(int ms) { m_modelCheckTimeoutMs = ms; }

    bool supportsLanguage(const QString& rlang) const override;
    void setLanguage(const QString& rlang) override;
    void setPunctuation(bool on) override;
    void setEndOfSpeechSilence(int ms) override;
    int start() override;
    void write(const QByteArray& pcm) override;
    int stop() override;
    void setResultHandler(std::function<void(int status, const QString& text)> handler) override;
    void setErrorHandler(std::function<void(int code, const QString& message)> handler) override;

    // The text of a hypothesis as reported: with punctuation, the first letter upper-case and,
    // at the end of the utterance, a full stop.
    static QString formatText(const QString& hypothesis, bool punctuation, bool final);

private:
    struct Command;
    class Decoder;

    void post(Command command);
    void run();
    void report(quint64 recognition, int status, const QString& text);
    void reportError(quint64 recognition, int code, const QString& message);
    void delivered(quint64 recognition, int status, const QString& text);

    const Model m_model;
    const bool m_hasModel;
    // Set once the model turned out not to load.
    bool m_modelUnusable = false;
    int m_modelCheckTimeoutMs = kModelCheckTimeoutMs;
    QString m_language;
    bool m_punctuation = true;
    int m_endSilenceMs = 6000;
    // Counts start(): results of an earlier recognition are dropped on the main thread.
    quint64 m_recognition = 0;
    bool m_running = false;
    std::function<void(int, const QString&)> m_resultHandler;
    std::function<void(int, const QString&)> m_errorHandler;
    std::unique_ptr<QObject> m_context;
    QTimer m_unloadTimer;
    // Readable once the recogniser goes: breaks off a model check on the worker.
    const int m_interrupt;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Command> m_commands;
    bool m_loaded = false; // guarded by m_mutex
    std::thread m_worker;
};
