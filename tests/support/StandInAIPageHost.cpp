#include "StandInAIPageHost.h"

#include "VQApiConfig.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QUrlQuery>

namespace vqtest {

namespace {

// The partners' fixed material, as each partner holds it.
const QString kPartnerAToken = QStringLiteral("QKXRDPWLMZTNHBVCYFGJSAUEO");
const QString kPartnerCKey = QStringLiteral("Qr7tLw2Kx9Bn4VzP");
const QString kPartnerCRegisterKey = QStringLiteral("Hp3sTn8WqR5vYk2M");
const QString kPartnerCCustomerId = QStringLiteral("1730482956104837265");
const QString kPartnerEKey = QStringLiteral("9c3e71b0d5f2a846");

const QByteArray kPage = R"HTML(<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>AI</title>
<style>body{font-family:sans-serif;margin:24px;background:#f4f8fb}h1{color:#00afcc}
#log{white-space:pre-wrap;border:1px solid #ccc;background:#fff;padding:8px;min-height:80px}</style>
<script>
window.vqCalls = [];
function vqRecord(name, args) {
  window.vqCalls.push([name].concat(Array.prototype.slice.call(args)));
  var log = document.getElementById('log');
  if (log) log.textContent += name + '\n';
}
function handlInputValue() { vqRecord('handlInputValue', arguments); }
function idallSendMessage() { vqRecord('idallSendMessage', arguments); }
function MESSAGE_SEND() { vqRecord('MESSAGE_SEND', arguments); }
function externalFunc() { vqRecord('externalFunc', arguments); }
function aiMouseExternalFunc() { vqRecord('aiMouseExternalFunc', arguments); }
function handlHelperInput() { vqRecord('handlHelperInput', arguments); }
function fontSizeChange() { vqRecord('fontSizeChange', arguments); }
function switchChange() { vqRecord('switchChange', arguments); }
function clearBox() { vqRecord('clearBox', arguments); }
</script></head>
<body><h1>AI writing</h1>
<p><a id="xlsx" href="/files/report.xlsx">report.xlsx</a> &middot;
<a id="slow" href="/files/slow.xlsx">slow.xlsx</a> &middot;
<a id="cut" href="/files/cut.xlsx">cut.xlsx</a></p>
<p><input id="upload" type="file" multiple></p>
<div id="log"></div></body></html>
)HTML";

QString md5(const QString& text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex());
}

// The query of an address: its real query, or the one inside its fragment ("#/?a=b").
QUrlQuery queryOf(const QUrl& address)
{
    if (address.hasQuery())
        return QUrlQuery(address.query(QUrl::FullyEncoded));
    const QString fragment = address.fragment(QUrl::FullyEncoded);
    const qsizetype mark = fragment.indexOf(QLatin1Char('?'));
    return QUrlQuery(mark < 0 ? QString() : fragment.mid(mark + 1));
}

QString checkTime(const QString& time)
{
    bool ok = false;
    const qint64 seconds = time.toLongLong(&ok);
    if (!ok || qAbs(seconds - QDateTime::currentSecsSinceEpoch()) > 600)
        return QStringLiteral("time %1 is not now").arg(time);
    return {};
}

QString expect(const QString& what, const QString& got, const QString& want)
{
    return got == want ? QString() : QStringLiteral("%1 is \"%2\", expected \"%3\"").arg(what, got, want);
}

} // namespace

StandInAIPageHost::StandInAIPageHost()
{
    for (const QString& path : {QStringLiteral("/"), QStringLiteral("/web/"), QStringLiteral("/workspace")})
        m_server.setReply(path, StandInReply::html(200, kPage));
    // Spreadsheets come as the older Excel type, which is the one the save flow words as a download.
    StandInReply whole = StandInReply::text(xlsxBytes(), "application/vnd.ms-excel");
    m_server.setReply(QString::fromLatin1(kXlsxPath), whole);
    StandInReply slow = StandInReply::text(trickleBytes(), whole.contentType);
    slow.trickleMs = kTrickleMs;
    m_server.setReply(QString::fromLatin1(kTricklePath), slow);
    StandInReply cut = whole;
    cut.closeMidBody = true;
    m_server.setReply(QString::fromLatin1(kCutPath), cut);
}

