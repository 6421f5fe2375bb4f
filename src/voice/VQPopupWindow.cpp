#include "VQPopupWindow.h"

#include "MMImage.h"
#include "MMLog.h"
#include "NoFocusWindow.h"
#include "VQAudioMonitorService.h"
#include "VQButton.h"
#include "VQKeyPressManager.h"
#include "VQPopContentView.h"
#include "VQUserInfoData.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// The products whose key action 18 opens the AI window with its own microphone display.
const QStringList kNoPanelProductCodes{QStringLiteral("41"), QStringLiteral("209"), QStringLiteral("285")};
constexpr int kAiWindowKeyAction = 18;

} // namespace

VQPopupWindow::VQPopupWindow(QWidget* parent)
    : QWidget(parent)
    , m_content(new VQPopContentView(this))
    , m_closeBtn(new VQButton(this))
{
    mm::makeNoFocusToolWindow(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("speech popup"));

    m_closeBtn->setImageName(QStringLiteral("close_icon"));
    // The round icon, not its square: the corners of a square would show black.
    m_closeShape = mm::opaqueRegion(mm::imageNamed(QStringLiteral("close_icon"), QSize(closeSize, closeSize)));
    m_closeBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    m_closeBtn->setFocusPolicy(Qt::NoFocus);
    m_closeBtn->raise();
    connect(m_closeBtn, &VQButton::clicked, this, &VQPopupWindow::closeBtnClicked);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(popupGeometry(screen->geometry(), minHeight));
    else
        resize(popupWidth, minHeight);
}

QRect VQPopupWindow::popupGeometry(const QRect& screenGeometry, int contentHeight)
{
    const int height = qMax(contentHeight, minHeight);
    const int x = screenGeometry.x() + screenGeometry.width() - popupWidth - rightMargin;
    const int bottom = screenGeometry.y() + screenGeometry.height() - bottomOffset;
    return QRect(x, bottom - height, popupWidth, height);
}

bool VQPopupWindow::isPanelSuppressed()
{
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    return state.keyAction() == kAiWindowKeyAction && kNoPanelProductCodes.contains(state.productCode());
}

void VQPopupWindow::showSpeechView(const QString& text, int type)
{
    if (isPanelSuppressed())
        return;
    if (!m_isShow) {
        m_content->setFanText(QString());
        m_content->setYiText(QString());
    }
    m_isShow = true;
    m_content->setPressType(type);
    m_content->setFanText(text);
    placeOnScreen();
    // Shown without activation (WA_ShowWithoutActivating), in front of other windows.
    show();
    raise();
}

void VQPopupWindow::showYiText(const QString& text)
{
    if (m_content->pressType() != VQPopContentView::translationType || !VQAudioMonitorService::sharedInstance().hadStart())
        return;
    m_content->setYiText(text);
    placeOnScreen();
}

void VQPopupWindow::dismissSpeechView()
{
    m_content->setFanText(QString());
    m_content->setYiText(QString());
    m_content->setPressType(0);
    VQKeyPressManager::sharedInstance().setLastPressType(0);
    m_isShow = false;
    hide();
}

void VQPopupWindow::closeBtnClicked()
{
    VQLogInfo(QStringLiteral("speech popup closed: recognition cancelled"));
    VQAudioMonitorService::sharedInstance().cancelAsr();
    dismissSpeechView();
}

void VQPopupWindow::placeOnScreen()
{
    // The bottom edge stays where it is; the panel grows or shrinks upward.
    QScreen* screen = QGuiApplication::primaryScreen();
    const int height = qMax(m_content->viewHeight(), int(minHeight));
    const QRect frame = screen ? popupGeometry(screen->geometry(), height)
                               : QRect(x(), geometry().bottom() + 1 - height, popupWidth, height);
    setGeometry(frame);
    m_content->setGeometry(0, 0, frame.width(), frame.height());
    m_content->layoutSubviews();
    m_closeBtn->setGeometry(frame.width() - closeSize, 0, closeSize, closeSize);
    // Only the boxes, the icon and the close button are drawn: without a compositor the clear
    // rest would show black.
    setMask(m_content->paintedRegion() + m_closeShape.translated(m_closeBtn->pos()));
}
