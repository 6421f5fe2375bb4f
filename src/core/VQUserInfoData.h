#pragma once

#include "VQMouseInfoItem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

// Defined by the key-function and account subsystems; held here only through shared pointers.
class MouseSettingModel;
class VQLoginResultModel;

// The settings and state singleton: switches and indexes persisted in the standard user
// defaults, the account's login result, the connected device's record, chip plan, product code
// and the option tables derived from them.
//
// Persisted values are read when the object is created. Their setters do nothing when the value
// is unchanged; otherwise they store it in user defaults, whose file is written from the event
// loop shortly after (one write per burst of changes) and at quit.
// Everything else is held in memory only and starts empty, 0 or false at each launch.
//
// Used on the main thread only.
class VQUserInfoData {
public:
    // User-defaults keys.
    static constexpr char punctuationSwitchKey[] = "punctuationSwitchKey";
    static constexpr char compatibleModeSwitchKey[] = "compatibleModeSwitchKey";
    static constexpr char longVoiceModeSwitchKey[] = "longVoiceModeSwitchKey";
    static constexpr char rgbSwitchKey[] = "rgbSwitchKey";
    static constexpr char voiceBroadcastSwitchKey[] = "voiceBroadcastSwitchKey";
    static constexpr char checkMicSwitchKey[] = "checkMicSwitchKey";
    static constexpr char lowPowerNumKey[] = "lowPowerNumKey";
    static constexpr char laserPenVoiceFunctionIndexKey[] = "laserPenVoiceFunctionIndexKey";
    static constexpr char wordInputSwitchKey[] = "wordInputSwitchKey";
    static constexpr char screenshotsTranslateSwitchKey[] = "screenshotsTranslateSwitchKey";
    static constexpr char screenshotsPathKey[] = "screenshotsPathKey";
    static constexpr char accountKey[] = "accountKey";
    static constexpr char passwordKey[] = "passwordKey";
    static constexpr char rememberPasswordSwitchKey[] = "rememberPasswordSwitchKey";
    static constexpr char IFlytekChip_tokenKey[] = "IFlytekChip_tokenKey";

    // The folder of screenshots inside the Documents folder, used while no other is chosen.
    static constexpr char screenshotsFolderName[] = "Screenshots";

    // The application keys built into the program, one per source region of the device
    // (VQMouseInfoItem::mouseSource). The server's key replaces them once it arrives.
    static constexpr char builtInAppKeyDomestic[] = "vqak-cn-5d2f8e41a0b7c396";
    static constexpr char builtInAppKeyInternational[] = "vqak-intl-9b07e3c6f15a4d28";
    static constexpr char builtInAppKeyAsiaPacific[] = "vqak-apac-41c8a9d2e6f03b75";

    // Product codes (integer value) of the products without an AI page.
    static constexpr int disabledProductCodes[] = {328, 282, 370, 412};

    using MouseSettingList = QList<std::shared_ptr<MouseSettingModel>>;

    static VQUserInfoData& sharedInstance();
    // Tests only: reads every persisted value from the standard user defaults again (also the
    // device record's identity, in place) and clears the memory-only state.
    static void resetForTests();

    // The connected device's record, created on first use and kept for the process.
    VQMouseInfoItem& mouseInfoItem();
    // Forgets who the device connected until now was: the record (clearIdentity), the product
    // code, the server's serial number, the kind flags isLaser and isKeyboard, and what the
    // device reported of itself (sampling rate, function switch, key-setting support, report
    // rate). The device link calls it when the device goes and before a new one is connected, so
    // nothing is sent or decided with the identity of the device before. The connection flags
    // are the link's to set; the option lists and the key list stay until the next device's
    // model information replaces them.
    void clearDeviceIdentity();

