// The voice-command store against the stand-in API server and a temporary database, and the
// hot words it hands to the recognition frames.
#include "AsrServiceFixture.h"
#include "KVDSqliteOperation.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "VQCommandViewModel.h"
#include "VQHotWordViewModel.h"
#include "VQHttpRequestManager.h"
#include "VQMouseInfoItem.h"
#include "VQUserInfoData.h"
#include "VQVoiceSetup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Items = QList<VQVoiceCommandItem>;

VQVoiceCommandItem item(const QString& type, const QString& cmd, const QString& name = QString())
{
    VQVoiceCommandItem i;
    i.cmdType = type;
    i.customCmd = cmd;
    i.customName = name;
    return i;
}

QJsonArray toArray(const Items& items)
{
    QJsonArray array;
    for (const VQVoiceCommandItem& i : items)
        array.append(i.toJson());
    return array;
}

QStringList words(const Items& items)
{
    QStringList out;
    for (const VQVoiceCommandItem& i : items)
        out << i.cmdType + QLatin1Char(':') + i.customCmd + QLatin1Char('>') + i.customName;
    return out;
}

class VoiceCommandStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        KVDSqliteOperation::resetForTests(dir.filePath(QStringLiteral("store.sqlite")));
        ASSERT_TRUE(server.listen());
        server.installAsMakerServices();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        VQUserInfoData::resetForTests();
        setSerial(QStringLiteral("SN-A"));
        VQCommandViewModel::resetForTests();
        store().createCommandTables();
    }
    void TearDown() override
    {
        VQHttpRequestManager::sharedInstance().resetForTests();
        VQApiConfig::resetForTests();
        VQCommandViewModel::resetForTests();
        KVDSqliteOperation::resetForTests();
    }

    static VQCommandViewModel& store() { return VQCommandViewModel::sharedInstance(); }
    static VQHotWordViewModel& hotWords() { return VQHotWordViewModel::sharedInstance(); }
    static void setSerial(const QString& sn) { VQUserInfoData::sharedInstance().mouseInfoItem().setSn(sn); }
    static Items rows(const char* table)
    {
        Items out;
        for (const auto& row :
             KVDSqliteOperation::shareOperation().selectAllDataBaseWithtableName<VQVoiceCommandItem>(QString::fromLatin1(table)))
            out.append(*row);
        return out;
    }
    static Items customRows() { return rows(VQCommandViewModel::kCustomizeTableName); }
    // The lists as a store started afresh reads them from the tables.
    static QStringList freshCustom()
    {
        VQCommandViewModel::resetForTests();
        return words(store().customizeCmdListArray());
    }
    static QStringList freshHotWords()
    {
        VQCommandViewModel::resetForTests();
        return words(hotWords().hotWordListArray());
    }

    // Runs a request of the store and waits for its callback.
    template <typename Start>
    std::pair<bool, VQHttpResult> call(Start start)
    {
        int calls = 0;
        std::pair<bool, VQHttpResult> outcome;
        start([&](bool ok, const VQHttpResult& result) {
            ++calls;
            outcome = {ok, result};
        });
        EXPECT_TRUE(vqtest::waitUntil([&] { return calls > 0; }));
        vqtest::spin(30);
        EXPECT_EQ(calls, 1);
        return outcome;
    }
    std::pair<bool, VQHttpResult> fetchCustom()
    {
        return call([](auto cb) { store().requestNetCustomizeCmdList(cb); });
    }
    std::pair<bool, VQHttpResult> create(const VQVoiceCommandItem& i)
    {
        return call([&i](auto cb) { store().requestCreateCustomizeCmd(i, cb); });
    }
    std::pair<bool, VQHttpResult> remove(const VQVoiceCommandItem& i)
    {
        return call([&i](auto cb) { store().requestDeleteCustomizeCmd(i, cb); });
    }
    // Puts the list into the custom table through a custom-list fetch.
    void seedCustom(const Items& items)
    {
        server.setReply(QStringLiteral("/api/deviceCmd"), vqtest::StandInReply::api(toArray(items)));
        ASSERT_TRUE(fetchCustom().first);
        server.clearRequests();
    }

    QTemporaryDir dir;
    vqtest::StandInHttpServer server;
};

