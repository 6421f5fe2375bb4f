// The smart settings page: the stack of its sections, the shortcut rows that follow the
// simulated receivers, the room of every label in the 17 UI languages, and renders of the page
// (renders/smart_setting_*.png) in Chinese, English and Arabic, with and without the rows.
#include "FakeGlobalShortcuts.h"
#include "HyperTranslateView.h"
#include "InputSettingView.h"
#include "QRNLocalizedString.h"
#include "SearchEngineView.h"
#include "SimulatedReceiver.h"
#include "SmartSettingFixture.h"
#include "SnipTranslateView.h"
#include "TextRoom.h"
#include "TranslateSettingView.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQMouseCommandManager.h"
#include "VQPopUpButton.h"
#include "VQShortcutBinder.h"
#include "VQVoiceShortcuts.h"

#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include <memory>

namespace {

// A section of a fixed height in a slot that the page leaves to others.
class FixedSection : public VQBaseView {
public:
    explicit FixedSection(double height) { setViewHeight(height); }
};

class SmartSettingPageTest : public SmartSettingTest {
protected:
    void TearDown() override
    {
        page.reset();
        receivers.clear();
        SmartSettingTest::TearDown();
    }

    // The page, loaded, with its visible area w x h (the page is 50 taller).
    SmartSettingViewController& makePage(int width = 900, int height = 600)
    {
        page = std::make_unique<SmartSettingViewController>();
        QWidget* view = page->view();
        view->resize(width, height + SmartSettingViewController::scrollTop);
        view->show();
        vqtest::waitUntil([&] { return page->scrollView()->viewport()->height() == height; });
        return *page;
    }

    static void registerTestSections(bool withSlot4 = true)
    {
        SmartSettingViewController::registerSectionFactory(3, [] { return new FixedSection(99); });
        if (withSlot4)
            SmartSettingViewController::registerSectionFactory(4, [] { return new FixedSection(188); });
        SmartSettingViewController::registerSectionFactory(6, [] { return new FixedSection(69); });
    }

    static void registerRealSections()
    {
        SmartSettingViewController::registerSectionFactory(3, [] { return new HyperTranslateView; });
        SmartSettingViewController::registerSectionFactory(4, [] { return new SnipTranslateView; });
        SmartSettingViewController::registerSectionFactory(6, [] { return new FixedSection(69); });
    }

    static void setConnected(bool connected)
    {
        VQUserInfoData::sharedInstance().setIsConnect(connected);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::HadUSBInfoNotification));
    }

    int contentHeight() const { return page->contentView()->height(); }
    int scrollValue() const { return page->scrollView()->verticalScrollBar()->value(); }
    void scrollToBottom() const
    {
        QScrollBar* bar = page->scrollView()->verticalScrollBar();
        bar->setValue(bar->maximum());
    }

    std::unique_ptr<SmartSettingViewController> page;
    std::vector<std::unique_ptr<SimulatedReceiver>> receivers;
};

