// Firmware offers from the stand-in server: the check request, the download into the Documents
// folder, what is stored and what is refused (told once per connection), and the whole way from
// the offer to the installed firmware.
#include "OTATestFixture.h"

#include "MMLog.h"

#include <QDir>
#include <QJsonObject>
#include <QJsonValue>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

class VQOTAUpdateManagerTest : public OTATest {
protected:
    VQOTAUpdateManager& manager() { return VQOTAUpdateManager::sharedInstance(); }

    // The stand-in offers the file (served at /files/<served name>) under the given file name.
    // A query (a signature) may follow the served address.
    void offer(const QString& fileName, const vqtest::StandInReply& file, const QString& servedName = QStringLiteral("fw.txt"),
               const QString& version = QStringLiteral("V1.3"), const QString& query = QString())
    {
        server.setReply(QStringLiteral("/files/") + servedName, file);
        server.setReply(QStringLiteral("/api/otaUpdate"),
                        vqtest::StandInReply::api(QJsonObject{{QStringLiteral("version"), version},
                                                              {QStringLiteral("fileName"), fileName},
                                                              {QStringLiteral("url"), QString(server.url(QStringLiteral("/files/") + servedName) + query)}}));
    }

    bool waitForStatus()
    {
        return vqtest::waitUntil([this] { return ota.contains(name(vq::kUpdateOTAStatusNotification)); });
    }

    static QStringList documents()
    {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .entryList({QStringLiteral("41_*")}, QDir::Files);
    }
};

} // namespace

TEST_F(VQOTAUpdateManagerTest, AnOfferIsDownloadedTransferredAndItsFileDeleted)
{
    const QByteArray bytes = image(70);
    plugAndSettle();
    record().setFirmwareVersion(QStringLiteral("v1.2"));
    offer(QStringLiteral("mouse-fw_1.3.txt"), vqtest::StandInReply::text(firmwareText(bytes)));

    manager().checkOTAInfo();
    ASSERT_TRUE(waitForStatus());
    const vqtest::StandInRequest check = server.requests().first();
    EXPECT_EQ(check.path, QStringLiteral("/api/otaUpdate"));
    EXPECT_EQ(check.queryValue(QStringLiteral("type")), QStringLiteral("MOUSE"));
    EXPECT_EQ(check.queryValue(QStringLiteral("version")), QStringLiteral("1.2"));
    EXPECT_EQ(check.queryValue(QStringLiteral("productCode")), QStringLiteral("41"));

    const QString path = VQToolManager::getFilePath(QStringLiteral("/41_mouse-fw_1.3.txt"));
    EXPECT_EQ(UserDefaults::standard().stringForKey(QStringLiteral("kOTAFilePathKey_41")), path);
    EXPECT_TRUE(manager().needUpdate());
    EXPECT_FALSE(manager().needUpdateDongle());
    EXPECT_EQ(documents(), QStringList{QStringLiteral("41_mouse-fw_1.3.txt")});

    ota.clear();
    receiver.clearRecords();
    VQMouseCommandManager::sharedInstance().sendStartOTAData();
    ASSERT_TRUE(waitForOutcome());
    EXPECT_EQ(outcomes(), QStringList{name(vq::kUpdateOTASuccessNotification)});
    EXPECT_EQ(progress, (QList<int>{0, 33, 66}));
    EXPECT_EQ(receiver.device().firmware.installedImage[0], bytes);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(manager().needUpdate());
    EXPECT_EQ(UserDefaults::standard().stringForKey(QStringLiteral("kOTAFilePathKey_41")), QString());
}

