// The stand-in speech server, driven by a plain websocket client: it must accept a valid
// utterance, catch each broken rule of docs/speech-protocol.md and misbehave when asked to.
#include "StandInSpeechServer.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using vqtest::SpeechAnswer;
using vqtest::StandInSpeechServer;
using vqtest::waitUntil;

namespace {

struct Client {
    QWebSocket socket;
    QStringList texts;
    int binaries = 0;
    bool open = false;
    bool closed = false;
    bool failed = false;

    Client()
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, [this](const QString& text) { texts << text; });
        QObject::connect(&socket, &QWebSocket::binaryMessageReceived, [this](const QByteArray&) { ++binaries; });
        QObject::connect(&socket, &QWebSocket::connected, [this] { open = true; });
        QObject::connect(&socket, &QWebSocket::disconnected, [this] { closed = true; });
        QObject::connect(&socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), [this](QAbstractSocket::SocketError) { failed = true; });
    }
    bool connectTo(const QString& url)
    {
        socket.open(QUrl(url));
        return waitUntil([this] { return open || failed || closed; }) && open;
    }
    void send(const QJsonObject& frame)
    {
        socket.sendTextMessage(QString::fromUtf8(QJsonDocument(frame).toJson(QJsonDocument::Compact)));
    }
    // "type:text" of each answer that is a JSON object with status 200.
    QStringList answers() const
    {
        QStringList out;
        for (const QString& text : texts) {
            const QJsonObject frame = QJsonDocument::fromJson(text.toUtf8()).object();
            if (frame.value(QStringLiteral("status")).toInt() != 200)
                continue;
            const QJsonObject data = frame.value(QStringLiteral("data")).toObject();
            out << data.value(QStringLiteral("type")).toString() + QLatin1Char(':') + data.value(QStringLiteral("text")).toString()
                       + (data.contains(QStringLiteral("dm")) ? QStringLiteral("+dm") : QString());
        }
        return out;
    }
};

QJsonObject frame(const QByteArray& audio, bool start, bool end)
{
    return QJsonObject{
        {QStringLiteral("apiKey"), QStringLiteral("key-1")},
        {QStringLiteral("language"), QStringLiteral("ZH_CN")},
        {QStringLiteral("clientId"), QStringLiteral("clientId1700000000")},
        {QStringLiteral("content"), QString::fromLatin1(audio.toBase64())},
        {QStringLiteral("deviceNo"), QStringLiteral("02:42:ac:11:00:02")},
        {QStringLiteral("serialNo"), QStringLiteral("SN0001")},
        {QStringLiteral("ptt"), QStringLiteral("1")},
        {QStringLiteral("phrases"), QStringLiteral("甲,乙")},
        {QStringLiteral("format"), QStringLiteral("adpcm")},
        {QStringLiteral("start"), start},
        {QStringLiteral("end"), end},
    };
}

// Sends the pieces as one utterance: the first frame starts it, the last ends it.
void sendUtterance(Client& client, const QList<QByteArray>& pieces)
{
    for (int i = 0; i < pieces.size(); ++i)
        client.send(frame(pieces[i], i == 0, i == pieces.size() - 1));
}

} // namespace

TEST(StandInSpeechServerTest, ValidUtterancesPassAndTheFinalTextProvesTheAudio)
{
    // CRC-32 check values: "123456789" gives cbf43926, nothing gives 00000000.
    const struct {
        const char* name;
        const char* query;
        QList<QByteArray> pieces;
        const char* region; // nullptr: no region
        const char* finalText;
    } cases[] = {
        {"in order", "?region=cn", {"1234", "5678", "9"}, "cn", "LAST:frames=3 bytes=9 crc=cbf43926"},
        {"one frame", "", {"123456789"}, nullptr, "LAST:frames=1 bytes=9 crc=cbf43926"},
        {"empty end frame", "?region=out", {"12345", "6789", ""}, "out", "LAST:frames=3 bytes=9 crc=cbf43926"},
        {"nothing said", "", {""}, nullptr, "LAST:frames=1 bytes=0 crc=00000000"},
    };
    StandInSpeechServer server;
    ASSERT_TRUE(server.start());
    server.expect(vqtest::SpeechExpectation{std::nullopt, QStringLiteral("adpcm"), false,
                                            {{QStringLiteral("language"), QStringLiteral("ZH_CN")}}});
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Client client;
        ASSERT_TRUE(client.connectTo(server.url() + QStringLiteral("/ws") + QLatin1String(c.query)));
        sendUtterance(client, c.pieces);
        ASSERT_TRUE(waitUntil([&] { return !client.texts.isEmpty(); }));
        EXPECT_EQ(client.answers(), QStringList{QLatin1String(c.finalText)});
        EXPECT_EQ(server.decodedAudio(index), c.pieces.join());
        EXPECT_EQ(server.regionQuery(index).isNull(), c.region == nullptr);
        if (c.region) {
            EXPECT_EQ(server.regionQuery(index), QLatin1String(c.region));
        }
        EXPECT_TRUE(server.connection(index).lastSent);
        ++index;
    }
    // Out of order, the same bytes give another CRC.
    Client client;
    ASSERT_TRUE(client.connectTo(server.url() + QStringLiteral("/ws")));
    sendUtterance(client, {"5678", "1234", "9"});
    ASSERT_TRUE(waitUntil([&] { return !client.texts.isEmpty(); }));
    EXPECT_TRUE(client.answers().value(0).startsWith(QStringLiteral("LAST:frames=3 bytes=9 crc=")));
    EXPECT_FALSE(client.answers().value(0).endsWith(QStringLiteral("cbf43926")));
    EXPECT_EQ(server.violations(), QStringList());
}

