#include "InputMonitor.h"

#include "ServiceSlot.h"
#include "X11InputMonitor.h"

template <>
std::unique_ptr<InputMonitor> ServiceSlot<InputMonitor>::makeDefault()
{
    return std::make_unique<X11InputMonitor>();
}

InputMonitor::~InputMonitor() = default;

InputMonitor& InputMonitor::instance()
{
    return ServiceSlot<InputMonitor>::get();
}

void InputMonitor::setInstance(InputMonitor* monitor)
{
    ServiceSlot<InputMonitor>::install(monitor);
}
