// The detection page with a simulated receiver and the stand-in server as the maker's API and the
// internet probe: each line's result, the status text, answers of an older check, the driver
// reset. Renders the page to renders/detection_*.png.

#include "OTATestFixture.h"
#include "QRNLocalizedString.h"
#include "SmartDetectionViewController.h"
#include "VQButton.h"
#include "VQGetAppKeyScene.h"
#include "VQHttpRequestManager.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"

#include <QDir>
#include <QJsonObject>

namespace {

QString tr_(const char* key) { return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key)); }

using Line = SmartDetectionViewController::LineState;

} // namespace

class SmartDetectionTest : public OTATest {
protected:
    void SetUp() override
    {
        OTATest::SetUp();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        plugAndSettle();
    }
    void TearDown() override
    {
        SmartDetectionViewController::setResetCheckDelayForTests(SmartDetectionViewController::kResetCheckDelaySeconds);
        OTATest::TearDown();
    }

    static QString appKeyPath() { return QStringLiteral("/api") + QString::fromLatin1(VQGetAppKeyScene::kPath); }
    static QString probePath() { return QString::fromLatin1(vqtest::StandInHttpServer::kProbePath); }

    void answerAll(const vqtest::StandInReply& probe, const vqtest::StandInReply& appKey)
    {
        server.setReply(probePath(), probe);
        server.setReply(appKeyPath(), appKey);
    }

    static vqtest::StandInReply good() { return vqtest::StandInReply::html(200, "<html>ok</html>"); }
    static vqtest::StandInReply goodKey() { return vqtest::StandInReply::api(QJsonObject { { QStringLiteral("appKey"), QStringLiteral("k") } }); }
    static vqtest::StandInReply broken() { return vqtest::StandInReply::html(500, "down"); }

    static bool linesAre(const SmartDetectionViewController& page, Line a, Line b, Line c)
    {
        return page.lineState(1) == a && page.lineState(2) == b && page.lineState(3) == c;
    }
};

