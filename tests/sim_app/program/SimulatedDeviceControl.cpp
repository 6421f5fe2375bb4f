#include "CursorHider.h"
#include "SimulatedDeviceControl.h"

#include "AppDelegate.h"
#include "HIDDevice.h"
#include "ImaAdpcmEncoder.h"
#include "MMLog.h"
#include "SimulatedBleMouse.h"
#include "SimulatedReceiver.h"
#include "SimulatedUsbPort.h"
#include "SimulatedWavFile.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQLeftNavigationView.h"
#include "VQMainWindow.h"
#include "VQMouseCommandManager.h"
#include "VQShortcutRecorder.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"
#include "VQUserInfoData.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QJsonArray>
#include <QMessageBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLabel>
#include <QLocalSocket>
#include <QSlider>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr qsizetype kMaxLineBytes = 4096;
constexpr int kVoiceTickMs = 20;
constexpr double kSampleRate = 16000;
// How many of the device's last commands `state` lists.
constexpr int kStateCommands = 200;
// How many of the last tips `state` lists.
constexpr int kStateTips = 50;
constexpr int kSameTipMs = 100;

// Keys a user holds and lets go: name, key number pressed, key number released (section 7 of
// the protocol page). Keys with release 0 send no release.
struct KeyRow {
    const char* name;
    int pressed;
    int released;
};
constexpr KeyRow kKeys[] = {
    {"voice", 33, 34}, {"command", 35, 36}, {"translation", 37, 38}, {"mode", 30, 0}, {"enter", 50, 0},
};

const KeyRow* keyNamed(const QString& name)
{
    for (const KeyRow& row : kKeys) {
        if (name == QLatin1String(row.name))
            return &row;
    }
    return nullptr;
}

QString ok(const QString& text = {})
{
    return text.isEmpty() ? QStringLiteral("ok") : QStringLiteral("ok ") + text;
}

QString error(const QString& reason)
{
    return QStringLiteral("error ") + reason;
}

bool parseHexId(const QString& text, int* value)
{
    QString digits = text;
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    bool parsed = false;
    const int v = digits.toInt(&parsed, 16);
    if (!parsed || digits.isEmpty() || digits.size() > 4 || v < 0)
        return false;
    *value = v;
    return true;
}

QString idText(int vendorId, int productId)
{
    return QStringLiteral("%1:%2").arg(vendorId, 4, 16, QLatin1Char('0')).arg(productId, 4, 16, QLatin1Char('0'));
}

const char kHelp[] =
    "plug <vid> <pid> | unplug | ble-connect | ble-disconnect | press <key> | release <key> | "
    "voice <wav> | battery <percent> | settings answer|refuse | mouse-type <number> | firmware <fault> | firmware-version <text> | open | state | page | show-page <tag> | quit   "
    "(keys: voice command translation mode enter, or a key number)";

QJsonArray rectJson(const QRect& r)
{
    return QJsonArray{r.x(), r.y(), r.width(), r.height()};
}

// A widget's rectangle on the screen.
QRect screenRect(const QWidget* widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// The values a device holds that the lighting page sets.
QJsonObject lightingJson(const SimulatedDevice::Values& v)
{
    return QJsonObject{
        {QStringLiteral("mode"), v.lightingMode},   {QStringLiteral("speed"), v.lightingSpeed},
        {QStringLiteral("brightness"), v.lightingBrightness}, {QStringLiteral("color"), v.lightingColor},
        {QStringLiteral("hand"), v.hand},
    };
}

} // namespace

SimulatedDeviceControl::SimulatedDeviceControl(SimulatedUsbPort& usb, SimulatedBleMouse& ble, QObject* parent)
    : QObject(parent)
    , m_usb(usb)
    , m_ble(ble)
    , m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, &SimulatedDeviceControl::newConnection);
    prepareVoice(m_ble.voice());
    prepareFirmware(m_ble.device(), false);
    // The mouse is another device than the receivers': a serial number of its own.
    m_ble.device().values.serialNumber = "VQ87654321";
    // Each tip raises the tip window once: its text is recorded then.
    VQPopupWindowTool::sharedInstance().tipWindow()->installEventFilter(this);
}

SimulatedDeviceControl::~SimulatedDeviceControl()
{
    m_ble.voice().onAllSent = nullptr;
    m_ble.voice().onStopped = nullptr;
    for (Client* client : std::as_const(m_clients))
        delete client;
}

