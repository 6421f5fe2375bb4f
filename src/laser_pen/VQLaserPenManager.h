#pragma once

#include "VQCountDownWarningView.h"
#include "VQDrawView.h"
#include "VQLaserPenOverlay.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

// The presenter pen's counterpart on the computer: the pen's presentation mode, the settings of
// every screen effect, the function of the pen's voice key, and the answers sent to the pen.
//
// Modes (laserPenStatus): 0 hard laser (the pen's own dot), 1 highlight, 2 digital light spot,
// 3 magnifier, 4 pen. The mode key walks the cycle highlight, light spot, magnifier, pen, hard
// laser, skipping the effects switched off; it runs only with the laser-pen receiver (vendor
// 0x248a, product 0x62ab or 0x63ab) open.
//
// Split over three sources:
//  - VQLaserPenManager.cpp: modes, settings, the effect keys with their 40 ms follow-up, the
//    voice-mode key, and the countdown's rules (the 1 s timer, the length, the seconds sent to
//    the pen, its end).
//  - VQLaserPenManagerEffects.cpp: the screen effects (the overlays of every screen, the light
//    spot, the magnifier's hand-over, the pen overlay, the black screen and the countdown view),
//    their Escape registration and their end when the pen's link goes.
//
// Main thread only.
class VQLaserPenManager : public QObject {
    Q_OBJECT
public:
    static constexpr char kEscShortcutKey[] = "EscShortcutKey";

    // Settings keys.
    static constexpr char kHighlightedMaskAlphaKey[] = "highlightedMaskAlphaKey";
    static constexpr char kHighlightedCircleWKey[] = "highlightedCircleWKey";
    static constexpr char kDigitalLightSpotColorKey[] = "digitalLightSpotColorKey";
    static constexpr char kDigitalLightSpotCircleWKey[] = "digitalLightSpotCircleWKey";
    static constexpr char kZoomInPixelKey[] = "zoomInPixelKey";
    static constexpr char kZoomInCircleWKey[] = "zoomInCircleWKey";
    static constexpr char kDrawColorKey[] = "drawColorKey";
    static constexpr char kDrawWidthKey[] = "drawWidthKey";
    static constexpr char kHighlightedSwitchKey[] = "laserPenHighlightedSwitchKey";
    static constexpr char kDigitalLightSpotSwitchKey[] = "laserPenDigitalLightSpotSwitchKey";
    static constexpr char kZoomInSwitchKey[] = "laserPenZoomInSwitchKey";
    static constexpr char kDrawSwitchKey[] = "laserPenDrawSwitchKey";
    static constexpr char kCountdownSwitchKey[] = "laserPenCountdownSwitchKey";
    static constexpr char kPreviewIndexKey[] = "previewIndexKey";
    static constexpr char kWarningTimeIndexKey[] = "warningTimeIndexKey";
    static constexpr char kWarningTimeKey[] = "warningTimeKey";
    static constexpr char kLaserPenStatusKey[] = "laserPenStatusKey";

    // The delay between an effect press and the pointer-mode / laser commands.
    static constexpr int kFollowUpDelayMs = 40;
    // The magnifier's zoom; the stored zoomInPixel plays no part.
    static constexpr double kZoomFactor = 1.5;
    // The largest number of seconds the countdown command carries.
    static constexpr qint64 kMaxCountdownSeconds = 65535;

    static VQLaserPenManager& sharedInstance();
    // Tests only: hides every effect, stops the timers, forgets the hooks and reads the settings
    // and the receiver again, as a new manager would.
    static void resetForTests();

    // ---- Modes and keys (Part of the mode manager) ----

    // Mode key (keep false): the next enabled mode, with its tip. keep true: the first enabled
    // mode from the current position on, without a tip. Both send the mode to the pen. Nothing
    // happens unless the laser-pen receiver is open.
    void changeLaserPenStatus(bool keep);
    // Effect key pressed: shows the effect of the current mode; 40 ms later tells the pen
    // (pointer mode on and laser off, or in hard-laser mode laser on).
    void showLaserPenEffect();
    // Effect key released or effect ended: hides the effect and tells the pen. Cancels a
    // follow-up still pending.
    void dismissEffect();
    // Effect toggle (event 0x92). In pen mode it closes the open stroke, else opens one; in the
    // other modes dismissEffect when hasShowEffecf, else showLaserPenEffect.
    void toggleEffect();
    // Effect off (event 0x93): dismissEffect when hasShowEffecf.
    void effectOff();
    // Empties the pen canvas and ends the pen overlay.
    void clearDraw();
    // The program quits: a pending follow-up is dropped, the pen leaves pointer mode and its
    // laser goes off; done is called once the last command was written (from the event loop at
    // once when the pen's receiver is not open).
    void takeOffline(std::function<void()> done);
    // The pen's link is gone (receiver removed or closed, a Bluetooth LE switch, a failed read):
    // every effect comes down, the pointer shows and Escape is released; nothing is sent.
    void linkLost();
    // Escape while an effect takes the mouse: the effect ends as a dismissal would.
    void leaveByEscape();
    // The pen's voice-mode key: cancels the running recognition, moves vioceMode on (1, 2, 3, 1)
    // and shows its tip.
    void switchVioceMode();
    // The voice hub's event code for the pen's voice key by vioceMode: 33/34 for typing, 37/38
    // for translation and screen-casting.
    int voiceEventCode(bool pressed) const;