TEST(StandInSpeechServerTest, EachBrokenRuleIsOneViolation)
{
    using Edit = std::function<void(Client&)>;
    // A one-frame utterance with one change.
    auto withFirst = [](std::function<void(QJsonObject&)> change) {
        return Edit([change](Client& client) {
            QJsonObject only = frame("abc", true, true);
            change(only);
            client.send(only);
        });
    };
    const struct {
        const char* name;
        const char* path;
        Edit send;
        const char* violation;
    } cases[] = {
        {"missing member", "/ws", withFirst([](QJsonObject& f) { f.remove(QStringLiteral("phrases")); }), "missing \"phrases\""},
        {"unknown member", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("sampleRate")] = QStringLiteral("16000"); }), "unknown member \"sampleRate\""},
        {"boolean as text", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("start")] = QStringLiteral("true"); }), "\"start\" is not a boolean"},
        {"number as text", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("ptt")] = 1; }), "\"ptt\" is not a string"},
        {"client id form", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("clientId")] = QStringLiteral("client42"); }), "is not clientId<digits>"},
        {"client id changes", "/ws",
         [](Client& c) {
             QJsonObject second = frame("b", false, true);
             second[QStringLiteral("clientId")] = QStringLiteral("clientId1");
             c.send(frame("a", true, false));
             c.send(second);
         },
         "\"clientId\" changed"},
        {"url-safe base64", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("content")] = QStringLiteral("-_8="); }), "not standard base64"},
        {"unpadded base64", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("content")] = QStringLiteral("YWJ"); }), "not standard base64"},
        {"unknown rate", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("rate")] = QStringLiteral("32k"); }), "\"rate\" is \"32k\""},
        {"nlu off sent", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("nlu")] = QStringLiteral("0"); }), "\"nlu\" is \"0\""},
        {"upper-case MAC", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("deviceNo")] = QStringLiteral("02:42:AC:11:00:02"); }), "lower-case MAC"},
        {"no start", "/ws", withFirst([](QJsonObject& f) { f[QStringLiteral("start")] = false; }), "no \"start\" true"},
        {"second start", "/ws", [](Client& c) { c.send(frame("a", true, false)); c.send(frame("b", true, true)); }, "\"start\" is not false"},
        {"after the end", "/ws", [](Client& c) { c.send(frame("a", true, true)); c.send(frame("b", false, false)); }, "frame after the end"},
        {"not JSON", "/ws", [](Client& c) { c.socket.sendTextMessage(QStringLiteral("{\"start\": true")); }, "not a JSON object"},
        {"binary", "/ws", [](Client& c) { c.socket.sendBinaryMessage("{}"); }, "binary frame"},
        {"wrong path", "/asr", [](Client& c) { sendUtterance(c, {"a"}); }, "path \"/asr\""},
        {"empty region", "/ws?region=", [](Client& c) { sendUtterance(c, {"a"}); }, "empty region"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StandInSpeechServer server;
        ASSERT_TRUE(server.start());
        server.setMisbehaviour({.neverAnswer = true});
        Client client;
        ASSERT_TRUE(client.connectTo(server.url() + QLatin1String(c.path)));
        c.send(client);
        ASSERT_TRUE(waitUntil([&] { return !server.violations().isEmpty(); }));
        vqtest::spin(50);
        ASSERT_EQ(server.violations().size(), 1) << server.violations().join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(server.violations().first().contains(QLatin1String(c.violation)))
            << server.violations().first().toStdString();
    }

    // What a test expects of the members is checked as well.
    StandInSpeechServer server;
    ASSERT_TRUE(server.start());
    server.expect(vqtest::SpeechExpectation{QStringLiteral("16k"), QStringLiteral("pcm"), true, {}});
    Client client;
    ASSERT_TRUE(client.connectTo(server.url() + QStringLiteral("/ws")));
    sendUtterance(client, {"a"});
    ASSERT_TRUE(waitUntil([&] { return server.violations().size() >= 3; }));
    EXPECT_TRUE(server.violations().filter(QStringLiteral("expected \"16k\"")).size() == 1);
    EXPECT_TRUE(server.violations().filter(QStringLiteral("expected \"pcm\"")).size() == 1);
    EXPECT_TRUE(server.violations().filter(QStringLiteral("\"nlu\" is missing")).size() == 1);
}

