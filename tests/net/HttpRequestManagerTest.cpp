// The HTTP client against the stand-in: encoding, the ways a request fails, where and when
// callbacks arrive, the main thread's responsiveness, and what the log may hold.
#include "NetTestFixture.h"

#include "MMLog.h"
#include "VQAddCommandScene.h"
#include "VQCheckNetWorkScene.h"
#include "VQCommonCmdListScene.h"
#include "VQLoginScene.h"
#include "VQTranslateScene.h"
#include "VQUserInfoScene.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QTimer>

#include <thread>

using vqtest::StandInReply;

namespace {

class HttpRequestManagerTest : public vqtest::NetTest {
protected:
    // A translation request carrying the text, answered by the stand-in as set.
    static VQTranslateScene translation(const QString& text, int timeoutMs = VQNetBaseScene::kDefaultTimeoutMs)
    {
        VQTranslateScene scene;
        scene.setFromLanguage(QStringLiteral("ZH_CN"));
        scene.setToLanguage(QStringLiteral("EN_US"));
        scene.setText(text);
        scene.setTimeoutMs(timeoutMs);
        return scene;
    }

    void replyToTranslation(const StandInReply& reply) { server.setReply(api("/translate"), reply); }

    static void expectFailure(const VQHttpResult& result, VQHttpResult::Failure failure, const QString& message)
    {
        EXPECT_FALSE(result.success);
        EXPECT_EQ(result.failure, failure);
        EXPECT_EQ(result.message, message);
        EXPECT_FALSE(result.message.trimmed().isEmpty());
        EXPECT_FALSE(result.errorDomain.isEmpty());
    }
};

// ---- Encoding ----

TEST_F(HttpRequestManagerTest, QueryValuesArriveByteIdenticalWhateverTheyHold)
{
    const QStringList texts{QStringLiteral("A & B=C+D #中文"), QStringLiteral("100% sure?/yes"),
                            QStringLiteral("emoji 😀 and \"quotes\" 'single'"), QStringLiteral("line\nbreak\ttab"),
                            QStringLiteral("%20 is not a blank"), QString()};
    for (const QString& text : texts) {
        server.clearRequests();
        const VQHttpResult result = send(translation(text));
        EXPECT_TRUE(result.success);
        ASSERT_EQ(server.requestCount(), 1);
        EXPECT_EQ(server.lastRequest().queryValue(QStringLiteral("text")), text) << text.toStdString();
        EXPECT_EQ(server.lastRequest().query.size(), 4) << "a \"&\" or \"#\" split the query: " << text.toStdString();
    }
}

TEST_F(HttpRequestManagerTest, FormBodiesAreEncodedAsStrictlyAsQueries)
{
    VQCommonCmdListScene scene;
    scene.setMyParameters({{QStringLiteral("note"), QStringLiteral("a+b=c&d #e")}});
    const VQHttpResult result = send(scene);
    EXPECT_TRUE(result.success);
    EXPECT_EQ(server.lastRequest().formValue(QStringLiteral("note")), QStringLiteral("a+b=c&d #e"));
    EXPECT_TRUE(server.lastRequest().body.endsWith("&note=a%2Bb%3Dc%26d%20%23e"));
}

TEST_F(HttpRequestManagerTest, CallersValuesOfOtherTypesAreSentAsText)
{
    VQAddCommandScene scene;
    scene.setMyParameters({{QStringLiteral("customName"), true},
                           {QStringLiteral("customCmd"), QVariant()},
                           {QStringLiteral("cmdType"), 2.5}});
    send(scene);
    EXPECT_EQ(server.lastRequest().queryValue(QStringLiteral("customName")), QStringLiteral("1"));
    EXPECT_EQ(server.lastRequest().queryValue(QStringLiteral("customCmd")), QString());
    EXPECT_EQ(server.lastRequest().queryValue(QStringLiteral("cmdType")), QStringLiteral("2.5"));
}

// ---- Reading the reply ----

TEST_F(HttpRequestManagerTest, StatusGivenAsTextCountsAndMissingDataIsUndefined)
{
    replyToTranslation(StandInReply::json(QJsonObject{{QStringLiteral("code"), QStringLiteral("200")},
                                                      {QStringLiteral("message"), QStringLiteral("ok")}}));
    const VQHttpResult result = send(translation(QStringLiteral("x")));
    EXPECT_TRUE(result.success);
    EXPECT_TRUE(result.data.isUndefined());
    EXPECT_EQ(result.message, QStringLiteral("ok"));
    EXPECT_EQ(result.statusCode, 200);
}

TEST_F(HttpRequestManagerTest, ReplyWithoutTheSuccessCodeFailsWithItsMessage)
{
    replyToTranslation(StandInReply::api(QJsonObject{{QStringLiteral("transText"), QStringLiteral("no")}}, 500,
                                         QStringLiteral("设备不存在")));
    const VQHttpResult result = send(translation(QStringLiteral("x")));
    expectFailure(result, VQHttpResult::Failure::Rejected, QStringLiteral("设备不存在"));
    EXPECT_EQ(result.statusCode, 500);
    EXPECT_EQ(result.errorCode, 500);
    EXPECT_EQ(result.errorDomain, QStringLiteral("设备不存在"));
    EXPECT_EQ(result.httpStatus, 200);
    EXPECT_TRUE(result.data.toObject().contains(QStringLiteral("data"))) << "the whole reply travels with the failure";
}

TEST_F(HttpRequestManagerTest, ReplyWithoutStatusOrMessageFailsWithSystemError)
{
    const QList<QJsonObject> replies{
        QJsonObject{{QStringLiteral("data"), QJsonObject()}},
        QJsonObject{{QStringLiteral("code"), 1}},
        QJsonObject{{QStringLiteral("code"), 1}, {QStringLiteral("message"), QStringLiteral("   ")}},
        QJsonObject{{QStringLiteral("code"), 200.5}, {QStringLiteral("message"), QJsonValue()}},
    };
    for (const QJsonObject& reply : replies) {
        replyToTranslation(StandInReply::json(reply));
        const VQHttpResult result = send(translation(QStringLiteral("x")));
        expectFailure(result, VQHttpResult::Failure::Rejected, systemErrorText());
    }
}

TEST_F(HttpRequestManagerTest, AnswersThatAreNotAJsonObjectFailWithSystemError)
{
    const QList<StandInReply> replies{
        StandInReply::text("Service temporarily unavailable"),
        StandInReply::json(QJsonArray{1, 2}),
        StandInReply::text("", "application/json"),
        StandInReply::text("{\"code\":200,\"data\":", "application/json"),
    };
    for (const StandInReply& reply : replies) {
        replyToTranslation(reply);
        const VQHttpResult result = send(translation(QStringLiteral("x")));
        expectFailure(result, VQHttpResult::Failure::BadReply, systemErrorText());
        EXPECT_EQ(result.httpStatus, 200);
    }
}

TEST_F(HttpRequestManagerTest, ServerErrorWithAnHtmlPageFailsWithSystemError)
{
    replyToTranslation(StandInReply::html(500, "<html><body><h1>500 Internal Server Error</h1></body></html>"));
    const VQHttpResult result = send(translation(QStringLiteral("x")));
    expectFailure(result, VQHttpResult::Failure::BadReply, systemErrorText());
    EXPECT_EQ(result.httpStatus, 500);
}

TEST_F(HttpRequestManagerTest, ErrorStatusFailsEvenWhenTheBodyClaimsSuccess)
{
    StandInReply reply = StandInReply::api(QJsonObject(), 200, QStringLiteral("success"));
    reply.status = 502;
    replyToTranslation(reply);
    const VQHttpResult result = send(translation(QStringLiteral("x")));
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.failure, VQHttpResult::Failure::BadReply);
    EXPECT_EQ(result.httpStatus, 502);
}

