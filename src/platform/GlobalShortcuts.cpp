#include "GlobalShortcuts.h"

#include "ServiceSlot.h"
#include "X11GlobalShortcuts.h"

template <>
std::unique_ptr<GlobalShortcuts> ServiceSlot<GlobalShortcuts>::makeDefault()
{
    return std::make_unique<X11GlobalShortcuts>();
}

GlobalShortcuts::~GlobalShortcuts() = default;

void GlobalShortcuts::whenKeysReleased(Action action)
{
    if (action)
        action();
}

QString GlobalShortcuts::statusText(Status status)
{
    switch (status) {
    case Status::Ok:
        return QStringLiteral("registered");
    case Status::InUse:
        return QStringLiteral("in use by another program");
    case Status::InvalidKey:
        return QStringLiteral("no such key");
    case Status::Unavailable:
        break;
    }
    return QStringLiteral("global shortcuts unavailable");
}

GlobalShortcuts& GlobalShortcuts::instance()
{
    return ServiceSlot<GlobalShortcuts>::get();
}

void GlobalShortcuts::setInstance(GlobalShortcuts* shortcuts)
{
    ServiceSlot<GlobalShortcuts>::install(shortcuts);
}
