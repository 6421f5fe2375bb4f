#include "NoFocusWindow.h"
#include "TestSupport.h"
#include "VQToolManager.h"
#include "X11TestClient.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

namespace {

TEST(CopyAndPasteX11Test, TextOfAnyScriptArrivesInTheFocusedLineEdit)
{
    X11TestClient client;
    ASSERT_TRUE(client.isConnected()) << "no X display";
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit(&window);
    layout->addWidget(edit);
    window.setGeometry(100, 100, 400, 80);
    window.show();
    window.activateWindow();
    edit->setFocus();
    ASSERT_TRUE(vqtest::waitUntil([&] { return window.isActiveWindow() && edit->hasFocus(); }));

    // The speech popup shows while the text is pasted; it must not take the focus.
    QLabel popup(QStringLiteral("…"));
    mm::makeNoFocusToolWindow(&popup);
    popup.setGeometry(800, 500, 200, 60);
    popup.show();

    const QString text = QString::fromUtf8("中文 é 🎉 \"quoted\"");
    ASSERT_TRUE(VQToolManager::copyAndPaste(text));
    EXPECT_TRUE(vqtest::waitUntil([&] { return edit->text() == text; })) << edit->text().toStdString();
    EXPECT_TRUE(client.noModifierIsDown());

    // A second paste inserts the new text at the caret.
    ASSERT_TRUE(VQToolManager::copyAndPaste(QStringLiteral(" + more")));
    EXPECT_TRUE(vqtest::waitUntil([&] { return edit->text() == text + QStringLiteral(" + more"); }))
        << edit->text().toStdString();
}

} // namespace
