#include "VQDeviceReportHandler.h"

#include "MMLog.h"
#include "NotificationCenter.h"
#include "VQDeviceEvents.h"
#include "VQNotificationNames.h"
#include "VQOTAProtocol.h"
#include "VQOTATransfer.h"
#include "VQUserInfoData.h"

using namespace VQDeviceProtocol;

namespace {

void post(const char* name)
{
    NotificationCenter::defaultCenter().post(QString::fromLatin1(name));
}

bool hasLighting(quint64 mouseType)
{
    for (quint64 type : kLightingMouseTypes) {
        if (type == mouseType)
            return true;
    }
    return false;
}

} // namespace

VQDeviceReportHandler::VQDeviceReportHandler(Link link, Sender sender)
    : m_link(link)
    , m_send(std::move(sender))
{
}

void VQDeviceReportHandler::handleReport(const ChipPlan& plan, const QByteArray& bytes)
{
    // Answers of the firmware transfer (section 11 of the protocol page) go to the transfer.
    const VQOTAProtocol::ParsedReply transfer = VQOTAProtocol::parseReply(plan, bytes);
    if (transfer.isTransferFrame) {
        if (transfer.reply)
            VQOTATransfer::sharedInstance().handleReply(m_link, *transfer.reply);
        else
            ignore(transfer.error, bytes);
        return;
    }
    const ParseResult result = parseReport(plan, bytes);
    if (!result.report) {
        ignore(result.error, bytes);
        return;
    }
    apply(*result.report);
}

void VQDeviceReportHandler::readDevice()
{
    if (m_link == Link::Usb) {
        for (Command command : {ReadDeviceInfo, ReadSerialNumber, ReadFirmwareVersion, ReadReceiverVersion,
                                ReadBattery, ReadDpi, ReadReportRate, ReadFunctionSwitch})
            read(command);
    } else {
        for (Command command : {ReadDeviceInfo, ReadSerialNumber, ReadFirmwareVersion, ReadBattery, ReadDpi,
                                ReadFunctionSwitch})
            read(command);
    }
}

void VQDeviceReportHandler::readBattery()
{
    read(ReadBattery);
}

void VQDeviceReportHandler::readVersionsAfterUpdate(bool receiver)
{
    m_versionsAfterUpdate = receiver ? 2 : 1;
    readUpdatedVersions();
}

void VQDeviceReportHandler::readUpdatedVersions()
{
    read(ReadFirmwareVersion);
    if (m_versionsAfterUpdate == 2 && m_link == Link::Usb)
        read(ReadReceiverVersion);
}

void VQDeviceReportHandler::read(Command command)
{
    if (m_send)
        m_send(command, {});
}

void VQDeviceReportHandler::apply(const Report& report)
{
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    VQMouseInfoItem& record = state.mouseInfoItem();
    switch (report.kind) {
    case ReportKind::DeviceInfo:
        applyDeviceInfo(report.info);
        break;
    case ReportKind::SerialNumber: {
        const QString sn = report.text.isEmpty() ? QString() : report.text;
        if (sn != record.sn() || sn.isNull() != record.sn().isNull()) {
            record.setSn(sn);
            post(vq::HadUSBInfoNotification);
        }
        break;
    }
    case ReportKind::FirmwareVersion:
        record.setFirmwareVersion(report.text);
        post(vq::kUpdateFirmwareVersionNotification);
        break;
    case ReportKind::ReceiverVersion:
        if (m_link == Link::Bluetooth) {
            ignore(QStringLiteral("a Bluetooth LE mouse has no receiver version"), {});
            break;
        }
        if (report.text != record.receiverVersion()) {
            record.setReceiverVersion(report.text);
            post(vq::HadUSBInfoNotification);
        }
        break;
    case ReportKind::Battery:
        record.setBatteryLevel(report.second);
        record.setPowerPercent(double(report.value));
        post(vq::HadElectricInfoNotification);
        break;
    case ReportKind::Dpi:
        record.setDpi(report.value);
        post(vq::kUpdateDPIItemNotification);
        break;
    case ReportKind::ReportRate:
        state.setReportRate(report.value);
        post(vq::kUpdateReportRateItemNotification);
        break;
    case ReportKind::FunctionSwitch:
        state.setFuncSwitch(report.value != 0);
        post(vq::kUpdateFunctionNotification);
        break;
    case ReportKind::LightingMode:
        record.setLightingEffectsMode(report.value);
        post(vq::kUpdateLightingEffectsNotification);
        break;
    case ReportKind::LightingBrightness:
        record.setLightingEffectsBrightness(report.value);
        post(vq::kUpdateLightingEffectsNotification);
        break;
    case ReportKind::LightingSpeed:
        record.setLightingEffectsSpeed(report.value);
        post(vq::kUpdateLightingEffectsNotification);
        break;
    case ReportKind::LightingColor:
        record.setLightingEffectsColor(report.value);
        post(vq::kUpdateLightingEffectsNotification);
        break;
    case ReportKind::Hand:
        record.setMouseLeftOrRightHandBehavior(report.value);
        post(vq::kUpdateMouseLeftOrRightHandBehaviorNotification);
        break;
    case ReportKind::VoiceChipInfo:
        VQDeviceEvents::voiceChipInfo(report.text);
        break;
    case ReportKind::Acknowledgement:
        if (report.value != 0)
            VQLogWarn(QStringLiteral("the device refused command %1").arg(report.command, 2, 16, QLatin1Char('0')));
        // Settings are read back, so the record shows what the device holds either way.
        if (report.command >= SetDpi && report.command <= SetHand)
            read(Command(report.command - kReadBackOffset));
        // A new mode can change the colour the device shows, so the colour comes back with it.
        if (report.command == SetLightingMode)
            read(ReadLightingColor);
        break;
    case ReportKind::Key:
        applyKey(report.value);
        break;
    case ReportKind::PenEvent:
        if (const auto key = penKeyForEvent(report.value, report.second))
            applyPenKey(*key);
        break;
    }
}

