#include "AppAudioTool.h"

#include "MMLog.h"
#include "MMLoggedAddress.h"
#include "QRNLocalizedString.h"
#include "VQApiConfig.h"
#include "VQAudioPlayer.h"
#include "VQPopupWindowTool.h"
#include "VQQueuePlayer.h"
#include "VQSoundPlayer.h"
#include "VQToolManager.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

namespace {

constexpr char kSoundResourceFolder[] = ":/sounds/";
constexpr char kWebSpeechPath[] = "/translate_tts";
constexpr char kWebSpeechChinesePath[] = "/text2audio";
// Where a long text is cut for web speech.
constexpr char kWebSpeechBreaks[] = "[,.:!?，。：！？]";

QString queryValue(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

QUrl webSpeechRequest(VQApiConfig::Endpoint host, const char* path, const QString& query)
{
    QUrl url(VQApiConfig::urlFor(host, QString::fromLatin1(path)));
    url.setQuery(query);
    return url;
}

} // namespace

AppAudioTool& AppAudioTool::sharedManager()
{
    static AppAudioTool* tool = new AppAudioTool;
    return *tool;
}

AppAudioTool::AppAudioTool()
    : m_avPlayer(newQueuePlayer())
{
}

AppAudioTool::~AppAudioTool() = default;

std::unique_ptr<VQQueuePlayer> AppAudioTool::newQueuePlayer()
{
    auto player = std::make_unique<VQQueuePlayer>([]() -> VQAudioPlayer& { return VQAudioPlayer::instance(); });
    player->setErrorHandler([](const QUrl& source, const QString& reason) {
        cannotPlay(source.toDisplayString(QUrl::RemoveUserInfo), reason);
    });
    return player;
}

void AppAudioTool::resetForTests()
{
    AppAudioTool& tool = sharedManager();
    tool.m_avPlayer = newQueuePlayer();
    tool.m_player.reset();
    tool.m_musicDelegate = nullptr;
    tool.m_playEndBlock = nullptr;
    tool.m_soundIDs.clear();
    tool.m_completions.clear();
    tool.m_attachedSounds = nullptr;
}

// --- Addresses ---

void AppAudioTool::playAudioWithURL(const QString& address)
{
    m_avPlayer->pause();
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
    m_avPlayer->play({url});
}

void AppAudioTool::stop()
{
    if (m_player)
        m_player->stop();
    m_avPlayer->pause();
}

// --- Music ---

QString AppAudioTool::musicPath(const QString& name, int pathType)
{
    if (name.isEmpty())
        return {};
    QString path;
    switch (pathType) {
    case PathResource:
        path = QString::fromLatin1(kSoundResourceFolder) + name;
        break;
    case PathTemporary:
        path = QDir::tempPath() + QLatin1Char('/') + name;
        break;
    default:
        path = VQToolManager::getFilePath(name);
        break;
    }
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

bool AppAudioTool::playMusicWithDelegate(const QString& name, int pathType, int num, MusicDelegate delegate)
{
    const QString path = musicPath(name, pathType);
    if (path.isEmpty()) {
        VQLogWarn(QStringLiteral("no music file \"%1\" of path type %2").arg(name).arg(pathType));
        return false;
    }
    const QUrl url = path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path) : QUrl::fromLocalFile(path);
    return startMusic([url](VQAudioPlayer& player) { player.play(url); }, num, std::move(delegate));
}

bool AppAudioTool::playMusic(const QString& name, int pathType, int num)
{
    return playMusicWithDelegate(name, pathType, num, nullptr);
}

bool AppAudioTool::playMusicWithBlock(const QString& name, int pathType, int num, EndBlock block)
{
    m_playEndBlock = std::move(block);
    return playMusic(name, pathType, num);
}

bool AppAudioTool::playMusicData(const QByteArray& data, int num)
{
    if (data.isEmpty())
        return false;
    return startMusic([data](VQAudioPlayer& player) { player.playData(data); }, num, nullptr);
}

bool AppAudioTool::startMusic(const std::function<void(VQAudioPlayer&)>& play, int num, MusicDelegate delegate)
{
    // A new player: the one before stops as it goes.
    m_player = VQAudioPlayer::create();
    m_musicDelegate = std::move(delegate);
    m_player->setLoops(num <= 0 ? VQAudioPlayer::kLoopForever : num);
    m_player->setFinishedHandler([this] { musicFinished(); });
    m_player->setErrorHandler([](const QUrl& source, const QString& reason) {
        cannotPlay(source.toDisplayString(QUrl::RemoveUserInfo), reason);
    });
    play(*m_player);
    return true;
}

void AppAudioTool::pauseMusic()
{
    if (m_player)
        m_player->pause();
}

void AppAudioTool::stopMusic()
{
    if (m_player)
        m_player->stop();
}

void AppAudioTool::musicFinished()
{
    if (m_musicDelegate) {
        const MusicDelegate delegate = m_musicDelegate;
        delegate(true);
        return;
    }
    if (const EndBlock block = m_playEndBlock)
        block(true);
}

// --- Sounds ---

void AppAudioTool::attachSounds()
{
    VQSoundPlayer& sounds = VQSoundPlayer::instance();
    if (m_attachedSounds == &sounds)
        return;
    m_attachedSounds = &sounds;
    sounds.setFinishedHandler([this](int soundId) { soundFinished(soundId); });
}

void AppAudioTool::playSound(const QString& name)
{
    attachSounds();
    VQSoundPlayer& sounds = VQSoundPlayer::instance();
    int soundId = m_soundIDs.value(name);
    if (soundId == 0 || !sounds.hasSound(soundId)) {
        soundId = name.isEmpty() ? 0 : sounds.createSound(QUrl(QStringLiteral("qrc") + QLatin1String(kSoundResourceFolder) + name));
        if (soundId == 0) {
            VQLogWarn(QStringLiteral("no sound \"%1\" among the program's resources").arg(name));
            return;
        }
        m_soundIDs.insert(name, soundId);
    }
    playSystemSoundID(soundId);
}

void AppAudioTool::playSoundWithBlock(const QString& name, EndBlock block)
{
    m_playEndBlock = std::move(block);
    playSound(name);
}

void AppAudioTool::playSystemSoundID(int soundId)
{
    attachSounds();
    if (!VQSoundPlayer::instance().play(soundId)) {
        VQLogWarn(QStringLiteral("no sound with the id %1").arg(soundId));
        return;
    }
    m_completions.insert(soundId);
}

void AppAudioTool::soundFinished(int soundId)
{
    if (!m_completions.contains(soundId))
        return;
    if (soundId >= kRepeatingSoundIdFirst && soundId <= kRepeatingSoundIdLast) {
        playSystemSoundID(soundId);
        return;
    }
    m_completions.remove(soundId);
    if (const EndBlock block = m_playEndBlock)
        block(true);
}

void AppAudioTool::stopSystemSoundID(int soundId)
{
    m_completions.remove(soundId);
    VQSoundPlayer::instance().dispose(soundId);
    for (auto it = m_soundIDs.begin(); it != m_soundIDs.end();) {
        if (it.value() == soundId)
            it = m_soundIDs.erase(it);
        else
            ++it;
    }
}

void AppAudioTool::stopSound(const QString& name)
{
    const int soundId = m_soundIDs.value(name);
    if (soundId != 0)
        m_completions.remove(soundId);
}

void AppAudioTool::disposeSound(const QString& name)
{
    const int soundId = m_soundIDs.value(name);
    if (soundId == 0)
        return;
    m_completions.remove(soundId);
    VQSoundPlayer::instance().dispose(soundId);
    m_soundIDs.remove(name);
}

// --- Web speech ---

void AppAudioTool::playAudioWithText(const QString& text, const QString& languageCode)
{
    m_avPlayer->pause();
    const QList<QUrl> items = webSpeechItems(text, languageCode);
    if (items.isEmpty())
        return;
    m_avPlayer->play(items);
}

QList<QUrl> AppAudioTool::webSpeechItems(const QString& text, const QString& languageCode)
{
    if (text.trimmed().isEmpty())
        return {};
    if (text.size() < kWebSpeechChunkLength)
        return {webSpeechChineseUrl(text)};
    QList<QUrl> items;
    for (const QString& chunk : webSpeechChunks(text))
        items.append(webSpeechUrl(chunk, languageCode));
    return items;
}

QUrl AppAudioTool::webSpeechUrl(const QString& text, const QString& languageCode)
{
    // The text and the language are encoded as query values: an "&" or "=" of the text stays in it.
    return webSpeechRequest(VQApiConfig::Endpoint::WebSpeech, kWebSpeechPath,
                            QStringLiteral("ie=UTF-8&q=%1&tl=%2&ttsspeed=0.5&total=1&idx=0&client=tw-ob")
                                .arg(queryValue(text), queryValue(languageCode)));
}

QUrl AppAudioTool::webSpeechChineseUrl(const QString& text)
{
    return webSpeechRequest(VQApiConfig::Endpoint::WebSpeechChinese, kWebSpeechChinesePath,
                            QStringLiteral("lan=zh&ie=UTF-8&spd=8&text=%1").arg(queryValue(text)));
}

QStringList AppAudioTool::webSpeechChunks(const QString& text)
{
    static const QRegularExpression breaks(QString::fromUtf8(kWebSpeechBreaks));
    QStringList chunks;
    QString chunk;
    qsizetype count = 0;
    for (const QString& piece : text.split(breaks)) {
        if (piece.trimmed().isEmpty())
            continue;
        count += piece.size();
        if (count < kWebSpeechChunkLength) {
            // A chunk begun by a bare piece keeps its pieces apart too.
            if (!chunk.isEmpty() && !chunk.endsWith(QLatin1Char('.')))
                chunk += QLatin1Char('.');
            chunk += piece + QLatin1Char('.');
            continue;
        }
        if (!chunk.isEmpty())
            chunks.append(chunk);
        chunk = piece;
        count = piece.size();
    }
    if (!chunk.isEmpty())
        chunks.append(chunk);
    return chunks;
}

void AppAudioTool::cannotPlay(const QString& address, const QString& reason)
{
    VQLogWarn(QStringLiteral("the audio at \"%1\" cannot be played: %2").arg(mm::loggedAddress(QUrl(address)), reason));
    VQPopupWindowTool::sharedInstance().showTipMessage(
        QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kCannotPlayText)), QStringLiteral("error_icon"));
}
