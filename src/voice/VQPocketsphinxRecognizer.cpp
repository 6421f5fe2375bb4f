#include "VQPocketsphinxRecognizer.h"

#include "MMLog.h"
#include "MMMemory.h"
#include "VQPocketsphinxLibrary.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <sys/eventfd.h>
#include <unistd.h>

#include <vector>

namespace {

constexpr char kModelFolder[] = "/usr/share/pocketsphinx/model/en-us";

} // namespace

struct VQPocketsphinxRecognizer::Command {
    enum class Kind { Start, Audio, Stop, Unload, Quit };
    Kind kind = Kind::Audio;
    quint64 recognition = 0;
    QByteArray pcm;
    bool punctuation = false;
    int endSilenceMs = 0;
    int modelCheckTimeoutMs = 0;

    static Command of(Kind kind, quint64 recognition = 0)
    {
        Command command;
        command.kind = kind;
        command.recognition = recognition;
        return command;
    }
};

// The decoder and the state of the utterance it decodes; the worker thread's alone.
class VQPocketsphinxRecognizer::Decoder {
public:
    ~Decoder() { unload(); }

    bool isLoaded() const { return m_decoder != nullptr; }

    // Loads the model, once it is known to be usable (opening the libraries at the first time);
    // false with the reason when it cannot. `interrupt` breaks off the model's check.
    bool load(const Model& model, int checkTimeoutMs, int interrupt, QString* error)
    {
        if (m_decoder)
            return true;
        if (!m_library && !(m_library = VQPocketsphinxLibrary::open(error)))
            return false;
        *error = VQPocketsphinxModelCheck::verdict({model.acousticModel, model.languageModel, model.dictionary},
                                                   checkTimeoutMs, interrupt);
        if (!error->isEmpty())
            return false;
        QElapsedTimer clock;
        clock.start();
        m_config = m_library->configure(QFile::encodeName(model.acousticModel), QFile::encodeName(model.languageModel),
                                        QFile::encodeName(model.dictionary));
        if (m_config)
            m_decoder = m_library->psInit(m_config);
        if (!m_decoder) {
            if (m_config)
                m_library->cmdLnFree(m_config);
            m_config = nullptr;
            *error = QStringLiteral("the model in %1 could not be loaded").arg(model.acousticModel);
            return false;
        }
        VQLogInfo(QStringLiteral("offline recogniser: model loaded in %1 ms").arg(clock.elapsed()));
        return true;
    }

    void unload()
    {
        if (m_decoder)
            m_library->psFree(m_decoder);
        if (m_config)
            m_library->cmdLnFree(m_config);
        m_decoder = nullptr;
        m_config = nullptr;
        m_inUtterance = false;
    }

    bool begin(const Command& start)
    {
        if (m_decoder && m_inUtterance)
            m_library->psEndUtt(m_decoder); // an utterance never stopped: its result is not wanted
        m_inUtterance = false;
        if (!m_decoder || m_library->psStartUtt(m_decoder) < 0)
            return false;
        m_recognition = start.recognition;
        m_punctuation = start.punctuation;
        m_endSilenceSamples = qint64(start.endSilenceMs) * kSampleRate / 1000;
        m_inUtterance = true;
        m_speechSeen = false;
        m_silentSamples = 0;
        m_hypothesis.clear();
        m_oddByte.clear();
        return true;
    }

    bool inUtteranceOf(quint64 recognition) const { return m_inUtterance && m_recognition == recognition; }

    // Decodes the audio; the interim text when it changed (else a null text). Sets *ended when
    // the silence after the speech reached the end of speech.
    QString decode(const QByteArray& bytes, bool* ended)
    {
        QByteArray pcm = m_oddByte + bytes;
        m_oddByte.clear();
        if (pcm.size() % 2 != 0) {
            m_oddByte = pcm.right(1);
            pcm.chop(1);
        }
        const qsizetype count = pcm.size() / 2;
        m_samples.resize(size_t(count));
        qFromLittleEndian<qint16>(pcm.constData(), count, m_samples.data());
        if (count > 0)
            m_library->psProcessRaw(m_decoder, m_samples.data(), size_t(count), FALSE, FALSE);
        if (m_library->psGetInSpeech(m_decoder)) {
            m_speechSeen = true;
            m_silentSamples = 0;
        } else if (m_speechSeen) {
            m_silentSamples += count;
        }
        *ended = m_speechSeen && m_silentSamples >= m_endSilenceSamples;
        const QString text = hypothesis();
        if (text == m_hypothesis)
            return {};
        m_hypothesis = text;
        return formatText(text, m_punctuation, false);
    }

