#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// The voice hub: every voice-key and function-key event of every device reaches it as an event
// code (hidCallbackType, codes in VQEventCode.h), from the device link, the F1-F3 shortcuts and
// the key-press dispatcher. It runs at most one recognition at a time through
// VQWebApiAsrService, shows its progress in the speech popup and hands each result to delivery.
//
// Codes 33/35/37 start typing, search or translation (a press while one runs only changes
// pressType); 34/36/38 end it (the search key cancels when released within 1.5 s of its press;
// a repeated release only closes the popup). A start within 1.5 s of the previous start attempt
// is refused. After release the final result is awaited for 3 s; when it does not come, the
// text recognised so far is delivered as final, by the function of the key that was released.
// With no speech within 5 s while the socket is open the popup says so. 30/31 switch the voice
// key between typing and translation, 50 types Enter, 51-70 go to the key-press dispatcher.
//
// The speech popup is reached through VQPopupWindowTool; while no popup is installed the hub's
// texts are shown in the tip window. "ASRStartNotification" is posted when a recognition starts,
// "ASRFinishNotification" when it ends or is cancelled.
//
// One object for the life of the process. Main thread only: results and timers arrive there.
class VQAudioMonitorService : public QObject {
    Q_OBJECT
public:
    // What becomes of a result: its text, whether it is the utterance's last, and the press type
    // of the key that produced it (34 typing released, 36 search released, 38 translation
    // released, or the press code while the key is held).
    using ResultDelivery = std::function<void(const QString& text, bool isLast, int pressType)>;

    // The hub's times; tests shorten them.
    struct Timings {
        int minStartSpacingMs = 1500; // a start this soon after the previous attempt is refused
        int minSearchHoldMs = 1500;   // a shorter hold of the search key cancels
        int refusedDismissMs = 300;   // the refusal text closes after this
        int noSpeechMs = 5000;        // no text this long after the start: "no speech" text
        int finalResultTimeOutMs = 3000; // after release: the final result is awaited this long
        int resetKeyIntervalMs = 1500;   // device key resets are sent at most once in this
    };

    static VQAudioMonitorService& sharedInstance();
    // Tests only: stops the timers, forgets the running recognition, the delivery and the times
    // of earlier starts, restores the default timings.
    static void resetForTests();
    static void setTimingsForTests(const Timings& timings);

    // The one entry of events.
    void hidCallbackType(int eventCode);

    // Start (refused within the minimum spacing), end (await the final result) and abandon a
    // recognition.
    void beginAsr();
    void endAsr();
    void cancelAsr();
    // The final-result time-out after release ended the utterance.
    void manualEndAsr();

    // The last press or release code, 0 when idle.
    int pressType() const { return m_pressType; }
    // A recognition is running (the key is held).
    bool hadStart() const { return m_hadStart; }
    // True from release until the final result (or its time-out).
    bool isWaitingForFinalResult() const { return m_timeOutTimer.isActive(); }
    // The voice key types or translates; shared with the device link (VQDeviceEvents).
    static bool isTranslate();
    static void setIsTranslate(bool translate);

    // Installed by delivery; while none is installed a final text is only logged.
    void setResultDelivery(ResultDelivery delivery);

    // The result block of a recognition: every interim and final result of the service.
    void handleResult(bool success, const QString& text, bool isLast);

    // The user-visible texts (keys of QRNLocalizedString).
    static const QString& tooFastText();
    static const QString& pleaseSpeakText();
    static const QString& noSpeechText();

private:
    VQAudioMonitorService();

    void pressed(int code);
    void released(int code);
    void switchMode(int pressType, const QString& text, const QString& imageName);
    void enter();
    void refuseStart();
    void resetDeviceKey();
    void noSpeechTimerFired();
    void stopTimeOutTimer();
    void returnToIdle();
    void dealWithAsrResult(const QString& text, bool isLast, int pressType);
    bool laserMicrophoneMode() const;
    bool resultsWithoutPopupAllowed() const;

    // The speech popup, or the tip window while no popup is installed.
    void showHud(const QString& text, int type);
    void dismissHud();
    void dismissHudAfter(int ms);
    bool hudIsShowing();

    Timings m_timings;
    int m_pressType = 0;
    bool m_hadStart = false;
    bool m_isResetKey = true;
    bool m_isManualEnd = false;
    QElapsedTimer m_startTime;     // the last start attempt; invalid before the first
    QElapsedTimer m_longPressTime; // the last press of the search key
    QString m_resultText;          // the running utterance's latest text
    QTimer m_noSpeechTimer;
    QTimer m_timeOutTimer;
    ResultDelivery m_delivery;

    // The tip window standing in for the popup.
    QTimer m_tipDismissTimer;
    QString m_tipText;
    bool m_tipShowing = false;
};