    // ---- Settings (persisted in UserDefaults::standard()) ----

    double highlightedMaskAlpha() const { return m_highlightedMaskAlpha; }
    void setHighlightedMaskAlpha(double alpha);
    double highlightedCircleW() const { return m_highlightedCircleW; }
    void setHighlightedCircleW(double width);
    QColor digitalLightSpotColor() const { return m_digitalLightSpotColor; }
    void setDigitalLightSpotColor(const QColor& color);
    double digitalLightSpotCircleW() const { return m_digitalLightSpotCircleW; }
    void setDigitalLightSpotCircleW(double width);
    double zoomInPixel() const { return m_zoomInPixel; }
    void setZoomInPixel(double pixel);
    double zoomInCircleW() const { return m_zoomInCircleW; }
    void setZoomInCircleW(double width);
    QColor drawColor() const { return m_drawColor; }
    void setDrawColor(const QColor& color);
    double drawWidth() const { return m_drawWidth; }
    void setDrawWidth(double width);
    bool laserPenHighlightedSwitch() const { return m_highlightedSwitch; }
    void setLaserPenHighlightedSwitch(bool on);
    bool laserPenDigitalLightSpotSwitch() const { return m_digitalLightSpotSwitch; }
    void setLaserPenDigitalLightSpotSwitch(bool on);
    bool laserPenZoomInSwitch() const { return m_zoomInSwitch; }
    void setLaserPenZoomInSwitch(bool on);
    bool laserPenDrawSwitch() const { return m_drawSwitch; }
    void setLaserPenDrawSwitch(bool on);
    // Off at every start; the stored value is never read.
    bool laserPenCountdownSwitch() const { return m_countdownSwitch; }
    void setLaserPenCountdownSwitch(bool on);
    int previewIndex() const { return m_previewIndex; }
    void setPreviewIndex(int index);
    // 0 = 15 minutes, 1 = 30, 2 = 60, 3 = warningTime; any other value counts as 0.
    int warningTimeIndex() const { return m_warningTimeIndex; }
    void setWarningTimeIndex(int index);
    int warningTime() const { return m_warningTime; }
    void setWarningTime(int minutes);
    int laserPenStatus() const { return m_laserPenStatus; }
    void setLaserPenStatus(int status);

    // Colours are stored as "#AARRGGBB" text; anything unreadable gives red.
    static QString colorToText(const QColor& color);
    static QColor colorFromText(const QString& text);

    // ---- Run-time state ----

    int laserPenIndex() const { return m_laserPenIndex; }
    int vioceMode() const { return m_vioceMode; }
    void setVioceMode(int mode) { m_vioceMode = mode; }
    bool hasShowEffecf() const { return m_hasShowEffecf; }
    bool isBlackScreen() const { return m_isBlackScreen; }
    bool isFollowUpPending() const { return m_followUpTimer.isActive(); }
    // Tests only: runs a pending follow-up now, as its timer would (nothing when none is pending).
    void fireFollowUpForTests();
    // Whether the open receiver is the laser-pen receiver whose mode cycle runs.
    static bool isLaserPenReceiverOpen();

    // The block run once when the countdown reaches zero.
    void setCountDownBlock(std::function<void()> block) { m_countDownBlock = std::move(block); }
    const std::function<void()>& countDownBlock() const { return m_countDownBlock; }
    qint64 countDownNum() const { return m_countDownNum; }
    bool isWarningTimerActive() const { return m_warningTimer.isActive(); }
    // The countdown's length in seconds by warningTimeIndex and warningTime (never negative).
    qint64 countdownLengthSeconds() const;

    // ---- Screen effects (VQLaserPenManagerEffects.cpp) ----

    // Overlays over every screen for the kind; each becomes part of fullWindow.
    void createFullWindow();
    void highlighted();
    // Moves the highlight's hole or the light spot to the global position (Qt coordinates).
    void mouseMove(QPointF globalPosition);
    void hideHighlighted();
    void showDigitalLightSpot();
    void hideDigitalLightSpot();
    void zoomIn();
    void dismissZoom();
    // Shows the pen overlay when it is not up (strokes so far stay).
    void startDraw();
    // Hides the pen overlay.
    void endDraw();
    void enterBlackScreen();
    void quitBlackScreen();
    // Orders the black screen's overlay out and stops the countdown.
    void hideCountDownWarning();
    // Shows the countdown view with the seconds left, putting the black screen up first when it
    // is not, without starting another countdown (called by countDownTime on every tick; the
    // timer, the length and the seconds sent to the pen are countDownTime's).
    void showCountDownSeconds(qint64 secondsLeft);

    // ---- Countdown (VQLaserPenManager.cpp) ----

