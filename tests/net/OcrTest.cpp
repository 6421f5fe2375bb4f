// Image text recognition: the multipart upload and how the word list comes back.
#include "NetTestFixture.h"

#include "VQLanguageManager.h"

#include <QBuffer>
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
    EXPECT_EQ(result.message, QStringLiteral("次数不足"));
    EXPECT_EQ(result.data.toObject().value(QStringLiteral("data")).toString(), QStringLiteral("quota exceeded"));
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
