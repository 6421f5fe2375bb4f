#pragma once

#include "AppDelegate.h"
#include "NotificationCenter.h"
#include "UserDefaults.h"
#include "VQBaseViewController.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQUserInfoData.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

// A page standing in for the pages of later subsystems: one label naming its tag.
class StubPage : public VQBaseViewController {
public:
    explicit StubPage(int tag)
        : m_tag(tag)
    {
    }
    int tag() const { return m_tag; }

protected:
    void viewDidLoad() override
    {
        VQBaseViewController::viewDidLoad();
        auto* label = new QLabel(QStringLiteral("page %1").arg(m_tag), view());
        label->move(40, 40);
    }

private:
    int m_tag;
};

// A clean process state for each test of the shell, and a delegate made on demand.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { resetState(); }

    void TearDown() override
    {
        delegate.reset();
        resetState();
    }

    static void resetState()
    {
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
        VQLanguageManager::resetForTests();
        NotificationCenter::defaultCenter().resetForTests();
        VQPopupWindowTool::resetForTests();
        AppDelegate::resetPageFactoriesForTests();
    }

    // Registers a stub page for every tag but the software page (2), which is the shell's own.
    static void registerStubPages()
    {
        for (int tag = 0; tag < AppDelegate::kPageCount; ++tag) {
            if (tag != AppDelegate::SoftwareManagerTag)
                AppDelegate::registerPageFactory(tag, [tag] { return new StubPage(tag); });
        }
    }

    // Keeps the UI language as it is set (no first-launch choice).
    static void setUiLanguage(int index)
    {
        VQLanguageManager::sharedInstance().setUiLanguageIndex(index);
        UserDefaults::standard().setValue(QString::fromLatin1(VQLanguageManager::uiLanguageIndexKey), qint64(index));
        VQLanguageManager::sharedInstance().shouldRefreshData();
    }

    AppDelegate& launch()
    {
        delegate = std::make_unique<AppDelegate>();
        // Quitting must not end the test program's event loops.
        delegate->setTerminator([this] { ++terminations; });
        delegate->applicationDidFinishLaunching();
        return *delegate;
    }

    static void setDevice(quint64 mouseType, qint64 deviceType, bool isLaser)
    {
        VQUserInfoData& info = VQUserInfoData::sharedInstance();
        info.mouseInfoItem().setMouseType(mouseType);
        info.mouseInfoItem().setDeviceType(deviceType);
        info.setIsLaser(isLaser);
    }

    static void connectDevice(bool connected)
    {
        VQUserInfoData::sharedInstance().setIsConnect(connected);
        NotificationCenter::defaultCenter().post(
            QString::fromLatin1(connected ? vq::kUSBInsertNotification : vq::kUSBRemoveNotification));
    }

    std::unique_ptr<AppDelegate> delegate;
    int terminations = 0;
};