TEST_F(HttpRequestManagerTest, UnknownPathAnsweredWithAnHtmlPageFailsWithSystemError)
{
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::AccountApi, server.url(QStringLiteral("/nowhere/")));
    VQUserInfoScene scene;
    scene.setToken(QStringLiteral("t"));
    const VQHttpResult result = send(scene);
    expectFailure(result, VQHttpResult::Failure::BadReply, systemErrorText());
    EXPECT_EQ(result.httpStatus, 404);
    EXPECT_FALSE(server.lastRequest().accepted());
}

// ---- Transport failures ----

TEST_F(HttpRequestManagerTest, ConnectionRefusedFailsWithTheNetworkText)
{
    server.close();
    const VQHttpResult result = send(translation(QStringLiteral("x")));
    expectFailure(result, VQHttpResult::Failure::Transport, networkErrorText());
    EXPECT_EQ(result.errorDomain, QString::fromLatin1(VQHttpResult::kTransportErrorDomain));
    EXPECT_EQ(result.errorCode, QNetworkReply::ConnectionRefusedError);
    EXPECT_EQ(result.httpStatus, 0);
}

TEST_F(HttpRequestManagerTest, SilentServerTimesOutWithinTheScenesTimeOut)
{
    StandInReply reply = StandInReply::api(QJsonObject());
    reply.delayMs = 3000;
    replyToTranslation(reply);
    QElapsedTimer clock;
    clock.start();
    const VQHttpResult result = send(translation(QStringLiteral("x"), 300));
    expectFailure(result, VQHttpResult::Failure::TimedOut, networkErrorText());
    EXPECT_EQ(result.errorCode, QNetworkReply::TimeoutError);
    EXPECT_LT(clock.elapsed(), 2000);
}

