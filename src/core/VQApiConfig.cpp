#include "VQApiConfig.h"

#include "MMLog.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QUrl>

#include <iterator>

namespace {

static_assert(std::size(VQApiConfig::kEnvironmentVariables) == static_cast<std::size_t>(VQApiConfig::Endpoint::WebSpeechChinese) + 1,
              "one environment variable per endpoint");

struct Overrides {
    QMutex mutex;
    QHash<int, QString> urls;        // set by tests
    QHash<int, QString> environment; // read from the environment
    bool environmentRead = false;
    QString partnerCToken; // the environment's, or a test's
    bool partnerCTokenSet = false; // by a test
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
    case VQApiConfig::Endpoint::AiChatHost:
        return QString::fromLatin1(VQApiConfig::kAiChatHostUrl);
    case VQApiConfig::Endpoint::AiChatPageHost:
        return QString::fromLatin1(VQApiConfig::kAiChatPageHostUrl);
    case VQApiConfig::Endpoint::AiLanguageHost:
        return QString::fromLatin1(VQApiConfig::kAiLanguageHostUrl);
    case VQApiConfig::Endpoint::AiVoiceChipHost:
        return QString::fromLatin1(VQApiConfig::kAiVoiceChipHostUrl);
    case VQApiConfig::Endpoint::AiPartnerA:
        return QString::fromLatin1(VQApiConfig::kAiPartnerAUrl);
    case VQApiConfig::Endpoint::AiPartnerB:
        return QString::fromLatin1(VQApiConfig::kAiPartnerBUrl);
    case VQApiConfig::Endpoint::AiPartnerC:
        return QString::fromLatin1(VQApiConfig::kAiPartnerCUrl);
    case VQApiConfig::Endpoint::AiPartnerD:
        return QString::fromLatin1(VQApiConfig::kAiPartnerDUrl);
    case VQApiConfig::Endpoint::AiPartnerE:
        return QString::fromLatin1(VQApiConfig::kAiPartnerEUrl);
    case VQApiConfig::Endpoint::DevicePageHost:
        return QString::fromLatin1(VQApiConfig::kDevicePageHostUrl);
    case VQApiConfig::Endpoint::WebSite:
        return QString::fromLatin1(VQApiConfig::kWebSiteUrl);
    case VQApiConfig::Endpoint::WebSpeech:
        return QString::fromLatin1(VQApiConfig::kWebSpeechUrl);
    case VQApiConfig::Endpoint::WebSpeechChinese:
        return QString::fromLatin1(VQApiConfig::kWebSpeechChineseUrl);
    }
    return {};
}

// The address an environment value gives the endpoint, or a null text with the reason why not.
QString addressFromEnvironment(VQApiConfig::Endpoint endpoint, const QString& value, QString* why)
{
    const bool speech = endpoint == VQApiConfig::Endpoint::SpeechHost;
    const QUrl url(value, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    const bool schemeOk = speech ? (scheme == QLatin1String("ws") || scheme == QLatin1String("wss"))
                                 : (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    if (!url.isValid() || !schemeOk) {
        *why = speech ? QStringLiteral("not a ws:// or wss:// URL") : QStringLiteral("not an http:// or https:// URL");
        return {};
    }
    if (url.host().isEmpty() || url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty()) {
        *why = QStringLiteral("a URL needs a host and no query, fragment or user");
        return {};
    }
    if (!speech)
        return value;
    if (!url.path().isEmpty() && url.path() != QLatin1String("/")) {
        *why = QStringLiteral("the speech host takes no path");
        return {};
    }
    // The scheme stays: a wss:// address is reached over TLS.
    const QString host = url.port() < 0 ? url.host() : url.host() + QLatin1Char(':') + QString::number(url.port());
    return scheme + QStringLiteral("://") + host;
}

// Reads the environment into o.environment; called with o.mutex held.
void readEnvironment(Overrides& o)
{
    o.environmentRead = true;
    o.environment.clear();
    int index = 0;
    for (const char* name : VQApiConfig::kEnvironmentVariables) {
        const auto endpoint = static_cast<VQApiConfig::Endpoint>(index++);
        if (!qEnvironmentVariableIsSet(name))
            continue;
        const QString value = qEnvironmentVariable(name).trimmed();
        QString why;
        const QString address = addressFromEnvironment(endpoint, value, &why);
        if (address.isNull()) {
            VQLogWarn(QStringLiteral("%1=\"%2\" ignored (%3); using %4")
                          .arg(QLatin1String(name), value, why, builtIn(endpoint)));
            continue;
        }
        VQLogInfo(QStringLiteral("%1: using %2").arg(QLatin1String(name), address));
        o.environment.insert(static_cast<int>(endpoint), address);
    }
    if (!o.partnerCTokenSet)
        o.partnerCToken = qEnvironmentVariable(VQApiConfig::kPartnerCTokenVariable).trimmed();
}

} // namespace

QString VQApiConfig::baseUrl(Endpoint endpoint)
{
    Overrides& o = overrides();
    QMutexLocker lock(&o.mutex);
    const auto it = o.urls.constFind(static_cast<int>(endpoint));
    if (it != o.urls.constEnd())
        return *it;
    if (!o.environmentRead)
        readEnvironment(o);
    const auto fromEnvironment = o.environment.constFind(static_cast<int>(endpoint));
    return fromEnvironment != o.environment.constEnd() ? *fromEnvironment : builtIn(endpoint);
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

QString VQApiConfig::partnerCToken()
{
    Overrides& o = overrides();
    QMutexLocker lock(&o.mutex);
    if (!o.environmentRead)
        readEnvironment(o);
    return o.partnerCToken;
}

void VQApiConfig::setPartnerCTokenForTests(const QString& token)
{
    Overrides& o = overrides();
    QMutexLocker lock(&o.mutex);
    o.partnerCToken = token;
    o.partnerCTokenSet = true;
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
    o.environmentRead = false;
    o.partnerCTokenSet = false;
    o.partnerCToken.clear();
}
