#pragma once

#include <QPoint>

// The pointer's position relative to the top-left corner of the screen it is on, in Qt's
// coordinates (y grows downwards); (0, 0) when no screen contains it.
QPoint vqMouseLocationInScreen();