    // --- Connection (memory only) ---
    // True while a device is connected, over the USB receiver or over Bluetooth LE.
    bool isConnect() const { return m_mem.isConnect; }
    void setIsConnect(bool connected) { m_mem.isConnect = connected; }
    // True while the connection is Bluetooth LE.
    bool bleConnect() const { return m_mem.bleConnect; }
    void setBleConnect(bool ble) { m_mem.bleConnect = ble; }
    int chipPlan() const { return m_mem.chipPlan; }
    void setChipPlan(int plan) { m_mem.chipPlan = plan; }
    // Non-zero: the device sends 16 kHz audio.
    int samplingRate() const { return m_mem.samplingRate; }
    void setSamplingRate(int rate) { m_mem.samplingRate = rate; }
    bool funcSwitch() const { return m_mem.funcSwitch; }
    void setFuncSwitch(bool on) { m_mem.funcSwitch = on; }
    // True when the device accepts the key-setting commands (the laser pen leaves pointer mode only then).
    bool isSupportKeySetting() const { return m_mem.isSupportKeySetting; }
    void setIsSupportKeySetting(bool supported) { m_mem.isSupportKeySetting = supported; }

    // --- Product (memory only) ---
    // The connected product's code as decimal text: the code given with setProductCode, else
    // the decimal text of the device record's mouseType, else (mouseType 0, no device known)
    // the empty text. A code derived from mouseType always follows the record, so it changes
    // with the device; a given code stays until it is replaced or cleared with an empty text.
    QString productCode() const;
    void setProductCode(const QString& code);
    // True for the products without an AI page (disabledProductCodes).
    bool isDisableDevice() const;

    // --- Voice input switches (persisted) ---
    bool punctuationSwitch() const { return m_saved.punctuationSwitch; }
    void setPunctuationSwitch(bool on);
    bool compatibleModeSwitch() const { return m_saved.compatibleModeSwitch; }
    void setCompatibleModeSwitch(bool on);
    bool longVoiceModeSwitch() const { return m_saved.longVoiceModeSwitch; }
    void setLongVoiceModeSwitch(bool on);
    // True when the speech SDK recognises instead of the websocket service: long-speech mode is
    // off and the selected recognition language code begins with "ZH" or is "EN_US".
    bool isIFlyAsr() const;
    // Semantic analysis of commands (memory only).
    bool semanticSwitch() const { return m_mem.semanticSwitch; }
    void setSemanticSwitch(bool on) { m_mem.semanticSwitch = on; }

    // --- Device settings (persisted) ---
    // Voice broadcast and microphone check: stored settings that no page shows and nothing
    // else reads.
    bool voiceBroadcastSwitch() const { return m_saved.voiceBroadcastSwitch; }
    void setVoiceBroadcastSwitch(bool on);
    bool checkMicSwitch() const { return m_saved.checkMicSwitch; }
    void setCheckMicSwitch(bool on);
    bool rgbSwitch() const { return m_saved.rgbSwitch; }
    void setRgbSwitch(bool on);
    // Low-battery threshold in percent.
    qint64 lowPowerNum() const { return m_saved.lowPowerNum; }
    void setLowPowerNum(qint64 percent);
    // The laser pen's voice key: 0 microphone, 1 typing, 2 translation, 3 search.
    int laserPenVoiceFunctionIndex() const { return m_saved.laserPenVoiceFunctionIndex; }
    void setLaserPenVoiceFunctionIndex(int index);

    // --- Translation (persisted switches, memory-only state) ---
    bool wordInputSwitch() const { return m_saved.wordInputSwitch; }
    void setWordInputSwitch(bool on);
    bool screenshotsTranslateSwitch() const { return m_saved.screenshotsTranslateSwitch; }
    void setScreenshotsTranslateSwitch(bool on);
    // The folder screenshots are saved in, a local path ending in "/": the stored one, else
    // "Screenshots" in the Documents folder. The folder is created when missing.
    QString screenshotsPath() const;
    // Takes a local path or a "file:" URL; stores it as a path ending in "/" and creates the
    // folder. An empty text returns to the default folder.
    void setScreenshotsPath(const QString& path);
    bool isScreenshotsTranslate() const { return m_mem.isScreenshotsTranslate; }
    void setIsScreenshotsTranslate(bool fromScreenshot) { m_mem.isScreenshotsTranslate = fromScreenshot; }
    QString pasteboardContent() const { return m_mem.pasteboardContent; }
    void setPasteboardContent(const QString& text) { m_mem.pasteboardContent = text; }

