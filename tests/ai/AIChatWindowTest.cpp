// The native AI chat window against the stand-in "/chat": the conversation that leaves the
// program, the answer pieces in the cells, the one-question-at-a-time states, failures, the
// cells' geometry and closing. The window is rendered to renders/ai_chat_*.png.
#include "AppDelegate.h"
#include "FakeClipboard.h"
#include "QRNLocalizedString.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "VQAIContentModel.h"
#include "VQAIContentView.h"
#include "VQAIWindowController.h"
#include "VQAIWindowTool.h"
#include "VQApiConfig.h"
#include "VQButton.h"
#include "VQCrypto.h"
#include "VQHttpRequestManager.h"
#include "VQPopupWindowTool.h"
#include "VQTextField.h"
#include "VQTipWindow.h"
#include "VQUserInfoData.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

using vqtest::StandInReply;

namespace {

const QString kWaiting = QString::fromUtf8(VQAIWindowController::kWaitingText);
const QString kEnd = QString::fromLatin1(VQHttpRequestManager::kChatPieceSeparator);

// One message of a conversation as "role:content".
using Conversation = QStringList;

QByteArray pieces(const QStringList& texts)
{
    QByteArray body;
    for (const QString& text : texts) {
        body += QJsonDocument(QJsonObject{{QStringLiteral("data"), QJsonObject{{QStringLiteral("text"), text}}}})
                    .toJson(QJsonDocument::Compact);
        body += VQHttpRequestManager::kChatPieceSeparator;
    }
    return body;
}

// The answer pieces the stand-in gives a question: "<q> 1", "<q> 1 2", "<q> final" (a question
// holding "long" gets a long last piece).
QStringList answerPieces(const QString& question)
{
    QString last = QStringLiteral("%1 final").arg(question);
    if (question.contains(QStringLiteral("long")))
        last += QStringLiteral("\n").repeated(3) + QStringLiteral("长的回答 ").repeated(120);
    return {QStringLiteral("%1 1").arg(question), QStringLiteral("%1 1 2").arg(question), last};
}

class AIChatWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VQUserInfoData::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQAIWindowTool::resetForTests();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        delegate = std::make_unique<AppDelegate>();
        ASSERT_TRUE(maker.listen());
        maker.installAsMakerServices();
        // Decrypts each conversation and answers by its last question.
        maker.setResponder(QStringLiteral("/api/chat"), [this](const vqtest::StandInRequest& request) {
            const auto plain = VQCrypto::decryptChatBody(request.body);
            Conversation sent;
            for (const QJsonValue& message : QJsonDocument::fromJson(plain.value_or(QByteArray())).array())
                sent << message[QStringLiteral("role")].toString() + QLatin1Char(':')
                        + message[QStringLiteral("content")].toString();
            conversations.append(sent);
            const QString question = sent.isEmpty() ? QString() : sent.last().section(QLatin1Char(':'), 1);
            StandInReply reply = StandInReply::text(pieces(answerPieces(question)), "text/event-stream");
            if (question == u"fail500")
                reply = StandInReply::json(QJsonObject{{QStringLiteral("code"), 500},
                                                       {QStringLiteral("message"), QStringLiteral("服务繁忙")}},
                                           500);
            else if (question == u"cut")
                reply.closeMidBody = true;
            else if (question == u"empty")
                reply.body = QByteArrayLiteral(R"({"data":{}})") + VQHttpRequestManager::kChatPieceSeparator
                    + R"({"code":0})";
            else if (question.startsWith(u"slow")) {
                QStringList many;
                for (int i = 1; i <= 30; ++i)
                    many << QStringLiteral("slow piece %1").arg(i);
                reply.body = pieces(many);
            }
            reply.delayMs = question.startsWith(u"wait") || question.startsWith(u"slow") ? 400 : 0;
            return reply;
        });
    }

    void TearDown() override
    {
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQAIWindowTool::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQApiConfig::resetForTests();
        delegate.reset();
    }

    static VQAIWindowController& window() { return VQAIWindowTool::sharedInstance().aiWindow(); }
    static QString lastTip() { return VQPopupWindowTool::sharedInstance().tipWindow()->text(); }
    static QString networkError()
    {
        return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQHttpRequestManager::kNetworkErrorText));
    }

    // Asks through the field and Return; waits until the window is idle again.
    static void ask(const QString& question)
    {
        window().questionTextField()->setText(question);
        QTest::keyClick(window().questionTextField(), Qt::Key_Return);
        EXPECT_TRUE(vqtest::waitUntil([] { return !window().isRequesting(); }, 15000)) << question.toStdString();
    }

    // Every answer text the cell shows from now on, and whether send was enabled then.
    struct Shown {
        QStringList texts;
        QList<bool> sendEnabled;
    };
    static std::shared_ptr<Shown> watchAnswers(VQAIContentView* cell)
    {
        auto shown = std::make_shared<Shown>();
        auto* text = cell->answerBgView()->findChild<QTextEdit*>();
        QObject::connect(text, &QTextEdit::textChanged, cell, [shown, text] {
            const QString now = text->toPlainText();
            if (!shown->texts.isEmpty() && shown->texts.last() == now)
                return;
            shown->texts.append(now);
            shown->sendEnabled.append(window().sendBtn()->isEnabled());
        });
        return shown;
    }

    static void render(const QString& name)
    {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders")));
        EXPECT_TRUE(window().grab().save(QStringLiteral(VQ_BUILD_DIR "/renders/%1.png").arg(name)));
    }

    FakeClipboard clipboard;
    vqtest::StandInHttpServer maker;
    QList<Conversation> conversations;
    std::unique_ptr<AppDelegate> delegate;
};