    // Stores the block and starts the countdown.
    void showCountDownWarningCallBack(std::function<void()> block);
    // Restarts the countdown from its full length and runs the first tick at once.
    void startWarningTimer();
    void invalidateWarningTimer();
    // One tick: shows and sends the seconds left; at 0 or less ends the black screen and runs the
    // block once.
    void countDownTime();

    // ---- Effect state read by tests and by the effects ----

    // The overlay windows currently up (one per screen), the spot, the canvases.
    const QList<QPointer<VQLaserPenOverlay>>& fullWindow() const { return m_fullWindow; }
    VQLaserPenSpotWindow* digitalLightSpotView() const { return m_digitalLightSpotView; }
    // The pen overlay's canvases, one per screen; empty while no pen overlay was built.
    const QList<QPointer<VQDrawView>>& drawView() const { return m_drawView; }
    // The countdown views, one per screen.
    const QList<QPointer<VQCountDownWarningView>>& countDownWarningView() const { return m_countDownWarningView; }
    // Whether the pen overlay is up, and whether the effects' Escape registration is held: from
    // the show of an effect that takes the mouse (highlight, light spot, magnifier, pen, black
    // screen) until the last of them ends.
    bool isDrawing() const;
    bool isEscRegistered() const { return m_escRegistration > 0; }
    // Whether an effect that takes the mouse is up.
    bool takesTheMouse() const;
    // Escape could not be grabbed: the effect's windows take the focus and Escape themselves.
    bool isKeyboardExitByFocus() const { return m_escByFocus; }
    // Whether any effect window of modes 1-3 is up.
    bool isEffectShown() const;

Q_SIGNALS:
    // The mode changed (also when re-selected by an opened receiver).
    void laserPenStatusChanged(int status);

private:
    VQLaserPenManager();
    ~VQLaserPenManager() override;

    void loadSettings();
    void runFollowUp();
    void storeDouble(const char* key, double value);
    void storeInteger(const char* key, qint64 value);
    void storeBool(const char* key, bool value);
    bool isCycleEntryEnabled(int position) const;
    // Tests only (VQLaserPenManagerEffects.cpp): closes every effect window at once, releases
    // Escape and the mouse monitor, shows the cursor.
    void resetEffectsForTests();
    // Effect helpers (VQLaserPenManagerEffects.cpp). closeEveryEffect takes down whatever
    // effect shows (ending drawing, and the black screen with its countdown when endCountdown);
    // putUpOverlays builds one overlay of the kind (VQLaserPenOverlay::Kind) per screen as
    // fullWindow, not yet shown, and is false (told to the user) when a screen cannot be read.
    void closeEveryEffect(bool endCountdown);
    bool putUpOverlays(int kind, bool takesFocus = false);
    void closeOverlays();
    void showOverlays();
    void startMouseMonitor();
    void stopMouseMonitor();
    void setCursorHidden(bool hidden);
    // Registers Escape for the effects once; false (logged, with a tip) when it cannot be grabbed.
    bool holdEscape();
    // Releases Escape when no effect that takes the mouse is left.
    void releaseEscapeWhenIdle();
    // Gives the keyboard focus to an effect window when Escape could not be grabbed.
    void focusForEscape(QWidget* window);

    // Settings.
    double m_highlightedMaskAlpha = 0.6;
    double m_highlightedCircleW = 300;
    QColor m_digitalLightSpotColor = Qt::red;
    double m_digitalLightSpotCircleW = 20;
    double m_zoomInPixel = 5;
    double m_zoomInCircleW = 300;
    QColor m_drawColor = Qt::red;
    double m_drawWidth = 10;
    bool m_highlightedSwitch = true;
    bool m_digitalLightSpotSwitch = true;
    bool m_zoomInSwitch = true;
    bool m_drawSwitch = true;
    bool m_countdownSwitch = false;
    int m_previewIndex = -1;
    int m_warningTimeIndex = 0;
    int m_warningTime = 0;
    int m_laserPenStatus = 0;

    // Run-time state.
    int m_laserPenIndex = 0;
    int m_vioceMode = 1;
    bool m_hasShowEffecf = false;
    bool m_isBlackScreen = false;
    QTimer m_followUpTimer;   // single shot, precise: the 40 ms follow-up of an effect press
    QTimer m_warningTimer;    // precise, 1 s: the countdown
    qint64 m_countDownNum = 0;
    std::function<void()> m_countDownBlock;

    // Effects (owned by VQLaserPenManagerEffects.cpp).
    QList<QPointer<VQLaserPenOverlay>> m_fullWindow;
    QPointer<VQLaserPenSpotWindow> m_digitalLightSpotView;
    QList<QPointer<VQDrawView>> m_drawView;
    QList<QPointer<VQCountDownWarningView>> m_countDownWarningView;
    int m_mouseMonitor = 0;      // the InputMonitor registration of the highlight and the spot
    int m_escRegistration = 0;   // the effects' own GlobalShortcuts registration of Escape
    bool m_escByFocus = false;   // the grab failed: Escape is taken by the focused effect window
    bool m_escTipShown = false;  // the tip of a failed grab was shown since the last good grab
    bool m_penOverlayUp = false;
    bool m_cursorHidden = false;
};
