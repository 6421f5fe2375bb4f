#include "VQAudioDevices.h"

#include "AudioCaptureBackend.h"
#include "MMLog.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMediaDevices>
#include <QProcess>
#include <QTimer>

namespace VQAudioDevices {

namespace {

std::optional<Device> fromQt(const QAudioDevice& qtDevice)
{
    if (qtDevice.isNull())
        return std::nullopt;
    Device device;
    device.id = qtDevice.id();
    device.name = qtDevice.description();
    device.hasInput = qtDevice.mode() == QAudioDevice::Input;
    device.hasOutput = qtDevice.mode() == QAudioDevice::Output;
    return device;
}

void report(const SelectDone& done, SelectResult result)
{
    if (!done)
        return;
    QTimer::singleShot(0, QCoreApplication::instance(), [done, result] { done(result); });
}

// Runs pactl without waiting for it; done gets Selected when it succeeded.
void runPactl(const QStringList& arguments, SelectDone done)
{
    auto* process = new QProcess(QCoreApplication::instance());
    auto finished = std::make_shared<bool>(false);
    auto finish = [process, finished, arguments, done](bool ok, const QString& why) {
        if (*finished)
            return;
        *finished = true;
        if (ok)
            VQLogInfo(QStringLiteral("pactl %1: done").arg(arguments.join(u' ')));
        else
            VQLogWarn(QStringLiteral("pactl %1 failed: %2").arg(arguments.join(u' '), why));
        process->deleteLater();
        if (done)
            done(ok ? SelectResult::Selected : SelectResult::Failed);
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [process, finish](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(false, process->errorString());
    });
    QObject::connect(process, &QProcess::finished, process,
                     [process, finish](int exitCode, QProcess::ExitStatus status) {
                         const bool ok = status == QProcess::NormalExit && exitCode == 0;
                         finish(ok, QString::fromLocal8Bit(process->readAllStandardError()).trimmed());
                     });
    process->start(QStringLiteral("pactl"), arguments);
}

} // namespace

Direction Device::direction() const
{
    if (hasOutput)
        return DirectionOutput;
    return hasInput ? DirectionInput : DirectionNone;
}

QList<Device> allDevices()
{
    QList<Device> devices;
    auto add = [&devices](const QAudioDevice& qtDevice) {
        const std::optional<Device> device = fromQt(qtDevice);
        if (!device)
            return;
        for (Device& known : devices) {
            if (known.id == device->id) {
                known.hasInput = known.hasInput || device->hasInput;
                known.hasOutput = known.hasOutput || device->hasOutput;
                return;
            }
        }
        devices.append(*device);
    };
    for (const QAudioDevice& input : QMediaDevices::audioInputs())
        add(input);
    for (const QAudioDevice& output : QMediaDevices::audioOutputs())
        add(output);
    return devices;
}

bool passesKindFilter(const Device& device, int kind)
{
    switch (kind) {
    case KindInput:
        return device.hasInput;
    case KindOutput:
        return device.hasOutput;
    case KindSystem:
        return device.direction() == DirectionOutput;
    default:
        return true;
    }
}

QString kindName(int kind)
{
    switch (kind) {
    case KindInput:
        return QStringLiteral("input");
    case KindOutput:
        return QStringLiteral("output");
    case KindSystem:
        return QStringLiteral("system");
    default:
        return QStringLiteral("unknown");
    }
}

std::optional<Device> findDevice(const QList<Device>& devices, const QString& name, int kind)
{
    for (const Device& device : devices) {
        if (passesKindFilter(device, kind) && device.name == name)
            return device;
    }
    return std::nullopt;
}

std::optional<Device> findDevice(const QString& name, int kind)
{
    return findDevice(allDevices(), name, kind);
}

std::optional<Device> nextDevice(const QList<Device>& devices, const QByteArray& currentId, int kind)
{
    QList<Device> passing;
    for (const Device& device : devices) {
        if (passesKindFilter(device, kind))
            passing.append(device);
    }
    if (passing.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < passing.size(); ++i) {
        if (passing[i].id == currentId)
            return passing[(i + 1) % passing.size()];
    }
    return passing.first();
}

std::optional<Device> currentDevice(int kind)
{
    if (kind == KindInput) {
        const QByteArray chosen = AudioCaptureBackend::instance().inputDeviceId();
        if (!chosen.isEmpty()) {
            for (const Device& device : allDevices()) {
                if (device.id == chosen && device.hasInput)
                    return device;
            }
        }
        return fromQt(QMediaDevices::defaultAudioInput());
    }
    if (kind == KindOutput || kind == KindSystem)
        return fromQt(QMediaDevices::defaultAudioOutput());
    return std::nullopt;
}

QString listDevices(const QList<Device>& devices, int kind, int style, QStringList* names)
{
    QStringList lines;
    for (const Device& device : devices) {
        if (!passesKindFilter(device, kind))
            continue;
        const QString direction = kindName(device.direction());
        if (style == ListCsv)
            lines.append(QStringLiteral("%1,%2").arg(device.name, direction));
        else if (style == ListJson)
            lines.append(QString::fromUtf8(
                QJsonDocument(QJsonObject { { QStringLiteral("name"), device.name }, { QStringLiteral("type"), direction } })
                    .toJson(QJsonDocument::Compact)));
        else
            lines.append(QStringLiteral("%1 (%2)").arg(device.name, direction));
        if (names)
            names->append(device.name);
    }
    return lines.join(u'\n');
}

void setDefaultDevice(const Device& device, int kind, SelectDone done)
{
    const QString serverName = QString::fromUtf8(device.id);
    if (kind == KindInput) {
        AudioCaptureBackend::instance().setInputDeviceId(device.id);
        VQLogInfo(QStringLiteral("default input: %1 (%2)").arg(device.name, serverName));
        runPactl({ QStringLiteral("set-default-source"), serverName }, std::move(done));
    } else if (kind == KindOutput || kind == KindSystem) {
        VQLogInfo(QStringLiteral("default output: %1 (%2)").arg(device.name, serverName));
        runPactl({ QStringLiteral("set-default-sink"), serverName }, std::move(done));
    } else {
        VQLogWarn(QStringLiteral("no default device of kind %1").arg(kind));
        report(done, SelectResult::Failed);
    }
}

SelectResult selectDefaultInputByName(const QString& name, SelectDone done)
{
    const std::optional<Device> device = findDevice(name, KindInput);
    if (!device) {
        VQLogWarn(QStringLiteral("no input device named \"%1\"").arg(name));
        report(done, SelectResult::NotFound);
        return SelectResult::NotFound;
    }
    setDefaultDevice(*device, KindInput, std::move(done));
    return SelectResult::Selected;
}

} // namespace VQAudioDevices
