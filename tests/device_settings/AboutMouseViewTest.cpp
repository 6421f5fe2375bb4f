// The about-device view over the real device link with a simulated receiver that stays silent,
// so a started transfer keeps running until the row ends it: what each click sends, the titles
// and enabled states of the two buttons, the files left, the tips and the upload flag. Renders
// the software page to renders/about_device_*.png.

#include "AboutMouseView.h"
#include "CustomProgress.h"
#include "OTATestFixture.h"
#include "QRNLocalizedString.h"
#include "SoftwareManagerViewController.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"
#include "VQUploadBurnerInfoScene.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <algorithm>
#include <QDir>
#include <QFile>

namespace {

QString tr_(const char* key) { return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key)); }

enum class Step { Device, Receiver, Success, Failure, Cancelled, Refresh, Ble };

} // namespace

class AboutMouseViewTest : public OTATest {
protected:
    void SetUp() override
    {
        OTATest::SetUp();
        VQPopupWindowTool::resetForTests();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        plugAndSettle();
        // A started transfer waits for the device's answer until the row ends it.
        receiver.setAnswerMode(SimulatedDevice::AnswerMode::Silent);
        VQOTATransfer::sharedInstance().setReplyTimeoutMs(120000);
        receiver.clearRecords();
    }

    void TearDown() override
    {
        VQPopupWindowTool::resetForTests();
        OTATest::TearDown();
    }

    // The link ends its transfer (as the device would) and posts the outcome.
    static void endTransfer(const char* notification)
    {
        VQOTATransfer::resetForTests();
        NotificationCenter::defaultCenter().post(QString::fromLatin1(notification));
    }

    // Command and target of each firmware frame sent, e.g. "4000" (start, device).
    QStringList sentCommands() const
    {
        QStringList out;
        for (const QString& frame : transferFrames())
            out.append(frame.mid(8, 4));
        return out;
    }

    static QString tipText() { return VQPopupWindowTool::sharedInstance().tipWindow()->text(); }
};

TEST_F(AboutMouseViewTest, VersionLineFollowsTheRecord)
{
    struct Row {
        const char* serial;
        const char* firmware;
        const char* productCode;
        const char* expectedSerial;
        const char* expectedFirmware;
    };
    // 412 is a product without an AI page: serial and firmware are not shown.
    const Row rows[] = {
        { "A1B2C3", "12", "41", "A1B2C3", "12" },
        { "", "7", "41", "", "7" },
        { "A1B2C3", "12", "412", "", "" },
    };
    for (const Row& row : rows) {
        record().setSn(QString::fromLatin1(row.serial));
        record().setFirmwareVersion(QString::fromLatin1(row.firmware));
        VQUserInfoData::sharedInstance().setProductCode(QString::fromLatin1(row.productCode));
        AboutMouseView view;
        const QString expected = QStringLiteral("SN:") + QString::fromLatin1(row.expectedSerial)
            + QString(9, QLatin1Char(' ')) + tr_("软件版本：") + QStringLiteral(" V")
            + QCoreApplication::applicationVersion() + QString(9, QLatin1Char(' ')) + tr_("固件版本：")
            + QStringLiteral(" ") + QString::fromLatin1(row.expectedFirmware) + QStringLiteral("(")
            + QString::fromLatin1(row.productCode) + QStringLiteral(")");
        EXPECT_EQ(view.versionLabel()->text(), expected) << row.serial << " " << row.productCode;
    }
}

