#include "VQUserInfoData.h"

#include "UserDefaults.h"
#include "VQLanguageManager.h"

#include <QDir>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>
#include <QtDebug>

#include <algorithm>

namespace {

// Recognition languages that the speech SDK handles when long-speech mode is off.
constexpr char kSdkLanguagePrefix[] = "ZH";
constexpr char kSdkEnglishCode[] = "EN_US";

// DPI steps of a device whose model information names none.
constexpr const char* kDefaultMouseDpiSteps[] = {"800dpi", "1000dpi", "1200dpi", "1600dpi"};

constexpr char kFileUrlScheme[] = "file:";

QString keyText(const char* key)
{
    return QString::fromLatin1(key);
}

// Stores the value under the key (an invalid value removes it). The store writes its file from
// the event loop, once per burst of changes, and at quit; the caller never waits for the disk.
void store(const char* key, const QVariant& value)
{
    UserDefaults& defaults = UserDefaults::standard();
    if (value.isValid())
        defaults.setValue(keyText(key), value);
    else
        defaults.removeObjectForKey(keyText(key));
}

bool storedBool(const UserDefaults& defaults, const char* key, bool fallback)
{
    return defaults.hasValueForKey(keyText(key)) ? defaults.boolForKey(keyText(key)) : fallback;
}

qint64 storedInteger(const UserDefaults& defaults, const char* key, qint64 fallback)
{
    return defaults.hasValueForKey(keyText(key)) ? defaults.integerForKey(keyText(key)) : fallback;
}

QString storedText(const UserDefaults& defaults, const char* key)
{
    return defaults.hasValueForKey(keyText(key)) ? defaults.stringForKey(keyText(key)) : QString();
}

} // namespace

VQUserInfoData& VQUserInfoData::sharedInstance()
{
    static VQUserInfoData instance;
    return instance;
}

void VQUserInfoData::resetForTests()
{
    VQUserInfoData& data = sharedInstance();
    data.m_mem = Memory{};
    data.load();
    if (data.m_mouseInfoItem)
        data.m_mouseInfoItem->reload();
}

VQUserInfoData::VQUserInfoData()
{
    load();
}

void VQUserInfoData::load()
{
    const UserDefaults& defaults = UserDefaults::standard();
    const Saved fallback;
    m_saved = Saved{};
    m_saved.punctuationSwitch = storedBool(defaults, punctuationSwitchKey, fallback.punctuationSwitch);
    m_saved.compatibleModeSwitch = storedBool(defaults, compatibleModeSwitchKey, fallback.compatibleModeSwitch);
    m_saved.longVoiceModeSwitch = storedBool(defaults, longVoiceModeSwitchKey, fallback.longVoiceModeSwitch);
    m_saved.rgbSwitch = storedBool(defaults, rgbSwitchKey, fallback.rgbSwitch);
    m_saved.voiceBroadcastSwitch = storedBool(defaults, voiceBroadcastSwitchKey, fallback.voiceBroadcastSwitch);
    m_saved.checkMicSwitch = storedBool(defaults, checkMicSwitchKey, fallback.checkMicSwitch);
    m_saved.lowPowerNum = storedInteger(defaults, lowPowerNumKey, fallback.lowPowerNum);
    m_saved.laserPenVoiceFunctionIndex =
        int(storedInteger(defaults, laserPenVoiceFunctionIndexKey, fallback.laserPenVoiceFunctionIndex));
    m_saved.wordInputSwitch = storedBool(defaults, wordInputSwitchKey, fallback.wordInputSwitch);
    m_saved.screenshotsTranslateSwitch =
        storedBool(defaults, screenshotsTranslateSwitchKey, fallback.screenshotsTranslateSwitch);
    m_saved.screenshotsPath = defaults.stringForKey(keyText(screenshotsPathKey));
    m_saved.account = defaults.stringForKey(keyText(accountKey));
    // The password lives in memory only (the desktop keyring keeps a remembered one); a copy
    // that an older version wrote into the settings file is removed.
    m_saved.password.clear();
    if (defaults.hasValueForKey(keyText(passwordKey))) {
        UserDefaults::standard().removeObjectForKey(keyText(passwordKey));
        UserDefaults::standard().synchronize();
    }
    m_saved.rememberPasswordSwitch =
        storedBool(defaults, rememberPasswordSwitchKey, fallback.rememberPasswordSwitch);
    m_saved.IFlytekChip_token = storedText(defaults, IFlytekChip_tokenKey);

    // The capture saves into this folder without checking it first.
    ensureFolder(screenshotsPath());
}

