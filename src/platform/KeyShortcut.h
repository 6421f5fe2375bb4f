#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <Qt>

#include <optional>

// A key combination: a macOS virtual key code and the macOS modifier flags held with it (see
// MacKeyMap). Stored shortcuts and shortcut records keep these numbers on every platform; they
// are mapped to X keys only where a key is posted or grabbed.
class KeyShortcut {
public:
    // Member names of the shortcut record and of the stored form in user defaults.
    static constexpr const char* kKeyCodeMember = "keyCode";
    static constexpr const char* kModifierFlagsMember = "modifierFlags";
    static constexpr const char* kModifierFlagsStringMember = "modifierFlagsString";

    KeyShortcut() = default;
    // Only the four shortcut modifiers of the flags are kept.
    KeyShortcut(int keyCode, quint64 modifierFlags);

    int keyCode() const { return m_keyCode; }
    quint64 modifierFlags() const { return m_modifierFlags; }
    // False for the empty shortcut (no key).
    bool isValid() const { return m_keyCode >= 0; }

    bool operator==(const KeyShortcut& other) const = default;

    // The modifiers as symbols in the order ⌃ ⌥ ⇧ ⌘ ("" without modifiers).
    QString modifierFlagsString() const;
    // The flags of a symbol string: each of "⇧" "⌃" "⌘" "⌥" adds its flag, other characters
    // add nothing.
    static quint64 modifierFlagsFromString(const QString& symbols);

    // The shortcut record: the compact JSON text of an object with "keyCode", "modifierFlags"
    // and "modifierFlagsString". The empty shortcut gives "".
    QString toRecordJson() const;
    // Reads a record back: "keyCode" must be an integer from 0 to 65535; the flags come from
    // "modifierFlags", or from "modifierFlagsString" when that is missing. The empty shortcut
    // for anything else (empty text, not a JSON object, no usable key code).
    static KeyShortcut fromRecordJson(const QString& json);

    // The form kept in user defaults: a map of "keyCode" and "modifierFlags"; the empty shortcut
    // is an invalid QVariant (the key is removed).
    QVariant toVariant() const;
    // Reads the stored form; a record's JSON text is accepted too. Empty shortcut otherwise.
    static KeyShortcut fromVariant(const QVariant& value);

    // The shortcut of a Qt key event (key and modifiers), empty when the key has no macOS code.
    static KeyShortcut fromQtKey(int qtKey, Qt::KeyboardModifiers modifiers);
    // The Qt modifiers of the flags (Command is Control, Control is Meta).
    Qt::KeyboardModifiers qtModifiers() const;
    // How the shortcut reads on this system, e.g. "Ctrl+Shift+V", "Alt+S", "F1"; "" when empty.
    QString displayText() const;

    // An integer member of a JSON object: a JSON number without fraction that fits 64 bits.
    static std::optional<qint64> integerMember(const QVariantMap& object, const QString& name);

private:
    int m_keyCode = -1;
    quint64 m_modifierFlags = 0;
};
