#pragma once

#include "KeyShortcut.h"

#include <QString>
#include <QWidget>

class VQShortcutValidator;

// A box that shows a shortcut and records a new one. A click starts recording: the next key
// combination that the validator accepts becomes the value (a refused one beeps and recording
// goes on), Escape ends recording without a change, Backspace or Delete clears the value, and
// leaving the box ends recording. While recording, the modifiers held so far are shown and the
// global shortcuts are suspended, so that a bound combination can be recorded again.
//
// With an associated user-defaults key the box shows the shortcut stored there, stores what it
// records there (a cleared value is stored as "no shortcut"), and follows changes made
// elsewhere. Values are macOS key codes and flags (KeyShortcut); the shortcut record of
// the value is shortcutValue().toRecordJson().
class VQShortcutRecorder : public QWidget {
    Q_OBJECT
public:
    explicit VQShortcutRecorder(QWidget* parent = nullptr);
    ~VQShortcutRecorder() override;

    KeyShortcut shortcutValue() const { return m_value; }
    // Shows the shortcut and, with an associated key, stores it there. Emits shortcutValueChanged
    // when the value changes.
    void setShortcutValue(const KeyShortcut& shortcut);

    QString associatedUserDefaultsKey() const { return m_defaultsKey; }
    // Associates the box with the key (an empty key ends the association) and shows its shortcut.
    void setAssociatedUserDefaultsKey(const QString& defaultsKey);

    // The validator of recorded combinations; nullptr (the default) uses the shared one.
    void setShortcutValidator(const VQShortcutValidator* validator);

    // Text shown while the box is empty and not recording.
    void setPlaceholderText(const QString& text);

    bool isRecording() const { return m_recording; }
    void setRecording(bool recording);

    // A read-only box only shows its value, in the normal colours: it takes no focus, a click
    // starts no recording and no key clears the value. Off at creation.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // What the box shows now.
    QString displayText() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void shortcutValueChanged(const KeyShortcut& shortcut);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void defaultsChanged(const QString& defaultsKey);
    void applyValue(const KeyShortcut& shortcut, bool store);
    const VQShortcutValidator& validator() const;

    KeyShortcut m_value;
    QString m_defaultsKey;
    QString m_placeholder;
    const VQShortcutValidator* m_validator = nullptr;
    bool m_recording = false;
    bool m_readOnly = false;
    Qt::KeyboardModifiers m_heldModifiers;
};
