#include "VQTranslateView.h"

#include "AppAudioTool.h"
#include "Clipboard.h"
#include "MMLog.h"
#include "MMLoggedAddress.h"
#include "NSAnimateImageView.h"
#include "QRNLocalizedString.h"
#include "TKTTSManager.h"
#include "VQAudioPlayer.h"
#include "VQButton.h"
#include "VQPopupWindowTool.h"
#include "VQQueuePlayer.h"
#include "VQTextView.h"

namespace {

// The frames of the speaking animation: those of voice typing's.
QStringList speakingFrameNames()
{
    QStringList names;
    for (int i = 0; i <= 12; ++i)
        names.append(QStringLiteral("say_%1").arg(i, 5, 10, QLatin1Char('0')));
    return names;
}

} // namespace

VQTranslateView::VQTranslateView(QWidget* parent)
    : VQWordView(parent)
    , m_fuzhiBtn(new VQButton(this))
    , m_playBtn(new VQButton(this))
    , m_playImageView(new NSAnimateImageView(this))
{
    m_playBtn->setImageName(QStringLiteral("play_icon_black"));
    m_playBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    m_playBtn->setFocusPolicy(Qt::NoFocus);
    connect(m_playBtn, &VQButton::clicked, this, &VQTranslateView::playBtnClicked);
    m_playImageView->setImageNames(speakingFrameNames(), QSize(copyButtonSize, copyButtonSize));
    textView()->setMaxWidth(textWidth);
    m_fuzhiBtn->setImageName(QStringLiteral("copy_icon_black"));
    m_fuzhiBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    m_fuzhiBtn->setFocusPolicy(Qt::NoFocus);
    connect(m_fuzhiBtn, &VQButton::clicked, this, &VQTranslateView::fuzhiBtnClicked);
    setIsYiView(false);
}

VQTranslateView::~VQTranslateView() = default;

void VQTranslateView::setIsYiView(bool isYiView)
{
    m_isYiView = isYiView;
    m_playBtn->hide();
    m_playImageView->hide();
    placeCopyButton();
}

void VQTranslateView::clear()
{
    setStringValue(QStringLiteral(""));
    setViewHeight(0);
}

void VQTranslateView::fuzhiBtnClicked()
{
    const QString text = stringValue();
    if (text.isEmpty())
        return;
    if (!mm::mm_generalPasteboardSetString(text)) {
        VQLogWarn(QStringLiteral("translation window: the clipboard refused the %1 text")
                      .arg(m_isYiView ? QStringLiteral("translated") : QStringLiteral("source")));
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("复制失败")), QStringLiteral("error_icon"));
        return;
    }
    VQPopupWindowTool::sharedInstance().showTipMessage(
        QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("复制成功")), QStringLiteral("success_icon"));
}

void VQTranslateView::playBtnClicked()
{
    TKTTSManager& tts = TKTTSManager::sharedInstance();
    tts.setSpeakString(stringValue());
    tts.startSpeak();
}

QList<QUrl> VQTranslateView::webSpeechItems(const QString& text, const QString& languageCode)
{
    if (text.trimmed().isEmpty())
        return {};
    if (text.size() < AppAudioTool::kWebSpeechChunkLength)
        return {AppAudioTool::webSpeechUrl(text, languageCode)};
    QList<QUrl> items;
    for (const QString& chunk : AppAudioTool::webSpeechChunks(text))
        items.append(AppAudioTool::webSpeechUrl(chunk, languageCode));
    return items;
}

void VQTranslateView::playAudioWithText(const QString& text, const QString& languageCode)
{
    player().pause();
    const QList<QUrl> items = webSpeechItems(text, languageCode);
    if (!items.isEmpty())
        player().play(items);
}

void VQTranslateView::playAudioWithURL(const QString& address)
{
    player().pause();
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    if (address.trimmed().isEmpty())
        return;
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        VQLogWarn(QStringLiteral("translation window: \"%1\" is no web audio address").arg(address.left(200)));
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(AppAudioTool::kCannotPlayText)), QStringLiteral("error_icon"));
        return;
    }
    player().replaceCurrentItem(url);
}

VQQueuePlayer& VQTranslateView::player()
{
    if (!m_player) {
        m_audioPlayer = VQAudioPlayer::create();
        m_player = std::make_unique<VQQueuePlayer>([this]() -> VQAudioPlayer& { return *m_audioPlayer; });
        m_player->setErrorHandler([](const QUrl& source, const QString& reason) {
            VQLogWarn(QStringLiteral("translation window: the audio at %1 cannot be played: %2")
                          .arg(mm::loggedAddress(source), reason));
            VQPopupWindowTool::sharedInstance().showTipMessage(
                QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(AppAudioTool::kCannotPlayText)),
                QStringLiteral("error_icon"));
        });
    }
    return *m_player;
}

void VQTranslateView::resizeEvent(QResizeEvent* event)
{
    VQWordView::resizeEvent(event);
    placeCopyButton();
}

void VQTranslateView::placeCopyButton()
{
    const QRect corner(width() - copyButtonMargin - copyButtonSize, height() - copyButtonMargin - copyButtonSize,
                       copyButtonSize, copyButtonSize);
    m_fuzhiBtn->setGeometry(corner);
    m_playBtn->setGeometry(corner);
    // The animation: its bottom on the pane's bottom, centred.
    m_playImageView->setGeometry((width() - copyButtonSize) / 2, height() - copyButtonSize, copyButtonSize, copyButtonSize);
    m_fuzhiBtn->raise();
}
