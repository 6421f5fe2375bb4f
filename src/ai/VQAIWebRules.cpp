#include "VQAIWebRules.h"

#include "VQApiConfig.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QSet>

#include <iterator>

namespace VQAIWebRules {

namespace {

QString trimmedHost(const QString& base)
{
    QString host = base;
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return host;
}

// Characters a query may hold as they are (RFC 3986): unreserved ones are kept by
// QUrl::toPercentEncoding anyway; these are the sub-delimiters, ':', '@', '/' and '?'.
const QByteArray kQueryCharacters = QByteArrayLiteral("!$&'()*+,;=:@/?");

// "host" or "host:port" of a base URL, "" when it has none.
QString hostText(const QString& base)
{
    const QUrl url(base);
    QString text = url.host();
    if (!text.isEmpty() && url.port() != -1)
        text += QLatin1Char(':') + QString::number(url.port());
    return text;
}

QUrl defaultChatPage(const PageInputs& in, const Hosts& hosts)
{
    const QString gpts = in.serviceGpts.isEmpty() ? QString::fromLatin1(kDefaultGpts) : in.serviceGpts;
    const QString chatPageLabel = QUrl(hosts.chatPage).host().section(QLatin1Char('.'), 0, 0);
    QString base;
    if (in.uiLanguageCode == QLatin1String("ZH_CN")) {
        base = in.chatGptUrl + QStringLiteral("?language=ZH_CN&xfText=") + QStringLiteral("由讯飞星火认知大模型技术支持");
    } else if (!chatPageLabel.isEmpty() && in.chatGptUrl.contains(chatPageLabel)) {
        base = trimmedHost(hosts.chatPage) + QStringLiteral("?language=ZH_CN&xfText=Powered by ChatGPT ");
    } else {
        base = trimmedHost(hosts.aiChat) + QStringLiteral("?language=") + in.uiLanguageCode
            + QStringLiteral("&xfText=Powered by ChatGPT ");
    }
    const QString address = base + QStringLiteral("&sn=") + in.serialNumber
        + QStringLiteral("&logo=ZEZAZEZI&logom=divuvuzu&corvaneAI=TAMSEL AI&gpts=") + gpts;
    return QUrl::fromEncoded(QUrl::toPercentEncoding(address, kQueryCharacters));
}

} // namespace

Hosts configuredHosts()
{
    using E = VQApiConfig::Endpoint;
    Hosts hosts;
    hosts.aiChat = VQApiConfig::baseUrl(E::AiChatHost);
    hosts.chatPage = VQApiConfig::baseUrl(E::AiChatPageHost);
    hosts.partnerA = VQApiConfig::baseUrl(E::AiPartnerA);
    hosts.partnerB = VQApiConfig::baseUrl(E::AiPartnerB);
    hosts.partnerC = VQApiConfig::baseUrl(E::AiPartnerC);
    hosts.partnerD = VQApiConfig::baseUrl(E::AiPartnerD);
    hosts.partnerE = VQApiConfig::baseUrl(E::AiPartnerE);
    hosts.language = VQApiConfig::baseUrl(E::AiLanguageHost);
    hosts.voiceChip = VQApiConfig::baseUrl(E::AiVoiceChipHost);
    return hosts;
}

std::optional<QUrl> languagePage(const LanguagePageInputs& in, const Hosts& hosts)
{
    if (in.uiLanguageIndex == 0) {
        if (in.chatGptUrl.isEmpty())
            return std::nullopt;
        const QString voiceChip = hostText(hosts.voiceChip);
        if (!voiceChip.isEmpty() && in.chatGptUrl.contains(voiceChip, Qt::CaseInsensitive))
            return QUrl(in.chatGptUrl
                        + QStringLiteral("?appkey=%1&ts=%2&sno=%3&token=%4")
                              .arg(in.appKey, in.time, in.serialNumber, in.voiceChipToken));
        return QUrl(in.chatGptUrl
                    + QStringLiteral("?appkey=%1&ts=%2&ppt=iframe&sno=%3&ua=IOS").arg(in.appKey, in.time, in.serialNumber));
    }
    // The language of each page, by UI language index from 1.
    static constexpr const char* kPageLanguages[] = {"tw", "en", "ja", "vi", "ru", "ar", "de",
                                                     "es", "fr", "id", "it", "ko", "tr"};
    const int slot = in.uiLanguageIndex - 1;
    if (slot < 0 || slot >= int(std::size(kPageLanguages)))
        return std::nullopt;
    const QString page = QStringLiteral("/v2/tcchrome_%1%2.html?ppt=iframe")
                             .arg(QLatin1String(kPageLanguages[slot]),
                                  in.region == QLatin1String("out") ? QStringLiteral("_out") : QString());
    return QUrl(QStringLiteral("http://") + hostText(hosts.language) + page);
}

QString md5Hex(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString partnerCData(const QString& query, const QString& key)
{
    QString scrambled;
    scrambled.reserve(query.size());
    for (qsizetype i = 0; i < query.size(); ++i)
        scrambled.append(QChar(static_cast<char16_t>(query.at(i).unicode() ^ key.at(i % key.size()).unicode())));
    return QString::fromLatin1(scrambled.toUtf8().toBase64());
}

QString partnerCQuery(int productCode, const QString& serialNumber, const QString& macAddress, const QString& time,
                      const QString& token)
{
    const QString common = QStringLiteral("channel_id=0l&device_id=%1&model=%2&pcid=%3&timestamp=%4&token=%5")
                               .arg(serialNumber, QString::number(productCode), macAddress, time, token);
    if (productCode == 523)
        return common + QStringLiteral("&action=register&customerId=") + QLatin1String(kPartnerCCustomerId);
    return common + QStringLiteral("&action=click");
}

PageChoice choosePage(const PageInputs& in, const Hosts& hosts)
{
    if (in.disabledDevice)
        return {};
    const int product = in.productCode.toInt();
    const QString& sn = in.serialNumber;
    const QString& time = in.time;
    auto partner = [](PageKind kind, const QString& host, const QString& rest) {
        return PageChoice { kind, QUrl(trimmedHost(host) + rest) };
    };
    switch (product) {
    case 216:
        return partner(PageKind::PartnerA, hosts.partnerA,
                       QStringLiteral("/web/#/?mouseDeviceId=%1&sign=%2&time=%3")
                           .arg(sn, md5Hex(QLatin1String(kPartnerAToken) + sn + time), time));
    case 229:
    case 217:
    case 166:
        return partner(PageKind::PartnerB, hosts.partnerB, QStringLiteral("?time=") + time);
    case 44:
    case 282:
    case 523: {
        const QString key = QLatin1String(product == 523 ? kPartnerCRegisterKey : kPartnerCKey);
        const QString data = partnerCData(partnerCQuery(product, sn, in.macAddress, time, in.partnerCToken), key);
        const QString cc = md5Hex(data + key);
        return partner(PageKind::PartnerC, hosts.partnerC,
                       QStringLiteral("/#/home?key=%1&data=%2&cc=%3")
                           .arg(product == 523 ? QStringLiteral("VQ") : QStringLiteral("AI"), data, cc));
    }
    case 266:
        return partner(PageKind::PartnerD, hosts.partnerD, QStringLiteral("/workspace?sno=%1&time=%2").arg(sn, time));
    case 209:
    case 285:
        return partner(PageKind::PartnerE, hosts.partnerE,
                       QStringLiteral("/web/#/?sn=%1&sign=%2&timestamp=%3")
                           .arg(sn, md5Hex(QLatin1String(kPartnerESigningKey) + sn + time), time));
    default:
        break;
    }
    if (in.chatGptUrl.isEmpty())
        return { PageKind::LocalPage, in.localPage };
    return { PageKind::DefaultChat, defaultChatPage(in, hosts) };
}

QString jsStringLiteral(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out.append(QLatin1Char('"'));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"':
            out.append(QLatin1String("\\\""));
            break;
        case u'\\':
            out.append(QLatin1String("\\\\"));
            break;
        case u'\n':
            out.append(QLatin1String("\\n"));
            break;
        case u'\r':
            out.append(QLatin1String("\\r"));
            break;
        case u'\t':
            out.append(QLatin1String("\\t"));
            break;
        default:
            // Control characters, the two line separators, and every surrogate (so that a lone
            // one survives as the same code unit) are written as escapes.
            if (u < 0x20 || u == 0x2028 || u == 0x2029 || (u >= 0xD800 && u <= 0xDFFF) || u == 0x7F)
                out.append(QStringLiteral("\\u%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0')));
            else
                out.append(c);
        }
    }
    out.append(QLatin1Char('"'));
    return out;
}

QString messageSendObject(const QString& serialNumber, const QString& time)
{
    QJsonObject object;
    object.insert(QStringLiteral("sn"), serialNumber);
    object.insert(QStringLiteral("timestamp"), static_cast<qint64>(static_cast<qint32>(time.toLongLong())));
    object.insert(QStringLiteral("sign"),
                  md5Hex(serialNumber + QLatin1Char('#') + time + QLatin1Char('#') + QLatin1String(kMessageSendSalt)));
    QString json = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
    // JSON leaves these raw; in a script they end the line.
    json.replace(QChar(0x2028), QLatin1String("\\u2028"));
    json.replace(QChar(0x2029), QLatin1String("\\u2029"));
    return json;
}

QString questionCall(int productCode, const QString& text, const QString& serialNumber, const QString& time)
{
    const QString literal = jsStringLiteral(text);
    switch (productCode) {
    case 216:
        return QStringLiteral("idallSendMessage(%1,%2,true)").arg(jsStringLiteral(QLatin1String(kPartnerAToken)), literal);
    case 229:
    case 217:
    case 166:
        return QStringLiteral("MESSAGE_SEND(%1,%2)").arg(literal, messageSendObject(serialNumber, time));
    case 44:
    case 282:
    case 209:
    case 285:
        return QStringLiteral("externalFunc(\"send\",%1)").arg(literal);
    case 266:
        return QStringLiteral("aiMouseExternalFunc(\"send\",%1)").arg(literal);
    default:
        return QStringLiteral("handlInputValue(%1,2)").arg(literal);
    }
}

QString helperCall(const QString& helperId, const QString& content)
{
    return QStringLiteral("handlHelperInput(%1,%2,2)").arg(jsStringLiteral(helperId), jsStringLiteral(content));
}

QString fontSizeCall(int size)
{
    return QStringLiteral("fontSizeChange(%1)").arg(size);
}

QString contextSwitchCall(bool on)
{
    return QStringLiteral("switchChange(%1)").arg(on ? 2 : 1);
}

QString clearBoxCall()
{
    return QStringLiteral("clearBox()");
}

std::optional<HelperKey> helperKeyFor(int keyByte)
{
    struct Row {
        const char* id;
        int open;
        int open2; // a second open key, or 0
        int toggleOn;
        int toggleOff;
    };
    static constexpr Row kRows[] = {
        { "aiImg", 0x84, 0, 0x86, 0x87 },
        { "fileChange", 0x88, 0x8B, 0, 0 },
        { "xml", 0x8C, 0, 0x8E, 0x8F },
        { "og8n92sxc6jd_v1", 0x90, 0, 0x92, 0x93 },
        { "template", 0x94, 0x97, 0, 0 },
        { "aiReading", 0x98, 0, 0x9A, 0x9B },
        { "table", 0x9C, 0, 0x9E, 0x9F },
        { "g5wrtd2jx1s1_v1", 0xA0, 0, 0xA2, 0xA3 },
        { "1ajruc2aglo3_v1", 0xA4, 0, 0xA6, 0xA7 },
        { "writingAssistant", 0xA8, 0, 0xAA, 0xAB },
        { "ppt", 0xAC, 0, 0xAE, 0xAF },
        { "lohuy8eicunq_v1", 0xC0, 0, 0xC2, 0xC3 },
    };
    if (keyByte <= 0)
        return std::nullopt;
    for (const Row& row : kRows) {
        const QString id = QLatin1String(row.id);
        if (keyByte == row.open || keyByte == row.open2)
            return HelperKey { id, HelperKey::Action::Open };
        if (keyByte == row.toggleOn)
            return HelperKey { id, HelperKey::Action::ToggleOn };
        if (keyByte == row.toggleOff)
            return HelperKey { id, HelperKey::Action::ToggleOff };
    }
    return std::nullopt;
}

bool isDownloadableMimeType(const QString& mimeType)
{
    static const QSet<QString> kTypes = {
        QStringLiteral("application/vnd.ms-word"),
        QStringLiteral("application/vnd.ms-excel"),
        QStringLiteral("application/vnd.openxmlformats-officedocument.presentationml.presentation"),
        QStringLiteral("application/octet-stream"),
        QStringLiteral("image/png"),
        QStringLiteral("text/markdown"),
        QStringLiteral("image/jpeg"),
        QStringLiteral("application/zip"),
        QStringLiteral("attachment/file"),
    };
    return kTypes.contains(mimeType) || mimeType.startsWith(QLatin1String("application/vnd"));
}

bool looksLikeDownloadableFile(const QUrl& url)
{
    const QString name = url.fileName();
    if (!name.contains(QLatin1Char('.')))
        return false;
    // Only what the extension names: an address without one is no file's (the database's
    // default type would say "application/octet-stream", which is downloadable).
    const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    return !type.isDefault() && isDownloadableMimeType(type.name());
}

namespace {

// The suffix a name is given by the MIME type, "" when the table has none.
QString tableSuffix(const QString& mimeType)
{
    if (mimeType == QLatin1String("application/vnd.ms-word"))
        return QStringLiteral("docx");
    if (mimeType == QLatin1String("application/vnd.ms-excel") || mimeType == QLatin1String("attachment/file"))
        return QStringLiteral("xlsx");
    if (mimeType == QLatin1String("application/vnd.openxmlformats-officedocument.presentationml.presentation"))
        return QStringLiteral("pptx");
    if (mimeType == QLatin1String("image/png"))
        return QStringLiteral("png");
    return {};
}

// A name within kMaxNameBytes of UTF-8 (file systems take 255 bytes, and the file is first
// written beside its name): a longer one loses the end of its stem and keeps its suffix.
QString fittedName(const QString& name)
{
    constexpr qsizetype kMaxNameBytes = 200;
    constexpr qsizetype kMaxSuffixBytes = 32;
    if (name.toUtf8().size() <= kMaxNameBytes)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    QString suffix = dot > 0 ? name.mid(dot) : QString();
    if (suffix.toUtf8().size() > kMaxSuffixBytes)
        suffix.clear(); // no suffix, but a long text after a dot
    const QString stem = suffix.isEmpty() ? name : name.left(dot);
    const qsizetype room = kMaxNameBytes - suffix.toUtf8().size();
    qsizetype bytes = 0;
    qsizetype end = 0;
    while (end < stem.size()) {
        const qsizetype width = stem.at(end).isHighSurrogate() && end + 1 < stem.size() ? 2 : 1;
        const qsizetype charBytes = QStringView(stem).mid(end, width).toUtf8().size();
        if (bytes + charBytes > room)
            break;
        bytes += charBytes;
        end += width;
    }
    return stem.left(end).trimmed() + suffix;
}

// The last "/"-separated part, without control characters (NUL included) or backslashes.
QString bareName(const QString& text)
{
    QString name = text.section(QLatin1Char('/'), -1);
    QString clean;
    clean.reserve(name.size());
    for (const QChar c : name) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F && c != QLatin1Char('\\'))
            clean.append(c);
    }
    return fittedName(clean.trimmed()).trimmed();
}

} // namespace

