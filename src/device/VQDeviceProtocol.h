#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// The command frames of the receivers and Bluetooth LE mice (docs/device-protocol.md): chip
// plans, receivers, command builders and the report parser. Pure functions over bytes; nothing
// here touches a device, the record or a notification.
namespace VQDeviceProtocol {

inline constexpr quint8 kFrameStart = 0x4D; // 'M'
inline constexpr quint8 kFrameEnd = 0x4C;   // 'L'
// Report id, prefix, 'M' and LEN come before the command byte; 'L' ends the frame.
inline constexpr int kFrameOverhead = 4;     // 'M', LEN, CMD, 'L'

// Command bytes (section 4 of the protocol page), replies and events use the same bytes.
enum Command : quint8 {
    ReadDeviceInfo = 0x01,
    ReadSerialNumber = 0x02,
    ReadFirmwareVersion = 0x03,
    ReadReceiverVersion = 0x04,
    ReadBattery = 0x05,
    ReadDpi = 0x06,
    ReadReportRate = 0x07,
    ReadFunctionSwitch = 0x08,
    ReadLightingMode = 0x09,
    ReadLightingBrightness = 0x0A,
    ReadLightingSpeed = 0x0B,
    ReadLightingColor = 0x0C,
    ReadHand = 0x0D,
    ReadVoiceChipInfo = 0x0E,
    SetDpi = 0x16,
    SetReportRate = 0x17,
    SetLightingMode = 0x19,
    SetLightingBrightness = 0x1A,
    SetLightingSpeed = 0x1B,
    SetLightingColor = 0x1C,
    SetHand = 0x1D,
    OpenMic = 0x20,
    CloseMic = 0x21,
    TypeKey = 0x22,
    LedOn = 0x23,
    LedOff = 0x24,
    RgbOn = 0x25,
    RgbOff = 0x26,
    KeyEvent = 0x30,
    PenEvent = 0x31,
};

// A setting's read-back command is its own byte minus this.
inline constexpr quint8 kReadBackOffset = 0x10;

// Mouse types whose lighting and hand are read back after device information.
inline constexpr quint64 kLightingMouseTypes[] = {56, 72};

// HID modifier bits of typed keys.
inline constexpr quint8 kModifierLeftControl = 0x01;
inline constexpr quint8 kModifierLeftGui = 0x08;
inline constexpr quint8 kModifierRightControl = 0x10;
inline constexpr quint8 kModifierRightGui = 0x80;

// The Bluetooth LE command service and its characteristics.
inline constexpr char kBleServiceUuid[] = "8f2c0001-4b6e-4d8a-9c3e-5a1f7e2b9d40";
inline constexpr char kBleWriteCharacteristicUuid[] = "8f2c0002-4b6e-4d8a-9c3e-5a1f7e2b9d40";
inline constexpr char kBleNotifyCharacteristicUuid[] = "8f2c0003-4b6e-4d8a-9c3e-5a1f7e2b9d40";

// The chip plan of Bluetooth LE frames.
inline constexpr int kBluetoothChipPlan = 1;

enum class Link { Usb, Bluetooth };

// The frame of one chip plan. A report length of 0 means frames are sent as they are (Bluetooth).
struct ChipPlan {
    int plan = 0;
    quint8 reportId = 0;
    QByteArray prefix;
    int reportLength = 0;
};

// The chip plan with that number, or nullptr.
const ChipPlan* chipPlan(int plan);
// Plan 1's frame without padding.
const ChipPlan& bluetoothPlan();

// A receiver the program opens. deviceType < 0: the device-information reply gives it.
struct ReceiverModel {
    int vendorId = 0;
    int productId = 0;
    int usagePage = 0;
    int usage = 0;
    int chipPlan = 0;
    int deviceType = -1;
};

const QList<ReceiverModel>& receiverModels();
// The receiver with these ids and usages, or nullptr.
const ReceiverModel* matchReceiver(int vendorId, int productId, int usagePage, int usage);

// The largest argument list that fits the plan's reports (unlimited for Bluetooth frames).
int maxArguments(const ChipPlan& plan);

// --- Builders. Each returns the frame (not padded), or an empty array when a value is outside
// the protocol's range or the arguments do not fit the plan. ---
QByteArray buildFrame(const ChipPlan& plan, quint8 command, const QByteArray& arguments = {});
QByteArray readFrame(const ChipPlan& plan, Command read);
QByteArray setDpiFrame(const ChipPlan& plan, qint64 step);
// The report rate is set by the index of the chosen entry of the report-rate choices (0-255);
// the device reads the rate back in hertz.
QByteArray setReportRateFrame(const ChipPlan& plan, qint64 index);
QByteArray setLightingModeFrame(const ChipPlan& plan, qint64 mode);
QByteArray setLightingBrightnessFrame(const ChipPlan& plan, qint64 brightness);
QByteArray setLightingSpeedFrame(const ChipPlan& plan, qint64 speed);
QByteArray setLightingColorFrame(const ChipPlan& plan, qint64 color);
QByteArray setHandFrame(const ChipPlan& plan, qint64 hand);
// One of the actions OpenMic ... RgbOff, TypeKey excepted.
QByteArray actionFrame(const ChipPlan& plan, Command action);
// The device types the key. The GUI (Command) bits are sent as Control bits: on Linux the paste
// chord is Control+V.
QByteArray typeKeyFrame(const ChipPlan& plan, int modifier, int usage);
// The modifier byte typeKeyFrame sends for the given one.
quint8 linuxModifier(quint8 modifier);

// --- Laser-pen commands (section 9). Each returns the reports to send in order; an empty list
// sends nothing. chipPlan is the open receiver's plan (ignored over Bluetooth). ---
QList<QByteArray> laserPenModeFrames(Link link, int chipPlan, int mode);
QList<QByteArray> laserPenPointerModeFrames(Link link, int chipPlan, bool on);
QByteArray hardLaserFrame(bool on);
QByteArray countdownFrame(qint64 secondsLeft);
// A report of zeros of the plan's length.
QByteArray zeroReport(const ChipPlan& plan);

// --- Parser ---

// The frame an input report carries: its command byte and arguments.
struct Frame {
    quint8 command = 0;
    QByteArray arguments;
};

struct FrameCheck {
    std::optional<Frame> frame;
    QString error; // why the report holds no frame of the plan
};

// Checks the frame of one input report of the plan (section 3 of the protocol page): report id,
// prefix, 'M', a LEN of at least 4 that stays within the report, and 'L' where LEN points.
// Whatever follows 'L' is padding. Every reader of input reports (replies, voice, firmware
// transfer) starts here.
FrameCheck checkFrame(const ChipPlan& plan, const QByteArray& bytes);

enum class ReportKind {
    DeviceInfo,
    SerialNumber,
    FirmwareVersion,
    ReceiverVersion,
    Battery,
    Dpi,
    ReportRate,
    FunctionSwitch,
    LightingMode,
    LightingBrightness,
    LightingSpeed,
    LightingColor,
    Hand,
    VoiceChipInfo,
    Acknowledgement,
    Key,
    PenEvent,
};

struct DeviceInfo {
    int deviceType = 0;
    int mouseType = 0;
    int mouseSource = 0;
    int sensorType = 0;
    int state = 0;
    int samplingRate = 0;
    int keySetting = 0;
};

struct Report {
    ReportKind kind = ReportKind::Acknowledgement;
    quint8 command = 0;
    // The single value; battery: the percentage; acknowledgement: the status; key: the key
    // number; pen event: the event.
    int value = 0;
    int second = 0; // battery: the level; pen event: the state
    QString text;   // serial number, versions, voice-chip information
    DeviceInfo info;
};

struct ParseResult {
    std::optional<Report> report;
    QString error; // why the report was ignored
};

// Reads one input report of the plan (for Bluetooth: one notification of bluetoothPlan()).
ParseResult parseReport(const ChipPlan& plan, const QByteArray& bytes);

// --- Keys (section 7) ---

enum class PenKey {
    ModeKey,
    EffectPressed,
    EffectReleased,
    EffectToggle,
    EffectOff,
    ClearKey,
    VoiceModeKey,
    VoicePressed,
    VoiceReleased,
};

inline constexpr int kModeKeyNumber = 30;

// The voice hub's event code for a key number of a device that is not a laser pen, or nullopt
// (the mode key and AI helper keys have none of their own).
std::optional<int> hubEventForKey(int keyNumber, bool translationMode);
// The event code that follows a mode-key press, after translation mode was toggled.
int modeKeyEvent(bool translationModeNow);
bool isAiHelperKey(int keyNumber);
// The screenshot keys (128 and 131): they start a screenshot translation.
bool isScreenshotKey(int keyNumber);
std::optional<PenKey> penKeyForNumber(int keyNumber);
std::optional<PenKey> penKeyForEvent(int event, int state);

// Lowercase hexadecimal text of the bytes, as the protocol page writes them ("0da54d...").
QString hexString(const QByteArray& bytes);

} // namespace VQDeviceProtocol
