#pragma once

// The personality page's views against a stand-in API server that keeps the device's custom
// list as the real service would, a temporary database and a recorded error presenter.
#include "KVDSqliteOperation.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "VQApiConfig.h"
#include "VQCommandViewModel.h"
#include "VQHotWordViewModel.h"
#include "VQHttpRequestManager.h"
#include "VQLanguageManager.h"
#include "VQMouseInfoItem.h"
#include "VQNotificationNames.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace pagestest {

inline VQVoiceCommandItem item(const QString& type, const QString& cmd, const QString& name = QString())
{
    VQVoiceCommandItem i;
    i.cmdType = type;
    i.customCmd = cmd;
    i.customName = name;
    return i;
}

inline QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

class PagesFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        KVDSqliteOperation::resetForTests(dir.filePath(QStringLiteral("store.sqlite")));
        ASSERT_TRUE(server.listen());
        server.installAsMakerServices();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        VQUserInfoData::resetForTests();
        VQUserInfoData::sharedInstance().mouseInfoItem().setSn(QStringLiteral("SN-A"));
        VQCommandViewModel::resetForTests();
        VQCommandViewModel::sharedInstance().createCommandTables();
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        VQToolManager::setErrorPresenter([this](const QString& message, const QString& detail) {
            errors.append({message, detail});
        });
        // The device's custom list, kept as the service keeps it.
        server.setResponder(QStringLiteral("/api/deviceCmd"), [this](const vqtest::StandInRequest& r) {
            vqtest::StandInReply reply = vqtest::StandInReply::api(listOf(r.queryValue(QStringLiteral("sn")).value_or(QString())));
            reply.delayMs = slowListAnswers > 0 ? (--slowListAnswers, 300) : 0;
            return reply;
        });
        server.setResponder(QStringLiteral("/api/saveDeviceCmd"), [this](const vqtest::StandInRequest& r) {
            if (refuseCreates > 0) {
                --refuseCreates;
                return vqtest::StandInReply::api(QJsonValue(), 500, QStringLiteral("不能创建"));
            }
            VQVoiceCommandItem created;
            created.cmdType = r.queryValue(QStringLiteral("cmdType")).value_or(QString());
            created.customCmd = r.queryValue(QStringLiteral("customCmd")).value_or(QString());
            created.customName = r.queryValue(QStringLiteral("customName")).value_or(QString());
            const QString sn = r.queryValue(QStringLiteral("sn")).value_or(QString());
            held[sn].append(created);
            return vqtest::StandInReply::api(listOf(sn));
        });
        server.setResponder(QStringLiteral("/api/deleteDeviceCmd"), [this](const vqtest::StandInRequest& r) {
            if (refuseDelete)
                return vqtest::StandInReply::api(QJsonValue(), 500, QStringLiteral("不能删除"));
            const QString word = r.queryValue(QStringLiteral("customCmd")).value_or(QString());
            QList<VQVoiceCommandItem>& list = held[r.queryValue(QStringLiteral("sn")).value_or(QString())];
            list.removeIf([&word](const VQVoiceCommandItem& i) { return i.customCmd == word; });
            vqtest::StandInReply reply = vqtest::StandInReply::api(QJsonValue(true));
            reply.delayMs = deleteDelayMs;
            return reply;
        });
    }
    void TearDown() override
    {
        VQToolManager::setErrorPresenter({});
        VQLanguageManager::sharedInstance().setUiLanguageIndex(0);
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQApiConfig::resetForTests();
        VQCommandViewModel::resetForTests();
        KVDSqliteOperation::resetForTests();
    }

    QJsonArray listOf(const QString& sn) const
    {
        QJsonArray array;
        for (const VQVoiceCommandItem& i : held.value(sn))
            array.append(i.toJson());
        return array;
    }
    // The words the stand-in holds for the device, as "type:word>target".
    QStringList heldWords(const QString& sn = QStringLiteral("SN-A")) const
    {
        QStringList out;
        for (const VQVoiceCommandItem& i : held.value(sn))
            out << i.cmdType + QLatin1Char(':') + i.customCmd + QLatin1Char('>') + i.customName;
        return out;
    }
    // The words of the custom table as the file holds it, read past the store's lists.
    static QStringList tableWords()
    {
        QStringList out;
        for (const auto& row : KVDSqliteOperation::shareOperation().selectAllDataBaseWithtableName<VQVoiceCommandItem>(
                 QString::fromLatin1(VQCommandViewModel::kCustomizeTableName)))
            out << row->customCmd;
        return out;
    }
    int requestsTo(const QString& path) const
    {
        int count = 0;
        for (const vqtest::StandInRequest& r : server.requests())
            count += r.path == path && r.accepted();
        return count;
    }
    bool waitForRequests(const QString& path, int count)
    {
        return vqtest::waitUntil([&] { return requestsTo(path) >= count; }, 10000);
    }
    static void switchUiLanguage(int index)
    {
        VQLanguageManager::sharedInstance().setUiLanguageIndex(index);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
    }
    static void render(QWidget* widget, const QString& name)
    {
        const QString path = QStringLiteral(VQ_BUILD_DIR "/renders");
        ASSERT_TRUE(QDir().mkpath(path));
        EXPECT_TRUE(widget->grab().toImage().save(path + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    QTemporaryDir dir;
    vqtest::StandInHttpServer server;
    QHash<QString, QList<VQVoiceCommandItem>> held;
    int refuseCreates = 0; // the next creates refused
    bool refuseDelete = false;
    int deleteDelayMs = 0; // the answer to a delete comes this late
    int slowListAnswers = 0; // the next list answers come 300 ms late, with the list as it was asked for
    QList<std::pair<QString, QString>> errors;
};

} // namespace pagestest
