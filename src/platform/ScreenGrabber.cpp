#include "ScreenGrabber.h"

#include "QtScreenGrabber.h"
#include "ServiceSlot.h"

template <>
std::unique_ptr<ScreenGrabber> ServiceSlot<ScreenGrabber>::makeDefault()
{
    return std::make_unique<QtScreenGrabber>();
}

ScreenGrabber::~ScreenGrabber() = default;

QImage ScreenGrabber::grabBelow(QScreen*, const QRect&, QWidget*)
{
    return {};
}

ScreenGrabber& ScreenGrabber::instance()
{
    return ServiceSlot<ScreenGrabber>::get();
}

void ScreenGrabber::setInstance(ScreenGrabber* grabber)
{
    ServiceSlot<ScreenGrabber>::install(grabber);
}
