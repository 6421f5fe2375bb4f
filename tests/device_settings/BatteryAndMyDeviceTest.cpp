// The low-battery threshold row and the reminder it drives (simulated receiver), the quit
// sequence with a half-edited threshold, and the my-device page with and without an account
// header. Renders: the smart page with the row, the left view with the low-battery image, the
// my-device page.

#include "DeviceTestFixture.h"
#include "MineContentView.h"
#include "MineViewController.h"
#include "QRNLocalizedString.h"
#include "SmartSettingViewController.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQLowPowerRemindSettingView.h"
#include "VQMainWindow.h"
#include "VQPopupWindowTool.h"
#include "VQTextField.h"
#include "VQTipWindow.h"
#include "AppDelegate.h"

#include <QDir>
#include <QPainter>
#include <QScrollArea>
#include <QTest>

#include <memory>

namespace {

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

void saveRender(QWidget* widget, const QString& name)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders")));
    EXPECT_TRUE(widget->grab().save(QStringLiteral(VQ_BUILD_DIR "/renders/%1.png").arg(name)));
}

void setLanguage(int index)
{
    VQLanguageManager::sharedInstance().setUiLanguageIndex(index);
    VQLanguageManager::sharedInstance().shouldRefreshData();
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));
}

// An account header standing in for the account subsystem's.
class TestHeader : public VQBaseView {
public:
    using VQBaseView::VQBaseView;
    int fetches = 0;
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 175, 204));
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("account header"));
    }
};

class BatteryAndMyDeviceTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        VQLanguageManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        AppDelegate::resetPageFactoriesForTests();
        SmartSettingViewController::resetSectionFactoriesForTests();
        MineViewController::setHeaderFactory({});
    }

    void TearDown() override
    {
        delegate.reset();
        MineViewController::setHeaderFactory({});
        SmartSettingViewController::resetSectionFactoriesForTests();
        AppDelegate::resetPageFactoriesForTests();
        VQPopupWindowTool::resetForTests();
        DeviceTest::TearDown();
        VQLanguageManager::resetForTests();
        VQLanguageManager::sharedInstance().shouldRefreshData();
    }

    AppDelegate& launch()
    {
        AppDelegate::registerPageFactory(AppDelegate::SmartSettingTag, [] { return new SmartSettingViewController; });
        SmartSettingViewController::registerSectionFactory(6, [] { return new VQLowPowerRemindSettingView; });
        AppDelegate::registerPageFactory(MineViewController::kTag, [] { return new MineViewController; },
                                         [](VQBaseViewController* page) { static_cast<MineViewController*>(page)->getUserInfo(); });
        delegate = std::make_unique<AppDelegate>();
        delegate->setTerminator([this] { ++terminations; });
        delegate->applicationDidFinishLaunching();
        return *delegate;
    }

    VQLowPowerRemindSettingView* row()
    {
        auto* page = static_cast<SmartSettingViewController*>(delegate->pageWithTag(AppDelegate::SmartSettingTag));
        return page ? static_cast<VQLowPowerRemindSettingView*>(page->section(6)) : nullptr;
    }

    // Types into the field as the user does: the whole text selected, then the keys.
    static void retype(VQTextField* field, const QString& keys)
    {
        field->setFocus();
        field->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, keys);
    }

    std::unique_ptr<AppDelegate> delegate;
    int terminations = 0;
};

// The threshold row: default, each keystroke stored, the reset below 2, refused input.
TEST_F(BatteryAndMyDeviceTest, ThresholdRowStoresEveryKeystrokeAndResetsLowValues)
{
    VQLowPowerRemindSettingView view;
    view.resize(600, VQLowPowerRemindSettingView::kHeight);
    view.show();
    VQTextField* field = view.timeField();
    EXPECT_EQ(view.viewHeight(), 69);
    EXPECT_EQ(field->text(), QStringLiteral("10"));
    VQUserInfoData& info = VQUserInfoData::sharedInstance();

    struct Step {
        const char* keys;    // typed over the whole text
        qint64 whileEditing; // stored before editing ends
        const char* shown;   // once editing ended
        qint64 stored;
    };
    const Step steps[] = {
        {"1", 1, "5", 5},
        {"", 0, "5", 5},
        {"0", 0, "5", 5},
        {"2", 2, "2", 2},
        {"35", 35, "35", 35},
        {"150", 150, "150", 150},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.keys);
        retype(field, QString::fromLatin1(step.keys));
        EXPECT_EQ(info.lowPowerNum(), step.whileEditing);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(field->text(), QString::fromLatin1(step.shown));
        EXPECT_EQ(info.lowPowerNum(), step.stored);
    }
    // Letters, blanks and a number beyond 64 bits are refused; the text stays.
    for (const char* refused : {"a", " ", "12345678901234567890"}) {
        SCOPED_TRACE(refused);
        retype(field, QString::fromLatin1(refused));
        EXPECT_NE(field->text(), QString::fromLatin1(refused));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(info.lowPowerNum(), field->text().toLongLong());
    }
}