// Each device's list replaces the table, read back by a fresh store; a list of the same length
// with other content is written too, and "cmds" stands in for an empty "data".
TEST_F(VoiceCommandStoreTest, CustomListFollowsTheConnectedDevice)
{
    const Items a = {item("file", "打开报告", "/home/u/r.txt"), item("odd-type", "甲"), item("phrase", "热词A")};
    const Items b = {item("text", "签名", "Best, B"), item("website", "新闻", "https://b.example"), item("phrase", "热词B")};
    const Items c = {item("folder", "文档", "/home/u/docs")};
    // The lists sit beside the status in the reply: "data", or "cmds" when "data" is empty.
    const QHash<QString, QJsonObject> replies = {
        {"SN-A", {{"code", 200}, {"data", toArray(a)}}},
        {"SN-B", {{"code", 200}, {"data", toArray(b)}}},
        {"SN-C", {{"code", 200}, {"data", QJsonArray()}, {"cmds", toArray(c)}}},
        {"SN-D", {{"code", 200}, {"data", QJsonArray()}, {"cmds", QJsonArray()}}},
    };
    server.setResponder(QStringLiteral("/api/deviceCmd"), [&replies](const vqtest::StandInRequest& r) {
        return vqtest::StandInReply::json(replies.value(r.queryValue(QStringLiteral("sn")).value_or(QString())));
    });
    struct Row {
        const char* sn;
        QStringList custom;
        QStringList hot;
    };
    const Row table[] = {
        {"SN-A", {"file:打开报告>/home/u/r.txt", "file:甲>"}, {"phrase:热词A>"}},
        {"SN-B", {"text:签名>Best, B", "website:新闻>https://b.example"}, {"phrase:热词B>"}},
        {"SN-C", {"folder:文档>/home/u/docs"}, {}},
        {"SN-D", {}, {}},
        {"SN-A", {"file:打开报告>/home/u/r.txt", "file:甲>"}, {"phrase:热词A>"}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.sn);
        setSerial(QString::fromLatin1(row.sn));
        const auto [ok, result] = fetchCustom();
        EXPECT_TRUE(ok) << result.message.toStdString();
        EXPECT_EQ(words(store().customizeCmdListArray()), row.custom);
        EXPECT_EQ(words(hotWords().hotWordListArray()), row.hot);
        EXPECT_EQ(freshCustom(), row.custom);
        EXPECT_EQ(freshHotWords(), row.hot);
    }
}