TEST_F(AboutMouseViewTest, ButtonsOfferTheStoredFilesAfterADownloadAndEachRefresh)
{
    VQOTAUpdateManager::sharedInstance().deleteDongleOTAFile();
    AboutMouseView view;
    EXPECT_TRUE(view.updateBtn()->isHidden());
    EXPECT_TRUE(view.updateDongleBtn()->isHidden());
    storeFile(firmwareText(image(60)));
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
    EXPECT_FALSE(view.updateBtn()->isHidden());
    EXPECT_TRUE(view.updateDongleBtn()->isHidden());
    for (const char* refresh : { vq::HadUSBInfoNotification, vq::kUpdateFirmwareVersionNotification, vq::kUpdateTitleNotification }) {
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
        NotificationCenter::defaultCenter().post(QString::fromLatin1(refresh));
        EXPECT_FALSE(view.updateBtn()->isHidden()) << refresh;
        EXPECT_TRUE(view.updateDongleBtn()->isHidden()) << refresh;
        EXPECT_TRUE(view.updateTipLabel()->isHidden()) << refresh;
    }
    // The text is laid out at the view's width: a narrower view needs more height.
    view.show();
    view.resize(900, view.height());
    const double wide = view.viewHeight();
    view.resize(260, view.height());
    EXPECT_GT(view.viewHeight(), wide);
    EXPECT_EQ(view.height(), int(view.viewHeight()));
}

TEST_F(AboutMouseViewTest, ClicksAndOutcomes)
{
    struct Row {
        const char* name;
        QList<Step> steps;
        bool deviceFile;
        bool receiverFile;
        QStringList sent;
        bool deviceMarked;   // the device button reads "取消升级"
        bool receiverMarked; // the receiver button reads "取消升级"
        bool deviceEnabled;
        bool receiverEnabled;
        bool deviceFileLeft;
        bool receiverFileLeft;
        const char* tip; // "" when none
        bool uploadFlag;
    };
    const QString d = QStringLiteral("4000"), r = QStringLiteral("4001");
    const QString cd = QStringLiteral("4300"), cr = QStringLiteral("4301");
    const Row rows[] = {
        { "no device file", { Step::Device }, false, true, {}, false, false, true, true, false, true, "当前是最新版本", false },
        { "no receiver file", { Step::Receiver }, true, false, {}, false, false, true, true, true, false, "当前是最新版本", false },
        { "device start", { Step::Device }, true, true, { d }, true, false, true, false, true, true, "", false },
        // No start is offered until the device answered the cancel (this one stays silent).
        { "device cancel", { Step::Device, Step::Device }, true, true, { d, cd }, false, false, false, false, true, true, "", false },
        { "receiver start", { Step::Receiver }, true, true, { r }, false, true, false, true, true, true, "", false },
        { "receiver cancel", { Step::Receiver, Step::Receiver }, true, true, { r, cr }, false, false, false, false, true, true, "", false },
        { "success with nothing started", { Step::Success }, true, true, {}, false, false, true, true, true, true, "升级成功", true },
        { "device success", { Step::Device, Step::Success }, true, true, { d }, false, false, true, true, false, true, "升级成功", true },
        { "receiver success", { Step::Receiver, Step::Success }, true, true, { r }, false, false, true, true, true, false, "升级成功", true },
        { "success after a cancelling click", { Step::Device, Step::Device, Step::Success }, true, true, { d, cd }, false, false, true, true, false, true, "升级成功", true },
        { "failure keeps the mark", { Step::Device, Step::Failure }, true, true, { d }, true, false, true, false, true, true, "升级失败", false },
        { "click after a failure clears it", { Step::Device, Step::Failure, Step::Device }, true, true, { d }, false, false, true, true, true, true, "升级失败", false },
        { "device cancel confirmed", { Step::Device, Step::Device, Step::Cancelled }, true, true, { d, cd }, false, false, true, true, true, true, "升级取消", false },
        { "refresh during an update", { Step::Receiver, Step::Refresh }, true, true, { r }, false, true, false, true, true, true, "", false },
        { "other button during an update", { Step::Device, Step::Receiver }, true, true, { d }, true, false, true, false, true, true, "", false },
        { "receiver refused over Bluetooth LE", { Step::Ble, Step::Receiver }, true, true, {}, false, false, true, true, true, true, "升级失败", false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        VQOTATransfer::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQUserInfoData::sharedInstance().setBleConnect(false);
        VQUserInfoData::sharedInstance().setIsNeedUpLoadBurnerInfo(false);
        const QString deviceFile = row.deviceFile ? storeFile(firmwareText(image(60))) : QString();
        const QString receiverFile = row.receiverFile ? storeFile(firmwareText(image(60)), true) : QString();
        if (!row.deviceFile)
            VQOTAUpdateManager::sharedInstance().deleteOTAFile();
        if (!row.receiverFile)
            VQOTAUpdateManager::sharedInstance().deleteDongleOTAFile();
        receiver.clearRecords();
        AboutMouseView view;
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
        for (Step step : row.steps) {
            switch (step) {
            case Step::Device:
            case Step::Receiver: {
                const bool wasUpdating = view.isUpdating();
                const int before = int(sentCommands().size());
                (step == Step::Device ? view.updateBtn() : view.updateDongleBtn())->click();
                // A start leaves once the file was read on a worker: wait for its frame, so a
                // following cancel finds the transfer announced.
                if (!wasUpdating && view.isUpdating()) {
                    EXPECT_TRUE(vqtest::waitUntil([&] { return int(sentCommands().size()) > before; }));
                }
                break;
            }
            case Step::Success:
                endTransfer(vq::kUpdateOTASuccessNotification);
                break;
            case Step::Failure:
                endTransfer(vq::kUpdateOTAFailNotification);
                break;
            case Step::Cancelled:
                endTransfer(vq::kUpdateOTACancelNotification);
                break;
            case Step::Refresh:
                NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadUSBInfoNotification));
                break;
            case Step::Ble:
                VQUserInfoData::sharedInstance().setBleConnect(true);
                break;
            }
            // Frames leave at the link's pace.
            settle();
        }
        EXPECT_EQ(sentCommands(), row.sent);
        EXPECT_EQ(view.updateBtn()->title(), row.deviceMarked ? tr_("取消升级") : tr_("升级设备固件"));
        EXPECT_EQ(view.updateDongleBtn()->title(), row.receiverMarked ? tr_("取消升级") : tr_("升级接收器固件"));
        EXPECT_EQ(view.updateBtn()->isEnabled(), row.deviceEnabled);
        EXPECT_EQ(view.updateDongleBtn()->isEnabled(), row.receiverEnabled);
        // A marked update's button is never hidden, so its transfer can be cancelled.
        EXPECT_TRUE(!row.deviceMarked || !view.updateBtn()->isHidden());
        EXPECT_TRUE(!row.receiverMarked || !view.updateDongleBtn()->isHidden());
        EXPECT_EQ(view.isUpdating(), row.deviceMarked || row.receiverMarked);
        EXPECT_EQ(row.deviceFile && QFile::exists(deviceFile), row.deviceFileLeft);
        EXPECT_EQ(row.receiverFile && QFile::exists(receiverFile), row.receiverFileLeft);
        EXPECT_EQ(tipText(), QString::fromUtf8(row.tip).isEmpty() ? QString() :
                  (QString::fromUtf8(row.tip) == QStringLiteral("升级成功") ? QStringLiteral("升级成功") : tr_(row.tip)));
        EXPECT_EQ(VQUserInfoData::sharedInstance().isNeedUpLoadBurnerInfo(), row.uploadFlag);
        // Every outcome hides the bar.
        EXPECT_TRUE(view.custompro()->isHidden());
        EXPECT_TRUE(view.progressLabel()->text().isEmpty());
    }
}

