#include "GlobalShortcuts.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "VQHttpRequestManager.h"
#include "VQLanguageManager.h"
#include "VQPopupWindowTool.h"
#include "VQShortcutBinder.h"
#include "VQSnip.h"
#include "VQSnipFullWindow.h"
#include "VQSnipToolView.h"
#include "VQTranslateManager.h"
#include "VQTranslateSetup.h"
#include "VQTranslateWindow.h"
#include "VQUserInfoData.h"
#include "XTestUser.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>

#include <X11/keysym.h>

namespace {

bool snipShortcutGrabbed()
{
    const QString key = QString::fromLatin1(VQTranslateSetup::kSnipShortcutKey);
    return VQShortcutBinder::sharedBinder().isBound(key)
        && VQShortcutBinder::sharedBinder().statusForDefaultsKey(key) == GlobalShortcuts::Status::Ok;
}

// A plain coloured window, so a dimmed pixel differs from the original one.
class ColourWindow : public QWidget {
public:
    ColourWindow(const QRect& frame, const QColor& colour) : m_colour(colour)
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        setGeometry(frame);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

class SnipX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        VQUserInfoData::resetForTests();
        VQLanguageManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQTranslateManager::resetForTests();
        VQSnip::resetForTests();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        ASSERT_TRUE(maker.listen());
        maker.installAsMakerServices();
        maker.setReply(QStringLiteral("/api/ocr"),
                       vqtest::StandInReply::api(QJsonObject{{QStringLiteral("words"), QJsonArray{QJsonObject{{QStringLiteral("text"), QStringLiteral("hello")}}}}}));
        maker.setResponder(QStringLiteral("/api/translate"), [](const vqtest::StandInRequest& request) {
            const QString text = request.queryValue(QStringLiteral("text")).value_or(QString());
            return vqtest::StandInReply::api(QJsonObject{{QStringLiteral("transText"), QStringLiteral("[%1]").arg(text)}});
        });
        ASSERT_TRUE(user.ok()) << "no X display";
        VQTranslateSetup::install();
        VQUserInfoData::sharedInstance().setScreenshotsTranslateSwitch(true);
        VQUserInfoData::sharedInstance().setIsConnect(true);
        VQTranslateSetup::bindScreenshotShortcut();
        ASSERT_TRUE(snipShortcutGrabbed()) << "Alt+S could not be grabbed";
    }

    void TearDown() override
    {
        VQSnip::resetForTests();
        VQShortcutBinder::sharedBinder().resetForTests();
        VQTranslateManager::resetForTests();
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQTranslateWindowInterface* created = VQPopupWindowTool::sharedInstance().translateWindow();
        VQPopupWindowTool::resetForTests();
        delete dynamic_cast<VQTranslateWindow*>(created);
    }

    static bool overlaysShown()
    {
        const QList<VQSnipFullWindow*>& windows = VQSnip::sharedInstance().allFullWindow();
        return !windows.isEmpty() && std::all_of(windows.begin(), windows.end(), [](VQSnipFullWindow* w) {
                   return w->windowHandle() && w->windowHandle()->isExposed();
               });
    }

    bool requested(const QString& path) const
    {
        const QList<vqtest::StandInRequest> requests = maker.requests();
        return std::any_of(requests.begin(), requests.end(), [&](const vqtest::StandInRequest& r) { return r.path == path; });
    }

    vqtest::StandInHttpServer maker;
    XTestUser user;
};

TEST_F(SnipX11Test, AltSDimsTheScreenADragAndToolOneTranslateAndEscapeCloses)
{
    const QColor colour(200, 150, 100);
    ColourWindow backdrop(QRect(600, 400, 300, 200), colour);
    backdrop.show();
    const QPoint probe(750, 500);
    ASSERT_TRUE(vqtest::waitUntil([&] { return user.pixel(probe) == colour; })) << "the backdrop never showed";

    // Alt+S through the real key grab freezes and dims the screen.
    user.chord(XK_Alt_L, XK_s);
    ASSERT_TRUE(vqtest::waitUntil(overlaysShown)) << "no overlay after Alt+S";
    ASSERT_TRUE(vqtest::waitUntil([&] { return XTestUser::isUnderBlack(user.pixel(probe), colour, VQSnipFullWindow::kDimAlpha); }))
        << "seen " << user.pixel(probe).name().toStdString();

    // Escape closes every overlay and the screen shows the original again.
    user.tap(XK_Escape);
    ASSERT_TRUE(vqtest::waitUntil([] { return !VQSnip::sharedInstance().isSniping(); })) << "Escape did not end the capture";
    EXPECT_TRUE(VQSnip::sharedInstance().allFullWindow().isEmpty());
    EXPECT_TRUE(vqtest::waitUntil([&] { return user.pixel(probe) == colour; }));

    // A second capture: a drag over the backdrop, then tool 1 recognises and translates.
    user.chord(XK_Alt_L, XK_s);
    ASSERT_TRUE(vqtest::waitUntil(overlaysShown)) << "no overlay after the second Alt+S";
    user.drag(QPoint(620, 420), QPoint(820, 520));
    VQSnipToolView* bar = VQSnip::sharedInstance().toolView();
    ASSERT_TRUE(vqtest::waitUntil([bar] { return bar->isVisible(); })) << "no tool bar after the drag";
    EXPECT_EQ(VQSnip::sharedInstance().imageRect(), QRect(620, 420, 200, 100));
    vqtest::spin(50);
    user.click(bar->mapToGlobal(QPoint(VQSnipToolView::kToolSize * VQSnip::RecogniseAndTranslate + VQSnipToolView::kToolSize / 2,
                                       VQSnipToolView::kToolSize / 2)));
    ASSERT_TRUE(vqtest::waitUntil([this] { return requested(QStringLiteral("/api/translate")); })) << "nothing reached /translate";
    EXPECT_TRUE(requested(QStringLiteral("/api/ocr")));
    EXPECT_FALSE(VQSnip::sharedInstance().isSniping()) << "the tool ends the capture";
    auto* window = dynamic_cast<VQTranslateWindow*>(VQPopupWindowTool::sharedInstance().translateWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(vqtest::waitUntil([window] { return window->yiText() == QStringLiteral("[hello]"); }));
}

} // namespace
