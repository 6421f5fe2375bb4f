// The personality page: its tabs and language switch, and the hot-word tab (editor and list).
#include "PagesFixture.h"

#include "AddCommandView.h"
#include "AddHotWordCellView.h"
#include "AddHotWordView.h"
#include "CommandWordView.h"
#include "HotWordCellView.h"
#include "HotWordView.h"
#include "PersonalitySettingViewController.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQTextField.h"

#include <QApplication>
#include <QTest>

#include <memory>

using namespace pagestest;

namespace {

class PersonalityPageTest : public PagesFixture {
protected:
    void SetUp() override
    {
        PagesFixture::SetUp();
        page = std::make_unique<PersonalitySettingViewController>();
        page->view()->resize(900, 640);
        page->view()->show();
        page->view()->activateWindow();
        ASSERT_TRUE(vqtest::waitUntil([&] { return page->view()->isActiveWindow(); }));
    }
    void TearDown() override
    {
        page.reset();
        PagesFixture::TearDown();
    }
    QStringList sentHotWords() const
    {
        QStringList out;
        for (const vqtest::StandInRequest& r : server.requests()) {
            if (r.path == QLatin1String("/api/saveDeviceCmd"))
                out << r.queryValue(QStringLiteral("cmdType")).value_or(QString()) + QLatin1Char('|')
                        + r.queryValue(QStringLiteral("customName")).value_or(QStringLiteral("<none>")) + QLatin1Char('|')
                        + r.queryValue(QStringLiteral("customCmd")).value_or(QString());
        }
        return out;
    }
    AddHotWordCellView* row(int r) const { return page->addHotWordView()->cellAt(r); }
    // Types into the row as a user would: a click into it, then the keys.
    void typeInto(int r, const QString& text)
    {
        QTest::mouseClick(row(r)->contentField(), Qt::LeftButton);
        ASSERT_TRUE(vqtest::waitUntil([&] { return row(r)->contentField()->hasFocus(); }));
        QTest::keyClicks(row(r)->contentField(), text);
    }
    void pressReturn(int r) { QTest::keyClick(row(r)->contentField(), Qt::Key_Return); }

    std::unique_ptr<PersonalitySettingViewController> page;
};

// Opens on the command-word tab with its list requested (the common list is the program's); the
// hot-word tab shows editor and list side by side; a language switch re-titles everything and
// keeps the tab and a typed word.
TEST_F(PersonalityPageTest, TabsAndLanguageSwitch)
{
    ASSERT_TRUE(waitForRequests(QStringLiteral("/api/deviceCmd"), 1));
    EXPECT_EQ(requestsTo(QStringLiteral("/api/commonCmd")), 0);
    EXPECT_EQ(page->commandWordBtn()->titleColor(), QColor(12, 165, 192));
    EXPECT_FALSE(page->hotWordBtn()->isVisible());
    EXPECT_TRUE(page->commandWordView()->isVisible());
    EXPECT_FALSE(page->hotWordView()->isVisible());
    const QRect tab = page->commandWordBtn()->geometry();
    const QRect line = page->lineImageView()->geometry();
    EXPECT_EQ(line.center().x(), tab.center().x());
    EXPECT_EQ(line.top(), tab.bottom() + 1 + 6);
    render(page->view(), QStringLiteral("personality_command_words_empty"));

    page->commandWordView()->addCommandBtn()->performClick();
    QPointer<AddCommandView> editor = page->commandWordView()->editor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->geometry(), page->view()->rect());
    editor->wordTextField()->setText(QStringLiteral("typed"));
    const QStringList before = {page->commandWordBtn()->title(), page->commandWordView()->addCommandBtn()->title(),
                                editor->titleLabel()->text()};
    switchUiLanguage(2);
    const QStringList after = {page->commandWordBtn()->title(), page->commandWordView()->addCommandBtn()->title(),
                               editor->titleLabel()->text()};
    for (int i = 0; i < before.size(); ++i)
        EXPECT_NE(after[i], before[i]) << i;
    EXPECT_EQ(after[0], tr8("指令词"));
    EXPECT_EQ(after[1], tr8("+添加指令"));
    EXPECT_EQ(editor->wordTextField()->text(), QStringLiteral("typed"));
    EXPECT_EQ(page->selectedButton(), page->commandWordBtn());
    switchUiLanguage(0);
    editor->cancelBtnClicked();

    page->typeBtnClicked(page->hotWordBtn());
    EXPECT_FALSE(page->commandWordView()->isVisible());
    ASSERT_TRUE(page->hotWordView()->isVisible());
    const QRect add = page->addHotWordView()->geometry();
    const QRect list = page->hotWordListView()->geometry();
    EXPECT_TRUE(page->addHotWordView()->isVisible() && page->hotWordListView()->isVisible());
    EXPECT_LT(add.right(), list.left());
    EXPECT_EQ(add.top(), list.top());
    EXPECT_EQ(page->lineImageView()->geometry().center().x(), page->hotWordBtn()->geometry().center().x());
    render(page->view(), QStringLiteral("personality_hot_words_empty"));
}

