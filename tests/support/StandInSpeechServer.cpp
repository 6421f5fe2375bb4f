#include "StandInSpeechServer.h"

#include "VQApiConfig.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QWebSocket>
#include <QWebSocketServer>

#include <array>

namespace vqtest {

namespace {

const QString kTypeMid = QStringLiteral("MID");
const QString kTypeFin = QStringLiteral("FIN");
const QString kTypeLast = QStringLiteral("LAST");

// The members of every frame: strings, then the two booleans; "rate" and "nlu" are strings
// present only under their rules.
constexpr std::array<const char*, 9> kStringMembers = {
    "apiKey", "language", "clientId", "content", "deviceNo", "serialNo", "ptt", "phrases", "format",
};
constexpr std::array<const char*, 2> kBoolMembers = {"start", "end"};
constexpr std::array<const char*, 2> kOptionalMembers = {"rate", "nlu"};
// The members that keep their value for the whole connection.
constexpr std::array<const char*, 10> kConstantMembers = {
    "apiKey", "language", "clientId", "deviceNo", "serialNo", "ptt", "phrases", "format", "rate", "nlu",
};

template <std::size_t N>
bool contains(const std::array<const char*, N>& names, const QString& name)
{
    for (const char* n : names) {
        if (name == QLatin1String(n))
            return true;
    }
    return false;
}

bool matches(const char* pattern, const QString& text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern))).match(text).hasMatch();
}

QString shown(const QJsonValue& value)
{
    if (value.isUndefined())
        return QStringLiteral("(absent)");
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

SpeechAnswer answerOf(const QString& type, const QString& text, const QJsonObject& dm = {})
{
    SpeechAnswer answer;
    answer.type = type;
    answer.text = text;
    answer.dm = dm;
    return answer;
}

} // namespace

SpeechAnswer SpeechAnswer::mid(const QString& text)
{
    return answerOf(kTypeMid, text);
}

SpeechAnswer SpeechAnswer::fin(const QString& text)
{
    return answerOf(kTypeFin, text);
}

SpeechAnswer SpeechAnswer::last(const QString& text, const QJsonObject& dm)
{
    return answerOf(kTypeLast, text, dm);
}

SpeechAnswer SpeechAnswer::badStatus(const QString& text, int status)
{
    SpeechAnswer answer = last(text);
    answer.status = status;
    return answer;
}

SpeechAnswer SpeechAnswer::unknownType(const QString& text)
{
    return answerOf(QStringLiteral("PARTIAL"), text);
}

SpeechAnswer SpeechAnswer::notJson()
{
    SpeechAnswer answer;
    answer.raw = "{\"status\": 200, \"data\": {\"text\": \"";
    return answer;
}

SpeechAnswer SpeechAnswer::binaryLast(const QString& text)
{
    SpeechAnswer answer = last(text);
    answer.binary = true;
    return answer;
}

QByteArray SpeechAnswer::payload() const
{
    if (!raw.isEmpty())
        return raw;
    QJsonObject data{{QStringLiteral("text"), text}, {QStringLiteral("type"), type}};
    if (!dm.isEmpty())
        data.insert(QStringLiteral("dm"), dm);
    const QJsonObject frame{{QStringLiteral("status"), status}, {QStringLiteral("data"), data}};
    return QJsonDocument(frame).toJson(QJsonDocument::Compact);
}

StandInSpeechServer::StandInSpeechServer()
    : m_tcp(new QTcpServer(this))
    , m_ws(new QWebSocketServer(QStringLiteral("StandInSpeechServer"), QWebSocketServer::NonSecureMode, this))
{
    connect(m_tcp, &QTcpServer::newConnection, this, &StandInSpeechServer::onTcpConnection);
    connect(m_ws, &QWebSocketServer::newConnection, this, &StandInSpeechServer::onWebSocket);
}

StandInSpeechServer::~StandInSpeechServer()
{
    for (QWebSocket* socket : std::as_const(m_sockets)) {
        if (socket) {
            socket->disconnect(this);
            socket->abort();
        }
    }
}

bool StandInSpeechServer::start(quint16 port)
{
    if (!m_tcp->listen(QHostAddress::LocalHost, port))
        return false;
    m_port = m_tcp->serverPort();
    return true;
}

