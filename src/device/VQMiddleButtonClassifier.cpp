#include "VQMiddleButtonClassifier.h"

#include "VQPressKind.h"

VQMiddleButtonClassifier::VQMiddleButtonClassifier(Handler handler, QObject* parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{
    m_longTimer.setSingleShot(true);
    m_longTimer.setInterval(kLongPressMs);
    connect(&m_longTimer, &QTimer::timeout, this, &VQMiddleButtonClassifier::longPressReached);
    m_doubleTimer.setSingleShot(true);
    m_doubleTimer.setInterval(kDoublePressMs);
    connect(&m_doubleTimer, &QTimer::timeout, this, &VQMiddleButtonClassifier::doublePressWindowEnded);
}

void VQMiddleButtonClassifier::buttonDown()
{
    switch (m_state) {
    case State::Idle:
        m_state = State::FirstDown;
        m_longTimer.start();
        break;
    case State::WaitSecond:
        m_doubleTimer.stop();
        m_state = State::SecondDown;
        report(VQPressKind::kDouble);
        break;
    default:
        // A second down without an up in between (an up was missed): the press goes on.
        break;
    }
}

void VQMiddleButtonClassifier::buttonUp()
{
    switch (m_state) {
    case State::FirstDown:
        m_longTimer.stop();
        m_state = State::WaitSecond;
        m_doubleTimer.start();
        break;
    case State::SecondDown:
        m_state = State::Idle;
        break;
    case State::LongHeld:
        m_state = State::Idle;
        report(VQPressKind::kLongReleased);
        break;
    default:
        // An up without its down (the button was held when watching began).
        break;
    }
}

void VQMiddleButtonClassifier::reset()
{
    const bool wasLong = m_state == State::LongHeld;
    m_longTimer.stop();
    m_doubleTimer.stop();
    m_state = State::Idle;
    if (wasLong)
        report(VQPressKind::kLongReleased);
}

void VQMiddleButtonClassifier::longPressReached()
{
    if (m_state != State::FirstDown)
        return;
    m_state = State::LongHeld;
    report(VQPressKind::kLong);
}

void VQMiddleButtonClassifier::doublePressWindowEnded()
{
    if (m_state != State::WaitSecond)
        return;
    m_state = State::Idle;
    report(VQPressKind::kSingle);
}

void VQMiddleButtonClassifier::report(int pressKind)
{
    if (m_handler)
        m_handler(pressKind);
}
