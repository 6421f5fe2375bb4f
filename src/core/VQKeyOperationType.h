#pragma once

#include <QtGlobal>

// What a key of the device does when it is pressed: the function chosen for the key and press
// kind, derived from the function's command string (KeySettingSubModel::cmd). The numbers are
// the ones the stored key lists, the server and the views use.
enum class VQKeyOperationType : quint32 {
    None = 0,                        // no function (an unknown or unset command)
    DpiStep = 1,                     // "Action_IT": one DPI step (an item of the DPI row)
    VoiceTyping = 2,                 // "Action_VI"
    VoiceSearch = 3,                 // "Action_VS"
    VoiceTranslation = 4,            // "Action_VT"
    Shortcut = 5,                    // "Action_SK": runs the shortcut described in attr0
    OpenWebPage = 6,                 // "Action_OW": opens the address in attr0
    OpenFile = 7,                    // "Action_OF": opens the path in attr0
    OpenFolder = 8,                  // "Action_OFJ": opens the path in attr0
    ScreenshotTranslation = 9,       // "Action_ST"
    FixedText = 10,                  // "Action_FT": types the text in attr0
    ShowDesktop = 11,                // "GO_HOME"
    Delete = 12,                     // "DEL_OPT": repeated while the key is held
    Enter = 13,                      // "Action_ENTER"
    VoiceTypingOrTranslation = 14,   // "Action_VI_VT": typing or translation by the current mode
    SwitchTypingTranslationMode = 15, // "Action_VI_VT_CHANGE"
    SwitchApplication = 16,          // "Action_W_TAB"
    NextDpiStep = 17,                // "Action_DPI"
    AIWindow = 18,                   // "Action_GPT"
    Copy = 19,                       // "Action_copy"
    Paste = 20,                      // "Action_paste"
    Forward = 21,                    // "Action_forward"
    Back = 22,                       // "Action_back"
    LockScreen = 23,                 // "Action_LockScreen": puts the computer to sleep
    TranslateSelectedWord = 24,      // "Action_GetWord_Trans"
    ReportRate = 25,                 // "Action_ReportRate": one report rate (an item of the rate row)
    OpenAIWindow = 26,               // "Action_OM_AI"
};
