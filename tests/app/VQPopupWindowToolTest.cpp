#include "VQPopupWindowTool.h"
#include "VQSpeechPopupInterface.h"
#include "VQTipWindow.h"
#include "VQTranslateWindowInterface.h"

#include "TestSupport.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

class FakeSpeechPopup : public VQSpeechPopupInterface {
public:
    void showSpeechView(const QString& text, int type) override
    {
        calls << QStringLiteral("show:%1:%2").arg(text).arg(type);
        shown = true;
    }
    void showYiText(const QString& text) override { calls << QStringLiteral("yi:") + text; }
    void dismissSpeechView() override
    {
        calls << QStringLiteral("dismiss");
        shown = false;
    }
    bool isShow() const override { return shown; }

    QStringList calls;
    bool shown = false;
};

class FakeTranslateWindow : public VQTranslateWindowInterface {
public:
    void showInWindow() override
    {
        calls << QStringLiteral("showInWindow");
        shown = true;
    }
    void dismissWindow() override
    {
        calls << QStringLiteral("dismissWindow");
        shown = false;
    }
    void setFanText(const QString& text) override { calls << QStringLiteral("fan:") + text; }
    void setYiText(const QString& text) override { calls << QStringLiteral("yi:") + text; }
    bool isShow() const override { return shown; }
    QRect contentGlobalRect() const override { return {}; }

    QStringList calls;
    bool shown = false;
};

class VQPopupWindowToolTest : public ::testing::Test {
protected:
    void SetUp() override { VQPopupWindowTool::resetForTests(); }
    void TearDown() override { VQPopupWindowTool::resetForTests(); }

    VQPopupWindowTool& tool = VQPopupWindowTool::sharedInstance();
};

TEST_F(VQPopupWindowToolTest, TipShowsImageAndTextThenClosesAfterTwoSeconds)
{
    QElapsedTimer clock;
    clock.start();
    tool.showTipMessage(QStringLiteral("保存成功"), QStringLiteral("success_icon"));
    VQTipWindow* tip = tool.tipWindow();
    ASSERT_TRUE(tip->isVisible()); // on the main thread the tip shows at once
    EXPECT_EQ(tip->text(), QStringLiteral("保存成功"));
    EXPECT_TRUE(tip->hasImage());
    EXPECT_EQ(tip->size(), QSize(150, 180));
    EXPECT_TRUE(tip->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(tip->testAttribute(Qt::WA_ShowWithoutActivating));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(tip->geometry().center().x(), screen.center().x());
    EXPECT_EQ(tip->geometry().bottom() + 1, screen.bottom() + 1 - 100);

    vqtest::spin(1800);
    EXPECT_TRUE(tip->isVisible());
    ASSERT_TRUE(vqtest::waitUntil([tip] { return !tip->isVisible(); }, 3000));
    EXPECT_GE(clock.elapsed(), 1990);
    EXPECT_LE(clock.elapsed(), 2600);
    EXPECT_TRUE(tip->text().isEmpty());
    EXPECT_FALSE(tip->isCloseTimerActive()); // nothing left ticking
}

TEST_F(VQPopupWindowToolTest, ANewerTipRestartsTheTime)
{
    tool.showTipMessage(QStringLiteral("第一条"), QStringLiteral("info_icon"));
    vqtest::spin(1200);
    QElapsedTimer clock;
    clock.start();
    tool.showTipMessage(QStringLiteral("第二条"), QStringLiteral("error_icon"));
    VQTipWindow* tip = tool.tipWindow();
    vqtest::spin(1200); // past the first tip's 2 s
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), QStringLiteral("第二条"));
    ASSERT_TRUE(vqtest::waitUntil([tip] { return !tip->isVisible(); }, 3000));
    EXPECT_GE(clock.elapsed(), 1990);
}

TEST_F(VQPopupWindowToolTest, TipFromAnotherThreadIsShownOnTheMainThread)
{
    std::thread worker([this] { tool.showTipMessage(QStringLiteral("请检查网络"), QStringLiteral("error_icon")); });
    worker.join();
    ASSERT_TRUE(vqtest::waitUntil([this] { return tool.tipWindow()->isVisible(); }, 2000));
    EXPECT_EQ(tool.tipWindow()->text(), QStringLiteral("请检查网络"));
    EXPECT_EQ(tool.tipWindow()->thread(), QCoreApplication::instance()->thread());
}

TEST_F(VQPopupWindowToolTest, TipWithAnUnknownImageStillShowsTheText)
{
    tool.showTipMessage(QStringLiteral("系统错误"), QStringLiteral("no_such_image"));
    EXPECT_TRUE(tool.tipWindow()->isVisible());
    EXPECT_EQ(tool.tipWindow()->text(), QStringLiteral("系统错误"));
    EXPECT_FALSE(tool.tipWindow()->hasImage());
}

