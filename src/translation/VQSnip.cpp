#include "VQSnip.h"

#include "AppDelegate.h"
#include "Clipboard.h"
#include "FileChooser.h"
#include "GlobalShortcuts.h"
#include "MMImage.h"
#include "MMLog.h"
#include "MMMemory.h"
#include "MMString.h"
#include "QRNLocalizedString.h"
#include "RunOnMain.h"
#include "ScreenGrabber.h"
#include "UserDefaults.h"
#include "VQPopupWindowTool.h"
#include "VQShortcutBinder.h"
#include "VQShortcutValidator.h"
#include "VQSnipFullWindow.h"
#include "VQSnipToolView.h"
#include "VQTranslateManager.h"
#include "VQUserInfoData.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// Escape has key code 53 and no modifier.
constexpr int kEscapeKeyCode = 53;

void showTip(const char* key, const char* imageName)
{
    VQPopupWindowTool::sharedInstance().showTipMessage(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key)),
                                                       QString::fromLatin1(imageName));
}

} // namespace

VQSnip::VQSnip()
{
    UserDefaults::standard().registerDefaults(
        {{QString::fromLatin1(kEscShortcutKey), KeyShortcut(kEscapeKeyCode, 0).toVariant()}});
    VQShortcutValidator::sharedValidator().setAllowAnyShortcutWithOptionModifier(true);
    m_memoryRelease.setSingleShot(true);
    m_memoryRelease.setInterval(kMemoryReleaseDelayMs);
    connect(&m_memoryRelease, &QTimer::timeout, this, [this] {
        mm::releaseFreedMemory();
        ++m_memoryReleases;
        VQLogDebug(QStringLiteral("screen capture: the pictures' memory handed back"));
    });
}

VQSnip& VQSnip::sharedInstance()
{
    static VQSnip* instance = new VQSnip();
    return *instance;
}

void VQSnip::resetForTests()
{
    VQSnip& snip = sharedInstance();
    snip.dismissFullWindow();
    snip.m_imageRect = QRect();
    snip.m_startPoint = QPoint();
    snip.m_currentScreenIndex = 0;
    snip.m_frozen.clear();
    snip.m_memoryRelease.stop();
    snip.m_memoryRelease.setInterval(kMemoryReleaseDelayMs);
    snip.m_memoryReleases = 0;
}

void VQSnip::setMemoryReleaseDelay(int ms)
{
    m_memoryRelease.setInterval(ms);
    if (m_memoryRelease.isActive())
        m_memoryRelease.start();
}

VQSnipFullWindow* VQSnip::currentFullWindow() const
{
    return m_currentScreenIndex >= 0 && m_currentScreenIndex < m_allFullWindow.size()
        ? m_allFullWindow.at(m_currentScreenIndex)
        : nullptr;
}

VQSnipToolView* VQSnip::toolView()
{
    if (!m_toolView) {
        m_toolView = new VQSnipToolView();
        m_toolView->hide();
    }
    return m_toolView;
}

QPixmap VQSnip::screenshot(QScreen* screen)
{
    return ScreenGrabber::instance().grabScreen(screen);
}

void VQSnip::startSnip()
{
    if (m_isSniping) {
        VQLogInfo(QStringLiteral("screen capture already running"));
        return;
    }
    VQPopupWindowTool::sharedInstance().dismissTranslateWindow();
    VQUserInfoData::sharedInstance().setIsScreenshotsTranslate(true);
    // The memory of the capture before is still at hand: this one reuses it.
    m_memoryRelease.stop();
    if (AppDelegate* delegate = AppDelegate::sharedDelegate()) {
        QWidget* window = delegate->window();
        if (window && window->isVisible() && !window->isActiveWindow()) {
            window->hide();
            m_hiddenMainWindow = window;
        }
    }

    // Every screen is frozen before any overlay shows, so no overlay is in a picture.
    QList<QPixmap> frozen;
    for (QScreen* screen : QGuiApplication::screens()) {
        QPixmap picture = screenshot(screen);
        if (picture.isNull()) {
            VQLogError(QStringLiteral("screen capture: the screen %1 could not be read").arg(screen->name()));
            restoreMainWindow();
            showTip(kCaptureFailedText, kInfoIconName);
            return;
        }
        frozen.append(picture);
    }
    if (frozen.isEmpty()) {
        VQLogError(QStringLiteral("screen capture: no screen"));
        restoreMainWindow();
        showTip(kCaptureFailedText, kInfoIconName);
        return;
    }
    m_frozen = frozen;
    // A new capture starts without a selection: nothing of an earlier one is reused.
    m_imageRect = QRect();
    m_startPoint = QPoint();
    m_currentScreenIndex = 0;
    m_isStart = false;

    startMouseMonitor();
    createFullWindow();
    toolView()->btnClickedBlock = [](int index) { sharedInstance().toolSelectedWithIndex(index); };
    VQLogInfo(QStringLiteral("screen capture started on %1 screen(s)").arg(m_frozen.size()));
    Q_EMIT snipStarted();
}

