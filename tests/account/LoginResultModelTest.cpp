#include "VQLoginResultModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// Each row: the reply's data as JSON text, and what the record answers.
struct ModelCase {
    const char* data;
    bool record;
    const char* expiredTime; // nullptr: unset
    const char* idStr;
    bool hasToken;
};

QJsonValue parse(const char* text)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray("[") + text + "]");
    return document.array().at(0);
}

} // namespace

TEST(LoginResultModel, ReadsTheRecordAndItsExpiry)
{
    const ModelCase cases[] = {
        { R"({"expiredTime": "1700000000123", "token": "t"})", true, "1700000000", nullptr, true },
        { R"({"expiredTime": 1700000000123})", true, "1700000000", nullptr, false }, // a number stays whole
        { R"({"expiredTime": "1700000000"})", true, "1700000000", nullptr, false },
        { R"({"expiredTime": "17000000001234"})", true, "1700000000", nullptr, false }, // cut, not divided
        { R"({"expiredTime": ""})", true, "", nullptr, false },
        { R"({"id": 7, "token": "abc"})", true, nullptr, "7", true },
        { R"({"id": "x9"})", true, nullptr, "x9", false },
        { R"("text")", false, nullptr, nullptr, false },
        { R"([{"token": "t"}])", false, nullptr, nullptr, false },
        { R"(null)", false, nullptr, nullptr, false },
    };
    for (const ModelCase& c : cases) {
        SCOPED_TRACE(c.data);
        const auto model = VQLoginResultModel::fromJson(parse(c.data));
        ASSERT_EQ(model != nullptr, c.record);
        if (!model)
            continue;
        if (c.expiredTime) {
            EXPECT_EQ(model->expiredTime(), QString::fromLatin1(c.expiredTime));
        } else {
            EXPECT_TRUE(model->expiredTime().isNull());
        }
        if (c.idStr) {
            EXPECT_EQ(model->idStr(), QString::fromLatin1(c.idStr));
        }
        EXPECT_EQ(!model->token().isNull(), c.hasToken);
    }
}
