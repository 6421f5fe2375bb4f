#include "StandInHttpServer.h"

#include "VQApiConfig.h"
#include "VQCrypto.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace vqtest {

namespace {

constexpr char kHeaderEnd[] = "\r\n\r\n";
constexpr char kFormContentType[] = "application/x-www-form-urlencoded";
constexpr char kMultipartContentType[] = "multipart/form-data";
constexpr char kJsonContentType[] = "application/json";
const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

QString reasonPhrase(int status)
{
    switch (status) {
    case 200: return QStringLiteral("OK");
    case 204: return QStringLiteral("No Content");
    case 400: return QStringLiteral("Bad Request");
    case 404: return QStringLiteral("Not Found");
    case 405: return QStringLiteral("Method Not Allowed");
    case 411: return QStringLiteral("Length Required");
    case 415: return QStringLiteral("Unsupported Media Type");
    case 500: return QStringLiteral("Internal Server Error");
    default: return QStringLiteral("Status");
    }
}

// Decodes "a=b&c=d" as servers decode queries and form bodies: "+" is a blank, then percent
// escapes.
QList<std::pair<QString, QString>> decodePairs(const QByteArray& encoded)
{
    QList<std::pair<QString, QString>> pairs;
    if (encoded.isEmpty())
        return pairs;
    const QList<QByteArray> items = encoded.split('&');
    for (const QByteArray& item : items) {
        if (item.isEmpty())
            continue;
        const qsizetype equals = item.indexOf('=');
        QByteArray name = equals < 0 ? item : item.left(equals);
        QByteArray value = equals < 0 ? QByteArray() : item.mid(equals + 1);
        name.replace('+', ' ');
        value.replace('+', ' ');
        pairs.append({QString::fromUtf8(QByteArray::fromPercentEncoding(name)),
                      QString::fromUtf8(QByteArray::fromPercentEncoding(value))});
    }
    return pairs;
}

std::optional<QString> findValue(const QList<std::pair<QString, QString>>& pairs, const QString& name)
{
    for (const auto& pair : pairs) {
        if (pair.first == name)
            return pair.second;
    }
    return std::nullopt;
}

// The value of a parameter of a header such as `form-data; name="file"; filename="a.png"`.
QByteArray headerParameter(const QByteArray& header, const QByteArray& parameter)
{
    const QList<QByteArray> pieces = header.split(';');
    for (const QByteArray& piece : pieces) {
        const QByteArray trimmed = piece.trimmed();
        const qsizetype equals = trimmed.indexOf('=');
        if (equals < 0 || trimmed.left(equals).trimmed().toLower() != parameter)
            continue;
        QByteArray value = trimmed.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return {};
}

// Splits a multipart/form-data body; nullopt when it is malformed.
std::optional<QList<StandInPart>> parseMultipart(const QByteArray& body, const QByteArray& boundary)
{
    if (boundary.isEmpty())
        return std::nullopt;
    const QByteArray delimiter = QByteArray("--") + boundary;
    QList<StandInPart> parts;
    qsizetype position = body.indexOf(delimiter);
    if (position < 0)
        return std::nullopt;
    while (true) {
        position += delimiter.size();
        if (body.mid(position, 2) == "--")
            return parts; // closing delimiter
        if (body.mid(position, 2) != "\r\n")
            return std::nullopt;
        position += 2;
        const QByteArray separator = QByteArray("\r\n") + delimiter;
        const qsizetype next = body.indexOf(separator, position);
        if (next < 0)
            return std::nullopt;
        const QByteArray raw = body.mid(position, next - position);
        const qsizetype headerEnd = raw.indexOf(kHeaderEnd);
        if (headerEnd < 0)
            return std::nullopt;
        StandInPart part;
        const QList<QByteArray> lines = raw.left(headerEnd).split('\n');
        for (const QByteArray& line : lines) {
            const qsizetype colon = line.indexOf(':');
            if (colon < 0)
                continue;
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "content-disposition") {
                part.name = QString::fromUtf8(headerParameter(value, "name"));
                if (value.contains("filename="))
                    part.fileName = QString::fromUtf8(headerParameter(value, "filename"));
            } else if (name == "content-type") {
                part.contentType = value;
            }
        }
        part.data = raw.mid(headerEnd + 4);
        parts.append(part);
        position = next + 2;
    }
}

StandInReply refusal(const StandInRoute& route, int status, const QString& reason)
{
    QJsonObject object{{route.statusField, status}, {QStringLiteral("message"), reason}};
    return StandInReply::json(object, status);
}

StandInRoute route(const char* method, const QString& path, StandInParams params, const QStringList& required,
                   bool account = false)
{
    StandInRoute r;
    r.method = method;
    r.path = path;
    r.params = params;
    r.required = required;
    r.statusField = account ? QStringLiteral("statusCode") : QStringLiteral("code");
    r.defaultReply = account ? StandInReply::account(QJsonObject()) : StandInReply::api(QJsonObject());
    return r;
}

} // namespace

