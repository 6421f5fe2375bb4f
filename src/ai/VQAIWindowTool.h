#pragma once

#include <QObject>
#include <QString>

class VQAIWebWindowController;
class VQAIWindowController;

// The one entry through which the rest of the program reaches the AI web window: shows and
// hides it, keeps the application delegate's isShowAIWindow in step with it, and hands
// recognised speech and the device's helper keys to its page. Main thread only.
class VQAIWindowTool : public QObject {
    Q_OBJECT
public:
    static constexpr int kAiKeyAction = 18;
    static constexpr int kTypingPressType = 33;
    static constexpr int kTypingEndPressType = 34;

    static VQAIWindowTool& sharedInstance();
    // Tests only: drops the pending helper, the web window (its host goes with it) and the chat
    // window with its conversation.
    static void resetForTests();

    // Shows, raises and activates the window and sets isShowAIWindow; the page is built now
    // when one was asked for before. Without a web engine (or as root) a tip tells the user and
    // the result is false.
    bool showInWindow();
    // Hides the window; isShowAIWindow becomes false (as it does whenever the window hides).
    void hiddenWindow();
    // Recognised text: to the pending helper (showing the window), else as a plain question.
    void requestChatGPT(const QString& text);
    // Opens a helper: it stays pending for the next recognised text. Nothing happens when the
    // window cannot open.
    void requestChatGPTWithHelperID(const QString& helperId, const QString& content);
    // Starts or stops a spoken request for the helper (each call toggles; content and openMic
    // are not consulted). Nothing happens when the window cannot open.
    void requestChatGPTWithHelperID(const QString& helperId, const QString& content, bool openMic);
    // Marks the page as not built, asks for a build and hides the window.
    void initSubViews();
    // Rebuilds the page; the window's visibility does not change.
    void refresh();
    // A device's AI key byte: the helper-key table.
    void handleAiKey(int keyByte);

    VQAIWebWindowController& webWindow();
    // The native chat window, created on first read and kept; nothing opens it yet.
    VQAIWindowController& aiWindow();
    QString helperId() const { return m_helperId; }
    bool isWindowShown() const { return m_shown; }

private:
    VQAIWindowTool() = default;
    void setShown(bool shown);

    VQAIWebWindowController* m_webWindow = nullptr;
    VQAIWindowController* m_aiWindow = nullptr;
    QString m_helperId;
    bool m_shown = false;
};