bool SimulatedDeviceControl::listen(const QString& path, QString* errorText)
{
    QLocalServer::removeServer(path);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server->listen(path))
        return true;
    if (errorText)
        *errorText = m_server->errorString();
    return false;
}

void SimulatedDeviceControl::newConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto* client = new Client;
        client->socket = socket;
        m_clients.append(client);
        connect(socket, &QLocalSocket::readyRead, this, [this, client] { readClient(client); });
        connect(socket, &QLocalSocket::disconnected, this, [this, client] {
            m_clients.removeOne(client);
            if (client->socket)
                client->socket->deleteLater();
            // A reply still owed goes nowhere: its socket is gone.
            client->socket = nullptr;
            if (!client->busy)
                delete client;
            else
                client->queue.clear();
        });
    }
}

void SimulatedDeviceControl::readClient(Client* client)
{
    if (!client->socket)
        return;
    client->buffer.append(client->socket->readAll());
    qsizetype end = 0;
    // An over-long line is answered once, with an error (an empty entry in the queue), and
    // dropped up to its end.
    while ((end = client->buffer.indexOf('\n')) >= 0) {
        QByteArray line = client->buffer.left(end);
        client->buffer.remove(0, end + 1);
        if (client->discarding) {
            client->discarding = false;
            continue;
        }
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > kMaxLineBytes)
            client->queue.append(QByteArray());
        else if (!line.trimmed().isEmpty())
            client->queue.append(line);
    }
    if (client->buffer.size() > kMaxLineBytes) {
        client->buffer.clear();
        if (!client->discarding)
            client->queue.append(QByteArray());
        client->discarding = true;
    }
    runNext(client);
}

void SimulatedDeviceControl::runNext(Client* client)
{
    while (!client->busy && !client->queue.isEmpty()) {
        const QByteArray line = client->queue.takeFirst();
        client->busy = true;
        auto replied = std::make_shared<bool>(false);
        const Reply reply = [this, client, replied](const QString& text) {
            if (*replied)
                return;
            *replied = true;
            client->busy = false;
            if (text.startsWith(QLatin1String("error")))
                VQLogWarn(QStringLiteral("simulated device control: %1").arg(text));
            if (!client->socket) {
                delete client; // its connection closed while the reply was owed
                return;
            }
            client->socket->write(text.toUtf8() + '\n');
            client->socket->flush();
            QTimer::singleShot(0, this, [this, client] {
                if (m_clients.contains(client))
                    runNext(client);
            });
        };
        if (line.isEmpty()) {
            reply(error(QStringLiteral("line longer than %1 bytes").arg(kMaxLineBytes)));
            return;
        }
        const QStringList words = QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        execute(words, reply);
        return;
    }
}

void SimulatedDeviceControl::execute(const QStringList& words, const Reply& reply)
{
    const QString command = words.value(0);
    const auto noArguments = [&words, &command]() -> QString {
        return words.size() == 1 ? QString() : error(QStringLiteral("%1 takes no arguments").arg(command));
    };
    if (command == QLatin1String("plug")) {
        reply(plug(words));
    } else if (command == QLatin1String("unplug")) {
        const QString wrong = noArguments();
        reply(wrong.isEmpty() ? unplug() : wrong);
    } else if (command == QLatin1String("ble-connect") || command == QLatin1String("ble-disconnect")) {
        const QString wrong = noArguments();
        reply(wrong.isEmpty() ? bluetooth(command == QLatin1String("ble-connect")) : wrong);
    } else if (command == QLatin1String("press") || command == QLatin1String("release")) {
        reply(pressOrRelease(words, command == QLatin1String("press")));
    } else if (command == QLatin1String("voice")) {
        voice(words, reply);
    } else if (command == QLatin1String("battery")) {
        reply(battery(words));
    } else if (command == QLatin1String("settings")) {
        reply(settings(words));
    } else if (command == QLatin1String("mouse-type")) {
        reply(mouseType(words));
    } else if (command == QLatin1String("firmware")) {
        reply(firmware(words));
    } else if (command == QLatin1String("firmware-version")) {
        reply(firmwareVersion(words));
    } else if (command == QLatin1String("open")) {
        const QString wrong = noArguments();
        reply(wrong.isEmpty() ? openMainWindow() : wrong);
    } else if (command == QLatin1String("state")) {
        const QString wrong = noArguments();
        reply(wrong.isEmpty() ? state() : wrong);
    } else if (command == QLatin1String("page")) {
        const QString wrong = noArguments();
        reply(wrong.isEmpty() ? page() : wrong);
    } else if (command == QLatin1String("show-page")) {
        reply(showPage(words));
    } else if (command == QLatin1String("help")) {
        reply(ok(QString::fromLatin1(kHelp)));
    } else if (command == QLatin1String("quit")) {
        const QString wrong = noArguments();
        if (!wrong.isEmpty()) {
            reply(wrong);
            return;
        }
        reply(ok(QStringLiteral("quitting")));
        if (onQuit)
            QTimer::singleShot(0, this, [this] { onQuit(); });
    } else {
        reply(error(QStringLiteral("unknown command '%1' (help lists them)").arg(command.left(40))));
    }
}

