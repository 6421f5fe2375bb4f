#include "KeySynthesizer.h"
#include "MacKeyMap.h"
#include "TestSupport.h"
#include "X11TestClient.h"
#include "XTestKeySynthesizer.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScopeGuard>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// A window of ours with a line edit that has the keyboard focus, as the user's application
// would have when a paste arrives.
class FocusedLineEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(client.isConnected()) << "no X display";
        auto* layout = new QVBoxLayout(&window);
        edit = new QLineEdit(&window);
        layout->addWidget(edit);
        window.setGeometry(100, 100, 400, 80);
        window.show();
        window.activateWindow();
        edit->setFocus();
        ASSERT_TRUE(vqtest::waitUntil([&] { return window.isActiveWindow() && edit->hasFocus(); }))
            << "the test window did not get the focus";
    }

    X11TestClient client;
    QWidget window;
    QLineEdit* edit = nullptr;
};

TEST_F(FocusedLineEditTest, KeysArriveWithTheirModifiersAndNoModifierStaysDown)
{
    EXPECT_TRUE(vqPostKeyEvent(0, true, MacKeyMap::kFlagShift));                // A
    EXPECT_TRUE(vqPostKeyEvent(11, true, MacKeyMap::kFlagNonCoalesced));        // b
    EXPECT_TRUE(vqPostKeyEvent(18, true, MacKeyMap::kFlagNonCoalesced));        // 1
    EXPECT_TRUE(vqtest::waitUntil([&] { return edit->text() == QStringLiteral("Ab1"); })) << edit->text().toStdString();
    EXPECT_TRUE(client.noModifierIsDown());

    // Command is Linux's Control: Command-A selects all, Delete removes it.
    EXPECT_TRUE(vqPostKeyEvent(0, true, MacKeyMap::kFlagCommand));
    EXPECT_TRUE(vqPostKeyEvent(MacKeyMap::kKeyCodeDelete, true, MacKeyMap::kFlagNonCoalesced));
    EXPECT_TRUE(vqtest::waitUntil([&] { return edit->text().isEmpty(); })) << edit->text().toStdString();
    EXPECT_TRUE(client.noModifierIsDown());
}

TEST_F(FocusedLineEditTest, AKeyWithoutAKeyIsNotPosted)
{
    EXPECT_FALSE(vqPostKeyEvent(52, true, 0));
    EXPECT_FALSE(vqPostKeyEvent(0xFFFF, true, MacKeyMap::kFlagCommand));
    vqtest::spin(100);
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(client.noModifierIsDown());
}

TEST_F(FocusedLineEditTest, AKeyDownTheServerRefusesLeavesNoModifierDown)
{
    XTestKeySynthesizer synthesizer;
    KeySynthesizer::setInstance(&synthesizer);
    const auto restore = qScopeGuard([] { KeySynthesizer::setInstance(nullptr); });

    synthesizer.failNextKeyPressForTests();
    EXPECT_FALSE(vqPostKeyEvent(0, true, MacKeyMap::kFlagCommand | MacKeyMap::kFlagShift | MacKeyMap::kFlagOption));
    EXPECT_TRUE(client.noModifierIsDown());

    // The next key is typed on its own.
    EXPECT_TRUE(vqPostKeyEvent(11, true, MacKeyMap::kFlagNonCoalesced)); // b
    EXPECT_TRUE(vqtest::waitUntil([&] { return edit->text() == QStringLiteral("b"); })) << edit->text().toStdString();
    EXPECT_TRUE(client.noModifierIsDown());
}

} // namespace
