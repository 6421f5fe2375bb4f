#include "UserDefaults.h"
#include "VQMouseInfoItem.h"
#include "VQUserInfoData.h"

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
        item.setMouseType(18446744073709551000ULL); // beyond the signed and the exact-double range
        item.setMouseSource(VQMouseInfoItem::MouseSourceAsiaPacific);
        item.setSensorType(5);
    }

    static void expectIdentity(const VQMouseInfoItem& item)
    {
        EXPECT_EQ(item.vid(), 0x248A);
        EXPECT_EQ(item.pid(), 0x61AB);
        EXPECT_EQ(item.sn(), QStringLiteral("SN-0042"));
        EXPECT_EQ(item.firmwareVersion(), QStringLiteral("V12"));
        EXPECT_EQ(item.receiverVersion(), QStringLiteral("R3"));
        EXPECT_EQ(item.deviceType(), VQMouseInfoItem::DeviceTypeLaserPen);
        EXPECT_EQ(item.mouseType(), 18446744073709551000ULL);
        EXPECT_EQ(item.mouseSource(), VQMouseInfoItem::MouseSourceAsiaPacific);
        EXPECT_EQ(item.sensorType(), 5);
    }
};

TEST_F(VQMouseInfoItemTest, IdentityIsRestoredFromTheFileAndLiveValuesAreNot)
{
    VQMouseInfoItem& item = VQUserInfoData::sharedInstance().mouseInfoItem();
    fillIdentity(item);
    item.setDpi(2);
    item.setLightingEffectsMode(3);
    item.setLightingEffectsColor(8);
    item.setMouseLeftOrRightHandBehavior(1);
    item.setPowerPercent(55.5);
    item.setConnectState(1);
    ASSERT_TRUE(UserDefaults::standard().synchronize());

    // What a new launch reads from the file.
    UserDefaults file(UserDefaults::standard().filePath());
    EXPECT_EQ(file.stringForKey(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_Sn_Key)), QStringLiteral("SN-0042"));
    EXPECT_EQ(file.objectForKey(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_MouseType_Key)).toULongLong(),
              18446744073709551000ULL);

    // A record created now starts from the stored identity and zero live values.
    const VQMouseInfoItem fresh;
    expectIdentity(fresh);
    EXPECT_EQ(fresh.dpi(), 0);
    EXPECT_EQ(fresh.lightingEffectsMode(), 0);
    EXPECT_EQ(fresh.lightingEffectsColor(), 0);
    EXPECT_EQ(fresh.mouseLeftOrRightHandBehavior(), 0);
    EXPECT_EQ(fresh.powerPercent(), 0.0);
    EXPECT_EQ(fresh.connectState(), 0);

    // The shared record is reloaded in place: references taken earlier stay valid.
    VQUserInfoData::resetForTests();
    EXPECT_EQ(&VQUserInfoData::sharedInstance().mouseInfoItem(), &item);
    expectIdentity(item);
    EXPECT_EQ(item.dpi(), 0);
    EXPECT_EQ(item.powerPercent(), 0.0);
}

TEST_F(VQMouseInfoItemTest, UnsetSerialNumberIsForgottenNotStoredAsText)
{
    VQMouseInfoItem& item = VQUserInfoData::sharedInstance().mouseInfoItem();
    EXPECT_TRUE(item.sn().isNull());

    item.setSn(QStringLiteral("SN-1"));
    item.setSn(QString());
    EXPECT_FALSE(UserDefaults::standard().hasValueForKey(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_Sn_Key)));

    VQUserInfoData::resetForTests();
    EXPECT_TRUE(item.sn().isNull());

    // An empty serial number is a value of its own and is kept.
    item.setSn(QStringLiteral(""));
    EXPECT_TRUE(UserDefaults::standard().hasValueForKey(QString::fromLatin1(VQMouseInfoItem::VQ_Corvane_Sn_Key)));
}

} // namespace
