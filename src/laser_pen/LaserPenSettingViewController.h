#pragma once

#include "LaserPenPreviewView.h"
#include "VQBaseViewController.h"

#include <QColor>
#include <QColorDialog>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

class QSlider;
class VQButton;
class VQLabel;
class VQTextField;

// The laser-pen page of the main window (tag 7): which effects the pen's mode key cycles
// through, the look of each effect with a live preview and its settings bar, the black-screen
// countdown with its length, and the function of the pen's voice key.
//
// The page keeps no setting of its own: every control shows the value of VQLaserPenManager (or
// VQUserInfoData's laserPenVoiceFunctionIndex) and writes through its setter at once. Switches
// and radios are VQButtons whose state is the image they show (imageName() below). Main thread.
class LaserPenSettingViewController : public VQBaseViewController {
    Q_OBJECT
public:
    static constexpr char kRadioOffImage[] = "6_radio_nor";
    static constexpr char kRadioOnImage[] = "6_radio_sel";
    static constexpr char kSwitchOnImage[] = "2_switch_on_icon";
    static constexpr char kSwitchOffImage[] = "2_switch_off_icon";
    // Digits only, at most this many: a countdown length can be neither negative nor overflow.
    static constexpr int kMaxCustomMinutesDigits = 4;
    // Steps of the bar's sliders over their range.
    static constexpr int kSliderSteps = 1000;

    explicit LaserPenSettingViewController(QObject* parent = nullptr);
    ~LaserPenSettingViewController() override;

    void configUI() override;
    void configData() override;
    void configTitle() override;

    // Actions (the sender is the control pressed).
    void doSelectSwitch(VQButton* sender);
    void radioBtnClicked(VQButton* sender);
    void timeRadioBtnClicked(VQButton* sender);
    void voiceRadioBtnClicked(VQButton* sender);
    // "kLaserPenVoiceKeyDoubleClickedNSNotification": the next voice function, with its tip.
    void modifyVoiceFunciton();
    // The custom-minutes field changed or its editing ended: stores its minutes.
    void controlTextDidChange();
    void controlTextDidEndEditing();

    // The preview: brings the bar, the radios and the drawing in line with previewIndex.
    void showPreview();
    void showMask();
    void disablePreviewRadio();
    // Takes the effect off the preview and hides the bar; the radios stay. Nothing calls it.
    void hideMask();
    void alphaSliderChangeValue();
    void zoomInSliderChangeValue();
    void showColorPanel();
    void changeColor(const QColor& color);

    // The image a switch or radio shows; its state.
    static QString imageName(const VQButton* button);

    // A new image of the size with the image drawn to fill it. Nothing calls it.
    static QImage resizeImage(const QImage& image, QSize size);
    // A new image of the size into which the image's centre region of that size is copied,
    // stretched over a rectangle of the image's own size whose lower-left corner is the new
    // image's. Nothing calls it.
    static QImage resizeImage1(const QImage& image, QSize size);

    // Controls, for the main window and for tests.
    const QList<VQButton*>& functionBtnArr() const { return m_functionBtnArr; }
    const QList<VQLabel*>& functionLabelArr() const { return m_functionLabelArr; }
    const QList<VQButton*>& functionSwitchArr() const { return m_functionSwitchArr; }
    const QList<VQButton*>& countDownBtnArr() const { return m_countDownBtnArr; }
    const QList<VQButton*>& voicefunctionBtnArr() const { return m_voicefunctionBtnArr; }
    const QList<VQLabel*>& voiceLabelArr() const { return m_voiceLabelArr; }
    VQButton* countDownSwitchBtn() const { return m_countDownSwitchBtn; }
    VQLabel* countDownLabel() const { return m_countDownLabel; }
    VQLabel* voiceFunctionLabel() const { return m_voiceFunctionLabel; }
    VQTextField* otherCountDownTextField() const { return m_otherCountDownTextField; }
    LaserPenPreviewView* previewView() const { return m_previewView; }
    QWidget* previewBottomView() const { return m_previewBottomView; }
    QWidget* brightnessView() const { return m_brightnessView; }
    QWidget* zoomView() const { return m_zoomView; }
    QWidget* colorView() const { return m_colorView; }
    QSlider* brightnessSlider() const { return m_brightnessSlider; }
    QSlider* zoomSlider() const { return m_zoomSlider; }
    VQButton* colorBtnView() const { return m_colorBtnView; }
    // The colour dialog, made on the first showColorPanel.
    QColorDialog* colorPanel() const { return m_colorPanel; }

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;

private:
    void layoutControls();
    VQButton* makeRadio(QWidget* parent, int tag);
    VQButton* makeSwitch(QWidget* parent);
    // The bar's sliders have kSliderSteps steps mapped onto the range of the effect's value.
    static void setSliderRange(QSlider* slider, double minimum, double maximum);
    static void setSliderValue(QSlider* slider, double value);
    static double sliderValue(const QSlider* slider);

    QList<VQButton*> m_functionBtnArr;
    QList<VQLabel*> m_functionLabelArr;
    QList<VQButton*> m_functionSwitchArr;
    QList<VQButton*> m_countDownBtnArr;
    QList<VQButton*> m_voicefunctionBtnArr;
    QList<VQLabel*> m_voiceLabelArr;

    QWidget* m_functionView = nullptr;
    VQLabel* m_countDownLabel = nullptr;
    VQButton* m_countDownSwitchBtn = nullptr;
    QWidget* m_fieldFrame = nullptr;
    VQTextField* m_otherCountDownTextField = nullptr;
    VQLabel* m_voiceFunctionLabel = nullptr;

    LaserPenPreviewView* m_previewView = nullptr;
    QWidget* m_previewBottomView = nullptr;
    QWidget* m_brightnessView = nullptr;
    QWidget* m_zoomView = nullptr;
    QWidget* m_colorView = nullptr;
    QSlider* m_brightnessSlider = nullptr;
    QSlider* m_zoomSlider = nullptr;
    VQButton* m_colorBtnView = nullptr;
    QPointer<QColorDialog> m_colorPanel;
};
