#include "CompositingManager.h"

#include "ServiceSlot.h"
#include "X11CompositingManager.h"

template <>
std::unique_ptr<CompositingManager> ServiceSlot<CompositingManager>::makeDefault()
{
    return std::make_unique<X11CompositingManager>();
}

CompositingManager::~CompositingManager() = default;

CompositingManager& CompositingManager::instance()
{
    return ServiceSlot<CompositingManager>::get();
}

void CompositingManager::setInstance(CompositingManager* manager)
{
    ServiceSlot<CompositingManager>::install(manager);
}