QString downloadFileName(const QString& suggestedName, const QString& mimeType, const QUrl& url, const QString& time)
{
    QString suffix = tableSuffix(mimeType);
    QString name;
    if (!suggestedName.isEmpty() && suggestedName != QLatin1String("Unknown"))
        name = bareName(suggestedName.section(QLatin1Char('?'), 0, 0));
    else if (!suffix.isEmpty())
        name = time + QLatin1Char('.') + suffix;
    else
        name = bareName(url.path(QUrl::FullyDecoded));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        if (suffix.isEmpty())
            suffix = QMimeDatabase().mimeTypeForName(mimeType).preferredSuffix();
        if (suffix.isEmpty())
            suffix = QStringLiteral("bin");
        name = time + QLatin1Char('.') + suffix;
    }
    return name;
}

NewWindowAction newWindowAction(const QUrl& url, const QString& devicePageHost)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return NewWindowAction::Ignore;
    // The device page is recognised by its host and path wherever they stand in the address and
    // whatever the scheme: the maker links it over http as well as https.
    const QString deviceHost = hostText(devicePageHost);
    if (!deviceHost.isEmpty() && url.toString().contains(deviceHost + QStringLiteral("/device"), Qt::CaseInsensitive))
        return NewWindowAction::DevicePage;
    return NewWindowAction::OpenInBrowser;
}

} // namespace VQAIWebRules