// ---- StandInRequest ----

QByteArray StandInRequest::header(const QByteArray& name) const
{
    for (const auto& header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return {};
}

std::optional<QString> StandInRequest::queryValue(const QString& name) const
{
    return findValue(query, name);
}

std::optional<QString> StandInRequest::formValue(const QString& name) const
{
    return findValue(form, name);
}

QStringList StandInRequest::queryNames() const
{
    QStringList names;
    for (const auto& pair : query)
        names.append(pair.first);
    return names;
}

QStringList StandInRequest::formNames() const
{
    QStringList names;
    for (const auto& pair : form)
        names.append(pair.first);
    return names;
}

const StandInPart* StandInRequest::part(const QString& name) const
{
    for (const StandInPart& p : parts) {
        if (p.name == name)
            return &p;
    }
    return nullptr;
}

// ---- StandInReply ----

StandInReply StandInReply::json(const QJsonValue& body, int status)
{
    StandInReply reply;
    reply.status = status;
    reply.contentType = "application/json";
    if (body.isObject())
        reply.body = QJsonDocument(body.toObject()).toJson(QJsonDocument::Compact);
    else if (body.isArray())
        reply.body = QJsonDocument(body.toArray()).toJson(QJsonDocument::Compact);
    else
        reply.body = QJsonDocument(QJsonArray{body}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
    return reply;
}

StandInReply StandInReply::api(const QJsonValue& data, int code, const QString& message)
{
    return json(QJsonObject{{QStringLiteral("code"), code}, {QStringLiteral("message"), message},
                            {QStringLiteral("data"), data}});
}

StandInReply StandInReply::account(const QJsonValue& data, int code, const QString& message)
{
    return json(QJsonObject{{QStringLiteral("statusCode"), code}, {QStringLiteral("message"), message},
                            {QStringLiteral("data"), data}});
}

StandInReply StandInReply::html(int status, const QByteArray& page)
{
    StandInReply reply;
    reply.status = status;
    reply.contentType = "text/html; charset=utf-8";
    reply.body = page;
    return reply;
}

StandInReply StandInReply::text(const QByteArray& body, const QByteArray& contentType)
{
    StandInReply reply;
    reply.contentType = contentType;
    reply.body = body;
    return reply;
}

// ---- StandInHttpServer ----

StandInHttpServer::StandInHttpServer()
    : m_routes(makerRoutes())
{
}

StandInHttpServer::~StandInHttpServer()
{
    close();
}

QStringList StandInHttpServer::commonParameterNames()
{
    return {QStringLiteral("vid"), QStringLiteral("pid"), QStringLiteral("sn"),
            QStringLiteral("channelName"), QStringLiteral("macAddr"), QStringLiteral("clientversion")};
}

QList<StandInRoute> StandInHttpServer::makerRoutes()
{
    const QString api = QString::fromLatin1(kApiPrefix);
    const QString account = QString::fromLatin1(kAccountPrefix);
    const QStringList common = commonParameterNames();
    const auto with = [&common](const QStringList& own) { return common + own; };
    using P = StandInParams;

    QList<StandInRoute> routes{
        route("POST", api + u"/commonCmd", P::Form, common),
        route("GET", api + u"/deviceCmd", P::Query, {QStringLiteral("sn")}),
        route("GET", api + u"/saveDeviceCmd", P::Query,
              with({QStringLiteral("customName"), QStringLiteral("customCmd"), QStringLiteral("cmdType")})),
        route("GET", api + u"/deleteDeviceCmd", P::Query, with({QStringLiteral("customCmd")})),
        route("GET", api + u"/translate", P::Query,
              {QStringLiteral("appkey"), QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("text")}),
        route("GET", api + u"/getCustomerKey", P::Query, with({QStringLiteral("productCode")})),
        route("POST", api + u"/saveCustomerKey", P::Form,
              with({QStringLiteral("cmdId"), QStringLiteral("keyId"), QStringLiteral("opId"),
                    QStringLiteral("userModelId"), QStringLiteral("attr0"), QStringLiteral("attr1"),
                    QStringLiteral("attr2")})),
        route("POST", api + u"/resetCustomerKey", P::Form, with({QStringLiteral("userModelId")})),
        route("GET", api + u"/getAppKey", P::Query, {}),
        route("GET", api + u"/addHardware", P::Query,
              {QStringLiteral("channel"), QStringLiteral("firmwareVersion"), QStringLiteral("softVersion")}),
        route("GET", api + u"/otaUpdate", P::Query,
              with({QStringLiteral("type"), QStringLiteral("version"), QStringLiteral("productCode")})),
        route("POST", api + u"/ocr", P::Multipart, {QStringLiteral("language"), QStringLiteral("file")}),
        route("POST", api + u"/chat", P::EncryptedChat, {}),
        route("POST", account + u"login", P::Query,
              {QStringLiteral("account"), QStringLiteral("password"), QStringLiteral("serialNo")}, true),
        route("POST", account + u"register", P::Query,
              {QStringLiteral("account"), QStringLiteral("code"), QStringLiteral("password"), QStringLiteral("type")},
              true),
        route("POST", account + u"getCode", P::Query,
              {QStringLiteral("account"), QStringLiteral("accountType"), QStringLiteral("codeType"),
               QStringLiteral("country")},
              true),
        route("POST", account + u"resetPwd", P::Query,
              {QStringLiteral("account"), QStringLiteral("code"), QStringLiteral("password")}, true),
        route("GET", account + u"memberInfo", P::Query, {QStringLiteral("token")}, true),
    };

    StandInRoute probe = route("GET", QString::fromLatin1(kProbePath), P::None, {});
    probe.defaultReply = StandInReply::html(200, "<html><body>ok</body></html>");
    routes.append(probe);
    return routes;
}

bool StandInHttpServer::listen()
{
    close();
    m_server = new QTcpServer(this);
    connect(m_server, &QTcpServer::newConnection, this, &StandInHttpServer::onNewConnection);
    if (!m_server->listen(QHostAddress::LocalHost, 0)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    m_port = m_server->serverPort();
    return true;
}

void StandInHttpServer::close()
{
    if (m_server != nullptr) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    const QList<QTcpSocket*> sockets = m_buffers.keys();
    m_buffers.clear();
    for (QTcpSocket* socket : sockets) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

QString StandInHttpServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port) + path;
}

void StandInHttpServer::installAsMakerServices() const
{
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::Api, url(QString::fromLatin1(kApiPrefix)));
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::AccountApi, url(QString::fromLatin1(kAccountPrefix)));
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::ProbePage, url(QString::fromLatin1(kProbePath)));
}

