#pragma once

#include "VQBaseViewController.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QTimer>

#include <array>

class QScrollArea;
class QSlider;
class VQButton;
class VQLabel;
class VQSliderCell;

// The lighting page (navigation tag 6, item "偏好设置", listed for mouse types 56 and 72): the
// lighting mode, speed, brightness and colour of a lit mouse, and left- or right-handed use.
//
// The page keeps no setting of its own: each control sends its value through
// VQMouseCommandManager and shows what the device record holds. The record changes when the
// device link has read a value back ("kUpdateLightingEffectsNotification",
// "kUpdateMouseLeftOrRightHandBehaviorNotification"); on either the page refreshes every control.
//
// Sliders send late: each has one single-shot precise timer holding the value the user moved it
// to; every user change (mouse, wheel, keys) restarts it, and when it fires the value is sent if
// it still differs from the value the device is heading to: the last value sent while its
// read-back is due, else the record's. Moving back onto that value drops the pending send.
// A refresh leaves a slider alone while its knob is held or its send is pending; a short while
// after a send the slider falls back to the record, so a device that never answers does not leave
// a value on screen that it does not hold. Main thread only.
class PreferencesViewController : public VQBaseViewController {
    Q_OBJECT
public:
    static constexpr int kTag = 6;
    static constexpr char kRadioOffImage[] = "6_radio_nor";
    static constexpr char kRadioOnImage[] = "6_radio_sel";
    static constexpr char kColorfulImage[] = "7_colorful_icon";
    static constexpr char kSelectedColorImage[] = "selected_color";
    static constexpr int kModeCount = 4;
    static constexpr int kColorCount = 8;
    static constexpr int kMarqueeMode = 3;
    static constexpr int kColorfulColor = 8;
    static constexpr quint64 kNoMarqueeMouseType = 56;
    // How long a slider waits after the user's last change before it sends.
    static constexpr int kSliderSendDelayMs = 500;
    // How long after a send a slider waits for the read-back before it shows the record again.
    static constexpr int kSliderSettleMs = 1000;
    static constexpr int kScrollTop = 50;
    static constexpr int kColorPitch = 48;

    explicit PreferencesViewController(QObject* parent = nullptr);
    ~PreferencesViewController() override;

    void configUI() override;
    void configData() override;
    void configTitle() override;

    // Shows the device record on every control.
    void updateLightingEffectsNotification();
    // Control actions (the sender is the control the user worked).
    void changeLightingEffectsMode(VQButton* sender);
    void sliderClick(QSlider* sender);
    void configLightingEffectsColor(VQButton* sender);
    void changeUseBehavior(VQButton* sender);

    // The radio image a button shows now (kRadioOnImage or kRadioOffImage).
    static QString imageName(const VQButton* button);
    // True while the slider's deferred send waits.
    bool isSendPending(const QSlider* slider) const;
    // True while the slider waits out the settle time after its last send.
    bool isReadBackDue(const QSlider* slider) const;

    QScrollArea* scrollView() const { return m_scrollView; }
    QWidget* contentView() const { return m_contentView; }
    VQLabel* modeLabel() const { return m_modeLabel; }
    const QList<VQButton*>& modeBtnArr() const { return m_modeBtnArr; }
    VQButton* marqueeBtn() const { return m_modeBtnArr.value(kMarqueeMode); }
    VQLabel* speedLabel() const { return m_speedLabel; }
    VQSliderCell* sliderSpeed() const { return m_sliderSpeed; }
    VQLabel* speedValueLabel() const { return m_speedValueLabel; }
    VQLabel* speedLowLabel() const { return m_speedLowLabel; }
    VQLabel* speedHeightLabel() const { return m_speedHeightLabel; }
    VQLabel* brightnessLabel() const { return m_brightnessLabel; }
    VQSliderCell* sliderBrightness() const { return m_sliderBrightness; }
    VQLabel* brightnessValueLabel() const { return m_brightnessValueLabel; }
    VQLabel* brightnessLowLabel() const { return m_brightnessLowLabel; }
    VQLabel* brightnessHeightLabel() const { return m_brightnessHeightLabel; }
    VQLabel* colorLabel() const { return m_colorLabel; }
    QWidget* colorView() const { return m_colorView; }
    const QList<VQButton*>& colorBtnArr() const { return m_colorBtnArr; }
    VQButton* colorfulImageView() const { return m_colorBtnArr.value(kColorfulColor - 1); }
    QWidget* currentImageView() const { return m_currentImageView; }
    VQLabel* useBehaviorLabel() const { return m_useBehaviorLabel; }
    VQButton* leftBehaviorBtn() const { return m_leftBehaviorBtn; }
    VQButton* rightBehaviorBtn() const { return m_rightBehaviorBtn; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One slider's deferred send.
    struct SliderSend {
        QTimer timer;        // the 500 ms wait after the last user change
        QTimer settle;       // the wait for the read-back after a send
        qint64 value = 0;    // the value to send
        qint64 inFlight = -1; // the value last sent while its read-back is due, -1 none
        QElapsedTimer sentAt; // when inFlight was sent
    };

    void layoutContent();
    SliderSend& sendOf(const QSlider* slider);
    const SliderSend& sendOf(const QSlider* slider) const;
    qint64 recordValueOf(const QSlider* slider) const;
    // The value the device holds or is about to: what was sent while its read-back is due (for
    // the settle time), else the record's.
    qint64 heldValueOf(const QSlider* slider) const;
    VQLabel* valueLabelOf(const QSlider* slider) const;
    // Sets the slider and its value label to the held value, unless the user holds it or a send
    // waits.
    void showRecordOn(QSlider* slider);
    void sendPending(QSlider* slider);

    QScrollArea* m_scrollView = nullptr;
    QPointer<QWidget> m_contentView;
    VQLabel* m_modeLabel = nullptr;
    QList<VQButton*> m_modeBtnArr;
    VQLabel* m_speedLabel = nullptr;
    VQSliderCell* m_sliderSpeed = nullptr;
    VQLabel* m_speedValueLabel = nullptr;
    VQLabel* m_speedLowLabel = nullptr;
    VQLabel* m_speedHeightLabel = nullptr;
    VQLabel* m_brightnessLabel = nullptr;
    VQSliderCell* m_sliderBrightness = nullptr;
    VQLabel* m_brightnessValueLabel = nullptr;
    VQLabel* m_brightnessLowLabel = nullptr;
    VQLabel* m_brightnessHeightLabel = nullptr;
    VQLabel* m_colorLabel = nullptr;
    QWidget* m_colorView = nullptr;
    QList<VQButton*> m_colorBtnArr;
    QWidget* m_currentImageView = nullptr;
    VQLabel* m_useBehaviorLabel = nullptr;
    VQButton* m_leftBehaviorBtn = nullptr;
    VQButton* m_rightBehaviorBtn = nullptr;
    std::array<SliderSend, 2> m_sends; // speed, brightness
    bool m_built = false;
};
