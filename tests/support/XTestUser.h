#pragma once

#include <QColor>
#include <QPoint>

// The user's mouse and keyboard through XTest, and what the screen shows through XGetImage,
// from an X connection of its own (the display of $DISPLAY). Keys are X keysyms (XK_...).
class XTestUser {
public:
    XTestUser();
    ~XTestUser();
    XTestUser(const XTestUser&) = delete;
    XTestUser& operator=(const XTestUser&) = delete;

    bool ok() const { return m_display != nullptr; }

    void move(QPoint p);
    void button(bool down);
    // Moves there, waits a moment, then presses and releases the left button.
    void click(QPoint p);
    // Two clicks 40 ms apart, timed by the X server (the delays travel with the events), so a
    // busy test process cannot stretch them beyond the double-click interval.
    void doubleClick(QPoint p);
    // Presses at from, moves to to in eight steps a little apart, releases.
    void drag(QPoint from, QPoint to);
    void key(unsigned long keysym, bool down);
    void tap(unsigned long keysym);
    // Holds the modifier while tapping the key.
    void chord(unsigned long modifierKeysym, unsigned long keysym);

    // The root window's pixel at p (device pixels); invalid when it cannot be read.
    QColor pixel(QPoint p) const;
    // True when each channel of seen is the original's under black at the alpha (within 3).
    static bool isUnderBlack(const QColor& seen, const QColor& original, int alpha);

private:
    struct _XDisplay* m_display = nullptr;
};
