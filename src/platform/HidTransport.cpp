#include "HidTransport.h"

#include "HidapiTransport.h"
#include "ServiceSlot.h"

template <>
std::unique_ptr<HidTransport> ServiceSlot<HidTransport>::makeDefault()
{
    return std::make_unique<HidapiTransport>();
}

HidTransport::~HidTransport() = default;

bool HidTransport::waitForWrites(int, int)
{
    return true;
}

HidTransport& HidTransport::instance()
{
    return ServiceSlot<HidTransport>::get();
}

void HidTransport::setInstance(HidTransport* transport)
{
    ServiceSlot<HidTransport>::install(transport);
}