    // --- Account ---
    // Account and switch are persisted; a null text counts as the empty text. The password is
    // held in memory only: the account forms keep a remembered one in the desktop keyring.
    QString account() const { return m_saved.account; }
    void setAccount(const QString& account);
    QString password() const { return m_saved.password; }
    void setPassword(const QString& password);
    bool rememberPasswordSwitch() const { return m_saved.rememberPasswordSwitch; }
    void setRememberPasswordSwitch(bool on);
    // Memory only.
    bool isLogin() const { return m_mem.isLogin; }
    void setIsLogin(bool loggedIn) { m_mem.isLogin = loggedIn; }
    std::shared_ptr<VQLoginResultModel> loginResult() const { return m_mem.loginResult; }
    void setLoginResult(std::shared_ptr<VQLoginResultModel> result) { m_mem.loginResult = std::move(result); }

    // --- Model information from the server (memory only) ---
    // The application key for the maker's API: the server's, else the built-in key of the
    // device's source region (the last known one while no device has reported it). Never null.
    QString appKey() const;
    void setAppKey(const QString& key) { m_mem.appKey = key; }
    // The server region ("out" for overseas); empty while unknown.
    QString region() const { return m_mem.region; }
    void setRegion(const QString& region) { m_mem.region = region; }
    // The serial number as the server knows it.
    QString sno() const { return m_mem.sno; }
    void setSno(const QString& sno) { m_mem.sno = sno; }
    // The speech vendor's credentials; null while unset.
    QString xunFeiAppId() const { return m_mem.xunFeiAppId; }
    void setXunFeiAppId(const QString& appId) { m_mem.xunFeiAppId = appId; }
    QString xunFeiAppKey() const { return m_mem.xunFeiAppKey; }
    void setXunFeiAppKey(const QString& appKey) { m_mem.xunFeiAppKey = appKey; }
    // The AI assistant list text; empty when the server gave none.
    QString serviceGPTS() const { return m_mem.serviceGPTS; }
    void setServiceGPTS(const QString& gpts) { m_mem.serviceGPTS = gpts; }
    // The AI chat page address; null until the server gives one.
    QString chatGPTURL() const { return m_mem.chatGPTURL; }
    void setChatGPTURL(const QString& url) { m_mem.chatGPTURL = url; }
    // The voice-chip vendor token (persisted); null until obtained. A null text removes it.
    QString IFlytekChip_token() const { return m_saved.IFlytekChip_token; }
    void setIFlytekChip_token(const QString& token);

    bool isLaser() const { return m_mem.isLaser; }
    void setIsLaser(bool on) { m_mem.isLaser = on; }
    bool isVoice() const { return m_mem.isVoice; }
    void setIsVoice(bool on) { m_mem.isVoice = on; }
    bool isIFlytekChip() const { return m_mem.isIFlytekChip; }
    void setIsIFlytekChip(bool on) { m_mem.isIFlytekChip = on; }
    bool isAmbientLightSwitch() const { return m_mem.isAmbientLightSwitch; }
    void setIsAmbientLightSwitch(bool on) { m_mem.isAmbientLightSwitch = on; }
    bool isKeyboard() const { return m_mem.isKeyboard; }
    void setIsKeyboard(bool on) { m_mem.isKeyboard = on; }
    // Some key of the device offers the AI function.
    bool isHaveGPT() const { return m_mem.isHaveGPT; }
    void setIsHaveGPT(bool on) { m_mem.isHaveGPT = on; }

    // DPI steps: the server's choices, else "800dpi", "1000dpi", "1200dpi", "1600dpi".
    QStringList getMouseDpiArray() const;
    QStringList serviceDpiArr() const { return m_mem.serviceDpiArr; }
    // Entries are trimmed and blank ones dropped (a server text "" split at "," is one blank
    // entry); an empty list clears the server's choices.
    void setServiceDpiArr(const QStringList& dpis);
    // The DPI step index of a device DPI value: the value itself.
    qint64 getIndexWithDpiNum(qint64 dpi) const { return dpi; }

