#include "VQHttpRequestManager.h"

#include "MMLog.h"
#include "MMLoggedAddress.h"
#include "MMString.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "VQApiConfig.h"
#include "VQChatTurn.h"
#include "VQCrypto.h"
#include "VQLanguageManager.h"
#include "VQNetworkGuard.h"

#include <QCoreApplication>
#include <QHttpMultiPart>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr char kTimedOutProperty[] = "vqTimedOut";
constexpr char kFormContentType[] = "application/x-www-form-urlencoded";
constexpr int kLoggedBodyLimit = 200;

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

// Percent-encodes the UTF-8 bytes of the text, leaving only the unreserved characters of
// RFC 3986 (letters, digits, "-", ".", "_", "~") as they are.
QByteArray percentEncode(const QString& text)
{
    return text.toUtf8().toPercentEncoding();
}

// "name=value&name=value", each part percent-encoded.
QByteArray encodeParameters(const VQNetBaseScene::ParameterList& parameters)
{
    QByteArray out;
    for (const VQNetBaseScene::Parameter& parameter : parameters) {
        if (!out.isEmpty())
            out += '&';
        out += percentEncode(parameter.first);
        out += '=';
        out += percentEncode(parameter.second);
    }
    return out;
}

// The address with the encoded query appended. The query is kept byte for byte: QUrl in strict
// mode leaves an encoded "&", "=", "+" or "#" encoded.
QUrl urlWithQuery(const QString& address, const QByteArray& query)
{
    const QUrl base(address);
    if (query.isEmpty())
        return base;
    QByteArray encoded = base.toEncoded(QUrl::RemoveQuery | QUrl::RemoveFragment);
    encoded += '?';
    encoded += query;
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

using mm::loggedAddress;

QString errorName(QNetworkReply::NetworkError error)
{
    const char* key = QMetaEnum::fromType<QNetworkReply::NetworkError>().valueToKey(error);
    return key != nullptr ? QString::fromLatin1(key) : QString::number(static_cast<int>(error));
}

// True when the request got no complete HTTP answer: it timed out, no status line arrived
// (refused, host not found, TLS, proxy, cancelled), or the connection failed after the head
// (closed mid-way). An answer with any HTTP status is no transport failure, whatever error Qt
// maps the status to (400 and 418 become ProtocolInvalidOperationError, 407 a proxy error):
// its message and body are the server's.
bool isTransportFailure(QNetworkReply* reply, bool timedOut)
{
    if (timedOut)
        return true;
    const QNetworkReply::NetworkError error = reply->error();
    if (error == QNetworkReply::NoError)
        return false;
    if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return true;
    const int code = static_cast<int>(error);
    const bool connectionError = code >= QNetworkReply::ConnectionRefusedError && code <= QNetworkReply::UnknownNetworkError;
    return connectionError;
}

bool isSuccessStatus(int httpStatus)
{
    return httpStatus >= 200 && httpStatus <= 299;
}

// The integer in a status field: a whole number, or a text holding one.
std::optional<qint64> statusValue(const QJsonValue& value)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::isfinite(number) && std::floor(number) == number)
            return static_cast<qint64>(number);
        return std::nullopt;
    }
    if (value.isString()) {
        bool ok = false;
        const qint64 number = value.toString().trimmed().toLongLong(&ok);
        if (ok)
            return number;
    }
    return std::nullopt;
}

// A message field as text: a string as it is, a number as its decimal text, else "".
QString messageText(const QJsonValue& value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 16);
    return {};
}

VQHttpResult transportFailure(QNetworkReply::NetworkError error, bool timedOut)
{
    VQHttpResult result;
    result.failure = timedOut ? VQHttpResult::Failure::TimedOut : VQHttpResult::Failure::Transport;
    result.message = localized(VQHttpRequestManager::kNetworkErrorText);
    result.errorDomain = QString::fromLatin1(VQHttpResult::kTransportErrorDomain);
    result.errorCode = timedOut ? QNetworkReply::TimeoutError : error;
    return result;
}

// A failure whose answer arrived but is not what was asked for. The message is the reply's
// own when it has one, else "系统错误".
VQHttpResult replyFailure(VQHttpResult::Failure failure, int httpStatus, const QString& replyMessage,
                          const QJsonValue& reply = QJsonValue(QJsonValue::Undefined))
{
    VQHttpResult result;
    result.failure = failure;
    result.httpStatus = httpStatus;
    result.data = reply;
    const QString trimmed = replyMessage.trimmed();
    result.message = trimmed.isEmpty() ? localized(VQHttpRequestManager::kSystemErrorText) : replyMessage;
    result.errorDomain = result.message;
    result.errorCode = httpStatus;
    return result;
}

