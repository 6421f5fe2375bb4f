// Voice typing as the user sees it on a real X server: the simulated receiver's voice key streams
// a spoken utterance to the stand-in speech server; the speech popup shows the interim texts
// without taking the focus; the final text lands in the focused line edit of another window
// through the clipboard and a synthesised Control+V, and the local service receives it.
#include "../device/VoiceTestUtterance.h"
#include "../voice/DeviceVoiceFixture.h"
#include "StandInLocalService.h"
#include "VQPopupWindow.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

using vqtest::SpeechAnswer;
using vqtest::StandInSpeechServer;

namespace {

// The program's speech popup, and what it was asked to show.
class ObservedPopup : public VQSpeechPopupInterface {
public:
    void showSpeechView(const QString& text, int type) override
    {
        shows << text;
        window.showSpeechView(text, type);
    }
    void showYiText(const QString& text) override { window.showYiText(text); }
    void dismissSpeechView() override { window.dismissSpeechView(); }
    bool isShow() const override { return window.isShow(); }

    VQPopupWindow window;
    QStringList shows;
};

class VoiceTypingEndToEndX11Test : public DeviceVoiceTest {
protected:
    void SetUp() override
    {
        popup = std::make_unique<ObservedPopup>();
        DeviceVoiceTest::SetUp();
        ASSERT_TRUE(local.listen());
        VQAudioMonitorService::setLocalServicePort(local.port());
    }

    void TearDown() override
    {
        DeviceVoiceTest::TearDown();
        popup.reset();
    }

    VQSpeechPopupInterface* speechPopup() override { return popup.get(); }

    vqtest::StandInLocalService local;
    std::unique_ptr<ObservedPopup> popup;
};

} // namespace

TEST_F(VoiceTypingEndToEndX11Test, DeviceUtteranceIsPastedIntoTheFocusedFieldAndPostedLocally)
{
    const voicetest::Utterance& u = voicetest::utterance();
    ASSERT_TRUE(u.error.isEmpty()) << u.error.toStdString();
    const QString finalText = QStringLiteral("你好，世界 \"quoted\" é 🎉");
    VQUserInfoData& state = VQUserInfoData::sharedInstance();

    // The user's application: another top-level window whose line edit has the focus.
    QWidget target;
    auto* layout = new QVBoxLayout(&target);
    auto* field = new QLineEdit(&target);
    layout->addWidget(field);
    target.setWindowTitle(QStringLiteral("user application"));
    target.resize(400, 80);
    target.show();
    target.activateWindow();
    field->setFocus();
    ASSERT_TRUE(vqtest::waitUntil([&] { return target.isActiveWindow() && QApplication::focusWidget() == field; }))
        << "the test window got no focus";

    plugAndSettle();
    state.setCompatibleModeSwitch(false);
    state.setSno(QStringLiteral("SN-E2E"));
    server.addAnswer(1, SpeechAnswer::mid(QStringLiteral("你好")));
    server.addAnswer(2, SpeechAnswer::mid(QStringLiteral("你好，世界")));
    server.addAnswer(StandInSpeechServer::kOnEnd, SpeechAnswer::last(finalText));
    receiver.voice().setUtterance(u.adpcm);
    receiver.voice().payloadsPerTick = 1;

    receiver.pressVoiceKey();
    ASSERT_TRUE(vqtest::waitUntil(
        [this] { return receiver.voice().isDone() && popup->shows.contains(QStringLiteral("你好，世界")); }, 20000))
        << popup->shows.join(QLatin1Char('|')).toStdString();
    // The popup shows, and the user's window kept the focus.
    EXPECT_TRUE(popup->isShow());
    EXPECT_TRUE(target.isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), field);
    receiver.releaseVoiceKey();

    ASSERT_TRUE(vqtest::waitUntil([&] { return field->text() == finalText; }, 20000))
        << "field holds: " << field->text().toStdString();
    ASSERT_TRUE(vqtest::waitUntil([&] { return local.requestCount() >= 1; }));
    EXPECT_TRUE(voicetest::hubIsIdle());
    EXPECT_FALSE(popup->isShow());
    EXPECT_TRUE(popup->shows.contains(QStringLiteral("你好")));
    EXPECT_EQ(local.requestCount(), 1);
    const QByteArray expectedBody = "{\r\n    \"cmd\":\"voicetext\",\r\n"
                                    "    \"data\":\"你好，世界 \\\"quoted\\\" é 🎉\",\r\n"
                                    "    \"snr\":\"SN-E2E\"\r\n}";
    EXPECT_EQ(local.bodies().value(0), expectedBody);
    EXPECT_EQ(local.texts(), QStringList{finalText});
}