TEST_F(AIChatWindowTest, SixQuestionsShowEveryPieceAndSendTheLastFiveTurns)
{
    window().show();
    for (int i = 1; i <= 6; ++i) {
        const QString question = QStringLiteral("问题%1").arg(i);
        window().questionTextField()->setText(question);
        QTest::keyClick(window().questionTextField(), Qt::Key_Return);
        ASSERT_EQ(window().cells().size(), i);
        EXPECT_TRUE(window().questionTextField()->text().isEmpty());
        const auto shown = watchAnswers(window().cells().last());
        ASSERT_TRUE(vqtest::waitUntil([] { return !window().isRequesting(); }, 15000));
        EXPECT_EQ(shown->texts, answerPieces(question)) << i;
        EXPECT_EQ(window().cells().last()->answer(), answerPieces(question).last());
    }
    ASSERT_EQ(conversations.size(), 6);
    Conversation expected;
    for (int i = 2; i <= 5; ++i)
        expected << QStringLiteral("user:问题%1").arg(i) << QStringLiteral("assistant:问题%1 final").arg(i);
    expected << QStringLiteral("user:问题6");
    EXPECT_EQ(conversations.last(), expected);
    for (const Conversation& sent : std::as_const(conversations))
        EXPECT_FALSE(sent.join(QLatin1Char('\n')).contains(kWaiting));
}

TEST_F(AIChatWindowTest, WhileWaitingOnlyCopyWorks)
{
    window().show();
    window().questionTextField()->setText(QStringLiteral("wait for me"));
    window().sendBtnClicked();
    ASSERT_EQ(window().cells().size(), 1);
    VQAIContentView* cell = window().cells().first();
    render(QStringLiteral("ai_chat_waiting"));

    EXPECT_FALSE(window().sendBtn()->isEnabled());
    EXPECT_EQ(cell->answer(), kWaiting);
    window().questionTextField()->setText(QStringLiteral("another"));
    QTest::keyClick(window().questionTextField(), Qt::Key_Return);
    cell->retryBtn()->performClick();
    window().requestChatGPT(QStringLiteral("outside"));
    EXPECT_EQ(window().cells().size(), 1);
    EXPECT_EQ(window().questionTextField()->text(), QStringLiteral("another"));

    cell->fuzhiBtn()->performClick();
    EXPECT_EQ(clipboard.content, kWaiting);
    EXPECT_EQ(lastTip(), QStringLiteral("已复制"));

    ASSERT_TRUE(vqtest::waitUntil([] { return !window().isRequesting(); }, 15000));
    EXPECT_EQ(maker.requestCount(), 1);
    EXPECT_TRUE(window().sendBtn()->isEnabled());
    cell->fuzhiBtn()->performClick();
    EXPECT_EQ(clipboard.content, QStringLiteral("wait for me final"));

    // A refused clipboard is told.
    clipboard.acceptWrites = false;
    cell->fuzhiBtn()->performClick();
    EXPECT_EQ(lastTip(), QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("复制失败")));
}

TEST_F(AIChatWindowTest, InputReturnBlanksAndRetry)
{
    window().show();
    QTest::keyClick(window().questionTextField(), Qt::Key_Return);
    window().sendBtn()->performClick();
    EXPECT_TRUE(window().cells().isEmpty());
    EXPECT_EQ(maker.requestCount(), 0);

    ask(QStringLiteral("   "));
    ask(QStringLiteral("second"));
    ASSERT_EQ(conversations.size(), 2);
    EXPECT_EQ(conversations.first(), Conversation{QStringLiteral("user:   ")});

    VQAIContentView* old = window().cells().first();
    const QString oldAnswer = old->answer();
    old->retryBtn()->performClick();
    ASSERT_TRUE(vqtest::waitUntil([] { return window().cells().size() == 3 && !window().isRequesting(); }, 15000));
    EXPECT_EQ(window().cells().last()->question(), QStringLiteral("   "));
    EXPECT_EQ(window().cells().last()->answer(), QStringLiteral("    final"));
    EXPECT_EQ(old->answer(), oldAnswer);
    EXPECT_EQ(old->question(), QStringLiteral("   "));

    // A cell without a retry action does nothing on retry.
    VQAIContentView lone;
    lone.showQuestion(QStringLiteral("q"), QStringLiteral("a"));
    lone.retryBtn()->performClick();
    EXPECT_EQ(lone.question(), QStringLiteral("q"));
    EXPECT_EQ(window().cells().size(), 3);
    EXPECT_EQ(maker.requestCount(), 3);
}

