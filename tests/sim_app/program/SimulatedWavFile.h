#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Reads the voice a simulated device is to stream: a WAV file of 16 kHz mono 16-bit
// little-endian PCM. Any other file is refused with the reason in *error ("44100 Hz, not
// 16000 Hz", "2 channels, not mono", ...).
namespace SimulatedWavFile {

bool readVoice(const QString& path, QList<qint16>* samples, QString* error);

} // namespace SimulatedWavFile
