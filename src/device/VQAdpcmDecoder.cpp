#include "VQAdpcmDecoder.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 89> kStepTable{
    7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,    28,
    31,    34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,   118,
    130,   143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,   494,
    544,   598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,
    2272,  2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,
    9493,  10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767,
};

constexpr std::array<int, 16> kIndexTable{
    -1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8,
};

// One code from a state known to be in range.
inline qint16 decodeInRange(VQAdpcmDecoder::State& state, quint8 code)
{
    const int step = kStepTable[std::size_t(state.stepIndex)];
    // difference = (magnitude + 0.5) * step / 4, computed with shifts as the standard does
    int difference = step >> 3;
    if (code & 4)
        difference += step;
    if (code & 2)
        difference += step >> 1;
    if (code & 1)
        difference += step >> 2;
    const int predictor = (code & 8) ? state.predictor - difference : state.predictor + difference;
    state.predictor = std::clamp(predictor, -32768, 32767);
    state.stepIndex = std::clamp(state.stepIndex + kIndexTable[code], 0, VQAdpcmDecoder::kMaxStepIndex);
    return qint16(state.predictor);
}

// Out-of-range states (a caller's own) are brought into range before the tables are read.
inline void clampState(VQAdpcmDecoder::State& state)
{
    state.stepIndex = std::clamp(state.stepIndex, 0, VQAdpcmDecoder::kMaxStepIndex);
    state.predictor = std::clamp(state.predictor, -32768, 32767);
}

} // namespace

qint16 VQAdpcmDecoder::decodeNibble(State& state, quint8 code)
{
    clampState(state);
    return decodeInRange(state, code & 0x0F);
}

void VQAdpcmDecoder::decodeNibbles(State& state, const quint8* data, int size, qint16* out)
{
    clampState(state);
    for (int i = 0; i < size; ++i) {
        const quint8 byte = data[i];
        *out++ = decodeInRange(state, byte & 0x0F);
        *out++ = decodeInRange(state, quint8(byte >> 4));
    }
}

int VQAdpcmDecoder::samplesInBlock(int blockBytes)
{
    return blockBytes < kHeaderBytes ? 0 : 1 + 2 * (blockBytes - kHeaderBytes);
}

bool VQAdpcmDecoder::headerIsValid(const quint8* block, int blockBytes)
{
    return blockBytes >= kHeaderBytes && block[2] <= kMaxStepIndex;
}

int VQAdpcmDecoder::decodeBlock(const quint8* block, int blockBytes, qint16* out)
{
    if (blockBytes < kHeaderBytes)
        return 0;
    State state;
    state.predictor = qint16(quint16(block[0] | (block[1] << 8)));
    state.stepIndex = std::min<int>(block[2], kMaxStepIndex);
    out[0] = qint16(state.predictor);
    decodeNibbles(state, block + kHeaderBytes, blockBytes - kHeaderBytes, out + 1);
    return samplesInBlock(blockBytes);
}
