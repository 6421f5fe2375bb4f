#include "VQShortcutRecorder.h"

#include "MacKeyMap.h"
#include "UserDefaults.h"
#include "VQShortcutBinder.h"
#include "VQShortcutValidator.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace {

const QString kRecordingEllipsis = QStringLiteral("\u2026");

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

constexpr Qt::KeyboardModifiers kShortcutModifiers
    = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

VQShortcutRecorder::VQShortcutRecorder(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(&UserDefaults::standard(), &UserDefaults::changed, this, &VQShortcutRecorder::defaultsChanged);
}

VQShortcutRecorder::~VQShortcutRecorder()
{
    setRecording(false);
}

void VQShortcutRecorder::setShortcutValue(const KeyShortcut& shortcut)
{
    applyValue(shortcut, true);
}

void VQShortcutRecorder::setAssociatedUserDefaultsKey(const QString& defaultsKey)
{
    m_defaultsKey = defaultsKey;
    if (!m_defaultsKey.isEmpty())
        applyValue(VQShortcutBinder::shortcutForDefaultsKey(m_defaultsKey), false);
}

void VQShortcutRecorder::setShortcutValidator(const VQShortcutValidator* validator)
{
    m_validator = validator;
}

void VQShortcutRecorder::setPlaceholderText(const QString& text)
{
    m_placeholder = text;
    update();
}

const VQShortcutValidator& VQShortcutRecorder::validator() const
{
    return m_validator ? *m_validator : VQShortcutValidator::sharedValidator();
}

void VQShortcutRecorder::applyValue(const KeyShortcut& shortcut, bool store)
{
    const bool changed = !(shortcut == m_value);
    m_value = shortcut;
    if (store && !m_defaultsKey.isEmpty())
        VQShortcutBinder::setShortcutForDefaultsKey(m_defaultsKey, shortcut);
    update();
    if (changed)
        Q_EMIT shortcutValueChanged(m_value);
}

void VQShortcutRecorder::defaultsChanged(const QString& defaultsKey)
{
    if (!m_defaultsKey.isEmpty() && defaultsKey == m_defaultsKey)
        applyValue(VQShortcutBinder::shortcutForDefaultsKey(m_defaultsKey), false);
}

void VQShortcutRecorder::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    if (readOnly)
        setRecording(false);
    setFocusPolicy(readOnly ? Qt::NoFocus : Qt::ClickFocus);
}

void VQShortcutRecorder::setRecording(bool recording)
{
    if (recording && (!isEnabled() || m_readOnly))
        return;
    if (recording == m_recording)
        return;
    m_recording = recording;
    m_heldModifiers = {};
    VQShortcutBinder::sharedBinder().setSuspended(recording);
    if (recording)
        setFocus(Qt::MouseFocusReason);
    update();
}

QString VQShortcutRecorder::displayText() const
{
    if (m_recording) {
        if (!(m_heldModifiers & kShortcutModifiers))
            return kRecordingEllipsis;
        // The modifiers as this system writes them ("Ctrl+Shift+"), read off a sample key.
        const KeyShortcut sample = KeyShortcut::fromQtKey(Qt::Key_A, m_heldModifiers & kShortcutModifiers);
        QString text = sample.displayText();
        text.chop(1);
        return text + kRecordingEllipsis;
    }
    return m_value.isValid() ? m_value.displayText() : m_placeholder;
}

QSize VQShortcutRecorder::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {qMax(160, metrics.horizontalAdvance(displayText()) + 24), metrics.height() + 14};
}

bool VQShortcutRecorder::event(QEvent* event)
{
    if (m_recording) {
        // Tab, Backtab and the application's own shortcuts are keys to record while recording.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QWidget::event(event);
}

void VQShortcutRecorder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor border = palette().color(QPalette::Mid);
    if (m_recording)
        border = palette().color(QPalette::Highlight);
    painter.setPen(border);
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(box, 4, 4);

    const bool placeholder = !m_recording && !m_value.isValid();
    painter.setPen(palette().color(placeholder || !isEnabled() ? QPalette::PlaceholderText : QPalette::Text));
    painter.drawText(rect().adjusted(6, 0, -6, 0), Qt::AlignCenter, displayText());
}

void VQShortcutRecorder::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !m_readOnly) {
        setRecording(!m_recording);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void VQShortcutRecorder::keyPressEvent(QKeyEvent* event)
{
    if (!m_recording) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (isModifierKey(key) || key == 0 || key == Qt::Key_unknown) {
        m_heldModifiers = modifiers;
        update();
        return;
    }
    const bool plain = !(modifiers & kShortcutModifiers);
    if (plain && key == Qt::Key_Escape) {
        setRecording(false);
        return;
    }
    if (plain && (key == Qt::Key_Backspace || key == Qt::Key_Delete)) {
        setRecording(false);
        applyValue(KeyShortcut(), true);
        return;
    }
    const KeyShortcut recorded = KeyShortcut::fromQtKey(key, modifiers);
    if (!validator().isShortcutValid(recorded)) {
        QApplication::beep();
        return;
    }
    setRecording(false);
    applyValue(recorded, true);
}

void VQShortcutRecorder::keyReleaseEvent(QKeyEvent* event)
{
    if (!m_recording) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    m_heldModifiers = event->modifiers();
    update();
}

void VQShortcutRecorder::focusOutEvent(QFocusEvent* event)
{
    setRecording(false);
    QWidget::focusOutEvent(event);
}

void VQShortcutRecorder::hideEvent(QHideEvent* event)
{
    setRecording(false);
    QWidget::hideEvent(event);
}

void VQShortcutRecorder::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setRecording(false);
    QWidget::changeEvent(event);
}
