// The about-device view under random sequences of clicks, language switches, device outcomes,
// a Bluetooth LE mouse coming and going and the receiver pulled out, over the real device link
// with a simulated receiver that stays silent (a started transfer runs until the device's
// outcome is played). After every step: no click ever offers a start while a transfer runs, a
// button's title says what its click does, and the other button is disabled exactly while an
// update is marked.

#include "AboutMouseView.h"
#include "HIDDevice.h"
#include "OTATestFixture.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLanguageManager.h"
#include "VQPopupWindowTool.h"

#include <random>

namespace {

QString tr_(const char* key) { return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key)); }

enum class Step { ClickDevice, ClickReceiver, Success, Failure, DeviceCancel, Language, Refresh, Bluetooth, Download, Unplug };

} // namespace

class AboutMouseRandomTest : public OTATest {
protected:
    void SetUp() override
    {
        OTATest::SetUp();
        VQPopupWindowTool::resetForTests();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        plugAndSettle();
        receiver.setAnswerMode(SimulatedDevice::AnswerMode::Silent);
        VQOTATransfer::sharedInstance().setReplyTimeoutMs(600000);
    }

    void TearDown() override
    {
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        VQUserInfoData::sharedInstance().setBleConnect(false);
        VQPopupWindowTool::resetForTests();
        OTATest::TearDown();
    }

    // The device ends the running transfer (its answer, as the link turns it into a notification).
    static void deviceOutcome(const char* notification)
    {
        VQOTATransfer::resetForTests();
        NotificationCenter::defaultCenter().post(QString::fromLatin1(notification));
    }

    void replug()
    {
        receiver.setAnswerMode(SimulatedDevice::AnswerMode::Normal);
        plugAndSettle();
        receiver.setAnswerMode(SimulatedDevice::AnswerMode::Silent);
    }
};

