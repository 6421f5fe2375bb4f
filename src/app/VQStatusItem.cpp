#include "VQStatusItem.h"

#include "MMImage.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQNotificationNames.h"
#include "X11TrayHost.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>

VQStatusItem::VQStatusItem(QObject* parent)
    : QObject(parent)
{
    m_menu = new QMenu;
    m_openAction = m_menu->addAction(QString());
    m_permissionsAction = m_menu->addAction(QString());
    m_menu->addSeparator();
    m_quitAction = m_menu->addAction(QString());
    connect(m_openAction, &QAction::triggered, this, [this] {
        if (m_connected)
            Q_EMIT openMainWindowTriggered();
        else
            Q_EMIT showGuideTriggered();
    });
    connect(m_permissionsAction, &QAction::triggered, this, &VQStatusItem::permissionsTriggered);
    connect(m_quitAction, &QAction::triggered, this, &VQStatusItem::quitTriggered);
    retitle();

    NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(vq::kUpdateTitleNotification),
                                                    [this](const VQNotification&) { retitle(); });
    m_trayHost = new X11TrayHost(this);
    connect(m_trayHost, &X11TrayHost::presentChanged, this, &VQStatusItem::trayHostChanged);
}

VQStatusItem::~VQStatusItem()
{
    delete m_trayIcon;
    delete m_menu;
}

bool VQStatusItem::isTrayAvailable()
{
    // The toolkit's own answer lags behind a tray host that just went away; the host followed
    // here does not. A desktop may also offer its tray over D-Bus (status notifier items).
    if (!m_trayHost->isWatching())
        return QSystemTrayIcon::isSystemTrayAvailable();
    if (m_trayHost->isPresent())
        return true;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() != nullptr
        && bus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
}

void VQStatusItem::trayHostChanged()
{
    if (!m_built)
        return;
    const bool wasShown = isShown();
    // An icon that lost its tray is hidden: shown again, it docks in the next one.
    if (m_trayIcon != nullptr)
        m_trayIcon->hide();
    const bool shown = rebuild(m_connected);
    if (shown != wasShown)
        Q_EMIT trayChanged(shown);
}

bool VQStatusItem::rebuild(bool connected)
{
    m_connected = connected;
    m_built = true;
    retitle();
    if (!isTrayAvailable()) {
        if (m_trayIcon != nullptr)
            m_trayIcon->hide();
        return false;
    }
    if (m_trayIcon == nullptr) {
        m_trayIcon = new QSystemTrayIcon;
        m_trayIcon->setContextMenu(m_menu);
        m_trayIcon->setToolTip(QString::fromLatin1(kToolTip));
        connect(m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                Q_EMIT activated();
        });
    }
    m_trayIcon->setIcon(mm::iconNamed(QString::fromLatin1(connected ? kIconName : kDisconnectedIconName)));
    m_trayIcon->show();
    return true;
}

bool VQStatusItem::isShown() const
{
    return m_trayIcon != nullptr && m_trayIcon->isVisible();
}

QRect VQStatusItem::anchorGeometry() const
{
    if (!isShown())
        return {};
    // The toolkit reports a place for an icon no tray host has docked yet (the corner of the
    // screen): only the place of a docked icon's own window is trusted.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const bool icon = widget->objectName() == QLatin1String("QSystemTrayIconSys") || widget->inherits("QSystemTrayIconSys");
        if (!icon || widget->windowHandle() == nullptr)
            continue;
        const QRect device = m_trayHost->embeddedGeometry(widget->winId());
        if (device.isEmpty())
            return {};
        const qreal ratio = widget->windowHandle()->devicePixelRatio();
        return QRect(QPoint(qRound(device.x() / ratio), qRound(device.y() / ratio)), device.size() / ratio);
    }
    return {};
}

void VQStatusItem::retitle()
{
    m_openAction->setText(QRNLocalizedString::qrnAppLocalizedString(
        QString::fromUtf8(m_connected ? kOpenMainWindowText : kShowGuideText)));
    m_permissionsAction->setText(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kPermissionsText)));
    m_quitAction->setText(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kQuitText)));
}