TEST_F(AIChatWindowTest, FailuresEndTheQuestionAndAreNeverSentAsAnswers)
{
    window().show();
    const struct {
        const char* question;
        QString shown;
    } failures[] = {
        {"fail500", QStringLiteral("服务繁忙")},
        {"cut", networkError()},
        {"empty", QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQHttpRequestManager::kSystemErrorText))},
    };
    for (const auto& failure : failures) {
        ask(QString::fromLatin1(failure.question));
        EXPECT_EQ(window().cells().last()->answer(), failure.shown) << failure.question;
        EXPECT_TRUE(window().sendBtn()->isEnabled()) << failure.question;
        ask(QStringLiteral("after %1").arg(QString::fromLatin1(failure.question)));
        EXPECT_EQ(window().cells().last()->answer(), QStringLiteral("after %1 final").arg(QString::fromLatin1(failure.question)));
    }
    EXPECT_EQ(conversations.last(),
              (Conversation{QStringLiteral("user:after fail500"), QStringLiteral("assistant:after fail500 final"),
                            QStringLiteral("user:cut"), QStringLiteral("user:after cut"),
                            QStringLiteral("assistant:after cut final"), QStringLiteral("user:empty"),
                            QStringLiteral("user:after empty")}));

    // The stand-in gone: refused connections end the question too.
    ask(QStringLiteral("long answer"));
    ask(QStringLiteral("short"));
    maker.close();
    ask(QStringLiteral("nobody there"));
    EXPECT_EQ(window().cells().last()->answer(), networkError());
    render(QStringLiteral("ai_chat_conversation"));

    // Every cell starts where the ones above end.
    double top = 0;
    for (VQAIContentView* cell : window().cells()) {
        EXPECT_EQ(cell->y(), top);
        top += cell->height();
    }
    EXPECT_EQ(window().contentHeight(), top);
}

TEST_F(AIChatWindowTest, SlowAnswerRightAfterAnotherKeepsSendDisabledUntilItsLastPiece)
{
    window().show();
    ask(QStringLiteral("quick"));
    window().questionTextField()->setText(QStringLiteral("slow one"));
    window().sendBtnClicked();
    VQAIContentView* cell = window().cells().last();
    const auto shown = watchAnswers(cell);
    ASSERT_TRUE(vqtest::waitUntil([] { return !window().isRequesting(); }, 15000));
    EXPECT_EQ(shown->texts.size(), 30);
    EXPECT_FALSE(shown->sendEnabled.contains(true));
    EXPECT_TRUE(window().sendBtn()->isEnabled());
    EXPECT_EQ(cell->answer(), QStringLiteral("slow piece 30"));

    ask(QStringLiteral("next"));
    const QList<VQAIContentView*> cells = window().cells();
    ASSERT_EQ(cells.size(), 3);
    EXPECT_EQ(cells.at(1)->y(), cells.at(0)->height());
    EXPECT_EQ(cells.at(2)->y(), cells.at(0)->height() + cells.at(1)->height());
}

TEST_F(AIChatWindowTest, DocumentFillsTheViewportAndFollowsTheNewestCell)
{
    window().show();
    ask(QStringLiteral("short"));
    EXPECT_EQ(window().scrollContentView()->height(), window().scrollView()->viewport()->height());
    EXPECT_EQ(window().cells().first()->y(), 0);
    EXPECT_EQ(window().cells().first()->x(), VQAIWindowController::kCellInset);

    for (int i = 0; i < 3; ++i)
        ask(QStringLiteral("long %1").arg(i));
    QScrollBar* bar = window().scrollView()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(window().scrollContentView()->height(), window().contentHeight());

    // A longer answer grows the background and the cell by the same amount.
    VQAIContentView cell;
    cell.resize(600, 10);
    cell.showQuestion(QStringLiteral("q"), QStringLiteral("short"));
    const int background = cell.answerBgView()->height();
    const double height = cell.viewHeight();
    cell.showQuestion(QStringLiteral("q"), QStringLiteral("a much longer answer ").repeated(40));
    EXPECT_GT(cell.answerBgView()->height(), background);
    EXPECT_EQ(cell.answerBgView()->height() - background, cell.viewHeight() - height);
}

TEST_F(AIChatWindowTest, ClosingKeepsTheConversation)
{
    delegate->setIsShowAIWindow(true);
    window().show();
    ask(QStringLiteral("remember me"));
    EXPECT_TRUE(window().close());
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(delegate->isShowAIWindow());
    window().show();
    ASSERT_EQ(window().cells().size(), 1);
    EXPECT_EQ(window().cells().first()->answer(), QStringLiteral("remember me final"));
    EXPECT_TRUE(window().cells().first()->isVisible());
}

} // namespace
