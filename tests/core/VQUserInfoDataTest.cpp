#include "UserDefaults.h"
#include "VQLanguageManager.h"
#include "VQMouseInfoItem.h"
#include "VQUserInfoData.h"

#include "TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace {

class VQUserInfoDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
        VQUserInfoData::resetForTests();
    }

    void TearDown() override
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
        VQUserInfoData::resetForTests();
    }

    static VQUserInfoData& data() { return VQUserInfoData::sharedInstance(); }

    // Reads the settings file as a new launch would, once the event loop has turned.
    static QVariant valueInFile(const char* key)
    {
        QCoreApplication::processEvents();
        UserDefaults fresh(UserDefaults::standard().filePath());
        return fresh.objectForKey(QString::fromLatin1(key));
    }

    static void selectRecognitionLanguage(const QString& code)
    {
        VQLanguageManager& languages = VQLanguageManager::sharedInstance();
        languages.setAudioLanguageArr({QVariantMap{{QStringLiteral("code"), code}}});
        languages.setAudioLanguageIndex(0);
    }
};

TEST_F(VQUserInfoDataTest, FirstLaunchHasTheDocumentedDefaults)
{
    EXPECT_FALSE(data().punctuationSwitch());
    EXPECT_TRUE(data().compatibleModeSwitch());
    EXPECT_TRUE(data().longVoiceModeSwitch());
    EXPECT_FALSE(data().rgbSwitch());
    EXPECT_EQ(data().lowPowerNum(), 10);
    EXPECT_EQ(data().laserPenVoiceFunctionIndex(), 0);
    EXPECT_FALSE(data().wordInputSwitch());
    EXPECT_TRUE(data().screenshotsTranslateSwitch());
    EXPECT_TRUE(data().account().isEmpty());
    EXPECT_TRUE(data().password().isEmpty());
    EXPECT_FALSE(data().rememberPasswordSwitch());
    EXPECT_TRUE(data().IFlytekChip_token().isNull());
    EXPECT_TRUE(data().chatGPTURL().isNull());
    EXPECT_FALSE(data().isLogin());
    EXPECT_EQ(data().loginResult(), nullptr);
    // Nothing was written just by reading.
    EXPECT_EQ(UserDefaults::standard().writeCount(), 0);
}