// The failure of a request whose answer is not read at all: one over kAnswerLimitBytes, dropped
// unread, or none (a transport failure).
std::optional<VQHttpResult> unreadAnswerFailure(QNetworkReply* reply, bool timedOut)
{
    const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (VQNetworkGuard::oversized(reply))
        return replyFailure(VQHttpResult::Failure::BadReply, httpStatus, QString());
    if (!isTransportFailure(reply, timedOut))
        return std::nullopt;
    VQHttpResult result = transportFailure(reply->error(), timedOut);
    result.httpStatus = httpStatus;
    return result;
}

std::optional<QJsonObject> parseObject(const QByteArray& body)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

// The result of a finished text recognition request: the words of data.words joined with line
// breaks when "data" is an object, else a failure carrying the whole reply.
VQHttpResult ocrResult(QNetworkReply* reply, bool timedOut)
{
    if (std::optional<VQHttpResult> failure = unreadAnswerFailure(reply, timedOut))
        return *failure;
    const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const std::optional<QJsonObject> object = parseObject(reply->readAll());
    if (!object)
        return replyFailure(VQHttpResult::Failure::BadReply, httpStatus, QString());
    const QJsonValue data = object->value(QStringLiteral("data"));
    // The shape and the code decide; the server's message may say "ok" on a failure, so the
    // user reads the client's text.
    const QJsonValue code = object->value(QStringLiteral("code"));
    const bool codeOk = code.isUndefined() || statusValue(code) == VQNetBaseScene::kSuccessCode;
    if (!data.isObject() || !codeOk || !isSuccessStatus(httpStatus)) {
        VQHttpResult failure = replyFailure(VQHttpResult::Failure::BadReply, httpStatus, QString(), *object);
        failure.statusCode = statusValue(code).value_or(0);
        return failure;
    }
    QStringList words;
    const QJsonArray list = data.toObject().value(QStringLiteral("words")).toArray();
    for (const QJsonValue& word : list) {
        const QJsonValue text = word.toObject().value(QStringLiteral("text"));
        if (text.isString())
            words.append(text.toString());
    }
    VQHttpResult result;
    result.success = true;
    result.httpStatus = httpStatus;
    result.data = words.join(QLatin1Char('\n'));
    return result;
}

// The failure of a finished chat request, if it failed: no complete answer, or an HTTP status
// other than 2xx (whose body is no answer, whatever it holds).
std::optional<VQHttpResult> chatFailure(QNetworkReply* reply, bool timedOut)
{
    if (std::optional<VQHttpResult> failure = unreadAnswerFailure(reply, timedOut))
        return *failure;
    const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (isSuccessStatus(httpStatus))
        return std::nullopt;
    const std::optional<QJsonObject> object = parseObject(reply->readAll());
    if (!object)
        return replyFailure(VQHttpResult::Failure::BadReply, httpStatus, QString());
    return replyFailure(VQHttpResult::Failure::BadReply, httpStatus,
                        messageText(object->value(QStringLiteral("message"))), *object);
}

// The answer texts of a chat reply, in order: data.text of each piece between the separators
// that is a JSON object holding one.
QStringList chatAnswerTexts(const QByteArray& body)
{
    QStringList texts;
    const QStringList pieces = QString::fromUtf8(body).split(QString::fromUtf8(VQHttpRequestManager::kChatPieceSeparator));
    for (const QString& piece : pieces) {
        const std::optional<QJsonObject> object = parseObject(piece.toUtf8());
        if (!object)
            continue;
        const QJsonValue text = object->value(QStringLiteral("data")).toObject().value(QStringLiteral("text"));
        if (text.isString())
            texts.append(text.toString());
    }
    return texts;
}

QString bodyForLog(const QByteArray& body)
{
    QString text = QString::fromUtf8(body.left(kLoggedBodyLimit * 4)).simplified();
    if (text.size() > kLoggedBodyLimit)
        text = text.left(kLoggedBodyLimit) + QStringLiteral("…");
    return text;
}

} // namespace