TEST_F(VQOTAUpdateManagerTest, TruncatedOrMalformedDownloadsAreNeverOffered)
{
    record().setReceiverVersion(QStringLiteral("V7"));
    // A good receiver file first.
    offer(QStringLiteral("usb.txt"), vqtest::StandInReply::text(firmwareText(image(12))));
    manager().checkDongleOTAInfo();
    ASSERT_TRUE(waitForStatus());
    EXPECT_EQ(server.requests().first().queryValue(QStringLiteral("type")), QStringLiteral("USB"));
    EXPECT_EQ(server.requests().first().queryValue(QStringLiteral("version")), QStringLiteral("7"));
    const QString good = manager().dongleOTAFilePath();
    ASSERT_TRUE(manager().needUpdateDongle());

    // Cut in half at a line boundary (still readable as a firmware file), a web page, a server
    // error, a file over the size limit: each posts the status and leaves the earlier file in place.
    vqtest::StandInReply cut = vqtest::StandInReply::text(firmwareText(image(20)));
    cut.closeMidBody = true;
    const vqtest::StandInReply replies[] = {
        cut,
        vqtest::StandInReply::html(200, "<html><body>maintenance</body></html>"),
        vqtest::StandInReply::html(404, "<html>not found</html>"),
        vqtest::StandInReply::text(""),
        vqtest::StandInReply::text(QByteArray(VQOTAUpdateManager::kMaxDownloadBytes + 1, '0')),
    };
    // The new file's address is signed: its signature stays out of the log whatever failed.
    QTemporaryDir logs;
    ASSERT_TRUE(mm::setupLogging(logs.path()));
    int told = 0;
    manager().setDownloadFailedHook([&told] { ++told; });
    for (const vqtest::StandInReply& reply : replies) {
        offer(QStringLiteral("usb-new.txt"), reply, QStringLiteral("new.txt"), QStringLiteral("V1.4"), QStringLiteral("?sign=SIG-1d9f&e=9"));
        ota.clear();
        manager().checkDongleOTAInfo();
        ASSERT_TRUE(waitForStatus());
        vqtest::spin(50);
        EXPECT_EQ(ota.count(name(vq::kUpdateOTAStatusNotification)), 1);
        EXPECT_EQ(manager().dongleOTAFilePath(), good);
        EXPECT_TRUE(manager().needUpdateDongle());
        EXPECT_EQ(documents(), QStringList{QStringLiteral("41_usb.txt")}); // no partial file left
    }
    mm::flushLogs();
    QString logged;
    for (const QString& name : QDir(logs.path()).entryList(QDir::Files)) {
        QFile file(QDir(logs.path()).filePath(name));
        logged += file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    mm::setupLogging(mm::defaultLogDirectory());
    EXPECT_TRUE(logged.contains(QStringLiteral("/files/new.txt"))) << "the failures were not logged";
    EXPECT_FALSE(logged.contains(QStringLiteral("SIG-1d9f"))) << logged.toStdString();
    // The user hears of them once for the device; a device that connects may hear it again.
    EXPECT_EQ(told, 1);
    NotificationCenter::defaultCenter().post(name(vq::kUSBInsertNotification));
    manager().checkDongleOTAInfo();
    EXPECT_TRUE(vqtest::waitUntil([&told] { return told == 2; }));
    manager().setDownloadFailedHook({});
    manager().deleteDongleOTAFile();
    EXPECT_FALSE(manager().needUpdateDongle());
    EXPECT_TRUE(documents().isEmpty());
}

TEST_F(VQOTAUpdateManagerTest, TheServersFileNameStaysInsideTheDocumentsFolder)
{
    offer(QStringLiteral("../../.config/autostart/evil.desktop"), vqtest::StandInReply::text("01\n"));
    manager().checkOTAInfo();
    ASSERT_TRUE(waitForStatus());
    EXPECT_EQ(manager().otaFilePath(), VQToolManager::getFilePath(QStringLiteral("/41_evil.desktop")));
    EXPECT_EQ(documents(), QStringList{QStringLiteral("41_evil.desktop")});

    EXPECT_EQ(VQOTAUpdateManager::safeFileName(QStringLiteral("..")), QString());
    EXPECT_EQ(VQOTAUpdateManager::safeFileName(QStringLiteral("a\\b\\..\\fw 1;rm.txt")), QStringLiteral("fw_1_rm.txt"));
    EXPECT_EQ(VQOTAUpdateManager::safeFileName(QStringLiteral("/etc/")), QString());
    EXPECT_EQ(VQOTAUpdateManager::safeFileName(QStringLiteral("..hidden")), QStringLiteral("hidden"));

    // No offer ({} or null) and no product: nothing downloaded, nothing posted.
    for (const QJsonValue& none : {QJsonValue(QJsonObject()), QJsonValue(QJsonValue::Null)}) {
        server.setReply(QStringLiteral("/api/otaUpdate"), vqtest::StandInReply::api(none));
        server.clearRequests();
        ota.clear();
        manager().checkOTAInfo();
        ASSERT_TRUE(vqtest::waitUntil([this] { return server.requestCount() == 1; }));
        vqtest::spin(100);
        EXPECT_TRUE(ota.isEmpty());
        EXPECT_EQ(server.requestCount(), 1);
    }
    VQUserInfoData::sharedInstance().setProductCode(QString());
    record().setMouseType(0);
    server.clearRequests();
    manager().checkOTAInfo();
    vqtest::spin(100);
    EXPECT_EQ(server.requestCount(), 0);
}
