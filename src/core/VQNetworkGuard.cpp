#include "VQNetworkGuard.h"

#include "MMLog.h"
#include "MMLoggedAddress.h"

#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace VQNetworkGuard {

namespace {

constexpr char kOversizedProperty[] = "vqOversized";

void drop(QNetworkReply* reply, qint64 limitBytes)
{
    if (oversized(reply))
        return;
    VQLogError(QStringLiteral("answer of %1 over %2 bytes: dropped").arg(mm::loggedAddress(reply->url())).arg(limitBytes));
    reply->setProperty(kOversizedProperty, true);
    // May finish the reply at once: nothing of it is used afterwards.
    reply->abort();
}

} // namespace

void limitRedirects(QNetworkRequest& request)
{
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    // A redirect may go from http to https, never to another scheme or down to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
}

void limitAnswer(QNetworkReply* reply, qint64 limitBytes, ChunkHandler onChunk)
{
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, limitBytes](qint64 received, qint64 total) {
        if (received > limitBytes || total > limitBytes)
            drop(reply, limitBytes);
    });
    if (!onChunk) {
        // The network stack reads no further than that ahead of the client, so a flood is not
        // buffered while the abort is on its way; the progress signal may come later than that.
        reply->setReadBufferSize(limitBytes + 1);
        QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, limitBytes] {
            if (reply->bytesAvailable() > limitBytes)
                drop(reply, limitBytes);
        });
        return;
    }
    auto received = std::make_shared<qint64>(0);
    const auto pass = [reply, limitBytes, received, onChunk = std::move(onChunk)] {
        if (oversized(reply))
            return;
        const QByteArray chunk = reply->readAll();
        if (chunk.isEmpty())
            return;
        *received += chunk.size();
        if (*received > limitBytes) {
            drop(reply, limitBytes);
            return;
        }
        onChunk(chunk);
    };
    QObject::connect(reply, &QNetworkReply::readyRead, reply, pass);
    QObject::connect(reply, &QNetworkReply::finished, reply, pass);
}

bool oversized(const QNetworkReply* reply)
{
    return reply->property(kOversizedProperty).toBool();
}

} // namespace VQNetworkGuard
