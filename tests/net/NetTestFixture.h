#pragma once

#include "QRNLocalizedString.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "VQApiConfig.h"
#include "VQHttpRequestManager.h"
#include "VQHttpResult.h"
#include "VQMouseInfoItem.h"
#include "VQNetBaseScene.h"
#include "VQUserInfoData.h"

#include <gtest/gtest.h>

#include <QThread>

#include <memory>

namespace vqtest {

// A stand-in server in place of the maker's services, a connected device with a known record,
// and a network that is up.
class NetTest : public ::testing::Test {
protected:
    static constexpr int kVid = 4660;
    static constexpr int kPid = 22136;
    static constexpr char kSn[] = "SN-0042";

    // What a callback received, and how often.
    struct Outcome {
        int calls = 0;
        VQHttpResult result;
        bool onMainThread = true;
    };

    void SetUp() override
    {
        ASSERT_TRUE(server.listen());
        server.installAsMakerServices();
        manager().setNetworkDownCheckForTests([] { return false; });
        VQUserInfoData::resetForTests();
        VQMouseInfoItem& record = VQUserInfoData::sharedInstance().mouseInfoItem();
        record.setVid(kVid);
        record.setPid(kPid);
        record.setSn(QString::fromLatin1(kSn));
    }

    void TearDown() override
    {
        manager().resetForTests();
        VQApiConfig::resetForTests();
    }

    static VQHttpRequestManager& manager() { return VQHttpRequestManager::sharedInstance(); }

    static VQHttpRequestManager::Callback recorder(const std::shared_ptr<Outcome>& outcome)
    {
        return [outcome](const VQHttpResult& result) {
            ++outcome->calls;
            outcome->result = result;
            outcome->onMainThread = outcome->onMainThread && QThread::currentThread() == qApp->thread();
        };
    }

    // Sends the scene and waits for its one callback, which must come later, on the main thread.
    VQHttpResult send(const VQNetBaseScene& scene, int waitMs = 5000)
    {
        auto outcome = std::make_shared<Outcome>();
        manager().httpRequestWithScene(scene, recorder(outcome));
        EXPECT_EQ(outcome->calls, 0) << "the callback ran inside the call";
        EXPECT_TRUE(waitUntil([&] { return outcome->calls > 0; }, waitMs)) << "no callback";
        spin(30);
        EXPECT_EQ(outcome->calls, 1);
        EXPECT_TRUE(outcome->onMainThread);
        return outcome->result;
    }

    static QString networkErrorText()
    {
        return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQHttpRequestManager::kNetworkErrorText));
    }

    static QString systemErrorText()
    {
        return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQHttpRequestManager::kSystemErrorText));
    }

    static QString api(const char* path) { return QString::fromLatin1(StandInHttpServer::kApiPrefix) + QLatin1String(path); }
    static QString account(const char* path)
    {
        return QString::fromLatin1(StandInHttpServer::kAccountPrefix) + QLatin1String(path);
    }

    StandInHttpServer server;
};

} // namespace vqtest