    // Report-rate choices as texts (trimmed, blank entries dropped) and the device's current rate.
    QStringList reportRateArr() const { return m_mem.reportRateArr; }
    void setReportRateArr(const QStringList& rates);
    int reportRate() const { return m_mem.reportRate; }
    void setReportRate(int rate) { m_mem.reportRate = rate; }

    // The device's key list, shared with the mouse settings page: models changed in place are
    // seen by both.
    const MouseSettingList& mouseSettingArr() const { return m_mem.mouseSettingArr; }
    void setMouseSettingArr(const MouseSettingList& list) { m_mem.mouseSettingArr = list; }

    // --- Running features (memory only) ---
    // The key action in progress; 18 while the AI window drives voice input, 0 when none.
    int keyAction() const { return m_mem.keyAction; }
    void setKeyAction(int action) { m_mem.keyAction = action; }
    // 2 while a file transcription runs, 0 after it.
    int recordStatus() const { return m_mem.recordStatus; }
    void setRecordStatus(int status) { m_mem.recordStatus = status; }
    // A firmware update succeeded and the hardware record is still to be uploaded.
    bool isNeedUpLoadBurnerInfo() const { return m_mem.isNeedUpLoadBurnerInfo; }
    void setIsNeedUpLoadBurnerInfo(bool need) { m_mem.isNeedUpLoadBurnerInfo = need; }

private:
    VQUserInfoData();
    VQUserInfoData(const VQUserInfoData&) = delete;
    VQUserInfoData& operator=(const VQUserInfoData&) = delete;

    void load();
    // The device record, created on first use.
    VQMouseInfoItem& record() const;
    QString defaultScreenshotsPath() const;
    static void ensureFolder(const QString& path);
    static QStringList cleanedList(const QStringList& list);

    // Values persisted in user defaults, with their defaults when the key is absent.
    struct Saved {
        bool punctuationSwitch = false;
        bool compatibleModeSwitch = true;
        bool longVoiceModeSwitch = true;
        bool rgbSwitch = false;
        bool voiceBroadcastSwitch = false;
        bool checkMicSwitch = false;
        qint64 lowPowerNum = 10;
        int laserPenVoiceFunctionIndex = 0;
        bool wordInputSwitch = false;
        bool screenshotsTranslateSwitch = true;
        QString screenshotsPath; // empty: the default folder
        QString account;
        QString password;
        bool rememberPasswordSwitch = false;
        QString IFlytekChip_token;
    };

    // State held for the launch only.
    struct Memory {
        bool isConnect = false;
        bool bleConnect = false;
        int chipPlan = 0;
        int samplingRate = 0;
        bool funcSwitch = false;
        bool isSupportKeySetting = false;
        QString productCode; // given by setProductCode; empty: derived from the record
        bool semanticSwitch = false;
        bool isScreenshotsTranslate = false;
        QString pasteboardContent;
        bool isLogin = false;
        std::shared_ptr<VQLoginResultModel> loginResult;
        QString appKey;
        QString region;
        QString sno;
        QString xunFeiAppId;
        QString xunFeiAppKey;
        QString serviceGPTS;
        QString chatGPTURL;
        bool isLaser = false;
        bool isVoice = false;
        bool isIFlytekChip = false;
        bool isAmbientLightSwitch = false;
        bool isKeyboard = false;
        bool isHaveGPT = false;
        QStringList serviceDpiArr;
        QStringList reportRateArr;
        int reportRate = 0;
        MouseSettingList mouseSettingArr;
        int keyAction = 0;
        int recordStatus = 0;
        bool isNeedUpLoadBurnerInfo = false;
    };

    Saved m_saved;
    Memory m_mem;
    mutable std::unique_ptr<VQMouseInfoItem> m_mouseInfoItem;
};
