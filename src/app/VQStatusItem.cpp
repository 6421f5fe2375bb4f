#include "VQStatusItem.h"

#include "MMImage.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQNotificationNames.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

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
}

VQStatusItem::~VQStatusItem()
{
    delete m_trayIcon;
    delete m_menu;
}

bool VQStatusItem::isTrayAvailable()
{
    if (m_trayAvailable < 0)
        m_trayAvailable = QSystemTrayIcon::isSystemTrayAvailable() ? 1 : 0;
    return m_trayAvailable == 1;
}

bool VQStatusItem::rebuild(bool connected)
{
    m_connected = connected;
    retitle();
    if (!isTrayAvailable())
        return false;
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
    return m_trayIcon != nullptr ? m_trayIcon->geometry() : QRect();
}

void VQStatusItem::retitle()
{
    m_openAction->setText(QRNLocalizedString::qrnAppLocalizedString(
        QString::fromUtf8(m_connected ? kOpenMainWindowText : kShowGuideText)));
    m_permissionsAction->setText(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kPermissionsText)));
    m_quitAction->setText(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kQuitText)));
}