bool StandInAIPageHost::listen()
{
    return m_server.listen();
}

void StandInAIPageHost::installAsAIHosts() const
{
    using E = VQApiConfig::Endpoint;
    for (E endpoint : {E::AiChatHost, E::AiChatPageHost, E::AiLanguageHost, E::AiPartnerA, E::AiPartnerB,
                       E::AiPartnerC, E::AiPartnerD, E::AiPartnerE, E::DevicePageHost})
        VQApiConfig::setBaseUrl(endpoint, m_server.url());
}

QByteArray StandInAIPageHost::xlsxBytes()
{
    // Not a real workbook: the bytes only have to arrive unchanged. Every byte value occurs.
    QByteArray bytes("PK\x03\x04", 4);
    for (int i = 0; i < 48 * 1024; ++i)
        bytes.append(char((i * 7 + i / 256) & 0xff));
    return bytes;
}

QByteArray StandInAIPageHost::trickleBytes()
{
    return xlsxBytes().left(600);
}

QString StandInAIPageHost::decodePartnerCData(const QString& data, const QString& key)
{
    const QString scrambled = QString::fromUtf8(QByteArray::fromBase64(data.toLatin1()));
    QString query;
    for (qsizetype i = 0; i < scrambled.size(); ++i)
        query.append(QChar(char16_t(scrambled.at(i).unicode() ^ key.at(i % key.size()).unicode())));
    return query;
}

QString StandInAIPageHost::checkAddress(const QUrl& address, int productCode, const QString& serialNumber,
                                        const QString& macAddress, const QString& partnerCToken)
{
    const QUrlQuery query = queryOf(address);
    auto value = [&query](const char* name) { return query.queryItemValue(QString::fromLatin1(name), QUrl::FullyDecoded); };
    QStringList problems;
    auto add = [&problems](const QString& problem) {
        if (!problem.isEmpty())
            problems << problem;
    };
    switch (productCode) {
    case 216:
        add(expect(QStringLiteral("mouseDeviceId"), value("mouseDeviceId"), serialNumber));
        add(checkTime(value("time")));
        add(expect(QStringLiteral("sign"), value("sign"), md5(kPartnerAToken + serialNumber + value("time"))));
        break;
    case 229:
    case 217:
    case 166:
        add(checkTime(value("time")));
        break;
    case 266:
        add(expect(QStringLiteral("path"), address.path(), QStringLiteral("/workspace")));
        add(expect(QStringLiteral("sno"), value("sno"), serialNumber));
        add(checkTime(value("time")));
        break;
    case 209:
    case 285:
        add(expect(QStringLiteral("sn"), value("sn"), serialNumber));
        add(checkTime(value("timestamp")));
        add(expect(QStringLiteral("sign"), value("sign"), md5(kPartnerEKey + serialNumber + value("timestamp"))));
        break;
    case 44:
    case 523: {
        const bool reg = productCode == 523;
        const QString key = reg ? kPartnerCRegisterKey : kPartnerCKey;
        add(expect(QStringLiteral("key"), value("key"), reg ? QStringLiteral("VQ") : QStringLiteral("AI")));
        const QString data = value("data");
        add(expect(QStringLiteral("cc"), value("cc"), md5(data + key)));
        const QUrlQuery inner(decodePartnerCData(data, key));
        auto field = [&inner](const char* name) { return inner.queryItemValue(QString::fromLatin1(name)); };
        add(expect(QStringLiteral("channel_id"), field("channel_id"), QStringLiteral("0l")));
        add(expect(QStringLiteral("device_id"), field("device_id"), serialNumber));
        add(expect(QStringLiteral("model"), field("model"), QString::number(productCode)));
        add(expect(QStringLiteral("pcid"), field("pcid"), macAddress));
        add(checkTime(field("timestamp")));
        add(expect(QStringLiteral("token"), field("token"), partnerCToken));
        add(expect(QStringLiteral("action"), field("action"), reg ? QStringLiteral("register") : QStringLiteral("click")));
        add(expect(QStringLiteral("customerId"), field("customerId"), reg ? kPartnerCCustomerId : QString()));
        break;
    }
    default:
        add(QStringLiteral("no partner page for product %1").arg(productCode));
    }
    return problems.join(QStringLiteral("; "));
}

} // namespace vqtest
