#include "VQSelectionMonitor.h"

#include "AppDelegate.h"
#include "Clipboard.h"
#include "MMEventMonitor.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "VQPopupWindowTool.h"
#include "VQSearchIconWindow.h"
#include "VQTranslateManager.h"
#include "VQTranslateWindowInterface.h"
#include "VQUserInfoData.h"

#include <QGuiApplication>
#include <QStyleHints>

namespace {

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

} // namespace

VQSelectionMonitor& VQSelectionMonitor::sharedInstance()
{
    static VQSelectionMonitor* monitor = new VQSelectionMonitor();
    return *monitor;
}

VQSelectionMonitor::VQSelectionMonitor()
{
    m_freshWindow.setSingleShot(true);
    m_freshWindow.setTimerType(Qt::PreciseTimer);
    m_freshWindow.setInterval(kFreshSelectionMs);
    connect(&m_freshWindow, &QTimer::timeout, this, &VQSelectionMonitor::freshWindowEnded);
}

VQSelectionMonitor::~VQSelectionMonitor() = default;

void VQSelectionMonitor::resetForTests()
{
    VQSelectionMonitor& m = sharedInstance();
    m.stop();
    if (m.m_searchIcon)
        m.m_searchIcon->hide();
    m.m_pressed = false;
    m.m_hasPreviousPress = false;
    m.m_lastSelectionText.clear();
    m.m_lastSelectionKnown = false;
}

bool VQSelectionMonitor::start()
{
    if (isStarted())
        return true;
    m_mouseMonitor = MMEventMonitor::bothMonitorWithEvent(
        MMEventMasks::kLeftMouseDown | MMEventMasks::kLeftMouseUp | MMEventMasks::kRightMouseDown,
        [this](const MMEvent& event) { mouseEvent(event); });
    if (!m_mouseMonitor->start()) {
        m_mouseMonitor.reset();
        VQLogWarn(QStringLiteral("the mouse cannot be watched; select-to-translate is off"));
        return false;
    }
    m_clipboard = &Clipboard::instance();
    m_selectionHandlerId = m_clipboard->addSelectionChangedHandler([this] { selectionChanged(); });
    VQLogInfo(QStringLiteral("selection monitors started"));
    return true;
}

void VQSelectionMonitor::stop()
{
    if (m_mouseMonitor)
        m_mouseMonitor->stop();
    m_mouseMonitor.reset();
    if (m_clipboard)
        m_clipboard->removeSelectionChangedHandler(m_selectionHandlerId);
    m_clipboard = nullptr;
    m_selectionHandlerId = 0;
    m_freshWindow.stop();
}

bool VQSelectionMonitor::isStarted() const
{
    return m_mouseMonitor != nullptr;
}

bool VQSelectionMonitor::isEnabled()
{
    const VQUserInfoData& info = VQUserInfoData::sharedInstance();
    return info.wordInputSwitch() && info.isConnect();
}

void VQSelectionMonitor::mouseEvent(const MMEvent& event)
{
    const bool press = event.type == MMEventType::LeftMouseDown || event.type == MMEventType::RightMouseDown;
    if (press) {
        if (m_searchIcon && m_searchIcon->isVisible() && !m_searchIcon->frameGeometry().contains(event.location))
            m_searchIcon->hide();
        VQPopupWindowTool& tool = VQPopupWindowTool::sharedInstance();
        const VQTranslateWindowInterface* window = tool.existingTranslateWindow();
        if (window && window->isShow() && !window->contentGlobalRect().contains(event.location))
            tool.dismissTranslateWindow();
    }

    const int dragDistance = QGuiApplication::styleHints()->startDragDistance();
    if (event.type == MMEventType::LeftMouseDown) {
        m_pressIsMultiClick = m_hasPreviousPress
            && m_previousPressClock.elapsed() <= QGuiApplication::styleHints()->mouseDoubleClickInterval()
            && (event.location - m_previousPressPos).manhattanLength() <= dragDistance;
        m_hasPreviousPress = true;
        m_previousPressPos = event.location;
        m_previousPressClock.start();
        m_pressed = true;
        m_pressPos = event.location;
        m_selectionChangedDuringPress = false;
        m_freshWindow.stop();
        return;
    }
    if (event.type != MMEventType::LeftMouseUp || !m_pressed)
        return;

    m_pressed = false;
    const bool drag = (event.location - m_pressPos).manhattanLength() >= dragDistance;
    if (!drag && !m_pressIsMultiClick)
        return; // a plain click selects nothing
    if (!isEnabled())
        return;
    m_releasePos = event.location;
    if (m_selectionChangedDuringPress && m_clipboard)
        showSearchIcon(m_clipboard->selectionText());
    else
        m_freshWindow.start(); // some applications take the selection only after the release
}

void VQSelectionMonitor::selectionChanged()
{
    if (m_clipboard && m_clipboard->ownsSelection())
        return; // our own text fields do not ask for a translation
    if (m_pressed) {
        m_selectionChangedDuringPress = true;
    } else if (m_freshWindow.isActive()) {
        m_freshWindow.stop();
        showSearchIcon(m_clipboard->selectionText());
    } else {
        m_lastSelectionKnown = false; // a selection made without a gesture: not offered
    }
}

void VQSelectionMonitor::freshWindowEnded()
{
    if (!isEnabled() || !m_clipboard || m_clipboard->ownsSelection())
        return;
    const QString text = m_clipboard->selectionText();
    if (m_lastSelectionKnown && text != m_lastSelectionText) {
        showSearchIcon(text);
        return;
    }
    m_lastSelectionText = text;
    m_lastSelectionKnown = true;
}

void VQSelectionMonitor::showSearchIcon(const QString& text)
{
    m_lastSelectionText = text;
    m_lastSelectionKnown = true;
    if (!isEnabled() || !m_clipboard)
        return;
    if (isBlank(text))
        return;
    VQUserInfoData::sharedInstance().setPasteboardContent(text);
    searchIcon()->showNear(m_releasePos);
}

VQSearchIconWindow* VQSelectionMonitor::searchIcon()
{
    if (!m_searchIcon)
        m_searchIcon = new VQSearchIconWindow([this] { searchBtnClicked(); });
    return m_searchIcon;
}

void VQSelectionMonitor::searchBtnClicked()
{
    if (m_searchIcon)
        m_searchIcon->hide();
    if (AppDelegate* delegate = AppDelegate::sharedDelegate())
        delegate->putAwayMainWindow();
    VQTranslateManager::sharedInstance().hyperTranslate();
}

void VQSelectionMonitor::translateCopiedWord()
{
    Clipboard& clipboard = Clipboard::instance();
    QString text = clipboard.text();
    if (isBlank(text))
        text = clipboard.selectionText();
    if (isBlank(text)) {
        VQLogInfo(QStringLiteral("the selected word was not copied; nothing to translate"));
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("未获取到选中的文字")),
            QStringLiteral("info_icon"));
        return;
    }
    VQUserInfoData::sharedInstance().setPasteboardContent(text);
    VQTranslateManager::sharedInstance().hyperTranslate();
}
