#include "MMDictionary.h"
#include "MMString.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <limits>

namespace {

const QString kDefault = QStringLiteral("default");

TEST(MMDictionaryTest, StringValueForKeyGivesTextsAndNumbersElseTheDefault)
{
    const QVariantMap map{
        {QStringLiteral("text"), QStringLiteral("语音")},
        {QStringLiteral("negative"), qlonglong(-7)},
        {QStringLiteral("big"), qulonglong(18446744073709551615ULL)},
        {QStringLiteral("whole"), 3.0},
        {QStringLiteral("huge"), 1e20},
        {QStringLiteral("fraction"), 2.5},
        {QStringLiteral("flag"), true},
        {QStringLiteral("list"), QVariantList{1, 2}},
        {QStringLiteral("null"), QVariant()},
        {QStringLiteral("bytes"), QByteArray("abc")},
    };
    const auto value = [&](const char* key) { return mm::stringValueForKey(map, QString::fromLatin1(key), kDefault); };
    EXPECT_EQ(value("text"), QStringLiteral("语音"));
    EXPECT_EQ(value("negative"), QStringLiteral("-7"));
    EXPECT_EQ(value("big"), QStringLiteral("18446744073709551615"));
    EXPECT_EQ(value("whole"), QStringLiteral("3"));
    EXPECT_EQ(value("huge"), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(value("fraction"), QStringLiteral("2.5"));
    EXPECT_EQ(value("flag"), QStringLiteral("1"));
    for (const char* key : {"missing", "list", "null", "bytes"})
        EXPECT_EQ(value(key), kDefault) << key;

    // Numbers as the JSON parser hands them over.
    const auto parsed = mm::dictionaryWithJsonString(QStringLiteral(R"({"sn":12345678901,"volume":0.75,"id":"007"})"));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(mm::stringValueForKey(*parsed, QStringLiteral("sn"), kDefault), QStringLiteral("12345678901"));
    EXPECT_EQ(mm::stringValueForKey(*parsed, QStringLiteral("volume"), kDefault), QStringLiteral("0.75"));
    EXPECT_EQ(mm::stringValueForKey(*parsed, QStringLiteral("id"), kDefault), QStringLiteral("007"));
}

TEST(MMDictionaryTest, BoolValueForKeyReadsNumbersAndTextsElseTheDefault)
{
    const QVariantMap map{
        {QStringLiteral("yes"), QStringLiteral("YES")},     {QStringLiteral("true"), QStringLiteral("true")},
        {QStringLiteral("padded"), QStringLiteral("  -0009")}, {QStringLiteral("int2"), 2},
        {QStringLiteral("half"), 0.5},                     {QStringLiteral("bool"), true},
        {QStringLiteral("no"), QStringLiteral("NO")},       {QStringLiteral("zeros"), QStringLiteral("+000")},
        {QStringLiteral("emptyText"), QString()},          {QStringLiteral("word"), QStringLiteral("on")},
        {QStringLiteral("int0"), 0},                       {QStringLiteral("list"), QVariantList{1}},
    };
    for (const char* key : {"yes", "true", "padded", "int2", "half", "bool"})
        EXPECT_TRUE(mm::boolValueForKey(map, QString::fromLatin1(key), false)) << key;
    for (const char* key : {"no", "zeros", "emptyText", "word", "int0"})
        EXPECT_FALSE(mm::boolValueForKey(map, QString::fromLatin1(key), true)) << key;
    for (const bool def : {true, false}) {
        EXPECT_EQ(mm::boolValueForKey(map, QStringLiteral("missing"), def), def);
        EXPECT_EQ(mm::boolValueForKey(map, QStringLiteral("list"), def), def);
    }
}

TEST(MMDictionaryTest, JsonStringEncodedIsCompactUtf8AndRoundTrips)
{
    const QVariantMap map{
        {QStringLiteral("text"), QStringLiteral("识别 \"结果\"\n")},
        {QStringLiteral("number"), 12345678901LL},
        {QStringLiteral("nothing"), QVariant::fromValue(nullptr)},
        {QStringLiteral("list"), QVariantList{1, QStringLiteral("二"), QVariantMap{{QStringLiteral("k"), true}}}},
        {QStringLiteral("words"), QStringList{QStringLiteral("a"), QStringLiteral("b")}},
    };
    const std::optional<QString> json = mm::jsonStringEncoded(map);
    ASSERT_TRUE(json.has_value());
    EXPECT_FALSE(json->contains(u'\n'));
    EXPECT_FALSE(json->contains(QStringLiteral(": ")));
    EXPECT_TRUE(json->contains(QStringLiteral("识别"))); // not escaped as \uXXXX
    const auto back = mm::dictionaryWithJsonString(*json);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->value(QStringLiteral("text")).toString(), QStringLiteral("识别 \"结果\"\n"));
    EXPECT_EQ(back->value(QStringLiteral("number")).toLongLong(), 12345678901LL);
    EXPECT_TRUE(back->contains(QStringLiteral("nothing")));
    EXPECT_TRUE(back->value(QStringLiteral("list")).toList().value(2).toMap().value(QStringLiteral("k")).toBool());
    EXPECT_EQ(back->value(QStringLiteral("words")).toStringList(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(mm::jsonStringEncoded({}), QStringLiteral("{}"));

    // Values that JSON cannot hold, also deep inside.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(mm::jsonStringEncoded({{QStringLiteral("v"), std::numeric_limits<double>::quiet_NaN()}}));
    EXPECT_FALSE(mm::jsonStringEncoded({{QStringLiteral("v"), QByteArray("raw")}}));
    EXPECT_FALSE(mm::jsonStringEncoded({{QStringLiteral("v"), QDateTime::currentDateTime()}}));
    EXPECT_FALSE(mm::jsonStringEncoded(
        {{QStringLiteral("a"), QVariantList{1, QVariantMap{{QStringLiteral("b"), inf}}}}}));
}

} // namespace