QString SimulatedDeviceControl::plug(const QStringList& words)
{
    int vendorId = 0;
    int productId = 0;
    if (words.size() != 3 || !parseHexId(words.at(1), &vendorId) || !parseHexId(words.at(2), &productId))
        return error(QStringLiteral("usage: plug <vendor id> <product id>, both hexadecimal (plug 248a 61ab)"));
    if (SimulatedReceiver* plugged = m_usb.plugged()) {
        return error(QStringLiteral("receiver %1 is plugged in already; unplug it first")
                         .arg(idText(plugged->model().vendorId, plugged->model().productId)));
    }
    const std::optional<SimulatedReceiver::Model> model = SimulatedUsbPort::modelFor(vendorId, productId);
    if (!model)
        return error(QStringLiteral("no receiver %1 in docs/device-protocol.md section 2").arg(idText(vendorId, productId)));
    SimulatedReceiver* receiver = m_usb.plug(*model);
    prepareReceiver(*receiver);
    return ok(QStringLiteral("plugged %1, chip plan %2").arg(idText(vendorId, productId)).arg(model->plan));
}

QString SimulatedDeviceControl::unplug()
{
    SimulatedReceiver* receiver = m_usb.plugged();
    if (receiver == nullptr)
        return error(QStringLiteral("no receiver is plugged in"));
    const QString id = idText(receiver->model().vendorId, receiver->model().productId);
    if (!bleActive())
        m_heldKeys.clear();
    m_usb.unplug();
    return ok(QStringLiteral("unplugged %1").arg(id));
}

QString SimulatedDeviceControl::bluetooth(bool inReach)
{
    if (inReach == m_bleInReach)
        return error(inReach ? QStringLiteral("the Bluetooth mouse is in reach already")
                             : QStringLiteral("the Bluetooth mouse is not in reach"));
    m_bleInReach = inReach;
    if (inReach) {
        m_ble.bringInReach();
        return ok(m_ble.isLookedFor() ? QStringLiteral("mouse in reach") : QStringLiteral("mouse in reach; the program is not looking for it yet"));
    }
    if (bleActive())
        m_heldKeys.clear();
    m_ble.takeAway();
    return ok(QStringLiteral("mouse out of reach"));
}

QString SimulatedDeviceControl::pressOrRelease(const QStringList& words, bool press)
{
    const QString verb = press ? QStringLiteral("press") : QStringLiteral("release");
    if (words.size() != 2)
        return error(QStringLiteral("usage: %1 <key> (voice, command, translation, mode, enter%2)")
                         .arg(verb, press ? QStringLiteral(" or a key number 0-255") : QString()));
    const QString name = words.at(1);
    const KeyRow* row = keyNamed(name);
    int number = -1;
    if (row == nullptr) {
        bool parsed = false;
        number = name.startsWith(QLatin1String("0x")) ? name.mid(2).toInt(&parsed, 16) : name.toInt(&parsed, 10);
        if (!parsed || number < 0 || number > 255)
            return error(QStringLiteral("unknown key '%1'").arg(name.left(40)));
        if (!press)
            return error(QStringLiteral("a key number is pressed only; release takes voice, command or translation"));
    } else if (!press && row->released == 0) {
        return error(QStringLiteral("the %1 key sends no release").arg(name));
    }
    if (activeVoice() == nullptr)
        return error(QStringLiteral("no device: plug a receiver in or bring the Bluetooth mouse in reach first"));
    if (row != nullptr && row->released != 0) {
        if (press && m_heldKeys.contains(name))
            return error(QStringLiteral("the %1 key is held already").arg(name));
        if (!press && !m_heldKeys.contains(name))
            return error(QStringLiteral("the %1 key is not held").arg(name));
        if (m_voiceReply && name == QLatin1String("voice"))
            return error(QStringLiteral("a voice file is streaming"));
    }

    const bool ble = bleActive();
    SimulatedReceiver* receiver = activeReceiver();
    const auto sendKey = [&](int key) {
        if (ble)
            m_ble.sendKey(key);
        else
            receiver->sendKey(key);
    };
    if (row == nullptr) {
        sendKey(number);
        return ok(QStringLiteral("key %1").arg(number));
    }
    if (name == QLatin1String("voice")) {
        if (press) {
            ble ? m_ble.pressVoiceKey() : receiver->pressVoiceKey();
        } else {
            ble ? m_ble.releaseVoiceKey() : receiver->releaseVoiceKey();
        }
    } else {
        sendKey(press ? row->pressed : row->released);
    }
    if (row->released != 0) {
        if (press)
            m_heldKeys.append(name);
        else
            m_heldKeys.removeAll(name);
    }
    return ok(QStringLiteral("%1 %2").arg(verb, name));
}

