#pragma once

#include <QByteArray>
#include <QPoint>

#include <atomic>
#include <thread>

struct _XDisplay;

// A second client of the X server, as another program on the desktop would be: it presses keys
// and buttons through XTest, moves the pointer, grabs keys and owns the primary selection.
class X11TestClient {
public:
    X11TestClient();
    ~X11TestClient();

    bool isConnected() const { return m_display != nullptr; }

    // Presses (or releases) the key that carries the keysym; tap() does both.
    void key(unsigned long keysym, bool down);
    void tap(unsigned long keysym);
    // Taps the key while the modifier keys are held.
    void tapWith(unsigned long keysym, std::initializer_list<unsigned long> modifiers);

    void movePointer(QPoint position);
    void button(int button, bool down);

    // True when the lock key (XK_Num_Lock or XK_Caps_Lock) is on.
    bool lockIsOn(unsigned long lockKeysym);
    // Turns the lock on or off by tapping its key when needed.
    void setLock(unsigned long lockKeysym, bool on);

    // Grabs the key with the modifier mask on the root window, as another program holding a
    // shortcut does.
    void grabKey(unsigned long keysym, unsigned int modifiers);
    void ungrabKey(unsigned long keysym, unsigned int modifiers);

    // Takes the primary selection and answers requests for it with the UTF-8 text, on a thread of
    // its own, until releaseSelection() or destruction.
    bool ownSelection(const QByteArray& utf8Text);
    void releaseSelection();

    // Holds the whole server, as a program taking a screenshot does: the requests of every other
    // client wait until ungrabServer(). ungrabServer() may be called from another thread.
    void grabServer();
    void ungrabServer();

    // True when no Shift, Control, Alt or Super key is down.
    bool noModifierIsDown();

private:
    void sync();

    _XDisplay* m_display = nullptr;
    _XDisplay* m_selectionDisplay = nullptr;
    std::thread m_selectionThread;
    std::atomic<bool> m_stopSelection{false};
};
