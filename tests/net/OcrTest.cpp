// Image text recognition: the multipart upload and how the word list comes back.
#include "NetTestFixture.h"

#include "VQLanguageManager.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

using vqtest::StandInReply;

namespace {

class OcrTest : public vqtest::NetTest {
protected:
    void SetUp() override
    {
        NetTest::SetUp();
        VQLanguageManager::resetForTests();
        VQLanguageManager& languages = VQLanguageManager::sharedInstance();
        languages.setScreenshotsTranslateFromLanguageArray(
            {QVariantMap{{QStringLiteral("code"), QStringLiteral("EN_US")}},
             QVariantMap{{QStringLiteral("code"), QStringLiteral("JA_JP")}}});
        languages.setScreenshotsFromTag(1);
    }

    void TearDown() override
    {
        VQLanguageManager::resetForTests();
        NetTest::TearDown();
    }

    static QByteArray png()
    {
        QImage image(8, 4, QImage::Format_RGB32);
        image.fill(Qt::white);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

    VQHttpResult recognise(const QByteArray& image)
    {
        auto outcome = std::make_shared<Outcome>();
        manager().doubleMonkeyOcrWithBase64ImageData(image, recorder(outcome));
        EXPECT_EQ(outcome->calls, 0);
        EXPECT_TRUE(vqtest::waitUntil([&] { return outcome->calls > 0; }));
        vqtest::spin(30);
        EXPECT_EQ(outcome->calls, 1);
        EXPECT_TRUE(outcome->onMainThread);
        return outcome->result;
    }

    void replyToOcr(const StandInReply& reply) { server.setReply(api("/ocr"), reply); }
};

TEST_F(OcrTest, UploadsTheImageAsAMultipartFormWithTheLanguage)
{
    const QByteArray image = png();
    replyToOcr(StandInReply::api(QJsonObject{{QStringLiteral("words"), QJsonArray{}}}));

    const VQHttpResult result = recognise(image);

    ASSERT_EQ(server.requestCount(), 1);
    const vqtest::StandInRequest request = server.lastRequest();
    EXPECT_TRUE(request.accepted()) << request.rejection.toStdString();
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.path, api("/ocr"));
    EXPECT_TRUE(request.header("Content-Type").startsWith("multipart/form-data"));
    EXPECT_TRUE(request.header("Accept").contains("application/json"));
    ASSERT_EQ(request.parts.size(), 2);
    EXPECT_EQ(request.parts.at(0).name, QStringLiteral("language"));
    EXPECT_EQ(request.parts.at(0).data, "JA_JP");
    const vqtest::StandInPart* file = request.part(QStringLiteral("file"));
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{10,}\\.png$")).match(file->fileName).hasMatch())
        << file->fileName.toStdString();
    EXPECT_EQ(file->contentType, "image/png");
    EXPECT_EQ(file->data, image);

    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.data.toString(), QString());
}

TEST_F(OcrTest, WordsComeBackJoinedByLineBreaksInOrder)
{
    replyToOcr(StandInReply::api(QJsonObject{
        {QStringLiteral("words"),
         QJsonArray{QJsonObject{{QStringLiteral("text"), QStringLiteral("第一行")}},
                    QJsonObject{{QStringLiteral("text"), QStringLiteral("line two & more")}},
                    QJsonObject{{QStringLiteral("confidence"), 0.5}},
                    QJsonObject{{QStringLiteral("text"), QStringLiteral("3")}}}}}));
    const VQHttpResult result = recognise(png());
    ASSERT_TRUE(result.success);
    EXPECT_EQ(result.data.toString(), QStringLiteral("第一行\nline two & more\n3"));
}

TEST_F(OcrTest, DataWithoutAWordListGivesTheEmptyText)
{
    replyToOcr(StandInReply::api(QJsonObject{{QStringLiteral("words"), QStringLiteral("not a list")}}));
    const VQHttpResult result = recognise(png());
    ASSERT_TRUE(result.success);
    EXPECT_TRUE(result.data.isString());
    EXPECT_EQ(result.data.toString(), QString());
}

TEST_F(OcrTest, ReplyWithoutDataObjectFailsAndCarriesTheWholeReply)
{
    replyToOcr(StandInReply::api(QStringLiteral("quota exceeded"), 429, QStringLiteral("次数不足")));
    const VQHttpResult result = recognise(png());
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.message, systemErrorText());
    EXPECT_EQ(result.data.toObject().value(QStringLiteral("data")).toString(), QStringLiteral("quota exceeded"));
}

// The reply's shape and its code decide; a failure never shows the server's message, which may
// well say "ok".
TEST_F(OcrTest, ShapeAndCodeDecideAndAFailureShowsTheClientsText)
{
    const QJsonObject words{{QStringLiteral("words"), QJsonArray{QJsonObject{{QStringLiteral("text"), QStringLiteral("hi")}}}}};
    const auto envelope = [](const QJsonValue& code, const QJsonValue& data) {
        QJsonObject reply{{QStringLiteral("message"), QStringLiteral("ok")}, {QStringLiteral("data"), data}};
        if (!code.isUndefined())
            reply.insert(QStringLiteral("code"), code);
        return reply;
    };
    const struct {
        const char* name;
        QJsonObject reply;
        int httpStatus;
        bool success;
    } cases[] = {
        {"text data marked ok", envelope(200, QStringLiteral("hello")), 200, false},
        {"words behind HTTP 500 marked ok", envelope(200, words), 500, false},
        {"words marked 401", envelope(401, words), 200, false},
        {"words marked with a text code", envelope(QStringLiteral("200"), words), 200, true},
        {"words without a code", envelope(QJsonValue::Undefined, words), 200, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        replyToOcr(StandInReply::json(c.reply, c.httpStatus));
        const VQHttpResult result = recognise(png());
        EXPECT_EQ(result.success, c.success);
        if (c.success)
            EXPECT_EQ(result.data.toString(), QStringLiteral("hi"));
        else
            EXPECT_EQ(result.message, systemErrorText());
    }
}

// A server that takes the upload and never answers: the user hears of it once the recognition's
// time-out has passed.
TEST_F(OcrTest, AnUnansweredRecognitionGivesUpAtItsTimeOut)
{
    constexpr int kTimeoutMs = 300;
    manager().setOcrTimeoutForTests(kTimeoutMs);
    StandInReply silent = StandInReply::api(QJsonObject{});
    silent.delayMs = 60000;
    replyToOcr(silent);
    QElapsedTimer clock;
    clock.start();
    auto outcome = std::make_shared<Outcome>();
    manager().doubleMonkeyOcrWithBase64ImageData(png(), recorder(outcome));
    ASSERT_TRUE(vqtest::waitUntil([&] { return outcome->calls > 0; }, 15000));
    EXPECT_GE(clock.elapsed(), kTimeoutMs * 95 / 100);
    EXPECT_FALSE(outcome->result.success);
    EXPECT_EQ(outcome->result.failure, VQHttpResult::Failure::TimedOut);
    EXPECT_EQ(outcome->result.message, networkErrorText());
}

TEST_F(OcrTest, BrokenAnswersFailWithAClearMessage)
{
    replyToOcr(StandInReply::html(500, "<html>oops</html>"));
    VQHttpResult result = recognise(png());
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.message, systemErrorText());

    replyToOcr(StandInReply::text("words: none"));
    result = recognise(png());
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.message, systemErrorText());

    server.close();
    result = recognise(png());
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.failure, VQHttpResult::Failure::Transport);
    EXPECT_EQ(result.message, networkErrorText());
}

} // namespace
