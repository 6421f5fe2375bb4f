#include "VQPopUpButton.h"

#include "TestSupport.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

class VQPopUpButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        button.resize(200, 34);
        button.setSelectBlock([this](int index) { picked.push_back(index); });
    }

    void pick(int index)
    {
        const QList<QAction*> actions = button.menu()->actions();
        ASSERT_LT(index, actions.size());
        actions.at(index)->trigger();
    }

    VQPopUpButton button;
    std::vector<int> picked;
    const QStringList languages { QStringLiteral("中文"), QStringLiteral("English"), QStringLiteral("日本語") };
};

TEST_F(VQPopUpButtonTest, SelectingByCodeShowsTheTitleWithoutCallingTheBlock)
{
    button.setItemsArr(languages);
    ASSERT_EQ(button.menu()->actions().size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(button.menu()->actions().at(i)->data().toInt(), i);

    button.setSelectIndex(1);
    EXPECT_EQ(button.stringValue(), QStringLiteral("English"));
    EXPECT_EQ(button.markedIndex(), 1);
    EXPECT_TRUE(picked.empty());

    // Rebuilding the items applies the selection again, still without the block.
    button.setItemsArr({ QStringLiteral("a"), QStringLiteral("b") });
    EXPECT_EQ(button.stringValue(), QStringLiteral("b"));
    EXPECT_EQ(button.markedIndex(), 1);
    EXPECT_TRUE(picked.empty());
}

TEST_F(VQPopUpButtonTest, AnIndexWithoutAnItemMarksNoneAndKeepsTheTitleUntilItemsArrive)
{
    button.setItemsArr(languages);
    button.setSelectIndex(0);
    button.setSelectIndex(7);
    EXPECT_EQ(button.markedIndex(), -1);
    EXPECT_EQ(button.stringValue(), QStringLiteral("中文"));
    EXPECT_EQ(button.selectIndex(), 7);

    button.setSelectIndex(-1);
    EXPECT_EQ(button.markedIndex(), -1);
    EXPECT_EQ(button.stringValue(), QStringLiteral("中文"));

    // Selected before the items exist (pages set the index from settings first).
    VQPopUpButton early;
    early.setSelectIndex(2);
    EXPECT_TRUE(early.stringValue().isEmpty());
    early.setItemsArr(languages);
    EXPECT_EQ(early.stringValue(), QStringLiteral("日本語"));
    EXPECT_EQ(early.markedIndex(), 2);
    EXPECT_TRUE(picked.empty());
}

TEST_F(VQPopUpButtonTest, PickingAnItemShowsMarksAndCallsTheBlockEveryTime)
{
    button.setItemsArr(languages);
    button.setSelectIndex(0);

    pick(2);
    EXPECT_EQ(picked, std::vector<int>({ 2 }));
    EXPECT_EQ(button.stringValue(), QStringLiteral("日本語"));
    EXPECT_EQ(button.markedIndex(), 2);
    EXPECT_EQ(button.selectIndex(), 2);

    // The current item again: the block runs again, the mark stays.
    pick(2);
    EXPECT_EQ(picked, std::vector<int>({ 2, 2 }));
    EXPECT_EQ(button.markedIndex(), 2);
    int marks = 0;
    for (QAction* action : button.menu()->actions())
        marks += action->isChecked() ? 1 : 0;
    EXPECT_EQ(marks, 1);
}

TEST_F(VQPopUpButtonTest, ABlockThatRebuildsTheItemsWhilePickingIsSafe)
{
    // A language pop-up refills its items when the user picks one (titles in the new language).
    button.setItemsArr(languages);
    button.setSelectBlock([this](int index) {
        picked.push_back(index);
        button.setItemsArr({ QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z") });
    });
    pick(1);
    vqtest::spin(10); // the replaced items are deleted by the event loop
    EXPECT_EQ(picked, std::vector<int>({ 1 }));
    EXPECT_EQ(button.menu()->actions().size(), 3);
    EXPECT_EQ(button.stringValue(), QStringLiteral("y"));
    EXPECT_EQ(button.markedIndex(), 1);
}

TEST_F(VQPopUpButtonTest, AClickOpensTheMenuOnlyWhileEnabled)
{
    button.setItemsArr(languages);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_TRUE(vqtest::waitUntil([this] { return button.menu()->isVisible(); }, 2000));
    EXPECT_TRUE(button.isMenuOpen());
    button.menu()->hide();
    EXPECT_FALSE(button.isMenuOpen());

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    vqtest::spin(20);
    EXPECT_FALSE(button.menu()->isVisible());
    EXPECT_TRUE(picked.empty());
}

} // namespace
