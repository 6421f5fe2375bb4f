#pragma once

#include <QString>

// The speech popup as the popup tool reaches it. The voice input subsystem implements it with
// its popup window and installs a factory with VQPopupWindowTool::setSpeechPopupFactory().
// Every call comes on the main thread.
class VQSpeechPopupInterface {
public:
    virtual ~VQSpeechPopupInterface() = default;

    // Shows or updates the popup with the text; type is the press type (0 for plain messages).
    virtual void showSpeechView(const QString& text, int type) = 0;
    // Sets the popup's translation line.
    virtual void showYiText(const QString& text) = 0;
    // Closes the popup.
    virtual void dismissSpeechView() = 0;
    // True while the popup shows.
    virtual bool isShow() const = 0;
};
