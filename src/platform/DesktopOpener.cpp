#include "DesktopOpener.h"

#include "QtDesktopOpener.h"
#include "ServiceSlot.h"

template <>
std::unique_ptr<DesktopOpener> ServiceSlot<DesktopOpener>::makeDefault()
{
    return std::make_unique<QtDesktopOpener>();
}

DesktopOpener::~DesktopOpener() = default;

DesktopOpener& DesktopOpener::instance()
{
    return ServiceSlot<DesktopOpener>::get();
}

void DesktopOpener::setInstance(DesktopOpener* opener)
{
    ServiceSlot<DesktopOpener>::install(opener);
}
