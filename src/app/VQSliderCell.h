#pragma once

#include <QColor>
#include <QSlider>

// A horizontal slider drawn in three colours: the bar left of the knob (progress), the track
// and the round knob. Range, value and signals are QSlider's.
class VQSliderCell : public QSlider {
    Q_OBJECT
public:
    explicit VQSliderCell(QWidget* parent = nullptr);

    void setSliderProgressColor(const QColor& color);
    void setSliderBackgroundColor(const QColor& color);
    void setSliderKnobColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int valueAt(qreal x) const;

    QColor m_progressColor;
    QColor m_backgroundColor;
    QColor m_knobColor;
};