void SimulatedDeviceControl::voice(const QStringList& words, const Reply& reply)
{
    if (words.size() < 2)
        return reply(error(QStringLiteral("usage: voice <path of a 16 kHz mono 16-bit WAV file>")));
    // The path is the rest of the line, so it may hold spaces.
    const QString path = words.mid(1).join(QLatin1Char(' '));
    SimulatedVoiceSource* source = activeVoice();
    if (source == nullptr)
        return reply(error(QStringLiteral("no device: plug a receiver in or bring the Bluetooth mouse in reach first")));
    if (m_heldKeys.contains(QStringLiteral("voice")) || source->isStreaming())
        return reply(error(QStringLiteral("the device is streaming its voice already")));
    QList<qint16> samples;
    QString why;
    if (!SimulatedWavFile::readVoice(path, &samples, &why))
        return reply(error(why));

    // Each device streams the sound at the rate of its link.
    m_sound = samples;
    m_ble.voice().setSound(m_sound);
    if (SimulatedReceiver* receiver = m_usb.plugged())
        receiver->voice().setSound(m_sound);

    m_voiceAllSent = false;
    m_voiceReply = [this, reply](const QString& cut) { reply(cut.isEmpty() ? m_voiceDone : error(cut)); };
    // The voice key is held while the file plays and let go after its last block.
    if (bleActive())
        m_ble.pressVoiceKey();
    else
        activeReceiver()->pressVoiceKey();
    const int blocks = int((source->utterance().size() + ImaAdpcmEncoder::kBlockBytes - 1) / ImaAdpcmEncoder::kBlockBytes);
    m_voiceDone = ok(QStringLiteral("voice %1 s, %2 blocks at %3 kHz")
                         .arg(samples.size() / kSampleRate, 0, 'f', 2)
                         .arg(blocks)
                         .arg(source->streamRate() / 1000));
}

QString SimulatedDeviceControl::battery(const QStringList& words)
{
    bool parsed = false;
    const int percent = words.value(1).toInt(&parsed);
    if (words.size() != 2 || !parsed || percent < 0 || percent > 100)
        return error(QStringLiteral("usage: battery <percent 0-100>"));
    if (activeVoice() == nullptr)
        return error(QStringLiteral("no device: plug a receiver in or bring the Bluetooth mouse in reach first"));
    const int level = (percent + 24) / 25; // 0-4
    if (bleActive())
        m_ble.sendBattery(level, percent);
    else
        activeReceiver()->sendBattery(level, percent);
    return ok(QStringLiteral("battery %1 %, level %2").arg(percent).arg(level));
}

QString SimulatedDeviceControl::settings(const QStringList& words)
{
    const QString mode = words.value(1);
    if (words.size() != 2 || (mode != QLatin1String("answer") && mode != QLatin1String("refuse")))
        return error(QStringLiteral("usage: settings answer|refuse"));
    m_refuseSettings = mode == QLatin1String("refuse");
    m_ble.device().refuseSettings = m_refuseSettings;
    if (SimulatedReceiver* receiver = m_usb.plugged())
        receiver->device().refuseSettings = m_refuseSettings;
    return ok(m_refuseSettings ? QStringLiteral("settings refused") : QStringLiteral("settings answered"));
}

