#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// The sound devices of the system (through Qt Multimedia) and the choice of the default
// input: the microphone our capture records from and, on the sound server (PulseAudio or a
// compatible one such as PipeWire's), the default source of every other program. The server's
// default is changed with `pactl set-default-source`, run asynchronously.
//
// Kinds: 1 input, 2 output, 3 system output (on Linux the same devices as output). Any other
// kind means every device. Main thread only.
namespace VQAudioDevices {

enum Kind { KindInput = 1, KindOutput = 2, KindSystem = 3 };
// A device's direction: output when it can play, else input when it can record, else none.
enum Direction { DirectionNone = 0, DirectionInput = 1, DirectionOutput = 2 };
enum class SelectResult { Selected, NotFound, Failed };
// Styles of listDevices: "name (direction)", "name,direction", a JSON object per line.
enum ListStyle { ListPlain = 0, ListCsv = 1, ListJson = 2 };

struct Device {
    QByteArray id;
    QString name;
    bool hasInput = false;
    bool hasOutput = false;

    Direction direction() const;
};

// Every device: the inputs, then the outputs; a device with both kinds of stream appears once.
QList<Device> allDevices();
bool passesKindFilter(const Device& device, int kind);
QString kindName(int kind);

// The first device of the list that passes the kind filter and whose name equals the name
// exactly (case and every character); none when no device matches.
std::optional<Device> findDevice(const QList<Device>& devices, const QString& name, int kind);
std::optional<Device> findDevice(const QString& name, int kind);
// The device after currentId among those passing the filter, wrapping to the first; the first
// when currentId is not among them; none when no device passes.
std::optional<Device> nextDevice(const QList<Device>& devices, const QByteArray& currentId, int kind);
// The device in use of a kind: for input the one our capture records from (the chosen one, else
// the system's default), for output and system output the system's default.
std::optional<Device> currentDevice(int kind);

// One line per device passing the filter, in the style; names receives the names.
QString listDevices(const QList<Device>& devices, int kind, int style, QStringList* names = nullptr);

// Result of the sound server's part, called on the main thread after the call returned:
// Selected once the server's default is the device (or no server's default was to change),
// Failed when the server refused or could not be reached.
using SelectDone = std::function<void(SelectResult)>;

// Makes the device the default of its kind: for input our capture records from it from its next
// start; on the sound server the default source (input) or sink (output, system).
void setDefaultDevice(const Device& device, int kind, SelectDone done = {});

// Finds the input device of the name (as findDevice with kind input). NotFound when none has
// it: nothing changes and done gets NotFound. Otherwise our capture records from it from its
// next start and the result is Selected; done tells whether the server's default source
// followed.
SelectResult selectDefaultInputByName(const QString& name, SelectDone done = {});

} // namespace VQAudioDevices