// Everything a scene request needs, copied from the scene when it is handed over.
struct VQHttpRequestManager::SceneRequest {
    QString name;
    QString url;
    VQNetBaseScene::Method method = VQNetBaseScene::Method::Get;
    VQNetBaseScene::ParameterPlacement placement = VQNetBaseScene::ParameterPlacement::Query;
    VQNetBaseScene::ParameterList parameters;
    QList<VQNetBaseScene::Header> headers;
    int timeoutMs = VQNetBaseScene::kDefaultTimeoutMs;
    VQNetBaseScene::ResultType resultType = VQNetBaseScene::ResultType::DataMember;
    QString statusField;
    qint64 successCode = VQNetBaseScene::kSuccessCode;
    QString messageField;
    QString dataField;
    bool sensitive = false;
    Callback callback;

    VQHttpResult interpret(QNetworkReply* reply, bool timedOut) const;
};

// The answer pieces of one chat reply, handed out one by one.
struct VQHttpRequestManager::ChatDelivery {
    std::shared_ptr<VQChatTurn> model;
    Callback callback;
    QStringList texts;
    qsizetype next = 0;
    int httpStatus = 0;
    quint64 generation = 0;
};

VQHttpResult VQHttpRequestManager::SceneRequest::interpret(QNetworkReply* reply, bool timedOut) const
{
    if (std::optional<VQHttpResult> failure = unreadAnswerFailure(reply, timedOut))
        return *failure;
    const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();

    const QByteArray body = reply->readAll();
    if (resultType == VQNetBaseScene::ResultType::HttpStatus) {
        if (!isSuccessStatus(httpStatus))
            return replyFailure(VQHttpResult::Failure::BadReply, httpStatus, QString());
        VQHttpResult result;
        result.success = true;
        result.httpStatus = httpStatus;
        return result;
    }

    const std::optional<QJsonObject> object = parseObject(body);
    if (!object) {
        if (!sensitive)
            VQLogError(QStringLiteral("%1: answer is not a JSON object (HTTP %2): %3")
                           .arg(name)
                           .arg(httpStatus)
                           .arg(bodyForLog(body)));
        return replyFailure(VQHttpResult::Failure::BadReply, httpStatus, QString());
    }

    const std::optional<qint64> status = statusValue(object->value(statusField));
    const QString message = messageText(object->value(messageField));
    const bool statusOk = status.has_value() && *status == successCode;
    if (!statusOk || !isSuccessStatus(httpStatus)) {
        VQHttpResult result = replyFailure(statusOk ? VQHttpResult::Failure::BadReply : VQHttpResult::Failure::Rejected,
                                           httpStatus, message, *object);
        result.statusCode = status.value_or(0);
        if (result.failure == VQHttpResult::Failure::Rejected)
            result.errorCode = result.statusCode;
        return result;
    }

    VQHttpResult result;
    result.success = true;
    result.httpStatus = httpStatus;
    result.statusCode = *status;
    result.message = message;
    result.data = resultType == VQNetBaseScene::ResultType::WholeReply ? QJsonValue(*object)
                                                                        : object->value(dataField);
    return result;
}

VQHttpRequestManager& VQHttpRequestManager::sharedInstance()
{
    // Kept for the life of the process: replies still in flight at exit must not outlive it.
    static VQHttpRequestManager* instance = new VQHttpRequestManager();
    return *instance;
}

VQHttpRequestManager::VQHttpRequestManager()
{
    if (auto* app = QCoreApplication::instance(); app != nullptr && thread() != app->thread())
        moveToThread(app->thread());
}

QNetworkAccessManager& VQHttpRequestManager::network()
{
    if (m_network == nullptr)
        m_network = new QNetworkAccessManager(this);
    return *m_network;
}

bool VQHttpRequestManager::isNetworkKnownDown()
{
    if (m_networkDownCheck)
        return m_networkDownCheck();
    if (!m_reachabilityLoaded) {
        m_reachabilityLoaded = true;
        if (!QNetworkInformation::loadDefaultBackend())
            VQLogInfo(QStringLiteral("No network reachability backend; requests are always sent"));
    }
    const QNetworkInformation* information = QNetworkInformation::instance();
    return information != nullptr
        && information->reachability() == QNetworkInformation::Reachability::Disconnected;
}

