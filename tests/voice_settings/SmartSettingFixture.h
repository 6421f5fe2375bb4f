#pragma once

// A clean settings store, language tables, notification centre and device link for each test,
// the UI in Chinese, and no section factory registered.
#include "HIDDevice.h"
#include "NotificationCenter.h"
#include "SmartSettingViewController.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQHidCommandManager.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQUserInfoData.h"

#include <QVariantList>
#include <QVariantMap>

#include <gtest/gtest.h>

class SmartSettingTest : public ::testing::Test {
protected:
    void SetUp() override { resetAll(); }
    void TearDown() override { resetAll(); }

    static void resetAll()
    {
        HIDDevice::resetForTests();
        VQHidCommandManager::resetForTests();
        NotificationCenter::defaultCenter().resetForTests();
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
        VQLanguageManager::resetForTests();
        SmartSettingViewController::resetSectionFactoriesForTests();
        setUiLanguage(0);
    }

    // Switches the UI language as the software page does.
    static void setUiLanguage(int index)
    {
        VQLanguageManager::sharedInstance().setUiLanguageIndex(index);
        VQLanguageManager::sharedInstance().shouldRefreshData();
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
    }

    // A language list as the device model information carries it: every UI language's name key
    // holds "<code> <UI language index>".
    static QVariantList languageList(const QStringList& codes)
    {
        QVariantList list;
        for (const QString& code : codes) {
            QVariantMap entry { { QString::fromLatin1(VQLanguageManager::codeKey), code } };
            for (int ui = 0; ui < VQLanguageManager::uiLanguageCount; ++ui)
                entry.insert(VQLanguageManager::nameKeyForUiLanguageIndex(ui), QStringLiteral("%1 %2").arg(code).arg(ui));
            list.append(entry);
        }
        return list;
    }

    // The model information arrived: both lists are applied and announced.
    static void serveLists(const QStringList& audioCodes, const QStringList& toCodes)
    {
        VQLanguageManager::sharedInstance().setAudioLanguageArr(languageList(audioCodes));
        VQLanguageManager::sharedInstance().setToLanguageArr(languageList(toCodes));
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateInputAudioListNotification));
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTranslateListNotification));
    }
};
