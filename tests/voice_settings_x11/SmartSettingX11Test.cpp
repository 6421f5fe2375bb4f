// The smart settings page's sections on a real X server, driven through XTest as a user would:
// Ctrl+Alt+K recorded in the voice typing recorder is stored and starts voice typing at once,
// while F1 no longer does; with "雅虎" picked, a voice search that matches no command opens that
// engine's search address.
#include "../voice/VoiceHubFixture.h"
#include "FakeAudioCaptureBackend.h"
#include "InputSettingView.h"
#include "KeyShortcut.h"
#include "SearchEngineView.h"
#include "UserDefaults.h"
#include "VQCommandViewModel.h"
#include "VQLanguageManager.h"
#include "VQMouseInfoItem.h"
#include "VQPopUpButton.h"
#include "VQShortcutBinder.h"
#include "VQShortcutRecorder.h"
#include "VQUserInfoData.h"
#include "VQVoiceShortcuts.h"
#include "XTestUser.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>

#include <X11/keysym.h>

#include <gtest/gtest.h>

using vqtest::StandInSpeechServer;

namespace {

// Receives the addresses the program opens.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    }
    ~UrlCatcher() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

class SmartSettingX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(user.ok()) << "no X display";
        voicetest::resetVoice();
        VQCommandViewModel::resetForTests();
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
        VQLanguageManager::resetForTests();
        VQShortcutBinder::sharedBinder().resetForTests();
        ASSERT_TRUE(server.start());
        voicetest::installVoice(server, &popup);
        log = std::make_unique<voicetest::HubLog>();
        VQVoiceShortcuts::install();
    }

    void TearDown() override
    {
        VQVoiceShortcuts::remove();
        VQShortcutBinder::sharedBinder().resetForTests();
        log.reset();
        voicetest::resetVoice();
        UserDefaults::resetStandardForTests();
        VQUserInfoData::resetForTests();
    }

    static void showOnScreen(QWidget& widget, QSize size)
    {
        widget.setStyleSheet(QStringLiteral("background: white;"));
        widget.setGeometry(100, 100, size.width(), size.height());
        widget.show();
        widget.activateWindow();
        ASSERT_TRUE(vqtest::waitUntil([&] { return widget.isActiveWindow(); }, 10000));
    }

    // Speaks an utterance between two presses of a voice shortcut key, as the user does with
    // no device: the first press starts the microphone, the next ends it.
    void speakBetweenPresses(unsigned long keysym)
    {
        user.tap(keysym);
        ASSERT_TRUE(vqtest::waitUntil([] { return VQAudioMonitorService::sharedInstance().hadStart(); }, 10000));
        QByteArray spoken(4 * VQAudioQueueCapture::kChunkBytes, Qt::Uninitialized);
        for (int i = 0; i < spoken.size(); ++i)
            spoken[i] = char(1 + (i * 7) % 251);
        microphone.feed(spoken);
        // A search key released sooner than its minimum hold would cancel.
        vqtest::spin(VQAudioMonitorService::Timings().minSearchHoldMs + 200);
        user.tap(keysym);
        ASSERT_TRUE(vqtest::waitUntil(voicetest::hubIsIdle, 10000)) << log->events.join(QLatin1Char('\n')).toStdString();
    }

    XTestUser user;
    FakeAudioCaptureBackend microphone;
    StandInSpeechServer server;
    voicetest::RecordingSpeechPopup popup;
    std::unique_ptr<voicetest::HubLog> log;
};

TEST_F(SmartSettingX11Test, RecordedShortcutTakesOverFromF1AtOnce)
{
    VQUserInfoData::sharedInstance().setIsConnect(true);
    InputSettingView section;
    ASSERT_FALSE(section.shortcutsContentView()->isHidden());
    showOnScreen(section, QSize(700, int(section.viewHeight())));
    VQShortcutRecorder* recorder = section.shortcutsViews()[0];
    const QString key = QString::fromLatin1(VQVoiceShortcuts::WordShortcutKey);
    ASSERT_EQ(recorder->associatedUserDefaultsKey(), key);

    user.click(recorder->mapToGlobal(recorder->rect().center()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return recorder->isRecording(); }, 10000));
    user.key(XK_Control_L, true);
    user.key(XK_Alt_L, true);
    user.tap(XK_k);
    user.key(XK_Alt_L, false);
    user.key(XK_Control_L, false);
    const KeyShortcut ctrlAltK = KeyShortcut::fromQtKey(Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    ASSERT_TRUE(vqtest::waitUntil([&] { return VQShortcutBinder::shortcutForDefaultsKey(key) == ctrlAltK; }, 10000));
    EXPECT_FALSE(recorder->isRecording());
    EXPECT_EQ(recorder->shortcutValue(), ctrlAltK);
    EXPECT_TRUE(UserDefaults::standard().objectForKey(key).isValid());
    section.hide();
    VQUserInfoData::sharedInstance().setIsConnect(false); // the voice from the microphone

    // F1 no longer starts voice typing.
    user.tap(XK_F1);
    vqtest::spin(500);
    EXPECT_EQ(log->count(QStringLiteral("start")), 0);
    EXPECT_FALSE(VQAudioMonitorService::sharedInstance().hadStart());

    // Ctrl+Alt+K gives the hub the typing press code.
    user.key(XK_Control_L, true);
    user.key(XK_Alt_L, true);
    user.tap(XK_k);
    user.key(XK_Alt_L, false);
    user.key(XK_Control_L, false);
    ASSERT_TRUE(vqtest::waitUntil([] { return VQAudioMonitorService::sharedInstance().hadStart(); }, 10000));
    EXPECT_EQ(VQAudioMonitorService::sharedInstance().pressType(), VQVoiceShortcuts::functions()[0].pressCode);
    VQAudioMonitorService::sharedInstance().cancelAsr();
}

TEST_F(SmartSettingX11Test, VoiceSearchUsesThePickedEngine)
{
    UrlCatcher urls;
    SearchEngineView section;
    showOnScreen(section, QSize(400, int(section.viewHeight())));
    const QList<QAction*> engines = section.engineBtn()->menu()->actions();
    ASSERT_EQ(engines.size(), 3);
    engines.at(2)->trigger(); // "雅虎"
    ASSERT_EQ(VQLanguageManager::sharedInstance().searchEngineTag(), 2);

    speakBetweenPresses(XK_F3);
    ASSERT_EQ(server.connectionCount(), 1);
    const vqtest::SpeechConnection connection = server.connection(0);
    const QString finalText = StandInSpeechServer::defaultFinalText(int(connection.frames.size()), connection.audio);
    ASSERT_TRUE(vqtest::waitUntil([&] { return !urls.opened.isEmpty(); }, 10000));
    EXPECT_EQ(urls.opened, QList<QUrl>{ QUrl(VQAudioMonitorService::searchAddress(2, finalText)) });
    EXPECT_NE(QUrl(VQAudioMonitorService::searchAddress(2, finalText)).host(),
              QUrl(VQAudioMonitorService::searchAddress(0, finalText)).host());
}

} // namespace

#include "SmartSettingX11Test.moc"