bool VQHttpRequestManager::refuseWhenDown(const QString& label, const Callback& callback)
{
    if (!isNetworkKnownDown())
        return false;
    VQLogError(QStringLiteral("%1: the network is down, nothing sent").arg(label));
    VQHttpResult result;
    result.failure = VQHttpResult::Failure::NetworkDown;
    result.message = localized(kNetworkErrorText);
    result.errorDomain = QString::fromLatin1(VQHttpResult::kTransportErrorDomain);
    result.errorCode = QNetworkReply::NetworkSessionFailedError;
    deliverLater(callback, result);
    return true;
}

void VQHttpRequestManager::deliverLater(const Callback& callback, const VQHttpResult& result)
{
    if (!callback)
        return;
    QPointer<VQHttpRequestManager> self(this);
    const quint64 generation = m_generation;
    mm::runOnMain([self, generation, callback, result] {
        if (self && self->m_generation == generation)
            callback(result);
    });
}

void VQHttpRequestManager::watchReply(QNetworkReply* reply, int timeoutMs,
                                      std::function<void(QNetworkReply*, bool timedOut)> onDone)
{
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply] {
        reply->setProperty(kTimedOutProperty, true);
        reply->abort();
    });
    deadline->start(std::max(timeoutMs, 1));
    // An answer is dropped as soon as it announces or reaches more than the limit: it is never
    // held in memory whole.
    VQNetworkGuard::limitAnswer(reply, kAnswerLimitBytes);
    ++m_openReplies;
    connect(reply, &QNetworkReply::finished, this, [this, reply, deadline, onDone = std::move(onDone)] {
        deadline->stop();
        const bool timedOut = reply->property(kTimedOutProperty).toBool();
        onDone(reply, timedOut);
        --m_openReplies;
        reply->deleteLater();
    });
}

// ---- Scenes ----

void VQHttpRequestManager::httpRequestWithScene(const VQNetBaseScene& scene, Callback callback)
{
    if (mm::isMainThread()) {
        sendScene(scene, std::move(callback));
        return;
    }
    // Only the scene's own type can be copied for the main thread; reading this one here would
    // build the request off the main thread.
    VQLogError(QStringLiteral("%1: handed over from another thread as a plain scene; not sent").arg(scene.sceneName()));
    deliverLater(callback, replyFailure(VQHttpResult::Failure::BadReply, 0, QString()));
}

void VQHttpRequestManager::sendSceneOnMain(std::shared_ptr<const VQNetBaseScene> scene, Callback callback)
{
    QPointer<VQHttpRequestManager> self(this);
    const quint64 generation = m_generation;
    mm::runOnMain([self, generation, scene = std::move(scene), callback = std::move(callback)] {
        if (self && self->m_generation == generation)
            self->sendScene(*scene, callback);
    });
}

void VQHttpRequestManager::sendScene(const VQNetBaseScene& scene, Callback callback)
{
    auto request = std::make_shared<SceneRequest>();
    request->name = scene.sceneName();
    request->url = scene.url();
    request->method = scene.method();
    request->placement = scene.parameterPlacement();
    request->parameters = scene.parameters();
    request->headers = scene.headers();
    request->timeoutMs = scene.timeoutMs();
    request->resultType = scene.resultType();
    request->statusField = scene.statusField();
    request->successCode = scene.successCode();
    request->messageField = scene.messageField();
    request->dataField = scene.dataField();
    request->sensitive = scene.isSensitive();
    request->callback = std::move(callback);
    startSceneRequest(request);
}

void VQHttpRequestManager::startSceneRequest(const std::shared_ptr<SceneRequest>& request)
{
    if (refuseWhenDown(request->name, request->callback))
        return;

    const bool post = request->method == VQNetBaseScene::Method::Post;
    const QByteArray encoded = encodeParameters(request->parameters);
    const bool inBody = request->placement == VQNetBaseScene::ParameterPlacement::FormBody;
    const QUrl url = urlWithQuery(request->url, inBody ? QByteArray() : encoded);

    QNetworkRequest networkRequest(url);
    VQNetworkGuard::limitRedirects(networkRequest);
    for (const VQNetBaseScene::Header& header : request->headers)
        networkRequest.setRawHeader(header.first, header.second);
    if (post && networkRequest.header(QNetworkRequest::ContentTypeHeader).isNull())
        networkRequest.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(kFormContentType));

    const QString method = post ? QStringLiteral("POST") : QStringLiteral("GET");
    VQLogInfo(QStringLiteral("%1: %2 %3").arg(request->name, method, loggedAddress(url)));

    QNetworkReply* reply = nullptr;
    if (post)
        reply = network().post(networkRequest, inBody ? encoded : QByteArray());
    else
        reply = network().get(networkRequest);

    QPointer<VQHttpRequestManager> self(this);
    const quint64 generation = m_generation;
    watchReply(reply, request->timeoutMs, [self, generation, request](QNetworkReply* finished, bool timedOut) {
        const VQHttpResult result = request->interpret(finished, timedOut);
        if (result.success) {
            VQLogInfo(QStringLiteral("%1: succeeded (HTTP %2)").arg(request->name).arg(result.httpStatus));
        } else {
            VQLogError(QStringLiteral("%1: failed (%2, HTTP %3, status %4)")
                           .arg(request->name, errorName(finished->error()))
                           .arg(result.httpStatus)
                           .arg(result.statusCode));
        }
        if (self && self->m_generation == generation && request->callback)
            request->callback(result);
    });
}