    // Ends the utterance: its final text.
    QString end()
    {
        m_inUtterance = false;
        m_library->psEndUtt(m_decoder);
        return formatText(hypothesis(), m_punctuation, true);
    }

private:
    QString hypothesis() const
    {
        int32 score = 0;
        const char* text = m_library->psGetHyp(m_decoder, &score);
        return text ? QString::fromUtf8(text).simplified() : QString();
    }

    const VQPocketsphinxLibrary* m_library = nullptr;
    cmd_ln_t* m_config = nullptr;
    ps_decoder_t* m_decoder = nullptr;
    quint64 m_recognition = 0;
    bool m_inUtterance = false;
    bool m_punctuation = false;
    bool m_speechSeen = false;
    qint64 m_endSilenceSamples = 0;
    qint64 m_silentSamples = 0;
    QString m_hypothesis;
    QByteArray m_oddByte;
    std::vector<int16> m_samples;
};

VQPocketsphinxRecognizer::Model VQPocketsphinxRecognizer::systemModel()
{
    const QString folder = QString::fromLatin1(kModelFolder);
    return {folder + QStringLiteral("/en-us"), folder + QStringLiteral("/en-us.lm.bin"),
            folder + QStringLiteral("/cmudict-en-us.dict")};
}

VQPocketsphinxRecognizer::VQPocketsphinxRecognizer(Model model)
    : m_model(std::move(model))
    , m_hasModel(QFileInfo(m_model.acousticModel).isDir() && QFileInfo(m_model.languageModel).isFile()
                 && QFileInfo(m_model.dictionary).isFile())
    , m_context(std::make_unique<QObject>())
    , m_interrupt(eventfd(0, EFD_CLOEXEC))
{
    m_unloadTimer.setSingleShot(true);
    m_unloadTimer.setInterval(kUnloadDelayMs);
    QObject::connect(&m_unloadTimer, &QTimer::timeout, m_context.get(), [this] { post(Command::of(Command::Kind::Unload)); });
    if (!m_hasModel)
        VQLogInfo(QStringLiteral("offline recogniser: no model in %1").arg(QFileInfo(m_model.acousticModel).path()));
}

VQPocketsphinxRecognizer::~VQPocketsphinxRecognizer()
{
    if (m_worker.joinable()) {
        {
            const std::lock_guard lock(m_mutex);
            m_commands.clear();
        }
        // A model check still running is broken off.
        const quint64 one = 1;
        if (m_interrupt >= 0 && ::write(m_interrupt, &one, sizeof one) < 0)
            VQLogWarn(QStringLiteral("offline recogniser: the model check could not be broken off"));
        post(Command::of(Command::Kind::Quit));
        m_worker.join();
    }
    if (m_interrupt >= 0)
        ::close(m_interrupt);
}

bool VQPocketsphinxRecognizer::isModelLoaded() const
{
    const std::lock_guard lock(m_mutex);
    return m_loaded;
}

bool VQPocketsphinxRecognizer::supportsLanguage(const QString& rlang) const
{
    return m_hasModel && !m_modelUnusable && rlang.compare(QLatin1String(kLanguage), Qt::CaseInsensitive) == 0;
}

void VQPocketsphinxRecognizer::setLanguage(const QString& rlang)
{
    m_language = rlang;
}

void VQPocketsphinxRecognizer::setPunctuation(bool on)
{
    m_punctuation = on;
}

void VQPocketsphinxRecognizer::setEndOfSpeechSilence(int ms)
{
    m_endSilenceMs = qMax(0, ms);
}

int VQPocketsphinxRecognizer::start()
{
    if (!m_hasModel || m_modelUnusable)
        return kErrorNoModel;
    if (!supportsLanguage(m_language))
        return kErrorUnsupportedLanguage;
    if (!m_worker.joinable())
        m_worker = std::thread([this] { run(); });
    m_unloadTimer.stop();
    m_running = true;
    Command command = Command::of(Command::Kind::Start, ++m_recognition);
    command.punctuation = m_punctuation;
    command.endSilenceMs = m_endSilenceMs;
    command.modelCheckTimeoutMs = m_modelCheckTimeoutMs;
    post(std::move(command));
    return 0;
}

