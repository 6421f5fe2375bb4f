#include "XTestUser.h"

#include "TestSupport.h"

#include <cstdlib>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

XTestUser::XTestUser()
    : m_display(XOpenDisplay(nullptr))
{
}

XTestUser::~XTestUser()
{
    if (m_display)
        XCloseDisplay(m_display);
}

void XTestUser::move(QPoint p)
{
    XTestFakeMotionEvent(m_display, -1, p.x(), p.y(), CurrentTime);
    XSync(m_display, False);
}

void XTestUser::button(bool down)
{
    XTestFakeButtonEvent(m_display, 1, down ? True : False, CurrentTime);
    XSync(m_display, False);
}

void XTestUser::click(QPoint p)
{
    move(p);
    vqtest::spin(30);
    button(true);
    button(false);
}

void XTestUser::doubleClick(QPoint p)
{
    move(p);
    vqtest::spin(30);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, 40);
    XTestFakeButtonEvent(m_display, 1, True, 40);
    XTestFakeButtonEvent(m_display, 1, False, 40);
    XSync(m_display, False);
}

void XTestUser::drag(QPoint from, QPoint to)
{
    move(from);
    vqtest::spin(30);
    button(true);
    for (int step = 1; step <= 8; ++step) {
        vqtest::spin(15);
        move(from + (to - from) * step / 8);
    }
    vqtest::spin(30);
    button(false);
}

void XTestUser::key(unsigned long keysym, bool down)
{
    XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, keysym), down ? True : False, CurrentTime);
    XSync(m_display, False);
}

void XTestUser::tap(unsigned long keysym)
{
    key(keysym, true);
    key(keysym, false);
}

void XTestUser::chord(unsigned long modifierKeysym, unsigned long keysym)
{
    key(modifierKeysym, true);
    tap(keysym);
    key(modifierKeysym, false);
}

QColor XTestUser::pixel(QPoint p) const
{
    XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), p.x(), p.y(), 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return {};
    const unsigned long value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return QColor(int(value >> 16 & 0xff), int(value >> 8 & 0xff), int(value & 0xff));
}

bool XTestUser::isUnderBlack(const QColor& seen, const QColor& original, int alpha)
{
    const auto near = [alpha](int seenChannel, int originalChannel) {
        return std::abs(seenChannel - originalChannel * (255 - alpha) / 255) <= 3;
    };
    return near(seen.red(), original.red()) && near(seen.green(), original.green()) && near(seen.blue(), original.blue());
}