void VQSnip::startMouseMonitor()
{
    m_monitoring = true;
    m_isSniping = true;
    GlobalShortcuts& shortcuts = GlobalShortcuts::instance();
    if (m_escRegistration > 0)
        shortcuts.unregisterShortcut(m_escRegistration);
    m_escRegistration = 0;
    const KeyShortcut escape = VQShortcutBinder::shortcutForDefaultsKey(QString::fromLatin1(kEscShortcutKey));
    if (!escape.isValid())
        return;
    // A registration of our own, so the pen's drawing mode, which holds Escape too, and this
    // capture never release each other's grab.
    const GlobalShortcuts::Registration registration =
        shortcuts.registerShortcut(escape, [] { sharedInstance().dismissFullWindow(); });
    if (registration.id > 0)
        m_escRegistration = registration.id;
    else
        VQLogWarn(QStringLiteral("screen capture: Escape could not be grabbed (%1); it works while an overlay has the focus")
                      .arg(GlobalShortcuts::statusText(registration.status)));
}

void VQSnip::createFullWindow()
{
    for (VQSnipFullWindow* window : std::as_const(m_allFullWindow)) {
        window->hide();
        window->deleteLater();
    }
    m_allFullWindow.clear();
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (int index = 0; index < screens.size(); ++index) {
        auto* window = new VQSnipFullWindow(index, screens.at(index), m_frozen.value(index));
        window->show();
        window->raise();
        window->activateWindow();
        m_allFullWindow.append(window);
    }
}

void VQSnip::mouseDown(int screenIndex, QPoint position)
{
    if (!m_monitoring || screenIndex < 0 || screenIndex >= m_allFullWindow.size())
        return;
    m_currentScreenIndex = screenIndex;
    m_startPoint = position;
    m_imageRect = QRect(position, QSize(0, 0));
    m_isStart = true;
    m_allFullWindow.at(screenIndex)->setSelection(QRect());
}

void VQSnip::mouseDragged(int screenIndex, QPoint position)
{
    if (!m_isStart || screenIndex != m_currentScreenIndex)
        return;
    VQSnipFullWindow* window = currentFullWindow();
    // While the pointer is on another screen the selection keeps its last value.
    if (!window || !window->rect().contains(position))
        return;
    const QPoint& s = m_startPoint;
    m_imageRect = QRect(std::min(s.x(), position.x()), std::min(s.y(), position.y()), std::abs(position.x() - s.x()),
                        std::abs(position.y() - s.y()));
    window->setSelection(m_imageRect);
}

void VQSnip::mouseUp()
{
    if (!m_isStart)
        return;
    stopMouseMonitor();
}

QRect VQSnip::toolBarFrame(const QRect& selection, const QSize& screenSize)
{
    const int width = VQSnipToolView::kBarWidth;
    const int height = VQSnipToolView::kBarHeight;
    const int gap = VQSnipToolView::kGap;
    const int bottom = selection.y() + selection.height();
    int x = selection.x() + selection.width() - width;
    x = std::max(0, std::min(x, screenSize.width() - width));
    int y = bottom + gap;
    if (y + height > screenSize.height()) {
        y = selection.y() - gap - height;
        if (y < 0)
            y = std::min(bottom, screenSize.height()) - gap - height;
    }
    y = std::max(0, std::min(y, screenSize.height() - height));
    return {x, y, width, height};
}

void VQSnip::stopMouseMonitor()
{
    m_isStart = false;
    m_monitoring = false;
    VQSnipFullWindow* window = currentFullWindow();
    if (!window)
        return;
    VQSnipToolView* bar = toolView();
    bar->setParent(window);
    bar->setGeometry(toolBarFrame(m_imageRect, window->size()));
    bar->show();
    bar->raise();
}