// ---- Text recognition ----

void VQHttpRequestManager::doubleMonkeyOcrWithBase64ImageData(const QByteArray& pngData, Callback callback)
{
    if (mm::isMainThread()) {
        startOcrRequest(pngData, std::move(callback));
        return;
    }
    QPointer<VQHttpRequestManager> self(this);
    mm::runOnMain([self, pngData, callback = std::move(callback)] {
        if (self)
            self->startOcrRequest(pngData, callback);
    });
}

void VQHttpRequestManager::startOcrRequest(const QByteArray& pngData, Callback callback)
{
    const QString label = QStringLiteral("OCR");
    if (refuseWhenDown(label, callback))
        return;

    const QString language = VQLanguageManager::sharedInstance().readToScreenshotsTranslateFromLanguageCode();
    const QString fileName = QString::fromLatin1(kOcrFileNameFormat).arg(mm::getTimeStr());

    auto* multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    QHttpPart languagePart;
    languagePart.setHeader(QNetworkRequest::ContentDispositionHeader,
                           QStringLiteral("form-data; name=\"%1\"").arg(QString::fromLatin1(kOcrLanguageField)));
    languagePart.setBody(language.toUtf8());
    multiPart->append(languagePart);

    QHttpPart filePart;
    filePart.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QStringLiteral("form-data; name=\"%1\"; filename=\"%2\"")
                           .arg(QString::fromLatin1(kOcrFileField), fileName));
    filePart.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(kOcrFileContentType));
    filePart.setBody(pngData);
    multiPart->append(filePart);

    const QUrl url(VQApiConfig::urlFor(VQApiConfig::Endpoint::Api, QString::fromLatin1(kOcrPath)));
    QNetworkRequest request(url);
    VQNetworkGuard::limitRedirects(request);
    request.setRawHeader("Accept", kOcrAccept);
    VQLogInfo(QStringLiteral("%1: POST %2 (%3 bytes, language %4)")
                  .arg(label, loggedAddress(url))
                  .arg(pngData.size())
                  .arg(language));

    QNetworkReply* reply = network().post(request, multiPart);
    multiPart->setParent(reply);

    QPointer<VQHttpRequestManager> self(this);
    const quint64 generation = m_generation;
    watchReply(reply, m_ocrTimeoutMs, [self, generation, label, callback](QNetworkReply* finished, bool timedOut) {
        const VQHttpResult result = ocrResult(finished, timedOut);
        if (result.success)
            VQLogInfo(QStringLiteral("%1: succeeded").arg(label));
        else
            VQLogError(QStringLiteral("%1: failed (%2, HTTP %3)")
                           .arg(label, errorName(finished->error()))
                           .arg(result.httpStatus));
        if (self && self->m_generation == generation && callback)
            callback(result);
    });
}

// ---- AI chat ----

QByteArray VQHttpRequestManager::chatRequestJson(const ChatTurnList& turns)
{
    QJsonArray messages;
    const qsizetype first = std::max<qsizetype>(0, turns.size() - kChatTurnLimit);
    for (qsizetype i = first; i < turns.size(); ++i) {
        const std::shared_ptr<VQChatTurn>& turn = turns.at(i);
        if (!turn)
            continue;
        messages.append(QJsonObject{{QStringLiteral("role"), QStringLiteral("user")},
                                    {QStringLiteral("content"), turn->question()}});
        if (turn->isFinished() && turn->hasAnswer()) {
            messages.append(QJsonObject{{QStringLiteral("role"), QStringLiteral("assistant")},
                                        {QStringLiteral("content"), turn->lastAnswer()}});
        }
    }
    return QJsonDocument(messages).toJson(QJsonDocument::Compact);
}

