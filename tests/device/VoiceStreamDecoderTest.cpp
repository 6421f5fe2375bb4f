// The IMA ADPCM decoder against an independent implementation (sox), on a real spoken utterance
// and on blocks made to drive the predictor and the step index to their limits.
#include "VQAdpcmDecoder.h"
#include "VQVoiceStream.h"
#include "VoiceTestUtterance.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace {

std::vector<qint16> samplesOf(const QByteArray& pcm)
{
    std::vector<qint16> out(std::size_t(pcm.size() / 2));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = qFromLittleEndian<qint16>(pcm.constData() + 2 * i);
    return out;
}

// Decodes every block on its own, as the device stream does.
std::vector<qint16> decodeBlocks(const QByteArray& adpcm, int blockAlign)
{
    std::vector<qint16> out;
    for (qsizetype at = 0; at < adpcm.size(); at += blockAlign) {
        const int size = int(std::min<qsizetype>(blockAlign, adpcm.size() - at));
        std::vector<qint16> block(std::size_t(VQAdpcmDecoder::samplesInBlock(size)));
        const int n = VQAdpcmDecoder::decodeBlock(reinterpret_cast<const quint8*>(adpcm.constData() + at), size,
                                                  block.data());
        out.insert(out.end(), block.begin(), block.begin() + n);
    }
    return out;
}

// The first sample where the two differ, with both values; empty when the first n agree.
std::string firstDifference(const std::vector<qint16>& ours, const std::vector<qint16>& theirs, std::size_t n,
                            int samplesPerBlock)
{
    for (std::size_t i = 0; i < n; ++i) {
        if (ours[i] != theirs[i])
            return "sample " + std::to_string(i) + " (block " + std::to_string(i / std::size_t(samplesPerBlock))
                + "): ours " + std::to_string(ours[i]) + ", sox " + std::to_string(theirs[i]);
    }
    return {};
}

void putLe16(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void putLe32(QByteArray& out, quint32 value)
{
    putLe16(out, int(value & 0xFFFF));
    putLe16(out, int(value >> 16));
}

// A mono IMA ADPCM WAV file of 256-byte blocks around the given data.
QByteArray imaWav(const QByteArray& data, int sampleRate)
{
    const int blockAlign = VQVoiceStream::kBlockBytes;
    const quint32 samples = quint32(data.size() / blockAlign) * quint32(VQVoiceStream::kSamplesPerBlock);
    QByteArray format;
    putLe16(format, 0x11);
    putLe16(format, 1);
    putLe32(format, quint32(sampleRate));
    putLe32(format, quint32(sampleRate) * quint32(blockAlign) / quint32(VQVoiceStream::kSamplesPerBlock));
    putLe16(format, blockAlign);
    putLe16(format, 4);
    putLe16(format, 2);
    putLe16(format, VQVoiceStream::kSamplesPerBlock);
    QByteArray body = "WAVE";
    body += "fmt ";
    putLe32(body, quint32(format.size()));
    body += format;
    body += "fact";
    putLe32(body, 4);
    putLe32(body, samples);
    body += "data";
    putLe32(body, quint32(data.size()));
    body += data;
    QByteArray wav = "RIFF";
    putLe32(wav, quint32(body.size()));
    return wav + body;
}

QByteArray block(int firstSample, int stepIndex, quint8 fill)
{
    QByteArray out;
    putLe16(out, firstSample);
    out.append(char(stepIndex));
    out.append('\0');
    out.append(QByteArray(VQVoiceStream::kBlockBytes - VQAdpcmDecoder::kHeaderBytes, char(fill)));
    return out;
}

} // namespace

TEST(VoiceStreamDecoderTest, DecodesASpokenUtteranceSampleForSampleAsSoxDoes)
{
    const voicetest::Utterance& u = voicetest::utterance();
    ASSERT_TRUE(u.error.isEmpty()) << u.error.toStdString();
    // sox writes exactly the block layout the devices use.
    ASSERT_EQ(u.blockAlign, VQVoiceStream::kBlockBytes);
    ASSERT_EQ(u.samplesPerBlock, VQVoiceStream::kSamplesPerBlock);
    ASSERT_EQ(u.sampleRate, 16000);
    ASSERT_EQ(u.adpcm.size() % u.blockAlign, 0);

    const std::vector<qint16> sox = samplesOf(u.soxPcm);
    const std::vector<qint16> ours = decodeBlocks(u.adpcm, u.blockAlign);
    // A real utterance of a few seconds, not silence.
    ASSERT_GT(sox.size(), std::size_t(2 * 16000));
    int loudest = 0;
    for (qint16 s : sox)
        loudest = std::max(loudest, std::abs(int(s)));
    EXPECT_GT(loudest, 2000);

    // sox stops at the sample count of the file's fact chunk, which lies within the last block.
    ASSERT_LE(sox.size(), ours.size());
    EXPECT_GT(sox.size(), ours.size() - std::size_t(u.samplesPerBlock));
    EXPECT_EQ(firstDifference(ours, sox, sox.size(), u.samplesPerBlock), "");
}