// Battery reports from the simulated receiver against the threshold; the row changes it; a
// field emptied just before the quit sequence leaves 5 in the settings file.
TEST_F(BatteryAndMyDeviceTest, BatteryReportsRemindByTheThreshold)
{
    AppDelegate& app = launch();
    setLanguage(0);
    app.setLowElectricHoldMs(400);
    plugAndSettle();
    VQUserInfoData::sharedInstance().setIsConnect(true);
    app.selectPageWithTag(AppDelegate::SmartSettingTag);
    app.mainWindow()->show();
    ASSERT_NE(row(), nullptr);
    VQTipWindow* tip = VQPopupWindowTool::sharedInstance().tipWindow();
    QWidget* image = app.mainWindow()->lowElectricImageView();
    const QString tipText = localized(AppDelegate::kLowElectricTipText);
    auto report = [this](int percent) {
        const int before = recorder->count(vq::HadElectricInfoNotification);
        receiver.sendBattery(1, percent);
        ASSERT_TRUE(vqtest::waitUntil([this, before] { return recorder->count(vq::HadElectricInfoNotification) > before; }));
    };

    report(10);
    EXPECT_TRUE(image->isVisibleTo(app.mainWindow()));
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), tipText);
    saveRender(app.mainWindow(), QStringLiteral("main_window_low_battery"));
    tip->closeTip();
    report(9);
    EXPECT_FALSE(tip->isVisible()) << "no second tip within the hold";
    ASSERT_TRUE(vqtest::waitUntil([&app] { return !app.showLowElectric(); }, 5000));
    report(9);
    EXPECT_TRUE(tip->isVisible());
    tip->closeTip();

    retype(row()->timeField(), QStringLiteral("5"));
    ASSERT_TRUE(vqtest::waitUntil([&app] { return !app.showLowElectric(); }, 5000));
    report(8);
    EXPECT_FALSE(image->isVisibleTo(app.mainWindow()));
    EXPECT_FALSE(tip->isVisible());
    report(0);
    EXPECT_FALSE(image->isVisibleTo(app.mainWindow()));
    EXPECT_FALSE(tip->isVisible());
    // The smart page scrolled down to the row.
    auto* smart = static_cast<SmartSettingViewController*>(app.pageWithTag(AppDelegate::SmartSettingTag));
    for (int language : {0, 2}) {
        setLanguage(language);
        smart->scrollView()->ensureWidgetVisible(row());
        saveRender(smart->view(), QStringLiteral("smart_page_low_battery_row_%1").arg(language == 0 ? QStringLiteral("zh") : QStringLiteral("en")));
    }

    // Emptied, then the quit sequence hides the window before anything ended the editing.
    app.openApp();
    retype(row()->timeField(), QString());
    EXPECT_EQ(VQUserInfoData::sharedInstance().lowPowerNum(), 0);
    ASSERT_TRUE(row()->isVisible());
    app.quit();
    EXPECT_EQ(VQUserInfoData::sharedInstance().lowPowerNum(), 5);
    ASSERT_TRUE(vqtest::waitUntil([this] { return terminations > 0; }, 3000));
    ASSERT_TRUE(UserDefaults::standard().synchronize());
    // What the next start reads from the file.
    UserDefaults file(UserDefaults::standard().filePath());
    EXPECT_EQ(file.integerForKey(QString::fromLatin1(VQUserInfoData::lowPowerNumKey)), 5);
}