TEST(StandInSpeechServerTest, ScriptsAndMisbehavioursReachTheClient)
{
    const QString stale = QLatin1String(StandInSpeechServer::kStaleText);
    const struct {
        const char* name;
        std::function<void(StandInSpeechServer&)> setUp;
        QStringList answers; // of the utterance's connection, in order
        int otherFrames;     // frames that are not answers: bad status, non-JSON, binary
        bool closedByServer;
    } cases[] = {
        {"script",
         [](StandInSpeechServer& s) {
             s.addAnswer(1, SpeechAnswer::mid(QStringLiteral("你")));
             s.addAnswer(StandInSpeechServer::kOnEnd, SpeechAnswer::fin(QStringLiteral("你好")));
             s.addAnswer(StandInSpeechServer::kOnEnd, SpeechAnswer::last(QString(), {{QStringLiteral("intent"), 1}}));
         },
         {QStringLiteral("MID:你"), QStringLiteral("FIN:你好"), QStringLiteral("LAST:+dm")}, 0, false},
        {"noise", [](StandInSpeechServer& s) { s.setMisbehaviour({.noise = true}); },
         {QStringLiteral("PARTIAL:noise"), QStringLiteral("LAST:frames=2 bytes=9 crc=cbf43926")}, 3, false},
        {"close without last", [](StandInSpeechServer& s) { s.setMisbehaviour({.closeWithoutLast = true}); }, {}, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StandInSpeechServer server;
        ASSERT_TRUE(server.start());
        c.setUp(server);
        Client client;
        ASSERT_TRUE(client.connectTo(server.url() + QStringLiteral("/ws")));
        sendUtterance(client, {"12345", "6789"});
        ASSERT_TRUE(waitUntil([&] { return server.connection(0).endReceived; }));
        waitUntil([&] { return client.closed || client.answers().size() >= c.answers.size(); }, 1000);
        vqtest::spin(50);
        EXPECT_EQ(client.answers(), c.answers);
        EXPECT_EQ(client.texts.size() + client.binaries - client.answers().size(), c.otherFrames);
        EXPECT_TRUE(waitUntil([&] { return client.closed == c.closedByServer; }, 1000));
        EXPECT_EQ(server.violations(), QStringList());
    }

    // Refused upgrades are recorded with their region; a late handshake is late.
    StandInSpeechServer server;
    ASSERT_TRUE(server.start());
    server.setMisbehaviour({.refuse = true});
    Client refused;
    EXPECT_FALSE(refused.connectTo(server.url() + QStringLiteral("/ws?region=eu")));
    ASSERT_TRUE(waitUntil([&] { return server.connectionCount() == 1; }));
    EXPECT_TRUE(server.connection(0).refused);
    EXPECT_EQ(server.regionQuery(0), QStringLiteral("eu"));

    server.setMisbehaviour({.handshakeDelayMs = 300, .chatterMs = 20, .staleOnOlder = true});
    QElapsedTimer clock;
    clock.start();
    Client older;
    ASSERT_TRUE(older.connectTo(server.url() + QStringLiteral("/ws")));
    EXPECT_GE(clock.elapsed(), 300);
    older.send(frame("a", true, false));
    ASSERT_TRUE(waitUntil([&] { return older.answers().size() >= 3; }));
    EXPECT_EQ(older.answers().value(0), QStringLiteral("MID:chatter"));

    Client newer;
    ASSERT_TRUE(newer.connectTo(server.url() + QStringLiteral("/ws")));
    ASSERT_TRUE(waitUntil([&] { return older.answers().contains(QStringLiteral("LAST:") + stale); }));
    EXPECT_TRUE(older.answers().contains(QStringLiteral("MID:") + stale));
    EXPECT_TRUE(newer.answers().isEmpty());
    EXPECT_EQ(server.openConnectionCount(), 2);
}