VQMouseInfoItem& VQUserInfoData::mouseInfoItem()
{
    return record();
}

VQMouseInfoItem& VQUserInfoData::record() const
{
    if (!m_mouseInfoItem)
        m_mouseInfoItem = std::make_unique<VQMouseInfoItem>();
    return *m_mouseInfoItem;
}

void VQUserInfoData::clearDeviceIdentity()
{
    record().clearIdentity();
    m_mem.productCode.clear();
    m_mem.sno.clear();
    m_mem.samplingRate = 0;
    m_mem.funcSwitch = false;
    m_mem.isSupportKeySetting = false;
    m_mem.isLaser = false;
    m_mem.isKeyboard = false;
    m_mem.reportRate = 0;
}

QString VQUserInfoData::productCode() const
{
    if (!m_mem.productCode.isEmpty())
        return m_mem.productCode;
    // Derived anew on every read, so a new device never inherits the previous device's code.
    // Model 0 means no device has reported yet: no product, not a product "0".
    const quint64 type = record().mouseType();
    return type == 0 ? QString() : QString::number(type);
}

void VQUserInfoData::setProductCode(const QString& code)
{
    m_mem.productCode = code.trimmed();
}

bool VQUserInfoData::isDisableDevice() const
{
    bool ok = false;
    const qint64 code = productCode().toLongLong(&ok);
    if (!ok)
        return false;
    return std::find(std::begin(disabledProductCodes), std::end(disabledProductCodes), code)
           != std::end(disabledProductCodes);
}

void VQUserInfoData::setPunctuationSwitch(bool on)
{
    if (m_saved.punctuationSwitch == on)
        return;
    m_saved.punctuationSwitch = on;
    store(punctuationSwitchKey, on);
}

void VQUserInfoData::setCompatibleModeSwitch(bool on)
{
    if (m_saved.compatibleModeSwitch == on)
        return;
    m_saved.compatibleModeSwitch = on;
    store(compatibleModeSwitchKey, on);
}

void VQUserInfoData::setLongVoiceModeSwitch(bool on)
{
    if (m_saved.longVoiceModeSwitch == on)
        return;
    m_saved.longVoiceModeSwitch = on;
    store(longVoiceModeSwitchKey, on);
}

bool VQUserInfoData::isIFlyAsr() const
{
    if (m_saved.longVoiceModeSwitch)
        return false;
    const QString code = VQLanguageManager::sharedInstance().readAudioLanguageCode();
    return code.startsWith(QLatin1String(kSdkLanguagePrefix)) || code == QLatin1String(kSdkEnglishCode);
}

void VQUserInfoData::setRgbSwitch(bool on)
{
    if (m_saved.rgbSwitch == on)
        return;
    m_saved.rgbSwitch = on;
    store(rgbSwitchKey, on);
}

void VQUserInfoData::setVoiceBroadcastSwitch(bool on)
{
    if (m_saved.voiceBroadcastSwitch == on)
        return;
    m_saved.voiceBroadcastSwitch = on;
    store(voiceBroadcastSwitchKey, on);
}

void VQUserInfoData::setCheckMicSwitch(bool on)
{
    if (m_saved.checkMicSwitch == on)
        return;
    m_saved.checkMicSwitch = on;
    store(checkMicSwitchKey, on);
}

void VQUserInfoData::setLowPowerNum(qint64 percent)
{
    if (m_saved.lowPowerNum == percent)
        return;
    m_saved.lowPowerNum = percent;
    store(lowPowerNumKey, percent);
}

void VQUserInfoData::setLaserPenVoiceFunctionIndex(int index)
{
    if (m_saved.laserPenVoiceFunctionIndex == index)
        return;
    m_saved.laserPenVoiceFunctionIndex = index;
    store(laserPenVoiceFunctionIndexKey, index);
}

void VQUserInfoData::setWordInputSwitch(bool on)
{
    if (m_saved.wordInputSwitch == on)
        return;
    m_saved.wordInputSwitch = on;
    store(wordInputSwitchKey, on);
}