void StandInHttpServer::addRoute(const StandInRoute& route)
{
    m_routes.append(route);
}

void StandInHttpServer::setReply(const QString& path, const StandInReply& reply)
{
    m_replies.insert(path, reply);
}

void StandInHttpServer::setResponder(const QString& path, std::function<StandInReply(const StandInRequest&)> responder)
{
    m_responders.insert(path, std::move(responder));
}

StandInRequest StandInHttpServer::lastRequest() const
{
    return m_requests.isEmpty() ? StandInRequest() : m_requests.last();
}

void StandInHttpServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(this);
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void StandInHttpServer::onReadyRead(QTcpSocket* socket)
{
    auto it = m_buffers.find(socket);
    if (it == m_buffers.end())
        return; // a request of this connection is being answered
    it->append(socket->readAll());
    const QByteArray& buffer = *it;
    const qsizetype headerEnd = buffer.indexOf(kHeaderEnd);
    if (headerEnd < 0)
        return;

    StandInRequest request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    qint64 contentLength = 0;
    bool chunked = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed();
        const QByteArray value = line.mid(colon + 1).trimmed();
        request.headers.append({name, value});
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
            contentLength = value.toLongLong();
        if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0 && value.toLower().contains("chunked"))
            chunked = true;
    }
    const qsizetype bodyStart = headerEnd + 4;
    if (!chunked && buffer.size() - bodyStart < contentLength)
        return; // the body is still coming
    request.body = buffer.mid(bodyStart, contentLength);
    m_buffers.erase(it);

    const qsizetype question = request.target.indexOf('?');
    const QByteArray rawPath = question < 0 ? request.target : request.target.left(question);
    request.rawQuery = question < 0 ? QByteArray() : request.target.mid(question + 1);
    request.path = QString::fromUtf8(QByteArray::fromPercentEncoding(rawPath));
    request.query = decodePairs(request.rawQuery);

    if (chunked) {
        request.rejection = QStringLiteral("chunked bodies are not accepted");
        request.status = 411;
        m_requests.append(request);
        answer(socket, StandInReply::html(411, "<html><body>Length Required</body></html>"));
        return;
    }
    handle(socket, std::move(request));
}