TEST_F(SmartDetectionTest, ChecksAndStatus)
{
    SmartDetectionViewController page;
    page.view()->resize(800, 600);
    const QString well = tr_("当前设备和环境一切正常,请放心使用,如有问题请联系客服");
    const QString failed = tr_("当前设备和环境异常,如有问题请联系客服");
    // The first check runs when the page is built.
    ASSERT_TRUE(vqtest::waitUntil([&] { return linesAre(page, Line::Well, Line::Well, Line::Well); }));
    EXPECT_EQ(page.statusText(), well);
    EXPECT_EQ(page.lineImageName(2), QStringLiteral("5_line2_icon"));

    struct Row {
        const char* name;
        std::function<void()> act;
        Line line1, line2, line3;
        bool allWell;
    };
    const Row rows[] = {
        { "server answers 500", [&] { answerAll(broken(), vqtest::StandInReply::html(500, "down")); page.detectionBtn()->click(); },
          Line::Well, Line::Failed, Line::Failed, false },
        { "language switch keeps the failure", [&] {
              VQLanguageManager::sharedInstance().setUiLanguageIndex(2);
              NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
          }, Line::Well, Line::Failed, Line::Failed, false },
        { "one-click check with the server back", [&] {
              VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
              answerAll(good(), goodKey());
              page.detectionBtn()->click();
          }, Line::Well, Line::Well, Line::Well, true },
        { "server stopped", [&] { server.close(); page.detectionBtn()->click(); }, Line::Well, Line::Failed, Line::Failed, false },
        { "server listening again", [&] {
              ASSERT_TRUE(server.listen());
              server.installAsMakerServices();
              page.detectionBtn()->click();
          }, Line::Well, Line::Well, Line::Well, true },
        { "receiver unplugged", [&] { receiver.unplug(); }, Line::Failed, Line::Well, Line::Well, false },
        { "receiver plugged in again", [&] { receiver.plug(); }, Line::Well, Line::Well, Line::Well, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        row.act();
        EXPECT_TRUE(vqtest::waitUntil([&] { return linesAre(page, row.line1, row.line2, row.line3); }, 15000));
        EXPECT_EQ(page.isAllWell(), row.allWell);
        EXPECT_EQ(page.statusText(), row.allWell ? tr_("当前设备和环境一切正常,请放心使用,如有问题请联系客服")
                                                 : tr_("当前设备和环境异常,如有问题请联系客服"));
    }
}

TEST_F(SmartDetectionTest, AnAnswerOfAnEarlierCheckIsDropped)
{
    SmartDetectionViewController page;
    page.view();
    ASSERT_TRUE(vqtest::waitUntil([&] { return linesAre(page, Line::Well, Line::Well, Line::Well); }));
    vqtest::StandInReply late = broken();
    late.delayMs = 500;
    answerAll(late, late);
    const int before = server.requestCount();
    page.detectionBtn()->click();
    ASSERT_TRUE(vqtest::waitUntil([&] { return server.requestCount() >= before + 2; }));
    answerAll(good(), goodKey());
    page.detectionBtn()->click();
    ASSERT_TRUE(vqtest::waitUntil([&] { return server.requestCount() >= before + 4; }));
    // Once every answer, the late ones last, has reached its handler.
    ASSERT_TRUE(vqtest::waitUntil([] { return VQHttpRequestManager::sharedInstance().openReplyCount() == 0; }));
    EXPECT_TRUE(linesAre(page, Line::Well, Line::Well, Line::Well));
    EXPECT_TRUE(page.isAllWell());
}

TEST_F(SmartDetectionTest, DriverReset)
{
    struct Row {
        const char* name;
        bool ble;
        bool transfer;
        bool reopened;
    };
    // A Bluetooth LE mouse keeps the receiver closed; a running transfer would break.
    const Row rows[] = {
        { "receiver", false, false, true },
        { "Bluetooth LE mouse", true, false, false },
        { "firmware transfer", false, true, false },
    };
    // A short interval: a check collected behind the previous row's runs at once after it.
    SmartDetectionViewController::setResetCheckDelayForTests(0.05);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        VQOTATransfer::resetForTests();
        VQUserInfoData::sharedInstance().setBleConnect(row.ble);
        receiver.setAnswerMode(row.transfer ? SimulatedDevice::AnswerMode::Silent : SimulatedDevice::AnswerMode::Normal);
        if (row.transfer) {
            storeFile(firmwareText(image(60)));
            VQOTATransfer::sharedInstance().setReplyTimeoutMs(120000);
            ASSERT_TRUE(VQOTATransfer::sharedInstance().start(VQDeviceProtocol::Link::Usb, VQOTAProtocol::Target::Device));
        }
        SmartDetectionViewController page;
        page.view();
        settle();
        receiver.clearRecords();
        const int opens = receiver.openCount();
        const int probes = server.requestCount();
        page.repairBtn()->click();
        // The check runs in every case.
        EXPECT_TRUE(vqtest::waitUntil([&] { return server.requestCount() >= probes + 2; }));
        if (row.reopened) {
            ASSERT_TRUE(vqtest::waitUntil([&] { return receiver.openCount() == opens + 1 && HIDDevice::sharedManager().isOpen(); }));
            // The reopened receiver is read again from device information on.
            EXPECT_TRUE(vqtest::waitUntil([&] { return writtenHex().size() >= 8; }, 10000));
            EXPECT_TRUE(writtenHex().first().startsWith(QStringLiteral("0da54d0401")));
            EXPECT_TRUE(vqtest::waitUntil([&] { return page.lineState(1) == Line::Well; }));
        } else {
            // The reset decided inside the click; its check has ended once every reply has.
            ASSERT_TRUE(vqtest::waitUntil([] { return VQHttpRequestManager::sharedInstance().openReplyCount() == 0; }));
            EXPECT_EQ(receiver.openCount(), opens);
        }
        EXPECT_EQ(VQOTATransfer::sharedInstance().isRunning(), row.transfer);
    }
    VQUserInfoData::sharedInstance().setBleConnect(false);
}

TEST_F(SmartDetectionTest, RendersThePage)
{
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    QDir().mkpath(dir);
    struct Lang {
        int index;
        const char* code;
    };
    for (const Lang& lang : { Lang { 0, "zh" }, Lang { 2, "en" } }) {
        VQLanguageManager::sharedInstance().setUiLanguageIndex(lang.index);
        if (!receiver.isPlugged())
            plugAndSettle();
        answerAll(good(), goodKey());
        SmartDetectionViewController page;
        QWidget* widget = page.view();
        widget->resize(820, 560);
        widget->show();
        ASSERT_TRUE(vqtest::waitUntil([&] { return linesAre(page, Line::Well, Line::Well, Line::Well); }));
        EXPECT_TRUE(widget->grab().save(dir + QStringLiteral("/detection_%1_all_well.png").arg(QLatin1String(lang.code))));
        receiver.unplug();
        ASSERT_TRUE(vqtest::waitUntil([&] { return page.lineState(1) == Line::Failed; }));
        EXPECT_TRUE(widget->grab().save(dir + QStringLiteral("/detection_%1_line1_failed.png").arg(QLatin1String(lang.code))));
        plugAndSettle();
        answerAll(broken(), broken());
        page.detectionBtn()->click();
        ASSERT_TRUE(vqtest::waitUntil([&] { return linesAre(page, Line::Well, Line::Failed, Line::Failed); }));
        EXPECT_TRUE(widget->grab().save(dir + QStringLiteral("/detection_%1_network_failed.png").arg(QLatin1String(lang.code))));
    }
    VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
}
