#include "Clipboard.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "VQHttpRequestManager.h"
#include "VQLanguageManager.h"
#include "VQPopupWindowTool.h"
#include "VQSearchIconWindow.h"
#include "VQSelectionMonitor.h"
#include "VQTranslateManager.h"
#include "VQTranslateSetup.h"
#include "VQTranslateWindow.h"
#include "VQUserInfoData.h"
#include "XTestUser.h"

#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

// The keysyms of XTestUser's keys.
#include <X11/keysym.h>

namespace {

const QString kLineText = QString::fromUtf8("A&B + C# \"q\" 你好");

class SelectionX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        VQUserInfoData::resetForTests();
        VQLanguageManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQTranslateManager::resetForTests();
        VQSelectionMonitor::resetForTests();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        ASSERT_TRUE(maker.listen());
        maker.installAsMakerServices();
        maker.setResponder(QStringLiteral("/api/translate"), [](const vqtest::StandInRequest& request) {
            const QString text = request.queryValue(QStringLiteral("text")).value_or(QString());
            return vqtest::StandInReply::api(QJsonObject{{QStringLiteral("transText"), QStringLiteral("[%1]").arg(text)}});
        });
        VQTranslateSetup::install();
        ASSERT_TRUE(input.ok()) << "no X display";

        client.start(QStringLiteral(VQ_SELECTION_CLIENT), {kLineText, QStringLiteral("300"), QStringLiteral("300")});
        ASSERT_TRUE(client.waitForStarted(5000));
        ASSERT_TRUE(vqtest::waitUntil([this] {
            clientOutput += QString::fromUtf8(client.readAllStandardOutput());
            return clientOutput.contains(QStringLiteral("ready "));
        }, 10000));
        const QStringList ready = clientOutput.section(QStringLiteral("ready "), 1).section(QLatin1Char('\n'), 0, 0).split(QLatin1Char(' '));
        ASSERT_EQ(ready.size(), 4);
        lineEdit = QRect(ready[0].toInt(), ready[1].toInt(), ready[2].toInt(), ready[3].toInt());

        VQUserInfoData::sharedInstance().setWordInputSwitch(true);
        VQUserInfoData::sharedInstance().setIsConnect(true);
        ASSERT_TRUE(VQSelectionMonitor::sharedInstance().start());
        vqtest::spin(200); // the input monitor begins watching a moment after start()
    }

    void TearDown() override
    {
        VQSelectionMonitor::resetForTests();
        client.closeWriteChannel();
        if (!client.waitForFinished(3000))
            client.kill();
        VQTranslateManager::resetForTests();
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQTranslateWindowInterface* created = VQPopupWindowTool::sharedInstance().translateWindow();
        VQPopupWindowTool::resetForTests();
        delete dynamic_cast<VQTranslateWindow*>(created);
    }

    static VQSearchIconWindow* icon() { return VQSelectionMonitor::sharedInstance().searchIcon(); }
    static VQTranslateWindow* window()
    {
        return dynamic_cast<VQTranslateWindow*>(VQPopupWindowTool::sharedInstance().translateWindow());
    }

    QStringList sentTexts() const
    {
        QStringList sent;
        for (const vqtest::StandInRequest& request : maker.requests()) {
            if (request.path == QLatin1String("/api/translate"))
                sent << request.queryValue(QStringLiteral("text")).value_or(QString());
        }
        return sent;
    }

    // The client's selection as it last reported it.
    QString clientSelection()
    {
        clientOutput += QString::fromUtf8(client.readAllStandardOutput());
        const qsizetype at = clientOutput.lastIndexOf(QStringLiteral("selected "));
        return at < 0 ? QString() : clientOutput.mid(at + 9).section(QLatin1Char('\n'), 0, 0);
    }

    vqtest::StandInHttpServer maker;
    XTestUser input;
    QProcess client;
    QString clientOutput;
    QRect lineEdit;
};

