// The speech popup on a real X server: where it stands and how it grows with the text, that it
// leaves the keyboard focus where it was, and pictures of the typing and translation states
// (renders/voice_popup_*.png).
#include "../voice/VoiceHubFixture.h"
#include "FakeAudioCaptureBackend.h"
#include "VQKeyPressManager.h"
#include "VQPopContentView.h"
#include "VQPopupWindow.h"
#include "VQUserInfoData.h"
#include "VQWordView.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PopupX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        voicetest::resetVoice();
        VQUserInfoData::resetForTests();
        VQKeyPressManager::resetForTests();
        popup = std::make_unique<VQPopupWindow>();
    }

    void TearDown() override
    {
        popup.reset();
        voicetest::resetVoice();
        VQKeyPressManager::resetForTests();
    }

    std::unique_ptr<VQPopupWindow> popup;
};

QString words(int count)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << QStringLiteral("word%1").arg(i);
    return parts.join(QLatin1Char(' '));
}

} // namespace

TEST_F(PopupX11Test, GrowsUpwardFromAFixedPlaceAndLeavesTheFocusAlone)
{
    QLineEdit editor;
    editor.resize(300, 40);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    editor.activateWindow();
    editor.setFocus();
    ASSERT_TRUE(vqtest::waitUntil([&] { return QApplication::focusWidget() == &editor && editor.isActiveWindow(); }, 3000));

    // Texts of growing length, then a short one: the width and the right and bottom margins
    // stay, the height follows the text and never drops below the minimum.
    enum Expect { Minimum, NotShorter, Taller, Shorter };
    struct Row {
        int words;
        Expect expect;
    };
    const Row rows[] = { { 0, Minimum }, { 1, NotShorter }, { 10, Taller }, { 25, Taller }, { 300, Taller }, { 2, Shorter } };
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    int previous = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.words);
        popup->showSpeechView(words(row.words), VQPopContentView::typingType);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup.get()));
        vqtest::spin(50);
        const QRect frame = popup->frameGeometry();
        EXPECT_EQ(frame.width(), VQPopupWindow::popupWidth);
        EXPECT_GE(frame.height(), VQPopupWindow::minHeight);
        EXPECT_EQ(frame.right(), screen.right() - VQPopupWindow::rightMargin);
        EXPECT_EQ(frame.bottom(), screen.bottom() - VQPopupWindow::bottomOffset);
        EXPECT_EQ(frame.height(), qMax(popup->popContentView()->viewHeight(), int(VQPopupWindow::minHeight)));
        const bool relation[] = { frame.height() == VQPopupWindow::minHeight, frame.height() >= previous,
                                  frame.height() > previous, frame.height() < previous };
        EXPECT_TRUE(relation[row.expect]) << frame.height() << " after " << previous;
        if (row.expect != Shorter)
            previous = frame.height();
    }
    // A very long text scrolls in its box: the panel stops growing.
    EXPECT_LT(previous, screen.height() / 2);

    // All the while the user's window kept the focus.
    vqtest::spin(300);
    EXPECT_FALSE(popup->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), &editor);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
    EXPECT_EQ(editor.text(), QStringLiteral("abc"));
}

TEST_F(PopupX11Test, RendersTypingAndTranslation)
{
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    ASSERT_TRUE(QDir().mkpath(dir));
    FakeAudioCaptureBackend microphone;
    vqtest::StandInSpeechServer server;
    ASSERT_TRUE(server.start());
    voicetest::installVoice(server, nullptr);
    VQPopupWindowTool::sharedInstance().setSpeechPopupFactory([this]() -> VQSpeechPopupInterface* { return popup.get(); });

    // Writes the picture and checks the box's colour inside its left margin.
    auto render = [&](const QString& name, const QWidget* box, const QColor& colour) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup.get()));
        vqtest::spin(700); // past the switch to the listening icon
        const QImage image = popup->grab().toImage();
        EXPECT_TRUE(image.save(dir + QStringLiteral("/voice_popup_") + name + QStringLiteral(".png")));
        const qreal scale = qreal(image.height()) / popup->height();
        EXPECT_EQ(image.pixelColor(int(6 * scale), int((box->y() + box->height() / 2) * scale)), colour) << name.toStdString();
    };

    // Without a compositor the popup takes its drawing's shape: beside the round close button
    // the screen shows the window below.
    QWidget below;
    below.setStyleSheet(QStringLiteral("background: rgb(40, 200, 90)"));
    below.setGeometry(QGuiApplication::primaryScreen()->geometry());
    below.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&below));
    popup->showSpeechView(QStringLiteral("今天下午三点在会议室开会，请大家准时参加。"), VQPopContentView::typingType);
    render(QStringLiteral("typing"), popup->popContentView()->fanWordView(), Qt::white);
    const QPoint corner = popup->frameGeometry().topRight();
    EXPECT_EQ(QGuiApplication::primaryScreen()->grabWindow(0, corner.x(), corner.y(), 1, 1).toImage().pixelColor(0, 0), QColor(40, 200, 90));
    popup->dismissSpeechView();

    VQAudioMonitorService& hub = VQAudioMonitorService::sharedInstance();
    hub.hidCallbackType(VQPopContentView::translationType);
    ASSERT_TRUE(vqtest::waitUntil([&] { return hub.hadStart() && popup->isShow(); }));
    popup->showSpeechView(QStringLiteral("今天下午三点在会议室开会"), VQPopContentView::translationType);
    popup->showYiText(QStringLiteral("The meeting is in the conference room at three this afternoon."));
    render(QStringLiteral("translation"), popup->popContentView()->yiWordView(), QColor(0, 175, 204));
    hub.cancelAsr();
    ASSERT_TRUE(vqtest::waitUntil(voicetest::hubIsIdle));
}
