#include "VQBaseViewController.h"

#include "NotificationCenter.h"
#include "VQNotificationNames.h"

VQBaseViewController::VQBaseViewController(QObject* parent)
    : QObject(parent)
{
}

VQBaseViewController::~VQBaseViewController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
    // A page widget that nobody took into a layout or parent is ours to delete.
    if (m_view && !m_view->parent())
        delete m_view.data();
}

QWidget* VQBaseViewController::view()
{
    if (!m_loaded) {
        m_loaded = true;
        m_view = loadView();
        viewDidLoad();
    }
    return m_view.data();
}

void VQBaseViewController::configUI() { }

void VQBaseViewController::configData() { }

void VQBaseViewController::configTitle() { }

QWidget* VQBaseViewController::loadView()
{
    return new QWidget;
}

void VQBaseViewController::viewDidLoad()
{
    NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(vq::kUpdateTitleNotification),
        [this](const VQNotification&) { configTitle(); });
}