void VQSnip::dismissFullWindow()
{
    const bool wasSniping = m_isSniping;
    m_isSniping = false;
    m_monitoring = false;
    m_isStart = false;
    if (m_toolView) {
        m_toolView->hide();
        // Out of the overlay before the overlay goes.
        m_toolView->setParent(nullptr);
    }
    for (VQSnipFullWindow* window : std::as_const(m_allFullWindow)) {
        window->hide();
        window->deleteLater();
    }
    const QList<VQSnipFullWindow*> overlays = std::exchange(m_allFullWindow, {});
    const bool hadPictures = !m_frozen.isEmpty();
    m_frozen.clear();
    if (hadPictures || !overlays.isEmpty())
        releaseMemoryOnceGone(overlays);
    if (m_escRegistration > 0) {
        GlobalShortcuts::instance().unregisterShortcut(m_escRegistration);
        m_escRegistration = 0;
    }
    restoreMainWindow();
    if (wasSniping) {
        VQLogInfo(QStringLiteral("screen capture ended"));
        Q_EMIT snipDismissed();
    }
}

void VQSnip::restoreMainWindow()
{
    const QPointer<QWidget> window = std::exchange(m_hiddenMainWindow, nullptr);
    // The main window shows only while a device is connected.
    if (!window || window->isVisible() || !VQUserInfoData::sharedInstance().isConnect())
        return;
    const bool withoutActivating = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, withoutActivating);
}

void VQSnip::releaseMemoryOnceGone(const QList<VQSnipFullWindow*>& overlays)
{
    // The overlays hold the frozen pictures too, and their backing stores are as large: the
    // memory goes back to the system once the last overlay is deleted and no capture followed
    // for a while. Given back at once, a capture after another would find every page of its
    // pictures anew.
    const auto release = [this] {
        if (!m_isSniping)
            m_memoryRelease.start();
    };
    if (overlays.isEmpty()) {
        release();
        return;
    }
    auto left = std::make_shared<int>(int(overlays.size()));
    for (VQSnipFullWindow* overlay : overlays) {
        connect(overlay, &QObject::destroyed, this, [left, release] {
            if (--*left == 0)
                release();
        });
    }
}

QImage VQSnip::savePictureWithPath(const QString& /*path*/) const
{
    if (m_imageRect.isEmpty() || m_currentScreenIndex < 0 || m_currentScreenIndex >= m_frozen.size())
        return {};
    const QPixmap& picture = m_frozen.at(m_currentScreenIndex);
    const qreal ratio = picture.devicePixelRatio();
    const QRect crop = QRectF(m_imageRect.x() * ratio, m_imageRect.y() * ratio, m_imageRect.width() * ratio,
                              m_imageRect.height() * ratio)
                           .toAlignedRect()
                           .intersected(picture.rect());
    if (crop.isEmpty())
        return {};
    QImage image = picture.copy(crop).toImage();
    image.setDevicePixelRatio(1);
    return image;
}

void VQSnip::toolSelectedWithIndex(int index)
{
    switch (index) {
    case RecogniseOnly:
    case RecogniseAndTranslate: {
        VQPopupWindowTool::sharedInstance().setIsScreenshotsOCR(index == RecogniseOnly);
        const QImage crop = savePictureWithPath();
        dismissFullWindow();
        if (crop.isNull()) {
            VQLogInfo(QStringLiteral("screen capture: empty selection, nothing to recognise"));
            return;
        }
        VQTranslateManager::sharedInstance().translateImage(crop);
        return;
    }
    case Save:
        mm::runOnMainOrNow([this] {
            const QImage crop = savePictureWithPath();
            dismissFullWindow();
            if (crop.isNull()) {
                VQLogInfo(QStringLiteral("screen capture: empty selection, nothing to save"));
                return;
            }
            const QString folder = VQUserInfoData::sharedInstance().screenshotsPath();
            const QString name = QStringLiteral("%1.png").arg(mm::getTimeStr());
            FileChooser::instance().chooseSaveFile(folder, name, [crop](const QString& path) {
                if (path.isEmpty())
                    return;
                if (!mm::mm_writeToFileAsPNG(crop, path)) {
                    VQLogError(QStringLiteral("screen capture: could not write %1").arg(path));
                    showTip(kSaveFailedText, kInfoIconName);
                    return;
                }
                VQLogInfo(QStringLiteral("screen capture saved to %1").arg(path));
            });
        });
        return;
    case Copy: {
        const QImage crop = savePictureWithPath();
        if (crop.isNull()) {
            VQLogInfo(QStringLiteral("screen capture: empty selection, nothing to copy"));
        } else if (Clipboard::instance().setImage(crop)) {
            showTip(kCopySuccessText, kSuccessIconName);
        } else {
            VQLogError(QStringLiteral("screen capture: the clipboard refused the image"));
            showTip(kCopyFailedText, kInfoIconName);
        }
        dismissFullWindow();
        return;
    }
    case Cancel:
        dismissFullWindow();
        return;
    default:
        return;
    }
}
