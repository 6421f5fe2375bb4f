#include "Autostart.h"

#include "ServiceSlot.h"
#include "XdgAutostart.h"

template <>
std::unique_ptr<Autostart> ServiceSlot<Autostart>::makeDefault()
{
    return std::make_unique<XdgAutostart>();
}

Autostart::~Autostart() = default;

Autostart& Autostart::instance()
{
    return ServiceSlot<Autostart>::get();
}

void Autostart::setInstance(Autostart* autostart)
{
    ServiceSlot<Autostart>::install(autostart);
}
