#include "MMString.h"

#include "MMMacAddress.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

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

// The computer's address stays the same whichever card is up or carries a random address: the
// permanent address of the first built-in physical card by name, then of a USB one; never that of
// a virtual interface. Interfaces are made up in a folder laid out as the kernel's.
TEST(MMStringTest, MacAddressIsThePermanentOneOfTheFirstPhysicalCard)
{
    struct Card {
        const char* name;
        const char* bus; // "" virtual, else where its device link points
        const char* current;
        int assignment; // 0 permanent, 1 random, 3 set
        bool up;
        const char* permanent; // what the driver reports; "" none
        int type = 1;
    };
    const Card lo{"lo", "", "00:00:00:00:00:00", 0, true, ""};
    const Card docker{"docker0", "", "02:42:ac:11:00:01", 3, true, ""};
    const Card veth{"veth1a2b", "", "ee:11:22:33:44:55", 3, true, ""};
    const Card wifi{"wlp2s0", "/sys/devices/pci0000:00/0000:00:14.3", "f6:9a:3b:01:02:03", 3, true, "a4:c3:f0:85:11:22"};
    const Card cable{"enp0s31f6", "/sys/devices/pci0000:00/0000:00:1f.6", "8c:16:45:aa:bb:cc", 0, false, ""};
    const Card dock{"enx00e04c680a0b", "/sys/devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0", "00:e0:4c:68:0a:0b", 0, true, ""};
    const Card tunnel{"tun0", "/sys/devices/pci0000:00/0000:00:1f.6", "", 0, true, "", 65534};
    const struct {
        const char* what;
        QList<Card> cards;
        QString expected;
    } rows[] = {
        {"on Wi-Fi with a random address, a dock and containers", {lo, docker, veth, wifi, dock}, QStringLiteral("A4:C3:F0:85:11:22")},
        {"the built-in cable card, down, before Wi-Fi", {wifi, cable, lo}, QStringLiteral("8C:16:45:AA:BB:CC")},
        {"a dock alone", {lo, dock, tunnel}, QStringLiteral("00:E0:4C:68:0A:0B")},
        {"no physical card", {lo, docker, veth}, QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir net;
        ASSERT_TRUE(net.isValid());
        QHash<QString, QString> permanents;
        for (const Card& card : row.cards) {
            const QString folder = net.filePath(QString::fromLatin1(card.name));
            ASSERT_TRUE(QDir().mkpath(folder));
            const auto write = [&folder](const char* file, const QString& text) {
                QFile f(folder + QLatin1Char('/') + QLatin1String(file));
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(text.toLatin1() + '\n');
            };
            write("address", QString::fromLatin1(card.current));
            write("addr_assign_type", QString::number(card.assignment));
            write("type", QString::number(card.type));
            write("flags", card.up ? QStringLiteral("0x1003") : QStringLiteral("0x1002"));
            if (*card.bus != 0)
                ASSERT_TRUE(QFile::link(QString::fromLatin1(card.bus), folder + QStringLiteral("/device")));
            else
                ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/bridge")));
            permanents.insert(QString::fromLatin1(card.name), QString::fromLatin1(card.permanent));
        }
        EXPECT_EQ(mm::stableMacAddress(net.path(), [&permanents](const QString& name) { return permanents.value(name); }), row.expected);
    }
    // This computer's own: the same address at every call.
    EXPECT_EQ(mm::vq_getMacAddress(), mm::vq_getMacAddress());
}

} // namespace
