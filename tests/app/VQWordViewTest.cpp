#include "VQTextView.h"
#include "VQWordView.h"

#include <QScrollArea>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString longText()
{
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("这是一段很长的识别结果，用来测试文本框的高度。");
    return text;
}

TEST(VQWordViewTest, EmptyTextLeavesTheHeightAsItWas)
{
    VQWordView view;
    EXPECT_EQ(view.viewHeight(), 0);
    view.setStringValue(QString(""));
    EXPECT_EQ(view.viewHeight(), 0);
    EXPECT_EQ(view.stringValue(), QString(""));

    view.setStringValue(QStringLiteral("你好"));
    const double shortHeight = view.viewHeight();
    EXPECT_GT(shortHeight, 0);
    view.setStringValue(QString(""));
    EXPECT_EQ(view.viewHeight(), shortHeight);
    EXPECT_TRUE(view.stringValue().isEmpty());

    // A null text is "no text given": nothing changes.
    view.setStringValue(QStringLiteral("abc"));
    view.setStringValue(QString());
    EXPECT_EQ(view.stringValue(), QStringLiteral("abc"));
}

TEST(VQWordViewTest, ShortTextGetsItsOwnHeightPlusFifty)
{
    VQWordView view;
    view.setStringValue(QStringLiteral("打开浏览器"));
    const int h = view.textView()->textH();
    ASSERT_LE(h, VQWordView::maxScrollHeight);
    EXPECT_EQ(view.scrollHeight(), h);
    EXPECT_EQ(view.viewHeight(), h + 50);

    // Two lines need more room than one.
    VQWordView twoLines;
    twoLines.setStringValue(QStringLiteral("打开浏览器\n关闭浏览器"));
    EXPECT_GT(twoLines.viewHeight(), view.viewHeight());
}

TEST(VQWordViewTest, LongTextIsCappedAtTwoHundredAndScrolls)
{
    VQWordView view;
    view.resize(320, 260);
    view.setStringValue(longText());
    EXPECT_GT(view.textView()->textH(), VQWordView::maxScrollHeight);
    EXPECT_EQ(view.scrollHeight(), 200);
    EXPECT_EQ(view.viewHeight(), 250);
    EXPECT_EQ(view.scrollView()->height(), 200);
    // The whole text is in the scroll area's content, taller than the area.
    EXPECT_EQ(view.scrollView()->widget()->height(), view.textView()->textH());
}

TEST(VQTextViewTest, TextIsLaidOutAtTheMaximumWidthWhateverTheWidgetWidth)
{
    VQTextView view;
    EXPECT_EQ(view.maxWidth(), 300);
    view.resize(80, 40); // narrower than the layout width: must not change the measure
    view.setString(longText());
    const int atDefault = view.textH();
    // The shown text wraps exactly as measured.
    EXPECT_EQ(static_cast<int>(std::ceil(view.textField()->document()->size().height())) + 30, atDefault);
    view.resize(600, 40);
    EXPECT_EQ(view.textH(), atDefault);

    view.setMaxWidth(150);
    EXPECT_GT(view.textH(), atDefault);
    view.setMaxWidth(300);
    EXPECT_EQ(view.textH(), atDefault);
}

TEST(VQTextViewTest, HeightCountsLineSpacingAndFollowsTheFont)
{
    VQTextView view;
    EXPECT_EQ(view.textH(), 30); // no text: only the extra room

    view.setString(QStringLiteral("一行"));
    const int oneLine = view.textH();
    view.setString(QStringLiteral("一行\n两行"));
    const int twoLines = view.textH();
    // The second line adds its own height and at least the line spacing of 10.
    EXPECT_GE(twoLines - oneLine, QFontMetrics(view.textField()->font()).height() + VQTextView::lineSpacing - 1);
    EXPECT_EQ(view.string(), QStringLiteral("一行\n两行"));

    QFont big = view.textField()->font();
    big.setPixelSize(40);
    view.textField()->setFont(big);
    EXPECT_GT(view.textH(), twoLines);
}

} // namespace
