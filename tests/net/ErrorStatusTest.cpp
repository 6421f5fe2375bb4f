// Answers with an HTTP error status: the server's answer reaches the caller on every path
// (scenes, text recognition, chat); only a request that got no answer is a network failure.
#include "NetTestFixture.h"

#include "VQChatTurn.h"
#include "VQTranslateScene.h"

#include <QBuffer>
#include <QImage>
#include <QJsonObject>

using vqtest::StandInReply;

namespace {

class QuestionTurn : public VQChatTurn {
public:
    QString question() const override { return QStringLiteral("hello?"); }
    QString lastAnswer() const override { return m_answer; }
    bool isFinished() const override { return m_finished; }
    bool hasAnswer() const override { return !m_answer.isNull(); }
    void setAnswer(const QString& answer) override { m_answer = answer; }
    void setIsFinished(bool finished) override { m_finished = finished; }

private:
    QString m_answer;
    bool m_finished = false;
};

QByteArray png()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

using Start = std::function<void(const VQHttpRequestManager::Callback&)>;

class ErrorStatusTest : public vqtest::NetTest {
protected:
    VQHttpResult run(const Start& start)
    {
        auto outcome = std::make_shared<Outcome>();
        start(recorder(outcome));
        EXPECT_TRUE(vqtest::waitUntil([&] { return outcome->calls > 0; })) << "no callback";
        vqtest::spin(20);
        EXPECT_EQ(outcome->calls, 1);
        return outcome->result;
    }
};

struct Path {
    const char* name;
    const char* route;
    Start start;
    bool showsServerMessage; // text recognition shows the client's own text on a failure
};

std::vector<Path> everyPath()
{
    using Callback = VQHttpRequestManager::Callback;
    auto& manager = VQHttpRequestManager::sharedInstance();
    return {
        {"scene", "/translate",
         [&manager](const Callback& callback) {
             VQTranslateScene scene;
             scene.setFromLanguage(QStringLiteral("ZH_CN"));
             scene.setToLanguage(QStringLiteral("EN_US"));
             scene.setText(QStringLiteral("x"));
             manager.httpRequestWithScene(scene, callback);
         },
         true},
        {"ocr", "/ocr", [&manager](const Callback& callback) { manager.doubleMonkeyOcrWithBase64ImageData(png(), callback); },
         false},
        {"chat", "/chat",
         [&manager](const Callback& callback) {
             auto turn = std::make_shared<QuestionTurn>();
             manager.chatGPT({turn}, turn, callback);
         },
         true},
    };
}

TEST_F(ErrorStatusTest, EveryStatusThatArrivedIsTheServersAnswerOnEveryPath)
{
    const std::vector<Path> paths = everyPath();
    // 400 and 418 are mapped by Qt to a protocol error, 407 to a proxy error, 401 to an
    // authentication error: all of them are answers.
    const int statuses[] = {400, 401, 403, 404, 405, 407, 409, 410, 418, 422, 429, 500, 501, 502, 503, 504};

    for (const Path& path : paths) {
        for (int status : statuses) {
            SCOPED_TRACE(std::string(path.name) + " HTTP " + std::to_string(status));
            const QString message = QStringLiteral("refused %1").arg(status);
            server.setReply(api(path.route), StandInReply::json(
                                                 QJsonObject{{QStringLiteral("code"), status},
                                                             {QStringLiteral("message"), message},
                                                             {QStringLiteral("data"), QJsonObject()}},
                                                 status));
            const VQHttpResult result = run(path.start);
            EXPECT_FALSE(result.success);
            EXPECT_NE(result.failure, VQHttpResult::Failure::Transport);
            EXPECT_NE(result.failure, VQHttpResult::Failure::TimedOut);
            EXPECT_EQ(result.httpStatus, status);
            EXPECT_EQ(result.message, path.showsServerMessage ? message : systemErrorText());
            EXPECT_NE(result.errorDomain, QString::fromLatin1(VQHttpResult::kTransportErrorDomain));
            EXPECT_EQ(result.data.toObject().value(QStringLiteral("message")).toString(), message)
                << "the body of the answer must reach the caller";
        }
    }

    // Without an answer it stays a network failure.
    server.close();
    for (const Path& path : paths) {
        SCOPED_TRACE(path.name);
        const VQHttpResult result = run(path.start);
        EXPECT_EQ(result.failure, VQHttpResult::Failure::Transport);
        EXPECT_EQ(result.message, networkErrorText());
        EXPECT_EQ(result.httpStatus, 0);
    }
}

// A server that answers with megabytes or redirects for ever: the request ends with a failure
// after reading at most the limit and following at most kMaxRedirects redirects.
TEST_F(ErrorStatusTest, HugeAnswersAndRedirectLoopsFailOnEveryPath)
{
    const QByteArray huge = "{\"code\":200,\"message\":\"ok\",\"data\":\"" + QByteArray(VQHttpRequestManager::kAnswerLimitBytes + 1024, 'x') + "\"}";
    for (const Path& path : everyPath()) {
        SCOPED_TRACE(path.name);
        server.setReply(api(path.route), StandInReply::text(huge, "application/json"));
        VQHttpResult result = run(path.start);
        EXPECT_FALSE(result.success);
        EXPECT_EQ(result.failure, VQHttpResult::Failure::BadReply);
        EXPECT_EQ(result.message, systemErrorText());
        StandInReply redirect;
        redirect.status = 302;
        redirect.location = server.url(api(path.route)).toUtf8();
        server.setReply(api(path.route), redirect);
        server.clearRequests();
        result = run(path.start);
        EXPECT_FALSE(result.success);
        EXPECT_LE(server.requestCount(), 1 + VQHttpRequestManager::kMaxRedirects);
        EXPECT_GE(server.requestCount(), 2) << "the redirect was not followed at all";
    }
}

} // namespace
