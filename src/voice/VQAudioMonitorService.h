#pragma once

#include "VQCommandMatcher.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class QNetworkAccessManager;
class VQVoiceCommandItem;

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
// A press while a final result is awaited does not give that utterance up: its result is
// delivered by its own key when it comes (or its text at its own time-out). A final result
// that comes while the key is held is delivered as if the key had been released; so is the
// text of a connection that broke off, while the service's failure text stays its 2 s.
// With no speech within 5 s while the socket is open the popup says so; when the source is the
// connected device and it streams nothing (its voice key no longer held), the utterance then
// ends as at a release, so the popup goes 3 s later. 30/31 switch the voice
// key between typing and translation, 50 types Enter, 51-70 go to the key-press dispatcher.
//
// The speech popup is reached through VQPopupWindowTool; while no popup is installed the hub's
// texts are shown in the tip window. "ASRStartNotification" is posted when a recognition starts,
// "ASRFinishNotification" when it ends or is cancelled.
//
// Delivery, by the key released, once no shortcut key is held: typing pastes the final text
// into the focused application (clipboard, then the paste keys of the focused program, see
// PasteKeys, synthesised or typed by the device in compatibility mode; in semantic mode nothing) and posts it to the local service on the loopback interface; the search key matches
// it against the voice commands and runs the command, or searches the web for it; the
// translation key translates the text phrase by phrase while held
// (the popup's translation line grows) and as a whole after release, and pastes the whole
// translation. With an AI window open (key action 18) a pasted text goes to that window instead.
//
// One object for the life of the process. Main thread only: results and timers arrive there.
class VQAudioMonitorService : public QObject {
    Q_OBJECT
public:
    // Sees every non-empty result before it is delivered: its text, whether it is the
    // utterance's last, and the press type of the key that produced it (34 typing released, 36
    // search released, 38 translation released, or the press code while the key is held).
    using ResultObserver = std::function<void(const QString& text, bool isLast, int pressType)>;
    using TextHook = std::function<void(const QString& text)>;
    using TranslateCallback = std::function<void(bool success, const QString& translation)>;

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

    // The local service's port on the loopback interface: 10668, or the environment variable
    // CORVANE_LOCAL_SERVICE_PORT (read at the first post); a port set here wins over both, 0
    // goes back to them.
    static void setLocalServicePort(int port);
    static int localServicePort();

    // The one entry of events: a device's keys.
    void hidCallbackType(int eventCode);
    // The same for the keyboard's voice shortcuts. A recognition they start records the
    // computer's default input, unless the connected device streams its own voice for them
    // (VQMouseCommandManager::streamsVoiceForShortcuts); a device's voice key records the device.
    void shortcutCallbackType(int eventCode);

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

    // Diagnostics and tests: every result handed to delivery, in order.
    void setResultObserver(ResultObserver observer);
    // The AI window's question; without a hook the text is pasted as usual.
    void setAiWindowHook(TextHook hook);

    // The result block of a recognition: every interim and final result of the service.
    void handleResult(bool success, const QString& text, bool isLast);

    // Delivery. Non-empty results go on to dealWithFinalAsrResult, which acts by pressType; a
    // last result returns the hub to idle.
    void dealWithAsrResult(const QString& text, bool isLast);
    void dealWithFinalAsrResult(const QString& text, bool isLast) { dealWithFinalAsrResult(text, isLast, m_pressType); }
    // Clipboard and paste (or the AI window), then the local post. Returns at once.
    void copyAndPasteResult(const QString& text);
    // Posts the text to the local service ("/api", JSON); asynchronous, the reply is ignored.
    void sendLocalhostHttp(const QString& text);
    // The body of that post: five CRLF-separated lines, the values JSON-escaped.
    static QByteArray localServiceBody(const QString& text, const QString& serialNumber);

    // Translation while the translation key is held (phrase by phrase) and after release (the
    // whole text). The listener of the service's status reports.
    void speechManagerRecognitionStatusChangeRecognizingAsr(const QString& display, const QString& newResult,
                                                             int status);
    void clausesTranslation(const QString& text, bool isLast);
    void requestTranslateText(const QString& text, bool isLast);
    // Plain translation for the translation windows: the callback gets (success, translation), on
    // the main thread and never inside this call except for an empty text (false, "").
    void requestTranslateText(const QString& text, const QString& fromLanguageCode, const QString& toLanguageCode,
                              TranslateCallback callback);
    // The text split after each sentence mark (". ? ! 。 ？ ！", the mark kept); empty pieces dropped.
    static QStringList splitPhrases(const QString& text);

    // The translation state of the running utterance.
    QStringList phraseArray() const { return m_phraseArray; }
    int currentTranslateIndex() const { return m_currentTranslateIndex; }
    QString yiResultText() const { return m_yiResultText; }