bool StandInSpeechServer::startSecure()
{
    QTemporaryDir dir;
    QProcess openssl;
    openssl.setWorkingDirectory(dir.path());
    openssl.start(QStringLiteral("openssl"), QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 -subj /CN=127.0.0.1 "
                                                            "-addext subjectAltName=IP:127.0.0.1 -keyout key.pem -out cert.pem").split(u' '));
    QFile keyFile(dir.filePath(QStringLiteral("key.pem")));
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0 || !keyFile.open(QIODevice::ReadOnly))
        return false;
    const QSslKey key(&keyFile, QSsl::Ec);
    m_certificate = QSslCertificate::fromPath(dir.filePath(QStringLiteral("cert.pem"))).value(0);
    if (key.isNull() || m_certificate.isNull())
        return false;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(m_certificate);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    auto* server = new QSslServer(this);
    server->setSslConfiguration(configuration);
    // A connection is handed on once its handshake is done.
    connect(server, &QSslServer::pendingConnectionAvailable, this, &StandInSpeechServer::onTcpConnection);
    connect(server, &QTcpServer::newConnection, this, [this] { ++m_tcpConnections; });
    delete m_tcp;
    m_tcp = server;
    m_secure = true;
    return start();
}

void StandInSpeechServer::stop()
{
    m_tcp->close();
    for (int i = 0; i < m_sockets.size(); ++i)
        closeConnection(i);
}

QString StandInSpeechServer::hostAndPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QString StandInSpeechServer::url() const
{
    return (m_secure ? QStringLiteral("wss://") : QStringLiteral("ws://")) + hostAndPort();
}

void StandInSpeechServer::installAsSpeechHost() const
{
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::SpeechHost, m_secure ? url() : hostAndPort());
}

void StandInSpeechServer::addAnswer(int trigger, const SpeechAnswer& answer)
{
    m_script.append({trigger, answer});
}

bool StandInSpeechServer::send(int connection, const SpeechAnswer& answer)
{
    QWebSocket* socket = m_sockets.value(connection);
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return false;
    if (answer.binary)
        socket->sendBinaryMessage(answer.payload());
    else
        socket->sendTextMessage(QString::fromUtf8(answer.payload()));
    if (answer.type == kTypeLast && answer.status == 200 && answer.raw.isEmpty() && !answer.binary) {
        m_connections[connection].lastSent = true;
        Q_EMIT lastSent(connection);
    }
    return true;
}

void StandInSpeechServer::closeConnection(int connection)
{
    if (QWebSocket* socket = m_sockets.value(connection))
        socket->close();
}

QString StandInSpeechServer::defaultFinalText(int frames, const QByteArray& audio)
{
    return QStringLiteral("frames=%1 bytes=%2 crc=%3")
        .arg(frames)
        .arg(audio.size())
        .arg(crc32(audio), 8, 16, QLatin1Char('0'));
}

quint32 StandInSpeechServer::crc32(const QByteArray& data)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : data) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

SpeechConnection StandInSpeechServer::connection(int index) const
{
    return m_connections.value(index);
}

int StandInSpeechServer::openConnectionCount() const
{
    int open = 0;
    for (const QWebSocket* socket : m_sockets)
        open += socket ? 1 : 0;
    return open;
}

void StandInSpeechServer::onTcpConnection()
{
    while (QTcpSocket* socket = m_tcp->nextPendingConnection()) {
        if (m_misbehaviour.refuse) {
            refuse(socket);
        } else if (m_misbehaviour.handshakeDelayMs > 0) {
            QPointer<QTcpSocket> guarded(socket);
            QTimer::singleShot(m_misbehaviour.handshakeDelayMs, Qt::PreciseTimer, this, [this, guarded] {
                if (guarded)
                    m_ws->handleConnection(guarded);
            });
        } else {
            m_ws->handleConnection(socket);
        }
    }
}

// Reads the upgrade request, records it and answers 503.
void StandInSpeechServer::refuse(QTcpSocket* socket)
{
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (!socket->peek(64 * 1024).contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = socket->readLine().trimmed().split(' ');
        socket->readAll();
        const QUrl target(QString::fromLatin1(requestLine.value(1)));
        SpeechConnection record;
        record.path = target.path();
        record.query = target.query(QUrl::FullyEncoded);
        if (QUrlQuery(target).hasQueryItem(QStringLiteral("region")))
            record.region = QUrlQuery(target).queryItemValue(QStringLiteral("region"), QUrl::FullyDecoded);
        record.refused = true;
        record.closed = true;
        m_connections.append(record);
        m_sockets.append(nullptr);
        socket->write("HTTP/1.1 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        Q_EMIT closed(static_cast<int>(m_connections.size()) - 1);
    });
}

