#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QStringList>

#include <optional>

class QTcpServer;
class QTcpSocket;
class QWebSocket;
class QWebSocketServer;

namespace vqtest {

// One frame the stand-in sends.
struct SpeechAnswer {
    QString type;       // "MID", "FIN", "LAST" or anything else
    QString text;
    QJsonObject dm;     // sent as data's "dm" when not empty
    int status = 200;
    QByteArray raw;     // when not empty, sent as it is in place of the JSON object
    bool binary = false; // sent as a binary frame
    int delayMs = 0;     // wait this long after the trigger (a precise timer)

    static SpeechAnswer mid(const QString& text);
    static SpeechAnswer fin(const QString& text);
    static SpeechAnswer last(const QString& text, const QJsonObject& dm = {});
    // The frames a client must ignore, each carrying the text.
    static SpeechAnswer badStatus(const QString& text, int status = 500); // a "LAST" with another status
    static SpeechAnswer unknownType(const QString& text);
    static SpeechAnswer notJson();
    static SpeechAnswer binaryLast(const QString& text);

    QByteArray payload() const;
};

// What a test requires of every frame of the following connections, beyond the protocol's form.
struct SpeechExpectation {
    std::optional<QString> rate; // nullopt: "rate" must be absent
    QString format;              // "adpcm" or "pcm"
    bool nlu = false;            // "nlu" must be present ("1") or absent
    QHash<QString, QString> values; // further members and their required values, e.g. "language"
};

// The ways the stand-in can misbehave; a client must survive each of them.
struct SpeechMisbehaviour {
    bool refuse = false;        // the upgrade is answered with HTTP 503 and the connection closed
    int handshakeDelayMs = 0;   // the upgrade is answered this late
    bool closeWithoutLast = false; // the end frame is answered by closing, with no "LAST"
    bool neverAnswer = false;   // frames are recorded, nothing is sent
    bool noise = false;         // before every answer: a bad status, an unknown type, non-JSON and a
                                // binary frame, all carrying kNoiseText
    int chatterMs = 0;          // > 0: a "MID" kChatterText every chatterMs from the first frame
                                // until the connection closes (also after a cancel or the end)
    bool staleOnOlder = false;  // a new connection makes every older open one get a "MID" and a
                                // "LAST", both kStaleText
};

// What one connection brought.
struct SpeechConnection {
    QString path;
    QString query;        // as sent, without "?"
    QString region;       // the "region" parameter; null when absent
    bool refused = false;
    QList<QJsonObject> frames;
    QByteArray audio;     // the decoded "content" of every frame, in order
    bool endReceived = false;
    bool lastSent = false;
    bool closed = false;
};

// A websocket server in place of the maker's speech server (docs/speech-protocol.md):
// 127.0.0.1, a port chosen by the system, path "/ws". It checks every frame of the client as the
// real server would and records the violations; it answers by script, or by default the end frame
// with "LAST" and defaultFinalText() of the audio received. Runs on the thread that made it.
class StandInSpeechServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kOnEnd = 0; // script trigger: the end frame
    static constexpr char kNoiseText[] = "noise";
    static constexpr char kChatterText[] = "chatter";
    static constexpr char kStaleText[] = "stale";

    StandInSpeechServer();
    ~StandInSpeechServer() override;

    // Starts listening on the port (0: one the system chooses); false when it cannot.
    bool start(quint16 port = 0);
    // The same over TLS (wss://) with a self-signed certificate for 127.0.0.1 made now with the
    // openssl program; certificate() is the one a client must trust.
    bool startSecure();
    QSslCertificate certificate() const { return m_certificate; }
    // Every connection a client opened to the secure server, whether its TLS handshake succeeded
    // or not (a client speaking plain ws:// fails it).
    int tcpConnections() const { return m_tcpConnections; }
    // Stops listening and closes every connection.
    void stop();
    quint16 port() const { return m_port; }
    QString hostAndPort() const;  // "127.0.0.1:<port>"
    QString url() const;          // "ws://127.0.0.1:<port>" ("wss://" when secure)
    // Points VQApiConfig's speech host at this server.
    void installAsSpeechHost() const;

    // Checks every frame from now on also against the expectation (nullopt: the form only).
    void expect(const std::optional<SpeechExpectation>& expectation) { m_expectation = expectation; }
    void setMisbehaviour(const SpeechMisbehaviour& misbehaviour) { m_misbehaviour = misbehaviour; }
    // Script: after the client's frame number `trigger` (1-based) or its end frame (kOnEnd), send
    // the answer. With any step scripted the default answer is off. Applies to each connection.
    void addAnswer(int trigger, const SpeechAnswer& answer);
    void clearScript() { m_script.clear(); }
    // Sends a frame on a connection now, when it is still open.
    bool send(int connection, const SpeechAnswer& answer);
    void closeConnection(int connection);

    // The final text of the default answer: "frames=<n> bytes=<n> crc=<8 hex digits>".
    static QString defaultFinalText(int frames, const QByteArray& audio);
    static quint32 crc32(const QByteArray& data);

    QList<SpeechConnection> connections() const { return m_connections; }
    int connectionCount() const { return static_cast<int>(m_connections.size()); }
    // The connection's record; an empty one for an index that does not exist.
    SpeechConnection connection(int index) const;
    QByteArray decodedAudio(int connection) const { return this->connection(connection).audio; }
    QString regionQuery(int connection) const { return this->connection(connection).region; }
    int openConnectionCount() const;
    // Every rule a client broke, "connection <i> frame <n>: <what>"; empty when all held.
    QStringList violations() const { return m_violations; }

Q_SIGNALS:
    void connected(int connection);
    void frameReceived(int connection, int frame);
    void violationFound(const QString& violation);
    void lastSent(int connection);
    void closed(int connection);

private:
    void onTcpConnection();
    void refuse(QTcpSocket* socket);
    void onWebSocket();
    void onText(int index, const QString& message);
    void onBinary(int index);
    void checkFrame(int index, const QJsonObject& frame);
    void answerFrame(int index, int frameNumber, bool end);
    void schedule(int index, const SpeechAnswer& answer);
    void violation(int index, int frame, const QString& what);

    QTcpServer* m_tcp = nullptr;
    QWebSocketServer* m_ws = nullptr;
    quint16 m_port = 0;
    bool m_secure = false;
    QSslCertificate m_certificate;
    int m_tcpConnections = 0;
    std::optional<SpeechExpectation> m_expectation;
    SpeechMisbehaviour m_misbehaviour;
    QList<std::pair<int, SpeechAnswer>> m_script;
    QList<SpeechConnection> m_connections;
    QList<QWebSocket*> m_sockets; // per connection; null once closed or for a refused one
    QStringList m_violations;
};

} // namespace vqtest
