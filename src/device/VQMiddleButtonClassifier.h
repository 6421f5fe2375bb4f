#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Tells single, double and long presses of the middle mouse button apart from its down and up
// events, and reports each with the press kind of the key-press dispatcher:
//
// - held kLongPressMs: 3 (long press begins) at that moment, 4 when it is released;
// - released sooner and pressed again within kDoublePressMs of the release: 2 at the second
//   press (its release ends it);
// - released sooner and not pressed again within kDoublePressMs: 1.
//
// Only one-shot timers run, and only between a press and its classification. Main thread only.
class VQMiddleButtonClassifier : public QObject {
    Q_OBJECT
public:
    static constexpr int kLongPressMs = 500;
    static constexpr int kDoublePressMs = 300;

    using Handler = std::function<void(int pressKind)>;

    explicit VQMiddleButtonClassifier(Handler handler, QObject* parent = nullptr);

    void buttonDown();
    void buttonUp();
    // Forgets a press in progress without reporting it (a long press in progress is ended with 4).
    void reset();

    bool isIdle() const { return m_state == State::Idle; }

private:
    enum class State {
        Idle,
        FirstDown,  // pressed once, not yet long
        WaitSecond, // released after a short press, waiting for a second press
        SecondDown, // the second press of a double press, until its release
        LongHeld,   // a long press, until its release
    };

    void longPressReached();
    void doublePressWindowEnded();
    void report(int pressKind);

    Handler m_handler;
    State m_state = State::Idle;
    QTimer m_longTimer;
    QTimer m_doubleTimer;
};