void StandInSpeechServer::onWebSocket()
{
    while (QWebSocket* socket = m_ws->nextPendingConnection()) {
        const int index = static_cast<int>(m_connections.size());
        const QUrl url = socket->requestUrl();
        SpeechConnection record;
        record.path = url.path();
        record.query = url.query(QUrl::FullyEncoded);
        const QUrlQuery query(url);
        if (query.hasQueryItem(QStringLiteral("region")))
            record.region = query.queryItemValue(QStringLiteral("region"), QUrl::FullyDecoded);
        m_connections.append(record);
        m_sockets.append(socket);

        if (record.path != QLatin1String("/ws"))
            violation(index, 0, QStringLiteral("path \"%1\" is not \"/ws\"").arg(record.path));
        for (const auto& [name, value] : query.queryItems(QUrl::FullyDecoded)) {
            if (name != QLatin1String("region"))
                violation(index, 0, QStringLiteral("unknown query parameter \"%1\"").arg(name));
            else if (value.isEmpty())
                violation(index, 0, QStringLiteral("empty region"));
        }

        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, index](const QString& message) { onText(index, message); });
        connect(socket, &QWebSocket::binaryMessageReceived, this, [this, index] { onBinary(index); });
        connect(socket, &QWebSocket::disconnected, this, [this, index, socket] {
            m_sockets[index] = nullptr;
            m_connections[index].closed = true;
            socket->deleteLater();
            Q_EMIT closed(index);
        });

        if (m_misbehaviour.staleOnOlder) {
            for (int older = 0; older < index; ++older) {
                send(older, SpeechAnswer::mid(QLatin1String(kStaleText)));
                send(older, SpeechAnswer::last(QLatin1String(kStaleText)));
            }
        }
        Q_EMIT connected(index);
    }
}

void StandInSpeechServer::onText(int index, const QString& message)
{
    SpeechConnection& record = m_connections[index];
    const int number = static_cast<int>(record.frames.size()) + 1;
    if (record.endReceived)
        violation(index, number, QStringLiteral("frame after the end frame"));

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        violation(index, number, QStringLiteral("not a JSON object"));
        return;
    }
    const QJsonObject frame = document.object();
    checkFrame(index, frame);
    record.frames.append(frame);
    const bool end = frame.value(QStringLiteral("end")).toBool();
    record.endReceived = record.endReceived || end;

    if (number == 1 && m_misbehaviour.chatterMs > 0) {
        auto* chatter = new QTimer(m_sockets[index]);
        chatter->setTimerType(Qt::PreciseTimer);
        connect(chatter, &QTimer::timeout, this,
                [this, index] { send(index, SpeechAnswer::mid(QLatin1String(kChatterText))); });
        chatter->start(m_misbehaviour.chatterMs);
    }
    Q_EMIT frameReceived(index, number);
    answerFrame(index, number, end);
}

void StandInSpeechServer::onBinary(int index)
{
    violation(index, static_cast<int>(m_connections[index].frames.size()) + 1, QStringLiteral("binary frame"));
}

