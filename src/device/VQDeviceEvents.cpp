#include "VQDeviceEvents.h"

#include "MMLog.h"

namespace {

struct Hooks {
    VQDeviceEvents::HidCallback hid;
    VQDeviceEvents::HidCallback shortcut;
    std::function<void()> cancelAsr;
    VQDeviceEvents::LaserPenCallback laserPen;
    VQDeviceEvents::AiKeyCallback aiKey;
    VQDeviceEvents::VoiceChipInfoCallback voiceChipInfo;
    std::function<void()> screenshot;
    std::function<bool()> recognitionRunning;
    bool isTranslate = false;
};

Hooks& hooks()
{
    static Hooks h;
    return h;
}

} // namespace

void VQDeviceEvents::setHidCallback(HidCallback callback)
{
    hooks().hid = std::move(callback);
}

void VQDeviceEvents::setShortcutCallback(HidCallback callback)
{
    hooks().shortcut = std::move(callback);
}

void VQDeviceEvents::shortcutCallbackType(int eventCode)
{
    // A copy: the hook may replace itself while it runs.
    const HidCallback hook = hooks().shortcut;
    if (hook)
        hook(eventCode);
    else
        hidCallbackType(eventCode);
}

void VQDeviceEvents::setCancelAsrHook(std::function<void()> hook)
{
    hooks().cancelAsr = std::move(hook);
}

void VQDeviceEvents::setLaserPenCallback(LaserPenCallback callback)
{
    hooks().laserPen = std::move(callback);
}

void VQDeviceEvents::setAiKeyCallback(AiKeyCallback callback)
{
    hooks().aiKey = std::move(callback);
}

void VQDeviceEvents::setVoiceChipInfoCallback(VoiceChipInfoCallback callback)
{
    hooks().voiceChipInfo = std::move(callback);
}

void VQDeviceEvents::setScreenshotCallback(std::function<void()> callback)
{
    hooks().screenshot = std::move(callback);
}

void VQDeviceEvents::setRecognitionRunningHook(std::function<bool()> hook)
{
    hooks().recognitionRunning = std::move(hook);
}

bool VQDeviceEvents::isRecognitionRunning()
{
    const std::function<bool()> hook = hooks().recognitionRunning;
    return hook && hook();
}

bool VQDeviceEvents::isTranslate()
{
    return hooks().isTranslate;
}

void VQDeviceEvents::setIsTranslate(bool translate)
{
    hooks().isTranslate = translate;
}

void VQDeviceEvents::hidCallbackType(int eventCode)
{
    // A copy: the hook may replace itself while it runs.
    const HidCallback hook = hooks().hid;
    if (hook)
        hook(eventCode);
    else
        VQLogInfo(QStringLiteral("event code %1 dropped: no voice hub").arg(eventCode));
}

void VQDeviceEvents::cancelAsr()
{
    const std::function<void()> hook = hooks().cancelAsr;
    if (hook)
        hook();
}

void VQDeviceEvents::laserPen(const LaserPenSignal& signal)
{
    const LaserPenCallback hook = hooks().laserPen;
    if (hook)
        hook(signal);
}

void VQDeviceEvents::aiKey(int keyByte)
{
    const AiKeyCallback hook = hooks().aiKey;
    if (hook)
        hook(keyByte);
    else
        VQLogInfo(QStringLiteral("AI key %1 dropped: no AI window").arg(keyByte, 2, 16, QLatin1Char('0')));
}

void VQDeviceEvents::voiceChipInfo(const QString& information)
{
    const VoiceChipInfoCallback hook = hooks().voiceChipInfo;
    if (hook)
        hook(information);
}

void VQDeviceEvents::screenshot()
{
    const std::function<void()> hook = hooks().screenshot;
    if (hook)
        hook();
    else
        VQLogInfo(QStringLiteral("screenshot key dropped: no screenshot translation"));
}

void VQDeviceEvents::resetForTests()
{
    hooks() = Hooks();
}
