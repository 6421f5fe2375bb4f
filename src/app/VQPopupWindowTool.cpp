#include "VQPopupWindowTool.h"

#include "MMImage.h"
#include "MMLog.h"
#include "RunOnMain.h"
#include "VQSpeechPopupInterface.h"
#include "VQTipWindow.h"
#include "VQTranslateWindowInterface.h"

#include <QWidget>

#include <cmath>

VQPopupWindowTool& VQPopupWindowTool::sharedInstance()
{
    // Never destroyed: the windows it holds must not outlive the application object in a
    // static destructor.
    static VQPopupWindowTool* instance = new VQPopupWindowTool;
    return *instance;
}

void VQPopupWindowTool::resetForTests()
{
    VQPopupWindowTool& tool = sharedInstance();
    if (tool.m_tipWindow)
        tool.m_tipWindow->closeTip();
    if (tool.m_dismissTimer)
        tool.m_dismissTimer->stop();
    tool.m_speechFactory = {};
    tool.m_translateFactory = {};
    tool.m_speechPopup = nullptr;
    tool.m_translateWindow = nullptr;
    tool.m_mainWindow = nullptr;
    tool.m_mayPutAwayMainWindow = {};
    tool.m_isLast = false;
    tool.m_isScreenshotsOCR = false;
    tool.m_loggedNoSpeechPopup = false;
    tool.m_loggedNoTranslateWindow = false;
}

void VQPopupWindowTool::setSpeechPopupFactory(SpeechPopupFactory factory)
{
    m_speechFactory = std::move(factory);
}

void VQPopupWindowTool::setTranslateWindowFactory(TranslateWindowFactory factory)
{
    m_translateFactory = std::move(factory);
}

void VQPopupWindowTool::setMainWindow(QWidget* window, std::function<bool()> mayPutAway)
{
    m_mainWindow = window;
    m_mayPutAwayMainWindow = std::move(mayPutAway);
}

// Tip window ---------------------------------------------------------------------------------

void VQPopupWindowTool::showTipMessage(const QString& text, const QString& imageName)
{
    mm::runOnMainOrNow([this, text, imageName] { showTipOnMain(text, imageName); });
}

VQTipWindow* VQPopupWindowTool::tipWindow()
{
    if (!m_tipWindow)
        m_tipWindow = new VQTipWindow;
    return m_tipWindow;
}

void VQPopupWindowTool::showTipOnMain(const QString& text, const QString& imageName)
{
    // An active main window is put away first, so the tip stands alone in front.
    if (m_mainWindow && m_mainWindow->isVisible() && m_mainWindow->isActiveWindow()
        && (!m_mayPutAwayMainWindow || m_mayPutAwayMainWindow()))
        m_mainWindow->hide();
    const QPixmap image = imageName.isEmpty()
        ? QPixmap()
        : mm::imageNamed(imageName, QSize(VQTipWindow::imageSize, VQTipWindow::imageSize));
    tipWindow()->showTip(text, image);
}

// Speech popup -------------------------------------------------------------------------------

VQSpeechPopupInterface* VQPopupWindowTool::speechPopup()
{
    if (!m_speechPopup && m_speechFactory)
        m_speechPopup = m_speechFactory();
    if (!m_speechPopup && !m_loggedNoSpeechPopup) {
        m_loggedNoSpeechPopup = true;
        VQLogWarn(QStringLiteral("no speech popup is installed; speech popup calls are ignored"));
    }
    return m_speechPopup;
}

QTimer* VQPopupWindowTool::dismissTimer()
{
    if (!m_dismissTimer) {
        m_dismissTimer = new QTimer;
        m_dismissTimer->setSingleShot(true);
        QObject::connect(m_dismissTimer, &QTimer::timeout, [this] {
            if (VQSpeechPopupInterface* popup = speechPopup())
                popup->dismissSpeechView();
        });
    }
    return m_dismissTimer;
}

void VQPopupWindowTool::showSpeechView(const QString& text, int type)
{
    mm::runOnMainOrNow([this, text, type] {
        // A delayed dismiss asked for an earlier text; it must not close this one.
        if (m_dismissTimer)
            m_dismissTimer->stop();
        if (VQSpeechPopupInterface* popup = speechPopup())
            popup->showSpeechView(text, type);
    });
}

void VQPopupWindowTool::showYiText(const QString& text)
{
    mm::runOnMainOrNow([this, text] {
        if (VQSpeechPopupInterface* popup = speechPopup())
            popup->showYiText(text);
    });
}

void VQPopupWindowTool::dismissSpeechView()
{
    mm::runOnMainOrNow([this] {
        if (m_dismissTimer)
            m_dismissTimer->stop();
        if (VQSpeechPopupInterface* popup = speechPopup())
            popup->dismissSpeechView();
    });
}

void VQPopupWindowTool::dismissSpeechView(double seconds)
{
    mm::runOnMainOrNow([this, seconds] {
        const double delay = std::isfinite(seconds) && seconds > 0 ? seconds : 0;
        dismissTimer()->start(static_cast<int>(std::lround(delay * 1000)));
    });
}

bool VQPopupWindowTool::isShow()
{
    // A popup never created has never shown.
    return m_speechPopup && m_speechPopup->isShow();
}

// Translation window -------------------------------------------------------------------------

VQTranslateWindowInterface* VQPopupWindowTool::translateWindow()
{
    if (!m_translateWindow && m_translateFactory)
        m_translateWindow = m_translateFactory();
    if (!m_translateWindow && !m_loggedNoTranslateWindow) {
        m_loggedNoTranslateWindow = true;
        VQLogWarn(QStringLiteral("no translation window is installed; translation window calls are ignored"));
    }
    return m_translateWindow;
}

void VQPopupWindowTool::showTranslateWindowFanText(const QString& fanText, const QString& yiText)
{
    mm::runOnMainOrNow([this, fanText, yiText] {
        if (VQTranslateWindowInterface* window = translateWindow()) {
            window->showInWindow();
            window->setFanText(fanText);
            window->setYiText(yiText);
        }
    });
}

void VQPopupWindowTool::dismissTranslateWindow()
{
    // A window never made has nothing to put away: it is not made for that.
    mm::runOnMainOrNow([this] {
        if (m_translateWindow)
            m_translateWindow->dismissWindow();
    });
}