// Rows 1 and 3 filled (3 without Return) give one "phrase" create of ["w1","w3"]; Return walks the
// rows and leaves no focus after row 10; success empties the rows and the list reads the words
// back; a failure keeps the rows; duplicates and blanks are sent as typed.
TEST_F(PersonalityPageTest, HotWordEditorSaves)
{
    page->typeBtnClicked(page->hotWordBtn());
    ASSERT_TRUE(vqtest::waitUntil([&] { return requestsTo(QStringLiteral("/api/deviceCmd")) > 0; }));
    typeInto(0, QStringLiteral("w1"));
    pressReturn(0);
    EXPECT_TRUE(row(1)->contentField()->hasFocus());
    pressReturn(1);
    EXPECT_TRUE(row(2)->contentField()->hasFocus());
    QTest::keyClicks(row(2)->contentField(), QStringLiteral("w3"));
    page->addHotWordView()->createBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([&] { return page->hotWordListView()->cellAt(0)->model().has_value(); }, 10000));
    EXPECT_EQ(sentHotWords(), QStringList{QStringLiteral("phrase||[\"w1\",\"w3\"]")});
    EXPECT_EQ(page->hotWordListView()->cellAt(0)->contentLabel()->text(), QStringLiteral("[\"w1\",\"w3\"]"));
    for (int r = 0; r < AddHotWordView::kRowCount; ++r)
        EXPECT_TRUE(row(r)->contentField()->text().isEmpty()) << r;
    EXPECT_EQ(page->addHotWordView()->dataArr(), QStringList(10, QString("")));

    typeInto(9, QStringLiteral("last"));
    pressReturn(9);
    QWidget* focus = QApplication::focusWidget();
    for (int r = 0; r < AddHotWordView::kRowCount; ++r)
        EXPECT_NE(focus, row(r)->contentField()) << r;

    struct Case {
        const char* name;
        bool refuse;
        QStringList rows;
        QString sent;
    };
    const Case table[] = {
        {"refused", true, {"a", "a", "  "}, QStringLiteral("phrase||[\"a\",\"a\",\"  \",\"last\"]")},
        {"duplicates and blanks", false, {}, QStringLiteral("phrase||[\"a\",\"a\",\"  \",\"last\"]")},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(c.name);
        refuseCreates = c.refuse ? 1 : 0;
        server.clearRequests();
        errors.clear();
        for (int r = 0; r < c.rows.size(); ++r) {
            typeInto(r, c.rows[r]);
            pressReturn(r);
        }
        page->addHotWordView()->createBtn()->performClick();
        ASSERT_TRUE(waitForRequests(QStringLiteral("/api/saveDeviceCmd"), 1));
        EXPECT_EQ(sentHotWords(), QStringList{c.sent});
        if (c.refuse) {
            ASSERT_TRUE(vqtest::waitUntil([&] { return !errors.isEmpty(); }, 10000));
            EXPECT_EQ(errors[0].first, tr8("创建失败"));
            EXPECT_EQ(row(0)->contentField()->text(), QStringLiteral("a"));
            EXPECT_EQ(row(9)->contentField()->text(), QStringLiteral("last"));
        } else {
            ASSERT_TRUE(vqtest::waitUntil([&] { return row(9)->contentField()->text().isEmpty(); }, 10000));
            EXPECT_TRUE(errors.isEmpty());
        }
    }
    render(page->view(), QStringLiteral("personality_hot_words_filled"));
}

// A hot word with quotes is deleted at once, without confirmation; the list reloads.
TEST_F(PersonalityPageTest, HotWordDeletesWithoutConfirmation)
{
    const QString quoted = QStringLiteral(R"(["it's","say \"hi\""])");
    held[QStringLiteral("SN-A")] = {item("phrase", quoted), item("text", QStringLiteral("签名"), QStringLiteral("x"))};
    page.reset();
    VQCommandViewModel::resetForTests();
    page = std::make_unique<PersonalitySettingViewController>();
    page->view()->resize(900, 640);
    page->view()->show();
    // The command list's fetch writes the table; the hot-word list follows its notification, or
    // shows the table on the next reload.
    ASSERT_TRUE(vqtest::waitUntil([&] { return page->commandWordView()->cellAt(0)->model().has_value(); }, 10000));
    page->hotWordListView()->reloadData();
    page->typeBtnClicked(page->hotWordBtn());
    ASSERT_TRUE(page->hotWordListView()->cellAt(0)->model().has_value());
    EXPECT_EQ(page->hotWordListView()->cellAt(0)->contentLabel()->text(), quoted);
    page->hotWordListView()->cellAt(0)->delBtn()->performClick();
    ASSERT_TRUE(waitForRequests(QStringLiteral("/api/deleteDeviceCmd"), 1));
    EXPECT_EQ(server.lastRequest().queryValue(QStringLiteral("customCmd")), quoted);
    ASSERT_TRUE(vqtest::waitUntil([&] { return !page->hotWordListView()->cellAt(0)->model().has_value(); }, 10000));
    EXPECT_EQ(heldWords(), QStringList{QStringLiteral("text:签名>x")});
}

} // namespace
