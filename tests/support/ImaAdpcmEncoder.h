#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// The encoder in the simulated devices' microphones, written from docs/device-protocol.md
// section 10 alone: 16-bit samples into IMA ADPCM blocks of 256 bytes (505 samples), each led
// by its first sample and the step index, the codes two per byte with the low nibble first.
// The step index runs on from one block to the next; the last block is as short as its
// samples allow (a last sample is repeated to fill its byte).
class ImaAdpcmEncoder {
public:
    static constexpr int kBlockBytes = 256;
    static constexpr int kSamplesPerBlock = 505;

    static QByteArray encode(const QList<qint16>& samples);
};
