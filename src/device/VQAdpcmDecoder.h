#pragma once

#include <QtGlobal>

// IMA ADPCM decoding, as the standard algorithm defines it: 4-bit codes, the 89-entry step
// table, the index table, the step index kept within 0..88 and the predictor within 16 bits.
//
// A block is the layout of IMA ADPCM in WAV files, mono: a 4-byte header (the first sample as
// a signed 16-bit little-endian number, the step index, one reserved byte), then the codes of
// the following samples, two per byte, the low nibble first. A block of n bytes (n >= 4) holds
// 1 + 2 * (n - 4) samples. The devices send their voice in such blocks (docs/device-protocol.md,
// section 10).
//
// Pure functions over bytes; no state outside the State a caller passes. Any thread.
class VQAdpcmDecoder {
public:
    static constexpr int kHeaderBytes = 4;
    static constexpr int kMaxStepIndex = 88;

    // The decoder's state between two codes.
    struct State {
        int predictor = 0; // the last sample, -32768..32767
        int stepIndex = 0; // 0..88
    };

    // The sample of one 4-bit code (the upper bits of code are ignored); advances the state.
    static qint16 decodeNibble(State& state, quint8 code);

    // Decodes size bytes of codes, low nibble first, from the state: 2 * size samples into out.
    static void decodeNibbles(State& state, const quint8* data, int size, qint16* out);

    // The number of samples of a block of blockBytes bytes (0 when there is no whole header).
    static int samplesInBlock(int blockBytes);

    // Decodes one block into out, which must have room for samplesInBlock(blockBytes) samples;
    // returns the number written (0 when blockBytes < kHeaderBytes). A step index above 88 in
    // the header is taken as 88; the reserved byte is not read. Callers that want damaged
    // headers refused check headerIsValid first.
    static int decodeBlock(const quint8* block, int blockBytes, qint16* out);

    // True when the block has a whole header whose step index is within 0..88.
    static bool headerIsValid(const quint8* block, int blockBytes);
};