void VQDeviceReportHandler::applyDeviceInfo(const DeviceInfo& info)
{
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    VQMouseInfoItem& record = state.mouseInfoItem();
    record.setDeviceType(info.deviceType);
    record.setMouseType(quint64(info.mouseType));
    record.setMouseSource(info.mouseSource);
    record.setSensorType(info.sensorType);
    record.setConnectState(info.state);
    state.setSamplingRate(info.samplingRate);
    state.setIsSupportKeySetting(info.keySetting != 0);
    post(vq::HadUSBInfoNotification);

    VQDeviceEvents::LaserPenSignal signal;
    signal.kind = VQDeviceEvents::LaserPenSignal::Kind::DeviceState;
    signal.state = info.state;
    signal.isLaserPen = info.deviceType == VQMouseInfoItem::DeviceTypeLaserPen;
    VQDeviceEvents::laserPen(signal);

    if (hasLighting(record.mouseType())) {
        for (Command command : {ReadLightingMode, ReadLightingBrightness, ReadLightingSpeed, ReadLightingColor, ReadHand})
            read(command);
    }
    if (m_versionsAfterUpdate != 0) {
        readUpdatedVersions();
        m_versionsAfterUpdate = 0;
    }
}

void VQDeviceReportHandler::applyKey(int keyNumber)
{
    const VQMouseInfoItem& record = VQUserInfoData::sharedInstance().mouseInfoItem();
    if (record.deviceType() == VQMouseInfoItem::DeviceTypeLaserPen) {
        if (const auto key = penKeyForNumber(keyNumber))
            applyPenKey(*key);
        else
            ignore(QStringLiteral("unknown laser-pen key %1").arg(keyNumber), {});
        return;
    }
    if (keyNumber == kModeKeyNumber) {
        VQDeviceEvents::cancelAsr();
        const bool translate = !VQDeviceEvents::isTranslate();
        VQDeviceEvents::setIsTranslate(translate);
        toHub(modeKeyEvent(translate));
        return;
    }
    if (const auto code = hubEventForKey(keyNumber, VQDeviceEvents::isTranslate())) {
        toHub(*code);
        return;
    }
    if (isAiHelperKey(keyNumber)) {
        VQDeviceEvents::aiKey(keyNumber);
        return;
    }
    if (isScreenshotKey(keyNumber)) {
        if (VQUserInfoData::sharedInstance().isConnect())
            VQDeviceEvents::screenshot();
        else
            VQLogInfo(QStringLiteral("screenshot key %1 ignored: no device connected").arg(keyNumber));
        return;
    }
    ignore(QStringLiteral("unknown key %1").arg(keyNumber), {});
}

void VQDeviceReportHandler::toHub(int eventCode)
{
    if (m_eventObserver)
        m_eventObserver(eventCode);
    VQDeviceEvents::hidCallbackType(eventCode);
}

void VQDeviceReportHandler::applyPenKey(PenKey key)
{
    VQDeviceEvents::LaserPenSignal signal;
    signal.kind = VQDeviceEvents::LaserPenSignal::Kind::Key;
    signal.key = key;
    VQDeviceEvents::laserPen(signal);
}

void VQDeviceReportHandler::ignore(const QString& reason, const QByteArray& bytes)
{
    ++m_ignored;
    if (!m_logWindow.isValid() || m_logWindow.elapsed() > kLogWindowMs) {
        if (m_unlogged > 0)
            VQLogWarn(QStringLiteral("%1 more device reports were ignored").arg(m_unlogged));
        m_logWindow.start();
        m_loggedInWindow = 0;
        m_unlogged = 0;
    }
    if (m_loggedInWindow >= kLogLinesPerWindow) {
        ++m_unlogged;
        return;
    }
    ++m_loggedInWindow;
    const QString where = m_link == Link::Usb ? QStringLiteral("receiver") : QStringLiteral("Bluetooth LE");
    if (bytes.isEmpty())
        VQLogWarn(QStringLiteral("%1 report ignored: %2").arg(where, reason));
    else
        VQLogWarn(QStringLiteral("%1 report %2 ignored: %3").arg(where, hexString(bytes.left(64)), reason));
}