TEST_F(AboutMouseViewTest, HardwareRecordAfterTheNextFirmwareReport)
{
    struct Row {
        int status;
        bool flagAfter;
    };
    // The server's success lowers the flag; a refusal leaves it for the next report.
    const Row rows[] = { { 200, false }, { 500, true } };
    for (const Row& row : rows) {
        server.clearRequests();
        server.setReply(QStringLiteral("/api") + QString::fromLatin1(VQUploadBurnerInfoScene::kPath),
                        row.status == 200 ? vqtest::StandInReply::api(QJsonValue())
                                          : vqtest::StandInReply::html(row.status, "down"));
        AboutMouseView view;
        record().setFirmwareVersion(QStringLiteral("13"));
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateFirmwareVersionNotification));
        // An upload would leave inside the post: none can arrive once no reply is open.
        ASSERT_TRUE(vqtest::waitUntil([] { return VQHttpRequestManager::sharedInstance().openReplyCount() == 0; }));
        EXPECT_EQ(server.requestCount(), 0) << "no upload without an update";
        VQUserInfoData::sharedInstance().setIsNeedUpLoadBurnerInfo(true);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateFirmwareVersionNotification));
        ASSERT_TRUE(vqtest::waitUntil([this] { return server.requestCount() == 1; }));
        const auto request = server.lastRequest();
        EXPECT_EQ(request.queryValue(QStringLiteral("firmwareVersion")).value_or(QString()), QStringLiteral("13"));
        EXPECT_EQ(request.queryValue(QStringLiteral("softVersion")).value_or(QString()), QString::fromLatin1(kProductCode));
        EXPECT_EQ(request.queryValue(QStringLiteral("channel")).value_or(QString()), QStringLiteral("linux"));
        EXPECT_TRUE(vqtest::waitUntil([&row] { return VQUserInfoData::sharedInstance().isNeedUpLoadBurnerInfo() == row.flagAfter; }));
        ASSERT_TRUE(vqtest::waitUntil([] { return VQHttpRequestManager::sharedInstance().openReplyCount() == 0; }));
        EXPECT_EQ(VQUserInfoData::sharedInstance().isNeedUpLoadBurnerInfo(), row.flagAfter);
    }
}

