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