QString SimulatedDeviceControl::mouseType(const QStringList& words)
{
    bool parsed = false;
    const int type = words.value(1).toInt(&parsed, 10);
    if (words.size() != 2 || !parsed || type < 0 || type > 0xFFFF)
        return error(QStringLiteral("usage: mouse-type <number 0-65535> (72: a lit mouse)"));
    m_mouseType = type;
    m_ble.device().values.mouseType = type;
    SimulatedReceiver* receiver = m_usb.plugged();
    if (receiver != nullptr)
        receiver->device().values.mouseType = type;
    // A device the program talks to tells it at once, as after a change of its mode.
    if (bleActive())
        m_ble.sendPayload(m_ble.device().deviceInfoPayload());
    else if (receiver != nullptr && receiver->isOpen())
        receiver->sendDeviceInfo();
    return ok(QStringLiteral("mouse type %1").arg(type));
}

QString SimulatedDeviceControl::showPage(const QStringList& words)
{
    bool parsed = false;
    const int tag = words.value(1).toInt(&parsed, 10);
    if (words.size() != 2 || !parsed || tag < 0 || tag >= AppDelegate::kPageCount)
        return error(QStringLiteral("usage: show-page <tag 0-%1>").arg(AppDelegate::kPageCount - 1));
    AppDelegate* delegate = AppDelegate::sharedDelegate();
    VQMainWindow* window = delegate != nullptr ? delegate->mainWindow() : nullptr;
    if (window == nullptr || !window->isVisible())
        return error(QStringLiteral("the main window is not shown"));
    const int shown = delegate->selectedTag();
    delegate->selectPageWithTag(tag);
    if (delegate->selectedTag() == tag)
        return ok(QStringLiteral("page %1").arg(tag));
    // A tag without a page shows none: the page shown before comes back.
    if (shown >= 0)
        delegate->selectPageWithTag(shown);
    return error(QStringLiteral("no page with tag %1").arg(tag));
}

QString SimulatedDeviceControl::firmware(const QStringList& words)
{
    using Fault = SimulatedFirmwareUpdate::Fault;
    struct FaultRow {
        const char* name;
        Fault fault;
        bool unplug;
        bool packet; // takes a packet index
    };
    static constexpr FaultRow kFaults[] = {
        {"none", Fault::None, false, false},
        {"refuse-start", Fault::RefuseStart, false, false},
        {"fail-packet", Fault::FailPacket, false, true},
        {"cancel-at", Fault::CancelAtPacket, false, true},
        {"silent-at", Fault::SilentAtPacket, false, true},
        {"reject-image", Fault::RejectImage, false, false},
        {"unplug-at", Fault::None, true, true},
    };
    const QString usage = QStringLiteral(
        "usage: firmware none|refuse-start|fail-packet <n>|cancel-at <n>|silent-at <n>|reject-image|unplug-at <n>");
    const FaultRow* row = nullptr;
    for (const FaultRow& candidate : kFaults) {
        if (words.value(1) == QLatin1String(candidate.name))
            row = &candidate;
    }
    if (row == nullptr || words.size() != (row->packet ? 3 : 2))
        return error(usage);
    int packet = 0;
    if (row->packet) {
        bool parsed = false;
        packet = words.at(2).toInt(&parsed, 10);
        if (!parsed || packet < 0 || packet > 0xFFFF)
            return error(usage);
    }
    m_firmwareFault = row->fault;
    m_firmwareUnplug = row->unplug;
    m_firmwarePacket = packet;
    m_firmwareFaultText = words.mid(1).join(QLatin1Char(' '));
    prepareFirmware(m_ble.device(), false);
    if (SimulatedReceiver* receiver = m_usb.plugged())
        prepareFirmware(receiver->device(), true);
    return ok(QStringLiteral("firmware %1").arg(m_firmwareFaultText));
}

QString SimulatedDeviceControl::firmwareVersion(const QStringList& words)
{
    const QString version = words.value(1);
    if (words.size() != 2 || version.size() > 16 || !std::all_of(version.begin(), version.end(), [](QChar c) {
            return (c.isLetterOrNumber() && c.unicode() < 0x80) || c == QLatin1Char('.');
        }))
        return error(QStringLiteral("usage: firmware-version <text of at most 16 letters, digits and dots>"));
    m_installedVersion = version.toLatin1();
    return ok(QStringLiteral("firmware version %1 after an install").arg(version));
}

