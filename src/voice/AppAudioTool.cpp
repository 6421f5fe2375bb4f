#include "AppAudioTool.h"

#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "VQAudioPlayer.h"
#include "VQPopupWindowTool.h"

#include <QTimer>
#include <QUrl>

AppAudioTool& AppAudioTool::sharedManager()
{
    static AppAudioTool tool;
    return tool;
}

void AppAudioTool::resetForTests()
{
    sharedManager().m_attachedPlayer = nullptr;
}

void AppAudioTool::attachPlayer()
{
    VQAudioPlayer& player = VQAudioPlayer::instance();
    if (m_attachedPlayer == &player)
        return;
    m_attachedPlayer = &player;
    player.setErrorHandler([](const QUrl& source, const QString& reason) {
        cannotPlay(source.toDisplayString(QUrl::RemoveUserInfo), reason);
    });
}

void AppAudioTool::playAudioWithURL(const QString& address)
{
    attachPlayer();
    VQAudioPlayer& player = VQAudioPlayer::instance();
    player.pause();
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return;
    const QUrl url = trimmed.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(trimmed) : QUrl(trimmed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    const bool network = (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
    const bool file = scheme == QLatin1String("file") && !url.toLocalFile().isEmpty();
    if (!url.isValid() || (!network && !file)) {
        // Reported from the event loop, as the player reports its failures.
        QTimer::singleShot(0, [shown = trimmed.left(200)] { cannotPlay(shown, QStringLiteral("not an audio address")); });
        return;
    }
    player.play(url);
}

void AppAudioTool::stop()
{
    attachPlayer();
    VQAudioPlayer::instance().stop();
}

void AppAudioTool::cannotPlay(const QString& address, const QString& reason)
{
    VQLogWarn(QStringLiteral("the audio at \"%1\" cannot be played: %2").arg(mm::loggedAddress(QUrl(address)), reason));
    VQPopupWindowTool::sharedInstance().showTipMessage(
        QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kCannotPlayText)), QStringLiteral("error_icon"));
}