    // Voice commands and web search: the search key's final text, its full stops and "!"
    // removed, is matched against the custom commands and then the common commands of
    // VQCommandViewModel; the first match runs, and text that matches nothing (or a command
    // none of whose targets can be carried out) is searched with the engine of
    // VQLanguageManager::searchEngineTag.
    // Matching runs through the lists' indexes when they are ready; while a list's index is
    // being built (after the list changed), the lists are scanned on a worker and the match runs
    // once the scan is done, so the main thread never waits for either.
    void requestMatchingCmd(const QString& text);
    // Asks for the indexes of both command lists (built on a worker); called whenever the store's
    // lists change.
    void prepareCommandIndexes();
    // Whether both lists, as the store holds them now, have their indexes ready.
    bool areCommandIndexesReady();
    // The first command of the list whose word (customCmd, else cmdWord; an empty word never
    // matches) equals the text ignoring case, or occurs in it as it is (case-sensitive); the text
    // is first stripped of leading and trailing blanks and marks of the trimming set. Null when
    // none matches. The pointer is into the list.
    static const VQVoiceCommandItem* searchCmdFromCommandArr(const QList<VQVoiceCommandItem>& commands,
                                                            const QString& cmdString);
    // The text with leading and trailing characters of the trimming set removed.
    static QString trimmedCommandText(const QString& text);
    // Runs a matched command: its custom target, else its common target; when neither can be
    // carried out, searches the web for the command's word.
    void openFilePathCmd(const VQVoiceCommandItem& item);
    // Opens the web search for the text; false (with a tip) when the browser could not be opened.
    bool openBrowserWithCmdString(const QString& text);
    // The search address of the engine of the tag (a tag outside the table uses engine 0) with
    // the text appended as an encoded query value.
    static QString searchAddress(int engineTag, const QString& text);

    // Texts shown on failures (keys of QRNLocalizedString).
    static const QString& pasteFailedText();
    static const QString& translateFailedText();
    static const QString& browserFailedText();

    // The user-visible texts (keys of QRNLocalizedString).
    static const QString& tooFastText();
    static const QString& pleaseSpeakText();
    static const QString& noSpeechText();

private:
    // An utterance whose final result was still awaited when the next press came. Its result is
    // delivered by the key that was released when it comes, or its text so far when its own
    // time-out ends first; the utterance that runs meanwhile is not touched.
    struct Awaited {
        quint64 utterance = 0;
        int releasedType = 0;
        QString text;
    };

    VQAudioMonitorService();

    void dealWithFinalAsrResult(const QString& text, bool isLast, int pressType);
    void parkAwaited();
    void awaitedResult(quint64 utterance, bool success, const QString& text, bool isLast);
    void awaitedTimedOut(quint64 utterance);
    // The final text of an utterance that is no longer the running one, by its released key.
    void deliverAwaited(const QString& text, int releasedType);
    // The failure text the service shows stays its normal time, then the popup closes.
    void holdFailureText();
    static bool deviceTypesKeys();
    void pressed(int code);
    // Runs the delivery once no shortcut key is held: while one is, the X server sends every key
    // to this program, so a paste or a command's keys would never reach the focused window.
    void deliverAfterKeyRelease(std::function<void()> delivery);
    void released(int code);
    void switchMode(int pressType, const QString& text, const QString& imageName);
    void enter();
    void refuseStart();
    void resetDeviceKey();
    void noSpeechTimerFired();
    void stopTimeOutTimer();
    void returnToIdle();
    void clearTranslationState();
    void pasteOnMain(const QString& text);
    void phraseAnswered(quint64 generation, int index, const QString& sent, bool success, const QString& answeredText,
                        const QString& translation);
    void wholeAnswered(quint64 generation, const QString& sent, bool success, const QString& answeredText,
                       const QString& translation);
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
    quint64 m_utterance = 0;       // the running (or last) utterance; results carry their own
    bool m_fromShortcut = false;   // the event being handled comes from a keyboard shortcut
    bool m_fromMicrophone = false; // the running utterance records the computer's input
    std::vector<Awaited> m_awaited;
    QElapsedTimer m_failureShown;  // since the service's failure text was left showing
    QTimer m_noSpeechTimer;
    QTimer m_timeOutTimer;
    ResultObserver m_observer;
    TextHook m_aiWindowHook;
    QNetworkAccessManager* m_localService = nullptr;

    // Translation state, cleared at every accepted start. An answer counts only for the
    // utterance (generation) and phrase index it was asked for and the text that was sent.
    QString m_lastResultText;
    int m_recognitionStatus = 0;
    QStringList m_phraseArray;
    int m_currentTranslateIndex = 0;
    QString m_yiResultText;
    quint64 m_translationGeneration = 0;
    int m_phraseInFlight = -1; // the index awaiting its answer, -1 when none
    int m_lastPhraseShownIndex = -1; // the last phrase answered while it was the last one
    QString m_lastPhraseShownText;
    QString m_lastPhraseShownTranslation;

    // The tip window standing in for the popup.
    QTimer m_tipDismissTimer;
    QString m_tipText;
    bool m_tipShowing = false;

    // Runs the matched command, or searches the web for the text when none matched.
    void runMatchedCommand(const QString& text, const std::optional<VQVoiceCommandItem>& command);

    // The indexes of the custom and the common command lists.
    VQCommandMatcher m_customMatcher;
    VQCommandMatcher m_commonMatcher;
};
