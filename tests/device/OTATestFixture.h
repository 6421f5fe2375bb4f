#pragma once

#include "DeviceTestFixture.h"
#include "StandInHttpServer.h"
#include "VQApiConfig.h"
#include "VQHttpRequestManager.h"
#include "VQOTATransfer.h"
#include "VQOTAUpdateManager.h"
#include "VQToolManager.h"

#include <QDir>
#include <QFile>

// The device link with the stand-in server as the maker's API and the firmware notifications
// recorded in order (name, and the number of a progress notification).
class OTATest : public DeviceTest {
protected:
    static constexpr char kProductCode[] = "41";

    void SetUp() override
    {
        DeviceTest::SetUp();
        VQOTATransfer::resetForTests();
        VQOTAUpdateManager::resetForTests();
        ASSERT_TRUE(server.listen());
        server.installAsMakerServices();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        VQUserInfoData::sharedInstance().setProductCode(QString::fromLatin1(kProductCode));
        // Firmware files of earlier tests of this process.
        QDir documents(VQToolManager::getFilePath(QString()));
        for (const QString& file : documents.entryList({QStringLiteral("41_*")}, QDir::Files))
            documents.remove(file);
        for (const char* name : {vq::kUpdateOTAProgressNotification, vq::kUpdateOTASuccessNotification,
                                 vq::kUpdateOTAFailNotification, vq::kUpdateOTACancelNotification,
                                 vq::kUpdateOTAStatusNotification}) {
            NotificationCenter::defaultCenter().addObserver(&m_owner, QString::fromLatin1(name),
                                                            [this](const VQNotification& n) {
                                                                ota.append(n.name);
                                                                if (n.object.isValid())
                                                                    progress.append(n.object.toInt());
                                                            });
        }
    }

    void TearDown() override
    {
        VQOTATransfer::resetForTests();
        VQOTAUpdateManager::resetForTests();
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQApiConfig::resetForTests();
        DeviceTest::TearDown();
    }

    // The firmware file text of the image, one byte per line.
    static QByteArray firmwareText(const QByteArray& image)
    {
        QByteArray text;
        for (char c : image)
            text += QByteArray::number(quint8(c), 16).rightJustified(2, '0') + "\n";
        return text;
    }

    static QByteArray image(int size)
    {
        QByteArray out(size, '\0');
        for (int i = 0; i < size; ++i)
            out[i] = char((i * 37 + 11) & 0xFF);
        return out;
    }

    // Stores a firmware file with the given text as the device's (or the receiver's) file.
    static QString storeFile(const QByteArray& text, bool receiver = false)
    {
        const QString path = VQToolManager::getFilePath(receiver ? QStringLiteral("/41_stored-receiver-fw.txt")
                                                                 : QStringLiteral("/41_stored-fw.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        UserDefaults::standard().setValue(
            QString::fromLatin1(receiver ? VQOTAUpdateManager::kOTAFilePathDongleKey : VQOTAUpdateManager::kOTAFilePathKey)
                + QString::fromLatin1(kProductCode),
            path);
        return path;
    }

    // Names of the firmware notifications without the progress ones.
    QStringList outcomes() const
    {
        QStringList out = ota;
        out.removeAll(QString::fromLatin1(vq::kUpdateOTAProgressNotification));
        return out;
    }

    bool waitForOutcome(int timeoutMs = 10000)
    {
        return vqtest::waitUntil([this] { return !outcomes().isEmpty(); }, timeoutMs);
    }

    // The transfer frames (commands 40-43) the receiver got, as hex without padding.
    QStringList transferFrames() const
    {
        QStringList out;
        for (const QString& frame : writtenHex()) {
            const int command = frame.mid(8, 2).toInt(nullptr, 16);
            if (command >= 0x40 && command <= 0x43)
                out.append(frame);
        }
        return out;
    }

    static QString name(const char* notification) { return QString::fromLatin1(notification); }

    vqtest::StandInHttpServer server;
    QStringList ota;
    QList<int> progress;

private:
    QObject m_owner;
};