QString SimulatedDeviceControl::openMainWindow()
{
    AppDelegate* delegate = AppDelegate::sharedDelegate();
    if (delegate == nullptr || delegate->mainWindow() == nullptr)
        return error(QStringLiteral("the program has no main window yet"));
    if (!VQUserInfoData::sharedInstance().isConnect())
        return error(QStringLiteral("no device is connected: the program shows no main window"));
    delegate->openApp();
    return ok(QStringLiteral("main window opened"));
}

void SimulatedDeviceControl::prepareFirmware(SimulatedDevice& device, bool receiver)
{
    SimulatedFirmwareUpdate& update = device.firmware;
    update.fault = m_firmwareFault;
    update.faultPacket = m_firmwarePacket;
    update.packetObserver = nullptr;
    if (m_firmwareUnplug) {
        const int at = m_firmwarePacket;
        update.packetObserver = [this, receiver, at](int index) {
            if (index != at)
                return;
            VQLogInfo(QStringLiteral("simulated device: pulled away at firmware packet %1").arg(index));
            if (receiver) {
                // The receiver stays behind the port, so its answer in progress is simply lost.
                if (m_usb.plugged() != nullptr)
                    unplug();
            } else {
                // Out of the mouse's own write handler.
                QTimer::singleShot(0, this, [this] {
                    if (m_bleInReach)
                        bluetooth(false);
                });
            }
        };
    }
    SimulatedDevice* target = &device;
    update.installObserver = [this, target](int installed) {
        if (m_installedVersion.isEmpty())
            return;
        if (installed == 0)
            target->values.firmwareVersion = m_installedVersion;
        else
            target->values.receiverVersion = m_installedVersion;
    };
}

bool SimulatedDeviceControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ZOrderChange) {
        // The first showing of the window raises it twice: the same text within a moment is
        // one tip.
        auto* tip = qobject_cast<VQTipWindow*>(watched);
        const bool again = tip != nullptr && !m_tips.isEmpty() && m_tips.last() == tip->text()
            && m_lastTip.isValid() && m_lastTip.elapsed() < kSameTipMs;
        if (tip != nullptr && tip->isVisible() && !again) {
            m_tips.append(tip->text());
            m_lastTip.start();
            if (m_tips.size() > kStateTips)
                m_tips.removeFirst();
        }
    }
    return QObject::eventFilter(watched, event);
}

QString SimulatedDeviceControl::page() const
{
    const AppDelegate* delegate = AppDelegate::sharedDelegate();
    VQMainWindow* window = delegate != nullptr ? delegate->mainWindow() : nullptr;
    QWidget* shown = window != nullptr && window->isVisible() ? window->currentPageView() : nullptr;
    if (shown == nullptr)
        return error(QStringLiteral("the main window shows no page"));
    QJsonArray controls;
    for (QWidget* widget : shown->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        QJsonObject control{
            {QStringLiteral("class"), QString::fromLatin1(widget->metaObject()->className())},
            {QStringLiteral("geometry"), rectJson(screenRect(widget))},
            {QStringLiteral("enabled"), widget->isEnabled()},
        };
        if (!widget->objectName().isEmpty())
            control.insert(QStringLiteral("name"), widget->objectName());
        if (widget->property("tag").isValid())
            control.insert(QStringLiteral("tag"), widget->property("tag").toInt());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            control.insert(QStringLiteral("text"), button->text());
            if (widget->property("vqImageName").isValid())
                control.insert(QStringLiteral("image"), widget->property("vqImageName").toString());
        } else if (const auto* slider = qobject_cast<const QSlider*>(widget)) {
            control.insert(QStringLiteral("value"), slider->value());
            control.insert(QStringLiteral("range"), QJsonArray{slider->minimum(), slider->maximum()});
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty() && widget->objectName().isEmpty())
                continue;
            control.insert(QStringLiteral("text"), label->text());
            if (widget->property("vqImageName").isValid())
                control.insert(QStringLiteral("image"), widget->property("vqImageName").toString());
        } else if (const auto* recorder = qobject_cast<const VQShortcutRecorder*>(widget)) {
            control.insert(QStringLiteral("recording"), recorder->isRecording());
        } else if (widget->objectName().isEmpty()) {
            continue;
        }
        controls.append(control);
    }
    const QJsonObject out{
        {QStringLiteral("class"), QString::fromLatin1(shown->metaObject()->className())},
        {QStringLiteral("name"), shown->objectName()},
        {QStringLiteral("tag"), delegate->selectedTag()},
        {QStringLiteral("geometry"), rectJson(screenRect(shown))},
        {QStringLiteral("controls"), controls},
    };
    return ok(QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Compact)));
}

