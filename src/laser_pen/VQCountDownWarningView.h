#pragma once

#include "VQBaseView.h"

class QLabel;

// The countdown of the black screen: the time left in large white bold text (120 pt), centred
// in a 600 x 200 box in the middle of the view. The view covers one screen's overlay and is
// black and opaque.
class VQCountDownWarningView : public VQBaseView {
    Q_OBJECT
public:
    explicit VQCountDownWarningView(QWidget* parent = nullptr);
    ~VQCountDownWarningView() override;

    // Created on first use, centred in the view at that moment.
    QLabel* timeLabel();
    // Shows the seconds as hours, minutes and seconds with the unit words ("14分59秒", "15分").
    void setSecondsLeft(qint64 seconds);

    void configTitle() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Centres the label, widened to its text when that is wider than the box.
    void placeLabel();

    QLabel* m_timeLabel = nullptr;
};
