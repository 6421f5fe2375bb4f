#include "VQSliderCell.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int kTrackHeight = 4;
constexpr int kKnobDiameter = 16;

} // namespace

VQSliderCell::VQSliderCell(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
    , m_progressColor(0, 175, 204)
    , m_backgroundColor(220, 220, 220)
    , m_knobColor(Qt::white)
{
    setCursor(Qt::PointingHandCursor);
}

void VQSliderCell::setSliderProgressColor(const QColor& color)
{
    m_progressColor = color;
    update();
}

void VQSliderCell::setSliderBackgroundColor(const QColor& color)
{
    m_backgroundColor = color;
    update();
}

void VQSliderCell::setSliderKnobColor(const QColor& color)
{
    m_knobColor = color;
    update();
}

QSize VQSliderCell::sizeHint() const
{
    return QSize(160, kKnobDiameter + 4);
}

namespace {

// The knob's centre x for the slider's value, keeping the knob inside the widget.
qreal knobCenterX(const QSlider& slider)
{
    const int span = slider.width() - kKnobDiameter;
    const int pos = QStyle::sliderPositionFromValue(slider.minimum(), slider.maximum(), slider.sliderPosition(), qMax(span, 0));
    return kKnobDiameter / 2.0 + pos;
}

} // namespace

void VQSliderCell::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.5);

    const qreal cy = height() / 2.0;
    const qreal knobX = knobCenterX(*this);
    const QRectF track(kKnobDiameter / 2.0, cy - kTrackHeight / 2.0, width() - kKnobDiameter, kTrackHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_backgroundColor);
    painter.drawRoundedRect(track, kTrackHeight / 2.0, kTrackHeight / 2.0);
    painter.setBrush(m_progressColor);
    painter.drawRoundedRect(QRectF(track.left(), track.top(), knobX - track.left(), kTrackHeight), kTrackHeight / 2.0, kTrackHeight / 2.0);

    painter.setPen(QPen(QColor(0, 0, 0, 40), 1));
    painter.setBrush(m_knobColor);
    painter.drawEllipse(QPointF(knobX, cy), kKnobDiameter / 2.0 - 0.5, kKnobDiameter / 2.0 - 0.5);
}

int VQSliderCell::valueAt(qreal x) const
{
    const int span = qMax(width() - kKnobDiameter, 0);
    const int pos = qBound(0, qRound(x) - kKnobDiameter / 2, span);
    return QStyle::sliderValueFromPosition(minimum(), maximum(), pos, span);
}

void VQSliderCell::mousePressEvent(QMouseEvent* event)
{
    // A press on the track moves the knob there and starts dragging it, as on most desktop
    // sliders (QSlider would page instead).
    if (event->button() != Qt::LeftButton) {
        QSlider::mousePressEvent(event);
        return;
    }
    event->accept();
    setSliderDown(true);
    setSliderPosition(valueAt(event->position().x()));
}

void VQSliderCell::mouseMoveEvent(QMouseEvent* event)
{
    if (!isSliderDown()) {
        QSlider::mouseMoveEvent(event);
        return;
    }
    event->accept();
    setSliderPosition(valueAt(event->position().x()));
}

void VQSliderCell::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isSliderDown()) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    setSliderPosition(valueAt(event->position().x()));
    setSliderDown(false);
}
