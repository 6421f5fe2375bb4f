// The AI chat stream: the encrypted conversation that leaves the program and the answer pieces
// that come back.
#include "NetTestFixture.h"

#include "VQChatTurn.h"
#include "VQCrypto.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using vqtest::StandInReply;

namespace {

// A chat turn as the chat window keeps it, recording every answer written into it.
class FakeTurn : public VQChatTurn {
public:
    FakeTurn(QString question, QString finalAnswer = QString())
        : m_question(std::move(question))
        , m_lastAnswer(std::move(finalAnswer))
        , m_finished(!m_lastAnswer.isNull())
    {
    }

    QString question() const override { return m_question; }
    QString lastAnswer() const override { return m_lastAnswer; }
    bool isFinished() const override { return m_finished; }
    bool hasAnswer() const override { return !m_lastAnswer.isNull(); }
    void setAnswer(const QString& answer) override
    {
        answers.append(answer);
        m_lastAnswer = answer;
    }
    void setIsFinished(bool finished) override { m_finished = finished; }

    QStringList answers;

private:
    QString m_question;
    QString m_lastAnswer;
    bool m_finished;
};

QJsonObject message(const char* role, const QString& content)
{
    return QJsonObject{{QStringLiteral("role"), QString::fromLatin1(role)}, {QStringLiteral("content"), content}};
}

QByteArray piece(const QString& text)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("data"), QJsonObject{{QStringLiteral("text"), text}}}})
               .toJson(QJsonDocument::Compact)
        + VQHttpRequestManager::kChatPieceSeparator;
}

class ChatStreamTest : public vqtest::NetTest {
protected:
    // One callback as the caller saw it.
    struct Call {
        bool success = false;
        QString data;
        bool finishedThen = false;
    };

    // Asks with the turns, the last one current; waits until the stream has ended.
    QList<Call> ask(const VQHttpRequestManager::ChatTurnList& turns, int settleMs = 150)
    {
        auto calls = std::make_shared<QList<Call>>();
        const std::shared_ptr<VQChatTurn> current = turns.last();
        manager().chatGPT(turns, current, [calls, current](const VQHttpResult& result) {
            calls->append({result.success, result.data.toString(), current->isFinished()});
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
        });
        EXPECT_TRUE(calls->isEmpty()) << "called inside the call";
        EXPECT_TRUE(vqtest::waitUntil([&] { return !calls->isEmpty() && (!calls->last().success || current->isFinished()); }));
        vqtest::spin(settleMs);
        return *calls;
    }

    void replyToChat(const StandInReply& reply) { server.setReply(api("/chat"), reply); }
};

TEST_F(ChatStreamTest, BodyDecryptsToTheLastFiveTurnsOldestFirst)
{
    VQHttpRequestManager::ChatTurnList turns;
    for (int i = 1; i <= 6; ++i)
        turns.append(std::make_shared<FakeTurn>(QStringLiteral("问题 %1").arg(i), QStringLiteral("answer \"%1\"").arg(i)));
    turns.append(std::make_shared<FakeTurn>(QStringLiteral("current & last?")));
    replyToChat(StandInReply::text(piece(QStringLiteral("ok")), "text/event-stream"));

    ask(turns);

    ASSERT_EQ(server.requestCount(), 1);
    const vqtest::StandInRequest request = server.lastRequest();
    EXPECT_TRUE(request.accepted()) << request.rejection.toStdString();
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, api("/chat"));
    EXPECT_EQ(request.header("Accept"), "text/event-stream");
    EXPECT_EQ(request.header("Content-Type"), "application/json");

    const auto plain = VQCrypto::decryptChatBody(request.body);
    ASSERT_TRUE(plain.has_value());
    const QJsonArray expected{message("user", QStringLiteral("问题 3")), message("assistant", QStringLiteral("answer \"3\"")),
                              message("user", QStringLiteral("问题 4")), message("assistant", QStringLiteral("answer \"4\"")),
                              message("user", QStringLiteral("问题 5")), message("assistant", QStringLiteral("answer \"5\"")),
                              message("user", QStringLiteral("问题 6")), message("assistant", QStringLiteral("answer \"6\"")),
                              message("user", QStringLiteral("current & last?"))};
    EXPECT_EQ(QJsonDocument::fromJson(*plain).array(), expected);
}

