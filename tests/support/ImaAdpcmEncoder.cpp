#include "ImaAdpcmEncoder.h"

#include <algorithm>

namespace {

constexpr int kStepTable[89] = {
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int kIndexTable[8] = {-1, -1, -1, -1, 2, 4, 6, 8};

// The code of one sample; advances predictor and index as a decoder of the code would.
quint8 encodeSample(int sample, int& predictor, int& index)
{
    int step = kStepTable[index];
    int difference = sample - predictor;
    quint8 code = 0;
    if (difference < 0) {
        code = 8;
        difference = -difference;
    }
    int change = step >> 3;
    if (difference >= step) {
        code |= 4;
        difference -= step;
        change += step;
    }
    step >>= 1;
    if (difference >= step) {
        code |= 2;
        difference -= step;
        change += step;
    }
    step >>= 1;
    if (difference >= step) {
        code |= 1;
        change += step;
    }
    predictor = std::clamp((code & 8) ? predictor - change : predictor + change, -32768, 32767);
    index = std::clamp(index + kIndexTable[code & 7], 0, 88);
    return code;
}

} // namespace

QByteArray ImaAdpcmEncoder::encode(const QList<qint16>& samples)
{
    QByteArray out;
    int index = 0;
    for (qsizetype start = 0; start < samples.size(); start += kSamplesPerBlock) {
        const qsizetype count = std::min<qsizetype>(kSamplesPerBlock, samples.size() - start);
        int predictor = samples.at(start);
        out.append(char(quint16(predictor) & 0xFF));
        out.append(char(quint16(predictor) >> 8));
        out.append(char(index));
        out.append('\0');
        for (qsizetype i = 1; i < count; i += 2) {
            const int first = samples.at(start + i);
            const int second = i + 1 < count ? samples.at(start + i + 1) : first;
            const quint8 low = encodeSample(first, predictor, index);
            const quint8 high = encodeSample(second, predictor, index);
            out.append(char(low | (high << 4)));
        }
    }
    return out;
}
