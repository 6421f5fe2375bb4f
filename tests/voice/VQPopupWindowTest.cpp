// The speech popup driven by the voice hub: the products that show no panel, what a translation
// press shows, the translation line coming and going, the close button cancelling the recognition.
#include "FakeAudioCaptureBackend.h"
#include "NSAnimateImageView.h"
#include "VQButton.h"
#include "VQKeyPressManager.h"
#include "VQPopContentView.h"
#include "VQPopupWindow.h"
#include "VQUserInfoData.h"
#include "VQWordView.h"
#include "VoiceHubFixture.h"

#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>

using vqtest::StandInSpeechServer;

namespace {

class PopupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        voicetest::resetVoice();
        VQUserInfoData::resetForTests();
        VQKeyPressManager::resetForTests();
        ASSERT_TRUE(server.start());
        voicetest::installVoice(server, nullptr);
        popup = std::make_unique<VQPopupWindow>();
        VQPopupWindowTool::sharedInstance().setSpeechPopupFactory([this]() -> VQSpeechPopupInterface* { return popup.get(); });
    }

    void TearDown() override
    {
        voicetest::resetVoice();
        popup.reset();
        VQKeyPressManager::resetForTests();
        VQUserInfoData::resetForTests();
    }

    VQPopContentView* content() const { return popup->popContentView(); }
    bool translationShows() const { return content()->yiWordView()->isVisible() && content()->waveView()->isVisible(); }

    FakeAudioCaptureBackend microphone;
    StandInSpeechServer server;
    std::unique_ptr<VQPopupWindow> popup;
};

} // namespace

TEST_F(PopupTest, ShowTranslationAndCloseFollowTheRecognition)
{
    // The products that open the AI window with key action 18 show no panel; others do.
    struct Suppress {
        const char* product;
        int keyAction;
        bool shows;
    };
    const Suppress cases[] = { { "209", 18, false }, { "285", 18, false }, { "209", 17, true }, { "100", 18, true } };
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    for (const Suppress& c : cases) {
        SCOPED_TRACE(std::string(c.product) + "/" + std::to_string(c.keyAction));
        state.setProductCode(QString::fromLatin1(c.product));
        state.setKeyAction(c.keyAction);
        popup->showSpeechView(QStringLiteral("text"), VQPopContentView::typingType);
        EXPECT_EQ(popup->isShow(), c.shows);
        EXPECT_EQ(popup->isVisible(), c.shows);
        // The typing icon runs from the very first show.
        EXPECT_EQ(content()->typeImageView()->isTimerActive(), c.shows);
        popup->dismissSpeechView();
    }
    VQUserInfoData::resetForTests();

    VQAudioMonitorService& hub = VQAudioMonitorService::sharedInstance();
    hub.hidCallbackType(VQPopContentView::translationType);
    ASSERT_TRUE(vqtest::waitUntil([&] { return hub.hadStart() && popup->isShow(); }));
    EXPECT_EQ(content()->pressType(), VQPopContentView::translationType);
    EXPECT_FALSE(content()->fanText().isEmpty());
    EXPECT_FALSE(translationShows());
    EXPECT_TRUE(content()->typeImageView()->isTimerActive());
    const int bottom = popup->geometry().bottom();
    const int plainHeight = content()->viewHeight();

    // Translation lines while the recognition runs, and whether the line and the wave show.
    struct Row {
        const char* translation;
        bool shows;
    };
    const Row rows[] = { { "A translation long enough to take more than one line in the popup, and then some more", true },
                         { "", false } };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf8(row.translation);
        SCOPED_TRACE(text.toStdString());
        popup->showYiText(text);
        EXPECT_EQ(content()->yiText(), text);
        EXPECT_EQ(translationShows(), row.shows);
        EXPECT_EQ(popup->geometry().bottom(), bottom);
        EXPECT_EQ(popup->height(), qMax(content()->viewHeight(), int(VQPopupWindow::minHeight)));
        EXPECT_EQ(content()->viewHeight() > plainHeight, row.shows);
    }

    // The close button: the recognition ends without a result and the panel goes, idle.
    VQKeyPressManager::sharedInstance().setLastPressType(VQPopContentView::translationType);
    popup->closeBtn()->performClick();
    EXPECT_FALSE(hub.hadStart());
    EXPECT_FALSE(popup->isShow());
    EXPECT_EQ(content()->pressType(), 0);
    EXPECT_EQ(VQKeyPressManager::sharedInstance().lastPressType(), 0);
    EXPECT_FALSE(content()->typeImageView()->isTimerActive());
    EXPECT_FALSE(content()->isListeningSwitchPending());

    // A translation arriving after the recognition ended is not shown.
    popup->showSpeechView(QStringLiteral("late"), VQPopContentView::translationType);
    popup->showYiText(QStringLiteral("too late"));
    EXPECT_TRUE(content()->yiText().isEmpty());
    EXPECT_FALSE(translationShows());
}

// A server's interim text of any length costs the popup the same: it lays out the tail the box
// shows, scrolled to the last words, while the whole text stays the popup's.
TEST_F(PopupTest, AHugeTextShowsItsTailWithoutLayingOutTheWhole)
{
    popup->showSpeechView(QStringLiteral("text"), VQPopContentView::typingType);
    const QString text = QString(100000, u'字') + QStringLiteral("最后几个字");
    content()->setFanText(text);
    content()->setYiText(text);
    EXPECT_EQ(content()->fanText(), text);
    for (VQWordView* box : {content()->fanWordView(), content()->yiWordView()}) {
        EXPECT_LE(box->stringValue().size(), VQPopContentView::kShownChars + 1);
        EXPECT_TRUE(box->stringValue().endsWith(QStringLiteral("最后几个字")));
        const QScrollBar* bar = box->scrollView()->verticalScrollBar();
        EXPECT_TRUE(vqtest::waitUntil([bar] { return bar->maximum() > 0 && bar->value() == bar->maximum(); }))
            << "the last lines show";
    }
    popup->dismissSpeechView();
}
