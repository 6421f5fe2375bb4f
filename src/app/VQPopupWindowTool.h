#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>

class QWidget;
class VQSpeechPopupInterface;
class VQTipWindow;
class VQTranslateWindowInterface;

// The one way to show floating windows: the tip window, the speech popup and the translation
// window. Every operation may be called from any thread; its work runs on the main thread (at
// once when called there, else queued to it). The speech popup and the translation window are
// implemented by other subsystems and reached through the interfaces their factories return;
// each is created on first use and kept. While no factory is installed those calls write a log
// line and do nothing. The tool itself owns the tip window.
//
// The objects returned by the factories live for the process (tests: until resetForTests());
// the tool does not delete them.
class VQPopupWindowTool {
public:
    using SpeechPopupFactory = std::function<VQSpeechPopupInterface*()>;
    using TranslateWindowFactory = std::function<VQTranslateWindowInterface*()>;

    static VQPopupWindowTool& sharedInstance();
    // Tests only: closes the tip, cancels a pending delayed dismiss, forgets the factories, the
    // created windows and the main window, and clears the flags. Main thread.
    static void resetForTests();

    // Set up at start-up by the application delegate. Main thread.
    void setSpeechPopupFactory(SpeechPopupFactory factory);
    // True once a speech popup factory is installed.
    bool hasSpeechPopupFactory() const { return static_cast<bool>(m_speechFactory); }
    void setTranslateWindowFactory(TranslateWindowFactory factory);
    // The main window: a tip hides it when it is the active window and mayPutAway (when given)
    // allows it, that is when something else can bring the window back.
    void setMainWindow(QWidget* window, std::function<bool()> mayPutAway = {});

    // Tip window: shows the image (a resource name such as "success_icon", "error_icon",
    // "info_icon") and the text, without taking the focus, for 2.0 s.
    void showTipMessage(const QString& text, const QString& imageName);
    // The tip window, created on first use. Main thread.
    VQTipWindow* tipWindow();

    // Speech popup.
    void showSpeechView(const QString& text, int type);
    void showYiText(const QString& text);
    void dismissSpeechView();
    // Closes the popup after the delay; a newer delayed dismiss replaces this one and a newer
    // showSpeechView() cancels it, so a popup shown again is not closed by an old request.
    void dismissSpeechView(double seconds);
    // True while the popup shows. Main thread.
    bool isShow();
    // The popup, created on first use; nullptr without a factory. Main thread.
    VQSpeechPopupInterface* speechPopup();

    // Set by the voice hub for the final text of a recognition. Any thread.
    bool isLast() const { return m_isLast.load(); }
    void setIsLast(bool isLast) { m_isLast.store(isLast); }

    // Translation window.
    void showTranslateWindowFanText(const QString& fanText, const QString& yiText);
    void dismissTranslateWindow();
    // The translation window, created on first use; nullptr without a factory. Main thread.
    VQTranslateWindowInterface* translateWindow();
    // The translation window when it was created already, else nullptr (creates nothing).
    VQTranslateWindowInterface* existingTranslateWindow() const { return m_translateWindow; }

    // True when a screenshot is only recognised, false when it is also translated; false at
    // start, memory only. Any thread.
    bool isScreenshotsOCR() const { return m_isScreenshotsOCR.load(); }
    void setIsScreenshotsOCR(bool isScreenshotsOCR) { m_isScreenshotsOCR.store(isScreenshotsOCR); }

private:
    VQPopupWindowTool() = default;
    ~VQPopupWindowTool() = delete;
    VQPopupWindowTool(const VQPopupWindowTool&) = delete;
    VQPopupWindowTool& operator=(const VQPopupWindowTool&) = delete;

    void showTipOnMain(const QString& text, const QString& imageName);
    QTimer* dismissTimer();

    SpeechPopupFactory m_speechFactory;
    TranslateWindowFactory m_translateFactory;
    VQSpeechPopupInterface* m_speechPopup = nullptr;
    VQTranslateWindowInterface* m_translateWindow = nullptr;
    VQTipWindow* m_tipWindow = nullptr;
    QTimer* m_dismissTimer = nullptr;
    QPointer<QWidget> m_mainWindow;
    std::function<bool()> m_mayPutAwayMainWindow;
    std::atomic<bool> m_isLast { false };
    std::atomic<bool> m_isScreenshotsOCR { false };
    bool m_loggedNoSpeechPopup = false;
    bool m_loggedNoTranslateWindow = false;
};