void VQPocketsphinxRecognizer::write(const QByteArray& pcm)
{
    if (!m_running || pcm.isEmpty())
        return;
    Command command = Command::of(Command::Kind::Audio, m_recognition);
    command.pcm = pcm;
    post(std::move(command));
}

int VQPocketsphinxRecognizer::stop()
{
    if (!m_running)
        return 0;
    m_running = false;
    post(Command::of(Command::Kind::Stop, m_recognition));
    return 0;
}

void VQPocketsphinxRecognizer::setResultHandler(std::function<void(int, const QString&)> handler)
{
    m_resultHandler = std::move(handler);
}

void VQPocketsphinxRecognizer::setErrorHandler(std::function<void(int, const QString&)> handler)
{
    m_errorHandler = std::move(handler);
}

QString VQPocketsphinxRecognizer::formatText(const QString& hypothesis, bool punctuation, bool final)
{
    if (!punctuation || hypothesis.isEmpty())
        return hypothesis;
    QString text = hypothesis;
    text[0] = text.at(0).toUpper();
    if (final)
        text.append(QLatin1Char('.'));
    return text;
}

void VQPocketsphinxRecognizer::post(Command command)
{
    {
        const std::lock_guard lock(m_mutex);
        m_commands.push_back(std::move(command));
    }
    m_wake.notify_one();
}

void VQPocketsphinxRecognizer::run()
{
    Decoder decoder;
    for (;;) {
        Command command;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return !m_commands.empty(); });
            command = std::move(m_commands.front());
            m_commands.pop_front();
        }
        switch (command.kind) {
        case Command::Kind::Quit:
            return;
        case Command::Kind::Unload:
            if (decoder.isLoaded()) {
                decoder.unload();
                {
                    const std::lock_guard lock(m_mutex);
                    m_loaded = false;
                }
                mm::releaseFreedMemory();
                VQLogInfo(QStringLiteral("offline recogniser: model freed"));
            }
            break;
        case Command::Kind::Start: {
            QString error;
            if (!decoder.load(m_model, command.modelCheckTimeoutMs, m_interrupt, &error)) {
                reportError(command.recognition, kErrorModelLoad, error);
                report(command.recognition, kStatusEnd, QString());
                break;
            }
            {
                const std::lock_guard lock(m_mutex);
                m_loaded = true;
            }
            if (!decoder.begin(command)) {
                reportError(command.recognition, kErrorStart, QStringLiteral("the utterance could not be started"));
                report(command.recognition, kStatusEnd, QString());
            }
            break;
        }
        case Command::Kind::Audio: {
            if (!decoder.inUtteranceOf(command.recognition))
                break;
            bool ended = false;
            const QString interim = decoder.decode(command.pcm, &ended);
            if (!interim.isNull() && !ended)
                report(command.recognition, 1, interim);
            if (ended)
                report(command.recognition, kStatusEnd, decoder.end());
            break;
        }
        case Command::Kind::Stop:
            if (decoder.inUtteranceOf(command.recognition))
                report(command.recognition, kStatusEnd, decoder.end());
            break;
        }
    }
}

void VQPocketsphinxRecognizer::report(quint64 recognition, int status, const QString& text)
{
    QMetaObject::invokeMethod(
        m_context.get(), [this, recognition, status, text] { delivered(recognition, status, text); }, Qt::QueuedConnection);
}

void VQPocketsphinxRecognizer::reportError(quint64 recognition, int code, const QString& message)
{
    QMetaObject::invokeMethod(
        m_context.get(),
        [this, recognition, code, message] {
            if (recognition != m_recognition)
                return; // the start of the newer recognition reports its own
            if (code == kErrorModelLoad) {
                // From now on the model counts as missing: the user is told this once.
                if (m_modelUnusable)
                    return;
                m_modelUnusable = true;
                VQLogWarn(QStringLiteral("offline recogniser: %1; recognition goes over the websocket").arg(message));
            }
            if (m_errorHandler)
                m_errorHandler(code, message);
        },
        Qt::QueuedConnection);
}

void VQPocketsphinxRecognizer::delivered(quint64 recognition, int status, const QString& text)
{
    if (recognition != m_recognition)
        return; // a newer recognition started meanwhile
    if (status == kStatusEnd) {
        m_running = false;
        m_unloadTimer.start();
    }
    if (m_resultHandler) {
        const auto handler = m_resultHandler;
        handler(status, text.isNull() ? QStringLiteral("") : text);
    }
}
