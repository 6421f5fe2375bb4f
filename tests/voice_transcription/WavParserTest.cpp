// The RIFF parser of the transcription's decoder: the forms it takes as they are, and a million
// mutated headers, each rejected or answered with whole samples inside the file.
#include "TranscriptionTestSupport.h"

#include "VQAudioFileDecoder.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace transcription;

namespace {

QByteArray samples(int bytes)
{
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        data[i] = char(i * 11 + 3);
    return data;
}

QByteArray withChunkBeforeData(const QByteArray& wav, const QByteArray& id, const QByteArray& body)
{
    const qsizetype data = wav.indexOf("data");
    QByteArray size(4, '\0');
    qToLittleEndian(quint32(body.size()), size.data());
    QByteArray chunk = id + size + body;
    if (body.size() % 2)
        chunk += '\0';
    return wav.left(data) + chunk + wav.mid(data);
}

} // namespace

TEST(WavParserTest, FormsAndTheirSamples)
{
    const QByteArray data = samples(1000);
    QByteArray truncated = wavBytes(data);
    truncated.chop(301); // the data chunk claims more than is there; 699 bytes left
    QByteArray extensible = wavBytes(data);
    extensible[20] = char(0xFE);
    extensible[21] = char(0xFF); // WAVE_FORMAT_EXTENSIBLE without the extension: not plain PCM
    struct Row {
        const char* what;
        QByteArray file;
        bool isWav;
        bool isPcm16kMono;
        qint64 dataSize;
    };
    const Row rows[] = {
        {"16 kHz mono", wavBytes(data), true, true, 1000},
        {"44.1 kHz stereo", wavBytes(data, 44100, 2), true, false, 1000},
        {"8-bit", wavBytes(data, 16000, 1, 8), true, false, 1000},
        {"a list chunk of odd size before the data", withChunkBeforeData(wavBytes(data), "LIST", "abc"), true, true, 1000},
        {"data cut short", truncated, true, true, 698},
        {"extensible without its extension", extensible, true, false, 1000},
        {"not RIFF", QByteArray("RIFX") + wavBytes(data).mid(4), false, false, 0},
        {"no fmt before data", wavBytes(data).left(12) + wavBytes(data).mid(36), false, false, 0},
        {"only the RIFF header", wavBytes(data).left(12), false, false, 0},
    };
    for (const Row& row : rows) {
        const VQAudioFileDecoder::WavInfo info = VQAudioFileDecoder::parseWav(row.file);
        EXPECT_EQ(info.isWav, row.isWav) << row.what;
        EXPECT_EQ(info.isPcm16kMono, row.isPcm16kMono) << row.what;
        EXPECT_EQ(info.dataSize, row.dataSize) << row.what;
        if (row.isPcm16kMono) {
            EXPECT_EQ(row.file.mid(info.dataOffset, info.dataSize), data.left(row.dataSize)) << row.what;
        }
    }
}

TEST(WavParserTest, MutatedHeadersAreRejectedOrGiveWholeSamplesInsideTheFile)
{
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    const QByteArray bases[] = {
        wavBytes(samples(64)),
        wavBytes(samples(64), 44100, 2),
        withChunkBeforeData(wavBytes(samples(64)), "LIST", "abcde"),
    };
    int accepted = 0;
    for (int i = 0; i < 1000000; ++i) {
        QByteArray file = bases[i % 3];
        const int header = int(file.indexOf("data")) + 8;
        const int mutations = 1 + int(random.bounded(4));
        for (int m = 0; m < mutations; ++m)
            file[int(random.bounded(header))] = char(random.bounded(256));
        if (random.bounded(8) == 0)
            file.truncate(int(random.bounded(file.size() + 1)));
        const VQAudioFileDecoder::WavInfo info = VQAudioFileDecoder::parseWav(file);
        if (!info.isWav)
            continue;
        ++accepted;
        ASSERT_GE(info.dataOffset, 12) << "seed " << seed << " case " << i;
        ASSERT_GE(info.dataSize, 0) << "seed " << seed << " case " << i;
        ASSERT_LE(info.dataOffset + info.dataSize, file.size()) << "seed " << seed << " case " << i;
        if (info.isPcm16kMono) {
            ASSERT_EQ(info.dataSize % 2, 0) << "seed " << seed << " case " << i;
        }
    }
    EXPECT_GT(accepted, 0);
}