void VQUserInfoData::setScreenshotsTranslateSwitch(bool on)
{
    if (m_saved.screenshotsTranslateSwitch == on)
        return;
    m_saved.screenshotsTranslateSwitch = on;
    store(screenshotsTranslateSwitchKey, on);
}

QString VQUserInfoData::defaultScreenshotsPath() const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        return QString();
    return documents + QLatin1Char('/') + QLatin1String(screenshotsFolderName) + QLatin1Char('/');
}

QString VQUserInfoData::screenshotsPath() const
{
    return m_saved.screenshotsPath.isEmpty() ? defaultScreenshotsPath() : m_saved.screenshotsPath;
}

void VQUserInfoData::setScreenshotsPath(const QString& path)
{
    // A folder chooser hands a file URL; the capture appends file names to a plain path.
    QString folder = path;
    if (folder.startsWith(QLatin1String(kFileUrlScheme), Qt::CaseInsensitive))
        folder = QUrl(folder, QUrl::TolerantMode).toLocalFile();
    if (!folder.isEmpty()) {
        if (!QDir::isAbsolutePath(folder)) {
            qWarning("Screenshot folder not changed: %s is not an absolute path or file URL", qUtf8Printable(path));
            return;
        }
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
    }
    // The folder in effect counts, so choosing the default folder while it is in use is no change.
    if (folder.isEmpty() ? m_saved.screenshotsPath.isEmpty() : folder == screenshotsPath())
        return;
    m_saved.screenshotsPath = folder;
    store(screenshotsPathKey, folder.isEmpty() ? QVariant() : QVariant(folder));
    ensureFolder(screenshotsPath());
}

void VQUserInfoData::ensureFolder(const QString& path)
{
    if (path.isEmpty() || QDir(path).exists())
        return;
    if (!QDir().mkpath(path))
        qWarning("Cannot create the screenshot folder %s", qUtf8Printable(path));
}

void VQUserInfoData::setAccount(const QString& account)
{
    // QString compares a null text equal to the empty one, so a missing value is the empty text.
    if (m_saved.account == account)
        return;
    m_saved.account = account;
    store(accountKey, account);
}

void VQUserInfoData::setPassword(const QString& password)
{
    if (m_saved.password == password)
        return;
    m_saved.password = password;
}

void VQUserInfoData::setRememberPasswordSwitch(bool on)
{
    if (m_saved.rememberPasswordSwitch == on)
        return;
    m_saved.rememberPasswordSwitch = on;
    store(rememberPasswordSwitchKey, on);
}

QString VQUserInfoData::appKey() const
{
    if (!m_mem.appKey.isEmpty())
        return m_mem.appKey;
    switch (record().lastKnownMouseSource()) {
    case VQMouseInfoItem::MouseSourceInternational:
        return QLatin1String(builtInAppKeyInternational);
    case VQMouseInfoItem::MouseSourceAsiaPacific:
        return QLatin1String(builtInAppKeyAsiaPacific);
    default:
        return QLatin1String(builtInAppKeyDomestic);
    }
}

void VQUserInfoData::setIFlytekChip_token(const QString& token)
{
    if (m_saved.IFlytekChip_token == token && m_saved.IFlytekChip_token.isNull() == token.isNull())
        return;
    m_saved.IFlytekChip_token = token;
    store(IFlytekChip_tokenKey, token.isNull() ? QVariant() : QVariant(token));
}

QStringList VQUserInfoData::getMouseDpiArray() const
{
    if (!m_mem.serviceDpiArr.isEmpty())
        return m_mem.serviceDpiArr;
    QStringList steps;
    for (const char* step : kDefaultMouseDpiSteps)
        steps.append(QLatin1String(step));
    return steps;
}

void VQUserInfoData::setServiceDpiArr(const QStringList& dpis)
{
    m_mem.serviceDpiArr = cleanedList(dpis);
}

void VQUserInfoData::setReportRateArr(const QStringList& rates)
{
    m_mem.reportRateArr = cleanedList(rates);
}

QStringList VQUserInfoData::cleanedList(const QStringList& list)
{
    QStringList cleaned;
    for (const QString& entry : list) {
        const QString text = entry.trimmed();
        if (!text.isEmpty())
            cleaned.append(text);
    }
    return cleaned;
}