TEST_F(HttpRequestManagerTest, AnswerTricklingPastTheTimeOutFails)
{
    StandInReply reply = StandInReply::api(QJsonObject{{QStringLiteral("pad"), QString(200, QLatin1Char('x'))}});
    reply.trickleMs = 20; // about five seconds for the whole body, a byte at a time
    replyToTranslation(reply);
    QElapsedTimer clock;
    clock.start();
    const VQHttpResult result = send(translation(QStringLiteral("x"), 400));
    expectFailure(result, VQHttpResult::Failure::TimedOut, networkErrorText());
    EXPECT_LT(clock.elapsed(), 2500);
}

TEST_F(HttpRequestManagerTest, ConnectionClosedMidReplyFails)
{
    StandInReply reply = StandInReply::api(QJsonObject{{QStringLiteral("transText"), QStringLiteral("never whole")}});
    reply.closeMidBody = true;
    replyToTranslation(reply);
    const VQHttpResult result = send(translation(QStringLiteral("x")));
    expectFailure(result, VQHttpResult::Failure::Transport, networkErrorText());
}

TEST_F(HttpRequestManagerTest, NetworkKnownDownSendsNothingAndCallsBackLater)
{
    manager().setNetworkDownCheckForTests([] { return true; });
    const VQHttpResult scene = send(VQCheckNetWorkScene());
    expectFailure(scene, VQHttpResult::Failure::NetworkDown, networkErrorText());

    auto ocr = std::make_shared<Outcome>();
    manager().doubleMonkeyOcrWithBase64ImageData(QByteArray("png"), recorder(ocr));
    EXPECT_EQ(ocr->calls, 0);
    ASSERT_TRUE(vqtest::waitUntil([&] { return ocr->calls == 1; }));
    expectFailure(ocr->result, VQHttpResult::Failure::NetworkDown, networkErrorText());

    vqtest::spin(100);
    EXPECT_EQ(server.requestCount(), 0);
}

// ---- Threads and responsiveness ----

TEST_F(HttpRequestManagerTest, RequestFromAnotherThreadCallsBackOnTheMainThread)
{
    const VQCheckNetWorkScene scene;
    auto outcome = std::make_shared<Outcome>();
    std::thread worker([&] { manager().httpRequestWithScene(scene, recorder(outcome)); });
    worker.join();
    ASSERT_TRUE(vqtest::waitUntil([&] { return outcome->calls == 1; }));
    EXPECT_TRUE(outcome->result.success);
    EXPECT_TRUE(outcome->onMainThread);
    EXPECT_EQ(server.requestCount(), 1);
}

// A scene that notes the threads its parameters are read on.
class ThreadNotingScene : public VQNetBaseScene {
public:
    static constexpr char kPath[] = "/threaded";

    ThreadNotingScene()
        : VQNetBaseScene("ThreadNotingScene", VQApiConfig::Endpoint::Api, kPath, Method::Get, ResultType::DataMember)
    {
        useCommonDeviceParameters();
    }

    std::shared_ptr<QList<QThread*>> readOn = std::make_shared<QList<QThread*>>();

protected:
    ParameterList sceneParameters() const override
    {
        readOn->append(QThread::currentThread());
        return {{QStringLiteral("text"), QStringLiteral("from a worker")}};
    }
};

