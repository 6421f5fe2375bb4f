// The AI chat window on a real X server: a question typed through XTest and sent with Return is
// answered by the stand-in, and the copy button puts the answer on the X clipboard, read back
// from another X connection.
#include "AppDelegate.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "VQAIContentView.h"
#include "VQAIWindowController.h"
#include "VQAIWindowTool.h"
#include "VQApiConfig.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQPopupWindowTool.h"
#include "VQTextField.h"
#include "VQUserInfoData.h"
#include "XTestUser.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

// The CLIPBOARD's text as another client asks for it; null when no owner answers in time.
QString readClipboardFromAnotherClient()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return QString();
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom property = XInternAtom(display, "VQ_CLIPBOARD_READ", False);
    XConvertSelection(display, clipboard, utf8, property, window, CurrentTime);
    XFlush(display);
    QString text;
    bool answered = false;
    // The owner is this process: its event loop must run to answer.
    vqtest::waitUntil([&] {
        while (!answered && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != SelectionNotify)
                continue;
            answered = true;
            if (event.xselection.property == None)
                break;
            Atom type = None;
            int format = 0;
            unsigned long count = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display, window, property, 0, 1 << 20, True, AnyPropertyType, &type, &format,
                                   &count, &after, &data) == Success && data) {
                text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
                XFree(data);
            }
        }
        return answered;
    }, 5000);
    XDestroyWindow(display, window);
    XCloseDisplay(display);
    return text;
}

QPoint centreOf(const QWidget* widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

TEST(AIChatX11Test, TypedQuestionIsAnsweredAndItsAnswerCopied)
{
    VQUserInfoData::resetForTests();
    VQPopupWindowTool::resetForTests();
    VQAIWindowTool::resetForTests();
    VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
    AppDelegate delegate;
    vqtest::StandInHttpServer maker;
    ASSERT_TRUE(maker.listen());
    maker.installAsMakerServices();
    maker.setReply(QStringLiteral("/api/chat"),
                   vqtest::StandInReply::text(
                       QJsonDocument(QJsonObject{{QStringLiteral("data"), QJsonObject{{QStringLiteral("text"), QStringLiteral("答案 ok")}}}})
                               .toJson(QJsonDocument::Compact)
                           + VQHttpRequestManager::kChatPieceSeparator,
                       "text/event-stream"));
    XTestUser user;
    ASSERT_TRUE(user.ok());

    VQAIWindowController& window = VQAIWindowTool::sharedInstance().aiWindow();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(vqtest::waitUntil([&] { return window.isActiveWindow(); }, 5000));
    user.click(centreOf(window.questionTextField()));
    ASSERT_TRUE(vqtest::waitUntil([&] { return window.questionTextField()->hasFocus(); }, 5000));
    for (unsigned long key : {XK_h, XK_i})
        user.tap(key);
    ASSERT_TRUE(vqtest::waitUntil([&] { return window.questionTextField()->text() == QStringLiteral("hi"); }, 5000));
    user.tap(XK_Return);

    ASSERT_TRUE(vqtest::waitUntil(
        [&] { return window.cells().size() == 1 && !window.isRequesting(); }, 15000));
    EXPECT_EQ(window.cells().first()->question(), QStringLiteral("hi"));
    EXPECT_EQ(window.cells().first()->answer(), QStringLiteral("答案 ok"));
    EXPECT_EQ(maker.requestCount(), 1);

    vqtest::spin(50);
    user.click(centreOf(window.cells().first()->fuzhiBtn()));
    EXPECT_TRUE(vqtest::waitUntil([] { return readClipboardFromAnotherClient() == QStringLiteral("答案 ok"); }, 10000));

    VQHttpRequestManager::sharedInstance().resetForTests();
    VQAIWindowTool::resetForTests();
    VQPopupWindowTool::resetForTests();
    VQApiConfig::resetForTests();
}

} // namespace
