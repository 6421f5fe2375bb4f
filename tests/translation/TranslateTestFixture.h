#pragma once

// A translation test: the real translation window installed in the popup tool, the maker's
// services answered by a stand-in whose "/translate" replies "[text]" (a text in failing fails,
// a text in slow answers after 300 ms), and fresh settings.
#include "FakeClipboard.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQHttpRequestManager.h"
#include "VQLanguageManager.h"
#include "VQPopupWindowTool.h"
#include "VQTranslateManager.h"
#include "VQTranslateSetup.h"
#include "VQTranslateWindow.h"
#include "VQUserInfoData.h"

#include <QJsonObject>

#include <gtest/gtest.h>

class TranslateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VQUserInfoData::resetForTests();
        VQLanguageManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQTranslateManager::resetForTests();
        // The indexes persist; every test starts from the defaults.
        VQLanguageManager::sharedInstance().setFromWordInputTag(0);
        VQLanguageManager::sharedInstance().setWordInputTag(0);
        VQLanguageManager::sharedInstance().setScreenshotsTag(1);
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        ASSERT_TRUE(maker.listen());
        maker.installAsMakerServices();
        maker.setResponder(QStringLiteral("/api/translate"), [this](const vqtest::StandInRequest& request) {
            const QString text = request.queryValue(QStringLiteral("text")).value_or(QString());
            vqtest::StandInReply reply = failing.contains(text)
                ? vqtest::StandInReply::api(QJsonValue(), 500, QStringLiteral("busy"))
                : vqtest::StandInReply::api(QJsonObject{{QStringLiteral("transText"), QStringLiteral("[%1]").arg(text)}});
            reply.delayMs = slow.contains(text) ? 300 : 0;
            return reply;
        });
        VQTranslateSetup::install();
    }

    void TearDown() override
    {
        VQTranslateManager::resetForTests();
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQTranslateWindowInterface* created = VQPopupWindowTool::sharedInstance().translateWindow();
        VQPopupWindowTool::resetForTests();
        delete dynamic_cast<VQTranslateWindow*>(created);
        // Changed settings are written now, not by a static destructor after the application.
        UserDefaults::standard().synchronize();
    }

    static VQTranslateWindow* window()
    {
        return dynamic_cast<VQTranslateWindow*>(VQPopupWindowTool::sharedInstance().translateWindow());
    }

    // One request of the stand-in's "/translate": "from>to:text".
    QStringList translateRequests() const
    {
        QStringList sent;
        for (const vqtest::StandInRequest& request : maker.requests()) {
            if (request.path == QLatin1String("/api/translate"))
                sent << QStringLiteral("%1>%2:%3")
                            .arg(request.queryValue(QStringLiteral("from")).value_or(QString()),
                                 request.queryValue(QStringLiteral("to")).value_or(QString()),
                                 request.queryValue(QStringLiteral("text")).value_or(QString()));
        }
        return sent;
    }

    // Translates the selection; true once the window shows the expected translation.
    static bool translateSelection(const QString& selection, const QString& expectedYi)
    {
        VQUserInfoData::sharedInstance().setPasteboardContent(selection);
        VQTranslateManager::sharedInstance().hyperTranslate();
        return vqtest::waitUntil([&] { return window() && window()->yiText() == expectedYi; });
    }

    FakeClipboard clipboard;
    vqtest::StandInHttpServer maker;
    QStringList failing;
    QStringList slow;
};
