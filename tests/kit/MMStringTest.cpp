#include "MMString.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(MMStringTest, DeleteCharactersTrimsTheFixedSetAtBothEndsOnly)
{
    EXPECT_EQ(mm::deleteCharacters(QStringLiteral("  \"hello world\".  ")), QStringLiteral("hello world"));
    EXPECT_EQ(mm::deleteCharacters(QStringLiteral("#打开-浏览器*")), QStringLiteral("打开-浏览器"));
    EXPECT_EQ(mm::deleteCharacters(QStringLiteral("「（￥€¥你好：；）」、•")), QStringLiteral("￥€¥你好"));
    EXPECT_EQ(mm::deleteCharacters(QStringLiteral("＜＞／＂'&()$^~|\\_=+%[{a@b}]")), QStringLiteral("a@b"));
    // Characters outside the set stay, also at the ends.
    EXPECT_EQ(mm::deleteCharacters(QStringLiteral("你好。")), QStringLiteral("你好。"));
    EXPECT_EQ(mm::deleteCharacters(QStringLiteral("!ok?\n")), QStringLiteral("!ok?\n"));

    EXPECT_TRUE(mm::deleteCharacters(QString()).isNull());
    EXPECT_TRUE(mm::deleteCharacters(QStringLiteral("")).isNull());
    const QString nothingLeft = mm::deleteCharacters(QStringLiteral(" .@（）[]\""));
    EXPECT_TRUE(nothingLeft.isEmpty());
    EXPECT_FALSE(nothingLeft.isNull());
}

TEST(MMStringTest, GetTimeStrIsTheCurrentUnixSecond)
{
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const QString text = mm::getTimeStr();
    const qint64 after = QDateTime::currentSecsSinceEpoch();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]+$")).match(text).hasMatch()) << text.toStdString();
    EXPECT_GE(text.toLongLong(), before);
    EXPECT_LE(text.toLongLong(), after);
}

TEST(MMStringTest, ConvertStrToTimeFormatsTheLeadingIntegerInLocalTime)
{
    // A fixed local zone, UTC+8, as a POSIX rule (no zone files needed).
    const QByteArray oldTz = qgetenv("TZ");
    const bool hadTz = qEnvironmentVariableIsSet("TZ");
    qputenv("TZ", "CST-8");
    ::tzset();

    const QString pattern = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    EXPECT_EQ(mm::ConvertStrToTime(QStringLiteral("0"), pattern), QStringLiteral("1970-01-01 08:00:00"));
    EXPECT_EQ(mm::ConvertStrToTime(QStringLiteral("1700000000"), pattern), QStringLiteral("2023-11-15 06:13:20"));
    EXPECT_EQ(mm::ConvertStrToTime(QStringLiteral("1700000000"), QStringLiteral("HH:mm")), QStringLiteral("06:13"));
    EXPECT_EQ(mm::ConvertStrToTime(QStringLiteral("-3600"), pattern), QStringLiteral("1970-01-01 07:00:00"));
    EXPECT_EQ(mm::ConvertStrToTime(QStringLiteral("  60 seconds"), pattern), QStringLiteral("1970-01-01 08:01:00"));
    EXPECT_EQ(mm::ConvertStrToTime(QStringLiteral("abc"), pattern), QStringLiteral("1970-01-01 08:00:00"));
    EXPECT_EQ(mm::ConvertStrToTime(QString(), pattern), QStringLiteral("1970-01-01 08:00:00"));
    // Beyond 64 bits: saturated, not wrapped round to some other date.
    EXPECT_TRUE(mm::ConvertStrToTime(QStringLiteral("99999999999999999999999"), pattern).isEmpty());

    if (hadTz)
        qputenv("TZ", oldTz);
    else
        qunsetenv("TZ");
    ::tzset();
}

TEST(MMStringTest, DictionaryWithJsonStringAcceptsOnlyJsonObjects)
{
    const auto map = mm::dictionaryWithJsonString(
        QStringLiteral(R"({"code":200,"msg":"成功","data":{"list":[1,"two"]}})"));
    ASSERT_TRUE(map.has_value());
    EXPECT_EQ(map->value(QStringLiteral("code")).toInt(), 200);
    EXPECT_EQ(map->value(QStringLiteral("msg")).toString(), QStringLiteral("成功"));
    const QVariantList list = map->value(QStringLiteral("data")).toMap().value(QStringLiteral("list")).toList();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.at(1).toString(), QStringLiteral("two"));

    EXPECT_EQ(mm::dictionaryWithJsonString(QStringLiteral("{}")), QVariantMap());
    for (const QString& bad : {QString(), QStringLiteral(""), QStringLiteral("[1,2]"), QStringLiteral("42"),
                               QStringLiteral(R"({"a":1)"), QStringLiteral(R"({"a":1} trailing)"),
                               QStringLiteral("{'a':1}")}) {
        EXPECT_FALSE(mm::dictionaryWithJsonString(bad).has_value()) << bad.toStdString();
    }
}

TEST(MMStringTest, Md5AndBase64OfUtf8Bytes)
{
    EXPECT_EQ(mm::vq_md5(QString()), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    EXPECT_EQ(mm::vq_md5(QStringLiteral("abc")), QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_EQ(mm::vq_md5(QStringLiteral("中文")), QStringLiteral("a7bac2239fcdcb3a067903d8077c4a07"));
    // Stops at the first zero byte.
    EXPECT_EQ(mm::vq_md5(QStringLiteral("abc") + QChar(0) + QStringLiteral("def")),
              QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));

    EXPECT_EQ(mm::vq_base64EncodeString(QStringLiteral("中文")), QStringLiteral("5Lit5paH"));
    EXPECT_EQ(mm::vq_base64EncodeString(QStringLiteral("语音鼠标 ✓")), QStringLiteral("6K+t6Z+z6byg5qCHIOKckw=="));
    EXPECT_TRUE(mm::vq_base64EncodeString(QString()).isEmpty());
}

TEST(MMStringTest, MacAddressIsThatOfAnInterfaceThatIsUp)
{
    // The kernel's own view, read independently of the code under test.
    QStringList upAddresses;
    const QDir net(QStringLiteral("/sys/class/net"));
    for (const QString& name : net.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile address(net.filePath(name + QStringLiteral("/address")));
        QFile flags(net.filePath(name + QStringLiteral("/flags")));
        if (!address.open(QIODevice::ReadOnly) || !flags.open(QIODevice::ReadOnly))
            continue;
        const uint bits = QString::fromLatin1(flags.readAll().trimmed()).toUInt(nullptr, 16);
        const QString text = QString::fromLatin1(address.readAll().trimmed()).toUpper();
        const bool up = (bits & 0x1) != 0;
        const bool loopback = (bits & 0x8) != 0;
        if (up && !loopback && text != QStringLiteral("00:00:00:00:00:00"))
            upAddresses << text;
    }
    const QString mac = mm::vq_getMacAddress();
    if (upAddresses.isEmpty()) {
        EXPECT_TRUE(mac.isNull());
        return;
    }
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^([0-9A-F]{2}:){5}[0-9A-F]{2}$")).match(mac).hasMatch());
    EXPECT_TRUE(upAddresses.contains(mac)) << mac.toStdString();
}

} // namespace
