#include "PointerLocation.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

QPoint vqMouseLocationInScreen()
{
    const QPoint pointer = QCursor::pos();
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* screen : screens) {
        const QRect frame = screen->geometry();
        if (frame.contains(pointer))
            return pointer - frame.topLeft();
    }
    return {0, 0};
}