TEST(VoiceStreamDecoderTest, ClampsPredictorAndStepIndexAsSoxDoes)
{
    // Blocks that push the sample against both limits at the largest step, that pull the step
    // index down to 0 and up to 88, and random codes from random headers.
    QByteArray data;
    data += block(32760, 88, 0x77);  // largest positive differences: clamped at 32767
    data += block(-32760, 88, 0xFF); // largest negative differences: clamped at -32768
    data += block(0, 0, 0x00);       // index would go below 0
    data += block(-5, 0, 0x7F);      // index climbs to 88 and stays there
    data += block(100, 40, 0x8F);    // alternating small and large steps
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> index(0, 88);
    std::uniform_int_distribution<int> sample(-32768, 32767);
    for (int b = 0; b < 40; ++b) {
        QByteArray noise = block(sample(random), index(random), 0);
        for (int i = VQAdpcmDecoder::kHeaderBytes; i < noise.size(); ++i)
            noise[i] = char(byte(random));
        data += noise;
    }

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString wavPath = dir.filePath(QStringLiteral("extremes.wav"));
    const QString rawPath = dir.filePath(QStringLiteral("extremes.raw"));
    {
        QFile wav(wavPath);
        ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
        wav.write(imaWav(data, 16000));
    }
    const QString error = voicetest::run(
        QStringLiteral("sox"), {wavPath, QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-e"),
                                QStringLiteral("signed-integer"), QStringLiteral("-b"), QStringLiteral("16"),
                                QStringLiteral("--endian"), QStringLiteral("little"), rawPath});
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    QFile raw(rawPath);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const std::vector<qint16> sox = samplesOf(raw.readAll());
    const std::vector<qint16> ours = decodeBlocks(data, VQVoiceStream::kBlockBytes);
    ASSERT_EQ(sox.size(), ours.size());
    EXPECT_EQ(firstDifference(ours, sox, sox.size(), VQVoiceStream::kSamplesPerBlock), "");

    // The limits were reached.
    const auto first = ours.begin();
    EXPECT_EQ(*std::max_element(first, first + VQVoiceStream::kSamplesPerBlock), 32767);
    EXPECT_EQ(*std::min_element(first + VQVoiceStream::kSamplesPerBlock, first + 2 * VQVoiceStream::kSamplesPerBlock),
              -32768);
}

TEST(VoiceStreamDecoderTest, ShortBlocksDecodeAsFarAsTheirBytesGoAndBadHeadersAreRecognised)
{
    const voicetest::Utterance& u = voicetest::utterance();
    ASSERT_TRUE(u.error.isEmpty()) << u.error.toStdString();
    const auto* bytes = reinterpret_cast<const quint8*>(u.adpcm.constData()) + 10 * u.blockAlign;
    std::vector<qint16> whole(std::size_t(VQVoiceStream::kSamplesPerBlock));
    ASSERT_EQ(VQAdpcmDecoder::decodeBlock(bytes, u.blockAlign, whole.data()), VQVoiceStream::kSamplesPerBlock);

    std::vector<qint16> part(whole.size(), 0);
    EXPECT_EQ(VQAdpcmDecoder::decodeBlock(bytes, 3, part.data()), 0);
    for (int size : {4, 5, 100, 255}) {
        const int n = VQAdpcmDecoder::decodeBlock(bytes, size, part.data());
        ASSERT_EQ(n, 1 + 2 * (size - 4));
        EXPECT_TRUE(std::equal(part.begin(), part.begin() + n, whole.begin())) << "cut at " << size;
    }

    EXPECT_TRUE(VQAdpcmDecoder::headerIsValid(bytes, 4));
    EXPECT_FALSE(VQAdpcmDecoder::headerIsValid(bytes, 3));
    const quint8 badHeader[] = {0x00, 0x10, 89, 0x00, 0x77};
    EXPECT_FALSE(VQAdpcmDecoder::headerIsValid(badHeader, 5));
    // Decoded anyway when asked, with the index taken as 88: no read outside the tables.
    qint16 out[3];
    EXPECT_EQ(VQAdpcmDecoder::decodeBlock(badHeader, 5, out), 3);
    EXPECT_EQ(out[0], 0x1000);

    // A state from outside is brought into range before it is used.
    VQAdpcmDecoder::State wild{100000, -40};
    const qint16 s = VQAdpcmDecoder::decodeNibble(wild, 0x7);
    EXPECT_EQ(s, 32767);
    EXPECT_GE(wild.stepIndex, 0);
    EXPECT_LE(wild.stepIndex, VQAdpcmDecoder::kMaxStepIndex);
}