TEST_F(AboutMouseRandomTest, RandomSequencesKeepButtonsHonest)
{
    constexpr int kSequences = 10000;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    // Weights of the steps; the receiver is pulled out rarely (replugging takes the settle time).
    std::discrete_distribution<int> pick({ 30, 30, 8, 8, 8, 6, 6, 4, 8, 0.03 });
    std::uniform_int_distribution<int> length(1, 10);
    std::uniform_int_distribution<int> language(0, VQLanguageManager::uiLanguageCount - 1);
    int starts = 0, cancels = 0, unplugs = 0;

    for (int sequence = 0; sequence < kSequences; ++sequence) {
        VQOTATransfer::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQUserInfoData::sharedInstance().setBleConnect(false);
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        if (!HIDDevice::sharedManager().isOpen()) {
            replug();
            if (HasFatalFailure())
                return;
        }
        // The files of the sequence before stay unless a success took one.
        if (!VQOTAUpdateManager::sharedInstance().needUpdate())
            storeFile(firmwareText(image(60)));
        if (!VQOTAUpdateManager::sharedInstance().needUpdateDongle())
            storeFile(firmwareText(image(60)), true);
        AboutMouseView view;
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
        QStringList trail;
        const int steps = length(random);
        for (int i = 0; i < steps; ++i) {
            const Step step = Step(pick(random));
            trail.append(QString::number(int(step)));
            VQOTATransfer& transfer = VQOTATransfer::sharedInstance();
            switch (step) {
            case Step::ClickDevice:
            case Step::ClickReceiver: {
                const bool isDevice = step == Step::ClickDevice;
                VQButton* button = isDevice ? view.updateBtn() : view.updateDongleBtn();
                const QString startTitle = isDevice ? tr_("升级设备固件") : tr_("升级接收器固件");
                // The user clicks what is on the screen only.
                if (button->isHidden())
                    break;
                const bool offeredStart = button->isEnabled() && button->title() == startTitle;
                const bool offeredCancel = button->isEnabled() && button->title() == tr_("取消升级");
                const bool haveFile = isDevice ? VQOTAUpdateManager::sharedInstance().needUpdate()
                                               : VQOTAUpdateManager::sharedInstance().needUpdateDongle();
                const bool receiverRefused = !haveFile || (!isDevice
                    && (VQUserInfoData::sharedInstance().bleConnect() || !HIDDevice::sharedManager().isOpen()));
                const bool wasRunning = transfer.isRunning();
                ASSERT_TRUE(offeredStart || offeredCancel || !button->isEnabled()) << qPrintable(button->title());
                // A start is never offered while a transfer runs (it would be refused and lost).
                ASSERT_FALSE(offeredStart && wasRunning && !receiverRefused)
                    << "sequence " << sequence << " steps " << qPrintable(trail.join(QLatin1Char(' ')));
                button->click();
                if (offeredCancel) {
                    // The cancel leaves for the running transfer of this kind; nothing starts.
                    ASSERT_FALSE(view.isUpdating()) << "sequence " << sequence << " steps "
                        << qPrintable(trail.join(QLatin1Char(' '))) << " file " << haveFile;
                    EXPECT_EQ(button->title(), startTitle);
                    ++cancels;
                } else if (offeredStart && !receiverRefused) {
                    EXPECT_TRUE(view.isUpdating());
                    EXPECT_EQ(view.updateStatus(), isDevice ? AboutMouseView::UpdateDevice : AboutMouseView::UpdateReceiver);
                    EXPECT_EQ(button->title(), tr_("取消升级"));
                    // Without a device on the link the start fails at once (and says so).
                    if (transfer.isRunning()) {
                        EXPECT_EQ(transfer.target(), isDevice ? VQOTATransfer::Target::Device : VQOTATransfer::Target::Receiver);
                    }
                    ++starts;
                } else if (offeredStart) {
                    EXPECT_FALSE(view.isUpdating());
                    EXPECT_EQ(transfer.isRunning(), wasRunning);
                }
                break;
            }
            case Step::Success:
            case Step::Failure:
            case Step::DeviceCancel:
                // The device answers only a transfer it runs (a cancel click's confirmation included).
                if (transfer.isRunning())
                    deviceOutcome(step == Step::Success ? vq::kUpdateOTASuccessNotification
                                  : step == Step::Failure ? vq::kUpdateOTAFailNotification
                                                          : vq::kUpdateOTACancelNotification);
                if (step == Step::Success) {
                    // The next check finds the firmware again.
                    storeFile(firmwareText(image(60)));
                    storeFile(firmwareText(image(60)), true);
                }
                break;
            case Step::Language:
                // As the language menu does: the new language, then the pages retitle.
                VQLanguageManager::sharedInstance().setUiLanguageIndex(language(random));
                NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
                break;
            case Step::Refresh:
                NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadUSBInfoNotification));
                break;
            case Step::Download:
                NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
                break;
            case Step::Bluetooth:
                VQUserInfoData::sharedInstance().setBleConnect(!VQUserInfoData::sharedInstance().bleConnect());
                NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kBleConnectNotification),
                                                         VQUserInfoData::sharedInstance().bleConnect());
                break;
            case Step::Unplug:
                if (HIDDevice::sharedManager().isOpen()) {
                    receiver.unplug();
                    ASSERT_TRUE(vqtest::waitUntil([] { return !HIDDevice::sharedManager().isOpen(); }));
                    // The link fails a transfer of the receiver it lost.
                    if (!VQUserInfoData::sharedInstance().bleConnect()) {
                        ASSERT_TRUE(vqtest::waitUntil([&] { return !transfer.isRunning(); }));
                    }
                    ++unplugs;
                }
                break;
            }
            SCOPED_TRACE(testing::Message() << "sequence " << sequence << " steps " << qPrintable(trail.join(QLatin1Char(' '))));
            const bool device = view.isUpdating() && view.updateStatus() == AboutMouseView::UpdateDevice;
            const bool dongle = view.isUpdating() && view.updateStatus() == AboutMouseView::UpdateReceiver;
            // Titles follow the mark in every language; a marked button is never hidden.
            ASSERT_EQ(view.updateBtn()->title(), device ? tr_("取消升级") : tr_("升级设备固件"));
            ASSERT_EQ(view.updateDongleBtn()->title(), dongle ? tr_("取消升级") : tr_("升级接收器固件"));
            // The other button is disabled while an update is marked; after a cancelling click
            // no start is offered until the device confirmed the cancel.
            const bool busy = !view.isUpdating() && VQOTATransfer::sharedInstance().isRunning();
            ASSERT_EQ(view.updateBtn()->isEnabled(), !dongle && !busy);
            // The receiver's is disabled while no receiver is open or Bluetooth LE is the link.
            const bool reachable = !VQUserInfoData::sharedInstance().bleConnect() && HIDDevice::sharedManager().isOpen();
            ASSERT_EQ(view.updateDongleBtn()->isEnabled(), dongle || (!view.isUpdating() && !busy && reachable));
            ASSERT_TRUE(!device || !view.updateBtn()->isHidden());
            ASSERT_TRUE(!dongle || !view.updateDongleBtn()->isHidden());
        }
    }
    // The sequences reached every kind of step that matters.
    EXPECT_GT(starts, kSequences / 2);
    EXPECT_GT(cancels, kSequences / 10);
    EXPECT_GT(unplugs, 0);
}
