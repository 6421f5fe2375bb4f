#include "VQSemanticManager.h"

#include "AppAudioTool.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "TKTTSManager.h"
#include "VQPopupWindowTool.h"

#include <QJsonArray>
#include <QJsonValue>

#include <utility>

namespace {

constexpr int kStatusSpeaking = TKTTSManager::kStatusSpeaking;
constexpr int kStatusPaused = TKTTSManager::kStatusPaused;
constexpr int kStatusResumed = TKTTSManager::kStatusResumed;
constexpr int kStatusFinished = TKTTSManager::kStatusFinished; // finished or stopped

// The member's text; "" when it is absent or not a string (logged: the server sent it).
QString stringMember(const QJsonObject& object, const QString& key, const QString& where)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isString()) {
        VQLogWarn(QStringLiteral("semantic answer: %1\"%2\" is not a string, ignored").arg(where, key));
        return {};
    }
    return value.toString();
}

// The audio address of the answer: "linkUrl" of the first entry of "widget"."content"; "" when
// there is none or a member on the way has the wrong type.
QString linkOf(const QJsonObject& dm)
{
    const QJsonValue widget = dm.value(QStringLiteral("widget"));
    if (widget.isUndefined() || widget.isNull())
        return {};
    if (!widget.isObject()) {
        VQLogWarn(QStringLiteral("semantic answer: \"widget\" is not an object, ignored"));
        return {};
    }
    const QJsonValue content = widget.toObject().value(QStringLiteral("content"));
    if (content.isUndefined() || content.isNull())
        return {};
    if (!content.isArray()) {
        VQLogWarn(QStringLiteral("semantic answer: \"widget.content\" is not an array, ignored"));
        return {};
    }
    const QJsonArray entries = content.toArray();
    if (entries.isEmpty())
        return {};
    if (!entries.first().isObject()) {
        VQLogWarn(QStringLiteral("semantic answer: the first entry of \"widget.content\" is not an object, ignored"));
        return {};
    }
    return stringMember(entries.first().toObject(), QStringLiteral("linkUrl"), QStringLiteral("widget.content[0]."))
        .trimmed();
}

// Only web audio is played: an answer must not make the program open local files or devices.
QUrl playableUrl(const QString& link)
{
    const QUrl url(link, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty())
        return url;
    VQLogWarn(QStringLiteral("semantic answer: link \"%1\" is not a web address, not played").arg(link.left(200)));
    VQPopupWindowTool::sharedInstance().showTipMessage(
        QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQSemanticManager::kBadLinkText)),
        QStringLiteral("error_icon"));
    return {};
}

} // namespace

VQSemanticManager& VQSemanticManager::sharedInstance()
{
    static auto* instance = new VQSemanticManager;
    return *instance;
}

void VQSemanticManager::resetForTests()
{
    VQSemanticManager& self = sharedInstance();
    ++self.m_serial;
    self.m_pendingLink = QUrl();
    TKTTSManager::sharedInstance().setCompleteBlock(nullptr);
}

void VQSemanticManager::analysisData(const QJsonObject& dm)
{
    QString nlg = stringMember(dm, QStringLiteral("nlg"), QString());
    const QString task = stringMember(dm, QStringLiteral("task"), QString());
    const QJsonValue command = dm.value(QStringLiteral("command"));
    if (!command.isUndefined() && !command.isNull() && !command.isObject())
        VQLogWarn(QStringLiteral("semantic answer: \"command\" is not an object, ignored"));
    const QString link = linkOf(dm);
    const QUrl url = link.isEmpty() ? QUrl() : playableUrl(link);
    VQLogInfo(QStringLiteral("semantic answer: task \"%1\", %2 characters to speak, %3")
                  .arg(task.left(100))
                  .arg(nlg.size())
                  .arg(url.isEmpty() ? QStringLiteral("no audio") : QStringLiteral("audio linked")));

    // A newer answer replaces the one still speaking; the older one's audio never plays.
    ++m_serial;
    m_pendingLink = QUrl();
    TKTTSManager& tts = TKTTSManager::sharedInstance();
    tts.setCompleteBlock(nullptr);
    const int status = tts.currentStatus();
    if (status == kStatusSpeaking || status == kStatusPaused || status == kStatusResumed)
        tts.stopSpeak(0);

    if (nlg.trimmed().isEmpty()) {
        if (!url.isEmpty()) {
            // Nothing to speak means no end of speech to wait for.
            AppAudioTool::sharedManager().playAudioWithURL(url.toString());
            return;
        }
        if (!task.isEmpty()) {
            VQLogInfo(QStringLiteral("semantic answer: skill \"%1\" gave nothing to speak").arg(task.left(100)));
            return;
        }
        nlg = QString::fromUtf8(kNotUnderstoodText);
    }

    if (!url.isEmpty()) {
        m_pendingLink = url;
        const std::uint64_t serial = m_serial;
        tts.setCompleteBlock([serial](int newStatus) { sharedInstance().speechStatusChanged(serial, newStatus); });
    }
    tts.setSpeakString(nlg);
    if (tts.startSpeak())
        return;
    VQLogWarn(QStringLiteral("semantic answer: the speech output did not start"));
    if (!m_pendingLink.isEmpty()) {
        const QUrl pending = std::exchange(m_pendingLink, QUrl());
        ++m_serial;
        tts.setCompleteBlock(nullptr);
        AppAudioTool::sharedManager().playAudioWithURL(pending.toString());
    }
}

void VQSemanticManager::speechStatusChanged(std::uint64_t serial, int status)
{
    // Earlier statuses (started, paused, resumed) leave the block in place.
    if (serial != m_serial || m_pendingLink.isEmpty() || status != kStatusFinished)
        return;
    const QUrl url = std::exchange(m_pendingLink, QUrl());
    ++m_serial;
    TKTTSManager::sharedInstance().setCompleteBlock(nullptr);
    AppAudioTool::sharedManager().playAudioWithURL(url.toString());
}