TEST_F(SelectionX11Test, DragAndDoubleClickInAnotherApplicationShowTheIconWhoseClickTranslates)
{
    // A drag across the whole text.
    const QPoint from(lineEdit.left() + 3, lineEdit.center().y());
    const QPoint to(lineEdit.right() - 3, lineEdit.center().y());
    QWidget below; // where the icon will show
    below.setStyleSheet(QStringLiteral("background: rgb(40, 200, 90)"));
    below.setGeometry(QRect(to + QPoint(VQSearchIconWindow::kOffset, VQSearchIconWindow::kOffset), QSize(VQSearchIconWindow::kSize, VQSearchIconWindow::kSize)));
    below.show();
    input.drag(from, to);
    ASSERT_TRUE(vqtest::waitUntil([] { return icon()->isVisible(); }, 3000)) << "no icon after the drag";
    // Without a compositor the icon's clear corner shows what lies under it.
    EXPECT_TRUE(vqtest::waitUntil([&] { return input.pixel(icon()->pos()) == QColor(40, 200, 90); }, 2000));
    EXPECT_EQ(VQUserInfoData::sharedInstance().pasteboardContent(), kLineText);
    EXPECT_EQ(icon()->pos(), to + QPoint(VQSearchIconWindow::kOffset, VQSearchIconWindow::kOffset));

    input.click(icon()->frameGeometry().center());
    ASSERT_TRUE(vqtest::waitUntil([] { return window() && window()->yiText() == QStringLiteral("[%1]").arg(kLineText); }));
    EXPECT_FALSE(icon()->isVisible());
    EXPECT_EQ(sentTexts(), QStringList{kLineText}) << "the stand-in receives exactly the selection";
    EXPECT_EQ(window()->fanText(), kLineText);

    input.click(QPoint(20, 20));
    EXPECT_TRUE(vqtest::waitUntil([] { return !window()->isShow(); }, 2000)) << "an outside click closes the window";

    // A double-click on a word; the word the client selected is the one translated.
    vqtest::spin(600);
    const QPoint word(lineEdit.left() + 14, lineEdit.center().y());
    input.doubleClick(word);
    if (!vqtest::waitUntil([] { return icon()->isVisible(); }, 3000)) {
        // On a very busy machine the client may select too late for the selection rule; a user
        // double-clicks again.
        vqtest::spin(600);
        input.doubleClick(word);
    }
    ASSERT_TRUE(vqtest::waitUntil([] { return icon()->isVisible(); }, 3000)) << "no icon after the double-click";
    const QString selected = clientSelection();
    EXPECT_FALSE(selected.trimmed().isEmpty());
    EXPECT_TRUE(kLineText.contains(selected));
    EXPECT_NE(selected, kLineText);
    EXPECT_EQ(VQUserInfoData::sharedInstance().pasteboardContent(), selected);
}

TEST_F(SelectionX11Test, TheSelectedWordActionWithoutADeviceTranslatesTheCopiedWord)
{
    VQUserInfoData::sharedInstance().setIsConnect(false);
    const QPoint word(lineEdit.left() + 14, lineEdit.center().y());
    input.doubleClick(word);
    ASSERT_TRUE(vqtest::waitUntil([this] { return !clientSelection().isEmpty(); }, 3000));
    EXPECT_FALSE(icon()->isVisible()) << "no icon without a device";
    const QString selected = clientSelection();

    // What the key-press manager does: clear the clipboard, copy, translate a moment later.
    Clipboard::instance().setText(QString());
    input.chord(XK_Control_L, XK_c);
    ASSERT_TRUE(vqtest::waitUntil([&] { return Clipboard::instance().text() == selected; }, 3000));
    VQSelectionMonitor::translateCopiedWord();
    ASSERT_TRUE(vqtest::waitUntil([&] { return window() && window()->yiText() == QStringLiteral("[%1]").arg(selected); }));
    EXPECT_EQ(sentTexts(), QStringList{selected});
}

} // namespace