void StandInSpeechServer::checkFrame(int index, const QJsonObject& frame)
{
    const SpeechConnection& record = m_connections[index];
    const int number = static_cast<int>(record.frames.size()) + 1;
    auto fail = [&](const QString& what) { violation(index, number, what); };

    for (auto it = frame.begin(); it != frame.end(); ++it) {
        if (!contains(kStringMembers, it.key()) && !contains(kBoolMembers, it.key())
            && !contains(kOptionalMembers, it.key()))
            fail(QStringLiteral("unknown member \"%1\"").arg(it.key()));
    }
    for (const char* name : kStringMembers) {
        const QJsonValue value = frame.value(QLatin1String(name));
        if (value.isUndefined())
            fail(QStringLiteral("missing \"%1\"").arg(QLatin1String(name)));
        else if (!value.isString())
            fail(QStringLiteral("\"%1\" is not a string").arg(QLatin1String(name)));
    }
    for (const char* name : kOptionalMembers) {
        const QJsonValue value = frame.value(QLatin1String(name));
        if (!value.isUndefined() && !value.isString())
            fail(QStringLiteral("\"%1\" is not a string").arg(QLatin1String(name)));
    }
    for (const char* name : kBoolMembers) {
        const QJsonValue value = frame.value(QLatin1String(name));
        if (value.isUndefined())
            fail(QStringLiteral("missing \"%1\"").arg(QLatin1String(name)));
        else if (!value.isBool())
            fail(QStringLiteral("\"%1\" is not a boolean").arg(QLatin1String(name)));
    }

    auto text = [&](const char* name) { return frame.value(QLatin1String(name)).toString(); };
    // Value rules apply to members of the right type; a wrong type is reported once, above.
    auto has = [&](const char* name) { return frame.value(QLatin1String(name)).isString(); };
    if (has("apiKey") && text("apiKey").isEmpty())
        fail(QStringLiteral("empty \"apiKey\""));
    if (has("language") && text("language").isEmpty())
        fail(QStringLiteral("empty \"language\""));
    if (has("clientId") && !matches("clientId[0-9]+", text("clientId")))
        fail(QStringLiteral("\"clientId\" %1 is not clientId<digits>").arg(shown(frame.value(QStringLiteral("clientId")))));
    if (has("deviceNo") && !text("deviceNo").isEmpty() && !matches("([0-9a-f]{2}:){5}[0-9a-f]{2}", text("deviceNo")))
        fail(QStringLiteral("\"deviceNo\" %1 is not a lower-case MAC address").arg(text("deviceNo")));
    if (has("ptt") && !matches("[01]", text("ptt")))
        fail(QStringLiteral("\"ptt\" is %1").arg(shown(frame.value(QStringLiteral("ptt")))));
    if (has("format") && !matches("adpcm|pcm", text("format")))
        fail(QStringLiteral("\"format\" is %1").arg(shown(frame.value(QStringLiteral("format")))));
    if (has("rate") && !matches("8k|16k", text("rate")))
        fail(QStringLiteral("\"rate\" is %1").arg(shown(frame.value(QStringLiteral("rate")))));
    if (has("nlu") && text("nlu") != QLatin1String("1"))
        fail(QStringLiteral("\"nlu\" is %1").arg(shown(frame.value(QStringLiteral("nlu")))));

    const QString content = text("content");
    const QByteArray decoded = QByteArray::fromBase64(content.toLatin1());
    if (!matches("([A-Za-z0-9+/]{4})*([A-Za-z0-9+/]{2}==|[A-Za-z0-9+/]{3}=)?", content)
        || QString::fromLatin1(decoded.toBase64()) != content)
        fail(QStringLiteral("\"content\" is not standard base64"));
    else
        m_connections[index].audio += decoded;

    const QJsonValue start = frame.value(QStringLiteral("start"));
    if (start.isBool() && start.toBool() != (number == 1))
        fail(number == 1 ? QStringLiteral("the first frame has no \"start\" true")
                         : QStringLiteral("\"start\" is not false after the first frame"));

    if (number > 1) {
        const QJsonObject& first = record.frames.first();
        for (const char* name : kConstantMembers) {
            const QJsonValue before = first.value(QLatin1String(name));
            const QJsonValue now = frame.value(QLatin1String(name));
            if (before != now)
                fail(QStringLiteral("\"%1\" changed from %2 to %3").arg(QLatin1String(name), shown(before), shown(now)));
        }
    }

    if (!m_expectation)
        return;
    const QJsonValue rate = frame.value(QStringLiteral("rate"));
    if (m_expectation->rate ? rate != QJsonValue(*m_expectation->rate) : !rate.isUndefined())
        fail(QStringLiteral("\"rate\" is %1, expected %2")
                 .arg(shown(rate), m_expectation->rate ? shown(*m_expectation->rate) : shown(QJsonValue::Undefined)));
    if (text("format") != m_expectation->format)
        fail(QStringLiteral("\"format\" is %1, expected \"%2\"").arg(shown(frame.value(QStringLiteral("format"))),
                                                                    m_expectation->format));
    if (frame.contains(QStringLiteral("nlu")) != m_expectation->nlu)
        fail(m_expectation->nlu ? QStringLiteral("\"nlu\" is missing") : QStringLiteral("\"nlu\" is present"));
    for (auto it = m_expectation->values.begin(); it != m_expectation->values.end(); ++it) {
        const QJsonValue value = frame.value(it.key());
        if (value != QJsonValue(it.value()))
            fail(QStringLiteral("\"%1\" is %2, expected \"%3\"").arg(it.key(), shown(value), it.value()));
    }
}

void StandInSpeechServer::answerFrame(int index, int frameNumber, bool end)
{
    if (m_misbehaviour.neverAnswer)
        return;
    if (end && m_misbehaviour.closeWithoutLast) {
        closeConnection(index);
        return;
    }
    if (!m_script.isEmpty()) {
        for (const auto& [trigger, answer] : std::as_const(m_script)) {
            if (trigger == frameNumber || (trigger == kOnEnd && end))
                schedule(index, answer);
        }
        return;
    }
    if (end) {
        const SpeechConnection& record = m_connections[index];
        schedule(index, SpeechAnswer::last(defaultFinalText(static_cast<int>(record.frames.size()), record.audio)));
    }
}

void StandInSpeechServer::schedule(int index, const SpeechAnswer& answer)
{
    auto deliver = [this, index, answer] {
        if (m_misbehaviour.noise) {
            const QString noise = QLatin1String(kNoiseText);
            for (const SpeechAnswer& junk : {SpeechAnswer::badStatus(noise), SpeechAnswer::unknownType(noise),
                                             SpeechAnswer::notJson(), SpeechAnswer::binaryLast(noise)})
                send(index, junk);
        }
        send(index, answer);
    };
    if (answer.delayMs > 0)
        QTimer::singleShot(answer.delayMs, Qt::PreciseTimer, this, deliver);
    else
        deliver();
}

void StandInSpeechServer::violation(int index, int frame, const QString& what)
{
    const QString text = QStringLiteral("connection %1 frame %2: %3").arg(index).arg(frame).arg(what);
    m_violations.append(text);
    Q_EMIT violationFound(text);
}

} // namespace vqtest