TEST_F(ChatStreamTest, UnfinishedEarlierTurnsSendOnlyTheirQuestion)
{
    const VQHttpRequestManager::ChatTurnList turns{std::make_shared<FakeTurn>(QStringLiteral("a")),
                                                   std::make_shared<FakeTurn>(QStringLiteral("b"), QStringLiteral("B")),
                                                   std::make_shared<FakeTurn>(QStringLiteral("c"))};
    const QJsonArray expected{message("user", QStringLiteral("a")), message("user", QStringLiteral("b")),
                              message("assistant", QStringLiteral("B")), message("user", QStringLiteral("c"))};
    EXPECT_EQ(QJsonDocument::fromJson(VQHttpRequestManager::chatRequestJson(turns)).array(), expected);
}

TEST_F(ChatStreamTest, StreamedReplyUpdatesTheAnswerPieceByPieceThenFinishes)
{
    const QByteArray body = piece(QStringLiteral("你")) + piece(QStringLiteral("你好"))
        + QByteArray("not json") + VQHttpRequestManager::kChatPieceSeparator
        + QByteArray("{\"data\":{\"other\":1}}") + VQHttpRequestManager::kChatPieceSeparator
        + piece(QStringLiteral("你好，世界")) + QByteArray("{\"data\":{\"text\":\"cut of");
    StandInReply reply = StandInReply::text(body, "text/event-stream");
    reply.trickleMs = 1; // the stream arrives in many small reads
    replyToChat(reply);
    auto current = std::make_shared<FakeTurn>(QStringLiteral("hi"));

    const QList<Call> calls = ask({current});

    ASSERT_EQ(calls.size(), 4);
    const QStringList pieces{QStringLiteral("你"), QStringLiteral("你好"), QStringLiteral("你好，世界")};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(calls.at(i).success);
        EXPECT_EQ(calls.at(i).data, pieces.at(i));
        EXPECT_FALSE(calls.at(i).finishedThen) << "finished before the last piece";
    }
    EXPECT_TRUE(calls.at(3).success);
    EXPECT_TRUE(calls.at(3).finishedThen);
    EXPECT_EQ(current->answers, pieces);
    EXPECT_TRUE(current->isFinished());
}

TEST_F(ChatStreamTest, ReplyWithoutAnyAnswerTextOnlyFinishes)
{
    replyToChat(StandInReply::text("", "text/event-stream"));
    auto current = std::make_shared<FakeTurn>(QStringLiteral("hi"));
    const QList<Call> calls = ask({current});
    ASSERT_EQ(calls.size(), 1);
    EXPECT_TRUE(calls.at(0).success);
    EXPECT_TRUE(current->isFinished());
    EXPECT_TRUE(current->answers.isEmpty());
}

TEST_F(ChatStreamTest, ErrorStatusIsOneFailureAndNoAnswer)
{
    StandInReply reply = StandInReply::text(piece(QStringLiteral("should not show")), "text/event-stream");
    reply.status = 500;
    replyToChat(reply);
    auto current = std::make_shared<FakeTurn>(QStringLiteral("hi"));
    const QList<Call> calls = ask({current});
    ASSERT_EQ(calls.size(), 1);
    EXPECT_FALSE(calls.at(0).success);
    EXPECT_FALSE(current->isFinished());
    EXPECT_TRUE(current->answers.isEmpty());
}

TEST_F(ChatStreamTest, TransportFailureIsOneFailureWithTheNetworkText)
{
    StandInReply reply = StandInReply::text(piece(QStringLiteral("half")) + piece(QStringLiteral("whole")),
                                            "text/event-stream");
    reply.closeMidBody = true;
    replyToChat(reply);
    auto current = std::make_shared<FakeTurn>(QStringLiteral("hi"));
    auto calls = std::make_shared<QList<VQHttpResult>>();
    manager().chatGPT({current}, current, [calls](const VQHttpResult& result) { calls->append(result); });
    ASSERT_TRUE(vqtest::waitUntil([&] { return !calls->isEmpty(); }));
    vqtest::spin(100);
    ASSERT_EQ(calls->size(), 1);
    EXPECT_FALSE(calls->at(0).success);
    EXPECT_EQ(calls->at(0).failure, VQHttpResult::Failure::Transport);
    EXPECT_EQ(calls->at(0).message, networkErrorText());
    EXPECT_FALSE(current->isFinished());
}

} // namespace