// Dropped files are taken as a copy and start nothing; other drags are refused.
TEST_F(AboutMouseViewTest, DroppedFilesAreTakenWithoutAction)
{
    AboutMouseView view;
    EXPECT_TRUE(view.acceptDrops());
    struct Row {
        QList<QUrl> urls;
        const char* text;
        bool taken;
    };
    const Row rows[] = {
        {{QUrl::fromLocalFile(QStringLiteral("/tmp/fw.txt"))}, nullptr, true},
        {{QUrl(QStringLiteral("https://example.invalid/fw.txt"))}, nullptr, false},
        {{}, "fw.txt", false},
    };
    for (const Row& row : rows) {
        QMimeData data;
        data.setUrls(row.urls);
        if (row.text)
            data.setText(QString::fromLatin1(row.text));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QCoreApplication::sendEvent(&view, &enter);
        EXPECT_EQ(enter.isAccepted(), row.taken);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        drop.ignore();
        QCoreApplication::sendEvent(&view, &drop);
        EXPECT_EQ(drop.isAccepted(), row.taken);
        if (row.taken)
            EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    }
    // Whatever a drop started would be queued or on its way now.
    ASSERT_TRUE(vqtest::waitUntil([] {
        return VQHttpRequestManager::sharedInstance().openReplyCount() == 0 && HIDDevice::sharedManager().queuedReportCount() == 0;
    }));
    EXPECT_TRUE(sentCommands().isEmpty());
    EXPECT_FALSE(view.isUpdating());
    EXPECT_EQ(server.requestCount(), 0);
}

TEST_F(AboutMouseViewTest, RendersTheSoftwarePage)
{
    record().setSn(QStringLiteral("A1B2C3"));
    record().setFirmwareVersion(QStringLiteral("12"));
    SoftwareManagerViewController::setAboutViewFactory([] { return new AboutMouseView; });
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    QDir().mkpath(dir);
    struct Lang {
        int index;
        const char* code;
    };
    for (const Lang& lang : { Lang { 0, "zh" }, Lang { 2, "en" } }) {
        VQLanguageManager::sharedInstance().setUiLanguageIndex(lang.index);
        SoftwareManagerViewController page;
        QWidget* widget = page.view();
        widget->resize(1000, 760);
        widget->show();
        auto* about = static_cast<AboutMouseView*>(page.aboutView());
        ASSERT_NE(about, nullptr);
        vqtest::spin(50);
        // The page places the about view at its full height in every language.
        EXPECT_EQ(about->height(), int(about->viewHeight()));
        EXPECT_GE(page.contentHeight(), int(about->y() + about->viewHeight()));
        EXPECT_TRUE(widget->grab().save(dir + QStringLiteral("/about_device_%1_no_buttons.png").arg(QLatin1String(lang.code))));
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
        vqtest::spin(20);
        EXPECT_TRUE(widget->grab().save(dir + QStringLiteral("/about_device_%1_buttons.png").arg(QLatin1String(lang.code))));
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAProgressNotification), 42);
        vqtest::spin(20);
        EXPECT_EQ(about->progressLabel()->text(), QStringLiteral("42%"));
        EXPECT_FALSE(about->custompro()->isHidden());
        EXPECT_TRUE(widget->grab().save(dir + QStringLiteral("/about_device_%1_42.png").arg(QLatin1String(lang.code))));
        VQOTATransfer::resetForTests();
    }
    SoftwareManagerViewController::setAboutViewFactory({});
    VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
}

