#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

// Turns an audio file (WAV or MP3) into 16 kHz mono 16-bit little-endian PCM, the audio of
// file transcription.
//
// A WAV already in that form is taken as it is by our RIFF parser (its data chunk, whole
// samples only). Every other file goes through QAudioDecoder (GStreamer), which resamples and
// mixes down. The file is read on a worker; the decoder runs asynchronously; nothing blocks
// the main thread.
class VQAudioFileDecoder : public QObject {
    Q_OBJECT
public:
    static constexpr int kSampleRate = 16000;

    // What a WAV file's header says.
    struct WavInfo {
        bool isWav = false;      // a RIFF/WAVE file with a usable fmt chunk and a data chunk
        bool isPcm16kMono = false; // linear PCM, 16 kHz, one channel, 16 bits
        int formatTag = 0;
        int channels = 0;
        int sampleRate = 0;
        int bitsPerSample = 0;
        qint64 dataOffset = 0; // where the samples start in the file
        qint64 dataSize = 0;   // whole blocks only, never past the end of the file
    };
    // Parses the header of a WAV file held whole in bytes. A data chunk that claims more than
    // the file holds is cut to what is there.
    static WavInfo parseWav(const QByteArray& bytes);

    enum class Result {
        Ok,
        Unreadable, // no file, or not readable
        Undecodable // read, but no audio could be decoded from it
    };
    using Done = std::function<void(Result result, const QByteArray& pcm, const QString& error)>;

    explicit VQAudioFileDecoder(QObject* parent = nullptr);
    ~VQAudioFileDecoder() override;

    // Decodes the file and calls done once, on the main thread. A decoding still running is
    // abandoned (its done is never called). Main thread only.
    void decode(const QString& path, Done done);
    bool isRunning() const { return m_running; }

private:
    void fileRead(quint64 serial, const QString& path, bool ok, const QByteArray& bytes, const QString& error);
    void decodeWithQt(quint64 serial, const QString& path);
    void finish(quint64 serial, Result result, const QByteArray& pcm, const QString& error);

    quint64 m_serial = 0;
    bool m_running = false;
    Done m_done;
    QObject* m_decoder = nullptr; // the QAudioDecoder of the running decoding
};
