#include "CursorHider.h"

#include "ServiceSlot.h"
#include "X11CursorHider.h"

template <>
std::unique_ptr<CursorHider> ServiceSlot<CursorHider>::makeDefault()
{
    return std::make_unique<X11CursorHider>();
}

CursorHider::~CursorHider() = default;

CursorHider& CursorHider::instance()
{
    return ServiceSlot<CursorHider>::get();
}

void CursorHider::setInstance(CursorHider* hider)
{
    ServiceSlot<CursorHider>::install(hider);
}
