#include "VQBaseView.h"

#include "NotificationCenter.h"
#include "VQNotificationNames.h"

VQBaseView::VQBaseView(QWidget* parent)
    : QWidget(parent)
{
    // The handler calls the virtual at post time, when the object is fully built, so the
    // subclass's configTitle() runs.
    NotificationCenter::defaultCenter().addObserver(this, QString::fromLatin1(vq::kUpdateTitleNotification),
        [this](const VQNotification&) { configTitle(); });
}

VQBaseView::~VQBaseView()
{
    // Removed here, before the subclass parts are gone; QObject's destroyed() would come only
    // after them.
    NotificationCenter::defaultCenter().removeObserver(this);
}

void VQBaseView::setViewHeight(double height)
{
    if (height == m_viewHeight)
        return;
    m_viewHeight = height;
    Q_EMIT viewHeightChanged(height);
}

void VQBaseView::configUI() { }

void VQBaseView::configData() { }

void VQBaseView::configTitle() { }
