#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonValue>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

class QTcpServer;
class QTcpSocket;

namespace vqtest {

// One part of a multipart/form-data body.
struct StandInPart {
    QString name;
    QString fileName; // null when the part is no file
    QByteArray contentType;
    QByteArray data;
};

// One request as the stand-in received it.
struct StandInRequest {
    QByteArray method;
    QByteArray target;   // as on the request line
    QString path;        // decoded
    QByteArray rawQuery; // as sent, without "?"
    QList<std::pair<QString, QString>> query;        // decoded ("+" is a blank), in order
    QList<std::pair<QByteArray, QByteArray>> headers; // as sent
    QByteArray body;
    QList<std::pair<QString, QString>> form; // decoded form body, in order
    QList<StandInPart> parts;                // multipart body
    int status = 0;     // the HTTP status answered
    QString rejection;  // why the request was refused; empty when it reached its route

    bool accepted() const { return rejection.isEmpty(); }
    // The header's value; a null array when absent. Names compare without case.
    QByteArray header(const QByteArray& name) const;
    std::optional<QString> queryValue(const QString& name) const;
    std::optional<QString> formValue(const QString& name) const;
    QStringList queryNames() const;
    QStringList formNames() const;
    const StandInPart* part(const QString& name) const;
};

// The answer of a route.
struct StandInReply {
    int status = 200;
    QByteArray contentType = "application/json";
    QByteArray body;
    int delayMs = 0;           // wait this long before answering
    bool closeMidBody = false; // send the head and half the body, then close the connection
    int trickleMs = 0;         // send the body one byte every trickleMs
    QByteArray location;       // a "Location" header when not empty (redirects)

    static StandInReply json(const QJsonValue& body, int status = 200);
    // {"code": code, "message": message, "data": data}
    static StandInReply api(const QJsonValue& data, int code = 200, const QString& message = QStringLiteral("success"));
    // {"statusCode": code, "message": message, "data": data}
    static StandInReply account(const QJsonValue& data, int code = 200,
                                const QString& message = QStringLiteral("success"));
    static StandInReply html(int status, const QByteArray& page);
    static StandInReply text(const QByteArray& body, const QByteArray& contentType = "text/plain; charset=utf-8");
};

// How a route receives its parameters.
enum class StandInParams {
    None,          // nothing checked
    Query,         // in the URL's query
    Form,          // in an application/x-www-form-urlencoded body
    Multipart,     // fields of a multipart/form-data body; a "file" field must be a PNG file
    EncryptedChat, // an application/json body holding the encrypted conversation
};

struct StandInRoute {
    QByteArray method;
    QString path;
    StandInParams params = StandInParams::None;
    QStringList required;
    // The status field of the route's envelope ("code" or "statusCode"); refusals use it too.
    QString statusField = QStringLiteral("code");
    StandInReply defaultReply;
};

// A local HTTP/1.1 server in place of the maker's services: 127.0.0.1, a port chosen by the
// system, one request per connection. It serves the routes of docs/maker-api.md (under kApiPrefix
// and kAccountPrefix, plus the probe page kProbePath), records every request and refuses, as the
// real service would, a wrong method (405), a missing parameter (400), a wrong content type (415)
// and an unknown path (404, HTML). Runs on the thread that made it, from the event loop.
class StandInHttpServer : public QObject {
    Q_OBJECT
public:
    static constexpr char kApiPrefix[] = "/api";
    static constexpr char kAccountPrefix[] = "/account/";
    static constexpr char kProbePath[] = "/probe";

    StandInHttpServer();
    ~StandInHttpServer() override;

    // Starts listening; false when no port could be had.
    bool listen();
    // Stops listening and drops open connections: later requests are refused.
    void close();
    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by the path.
    QString url(const QString& path = QString()) const;
    // Points the maker's API, the account API and the probe page of VQApiConfig at this server.
    void installAsMakerServices() const;

    void addRoute(const StandInRoute& route);
    // The answer of the path from now on; a path without a route becomes one for any method.
    void setReply(const QString& path, const StandInReply& reply);
    // Computes the answer of the path from each accepted request.
    void setResponder(const QString& path, std::function<StandInReply(const StandInRequest&)> responder);

    QList<StandInRequest> requests() const { return m_requests; }
    int requestCount() const { return static_cast<int>(m_requests.size()); }
    // The last request; a default one when none came.
    StandInRequest lastRequest() const;
    void clearRequests() { m_requests.clear(); }

    // The routes of docs/maker-api.md.
    static QList<StandInRoute> makerRoutes();
    // The common device parameters every route marked "common" requires.
    static QStringList commonParameterNames();

private:

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void handle(QTcpSocket* socket, StandInRequest request);
    // Checks the request against its route; the refusal to send, if any.
    std::optional<StandInReply> check(StandInRequest& request, const StandInRoute& route) const;
    void answer(QTcpSocket* socket, const StandInReply& reply);

    QTcpServer* m_server = nullptr;
    quint16 m_port = 0;
    QList<StandInRoute> m_routes;
    QHash<QString, StandInReply> m_replies;
    QHash<QString, std::function<StandInReply(const StandInRequest&)>> m_responders;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QList<StandInRequest> m_requests;
};

} // namespace vqtest