TEST_F(SmartSettingPageTest, StackFollowsTheSectionHeights)
{
    registerTestSections();
    SmartSettingViewController& p = makePage(900, 600);
    EXPECT_EQ(p.lastScrollViewHeight(), 1083);
    EXPECT_EQ(contentHeight(), 1083);
    EXPECT_EQ(p.contentView()->width(), p.scrollView()->viewport()->width());
    int expectedTop = 0;
    for (int slot = 1; slot <= SmartSettingViewController::sectionCount; ++slot) {
        SCOPED_TRACE(slot);
        const VQBaseView* section = p.section(slot);
        ASSERT_NE(section, nullptr);
        EXPECT_EQ(section->geometry().top(), expectedTop);
        EXPECT_EQ(section->geometry().left(), SmartSettingViewController::sectionLeft);
        EXPECT_EQ(section->geometry().height(), section->viewHeight());
        expectedTop += int(section->viewHeight()) + SmartSettingViewController::sectionGap;
    }

    // The input section grows and shrinks; the sections below follow, the page ends at the top.
    const int translateTop = p.section(2)->geometry().top();
    for (bool connected : { true, false }) {
        SCOPED_TRACE(connected);
        scrollToBottom();
        setConnected(connected);
        const int grown = connected ? 207 : 0;
        EXPECT_EQ(p.inputView()->viewHeight(), connected ? 483 : 276);
        EXPECT_EQ(p.lastInputViewHeight(), p.inputView()->viewHeight());
        EXPECT_EQ(contentHeight(), 1083 + grown);
        EXPECT_EQ(p.section(2)->geometry().top(), translateTop + grown);
        EXPECT_EQ(p.section(6)->geometry().bottom() + 1, 1083 + grown);
        EXPECT_EQ(scrollValue(), 0);
    }

    // A visible area taller than the stack: the content fills it and nothing scrolls.
    page->view()->resize(900, 1400 + SmartSettingViewController::scrollTop);
    ASSERT_TRUE(vqtest::waitUntil([&] { return p.scrollView()->viewport()->height() == 1400; }));
    EXPECT_EQ(contentHeight(), 1400);
    EXPECT_EQ(p.scrollView()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(p.section(1)->geometry().top(), 0);
}

TEST_F(SmartSettingPageTest, FirstInputHeightAndEmptySlots)
{
    // Rows wanted before the page is built: the first height is taken without a refresh.
    VQUserInfoData::sharedInstance().setIsConnect(true);
    registerTestSections(false);
    SmartSettingViewController& p = makePage(900, 600);
    EXPECT_EQ(p.lastInputViewHeight(), 483);
    EXPECT_EQ(p.section(4), nullptr);
    // Slot 4 leaves neither its height nor its gap.
    EXPECT_EQ(p.lastScrollViewHeight(), 1290 - 188 - SmartSettingViewController::sectionGap);
    EXPECT_EQ(p.section(5)->geometry().top(), p.section(3)->geometry().bottom() + 1 + SmartSettingViewController::sectionGap);
    // Slots of the page itself take no factory.
    EXPECT_FALSE(SmartSettingViewController::registerSectionFactory(1, [] { return new FixedSection(10); }));
}

TEST_F(SmartSettingPageTest, ShortcutRowsFollowTheConnection)
{
    VQMouseCommandManager::sharedInstance();
    registerTestSections();
    SmartSettingViewController& p = makePage(900, 600);
    InputSettingView* input = p.inputView();
    const int translateTop = p.section(2)->geometry().top();

    struct Case {
        const char* name;
        SimulatedReceiver::Model model;
        int deviceType;
    };
    const Case cases[] = { { "keyboard receiver 5050:4779", SimulatedReceiver::keyboardReceiver(), 1 },
                           { "mouse receiver of device type 1", SimulatedReceiver::mouseReceiver(), 1 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The device link watches the transport that is installed when it starts.
        HIDDevice::resetForTests();
        receivers.push_back(std::make_unique<SimulatedReceiver>(c.model));
        SimulatedReceiver& receiver = *receivers.back();
        receiver.device().values.deviceType = c.deviceType;
        HIDDevice::sharedManager().start();
        EXPECT_TRUE(input->shortcutsContentView()->isHidden());

        scrollToBottom();
        receiver.plug();
        ASSERT_TRUE(vqtest::waitUntil([&] { return !input->shortcutsContentView()->isHidden(); }, 10000));
        EXPECT_EQ(input->viewHeight(), InputSettingView::expandedHeight);
        EXPECT_EQ(p.section(2)->geometry().top(), translateTop + 207);
        EXPECT_EQ(contentHeight(), 1290);
        EXPECT_EQ(scrollValue(), 0); // the refresh ran

        scrollToBottom();
        receiver.unplug();
        ASSERT_TRUE(vqtest::waitUntil([&] { return input->shortcutsContentView()->isHidden(); }, 10000));
        EXPECT_EQ(input->viewHeight(), InputSettingView::collapsedHeight);
        EXPECT_EQ(p.section(2)->geometry().top(), translateTop);
        EXPECT_EQ(contentHeight(), 1083);
        EXPECT_EQ(scrollValue(), 0);
        HIDDevice::resetForTests();
        receivers.clear();
    }
}

// Every label of the four sections.
QList<const VQLabel*> sectionLabels(const SmartSettingViewController& p)
{
    auto* input = static_cast<const InputSettingView*>(p.section(1));
    auto* translate = static_cast<const TranslateSettingView*>(p.section(2));
    QList<const VQLabel*> labels { input->titleLabel(), translate->titleLabel(), translate->functionLabel2(),
                                   static_cast<const SearchEngineView*>(p.section(5))->titleLabel() };
    for (const VQLabel* label : input->functionLabels())
        labels << label;
    return labels;
}

TEST_F(SmartSettingPageTest, NoLabelRunsUnderAControlInAnyLanguage)
{
    VQUserInfoData::sharedInstance().mouseInfoItem().setDeviceType(3);
    SmartSettingViewController& p = makePage(1200, 600);
    for (int ui = 0; ui < VQLanguageManager::uiLanguageCount; ++ui) {
        SCOPED_TRACE(VQLanguageManager::uiLanguageCodes().at(ui).toStdString());
        setUiLanguage(ui);
        EXPECT_EQ(vqtest::crampedTexts(p.contentView()).join(QLatin1Char('\n')).toStdString(), "");
    }
}

TEST_F(SmartSettingPageTest, RendersInChineseEnglishAndArabic)
{
    registerRealSections();
    // The voice recorders show their default shortcuts (the capture shortcut is bound by the
    // translation start-up, not here); the pop-ups show the served lists.
    FakeGlobalShortcuts shortcuts;
    VQVoiceShortcuts::install();
    serveLists({ QStringLiteral("ZH_CN"), QStringLiteral("EN_US") },
               { QStringLiteral("EN_US"), QStringLiteral("JA_JP"), QStringLiteral("KO_KR"), QStringLiteral("FR_FR") });
    const auto whiteGrab = [](QWidget* widget) {
        QImage image(widget->size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        widget->render(&painter);
        return image;
    };
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    ASSERT_TRUE(QDir().mkpath(dir));
    struct Language {
        int index;
        const char* name;
    };
    const Language languages[] = { { 0, "zh" }, { 2, "en" }, { int(VQLanguageManager::uiLanguageCodes().indexOf(QStringLiteral("AR_EG"))), "ar" } };
    ASSERT_GE(languages[2].index, 0);
    QStringList chinese;
    for (bool rows : { false, true }) {
        VQUserInfoData::sharedInstance().mouseInfoItem().setDeviceType(rows ? 3 : 1);
        SmartSettingViewController& p = makePage(900, 600);
        for (const Language& language : languages) {
            SCOPED_TRACE(language.name);
            setUiLanguage(language.index);
            const QList<const VQLabel*> labels = sectionLabels(p);
            if (language.index == 0) {
                chinese.clear();
                for (const VQLabel* label : labels)
                    chinese << label->text();
            } else {
                for (qsizetype i = 0; i < labels.size(); ++i) {
                    const QString text = labels.at(i)->text();
                    EXPECT_NE(text, chinese.at(i)) << "untranslated: " << text.toStdString();
                    const QFontMetrics metrics(labels.at(i)->font());
                    for (char32_t ch : text.toUcs4())
                        EXPECT_TRUE(metrics.inFontUcs4(ch)) << "no glyph for U+" << std::hex << unsigned(ch);
                }
            }
            const QString stem = QStringLiteral("%1/smart_setting_%2_%3").arg(dir, QString::fromLatin1(language.name),
                                                                           rows ? QStringLiteral("rows") : QStringLiteral("norows"));
            EXPECT_TRUE(whiteGrab(p.view()).save(stem + QStringLiteral("_page.png")));
            EXPECT_TRUE(whiteGrab(p.contentView()).save(stem + QStringLiteral("_content.png")));
        }
        setUiLanguage(0);
    }
    page.reset();
    VQVoiceShortcuts::remove();
    VQShortcutBinder::sharedBinder().resetForTests();
}

} // namespace
