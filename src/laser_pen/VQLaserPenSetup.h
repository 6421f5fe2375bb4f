#pragma once

#include "VQDeviceEvents.h"

// Wires the presenter pen into the device link: the pen's keys and the receiver's comings and
// goings reach VQLaserPenManager by the pen's event table; the pen's voice key reaches the voice
// hub as the event codes of the voice key's function (vioceMode).
//
// Main thread only.
class VQLaserPenSetup {
public:
    // Installs the device link's laser-pen hook (VQDeviceEvents::setLaserPenCallback).
    static void install();
    // One signal of the device link, handled by the event table.
    static void dispatch(const VQDeviceEvents::LaserPenSignal& signal);
};
