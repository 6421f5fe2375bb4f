// The device record names the device that is connected, or none: never the one before.
#include "DeviceTestFixture.h"

#include "VQDeviceProtocol.h"
#include "VQGetCustomerKeyScene.h"
#include "VQNetBaseScene.h"

namespace {

class DeviceIdentityTest : public DeviceTest {
protected:
    // The value of a parameter that a request made now would carry.
    static QString commonParameter(const char* name)
    {
        for (const auto& parameter : VQNetBaseScene::commonDeviceParameters()) {
            if (parameter.first == QLatin1String(name))
                return parameter.second;
        }
        return QStringLiteral("<absent>");
    }

    // Asks the device for one value as the link would, and delivers its answer.
    void answerRead(quint8 command)
    {
        QString why;
        const auto payloads = receiver.device().answer(command, {}, &why);
        ASSERT_TRUE(payloads.has_value()) << why.toStdString();
        for (const QByteArray& payload : *payloads)
            receiver.sendPayload(payload);
    }
};

TEST_F(DeviceIdentityTest, MouseReceiverPluggedInAfterALaserPenIsNeverTakenForThePen)
{
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    SimulatedDevice::Values pen;
    pen.deviceType = VQMouseInfoItem::DeviceTypeLaserPen;
    pen.mouseType = 99;
    pen.mouseSource = VQMouseInfoItem::MouseSourceInternational;
    pen.serialNumber = "PEN-0001";
    receiver.device().values = pen;
    plugAndSettle();
    ASSERT_EQ(record().deviceType(), VQMouseInfoItem::DeviceTypeLaserPen);
    ASSERT_EQ(record().sn(), QStringLiteral("PEN-0001"));
    state.setProductCode(QStringLiteral("99")); // as the pen's model information gives it
    state.setSno(QStringLiteral("PEN-0001"));
    state.setIsLaser(true);

    receiver.unplug();
    ASSERT_TRUE(vqtest::waitUntil([] { return !HIDDevice::sharedManager().isOpen(); }));

    // Nothing connected: requests carry no device.
    EXPECT_TRUE(record().sn().isEmpty());
    EXPECT_EQ(record().mouseType(), 0u);
    EXPECT_NE(record().deviceType(), VQMouseInfoItem::DeviceTypeLaserPen);
    EXPECT_TRUE(state.productCode().isEmpty());
    EXPECT_TRUE(state.sno().isEmpty());
    EXPECT_FALSE(state.isLaser());
    EXPECT_EQ(commonParameter(VQNetBaseScene::kSnKey), QString());
    EXPECT_EQ(commonParameter(VQNetBaseScene::kVidKey), QStringLiteral("0"));
    // The region stays known for the requests that need one.
    EXPECT_EQ(state.appKey(), QLatin1String(VQUserInfoData::builtInAppKeyInternational));

    // A mouse receiver whose device has not answered yet.
    receiver.device().values = SimulatedDevice::Values();
    receiver.setAnswerMode(SimulatedDevice::AnswerMode::Silent);
    receiver.plug();
    ASSERT_TRUE(vqtest::waitUntil([] { return HIDDevice::sharedManager().isOpen(); }));
    settle();
    recorder->clear();

    receiver.sendKey(33); // the voice key, pressed and released
    receiver.sendKey(34);
    ASSERT_TRUE(vqtest::waitUntil([this] { return recorder->eventCodes.size() >= 2; }))
        << "the mouse's voice key was dropped as a laser-pen key";
    EXPECT_EQ(recorder->eventCodes, (std::vector<int>{33, 34}));
    EXPECT_TRUE(recorder->penSignals.empty());

    VQGetCustomerKeyScene modelInformation;
    EXPECT_TRUE(modelInformation.sn().isEmpty());
    EXPECT_TRUE(modelInformation.productCode().isEmpty());
    EXPECT_EQ(commonParameter(VQNetBaseScene::kSnKey), QString());
    EXPECT_EQ(commonParameter(VQNetBaseScene::kVidKey), QString::number(receiver.model().vendorId));

    // Its own identity arrives.
    answerRead(VQDeviceProtocol::ReadDeviceInfo);
    answerRead(VQDeviceProtocol::ReadSerialNumber);
    ASSERT_TRUE(vqtest::waitUntil([this] { return !record().sn().isEmpty(); }));
    EXPECT_EQ(record().deviceType(), VQMouseInfoItem::DeviceTypeMouseReceiver);
    EXPECT_EQ(record().sn(), QStringLiteral("VQ12345678"));
    const VQGetCustomerKeyScene later;
    EXPECT_EQ(later.sn(), QStringLiteral("VQ12345678"));
    EXPECT_EQ(later.productCode(), QStringLiteral("41"));
}

} // namespace