TEST_F(VQPopupWindowToolTest, ATipAfterTheMainWindowWentAwayStillShows)
{
    auto window = std::make_unique<QWidget>();
    window->show();
    tool.setMainWindow(window.get());
    window.reset();
    tool.showTipMessage(QStringLiteral("保存成功"), QStringLiteral("success_icon"));
    EXPECT_TRUE(tool.tipWindow()->isVisible());
    EXPECT_EQ(tool.tipWindow()->text(), QStringLiteral("保存成功"));
}

TEST_F(VQPopupWindowToolTest, SpeechCallsReachThePopupCreatedOnFirstUse)
{
    FakeSpeechPopup popup;
    int created = 0;
    tool.setSpeechPopupFactory([&] {
        ++created;
        return &popup;
    });
    EXPECT_FALSE(tool.isShow());
    EXPECT_EQ(created, 0);

    tool.showSpeechView(QStringLiteral("正在聆听"), 33);
    tool.showYiText(QStringLiteral("listening"));
    EXPECT_TRUE(tool.isShow());
    tool.dismissSpeechView();
    EXPECT_FALSE(tool.isShow());
    EXPECT_EQ(created, 1);
    EXPECT_EQ(popup.calls, QStringList({ QStringLiteral("show:正在聆听:33"), QStringLiteral("yi:listening"), QStringLiteral("dismiss") }));

    // From a worker thread the calls run on the main thread, in order.
    popup.calls.clear();
    std::thread worker([this] {
        tool.showSpeechView(QStringLiteral("a"), 37);
        tool.showYiText(QStringLiteral("b"));
    });
    worker.join();
    ASSERT_TRUE(vqtest::waitUntil([&] { return popup.calls.size() == 2; }, 2000));
    EXPECT_EQ(popup.calls, QStringList({ QStringLiteral("show:a:37"), QStringLiteral("yi:b") }));
}

TEST_F(VQPopupWindowToolTest, DelayedDismissClosesLaterUnlessANewTextArrives)
{
    FakeSpeechPopup popup;
    tool.setSpeechPopupFactory([&] { return &popup; });
    tool.showSpeechView(QStringLiteral("完成"), 0);
    tool.dismissSpeechView(0.3);
    vqtest::spin(100);
    EXPECT_TRUE(tool.isShow());
    ASSERT_TRUE(vqtest::waitUntil([&] { return !tool.isShow(); }, 2000));

    // A new recognition shown before the delay ends is not closed by the old request.
    tool.showSpeechView(QStringLiteral("第一次"), 33);
    tool.dismissSpeechView(0.2);
    vqtest::spin(50);
    tool.showSpeechView(QStringLiteral("第二次"), 33);
    vqtest::spin(400);
    EXPECT_TRUE(tool.isShow());
    EXPECT_EQ(popup.calls.count(QStringLiteral("dismiss")), 1);
}

TEST_F(VQPopupWindowToolTest, TranslateWindowIsShownThenGivenBothTexts)
{
    FakeTranslateWindow window;
    int created = 0;
    tool.setTranslateWindowFactory([&] {
        ++created;
        return &window;
    });
    tool.dismissTranslateWindow();
    EXPECT_EQ(created, 0) << "a window is not made only to be put away";
    tool.showTranslateWindowFanText(QStringLiteral("你好"), QStringLiteral("Hello"));
    EXPECT_EQ(window.calls, QStringList({ QStringLiteral("showInWindow"), QStringLiteral("fan:你好"), QStringLiteral("yi:Hello") }));
    tool.dismissTranslateWindow();
    EXPECT_EQ(window.calls.last(), QStringLiteral("dismissWindow"));
    EXPECT_EQ(tool.translateWindow(), &window);
    EXPECT_EQ(created, 1);
}

TEST_F(VQPopupWindowToolTest, WithoutInstalledWindowsTheCallsDoNothing)
{
    tool.showSpeechView(QStringLiteral("x"), 33);
    tool.showYiText(QStringLiteral("y"));
    tool.dismissSpeechView(0.01);
    tool.showTranslateWindowFanText(QStringLiteral("a"), QStringLiteral("b"));
    tool.dismissTranslateWindow();
    vqtest::spin(50);
    EXPECT_FALSE(tool.isShow());
    EXPECT_EQ(tool.speechPopup(), nullptr);
    EXPECT_EQ(tool.translateWindow(), nullptr);
}

} // namespace