QString SimulatedDeviceControl::state(bool withWindows) const
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    const VQMouseInfoItem& record = info.mouseInfoItem();
    const AppDelegate* delegate = AppDelegate::sharedDelegate();
    QJsonArray windows;
    for (QWidget* widget : withWindows ? QApplication::topLevelWidgets() : QWidgetList()) {
        if (!widget->isVisible())
            continue;
        const QRect frame = widget->frameGeometry();
        QJsonArray buttons;
        for (const QAbstractButton* button : widget->findChildren<QAbstractButton*>())
            if (button->isVisible() && !button->text().isEmpty())
                buttons.append(QJsonObject{{QStringLiteral("text"), button->text()}, {QStringLiteral("geometry"), rectJson(screenRect(button))}});
        QJsonObject window{
            {QStringLiteral("class"), QString::fromLatin1(widget->metaObject()->className())},
            {QStringLiteral("title"), widget->windowTitle()},
            {QStringLiteral("geometry"), QJsonArray{frame.x(), frame.y(), frame.width(), frame.height()}},
            {QStringLiteral("minimized"), widget->isMinimized()},
            {QStringLiteral("active"), widget->isActiveWindow()},
            {QStringLiteral("buttons"), buttons},
        };
        if (const auto* alert = qobject_cast<const QMessageBox*>(widget))
            window.insert(QStringLiteral("text"), QString(alert->text() + QLatin1Char('\n') + alert->informativeText()));
        windows.append(window);
    }
    QJsonArray rejected;
    SimulatedReceiver* receiver = m_usb.plugged();
    for (const QString& reason : receiver ? receiver->rejected() : QStringList())
        rejected.append(reason);
    for (const QString& reason : m_ble.rejected())
        rejected.append(reason);
    QJsonArray held;
    for (const QString& key : m_heldKeys)
        held.append(key);
    // The device the program talks to: the connected Bluetooth LE mouse, else the receiver.
    SimulatedDevice* device = bleActive() ? &m_ble.device() : receiver ? &receiver->device() : nullptr;
    QJsonArray commands;
    if (device != nullptr) {
        for (qsizetype i = std::max<qsizetype>(0, device->commands.size() - kStateCommands); i < device->commands.size(); ++i)
            commands.append(QString::fromLatin1(device->commands.at(i).toHex(' ')));
    }
    QJsonValue firmware;
    if (device != nullptr) {
        const SimulatedFirmwareUpdate& update = device->firmware;
        const quint16 crc = SimulatedFirmwareUpdate::crc16(update.image);
        firmware = QJsonObject{
            {QStringLiteral("fault"), m_firmwareFaultText},
            {QStringLiteral("running"), update.running},
            {QStringLiteral("target"), update.target},
            {QStringLiteral("packets"), update.packets},
            {QStringLiteral("image"), update.image.size()},
            {QStringLiteral("crc"), QStringLiteral("%1").arg(crc, 4, 16, QLatin1Char('0'))},
            {QStringLiteral("crcMatches"), update.target >= 0 && update.image.size() == update.announcedSize
                                               && crc == update.announcedCrc},
            {QStringLiteral("installs"), update.installs},
            {QStringLiteral("cancels"), update.cancels},
            {QStringLiteral("installedSize"), update.target >= 0 ? update.installedImage[update.target].size() : 0},
        };
    }
    QJsonArray tips;
    for (const QString& tip : m_tips)
        tips.append(tip);
    QJsonArray navigation;
    if (VQMainWindow* window = withWindows && delegate != nullptr ? delegate->mainWindow() : nullptr) {
        for (const VQLeftItem& item : window->navigationView()->items()) {
            const VQButton* button = window->navigationView()->buttonForTag(item.tag);
            navigation.append(QJsonObject{
                {QStringLiteral("tag"), item.tag},
                {QStringLiteral("title"), window->navigationView()->titleForTag(item.tag)},
                {QStringLiteral("key"), item.titleKey},
                {QStringLiteral("geometry"), rectJson(button != nullptr ? screenRect(button) : QRect())},
            });
        }
    }

    const QJsonObject simulated{
        {QStringLiteral("plugged"),
         receiver ? idText(receiver->model().vendorId, receiver->model().productId) : QString()},
        {QStringLiteral("bleInReach"), m_bleInReach},
        {QStringLiteral("refuseSettings"), m_refuseSettings},
        {QStringLiteral("held"), held},
        {QStringLiteral("rejected"), rejected},
        {QStringLiteral("mouseType"), device != nullptr ? device->values.mouseType : m_mouseType},
        {QStringLiteral("lighting"), device != nullptr ? QJsonValue(lightingJson(device->values)) : QJsonValue()},
        {QStringLiteral("commands"), commands},
        {QStringLiteral("firmware"), firmware},
        {QStringLiteral("opens"), receiver ? receiver->openCount() : 0},
        {QStringLiteral("penCommands"), QJsonArray::fromStringList(receiver ? receiver->penCommands() : QStringList())},
    };
    const QJsonObject out{
        {QStringLiteral("ready"), delegate != nullptr && delegate->isReady()},
        {QStringLiteral("connected"), info.isConnect()},
        {QStringLiteral("bluetooth"), info.bleConnect()},
        {QStringLiteral("receiverOpen"), HIDDevice::sharedManager().isOpen()},
        {QStringLiteral("vendorId"), QStringLiteral("%1").arg(record.vid(), 4, 16, QLatin1Char('0'))},
        {QStringLiteral("productId"), QStringLiteral("%1").arg(record.pid(), 4, 16, QLatin1Char('0'))},
        {QStringLiteral("deviceType"), record.deviceType()},
        {QStringLiteral("mouseType"), qint64(record.mouseType())},
        {QStringLiteral("battery"), record.powerPercent()},
        {QStringLiteral("batteryLevel"), record.batteryLevel()},
        {QStringLiteral("voiceStreaming"), VQMouseCommandManager::sharedInstance().isStartVoice()},
        {QStringLiteral("pointerHidden"), CursorHider::instance().isHidden()},
        {QStringLiteral("windows"), windows},
        {QStringLiteral("navigation"), navigation},
        {QStringLiteral("selectedTag"), delegate != nullptr ? delegate->selectedTag() : -1},
        {QStringLiteral("tips"), tips},
        {QStringLiteral("openReplies"), VQHttpRequestManager::sharedInstance().openReplyCount()},
        {QStringLiteral("simulated"), simulated},
    };
    return ok(QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Compact)));
}