TEST_F(HttpRequestManagerTest, SceneHandedOverByAWorkerThreadIsBuiltOnTheMainThread)
{
    server.setReply(api(ThreadNotingScene::kPath), StandInReply::api(QStringLiteral("done")));
    auto outcome = std::make_shared<Outcome>();
    auto readOn = std::make_shared<QList<QThread*>>();
    QThread* worker = QThread::create([&, outcome, readOn] {
        ThreadNotingScene scene; // made and dropped on the worker
        scene.readOn = readOn;
        manager().httpRequestWithScene(scene, recorder(outcome));
    });
    worker->start();
    ASSERT_TRUE(vqtest::waitUntil([&] { return worker->isFinished(); }));
    delete worker;
    ASSERT_TRUE(vqtest::waitUntil([&] { return outcome->calls == 1; }));
    EXPECT_TRUE(outcome->result.success);
    EXPECT_EQ(outcome->result.data.toString(), QStringLiteral("done"));
    EXPECT_TRUE(outcome->onMainThread);
    ASSERT_FALSE(readOn->isEmpty());
    for (QThread* thread : *readOn)
        EXPECT_EQ(thread, qApp->thread()) << "the request was built off the main thread";
    const vqtest::StandInRequest request = server.lastRequest();
    EXPECT_EQ(request.queryValue(QStringLiteral("text")), QStringLiteral("from a worker"));
    EXPECT_EQ(request.queryValue(QStringLiteral("sn")), QString::fromLatin1(kSn));
}

TEST_F(HttpRequestManagerTest, SlowRequestNeverStallsTheMainThread)
{
    StandInReply reply = StandInReply::api(QJsonObject{{QStringLiteral("transText"), QStringLiteral("late")}});
    reply.delayMs = 700;
    replyToTranslation(reply);

    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestGap = std::max(longestGap, now - last);
        last = now;
        ++ticks;
    });
    ticker.start(10);

    auto outcome = std::make_shared<Outcome>();
    manager().httpRequestWithScene(translation(QStringLiteral("x")), recorder(outcome));
    ASSERT_TRUE(vqtest::waitUntil([&] { return outcome->calls == 1; }));
    ticker.stop();

    EXPECT_TRUE(outcome->result.success);
    EXPECT_GE(clock.elapsed(), 700);
    EXPECT_GT(ticks, 30);
    EXPECT_LE(longestGap, 50) << "the main thread stalled for " << longestGap << " ms";
}

// ---- Logging ----

TEST_F(HttpRequestManagerTest, LogNeverHoldsPasswordsTokensOrAccountQueries)
{
    QTemporaryDir logs;
    ASSERT_TRUE(logs.isValid());
    ASSERT_TRUE(mm::setupLogging(logs.path()));

    const QString password = QStringLiteral("Pw-Secret-981");
    const QString token = QStringLiteral("tok-XYZ-secret");
    server.setReply(account("login"),
                    StandInReply::account(QJsonObject{{QStringLiteral("token"), token},
                                                      {QStringLiteral("password"), password}}));
    VQLoginScene login;
    login.setAccount(QStringLiteral("someone@mail.com"));
    login.setPassword(password);
    EXPECT_TRUE(send(login).success);

    // A refused answer and a broken answer are logged on failure; neither may leak.
    server.setReply(account("memberInfo"), StandInReply::text("token=" + token.toUtf8() + " invalid"));
    VQUserInfoScene info;
    info.setToken(token);
    EXPECT_FALSE(send(info).success);
    server.setReply(account("login"), StandInReply::html(500, "<html>" + password.toUtf8() + "</html>"));
    EXPECT_FALSE(send(login).success);

    mm::flushLogs();
    QString everything;
    QDirIterator it(logs.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        everything += QString::fromUtf8(file.readAll());
    }
    mm::setupLogging(mm::defaultLogDirectory());

    EXPECT_TRUE(everything.contains(QStringLiteral("VQLoginScene"))) << "the requests were not logged at all";
    EXPECT_FALSE(everything.contains(password));
    EXPECT_FALSE(everything.contains(token));
    EXPECT_FALSE(everything.contains(QStringLiteral("someone")));
    EXPECT_FALSE(everything.contains(QStringLiteral("account=")));
}

} // namespace
