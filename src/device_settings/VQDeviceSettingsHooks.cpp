#include "VQDeviceSettingsHooks.h"

VQDeviceSettingsHooks& VQDeviceSettingsHooks::shared()
{
    static VQDeviceSettingsHooks hooks;
    return hooks;
}