// A create sends its parameters unchanged. A list in the reply replaces the table, split into
// commands and hot words; any other reply keeps the table and fetches the list again.
TEST_F(VoiceCommandStoreTest, CreateSendsEveryParameterAndTakesTheServersList)
{
    const QString json = QStringLiteral(R"({"keyCode":3,"modifierFlagsString":"⌘&'"})");
    const VQVoiceCommandItem created = item("website", QStringLiteral("搜 a&b+c 'x' 100%"),
                                            QStringLiteral("https://e.example/?q=a&b=c+d%20'") + json);
    const Items afterCreate = {created, item("phrase", R"(["it's","a+b"])"), item("text", "签名", "x")};
    const Items listedLater = {item("folder", "文档", "/d")};
    seedCustom({item("file", "旧", "/old")});
    server.setReply(QStringLiteral("/api/deviceCmd"), vqtest::StandInReply::api(toArray(listedLater)));

    VQMouseInfoItem& record = VQUserInfoData::sharedInstance().mouseInfoItem();
    record.setVid(4660);
    record.setPid(22136);
    struct Row {
        const char* name;
        QJsonValue replyData;
        QStringList custom;
        QStringList hot;
        int listFetches;
    };
    const Row table[] = {
        {"list in reply", toArray(afterCreate), words({created, afterCreate[2]}), words({afterCreate[1]}), 0},
        {"no list in reply", QJsonValue(QStringLiteral("ok")), words(listedLater), {}, 1},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        server.clearRequests();
        server.setReply(QStringLiteral("/api/saveDeviceCmd"), vqtest::StandInReply::api(row.replyData));
        const auto [ok, result] = create(created);
        EXPECT_TRUE(ok);
        EXPECT_EQ(result.data, row.replyData);
        ASSERT_GE(server.requestCount(), 1);
        const vqtest::StandInRequest sent = server.requests().first();
        EXPECT_TRUE(sent.accepted()) << sent.rejection.toStdString();
        const QList<std::pair<const char*, QString>> expected = {
            {"vid", "4660"},       {"pid", "22136"},         {"sn", "SN-A"},
            {"channelName", "VQ"}, {"customCmd", created.customCmd}, {"customName", created.customName},
            {"cmdType", "website"},
        };
        for (const auto& [key, value] : expected)
            EXPECT_EQ(sent.queryValue(QString::fromLatin1(key)).value_or(QStringLiteral("<missing>")), value) << key;
        EXPECT_TRUE(sent.queryValue(QStringLiteral("macAddr")).has_value());
        EXPECT_TRUE(sent.queryValue(QStringLiteral("clientversion")).has_value());
        int fetches = 0;
        for (const vqtest::StandInRequest& r : server.requests())
            fetches += r.path == QLatin1String("/api/deviceCmd");
        EXPECT_EQ(fetches, row.listFetches);
        EXPECT_EQ(words(store().customizeCmdListArray()), row.custom);
        EXPECT_EQ(words(hotWords().hotWordListArray()), row.hot);
        EXPECT_EQ(freshCustom(), row.custom);
    }
}

// A delete goes by type and text, never through SQL text: quotes and apostrophes are removed,
// a command with the same text but another type stays, also after the lists were reloaded.
TEST_F(VoiceCommandStoreTest, DeleteRemovesExactlyTheNamedEntry)
{
    const QString quoted = QStringLiteral(R"(["it's","say \"hi\"","x' or '1'='1"])");
    const VQVoiceCommandItem hot = item("phrase", quoted);
    const VQVoiceCommandItem sameText = item("text", quoted, "typed");
    const VQVoiceCommandItem command = item("file", "打开", "/f");
    seedCustom({hot, sameText, command, item("phrase", "留下")});
    server.setReply(QStringLiteral("/api/deleteDeviceCmd"), vqtest::StandInReply::api(QJsonValue(true)));

    struct Row {
        const char* name;
        VQVoiceCommandItem target;
        bool reloadFirst;
        QStringList custom;
        QStringList hot;
    };
    const Row table[] = {
        {"hot word with quotes", hot, false, words({sameText, command}), words({item("phrase", "留下")})},
        {"command after a reload", command, true, words({sameText}), words({item("phrase", "留下")})},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        if (row.reloadFirst)
            VQCommandViewModel::resetForTests();
        else
            hotWords().hotWordListArray(); // held in memory across the request
        const auto [ok, result] = remove(row.target);
        EXPECT_TRUE(ok) << result.message.toStdString();
        EXPECT_EQ(server.lastRequest().queryValue(QStringLiteral("customCmd")), row.target.customCmd);
        EXPECT_EQ(words(store().customizeCmdListArray()), row.custom);
        EXPECT_EQ(words(hotWords().hotWordListArray()), row.hot);
        EXPECT_EQ(freshCustom(), row.custom);
        EXPECT_EQ(freshHotWords(), row.hot);
    }
}

// Any failed request reports the failure and leaves lists and tables as they were.
TEST_F(VoiceCommandStoreTest, FailedRequestsChangeNothing)
{
    const Items seeded = {item("file", "甲", "/a"), item("phrase", "热词")};
    seedCustom(seeded);
    const QStringList custom = words(store().customizeCmdListArray());
    const QStringList hot = words(hotWords().hotWordListArray());
    using Reply = vqtest::StandInReply;
    Reply broken = Reply::api(QJsonArray());
    broken.closeMidBody = true;
    const QList<std::pair<const char*, Reply>> failures = {
        {"refused", Reply::api(QJsonArray(), 500, QStringLiteral("nope"))},
        {"http error", Reply::html(502, "bad gateway")},
        {"cut off", broken},
    };
    for (const auto& [name, reply] : failures) {
        SCOPED_TRACE(name);
        for (const char* path : {"/api/deviceCmd", "/api/saveDeviceCmd", "/api/deleteDeviceCmd"})
            server.setReply(QString::fromLatin1(path), reply);
        const QList<std::pair<bool, VQHttpResult>> outcomes = {fetchCustom(), create(item("text", "新", "n")),
                                                               remove(seeded[0]), remove(seeded[1])};
        for (const auto& [ok, result] : outcomes) {
            EXPECT_FALSE(ok);
            EXPECT_FALSE(result.message.isEmpty());
        }
        EXPECT_EQ(words(store().customizeCmdListArray()), custom);
        EXPECT_EQ(words(hotWords().hotWordListArray()), hot);
        EXPECT_EQ(words(customRows()), words(seeded));
    }
}

// The common list: a different list of the same length rewrites the table, an empty one falls
// back to the table, a failure keeps everything.
TEST_F(VoiceCommandStoreTest, CommonListRefreshKeepsTheTableInStep)
{
    const auto common = [](const char* word, const char* execute) {
        VQVoiceCommandItem i;
        i.cmdType = QStringLiteral("website");
        i.cmdWord = QString::fromUtf8(word);
        i.cmdExecute = QString::fromUtf8(execute);
        return i;
    };
    const auto commonWords = [](const Items& items) {
        QStringList out;
        for (const VQVoiceCommandItem& i : items)
            out << i.cmdWord + QLatin1Char('>') + i.cmdExecute;
        return out;
    };
    struct Row {
        const char* name;
        vqtest::StandInReply reply;
        QStringList expected;
    };
    const Row table[] = {
        {"first list", vqtest::StandInReply::api(toArray({common("百度", "a"), common("新闻", "b")})),
         {"百度>a", "新闻>b"}},
        {"same length, other words", vqtest::StandInReply::api(toArray({common("地图", "c"), common("天气", "d")})),
         {"地图>c", "天气>d"}},
        {"empty list", vqtest::StandInReply::api(QJsonArray()), {"地图>c", "天气>d"}},
        {"failure", vqtest::StandInReply::api(QJsonValue(), 500, QStringLiteral("nope")), {"地图>c", "天气>d"}},
        {"junk items", vqtest::StandInReply::api(QJsonArray{1, QStringLiteral("x"), QJsonValue(), QJsonObject(),
                                                             QJsonObject{{QStringLiteral("cmdWord"), QStringLiteral("  ")}},
                                                             common("音乐", "e").toJson()}),
         {"音乐>e"}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        server.clearRequests();
        server.setReply(QStringLiteral("/api/commonCmd"), row.reply);
        store().requestNetCommonCmdList();
        ASSERT_TRUE(vqtest::waitUntil([this] { return server.requestCount() > 0; }));
        vqtest::spin(100);
        EXPECT_EQ(commonWords(store().commonCmdListArray()), row.expected);
        EXPECT_EQ(commonWords(rows(VQCommandViewModel::kCommonTableName)), row.expected);
    }
}

// Items without the word a command is spoken by are skipped: no nameless command reaches the
// table or the page. Hot words are no commands: an empty one keeps its place.
TEST_F(VoiceCommandStoreTest, CustomItemsWithoutACommandWordAreSkipped)
{
    QJsonArray reply{1, QStringLiteral("x"), QJsonValue(), QJsonObject(), QJsonObject{{QStringLiteral("customCmd"), QStringLiteral(" ")}}};
    reply.append(item(QStringLiteral("phrase"), QStringLiteral("热词一")).toJson());
    reply.append(item(QStringLiteral("website"), QStringLiteral("打开"), QStringLiteral("http://x")).toJson());
    reply.append(item(QStringLiteral("phrase"), QStringLiteral("")).toJson());
    reply.append(item(QStringLiteral("phrase"), QStringLiteral(R"(["甲","乙"])")).toJson());
    server.setReply(QStringLiteral("/api/deviceCmd"), vqtest::StandInReply::api(reply));
    ASSERT_TRUE(fetchCustom().first);
    EXPECT_EQ(freshCustom(), QStringList{QStringLiteral("website:打开>http://x")});
    EXPECT_EQ(hotWords().getLocalHotWordListString(), QStringLiteral(R"(热词一,,["甲","乙"])"));
}

// How the hot words of the table are joined: in order, texts unchanged, an empty text adding
// nothing before the first word; other commands are skipped.
TEST_F(VoiceCommandStoreTest, HotWordStringJoinsTheStoredHotWords)
{
    struct Row {
        Items stored;
        QString expected;
    };
    const Row table[] = {
        {{}, ""},
        {{item("text", "命令")}, ""},
        {{item("phrase", "甲"), item("phrase", ""), item("phrase", "丙")}, "甲,,丙"},
        {{item("phrase", ""), item("phrase", "乙")}, "乙"},
        {{item("phrase", R"(["a b","c,d"])"), item("file", "x"), item("phrase", " 乙 "), item("phrase", " 乙 ")},
         R"(["a b","c,d"], 乙 , 乙 )"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.expected.toStdString());
        ASSERT_TRUE(KVDSqliteOperation::shareOperation().replaceAllDataBaseWithtableName(
            QString::fromLatin1(VQCommandViewModel::kCustomizeTableName), row.stored));
        VQCommandViewModel::resetForTests();
        const QString joined = hotWords().getLocalHotWordListString();
        EXPECT_EQ(joined, row.expected);
        EXPECT_FALSE(joined.isNull());
    }
}

} // namespace

// The stored hot words travel in every frame of a recognition as "phrases".
class HotWordFramesTest : public asrtest::AsrServiceTest {
protected:
    void SetUp() override
    {
        asrtest::AsrServiceTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        KVDSqliteOperation::resetForTests(dir.filePath(QStringLiteral("store.sqlite")));
        VQCommandViewModel::resetForTests();
        VQCommandViewModel::sharedInstance().createCommandTables();
    }
    void TearDown() override
    {
        VQCommandViewModel::resetForTests();
        KVDSqliteOperation::resetForTests();
        asrtest::AsrServiceTest::TearDown();
    }
    QTemporaryDir dir;
};

TEST_F(HotWordFramesTest, FramesCarryTheStoredHotWords)
{
    const Items stored = {item("phrase", R"(["甲","it's"])"), item("file", "命令", "/f"), item("phrase", "乙")};
    ASSERT_TRUE(KVDSqliteOperation::shareOperation().replaceAllDataBaseWithtableName(
        QString::fromLatin1(VQCommandViewModel::kCustomizeTableName), stored));
    VQVoiceSetup::install();
    begin();
    ASSERT_TRUE(waitOpen());
    mic.feed(QByteArray(3000, '\x22'));
    service().endAsr();
    ASSERT_TRUE(waitLast());
    ASSERT_GE(server.connection(0).frames.size(), 2);
    for (const QJsonObject& frame : server.connection(0).frames)
        EXPECT_EQ(frame.value(QStringLiteral("phrases")).toString(), QStringLiteral(R"(["甲","it's"],乙)"));
    EXPECT_EQ(server.violations(), QStringList());
}