// The card: serial number, battery and firmware from the device; its two switches, each with
// its own setting; titles in another language; the header's place.
TEST_F(BatteryAndMyDeviceTest, MyDeviceCardFollowsTheDevice)
{
    receiver.device().values.serialNumber.clear();
    plugAndSettle();
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    info.setIsConnect(true);
    info.setPunctuationSwitch(true);
    auto card = std::make_unique<MineContentView>();
    EXPECT_TRUE(card->snLabel()->text().isEmpty());
    record().setSn(QStringLiteral("VQ00001234"));
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadUSBInfoNotification));
    EXPECT_EQ(card->snLabel()->text(), QStringLiteral("VQ00001234"));
    EXPECT_EQ(card->electricLabel()->text(), QStringLiteral("75%"));
    EXPECT_EQ(card->firmwareVersionLabel()->text(), localized("版本") + QStringLiteral("12"));
    receiver.sendBattery(2, 42);
    ASSERT_TRUE(vqtest::waitUntil([&card] { return card->electricLabel()->text() == QLatin1String("42%"); }));

    // Each switch flips its own image and key only; punctuation stays.
    UserDefaults& defaults = UserDefaults::standard();
    const QString autoKey = QString::fromLatin1(MineContentView::kAutoDelRecordSwitchKey);
    const QString ledKey = QString::fromLatin1(MineContentView::kLedOffWhileRecordingSwitchKey);
    struct Click {
        bool led;          // which switch
        bool autoOn, ledOn; // both afterwards
    };
    const Click clicks[] = {{false, true, false}, {true, true, true}, {false, false, true}, {true, false, false}, {true, false, true}};
    for (const Click& click : clicks) {
        (click.led ? card->ledBtn() : card->autoDelRecordBtn())->performClick();
        EXPECT_EQ(defaults.boolForKey(autoKey), click.autoOn);
        EXPECT_EQ(defaults.boolForKey(ledKey), click.ledOn);
        EXPECT_EQ(MineContentView::imageName(card->autoDelRecordBtn()), QLatin1String(click.autoOn ? MineContentView::kSwitchOnImage : MineContentView::kSwitchOffImage));
        EXPECT_EQ(MineContentView::imageName(card->ledBtn()), QLatin1String(click.ledOn ? MineContentView::kSwitchOnImage : MineContentView::kSwitchOffImage));
        EXPECT_TRUE(info.punctuationSwitch());
    }
    // A card built again (as after a restart) starts from the keys.
    card = std::make_unique<MineContentView>();
    EXPECT_EQ(card->autoDelRecordBtn()->state(), 0);
    EXPECT_EQ(card->ledBtn()->state(), 1);
    EXPECT_EQ(MineContentView::imageName(card->ledBtn()), QLatin1String(MineContentView::kSwitchOnImage));

    // Another language: the six titles and "版本", not the name.
    const QString zhTitle = card->tipLabel(1)->text();
    setLanguage(2);
    for (int i = 1; i <= 6; ++i)
        EXPECT_NE(card->tipLabel(i)->text(), zhTitle);
    EXPECT_EQ(card->tipLabel(5)->text(), localized("固件版本:"));
    EXPECT_TRUE(card->firmwareVersionLabel()->text().startsWith(localized("版本")));
    EXPECT_NE(localized("版本"), QStringLiteral("版本"));
    EXPECT_EQ(card->deviceNameLabel()->text(), QLatin1String(MineContentView::kDeviceName));
    // No label runs into the switches or the values.
    for (int i = 1; i <= 6; ++i)
        for (QWidget* control : {static_cast<QWidget*>(card->autoDelRecordBtn()), static_cast<QWidget*>(card->ledBtn()),
                                 static_cast<QWidget*>(card->electricLabel()), static_cast<QWidget*>(card->firmwareVersionLabel()),
                                 static_cast<QWidget*>(card->snLabel())})
            EXPECT_FALSE(card->tipLabel(i)->geometry().intersects(control->geometry())) << i;
}

// The page: the card 50 below the top without a header, 160 with one; selecting tag 4 asks
// the header for the user's information once.
TEST_F(BatteryAndMyDeviceTest, MyDevicePagePlacesTheHeader)
{
    plugAndSettle();
    VQUserInfoData::sharedInstance().setIsConnect(true);
    {
        MineViewController page;
        page.view()->resize(800, 600);
        EXPECT_EQ(page.headerView(), nullptr);
        EXPECT_EQ(page.contentView()->y(), 50);
        page.getUserInfo(); // nothing to ask
        saveRender(page.view(), QStringLiteral("my_device_no_header_zh"));
        setLanguage(2);
        saveRender(page.view(), QStringLiteral("my_device_no_header_en"));
        setLanguage(0);
    }
    QPointer<TestHeader> made;
    MineViewController::setHeaderFactory([&made](QWidget* parent) {
        auto* header = new TestHeader(parent);
        made = header;
        return VQAccountHeader{header, [header] { ++header->fetches; }};
    });
    AppDelegate& app = launch();
    setLanguage(0);
    app.selectPageWithTag(MineViewController::kTag);
    auto* page = static_cast<MineViewController*>(app.pageWithTag(MineViewController::kTag));
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->fetches, 1);
    page->view()->resize(800, 600);
    EXPECT_EQ(page->headerView()->geometry(), QRect(0, 50, 800, 110));
    EXPECT_EQ(page->contentView()->y(), 160);
    EXPECT_EQ(page->contentView()->height(), 600 - 160);
    saveRender(page->view(), QStringLiteral("my_device_header_zh"));
    setLanguage(2);
    saveRender(page->view(), QStringLiteral("my_device_header_en"));
    EXPECT_FALSE(app.leftItemTags().contains(MineViewController::kTag));
}

} // namespace
