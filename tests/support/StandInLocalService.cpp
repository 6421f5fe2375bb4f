#include "StandInLocalService.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace vqtest {

bool StandInLocalService::listen()
{
    setDelayMs(0);
    return m_http.listen();
}

void StandInLocalService::setDelayMs(int delayMs)
{
    StandInReply reply = StandInReply::json(QJsonObject{{QStringLiteral("code"), 0}, {QStringLiteral("message"), QStringLiteral("ok")}});
    reply.delayMs = delayMs;
    m_http.setReply(QString::fromLatin1(kPath), reply);
}

QList<QByteArray> StandInLocalService::bodies() const
{
    QList<QByteArray> result;
    for (const StandInRequest& request : m_http.requests())
        result << request.body;
    return result;
}

QStringList StandInLocalService::texts() const
{
    QStringList result;
    for (const QByteArray& body : bodies()) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(body, &error);
        result << (error.error == QJsonParseError::NoError && document.isObject()
                       ? document.object().value(QStringLiteral("data")).toString()
                       : QStringLiteral("<invalid>"));
    }
    return result;
}

} // namespace vqtest
