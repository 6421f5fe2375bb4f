#include "VQAIContentModel.h"

#include "VQHttpRequestManager.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

VQAIContentModel::VQAIContentModel()
    : m_clientId(QString::fromLatin1(kClientIdPrefix) + QString::number(getNowTime()))
{
}

qint64 VQAIContentModel::getNowTime()
{
    return QDateTime::currentMSecsSinceEpoch() / 1000;
}

void VQAIContentModel::setAnswer(const QString& answer)
{
    m_answer = answer;
    m_hasAnswer = true;
}

QString VQAIContentModel::lastAnswer(const QString& answer)
{
    const QStringList pieces = answer.split(QString::fromLatin1(VQHttpRequestManager::kChatPieceSeparator));
    for (auto piece = pieces.crbegin(); piece != pieces.crend(); ++piece) {
        if (piece->isEmpty())
            continue;
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(piece->toUtf8(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            continue;
        const QJsonValue data = document.object().value(QStringLiteral("data"));
        if (!data.isObject())
            continue;
        const QJsonValue text = data.toObject().value(QStringLiteral("text"));
        if (text.isString())
            return text.toString();
    }
    return answer;
}