void VQHttpRequestManager::chatGPT(const ChatTurnList& turns, std::shared_ptr<VQChatTurn> currentModel,
                                   Callback callback)
{
    const QByteArray body = VQCrypto::encryptChatBody(chatRequestJson(turns));
    if (mm::isMainThread()) {
        startChatRequest(body, std::move(currentModel), std::move(callback));
        return;
    }
    QPointer<VQHttpRequestManager> self(this);
    mm::runOnMain([self, body, currentModel = std::move(currentModel), callback = std::move(callback)] {
        if (self)
            self->startChatRequest(body, currentModel, callback);
    });
}

void VQHttpRequestManager::startChatRequest(const QByteArray& body, std::shared_ptr<VQChatTurn> currentModel,
                                            Callback callback)
{
    const QString label = QStringLiteral("Chat");
    if (refuseWhenDown(label, callback))
        return;
    if (body.isEmpty() || !currentModel) {
        VQLogError(QStringLiteral("%1: no request body or no current question").arg(label));
        deliverLater(callback, replyFailure(VQHttpResult::Failure::BadReply, 0, QString()));
        return;
    }

    const QUrl url(VQApiConfig::urlFor(VQApiConfig::Endpoint::Api, QString::fromLatin1(kChatPath)));
    QNetworkRequest request(url);
    VQNetworkGuard::limitRedirects(request);
    request.setRawHeader("Accept", kChatAccept);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(kChatContentType));
    VQLogInfo(QStringLiteral("%1: POST %2").arg(label, loggedAddress(url)));

    QNetworkReply* reply = network().post(request, body);
    QPointer<VQHttpRequestManager> self(this);
    const quint64 generation = m_generation;
    watchReply(reply, kChatTimeoutMs,
               [self, generation, label, currentModel, callback](QNetworkReply* finished, bool timedOut) {
                   if (!self || self->m_generation != generation)
                       return;
                   if (const std::optional<VQHttpResult> failure = chatFailure(finished, timedOut)) {
                       VQLogError(QStringLiteral("%1: failed (%2, HTTP %3)")
                                      .arg(label, errorName(finished->error()))
                                      .arg(failure->httpStatus));
                       if (callback)
                           callback(*failure);
                       return;
                   }
                   auto delivery = std::make_shared<ChatDelivery>();
                   delivery->model = currentModel;
                   delivery->callback = callback;
                   delivery->httpStatus = finished->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
                   delivery->generation = generation;
                   delivery->texts = chatAnswerTexts(finished->readAll());
                   VQLogInfo(QStringLiteral("%1: %2 answer pieces").arg(label).arg(delivery->texts.size()));
                   self->deliverNextChatPiece(delivery);
               });
}

void VQHttpRequestManager::deliverNextChatPiece(const std::shared_ptr<ChatDelivery>& delivery)
{
    if (delivery->generation != m_generation)
        return;
    VQHttpResult result;
    result.success = true;
    result.httpStatus = delivery->httpStatus;
    if (delivery->next < delivery->texts.size()) {
        const QString& text = delivery->texts.at(delivery->next++);
        delivery->model->setAnswer(text);
        result.data = text;
        if (delivery->callback)
            delivery->callback(result);
        QTimer::singleShot(kChatPiecePauseMs, this, [this, delivery] { deliverNextChatPiece(delivery); });
        return;
    }
    if (!delivery->model->isFinished()) {
        delivery->model->setIsFinished(true);
        result.data = delivery->texts.isEmpty() ? QJsonValue(QJsonValue::Undefined) : QJsonValue(delivery->texts.last());
        if (delivery->callback)
            delivery->callback(result);
    }
}

// ---- Tests ----

void VQHttpRequestManager::setNetworkDownCheckForTests(std::function<bool()> isDown)
{
    m_networkDownCheck = std::move(isDown);
}

void VQHttpRequestManager::resetForTests()
{
    ++m_generation;
    m_networkDownCheck = nullptr;
    m_ocrTimeoutMs = kOcrTimeoutMs;
    if (m_network == nullptr)
        return;
    const QList<QNetworkReply*> replies = m_network->findChildren<QNetworkReply*>();
    for (QNetworkReply* reply : replies) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_openReplies = 0;
}
