#pragma once

#include "PrivatePulseAudio.h"

// The server of the running test program, started by main().
extern PrivatePulseAudio* g_pulse;
