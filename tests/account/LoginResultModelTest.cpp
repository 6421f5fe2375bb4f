#include "MMString.h"
#include "VQLoginResultModel.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

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

// Mutated account replies (bytes flipped, dropped, repeated, digits and quotes inserted) read as
// the forms read them: the envelope, the data object, the record, the header's date. Nothing may
// crash or trip the sanitizers; the record exists exactly for an object, and a long expiry is cut
// to its first ten characters.
TEST(LoginResultModel, SurvivesMutatedReplies)
{
    const QByteArray valid = R"({"statusCode":200,"message":"success","data":{"id":7,"version":"1","mac":"00:11",)"
                             R"("lastUpdatedBy":"a","lastUpdatedDate":"2024-01-01","createdDate":1700000000000,)"
                             R"("expiredTime":1700000000000,"type":"VIP","lastLoginDate":null,"password":"p",)"
                             R"("createdBy":"b","token":"T","account":"u@x","lastLoginIp":"1.2.3.4","status":"1"}})";
    const char inserts[] = "0123456789\"{}[],:-.e\\u";
    std::mt19937 random(20261207);
    constexpr int kIterations = 1000000;
    int records = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kIterations; ++i) {
        QByteArray reply = valid;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits && !reply.isEmpty(); ++e) {
            const int at = static_cast<int>(random() % reply.size());
            switch (random() % 4) {
            case 0:
                reply[at] = static_cast<char>(random() % 256);
                break;
            case 1:
                reply.remove(at, 1 + static_cast<int>(random() % 8));
                break;
            case 2:
                reply.insert(at, reply.mid(at, 1 + static_cast<int>(random() % 16)));
                break;
            default:
                reply.insert(at, inserts[random() % (sizeof(inserts) - 1)]);
                break;
            }
        }
        const QJsonValue data = QJsonDocument::fromJson(reply).object().value(QStringLiteral("data"));
        const auto model = VQLoginResultModel::fromJson(data);
        ASSERT_EQ(model != nullptr, data.isObject()) << reply.constData();
        if (!model)
            continue;
        ++records;
        const QString expiry = model->expiredTime();
        const QJsonValue stored = data.toObject().value(QStringLiteral("expiredTime"));
        if (stored.isString() && stored.toString().size() >= 13) {
            ASSERT_EQ(expiry, stored.toString().left(10)) << reply.constData();
        }
        if (data.toObject().value(QStringLiteral("token")).isString()) {
            ASSERT_EQ(model->token(), data.toObject().value(QStringLiteral("token")).toString());
        }
        if (!expiry.isEmpty())
            (void)mm::ConvertStrToTime(expiry, QStringLiteral("yyyy-MM-dd"));
    }
    std::printf("%d mutated replies, %d with a record, in %lld ms\n", kIterations, records,
                static_cast<long long>(clock.elapsed()));
    EXPECT_GT(records, kIterations / 10); // the mutations leave many replies readable
}