TEST_F(VQUserInfoDataTest, PersistedSettingsReachTheFileInOneWriteAndSurviveARestart)
{
    const int writesBefore = UserDefaults::standard().writeCount();
    data().setPunctuationSwitch(true);
    data().setCompatibleModeSwitch(false);
    data().setLongVoiceModeSwitch(false);
    data().setRgbSwitch(true);
    data().setLowPowerNum(25);
    data().setLaserPenVoiceFunctionIndex(3);
    data().setWordInputSwitch(true);
    data().setScreenshotsTranslateSwitch(false);
    data().setAccount(QStringLiteral("user@example.com"));
    data().setPassword(QStringLiteral("p'a\"ss 密码"));
    data().setRememberPasswordSwitch(true);
    data().setIFlytekChip_token(QStringLiteral("token-1"));
    VQLanguageManager::sharedInstance().setUiLanguageIndex(2);
    VQLanguageManager::sharedInstance().setSearchEngineTag(1);

    // The setters leave the disk alone; the event loop then writes the burst at once.
    EXPECT_EQ(UserDefaults::standard().writeCount(), writesBefore);
    ASSERT_TRUE(vqtest::waitUntil([] { return UserDefaults::standard().writeCount() > 0; }));
    vqtest::spin(30);
    EXPECT_EQ(UserDefaults::standard().writeCount(), writesBefore + 1);
    EXPECT_EQ(valueInFile(VQLanguageManager::uiLanguageIndexKey).toLongLong(), 2);
    EXPECT_EQ(valueInFile(VQUserInfoData::punctuationSwitchKey), QVariant(true));
    EXPECT_EQ(valueInFile(VQUserInfoData::compatibleModeSwitchKey), QVariant(false));
    EXPECT_EQ(valueInFile(VQUserInfoData::lowPowerNumKey).toLongLong(), 25);
    EXPECT_FALSE(valueInFile(VQUserInfoData::passwordKey).isValid()); // the password stays in memory
    EXPECT_EQ(valueInFile(VQUserInfoData::IFlytekChip_tokenKey).toString(), QStringLiteral("token-1"));

    // Memory-only state set before the restart is gone after it.
    data().setIsLogin(true);
    data().setKeyAction(18);
    data().setIsHaveGPT(true);
    data().setChatGPTURL(QStringLiteral("https://chat.example/page"));
    data().setAppKey(QStringLiteral("server-key"));
    data().setIsNeedUpLoadBurnerInfo(true);

    // A password that an older version wrote into the file is dropped at launch.
    UserDefaults::standard().setValue(QString::fromLatin1(VQUserInfoData::passwordKey), QStringLiteral("old"));
    UserDefaults::standard().synchronize();
    VQUserInfoData::resetForTests();
    EXPECT_FALSE(valueInFile(VQUserInfoData::passwordKey).isValid());

    EXPECT_TRUE(data().punctuationSwitch());
    EXPECT_FALSE(data().compatibleModeSwitch());
    EXPECT_FALSE(data().longVoiceModeSwitch());
    EXPECT_TRUE(data().rgbSwitch());
    EXPECT_EQ(data().lowPowerNum(), 25);
    EXPECT_EQ(data().laserPenVoiceFunctionIndex(), 3);
    EXPECT_TRUE(data().wordInputSwitch());
    EXPECT_FALSE(data().screenshotsTranslateSwitch());
    EXPECT_EQ(data().account(), QStringLiteral("user@example.com"));
    EXPECT_TRUE(data().password().isEmpty());
    EXPECT_TRUE(data().rememberPasswordSwitch());
    EXPECT_EQ(data().IFlytekChip_token(), QStringLiteral("token-1"));

    EXPECT_FALSE(data().isLogin());
    EXPECT_EQ(data().keyAction(), 0);
    EXPECT_FALSE(data().isHaveGPT());
    EXPECT_TRUE(data().chatGPTURL().isNull());
    EXPECT_EQ(data().appKey(), QLatin1String(VQUserInfoData::builtInAppKeyDomestic));
    EXPECT_FALSE(data().isNeedUpLoadBurnerInfo());
}

TEST_F(VQUserInfoDataTest, SettingAnUnchangedValueWritesNothing)
{
    UserDefaults& defaults = UserDefaults::standard();
    data().setLowPowerNum(30);
    data().setAccount(QStringLiteral("someone"));
    QCoreApplication::processEvents();
    const int writes = defaults.writeCount();

    data().setPunctuationSwitch(data().punctuationSwitch());
    data().setCompatibleModeSwitch(data().compatibleModeSwitch());
    data().setLongVoiceModeSwitch(data().longVoiceModeSwitch());
    data().setRgbSwitch(data().rgbSwitch());
    data().setLowPowerNum(30);
    data().setLaserPenVoiceFunctionIndex(data().laserPenVoiceFunctionIndex());
    data().setWordInputSwitch(data().wordInputSwitch());
    data().setScreenshotsTranslateSwitch(data().screenshotsTranslateSwitch());
    data().setScreenshotsPath(data().screenshotsPath());
    data().setAccount(QStringLiteral("someone"));
    data().setPassword(QString()); // a missing password equals the empty one held
    data().setRememberPasswordSwitch(false);
    data().setIFlytekChip_token(QString());
    vqtest::spin(50); // a change would also be written from the event loop

    EXPECT_EQ(defaults.writeCount(), writes);
    EXPECT_FALSE(defaults.hasValueForKey(QString::fromLatin1(VQUserInfoData::passwordKey)));
    EXPECT_FALSE(defaults.hasValueForKey(QString::fromLatin1(VQUserInfoData::screenshotsPathKey)));

    data().setLowPowerNum(31);
    QCoreApplication::processEvents();
    EXPECT_EQ(defaults.writeCount(), writes + 1);
}

TEST_F(VQUserInfoDataTest, ClearedTokenIsRemovedFromTheFile)
{
    data().setIFlytekChip_token(QStringLiteral("abc"));
    data().setIFlytekChip_token(QString());
    EXPECT_FALSE(valueInFile(VQUserInfoData::IFlytekChip_tokenKey).isValid());
    VQUserInfoData::resetForTests();
    EXPECT_TRUE(data().IFlytekChip_token().isNull());
}