// A whole transfer through the view with the simulated receiver answering: the device gets the
// file's image, the percentage rises from 0 below 100, the file goes, and the link reads the
// installed version, which reaches the version line and the hardware record.
TEST_F(AboutMouseViewTest, TransferToItsOutcome)
{
    struct Row {
        bool receiverTarget;
        const char* readAgain; // the version read after the install
    };
    for (const Row& row : { Row { false, "0da54d04034c" }, Row { true, "0da54d04044c" } }) {
        SCOPED_TRACE(row.receiverTarget ? "receiver" : "device");
        VQOTATransfer::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQUserInfoData::sharedInstance().setIsNeedUpLoadBurnerInfo(false);
        receiver.setAnswerMode(SimulatedDevice::AnswerMode::Normal);
        VQOTATransfer::sharedInstance().setReplyTimeoutMs(VQOTATransfer::kReplyTimeoutMs);
        server.clearRequests();
        const QByteArray firmware = image(300);
        const QString path = storeFile(firmwareText(firmware), row.receiverTarget);
        // The installed firmware reports itself as 13.
        receiver.device().values.firmwareVersion = "13";
        receiver.device().values.receiverVersion = "13";
        AboutMouseView view;
        QList<int> shown;
        QObject owner;
        NotificationCenter::defaultCenter().addObserver(&owner, QString::fromLatin1(vq::kUpdateOTAProgressNotification),
                                                        [&](const VQNotification&) { shown.append(view.progressLabel()->text().chopped(1).toInt()); });
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
        receiver.clearRecords();
        ota.clear();
        VQButton* button = row.receiverTarget ? view.updateDongleBtn() : view.updateBtn();
        button->click();
        ASSERT_TRUE(waitForOutcome(30000));
        EXPECT_EQ(outcomes(), QStringList { name(vq::kUpdateOTASuccessNotification) });
        const SimulatedFirmwareUpdate& device = receiver.device().firmware;
        EXPECT_EQ(device.target, row.receiverTarget ? 1 : 0);
        EXPECT_EQ(device.installedImage[row.receiverTarget ? 1 : 0], firmware);
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_EQ(shown.first(), 0);
        EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
        EXPECT_LT(shown.last(), 100);
        EXPECT_EQ(tipText(), QStringLiteral("升级成功"));
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE((row.receiverTarget ? VQOTAUpdateManager::sharedInstance().dongleOTAFilePath()
                                        : VQOTAUpdateManager::sharedInstance().otaFilePath()).isEmpty());
        EXPECT_EQ(button->title(), row.receiverTarget ? tr_("升级接收器固件") : tr_("升级设备固件"));
        ASSERT_TRUE(vqtest::waitUntil([&] { return writtenHex().contains(QString::fromLatin1(row.readAgain)); }));
        if (!row.receiverTarget) {
            ASSERT_TRUE(vqtest::waitUntil([&] { return view.versionLabel()->text().contains(QStringLiteral(" 13(41)")); }));
            ASSERT_TRUE(vqtest::waitUntil([&] { return server.requestCount() == 1; }));
            EXPECT_EQ(server.lastRequest().queryValue(QStringLiteral("firmwareVersion")).value_or(QString()), QStringLiteral("13"));
            EXPECT_EQ(server.lastRequest().queryValue(QStringLiteral("softVersion")).value_or(QString()), QString::fromLatin1(kProductCode));
        }
        ota.clear();
    }
}