bool SimulatedDeviceControl::bleActive() const
{
    return m_ble.isConnected();
}

SimulatedReceiver* SimulatedDeviceControl::activeReceiver() const
{
    return bleActive() ? nullptr : m_usb.plugged();
}

SimulatedVoiceSource* SimulatedDeviceControl::activeVoice() const
{
    if (bleActive())
        return &m_ble.voice();
    SimulatedReceiver* receiver = m_usb.plugged();
    return receiver ? &receiver->voice() : nullptr;
}

void SimulatedDeviceControl::prepareReceiver(SimulatedReceiver& receiver)
{
    if (m_mouseType >= 0)
        receiver.device().values.mouseType = m_mouseType;
    receiver.device().refuseSettings = m_refuseSettings;
    receiver.voice().setSound(m_sound);
    prepareFirmware(receiver.device(), true);
    prepareVoice(receiver.voice());
}

void SimulatedDeviceControl::prepareVoice(SimulatedVoiceSource& voice)
{
    // About real time, at the link's rate.
    voice.tickMs = kVoiceTickMs;
    voice.realTime = true;
    voice.onAllSent = [this, &voice] {
        if (!m_voiceReply || activeVoice() != &voice)
            return;
        m_voiceAllSent = true;
        m_heldKeys.removeAll(QStringLiteral("voice"));
        if (bleActive())
            m_ble.releaseVoiceKey();
        else if (SimulatedReceiver* receiver = activeReceiver())
            receiver->releaseVoiceKey();
    };
    voice.onStopped = [this] {
        if (!m_voiceReply)
            return;
        const Reply reply = std::exchange(m_voiceReply, nullptr);
        reply(m_voiceAllSent ? QString() : QStringLiteral("the stream was cut off: the device went away"));
    };
}