TEST_F(VQUserInfoDataTest, ProductCodeFollowsTheConnectedDevice)
{
    VQMouseInfoItem& record = data().mouseInfoItem();

    // No device reported yet: no product, not a product "0".
    EXPECT_TRUE(data().productCode().isEmpty());
    EXPECT_FALSE(data().isDisableDevice());

    record.setVid(0x1234);
    record.setSn(QStringLiteral("SN-A"));
    record.setMouseType(41);
    EXPECT_EQ(data().productCode(), QStringLiteral("41"));

    // The next device must not inherit the first one's derived code.
    record.setSn(QStringLiteral("SN-B"));
    record.setMouseType(114);
    EXPECT_EQ(data().productCode(), QStringLiteral("114"));

    // A device that reports no model yet has no code.
    record.setMouseType(0);
    EXPECT_TRUE(data().productCode().isEmpty());

    // A given code wins over the derived one, also when the record changes, until it is cleared.
    record.setMouseType(56);
    data().setProductCode(QStringLiteral("209"));
    EXPECT_EQ(data().productCode(), QStringLiteral("209"));
    record.setMouseType(72);
    EXPECT_EQ(data().productCode(), QStringLiteral("209"));
    data().setProductCode(QString());
    EXPECT_EQ(data().productCode(), QStringLiteral("72"));

    // A large model number keeps all its digits.
    record.setMouseType(18446744073709551615ULL);
    EXPECT_EQ(data().productCode(), QStringLiteral("18446744073709551615"));
}

TEST_F(VQUserInfoDataTest, ProductsWithoutAnAiPageAreDisabled)
{
    for (const int code : {328, 282, 370, 412}) {
        data().setProductCode(QString::number(code));
        EXPECT_TRUE(data().isDisableDevice()) << code;
    }
    for (const char* code : {"329", "41", "0", "", "abc"}) {
        data().setProductCode(QString::fromLatin1(code));
        EXPECT_FALSE(data().isDisableDevice()) << code;
    }
    // A code derived from the model number counts the same way.
    data().setProductCode(QString());
    data().mouseInfoItem().setMouseType(370);
    EXPECT_TRUE(data().isDisableDevice());
}

TEST_F(VQUserInfoDataTest, SpeechSdkIsUsedOnlyWithLongSpeechOffForChineseAndAmericanEnglish)
{
    struct Case {
        bool longVoice;
        const char* code;
        bool sdk;
    };
    const Case cases[] = {
        {true, "ZH_CN", false},  {true, "EN_US", false}, {false, "ZH_CN", true},
        {false, "ZH_TW", true},  {false, "ZH_GD", true}, {false, "EN_US", true},
        {false, "EN_GB", false}, {false, "JA_JP", false}, {false, "zh_cn", false},
        {false, "EN_US_X", false}, {false, "", false},
    };
    for (const Case& c : cases) {
        data().setLongVoiceModeSwitch(c.longVoice);
        selectRecognitionLanguage(QString::fromLatin1(c.code));
        EXPECT_EQ(data().isIFlyAsr(), c.sdk) << "long speech " << c.longVoice << ", code " << c.code;
    }

    // No recognition list yet: the language manager reads "ZH_CN".
    VQLanguageManager::sharedInstance().setAudioLanguageArr({});
    data().setLongVoiceModeSwitch(false);
    EXPECT_TRUE(data().isIFlyAsr());
}

