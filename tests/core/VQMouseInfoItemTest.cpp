#include "UserDefaults.h"
#include "VQMouseInfoItem.h"
#include "VQUserInfoData.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class VQMouseInfoItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
    }

    void TearDown() override
    {
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
    }

    static void fillIdentity(VQMouseInfoItem& item)
    {
        item.setVid(0x248A);
        item.setPid(0x61AB);
        item.setSn(QStringLiteral("SN-0042"));
        item.setFirmwareVersion(QStringLiteral("V12"));
        item.setReceiverVersion(QStringLiteral("R3"));
        item.setDeviceType(VQMouseInfoItem::DeviceTypeLaserPen);
        item.setMouseType(18446744073709551000ULL);
        item.setMouseSource(VQMouseInfoItem::MouseSourceAsiaPacific);
        item.setSensorType(5);
        item.setDpi(2);
        item.setLightingEffectsColor(8);
        item.setPowerPercent(55.5);
        item.setConnectState(1);
    }

    static void expectNoDevice(const VQMouseInfoItem& item)
    {
        EXPECT_EQ(item.vid(), 0);
        EXPECT_EQ(item.pid(), 0);
        EXPECT_TRUE(item.sn().isNull());
        EXPECT_TRUE(item.firmwareVersion().isEmpty());
        EXPECT_TRUE(item.receiverVersion().isEmpty());
        EXPECT_NE(item.deviceType(), VQMouseInfoItem::DeviceTypeLaserPen);
        EXPECT_EQ(item.mouseType(), 0u);
        EXPECT_EQ(item.sensorType(), 0);
        EXPECT_EQ(item.dpi(), 0);
        EXPECT_EQ(item.lightingEffectsColor(), 0);
        EXPECT_EQ(item.powerPercent(), 0.0);
        EXPECT_EQ(item.connectState(), 0);
        EXPECT_TRUE(VQUserInfoData::sharedInstance().productCode().isEmpty());
    }
};

TEST_F(VQMouseInfoItemTest, RemovalAndANewLaunchForgetTheDeviceButKeepItsRegion)
{
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    VQMouseInfoItem& item = state.mouseInfoItem();
    fillIdentity(item);
    state.setProductCode(QStringLiteral("370"));
    state.setSno(QStringLiteral("SN-SERVER"));
    state.setIsLaser(true);
    ASSERT_TRUE(state.isDisableDevice());

    state.clearDeviceIdentity();
    expectNoDevice(item);
    EXPECT_TRUE(state.sno().isEmpty());
    EXPECT_FALSE(state.isLaser());
    EXPECT_FALSE(state.isDisableDevice());
    // The region chooses the built-in key while no device has reported its own.
    EXPECT_EQ(item.lastKnownMouseSource(), VQMouseInfoItem::MouseSourceAsiaPacific);
    EXPECT_EQ(state.appKey(), QLatin1String(VQUserInfoData::builtInAppKeyAsiaPacific));

    // A new launch: no device, the same region, and nothing of the device in the file.
    fillIdentity(item);
    ASSERT_TRUE(UserDefaults::standard().synchronize());
    VQUserInfoData::resetForTests();
    EXPECT_EQ(&state.mouseInfoItem(), &item) << "references taken earlier stay valid";
    expectNoDevice(item);
    EXPECT_EQ(state.appKey(), QLatin1String(VQUserInfoData::builtInAppKeyAsiaPacific));
    UserDefaults file(UserDefaults::standard().filePath());
    for (const char* key : {VQMouseInfoItem::VQ_Corvane_Sn_Key, VQMouseInfoItem::VQ_Corvane_DeviceType_Key,
                            VQMouseInfoItem::VQ_Corvane_MouseType_Key, VQMouseInfoItem::VQ_Corvane_Vid_Key})
        EXPECT_FALSE(file.hasValueForKey(QString::fromLatin1(key))) << key;
}

TEST_F(VQMouseInfoItemTest, IdentityLeftInTheFileByAnOlderVersionIsNotTakenForTheDevice)
{
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setValue(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_Sn_Key), QStringLiteral("OLD-SN"));
    defaults.setValue(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_DeviceType_Key),
                      qint64(VQMouseInfoItem::DeviceTypeLaserPen));
    defaults.setValue(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_MouseType_Key), 114);
    defaults.setValue(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_MouseSource_Key),
                      qint64(VQMouseInfoItem::MouseSourceInternational));

    VQUserInfoData::resetForTests(); // the launch after the update
    expectNoDevice(VQUserInfoData::sharedInstance().mouseInfoItem());
    EXPECT_EQ(VQUserInfoData::sharedInstance().appKey(), QLatin1String(VQUserInfoData::builtInAppKeyInternational));
    QCoreApplication::processEvents();
    EXPECT_FALSE(defaults.hasValueForKey(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_Sn_Key)));
    EXPECT_FALSE(defaults.hasValueForKey(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_DeviceType_Key)));
}

} // namespace
