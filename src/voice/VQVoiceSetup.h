#pragma once

#include <QString>

class AppDelegate;

// Wires voice input into the program at start-up: the device link's event codes, its cancel
// requests and its question whether a recognition runs go to the voice hub (VQDeviceEvents;
// the F1-F3 shortcuts and the key-press dispatcher reach the hub through the same hooks), the
// recognition service reads the hub's press type, and the receiver's microphone becomes the
// default input whenever a receiver is plugged in. Main thread.
class VQVoiceSetup {
public:
    // UI strings (keys of QRNLocalizedString): the voice-command database.
    static constexpr char kDatabaseLockedText[] = "语音指令数据库被其他程序占用，指令稍后保存";
    static constexpr char kDatabaseRecoveredText[] = "语音指令数据库已损坏，已重新创建";
    static constexpr char kDatabaseRecoveredDetailText[] = "原文件已另存为：";
    static constexpr char kDatabaseUnavailableText[] = "语音指令数据库无法使用，指令只保存在本次运行中";
    static constexpr char kDatabaseUnavailableDetailText[] = "数据库文件保持原样。原因：";

    static void install();
    // Fills the delegate's start-up hooks of voice input: the receiver's microphone as the
    // default input, and the voice-command tables, whose lists and hot words are then fetched at
    // start-up and for each new device (VQCommandSyncService).
    static void installHooks(AppDelegate& delegate);
    // Installs the offline recogniser (VQPocketsphinxRecognizer) in IFlyASRManager when its
    // model is on this computer; it lives for the process.
    static void installOfflineRecognizer();

    // Makes the open receiver's microphone (the audio device named as the receiver) the default
    // input; nothing when no receiver is open or no input device has its name.
    static void selectDefaultAudioInput();
    // The audio device name of the open receiver; empty when none is open.
    static QString receiverAudioDeviceName();
};