TEST_F(VQUserInfoDataTest, DpiAndReportRateChoicesIgnoreBlankEntries)
{
    const QStringList fourSteps{QStringLiteral("800dpi"), QStringLiteral("1000dpi"), QStringLiteral("1200dpi"),
                                QStringLiteral("1600dpi")};
    EXPECT_EQ(data().getMouseDpiArray(), fourSteps);

    data().setServiceDpiArr({QStringLiteral("400dpi"), QStringLiteral(" 3200dpi ")});
    EXPECT_EQ(data().getMouseDpiArray(), (QStringList{QStringLiteral("400dpi"), QStringLiteral("3200dpi")}));

    // The server's "" split at "," is one blank entry: no choices, so the default steps.
    data().setServiceDpiArr(QString().split(QLatin1Char(',')));
    EXPECT_TRUE(data().serviceDpiArr().isEmpty());
    EXPECT_EQ(data().getMouseDpiArray(), fourSteps);

    data().setReportRateArr(QStringLiteral("125,,500, 1000,").split(QLatin1Char(',')));
    EXPECT_EQ(data().reportRateArr(),
              (QStringList{QStringLiteral("125"), QStringLiteral("500"), QStringLiteral("1000")}));
    data().setReportRateArr(QString().split(QLatin1Char(',')));
    EXPECT_TRUE(data().reportRateArr().isEmpty());

    EXPECT_EQ(data().getIndexWithDpiNum(3), 3);
}

TEST_F(VQUserInfoDataTest, AppKeyIsTheServersElseTheBuiltInKeyOfTheSourceRegion)
{
    VQMouseInfoItem& record = data().mouseInfoItem();
    const struct {
        qint64 source;
        const char* key;
    } regions[] = {
        {VQMouseInfoItem::MouseSourceDomestic, VQUserInfoData::builtInAppKeyDomestic},
        {VQMouseInfoItem::MouseSourceInternational, VQUserInfoData::builtInAppKeyInternational},
        {VQMouseInfoItem::MouseSourceAsiaPacific, VQUserInfoData::builtInAppKeyAsiaPacific},
        {7, VQUserInfoData::builtInAppKeyDomestic},
    };
    for (const auto& region : regions) {
        record.setMouseSource(region.source);
        EXPECT_EQ(data().appKey(), QLatin1String(region.key)) << region.source;
    }
    EXPECT_NE(QLatin1String(VQUserInfoData::builtInAppKeyDomestic),
              QLatin1String(VQUserInfoData::builtInAppKeyInternational));

    data().setAppKey(QStringLiteral("from-server"));
    EXPECT_EQ(data().appKey(), QStringLiteral("from-server"));
    // The server's record without a key ("appkey" defaults to "") falls back to the built-in one.
    data().setAppKey(QString());
    EXPECT_FALSE(data().appKey().isEmpty());
    data().setAppKey(QStringLiteral(""));
    EXPECT_EQ(data().appKey(), QLatin1String(VQUserInfoData::builtInAppKeyDomestic));
}

TEST_F(VQUserInfoDataTest, ScreenshotFolderIsCreatedAndStoredAsAPathWithATrailingSlash)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString expected = documents + QStringLiteral("/Screenshots/");
    QDir(expected).removeRecursively();
    ASSERT_FALSE(QDir(expected).exists());

    VQUserInfoData::resetForTests(); // start-up
    EXPECT_EQ(data().screenshotsPath(), expected);
    EXPECT_TRUE(QDir(expected).exists());

    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString chosen = root.path() + QStringLiteral("/my shots");
    const QString chosenFolder = chosen + QLatin1Char('/');

    // A folder chooser's file URL becomes a plain path; the missing folder is created.
    data().setScreenshotsPath(QString(QStringLiteral("file://") + chosen));
    EXPECT_EQ(data().screenshotsPath(), chosenFolder);
    EXPECT_TRUE(QDir(chosen).exists());
    EXPECT_EQ(valueInFile(VQUserInfoData::screenshotsPathKey).toString(), chosenFolder);

    // The same folder as a path is no change.
    const int writes = UserDefaults::standard().writeCount();
    data().setScreenshotsPath(chosen);
    EXPECT_EQ(UserDefaults::standard().writeCount(), writes);

    // A relative path is refused; the chosen folder stays.
    data().setScreenshotsPath(QStringLiteral("relative/folder"));
    EXPECT_EQ(data().screenshotsPath(), chosenFolder);

    // An empty text returns to the default folder.
    data().setScreenshotsPath(QString());
    EXPECT_EQ(data().screenshotsPath(), expected);
    EXPECT_FALSE(valueInFile(VQUserInfoData::screenshotsPathKey).isValid());
}

} // namespace
