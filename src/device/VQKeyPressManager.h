#pragma once

#include "VQKeyOperationType.h"
#include "VQMiddleButtonClassifier.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <utility>

// The key-press dispatcher: carries out the function the user chose for a key and press kind
// (the key list of VQUserInfoData mouseSettingArr, see MouseSettingModel::chosenFunction).
//
// Press kinds (VQPressKind): 1 single press, 2 double press, 3 long press begins, 4 long press
// released. Key types (VQKeyType): 2 the middle mouse button (classified here from the input
// monitor's events), 3-7 the device's configurable keys (event codes 51-70, handed over by the
// voice hub).
//
// Voice functions run while a long press is held (its release ends them); a single or double
// press starts them and the next one ends them. Their press code (33 typing, 35 search, 37
// translation) is lastPressType while they run; another voice function is refused meanwhile.
// Delete repeats while a long press is held. Every other function runs once, on press kinds
// 1-3. Keys are typed by the device (device key command) while typing compatibility mode is on
// and a device is connected, else synthesised.
//
// Functions of later subsystems (screenshot translation, translation of the selected word, the
// AI window) are reached through hooks those subsystems install. Main thread only.
class VQKeyPressManager : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> snipTranslate;  // screenshot translation
        std::function<void()> hyperTranslate; // translation of the selection just copied
        std::function<void()> showAIWindow;   // opens the AI window
    };

    // Delete is repeated this often while held, at most kDeleteRepeatLimit times (so a release
    // that never comes cannot delete without end).
    static constexpr int kDeleteRepeatMs = 100;
    static constexpr int kDeleteRepeatLimit = 100;
    // The selected word is translated this long after the copy.
    static constexpr int kSelectedWordTranslateDelayMs = 400;

    static VQKeyPressManager& sharedInstance();
    // Tests only: stops watching, drops hooks and every press in progress.
    static void resetForTests();

    // Watches the middle mouse button (idempotent); false when the desktop cannot be watched.
    bool start();
    void stop();
    bool isWatchingMiddleButton() const { return m_monitorId != 0; }

    void handlePressKeyEvent(int pressKind, int keyType);

    // The press code of the voice function in progress (33 voice typing, ...), 0 when none; the
    // speech popup sets it to 0 when it closes.
    int lastPressType() const { return m_lastPressType; }
    void setLastPressType(int pressType) { m_lastPressType = pressType; }

    Hooks& hooks() { return m_hooks; }

    // The press kind and key type of an event code 51-70, or nullopt.
    static std::optional<std::pair<int, int>> pressForEventCode(int eventCode);

private:
    // A key as the device types it (HID modifier bits and usage) and as it is synthesised
    // (macOS key code and modifier flags, see MacKeyMap).
    struct KeyChord {
        int hidModifier;
        int hidUsage;
        int macKeyCode;
        quint64 macFlags;
    };

    VQKeyPressManager();

    void perform(VQKeyOperationType type, const QString& argument, int pressKind, int keyType);
    void voice(int pressCode, int pressKind, int keyType);
    bool beginVoice(int pressCode);
    void endVoice(int pressCode);
    void release(int keyType);
    void typeKey(const KeyChord& chord);
    void deleteRepeat();
    void stopDeleteRepeat();
    void nextDpiStep();
    void toggleTypingTranslationMode();
    void translateSelectedWord();
    void callHook(const std::function<void()>& hook, const char* what);

    Hooks m_hooks;
    int m_lastPressType = 0;
    // What a long press began, by key type, so its release ends the same thing.
    struct Held {
        VQKeyOperationType type = VQKeyOperationType::None; // Delete: repeating
        int voiceCode = 0;                                  // a voice function: its press code
    };
    QHash<int, Held> m_held;
    VQMiddleButtonClassifier m_classifier;
    int m_monitorId = 0;
    QTimer m_deleteTimer;
    int m_deleteRepeats = 0;
    QTimer m_selectedWordTimer;
};
