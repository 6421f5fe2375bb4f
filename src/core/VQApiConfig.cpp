#include "VQApiConfig.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {

struct Overrides {
    QMutex mutex;
    QHash<int, QString> urls;
};

Overrides& overrides()
{
    static Overrides instance;
    return instance;
}

QString builtIn(VQApiConfig::Endpoint endpoint)
{
    switch (endpoint) {
    case VQApiConfig::Endpoint::Api:
        return QString::fromLatin1(VQApiConfig::kApiBaseUrl);
    case VQApiConfig::Endpoint::AccountApi:
        return QString::fromLatin1(VQApiConfig::kAccountApiBaseUrl);
    case VQApiConfig::Endpoint::SpeechHost:
        return QString::fromLatin1(VQApiConfig::kSpeechHost);
    case VQApiConfig::Endpoint::ProbePage:
        return QString::fromLatin1(VQApiConfig::kProbePageUrl);
    case VQApiConfig::Endpoint::ChatPage:
        return QString::fromLatin1(VQApiConfig::kChatPageUrl);
    }
    return {};
}

} // namespace

QString VQApiConfig::baseUrl(Endpoint endpoint)
{
    Overrides& o = overrides();
    QMutexLocker lock(&o.mutex);
    const auto it = o.urls.constFind(static_cast<int>(endpoint));
    return it != o.urls.constEnd() ? *it : builtIn(endpoint);
}

QString VQApiConfig::urlFor(Endpoint endpoint, const QString& path)
{
    QString base = baseUrl(endpoint);
    if (path.isEmpty())
        return base;
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    qsizetype start = 0;
    while (start < path.size() && path.at(start) == QLatin1Char('/'))
        ++start;
    return base + QLatin1Char('/') + path.mid(start);
}

void VQApiConfig::setBaseUrl(Endpoint endpoint, const QString& url)
{
    Overrides& o = overrides();
    QMutexLocker lock(&o.mutex);
    o.urls.insert(static_cast<int>(endpoint), url);
}

void VQApiConfig::resetForTests()
{
    Overrides& o = overrides();
    QMutexLocker lock(&o.mutex);
    o.urls.clear();
}
