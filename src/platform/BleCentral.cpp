#include "BleCentral.h"

#include "QtBleCentral.h"
#include "ServiceSlot.h"

template <>
std::unique_ptr<BleCentral> ServiceSlot<BleCentral>::makeDefault()
{
    return std::make_unique<QtBleCentral>();
}

BleCentral::~BleCentral() = default;

BleCentral& BleCentral::instance()
{
    return ServiceSlot<BleCentral>::get();
}

void BleCentral::setInstance(BleCentral* central)
{
    ServiceSlot<BleCentral>::install(central);
}
