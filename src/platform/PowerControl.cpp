#include "PowerControl.h"

#include "LogindPowerControl.h"
#include "ServiceSlot.h"

template <>
std::unique_ptr<PowerControl> ServiceSlot<PowerControl>::makeDefault()
{
    return std::make_unique<LogindPowerControl>();
}

PowerControl::~PowerControl() = default;

PowerControl& PowerControl::instance()
{
    return ServiceSlot<PowerControl>::get();
}

void PowerControl::setInstance(PowerControl* power)
{
    ServiceSlot<PowerControl>::install(power);
}