std::optional<StandInReply> StandInHttpServer::check(StandInRequest& request, const StandInRoute& route) const
{
    if (!route.method.isEmpty() && request.method != route.method)
        return refusal(route, 405, QStringLiteral("method %1 not allowed").arg(QString::fromLatin1(request.method)));

    const QByteArray contentType = request.header("Content-Type");
    const QByteArray mediaType = contentType.split(';').value(0).trimmed().toLower();
    QStringList present;
    switch (route.params) {
    case StandInParams::None:
        return std::nullopt;
    case StandInParams::Query:
        present = request.queryNames();
        break;
    case StandInParams::Form:
        if (mediaType != kFormContentType)
            return refusal(route, 415, QStringLiteral("expected a form body"));
        request.form = decodePairs(request.body);
        present = request.formNames();
        break;
    case StandInParams::Multipart: {
        if (mediaType != kMultipartContentType)
            return refusal(route, 415, QStringLiteral("expected multipart/form-data"));
        const auto parts = parseMultipart(request.body, headerParameter(contentType, "boundary"));
        if (!parts)
            return refusal(route, 400, QStringLiteral("malformed multipart body"));
        request.parts = *parts;
        for (const StandInPart& part : request.parts)
            present.append(part.name);
        const StandInPart* file = request.part(QStringLiteral("file"));
        if (file != nullptr
            && (file->fileName.isEmpty() || !file->contentType.startsWith("image/")
                || !file->data.startsWith(kPngSignature)))
            return refusal(route, 400, QStringLiteral("the file is not a PNG image"));
        break;
    }
    case StandInParams::EncryptedChat: {
        if (mediaType != kJsonContentType)
            return refusal(route, 415, QStringLiteral("expected application/json"));
        const auto plain = VQCrypto::decryptChatBody(request.body);
        if (!plain)
            return refusal(route, 400, QStringLiteral("the body does not decrypt"));
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(*plain, &error);
        if (error.error != QJsonParseError::NoError || !document.isArray() || document.array().isEmpty())
            return refusal(route, 400, QStringLiteral("the conversation is not a JSON array of messages"));
        for (const QJsonValue& message : document.array()) {
            const QString role = message.toObject().value(QStringLiteral("role")).toString();
            if ((role != u"user" && role != u"assistant") || !message.toObject().value(QStringLiteral("content")).isString())
                return refusal(route, 400, QStringLiteral("a message without role or content"));
        }
        break;
    }
    }
    for (const QString& name : route.required) {
        if (!present.contains(name))
            return refusal(route, 400, QStringLiteral("missing parameter %1").arg(name));
    }
    return std::nullopt;
}

void StandInHttpServer::handle(QTcpSocket* socket, StandInRequest request)
{
    const StandInRoute* found = nullptr;
    for (const StandInRoute& candidate : m_routes) {
        if (candidate.path == request.path) {
            found = &candidate;
            break;
        }
    }
    StandInRoute adHoc;
    if (found == nullptr && (m_replies.contains(request.path) || m_responders.contains(request.path))) {
        adHoc.path = request.path;
        found = &adHoc;
    }
    if (found == nullptr) {
        request.rejection = QStringLiteral("unknown path");
        request.status = 404;
        m_requests.append(request);
        answer(socket, StandInReply::html(404, "<html><body><h1>404 Not Found</h1></body></html>"));
        return;
    }

    const std::optional<StandInReply> refused = check(request, *found);
    StandInReply reply;
    if (refused) {
        reply = *refused;
        request.rejection
            = QJsonDocument::fromJson(refused->body).object().value(QStringLiteral("message")).toString();
    } else if (const auto responder = m_responders.constFind(request.path); responder != m_responders.constEnd()) {
        reply = (*responder)(request);
    } else {
        reply = m_replies.value(request.path, found->defaultReply);
    }
    request.status = reply.status;
    m_requests.append(request);
    answer(socket, reply);
}

void StandInHttpServer::answer(QTcpSocket* socket, const StandInReply& reply)
{
    QPointer<QTcpSocket> guard(socket);
    const auto send = [guard, reply] {
        if (!guard)
            return;
        QByteArray head = QStringLiteral("HTTP/1.1 %1 %2\r\n").arg(reply.status).arg(reasonPhrase(reply.status)).toLatin1();
        head += "Content-Type: " + reply.contentType + "\r\n";
        head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
        if (!reply.location.isEmpty())
            head += "Location: " + reply.location + "\r\n";
        head += "Connection: close\r\n\r\n";
        guard->write(head);
        if (reply.closeMidBody) {
            guard->write(reply.body.left(reply.body.size() / 2));
            guard->flush();
            guard->disconnectFromHost();
            return;
        }
        if (reply.trickleMs <= 0) {
            guard->write(reply.body);
            guard->disconnectFromHost();
            return;
        }
        auto* timer = new QTimer(guard);
        auto sent = std::make_shared<qsizetype>(0);
        QObject::connect(timer, &QTimer::timeout, guard, [guard, timer, sent, body = reply.body] {
            if (*sent >= body.size()) {
                timer->stop();
                guard->disconnectFromHost();
                return;
            }
            guard->write(body.mid((*sent)++, 1));
        });
        timer->start(reply.trickleMs);
    };
    if (reply.delayMs > 0)
        QTimer::singleShot(reply.delayMs, socket, send);
    else
        send();
}

} // namespace vqtest
